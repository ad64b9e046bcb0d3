#pragma once
// The request table: for each of the 41 request codes how its message is made and which answer
// it expects. The transfer flags a request sets and clears belong to the main window and are
// mapped beside the sequencer.
#include <cstdint>

#include "wire/AnswerShapes.h"
#include "wire/RecordLayouts.h"

namespace wire {

// How the message of a request is made.
enum class MessageKind : uint8_t {
  Fixed,        // the text in Message
  Event,        // "*?>#*?E" + event number + "#*?<#"
  RecordWrite,  // the record's write from the send column of its grid
  Clock,        // the clock write from the clock page
  Simulation,   // the simulation values, or "*z#"
  BlockWrite    // one half of the comms data block
};

struct RequestInfo {
  uint8_t Code;
  const char* Name;
  MessageKind Kind;
  const char* Message;  // Fixed only
  RecordId Record;      // RecordWrite only
  int Block;            // BlockWrite only: 0 or 1
  ParserId Answer;      // None: fire-and-forget, leaves the queue once built

  constexpr bool Answered() const { return Answer != ParserId::None; }
  constexpr const char* AnswerLetters() const {
    return Answered() ? Shape(Answer).Letters : nullptr;
  }
  constexpr int AnswerLength() const { return Answered() ? Shape(Answer).Length : 0; }
};

inline constexpr RecordId kNoRecord = RecordId::Identity;  // placeholder where Record is unused

// clang-format off
inline constexpr RequestInfo kRequests[kRequestCount] = {
    {1, "ReqUploadActual", MessageKind::Fixed, "*?A#", kNoRecord, 0, ParserId::ActualData},
    {2, "ReqUploadActualStatus", MessageKind::Fixed, "*?a#", kNoRecord, 0, ParserId::ActualStatusData},
    {3, "ReqUploadDevID", MessageKind::Fixed, "*?I#", kNoRecord, 0, ParserId::RelayIDData},
    {4, "ReqUploadSettings", MessageKind::Fixed, "*?S#", kNoRecord, 0, ParserId::SettingData},
    {5, "ReqUploadRTC", MessageKind::Fixed, "*?R#", kNoRecord, 0, ParserId::RTCData},
    {6, "ReqUploadCalibration", MessageKind::Fixed, "*?C#", kNoRecord, 0, ParserId::CalibrationData},
    {7, "ReqUploadStat", MessageKind::Fixed, "*?T#", kNoRecord, 0, ParserId::StatisticalData},
    {8, "ReqUploadExtModSet", MessageKind::Fixed, "*?O#", kNoRecord, 0, ParserId::ExtModSetData},
    {9, "ReqUploadDesc", MessageKind::Fixed, "*?U#", kNoRecord, 0, ParserId::DescData},
    {10, "ReqUploadBluetooth", MessageKind::Fixed, "*?J#", kNoRecord, 0, ParserId::BluetoothData},
    {11, "ReqUploadLogic", MessageKind::Fixed, "*?W#", kNoRecord, 0, ParserId::LogicData},
    {12, "ReqUploadStartConf", MessageKind::Fixed, "*?Q#", kNoRecord, 0, ParserId::StartConfData},
    {13, "ReqUploadComms", MessageKind::Fixed, "*?M#", kNoRecord, 0, ParserId::CommsData},
    {14, "ReqUploadCommsStat", MessageKind::Fixed, "*?N#", kNoRecord, 0, ParserId::CommsStatData},
    {15, "ReqFirstFault", MessageKind::Fixed, "*?>#*?F#*?<#", kNoRecord, 0, ParserId::FaultData},
    {16, "ReqNextFault", MessageKind::Fixed, "*?>#*?<#", kNoRecord, 0, ParserId::FaultData},
    {17, "ReqEvent", MessageKind::Event, nullptr, kNoRecord, 0, ParserId::EventData},
    {18, "ReqSpectrumRed", MessageKind::Fixed, "*Hr#", kNoRecord, 0, ParserId::SpectrumData},
    {19, "ReqSpectrumWhite", MessageKind::Fixed, "*Hw#", kNoRecord, 0, ParserId::SpectrumData},
    {20, "ReqSpectrumBlue", MessageKind::Fixed, "*Hb#", kNoRecord, 0, ParserId::SpectrumData},
    {21, "ReqDownloadSetting", MessageKind::RecordWrite, nullptr, RecordId::Settings, 0, ParserId::SettingData},
    {22, "ReqDownloadLogic", MessageKind::RecordWrite, nullptr, RecordId::Logic, 0, ParserId::LogicData},
    {23, "ReqDownloadStartConf", MessageKind::RecordWrite, nullptr, RecordId::StartConf, 0, ParserId::StartConfData},
    {24, "ReqDownloadRTC", MessageKind::Clock, nullptr, kNoRecord, 0, ParserId::RTCData},
    {25, "ReqDownloadCal", MessageKind::RecordWrite, nullptr, RecordId::Calibration, 0, ParserId::CalibrationData},
    {26, "ReqDownloadRelayID", MessageKind::RecordWrite, nullptr, RecordId::Identity, 0, ParserId::RelayIDData},
    {27, "ReqClearFaults", MessageKind::Fixed, "*?X#", kNoRecord, 0, ParserId::None},
    {28, "ReqDownloadDesc", MessageKind::RecordWrite, nullptr, RecordId::Desc, 0, ParserId::DescData},
    {29, "ReqDownloadBluetooth", MessageKind::RecordWrite, nullptr, RecordId::Bluetooth, 0, ParserId::BluetoothData},
    {30, "ReqDownloadComm", MessageKind::RecordWrite, nullptr, RecordId::Comms, 0, ParserId::CommsData},
    {31, "ReqDownloadStat", MessageKind::RecordWrite, nullptr, RecordId::Statistics, 0, ParserId::StatisticalData},
    {32, "ReqSimulation", MessageKind::Simulation, nullptr, kNoRecord, 0, ParserId::None},
    {33, "ReqDownloadExtMod", MessageKind::RecordWrite, nullptr, RecordId::ExtMod, 0, ParserId::ExtModSetData},
    {34, "ReqClearEvents", MessageKind::Fixed, "*?V#", kNoRecord, 0, ParserId::None},
    {35, "ReqThermalCapReset", MessageKind::Fixed, "*?-#", kNoRecord, 0, ParserId::None},
    {36, "ReqRelayReset", MessageKind::Fixed, "*?+#", kNoRecord, 0, ParserId::None},
    {37, "ReqDownloadCommExtBlock0", MessageKind::BlockWrite, nullptr, kNoRecord, 0, ParserId::CommsExtBlock0},
    {38, "ReqDownloadCommExtBlock1", MessageKind::BlockWrite, nullptr, kNoRecord, 1, ParserId::CommsExtBlock1},
    {39, "ReqUploadCommsExtBlock0", MessageKind::Fixed, "*?MA#", kNoRecord, 0, ParserId::CommsExtBlock0},
    {40, "ReqUploadCommsExtBlock1", MessageKind::Fixed, "*?MB#", kNoRecord, 0, ParserId::CommsExtBlock1},
    {41, "ReqUploadCommsExtStat", MessageKind::Fixed, "*?NA#", kNoRecord, 0, ParserId::CommsExtStatData},
};
// clang-format on

// The entry of a code from 1 to 41, or nullptr.
inline constexpr const RequestInfo* Request(int code) {
  return code >= 1 && code <= kRequestCount ? &kRequests[code - 1] : nullptr;
}
inline constexpr bool IsFireAndForget(int code) {
  const RequestInfo* r = Request(code);
  return r && !r->Answered();
}

// Bytes in each half of the comms data block, three digits each on the wire.
inline constexpr int kBlockHalfBytes = 43;

// The table's rows are in code order.
constexpr bool RequestsInCodeOrder() {
  for (int i = 0; i < kRequestCount; ++i)
    if (kRequests[i].Code != i + 1) return false;
  return true;
}
static_assert(RequestsInCodeOrder());

// An answered request is one of the heads of its answer's shape.
constexpr bool AnswersMatchShapes() {
  for (const RequestInfo& r : kRequests) {
    if (!r.Answered()) continue;
    bool found = false;
    for (uint8_t h : Shape(r.Answer).Heads) found = found || h == r.Code;
    if (!found) return false;
  }
  return true;
}
static_assert(AnswersMatchShapes());

}  // namespace wire

#pragma once
// The relay protocol's vocabulary: the 41 request codes with their messages and expected answers,
// and the answer shapes the receive dispatcher tests, in their order.
#include <cstdint>

#include "link/RecordLayouts.h"
#include "main/Main.h"

namespace wire {

enum RequestCode : uint8_t {
  ReqUploadActual = 1,
  ReqUploadActualStatus = 2,
  ReqUploadDevID = 3,
  ReqUploadSettings = 4,
  ReqUploadRTC = 5,
  ReqUploadCalibration = 6,
  ReqUploadStat = 7,
  ReqUploadExtModSet = 8,
  ReqUploadDesc = 9,
  ReqUploadBluetooth = 10,
  ReqUploadLogic = 11,
  ReqUploadStartConf = 12,
  ReqUploadComms = 13,
  ReqUploadCommsStat = 14,
  ReqFirstFault = 15,
  ReqNextFault = 16,
  ReqEvent = 17,
  ReqSpectrumRed = 18,
  ReqSpectrumWhite = 19,
  ReqSpectrumBlue = 20,
  ReqDownloadSetting = 21,
  ReqDownloadLogic = 22,
  ReqDownloadStartConf = 23,
  ReqDownloadRTC = 24,
  ReqDownloadCal = 25,
  ReqDownloadRelayID = 26,
  ReqClearFaults = 27,
  ReqDownloadDesc = 28,
  ReqDownloadBluetooth = 29,
  ReqDownloadComm = 30,
  ReqDownloadStat = 31,
  ReqSimulation = 32,
  ReqDownloadExtMod = 33,
  ReqClearEvents = 34,
  ReqThermalCapReset = 35,
  ReqRelayReset = 36,
  ReqDownloadCommExtBlock0 = 37,
  ReqDownloadCommExtBlock1 = 38,
  ReqUploadCommsExtBlock0 = 39,
  ReqUploadCommsExtBlock1 = 40,
  ReqUploadCommsExtStat = 41,
};
inline constexpr int kRequestCount = 41;

// How the message of a request is made.
enum class MessageKind : uint8_t {
  Fixed,        // the text in Message
  Event,        // "*?>#*?E" + event number + "#*?<#"
  RecordWrite,  // the record's write from the send column of its grid
  Clock,        // the clock write from the clock page
  Simulation,   // the simulation values, or "*z#"
  BlockWrite    // one half of the comms data block
};

using FlagPtr = bool TForm1::*;

struct RequestInfo {
  uint8_t Code;
  const char* Name;
  MessageKind Kind;
  const char* Message;  // Fixed only
  RecordId Record;      // RecordWrite only
  int Block;            // BlockWrite only: 0 or 1
  const char* AnswerLetters;  // nullptr: fire-and-forget, leaves the queue once built
  int AnswerLength;
  FlagPtr RequestFlag;  // nullptr where the request has none
  FlagPtr DoneFlag;     // set when the parser accepts the answer while this code is at the head
};

inline constexpr RecordId kNoRecord = RecordId::Identity;  // placeholder where Record is unused

inline constexpr RequestInfo kRequests[kRequestCount] = {
    {1, "ReqUploadActual", MessageKind::Fixed, "*?A#", kNoRecord, 0, "A", 102, nullptr, nullptr},
    {2, "ReqUploadActualStatus", MessageKind::Fixed, "*?a#", kNoRecord, 0, "a", 60, nullptr, nullptr},
    {3, "ReqUploadDevID", MessageKind::Fixed, "*?I#", kNoRecord, 0, "I", 16, &TForm1::UploadDevID, &TForm1::DevIDUploaded},
    {4, "ReqUploadSettings", MessageKind::Fixed, "*?S#", kNoRecord, 0, "S", 164, &TForm1::UploadSettings, &TForm1::SettingsUploaded},
    {5, "ReqUploadRTC", MessageKind::Fixed, "*?R#", kNoRecord, 0, "R", 21, nullptr, nullptr},
    {6, "ReqUploadCalibration", MessageKind::Fixed, "*?C#", kNoRecord, 0, "C", 57, &TForm1::UploadCalibration, &TForm1::CalibrationUploaded},
    {7, "ReqUploadStat", MessageKind::Fixed, "*?T#", kNoRecord, 0, "T", 88, nullptr, nullptr},
    {8, "ReqUploadExtModSet", MessageKind::Fixed, "*?O#", kNoRecord, 0, "O", 27, &TForm1::UploadExtModSet, &TForm1::ExtModSetUploaded},
    {9, "ReqUploadDesc", MessageKind::Fixed, "*?U#", kNoRecord, 0, "U", 31, &TForm1::UploadDesc, &TForm1::DescUploaded},
    {10, "ReqUploadBluetooth", MessageKind::Fixed, "*?J#", kNoRecord, 0, "J", 7, &TForm1::UploadBluetooth, &TForm1::BluetoothUploaded},
    {11, "ReqUploadLogic", MessageKind::Fixed, "*?W#", kNoRecord, 0, "W", 207, &TForm1::UploadLogic, &TForm1::LogicUploaded},
    {12, "ReqUploadStartConf", MessageKind::Fixed, "*?Q#", kNoRecord, 0, "Q", 99, &TForm1::UploadStartConf, &TForm1::StartConfUploaded},
    {13, "ReqUploadComms", MessageKind::Fixed, "*?M#", kNoRecord, 0, "M", 33, &TForm1::UploadComms, &TForm1::CommsUploaded},
    {14, "ReqUploadCommsStat", MessageKind::Fixed, "*?N#", kNoRecord, 0, "N", 38, nullptr, nullptr},
    {15, "ReqFirstFault", MessageKind::Fixed, "*?>#*?F#*?<#", kNoRecord, 0, "F", 52, nullptr, nullptr},
    {16, "ReqNextFault", MessageKind::Fixed, "*?>#*?<#", kNoRecord, 0, "F", 52, nullptr, nullptr},
    {17, "ReqEvent", MessageKind::Event, nullptr, kNoRecord, 0, "E", 60, nullptr, nullptr},
    {18, "ReqSpectrumRed", MessageKind::Fixed, "*Hr#", kNoRecord, 0, "H", 103, nullptr, nullptr},
    {19, "ReqSpectrumWhite", MessageKind::Fixed, "*Hw#", kNoRecord, 0, "H", 103, nullptr, nullptr},
    {20, "ReqSpectrumBlue", MessageKind::Fixed, "*Hb#", kNoRecord, 0, "H", 103, nullptr, nullptr},
    {21, "ReqDownloadSetting", MessageKind::RecordWrite, nullptr, RecordId::Settings, 0, "S", 164, &TForm1::DownloadSetting, &TForm1::SettingDownloaded},
    {22, "ReqDownloadLogic", MessageKind::RecordWrite, nullptr, RecordId::Logic, 0, "W", 207, &TForm1::DownloadLogic, &TForm1::LogicDownloaded},
    {23, "ReqDownloadStartConf", MessageKind::RecordWrite, nullptr, RecordId::StartConf, 0, "Q", 99, &TForm1::DownloadStartConf, &TForm1::StartConfDownloaded},
    {24, "ReqDownloadRTC", MessageKind::Clock, nullptr, kNoRecord, 0, "R", 21, &TForm1::DownloadRTC, &TForm1::RTC_Downloaded},
    {25, "ReqDownloadCal", MessageKind::RecordWrite, nullptr, RecordId::Calibration, 0, "C", 57, &TForm1::DownloadCal, &TForm1::CalDownloaded},
    {26, "ReqDownloadRelayID", MessageKind::RecordWrite, nullptr, RecordId::Identity, 0, "I", 16, &TForm1::DownloadRelayID, &TForm1::RelayIDDownloaded},
    {27, "ReqClearFaults", MessageKind::Fixed, "*?X#", kNoRecord, 0, nullptr, 0, &TForm1::ClearFaultRec, nullptr},
    {28, "ReqDownloadDesc", MessageKind::RecordWrite, nullptr, RecordId::Desc, 0, "U", 31, &TForm1::DownloadDesc, &TForm1::DescDownloaded},
    {29, "ReqDownloadBluetooth", MessageKind::RecordWrite, nullptr, RecordId::Bluetooth, 0, "J", 7, &TForm1::DownloadBluetooth, &TForm1::BluetoothDownloaded},
    {30, "ReqDownloadComm", MessageKind::RecordWrite, nullptr, RecordId::Comms, 0, "M", 33, &TForm1::DownloadComm, &TForm1::CommDownloaded},
    {31, "ReqDownloadStat", MessageKind::RecordWrite, nullptr, RecordId::Statistics, 0, "T", 88, &TForm1::DownloadStat, &TForm1::StatDownloaded},
    {32, "ReqSimulation", MessageKind::Simulation, nullptr, kNoRecord, 0, nullptr, 0, nullptr, nullptr},
    {33, "ReqDownloadExtMod", MessageKind::RecordWrite, nullptr, RecordId::ExtMod, 0, "O", 27, &TForm1::DownloadExtMod, &TForm1::ExtModDownloaded},
    {34, "ReqClearEvents", MessageKind::Fixed, "*?V#", kNoRecord, 0, nullptr, 0, &TForm1::ClearEventRec, nullptr},
    {35, "ReqThermalCapReset", MessageKind::Fixed, "*?-#", kNoRecord, 0, nullptr, 0, nullptr, nullptr},
    {36, "ReqRelayReset", MessageKind::Fixed, "*?+#", kNoRecord, 0, nullptr, 0, nullptr, nullptr},
    {37, "ReqDownloadCommExtBlock0", MessageKind::BlockWrite, nullptr, kNoRecord, 0, "mA", 133, &TForm1::DownloadCommExtBlock0, &TForm1::CommDownloadedExtBlock0},
    {38, "ReqDownloadCommExtBlock1", MessageKind::BlockWrite, nullptr, kNoRecord, 1, "mB", 133, &TForm1::DownloadCommExtBlock1, &TForm1::CommDownloadedExtBlock1},
    {39, "ReqUploadCommsExtBlock0", MessageKind::Fixed, "*?MA#", kNoRecord, 0, "mA", 133, &TForm1::UploadCommsExtBlock0, &TForm1::CommsExtBlock0Uploaded},
    {40, "ReqUploadCommsExtBlock1", MessageKind::Fixed, "*?MB#", kNoRecord, 0, "mB", 133, &TForm1::UploadCommsExtBlock1, &TForm1::CommsExtBlock1Uploaded},
    {41, "ReqUploadCommsExtStat", MessageKind::Fixed, "*?NA#", kNoRecord, 0, "nA", 94, nullptr, nullptr},
};

// The entry of a code from 1 to 41, or nullptr.
inline constexpr const RequestInfo* Request(int code) {
  return code >= 1 && code <= kRequestCount ? &kRequests[code - 1] : nullptr;
}
inline constexpr bool IsFireAndForget(int code) {
  const RequestInfo* r = Request(code);
  return r && r->AnswerLetters == nullptr;
}

// The parsers an answer can be handed to.
enum class ParserId : uint8_t {
  ActualData, ActualStatusData, RelayIDData, SettingData, RTCData, CalibrationData,
  StatisticalData, ExtModSetData, DescData, BluetoothData, LogicData, StartConfData, CommsData,
  CommsExtBlock0, CommsExtBlock1, CommsStatData, CommsExtStatData, FaultData, EventData,
  SpectrumData
};

// An answer shape: exact length, "*", one or two type letters, "#", and one of the head codes.
struct AnswerShape {
  int Length;
  const char* Letters;
  uint8_t Heads[3];  // 0 marks an unused entry
  ParserId Parser;
};

// In the order they are tested; the first that holds takes the packet.
inline constexpr AnswerShape kAnswerShapes[] = {
    {102, "A", {1, 0, 0}, ParserId::ActualData},
    {60, "a", {2, 0, 0}, ParserId::ActualStatusData},
    {16, "I", {3, 26, 0}, ParserId::RelayIDData},
    {164, "S", {4, 21, 0}, ParserId::SettingData},
    {21, "R", {5, 24, 0}, ParserId::RTCData},
    {57, "C", {6, 25, 0}, ParserId::CalibrationData},
    {88, "T", {7, 31, 0}, ParserId::StatisticalData},
    {27, "O", {8, 33, 0}, ParserId::ExtModSetData},
    {31, "U", {9, 28, 0}, ParserId::DescData},
    {7, "J", {10, 29, 0}, ParserId::BluetoothData},
    {207, "W", {11, 22, 0}, ParserId::LogicData},
    {99, "Q", {12, 23, 0}, ParserId::StartConfData},
    {33, "M", {13, 30, 0}, ParserId::CommsData},
    {133, "mA", {39, 37, 0}, ParserId::CommsExtBlock0},
    {133, "mB", {40, 38, 0}, ParserId::CommsExtBlock1},
    {38, "N", {14, 0, 0}, ParserId::CommsStatData},
    {94, "nA", {41, 0, 0}, ParserId::CommsExtStatData},
    {52, "F", {15, 16, 0}, ParserId::FaultData},
    {60, "E", {17, 0, 0}, ParserId::EventData},
    {103, "H", {18, 19, 20}, ParserId::SpectrumData},
};

// The shape that takes `packet` while `head` is at the queue head, or nullptr.
const AnswerShape* MatchShape(const std::string& packet, uint8_t head);

}  // namespace wire

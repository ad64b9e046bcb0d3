#pragma once
// The request codes and the shape of every answer the relay sends: its exact length, "*", one or
// two type letters, "#", and the requests whose answer it is. The dispatcher's shape check, the
// request table, the record layouts and the parsers all take an answer's letters and length from
// here; no other place states them.
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>

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

// The parsers an answer can be handed to, in the order their shapes are tested. None marks a
// request that gets no answer.
enum class ParserId : uint8_t {
  ActualData,
  ActualStatusData,
  RelayIDData,
  SettingData,
  RTCData,
  CalibrationData,
  StatisticalData,
  ExtModSetData,
  DescData,
  BluetoothData,
  LogicData,
  StartConfData,
  CommsData,
  CommsExtBlock0,
  CommsExtBlock1,
  CommsStatData,
  CommsExtStatData,
  FaultData,
  EventData,
  SpectrumData,
  None
};

struct AnswerShape {
  int Length;
  const char* Letters;
  uint8_t Heads[3];  // 0 marks an unused entry
  ParserId Parser;
};

// In the order they are tested; the first that holds takes the packet.
// clang-format off
inline constexpr AnswerShape kAnswerShapes[] = {
    {102, "A", {ReqUploadActual, 0, 0}, ParserId::ActualData},
    {60, "a", {ReqUploadActualStatus, 0, 0}, ParserId::ActualStatusData},
    {16, "I", {ReqUploadDevID, ReqDownloadRelayID, 0}, ParserId::RelayIDData},
    {164, "S", {ReqUploadSettings, ReqDownloadSetting, 0}, ParserId::SettingData},
    {21, "R", {ReqUploadRTC, ReqDownloadRTC, 0}, ParserId::RTCData},
    {57, "C", {ReqUploadCalibration, ReqDownloadCal, 0}, ParserId::CalibrationData},
    {88, "T", {ReqUploadStat, ReqDownloadStat, 0}, ParserId::StatisticalData},
    {27, "O", {ReqUploadExtModSet, ReqDownloadExtMod, 0}, ParserId::ExtModSetData},
    {31, "U", {ReqUploadDesc, ReqDownloadDesc, 0}, ParserId::DescData},
    {7, "J", {ReqUploadBluetooth, ReqDownloadBluetooth, 0}, ParserId::BluetoothData},
    {207, "W", {ReqUploadLogic, ReqDownloadLogic, 0}, ParserId::LogicData},
    {99, "Q", {ReqUploadStartConf, ReqDownloadStartConf, 0}, ParserId::StartConfData},
    {33, "M", {ReqUploadComms, ReqDownloadComm, 0}, ParserId::CommsData},
    {133, "mA", {ReqUploadCommsExtBlock0, ReqDownloadCommExtBlock0, 0}, ParserId::CommsExtBlock0},
    {133, "mB", {ReqUploadCommsExtBlock1, ReqDownloadCommExtBlock1, 0}, ParserId::CommsExtBlock1},
    {38, "N", {ReqUploadCommsStat, 0, 0}, ParserId::CommsStatData},
    {94, "nA", {ReqUploadCommsExtStat, 0, 0}, ParserId::CommsExtStatData},
    {52, "F", {ReqFirstFault, ReqNextFault, 0}, ParserId::FaultData},
    {60, "E", {ReqEvent, 0, 0}, ParserId::EventData},
    {103, "H", {ReqSpectrumRed, ReqSpectrumWhite, ReqSpectrumBlue}, ParserId::SpectrumData},
};
// clang-format on

// The shapes are listed in parser order, so a parser finds its shape by its number.
constexpr bool ShapesInParserOrder() {
  for (size_t i = 0; i < std::size(kAnswerShapes); ++i)
    if (static_cast<size_t>(kAnswerShapes[i].Parser) != i) return false;
  return std::size(kAnswerShapes) == static_cast<size_t>(ParserId::None);
}
static_assert(ShapesInParserOrder());

inline constexpr const AnswerShape& Shape(ParserId p) {
  return kAnswerShapes[static_cast<size_t>(p)];
}

// The answer's exact length.
inline constexpr int AnswerLength(ParserId p) { return Shape(p).Length; }

// 1-based position of the last character before the closing "#".
inline constexpr int LastFieldPos(ParserId p) { return Shape(p).Length - 1; }

// 1-based position of the first character after the type letters.
inline constexpr int FirstFieldPos(ParserId p) {
  return 2 + static_cast<int>(std::char_traits<char>::length(Shape(p).Letters));
}

// The answer has its shape's length and every character between the type letters and "#" is a
// digit.
bool DigitAnswer(ParserId p, const std::string& answer);

// The shape that takes `packet` while `head` is at the queue head, or nullptr.
const AnswerShape* MatchShape(const std::string& packet, uint8_t head);

}  // namespace wire

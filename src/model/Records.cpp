#include "model/Records.h"

#include "wire/Numeric.h"

namespace model {

namespace {

using wire::DecStr;
using wire::PadNum;

// Bit texts of the four flag bytes A..D, bit 0 first; nullptr where a bit has none.
using FlagTexts = const char* const[4][8];

// clang-format off
constexpr FlagTexts kFaultTexts = {
    {" Overcurrent", " Run-Stall", " Unbal Phase Currents", " Single Phasing", " Minimum Load",
     " Short Circuit", " Voltage Phase Rotation", " Earth Leakage"},
    {" Overvoltage", " Undervoltage", " Voltage Symmetry", " Insulation Lockout", " Low Frequency",
     " High Frequency", " Earth Fault", " Starts/Hour Limit"},
    {" System Failure", " Vectorial-Stall", " Frozen Contacter", " Starter Execution Fault",
     " Starter Feedback Fault", " Unautherised Current Fault", " Emergency Stop", nullptr},
    {" RTD 1 temperature", " RTD 2 temperature", " RTD 3 temperature", " RTD 4 temperature", nullptr,
     nullptr, nullptr, nullptr},
};
// clang-format on

// clang-format off
constexpr FlagTexts kTripTexts = {
    {"Overcurrent", "Run-Stall", "Unbal I Phase", "Single Phasing", "Minimum Load", "Short Circuit",
     "Phase Rotation", "Earth Leakage"},
    {"Overvoltage", "Undervoltage", "Voltage Symmetry", "Insulation Lockout", "Low Frequency",
     "High Frequency", "Earth Fault", "Starts/Hr Limit"},
    {"System Failure", "Vectorial-Stall", "Frozen Cantact", "Execution Fault", "Feedback Fault",
     "Unautherise Crnt Flt", "Emergency Stop", nullptr},
    {"RTD1 High/Low Temper", "RTD2 High/Low Temper", "RTD3 High/Low Temper", "RTD4 High/Low Temper",
     nullptr, nullptr, nullptr, nullptr},
};
// clang-format on

// Alarm flags A..C only; the fourth row stays empty.
// clang-format off
constexpr FlagTexts kAlarmTexts = {
    {nullptr, "EL ", "OC ", "RS ", "Unbal ", "SP ", "ML ", "SCir "},
    {nullptr, "OV ", "UV ", "VS ", "ILock ", "LF ", "HF ", nullptr},
    {"VStal ", nullptr, "RTD1 ", "RTD2 ", "RTD3 ", "RTD4 ", nullptr, nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};
// clang-format on

struct EventType {
  int Code;
  const char* Text;
};
// clang-format off
constexpr EventType kEventTypes[] = {
    {1, "Running"},      {2, "Stop"},         {3, "Alarm"},        {4, "Trip"},
    {5, "Settings Adj"}, {6, "Calibration"},  {7, "RTC_Adj"},      {8, "Stats Adj"},
    {9, "Start"},        {10, "Power Up"},    {129, "Sim Running"}, {130, "Sim Stop"},
    {131, "Sim Alarm"},  {132, "Sim Trip"},   {133, "Sim Start"},
};
// clang-format on

std::string EventTypeText(int code) {
  for (const EventType& t : kEventTypes)
    if (t.Code == code) return t.Text;
  return std::string();
}

// The text of the set bit that comes last, reading A bit 0 to D bit 7; bits without text ignored.
template <size_t N>
std::string LastSetBitText(const FlagTexts& texts, const std::array<uint8_t, N>& flags) {
  std::string text;
  for (size_t b = 0; b < N; ++b)
    for (int bit = 0; bit < 8; ++bit)
      if ((flags[b] >> bit & 1) && texts[b][bit]) text = texts[b][bit];
  return text;
}

std::string DateText(int year, int month, int day) {
  return ("20" + PadNum(year, 2) + "/" + PadNum(month, 2) + "/" + PadNum(day, 2)).substr(0, 10);
}
std::string TimeText(int hour, int minute) {
  return (PadNum(hour, 2) + "h" + PadNum(minute, 2)).substr(0, 5);
}

}  // namespace

std::array<std::string, kFaultColumns> FaultCells(const FaultRecord& r) {
  std::array<std::string, kFaultColumns> cells;
  cells[0] = "  " + DecStr(r.Number);
  if (!r.Received) {
    cells[4] = kFaultNotReceived;
    return cells;
  }
  if (!(r.Flags[0] || r.Flags[1] || r.Flags[2] || r.Flags[3])) return cells;
  cells[1] = (r.Status == 0 || r.Status == 2)   ? "Actual"
             : (r.Status == 1 || r.Status == 3) ? "Simulation"
                                                : "";
  cells[2] = DateText(r.Year, r.Month, r.Day);
  cells[3] = TimeText(r.Hour, r.Minute);
  cells[4] = LastSetBitText(kFaultTexts, r.Flags);
  cells[5] = DecStr(r.RunHours);
  cells[6] = DecStr(r.ImaxPercent);
  cells[7] = DecStr(r.Vmin);
  cells[8] = DecStr(r.TripMs) + "ms";
  return cells;
}

std::array<std::string, 8> EventCells(const EventRecord& r) {
  std::string alarm;
  if (r.Type == 3 || r.Type == 131) {
    for (int b = 0; b < 3; ++b)
      for (int bit = 0; bit < 8; ++bit)
        if ((r.Alarms[static_cast<size_t>(b)] >> bit & 1) && kAlarmTexts[b][bit])
          alarm += kAlarmTexts[b][bit];
    alarm = alarm.substr(0, 45);
  }
  std::string trip;
  if (r.Type == 4 || r.Type == 132) trip = LastSetBitText(kTripTexts, r.Trips);
  return {EventTypeText(r.Type),
          DateText(r.Year, r.Month, r.Day),
          TimeText(r.Hour, r.Minute),
          alarm,
          trip,
          DecStr(r.RunHours),
          DecStr(r.ImaxPercent),
          DecStr(r.Vmin)};
}

std::string EventFileLine(const EventRecord& r) {
  std::string line = DecStr(kEventRecords - r.Number);
  for (const std::string& cell : EventCells(r)) line += '\t' + cell;
  return line;
}

}  // namespace model

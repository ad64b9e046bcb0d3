// Parsers of the records that are not configuration: fault, event and spectrum records, and the
// entry points of the live records (actual values, actual status, fieldbus status).
#include "link/CommSetup.h"
#include "main/Main.h"
#include "wire/AnswerShapes.h"
#include "wire/Numeric.h"

using namespace wire;

namespace {

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
std::string LastSetBitText(const FlagTexts& texts, const uint8_t (&flags)[4]) {
  std::string text;
  for (int b = 0; b < 4; ++b)
    for (int bit = 0; bit < 8; ++bit)
      if ((flags[b] >> bit & 1) && texts[b][bit]) text = texts[b][bit];
  return text;
}

int Byte(const std::string& s, int pos) { return static_cast<int>(NumberAt(s, pos, 3) & 0xFF); }
long long Word(const std::string& s, int pos, int width) {
  return NumberAt(s, pos, width) & 0xFFFF;
}

std::string DateText(int year, int month, int day) {
  return ("20" + PadNum(year, 2) + "/" + PadNum(month, 2) + "/" + PadNum(day, 2)).substr(0, 10);
}
std::string TimeText(int hour, int minute) {
  return (PadNum(hour, 2) + "h" + PadNum(minute, 2)).substr(0, 5);
}

void Run(const std::function<void(const std::string&)>& hook, const std::string& Buffer) {
  if (hook) hook(Buffer);
}

}  // namespace

int TForm2::PackFaultData(const std::string& Buffer) {
  if (!Form1 || !DigitAnswer(ParserId::FaultData, Buffer)) return 0;
  TForm1& f = *Form1;
  int n = Byte(Buffer, 3);
  // The fault chain reads the next request from this position (the bar keeps it in 0..55).
  f.pbFaultUpdate.SetPosition(56 - n);
  int status = Byte(Buffer, 6);
  std::string statusText = (status == 0 || status == 2)   ? "Actual"
                           : (status == 1 || status == 3) ? "Simulation"
                                                          : "";
  std::string date = DateText(Byte(Buffer, 9), Byte(Buffer, 12), Byte(Buffer, 15));
  std::string time = TimeText(Byte(Buffer, 18), Byte(Buffer, 21));
  uint8_t flags[4] = {
      static_cast<uint8_t>(Byte(Buffer, 24)), static_cast<uint8_t>(Byte(Buffer, 27)),
      static_cast<uint8_t>(Byte(Buffer, 30)), static_cast<uint8_t>(Byte(Buffer, 33))};
  // Records are numbered 1 to 35, one grid row each; row 0 holds the headings and is never
  // written, whatever number a disturbed record carries.
  TStringGrid& g = f.sgFaultHist;
  bool rowExists = n >= 1 && n < g.RowCount();
  if (flags[0] || flags[1] || flags[2] || flags[3]) {
    if (rowExists) {
      g.SetCell(0, n, "  " + DecStr(n));
      g.SetCell(1, n, statusText);
      g.SetCell(2, n, date);
      g.SetCell(3, n, time);
      g.SetCell(4, n, LastSetBitText(kFaultTexts, flags));
      g.SetCell(5, n, DecStr(Word(Buffer, 36, 5)));
      g.SetCell(6, n, DecStr(Word(Buffer, 41, 3) * 4));
      g.SetCell(7, n, DecStr(Word(Buffer, 44, 5)));
      g.SetCell(8, n, DecStr(Word(Buffer, 49, 3) * 10) + "ms");
    }
  } else if (rowExists) {
    g.SetCell(0, n, "  " + DecStr(n));
    for (int c = 1; c <= 8; ++c) g.SetCell(c, n, "");
  }
  return 1;
}

int TForm2::PackEventData(const std::string& Buffer) {
  if (!Form1 || !DigitAnswer(ParserId::EventData, Buffer)) return 0;
  TForm1& f = *Form1;
  long long number = Word(Buffer, 3, 5);
  int type = Byte(Buffer, 8);
  if (type == 0) return 1;  // an empty slot of the log: nothing to show, the chain goes on

  std::string typeText = EventTypeText(type);
  std::string date = DateText(Byte(Buffer, 11), Byte(Buffer, 14), Byte(Buffer, 17));
  std::string time = TimeText(Byte(Buffer, 20), Byte(Buffer, 23));

  std::string alarm;
  if (type == 3 || type == 131) {
    uint8_t a[4] = {static_cast<uint8_t>(Byte(Buffer, 26)), static_cast<uint8_t>(Byte(Buffer, 29)),
                    static_cast<uint8_t>(Byte(Buffer, 32)), 0};
    for (int b = 0; b < 3; ++b)
      for (int bit = 0; bit < 8; ++bit)
        if ((a[b] >> bit & 1) && kAlarmTexts[b][bit]) alarm += kAlarmTexts[b][bit];
    alarm = alarm.substr(0, 45);
  }
  std::string trip;
  if (type == 4 || type == 132) {
    uint8_t t[4] = {static_cast<uint8_t>(Byte(Buffer, 35)), static_cast<uint8_t>(Byte(Buffer, 38)),
                    static_cast<uint8_t>(Byte(Buffer, 41)), static_cast<uint8_t>(Byte(Buffer, 44))};
    trip = LastSetBitText(kTripTexts, t);
  }
  std::string runHours = DecStr(Word(Buffer, 47, 5));
  std::string imax = DecStr(Word(Buffer, 52, 3) * 4);
  std::string vmin = DecStr(Word(Buffer, 55, 5));

  if (f.QuickEventViewFlag) {
    int r = static_cast<uint16_t>(1400 - f.EventCntr);
    TStringGrid& g = f.sgQuickEventViewer;
    if (r >= 1 && r < g.RowCount()) {  // never over the heading row
      const std::string cells[9] = {DecStr(r), typeText, date, time, alarm,
                                    trip,      runHours, imax, vmin};
      for (int c = 0; c < 9; ++c) g.SetCell(c, r, cells[c]);
    }
  } else if (f.EventFileWriteLn) {
    const char tab = '\t';
    f.EventFileWriteLn(DecStr(1400 - number) + tab + typeText + tab + date + tab + time + tab +
                       alarm + tab + trip + tab + runHours + tab + imax + tab + vmin);
  }
  return 1;
}

int TForm2::PackSpectruimData(const std::string& Buffer) {
  if (!Form1 || !DigitAnswer(ParserId::SpectrumData, Buffer)) return 0;
  for (int k = 0; k < 20; ++k)
    Form1->Current[static_cast<size_t>(k)] = static_cast<int32_t>(NumberAt(Buffer, 3 + 5 * k, 5));
  return 1;
}

int TForm2::PackActualData(const std::string& Buffer) {
  // The second revision character (position 101) may be any character.
  constexpr ParserId kActual = ParserId::ActualData;
  if (!Form1 || Buffer.size() != static_cast<size_t>(AnswerLength(kActual)) ||
      !DigitsAt(Buffer, FirstFieldPos(kActual), LastFieldPos(kActual) - 1))
    return 0;
  Run(LoadActualData, Buffer);
  return 1;
}

int TForm2::PackActualStatusData(const std::string& Buffer) {
  if (!Form1 || !DigitAnswer(ParserId::ActualStatusData, Buffer)) return 0;
  Run(LoadActualStatusData, Buffer);
  return 1;
}

int TForm2::PackCommsStatData(const std::string& Buffer) {
  if (!Form1 || !DigitAnswer(ParserId::CommsStatData, Buffer)) return 0;
  Run(LoadCommsStatData, Buffer);
  return 1;
}

int TForm2::PackCommsExtStatData(const std::string& Buffer) {
  if (!Form1 || !DigitAnswer(ParserId::CommsExtStatData, Buffer)) return 0;
  Run(LoadCommsExtStatData, Buffer);
  return 1;
}

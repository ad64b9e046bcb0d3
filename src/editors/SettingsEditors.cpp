#include "editors/SettingsEditors.h"

#include <array>

#include "wire/VoltageLists.h"
#include "main/Main.h"
#include "report/SignalNames.h"
#include "wire/Selections.h"

namespace editors::settings {
namespace {

using wire::RecordId;

// The control of a row, checked by the compiler: ED(seMLC) gives its name and its accessor.
// clang-format off
#define ED(n) #n, [](TForm1& f) -> TControl& { return f.n; }
// clang-format on
#define TWIN(n) [](TForm1& f) -> TControl& { return f.n; }

// Row builders, one per kind, so that each row below reads as the editor's own line.
constexpr EditorSpec Spin(const char* name, ControlOf c, int row, int digits, int min, int max,
                          int step, int maxLength, int initial, Load load, Exit check = Exit::None,
                          int def = 0) {
  // clang-format off
  return {name, c, Kind::Spin, RecordId::Settings, row, digits, min, max, step, maxLength, false, initial,
          nullptr, Items::None, -1, -1, Special::None, nullptr, load, check, def, 0, 0, nullptr, false};
  // clang-format on
}

constexpr EditorSpec NumEdit(const char* name, ControlOf c, int row, int digits, int maxLength,
                             Exit check, int checkMin, int checkMax, const char* message,
                             bool digitKeys) {
  // clang-format off
  return {name, c, Kind::NumEdit, RecordId::Settings, row, digits, 0, 0, 0, maxLength, false, 0, nullptr,
          Items::None, -1, -1, Special::None, nullptr, Load::Text, check, 0, checkMin, checkMax, message,
          digitKeys};
  // clang-format on
}

constexpr EditorSpec Combo(const char* name, ControlOf c, int row, Items list, int initial,
                           Load load, Special rule = Special::None) {
  // clang-format off
  return {name, c, Kind::Combo, RecordId::Settings, row, 3, 0, 0, 0, 0, false, initial, nullptr, list, -1, -1,
          rule, nullptr, load, Exit::None, 0, 0, 0, nullptr, false};
  // clang-format on
}

constexpr EditorSpec Bit(const char* name, ControlOf c, Kind kind, int byte, int bit) {
  constexpr int kByteRows[4] = {9, 10, 17, 45};
  // clang-format off
  return {name, c, kind, RecordId::Settings, kByteRows[byte], 3, 0, 0, 0, 0, false, -1, nullptr,
          kind == Kind::Radio ? (byte == 1 ? Items::UcPf : Items::Relay1) : Items::None, byte, bit,
          Special::None, nullptr, Load::Skip, Exit::None, 0, 0, 0, nullptr, false};
  // clang-format on
}

// Modifiers for the rows that need more than their kind.
constexpr EditorSpec Rule(EditorSpec e, Special rule, ControlOf twin = nullptr) {
  e.Rule = rule;
  e.Twin = twin;
  return e;
}
constexpr EditorSpec On(RecordId grid, EditorSpec e) {
  e.Grid = grid;
  return e;
}
constexpr EditorSpec Calibration(EditorSpec e) { return On(RecordId::Calibration, e); }
constexpr EditorSpec Loaded(EditorSpec e, Load way) {
  e.LoadWay = way;
  return e;
}
// A fixed-width text field of a record.
constexpr EditorSpec TextField(const char* name, ControlOf c, RecordId grid, int row, int width) {
  // clang-format off
  return {name, c, Kind::Text, grid, row, width, 0, 0, 0, width, false, 0, "", Items::None, -1, -1,
          Special::None, nullptr, Load::Trimmed, Exit::None, 0, 0, 0, nullptr, false};
  // clang-format on
}
constexpr EditorSpec ButtonsOnly(EditorSpec e) {
  e.ButtonsOnly = true;
  return e;
}
constexpr EditorSpec ShowsText(EditorSpec e, const char* text) {
  e.InitialText = text;
  return e;
}

constexpr const char* kThermalCapRange = "Value is out of range !\rRange = 0 to 100";
constexpr const char* kResetThresholdRange = "Value is out of range !\rRange = 20% to 80%";
constexpr const char* kHoldOffRange = "Range = 0 to 200 sec";
constexpr const char* kCounterRange = "Value is out of range !\rRange = 0 to 65535";

using enum Load;
using enum Exit;

// clang-format off
// Columns: Spin(editor, row, digits, min, max, step, max length, initial, load, exit, default);
// NumEdit(editor, row, digits, max length, exit, check min, check max, range message, key filter);
// Combo(editor, row, items, initial item, load, rule); Bit(editor, kind, byte 0..3 = A..D, bit).
const EditorSpec kEditors[] = {
  //       editor                       row dig   min   max step len  init  load    exit          default
  NumEdit(ED(ebThermalCap),              1, 3,                         3,       RangeMessage, 0, 100, kThermalCapRange, false),
  Spin(ED(seThrmlCurveSel),              2, 3,    3,   40,   1,  2,    3, Value, EmptyDefault, 15),
  Combo(ED(cbVSelector),                 3, Items::Voltage, -1, Voltage, Special::Voltage),
  Spin(ED(seV_SymTripLev),               4, 3,   60,  100,   1,  3,  100, Value, EmptyDefault, 85),
  Spin(ED(seUnbalTripLev),               5, 3,    0,   50,   1,  2,    0, Value, EmptyDefault, 15),
  Spin(ED(seUnbalTripDelay),             6, 3,    1,   10,   1,  2,    1, Value, EmptyDefault, 10),
  Spin(ED(seML_CurrentTripLev),          7, 3,   10,  100,   1,  3,   10, Value, EmptyDefault, 40),
  Spin(ED(seML_TripDelay),               8, 3,    1,   10,   1,  2,   10, Value, EmptyMessage, 10),
  NumEdit(ED(ebEL_TripLev),             11, 5,                         4,       SilentLimits, 0, 1000, nullptr, true),
  Spin(ED(seEL_TripDelay),              12, 5,  100, 1000,  50,  4,  100, Text,  Multiple50,  100),
  Combo(ED(cbEL_Selector),              13, Items::ELMode, -1, Item, Special::ELSelector),
  Spin(ED(seStartsPerHrLim),            14, 3,    1,   60,   1,  2,    1, Value, EmptyDefault,  6),
  Spin(ED(seML_SuTripDelay),            15, 3,    0,  200,   1,  3,    0, Value, EmptyMessage,  0),
  NumEdit(ED(ebTC_ResetThreshold),      16, 3,                         2,       RangeMessage, 20, 80, kResetThresholdRange, false),
  Spin(ED(seConsecStartsLim),           18, 3,    1,    3,   1,  1,    1, Text,  EmptyDefault,  1),
  Spin(ED(seRunStallTripLev),           19, 5,  110,  600,   1,  3,  110, Value),
  Combo(ED(cbML_TimeSelector),          20, Items::MLRestart, -1, Item),
  Spin(ED(seML_PwrFacTripLev),          21, 3,   10,  100,   1,  3,   10, Value, EmptyDefault, 40),
  Spin(ED(seMLC),                       22, 3,   10,  100,   1,  3,  100, Value, EmptyDefault, 10),
  NumEdit(ED(ebRS_HoldOffDelay),        23, 3,                         3,       RangeMessage, 0, 200, kHoldOffRange, true),
  Spin(ED(seDF_DelTime_1),              24, 5,    0, 2000,  50,  4,  100, Value, Multiple50,  100),
  Spin(ED(seDF_DelTime_2),              25, 5,    0, 2000,  50,  4,  100, Value, Multiple50,  100),
  ButtonsOnly(
  Spin(ED(seDF_DelTime_3),              26, 5,    0, 2000,  50,  4,  100, Value, Multiple50,  100)),
  Spin(ED(seDF_DelTime_4),              27, 5,    0, 2000,  50,  4,  100, Value, Multiple50,  100),
  Spin(ED(seDF_DelTime_5),              28, 5,    0, 2000,  50,  4,  100, Value, Multiple50,  100),
  Spin(ED(seDF_DelTime_6),              29, 5,    0, 2000,  50,  4,  100, Value, Multiple50,  100),
  Spin(ED(seDF_DelTime_7),              30, 5,    0, 2000,  50,  4,  100, Value, Multiple50,  100),
  ButtonsOnly(
  Spin(ED(seSR_DelayTime),              31, 5,  100, 4000,  50,  4, 1000, Value)),
  Combo(ED(cbStarterType),              32, Items::Starter, -1, Item, Special::StarterType),
  Spin(ED(seV_LimLo),                   33, 3,    0,   25,   1,  2,    0, Value, EmptyDefault, 10),
  Spin(ED(seV_LimHi),                   34, 3,    0,   25,   1,  2,    0, Value, EmptyDefault, 10),
  Spin(ED(seMLC_sec),                   35, 3,   10,  100,   1,  3,  100, Value, EmptyDefault, 10),
  Spin(ED(seThrmlCurveSel_sec),         36, 3,    3,   40,   1,  2,    3, Value, EmptyDefault, 15),
  Spin(ED(seRTD1Hi_TripLev),            37, 3,  -30,  220,   1,  3,    0, Value, EmptyDefault, 120),
  Spin(ED(seRTD2Hi_TripLev),            38, 3,  -30,  220,   1,  3,    0, Value, EmptyDefault, 120),
  Spin(ED(seRTD3Hi_TripLev),            39, 3,  -30,  220,   1,  3,    0, Value, EmptyDefault, 120),
  Spin(ED(seRTD4Hi_TripLev),            40, 3,  -30,  220,   1,  3,    0, Value, EmptyDefault, 120),
  Spin(ED(seRTD1Lo_TripLev),            41, 3,  -30,  220,   1,  3,    0, Value, EmptyDefault, 15),
  Spin(ED(seRTD2Lo_TripLev),            42, 3,  -30,  220,   1,  3,    0, Value, EmptyDefault, 15),
  Spin(ED(seRTD3Lo_TripLev),            43, 3,  -30,  220,   1,  3,    0, Value, EmptyDefault, 15),
  Spin(ED(seRTD4Lo_TripLev),            44, 3,  -30,  220,   1,  3,    0, Value, EmptyDefault, 15),
  ShowsText(Combo(ED(cbRTD1_Type),      46, Items::RTDType, -1, Item, Special::RTDType), "PT100"),
  ShowsText(Combo(ED(cbRTD2_Type),      47, Items::RTDType, -1, Item, Special::RTDType), "PT100"),
  ShowsText(Combo(ED(cbRTD3_Type),      48, Items::RTDType, -1, Item, Special::RTDType), "PT100"),
  ShowsText(Combo(ED(cbRTD4_Type),      49, Items::RTDType, -1, Item, Special::RTDType), "PT100"),
  Rule(Spin(ED(seCT_Prim),              50, 5,    1, 1000,   1,  4,    1, Value), Special::CTRatio),
  Rule(Spin(ED(seCT_Sec),               51, 3,    1,    5,   1,  1,    1, Value, EmptyDefault, 1), Special::CTRatio),
  // The calibration record's frequency rows, edited here too.
  Calibration(Rule(Spin(ED(seSetHighFreqLimit), 8, 3, 40, 70, 1, 3,  55, Skip, Digits),
                   Special::FreqLimit, TWIN(seHighFreqLimit))),
  Calibration(Rule(Spin(ED(seSetLowFreqLimit),  9, 3, 40, 70, 1, 3,  45, Skip, Digits),
                   Special::FreqLimit, TWIN(seLowFreqLimit))),
  Calibration(Rule(Combo(ED(cbSetFreqSelector), 10, Items::Freq, 0, Skip),
                   Special::FreqSelect, TWIN(cbFreqSelector))),
  // Control byte bits: byte (0..3 = A..D), bit.
  Bit(ED(cbMinLoad_Sel),           Kind::Check, 0, 0),
  Bit(ED(cbUV_Sel),                Kind::Check, 0, 1),
  Bit(ED(cbOV_Sel),                Kind::Check, 0, 2),
  Bit(ED(cbVSym_Sel),              Kind::Check, 0, 3),
  Bit(ED(cbFailSave_Sel),          Kind::Check, 0, 4),
  Bit(ED(cbUnbal_Sel),             Kind::Check, 0, 5),
  Bit(ED(cbPhaseRot_Sel),          Kind::Check, 0, 6),
  Bit(ED(cbSCirc_Sel),             Kind::Check, 0, 7),
  Bit(ED(cbSP_Sel),                Kind::Check, 1, 0),
  Bit(ED(cbRunStall_Sel),          Kind::Check, 1, 1),
  Bit(ED(rgUC_PF_Select),          Kind::Radio, 1, 2),
  Bit(ED(cbEarthLeak_dis),         Kind::Check, 1, 3),
  Bit(ED(cbLowPassFilter_Sel),     Kind::Check, 1, 4),
  Bit(ED(cbIsoLockOut_Dis),        Kind::Check, 1, 5),
  Bit(ED(cbFrequency_Sel),         Kind::Check, 1, 6),
  Bit(ED(cbDynTC_ResetTH_Adj_Sel), Kind::Check, 1, 7),
  Bit(ED(cbStartsPerHr_Sel),       Kind::Check, 2, 0),
  Bit(ED(cbV_PhaseRotReverse),     Kind::Check, 2, 1),
  Bit(ED(cbVectorialStall_Sel),    Kind::Check, 2, 2),
  Bit(ED(cbAutoThermalReset),      Kind::Check, 2, 3),
  Bit(ED(rgMTR_Select),            Kind::Radio, 2, 4),
  Bit(ED(cbExpModConnect),         Kind::Check, 2, 5),
  Bit(ED(cbFLED_Connect),          Kind::Check, 2, 6),
  Bit(ED(cbRTD1_Sel),              Kind::Check, 3, 0),
  Bit(ED(cbRTD2_Sel),              Kind::Check, 3, 1),
  Bit(ED(cbRTD3_Sel),              Kind::Check, 3, 2),
  Bit(ED(cbRTD4_Sel),              Kind::Check, 3, 3),
  Bit(ED(cbInsClass),              Kind::Check, 3, 4),
  // The Calibration page twins of the frequency editors.
  Calibration(Rule(Spin(ED(seHighFreqLimit), 8, 3, 40, 70, 1, 2, 55, Text, BothFreqDigits),
                   Special::FreqLimit, TWIN(seSetHighFreqLimit))),
  Calibration(Rule(Spin(ED(seLowFreqLimit),  9, 3, 40, 70, 1, 2, 45, Text, BothFreqDigits),
                   Special::FreqLimit, TWIN(seSetLowFreqLimit))),
  Calibration(Rule(Combo(ED(cbFreqSelector), 10, Items::FreqHz, 0, Item),
                   Special::FreqSelect, TWIN(cbSetFreqSelector))),
  // The Calibration page: correction factors and temperature input offsets.
  Calibration(Spin(ED(seVredCorrectFact),      1, 3,  90, 110, 1, 3, 100, Value)),
  Calibration(Spin(ED(seVwhiteCorrectFact),    2, 3,  90, 110, 1, 3, 100, Value)),
  Calibration(Spin(ED(seVblueCorrectFact),     3, 3,  90, 110, 1, 3, 100, Value)),
  Calibration(Spin(ED(seIr_CorrectFact),       4, 3,  80, 120, 1, 3, 100, Value)),
  Calibration(Spin(ED(seIw_CorrectFact),       5, 3,  80, 120, 1, 3, 100, Value)),
  Calibration(Spin(ED(seIb_CorrectFact),       6, 3,  80, 120, 1, 3, 100, Value)),
  Calibration(Spin(ED(seEarthLeakCorrectFact), 7, 3,  90, 120, 1, 3, 100, Value)),
  Calibration(Spin(ED(seRTD1_PT100_Offset),   11, 3, -20,  20, 1, 2,   0, Value)),
  Calibration(Spin(ED(seRTD1_PT1000_Offset),  12, 3, -20,  20, 1, 2,   0, Value)),
  Calibration(Spin(ED(seRTD2_PT100_Offset),   13, 3, -20,  20, 1, 2,   0, Value)),
  Calibration(Spin(ED(seRTD2_PT1000_Offset),  14, 3, -20,  20, 1, 2,   0, Value)),
  Calibration(Spin(ED(seRTD3_PT100_Offset),   15, 3, -20,  20, 1, 2,   0, Value)),
  Calibration(Spin(ED(seRTD3_PT1000_Offset),  16, 3, -20,  20, 1, 2,   0, Value)),
  Calibration(Spin(ED(seRTD4_PT100_Offset),   17, 3, -20,  20, 1, 2,   0, Value)),
  Calibration(Spin(ED(seRTD4_PT1000_Offset),  18, 3, -20,  20, 1, 2,   0, Value)),
  // The relay's identity: model item and serial number (leading zeros as the relay sends them).
  On(RecordId::Identity, Combo(ED(cbRelayModel), 1, Items::Model, 0, Item)),
  ShowsText(On(RecordId::Identity, Loaded(NumEdit(ED(ebSerialNumber), 2, 8, 8, RangeMessage, 0, 99999999,
                                                  kDigitsMessage, true), Raw)), "00000000"),
  // The adjustable statistics counters.
  On(RecordId::Statistics, NumEdit(ED(ebStartUpCntr),     1, 5, 5, RangeMessage, 0, 65535, kCounterRange, true)),
  On(RecordId::Statistics, NumEdit(ED(ebTripCntr),        2, 5, 5, RangeMessage, 0, 65535, kCounterRange, true)),
  On(RecordId::Statistics, NumEdit(ED(ebMotorRunHrCntr),  3, 5, 5, RangeMessage, 0, 65535, kCounterRange, true)),
  On(RecordId::Statistics, NumEdit(ED(ebRelayRunHrCntr),  4, 5, 5, RangeMessage, 0, 65535, kCounterRange, true)),
  On(RecordId::Statistics, NumEdit(ED(ebPwrConsume),     15, 5, 5, RangeMessage, 0, 65535, kCounterRange, true)),
  On(RecordId::Statistics, NumEdit(ED(ebRealPwrConsume), 16, 5, 5, RangeMessage, 0, 65535, kCounterRange, true)),
  On(RecordId::Statistics, NumEdit(ED(ebFL_RunHrCntr),   17, 5, 5, RangeMessage, 0, 65535, kCounterRange, true)),
  // The drive description and the Bluetooth PIN.
  TextField(ED(ebUserName), RecordId::Desc,      1, 20),
  TextField(ED(ebDriveID),  RecordId::Desc,      2,  8),
  TextField(ED(ebPinCode),  RecordId::Bluetooth, 1,  4),
};
// clang-format on

#undef ED
#undef TWIN

constexpr const char* kELModeItems[] = {"   Instantanious Definite Time",
                                        " Inverse Definite Minimum Time"};
constexpr const char* kMLRestartItems[] = {"Manual", "10 sec", "5 min",  "10 min",  "20 min",
                                           "30 min", "45 min", "1 hour", "3 hours", "6 hours"};
// clang-format off
constexpr const char* kStarterItems[] = {
    "            Protection Relay            ", "       Direct On Line Starter         ",
    "Direct On Line Reversal Starter ",         "        Star > Delta Starter            ",
    "  Star > Delta Reversal Starter   ",       "          Dahlander Starter            ",
    "   Dahlander Reversal Starter    ",        "        Pole-Changing Starter        ",
    "Pole-Changing Reversal Starter ",          "               Soft Starter                 ",
    "        Reversal Soft Starter         ",   " Oil Circuit Breaker DOL Starter  ",
};
// clang-format on
constexpr const char* kModelItems[] = {"005", "010", "050", "100", "300"};
constexpr const char* kUcPfItems[] = {"Undercurrent Select", "Power Factor Select"};
constexpr const char* kRelay1Items[] = {"Dedicated Main Trip Relay Select",
                                        "Configurable Relay (+100ms) Select"};

const std::array<const char*, wire::kShortCount> kVoltageItems = [] {
  std::array<const char*, wire::kShortCount> a{};
  for (int i = 0; i < wire::kShortCount; ++i) a[i] = wire::kShortList[i].Name;
  return a;
}();

// clang-format off
const ControlByte kControlBytes[] = {
    {&TForm1::ActControl_A, 9, "Cntrl A"},
    {&TForm1::ActControl_B, 10, "Cntrl B"},
    {&TForm1::ActControl_C, 17, "Cntrl C"},
    {&TForm1::ActControl_D, 45, "Cntrl D"},
};
// clang-format on

}  // namespace

std::span<const EditorSpec> Editors() { return kEditors; }

const EditorSpec* FindEditor(TForm1& form, const TControl& control) {
  for (std::span<const EditorSpec> table : {Editors(), StarterEditors(), ExtModuleEditors()})
    for (const EditorSpec& e : table)
      if (&e.Control(form) == &control) return &e;
  return nullptr;
}

bool IsFramingChar(char c) { return c == '!' || c == '#' || c == '*' || c == '?'; }

void FramingKeyFilter(char& Key) {
  if (IsFramingChar(Key)) Key = 0;
}

std::vector<std::string> ItemTexts(Items list) {
  auto texts = [](std::span<const char* const> items) {
    return std::vector<std::string>(items.begin(), items.end());
  };
  switch (list) {
    case Items::Voltage:
      return texts(kVoltageItems);
    case Items::ELMode:
      return texts(kELModeItems);
    case Items::MLRestart:
      return texts(kMLRestartItems);
    case Items::Starter:
      return texts(kStarterItems);
    case Items::RTDType:
      return texts(wire::kSensorTypeItems);
    case Items::Freq:
      return texts(wire::kFrequencyPlainItems);
    case Items::FreqHz:
      return texts(wire::kFrequencyItems);
    case Items::UcPf:
      return texts(kUcPfItems);
    case Items::Relay1:
      return texts(kRelay1Items);
    case Items::Signal02:
      return SignalComboItems(2);
    case Items::Signal03:
      return SignalComboItems(3);
    case Items::Model:
      return texts(kModelItems);
    case Items::None:
      break;
  }
  return {};
}

std::span<const ControlByte> ControlBytes() { return kControlBytes; }

}  // namespace editors::settings

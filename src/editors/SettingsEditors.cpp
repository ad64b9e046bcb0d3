#include "editors/SettingsEditors.h"

#include <array>

#include "wire/VoltageLists.h"
#include "main/ControlOf.h"
#include "main/Main.h"
#include "report/SignalNames.h"
#include "wire/Selections.h"

namespace editors::settings {
namespace {

using F = TForm1;

using wire::RecordId;

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
  //                editor                       row dig   min   max step len  init  load    exit          default
  NumEdit(NAMED_FIELD(ebThermalCap),              1, 3,                         3,       RangeMessage, 0, 100, kThermalCapRange, false),
  Spin(NAMED_FIELD(seThrmlCurveSel),              2, 3,    3,   40,   1,  2,    3, Value, EmptyDefault, 15),
  Combo(NAMED_FIELD(cbVSelector),                 3, Items::Voltage, -1, Voltage, Special::Voltage),
  Spin(NAMED_FIELD(seV_SymTripLev),               4, 3,   60,  100,   1,  3,  100, Value, EmptyDefault, 85),
  Spin(NAMED_FIELD(seUnbalTripLev),               5, 3,    0,   50,   1,  2,    0, Value, EmptyDefault, 15),
  Spin(NAMED_FIELD(seUnbalTripDelay),             6, 3,    1,   10,   1,  2,    1, Value, EmptyDefault, 10),
  Spin(NAMED_FIELD(seML_CurrentTripLev),          7, 3,   10,  100,   1,  3,   10, Value, EmptyDefault, 40),
  Spin(NAMED_FIELD(seML_TripDelay),               8, 3,    1,   10,   1,  2,   10, Value, EmptyMessage, 10),
  NumEdit(NAMED_FIELD(ebEL_TripLev),             11, 5,                         4,       SilentLimits, 0, 1000, nullptr, true),
  Spin(NAMED_FIELD(seEL_TripDelay),              12, 5,  100, 1000,  50,  4,  100, Text,  Multiple50,  100),
  Combo(NAMED_FIELD(cbEL_Selector),              13, Items::ELMode, -1, Item, Special::ELSelector),
  Spin(NAMED_FIELD(seStartsPerHrLim),            14, 3,    1,   60,   1,  2,    1, Value, EmptyDefault,  6),
  Spin(NAMED_FIELD(seML_SuTripDelay),            15, 3,    0,  200,   1,  3,    0, Value, EmptyMessage,  0),
  NumEdit(NAMED_FIELD(ebTC_ResetThreshold),      16, 3,                         2,       RangeMessage, 20, 80, kResetThresholdRange, false),
  Spin(NAMED_FIELD(seConsecStartsLim),           18, 3,    1,    3,   1,  1,    1, Text,  EmptyDefault,  1),
  Spin(NAMED_FIELD(seRunStallTripLev),           19, 5,  110,  600,   1,  3,  110, Value),
  Combo(NAMED_FIELD(cbML_TimeSelector),          20, Items::MLRestart, -1, Item),
  Spin(NAMED_FIELD(seML_PwrFacTripLev),          21, 3,   10,  100,   1,  3,   10, Value, EmptyDefault, 40),
  Spin(NAMED_FIELD(seMLC),                       22, 3,   10,  100,   1,  3,  100, Value, EmptyDefault, 10),
  NumEdit(NAMED_FIELD(ebRS_HoldOffDelay),        23, 3,                         3,       RangeMessage, 0, 200, kHoldOffRange, true),
  Spin(NAMED_FIELD(seDF_DelTime_1),              24, 5,    0, 2000,  50,  4,  100, Value, Multiple50,  100),
  Spin(NAMED_FIELD(seDF_DelTime_2),              25, 5,    0, 2000,  50,  4,  100, Value, Multiple50,  100),
  ButtonsOnly(
  Spin(NAMED_FIELD(seDF_DelTime_3),              26, 5,    0, 2000,  50,  4,  100, Value, Multiple50,  100)),
  Spin(NAMED_FIELD(seDF_DelTime_4),              27, 5,    0, 2000,  50,  4,  100, Value, Multiple50,  100),
  Spin(NAMED_FIELD(seDF_DelTime_5),              28, 5,    0, 2000,  50,  4,  100, Value, Multiple50,  100),
  Spin(NAMED_FIELD(seDF_DelTime_6),              29, 5,    0, 2000,  50,  4,  100, Value, Multiple50,  100),
  Spin(NAMED_FIELD(seDF_DelTime_7),              30, 5,    0, 2000,  50,  4,  100, Value, Multiple50,  100),
  ButtonsOnly(
  Spin(NAMED_FIELD(seSR_DelayTime),              31, 5,  100, 4000,  50,  4, 1000, Value)),
  Combo(NAMED_FIELD(cbStarterType),              32, Items::Starter, -1, Item, Special::StarterType),
  Spin(NAMED_FIELD(seV_LimLo),                   33, 3,    0,   25,   1,  2,    0, Value, EmptyDefault, 10),
  Spin(NAMED_FIELD(seV_LimHi),                   34, 3,    0,   25,   1,  2,    0, Value, EmptyDefault, 10),
  Spin(NAMED_FIELD(seMLC_sec),                   35, 3,   10,  100,   1,  3,  100, Value, EmptyDefault, 10),
  Spin(NAMED_FIELD(seThrmlCurveSel_sec),         36, 3,    3,   40,   1,  2,    3, Value, EmptyDefault, 15),
  Spin(NAMED_FIELD(seRTD1Hi_TripLev),            37, 3,  -30,  220,   1,  3,    0, Value, EmptyDefault, 120),
  Spin(NAMED_FIELD(seRTD2Hi_TripLev),            38, 3,  -30,  220,   1,  3,    0, Value, EmptyDefault, 120),
  Spin(NAMED_FIELD(seRTD3Hi_TripLev),            39, 3,  -30,  220,   1,  3,    0, Value, EmptyDefault, 120),
  Spin(NAMED_FIELD(seRTD4Hi_TripLev),            40, 3,  -30,  220,   1,  3,    0, Value, EmptyDefault, 120),
  Spin(NAMED_FIELD(seRTD1Lo_TripLev),            41, 3,  -30,  220,   1,  3,    0, Value, EmptyDefault, 15),
  Spin(NAMED_FIELD(seRTD2Lo_TripLev),            42, 3,  -30,  220,   1,  3,    0, Value, EmptyDefault, 15),
  Spin(NAMED_FIELD(seRTD3Lo_TripLev),            43, 3,  -30,  220,   1,  3,    0, Value, EmptyDefault, 15),
  Spin(NAMED_FIELD(seRTD4Lo_TripLev),            44, 3,  -30,  220,   1,  3,    0, Value, EmptyDefault, 15),
  ShowsText(Combo(NAMED_FIELD(cbRTD1_Type),      46, Items::RTDType, -1, Item, Special::RTDType), "PT100"),
  ShowsText(Combo(NAMED_FIELD(cbRTD2_Type),      47, Items::RTDType, -1, Item, Special::RTDType), "PT100"),
  ShowsText(Combo(NAMED_FIELD(cbRTD3_Type),      48, Items::RTDType, -1, Item, Special::RTDType), "PT100"),
  ShowsText(Combo(NAMED_FIELD(cbRTD4_Type),      49, Items::RTDType, -1, Item, Special::RTDType), "PT100"),
  Rule(Spin(NAMED_FIELD(seCT_Prim),              50, 5,    1, 1000,   1,  4,    1, Value), Special::CTRatio),
  Rule(Spin(NAMED_FIELD(seCT_Sec),               51, 3,    1,    5,   1,  1,    1, Value, EmptyDefault, 1), Special::CTRatio),
  // The calibration record's frequency rows, edited here too.
  Calibration(Rule(Spin(NAMED_FIELD(seSetHighFreqLimit), 8, 3, 40, 70, 1, 3,  55, Skip, Digits),
                   Special::FreqLimit, Field<&F::seHighFreqLimit>)),
  Calibration(Rule(Spin(NAMED_FIELD(seSetLowFreqLimit),  9, 3, 40, 70, 1, 3,  45, Skip, Digits),
                   Special::FreqLimit, Field<&F::seLowFreqLimit>)),
  Calibration(Rule(Combo(NAMED_FIELD(cbSetFreqSelector), 10, Items::Freq, 0, Skip),
                   Special::FreqSelect, Field<&F::cbFreqSelector>)),
  // Control byte bits: byte (0..3 = A..D), bit.
  Bit(NAMED_FIELD(cbMinLoad_Sel),           Kind::Check, 0, 0),
  Bit(NAMED_FIELD(cbUV_Sel),                Kind::Check, 0, 1),
  Bit(NAMED_FIELD(cbOV_Sel),                Kind::Check, 0, 2),
  Bit(NAMED_FIELD(cbVSym_Sel),              Kind::Check, 0, 3),
  Bit(NAMED_FIELD(cbFailSave_Sel),          Kind::Check, 0, 4),
  Bit(NAMED_FIELD(cbUnbal_Sel),             Kind::Check, 0, 5),
  Bit(NAMED_FIELD(cbPhaseRot_Sel),          Kind::Check, 0, 6),
  Bit(NAMED_FIELD(cbSCirc_Sel),             Kind::Check, 0, 7),
  Bit(NAMED_FIELD(cbSP_Sel),                Kind::Check, 1, 0),
  Bit(NAMED_FIELD(cbRunStall_Sel),          Kind::Check, 1, 1),
  Bit(NAMED_FIELD(rgUC_PF_Select),          Kind::Radio, 1, 2),
  Bit(NAMED_FIELD(cbEarthLeak_dis),         Kind::Check, 1, 3),
  Bit(NAMED_FIELD(cbLowPassFilter_Sel),     Kind::Check, 1, 4),
  Bit(NAMED_FIELD(cbIsoLockOut_Dis),        Kind::Check, 1, 5),
  Bit(NAMED_FIELD(cbFrequency_Sel),         Kind::Check, 1, 6),
  Bit(NAMED_FIELD(cbDynTC_ResetTH_Adj_Sel), Kind::Check, 1, 7),
  Bit(NAMED_FIELD(cbStartsPerHr_Sel),       Kind::Check, 2, 0),
  Bit(NAMED_FIELD(cbV_PhaseRotReverse),     Kind::Check, 2, 1),
  Bit(NAMED_FIELD(cbVectorialStall_Sel),    Kind::Check, 2, 2),
  Bit(NAMED_FIELD(cbAutoThermalReset),      Kind::Check, 2, 3),
  Bit(NAMED_FIELD(rgMTR_Select),            Kind::Radio, 2, 4),
  Bit(NAMED_FIELD(cbExpModConnect),         Kind::Check, 2, 5),
  Bit(NAMED_FIELD(cbFLED_Connect),          Kind::Check, 2, 6),
  Bit(NAMED_FIELD(cbRTD1_Sel),              Kind::Check, 3, 0),
  Bit(NAMED_FIELD(cbRTD2_Sel),              Kind::Check, 3, 1),
  Bit(NAMED_FIELD(cbRTD3_Sel),              Kind::Check, 3, 2),
  Bit(NAMED_FIELD(cbRTD4_Sel),              Kind::Check, 3, 3),
  Bit(NAMED_FIELD(cbInsClass),              Kind::Check, 3, 4),
  // The Calibration page twins of the frequency editors.
  Calibration(Rule(Spin(NAMED_FIELD(seHighFreqLimit), 8, 3, 40, 70, 1, 2, 55, Text, BothFreqDigits),
                   Special::FreqLimit, Field<&F::seSetHighFreqLimit>)),
  Calibration(Rule(Spin(NAMED_FIELD(seLowFreqLimit),  9, 3, 40, 70, 1, 2, 45, Text, BothFreqDigits),
                   Special::FreqLimit, Field<&F::seSetLowFreqLimit>)),
  Calibration(Rule(Combo(NAMED_FIELD(cbFreqSelector), 10, Items::FreqHz, 0, Item),
                   Special::FreqSelect, Field<&F::cbSetFreqSelector>)),
  // The Calibration page: correction factors and temperature input offsets.
  Calibration(Spin(NAMED_FIELD(seVredCorrectFact),      1, 3,  90, 110, 1, 3, 100, Value)),
  Calibration(Spin(NAMED_FIELD(seVwhiteCorrectFact),    2, 3,  90, 110, 1, 3, 100, Value)),
  Calibration(Spin(NAMED_FIELD(seVblueCorrectFact),     3, 3,  90, 110, 1, 3, 100, Value)),
  Calibration(Spin(NAMED_FIELD(seIr_CorrectFact),       4, 3,  80, 120, 1, 3, 100, Value)),
  Calibration(Spin(NAMED_FIELD(seIw_CorrectFact),       5, 3,  80, 120, 1, 3, 100, Value)),
  Calibration(Spin(NAMED_FIELD(seIb_CorrectFact),       6, 3,  80, 120, 1, 3, 100, Value)),
  Calibration(Spin(NAMED_FIELD(seEarthLeakCorrectFact), 7, 3,  90, 120, 1, 3, 100, Value)),
  Calibration(Spin(NAMED_FIELD(seRTD1_PT100_Offset),   11, 3, -20,  20, 1, 2,   0, Value)),
  Calibration(Spin(NAMED_FIELD(seRTD1_PT1000_Offset),  12, 3, -20,  20, 1, 2,   0, Value)),
  Calibration(Spin(NAMED_FIELD(seRTD2_PT100_Offset),   13, 3, -20,  20, 1, 2,   0, Value)),
  Calibration(Spin(NAMED_FIELD(seRTD2_PT1000_Offset),  14, 3, -20,  20, 1, 2,   0, Value)),
  Calibration(Spin(NAMED_FIELD(seRTD3_PT100_Offset),   15, 3, -20,  20, 1, 2,   0, Value)),
  Calibration(Spin(NAMED_FIELD(seRTD3_PT1000_Offset),  16, 3, -20,  20, 1, 2,   0, Value)),
  Calibration(Spin(NAMED_FIELD(seRTD4_PT100_Offset),   17, 3, -20,  20, 1, 2,   0, Value)),
  Calibration(Spin(NAMED_FIELD(seRTD4_PT1000_Offset),  18, 3, -20,  20, 1, 2,   0, Value)),
  // The relay's identity: model item and serial number (leading zeros as the relay sends them).
  On(RecordId::Identity, Combo(NAMED_FIELD(cbRelayModel), 1, Items::Model, 0, Item)),
  ShowsText(On(RecordId::Identity, Loaded(NumEdit(NAMED_FIELD(ebSerialNumber), 2, 8, 8, RangeMessage, 0, 99999999,
                                                  kDigitsMessage, true), Raw)), "00000000"),
  // The adjustable statistics counters.
  On(RecordId::Statistics, NumEdit(NAMED_FIELD(ebStartUpCntr),     1, 5, 5, RangeMessage, 0, 65535, kCounterRange, true)),
  On(RecordId::Statistics, NumEdit(NAMED_FIELD(ebTripCntr),        2, 5, 5, RangeMessage, 0, 65535, kCounterRange, true)),
  On(RecordId::Statistics, NumEdit(NAMED_FIELD(ebMotorRunHrCntr),  3, 5, 5, RangeMessage, 0, 65535, kCounterRange, true)),
  On(RecordId::Statistics, NumEdit(NAMED_FIELD(ebRelayRunHrCntr),  4, 5, 5, RangeMessage, 0, 65535, kCounterRange, true)),
  On(RecordId::Statistics, NumEdit(NAMED_FIELD(ebPwrConsume),     15, 5, 5, RangeMessage, 0, 65535, kCounterRange, true)),
  On(RecordId::Statistics, NumEdit(NAMED_FIELD(ebRealPwrConsume), 16, 5, 5, RangeMessage, 0, 65535, kCounterRange, true)),
  On(RecordId::Statistics, NumEdit(NAMED_FIELD(ebFL_RunHrCntr),   17, 5, 5, RangeMessage, 0, 65535, kCounterRange, true)),
  // The drive description and the Bluetooth PIN.
  TextField(NAMED_FIELD(ebUserName), RecordId::Desc,      1, 20),
  TextField(NAMED_FIELD(ebDriveID),  RecordId::Desc,      2,  8),
  TextField(NAMED_FIELD(ebPinCode),  RecordId::Bluetooth, 1,  4),
};
// clang-format on

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

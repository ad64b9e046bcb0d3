// The Settings section's rows: the left column's values (numbers, multiples of 50, choices, the
// CT ratio and the voltage selection) and the right column's switches, sensor types and low trip
// levels. Every label is the writer's own (kSettingsRows, by row number), and so are the words:
// its value tables and switch words. The section's loader is in the reader's section table.
#include <array>

#include "link/CommSetup.h"
#include "reader/ReaderSections.h"
#include "wire/VoltageLists.h"
#include "main/ControlOf.h"
#include "main/Main.h"
#include "platform/rtl/SysUtils.h"
#include "reader/SettingsReader.h"
#include "report/SettingsSection.h"

namespace reader {

namespace {

using F = TForm1;

// Words compared first (cleared box, item 0) and second (ticked box, item 1).
constexpr std::array<std::string_view, 2> Pair(const SwitchWords& w) { return {w.clear, w.set}; }
constexpr auto kConnected = Pair(kConnectedWords);
constexpr auto kRelay1 = Pair(kRelay1Words);
constexpr auto kEnabled = Pair(kEnabledWords);
constexpr auto kRotation = Pair(kRotationWords);
constexpr auto kThermalReset = Pair(kThermalResetWords);
constexpr auto kMinLoadSource = Pair(kMinLoadSourceWords);

constexpr std::span<const std::string_view> kNoWords{};

// The writer's labels of row n (1-based) of the section: the reader finds what was written.
std::string_view Left(int n) { return kSettingsRows[static_cast<size_t>(n - 1)].left; }
std::string_view Right(int n) { return kSettingsRows[static_cast<size_t>(n - 1)].right; }

// Row builders, so that the tables read like the report. A left-column row n is cut up to the
// right label of its line.
// clang-format off
RowSpec Num(int n, int length, ControlOf c, Handler h, int def, const char* out,
            const char* notFound, int number = 0) {
  return {Left(n), Right(n), 0, RowKind::Number, length, false, 0, 0, kNoWords, c, h, def, number, out, notFound, nullptr};
}
RowSpec NumConst(int n, int length, int lo, int hi, ControlOf c, Handler h, int def,
                 const char* out, const char* notFound) {
  return {Left(n), Right(n), 0, RowKind::Number, length, true, lo, hi, kNoWords, c, h, def, 0, out, notFound, nullptr};
}
// As NumConst, for an edit that shows the value as the file writes it (leading zeros kept).
RowSpec TextConst(int n, int length, int lo, int hi, ControlOf c, Handler h, int def,
                  const char* out, const char* notFound) {
  RowSpec row = NumConst(n, length, lo, hi, c, h, def, out, notFound);
  row.keepsText = true;
  return row;
}
RowSpec Step(int n, ControlOf c, Handler h, int def, const char* out, const char* notFound,
             const char* step, int number = 0) {
  return {Left(n), Right(n), 0, RowKind::Step50, 4, false, 0, 0, kNoWords, c, h, def, number, out, notFound, step};
}
RowSpec Choice(int n, int length, std::span<const std::string_view> words, ControlOf c,
               Handler h, const char* out, const char* notFound) {
  return {Left(n), Right(n), 0, RowKind::Word, length, false, 0, 0, words, c, h, 0, 0, out, notFound, nullptr};
}
// The rows of temperature input n (1 to 4): its switch and type on rows 24 + n and 28 + n, its
// trip levels on row 33 + n. The trip levels take 10 characters, whatever follows them.
constexpr int kSensorRow = 24, kSensorTypeRow = 28, kTripLevelRow = 33;

RowSpec HighTrip(int n, ControlOf c, Handler h) {
  return {Left(kTripLevelRow + n), {}, 10, RowKind::Signed, 4, false, 0, 0, kNoWords, c, h, 60, n,
          "Temperature %2:0.1d high trip level out of range %0:s setting value changed to %1:0.1d.",
          "Temperature %1:0.1d high trip level not found. Setting value changed to %0:0.1d.", nullptr};
}
// The right column's rows take 20 characters after the right label of row n.
RowSpec Switch(int row, int length, std::span<const std::string_view> words, ControlOf c,
               Handler h, int def, const char* out, const char* notFound, int number = 0) {
  return {Right(row), {}, 20, RowKind::Word, length, false, 0, 0, words, c, h, def, number, out, notFound, nullptr};
}
RowSpec Enabled(int row, ControlOf c, Handler h, const char* out, const char* notFound) {
  return Switch(row, 8, kEnabled, c, h, 0, out, notFound);
}
RowSpec Sensor(int n, ControlOf c, Handler h) {
  return Switch(kSensorRow + n, 8, kEnabled, c, h, 0,
                "Temperature %1:0.1d out of range %0:s setting value changed to Disabled.",
                "Temperature %0:0.1d not found. Setting value changed to Disabled.", n);
}
RowSpec SensorType(int n, ControlOf c, Handler h) {
  return Switch(kSensorTypeRow + n, 6, kTemperatureTypeTexts, c, h, 0,
                "Temperature %1:0.1d type out of range %0:s setting value changed to PT100.",
                "Temperature %0:0.1d type not found. Setting value changed to PT100.", n);
}
RowSpec LowTrip(int n, ControlOf c, Handler h) {
  return {Right(kTripLevelRow + n), {}, 10, RowKind::Signed, 4, false, 0, 0, kNoWords, c, h, -10, n,
          "Temperature %2:0.1d low trip level out of range %0:s setting value changed to %1:0.1d.",
          "Temperature %1:0.1d low trip level not found. Setting value changed to %0:0.1d.", nullptr};
}
// clang-format on

constexpr const char* kFieldOut =
    "Field input %2:0.1d delay out of range %0:s setting value changed to %1:0.1d.";
constexpr const char* kFieldNotFound =
    "Field input %1:0.1d delay not found. Setting value changed to %0:0.1d.";
constexpr const char* kFieldStep =
    "Field input %2:0.1d delay %0:s not a increment of 50 setting value changed to %1:0.4d.";

// The delay of field input n (1 to 7), on row 26 + n.
RowSpec FieldDelay(int n, ControlOf c, Handler h) {
  return Step(26 + n, c, h, 100, kFieldOut, kFieldNotFound, kFieldStep, n);
}

// Left column, rows 1 to 8 (before the CT ratio).
// clang-format off
const RowSpec kValueRowsBeforeCt[] = {
    Num(1, 3, Field<&F::seMLC>, &F::seMLCChange, 30,
        "MLC 01 out of range %0:s setting value changed to %1:0.3d.",
        "MLC 01 not found. Setting value changed to %0:0.3d."),
    Num(2, 2, Field<&F::seThrmlCurveSel>, &F::seThrmlCurveSelChange, 15,
        "TC curve 01 out of range %0:s setting value changed to %1:0.2d.",
        "TC curve 01 not found. Setting value changed to %0:0.2d."),
    Num(3, 3, Field<&F::seMLC_sec>, &F::seMLC_secChange, 30,
        "MLC 02 out of range %0:s setting value changed to %1:0.3d.",
        "MLC 02 not found. Setting value changed to %0:0.3d."),
    Num(4, 2, Field<&F::seThrmlCurveSel_sec>, &F::seThrmlCurveSel_secChange, 15,
        "TC curve 02 out of range %0:s setting value changed to %1:0.2d.",
        "TC curve 02 not found. Setting value changed to %0:0.2d."),
    NumConst(5, 2, 20, 80,
             Field<&F::ebTC_ResetThreshold>, &F::ebTC_ResetThresholdChange, 70,
             "TC reset threshold out of range %0:s setting value changed to %1:0.2d.",
             "TC reset threshold not found. Setting value changed to %0:0.2d."),
    Choice(6, 4, kEarthLeakTypeTexts,
           Field<&F::cbEL_Selector>, &F::cbEL_SelectorChange,
           "Earth leakage type selection of range %0:s setting value changed to INST.",
           "Earth leakage type selection not found. Setting value changed to INST."),
    // 0 to 1000, the editor's own range, so that every level the program saves reads back.
    NumConst(7, 4, 0, 1000,
             Field<&F::ebEL_TripLev>, &F::ebEL_TripLevChange, 150,
             "Earth leakage trip level of range %0:s setting value changed to 150.",
             "Earth leakage trip level not found. Setting value changed to 150."),
    Step(8, Field<&F::seEL_TripDelay>, &F::seEL_TripDelayChange, 150,
         "Earth leakage trip time out of range %0:s setting value changed to %1:0.4d.",
         "Earth leakage trip time not found. Setting value changed to %0:0.4d.",
         "Earth leakage trip time %0:s not a increment of 50 setting value changed to %1:0.4d."),
};
// clang-format on

constexpr int kCtRow = 9;  // see ReadCtRatio

// Left column, rows 10 to 19.
// clang-format off
const RowSpec kValueRowsAfterCt[] = {
    Choice(10, 1000, kMinLoadResetTexts,
           Field<&F::cbML_TimeSelector>, &F::cbML_TimeSelectorChange,
           "Minimum load reset time out of range %0:s setting value changed to Manual.",
           "Minimum load reset time not found. Setting value changed to Manual."),
    Num(11, 3, Field<&F::seML_CurrentTripLev>, &F::seML_CurrentTripLevChange, 50,
        "Minimum load, load trip level out of range %0:s setting value changed to %1:0.3d.",
        "Minimum load, load trip level not found. Setting value changed to %0:0.3d."),
    Num(12, 3, Field<&F::seML_PwrFacTripLev>, &F::seML_PwrFacTripLevChange, 50,
        "Minimum load power trip level out of range %0:s setting value changed to %1:0.3d.",
        "Minimum load power trip level not found. Setting value changed to %0:0.3d."),
    Num(13, 3, Field<&F::seML_SuTripDelay>, &F::seML_SuTripDelayChange, 1,
        "Minimum load startup delay out of range %0:s setting value changed to %1:0.3d.",
        "Minimum load startup delay not found. Setting value changed to %0:0.3d."),
    Num(14, 2, Field<&F::seML_TripDelay>, &F::seML_TripDelayChange, 5,
        "Minimum load run time trip delay out of range %0:s setting value changed to %1:0.2d.",
        "Minimum load run time trip delay not found. Setting value changed to %0:0.2d."),
    Num(15, 3, Field<&F::seRunStallTripLev>, &F::seRunStallTripLevChange, 300,
        "Running stall trip level out of range %0:s setting value changed to %1:0.3d.",
        "Running stall trip level not found. Setting value changed to %0:0.3d."),
    Step(16, Field<&F::seSR_DelayTime>, &F::seSR_DelayTimeChange, 100,
         "Running stall trip delay out of range %0:s setting value changed to %1:0.4d.",
         "Running stall trip delay not found. Setting value changed to %0:0.4d.",
         "Running stall trip delay %0:s not a increment of 50 setting value changed to %1:0.4d."),
    TextConst(17, 3, 0, 200,
             Field<&F::ebRS_HoldOffDelay>, &F::ebRS_HoldOffDelayChange, 0,
             "Running stall hold off delay out of range %0:s setting value changed to %1:0.3d.",
             "Running stall hold off delay not found. Setting value changed to %0:0.3d."),
    Num(18, 2, Field<&F::seUnbalTripLev>, &F::seUnbalTripLevChange, 20,
        "Unbalance load trip level out of range %0:s setting value changed to %1:0.2d.",
        "Unbalance load trip level not found. Setting value changed to %0:0.2d."),
    Num(19, 2, Field<&F::seUnbalTripDelay>, &F::seUnbalTripDelayChange, 10,
        "Unbalance load trip time out of range %0:s setting value changed to %1:0.2d.",
        "Unbalance load trip time not found. Setting value changed to %0:0.2d."),
};
// clang-format on

// Row 20: matched by voltage name; see ReadVoltageRow.
const RowSpec kVoltageRow =
    Choice(20, 1000, kNoWords, Field<&F::cbVSelector>, &F::cbVSelectorChange,
           "Voltage selection out of range %0:s setting value changed to 110Vac.",
           "Voltage selection not found. Setting value changed to 110Vac.");

// Left column, rows 21 to 37.
// clang-format off
const RowSpec kValueRowsAfterVoltage[] = {
    Num(21, 2, Field<&F::seV_LimHi>, &F::seV_LimHiChange, 15,
        "Voltage high limit out of range %0:s setting value changed to %1:0.2d.",
        "Voltage high limit not found. Setting value changed to %0:0.2d."),
    Num(22, 2, Field<&F::seV_LimLo>, &F::seV_LimLoChange, 15,
        "Voltage low limit out of range %0:s setting value changed to %1:0.2d.",
        "Voltage low limit not found. Setting value changed to %0:0.2d."),
    Num(23, 3, Field<&F::seV_SymTripLev>, &F::seV_SymTripLevChange, 98,
        "Voltage symmetry trip level out of range %0:s setting value changed to %1:0.3d.",
        "Voltage symmetry trip level not found. Setting value changed to %0:0.3d."),
    Num(24, 2, Field<&F::seStartsPerHrLim>, &F::seStartsPerHrLimChange, 6,
        "Starts per hour limit out of range %0:s setting value changed to %1:0.2d.",
        "Starts per hour limit not found. Setting value changed to %0:0.2d."),
    Num(25, 1, Field<&F::seConsecStartsLim>, &F::seConsecStartsLimChange, 3,
        "Consecutive starts out of range %0:s setting value changed to %1:0.1d.",
        "Consecutive starts not found. Setting value changed to %0:0.1d."),
    Choice(26, 1000, kStarterTypeTexts,
           Field<&F::cbStarterType>, &F::cbStarterTypeChange,
           "Starter type out of range %0:s setting value changed to Protection.",
           "Starter type not found. Setting value changed to Protection."),
    FieldDelay(1, Field<&F::seDF_DelTime_1>, &F::seDF_DelTime_1Change),
    FieldDelay(2, Field<&F::seDF_DelTime_2>, &F::seDF_DelTime_2Change),
    FieldDelay(3, Field<&F::seDF_DelTime_3>, &F::seDF_DelTime_3Change),
    FieldDelay(4, Field<&F::seDF_DelTime_4>, &F::seDF_DelTime_4Change),
    FieldDelay(5, Field<&F::seDF_DelTime_5>, &F::seDF_DelTime_5Change),
    FieldDelay(6, Field<&F::seDF_DelTime_6>, &F::seDF_DelTime_6Change),
    FieldDelay(7, Field<&F::seDF_DelTime_7>, &F::seDF_DelTime_7Change),
    HighTrip(1, Field<&F::seRTD1Hi_TripLev>, &F::seRTD1Hi_TripLevChange),
    HighTrip(2, Field<&F::seRTD2Hi_TripLev>, &F::seRTD2Hi_TripLevChange),
    HighTrip(3, Field<&F::seRTD3Hi_TripLev>, &F::seRTD3Hi_TripLevChange),
    HighTrip(4, Field<&F::seRTD4Hi_TripLev>, &F::seRTD4Hi_TripLevChange),
};
// clang-format on

// Right column: switches, sensor types, low trip levels, in the order they are read.
// clang-format off
const RowSpec kSwitchRows[] = {
    Switch(1, 12, kConnected, Field<&F::cbExpModConnect>, &F::cbExpModConnectClick, 0,
           "IO expander connected out of range %0:s setting value changed to Disconnected.",
           "IO expander connected not found. Setting value changed to Disconnected."),
    Switch(2, 12, kConnected, Field<&F::cbFLED_Connect>, &F::cbFLED_ConnectClick, 0,
           "FLED connected out of range %0:s setting value changed to Disconnected.",
           "FLED connected not found. Setting value changed to Disconnected."),
    Switch(3, 8, kRelay1, Field<&F::rgMTR_Select>, &F::rgMTR_SelectClick, 1,
           "Relay 1 configuration out of range %0:s setting value changed to Config.",
           "Relay 1 configuration not found. Setting value changed to Config."),
    Enabled(4, Field<&F::cbOV_Sel>, &F::cbOV_SelClick,
            "Over voltage out of range %0:s setting value changed to Disabled.",
            "Over voltage not found. Setting value changed to Disabled."),
    Enabled(5, Field<&F::cbUV_Sel>, &F::cbUV_SelClick,
            "Under voltage out of range %0:s setting value changed to Disabled.",
            "Under voltage not found. Setting value changed to Disabled."),
    Enabled(6, Field<&F::cbVSym_Sel>, &F::cbVSym_SelClick,
            "Voltage symmetry out of range %0:s setting value changed to Disabled.",
            "Voltage symmetry not found. Setting value changed to Disabled."),
    Enabled(7, Field<&F::cbPhaseRot_Sel>, &F::cbPhaseRot_SelClick,
            "Voltage phase rotation out of range %0:s setting value changed to Disabled.",
            "Voltage phase rotation not found. Setting value changed to Disabled."),
    Switch(8, 3, kRotation, Field<&F::cbV_PhaseRotReverse>, &F::cbV_PhaseRotReverseClick, 0,
           "Voltage rotation sequence of range %0:s setting value changed to RWB.",
           "Voltage rotation sequence not found. Setting value changed to RWB."),
    Enabled(9, Field<&F::cbEarthLeak_dis>, &F::cbEarthLeak_disClick,
            "Earth leakage out of range %0:s setting value changed to Disabled.",
            "Earth leakage not found. Setting value changed to Disabled."),
    Enabled(10, Field<&F::cbIsoLockOut_Dis>, &F::cbIsoLockOut_DisClick,
            "Insulation lockout out of range %0:s setting value changed to Disabled.",
            "Insulation lockout not found. Setting value changed to Disabled."),
    Enabled(11, Field<&F::cbUnbal_Sel>, &F::cbUnbal_SelClick,
            "Current unbalance out of range %0:s setting value changed to Disabled.",
            "Current unbalance not found. Setting value changed to Disabled."),
    Enabled(12, Field<&F::cbSCirc_Sel>, &F::cbSCirc_SelClick,
            "Short circuit out of range %0:s setting value changed to Disabled.",
            "Short circuit not found. Setting value changed to Disabled."),
    Enabled(13, Field<&F::cbSP_Sel>, &F::cbSP_SelClick,
            "Single phase out of range %0:s setting value changed to Disabled.",
            "Single phase not found. Setting value changed to Disabled."),
    Enabled(14, Field<&F::cbRunStall_Sel>, &F::cbRunStall_SelClick,
            "Running stall out of range %0:s setting value changed to Disabled.",
            "Running stall not found. Setting value changed to Disabled."),
    Enabled(15, Field<&F::cbVectorialStall_Sel>, &F::cbVectorialStall_SelClick,
            "Vectorial stall out of range %0:s setting value changed to Disabled.",
            "Vectorial stall not found. Setting value changed to Disabled."),
    Enabled(16, Field<&F::cbFailSave_Sel>, &F::cbFailSave_SelClick,
            "Fail safe out of range %0:s setting value changed to Disabled.",
            "Fail safe not found. Setting value changed to Disabled."),
    Switch(17, 6, kThermalReset, Field<&F::cbAutoThermalReset>, &F::cbAutoThermalResetClick, 0,
           "Thermal reset out of range %0:s setting value changed to Manual.",
           "Thermal reset not found. Setting value changed to Manual."),
    Enabled(18, Field<&F::cbLowPassFilter_Sel>, &F::cbLowPassFilter_SelClick,
            "Moving avarage filter out of range %0:s setting value changed to Disabled.",
            "Moving avarage filter not found. Setting value changed to Disabled."),
    Enabled(19, Field<&F::cbDynTC_ResetTH_Adj_Sel>, &F::cbDynTC_ResetTH_Adj_SelClick,
            "Dynamic thermal calculation out of range %0:s setting value changed to Disabled.",
            "Dynamic thermal calculation not found. Setting value changed to Disabled."),
    Enabled(20, Field<&F::cbStartsPerHr_Sel>, &F::cbStartsPerHr_SelClick,
            "Starts per hour selected out of range %0:s setting value changed to Disabled.",
            "Starts per hour selected not found. Setting value changed to Disabled."),
    Enabled(21, Field<&F::cbFrequency_Sel>, &F::cbFrequency_SelClick,
            "Frequency monitor out of range %0:s setting value changed to Disabled.",
            "Frequency monitor not found. Setting value changed to Disabled."),
    Enabled(22, Field<&F::cbInsClass>, &F::cbInsClassClick,
            "Class F curve out of range %0:s setting value changed to Disabled.",
            "Class F curve not found. Setting value changed to Disabled."),
    Enabled(23, Field<&F::cbMinLoad_Sel>, &F::cbMinLoad_SelClick,
            "Minimum load of range %0:s setting value changed to Disabled.",
            "Minimum load not found. Setting value changed to Disabled."),
    Switch(24, 5, kMinLoadSource, Field<&F::rgUC_PF_Select>, &F::rgUC_PF_SelectClick, 0,
           "Minimum load source out of range %0:s setting value changed to Load.",
           "Minimum load source not found. Setting value changed to Load."),
    Sensor(1, Field<&F::cbRTD1_Sel>, &F::cbRTD1_SelClick),
    Sensor(2, Field<&F::cbRTD2_Sel>, &F::cbRTD2_SelClick),
    Sensor(3, Field<&F::cbRTD3_Sel>, &F::cbRTD3_SelClick),
    Sensor(4, Field<&F::cbRTD4_Sel>, &F::cbRTD4_SelClick),
    SensorType(1, Field<&F::cbRTD1_Type>, &F::cbRTD1_TypeChange),
    SensorType(2, Field<&F::cbRTD2_Type>, &F::cbRTD2_TypeChange),
    SensorType(3, Field<&F::cbRTD3_Type>, &F::cbRTD3_TypeChange),
    SensorType(4, Field<&F::cbRTD4_Type>, &F::cbRTD4_TypeChange),
    LowTrip(1, Field<&F::seRTD1Lo_TripLev>, &F::seRTD1Lo_TripLevChange),
    LowTrip(2, Field<&F::seRTD2Lo_TripLev>, &F::seRTD2Lo_TripLevChange),
    LowTrip(3, Field<&F::seRTD3Lo_TripLev>, &F::seRTD3Lo_TripLevChange),
    LowTrip(4, Field<&F::seRTD4Lo_TripLev>, &F::seRTD4Lo_TripLevChange),
};
// clang-format on

// The CT ratio: primary and secondary joined by ":", each checked against its spin edit.
void ReadCtRatio(ReadContext& ctx) {
  TForm1& f = ctx.form;
  auto set = [&](TSpinEdit& box, void (TForm1::*handler)(), int v) {
    box.SetValue(v);
    (f.*handler)();
  };
  RowSpec row{};
  row.label = Left(kCtRow);
  row.rightLabel = Right(kCtRow);
  const std::optional<RowLine> line = FindRow(ctx, row);
  if (!line) {
    ctx.Log("CT ratio not found. Setting value changed to 1:1.");
    set(f.seCT_Prim, &TForm1::seCT_PrimChange, 1);
    set(f.seCT_Sec, &TForm1::seCT_SecChange, 1);
    return;
  }
  std::string ratio = CutValue(*line, row);
  for (char& c : ratio)
    if (!(c >= '0' && c <= '9') && c != ':') c = ' ';
  ratio = Trim(ratio);
  const size_t colon = ratio.find(':');
  bool valid = colon != std::string::npos && ratio.find(' ') == std::string::npos;

  const std::string primary =
      Trim(colon == std::string::npos ? std::string() : ratio.substr(0, colon));
  valid = valid && NumberTextValid(primary, 4, false) && primary.find(':') == std::string::npos;
  const int p = valid ? StrToInt(primary) : 0;
  valid = valid && p >= f.seCT_Prim.MinValue() && p <= f.seCT_Prim.MaxValue();
  if (valid) {
    set(f.seCT_Prim, &TForm1::seCT_PrimChange, p);
  } else {
    ctx.Log(Format("CT primary ratio out of range %0:s setting value changed to %1:0.1d.",
                   {primary, 1}));
    set(f.seCT_Prim, &TForm1::seCT_PrimChange, 1);
  }

  const std::string secondary = Trim(colon == std::string::npos ? ratio : ratio.substr(colon + 1));
  valid = valid && NumberTextValid(secondary, 1, false);
  const int s = valid ? StrToInt(secondary) : 0;
  valid = valid && s >= f.seCT_Sec.MinValue() && s <= f.seCT_Sec.MaxValue();
  if (valid) {
    set(f.seCT_Sec, &TForm1::seCT_SecChange, s);
  } else {
    ctx.Log(Format("CT secondary ratio out of range %0:s setting value changed to %1:0.1d.",
                   {secondary, 1}));
    set(f.seCT_Sec, &TForm1::seCT_SecChange, 1);
  }
}

// The voltage a report name stands for, under either generation's name ("3k3V" and
// "3k3 / 110V" are one voltage); -1 for a name of no voltage.
int VoltageCodeOfName(const std::string& text) {
  for (int code = 0; code < wire::kVoltageCodeCount; ++code) {
    const wire::VoltageSelection& v = wire::kVoltageSelections[code];
    if ((v.ReportName && TrimUpper(v.ReportName) == text) ||
        TrimUpper(v.ReportNameExtended) == text)
      return code;
  }
  return -1;
}

// The voltage selection. With the port closed the list follows the file's revision; the name is
// then looked for in the list the combo box holds, so that the item found is the voltage named
// whatever the port state and whichever generation's name the file uses.
void ReadVoltageRow(ReadContext& ctx) {
  const RowSpec& row = kVoltageRow;
  const std::optional<RowLine> line = FindRow(ctx, row);
  if (!line) {
    LogNotFound(ctx, row);
    SetTarget(ctx, row, 0);
    return;
  }
  const std::string text = TrimUpper(CutValue(*line, row));
  if (text.empty()) {
    LogOutOfRange(ctx, row, text);
    SetTarget(ctx, row, 0);
    return;
  }
  bool listExtended = ctx.extended;
  if (Form2) {
    if (!Form2->ComPort1.Connected() && Form2->ExtendedVoltSelEn != ctx.extended) {
      wire::FillVoltageList(ctx.form.cbVSelector, ctx.extended);
      Form2->ExtendedVoltSelEn = ctx.extended;
    }
    listExtended = Form2->ExtendedVoltSelEn;
  }
  // The voltage is looked for in the list the box holds: only one it lacks is refused.
  const int code = VoltageCodeOfName(text);
  const std::span<const wire::VoltageEntry> list = wire::List(listExtended);
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i].Code == code) {
      SetTarget(ctx, row, static_cast<int>(i));
      return;
    }
  }
  LogOutOfRange(ctx, row, text);
  SetTarget(ctx, row, 0);
}

}  // namespace

void ReadSettingsSection(ReadContext& ctx) {
  ReadRows(ctx, kValueRowsBeforeCt);
  ReadCtRatio(ctx);
  ReadRows(ctx, kValueRowsAfterCt);
  ReadVoltageRow(ctx);
  ReadRows(ctx, kValueRowsAfterVoltage);
  ReadRows(ctx, kSwitchRows);
}

void VisitSettingsRows(const RowVisitor& visit) {
  for (std::span<const RowSpec> rows :
       {std::span<const RowSpec>(kValueRowsBeforeCt), std::span<const RowSpec>(kValueRowsAfterCt),
        std::span<const RowSpec>(kValueRowsAfterVoltage), std::span<const RowSpec>(kSwitchRows)})
    for (const RowSpec& row : rows) visit(row);
  visit(kVoltageRow);
}

}  // namespace reader

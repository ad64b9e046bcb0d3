// The Settings section's rows: the left column's values (numbers, multiples of 50, choices, the
// CT ratio and the voltage selection) and the right column's switches, sensor types and low trip
// levels. The words are the writer's own value tables and switch words.
#include <array>

#include "link/CommSetup.h"
#include "wire/VoltageLists.h"
#include "main/Main.h"
#include "platform/rtl/SysUtils.h"
#include "reader/SettingsReader.h"
#include "report/SettingsSection.h"

namespace reader {

namespace {

// An editor of the main window and its handler.
#define ED(control, handler) +[](TForm1& f) -> TControl& { return f.control; }, &TForm1::handler

// Words compared first (cleared box, item 0) and second (ticked box, item 1).
constexpr std::array<std::string_view, 2> Pair(const SwitchWords& w) { return {w.clear, w.set}; }
constexpr auto kConnected = Pair(kConnectedWords);
constexpr auto kRelay1 = Pair(kRelay1Words);
constexpr auto kEnabled = Pair(kEnabledWords);
constexpr auto kRotation = Pair(kRotationWords);
constexpr auto kThermalReset = Pair(kThermalResetWords);
constexpr auto kMinLoadSource = Pair(kMinLoadSourceWords);

constexpr std::span<const std::string_view> kNoWords{};

// Row builders, so that the tables read like the report.
constexpr RowSpec Num(std::string_view label, std::string_view right, int length, ControlOf c,
                      Handler h, int def, const char* out, const char* notFound, int number = 0) {
  return {label, right, 0, RowKind::Number, length, false, 0, 0, kNoWords, c, h, def, number, out, notFound, nullptr};
}
constexpr RowSpec NumConst(std::string_view label, std::string_view right, int length, int lo,
                           int hi, ControlOf c, Handler h, int def, const char* out,
                           const char* notFound) {
  return {label, right, 0, RowKind::Number, length, true, lo, hi, kNoWords, c, h, def, 0, out, notFound, nullptr};
}
constexpr RowSpec Step(std::string_view label, std::string_view right, ControlOf c, Handler h,
                       int def, const char* out, const char* notFound, const char* step,
                       int number = 0) {
  return {label, right, 0, RowKind::Step50, 4, false, 0, 0, kNoWords, c, h, def, number, out, notFound, step};
}
constexpr RowSpec Choice(std::string_view label, std::string_view right, int length,
                         std::span<const std::string_view> words, ControlOf c, Handler h,
                         const char* out, const char* notFound) {
  return {label, right, 0, RowKind::Word, length, false, 0, 0, words, c, h, 0, 0, out, notFound, nullptr};
}
constexpr RowSpec HighTrip(std::string_view label, int n, ControlOf c, Handler h) {
  return {label, {}, 10, RowKind::Signed, 4, false, 0, 0, kNoWords, c, h, 60, n,
          "Temperature %2:0.1d high trip level out of range %0:s setting value changed to %1:0.1d.",
          "Temperature %1:0.1d high trip level not found. Setting value changed to %0:0.1d.", nullptr};
}
constexpr RowSpec Switch(std::string_view label, int length, std::span<const std::string_view> words,
                         ControlOf c, Handler h, int def, const char* out, const char* notFound,
                         int number = 0) {
  return {label, {}, 20, RowKind::Word, length, false, 0, 0, words, c, h, def, number, out, notFound, nullptr};
}
constexpr RowSpec Enabled(std::string_view label, ControlOf c, Handler h, const char* out,
                          const char* notFound) {
  return Switch(label, 8, kEnabled, c, h, 0, out, notFound);
}
constexpr RowSpec Sensor(std::string_view label, int n, ControlOf c, Handler h) {
  return Switch(label, 8, kEnabled, c, h, 0,
                "Temperature %1:0.1d out of range %0:s setting value changed to Disabled.",
                "Temperature %0:0.1d not found. Setting value changed to Disabled.", n);
}
constexpr RowSpec SensorType(std::string_view label, int n, ControlOf c, Handler h) {
  return Switch(label, 6, kTemperatureTypeTexts, c, h, 0,
                "Temperature %1:0.1d type out of range %0:s setting value changed to PT100.",
                "Temperature %0:0.1d type not found. Setting value changed to PT100.", n);
}
constexpr RowSpec LowTrip(std::string_view label, int n, ControlOf c, Handler h) {
  return {label, {}, 10, RowKind::Signed, 4, false, 0, 0, kNoWords, c, h, -10, n,
          "Temperature %2:0.1d low trip level out of range %0:s setting value changed to %1:0.1d.",
          "Temperature %1:0.1d low trip level not found. Setting value changed to %0:0.1d.", nullptr};
}

constexpr const char* kFieldOut = "Field input %2:0.1d delay out of range %0:s setting value changed to %1:0.1d.";
constexpr const char* kFieldNotFound = "Field input %1:0.1d delay not found. Setting value changed to %0:0.1d.";
constexpr const char* kFieldStep = "Field input %2:0.1d delay %0:s not a increment of 50 setting value changed to %1:0.4d.";

// Left column, rows 1 to 8 (before the CT ratio).
const RowSpec kValueRowsBeforeCt[] = {
    Num("Max. load setting 01. :", "IO expander connected :", 3, ED(seMLC, seMLCChange), 30,
        "MLC 01 out of range %0:s setting value changed to %1:0.3d.",
        "MLC 01 not found. Setting value changed to %0:0.3d."),
    Num("TC curve 01.......... :", "FLED connected....... :", 2, ED(seThrmlCurveSel, seThrmlCurveSelChange), 15,
        "TC curve 01 out of range %0:s setting value changed to %1:0.2d.",
        "TC curve 01 not found. Setting value changed to %0:0.2d."),
    Num("Max. load setting 02. :", "Relay 1 configuration :", 3, ED(seMLC_sec, seMLC_secChange), 30,
        "MLC 02 out of range %0:s setting value changed to %1:0.3d.",
        "MLC 02 not found. Setting value changed to %0:0.3d."),
    Num("TC curve 02.......... :", "Over voltage......... :", 2, ED(seThrmlCurveSel_sec, seThrmlCurveSel_secChange), 15,
        "TC curve 02 out of range %0:s setting value changed to %1:0.2d.",
        "TC curve 02 not found. Setting value changed to %0:0.2d."),
    NumConst("TC reset threshold... :", "Under voltage........ :", 2, 20, 80,
             ED(ebTC_ResetThreshold, ebTC_ResetThresholdChange), 70,
             "TC reset threshold out of range %0:s setting value changed to %1:0.2d.",
             "TC reset threshold not found. Setting value changed to %0:0.2d."),
    Choice("Earth leakage T.Type. :", "Voltage symmetry..... :", 4, kEarthLeakTypeTexts,
           ED(cbEL_Selector, cbEL_SelectorChange),
           "Earth leakage type selection of range %0:s setting value changed to INST.",
           "Earth leakage type selection not found. Setting value changed to INST."),
    // 0 to 1000, the editor's own range, so that every level the program saves reads back.
    NumConst("Earth leak. T. level. :", "Voltage phase rot.... :", 4, 0, 1000,
             ED(ebEL_TripLev, ebEL_TripLevChange), 150,
             "Earth leakage trip level of range %0:s setting value changed to 150.",
             "Earth leakage trip level not found. Setting value changed to 150."),
    Step("Earth leak. T. delay. :", "Voltage rot sequence. :", ED(seEL_TripDelay, seEL_TripDelayChange), 150,
         "Earth leakage trip time out of range %0:s setting value changed to %1:0.4d.",
         "Earth leakage trip time not found. Setting value changed to %0:0.4d.",
         "Earth leakage trip time %0:s not a increment of 50 setting value changed to %1:0.4d."),
};

constexpr std::string_view kCtLabel = "CT ratio............. :";
constexpr std::string_view kCtRight = "Earth leakage........ :";

// Left column, rows 10 to 19.
const RowSpec kValueRowsAfterCt[] = {
    Choice("Min. load reset delay :", "Insulation lockout... :", 1000, kMinLoadResetTexts,
           ED(cbML_TimeSelector, cbML_TimeSelectorChange),
           "Minimum load reset time out of range %0:s setting value changed to Manual.",
           "Minimum load reset time not found. Setting value changed to Manual."),
    Num("Min. load I T. level. :", "Current unbalance.... :", 3, ED(seML_CurrentTripLev, seML_CurrentTripLevChange), 50,
        "Minimum load, load trip level out of range %0:s setting value changed to %1:0.3d.",
        "Minimum load, load trip level not found. Setting value changed to %0:0.3d."),
    Num("Min. load P T. level. :", "Short circuit........ :", 3, ED(seML_PwrFacTripLev, seML_PwrFacTripLevChange), 50,
        "Minimum load power trip level out of range %0:s setting value changed to %1:0.3d.",
        "Minimum load power trip level not found. Setting value changed to %0:0.3d."),
    Num("Min. load startup del :", "Single phase......... :", 3, ED(seML_SuTripDelay, seML_SuTripDelayChange), 1,
        "Minimum load startup delay out of range %0:s setting value changed to %1:0.3d.",
        "Minimum load startup delay not found. Setting value changed to %0:0.3d."),
    Num("Min. load trip delay. :", "Running stall........ :", 2, ED(seML_TripDelay, seML_TripDelayChange), 5,
        "Minimum load run time trip delay out of range %0:s setting value changed to %1:0.2d.",
        "Minimum load run time trip delay not found. Setting value changed to %0:0.2d."),
    Num("Run-Stall trip level. :", "Vectorial stall...... :", 3, ED(seRunStallTripLev, seRunStallTripLevChange), 300,
        "Running stall trip level out of range %0:s setting value changed to %1:0.3d.",
        "Running stall trip level not found. Setting value changed to %0:0.3d."),
    Step("Run-Stall trip delay. :", "Fail safe............ :", ED(seSR_DelayTime, seSR_DelayTimeChange), 100,
         "Running stall trip delay out of range %0:s setting value changed to %1:0.4d.",
         "Running stall trip delay not found. Setting value changed to %0:0.4d.",
         "Running stall trip delay %0:s not a increment of 50 setting value changed to %1:0.4d."),
    NumConst("Run-Stall hold delay. :", "Thermal reset........ :", 3, 0, 200,
             ED(ebRS_HoldOffDelay, ebRS_HoldOffDelayChange), 0,
             "Running stall hold off delay out of range %0:s setting value changed to %1:0.3d.",
             "Running stall hold off delay not found. Setting value changed to %0:0.3d."),
    Num("Unbalance trip level. :", "Moving avarage filter :", 2, ED(seUnbalTripLev, seUnbalTripLevChange), 20,
        "Unbalance load trip level out of range %0:s setting value changed to %1:0.2d.",
        "Unbalance load trip level not found. Setting value changed to %0:0.2d."),
    Num("Unbalance trip delay. :", "Dynamic thermal calc. :", 2, ED(seUnbalTripDelay, seUnbalTripDelayChange), 10,
        "Unbalance load trip time out of range %0:s setting value changed to %1:0.2d.",
        "Unbalance load trip time not found. Setting value changed to %0:0.2d."),
};

// Row 20: matched by voltage name; see ReadVoltageRow.
const RowSpec kVoltageRow =
    Choice("Voltage selection.... :", "Starts per hour sel.. :", 1000, kNoWords, ED(cbVSelector, cbVSelectorChange),
           "Voltage selection out of range %0:s setting value changed to 110Vac.",
           "Voltage selection not found. Setting value changed to 110Vac.");

// Left column, rows 21 to 37.
const RowSpec kValueRowsAfterVoltage[] = {
    Num("Voltage high limit... :", "Frequency monitoring. :", 2, ED(seV_LimHi, seV_LimHiChange), 15,
        "Voltage high limit out of range %0:s setting value changed to %1:0.2d.",
        "Voltage high limit not found. Setting value changed to %0:0.2d."),
    Num("Voltage low limit.... :", "Class F curve........ :", 2, ED(seV_LimLo, seV_LimLoChange), 15,
        "Voltage low limit out of range %0:s setting value changed to %1:0.2d.",
        "Voltage low limit not found. Setting value changed to %0:0.2d."),
    Num("Volt. sym. trip level :", "Minimum load......... :", 3, ED(seV_SymTripLev, seV_SymTripLevChange), 98,
        "Voltage symmetry trip level out of range %0:s setting value changed to %1:0.3d.",
        "Voltage symmetry trip level not found. Setting value changed to %0:0.3d."),
    Num("Starts per hour...... :", "Minimum load source.. :", 2, ED(seStartsPerHrLim, seStartsPerHrLimChange), 6,
        "Starts per hour limit out of range %0:s setting value changed to %1:0.2d.",
        "Starts per hour limit not found. Setting value changed to %0:0.2d."),
    Num("Consecutive starts... :", "Temperature 1........ :", 1, ED(seConsecStartsLim, seConsecStartsLimChange), 3,
        "Consecutive starts out of range %0:s setting value changed to %1:0.1d.",
        "Consecutive starts not found. Setting value changed to %0:0.1d."),
    Choice("Starter type......... :", "Temperature 2........ :", 1000, kStarterTypeTexts,
           ED(cbStarterType, cbStarterTypeChange),
           "Starter type out of range %0:s setting value changed to Protection.",
           "Starter type not found. Setting value changed to Protection."),
    Step("Field input 1 delay.. :", "Temperature 3........ :", ED(seDF_DelTime_1, seDF_DelTime_1Change), 100, kFieldOut, kFieldNotFound, kFieldStep, 1),
    Step("Field input 2 delay.. :", "Temperature 4........ :", ED(seDF_DelTime_2, seDF_DelTime_2Change), 100, kFieldOut, kFieldNotFound, kFieldStep, 2),
    Step("Field input 3 delay.. :", "Temperature 1 type... :", ED(seDF_DelTime_3, seDF_DelTime_3Change), 100, kFieldOut, kFieldNotFound, kFieldStep, 3),
    Step("Field input 4 delay.. :", "Temperature 2 type... :", ED(seDF_DelTime_4, seDF_DelTime_4Change), 100, kFieldOut, kFieldNotFound, kFieldStep, 4),
    Step("Field input 5 delay.. :", "Temperature 3 type... :", ED(seDF_DelTime_5, seDF_DelTime_5Change), 100, kFieldOut, kFieldNotFound, kFieldStep, 5),
    Step("Field input 6 delay.. :", "Temperature 4 type... :", ED(seDF_DelTime_6, seDF_DelTime_6Change), 100, kFieldOut, kFieldNotFound, kFieldStep, 6),
    Step("Field input 7 delay.. :", {}, ED(seDF_DelTime_7, seDF_DelTime_7Change), 100, kFieldOut, kFieldNotFound, kFieldStep, 7),
    HighTrip("T1 high trip level... :", 1, ED(seRTD1Hi_TripLev, seRTD1Hi_TripLevChange)),
    HighTrip("T2 high trip level... :", 2, ED(seRTD2Hi_TripLev, seRTD2Hi_TripLevChange)),
    HighTrip("T3 high trip level... :", 3, ED(seRTD3Hi_TripLev, seRTD3Hi_TripLevChange)),
    HighTrip("T4 high trip level... :", 4, ED(seRTD4Hi_TripLev, seRTD4Hi_TripLevChange)),
};

// Right column: switches, sensor types, low trip levels, in the order they are read.
const RowSpec kSwitchRows[] = {
    Switch("IO expander connected :", 12, kConnected, ED(cbExpModConnect, cbExpModConnectClick), 0,
           "IO expander connected out of range %0:s setting value changed to Disconnected.",
           "IO expander connected not found. Setting value changed to Disconnected."),
    Switch("FLED connected....... :", 12, kConnected, ED(cbFLED_Connect, cbFLED_ConnectClick), 0,
           "FLED connected out of range %0:s setting value changed to Disconnected.",
           "FLED connected not found. Setting value changed to Disconnected."),
    Switch("Relay 1 configuration :", 8, kRelay1, ED(rgMTR_Select, rgMTR_SelectClick), 1,
           "Relay 1 configuration out of range %0:s setting value changed to Config.",
           "Relay 1 configuration not found. Setting value changed to Config."),
    Enabled("Over voltage......... :", ED(cbOV_Sel, cbOV_SelClick),
            "Over voltage out of range %0:s setting value changed to Disabled.",
            "Over voltage not found. Setting value changed to Disabled."),
    Enabled("Under voltage........ :", ED(cbUV_Sel, cbUV_SelClick),
            "Under voltage out of range %0:s setting value changed to Disabled.",
            "Under voltage not found. Setting value changed to Disabled."),
    Enabled("Voltage symmetry..... :", ED(cbVSym_Sel, cbVSym_SelClick),
            "Voltage symmetry out of range %0:s setting value changed to Disabled.",
            "Voltage symmetry not found. Setting value changed to Disabled."),
    Enabled("Voltage phase rot.... :", ED(cbPhaseRot_Sel, cbPhaseRot_SelClick),
            "Voltage phase rotation out of range %0:s setting value changed to Disabled.",
            "Voltage phase rotation not found. Setting value changed to Disabled."),
    Switch("Voltage rot sequence. :", 3, kRotation, ED(cbV_PhaseRotReverse, cbV_PhaseRotReverseClick), 0,
           "Voltage rotation sequence of range %0:s setting value changed to RWB.",
           "Voltage rotation sequence not found. Setting value changed to RWB."),
    Enabled("Earth leakage........ :", ED(cbEarthLeak_dis, cbEarthLeak_disClick),
            "Earth leakage out of range %0:s setting value changed to Disabled.",
            "Earth leakage not found. Setting value changed to Disabled."),
    Enabled("Insulation lockout... :", ED(cbIsoLockOut_Dis, cbIsoLockOut_DisClick),
            "Insulation lockout out of range %0:s setting value changed to Disabled.",
            "Insulation lockout not found. Setting value changed to Disabled."),
    Enabled("Current unbalance.... :", ED(cbUnbal_Sel, cbUnbal_SelClick),
            "Current unbalance out of range %0:s setting value changed to Disabled.",
            "Current unbalance not found. Setting value changed to Disabled."),
    Enabled("Short circuit........ :", ED(cbSCirc_Sel, cbSCirc_SelClick),
            "Short circuit out of range %0:s setting value changed to Disabled.",
            "Short circuit not found. Setting value changed to Disabled."),
    Enabled("Single phase......... :", ED(cbSP_Sel, cbSP_SelClick),
            "Single phase out of range %0:s setting value changed to Disabled.",
            "Single phase not found. Setting value changed to Disabled."),
    Enabled("Running stall........ :", ED(cbRunStall_Sel, cbRunStall_SelClick),
            "Running stall out of range %0:s setting value changed to Disabled.",
            "Running stall not found. Setting value changed to Disabled."),
    Enabled("Vectorial stall...... :", ED(cbVectorialStall_Sel, cbVectorialStall_SelClick),
            "Vectorial stall out of range %0:s setting value changed to Disabled.",
            "Vectorial stall not found. Setting value changed to Disabled."),
    Enabled("Fail safe............ :", ED(cbFailSave_Sel, cbFailSave_SelClick),
            "Fail safe out of range %0:s setting value changed to Disabled.",
            "Fail safe not found. Setting value changed to Disabled."),
    Switch("Thermal reset........ :", 6, kThermalReset, ED(cbAutoThermalReset, cbAutoThermalResetClick), 0,
           "Thermal reset out of range %0:s setting value changed to Manual.",
           "Thermal reset not found. Setting value changed to Manual."),
    Enabled("Moving avarage filter :", ED(cbLowPassFilter_Sel, cbLowPassFilter_SelClick),
            "Moving avarage filter out of range %0:s setting value changed to Disabled.",
            "Moving avarage filter not found. Setting value changed to Disabled."),
    Enabled("Dynamic thermal calc. :", ED(cbDynTC_ResetTH_Adj_Sel, cbDynTC_ResetTH_Adj_SelClick),
            "Dynamic thermal calculation out of range %0:s setting value changed to Disabled.",
            "Dynamic thermal calculation not found. Setting value changed to Disabled."),
    Enabled("Starts per hour sel.. :", ED(cbStartsPerHr_Sel, cbStartsPerHr_SelClick),
            "Starts per hour selected out of range %0:s setting value changed to Disabled.",
            "Starts per hour selected not found. Setting value changed to Disabled."),
    Enabled("Frequency monitoring. :", ED(cbFrequency_Sel, cbFrequency_SelClick),
            "Frequency monitor out of range %0:s setting value changed to Disabled.",
            "Frequency monitor not found. Setting value changed to Disabled."),
    Enabled("Class F curve........ :", ED(cbInsClass, cbInsClassClick),
            "Class F curve out of range %0:s setting value changed to Disabled.",
            "Class F curve not found. Setting value changed to Disabled."),
    Enabled("Minimum load......... :", ED(cbMinLoad_Sel, cbMinLoad_SelClick),
            "Minimum load of range %0:s setting value changed to Disabled.",
            "Minimum load not found. Setting value changed to Disabled."),
    Switch("Minimum load source.. :", 5, kMinLoadSource, ED(rgUC_PF_Select, rgUC_PF_SelectClick), 0,
           "Minimum load source out of range %0:s setting value changed to Load.",
           "Minimum load source not found. Setting value changed to Load."),
    Sensor("Temperature 1........ :", 1, ED(cbRTD1_Sel, cbRTD1_SelClick)),
    Sensor("Temperature 2........ :", 2, ED(cbRTD2_Sel, cbRTD2_SelClick)),
    Sensor("Temperature 3........ :", 3, ED(cbRTD3_Sel, cbRTD3_SelClick)),
    Sensor("Temperature 4........ :", 4, ED(cbRTD4_Sel, cbRTD4_SelClick)),
    SensorType("Temperature 1 type... :", 1, ED(cbRTD1_Type, cbRTD1_TypeChange)),
    SensorType("Temperature 2 type... :", 2, ED(cbRTD2_Type, cbRTD2_TypeChange)),
    SensorType("Temperature 3 type... :", 3, ED(cbRTD3_Type, cbRTD3_TypeChange)),
    SensorType("Temperature 4 type... :", 4, ED(cbRTD4_Type, cbRTD4_TypeChange)),
    LowTrip("T1 low trip level.... :", 1, ED(seRTD1Lo_TripLev, seRTD1Lo_TripLevChange)),
    LowTrip("T2 low trip level.... :", 2, ED(seRTD2Lo_TripLev, seRTD2Lo_TripLevChange)),
    LowTrip("T3 low trip level.... :", 3, ED(seRTD3Lo_TripLev, seRTD3Lo_TripLevChange)),
    LowTrip("T4 low trip level.... :", 4, ED(seRTD4Lo_TripLev, seRTD4Lo_TripLevChange)),
};

#undef ED

// The CT ratio: primary and secondary joined by ":", each checked against its spin edit.
void ReadCtRatio(ReadContext& ctx) {
  TForm1& f = ctx.form;
  auto set = [&](TSpinEdit& box, void (TForm1::*handler)(), int v) {
    box.SetValue(v);
    (f.*handler)();
  };
  RowSpec row{};
  row.label = kCtLabel;
  row.rightLabel = kCtRight;
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

  const std::string primary = Trim(colon == std::string::npos ? std::string() : ratio.substr(0, colon));
  valid = valid && NumberTextValid(primary, 4, false) && primary.find(':') == std::string::npos;
  const int p = valid ? StrToInt(primary) : 0;
  valid = valid && p >= f.seCT_Prim.MinValue() && p <= f.seCT_Prim.MaxValue();
  if (valid) {
    set(f.seCT_Prim, &TForm1::seCT_PrimChange, p);
  } else {
    ctx.Log(Format("CT primary ratio out of range %0:s setting value changed to %1:0.1d.", {primary, 1}));
    set(f.seCT_Prim, &TForm1::seCT_PrimChange, 1);
  }

  const std::string secondary = Trim(colon == std::string::npos ? ratio : ratio.substr(colon + 1));
  valid = valid && NumberTextValid(secondary, 1, false);
  const int s = valid ? StrToInt(secondary) : 0;
  valid = valid && s >= f.seCT_Sec.MinValue() && s <= f.seCT_Sec.MaxValue();
  if (valid) {
    set(f.seCT_Sec, &TForm1::seCT_SecChange, s);
  } else {
    ctx.Log(Format("CT secondary ratio out of range %0:s setting value changed to %1:0.1d.", {secondary, 1}));
    set(f.seCT_Sec, &TForm1::seCT_SecChange, 1);
  }
}

// The report's name of an item of the short (11) or long (26) voltage list.
std::string_view VoltageNameOfItem(int item, bool extended) {
  if (!extended) return kVoltageTexts[static_cast<size_t>(item)];
  return kVoltageTextsExtended[wire::kExtendedList[item].Code];
}

// The voltage selection. With the port closed the list follows the file's revision; the name is
// then matched in the list the combo box holds, so that the item found is the voltage named
// whatever the port state.
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
  const int items = listExtended ? wire::kExtendedCount : wire::kShortCount;
  for (int i = 0; i < items; ++i) {
    if (TrimUpper(VoltageNameOfItem(i, listExtended)) == text) {
      SetTarget(ctx, row, i);
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


}  // namespace reader

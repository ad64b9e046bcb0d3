// The calculators: typed inputs, the button, and what the output then shows (the display's value at
// its decimals), the message given and where the focus went. Expected results are worked out by
// hand from the formulas, not by the code under test. Then the Settings page's load and curve
// panels: what they put into their editor and its send-column cell, and when they stay open.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/rtl/SysUtils.h"
#include "support/EditorWorld.h"

namespace {

constexpr const char* kDigits = "Please enter only digits !";
constexpr const char* kUsedRange = "Value is out of range !\rRange = 0 to 100";
constexpr const char* kNegative =
    "Value is out of range !\rInitial thermal capacity must be at least 100% minus the required "
    "thermal capacity";
constexpr const char* kZeroDivide = "Floating point division by zero.";
constexpr const char* kInvalidOp = "Invalid floating point operation.";

using Out = std::string (*)(TForm1&);

// A display as the user reads it: its value at its decimals.
std::string Shown(const TiAnalogDisplay& d) { return Format("%.*f", {d.Precision, d.Value()}); }

#define DISPLAY(n) [](TForm1& f) { return Shown(f.n); }
#define TEXT(n) [](TForm1& f) { return f.n.Text(); }
#define M(n) &TForm1::n

struct CalcCase {
  std::vector<std::pair<TEdit TForm1::*, const char*>> typed;
  bool forcedCooling;
  TButton TForm1::*button;
  Out out;
  const char* shown;
  const char* message;  // "" for none
  TEdit TForm1::*
      focusBack;  // the field the message points at; nullptr: the focus stays on the button
};

// clang-format off
// clang-format off
const CalcCase kCases[] = {
  // Thermal trip time: x = (I/100)^2, T = ln(x/(x-1)) * C * 35.49, t = T - U*T/100
  {{{M(ebCurrent), "200"}, {M(ebCurve), "10"}, {M(ebTC_Used), "0"}},  false, M(bCalcTripTime), DISPLAY(iAD_TripTime), "102",  "", nullptr},
  {{{M(ebCurrent), "200"}, {M(ebCurve), "10"}, {M(ebTC_Used), "50"}}, false, M(bCalcTripTime), DISPLAY(iAD_TripTime), "51",   "", nullptr},
  {{{M(ebCurrent), "600"}, {M(ebCurve), "5"},  {M(ebTC_Used), "0"}},  false, M(bCalcTripTime), DISPLAY(iAD_TripTime), "5.0",  "", nullptr},
  {{{M(ebCurrent), "150.5"}, {M(ebCurve), "20"}, {M(ebTC_Used), "30"}}, false, M(bCalcTripTime), DISPLAY(iAD_TripTime), "289", "", nullptr},
  {{{M(ebCurrent), "999"}, {M(ebCurve), "40"}, {M(ebTC_Used), "100"}}, false, M(bCalcTripTime), DISPLAY(iAD_TripTime), "0.0", "", nullptr},
  {{{M(ebCurrent), "150"}, {M(ebCurve), "26"}, {M(ebTC_Used), "0"}},  false, M(bCalcTripTime), DISPLAY(iAD_TripTime), "542",  "", nullptr},  // 543 with 35.5
  // no overload or a curve outside 1..40: no trip, at the decimals the display had (1 at start)
  {{{M(ebCurrent), "100"}, {M(ebCurve), "10"}, {M(ebTC_Used), "0"}},  false, M(bCalcTripTime), DISPLAY(iAD_TripTime), "99999.0", "", nullptr},
  {{{M(ebCurrent), "200"}, {M(ebCurve), "41"}, {M(ebTC_Used), "0"}},  false, M(bCalcTripTime), DISPLAY(iAD_TripTime), "99999.0", "", nullptr},
  {{{M(ebCurrent), "200"}, {M(ebCurve), "0"},  {M(ebTC_Used), "0"}},  false, M(bCalcTripTime), DISPLAY(iAD_TripTime), "99999.0", "", nullptr},
  {{{M(ebCurrent), "50"},  {M(ebCurve), "x"},  {M(ebTC_Used), "0"}},  false, M(bCalcTripTime), DISPLAY(iAD_TripTime), "99999.0", "", nullptr},
  {{{M(ebCurrent), "200"}, {M(ebCurve), "10"}, {M(ebTC_Used), "101"}}, false, M(bCalcTripTime), DISPLAY(iAD_TripTime), "0.0", kUsedRange, M(ebTC_Used)},
  {{{M(ebCurrent), "200"}, {M(ebCurve), "10"}, {M(ebTC_Used), "-1"}}, false, M(bCalcTripTime), DISPLAY(iAD_TripTime), "0.0",  kUsedRange, M(ebTC_Used)},
  {{{M(ebCurrent), "abc"}},                                            false, M(bCalcTripTime), DISPLAY(iAD_TripTime), "0.0",  kDigits, M(ebCurrent)},
  {{{M(ebCurrent), "200"}, {M(ebCurve), "1.5"}},                       false, M(bCalcTripTime), DISPLAY(iAD_TripTime), "0.0",  kDigits, M(ebCurve)},
  {{{M(ebCurrent), "200"}, {M(ebTC_Used), ""}},                        false, M(bCalcTripTime), DISPLAY(iAD_TripTime), "0.0",  kDigits, M(ebTC_Used)},

  // Cooling time: (log10(100/(100-F)) - log10(100/A)) * 2.33 * tau * 35.49 * 2, twice more unforced
  {{{M(ebInit_TC), "90"}, {M(ebFinTC), "50"}, {M(ebMotorRC), "10"}},  false, M(bCalcCoolingTime), DISPLAY(iaCoolingTime), "844.4", "", nullptr},
  {{{M(ebInit_TC), "90"}, {M(ebFinTC), "50"}, {M(ebMotorRC), "10"}},  true,  M(bCalcCoolingTime), DISPLAY(iaCoolingTime), "422.2", "", nullptr},
  {{{M(ebInit_TC), "99"}, {M(ebFinTC), "99"}, {M(ebMotorRC), "5"}},   true,  M(bCalcCoolingTime), DISPLAY(iaCoolingTime), "1650.2", "", nullptr},
  {{{M(ebInit_TC), "75"}, {M(ebFinTC), "40"}, {M(ebMotorRC), "120"}}, false, M(bCalcCoolingTime), DISPLAY(iaCoolingTime), "3846.6", "", nullptr},
  {{{M(ebInit_TC), "50"}, {M(ebFinTC), "50"}, {M(ebMotorRC), "10"}},  false, M(bCalcCoolingTime), DISPLAY(iaCoolingTime), "0.0", "", nullptr},
  // a negative time is refused; the start texts (initial 0) are among those inputs
  {{{M(ebInit_TC), "50"}, {M(ebFinTC), "0"},  {M(ebMotorRC), "10"}},  false, M(bCalcCoolingTime), DISPLAY(iaCoolingTime), "0.0", kNegative, M(ebInit_TC)},
  {{},                                                                false, M(bCalcCoolingTime), DISPLAY(iaCoolingTime), "0.0", kNegative, M(ebInit_TC)},
  {{{M(ebInit_TC), "-5"}, {M(ebFinTC), "50"}},                        false, M(bCalcCoolingTime), DISPLAY(iaCoolingTime), "0.0", kNegative, M(ebInit_TC)},
  {{{M(ebInit_TC), "9."}, {M(ebFinTC), "x"}},                         false, M(bCalcCoolingTime), DISPLAY(iaCoolingTime), "0.0", kDigits, M(ebFinTC)},

  // Line current: P*1000 / (V * 1.7321 * PF/100 * eta/100); its rounding goes to the MLC calculator
  {{{M(ebPowerRating), "75"}},                                        false, M(bCurrentCalc), DISPLAY(iaLineCurrent), "141.5", "", nullptr},
  {{{M(ebPowerRating), "75"}},                                        false, M(bCurrentCalc), TEXT(ebFullLoad), "142", "", nullptr},
  {{{M(ebPowerRating), "11"}},                                        false, M(bCurrentCalc), TEXT(ebFullLoad), "21", "", nullptr},
  {{{M(ebPowerRating), "34"}},                                        false, M(bCurrentCalc), DISPLAY(iaLineCurrent), "64.1", "", nullptr},  // 64.2 with 1.73205
  {{{M(ebPowerRating), "250"}, {M(ebSupplyVoltLine), "690"}, {M(ebPowerFactor), "88"}, {M(ebEffeciency), "95"}},
                                                                      false, M(bCurrentCalc), DISPLAY(iaLineCurrent), "250.2", "", nullptr},
  {{},                                                                false, M(bCurrentCalc), TEXT(ebFullLoad), "0", "", nullptr},
  {{{M(ebPowerRating), "7.5"}},                                       false, M(bCurrentCalc), TEXT(ebFullLoad), "0", kDigits, M(ebPowerRating)},
  {{{M(ebPowerRating), "75"}, {M(ebEffeciency), "9O"}},               false, M(bCurrentCalc), DISPLAY(iaLineCurrent), "0.0", kDigits, M(ebEffeciency)},
  // a zero divisor stays the platform's error; the output keeps its value
  {{{M(ebPowerRating), "75"}, {M(ebSupplyVoltLine), "0"}},            false, M(bCurrentCalc), DISPLAY(iaLineCurrent), "0.0", kZeroDivide, nullptr},

  // Earth leakage: r = actual/setting; t = TMS * 0.14 / (r^0.02 - 1); 2 decimals below 1 s, none from 10 s
  {{{M(ebActual_EL), "500"}},                                         false, M(bCalcEL_TripTime), DISPLAY(iAD_TripTimeEL), "1.0", "", nullptr},
  {{{M(ebActual_EL), "2500"}},                                        false, M(bCalcEL_TripTime), DISPLAY(iAD_TripTimeEL), "0.30", "", nullptr},
  {{{M(ebActual_EL), "250"}},                                         false, M(bCalcEL_TripTime), DISPLAY(iAD_TripTimeEL), "99999", "", nullptr},
  {{{M(ebActual_EL), "275"}, {M(ebTimeMultiplier_EL), "1"}},          false, M(bCalcEL_TripTime), DISPLAY(iAD_TripTimeEL), "73", "", nullptr},
  {{{M(ebActual_EL), "300"}, {M(ebTimeMultiplier_EL), "0.5"}},        false, M(bCalcEL_TripTime), DISPLAY(iAD_TripTimeEL), "19", "", nullptr},
  {{{M(ebActual_EL), "500"}, {M(ebTimeMultiplier_EL), ",1"}},         false, M(bCalcEL_TripTime), DISPLAY(iAD_TripTimeEL), "0", kDigits, M(ebTimeMultiplier_EL)},
  {{{M(ebActual_EL), "500"}, {M(ebSetting_EL), "0"}},                 false, M(bCalcEL_TripTime), DISPLAY(iAD_TripTimeEL), "0", kZeroDivide, nullptr},

  // Full load setting: Round(I / rating * 100), halves to even, no upper limit
  {{{M(ebFullLoad), "142"}, {M(ebRelMod), "100"}},                    false, M(bCalc_MLC), TEXT(ebMLC_set), "142", "", nullptr},
  {{{M(ebFullLoad), "7.3"}, {M(ebRelMod), "10"}},                     false, M(bCalc_MLC), TEXT(ebMLC_set), "73", "", nullptr},
  {{{M(ebFullLoad), "12.5"}, {M(ebRelMod), "100"}},                   false, M(bCalc_MLC), TEXT(ebMLC_set), "12", "", nullptr},
  {{{M(ebFullLoad), "13.5"}, {M(ebRelMod), "100"}},                   false, M(bCalc_MLC), TEXT(ebMLC_set), "14", "", nullptr},
  {{{M(ebFullLoad), "142"}, {M(ebRelMod), "2.5"}},                    false, M(bCalc_MLC), TEXT(ebMLC_set), "0", kDigits, M(ebRelMod)},
  {{},                                                                false, M(bCalc_MLC), TEXT(ebMLC_set), "0", kInvalidOp, nullptr},

  // Curve class: Round(T / (ln(x/(x-1)) * 35.49)), x = (I/100)^2
  {{{M(ebLockRotorTime), "10"}},                                      false, M(bCalcCurveClass), TEXT(ebCurveClassValue), "10", "", nullptr},
  {{{M(ebLockRotorTime), "20"}},                                      false, M(bCalcCurveClass), TEXT(ebCurveClassValue), "20", "", nullptr},
  {{{M(ebLockRotorCurrentLev), "700"}, {M(ebLockRotorTime), "15"}},   false, M(bCalcCurveClass), TEXT(ebCurveClassValue), "20", "", nullptr},
  {{{M(ebLockRotorCurrentLev), "150"}, {M(ebLockRotorTime), "99"}},   false, M(bCalcCurveClass), TEXT(ebCurveClassValue), "5", "", nullptr},
  {{{M(ebLockRotorCurrentLev), "450"}, {M(ebLockRotorTime), "80"}},   false, M(bCalcCurveClass), TEXT(ebCurveClassValue), "45", "", nullptr},  // 44 with 35.5
  {{{M(ebLockRotorCurrentLev), "6OO"}},                               false, M(bCalcCurveClass), TEXT(ebCurveClassValue), "", kDigits, M(ebLockRotorCurrentLev)},
  {{{M(ebLockRotorTime), "1.5"}},                                     false, M(bCalcCurveClass), TEXT(ebCurveClassValue), "", kDigits, M(ebLockRotorTime)},
  {{{M(ebLockRotorCurrentLev), "100"}, {M(ebLockRotorTime), "10"}},   false, M(bCalcCurveClass), TEXT(ebCurveClassValue), "", kZeroDivide, nullptr},
  {{{M(ebLockRotorCurrentLev), "90"}, {M(ebLockRotorTime), "10"}},    false, M(bCalcCurveClass), TEXT(ebCurveClassValue), "", kInvalidOp, nullptr},

  // RMS of the load pattern: sqrt(sum L^2 t / sum t)
  {{{M(ebLoad_1), "600"}, {M(ebTime_1), "10"}, {M(ebLoad_2), "100"}, {M(ebTime_2), "50"}},
                                                                      false, M(bCalcRMS), DISPLAY(iADI_rms), "261.4", "", nullptr},
  {{{M(ebLoad_1), "100"}, {M(ebTime_1), "10"}, {M(ebLoad_2), "80"}, {M(ebTime_2), "10"}},
                                                                      false, M(bCalcRMS), DISPLAY(iADI_rms), "90.6", "", nullptr},
  {{{M(ebLoad_1), "110"}, {M(ebLoad_2), "90"}, {M(ebLoad_3), "95"}, {M(ebLoad_4), "105"},
    {M(ebTime_1), "5"}, {M(ebTime_2), "5"}, {M(ebTime_3), "5"}, {M(ebTime_4), "5"}},
                                                                      false, M(bCalcRMS), DISPLAY(iADI_rms), "100.3", "", nullptr},
  {{{M(ebLoad_3), "50"}, {M(ebTime_4), "1O"}},                        false, M(bCalcRMS), DISPLAY(iADI_rms), "0.0", kDigits, M(ebTime_4)},
  {{},                                                                false, M(bCalcRMS), DISPLAY(iADI_rms), "0.0", kInvalidOp, nullptr},
};
// clang-format on
// clang-format on

TEST(Calculators, InputsButtonOutput) {
  for (const CalcCase& c : kCases) {
    EditorWorld w(false);
    TForm1& f = w.f1();
    std::string trace = (f.*c.button).Name() + ":";
    for (const auto& [edit, text] : c.typed) {
      (f.*edit).SetText(text);
      trace += " " + (f.*edit).Name() + "=\"" + text + "\"";
    }
    SCOPED_TRACE(trace);
    f.cbForcedCooling.SetChecked(c.forcedCooling);
    TApplication::Dispatch([&] { (f.*c.button).UserClick(); });
    EXPECT_EQ(c.out(f), c.shown);
    if (*c.message) {
      ASSERT_EQ(w.hb.boxes.size(), 1u);
      EXPECT_EQ(w.hb.boxes[0].kind, BoxKind::Error);
      EXPECT_EQ(w.hb.boxes[0].text, c.message);
    } else {
      EXPECT_TRUE(w.hb.boxes.empty()) << w.hb.boxes[0].text;
    }
    EXPECT_EQ(f.ActiveControl(),
              c.focusBack ? static_cast<TControl*>(&(f.*c.focusBack)) : &(f.*c.button));
  }
}

TEST(Calculators, RmsBackgroundRedAboveFullLoadOnly) {
  EditorWorld w(false);
  TForm1& f = w.f1();
  const struct {
    const char *load1, *load2;
    TColor color;
  } steps[] = {{"100", "100.1", clRed},
               {"100", "100", clWhite},
               {"600", "100", clRed},
               {"100", "80", clWhite}};
  f.ebTime_1.SetText("1");
  f.ebTime_2.SetText("1");
  for (const auto& s : steps) {
    f.ebLoad_1.SetText(s.load1);
    f.ebLoad_2.SetText(s.load2);
    f.bCalcRMS.UserClick();
    EXPECT_EQ(f.iADI_rms.Color(), s.color) << s.load1 << " and " << s.load2;
  }
}

TEST(Calculators, TripTimeDecimalsFollowTheLastResult) {
  // 99999 keeps whatever decimals the last trip time had.
  EditorWorld w(false);
  TForm1& f = w.f1();
  f.ebCurrent.SetText("200");
  f.bCalcTripTime.UserClick();
  EXPECT_EQ(Shown(f.iAD_TripTime), "102");
  f.ebCurrent.SetText("90");
  f.bCalcTripTime.UserClick();
  EXPECT_EQ(Shown(f.iAD_TripTime), "99999");
}

TEST(Calculators, StartTextsLengthsAndHints) {
  EditorWorld w(false);
  TForm1& f = w.f1();
  EXPECT_EQ(f.ebCurve.Text(), "10");
  EXPECT_EQ(f.ebSupplyVoltLine.Text(), "400");
  EXPECT_EQ(f.ebTimeMultiplier_EL.Text(), "0.1");
  EXPECT_EQ(f.ebLockRotorCurrentLev.Text(), "600");
  EXPECT_EQ(f.ebMotorRC.MaxLength, 3);
  EXPECT_EQ(f.ebInit_TC.MaxLength, 2);
  EXPECT_EQ(f.ebCurrent.Hint(), "0 to 999% of full load");
  EXPECT_TRUE(f.ebMLC_set.ReadOnly);
  f.ebCurve.UserType("123");
  EXPECT_EQ(f.ebCurve.Text(), "12");
}

// ---- Settings page panels ----

constexpr const char* kSelectVoltage = "Please select the supply line voltage !";
constexpr const char* kSelectModel = "Please select the relay model !";

struct LoadCase {
  bool second;  // the low speed panel
  const char* power;
  int voltage, model;      // items picked; -1: none
  const char* typedModel;  // text typed into the model box instead, or nullptr
  int editorValue;         // what the editor shows afterwards
  const char* cell;        // its send-column cell; nullptr: as before
  const char* message;
  bool open;  // the panel still open
};

// clang-format off
// clang-format off
const LoadCase kLoadCases[] = {
  // Round(kW * 1000 / V * 100 / rating), then limited to 10..100 by the editor
  {false, "30",  11, 4, nullptr, 75,  "075", "", false},   // 400V, 100 A
  {false, "75",  11, 4, nullptr, 100, "100", "", false},   // 188, shown value unchanged: the cell still follows
  {false, "5.5", 6,  2, nullptr, 96,  "096", "", false},   // 230V, 25 A
  {false, "15",  12, 3, nullptr, 72,  "072", "", false},   // 415V, 50 A
  {false, "1",   25, 6, nullptr, 10,  "010", "", false},   // 11kV, 300 A: 0, the editor's minimum
  {true,  "30",  11, 4, nullptr, 75,  "075", "", false},
  {true,  "5.5", 6,  2, nullptr, 96,  "096", "", false},
  // refused: the panel stays open, the editor and its cell as they were
  {false, "30",  -1, 4, nullptr, 100, nullptr, kSelectVoltage, true},
  {false, "30",  11, -1, nullptr, 100, nullptr, kSelectModel, true},
  {false, "30",  11, -1, "15",    100, nullptr, kSelectModel, true},
  {true,  "30",  -1, -1, nullptr, 100, nullptr, kSelectVoltage, true},
  {false, "3O",  11, 4, nullptr, 100, nullptr, kDigits, true},
  {true,  "",    11, 4, nullptr, 100, nullptr, kDigits, true},
};
// clang-format on
// clang-format on

TEST(CalculatorPanels, LoadPanelSetsTheFullLoadEditor) {
  for (const LoadCase& c : kLoadCases) {
    SCOPED_TRACE(std::string(c.second ? "low" : "high") + " speed, " + c.power + " kW, items " +
                 std::to_string(c.voltage) + "/" + std::to_string(c.model));
    EditorWorld w(false);
    TForm1& f = w.f1();
    TSpinEdit& editor = c.second ? f.seMLC_sec : f.seMLC;
    TPanel& panel = c.second ? f.panelMLC2 : f.panelMLC;
    TEdit& power = c.second ? f.ebPwr2 : f.ebPwr;
    TComboBox& volts = c.second ? f.cbSV2 : f.cbSV;
    TComboBox& model = c.second ? f.cbModel2 : f.cbModel;
    const int row = c.second ? 35 : 22;
    const std::string cellBefore = w.vt().StrGridRelSetRX.Cell(2, row);

    ASSERT_FALSE(panel.Visible());
    editor.OnDblClick();
    ASSERT_TRUE(panel.Visible());
    power.UserType(c.power);
    if (c.voltage >= 0) volts.UserPick(c.voltage);
    if (c.model >= 0) model.UserPick(c.model);
    if (c.typedModel) model.UserSetText(c.typedModel);
    TApplication::Dispatch([&] { (c.second ? f.bCalcMLC2 : f.bCalcMLC).UserClick(); });

    EXPECT_EQ(editor.Value(), c.editorValue);
    EXPECT_EQ(w.vt().StrGridRelSetRX.Cell(2, row), c.cell ? c.cell : cellBefore);
    EXPECT_EQ(panel.Visible(), c.open);
    if (*c.message) {
      ASSERT_EQ(w.BoxTexts(), std::vector<std::string>{c.message});
      const TControl* field = c.message == kSelectVoltage ? static_cast<TControl*>(&volts)
                              : c.message == kSelectModel ? static_cast<TControl*>(&model)
                                                          : &power;
      EXPECT_EQ(f.ActiveControl(), field);
    } else {
      EXPECT_TRUE(w.hb.boxes.empty());
    }
  }
}

struct CurveCase {
  bool second;
  const char *current, *time;
  int editorValue;
  const char* cell;     // nullptr: as before
  const char* message;  // "" none
  bool open;
};

// clang-format off
// clang-format off
const CurveCase kCurveCases[] = {
  {false, "600",  "10", 10, "010", "", false},
  {false, "700",  "15", 20, "020", "", false},
  {false, "150",  "99", 5,  "005", "", false},
  {false, "1000", "99", 40, "040", "", false},   // 278, the editor's maximum
  {false, "200",  "1",  3,  "003", "", false},   // 0, the editor's minimum (already shown: the cell follows)
  {true,  "600",  "20", 20, "020", "", false},
  {true,  "1000", "99", 40, "040", "", false},
  // refused or failed: open, nothing changed
  {false, "",     "10", 3,  nullptr, kDigits, true},
  {true,  "600",  "1.", 3,  nullptr, kDigits, true},
  {false, "100",  "10", 3,  nullptr, kZeroDivide, true},
  {true,  "50",   "10", 3,  nullptr, kInvalidOp, true},
};
// clang-format on
// clang-format on

TEST(CalculatorPanels, CurvePanelSetsTheCurveClassEditor) {
  for (const CurveCase& c : kCurveCases) {
    SCOPED_TRACE(std::string(c.second ? "low" : "high") + " speed, " + c.current + "% for " +
                 c.time + " s");
    EditorWorld w(false);
    TForm1& f = w.f1();
    TSpinEdit& editor = c.second ? f.seThrmlCurveSel_sec : f.seThrmlCurveSel;
    TPanel& panel = c.second ? f.panelTCC2 : f.panelTCC;
    const int row = c.second ? 36 : 2;
    const std::string cellBefore = w.vt().StrGridRelSetRX.Cell(2, row);

    editor.OnDblClick();
    ASSERT_TRUE(panel.Visible());
    (c.second ? f.ebILR2 : f.ebILR).UserType(c.current);
    (c.second ? f.ebTLR2 : f.ebTLR).UserType(c.time);
    TApplication::Dispatch([&] { (c.second ? f.bClassTCC2 : f.bClacTCC).UserClick(); });

    EXPECT_EQ(editor.Value(), c.editorValue);
    EXPECT_EQ(w.vt().StrGridRelSetRX.Cell(2, row), c.cell ? c.cell : cellBefore);
    EXPECT_EQ(panel.Visible(), c.open);
    if (*c.message)
      EXPECT_EQ(w.BoxTexts(), std::vector<std::string>{c.message});
    else
      EXPECT_TRUE(w.hb.boxes.empty());
  }
}

TEST(CalculatorPanels, EachOpensOnItsEditorAndTheXClosesItWithoutComputing) {
  EditorWorld w(false);
  TForm1& f = w.f1();
  struct Panel {
    TSpinEdit& editor;
    TPanel& panel;
    TLabel& close;
  } panels[] = {{f.seMLC, f.panelMLC, f.labMLC},
                {f.seThrmlCurveSel, f.panelTCC, f.Label345},
                {f.seMLC_sec, f.panelMLC2, f.labMLC2},
                {f.seThrmlCurveSel_sec, f.panelTCC2, f.labTCC2}};
  for (auto& p : panels) {
    EXPECT_FALSE(p.panel.Visible()) << p.panel.Name();
    for (const TControl* c : p.panel.Children())
      EXPECT_GT(c->Width, 0) << c->Name() << " has no place";
  }
  for (auto& p : panels) p.editor.OnDblClick();  // any number may be open at once
  for (auto& p : panels) EXPECT_TRUE(p.panel.Visible()) << p.panel.Name();
  f.ebPwr.UserType("30");
  f.cbSV.UserPick(11);
  f.cbModel.UserPick(4);
  f.ebILR.UserType("600");
  f.ebTLR.UserType("10");
  for (auto& p : panels) {
    EXPECT_EQ(p.close.Caption(), "X");
    p.close.OnClick();
    EXPECT_FALSE(p.panel.Visible()) << p.panel.Name();
  }
  EXPECT_EQ(f.seMLC.Value(), 100);
  EXPECT_EQ(f.seThrmlCurveSel.Value(), 3);
  EXPECT_EQ(w.vt().StrGridRelSetRX.Cell(2, 22), "000");
  EXPECT_TRUE(w.hb.boxes.empty());
}

TEST(CalculatorPanels, ListsOfVoltagesAndModels) {
  EditorWorld w(false);
  TForm1& f = w.f1();
  for (TComboBox* box : {&f.cbSV, &f.cbSV2}) {
    ASSERT_EQ(box->Items.Count(), 26);
    EXPECT_EQ(box->Items[0], "110V");
    EXPECT_EQ(box->Items[11], "400V");
    EXPECT_EQ(box->Items[23], "3k3V");
    EXPECT_EQ(box->Items[25], "11kV");
    EXPECT_EQ(box->ItemIndex(), -1);
    EXPECT_EQ(box->Style, TComboBoxStyle::csDropDownList);
  }
  for (TComboBox* box : {&f.cbModel, &f.cbModel2}) {
    ASSERT_EQ(box->Items.Count(), 7);
    EXPECT_EQ(box->Items[0], " 5");
    EXPECT_EQ(box->Items[6], "300");
    EXPECT_EQ(box->ItemIndex(), -1);
    EXPECT_EQ(box->Style, TComboBoxStyle::csDropDown);
  }
}

TEST(CalculatorPanels, HighVoltageItemsUseTheirVoltage) {
  // 3k3V is 3300 V and 6k6V 6600 V: 330 kW at 3k3V and 660 kW at 6k6V on 100 A are 100%, 50 kW
  // at 6k6V on 10 A is 76%.
  const struct {
    const char* kw;
    int voltage, model, expected;
  } cases[] = {{"330", 23, 4, 100}, {"660", 24, 4, 100}, {"50", 24, 1, 76}, {"20", 5, 6, 30}};
  for (const auto& c : cases) {
    EditorWorld w(false);
    TForm1& f = w.f1();
    f.seMLC.SetValue(50);
    f.seMLCDblClick();
    f.ebPwr.UserType(c.kw);
    f.cbSV.UserPick(c.voltage);
    f.cbModel.UserPick(c.model);
    f.bCalcMLC.UserClick();
    EXPECT_EQ(f.seMLC.Value(), c.expected) << c.kw << " kW on item " << c.voltage;
  }
}

}  // namespace

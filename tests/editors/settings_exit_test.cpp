// The exit checks of the Settings page: typed text -> text after leaving, the send-column cell,
// the message shown and whether the focus came back; the key filters; and no check for values set
// in code.
#include <gtest/gtest.h>

#include <functional>

#include "support/EditorWorld.h"

using wire::RecordId;

namespace {

constexpr const char* kDigits = "Please enter only digits !";

struct ExitCase {
  TCustomEdit& (*editor)(TForm1&);
  const char* typed;
  const char* after;  // text once left
  RecordId grid;
  int row;
  const char* cell;
  const char* message;  // "" for none
  bool focusBack;
};

#define ED(n) [](TForm1& f) -> TCustomEdit& { return f.n; }
constexpr auto S = RecordId::Settings;
constexpr auto C = RecordId::Calibration;

// clang-format off
const ExitCase kCases[] = {
  // 1: an emptied box gets its default; a value out of range is limited by the box afterwards
  {ED(seUnbalTripLev),      "",     "15",  S, 5,  "015", "", false},
  {ED(seUnbalTripDelay),    "",     "10",  S, 6,  "010", "", false},
  {ED(seV_SymTripLev),      "",     "85",  S, 4,  "085", "", false},
  {ED(seV_SymTripLev),      "120",  "100", S, 4,  "100", "", false},
  {ED(seStartsPerHrLim),    "",     "6",   S, 14, "006", "", false},
  {ED(seConsecStartsLim),   "",     "1",   S, 18, "001", "", false},
  {ED(seConsecStartsLim),   "2",    "2",   S, 18, "002", "", false},
  {ED(seMLC),               "",     "10",  S, 22, "010", "", false},
  {ED(seThrmlCurveSel),     "",     "15",  S, 2,  "015", "", false},
  {ED(seMLC_sec),           "",     "10",  S, 35, "010", "", false},
  {ED(seThrmlCurveSel_sec), "",     "15",  S, 36, "015", "", false},
  {ED(seML_CurrentTripLev), "",     "40",  S, 7,  "040", "", false},
  {ED(seML_PwrFacTripLev),  "",     "40",  S, 21, "040", "", false},
  {ED(seV_LimHi),           "",     "10",  S, 34, "010", "", false},
  {ED(seV_LimLo),           "",     "10",  S, 33, "010", "", false},
  {ED(seRTD1Hi_TripLev),    "",     "120", S, 37, "120", "", false},
  {ED(seRTD3Lo_TripLev),    "",     "15",  S, 43, "015", "", false},
  {ED(seRTD2Hi_TripLev),    "-40",  "-30", S, 38, "-030", "", false},
  {ED(seCT_Sec),            "",     "1",   S, 51, "001", "", false},
  // 2: default, then the nearest multiple of 50 (a remainder of 25 goes down), then the range
  {ED(seDF_DelTime_2),      "125",  "100", S, 25, "00100", "", false},
  {ED(seDF_DelTime_2),      "126",  "150", S, 25, "00150", "", false},
  {ED(seDF_DelTime_2),      "1990", "2000", S, 25, "02000", "", false},
  {ED(seDF_DelTime_2),      "2030", "2000", S, 25, "02000", "", false},
  {ED(seDF_DelTime_7),      "",     "100", S, 30, "00100", "", false},
  {ED(seDF_DelTime_1),      "-30",  "0",   S, 24, "00000", "", false},
  {ED(seEL_TripDelay),      "",     "100", S, 12, "00100", "", false},
  {ED(seEL_TripDelay),      "275",  "250", S, 12, "00250", "", false},
  {ED(seEL_TripDelay),      "276",  "300", S, 12, "00300", "", false},
  {ED(seEL_TripDelay),      "80",   "100", S, 12, "00100", "", false},
  {ED(seEL_TripDelay),      "1990", "1000", S, 12, "01000", "", false},
  // 3: digits, the focus back on failure
  {ED(seSetHighFreqLimit),  "",     "",    C, 8,  "000", kDigits, true},
  {ED(seSetLowFreqLimit),   "30",   "40",  C, 9,  "040", "", false},
  // 4: an empty box gives the message, then the default
  {ED(seML_TripDelay),      "",     "10",  S, 8,  "010", kDigits, true},
  {ED(seML_TripDelay),      "7",    "7",   S, 8,  "007", "", false},
  {ED(seML_SuTripDelay),    "",     "0",   S, 15, "000", kDigits, true},
  // 5: range messages; nothing is corrected
  {ED(ebThermalCap),        "150",  "150", S, 1,  "150", "Value is out of range !\rRange = 0 to 100", true},
  {ED(ebThermalCap),        "100",  "100", S, 1,  "100", "", false},
  {ED(ebThermalCap),        "",     "",    S, 1,  "000", kDigits, true},
  {ED(ebThermalCap),        "1a",   "1a",  S, 1,  "001", kDigits, true},
  {ED(ebTC_ResetThreshold), "19",   "19",  S, 16, "019", "Value is out of range !\rRange = 20% to 80%", true},
  {ED(ebTC_ResetThreshold), "81",   "81",  S, 16, "081", "Value is out of range !\rRange = 20% to 80%", true},
  {ED(ebTC_ResetThreshold), "20",   "20",  S, 16, "020", "", false},
  {ED(ebTC_ResetThreshold), "80",   "80",  S, 16, "080", "", false},
  {ED(ebRS_HoldOffDelay),   "201",  "201", S, 23, "201", "Range = 0 to 200 sec", true},
  {ED(ebRS_HoldOffDelay),   "200",  "200", S, 23, "200", "", false},
  // 6: silent limits
  {ED(ebEL_TripLev),        "1500", "1000", S, 11, "01000", "", false},
  {ED(ebEL_TripLev),        "",     "0",   S, 11, "00000", "", false},
  {ED(ebEL_TripLev),        "999",  "999", S, 11, "00999", "", false},
  // no check
  {ED(seRunStallTripLev),   "",     "",    S, 19, "00000", "", false},
  {ED(seCT_Prim),           "",     "1",   S, 50, "00001", "", false},
};
// clang-format on
#undef ED

}  // namespace

TEST(SettingsExitChecks, TypedThenLeft) {
  for (const ExitCase& c : kCases) {
    EditorWorld w(false);
    TCustomEdit& ed = c.editor(w.f1());
    SCOPED_TRACE(ed.Name() + " typed \"" + c.typed + "\"");
    ed.UserType(c.typed);
    w.f1().UserLeave();
    EXPECT_EQ(ed.Text(), c.after);
    EXPECT_EQ(w.vt().Grid(c.grid).Cell(2, c.row), c.cell);
    if (*c.message) {
      ASSERT_EQ(w.hb.boxes.size(), 1u);
      EXPECT_EQ(w.hb.boxes[0].kind, BoxKind::Error);
      EXPECT_EQ(w.hb.boxes[0].text, c.message);
    } else {
      EXPECT_TRUE(w.hb.boxes.empty());
    }
    EXPECT_EQ(w.f1().ActiveControl(), c.focusBack ? &ed : nullptr);
  }
}

TEST(SettingsExitChecks, RefusedFieldKeepsTheUserUntilCorrected) {
  EditorWorld w(false);
  TForm1& f = w.f1();
  f.ebTC_ResetThreshold.UserType("90");
  f.seMLC.UserType("50");  // refused: the focus stays, the typing is dropped
  EXPECT_EQ(f.ActiveControl(), &f.ebTC_ResetThreshold);
  EXPECT_EQ(f.seMLC.Text(), "100");
  f.ebTC_ResetThreshold.UserType("50");
  f.seMLC.UserType("50");
  EXPECT_EQ(f.ActiveControl(), &f.seMLC);
  EXPECT_EQ(w.vt().StrGridRelSetRX.Cell(2, 22), "050");
  EXPECT_EQ(w.hb.boxes.size(), 1u);
}

TEST(SettingsExitChecks, PastedNonNumberInSilentLimitsEndsInTheErrorBox) {
  EditorWorld w(false);
  TForm1& f = w.f1();
  f.ebEL_TripLev.UserType("5");
  f.ebEL_TripLev.UserSetText("-5");  // a paste passes the key filter
  f.UserLeave();
  EXPECT_EQ(f.ebEL_TripLev.Text(), "0");
  EXPECT_EQ(w.vt().StrGridRelSetRX.Cell(2, 11), "00000");
  f.ebEL_TripLev.UserType("");
  f.ebEL_TripLev.UserSetText("12a");
  f.UserLeave();
  ASSERT_EQ(w.hb.boxes.size(), 1u);
  EXPECT_NE(w.hb.boxes[0].text.find("not a valid integer"), std::string::npos);
  EXPECT_EQ(w.vt().StrGridRelSetRX.Cell(2, 11), "00000");
}

TEST(SettingsExitChecks, KeyFiltersPassDigitsAndBackspaceOnly) {
  EditorWorld w(false);
  TForm1& f = w.f1();
  f.ebEL_TripLev.UserType("1a-2\t3");
  EXPECT_EQ(f.ebEL_TripLev.Text(), "123");
  f.ebEL_TripLev.UserKey(8);
  EXPECT_EQ(f.ebEL_TripLev.Text(), "12");
  f.ebRS_HoldOffDelay.UserType("x9 ");
  EXPECT_EQ(f.ebRS_HoldOffDelay.Text(), "9");
  f.ebThermalCap.UserType("7x");  // no filter there
  EXPECT_EQ(f.ebThermalCap.Text(), "7x");
}

TEST(SettingsExitChecks, NeverForValuesSetInCode) {
  EditorWorld w(false);
  TForm1& f = w.f1();
  f.seUnbalTripLev.SetText("");
  f.seML_TripDelay.SetText("");
  f.seSetHighFreqLimit.SetFocus();  // code moving the focus
  f.seSetHighFreqLimit.SetText("");
  f.seMLC.SetFocus();
  f.seDF_DelTime_1.UserType("500");
  EXPECT_EQ(f.seUnbalTripLev.Text(), "");
  EXPECT_EQ(f.seML_TripDelay.Text(), "");
  EXPECT_TRUE(w.hb.boxes.empty());
}

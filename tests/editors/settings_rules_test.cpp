// The Settings page's special rules beyond the cell they write: visibility and enabling by the
// earth-leakage mode and the RTD types, the starter type's motor groups, the CT ratio repair and
// the frequency editors mirrored with the Calibration page.
#include <gtest/gtest.h>

#include "support/EditorWorld.h"

namespace {

struct SettingsRules : ::testing::Test {
  EditorWorld w{false};
  TForm1& f = w.f1();
  std::string SendCal(int row) { return w.vt().StringGridRelCalibrationRX.Cell(2, row); }
};

}  // namespace

TEST_F(SettingsRules, EarthLeakageModeShowsTheTripDelayOnlyForDefiniteTime) {
  f.cbEL_Selector.UserPick(1);
  EXPECT_FALSE(f.seEL_TripDelay.Visible());
  EXPECT_FALSE(f.Label104.Visible());
  EXPECT_FALSE(f.Label106.Visible());
  f.cbEL_Selector.UserPick(0);
  EXPECT_TRUE(f.seEL_TripDelay.Visible());
  EXPECT_TRUE(f.Label106.Visible());
  // No selection hides them and stores nothing.
  w.vt().StrGridRelSetRX.SetCell(2, 13, "xyz");
  f.cbEL_Selector.SetItemIndex(-1);
  f.cbEL_SelectorChange();
  EXPECT_FALSE(f.Label104.Visible());
  EXPECT_EQ(w.vt().StrGridRelSetRX.Cell(2, 13), "xyz");
}

TEST_F(SettingsRules, PtcDisablesTheChannelsTripLevels) {
  TEdit& mbRTD3_Lev = f.mbRTD3_Lev;  // the channel's live temperature on the Actual page
  f.cbRTD3_Type.UserPick(2);
  EXPECT_FALSE(f.seRTD3Hi_TripLev.Enabled());
  EXPECT_FALSE(f.seRTD3Lo_TripLev.Enabled());
  EXPECT_TRUE(f.seRTD2Hi_TripLev.Enabled());
  EXPECT_TRUE(mbRTD3_Lev.Enabled());  // only when the page is next shown
  f.PageControl1.UserSelectTab(&f.tsSettings);
  EXPECT_FALSE(mbRTD3_Lev.Enabled());
  f.cbRTD3_Type.UserPick(3);
  EXPECT_TRUE(f.seRTD3Hi_TripLev.Enabled());
  EXPECT_FALSE(mbRTD3_Lev.Enabled());
  f.tsSettingsShow();
  EXPECT_TRUE(mbRTD3_Lev.Enabled());
  // A type set in code without the handler is applied when the page is shown.
  f.cbRTD1_Type.SetItemIndex(2);
  EXPECT_TRUE(f.seRTD1Lo_TripLev.Enabled());
  f.tsSettingsShow();
  EXPECT_FALSE(f.seRTD1Lo_TripLev.Enabled());
}

TEST_F(SettingsRules, StarterTypeSetsTheMotorGroups) {
  EXPECT_EQ(f.gbHighSpeed.Caption(), " High Speed Motor Setting");
  EXPECT_TRUE(f.gbLowSpeed.Visible());
  const struct {
    int type;
    bool lowSpeed;
    const char* caption;
  } cases[] = {{4, false, " Motor Full Load Setting "}, {6, true, " High Speed Motor Setting "},
               {5, true, " High Speed Motor Setting "}, {8, true, " High Speed Motor Setting "},
               {9, false, " Motor Full Load Setting "}, {0, false, " Motor Full Load Setting "}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.type);
    f.cbStarterType.UserPick(c.type);
    EXPECT_EQ(f.gbLowSpeed.Visible(), c.lowSpeed);
    EXPECT_EQ(f.gbHighSpeed.Caption(), c.caption);
  }
  // No selection leaves the groups as they are.
  f.cbStarterType.SetItemIndex(-1);
  f.StarterTypeDisplay();
  EXPECT_EQ(f.gbHighSpeed.Caption(), " Motor Full Load Setting ");
}

TEST_F(SettingsRules, EmptiedCtRatioShowsOneAtOnce) {
  f.seCT_Prim.SetText("250");
  f.seCT_Prim.UserKey(8);
  f.seCT_Prim.UserKey(8);
  EXPECT_EQ(f.seCT_Prim.Text(), "2");
  f.seCT_Prim.UserKey(8);
  EXPECT_EQ(f.seCT_Prim.Text(), "1");
  EXPECT_EQ(w.vt().StrGridRelSetRX.Cell(2, 50), "00001");
}

TEST_F(SettingsRules, FrequencyLimitsTypedDigitByDigitFollowTheTwin) {
  f.seSetHighFreqLimit.UserType("5");
  EXPECT_EQ(f.seSetHighFreqLimit.Text(), "5");  // not pulled to 40 while typing
  EXPECT_EQ(f.seHighFreqLimit.Text(), "5");
  f.seSetHighFreqLimit.UserKey('8');
  EXPECT_EQ(f.seSetHighFreqLimit.Text(), "58");
  EXPECT_EQ(f.seHighFreqLimit.Text(), "58");
  EXPECT_EQ(SendCal(8), "058");
  // Leaving it checks both.
  f.seSetHighFreqLimit.UserType("80");
  EXPECT_EQ(f.seHighFreqLimit.Text(), "80");
  EXPECT_EQ(SendCal(8), "080");
  f.UserLeave();
  EXPECT_EQ(f.seSetHighFreqLimit.Text(), "70");
  EXPECT_EQ(f.seHighFreqLimit.Text(), "70");
  EXPECT_EQ(SendCal(8), "070");
  EXPECT_TRUE(w.hb.boxes.empty());
}

TEST_F(SettingsRules, CalibrationTwinTypedAndLeft) {
  f.seLowFreqLimit.UserType("3");
  EXPECT_EQ(f.seSetLowFreqLimit.Text(), "3");
  f.seLowFreqLimit.UserKey('2');
  f.UserLeave();
  EXPECT_EQ(f.seLowFreqLimit.Text(), "40");
  EXPECT_EQ(f.seSetLowFreqLimit.Text(), "40");
  EXPECT_EQ(SendCal(9), "040");
  // The twin's check wants both limits to be numbers.
  f.seHighFreqLimit.SetText("");
  f.seLowFreqLimit.UserType("44");
  f.UserLeave();
  ASSERT_EQ(w.BoxTexts(), std::vector<std::string>{"Please enter only digits !"});
  EXPECT_EQ(f.ActiveControl(), &f.seLowFreqLimit);
  EXPECT_EQ(SendCal(9), "044");
}

TEST_F(SettingsRules, FrequencySelectorSelectsItsTwinWithoutItsHandler) {
  w.vt().StringGridRelCalibrationRX.SetCell(2, 10, "---");
  f.cbSetFreqSelector.UserPick(1);
  EXPECT_EQ(f.cbFreqSelector.ItemIndex(), 1);
  EXPECT_EQ(SendCal(10), "001");
  f.cbFreqSelector.UserPick(0);
  EXPECT_EQ(f.cbSetFreqSelector.ItemIndex(), 0);
  EXPECT_EQ(SendCal(10), "000");
}

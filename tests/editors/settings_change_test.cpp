// The Settings page editors: the editor table against the record layout and the window, and what
// each kind of editor and each special rule writes into the send column.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "editors/SettingsEditors.h"
#include "wire/VoltageLists.h"
#include "wire/RecordLayouts.h"
#include "support/EditorWorld.h"

using namespace editors::settings;
using wire::RecordId;

namespace {

struct SettingsPageTest : ::testing::Test {
  EditorWorld w{false};
  TForm1& f = w.f1();
  std::string Send(int row) { return w.vt().StrGridRelSetRX.Cell(2, row); }
  std::string SendCal(int row) { return w.vt().StringGridRelCalibrationRX.Cell(2, row); }
};

ControlKind KindOf(Kind k) {
  switch (k) {
    case Kind::Spin:
      return ControlKind::SpinEdit;
    case Kind::Combo:
      return ControlKind::ComboBox;
    case Kind::Check:
      return ControlKind::CheckBox;
    case Kind::Radio:
      return ControlKind::RadioGroup;
    case Kind::NumEdit:
    case Kind::Text:
      return ControlKind::Edit;
  }
  return ControlKind::Form;
}

}  // namespace

TEST_F(SettingsPageTest, TableMatchesTheWindowAndTheRecordLayout) {
  std::map<int, int> editorsPerRow;
  std::set<std::pair<int, int>> bits;
  for (const EditorSpec& e : Editors()) {
    SCOPED_TRACE(e.Name);
    TControl& c = e.Control(f);
    EXPECT_EQ(c.Name(), e.Name);
    EXPECT_EQ(c.Kind(), KindOf(e.Type));
    EXPECT_EQ(FindEditor(f, c), &e);
    if (e.Byte >= 0) {
      EXPECT_TRUE(bits.insert({e.Byte, e.Bit}).second) << "bit owned twice";
      EXPECT_EQ(e.Row, ControlBytes()[e.Byte].Row);
      EXPECT_STREQ(wire::kSettingsFields[e.Row - 1].Caption, ControlBytes()[e.Byte].Caption);
      continue;
    }
    // The text form is the width the received column holds, so a read and an edit agree.
    const wire::RecordLayout& rec = wire::Layout(e.Grid);
    ASSERT_LE(e.Row, rec.FieldCount);
    EXPECT_EQ(e.Digits, rec.Fields[e.Row - 1].RecvWidth);
    if (e.Grid == RecordId::Settings) ++editorsPerRow[e.Row];
  }
  // Every settings row but the control bytes has exactly one editor; 28 bits have owners.
  for (int row = 1; row <= 51; ++row) {
    bool controlByte = row == 9 || row == 10 || row == 17 || row == 45;
    EXPECT_EQ(editorsPerRow[row], controlByte ? 0 : 1) << "row " << row;
  }
  EXPECT_EQ(bits.size(), 28u);
  EXPECT_FALSE(bits.count({2, 7}));
  for (int bit = 5; bit < 8; ++bit) EXPECT_FALSE(bits.count({3, bit}));
}

TEST_F(SettingsPageTest, WindowBuiltWithInitialValuesAndNoHandlerRun) {
  EXPECT_EQ(f.seSR_DelayTime.Text(), "1000");
  EXPECT_FALSE(f.seSR_DelayTime.EditorEnabled);
  EXPECT_FALSE(f.seDF_DelTime_3.EditorEnabled);
  EXPECT_TRUE(f.seDF_DelTime_2.EditorEnabled);
  EXPECT_EQ(f.seEL_TripDelay.Increment, 50);
  EXPECT_EQ(f.seML_TripDelay.Text(), "10");
  EXPECT_EQ(f.ebEL_TripLev.Text(), "0");
  EXPECT_EQ(f.ebEL_TripLev.MaxLength, 4);
  EXPECT_EQ(f.cbRTD2_Type.Text(), "PT100");
  EXPECT_EQ(f.cbRTD2_Type.ItemIndex(), -1);
  EXPECT_EQ(f.cbSetFreqSelector.ItemIndex(), 0);
  EXPECT_EQ(f.cbFreqSelector.Text(), "50Hz");
  EXPECT_EQ(f.seHighFreqLimit.Text(), "55");
  EXPECT_EQ(f.cbVSelector.Items.Count(), 11);
  EXPECT_EQ(f.cbVSelector.Items[7], "    1k1V");
  EXPECT_EQ(f.cbStarterType.Items.Count(), 12);
  EXPECT_EQ(f.rgMTR_Select.ItemIndex(), -1);
  EXPECT_EQ(f.rgUC_PF_Select.Items[1], "Power Factor Select");
  // The send column still holds the variable table's defaults.
  for (int row = 1; row <= 51; ++row)
    EXPECT_EQ(Send(row), wire::kSettingsFields[row - 1].Default) << row;
  EXPECT_EQ(SendCal(8), "000");
}

// One user action on the page and the send-column cell it leaves.
struct ChangeCase {
  const char* what;
  std::function<void(TForm1&)> act;
  RecordId grid;
  int row;
  const char* cell;
};

// Each case on a freshly built window.
TEST(SettingsPageCases, EditorActionsWriteTheirCell) {
  const auto S = RecordId::Settings;
  const auto C = RecordId::Calibration;
  // clang-format off
  const ChangeCase cases[] = {
      {"spin edit typed", [](TForm1& f) { f.seUnbalTripLev.UserType("20"); }, S, 5, "020"},
      {"lone minus is MinValue", [](TForm1& f) { f.seUnbalTripLev.UserType("-"); }, S, 5, "000"},
      {"five digits", [](TForm1& f) { f.seRunStallTripLev.UserType("450"); }, S, 19, "00450"},
      {"negative level", [](TForm1& f) { f.seRTD1Hi_TripLev.SetValue(-30); }, S, 37, "-030"},
      {"level zero", [](TForm1& f) { f.seRTD1Hi_TripLev.SetValue(-30), f.seRTD1Hi_TripLev.SetValue(0); }, S, 37, "000"},
      {"level top", [](TForm1& f) { f.seRTD4Lo_TripLev.SetValue(220); }, S, 44, "220"},
      {"typed beyond the range reaches the cell", [](TForm1& f) { f.seV_LimHi.UserType("99"); }, S, 34, "099"},
      {"emptied spin edit keeps the cell",
       [](TForm1& f) { f.seRunStallTripLev.UserType("300"), f.seRunStallTripLev.UserType(""); }, S, 19, "00300"},
      {"buttons step by 50", [](TForm1& f) { f.seSR_DelayTime.UserStep(1); }, S, 31, "01050"},
      {"text-loaded delay", [](TForm1& f) { f.seEL_TripDelay.UserType("250"); }, S, 12, "00250"},
      {"combo item", [](TForm1& f) { f.cbML_TimeSelector.UserPick(3); }, S, 20, "003"},
      {"check box bit 4", [](TForm1& f) { f.cbFailSave_Sel.UserClick(); }, S, 9, "016"},
      {"check box off again", [](TForm1& f) { f.cbFailSave_Sel.UserClick(), f.cbFailSave_Sel.UserClick(); }, S, 9, "000"},
      {"check box bit 7", [](TForm1& f) { f.cbSCirc_Sel.UserClick(); }, S, 9, "128"},
      {"unowned bit kept",
       [](TForm1& f) { f.ActControl_C = 128, f.cbStartsPerHr_Sel.UserClick(); }, S, 17, "129"},
      {"other bits kept", [](TForm1& f) { f.ActControl_D = 0xE5, f.cbRTD2_Sel.UserClick(); }, S, 45, "231"},
      {"radio group item 1 sets the bit", [](TForm1& f) { f.rgUC_PF_Select.UserPick(1); }, S, 10, "004"},
      {"radio group item 0 clears it",
       [](TForm1& f) { f.ActControl_C = 0xFF, f.rgMTR_Select.UserPick(0); }, S, 17, "239"},
      {"numeric edit", [](TForm1& f) { f.ebEL_TripLev.UserType("1500"); }, S, 11, "01500"},
      {"numeric edit stops at a non-digit", [](TForm1& f) { f.ebThermalCap.UserType("7x"); }, S, 1, "007"},
      {"numeric edit emptied keeps the cell",
       [](TForm1& f) { f.ebTC_ResetThreshold.UserType("45"), f.ebTC_ResetThreshold.UserType(""); }, S, 16, "045"},
      {"overlong digits set in code are left alone",
       [](TForm1& f) { f.ebRS_HoldOffDelay.SetText("12"), f.ebRS_HoldOffDelay.SetText(std::string(30, '9')); }, S, 23,
       "012"},
      {"CT primary emptied is 1", [](TForm1& f) { f.seCT_Prim.UserType("100"), f.seCT_Prim.UserType(""); }, S, 50, "00001"},
      {"CT secondary emptied is 1", [](TForm1& f) { f.seCT_Sec.UserType("5"), f.seCT_Sec.UserType(""); }, S, 51, "001"},
      {"starter type", [](TForm1& f) { f.cbStarterType.UserPick(6); }, S, 32, "006"},
      {"RTD type", [](TForm1& f) { f.cbRTD3_Type.UserPick(2); }, S, 48, "002"},
      {"earth-leakage mode", [](TForm1& f) { f.cbEL_Selector.UserPick(1); }, S, 13, "001"},
      {"frequency selector", [](TForm1& f) { f.cbSetFreqSelector.UserPick(1); }, C, 10, "001"},
      {"its twin", [](TForm1& f) { f.cbFreqSelector.UserPick(1), f.cbFreqSelector.UserPick(0); }, C, 10, "000"},
      {"high frequency typed", [](TForm1& f) { f.seSetHighFreqLimit.UserType("80"); }, C, 8, "080"},
      {"low frequency on the twin", [](TForm1& f) { f.seLowFreqLimit.UserType("42"); }, C, 9, "042"},
  };
  // clang-format on
  for (const ChangeCase& c : cases) {
    SCOPED_TRACE(c.what);
    EditorWorld world(false);
    c.act(*Form1);
    EXPECT_EQ(FormVariableTable->Grid(c.grid).Cell(2, c.row), c.cell);
  }
}

// The voltage selection code by the relay's revision and the list shown.
TEST_F(SettingsPageTest, VoltageCodeByRevision) {
  struct Case {
    const char* rev;
    bool longList;
    int item;
    const char* cell;
    // clang-format off
  } cases[] = {
      {"Rev 4f", true, 22, "007"},   // "   1100V"
      {"Rev 4e", true, 1, "011"},    // "    120V"
      {"Rev 4e", true, 10, "001"},   // "    380V"
      {"Rev 5a", true, 25, "010"},   // "11k / 110V"
      {"Rev 3b", false, 7, "007"},   // "    1k1V"
      {"Rev 00", true, 22, "022"},   // "Rev 00" is no extended revision
      {"Rev 4d", true, 22, "022"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.rev) + " item " + std::to_string(c.item));
    f.mbSW_Rev.SetText(c.rev);
    wire::FillVoltageList(f.cbVSelector, c.longList);
    f.cbVSelector.UserPick(c.item);
    EXPECT_EQ(Send(3), c.cell);
  }
  // No selection stores code 0.
  f.cbVSelector.SetItemIndex(-1);
  f.cbVSelectorChange();
  EXPECT_EQ(Send(3), "000");
  // An item the extended table does not know selects the first item and gives code 0.
  f.mbSW_Rev.SetText("Rev 4f");
  f.cbVSelector.Items.Add("extra");
  f.cbVSelector.UserPick(26);
  EXPECT_EQ(f.cbVSelector.ItemIndex(), 0);
  EXPECT_EQ(Send(3), "000");
}

// A read of the settings record (and of the calibration record's frequency rows) loads the
// editors: each row by its way, the voltage item by the relay's revision, the CT ratio, the
// control-byte boxes with unowned bits kept, and the send column equal to the received column.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "wire/VoltageLists.h"
#include "wire/Numeric.h"
#include "support/EditorWorld.h"

using wire::RecordId;

namespace {

struct SettingsLoad : ::testing::Test {
  EditorWorld w{false};
  RelayModel relay;  // source of well-formed records
  TForm1& f = w.f1();
  TForm2& f2 = w.f2();

  int ReadSettings(const std::vector<std::pair<int, const char*>>& fields) {
    for (const auto& [row, wireText] : fields) relay.SetField(RecordId::Settings, row, wireText);
    f.UploadSettings = true;
    return f2.PackSettingData(relay.Record(RecordId::Settings));
  }
  std::string Cell(int col, int row) { return w.vt().StrGridRelSetRX.Cell(col, row); }
};

}  // namespace

TEST_F(SettingsLoad, RowsLoadByTheirWay) {
  ASSERT_EQ(ReadSettings({{1, "045"},
                          {2, "012"},
                          {5, "080"},   // beyond 0..50: the box shows its limit
                          {12, "015"},  // 750 ms, loaded as text
                          {13, "001"},
                          {18, "003"},
                          {20, "012"},  // no such item
                          {32, "006"},
                          {37, "000"},  // -30 degrees
                          {41, "250"},  // 220 degrees
                          {48, "002"},
                          {50, "00100"},
                          {51, "005"}}),
            1);
  EXPECT_EQ(f.ebThermalCap.Text(), "45");
  EXPECT_EQ(f.seThrmlCurveSel.Text(), "12");
  EXPECT_EQ(f.seUnbalTripLev.Text(), "50");
  EXPECT_EQ(f.seEL_TripDelay.Text(), "750");
  EXPECT_EQ(f.cbEL_Selector.ItemIndex(), 1);
  EXPECT_TRUE(f.seEL_TripDelay.Visible());  // setting a combo's item runs no handler
  EXPECT_EQ(f.seConsecStartsLim.Text(), "3");
  EXPECT_EQ(f.cbML_TimeSelector.ItemIndex(), -1);
  EXPECT_EQ(f.cbStarterType.ItemIndex(), 6);
  EXPECT_EQ(f.seRTD1Hi_TripLev.Text(), "-30");
  EXPECT_EQ(f.seRTD1Lo_TripLev.Text(), "220");
  EXPECT_EQ(f.cbRTD3_Type.ItemIndex(), 2);
  EXPECT_EQ(f.mbCT_Ratio.Text(), "100 : 5");
  EXPECT_DOUBLE_EQ(f.ActCT_Ratio, 20.0);
  // After the load the send column is what the relay holds, whatever the editors show.
  for (int row = 1; row <= 51; ++row) EXPECT_EQ(Cell(2, row), Cell(1, row)) << "row " << row;
  EXPECT_EQ(Cell(2, 5), "080");
  EXPECT_EQ(Cell(2, 37), "-030");
}

TEST_F(SettingsLoad, ControlBytesSetTheirBoxesAndKeepUnownedBits) {
  ASSERT_EQ(ReadSettings({{9, "016"}, {10, "004"}, {17, "129"}, {45, "225"}}), 1);
  TCheckBox* byteA[] = {&f.cbMinLoad_Sel,  &f.cbUV_Sel,    &f.cbOV_Sel,       &f.cbVSym_Sel,
                        &f.cbFailSave_Sel, &f.cbUnbal_Sel, &f.cbPhaseRot_Sel, &f.cbSCirc_Sel};
  for (int bit = 0; bit < 8; ++bit) EXPECT_EQ(byteA[bit]->Checked(), bit == 4) << "bit " << bit;
  EXPECT_EQ(f.rgUC_PF_Select.ItemIndex(), 1);
  EXPECT_FALSE(f.cbSP_Sel.Checked());
  EXPECT_TRUE(f.cbStartsPerHr_Sel.Checked());
  EXPECT_EQ(f.rgMTR_Select.ItemIndex(), 0);  // a clear bit is item 0
  EXPECT_TRUE(f.cbRTD1_Sel.Checked());
  EXPECT_FALSE(f.cbInsClass.Checked());
  EXPECT_EQ(f.ActControl_A, 16);
  EXPECT_EQ(f.ActControl_C, 129);
  EXPECT_EQ(f.ActControl_D, 225);
  // Unticking one box keeps the bits that no editor owns.
  f.cbStartsPerHr_Sel.UserClick();
  EXPECT_EQ(Cell(2, 17), "128");
  f.cbRTD1_Sel.UserClick();
  EXPECT_EQ(Cell(2, 45), "224");
}

TEST_F(SettingsLoad, VoltageItemByRevision) {
  struct Case {
    const char* rev;
    const char* code;
    int item;
  } cases[] = {
      {"Rev 4f", "024", 18}, {"Rev 4f", "010", 25}, {"Rev 4f", "026", 0}, {"Rev 4f", "011", 1},
      {"Rev 3b", "005", 5},  {"Rev 3b", "012", -1}, {"Rev 00", "007", 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.rev) + " code " + c.code);
    bool extended = wire::IsExtendedRevision(c.rev);
    f.mbSW_Rev.SetText(c.rev);
    wire::FillVoltageList(f.cbVSelector, extended);
    ASSERT_EQ(ReadSettings({{3, c.code}}), 1);
    EXPECT_EQ(f.cbVSelector.ItemIndex(), c.item);
  }
}

TEST_F(SettingsLoad, NothingLoadedWithoutTheReadFlag) {
  relay.SetField(RecordId::Settings, 22, "055");
  f.UploadSettings = false;
  ASSERT_EQ(f2.PackSettingData(relay.Record(RecordId::Settings)), 1);
  EXPECT_EQ(f.seMLC.Text(), "100");
  EXPECT_EQ(Cell(1, 22), "055");
  EXPECT_EQ(Cell(2, 22), "000");
}

TEST_F(SettingsLoad, CalibrationReadLoadsTheFrequencyEditorsOfBothPages) {
  relay.SetField(RecordId::Calibration, 8, "080");
  relay.SetField(RecordId::Calibration, 9, "047");
  relay.SetField(RecordId::Calibration, 10, "001");
  f.UploadCalibration = true;
  ASSERT_EQ(f2.PackCalibrationData(relay.Record(RecordId::Calibration)), 1);
  EXPECT_EQ(f.cbFreqSelector.ItemIndex(), 1);
  EXPECT_EQ(f.cbSetFreqSelector.ItemIndex(), 1);
  EXPECT_EQ(f.mbFreqSelector.Text(), "60Hz");
  EXPECT_EQ(f.ebFreqSelector.Text(), "60Hz");
  EXPECT_EQ(f.seHighFreqLimit.Text(), "70");
  EXPECT_EQ(f.seSetHighFreqLimit.Text(), "70");
  EXPECT_EQ(f.seLowFreqLimit.Text(), "47");
  EXPECT_EQ(f.seSetLowFreqLimit.Text(), "47");
  auto& cal = w.vt().StringGridRelCalibrationRX;
  EXPECT_EQ(cal.Cell(2, 8), "080");  // the relay's value, copied after the editors
  relay.SetField(RecordId::Calibration, 10, "000");
  ASSERT_EQ(f2.PackCalibrationData(relay.Record(RecordId::Calibration)), 1);
  EXPECT_EQ(f.mbFreqSelector.Text(), "50Hz");
  EXPECT_EQ(f.cbSetFreqSelector.ItemIndex(), 0);
}

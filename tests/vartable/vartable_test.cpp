// The variable table after creation: ten grids with their captions and defaults in both value
// columns, the heading row empty, and the comms data block buffers zeroed.
#include <gtest/gtest.h>

#include "support/LinkWorld.h"

using wire::RecordId;

namespace {
struct VarTable : ::testing::Test {
  LinkWorld w{false};
  TFormVariableTable& vt = w.vt();
};
}  // namespace

TEST_F(VarTable, Window) {
  EXPECT_EQ(vt.Caption(), "FormVariableTable");
  EXPECT_FALSE(vt.Visible());
  vt.Show();  // modeless
  EXPECT_TRUE(vt.Visible());
  EXPECT_FALSE(vt.IsModal());
}

TEST_F(VarTable, Grids) {
  struct Case {
    TStringGrid* grid;
    const char* name;
    const char* label;
    int rows;
  };
  // clang-format off
  const Case cases[] = {
      {&vt.StrGridRelayID, "StrGridRelayID", "Relay ID Rx", 4},
      {&vt.StrGridRelSetRX, "StrGridRelSetRX", "Relay Settings Rx", 52},
      {&vt.StringGridRelCalibrationRX, "StringGridRelCalibrationRX", "Relay Calibration Rx", 19},
      {&vt.StringGridRelStatRX, "StringGridRelStatRX", "Relay Statistics Rx", 24},
      {&vt.StringGridRelExtModSetRx, "StringGridRelExtModSetRx", "Relay Ext Mod Settings Rx", 9},
      {&vt.StringGridRelDescRx, "StringGridRelDescRx", "Relay Description Rx", 3},
      {&vt.StringGridBluetoothRx, "StringGridBluetoothRx", "Bluetooth Rx", 3},
      {&vt.StringGridRelLogRx, "StringGridRelLogRx", "Relay Logic Rx", 67},
      {&vt.StringGridRelStartConfRx, "StringGridRelStartConfRx", "Relay Starter Configuration Rx", 31},
      {&vt.StringGridRelCommsRx, "StringGridRelCommsRx", "Relay Communication Rx", 11},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TStringGrid& g = *c.grid;
    EXPECT_EQ(g.Name(), c.name);
    EXPECT_EQ(g.ColCount(), 3);
    EXPECT_EQ(g.RowCount(), c.rows);
    EXPECT_EQ(g.ColWidths, (std::vector<int>{100, 60, 60}));
    EXPECT_EQ(g.FixedRows, 1);
    EXPECT_EQ(g.FixedCols, 1);
    for (int col = 0; col < 3; ++col) EXPECT_EQ(g.Cell(col, 0), "");
    for (int row = 1; row < g.RowCount(); ++row) EXPECT_EQ(g.Cell(2, row), g.Cell(1, row)) << row;
    bool labelFound = false;
    for (TControl* child : vt.Children())
      if (child->Kind() == ControlKind::Label && child->Caption() == c.label) labelFound = true;
    EXPECT_TRUE(labelFound) << c.label;
  }
}

TEST_F(VarTable, CaptionsAndDefaults) {
  struct Case {
    RecordId id;
    int row;
    const char* caption;
    std::string value;
  };
  // clang-format off
  const Case cases[] = {
      {RecordId::Identity, 1, "Relay Model", "000"},
      {RecordId::Identity, 2, "Seriaal Number", "00000000"},
      {RecordId::Identity, 3, "Revision", "0a"},
      {RecordId::Settings, 1, "TC Cap", "000"},
      {RecordId::Settings, 11, "EL Trip Lev", "00000"},
      {RecordId::Settings, 12, "EL Trip Del", "00000"},
      {RecordId::Settings, 15, "ML Startup Trip Del", "000"},
      {RecordId::Settings, 45, "Cntrl D", "000"},
      {RecordId::Settings, 51, "CT Sec", "000"},
      {RecordId::Calibration, 18, "RTD 4 PT1000", "000"},
      {RecordId::Statistics, 17, "Run Hr At FLoad", "00000"},
      {RecordId::Statistics, 23, "Run Hr", "00000"},
      {RecordId::ExtMod, 8, "DF Inp 15 Delay", "00000"},
      {RecordId::Desc, 1, "Description", std::string(20, ' ')},
      {RecordId::Desc, 2, "Drive ID", std::string(8, ' ')},
      {RecordId::Bluetooth, 1, "Pin Code", std::string(4, ' ')},
      {RecordId::Bluetooth, 2, "", ""},
      {RecordId::Logic, 48, "PG Period", "00000"},
      {RecordId::Logic, 66, "ESTOP", "000"},
      {RecordId::StartConf, 29, "Unauthorization Time", "00000"},
      {RecordId::StartConf, 30, "Feedback Signal", "000"},
      {RecordId::Comms, 10, "Byte 9", "000"},
  };
  // clang-format on
  for (const Case& c : cases) {
    TStringGrid& g = vt.Grid(c.id);
    SCOPED_TRACE(g.Name() + " row " + std::to_string(c.row));
    EXPECT_EQ(g.Cell(0, c.row), c.caption);
    EXPECT_EQ(g.Cell(1, c.row), c.value);
    EXPECT_EQ(g.Cell(2, c.row), c.value);
  }
}

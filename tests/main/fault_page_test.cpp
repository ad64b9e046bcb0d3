// The Fault History page: fault records into the grid and out into the export, the export's
// settings summary and check list, and the cases where nothing (or no file) may be written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/rtl/Paths.h"
#include "support/CrLfLines.h"
#include "support/ShellWorld.h"

namespace {

struct FaultPageTest : ::testing::Test {
  ShellWorld w{false};
  TForm1& f = w.f1();
  std::string path = MapPath("c:\\faults.xls");

  FaultPageTest() {
    std::error_code ec;
    std::filesystem::remove(path, ec);
  }
  std::vector<std::string> Export() {
    w.hb.dialogAnswers.push_back(path);
    f.bSaveFaultRecs.UserClick();
    return ReadCrLfLines(path);
  }
};

constexpr int kFirstRecordLine = 7;  // index of grid row 1's line (0-based)

}  // namespace

// Records written out by hand, field by field, and the grid row and export line each must give.
TEST_F(FaultPageTest, RecordsReachTheGridAndTheExport) {
  struct Case {
    const char* record;
    int row;
    std::vector<std::string> cells;
    const char* line;
  };
  // clang-format off
  const Case cases[] = {
      // Flags A bit 0 and B bit 2: the later bit names the fault.
      {"*F" "007" "000" "023" "005" "009" "007" "030" "001" "004" "000" "000" "01234" "030" "00380" "012" "#", 7,
       {"  7", "Actual", "2023/05/09", "07h30", " Voltage Symmetry", "1234", "120", "380", "120ms"},
       "  7\t Actual\t 2023/05/09  \t 07h30\t  Voltage Symmetry\t1234\t120\t380"},
      // C bit 7 has no text: an empty description, the rest written; run hours taken as 16 bits.
      {"*F" "012" "003" "024" "012" "031" "023" "059" "000" "000" "128" "000" "70000" "999" "00000" "000" "#", 12,
       {"  12", "Simulation", "2024/12/31", "23h59", "", "4464", "3996", "0", "0ms"},
       "  12\t Simulation\t 2024/12/31  \t 23h59\t \t4464\t3996\t0"},
      // D bit 3 after A bit 7; a status outside 0..3 has no text.
      {"*F" "035" "004" "001" "001" "001" "000" "000" "128" "000" "000" "008" "00010" "025" "00415" "100" "#", 35,
       {"  35", "", "2001/01/01", "00h00", " RTD 4 temperature", "10", "100", "415", "1000ms"},
       "  35\t \t 2001/01/01  \t 00h00\t  RTD 4 temperature\t10\t100\t415"},
      // No flag set: the number, and nothing else, in its row.
      {"*F" "020" "000" "023" "005" "009" "007" "030" "000" "000" "000" "000" "01234" "030" "00380" "012" "#", 20,
       {"  20", "", "", "", "", "", "", "", ""},
       "  20\t \t   \t \t \t\t\t"},
  };
  // clang-format on
  for (const Case& c : cases) ASSERT_EQ(w.f2().PackFaultData(c.record), 1) << c.record;
  w.OpenIdle();
  const std::vector<std::string> lines = Export();
  ASSERT_GE(lines.size(), 67u);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.record);
    for (int col = 0; col < 9; ++col)
      EXPECT_EQ(f.sgFaultHist.Cell(col, c.row), c.cells[static_cast<size_t>(col)]);
    EXPECT_EQ(lines[static_cast<size_t>(kFirstRecordLine + c.row - 1)], c.line);
  }
  // Rows without a record, and the 25 lines past the grid's last row, are empty cells.
  const std::string empty = "\t \t   \t \t \t\t\t";
  EXPECT_EQ(lines[kFirstRecordLine], empty);
  EXPECT_EQ(lines[kFirstRecordLine + 35], empty);
  EXPECT_EQ(lines[kFirstRecordLine + 59], empty);
}

TEST_F(FaultPageTest, ExportHeadSummaryAndCheckList) {
  w.OpenIdle();
  f.mbDriveID.SetText("PUMP_07");
  f.mbUserName.SetText("Main water pump");
  f.mbSerialNum.SetText("00012345");
  f.seThrmlCurveSel.SetText("abc");  // no number: the editor's minimum
  f.ebTC_ResetThreshold.SetText("45");
  f.cbVSelector.SetItemIndex(2);
  f.seV_SymTripLev.SetText("7");
  f.seUnbalTripLev.SetText("25");
  f.seUnbalTripDelay.SetText("3");
  f.seML_CurrentTripLev.SetText("40");
  f.seML_SuTripDelay.SetText("12");
  f.seML_TripDelay.SetText("2");
  f.ebEL_TripLev.SetText("0300");
  f.seEL_TripDelay.SetText("0150");
  f.cbEL_Selector.SetItemIndex(0);
  f.seStartsPerHrLim.SetText("6");
  f.seConsecStartsLim.SetText("03");
  // The control bytes as the relay sent them.
  f.ActControl_A = 0x81;  // minimum load, short circuit
  f.ActControl_B = 0x04;  // power factor instead of undercurrent
  f.ActControl_C = 0x06;  // reverse rotation, vectorial stall

  std::vector<std::string> lines = Export();
  ASSERT_EQ(lines.size(), 104u);
  // clang-format off
  const std::vector<std::string> head = {
      "FAULT RECORDS : \tBrakmor VUMA", "===============", "Drive ID .... : \tPUMP_07",
      "Drive Name .. : \tMain water pump", "Serial Number : \t00012345", " ",
      " Rec Nr \t Status \t Date       \t Time   \t Description of Fault \t Run Hours \t Imax  % \t Vmin "};
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 7), head);
  const std::vector<std::string> tail = {
      " ",
      "RELAY SETTINGS :",
      "================",
      "Thermal Cap Curve Class (Sec): \t" + std::to_string(f.seThrmlCurveSel.MinValue()),
      "T Cap Reset Threshold (%): \t45",
      "Voltage selection (V): \t400V",
      "Volt Symmetry Level (%): \t7",
      "Current Unbal Trip Level (%): \t25",
      "Current Unbal Trip Delay (Sec): \t3",
      "Min Load Current Trip Level (%): \t40",
      "Min Load Startup Delay (Sec): \t12",
      "Min Load Trip Delay (Sec): \t2",
      "Earth Leak Trip Level (mA): \t0300",
      "Earth Leak Trip Delay (mSec): \t0150",
      "Earth Leak Mode Selector : \tInst.Def.Time",
      "Starts / Hour Allowed : \t6",
      "Consec Starts Limit : \t03",
      "Minimum Load_disable\t[x]",
      "Undervoltage_disable\t[ ]",
      "Overvoltage_disable\t[ ]",
      "Voltage Symmetry_disable\t[ ]",
      "Fail Safe_disable\t[ ]",
      "Current Unbal_disable\t[ ]",
      "Volt Phase Rotation _disable\t[ ]",
      "Short Circuit_disable\t[x]",
      "Single Phase_disable\t[ ]",
      "Run-Stall_disable\t[ ]",
      "Undercurrent select\t[ ]",
      "Power Factor select\t[x]",
      "Earth Leakage_disable\t[ ]",
      "Low Pass Filter_disable\t[ ]",
      "Isolation Lockout_disable\t[ ]",
      "Frequency Monitor_disable\t[ ]",
      "Thermal Cap Reset Thold_disable\t[ ]",
      "Starts per Hour_disable\t[ ]",
      "Reverse V Phase Rotation\t[x]",
      "Vectorial Stall Disable \t[x]",
  };
  // clang-format on
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 67, lines.end()), tail);

  // The inverse-time characteristic has no delay line; no byte set gives "[x]" only where the
  // line is inverted.
  f.cbEL_Selector.SetItemIndex(1);
  f.ActControl_A = f.ActControl_B = f.ActControl_C = 0;
  lines = Export();
  ASSERT_EQ(lines.size(), 103u);
  EXPECT_EQ(lines[80], "Earth Leak Mode Selector : \tInv.Def.Min.Time");
  for (size_t i = 83; i < 103; ++i)
    EXPECT_EQ(lines[i].substr(lines[i].size() - 3), i == 93 ? "[x]" : "[ ]") << lines[i];
}

TEST_F(FaultPageTest, NothingWrittenWhenDisconnectedOrCancelled) {
  f.bSaveFaultRecs.UserClick();
  ASSERT_EQ(w.hb.boxes.size(), 1u);
  EXPECT_EQ(w.hb.boxes[0].text, "Please connect first !");
  EXPECT_TRUE(w.hb.dialogs.empty());

  w.OpenIdle();
  w.hb.dialogAnswers.push_back(std::nullopt);
  f.bSaveFaultRecs.UserClick();
  ASSERT_EQ(w.hb.dialogs.size(), 1u);
  EXPECT_EQ(w.hb.dialogs[0].title, "Save fault records to disk");
  EXPECT_EQ(w.hb.dialogs[0].filter, "Faults|*.xls");
  EXPECT_EQ(w.hb.boxes.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(path));
}

// A save that fails leaves the file as it was, never a truncated export.
TEST_F(FaultPageTest, FailedSaveReportsAndLeavesNoFile) {
  w.OpenIdle();
  const std::string blocked = MapPath("c:\\not_a_folder");
  { std::ofstream(blocked) << "a file"; }
  w.hb.dialogAnswers.push_back(blocked + "/faults.xls");
  f.bSaveFaultRecs.UserClick();
  ASSERT_EQ(w.hb.boxes.size(), 1u);
  EXPECT_EQ(w.hb.boxes[0].text, "File I/O error.");
  std::filesystem::remove(blocked);
}

// A new read empties rows 1 to 35 first, so no record of the relay read before stays behind.
TEST_F(FaultPageTest, UpdateEmptiesTheGridAndAsksForTheFirstRecord) {
  ASSERT_EQ(w.f2().PackFaultData("*F"
                                 "005"
                                 "000"
                                 "023"
                                 "005"
                                 "009"
                                 "007"
                                 "030"
                                 "001"
                                 "000"
                                 "000"
                                 "000"
                                 "01234"
                                 "030"
                                 "00380"
                                 "012"
                                 "#"),
            1);
  f.sgFaultHist.SetCell(8, 35, "10ms");
  w.OpenIdle();
  f.bFaultUpDate.UserClick();
  for (int row = 1; row <= 35; ++row)
    for (int col = 0; col < 9; ++col)
      EXPECT_EQ(f.sgFaultHist.Cell(col, row), "") << col << "," << row;
  EXPECT_EQ(f.sgFaultHist.Cell(4, 0), " Fault Description");
  EXPECT_EQ(w.Queue().back(), wire::ReqFirstFault);
}

// The whole read through the test relay after connecting: 35 records, the chain ends, the export
// lists them under the identity the relay reported.
TEST(FaultPageRelay, ReadThenExport) {
  ShellWorld w;
  TForm1& f = w.f1();
  w.ConnectAndRead();
  ASSERT_TRUE(w.hb.RunUntil([&] { return !FrmProgress->Visible(); }, 60000));
  f.bFaultUpDate.UserClick();
  ASSERT_TRUE(w.hb.RunUntil([&] { return f.sgFaultHist.Cell(0, 1) == "  1"; }, 20000));
  w.hb.RunFor(1000);
  EXPECT_EQ(w.CountWritten("*?>#*?F#*?<#"), 1);  // one full pass: no restart
  for (int row = 1; row <= 35; ++row)
    EXPECT_EQ(f.sgFaultHist.Cell(0, row), "  " + std::to_string(row));
  const std::string path = MapPath("c:\\relay_faults.xls");
  w.hb.dialogAnswers.push_back(path);
  f.bSaveFaultRecs.UserClick();
  const std::vector<std::string> lines = ReadCrLfLines(path);
  // The delay line only with the definite-time characteristic selected.
  ASSERT_EQ(lines.size(), f.cbEL_Selector.ItemIndex() == 0 ? 104u : 103u);
  EXPECT_EQ(lines[2], "Drive ID .... : \tDRIVE 07");
  EXPECT_EQ(lines[3], "Drive Name .. : \tTest motor 7");
  EXPECT_EQ(lines[4], "Serial Number : \t01234567");
  EXPECT_EQ(lines[kFirstRecordLine + 34],
            "  35\t Actual\t 2024/12/08  \t 11h35\t  Single Phasing\t135\t120\t380");
}

// A record whose answer is refused once: asked for the next record again, the relay sends the one
// below it. The record passed over is not silently missing: its row, in the grid and the export,
// says it was not received.
TEST(FaultPageRelay, RefusedRecordLeavesAVisibleGap) {
  ShellWorld w;
  TForm1& f = w.f1();
  w.ConnectAndRead();
  ASSERT_TRUE(w.hb.RunUntil([&] { return !FrmProgress->Visible(); }, 60000));
  f.bFaultUpDate.UserClick();
  w.relay->Misbehave().RefusedFault = 20;
  ASSERT_TRUE(w.hb.RunUntil([&] { return f.sgFaultHist.Cell(0, 1) == "  1"; }, 20000));
  w.hb.RunFor(1000);
  EXPECT_EQ(w.CountWritten("*?>#*?F#*?<#"), 1);  // the pass still counts 35 answers: no restart
  const std::vector<std::string> row20 = {"  20", "", "", "", "Record not received", "", "", "", ""};
  for (int col = 0; col < 9; ++col)
    EXPECT_EQ(f.sgFaultHist.Cell(col, 20), row20[static_cast<size_t>(col)]) << col;
  EXPECT_EQ(f.sgFaultHist.Cell(0, 19), "  19");
  EXPECT_EQ(f.sgFaultHist.Cell(0, 21), "  21");
  EXPECT_NE(f.sgFaultHist.Cell(1, 19), "");
  EXPECT_NE(f.sgFaultHist.Cell(1, 21), "");

  const std::string path = MapPath("c:\\relay_faults_gap.xls");
  w.hb.dialogAnswers.push_back(path);
  f.bSaveFaultRecs.UserClick();
  const std::vector<std::string> lines = ReadCrLfLines(path);
  ASSERT_GE(lines.size(), static_cast<size_t>(kFirstRecordLine + 35));
  EXPECT_EQ(lines[kFirstRecordLine + 19], "  20\t \t   \t \t Record not received\t\t\t");
}

// The location, starter input, starter timer and external module sections of the settings report:
// lines written out by hand from chosen cells, the report lines they take, and the one failure a
// cell can cause.
#include <gtest/gtest.h>

#include "platform/rtl/SysUtils.h"
#include "report/ReportSections.h"
#include "report/SettingsReport.h"
#include "support/ReportWorld.h"

using wire::RecordId;

namespace {

std::string Padded(const std::string& s) { return s + std::string(91 - s.size(), ' '); }

struct StarterSectionsTest : ::testing::Test {
  ReportWorld w;
  void Starter(int row, const std::string& cell) { w.Send(RecordId::StartConf, row, cell); }
  void Delay(int row, const std::string& cell) { w.Send(RecordId::ExtMod, row, cell); }
  std::vector<std::string> Lines(void (*compose)(TStringList&)) {
    TStringList out;
    compose(out);
    return out.Lines();
  }
};

}  // namespace

TEST_F(StarterSectionsTest, LocationRowsMsbFirst) {
  Starter(1, "003");  // DigFldInput_2
  Starter(2, "032");  // PLC_Input_16, the last name of table 02
  Starter(30, "000");
  // clang-format off
  const std::vector<std::string> expected = {
      Padded(" ----------------------------------"),
      Padded(" |               | Input Signal   |"),
      Padded(" |---------------|----------------|"),
      Padded(" | MSB           |PLC_Input_16    |"),
      Padded(" |---------------|----------------|"),
      Padded(" | LSB           |DigFldInput_2   |"),
      Padded(" |---------------|----------------|"),
      Padded(" | Feedback Sig  |Zero ('0')      |"),
      Padded(" ----------------------------------"),
  };
  // clang-format on
  EXPECT_EQ(Lines(ComposeLocationRows), expected);
}

TEST_F(StarterSectionsTest, StarterInputsThreeLocationsALine) {
  for (int row = 3; row <= 20; ++row) Starter(row, "000");
  Starter(3, "029");   // Local start >>: DigFldInput_1
  Starter(9, "044");   // Remote start >>: PLC_Input_1
  Starter(15, "001");  // Auto start >>: One ('1')
  Starter(14, "028");  // Remote stop: ! LogicFunc_6
  Starter(20, "200");  // beyond table 03: entry 0
  const auto lines = Lines(ComposeStarterInputRows);
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[0], Padded(" " + std::string(68, '-')));
  EXPECT_EQ(lines[1],
            Padded(" | Signal        | Local          | Remote         | Auto           |"));
  EXPECT_EQ(lines[3],
            Padded(" | Start >>      |DigFldInput_1   |PLC_Input_1     |One ('1')       |"));
  EXPECT_EQ(lines[4],
            Padded(" |---------------|----------------|----------------|----------------|"));
  EXPECT_EQ(lines[5],
            Padded(" | Start >       |Zero ('0')      |Zero ('0')      |Zero ('0')      |"));
  EXPECT_EQ(lines[13],
            Padded(" | Stop          |Zero ('0')      |! LogicFunc_6   |Zero ('0')      |"));
  EXPECT_EQ(lines[14], lines[0]);
}

TEST_F(StarterSectionsTest, StarterTimersDropTheLeadingZerosTheirRangeNeverNeeds) {
  const char* cells[] = {"00600", "010", "00050", "00999", "03000",
                         "00030", "001", "02000", "01950"};
  for (int i = 0; i < 9; ++i) Starter(21 + i, cells[i]);
  // clang-format off
  const std::vector<std::string> expected = {
      Padded(" -----------------------------"),
      Padded(" | Start Timer   | Time      |"),
      Padded(" |---------------|-----------|"),
      Padded(" | Pre Warning   | 600 Sec   |"),
      Padded(" |---------------|-----------|"),
      Padded(" | Execution     | 10 Sec    |"),
      Padded(" |---------------|-----------|"),
      Padded(" | Feedback      | 0050 mSec |"),
      Padded(" |---------------|-----------|"),
      Padded(" | Back spin     | 999 Sec   |"),
      Padded(" |---------------|-----------|"),
      Padded(" | DC Braking    | 3000 mSec |"),
      Padded(" |---------------|-----------|"),
      Padded(" | Restart       | 030 Sec   |"),
      Padded(" |---------------|-----------|"),
      Padded(" | Star Maximum  | 01 Sec    |"),
      Padded(" |---------------|-----------|"),
      Padded(" | Transition    | 2000 mSec |"),
      Padded(" |---------------|-----------|"),
      Padded(" | Unauthorized  | 1950 mSec |"),
      Padded(" -----------------------------"),
  };
  // clang-format on
  EXPECT_EQ(Lines(ComposeStarterTimerRows), expected);
}

TEST_F(StarterSectionsTest, ExternalInputsTwoALine) {
  const char* cells[] = {"00100", "00000", "02000", "00050", "00150", "01000", "00250", "01950"};
  for (int i = 0; i < 8; ++i) Delay(1 + i, cells[i]);
  // clang-format off
  const std::vector<std::string> expected = {
      Padded(" " + std::string(63, '-')),
      Padded(" | Input         | Delay        | Input         | Delay        |"),
      Padded(" |---------------|--------------|---------------|--------------|"),
      Padded(" | Input 8       | 0100 mSec    | Input 12      | 0150 mSec    |"),
      Padded(" |---------------|--------------|---------------|--------------|"),
      Padded(" | Input 9       | 0000 mSec    | Input 13      | 1000 mSec    |"),
      Padded(" |---------------|--------------|---------------|--------------|"),
      Padded(" | Input 10      | 2000 mSec    | Input 14      | 0250 mSec    |"),
      Padded(" |---------------|--------------|---------------|--------------|"),
      Padded(" | Input 11      | 0050 mSec    | Input 15      | 1950 mSec    |"),
      Padded(" " + std::string(63, '-')),
  };
  // clang-format on
  EXPECT_EQ(Lines(ComposeExtModuleRows), expected);
}

// Cells of another length print what stands at the positions; the bars stay in their columns.
TEST_F(StarterSectionsTest, OddCellsKeepTheColumns) {
  Starter(21, "7");
  Delay(1, "");
  const auto timers = Lines(ComposeStarterTimerRows);
  EXPECT_EQ(timers[3], Padded(" | Pre Warning   |     Sec   |"));
  const auto ext = Lines(ComposeExtModuleRows);
  EXPECT_EQ(ext[3].substr(0, 35), " | Input 8       |      mSec    | I");
}

// A name cell that holds no number ends the save with the conversion error.
TEST_F(StarterSectionsTest, NameCellWithoutANumberStopsTheSave) {
  Starter(30, "abc");
  EXPECT_THROW(Lines(ComposeLocationRows), EConvertError);
}

// The four sections follow one another with one blank line each, whatever the starter type.
TEST_F(StarterSectionsTest, SectionsTakeTheirLinesInOrder) {
  for (const char* type : {"000", "003"}) {
    SCOPED_TRACE(type);
    w.Setting(32, type);
    TStringList out;
    ComposeSettingsReport(out, SettingsFileVariant());
    const auto lines = out.Lines();
    const auto at =
        std::find(lines.begin(), lines.end(), Padded(" Location Selection And Feedback"));
    ASSERT_NE(at, lines.end());
    const size_t first = static_cast<size_t>(at - lines.begin());
    ASSERT_GE(lines.size(), first + 68);
    EXPECT_EQ(lines[first + 1], Padded(" ==============================="));
    EXPECT_EQ(lines[first + 12], Padded(" Starter Inputs"));
    EXPECT_EQ(lines[first + 30], Padded(" Starter Timers"));
    EXPECT_EQ(lines[first + 54], Padded(" External Module Setting"));
    EXPECT_EQ(lines[first + 67], std::string(91, ' '));
    for (size_t i = first; i < first + 68; ++i) EXPECT_EQ(lines[i].size(), 91u);
  }
}

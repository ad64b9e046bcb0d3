// The settings report's header and "Settings" section: golden lines from send-column values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "report/SettingsReport.h"
#include "report/SettingsSection.h"
#include "support/ReportWorld.h"

namespace {

using wire::RecordId;

std::string Padded(std::string s) {
  s.resize(91, ' ');
  return s;
}

// A line of the "Settings" section as its column plan places it: the left label at 2, the
// left field (value and unit as they stand) from 26, the right label at 47 and the right field
// from 71. The fields are written out with their blanks, so units sit where the strings say.
std::string Row(const std::string& left, const std::string& leftField, const std::string& right,
                const std::string& rightField) {
  std::string leftPart = leftField;
  leftPart.resize(21, ' ');  // columns 26 to 46
  return Padded(" " + left + " " + leftPart + right + (right.empty() ? "" : " ") + rightField);
}

std::vector<std::string> Compose(const ReportVariant& v) {
  TStringList out;
  ComposeSettingsReport(out, v);
  return out.Lines();
}

// ---- Header ----

class ReportHeader : public ::testing::Test {
 protected:
  ReportWorld w;
  void SetUp() override {
    w.Send(RecordId::Identity, 1, "002");
    w.Send(RecordId::Identity, 2, "12345678");
    w.Send(RecordId::Desc, 1, "Conveyor 3 north    ");
    w.Send(RecordId::Desc, 2, "CV03    ");
  }
};

TEST_F(ReportHeader, EightLines) {
  const auto lines = Compose(SettingsFileVariant());
  ASSERT_GE(lines.size(), 8u);
  // clang-format off
  const std::vector<std::string> expected = {
      std::string(91, '-'),
      Padded(std::string(37, ' ') + "VUMA Settings"),
      Padded(std::string(38, ' ') + "File Rev : 02A"),
      Padded(" Date : 2024/05/17 Time : 14h05" + std::string(5, ' ') + "Serial Number : 12345678" +
             std::string(8, ' ') + "Revision : 0a"),
      Padded(std::string(35, ' ') + " Model : 050"),
      Padded(" Drive ID : CV03" + std::string(30, ' ') + "Drive Description : Conveyor 3 north"),
      std::string(91, '-'),
      std::string(91, ' '),
  };
  // clang-format on
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
}

TEST_F(ReportHeader, DateUsesTheProgramWideSeparatorAndTheClockOfTheMoment) {
  struct Case {
    char separator;
    TDateTime now;
    const char* date;
    const char* time;
    // clang-format off
  } const cases[] = {
      {'/', EncodeDate(2024, 5, 17) + EncodeTime(14, 5, 30, 0), "2024/05/17", "14h05"},
      {'-', EncodeDate(2024, 12, 1) + EncodeTime(0, 0, 0, 0), "2024-12-01", "00h00"},
      {'-', EncodeDate(2031, 1, 9) + EncodeTime(23, 59, 59, 999), "2031-01-09", "23h59"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.date);
    FormatSettings.DateSeparator = c.separator;
    w.SetClock(c.now);
    const std::string line = Compose(SettingsFileVariant())[3];
    EXPECT_EQ(line.substr(0, 31), std::string(" Date : ") + c.date + " Time : " + c.time);
  }
}

// A save at midnight: the clock passes into the next day between two readings. Date and time
// come from the same reading, never the old day's date with the new day's time.
TEST_F(ReportHeader, DateAndTimeFromOneReadingOfTheClock) {
  const TDateTime readings[] = {EncodeDate(2024, 12, 31) + EncodeTime(23, 59, 59, 999),
                                EncodeDate(2025, 1, 1) + EncodeTime(0, 0, 0, 0)};
  int calls = 0;
  SetNowProvider([&] { return readings[std::min(calls++, 1)]; });
  FormatSettings.DateSeparator = '/';
  const std::string line = Compose(SettingsFileVariant())[3];
  SetNowProvider(nullptr);
  EXPECT_EQ(line.substr(0, 31), " Date : 2024/12/31 Time : 23h59");
}

TEST_F(ReportHeader, ModelCodeFromTheIdentityRecord) {
  const std::pair<const char*, const char*> cases[] = {
      {"000", "005"}, {"001", "010"}, {"002", "050"}, {"003", "100"}, {"004", "300"},
      {"005", "005"}, {"007", "005"}, {"-01", "005"}, {"", "005"},    {"x1", "005"},
  };
  for (auto [cell, code] : cases) {
    SCOPED_TRACE(cell);
    w.Send(RecordId::Identity, 1, cell);
    EXPECT_EQ(Compose(SettingsFileVariant())[4], Padded(std::string(35, ' ') + " Model : " + code));
  }
}

// The revision at column 80: the identity record while the port is open or the revision box is
// too short; the box's two characters after "Rev " while the port is closed. The printout
// always takes the identity record.
TEST_F(ReportHeader, RevisionSource) {
  struct Case {
    bool open;
    const char* box;
    const char* fileRevision;
    const char* printRevision;
    // clang-format off
  } const cases[] = {
      {false, "", "3a", "3a"},        // never connected, no file read
      {false, "Rev 4e", "4e", "3a"},  // closed after a relay or a file reported 4e
      {false, "Rev 4", "3a", "3a"},   // too short to hold a revision
      {true, "Rev 4e", "3a", "3a"},   // open: the identity record
      {true, "", "3a", "3a"},
  };
  // clang-format on
  w.Send(RecordId::Identity, 3, "3a");
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.box) + (c.open ? " open" : " closed"));
    if (c.open && !w.f2().ComPort1.Connected()) w.Connect();
    if (!c.open && w.f2().ComPort1.Connected()) w.f2().ComPort1.Close();
    w.f1().mbSW_Rev.SetText(c.box);
    EXPECT_EQ(Compose(SettingsFileVariant())[3].substr(67, 14),
              std::string(" Revision : ") + c.fileRevision);
    EXPECT_EQ(Compose(PrintoutVariant())[3].substr(67, 14),
              std::string(" Revision : ") + c.printRevision);
  }
}

TEST(ReportHeaderFresh, RevisionAfterStartUpIsTheIdentityDefault) {
  ReportWorld w;
  EXPECT_EQ(Compose(SettingsFileVariant())[3].substr(79, 2), "0a");
  EXPECT_EQ(Compose(SettingsFileVariant())[4], Padded(std::string(35, ' ') + " Model : 005"));
}

// A full-length drive description ends at column 86; an over-long cell is cut at column 91.
TEST_F(ReportHeader, DriveLineColumns) {
  w.Send(RecordId::Desc, 1, "ABCDEFGHIJKLMNOPQRST");
  w.Send(RecordId::Desc, 2, "12345678");
  std::string line = Compose(SettingsFileVariant())[5];
  EXPECT_EQ(line.substr(0, 20), " Drive ID : 12345678");
  EXPECT_EQ(line.substr(45, 41), " Drive Description : ABCDEFGHIJKLMNOPQRST");
  EXPECT_EQ(line.substr(86), "     ");

  w.Send(RecordId::Desc, 1, std::string(30, 'D'));
  line = Compose(SettingsFileVariant())[5];
  ASSERT_EQ(line.size(), 91u);
  EXPECT_EQ(line.substr(66), std::string(25, 'D'));
}

// ---- "Settings" section ----

class SettingsSectionTest : public ::testing::Test {
 protected:
  ReportWorld w;
  void SetUp() override {
    // clang-format off
    const std::map<int, const char*> cells = {
        {2, "008"},    {3, "002"},    {4, "010"},    {5, "015"},    {6, "005"},    {7, "030"},
        {8, "005"},    {9, "181"},    {10, "078"},   {11, "00250"}, {12, "00500"}, {13, "001"},
        {14, "004"},   {15, "020"},   {16, "050"},   {17, "105"},   {18, "003"},   {19, "00450"},
        {20, "007"},   {21, "040"},   {22, "100"},   {23, "002"},   {24, "00100"}, {25, "00150"},
        {26, "00200"}, {27, "00250"}, {28, "00300"}, {29, "00350"}, {30, "01000"}, {31, "01500"},
        {32, "003"},   {33, "015"},   {34, "010"},   {35, "090"},   {36, "012"},   {37, "120"},
        {38, "-030"},  {39, "100"},   {40, "000"},   {41, "-020"},  {42, "050"},   {43, "000"},
        {44, "-005"},  {45, "021"},   {46, "000"},   {47, "001"},   {48, "002"},   {49, "003"},
        {50, "00150"}, {51, "005"},
    };
    // clang-format on
    for (auto [row, text] : cells) w.Setting(row, text);
    w.f1().mbSW_Rev.SetText("Rev 3a");
  }
  // Report lines from 9 up to the title of the section that follows (a line underlined with
  // "=" signs), or to the end: the "Settings" section with its closing blank lines.
  std::vector<std::string> Section(const ReportVariant& v = SettingsFileVariant()) {
    const auto lines = Compose(v);
    const size_t first = std::min<size_t>(8, lines.size());
    size_t end = first + 2;
    while (end + 1 < lines.size() && !(lines[end].find_first_not_of(' ') != std::string::npos &&
                                       lines[end + 1].rfind(" =", 0) == 0))
      ++end;
    if (end + 1 >= lines.size()) end = lines.size();
    return {lines.begin() + static_cast<std::ptrdiff_t>(first),
            lines.begin() + static_cast<std::ptrdiff_t>(end)};
  }
};

// Cntrl A 181 = bits 0, 2, 4, 5, 7; Cntrl B 078 = bits 1, 2, 3, 6; Cntrl C 105 = bits 0, 3, 5,
// 6; Cntrl D 021 = bits 0, 2, 4.
TEST_F(SettingsSectionTest, GoldenLines) {
  // clang-format off
  const std::vector<std::string> expected = {
      Padded(" Settings" + std::string(37, ' ') + "Features Selected"),
      Padded(" ========" + std::string(37, ' ') + std::string(17, '=')),
      Row("Max. load setting 01. :", "100 %", "IO expander connected :", "Connected"),
      Row("TC curve 01.......... :", "08 Sec", "FLED connected....... :", "Connected"),
      Row("Max. load setting 02. :", "090 %", "Relay 1 configuration :", "Maintrip"),
      Row("TC curve 02.......... :", "12 Sec", "Over voltage......... :", "Enabled"),
      Row("TC reset threshold... :", "50 %", "Under voltage........ :", "Disabled"),
      Row("Earth leakage T.Type. :", "IDMT", "Voltage symmetry..... :", "Disabled"),
      Row("Earth leak. T. level. :", "0250 mA", "Voltage phase rot.... :", "Disabled"),
      Row("Earth leak. T. delay. :", "0500 mSec", "Voltage rot sequence. :", "RWB"),
      Row("CT ratio............. :", "150:5", "Earth leakage........ :", "Enabled"),
      Row("Min. load reset delay :", "01 Hr ", "Insulation lockout... :", "Disabled"),
      Row("Min. load I T. level. :", "030 %", "Current unbalance.... :", "Enabled"),
      Row("Min. load P T. level. :", "040 %", "Short circuit........ :", "Enabled"),
      Row("Min. load startup del :", "020 Sec", "Single phase......... :", "Disabled"),
      Row("Min. load trip delay. :", "05 Sec", "Running stall........ :", "Enabled"),
      Row("Run-Stall trip level. :", "450 %", "Vectorial stall...... :", "Disabled"),
      Row("Run-Stall trip delay. :", "1500 mSec", "Fail safe............ :", "Enabled"),
      Row("Run-Stall hold delay. :", "002 Sec", "Thermal reset........ :", "Auto  "),
      Row("Unbalance trip level. :", "15 %", "Moving avarage filter :", "Disabled"),
      Row("Unbalance trip delay. :", "05 Sec", "Dynamic thermal calc. :", "Disabled"),
      Row("Voltage selection.... :", "400V", "Starts per hour sel.. :", "Enabled"),
      Row("Voltage high limit... :", "10 %", "Frequency monitoring. :", "Enabled"),
      Row("Voltage low limit.... :", "15 %", "Class F curve........ :", "Enabled"),
      Row("Volt. sym. trip level :", "010 %", "Minimum load......... :", "Enabled"),
      Row("Starts per hour...... :", "04", "Minimum load source.. :", "Power"),
      Row("Consecutive starts... :", "3", "Temperature 1........ :", "Enabled"),
      Row("Starter type......... :", "Star Delta", "Temperature 2........ :", "Disabled"),
      Row("Field input 1 delay.. :", "0100 mSec", "Temperature 3........ :", "Enabled"),
      Row("Field input 2 delay.. :", "0150 mSec", "Temperature 4........ :", "Disabled"),
      Row("Field input 3 delay.. :", "0200 mSec", "Temperature 1 type... :", "PT100"),
      Row("Field input 4 delay.. :", "0250 mSec", "Temperature 2 type... :", "PT1000"),
      Row("Field input 5 delay.. :", "0300 mSec", "Temperature 3 type... :", "PTC"),
      Row("Field input 6 delay.. :", "0350 mSec", "Temperature 4 type... :", "NTC"),
      Row("Field input 7 delay.. :", "1000 mSec", "", ""),
      Row("T1 high trip level... :", "120 DegC", "T1 low trip level.... :", "-020 DegC"),
      Row("T2 high trip level... :", "-030 DegC", "T2 low trip level.... :", "050 DegC"),
      Row("T3 high trip level... :", "100 DegC", "T3 low trip level.... :", "000 DegC"),
      Row("T4 high trip level... :", "000 DegC", "T4 low trip level.... :", "-005 DegC"),
      std::string(91, ' '),
  };
  // clang-format on
  const auto lines = Section();
  ASSERT_EQ(lines.size(), 40u);
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(lines[i], expected[i]) << "report line " << i + 9;
}

// Report lines 9 to 48 for the saved file; the printout closes the section with 22 blank lines.
TEST_F(SettingsSectionTest, ClosingBlanksFollowTheVariant) {
  EXPECT_EQ(Section(SettingsFileVariant()).size(), 40u);
  const auto printed = Section(PrintoutVariant());
  ASSERT_EQ(printed.size(), 39u + 22u);
  for (std::size_t i = 39; i < printed.size(); ++i)
    EXPECT_EQ(printed[i], std::string(91, ' ')) << i + 9;
  EXPECT_EQ(printed[38].substr(1, 23), "T4 high trip level... :");

  const std::string blank(91, ' ');
  const auto saved = Compose(SettingsFileVariant());
  ASSERT_GT(saved.size(), 48u);
  EXPECT_EQ(saved[47], blank);
  EXPECT_NE(saved[48], blank);  // the next section's title
  const auto printout = Compose(PrintoutVariant());
  ASSERT_GT(printout.size(), 8u + 39u + 22u);
  for (std::size_t i = 47; i < 8u + 39u + 22u; ++i) EXPECT_EQ(printout[i], blank) << i + 1;
  EXPECT_NE(printout[8 + 39 + 22], blank);
  EXPECT_EQ(printout[46].substr(1, 23), "T4 high trip level... :");
}

TEST_F(SettingsSectionTest, EveryLineIs91CharactersWhateverTheCells) {
  const char* odd[] = {
      "", "7", "x", "-", "99999999999", "1234567890123456789012345", "\xe9\xe9\xe9"};
  for (const char* text : odd) {
    SCOPED_TRACE(text);
    for (int row = 1; row <= 51; ++row) w.Setting(row, text);
    const auto lines = Section();
    ASSERT_EQ(lines.size(), 40u);
    for (const auto& line : lines) EXPECT_EQ(line.size(), 91u);
  }
}

// A cell that holds no number prints what the number 0 prints: never a failed save.
TEST_F(SettingsSectionTest, UnreadableNumbersCountAsZero) {
  for (int row : {3, 9, 10, 13, 17, 20, 32, 45, 46, 47, 48, 49, 50, 51}) w.Setting(row, "");
  w.Setting(50, "12a");
  const auto lines = Section();
  EXPECT_EQ(lines[2 + 8].substr(25, 21), Padded("0:0").substr(0, 21));
  EXPECT_EQ(lines[2 + 5].substr(25, 4), "INST");
  EXPECT_EQ(lines[2 + 9].substr(25, 6), "Manual");
  EXPECT_EQ(lines[2 + 19].substr(25, 4), "110V");
  EXPECT_EQ(lines[2 + 25].substr(25, 18), "Protection relay  ");
  EXPECT_EQ(lines[2 + 28].substr(70, 6), "PT100 ");
  EXPECT_EQ(lines[2 + 0].substr(70, 12), "Disconnected");
  EXPECT_EQ(lines[2 + 3].substr(70, 8), "Disabled");
}

// ---- One row at a time: value tables, slices, units ----

struct RowCase {
  int tableRow;                      // 1..37
  std::map<int, std::string> cells;  // settings grid row -> send-column text
  bool extended;
  bool right;            // the right field (71..91) rather than the left (26..46)
  std::string expected;  // the field, blank-padded to 21
};

TEST(SettingsRows, ValueTablesSlicesAndUnits) {
  // clang-format off
  const RowCase cases[] = {
      // Earth leakage trip type: low 8 bits, 1 is IDMT.
      {6, {{13, "000"}}, false, false, "INST"},
      {6, {{13, "001"}}, false, false, "IDMT"},
      {6, {{13, "002"}}, false, false, "INST"},
      {6, {{13, "257"}}, false, false, "IDMT"},
      // Minimum load reset time.
      {10, {{20, "000"}}, false, false, "Manual"},
      {10, {{20, "001"}}, false, false, "10 Sec"},
      {10, {{20, "009"}}, false, false, "06 Hr "},
      {10, {{20, "010"}}, false, false, "Manual"},
      {10, {{20, "-01"}}, false, false, "Manual"},
      // Voltage selection by revision.
      {20, {{3, "007"}}, false, false, "1k1V"},
      {20, {{3, "007"}}, true, false, "1100V"},
      {20, {{3, "010"}}, false, false, "11kV"},
      {20, {{3, "011"}}, false, false, "110V"},
      {20, {{3, "011"}}, true, false, "120V"},
      {20, {{3, "008"}}, true, false, "3k3 / 110V"},
      {20, {{3, "025"}}, true, false, "1050V"},
      {20, {{3, "026"}}, true, false, "110V"},
      {20, {{3, "-01"}}, true, false, "110V"},
      // Starter type: 18 characters, two cut short.
      {26, {{32, "000"}}, false, false, "Protection relay"},
      {26, {{32, "008"}}, false, false, "Pole change revers"},
      {26, {{32, "010"}}, false, false, "Soft starter rever"},
      {26, {{32, "011"}}, false, false, "OCBD starter"},
      {26, {{32, "012"}}, false, false, "Protection relay"},
      // Temperature type: low 8 bits.
      {29, {{46, "002"}}, false, true, "PTC"},
      {29, {{46, "004"}}, false, true, "PT100"},
      {32, {{49, "259"}}, false, true, "NTC"},
      // CT ratio: plain numbers.
      {9, {{50, "01000"}, {51, "005"}}, false, false, "1000:5"},
      {9, {{50, "00005"}, {51, "001"}}, false, false, "5:1"},
      // Slices of short cells give fewer characters; the unit stays at its column.
      {2, {{2, "7"}}, false, false, "   Sec"},
      {25, {{18, "12"}}, false, false, ""},
      {15, {{19, "01200"}}, false, false, "200 %"},
      // Temperature levels: unit one blank after up to 3 characters, else one column further.
      {34, {{37, "120"}}, false, false, "120 DegC"},
      {34, {{37, "-030"}}, false, false, "-030 DegC"},
      {34, {{37, "5"}}, false, false, "5   DegC"},
      {34, {{41, "120"}}, false, true, "120 DegC"},
      {34, {{41, "-030"}}, false, true, "-030 DegC"},
      // Switch words from the control bytes (low 8 bits).
      {4, {{9, "255"}}, false, true, "Enabled"},
      {4, {{9, "251"}}, false, true, "Disabled"},
      {4, {{9, "260"}}, false, true, "Enabled"},
      {8, {{17, "002"}}, false, true, "BWR"},
      {17, {{17, "000"}}, false, true, "Manual"},
      {24, {{10, "000"}}, false, true, "Load"},
      {24, {{10, "004"}}, false, true, "Power"},
      {3, {{17, "016"}}, false, true, "Config"},
  };
  // clang-format on
  for (const RowCase& c : cases) {
    SCOPED_TRACE("row " + std::to_string(c.tableRow) + " cell " + c.cells.begin()->second +
                 (c.extended ? " extended" : ""));
    const auto cell = [&c](int row) {
      const auto it = c.cells.find(row);
      return it == c.cells.end() ? std::string("000") : it->second;
    };
    const std::string line = ComposeSettingsRow(kSettingsRows[c.tableRow - 1], cell, c.extended);
    ASSERT_EQ(line.size(), 91u);
    std::string expected = c.expected;
    expected.resize(21, ' ');
    EXPECT_EQ(line.substr(c.right ? 70 : 25, 21), expected);
  }
}

// Control byte A = 255 enables all eight rows that read it; C = 0 gives the clear words.
TEST(SettingsRows, ControlBytesAllSetAndAllClear) {
  const auto byteCells = [](const char* a, const char* c) {
    return [a, c](int row) { return std::string(row == 9 ? a : row == 17 ? c : "000"); };
  };
  std::vector<std::string> rightA, rightC;
  for (const SettingsRow& row : kSettingsRows) {
    if (row.rightValue.show != SettingShow::Bit) continue;
    const std::string line = ComposeSettingsRow(row, byteCells("255", "000"), false);
    const std::string field = line.substr(70);
    if (row.rightValue.row == 9) rightA.push_back(field.substr(0, field.find_last_not_of(' ') + 1));
    if (row.rightValue.row == 17)
      rightC.push_back(field.substr(0, field.find_last_not_of(' ') + 1));
  }
  EXPECT_EQ(rightA, std::vector<std::string>(8, "Enabled"));
  EXPECT_EQ(rightC, (std::vector<std::string>{"Disconnected", "Disconnected", "Maintrip", "RWB",
                                              "Disabled", "Manual", "Disabled"}));
}

// Every label is 23 characters, so every value starts at its column.
TEST(SettingsRows, LabelsFitTheirColumns) {
  for (const SettingsRow& row : kSettingsRows) {
    EXPECT_EQ(row.left.size(), 23u) << row.left;
    if (!row.right.empty()) {
      EXPECT_EQ(row.right.size(), 23u) << row.right;
    }
  }
}

// The extended revision test reads the revision box: ordinal, case-sensitive, not "Rev 00".
TEST(SettingsRows, VoltageTextFollowsTheRevisionBox) {
  ReportWorld w;
  w.Setting(3, "011");
  const std::pair<const char*, const char*> cases[] = {
      {"Rev 4e", "120V"}, {"Rev 5a", "120V"}, {"Rev 4d", "110V"},
      {"Rev 00", "110V"}, {"Rev 4E", "110V"}, {"", "110V"},
  };
  for (auto [box, text] : cases) {
    SCOPED_TRACE(box);
    w.f1().mbSW_Rev.SetText(box);
    EXPECT_EQ(Compose(SettingsFileVariant())[8 + 21].substr(25, 4), text);
  }
}

}  // namespace

// The "Statistical Data", "Bluetooth Settings" and "Calibrations" sections, line by line as the
// saved file holds them.
#include <gtest/gtest.h>

#include "report/SettingsReport.h"
#include "support/ReportWorld.h"

using wire::RecordId;

namespace {

std::string Padded(std::string s) {
  s.resize(91, ' ');
  return s;
}

// The lines from the section's title on, `count` of them.
std::vector<std::string> SectionLines(const std::string& title, size_t count) {
  TStringList out;
  ComposeSettingsReport(out, SettingsFileVariant());
  const auto lines = out.Lines();
  for (size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i] != Padded(" " + title)) continue;
    if (i + count > lines.size()) break;
    return {lines.begin() + static_cast<std::ptrdiff_t>(i),
            lines.begin() + static_cast<std::ptrdiff_t>(i + count)};
  }
  ADD_FAILURE() << "no section " << title;
  return {};
}

}  // namespace

TEST(StatisticsSections, StatisticalDataLines) {
  ReportWorld w;
  const std::pair<int, const char*> cells[] = {{1, "00012"}, {2, "00003"},  {3, "01000"},
                                               {4, "02000"}, {15, "00100"}, {16, "00200"},
                                               {17, "00300"}};
  for (auto [row, text] : cells) w.Send(RecordId::Statistics, row, text);
  const std::string rule = Padded(" " + std::string(71, '-'));
  const std::string sep =
      Padded(" |------------------|---------------|------------------|---------------|");
  // clang-format off
  const std::vector<std::string> expected = {
      Padded(" Statistical Data"),
      Padded(" ================"),
      rule,
      Padded(" | Counter          |               | Counter          |               |"),
      sep,
      Padded(" | Startup          | 00012         | Relay On Hour    | 02000         |"),
      sep,
      Padded(" | Trip             | 00003         | App Pow Consmp   | 00100         |"),
      sep,
      Padded(" | Motor Run Hour   | 01000         | Real Pow Consmp  | 00200         |"),
      sep,
      Padded(" | Motor Run @ Load | 00300         |                  |               |"),
      rule,
      Padded(""),
  };
  // clang-format on
  EXPECT_EQ(SectionLines("Statistical Data", 14), expected);
}

TEST(StatisticsSections, BluetoothLines) {
  ReportWorld w;
  w.Send(RecordId::Bluetooth, 1, "12  ");
  const std::string rule = Padded(" " + std::string(46, '-'));
  // clang-format off
  const std::vector<std::string> expected = {
      Padded(" Bluetooth Settings"),
      Padded(" ===================="),
      rule,
      Padded(" | Bluetooth Parameter  |                     |"),
      Padded(" |----------------------|---------------------|"),
      Padded(" | Pin Code             |  12                 |"),
      rule,
      Padded(""),
  };
  // clang-format on
  EXPECT_EQ(SectionLines("Bluetooth Settings", 8), expected);
}

TEST(StatisticsSections, CalibrationLines) {
  ReportWorld w;
  const char* cells[] = {"101", "102",  "103", "081", "082", "083", "095", "058", "042",
                         "001", "-005", "000", "001", "002", "003", "004", "005", "020"};
  for (int row = 1; row <= 18; ++row) w.Send(RecordId::Calibration, row, cells[row - 1]);
  const auto lines = SectionLines("Calibrations", 42);
  ASSERT_EQ(lines.size(), 42u);
  const std::string sep = Padded(" |-----------------------|--------------------|");
  EXPECT_EQ(lines[1], Padded(" ============"));
  EXPECT_EQ(lines[3], Padded(" | Calibration Parameter |                    |"));
  struct Row {
    size_t line;
    const char* text;
    // clang-format off
  } rows[] = {
      {5, " | Current red           | 081                |"},
      {11, " | Voltage red           | 101                |"},
      {17, " | Earth leakage         | 095                |"},
      {19, " | Supply frequency      | 60 Hz              |"},
      {21, " | Frequency high limit  | 58 Hz              |"},
      {23, " | Frequency low limit   | 42 Hz              |"},
      {25, " | Temp 1 PT100          | -005               |"},
      {39, " | Temp 4 PT1000         | 020                |"},
  };
  // clang-format on
  for (const Row& r : rows) EXPECT_EQ(lines[r.line], Padded(r.text)) << r.line;
  for (size_t i = 6; i <= 38; i += 2) EXPECT_EQ(lines[i], sep) << i;
  EXPECT_EQ(lines[40], Padded(" " + std::string(46, '-')));
  EXPECT_EQ(lines[41], Padded(""));
}

TEST(StatisticsSections, FrequencySelectionOtherThanOnePrintsFifty) {
  for (const char* cell : {"000", "002", "x"}) {
    ReportWorld w;
    w.Send(RecordId::Calibration, 10, cell);
    EXPECT_EQ(SectionLines("Calibrations", 42).at(19).substr(27, 5), "50 Hz") << cell;
  }
}

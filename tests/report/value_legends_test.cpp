// The value legends that close the saved settings file, line by line as the file holds them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/SettingsReport.h"
#include "support/ReportWorld.h"

namespace {

using Lines = std::vector<std::string>;
using wire::RecordId;

// A legend line: the text at column 2, blanks up to 91 characters.
std::string L(const std::string& text) {
  std::string s = " " + text;
  s.resize(91, ' ');
  return s;
}

Lines SavedReport() {
  TStringList out;
  ComposeSettingsReport(out, SettingsFileVariant());
  return out.Lines();
}

Lines LastLines(const Lines& lines, size_t n) {
  if (lines.size() < n) return {};
  return {lines.end() - static_cast<std::ptrdiff_t>(n), lines.end()};
}

// The index of a section title's line, or -1.
int TitleAt(const Lines& lines, const std::string& title) {
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i] == L(title)) return static_cast<int>(i);
  return -1;
}

constexpr size_t kLegendLines = 304;

TEST(ValueLegends, WordLegendsLineByLine) {
  ReportWorld w;
  const Lines legends = LastLines(SavedReport(), kLegendLines);
  ASSERT_EQ(legends.size(), kLegendLines);
  // clang-format off
  const Lines expected = {
      L("IO and FLED Connection"), L("======================"), L("Connected"), L("Disconnected"), L(""),
      L("Relay 1 configuration"), L("====================="), L("Maintrip"), L("Config"), L(""),
      L("Voltage sequence"), L("================"), L("RWB"), L("BWR"), L(""),
      L("Thermal Reset"), L("============="), L("Manual"), L("Auto"), L(""),
      L("Minimum load source"), L("==================="), L("Load"), L("Power"), L(""),
      L("Other configuration"), L("==================="), L("Enabled"), L("Disabled"), L(""),
      L("Minimum load reset times"), L("========================"),
      L("Manual"), L("10 Sec"), L("05 Min"), L("10 Min"), L("20 Min"), L("30 Min"), L("45 Min"),
      L("01 Hr"), L("03 Hr"), L("06 Hr"), L(""),
      L("Voltage selections"), L("=================="),
      L("110V"), L("380V"), L("400V"), L("525V"), L("550V"), L("680V"), L("950V"), L("1k1V"),
      L("3k3V"), L("6k6V"), L("11kV"), L(""),
      L("Starter types"), L("============="),
      L("Protection relay"), L("Direct online"), L("DOL reverse"), L("Star Delta"),
      L("Star Delta reverse"), L("Dahlander"), L("Dahlander reverse"), L("Pole change"),
      L("Pole change revers"), L("Soft starter"), L("Soft starter rever"), L("OCBD starter"), L(""),
  };
  // clang-format on
  ASSERT_EQ(expected.size(), 72u);
  for (size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(legends[i], expected[i]) << "legend line " << i;
}

// The three signal legends list every name of their table in code order; a few lines of each
// pin the order, the blank lines between them and the end of the file.
TEST(ValueLegends, SignalLegendsLineByLine) {
  ReportWorld w;
  const Lines legends = LastLines(SavedReport(), kLegendLines);
  ASSERT_EQ(legends.size(), kLegendLines);
  // clang-format off
  const std::vector<std::pair<size_t, std::string>> expected = {
      {72, L("Logic function table")}, {73, L("====================")},
      {74, L("Zero ('0')")}, {75, L("One ('1')")}, {120, L("! Timer_A")}, {122, L("! Timer_A (m/s)")},
      {182, L("DC BrakingF")}, {193, L("Latch")}, {194, L("TC_WarnHi")}, {203, L("MainTrip")},
      {204, L("!MainTrip")}, {205, L("")},
      {206, L("ESTOP, Ext. Reset, Feedback and Starter input signal")}, {207, L(std::string(52, '='))},
      {208, L("Zero ('0')")}, {210, L("InService")}, {211, L("Timer_A")}, {236, L("! LogicFunc_6")},
      {237, L("DigFldInput_1")}, {252, L("PLC_Input_1")}, {267, L("PLC_Input_16")}, {268, L("")},
      {269, L("MSB and LSB")}, {270, L("===========")},
      {271, L("Zero ('0')")}, {272, L("One ('1')")}, {273, L("DigFldInput_1")}, {287, L("DigFldInput_15")},
      {288, L("PLC_Input_1")}, {303, L("PLC_Input_16")},
  };
  // clang-format on
  for (const auto& [at, line] : expected) EXPECT_EQ(legends[at], line) << "legend line " << at;
  for (const std::string& line : legends) EXPECT_EQ(line.size(), 91u);
}

// The legends follow the blank line that ends "Calibrations" and are the same 304 lines whatever
// the revision and the values; the voltage legend keeps its eleven names even where the extended
// revision's Settings section shows a selection it does not name. The file is 604 lines plus the
// communication module section's (8 with no module type: 612).
TEST(ValueLegends, CloseTheFileWhateverTheRelay) {
  Lines reference;
  for (const char* revision : {"Rev 3b", "Rev 4e"}) {
    SCOPED_TRACE(revision);
    ReportWorld w;
    w.f1().mbSW_Rev.SetText(revision);
    w.Setting(3, "007");
    w.Setting(17, "255");
    const Lines lines = SavedReport();
    ASSERT_GT(lines.size(), kLegendLines);
    const int calibrations = TitleAt(lines, "Calibrations");
    ASSERT_GT(calibrations, 0);
    EXPECT_EQ(lines.size(), static_cast<size_t>(calibrations) + 42 + kLegendLines);
    EXPECT_EQ(lines[lines.size() - kLegendLines - 1], L(""));

    const int comms = TitleAt(lines, "Communication Module");
    const size_t c =
        comms < 0 ? 0 : static_cast<size_t>(TitleAt(lines, "Bluetooth Settings") - comms);
    EXPECT_EQ(c, 8u);
    EXPECT_EQ(lines.size(), 612u);

    const Lines legends = LastLines(lines, kLegendLines);
    if (reference.empty()) reference = legends;
    EXPECT_EQ(legends, reference);
    EXPECT_EQ(lines.back(), L("PLC_Input_16"));
    const std::string voltage = std::string(revision) == "Rev 4e" ? "1100V" : "1k1V";
    EXPECT_EQ(lines[29].substr(1, 24 + voltage.size()), "Voltage selection.... : " + voltage);
  }
}

TEST(ValueLegends, NotInThePrintout) {
  ReportWorld w;
  TStringList printed;
  ComposeSettingsReport(printed, PrintoutVariant());
  for (const std::string& line : printed.Lines()) {
    EXPECT_NE(line, L("IO and FLED Connection"));
    EXPECT_NE(line, L("PLC_Input_16"));
  }
}

}  // namespace

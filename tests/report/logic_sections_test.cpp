// The sections of the logic record in the settings report: each section's lines for a few values
// checked by hand against the report's column rules, and the report's line numbers of the
// sections' titles.
#include <gtest/gtest.h>

#include <functional>

#include "report/LogicSections.h"
#include "report/ReportLine.h"
#include "report/SettingsReport.h"
#include "support/ReportWorld.h"

using wire::RecordId;

namespace {

using Lines = std::vector<std::string>;

std::string Pad(std::string s) {
  s.resize(91, ' ');
  return s;
}

Lines Padded(const Lines& lines) {
  Lines out;
  for (const auto& l : lines) out.push_back(Pad(l));
  return out;
}

struct SectionCase {
  const char* name;
  void (*compose)(TStringList&);
  std::vector<std::pair<int, std::string>> cells;  // logic grid row, send-column text
  Lines lines;
};

}  // namespace

TEST(LogicSections, EachSectionsLinesForHandCheckedValues) {
  using namespace report;
  // clang-format off
  const std::vector<SectionCase> cases = {
      {"timers: limit without its first digit, code 300 as 44, 131 as entry 0", ComposeTimers,
       {{25, "03000"}, {26, "045"}, {27, "000"}, {28, "00001"}, {29, "300"}, {30, "131"}},
       {" -------------------------------------------------------------",
        " |Timer   | Start          | Reset          | Limit (Sec)    |",
        " |--------|----------------|----------------|----------------|",
        " |Timer A |Timer_A         |Zero ('0')      | 3000           |",
        " |--------|----------------|----------------|----------------|",
        " |Timer B |SystemFail_tf   |Zero ('0')      | 0001           |",
        " -------------------------------------------------------------"}},
      {"counters: limit as its cell", ComposeCounters,
       {{39, "250"}, {40, "001"}, {41, "045"}, {42, "300"}, {43, "001"}},
       {" -----------------------------------------------------------------------",
        " |Counter   | Count Up       | Count Down     | Reset          | Limit |",
        " |----------|----------------|----------------|----------------|-------|",
        " |Counter A |One ('1')       |Timer_A         |SystemFail_tf   | 250   |",
        " |----------|----------------|----------------|----------------|-------|",
        " |Counter B |Zero ('0')      |Zero ('0')      |Zero ('0')      | 001   |",
        " -----------------------------------------------------------------------"}},
      {"latch", ComposeLatch, {{50, "118"}, {51, "119"}},
       {" ----------------------------------------------",
        " |          | Set            | Reset          |",
        " |----------|----------------|----------------|",
        " |Latch     |StatusReporter  |Latch           |",
        " ----------------------------------------------"}},
      {"pulse generator: numbers one column right of their titles", ComposePulseGenerator,
       {{47, "116"}, {48, "00250"}, {49, "050"}},
       {" ---------------------------------------------------------------",
        " |          | Input Signal   | Period (Min)   | Duty Cycle (%) |",
        " |----------|----------------|----------------|----------------|",
        " |Pulse Gen |Pulse_Gen       | 00250          | 050            |",
        " ---------------------------------------------------------------"}},
      {"clock window 08:30 to 23:59", ComposeRealTimeClock,
       {{31, "008"}, {32, "030"}, {33, "023"}, {34, "059"}},
       {" ----------------------",
        " |            | Time  |",
        " |------------|-------|",
        " | Start Time | 08h30 |",
        " |------------|-------|",
        " | Stop Time  | 23h59 |",
        " ----------------------"}},
      {"thermal capacity warning of 100", ComposeTCHighWarning, {{53, "100"}},
       {" ------------------", " |          | (%) |", " |----------|-----|", " | TC Level | 100 |",
        " ------------------"}},
      {"external reset by table 03", ComposeExternalReset, {{52, "059"}},
       {" --------------------------------", " |             | Input Signal   |",
        " |-------------|----------------|", " | Ext Rst Inp |PLC_Input_16    |",
        " --------------------------------"}},
      {"emergency stop by table 03", ComposeEmergencyStop, {{66, "003"}},
       {" --------------------------------", " |             | Input Signal   |",
        " |-------------|----------------|", " | ESTOP Input |Timer_A         |",
        " --------------------------------"}},
      {"relays 5 to 8 beside 1 to 4", ComposeRelays,
       {{35, "001"}, {38, "130"}, {54, "129"}, {57, "300"}},
       {" ---------------------------------------------------------------",
        " | Relay       | Input Signal   | Relay       | Input Signal   |",
        " |-------------|----------------|-------------|----------------|",
        " | Relay 1     |One ('1')       | Relay 5     |MainTrip        |",
        " |-------------|----------------|-------------|----------------|",
        " | Relay 2     |Zero ('0')      | Relay 6     |Zero ('0')      |",
        " |-------------|----------------|-------------|----------------|",
        " | Relay 3     |Zero ('0')      | Relay 7     |Zero ('0')      |",
        " |-------------|----------------|-------------|----------------|",
        " | Relay 4     |!MainTrip       | Relay 8     |SystemFail_tf   |",
        " ---------------------------------------------------------------"}},
      {"temperature levels, negative ones with their sign", ComposeTemperatureWarnings,
       {{58, "040"}, {59, "-008"}, {60, "220"}, {61, "-030"}},
       {" ---------------------------------------------",
        " |               | High (DegC) | Low (DegC)  |",
        " |---------------|-------------|-------------|",
        " | Temperature 1 | 040         | -008        |",
        " |---------------|-------------|-------------|",
        " | Temperature 2 | 220         | -030        |",
        " |---------------|-------------|-------------|",
        " | Temperature 3 | 000         | 000         |",
        " |---------------|-------------|-------------|",
        " | Temperature 4 | 000         | 000         |",
        " ---------------------------------------------"}},
      // T1 105 (bits 0, 3, 5, 6), T2 255, T3 0, T4 300 (44: bits 2, 3, 5), T5 1, T6 128.
      {"logic tables", ComposeLogicTables,
       {{1, "105"}, {5, "255"}, {13, "300"}, {17, "001"}, {21, "128"},
        {6, "045"}, {7, "046"}, {8, "300"}, {22, "001"}, {23, "130"}, {24, "131"}},
       {" ------- ------------------- ----------------------------------------------------------",
        " |A|B|C| |T1|T2|T3|T4|T5|T6| |TABLE|Input A         |Input B         |Input C         |",
        " |-|-|-| |--|--|--|--|--|--| |-----|----------------|----------------|----------------|",
        " |0|0|0| |1 |1 |0 |0 |1 |0 | | T1  |Zero ('0')      |Zero ('0')      |Zero ('0')      |",
        " |-|-|-| |--|--|--|--|--|--| |-----|----------------|----------------|----------------|",
        " |0|0|1| |0 |1 |0 |0 |0 |0 | | T2  |Timer_A         |! Timer_A       |SystemFail_tf   |",
        " |-|-|-| |--|--|--|--|--|--| |-----|----------------|----------------|----------------|",
        " |0|1|0| |0 |1 |0 |1 |0 |0 | | T3  |Zero ('0')      |Zero ('0')      |Zero ('0')      |",
        " |-|-|-| |--|--|--|--|--|--| |-----|----------------|----------------|----------------|",
        " |0|1|1| |1 |1 |0 |1 |0 |0 | | T4  |Zero ('0')      |Zero ('0')      |Zero ('0')      |",
        " |-|-|-| |--|--|--|--|--|--| |-----|----------------|----------------|----------------|",
        " |1|0|0| |0 |1 |0 |0 |0 |0 | | T5  |Zero ('0')      |Zero ('0')      |Zero ('0')      |",
        " |-|-|-| |--|--|--|--|--|--| |-----|----------------|----------------|----------------|",
        " |1|0|1| |1 |1 |0 |1 |0 |0 | | T6  |One ('1')       |!MainTrip       |Zero ('0')      |",
        " |-|-|-| |--|--|--|--|--|--| ----------------------------------------------------------",
        " |1|1|0| |1 |1 |0 |0 |0 |0 |",
        " |-|-|-| |--|--|--|--|--|--|",
        " |1|1|1| |0 |1 |0 |0 |0 |1 |",
        " ------- -------------------"}},
  };
  // clang-format on
  for (const SectionCase& c : cases) {
    SCOPED_TRACE(c.name);
    ReportWorld w;
    for (const auto& [row, text] : c.cells) w.Send(RecordId::Logic, row, text);
    TStringList out;
    c.compose(out);
    EXPECT_EQ(out.Lines(), Padded(c.lines));
  }
}

// With a fresh variable table the sections still have all their lines: masks all "0 |", names
// entry 0 and clock pairs 00h00. In the report they are lines 49 to 168, each title underlined.
TEST(LogicSections, FreshTableGivesEverySectionAtItsReportLines) {
  ReportWorld w;
  TStringList out;
  ComposeSettingsReport(out, SettingsFileVariant());
  const std::vector<std::pair<int, std::string>> titles = {{49, "Logic Tables"},
                                                           {71, "Timers"},
                                                           {81, "Counters"},
                                                           {91, "Latch"},
                                                           {99, "Pulse Generator"},
                                                           {107, "Real Time Clock"},
                                                           {117, "TC High Warning"},
                                                           {125, "External Reset"},
                                                           {133, "Emergency Stop"},
                                                           {141, "Relays"},
                                                           {155, "Temperature Warning Levels"}};
  for (const auto& [line, title] : titles) {
    SCOPED_TRACE(title);
    ASSERT_GE(out.Count(), line + 1);
    EXPECT_EQ(out[line - 1], Pad(" " + title));
    EXPECT_EQ(out[line], Pad(" " + std::string(title.size(), '=')));
  }
  ASSERT_GE(out.Count(), 168);
  EXPECT_EQ(out[168 - 1], std::string(91, ' '));
  EXPECT_EQ(out[53], Pad(" |0|0|0| |0 |0 |0 |0 |0 |0 | | T1  |Zero ('0')      |Zero ('0')      "
                         "|Zero ('0')      |"));
  EXPECT_EQ(out[111], Pad(" | Start Time | 00h00 |"));
  for (int i = 48; i < 168; ++i) EXPECT_EQ(out[i].size(), 91u) << i;
}

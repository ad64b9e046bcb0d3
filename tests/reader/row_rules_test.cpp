// The row engine's rules that no Settings row uses: site-mode rows and table rows with a least
// line length; and the section finder on titles at the file's edges.
#include <gtest/gtest.h>

#include "reader/ReaderWorld.h"
#include "reader/SettingsReader.h"

namespace {

reader::RowSpec TableRow(bool siteMode, int minTrimmed) {
  reader::RowSpec row{};
  row.label = "|Timer A |";
  row.kind = reader::RowKind::Number;
  row.maxLength = 3;
  row.control = +[](TForm1& f) -> TControl& { return f.seMLC; };
  row.handler = &TForm1::seMLCChange;
  row.defaultValue = 30;
  row.outOfRange = "Timer A out of range %0:s setting value changed to %1:0.3d.";
  row.notFound = "Timer A not found. Setting value changed to %0:0.3d.";
  row.siteMode = siteMode;
  row.minTrimmed = minTrimmed;
  return row;
}

struct RuleCase {
  const char* name;
  bool siteMode, siteModeOn;
  int minTrimmed;
  std::vector<std::string> lines;
  std::vector<std::string> log;
  int value;
};

TEST(RowRules, SiteModeAndLeastLineLength) {
  // clang-format off
  const std::vector<RuleCase> cases = {
      {"found", false, false, 0, {"x", "|Timer A | 045"}, {}, 45},
      {"site row outside site mode: nothing", true, false, 0, {"|Timer A | 045"}, {}, 55},
      {"site row in site mode", true, true, 0, {"|Timer A | 045"}, {}, 45},
      {"line too short: not found, no later line", false, false, 20,
       {"|Timer A | 045", "|Timer A | 046              |"},
       {"Timer A not found. Setting value changed to 030."}, 30},
      {"line long enough", false, false, 14, {"|Timer A | 045"}, {}, 45},
      {"outside the range", false, false, 0, {"a", "b", "c", "|Timer A | 045"},
       {"Timer A not found. Setting value changed to 030."}, 30},
  };
  // clang-format on
  for (const RuleCase& c : cases) {
    SCOPED_TRACE(c.name);
    ReaderWorld w;
    w.f1().SiteModeActive = c.siteModeOn;
    TStringList lines, log;
    for (const auto& l : c.lines) lines.Add(l);
    reader::ReadContext ctx{w.f1(), lines, log};
    ctx.from = 0;
    ctx.to = std::min(lines.Count(), 3);
    reader::ReadRow(ctx, TableRow(c.siteMode, c.minTrimmed));
    EXPECT_EQ(log.Lines(), c.log);
    EXPECT_EQ(ctx.logged, static_cast<int>(c.log.size()));
    EXPECT_EQ(w.f1().seMLC.Value(), c.value);
  }
}

TEST(SectionFinder, TitlesAtTheEdges) {
  TStringList lines;
  lines.Add(" Settings");  // line 0: found there, but a section at line 0 counts as missing
  lines.Add(" ========");
  lines.Add(" Timers");
  lines.Add(" ======");
  lines.Add(" Latch");  // in the last two lines: never found
  lines.Add(" =====");
  const auto index = reader::FindSections(lines);
  EXPECT_EQ(index[0], 0);
  EXPECT_EQ(index[2], 2);
  EXPECT_EQ(index[4], 4);  // Count - 2
  TStringList empty;
  EXPECT_EQ(reader::FindSections(empty)[0], -2);
}

}  // namespace

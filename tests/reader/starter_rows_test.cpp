// The starter and external module rows of the settings file reader: a saved page reads back to
// the same send column, and each row rule with the log lines it gives.
#include <gtest/gtest.h>

#include <functional>

#include "editors/SettingsEditors.h"
#include "reader/ReaderWorld.h"

using Lines = std::vector<std::string>;
using wire::RecordId;

namespace {

// Overwrites the characters `offset` places after the label's end on the label's first line.
void Put(Lines& lines, const std::string& label, int offset, const std::string& text) {
  for (std::string& l : lines) {
    const size_t p = l.find(label);
    if (p == std::string::npos) continue;
    l.replace(static_cast<size_t>(static_cast<int>(p + label.size()) + offset), text.size(), text);
    return;
  }
  FAIL() << "no line with " << label;
}

Lines SendColumns(ReaderWorld& w) {
  Lines out;
  for (int row = 1; row <= 30; ++row) out.push_back(w.vt().Grid(RecordId::StartConf).Cell(2, row));
  for (int row = 1; row <= 8; ++row) out.push_back(w.vt().Grid(RecordId::ExtMod).Cell(2, row));
  return out;
}

// Every starter and external module editor away from the baseline: first item, lowest value.
void ResetPages(TForm1& f) {
  for (std::span<const editors::settings::EditorSpec> table :
       {editors::settings::StarterEditors(), editors::settings::ExtModuleEditors()})
    for (const editors::settings::EditorSpec& e : table) {
      TControl& c = e.Control(f);
      if (auto* cb = dynamic_cast<TComboBox*>(&c)) cb->SetItemIndex(0);
      if (auto* se = dynamic_cast<TSpinEdit*>(&c)) se->SetValue(se->MinValue());
      f.SettingChange(c);
    }
}

// The log without the missing-section lines of the sections the writer does not compose.
Lines RowLines(const Lines& log) {
  const Lines missing = MissingSectionLines();
  Lines out;
  for (const std::string& l : log)
    if (std::find(missing.begin(), missing.end(), l) == missing.end()) out.push_back(l);
  return out;
}

}  // namespace

// The writer's lines padded to a full report's length (the fixture of the row tests): the
// reader takes a shorter file for no report while the writer composes only some sections.
TEST(StarterRows, SavedPagesReadBackToTheSameSendColumns) {
  ReaderWorld w;
  const Lines file = w.Baseline();
  const Lines before = SendColumns(w);
  ResetPages(w.f1());
  ASSERT_NE(SendColumns(w), before);
  EXPECT_EQ(w.Read(file), MissingSectionLines());
  const Lines after = SendColumns(w);
  for (size_t i = 0; i < before.size(); ++i)
    EXPECT_EQ(after[i], before[i])
        << (i < 30 ? "starter row " : "external row ") << (i < 30 ? i + 1 : i - 29);
}

TEST(StarterRows, RowRulesAndTheirLogLines) {
  const struct {
    const char* name;
    std::function<void(Lines&)> edit;
    Lines log;
    std::function<int(TForm1&)> value;
    int expected;
    RecordId grid;
    int row;
    const char* cell;
    // clang-format off
  } cases[] = {
      {"feedback 0230 rounds down", [](Lines& l) { Put(l, "| Feedback      |", 0, " 0230 mSec "); },
       {"Feedback timer 0230 not a increment of 50 setting value changed to 0200."},
       [](TForm1& f) { return f.seFeedbackTime.Value(); }, 200, RecordId::StartConf, 23, "00200"},
      {"input 12 delay 0125", [](Lines& l) { Put(l, "| Input 12      |", 0, " 0125 mSec    "); },
       {"External input 12 delay timer 0125 not a increment of 50 setting value changed to 0100."},
       [](TForm1& f) { return f.seDF_DelTime_12.Value(); }, 100, RecordId::ExtMod, 5, "00100"},
      {"feedback above its limit", [](Lines& l) { Put(l, "| Feedback      |", 0, " 2100 mSec "); },
       {"Feedback timer out of range 2100 setting value changed to 0500."},
       [](TForm1& f) { return f.seFeedbackTime.Value(); }, 500, RecordId::StartConf, 23, "00500"},
      {"star maximum below its limit", [](Lines& l) { Put(l, "| Star Maximum  |", 0, " 00 Sec    "); },
       {"Star maximum timer out of range 00 setting value changed to 01."},
       [](TForm1& f) { return f.seStarMaxTime.Value(); }, 1, RecordId::StartConf, 27, "001"},
      {"execution with three digits", [](Lines& l) { Put(l, "| Execution     |", 0, " 100 Sec   "); },
       {"Execution timer out of range 100 setting value changed to 01."},
       [](TForm1& f) { return f.seExecTime.Value(); }, 1, RecordId::StartConf, 22, "001"},
      {"pre-warning with an inner blank", [](Lines& l) { Put(l, "| Pre Warning   |", 0, " 6 0 Sec   "); },
       {"Pre start warning timer out of range 6 0 setting value changed to 00."},
       [](TForm1& f) { return f.sePreWarnTime.Value(); }, 0, RecordId::StartConf, 21, "00000"},
      {"external input 8 not a number", [](Lines& l) { Put(l, "| Input 8       |", 0, " abcd mSec    "); },
       {"External input 8 delay timer out of range  setting value changed to 0000."},
       [](TForm1& f) { return f.seDF_DelTime_8.Value(); }, 0, RecordId::ExtMod, 1, "00000"},
      {"names match whatever their case", [](Lines& l) { Put(l, "| Start >>      |", 0, "digfldinput_3   "); },
       {}, [](TForm1& f) { return f.cbLocStart_Ff.ItemIndex(); }, 31, RecordId::StartConf, 3, "031"},
      {"unknown name in the Auto stop", [](Lines& l) { Put(l, "| Stop          |", 34, "Bogus           "); },
       {"Auto stop input out of range Bogus setting value changed to One."},
       [](TForm1& f) { return f.cbAutoStop.ItemIndex(); }, 1, RecordId::StartConf, 20, "001"},
      {"only the Local column left",
       [](Lines& l) { Put(l, "| Start <<      |", 16, "|" + std::string(60, ' ')); },
       {"Remote start fast reverse input out of range  setting value changed to Zero.",
        "Auto start fast reverse input out of range  setting value changed to Zero."},
       [](TForm1& f) { return f.cbAutoStart_Rf.ItemIndex(); }, 0, RecordId::StartConf, 17, "000"},
      {"MSB line without its closing bar", [](Lines& l) { Put(l, "| MSB           |", 16, " "); },
       {"MSB input not found. Setting value changed to Zero."},
       [](TForm1& f) { return f.cbControlSelectorMsb.ItemIndex(); }, 0, RecordId::StartConf, 2, "000"},
      {"the feedback timer's label does not find the feedback signal",
       [](Lines& l) { Put(l, "| Feedback      |", -17, "#"); },
       {"Feedback timer not found. Setting value changed to 0500."},
       [](TForm1& f) { return f.seFeedbackTime.Value(); }, 500, RecordId::StartConf, 23, "00500"},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ReaderWorld w;
    Lines file = w.Baseline();
    c.edit(file);
    EXPECT_EQ(RowLines(w.Read(file)), c.log);
    EXPECT_EQ(c.value(w.f1()), c.expected);
    EXPECT_EQ(w.vt().Grid(c.grid).Cell(2, c.row), c.cell);
  }
}

// Within the order of the rows of the other sections: a missing title leaves its editors as
// they were and logs the section once; the sections around it are read.
TEST(StarterRows, MissingSectionLeavesItsEditors) {
  ReaderWorld w;
  Lines file = w.Baseline();
  for (std::string& l : file)
    if (Trim(l) == "Starter Timers") l = " Starter Tim#rs";
  w.f1().seTransitionTime.SetValue(50);
  w.f1().seTransitionTimeChange();
  w.f1().cbFeedback.SetItemIndex(3);
  w.f1().cbFeedbackChange();
  const Lines log = w.Read(file);
  EXPECT_EQ(std::count(log.begin(), log.end(), "Starter timers not found."), 1);
  EXPECT_EQ(log.size(), MissingSectionLines().size() + 1);
  EXPECT_EQ(w.f1().seTransitionTime.Value(), 50);
  EXPECT_EQ(w.vt().Grid(RecordId::StartConf).Cell(2, 28), "00050");
  EXPECT_NE(w.f1().cbFeedback.ItemIndex(), 3);  // the location section was read
}

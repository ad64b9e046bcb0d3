// The check of the editors against a settings file of the older form: the editors are filled from
// a file written by hand, the port is opened, and the check runs over variants of that file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "editors/LegacyLines.h"
#include "link/CommSetup.h"
#include "main/LegacyControl.h"
#include "platform/ui/Application.h"
#include "reader/ReaderWorld.h"
#include "support/LegacyFiles.h"
#include "wire/VoltageLists.h"

namespace {

using Lines = std::vector<std::string>;

// The hand-written file with control byte A within a byte and C free of bit 7, which no switch
// holds: so the editors it is read into hold every value of it.
Lines CheckFile() {
  Lines l = kLegacyFile;
  l[16] = "5";
  l[18] = "18";
  return l;
}

Lines With(Lines lines, std::initializer_list<std::pair<int, const char*>> edits) {
  for (const auto& [index, text] : edits) lines[static_cast<size_t>(index)] = text;
  return lines;
}

struct CheckWorld : ReaderWorld {
  CheckWorld() {
    Read(CheckFile());
    Connect();
  }
  std::string CheckPath() const { return DriveCRoot() + "/check.set"; }
  // Runs the menu command on the lines as a file; returns the boxes it showed.
  std::vector<RecordedBox> Check(const Lines& lines) {
    std::ofstream(CheckPath(), std::ios::binary) << Join(lines);
    return CheckFileAt(CheckPath());
  }
  std::vector<RecordedBox> CheckFileAt(std::optional<std::string> path) {
    hb.boxes.clear();
    hb.dialogAnswers.push_back(path);
    TApplication::Dispatch([&] { f1().VerifySettings.OnClick(); });
    return hb.boxes;
  }
};

long OpenFiles() {
  return std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                       std::filesystem::directory_iterator());
}

std::string Differ(int count, const std::string& name) {
  return "Relay settings differ from File settings !\n\rAmount of errors detected: " +
         std::to_string(count) + "\n\rSetting error: " + name;
}

TEST(SettingsCheck, VerdictOverEqualAndDifferingFiles) {
  struct Case {
    const char* name;
    Lines file;
    std::function<void(TForm1&)> editors;  // what the user changed after the read
    BoxKind kind;
    std::string text;
  };
  const std::string equal = "Relay settings are equal to File settings.";
  // clang-format off
  const Case cases[] = {
      {"same values", CheckFile(), nullptr, BoxKind::Information, equal},
      {"two differ, the last named", With(CheckFile(), {{9, "26"}, {146, "101"}}), nullptr, BoxKind::Error,
       Differ(2, "Comms addr")},
      {"reset threshold edit", With(CheckFile(), {{4, "56"}}), nullptr, BoxKind::Error, Differ(1, "Reset threshold")},
      {"timer B start", With(CheckFile(), {{64, "0"}}), nullptr, BoxKind::Error, Differ(1, "Tmr B start")},
      {"logic table", With(CheckFile(), {{56, "127"}}), nullptr, BoxKind::Error, Differ(1, "LF6 table")},
      {"voltage", With(CheckFile(), {{5, "4"}}), nullptr, BoxKind::Error, Differ(1, "Voltage selection")},
      {"control byte in the file", With(CheckFile(), {{16, "4"}, {19, "9"}}), nullptr, BoxKind::Error,
       Differ(2, "Control byte D")},
      // The file equals the last one read, but the relay's control byte no longer does.
      {"switch changed since the read", CheckFile(), [](TForm1& f) { f.cbOV_Sel.SetChecked(false); },
       BoxKind::Error, Differ(1, "Control byte A")},
      {"bit without a switch", CheckFile(), [](TForm1& f) { f.ActControl_C |= 0x80; }, BoxKind::Error,
       Differ(1, "Control byte C")},
      {"comms editor", CheckFile(), [](TForm1& f) { f.seCommsActualBaseAddr.SetValue(7); }, BoxKind::Error,
       Differ(1, "Comms Act base addr")},
      // Lines after the 153rd are not looked at.
      {"longer file", [] { Lines l = CheckFile(); l.push_back("junk"); return l; }(), nullptr,
       BoxKind::Information, equal},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CheckWorld w;
    if (c.editors) c.editors(w.f1());
    const std::vector<RecordedBox> boxes = w.Check(c.file);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, c.kind);
    EXPECT_EQ(boxes[0].text, c.text);
  }
}

// The check changes nothing it compares; the legacy bytes stay those of the last file read.
TEST(SettingsCheck, LeavesEditorsAndLegacyBytesAlone) {
  CheckWorld w;
  const std::string before = w.vt().Grid(wire::RecordId::Settings).Cell(2, 9) + w.f1().seMLC.Text();
  w.Check(With(CheckFile(), {{0, "99"}, {16, "255"}}));
  EXPECT_EQ(w.vt().Grid(wire::RecordId::Settings).Cell(2, 9) + w.f1().seMLC.Text(), before);
  EXPECT_EQ(LegacyControl_A, 5);
}

// The older list's item is compared by voltage with the list the box holds.
TEST(SettingsCheck, VoltageComparedByVoltageInTheExtendedList) {
  CheckWorld w;
  TForm1& f = w.f1();
  wire::FillVoltageList(f.cbVSelector, true);
  Form2->ExtendedVoltSelEn = true;
  f.cbVSelector.SetItemIndex(16);  // 525V in the longer list
  EXPECT_EQ(w.Check(CheckFile())[0].text, "Relay settings are equal to File settings.");
  f.cbVSelector.SetItemIndex(3);  // 190V: a voltage the older list lacks
  EXPECT_EQ(w.Check(CheckFile())[0].text, Differ(1, "Voltage selection"));
}

TEST(SettingsCheck, StarterPageFollowsTheStarterType) {
  CheckWorld w;
  TForm1& f = w.f1();
  f.cbStarterType.SetItemIndex(5);
  f.gbLowSpeed.SetVisible(false);
  f.mbStarterType.SetText("");
  w.Check(CheckFile());
  EXPECT_TRUE(f.gbLowSpeed.Visible());
  EXPECT_EQ(f.gbHighSpeed.Caption(), " High Speed Motor Setting ");
  EXPECT_EQ(f.mbStarterType.Text(), f.cbStarterType.Text());
}

TEST(SettingsCheck, RefusalsAndBrokenFiles) {
  struct Case {
    const char* name;
    std::function<std::vector<RecordedBox>(CheckWorld&)> run;
    std::vector<std::string> texts;
  };
  // clang-format off
  const Case cases[] = {
      {"port closed",
       [](CheckWorld& w) {
         Form2->ComPort1.Close();
         auto boxes = w.Check(CheckFile());
         EXPECT_EQ(w.hb.dialogAnswers.size(), 1u);  // no dialog was shown
         w.hb.dialogAnswers.clear();
         return boxes;
       },
       {"Please connect first !"}},
      {"dialog cancelled", [](CheckWorld& w) { return w.CheckFileAt(std::nullopt); }, {}},
      {"no such file", [](CheckWorld& w) { return w.CheckFileAt(DriveCRoot() + "/none.set"); },
       {"I/O error or File does not exist !"}},
      {"a line that is no number",
       [](CheckWorld& w) { return w.Check(With(CheckFile(), {{100, "x"}})); },
       {"'x' is not a valid integer value."}},
      {"152 lines",
       [](CheckWorld& w) {
         Lines l = CheckFile();
         l.pop_back();
         return w.Check(l);
       },
       {"'' is not a valid integer value."}},
      {"an edit that holds no number",
       [](CheckWorld& w) {
         w.f1().ebRS_HoldOffDelay.SetText("1a");
         return w.Check(CheckFile());
       },
       {"'1a' is not a valid integer value."}},
      // A file larger than the form can be is refused unread; a long line is quoted by 60
      // characters only.
      {"one line larger than the form",
       [](CheckWorld& w) { return w.Check({std::string(editors::legacy::kMaxFileBytes, '9')}); },
       {"File too large for an old VUMA settings file !"}},
      {"a long line that is no number",
       [](CheckWorld& w) { return w.Check(With(CheckFile(), {{7, std::string(4000, 'x').c_str()}})); },
       {"'" + std::string(60, 'x') + "...' is not a valid integer value."}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CheckWorld w;
    const long openBefore = OpenFiles();
    std::vector<std::string> texts;
    for (const RecordedBox& b : c.run(w)) texts.push_back(b.text);
    EXPECT_EQ(texts, c.texts);
    // Whatever the way out, the file is closed again.
    EXPECT_EQ(OpenFiles(), openBefore);
  }
}

}  // namespace

// The settings file reader over a file the writer composed: the header, the section finder and
// every kind of row of the Settings section, by single-line edits of that file.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "wire/VoltageLists.h"

#include "reader/SettingsReader.h"
#include "reader/ReaderRowCases.h"
#include "reader/ReaderWorld.h"

namespace {

using Lines = std::vector<std::string>;

// Replaces the 22 characters after the label (the value's whole column) on its first line.
void EditValue(Lines& lines, const std::string& label, const std::string& value) {
  for (std::string& l : lines) {
    const size_t p = l.find(label);
    if (p == std::string::npos) continue;
    std::string v = value;
    if (v.size() < 22) v.resize(22, ' ');
    l.replace(p + label.size(), std::min<size_t>(22, l.size() - p - label.size()), v);
    return;
  }
  FAIL() << "no line with " << label;
}

void RemoveLabel(Lines& lines, const std::string& label) {
  for (std::string& l : lines) {
    const size_t p = l.find(label);
    if (p != std::string::npos) l.replace(p, label.size(), std::string(label.size(), '#'));
  }
}

Lines With(Lines first, const Lines& then) {
  first.insert(first.end(), then.begin(), then.end());
  return first;
}

// Every editor of the settings record as text, and the send column of that record.
Lines EditorValues(ReaderWorld& w) {
  Lines out;
  for (const editors::settings::EditorSpec& e : editors::settings::Editors()) {
    TControl& c = e.Control(w.f1());
    if (auto* s = dynamic_cast<TSpinEdit*>(&c))
      out.push_back(e.Name + std::string("=") + s->Text());
    else if (auto* t = dynamic_cast<TEdit*>(&c))
      out.push_back(e.Name + std::string("=") + t->Text());
    else if (auto* b = dynamic_cast<TComboBox*>(&c))
      out.push_back(e.Name + std::string("=") + std::to_string(b->ItemIndex()));
    else if (auto* g = dynamic_cast<TRadioGroup*>(&c))
      out.push_back(e.Name + std::string("=") + std::to_string(g->ItemIndex()));
    else if (auto* k = dynamic_cast<TCheckBox*>(&c))
      out.push_back(e.Name + std::string("=") + (k->Checked() ? "1" : "0"));
  }
  return out;
}
Lines SendColumn(ReaderWorld& w) {
  Lines out;
  for (int r = 0; r < 60; ++r) out.push_back(w.SendCell(r));
  return out;
}

// The file exactly as the save command wrote it, legends and all (612 lines), opened by the open
// command: it reads back with an empty log, which stays shut, and leaves every editor and the send
// column as they were.
TEST(SettingsReaderRoundTrip, SavedFileReadsBackUnchanged) {
  ReaderWorld w;
  const Lines editorsBefore = EditorValues(w);
  const Lines sendBefore = SendColumn(w);

  const std::string path = w.SaveFile();
  TStringList saved;
  saved.LoadFromFile(path);
  const Lines log = w.ReadFile(path);

  EXPECT_EQ(saved.Count(), 612);
  EXPECT_EQ(FrmFileDialog->LblFileDiagMemoLineCounter.Caption(), "612");
  EXPECT_EQ(log, Lines{});
  EXPECT_FALSE(w.logShown);
  EXPECT_EQ(EditorValues(w), editorsBefore);
  EXPECT_EQ(SendColumn(w), sendBefore);
}

std::function<void(Lines&)> Value(std::string label, std::string v) {
  return [=](Lines& l) { EditValue(l, label, v); };
}
std::function<void(Lines&)> Gone(std::string label) {
  return [=](Lines& l) { RemoveLabel(l, label); };
}
std::string SpinOf(const TSpinEdit& s) { return s.Text(); }

TEST(SettingsReaderRows, EachEditGivesItsValueCellAndLog) {
  // clang-format off
  const std::vector<ReaderRowCase> cases = {
      {"number", Value("Max. load setting 01. :", " 70 %"), {}, [](TForm1& f) { return SpinOf(f.seMLC); }, "70", 22, "070"},
      {"number below limit", Value("Max. load setting 01. :", " 5"),
       {"MLC 01 out of range 5 setting value changed to 030."}, [](TForm1& f) { return SpinOf(f.seMLC); }, "30", 22, "030"},
      {"number too long", Value("Max. load setting 01. :", " 0030"),
       {"MLC 01 out of range 0030 setting value changed to 030."}, [](TForm1& f) { return SpinOf(f.seMLC); }, "30", 0, ""},
      {"letter between digits", Value("Max. load setting 01. :", " 3x0 %"),
       {"MLC 01 out of range 3 0 setting value changed to 030."}, [](TForm1& f) { return SpinOf(f.seMLC); }, "30", 0, ""},
      {"not found", Gone("Max. load setting 01. :"),
       {"MLC 01 not found. Setting value changed to 030."}, [](TForm1& f) { return SpinOf(f.seMLC); }, "30", 22, "030"},
      {"step 50 rounds down", Value("Earth leak. T. delay. :", " 0120 mSec"),
       {"Earth leakage trip time 0120 not a increment of 50 setting value changed to 0100."},
       [](TForm1& f) { return SpinOf(f.seEL_TripDelay); }, "100", 12, "00100"},
      {"step 50 field input", Value("Field input 3 delay.. :", " 0075 mSec"),
       {"Field input 3 delay 0075 not a increment of 50 setting value changed to 0050."},
       [](TForm1& f) { return SpinOf(f.seDF_DelTime_3); }, "50", 26, "00050"},
      {"field input not found", Gone("Field input 3 delay.. :"),
       {"Field input 3 delay not found. Setting value changed to 100."},
       [](TForm1& f) { return SpinOf(f.seDF_DelTime_3); }, "100", 26, "00100"},
      {"field input above limit", Value("Field input 3 delay.. :", " 2500"),
       {"Field input 3 delay out of range 2500 setting value changed to 100."},
       [](TForm1& f) { return SpinOf(f.seDF_DelTime_3); }, "100", 0, ""},
      {"earth leakage level 1000", Value("Earth leak. T. level. :", " 1000 mA"), {},
       [](TForm1& f) { return f.ebEL_TripLev.Text(); }, "1000", 11, "01000"},
      {"earth leakage level 1001", Value("Earth leak. T. level. :", " 1001 mA"),
       {"Earth leakage trip level of range 1001 setting value changed to 150."},
       [](TForm1& f) { return f.ebEL_TripLev.Text(); }, "150", 11, "00150"},
      {"hold-off delay keeps its leading zeros", Value("Run-Stall hold delay. :", " 010 Sec"), {},
       [](TForm1& f) { return f.ebRS_HoldOffDelay.Text(); }, "010", 0, ""},
      {"hold-off delay not found", Gone("Run-Stall hold delay. :"),
       {"Running stall hold off delay not found. Setting value changed to 000."},
       [](TForm1& f) { return f.ebRS_HoldOffDelay.Text(); }, "0", 0, ""},
      {"ct ratio", Value("CT ratio............. :", " 1000:5"), {},
       [](TForm1& f) { return SpinOf(f.seCT_Prim) + ":" + SpinOf(f.seCT_Sec); }, "1000:5", 50, "01000"},
      {"ct ratio without colon", Value("CT ratio............. :", " 5"),
       {"CT primary ratio out of range  setting value changed to 1.",
        "CT secondary ratio out of range 5 setting value changed to 1."},
       [](TForm1& f) { return SpinOf(f.seCT_Prim) + ":" + SpinOf(f.seCT_Sec); }, "1:1", 51, "001"},
      {"ct primary 0 refuses both", Value("CT ratio............. :", " 0:1"),
       {"CT primary ratio out of range 0 setting value changed to 1.",
        "CT secondary ratio out of range 1 setting value changed to 1."},
       [](TForm1& f) { return SpinOf(f.seCT_Prim) + ":" + SpinOf(f.seCT_Sec); }, "1:1", 0, ""},
      {"ct secondary too long", Value("CT ratio............. :", " 5:12"),
       {"CT secondary ratio out of range 12 setting value changed to 1."},
       [](TForm1& f) { return SpinOf(f.seCT_Prim) + ":" + SpinOf(f.seCT_Sec); }, "5:1", 0, ""},
      {"ct not found", Gone("CT ratio............. :"), {"CT ratio not found. Setting value changed to 1:1."},
       [](TForm1& f) { return SpinOf(f.seCT_Prim) + ":" + SpinOf(f.seCT_Sec); }, "1:1", 0, ""},
      {"word lower case", Value("Earth leakage T.Type. :", "  idmt "), {},
       [](TForm1& f) { return std::to_string(f.cbEL_Selector.ItemIndex()); }, "1", 13, "001"},
      {"word too long", Value("Earth leakage T.Type. :", " IDMT X"),
       {"Earth leakage type selection of range IDMT X setting value changed to INST."},
       [](TForm1& f) { return std::to_string(f.cbEL_Selector.ItemIndex()); }, "0", 13, "000"},
      {"reset time 1 Hr", Value("Min. load reset delay :", " 1 Hr"),
       {"Minimum load reset time out of range 1 HR setting value changed to Manual."},
       [](TForm1& f) { return std::to_string(f.cbML_TimeSelector.ItemIndex()); }, "0", 0, ""},
      {"starter type", Value("Starter type......... :", " pole change revers "), {},
       [](TForm1& f) { return std::to_string(f.cbStarterType.ItemIndex()); }, "8", 0, ""},
      {"high trip signed", Value("T1 high trip level... :", " -030 DegC"), {},
       [](TForm1& f) { return SpinOf(f.seRTD1Hi_TripLev); }, "-30", 37, "-030"},
      {"high trip below limit", Value("T1 high trip level... :", " -031"),
       {"Temperature 1 high trip level out of range -031 setting value changed to 60."},
       [](TForm1& f) { return SpinOf(f.seRTD1Hi_TripLev); }, "60", 0, ""},
      {"high trip minus after digit", Value("T1 high trip level... :", " 1-0"),
       {"Temperature 1 high trip level out of range 1-0 setting value changed to 60."},
       [](TForm1& f) { return SpinOf(f.seRTD1Hi_TripLev); }, "60", 0, ""},
      {"low trip letter O", Value("T2 low trip level.... :", " 1O0"),
       {"Temperature 2 low trip level out of range 1 0 setting value changed to -10."},
       [](TForm1& f) { return SpinOf(f.seRTD2Lo_TripLev); }, "-10", 42, "-010"},
      {"low trip not found", Gone("T2 low trip level.... :"),
       {"Temperature 2 low trip level not found. Setting value changed to -10."},
       [](TForm1& f) { return SpinOf(f.seRTD2Lo_TripLev); }, "-10", 0, ""},
      {"switch any case", Value("Under voltage........ :", "  eNaBlEd"), {},
       [](TForm1& f) { return std::string(f.cbUV_Sel.Checked() ? "1" : "0"); }, "1", 0, ""},
      {"switch shortened", Value("Over voltage......... :", " Enable"),
       {"Over voltage out of range ENABLE setting value changed to Disabled."},
       [](TForm1& f) { return std::string(f.cbOV_Sel.Checked() ? "1" : "0"); }, "0", 0, ""},
      {"switch empty", Value("Over voltage......... :", ""),
       {"Over voltage out of range  setting value changed to Disabled."},
       [](TForm1& f) { return std::string(f.cbOV_Sel.Checked() ? "1" : "0"); }, "0", 0, ""},
      {"switch not found", Gone("Relay 1 configuration :"),
       {"Relay 1 configuration not found. Setting value changed to Config."},
       [](TForm1& f) { return std::to_string(f.rgMTR_Select.ItemIndex()); }, "1", 0, ""},
      {"thermal reset auto", Value("Thermal reset........ :", " auto"), {},
       [](TForm1& f) { return std::string(f.cbAutoThermalReset.Checked() ? "1" : "0"); }, "1", 0, ""},
      {"sensor switch", Value("Temperature 2........ :", " Enabled X"),
       {"Temperature 2 out of range ENABLED X setting value changed to Disabled."},
       [](TForm1& f) { return std::string(f.cbRTD2_Sel.Checked() ? "1" : "0"); }, "0", 0, ""},
      {"sensor type ptc", Value("Temperature 1 type... :", " ptc"), {},
       [](TForm1& f) { return std::to_string(f.cbRTD1_Type.ItemIndex()) + (f.seRTD1Lo_TripLev.Enabled() ? "e" : "d"); },
       "2d", 46, "002"},
      {"sensor type refused", Value("Temperature 3 type... :", " PT10"),
       {"Temperature 3 type out of range PT10 setting value changed to PT100."},
       [](TForm1& f) { return std::to_string(f.cbRTD3_Type.ItemIndex()); }, "0", 48, "000"},
  };
  // clang-format on
  CheckRowCases(cases, wire::RecordId::Settings);
}

// Header edits: the log lines they give and whether the Settings rows were read (a read changes
// seMLC from the file's 70).
struct HeaderCase {
  const char* name;
  std::function<void(Lines&)> edit;
  Lines log;
};

void ReplaceIn(Lines& l, const std::string& from, const std::string& to) {
  for (std::string& line : l) {
    const size_t p = line.find(from);
    if (p != std::string::npos) {
      line.replace(p, from.size(), to);
      return;
    }
  }
  FAIL() << "no line with " << from;
}

TEST(SettingsReaderHeader, RefusedHeadersLogTheirLinesAndReadNothing) {
  // clang-format off
  const std::vector<HeaderCase> cases = {
      {"no title", [](Lines& l) { ReplaceIn(l, "VUMA Settings", "VUMA Setting "); }, {"Not a VUMA settings file"}},
      {"no file revision", [](Lines& l) { ReplaceIn(l, "File Rev :", "File Rev  "); },
       {"VUMA file revision missing", "Could not find VUMA revision used to save file."}},
      {"file revision not digits", [](Lines& l) { ReplaceIn(l, "File Rev : 02A", "File Rev : X2A"); },
       {"VUMA file revision missing", "VUMA file revision missing",
        "Could not find VUMA revision used to save file."}},
      {"file revision without letter", [](Lines& l) { ReplaceIn(l, "File Rev : 02A", "File Rev : 021"); },
       {"VUMA file revision incorrect", "VUMA file revision missing",
        "Could not find VUMA revision used to save file."}},
      {"relay revision two digits", [](Lines& l) { ReplaceIn(l, " Revision : 4d", " Revision : 42"); },
       {"VUMA file revision incorrect", "Could not find VUMA revision used to save file."}},
      {"no relay revision", [](Lines& l) { ReplaceIn(l, " Revision : ", " Revisions: "); },
       {"Could not find VUMA revision used to save file."}},
      {"600 lines", [](Lines& l) { l.resize(600); }, {"Not a VUMA settings file"}},
      // 153 lines are the older form, of numbers only: the report's ruler is none.
      {"153 lines", [](Lines& l) { l.resize(153); },
       {"Old VUMA file not read: line 1 \"" + std::string(91, '-') + "\" is not a number."}},
      {"empty", [](Lines& l) { l.clear(); }, {"Not a VUMA settings file"}},
      {"over the line limit", [](Lines& l) { l.resize(10001, ""); }, {"Not a VUMA settings file"}},
  };
  // clang-format on
  for (const HeaderCase& c : cases) {
    SCOPED_TRACE(c.name);
    ReaderWorld w("Rev 4d");
    Lines file = w.Baseline();
    EditValue(file, "Max. load setting 01. :", " 70 %");
    c.edit(file);
    EXPECT_EQ(w.Read(file), c.log);
    EXPECT_TRUE(w.logShown);
    EXPECT_EQ(w.f1().seMLC.Value(), 55);
  }
}

TEST(SettingsReaderHeader, LowerCaseFileRevisionLetterIsAccepted) {
  ReaderWorld w;
  Lines file = w.Baseline();
  ReplaceIn(file, "File Rev : 02A", "File Rev : 02a");
  EXPECT_EQ(w.Read(file), MissingSectionLines());
}

TEST(SettingsReaderCommand, CancelledDialogReadsAndShowsNothing) {
  ReaderWorld w;
  FrmFileDialog->memFileErrors.Lines.Add("old");
  w.f1().ImportMMIFile1Click();  // no answer queued: cancelled
  EXPECT_EQ(FrmFileDialog->memFileErrors.Lines.Count(), 0);
  EXPECT_FALSE(w.logShown);
  const TOpenDialog& d = w.f1().OpenDialogSettings;
  EXPECT_EQ(d.Title, "Open disc file to read settings");
  EXPECT_EQ(d.Filter, "Setting|*.set");
  EXPECT_EQ(d.DefaultExt, "set");
  EXPECT_EQ(d.InitialDir, "c:\\");
}

// What is no regular file, or is larger than a settings file can be, is refused before it is
// read: a named pipe would block the program, /dev/zero would fill the memory.
TEST(SettingsReaderCommand, NoRegularFileAndOversizedFilesAreRefusedUnread) {
  ReaderWorld w("Rev 4d");
  const std::string root = DriveCRoot();
  const std::string pipe = root + "/reader_pipe.set";
  std::filesystem::remove(pipe);
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::string huge = root + "/reader_huge.set";
  std::filesystem::remove(huge);
  { std::ofstream(huge, std::ios::binary) << "VUMA Settings\r\n"; }
  std::filesystem::resize_file(huge, reader::kMaxFileBytes + 1);  // sparse: costs no disk
  const std::string folder = root + "/reader_folder.set";
  std::filesystem::create_directories(folder);
  const Lines linesBefore = FrmFileDialog->MemFileTempFile.Lines.Lines();
  for (const std::string& path : {pipe, std::string("/dev/zero"), huge, folder}) {
    SCOPED_TRACE(path);
    w.logShown = false;
    EXPECT_EQ(w.ReadFile(path), Lines{"Not a VUMA settings file"});
    EXPECT_TRUE(w.logShown);
    EXPECT_EQ(FrmFileDialog->MemFileTempFile.Lines.Lines(), linesBefore);
    EXPECT_EQ(w.f1().seMLC.Value(), 55);
  }
  std::filesystem::remove(pipe);
  std::filesystem::remove(huge);
  std::filesystem::remove(folder);
}

// The titles after the Settings section in report order, each with the length of its underline.
using Titles = std::vector<std::pair<std::string, int>>;
// clang-format off
const Titles kOtherTitles = {
    {"Logic Tables", 12}, {"Timers", 6}, {"Counters", 8}, {"Latch", 5}, {"Pulse Generator", 15},
    {"Real Time Clock", 15}, {"TC High Warning", 15}, {"External Reset", 14},
    {"Emergency Stop", 14}, {"Relays", 6}, {"Temperature Warning Levels", 26},
    {"Location Selection And Feedback", 31}, {"Starter Inputs", 14}, {"Starter Timers", 14},
    {"External Module Setting", 23}, {"Statistical Data", 16}, {"Communication Module", 20},
    {"Bluetooth Settings", 20}, {"Calibrations", 12}};

// The line of a title with its underline right below it, or -1.
int TitleLine(const Lines& file, const std::string& title) {
  for (size_t i = 0; i + 1 < file.size(); ++i) {
    const std::string t = Trim(file[i]);
    if (t == title && Trim(file[i + 1]).compare(0, title.size(), std::string(title.size(), '=')) == 0)
      return static_cast<int>(i);
  }
  return -1;
}

// The titles, each underlined, in the places of kOtherTitles. The sections the writer composes
// keep their places; every other title is put in, with its underline and a blank line, just
// before the next composed section's title (or three lines after the last written line), so that
// the titles stand in report order. A reordered list puts its titles into those same places in
// its own order.
Lines WithTitles(Lines file, const Titles& titles) {
  auto lineOf = [&](const std::string& title) {
    return std::find_if(file.begin(), file.end(), [&](const std::string& l) { return Trim(l) == title; });
  };
  for (size_t i = 0; i < kOtherTitles.size(); ++i) {
    const auto& [title, underline] = kOtherTitles[i];
    if (lineOf(title) != file.end()) continue;
    auto before = file.end();
    for (size_t k = i + 1; k < kOtherTitles.size() && before == file.end(); ++k) before = lineOf(kOtherTitles[k].first);
    if (before == file.end()) {
      size_t next = 0;
      for (size_t n = 0; n < file.size(); ++n)
        if (!Trim(file[n]).empty()) next = n + 3;
      before = file.begin() + static_cast<std::ptrdiff_t>(next);
    }
    file.insert(before, {" " + title, " " + std::string(static_cast<size_t>(underline), '='), ""});
  }
  std::vector<size_t> places;
  for (const auto& entry : kOtherTitles) places.push_back(static_cast<size_t>(lineOf(entry.first) - file.begin()));
  for (size_t i = 0; i < titles.size(); ++i) {
    file[places[i]] = " " + titles[i].first;
    file[places[i] + 1] = " " + std::string(static_cast<size_t>(titles[i].second), '=');
  }
  return file;
}

// Two titles trade places, each with its underline.
void SwapTitles(Lines& file, const std::string& a, const std::string& b) {
  const int i = TitleLine(file, a), j = TitleLine(file, b);
  ASSERT_GE(i, 0) << a;
  ASSERT_GE(j, 0) << b;
  std::swap(file[static_cast<size_t>(i)], file[static_cast<size_t>(j)]);
  std::swap(file[static_cast<size_t>(i) + 1], file[static_cast<size_t>(j) + 1]);
}

// The writer's Settings section with every other title after it: no log line, and every editor
// and the send column as they were when the section was written.
TEST(SettingsReaderCommand, FileWithAllSectionsReadsBackWithoutLog) {
  ReaderWorld w;
  const Lines editorsBefore = EditorValues(w);
  const Lines sendBefore = SendColumn(w);
  EXPECT_EQ(w.Read(WithTitles(w.Baseline(), kOtherTitles)), Lines{});
  EXPECT_FALSE(w.logShown);
  EXPECT_EQ(EditorValues(w), editorsBefore);
  EXPECT_EQ(SendColumn(w), sendBefore);
}

// A section's range ends at the title of the section that bounds it: with the two titles
// swapped, the section is missing. The communication module's range runs up to "Calibrations",
// so the Bluetooth title before it does not make it missing; its rows then stand above its
// title, out of its range, and only its type row is reported.
TEST(SettingsReaderSections, EachSectionEndsAtItsBound) {
  struct Case {
    std::string section, bound, missing;
  };
  const std::vector<Case> cases = {
      {"Logic Tables", "Timers", "Logic table block not found."},
      {"Timers", "Counters", "Timer block not found."},
      {"Counters", "Latch", "Counter block not found."},
      {"Latch", "Pulse Generator", "Latch block not found."},
      {"Pulse Generator", "Real Time Clock", "Pulse generator block not found."},
      {"Real Time Clock", "TC High Warning", "Real time clock block not found."},
      {"TC High Warning", "External Reset", "Thermal capacity warning level block not found."},
      {"External Reset", "Emergency Stop", "External reset block not found."},
      {"Emergency Stop", "Relays", "Emergency stop block not found."},
      {"Relays", "Temperature Warning Levels", "Relay block not found."},
      {"Temperature Warning Levels", "Location Selection And Feedback", "Temperature warning levels not found."},
      {"Location Selection And Feedback", "Starter Inputs", "Location selection and feedback not found."},
      {"Starter Inputs", "Starter Timers", "Starter input signals not found."},
      {"Starter Timers", "External Module Setting", "Starter timers not found."},
      {"External Module Setting", "Statistical Data", "External module settings not found."},
      {"Communication Module", "Calibrations", "Communication module settings not found."},
      {"Communication Module", "Bluetooth Settings", ""},
  };
  const Lines typeRowOnly = {"Communication module type not found. Setting value changed to None."};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.section + " / " + c.bound);
    ReaderWorld w;
    Lines file = WithTitles(w.Baseline(), kOtherTitles);
    SwapTitles(file, c.section, c.bound);
    const Lines got = w.Read(file);
    if (c.missing.empty()) {
      EXPECT_EQ(got, typeRowOnly);
    } else {
      EXPECT_EQ(std::count(got.begin(), got.end(), c.missing), 1);
      EXPECT_EQ(got.size(), 1u) << "only the section before its bound is missing";
    }
  }
}

TEST(SettingsReaderCommand, LineEndsAndByteOrderMarks) {
  for (const std::string& sep : {std::string("\r"), std::string("\n")}) {
    ReaderWorld w;
    Lines file = w.Baseline();
    EditValue(file, "Max. load setting 01. :", " 70 %");
    std::string text = "\xEF\xBB\xBF";
    for (const auto& l : file) text += l + sep;
    std::ofstream(w.FilePath(), std::ios::binary) << text;
    EXPECT_EQ(w.ReadFile(w.FilePath()), MissingSectionLines());
    EXPECT_EQ(w.f1().seMLC.Value(), 70);
    EXPECT_EQ(FrmFileDialog->LblFileDiagMemoLineCounter.Caption(), std::to_string(file.size()));
  }
}

TEST(SettingsReaderCommand, UnreadableFileEndsWithoutTouchingTheEditors) {
  ReaderWorld w;
  EXPECT_ANY_THROW(w.ReadFile(w.FilePath() + ".missing"));
  EXPECT_EQ(w.f1().seMLC.Value(), 55);
  EXPECT_FALSE(w.logShown);
}

// "Latch" is also an item of the logic function table legend, where no underline follows it: in
// a file without the Latch section's title the legend line is not taken for it.
TEST(SettingsReaderSections, LegendItemIsNoTitle) {
  ReaderWorld w;
  Lines file = w.Baseline();
  const int latch = TitleLine(file, "Latch");
  ASSERT_GE(latch, 0);
  file[static_cast<size_t>(latch)] = file[static_cast<size_t>(latch) + 1] = std::string(91, ' ');
  EXPECT_EQ(w.Read(file), With({"Latch block not found."}, MissingSectionLines()));
}

TEST(SettingsReaderSections, OutOfOrderAndMissingTitles) {
  ReaderWorld w;
  Lines file = w.Baseline();
  // "Timers" before "Logic Tables": the logic tables' range is empty, so they are missing; a
  // title whose underline starts elsewhere is not a title.
  SwapTitles(file, "Logic Tables", "Timers");
  const int counters = TitleLine(file, "Counters");
  ASSERT_GE(counters, 0);
  file[static_cast<size_t>(counters) + 1] = "  ========";
  const Lines got = w.Read(file);
  ASSERT_FALSE(got.empty());
  EXPECT_EQ(got.front(), "Logic table block not found.");
  EXPECT_EQ(std::count(got.begin(), got.end(), "Timer block not found."), 0);
  EXPECT_EQ(std::count(got.begin(), got.end(), "Counter block not found."), 1);
}

TEST(SettingsReaderSections, NoSettingsTitleLeavesTheEditors) {
  ReaderWorld w;
  Lines file = w.Baseline();
  EditValue(file, "Max. load setting 01. :", " 70 %");
  ReplaceIn(file, "========", "=======-");
  EXPECT_EQ(w.Read(file), With({"Settings block not found."}, MissingSectionLines()));
  EXPECT_EQ(w.f1().seMLC.Value(), 55);
}

// Voltage selection: by the file's revision with the port closed, by the list the combo box holds
// with the port open.
struct VoltageCase {
  const char* name;
  std::string fileRevision;  // the box's text when the file is written
  bool startExtended;        // the list the combo box holds before the read
  bool portOpen;
  std::string voltage;
  Lines log;
  int item;
  int items;
  std::string code;
};
// clang-format on

TEST(SettingsReaderVoltage, ListAndItemByRevisionAndPortState) {
  // clang-format off
  const std::vector<VoltageCase> cases = {
      {"4e closed switches to 26", "Rev 4e", false, false, " 120V", {}, 1, 26, "011"},
      {"5a closed", "Rev 5a", false, false, " 1050V", {}, 21, 26, "025"},
      {"4d closed switches to 11", "Rev 4d", true, false, " 1k1V", {}, 7, 11, "007"},
      {"4d closed unknown name", "Rev 4d", false, false, " 120V",
       {"Voltage selection out of range 120V setting value changed to 110Vac."}, 0, 11, "000"},
      {"4E is not extended", "Rev 4E", false, false, " 120V",
       {"Voltage selection out of range 120V setting value changed to 110Vac."}, 0, 11, "000"},
      {"empty value keeps the list", "Rev 4e", false, false, "",
       {"Voltage selection out of range  setting value changed to 110Vac."}, 0, 11, "000"},
      {"open, 4e file, short list", "Rev 4e", false, true, " 380V", {}, 1, 11, "001"},
      {"4e closed, the older name of 3k3", "Rev 4e", false, false, " 3k3V", {}, 23, 26, "008"},
      {"4d closed, the newer name of 3k3", "Rev 4d", true, false, " 3k3 / 110V", {}, 8, 11, "008"},
      {"open, short list, the newer name of 1k1", "Rev 4e", false, true, " 1100V", {}, 7, 11, "007"},
      {"open, long list, the older name of 1k1", "Rev 4d", true, true, " 1k1V", {}, 22, 26, "007"},
      {"open, 4e file, name not in short list", "Rev 4e", false, true, " 120V",
       {"Voltage selection out of range 120V setting value changed to 110Vac."}, 0, 11, "000"},
  };
  // clang-format on
  for (const VoltageCase& c : cases) {
    SCOPED_TRACE(c.name);
    ReaderWorld w(c.fileRevision);
    Lines file = w.Baseline();
    EditValue(file, "Voltage selection.... :", c.voltage);
    w.f2().ExtendedVoltSelEn = c.startExtended;
    wire::FillVoltageList(w.f1().cbVSelector, c.startExtended);
    w.f1().mbSW_Rev.SetText(c.startExtended ? "Rev 4e" : "Rev 4d");
    if (c.portOpen) w.Connect();
    Lines log = w.Read(file);
    if (!c.portOpen)
      log.resize(log.size() - MissingSectionLines().size());
    else
      log.resize(std::min(log.size(), c.log.size()));
    EXPECT_EQ(log, c.log);
    EXPECT_EQ(w.f1().cbVSelector.ItemIndex(), c.item);
    EXPECT_EQ(w.f1().cbVSelector.Items.Count(), c.items);
    EXPECT_EQ(w.SendCell(3), c.code);
    if (!c.portOpen) {
      EXPECT_EQ(w.f1().mbSW_Rev.Text(), c.fileRevision);
    }
  }
}

}  // namespace

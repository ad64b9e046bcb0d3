// The settings file reader over a file the writer composed: the header, the section finder and
// every kind of row of the Settings section, by single-line edits of that file.
#include <gtest/gtest.h>

#include <functional>

#include "reader/SettingsReader.h"
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

TEST(SettingsReaderRoundTrip, WriterFileReadsBackUnchanged) {
  ReaderWorld w;
  const Lines file = w.Baseline();
  std::vector<std::string> sendBefore, editorsBefore;
  for (int r = 0; r < 60; ++r) sendBefore.push_back(w.SendCell(r));
  auto editors = [&] {
    std::vector<std::string> out;
    for (const settings::EditorSpec& e : settings::Editors()) {
      TControl& c = e.Control(w.f1());
      if (auto* s = dynamic_cast<TSpinEdit*>(&c)) out.push_back(e.Name + std::string("=") + s->Text());
      else if (auto* t = dynamic_cast<TEdit*>(&c)) out.push_back(e.Name + std::string("=") + t->Text());
      else if (auto* b = dynamic_cast<TComboBox*>(&c)) out.push_back(e.Name + std::string("=") + std::to_string(b->ItemIndex()));
      else if (auto* g = dynamic_cast<TRadioGroup*>(&c)) out.push_back(e.Name + std::string("=") + std::to_string(g->ItemIndex()));
      else if (auto* k = dynamic_cast<TCheckBox*>(&c)) out.push_back(e.Name + std::string("=") + (k->Checked() ? "1" : "0"));
    }
    return out;
  };
  editorsBefore = editors();

  EXPECT_EQ(w.Read(file), MissingSectionLines());
  EXPECT_TRUE(w.logShown);
  EXPECT_EQ(editors(), editorsBefore);
  for (int r = 0; r < 60; ++r) EXPECT_EQ(w.SendCell(r), sendBefore[r]) << "row " << r;
  EXPECT_EQ(FrmFileDialog->LblFileDiagMemoLineCounter.Caption(), "650");
}

// One edit of the baseline file and what it must leave: the log lines before the missing
// sections, the editor's value and the send-column cell.
struct RowCase {
  const char* name;
  std::function<void(Lines&)> edit;
  Lines log;
  std::function<std::string(TForm1&)> editor;
  std::string expected;
  int sendRow;  // 0: not checked
  std::string sendCell;
};

std::function<void(Lines&)> Value(std::string label, std::string v) {
  return [=](Lines& l) { EditValue(l, label, v); };
}
std::function<void(Lines&)> Gone(std::string label) {
  return [=](Lines& l) { RemoveLabel(l, label); };
}
std::string SpinOf(const TSpinEdit& s) { return s.Text(); }

TEST(SettingsReaderRows, EachEditGivesItsValueCellAndLog) {
  const std::vector<RowCase> cases = {
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
  for (const RowCase& c : cases) {
    SCOPED_TRACE(c.name);
    ReaderWorld w;
    Lines file = w.Baseline();
    c.edit(file);
    EXPECT_EQ(w.Read(file), With(c.log, MissingSectionLines()));
    EXPECT_EQ(c.editor(w.f1()), c.expected);
    if (c.sendRow) EXPECT_EQ(w.SendCell(c.sendRow), c.sendCell);
  }
}

}  // namespace

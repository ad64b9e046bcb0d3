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

}  // namespace

// The reader's rows of the logic record's sections, over the writer's own file (the padded
// fixture of ReaderWorld): each row's value, its editor, its send-column cell and its log lines,
// by single edits of that file; and the round trip of every row of the logic grid.
#include <gtest/gtest.h>

#include <functional>

#include "editors/LogicEditors.h"
#include "reader/ReaderRowCases.h"
#include "reader/ReaderWorld.h"

namespace {

using Lines = std::vector<std::string>;
using Edit = std::function<void(Lines&)>;

// Writes the text over the line's characters from `offset` after the label, on the first line
// that holds the label.
Edit Put(std::string label, size_t offset, std::string text) {
  return [=](Lines& lines) {
    for (std::string& l : lines) {
      const size_t p = l.find(label);
      if (p == std::string::npos) continue;
      l.replace(p + label.size() + offset, text.size(), text);
      return;
    }
    FAIL() << "no line with " << label;
  };
}
// Every occurrence of the label made unrecognisable.
Edit Gone(std::string label) {
  return [=](Lines& lines) {
    for (std::string& l : lines)
      for (size_t p; (p = l.find(label)) != std::string::npos;)
        l.replace(p, label.size(), std::string(label.size(), '#'));
  };
}
Edit Both(Edit a, Edit b) {
  return [=](Lines& l) {
    a(l);
    b(l);
  };
}

Lines With(Lines first, const Lines& then) {
  first.insert(first.end(), then.begin(), then.end());
  return first;
}

std::string Item(const TComboBox& b) { return std::to_string(b.ItemIndex()); }

}  // namespace

TEST(LogicReaderRows, EachEditGivesItsValueCellAndLog) {
  const std::string stopOne =
      "Real time clock stop hour out of range 0830 setting value changed to 01.";
  // clang-format off
  const std::vector<ReaderRowCase> cases = {
      // Logic tables
      {"input name in lower case", Put("| T2  |", 0, "timer_a         "), {},
       [](TForm1& f) { return Item(f.cbLF2_InputA); }, "45", 6, "045"},
      {"unknown input name", Put("| T2  |", 17, "  Nothing       "),
       {"Logic function table 2 input B out of range Nothing setting value changed to Zero."},
       [](TForm1& f) { return Item(f.cbLF2_InputB); }, "0", 7, "000"},
      {"input line too short", Put("| T3  |", 50, " "),
       {"Logic function table 3 input A not found. Setting value changed to Zero.",
        "Logic function table 3 input B not found. Setting value changed to Zero.",
        "Logic function table 3 input C not found. Setting value changed to Zero."},
       [](TForm1& f) { return Item(f.cbLF3_InputC); }, "0", 12, "000"},
      {"mask cell of 2", Put("|0|0|0| |", 0, "2"),
       {"Logic function table 1 mask incorrect setting value changed to 0."},
       [](TForm1& f) { return f.ebLF1_Table.Text() + "/" + std::to_string(f.ActLF1_Table); }, "0/0", 1, "000"},
      {"blank mask cell of T6", Put("|1|0|1| |", 15, " "),
       {"Logic function table 6 mask incorrect setting value changed to 0."},
       [](TForm1& f) { return f.ebLF6_Table.Text() + "/" + std::to_string(f.ActLF6_Table); }, "0/0", 21, "000"},
      {"mask read bit by bit", Both(Put("|0|0|0| |", 3, "1"), Put("|1|1|1| |", 3, "0")), {},
       [](TForm1& f) { return f.ebLF2_Table.Text() + "/" + std::to_string(f.ActLF2_Table); }, "75/75", 5, "075"},
      {"no combination 7 line", Gone("|1|1|1| |"),
       {"Logic function table 1 mask incomplete or not found. Setting value changed to 0.",
        "Logic function table 2 mask incomplete or not found. Setting value changed to 0.",
        "Logic function table 3 mask incomplete or not found. Setting value changed to 0.",
        "Logic function table 4 mask incorrect setting value changed to 0.",
        "Logic function table 5 mask incorrect setting value changed to 0.",
        "Logic function table 6 mask incorrect setting value changed to 0."},
       [](TForm1& f) { return f.ebLF3_Table.Text() + "/" + std::to_string(f.ActLF3_Table); }, "0/0", 9, "000"},
      // Timers
      {"time out above 3000", Put("|Timer A |", 34, " 5000"),
       {"Timer A time out, out of range 5000 setting value changed to 0001."},
       [](TForm1& f) { return f.seTmrA_TimeLim.Text(); }, "1", 25, "00001"},
      {"time out with a unit", Put("|Timer B |", 34, " 30s "), {},
       [](TForm1& f) { return f.seTmrB_TimeLim.Text(); }, "30", 28, "00030"},
      {"unknown start input", Put("|Timer B |", 0, "Foo             "),
       {"Timer B start input out of range Foo setting value changed to Zero."},
       [](TForm1& f) { return Item(f.cbTmrB_Start); }, "0", 29, "000"},
      {"timer row missing", Gone("|Timer A |"),
       {"Timer A start input not found. Setting value changed to Zero.",
        "Timer A reset input not found. Setting value changed to Zero.",
        "Timer A time out not found. Setting value changed to 0001."},
       [](TForm1& f) { return Item(f.cbTmrA_Reset); }, "0", 27, "000"},
      // Counters, latch, pulse generator
      {"count limit of four digits", Put("|Counter A |", 51, " 1000  "),
       {"Counter A count limit out of range 1000 setting value changed to 001."},
       [](TForm1& f) { return f.seCntrA_CntLimit.Text(); }, "1", 39, "001"},
      {"unknown count down input", Put("|Counter B |", 17, "Foo             "),
       {"Counter B count down input out of range Foo setting value changed to Zero."},
       [](TForm1& f) { return Item(f.cbCntrB_InputDn); }, "0", 45, "000"},
      {"latch row missing", Gone("|Latch     |"),
       {"Latch set input not found. Setting value changed to Zero.",
        "Latch reset input not found. Setting value changed to Zero."},
       [](TForm1& f) { return Item(f.cbLatch_ResetInput); }, "0", 51, "000"},
      {"period of five digits", Put("|Pulse Gen |", 17, " 00250"), {},
       [](TForm1& f) { return f.sePG_Period.Text(); }, "250", 48, "00250"},
      {"duty cycle 0", Put("|Pulse Gen |", 34, " 0  "),
       {"Pulse generator duty cycle out of range 0 setting value changed to 001."},
       [](TForm1& f) { return f.sePG_DutyCycle.Text(); }, "1", 49, "001"},
      {"pulse generator row missing", Gone("|Pulse Gen |"),
       {"Pulse generator input not found. Setting value changed to Zero.",
        "Pulse generator period not found. Setting value changed to 00001.",
        "Pulse generator duty cucle not found. Setting value changed to 001."},
       [](TForm1& f) { return f.sePG_Period.Text(); }, "1", 48, "00001"},
      // Clock window
      {"capital H", Put("| Start Time |", 0, " 08H30"), {},
       [](TForm1& f) { return f.seRTC_StartHr.Text() + ":" + f.seRTC_StartMin.Text(); }, "8:30", 32, "030"},
      {"no hour mark", Put("| Stop Time  |", 0, " 0830 "),
       {stopOne, "Real time clock stop minute out of range 0830 setting value changed to 01."},
       [](TForm1& f) { return f.seRTC_StopHr.Text() + ":" + f.seRTC_StopMin.Text(); }, "1:1", 33, "001"},
      {"clock rows missing", Gone("| Start Time |"),
       {"Real time clock start hour not found. Setting value changed to 01.",
        "Real time clock start minute not found. Setting value changed to 00."},
       [](TForm1& f) { return f.seRTC_StartHr.Text() + ":" + f.seRTC_StartMin.Text(); }, "1:0", 31, "001"},
      // Thermal capacity, reset, emergency stop
      {"level with a percent sign", Put("| TC Level |", 0, " 85%"), {},
       [](TForm1& f) { return f.seTC_WarnLevel.Text(); }, "85", 53, "085"},
      {"level with a blank inside", Put("| TC Level |", 0, " 8 5"),
       {"Thermal capacity warning level out of range 8 5 setting value changed to 070."},
       [](TForm1& f) { return f.seTC_WarnLevel.Text(); }, "70", 53, "070"},
      {"level of four digits", Put("| TC Level |", 0, "1000"),
       {"Thermal capacity warning level out of range 1000 setting value changed to 070."},
       [](TForm1& f) { return f.seTC_WarnLevel.Text(); }, "70", 53, "070"},
      {"reset input outside table 03", Put("| Ext Rst Inp |", 0, "Latch           "),
       {"External reset input out of range Latch setting value changed to Zero."},
       [](TForm1& f) { return Item(f.cbExtReset); }, "0", 52, "000"},
      {"emergency stop row missing", Gone("| ESTOP Input |"),
       {"Emergency stop input not found. Setting value changed to One."},
       [](TForm1& f) { return Item(f.cbE_Stop_Input); }, "1", 66, "001"},
      // Relays and temperature levels
      {"relay 5 in lower case", Put("| Relay 5     |", 0, "  mainTRIP      "), {},
       [](TForm1& f) { return Item(f.cbExtRelay_5_Input); }, "129", 54, "129"},
      {"unknown relay 7 input", Put("| Relay 7     |", 0, " Foo Bar        "),
       {"Relay 7 input out of range Foo Bar setting value changed to Zero."},
       [](TForm1& f) { return Item(f.cbExtRelay_7_Input); }, "0", 56, "000"},
      {"line of relays 2 and 6 missing", Both(Gone("| Relay 2     |"), Gone("| Relay 6     |")),
       {"Relay 2 input not found. Setting value changed to Zero.",
        "Relay 6 input not found. Setting value changed to Zero."},
       [](TForm1& f) { return Item(f.cbExtRelay_6_Input); }, "0", 55, "000"},
      {"high level below -30", Put("| Temperature 1 |", 0, " -35 "),
       {"Temperature 1 high warning level out of range -35 setting value changed to 040."},
       [](TForm1& f) { return f.seRTD1_WarnHiLev.Text(); }, "40", 58, "040"},
      {"low level with a minus inside", Put("| Temperature 3 |", 15, " 4-0 "),
       {"Temperature 3 low warning level out of range 4-0 setting value changed to -008."},
       [](TForm1& f) { return f.seRTD3_WarnLoLev.Text(); }, "-8", 63, "-008"},
      {"negative low level", Put("| Temperature 4 |", 15, " -8  "), {},
       [](TForm1& f) { return f.seRTD4_WarnLoLev.Text(); }, "-8", 65, "-008"},
  };
  // clang-format on
  CheckRowCases(cases, wire::RecordId::Logic);
}

// A section without its title: one line, and its editors keep what they had.
TEST(LogicReaderRows, MissingSectionLeavesItsEditors) {
  ReaderWorld w;
  Lines file = w.Baseline();
  Gone(" Relays")(file);
  w.f1().cbRelay_3_Input.SetItemIndex(77);
  EXPECT_EQ(w.Read(file), With({"Relay block not found."}, MissingSectionLines()));
  EXPECT_EQ(w.f1().cbRelay_3_Input.ItemIndex(), 77);
}

namespace {

// Every editor of the logic page as text, and the logic grid's send column.
Lines LogicEditorValues(TForm1& f) {
  Lines out;
  for (const editors::logic::LogicEditor& e : editors::logic::LogicEditors()) {
    TControl& c = e.Control(f);
    if (auto* b = dynamic_cast<TComboBox*>(&c))
      out.push_back(e.Name + ("=" + Item(*b)));
    else
      out.push_back(e.Name + ("=" + static_cast<TCustomEdit&>(c).Text()));
  }
  for (int n = 1; n <= 6; ++n)
    out.push_back("table " + std::to_string(editors::logic::TableByte(f, n)));
  return out;
}
Lines LogicSendColumn(ReaderWorld& w) {
  Lines out;
  for (int row = 1; row <= 66; ++row) out.push_back(w.vt().StringGridRelLogRx.Cell(2, row));
  return out;
}

}  // namespace

// Values set on the page, written by the writer, the page reset, the file read: the same editors
// and the same send column for every row of the logic grid. The file is the writer's report padded
// to a report's length (ReaderWorld::Baseline), as the reader refuses a shorter one while other
// sections are still missing.
TEST(LogicReaderRoundTrip, EveryRowOfTheLogicGridReadsBack) {
  Lines file, editors, send;
  {
    ReaderWorld w;  // its baseline: every logic editor away from its initial value
    TForm1& f = w.f1();
    f.seRTD2_WarnLoLev.SetValue(-8);
    f.seRTC_StopHr.SetValue(23);
    f.cbE_Stop_Input.SetItemIndex(59);
    f.LogicChange(f.seRTD2_WarnLoLev);
    f.LogicChange(f.seRTC_StopHr);
    f.LogicChange(f.cbE_Stop_Input);
    file = w.Baseline();
    editors = LogicEditorValues(f);
    send = LogicSendColumn(w);
  }
  ReaderWorld w;
  TForm1& f = w.f1();
  // The page reset: every editor somewhere else, its cell following.
  for (const editors::logic::LogicEditor& e : editors::logic::LogicEditors()) {
    TControl& c = e.Control(f);
    if (auto* b = dynamic_cast<TComboBox*>(&c))
      b->SetItemIndex(0);
    else if (auto* s = dynamic_cast<TSpinEdit*>(&c))
      s->SetValue(s->MinValue());
    else
      static_cast<TEdit&>(c).SetText("0");
    f.LogicChange(c);
  }
  for (int n = 1; n <= 6; ++n) editors::logic::TableByte(f, n) = 0;
  ASSERT_NE(LogicSendColumn(w), send);

  EXPECT_EQ(w.Read(file), MissingSectionLines());
  EXPECT_EQ(LogicEditorValues(f), editors);
  EXPECT_EQ(LogicSendColumn(w), send);
}

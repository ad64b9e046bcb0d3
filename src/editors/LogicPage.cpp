// The "Control Logic" page: its editors set up from the logic editor table, the generic change
// code that keeps each editor's send-column cell, the exit checks, the output table generator,
// the loading of a read from the relay and the page's named handlers.
#include <array>

#include "editors/LogicEditors.h"
#include "link/CommSetup.h"
#include "main/Main.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Scheduler.h"
#include "report/SignalNames.h"
#include "vartable/UnitVarTable.h"
#include "wire/Numeric.h"

using namespace editors::logic;

namespace {

void Store(const LogicEditor& e, long long value) {
  if (!FormVariableTable) return;
  FormVariableTable->Grid(wire::RecordId::Logic).SetCell(2, e.Row, wire::PadNum(value, e.Digits));
}

// A mask as typed: digits only and at most kMaskMax; anything else is no mask.
bool MaskValue(const std::string& text, long long& value) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return wire::ParseDecimal(text, value) && value <= kMaskMax;
}

TEdit& MaskBox(TForm1& f, int function) {
  return static_cast<TEdit&>(MaskEditor(function).Control(f));
}

void EditorChanged(TForm1& f, const LogicEditor& e) {
  TControl& c = e.Control(f);
  switch (e.Type) {
    case Kind::Signal: {
      const int item = static_cast<TComboBox&>(c).ItemIndex();
      if (item >= 0) Store(e, item);
      return;
    }
    case Kind::Spin: {
      auto& se = static_cast<TSpinEdit&>(c);
      if (!se.Text().empty()) Store(e, se.Value());
      return;
    }
    case Kind::Mask: {
      // A mask beyond one byte would send an impossible table, and one of more than three
      // digits would lengthen the write so that its echo never matches: it never gets here.
      long long v = 0;
      if (MaskValue(static_cast<TEdit&>(c).Text(), v)) Store(e, v);
      return;
    }
  }
}

void EditorLeft(TForm1& f, const LogicEditor& e) {
  TControl& c = e.Control(f);
  if (e.Type == Kind::Spin && e.EmptyDefault) {
    auto& se = static_cast<TSpinEdit&>(c);
    if (se.Text().empty()) se.SetValue(e.Default);
    return;
  }
  if (e.Type == Kind::Mask && e.Typeable) {
    // An empty box stores nothing and is left alone: clicking it only opens the generator.
    const std::string& text = static_cast<TEdit&>(c).Text();
    long long v = 0;
    if (text.empty() || MaskValue(text, v)) return;
    MessageDlg(kMaskRangeMessage, TMsgDlgType::mtError);
    c.SetFocus();  // back to the box; leaving it again checks again
  }
}

void OpenTableGenerator(TForm1& f, int function) {
  f.TruthTableLayOut(TableByte(f, function));
  f.LogicTableTarget = function;
  f.pLogFuncTableCalc.Left = GeneratorLeft(function);
}

void SetUp(TForm1& f, const LogicEditor& e) {
  TControl& c = e.Control(f);
  switch (e.Type) {
    case Kind::Signal: {
      auto& cb = static_cast<TComboBox&>(c);
      cb.Style = TComboBoxStyle::csDropDownList;
      cb.SetItems(SignalComboItems(e.Table));
      cb.SetItemIndex(-1);
      cb.OnChange = [&f, &e] { EditorChanged(f, e); };
      break;
    }
    case Kind::Spin: {
      auto& se = static_cast<TSpinEdit&>(c);
      se.SetMinValue(e.Min);
      se.SetMaxValue(e.Max);
      se.MaxLength = e.MaxLength;
      se.EditorEnabled = !e.ButtonsOnly;
      se.SetValue(e.Initial);
      se.OnChange = [&f, &e] { EditorChanged(f, e); };
      break;
    }
    case Kind::Mask: {
      auto& ed = static_cast<TEdit&>(c);
      ed.MaxLength = e.MaxLength;
      ed.ReadOnly = !e.Typeable;
      ed.SetText("");
      ed.SetHint(kMaskHint);
      ed.OnChange = [&f, &e] { EditorChanged(f, e); };
      ed.OnClick = [&f, &e] { OpenTableGenerator(f, e.Function); };
      break;
    }
  }
  if (e.EmptyDefault || e.Typeable) c.OnExit = [&f, &c] { f.LogicExit(c); };
}

void SetUpGenerator(TForm1& f) {
  TStringGrid& g = f.sgLogFuncTable;
  g.FixedRows = 1;
  g.FixedCols = 3;
  g.DefaultColWidth = 20;
  g.DefaultRowHeight = 20;
  g.ScrollBars = TScrollStyle::ssNone;
  g.OnSelectCell = [&f](int col, int row, bool& canSelect) {
    f.sgLogFuncTableSelectCell(col, row, canSelect);
  };
  f.bLogFuncTransf.OnClick = [&f] { f.bLogFuncTransfClick(); };
  f.pLogFuncTableCalc.SetVisible(false);
}

const char* Bit(unsigned value, int bit) { return (value >> bit) & 1 ? "1" : "0"; }

}  // namespace

// The page holds 41 signal selectors, each as wide as its longest name, beside the lamps of its
// outputs. It fits the window's client area in five columns: the groups follow one another down
// the columns in their order on the page, and the groups of lamps given a height here set their
// lamps in two columns of their own. The PLC input grid shows its sixteen bits at once.
constexpr int kTableEditWidth = 34;
constexpr int kOutputsHeight = 110, kWarningsHeight = 105, kFieldInputsHeight = 190;
constexpr int kPlcBitWidth = 18, kPlcRowHeight = 18;

void TForm1::InitLogicPage() {
  for (const LogicEditor& e : LogicEditors()) SetUp(*this, e);
  gbLogOutputs.SetBounds(-1, -1, -1, kOutputsHeight);
  gbLogRTDWarn.SetBounds(-1, -1, -1, kWarningsHeight);
  gbLogInputs.SetBounds(-1, -1, -1, kFieldInputsHeight);
  sgPLC_inputs.DefaultColWidth = kPlcBitWidth;
  sgPLC_inputs.DefaultRowHeight = kPlcRowHeight;
  sgPLC_inputs.ScrollBars = TScrollStyle::ssNone;
  for (TEdit* table :
       {&ebLF1_Table, &ebLF2_Table, &ebLF3_Table, &ebLF4_Table, &ebLF5_Table, &ebLF6_Table})
    table->SetBounds(-1, -1, kTableEditWidth, -1);
  SetUpGenerator(*this);
  // The comms setup window is built after the main window; the hook goes in at the loop's first
  // turn, before any answer can arrive.
  if (Form2) {
    ConnectLogicEditors();
  } else {
    Scheduler& s = Scheduler::Instance();
    s.Post(s.NowUs(), [] {
      if (Form1) Form1->ConnectLogicEditors();
    });
  }
}

void TForm1::ConnectLogicEditors() {
  if (!Form2) return;
  Form2->LoadLogicEditors = [] {
    if (Form1) Form1->LoadLogicRecordEditors();
  };
}

void TForm1::LogicChange(const TControl& editor) {
  if (const LogicEditor* e = FindLogicEditor(*this, editor)) EditorChanged(*this, *e);
}

void TForm1::LogicExit(const TControl& editor) {
  if (const LogicEditor* e = FindLogicEditor(*this, editor)) EditorLeft(*this, *e);
}

// A read loads every editor from the received column: a selector by item (no handler runs), a
// spin edit by value, a mask by its decimal text. The parser sets the table bytes and copies the
// received column over the send column afterwards.
void TForm1::LoadLogicRecordEditors() {
  if (!FormVariableTable) return;
  const TStringGrid& grid = FormVariableTable->Grid(wire::RecordId::Logic);
  for (const LogicEditor& e : LogicEditors()) {
    long long n = 0;
    wire::ParseDecimal(grid.Cell(1, e.Row), n);
    TControl& c = e.Control(*this);
    switch (e.Type) {
      case Kind::Signal:
        static_cast<TComboBox&>(c).SetItemIndex(static_cast<int>(n));
        break;
      case Kind::Spin:
        static_cast<TSpinEdit&>(c).SetValue(static_cast<int>(n));
        break;
      case Kind::Mask:
        static_cast<TEdit&>(c).SetText(wire::DecStr(n));
        break;
    }
  }
}

// ---- Output table generator ----

void TForm1::TruthTableLayOut(uint8_t TTable) {
  TStringGrid& g = sgLogFuncTable;
  const char* header[] = {" A", " B", " C", "Op"};
  for (int col = 0; col <= kOpColumn; ++col) g.SetCell(col, 0, header[col]);
  for (int row = 1; row <= kTruthRows; ++row) {
    const unsigned combination = static_cast<unsigned>(row - 1);
    for (int col = 0; col < kOpColumn; ++col)
      g.SetCell(col, row, std::string(" ") + Bit(combination, 2 - col));
    g.SetCell(kOpColumn, row, Bit(TTable, row - 1));
  }
  pLogFuncTableCalc.SetVisible(true);
}

void TForm1::sgLogFuncTableSelectCell(int /*ACol*/, int ARow, bool& CanSelect) {
  if (ARow >= 1 && ARow <= kTruthRows) {
    const bool one = sgLogFuncTable.Cell(kOpColumn, ARow) == "0";
    sgLogFuncTable.SetCell(kOpColumn, ARow, one ? "1" : "0");
  }
  CanSelect = true;
}

void TForm1::bLogFuncTransfClick() {
  pLogFuncTableCalc.SetVisible(false);
  int sum = 0;
  for (int row = 1; row <= kTruthRows; ++row)
    if (sgLogFuncTable.Cell(kOpColumn, row) == "1") sum += 1 << (row - 1);
  if (LogicTableTarget < 1 || LogicTableTarget > 6) return;
  MaskBox(*this, LogicTableTarget).SetText(IntToStr(sum));
  TableByte(*this, LogicTableTarget) = static_cast<uint8_t>(sum);
}

// ---- Named handlers: each the generic code for its editor ----

void TForm1::ebLF1_TableChange() { LogicChange(ebLF1_Table); }
void TForm1::cbLF1_InputAChange() { LogicChange(cbLF1_InputA); }
void TForm1::cbLF1_InputBChange() { LogicChange(cbLF1_InputB); }
void TForm1::cbLF1_InputCChange() { LogicChange(cbLF1_InputC); }
void TForm1::ebLF2_TableChange() { LogicChange(ebLF2_Table); }
void TForm1::cbLF2_InputAChange() { LogicChange(cbLF2_InputA); }
void TForm1::cbLF2_InputBChange() { LogicChange(cbLF2_InputB); }
void TForm1::cbLF2_InputCChange() { LogicChange(cbLF2_InputC); }
void TForm1::ebLF3_TableChange() { LogicChange(ebLF3_Table); }
void TForm1::cbLF3_InputAChange() { LogicChange(cbLF3_InputA); }
void TForm1::cbLF3_InputBChange() { LogicChange(cbLF3_InputB); }
void TForm1::cbLF3_InputCChange() { LogicChange(cbLF3_InputC); }
void TForm1::ebLF4_TableChange() { LogicChange(ebLF4_Table); }
void TForm1::cbLF4_InputAChange() { LogicChange(cbLF4_InputA); }
void TForm1::cbLF4_InputBChange() { LogicChange(cbLF4_InputB); }
void TForm1::cbLF4_InputCChange() { LogicChange(cbLF4_InputC); }
void TForm1::ebLF5_TableChange() { LogicChange(ebLF5_Table); }
void TForm1::cbLF5_InputAChange() { LogicChange(cbLF5_InputA); }
void TForm1::cbLF5_InputBChange() { LogicChange(cbLF5_InputB); }
void TForm1::cbLF5_InputCChange() { LogicChange(cbLF5_InputC); }
void TForm1::ebLF6_TableChange() { LogicChange(ebLF6_Table); }
void TForm1::cbLF6_InputAChange() { LogicChange(cbLF6_InputA); }
void TForm1::cbLF6_InputBChange() { LogicChange(cbLF6_InputB); }
void TForm1::cbLF6_InputCChange() { LogicChange(cbLF6_InputC); }
void TForm1::seTmrA_TimeLimChange() { LogicChange(seTmrA_TimeLim); }
void TForm1::cbTmrA_StartChange() { LogicChange(cbTmrA_Start); }
void TForm1::cbTmrA_ResetChange() { LogicChange(cbTmrA_Reset); }
void TForm1::seTmrB_TimeLimChange() { LogicChange(seTmrB_TimeLim); }
void TForm1::cbTmrB_StartChange() { LogicChange(cbTmrB_Start); }
void TForm1::cbTmrB_ResetChange() { LogicChange(cbTmrB_Reset); }
void TForm1::seRTC_StartHrChange() { LogicChange(seRTC_StartHr); }
void TForm1::seRTC_StartMinChange() { LogicChange(seRTC_StartMin); }
void TForm1::seRTC_StopHrChange() { LogicChange(seRTC_StopHr); }
void TForm1::seRTC_StopMinChange() { LogicChange(seRTC_StopMin); }
void TForm1::cbRelay_1_InputChange() { LogicChange(cbRelay_1_Input); }
void TForm1::cbRelay_2_InputChange() { LogicChange(cbRelay_2_Input); }
void TForm1::cbRelay_3_InputChange() { LogicChange(cbRelay_3_Input); }
void TForm1::cbRelay_4_InputChange() { LogicChange(cbRelay_4_Input); }
void TForm1::seCntrA_CntLimitChange() { LogicChange(seCntrA_CntLimit); }
void TForm1::cbCntrA_InputUpChange() { LogicChange(cbCntrA_InputUp); }
void TForm1::cbCntrA_InputDnChange() { LogicChange(cbCntrA_InputDn); }
void TForm1::cbCntrA_ResetChange() { LogicChange(cbCntrA_Reset); }
void TForm1::seCntrB_CntLimitChange() { LogicChange(seCntrB_CntLimit); }
void TForm1::cbCntrB_InputUpChange() { LogicChange(cbCntrB_InputUp); }
void TForm1::cbCntrB_InputDnChange() { LogicChange(cbCntrB_InputDn); }
void TForm1::cbCntrB_ResetChange() { LogicChange(cbCntrB_Reset); }
void TForm1::cbPulseGen_InputChange() { LogicChange(cbPulseGen_Input); }
void TForm1::sePG_PeriodChange() { LogicChange(sePG_Period); }
void TForm1::sePG_DutyCycleChange() { LogicChange(sePG_DutyCycle); }
void TForm1::cbLatch_SetInputChange() { LogicChange(cbLatch_SetInput); }
void TForm1::cbLatch_ResetInputChange() { LogicChange(cbLatch_ResetInput); }
void TForm1::cbExtResetChange() { LogicChange(cbExtReset); }
void TForm1::seTC_WarnLevelChange() { LogicChange(seTC_WarnLevel); }
void TForm1::cbExtRelay_5_InputChange() { LogicChange(cbExtRelay_5_Input); }
void TForm1::cbExtRelay_6_InputChange() { LogicChange(cbExtRelay_6_Input); }
void TForm1::cbExtRelay_7_InputChange() { LogicChange(cbExtRelay_7_Input); }
void TForm1::cbExtRelay_8_InputChange() { LogicChange(cbExtRelay_8_Input); }
void TForm1::seRTD1_WarnHiLevChange() { LogicChange(seRTD1_WarnHiLev); }
void TForm1::seRTD1_WarnLoLevChange() { LogicChange(seRTD1_WarnLoLev); }
void TForm1::seRTD2_WarnHiLevChange() { LogicChange(seRTD2_WarnHiLev); }
void TForm1::seRTD2_WarnLoLevChange() { LogicChange(seRTD2_WarnLoLev); }
void TForm1::seRTD3_WarnHiLevChange() { LogicChange(seRTD3_WarnHiLev); }
void TForm1::seRTD3_WarnLoLevChange() { LogicChange(seRTD3_WarnLoLev); }
void TForm1::seRTD4_WarnHiLevChange() { LogicChange(seRTD4_WarnHiLev); }
void TForm1::seRTD4_WarnLoLevChange() { LogicChange(seRTD4_WarnLoLev); }
void TForm1::cbE_Stop_InputChange() { LogicChange(cbE_Stop_Input); }

void TForm1::ebLF1_TableClick() { OpenTableGenerator(*this, 1); }
void TForm1::ebLF2_TableClick() { OpenTableGenerator(*this, 2); }
void TForm1::ebLF3_TableClick() { OpenTableGenerator(*this, 3); }
void TForm1::ebLF4_TableClick() { OpenTableGenerator(*this, 4); }
void TForm1::ebLF5_TableClick() { OpenTableGenerator(*this, 5); }
void TForm1::ebLF6_TableClick() { OpenTableGenerator(*this, 6); }

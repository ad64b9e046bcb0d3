// The "Control Logic" page: the editor table against the window and the record layout, what each
// kind of editor writes into the send column, the exit checks, the output table generator, and
// the logic record's answer loading the page and its echo checked after a write.
#include <gtest/gtest.h>

#include <map>

#include "editors/LogicEditors.h"
#include "support/EditorWorld.h"
#include "wire/RecordLayouts.h"
#include "wire/Requests.h"

using namespace editors::logic;
using wire::RecordId;

namespace {

struct LogicPageTest : ::testing::Test {
  EditorWorld w{false};
  TForm1& f = w.f1();
  std::string Send(int row) { return w.vt().StringGridRelLogRx.Cell(2, row); }
  std::string Op(int row) { return f.sgLogFuncTable.Cell(kOpColumn, row); }
};

ControlKind KindOf(Kind k) {
  switch (k) {
    case Kind::Signal:
      return ControlKind::ComboBox;
    case Kind::Spin:
      return ControlKind::SpinEdit;
    case Kind::Mask:
      return ControlKind::Edit;
  }
  return ControlKind::Form;
}

}  // namespace

TEST_F(LogicPageTest, TableCoversEveryRowOfTheLogicGridOnce) {
  std::map<int, int> editorsPerRow;
  const wire::RecordLayout& rec = wire::Layout(RecordId::Logic);
  for (const LogicEditor& e : LogicEditors()) {
    SCOPED_TRACE(e.Name);
    TControl& c = e.Control(f);
    EXPECT_EQ(c.Name(), e.Name);
    EXPECT_EQ(c.Kind(), KindOf(e.Type));
    EXPECT_EQ(FindLogicEditor(f, c), &e);
    ASSERT_LE(e.Row, rec.FieldCount);
    EXPECT_EQ(e.Digits, rec.Fields[e.Row - 1].RecvWidth);  // a read and an edit agree
    ++editorsPerRow[e.Row];
  }
  for (int row = 1; row <= 66; ++row) EXPECT_EQ(editorsPerRow[row], 1) << "row " << row;
  EXPECT_EQ(editorsPerRow.size(), 66u);
  for (int n = 1; n <= 6; ++n) EXPECT_EQ(MaskEditor(n).Row, 4 * n - 3);
}

TEST_F(LogicPageTest, SelectorsHoldTheSignalNamesInCodeOrder) {
  struct Case {
    TComboBox& box;
    int count;
    std::string first, last, item;  // item 45
  };
  // clang-format off
  const Case cases[] = {
      {f.cbLF3_InputB, 131, "Zero ('0')", "!MainTrip", "Timer_A"},
      {f.cbExtRelay_8_Input, 131, "Zero ('0')", "!MainTrip", "Timer_A"},
      {f.cbExtReset, 60, "Zero ('0')", "PLC_Input_16", "PLC_Input_2"},
      {f.cbE_Stop_Input, 60, "Zero ('0')", "PLC_Input_16", "PLC_Input_2"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box.Name());
    ASSERT_EQ(c.box.Items.Count(), c.count);
    EXPECT_EQ(c.box.Items[0], c.first);
    EXPECT_EQ(c.box.Items[c.count - 1], c.last);
    EXPECT_EQ(c.box.Items[45], c.item);
    EXPECT_EQ(c.box.Style, TComboBoxStyle::csDropDownList);
    EXPECT_EQ(c.box.ItemIndex(), -1);
  }
}

TEST_F(LogicPageTest, WindowBuiltWithInitialValuesAndNoHandlerRun) {
  EXPECT_EQ(f.seTmrA_TimeLim.Text(), "1");
  EXPECT_EQ(f.seTC_WarnLevel.Text(), "100");
  EXPECT_FALSE(f.seTC_WarnLevel.EditorEnabled);
  EXPECT_EQ(f.seRTD3_WarnLoLev.MinValue(), -30);
  EXPECT_EQ(f.seRTD3_WarnLoLev.MaxValue(), 220);
  EXPECT_EQ(f.ebLF1_Table.Text(), "");
  EXPECT_TRUE(f.ebLF1_Table.ReadOnly);
  EXPECT_EQ(f.ebLF1_Table.MaxLength, 3);
  EXPECT_FALSE(f.ebLF2_Table.ReadOnly);
  EXPECT_EQ(f.ebLF3_Table.MaxLength, 8);
  EXPECT_EQ(f.ebLF6_Table.Hint(), "Click to open output table ...");
  EXPECT_FALSE(f.pLogFuncTableCalc.Visible());
  EXPECT_EQ(f.LogicTableTarget, 0);
  for (int row = 1; row <= 66; ++row)
    EXPECT_EQ(Send(row), row == 25 || row == 28 || row == 48 ? "00000" : "000");
}

// Every kind of editor: what the user does and the cell it leaves in the send column.
TEST_F(LogicPageTest, EachEditorKindWritesItsCell) {
  struct Case {
    const char* name;
    std::function<void(TForm1&)> act;
    int row;
    std::string cell;
  };
  // clang-format off
  const std::vector<Case> cases = {
      {"logic input", [](TForm1& f) { f.cbLF1_InputA.UserPick(130); }, 2, "130"},
      {"last logic input", [](TForm1& f) { f.cbLF6_InputC.UserPick(7); }, 24, "007"},
      {"timer start", [](TForm1& f) { f.cbTmrB_Start.UserPick(45); }, 29, "045"},
      {"relay 1", [](TForm1& f) { f.cbRelay_1_Input.UserPick(3); }, 35, "003"},
      {"relay 8", [](TForm1& f) { f.cbExtRelay_8_Input.UserPick(129); }, 57, "129"},
      {"external reset, table 03", [](TForm1& f) { f.cbExtReset.UserPick(59); }, 52, "059"},
      {"emergency stop, table 03", [](TForm1& f) { f.cbE_Stop_Input.UserPick(1); }, 66, "001"},
      {"timer time, five digits", [](TForm1& f) { f.seTmrA_TimeLim.UserType("3000"); }, 25, "03000"},
      {"clock minute", [](TForm1& f) { f.seRTC_StopMin.UserType("59"); }, 34, "059"},
      {"counter limit", [](TForm1& f) { f.seCntrB_CntLimit.UserType("250"); }, 43, "250"},
      {"pulse period, five digits", [](TForm1& f) { f.sePG_Period.UserType("17"); }, 48, "00017"},
      {"duty cycle", [](TForm1& f) { f.sePG_DutyCycle.UserType("99"); }, 49, "099"},
      {"thermal warning by buttons", [](TForm1& f) { f.seTC_WarnLevel.UserStep(-1); }, 53, "099"},
      {"negative warning level", [](TForm1& f) { f.seRTD4_WarnLoLev.UserType("-30"); }, 65, "-030"},
      {"typed mask of function 2", [](TForm1& f) { f.ebLF2_Table.UserType("12"); }, 5, "012"},
      {"typed mask 255 of function 3", [](TForm1& f) { f.ebLF3_Table.UserType("255"); }, 9, "255"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EditorWorld fresh{false};
    c.act(fresh.f1());
    EXPECT_EQ(fresh.vt().StringGridRelLogRx.Cell(2, c.row), c.cell);
  }
}

// A mask is one byte: a typed mask beyond 255, or any text that is no whole number, never reaches
// the send column (a longer field would lengthen the 207-character write so that its echo never
// matches); leaving the box refuses it with the range message and keeps the focus there.
TEST_F(LogicPageTest, TypedMaskOutsideOneByteIsRefused) {
  const char* refused[] = {"256", "999", "1000", "12345678", "-1", "1a", " 7"};
  for (const char* text : refused) {
    SCOPED_TRACE(text);
    EditorWorld fresh{false};
    TForm1& g = fresh.f1();
    g.ebLF2_Table.UserType("");
    g.ebLF2_Table.UserSetText(text);  // pasted: no shorter whole number on the way
    EXPECT_EQ(fresh.vt().StringGridRelLogRx.Cell(2, 5), "000");
    g.UserFocus(&g.ebLF3_Table);
    EXPECT_EQ(fresh.BoxTexts(),
              std::vector<std::string>{"Value is out of range !\rRange = 0 to 255"});
    EXPECT_EQ(g.ActiveControl(), &g.ebLF2_Table);
  }
  // An empty box is left without a word: clicking it only opens the generator.
  f.ebLF3_Table.UserClick();
  f.UserFocus(&f.sgLogFuncTable);
  EXPECT_TRUE(w.hb.boxes.empty());
  // The read-only boxes take no typing at all.
  f.ebLF1_Table.UserType("77");
  EXPECT_EQ(f.ebLF1_Table.Text(), "");
}

TEST_F(LogicPageTest, ExitChecksGiveDefaultsToEmptiedBoxes) {
  struct Case {
    TSpinEdit& box;
    std::string shown;
    int row;
    std::string cell;
  };
  // clang-format off
  const Case cases[] = {
      {f.seRTC_StartHr, "0", 31, "000"},   {f.seRTC_StopMin, "0", 34, "000"},
      {f.sePG_Period, "1", 48, "00001"},   {f.sePG_DutyCycle, "1", 49, "001"},
      {f.seCntrA_CntLimit, "1", 39, "001"}, {f.seCntrB_CntLimit, "1", 43, "001"},
      {f.seRTD1_WarnHiLev, "30", 58, "030"}, {f.seRTD4_WarnLoLev, "30", 65, "030"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box.Name());
    c.box.UserType("7");
    c.box.UserType("");
    f.UserLeave();
    EXPECT_EQ(c.box.Text(), c.shown);
    EXPECT_EQ(Send(c.row), c.cell);
  }
  // The thermal warning level takes only the buttons; its default is 85 once emptied in code.
  f.UserFocus(&f.seTC_WarnLevel);
  f.seTC_WarnLevel.SetText("");
  f.UserLeave();
  EXPECT_EQ(f.seTC_WarnLevel.Text(), "85");
  EXPECT_EQ(Send(53), "085");
  // The timer times have no exit check: an emptied box stays empty and its cell as it was.
  f.seTmrA_TimeLim.UserType("40");
  f.seTmrA_TimeLim.UserType("");
  f.UserLeave();
  EXPECT_EQ(f.seTmrA_TimeLim.Text(), "");
  EXPECT_EQ(Send(25), "00040");
  EXPECT_TRUE(w.hb.boxes.empty());
}

// ---- Output table generator ----

TEST_F(LogicPageTest, GeneratorOpensFromTheTableByteBesideItsFunction) {
  f.ActLF4_Table = 5;
  f.ebLF4_Table.UserClick();
  EXPECT_TRUE(f.pLogFuncTableCalc.Visible());
  EXPECT_EQ(f.LogicTableTarget, 4);
  EXPECT_EQ(f.pLogFuncTableCalc.Left, 252);
  const std::vector<std::string> header = {" A", " B", " C", "Op"};
  for (int col = 0; col < 4; ++col) EXPECT_EQ(f.sgLogFuncTable.Cell(col, 0), header[col]);
  // Rows 1..8 are the combinations 000..111 with A the highest bit; bits 0 and 2 of 5 are set.
  const std::vector<std::string> a = {" 0", " 0", " 0", " 0", " 1", " 1", " 1", " 1"};
  const std::vector<std::string> c = {" 0", " 1", " 0", " 1", " 0", " 1", " 0", " 1"};
  const std::vector<std::string> op = {"1", "0", "1", "0", "0", "0", "0", "0"};
  for (int row = 1; row <= 8; ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(f.sgLogFuncTable.Cell(0, row), a[row - 1]);
    EXPECT_EQ(f.sgLogFuncTable.Cell(2, row), c[row - 1]);
    EXPECT_EQ(Op(row), op[row - 1]);
  }
  f.bLogFuncTransf.UserClick();
  EXPECT_FALSE(f.pLogFuncTableCalc.Visible());
  EXPECT_EQ(f.ebLF4_Table.Text(), "5");
  EXPECT_EQ(Send(13), "005");
  EXPECT_EQ(f.ActLF4_Table, 5);

  const std::pair<int, int> left[] = {{1, 76}, {2, 76}, {3, 252}, {5, 428}, {6, 428}};
  TEdit* boxes[] = {nullptr,        &f.ebLF1_Table, &f.ebLF2_Table, &f.ebLF3_Table,
                    &f.ebLF4_Table, &f.ebLF5_Table, &f.ebLF6_Table};
  for (auto [n, x] : left) {
    boxes[n]->UserClick();
    EXPECT_EQ(f.LogicTableTarget, n);
    EXPECT_EQ(f.pLogFuncTableCalc.Left, x) << n;
  }
}

TEST_F(LogicPageTest, SelectingAnOpCellTogglesItAndTheTransferSumsTheOnes) {
  struct Case {
    const char* name;
    uint8_t start;
    std::vector<int> selected;  // rows selected in turn
    int function;
    std::string box, cell;
  };
  // clang-format off
  const std::vector<Case> cases = {
      {"row 8 adds 128", 5, {8}, 4, "133", "133"},
      {"all ones", 0, {1, 2, 3, 4, 5, 6, 7, 8}, 1, "255", "255"},
      {"all zeros", 255, {1, 2, 3, 4, 5, 6, 7, 8}, 6, "0", "000"},
      {"twice is unchanged", 0x69, {3, 3, 4}, 2, "97", "097"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EditorWorld fresh{false};
    TForm1& g = fresh.f1();
    TEdit* boxes[] = {&g.ebLF1_Table, &g.ebLF2_Table, &g.ebLF3_Table,
                      &g.ebLF4_Table, &g.ebLF5_Table, &g.ebLF6_Table};
    editors::logic::TableByte(g, c.function) = c.start;
    boxes[c.function - 1]->UserClick();
    for (int row : c.selected) g.sgLogFuncTable.UserSelectCell(kOpColumn, row);
    g.bLogFuncTransf.UserClick();
    EXPECT_EQ(boxes[c.function - 1]->Text(), c.box);
    EXPECT_EQ(fresh.vt().StringGridRelLogRx.Cell(2, 4 * c.function - 3), c.cell);
    EXPECT_EQ(editors::logic::TableByte(g, c.function), std::stoi(c.box));
  }
}

TEST_F(LogicPageTest, TypedMaskChangesOnlyTheSendColumn) {
  f.ActLF3_Table = 0x81;
  f.ebLF3_Table.UserType("12");
  EXPECT_EQ(Send(9), "012");
  EXPECT_EQ(f.ActLF3_Table, 0x81);
  f.ebLF3_Table.UserClick();
  EXPECT_EQ(Op(1), "1");
  EXPECT_EQ(Op(3), "0");
  EXPECT_EQ(Op(8), "1");
}

TEST_F(LogicPageTest, TransferWithoutATargetStoresNothing) {
  f.TruthTableLayOut(0xFF);
  f.bLogFuncTransfClick();
  EXPECT_FALSE(f.pLogFuncTableCalc.Visible());
  for (int n = 1; n <= 6; ++n) EXPECT_EQ(Send(4 * n - 3), "000");
  EXPECT_EQ(f.ActLF1_Table, 0);
}

// ---- The logic record's answer ----

// A logic answer written out field by field (row: value), 207 characters.
// clang-format off
const std::string kLogicAnswer = std::string("*W") +
    "105" "003" "045" "130" +  // rows 1-4: T1 mask 105, inputs 3, 45, 130
    "255" "001" "002" "000" +  // rows 5-8
    "000" "000" "000" "000" +  // rows 9-12
    "005" "000" "000" "000" +  // rows 13-16: T4 mask 5
    "000" "000" "000" "000" +  // rows 17-20
    "007" "000" "000" "009" +  // rows 21-24
    "01200" "046" "047" +      // rows 25-27: timer A 60 s (wire in 50 ms units), start, reset
    "60000" "000" "000" +      // rows 28-30: timer B 3000 s
    "008" "030" "017" "045" +  // rows 31-34: clock window 08:30 to 17:45
    "000" "001" "002" "130" +  // rows 35-38: relays 1-4
    "250" "055" "056" "000" +  // rows 39-42: counter A
    "001" "000" "000" "000" +  // rows 43-46: counter B
    "118" "00250" "050" +      // rows 47-49: pulse generator input, period, duty cycle
    "120" "000" "059" +        // rows 50-52: latch set, reset, external reset (table 03)
    "085" +                    // row 53: thermal capacity warning
    "005" "006" "007" "008" +  // rows 54-57: relays 5-8
    "130" "022" "250" "000" "060" "030" "030" "030" +  // rows 58-65: levels plus 30
    "001" +                    // row 66: emergency stop
    "#";
// clang-format on

TEST(LogicRecord, AnswerIsOfTheRecordLength) { EXPECT_EQ(kLogicAnswer.size(), 207u); }

TEST_F(LogicPageTest, ReadLoadsEveryEditorAndTheTableBytes) {
  f.UploadLogic = true;
  ASSERT_EQ(w.f2().PackLogicData(kLogicAnswer), 1);
  EXPECT_EQ(f.ebLF1_Table.Text(), "105");
  EXPECT_EQ(f.ActLF1_Table, 105);
  EXPECT_EQ(f.ebLF2_Table.Text(), "255");
  EXPECT_EQ(f.ebLF4_Table.Text(), "5");
  EXPECT_EQ(f.ActLF4_Table, 5);
  EXPECT_EQ(f.ActLF6_Table, 7);
  EXPECT_EQ(f.cbLF1_InputB.ItemIndex(), 45);
  EXPECT_EQ(f.cbLF1_InputC.ItemIndex(), 130);
  EXPECT_EQ(f.cbLF6_InputC.ItemIndex(), 9);
  EXPECT_EQ(f.seTmrA_TimeLim.Text(), "60");
  EXPECT_EQ(f.cbTmrA_Start.ItemIndex(), 46);
  EXPECT_EQ(f.cbTmrA_Reset.ItemIndex(), 47);
  EXPECT_EQ(f.seTmrB_TimeLim.Text(), "3000");
  EXPECT_EQ(f.seRTC_StartHr.Text(), "8");
  EXPECT_EQ(f.seRTC_StartMin.Text(), "30");
  EXPECT_EQ(f.seRTC_StopHr.Text(), "17");
  EXPECT_EQ(f.seRTC_StopMin.Text(), "45");
  EXPECT_EQ(f.cbRelay_4_Input.ItemIndex(), 130);
  EXPECT_EQ(f.seCntrA_CntLimit.Text(), "250");
  EXPECT_EQ(f.cbCntrA_InputDn.ItemIndex(), 56);
  EXPECT_EQ(f.cbPulseGen_Input.ItemIndex(), 118);
  EXPECT_EQ(f.sePG_Period.Text(), "250");
  EXPECT_EQ(f.sePG_DutyCycle.Text(), "50");
  EXPECT_EQ(f.cbLatch_SetInput.ItemIndex(), 120);
  EXPECT_EQ(f.cbExtReset.ItemIndex(), 59);
  EXPECT_EQ(f.seTC_WarnLevel.Text(), "85");
  EXPECT_EQ(f.cbExtRelay_8_Input.ItemIndex(), 8);
  EXPECT_EQ(f.seRTD1_WarnHiLev.Text(), "100");
  EXPECT_EQ(f.seRTD1_WarnLoLev.Text(), "-8");
  EXPECT_EQ(f.seRTD2_WarnHiLev.Text(), "220");
  EXPECT_EQ(f.seRTD2_WarnLoLev.Text(), "-30");
  EXPECT_EQ(f.cbE_Stop_Input.ItemIndex(), 1);
  // The send column is the received column after a read.
  EXPECT_EQ(Send(25), "00060");
  EXPECT_EQ(Send(59), "-008");
  EXPECT_EQ(Send(52), "059");
  for (int row = 1; row <= 66; ++row)
    EXPECT_EQ(Send(row), w.vt().StringGridRelLogRx.Cell(1, row)) << row;
}

TEST_F(LogicPageTest, RefusedAnswersChangeNothing) {
  f.UploadLogic = true;
  struct Case {
    const char* name;
    int pos;  // 1-based position replaced by a non-digit
  };
  for (const Case c : {Case{"first field", 3}, Case{"timer", 80}, Case{"last field", 206}}) {
    SCOPED_TRACE(c.name);
    std::string answer = kLogicAnswer;
    answer[static_cast<size_t>(c.pos - 1)] = 'x';
    EXPECT_EQ(w.f2().PackLogicData(answer), 0);
    EXPECT_EQ(f.ebLF1_Table.Text(), "");
    EXPECT_EQ(f.cbTmrA_Start.ItemIndex(), -1);
    EXPECT_EQ(w.vt().StringGridRelLogRx.Cell(1, 1), "000");
    EXPECT_EQ(w.vt().StringGridRelLogRx.Cell(1, 25), "00000");
  }
}

// After a write the echo must equal what was sent, row by row; while only a read is armed the
// editors load and nothing is compared.
TEST_F(LogicPageTest, WriteEchoIsComparedWithTheSendColumn) {
  f.UploadLogic = true;
  ASSERT_EQ(w.f2().PackLogicData(kLogicAnswer), 1);
  f.UploadLogic = false;
  f.DownloadLogic = true;
  EXPECT_EQ(w.f2().PackLogicData(kLogicAnswer), 1);
  f.cbTmrA_Start.UserPick(12);  // row 26 now differs from the echo
  EXPECT_EQ(w.f2().PackLogicData(kLogicAnswer), 0);
  EXPECT_EQ(f.cbTmrA_Start.ItemIndex(), 12) << "an echo loads no editor";
  std::string echo = kLogicAnswer;
  echo.replace(79, 3, "012");
  EXPECT_EQ(w.f2().PackLogicData(echo), 1);
}

// The page against the test relay: a read fills it; a write after changing a selector and a timer
// sends exactly those changes and the relay then holds them.
TEST(LogicWithTheTestRelay, ReadFillsThePageAndAWriteSendsExactlyTheChanges) {
  EditorWorld w;
  TForm1& f = w.f1();
  TForm2& f2 = w.f2();
  RelayModel& relay = w.relay->Model;
  relay.Record(RecordId::Logic) = kLogicAnswer;
  w.Connect();
  f.UploadLogic = true;
  f2.AddToCommsQue(wire::ReqUploadLogic);
  ASSERT_TRUE(w.hb.RunUntil([&] { return f.LogicUploaded; }, 5000));
  f.UploadLogic = false;
  EXPECT_EQ(f.seTmrB_TimeLim.Text(), "3000");
  EXPECT_EQ(f.cbLatch_SetInput.ItemIndex(), 120);

  f.cbCntrB_Reset.UserPick(57);
  f.seTmrA_TimeLim.UserType("75");
  f.UserLeave();
  f.DownloadLogic = true;
  f2.AddToCommsQue(wire::ReqDownloadLogic);
  ASSERT_TRUE(w.hb.RunUntil([&] { return f.LogicDownloaded; }, 5000));
  std::string want = kLogicAnswer;
  want.replace(74, 5, "01500");  // 75 s in 50 ms units
  want.replace(141, 3, "057");
  EXPECT_EQ(relay.Record(RecordId::Logic), want);
  EXPECT_EQ(w.Written().back(), "*W" + want.substr(2));
}

// The Starter Configuration and External Modules pages: their editor tables against the window
// and the record layouts, what each editor writes into the send column, the timers' exit checks,
// the starter display for every starter type, and the load of a read from hand-written answers.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "editors/SettingsEditors.h"
#include "wire/RecordLayouts.h"
#include "support/EditorWorld.h"

using namespace editors::settings;
using wire::RecordId;

namespace {

std::string SendOf(RecordId grid, int row) { return FormVariableTable->Grid(grid).Cell(2, row); }

}  // namespace

TEST(StarterPages, TablesCoverEveryRowOnceWithTheReceivedWidth) {
  EditorWorld w(false);
  TForm1& f = w.f1();
  const struct {
    std::span<const EditorSpec> table;
    RecordId grid;
    int rows;
  } tables[] = {{StarterEditors(), RecordId::StartConf, 30},
                {ExtModuleEditors(), RecordId::ExtMod, 8}};
  for (const auto& t : tables) {
    std::map<int, int> perRow;
    for (const EditorSpec& e : t.table) {
      SCOPED_TRACE(e.Name);
      TControl& c = e.Control(f);
      EXPECT_EQ(c.Name(), e.Name);
      EXPECT_EQ(FindEditor(f, c), &e);
      EXPECT_EQ(e.Grid, t.grid);
      ASSERT_LE(e.Row, wire::Layout(t.grid).FieldCount);
      EXPECT_EQ(e.Digits, wire::Layout(t.grid).Fields[e.Row - 1].RecvWidth);
      ++perRow[e.Row];
    }
    for (int row = 1; row <= t.rows; ++row) EXPECT_EQ(perRow[row], 1) << "row " << row;
  }
  // The signal selectors list the signal-name tables, names unpadded; nothing is chosen yet.
  EXPECT_EQ(f.cbControlSelectorMsb.Items.Count(), 33);
  EXPECT_EQ(f.cbLocStop.Items.Count(), 60);
  EXPECT_EQ(f.cbFeedback.Items[0], "Zero ('0')");
  EXPECT_EQ(f.cbLocStop.ItemIndex(), -1);
  EXPECT_EQ(f.cbLocStop.Style, TComboBoxStyle::csDropDownList);
  EXPECT_EQ(f.sePreWarnTime.Text(), "600");
  EXPECT_FALSE(f.seFrozenContactTime.EditorEnabled);
  EXPECT_TRUE(f.seTransitionTime.EditorEnabled);
  EXPECT_FALSE(f.seDF_DelTime_15.EditorEnabled);
  EXPECT_EQ(f.seDF_DelTime_15.Text(), "100");
}

// One user action and the send-column cell it leaves, each on a freshly built window.
TEST(StarterPages, EditorActionsWriteTheirCell) {
  const auto Q = RecordId::StartConf;
  const auto O = RecordId::ExtMod;
  const struct {
    const char* what;
    std::function<void(TForm1&)> act;
    RecordId grid;
    int row;
    const char* cell;
    // clang-format off
  } cases[] = {
      {"location lsb", [](TForm1& f) { f.cbControlSelectorLsb.UserPick(5); }, Q, 1, "005"},
      {"location msb, last name", [](TForm1& f) { f.cbControlSelectorMsb.UserPick(32); }, Q, 2, "032"},
      {"local slow reverse", [](TForm1& f) { f.cbLocStart_Rs.UserPick(2); }, Q, 6, "002"},
      {"remote interlock", [](TForm1& f) { f.cbRemInterlock.UserPick(17); }, Q, 13, "017"},
      {"auto stop", [](TForm1& f) { f.cbAutoStop.UserPick(59); }, Q, 20, "059"},
      {"feedback signal", [](TForm1& f) { f.cbFeedback.UserPick(44); }, Q, 30, "044"},
      {"pre-warning, five digits", [](TForm1& f) { f.sePreWarnTime.UserType("45"); }, Q, 21, "00045"},
      {"execution, three digits", [](TForm1& f) { f.seExecTime.UserType("10"); }, Q, 22, "010"},
      {"feedback steps by 50", [](TForm1& f) { f.seFeedbackTime.UserStep(1); }, Q, 23, "00250"},
      {"DC braking above 2000", [](TForm1& f) { f.seDC_BreakTime.UserType("3000"); }, Q, 25, "03000"},
      {"restart typed past 3 digits", [](TForm1& f) { f.seRestartTime.UserType("600"); }, Q, 26, "00600"},
      {"star maximum", [](TForm1& f) { f.seStarMaxTime.UserType("1"); }, Q, 27, "001"},
      {"unauthorised current by buttons", [](TForm1& f) { f.seFrozenContactTime.UserStep(-1); }, Q, 29, "01950"},
      {"external input 12 up", [](TForm1& f) { f.seDF_DelTime_12.UserStep(1); }, O, 5, "00150"},
      {"external input 15 down", [](TForm1& f) { f.seDF_DelTime_15.UserStep(-1); }, O, 8, "00050"},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EditorWorld world(false);
    c.act(*Form1);
    EXPECT_EQ(SendOf(c.grid, c.row), c.cell);
  }
}

TEST(StarterPages, TimerExitChecks) {
  const struct {
    TSpinEdit TForm1::*editor;
    const char* typed;
    const char* shown;
    int row;
    const char* cell;
    // clang-format off
  } cases[] = {
      {&TForm1::seTransitionTime, "", "1000", 28, "01000"},
      {&TForm1::seTransitionTime, "1020", "1000", 28, "01000"},
      {&TForm1::seTransitionTime, "1030", "1050", 28, "01050"},
      {&TForm1::seFeedbackTime, "", "200", 23, "00200"},
      {&TForm1::seFeedbackTime, "1975", "1950", 23, "01950"},
      {&TForm1::seDC_BreakTime, "2990", "3000", 25, "03000"},
      {&TForm1::seRestartTime, "", "30", 26, "00030"},
      {&TForm1::sePreWarnTime, "", "30", 21, "00030"},
      {&TForm1::seExecTime, "", "2", 22, "002"},
      {&TForm1::seBackSpinTime, "", "30", 24, "00030"},
      {&TForm1::seStarMaxTime, "", "20", 27, "020"},
  };
  // clang-format on
  for (const auto& c : cases) {
    EditorWorld w(false);
    TSpinEdit& se = w.f1().*c.editor;
    SCOPED_TRACE(se.Name() + " typed \"" + c.typed + "\"");
    se.UserType(c.typed);
    w.f1().UserLeave();
    EXPECT_EQ(se.Text(), c.shown);
    EXPECT_EQ(SendOf(RecordId::StartConf, c.row), c.cell);
  }
}

// Every starter type: the five output meanings, the four start texts, the low-speed group and
// the high-speed group's caption, as the relay's documentation of the types gives them.
TEST(StarterPages, StarterDisplayForEveryType) {
  constexpr const char* N = "( )";
  constexpr const char* B = "   ";
  constexpr const char* kFull = " Motor Full Load Setting ";
  constexpr const char* kHigh = " High Speed Motor Setting ";
  const struct {
    int type;
    std::array<const char*, 5> op;
    std::array<const char*, 4> start;
    bool lowSpeed;
    const char* caption;
    // clang-format off
  } cases[] = {
      {0, {N, N, N, N, N}, {B, B, B, B}, false, kFull},
      {1, {"( Main )", N, N, N, N}, {"Start", B, B, B}, false, kFull},
      {2, {"( Main )", "( Forward )", "( Reverse )", N, N}, {"Start (Forward)", B, "Start (Reverse)", B}, false, kFull},
      {3, {"( Main )", "( Star )", "( Delta )", N, N}, {"Start", B, B, B}, false, kFull},
      {4, {"( Forward )", "( Reverse )", "( Star )", "( Delta )", N}, {"Start (Forward)", B, "Start (Reverse)", B},
       false, kFull},
      {5, {"( High Speed )", "( Low Speed )", "( High Speed (Star) )", N, N},
       {"Start (High speed)", "Start (Low speed)", B, B}, true, kHigh},
      {6,
       {"( Forward High Speed )", "( Forward Low Speed )", "( Fwd / Rev High Speed (Star) )", "( Reverse Low Speed )",
        "( Reverse High Speed )"},
       {"Start (High speed - Forard)", "Start (Low speed - Forward)", "Start (High speed - Reverse)",
        "Start (Low speed - Reverse)"},
       true, kHigh},
      {7, {"( High Speed )", "( Low Speed )", N, N, N}, {"Start (High speed)", "Start (Low speed)", B, B}, true, kHigh},
      {8, {"( Forward High Speed)", "( Forward Low Speed )", "( Reverse High Speed )", "( Reverse Low Speed )", N},
       {"Start (High speed - Forward) ", "Start (Low speed - Forwar)", "Start (High speed - Reverse)",
        "Start (Low speed - Reverse)"},
       true, kHigh},
      {9, {"( Main )", N, "( Reset Pulse )", "( OP_4 )", N}, {"Start ", B, B, B}, false, kFull},
      {10, {"( Main - Forward )", "( Main - Reverse )", "( Reset Pulse )", "( OP_4 )", N},
       {"Start (Forward)", B, "Start (Reverse)", B}, false, kFull},
      {11, {"( Start Pulse )", "( Stop Pulse )", N, N, N}, {"Start", B, B, B}, false, kFull},
  };
  // clang-format on
  EditorWorld w(false);
  TForm1& f = w.f1();
  const std::array<TLabel*, 5> op = {&f.LabStarterOP_1, &f.LabStarterOP_2, &f.LabStarterOP_3,
                                     &f.labStarterOP_4, &f.labStarterOP_5};
  const std::array<TLabel*, 4> start = {&f.stS1, &f.stS2, &f.stS3, &f.stS4};
  // From the fullest type to each other one, so that every text left behind would show.
  for (const auto& c : cases) {
    SCOPED_TRACE("type " + std::to_string(c.type));
    f.cbStarterType.UserPick(6);
    f.cbStarterType.UserPick(c.type);
    for (size_t i = 0; i < op.size(); ++i) EXPECT_EQ(op[i]->Caption(), c.op[i]) << "OP_" << i + 1;
    for (size_t i = 0; i < start.size(); ++i)
      EXPECT_EQ(start[i]->Caption(), c.start[i]) << "stS" << i + 1;
    EXPECT_EQ(f.gbLowSpeed.Visible(), c.lowSpeed);
    EXPECT_EQ(f.gbHighSpeed.Caption(), c.caption);
    EXPECT_EQ(f.gbStarterTripFlags.Visible(), c.type != 0);
    EXPECT_EQ(f.gbActivityFlags.Visible(), c.type != 0);
    EXPECT_EQ(f.mbStarterType.Text(), f.cbStarterType.Items[c.type]);
  }
  // No selection: reset texts and both flag groups shown; the Settings page groups keep their
  // state.
  f.cbStarterType.UserPick(0);
  f.cbStarterType.UserPick(7);
  f.cbStarterType.SetItemIndex(-1);
  f.StarterTypeDisplay();
  EXPECT_EQ(f.LabStarterOP_1.Caption(), N);
  EXPECT_EQ(f.stS1.Caption(), B);
  EXPECT_TRUE(f.gbStarterTripFlags.Visible());
  EXPECT_TRUE(f.gbActivityFlags.Visible());
  EXPECT_TRUE(f.gbLowSpeed.Visible());
  EXPECT_EQ(f.gbHighSpeed.Caption(), kHigh);
}

// Hand-written answers: each field at its place, so a wrong read position shows.
TEST(StarterPages, ReadsLoadTheEditorsFromTheAnswers) {
  EditorWorld w(false);
  TForm1& f = w.f1();
  TForm2& f2 = w.f2();
  // Rows 1..20 are the codes 1..20; then 45 s, 7 s, 5 x 50 ms, 120 s, 60 x 50 ms, 600 s, 12 s,
  // 40 x 50 ms, 3 x 50 ms; feedback signal 59.
  const std::string q =
      "*Q001002003004005006007008009010011012013014015016017018019020"
      "000450070050012006000600012040003059#";
  ASSERT_EQ(q.size(), 99u);
  f.UploadStartConf = true;
  EXPECT_EQ(f2.PackStartConfData(q), 1);
  EXPECT_EQ(f.cbControlSelectorLsb.ItemIndex(), 1);
  EXPECT_EQ(f.cbControlSelectorMsb.ItemIndex(), 2);
  EXPECT_EQ(f.cbLocStart_Ff.ItemIndex(), 3);
  EXPECT_EQ(f.cbRemStop.ItemIndex(), 14);
  EXPECT_EQ(f.cbAutoStop.ItemIndex(), 20);
  EXPECT_EQ(f.sePreWarnTime.Value(), 45);
  EXPECT_EQ(f.seExecTime.Value(), 7);
  EXPECT_EQ(f.seFeedbackTime.Value(), 250);
  EXPECT_EQ(f.seBackSpinTime.Value(), 120);
  EXPECT_EQ(f.seDC_BreakTime.Value(), 3000);
  EXPECT_EQ(f.seRestartTime.Value(), 600);
  EXPECT_EQ(f.seStarMaxTime.Value(), 12);
  EXPECT_EQ(f.seTransitionTime.Value(), 2000);
  EXPECT_EQ(f.seFrozenContactTime.Value(), 150);
  EXPECT_EQ(f.cbFeedback.ItemIndex(), 59);
  EXPECT_EQ(SendOf(RecordId::StartConf, 23), "00250");
  EXPECT_EQ(SendOf(RecordId::StartConf, 30), "059");

  const std::string o = "*O001002003004005006007040#";
  ASSERT_EQ(o.size(), 27u);
  f.UploadExtModSet = true;
  EXPECT_EQ(f2.PackExtModSetData(o), 1);
  const TSpinEdit* delays[] = {&f.seDF_DelTime_8,  &f.seDF_DelTime_9,  &f.seDF_DelTime_10,
                               &f.seDF_DelTime_11, &f.seDF_DelTime_12, &f.seDF_DelTime_13,
                               &f.seDF_DelTime_14, &f.seDF_DelTime_15};
  const int expected[] = {50, 100, 150, 200, 250, 300, 350, 2000};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(delays[i]->Value(), expected[i]) << "input " << i + 8;
  EXPECT_EQ(SendOf(RecordId::ExtMod, 8), "02000");
}

TEST(StarterPages, RefusedAnswersLeaveEditorsAlone) {
  EditorWorld w(false);
  TForm1& f = w.f1();
  TForm2& f2 = w.f2();
  f.UploadStartConf = f.UploadExtModSet = true;
  const std::string q =
      "*Q001002003004005006007008009010011012013014015016017018019020"
      "000450070050012006000600012040003059#";
  const std::string o = "*O001002003004005006007040#";
  const struct {
    const char* what;
    std::string answer;
    bool starter;
    // clang-format off
  } cases[] = {
      {"letter among the starter fields", std::string(q).replace(40, 1, "A"), true},
      {"blank in the last starter field", std::string(q).replace(97, 1, " "), true},
      {"minus in an external delay", std::string(o).replace(3, 1, "-"), false},
      {"letter in an external delay", std::string(o).replace(25, 1, "x"), false},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const int result = c.starter ? f2.PackStartConfData(c.answer) : f2.PackExtModSetData(c.answer);
    EXPECT_EQ(result, 0);
  }
  EXPECT_EQ(f.cbLocStart_Ff.ItemIndex(), -1);
  EXPECT_EQ(f.sePreWarnTime.Value(), 600);
  EXPECT_EQ(f.seDF_DelTime_8.Value(), 100);
  EXPECT_EQ(FormVariableTable->Grid(RecordId::StartConf).Cell(1, 1), "000");
}

// A write is verified against the echo: any starter row that comes back different refuses it.
TEST(StarterPages, WriteEchoMustMatchEveryRow) {
  EditorWorld w(false);
  TForm1& f = w.f1();
  TForm2& f2 = w.f2();
  f.sePreWarnTime.UserType("45");
  f.cbFeedback.UserPick(3);
  std::string message;
  wire::SendRefusal why;
  for (int row = 1; row <= 30; ++row)
    if (FormVariableTable->Grid(RecordId::StartConf).Cell(2, row).empty()) FAIL() << row;
  ASSERT_TRUE(wire::BuildWrite(wire::Layout(RecordId::StartConf),
                               FormVariableTable->Grid(RecordId::StartConf), message, why));
  ASSERT_EQ(message.size(), 99u);
  EXPECT_EQ(message.substr(62, 5), "00045");
  EXPECT_EQ(message.substr(95, 3), "003");
  f.DownloadStartConf = true;
  EXPECT_EQ(f2.PackStartConfData(message), 1);
  std::string changed = message;
  changed[97] = '4';  // the feedback signal comes back as 004
  EXPECT_EQ(f2.PackStartConfData(changed), 0);
  f.DownloadStartConf = false;

  f.seDF_DelTime_12.UserStep(1);
  ASSERT_TRUE(wire::BuildWrite(wire::Layout(RecordId::ExtMod),
                               FormVariableTable->Grid(RecordId::ExtMod), message, why));
  // Delays go in units of 50 ms, followed by the read request; the rows not edited since the
  // window was built still hold the variable table's zeros.
  EXPECT_EQ(message, "*O000000000000003000000000#*?O#");
  f.DownloadExtMod = true;
  EXPECT_EQ(f2.PackExtModSetData(message.substr(0, 27)), 1);
  EXPECT_EQ(f2.PackExtModSetData("*O000000000000002000000000#"), 0);
}

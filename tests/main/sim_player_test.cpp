// The simulation sequence player over sequences covering each command, the refused steps, the
// stop; the editing buttons; the sequence file saved, loaded and loaded short or missing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Paths.h"
#include "support/ShellWorld.h"

using namespace wire;

namespace {

constexpr const char* kInvalid = "Invalid command or parameters !";

// A row: the time (or command) cell, then optionally the thirteen values as one blank-separated
// text.
struct Row {
  int number;
  std::string time;
  std::string values = "";
};
const char* kSomeValues = "230 231 232 150 151 152 50 85 300 20 21 22 23";

struct PlayerWorld {
  ShellWorld w;
  TForm1& f = w.f1();
  std::vector<int> visited;  // the rows the player highlighted, one entry per change
  PlayerWorld() {
    w.model().LiveMoving = false;
    w.ConnectAndRead();
    f.PageControl1.UserSelectTab(&f.tsTest);
    f.bSimMode.UserClick();
    auto tick = f.Timer4.OnTimer;
    f.Timer4.OnTimer = [this, tick] {
      tick();
      if (visited.empty() || visited.back() != f.sgSimAuto.Row())
        visited.push_back(f.sgSimAuto.Row());
    };
  }
  void Fill(const std::vector<Row>& rows) {
    for (const Row& r : rows) {
      f.sgSimAuto.SetCell(1, r.number, r.time);
      std::istringstream in(r.values);
      std::string v;
      for (int col = 2; col <= 14 && in >> v; ++col) f.sgSimAuto.SetCell(col, r.number, v);
    }
  }
  // The simulation first, so the relay reports the simulated inputs before the player starts.
  void Start() {
    f.bSimTestStart.UserClick();
    w.hb.RunFor(600);
    f.bSimQue.UserClick();
  }
  std::vector<std::string> Boxes() const {
    std::vector<std::string> out;
    for (const auto& b : w.hb.boxes) out.push_back(b.text);
    return out;
  }
  std::string LastSimulation() const {
    for (size_t i = w.line.written.size(); i-- > 0;)
      if (w.line.written[i].compare(0, 2, "*Z") == 0) return w.line.written[i];
    return "";
  }
};

struct Sequence {
  const char* name;
  std::vector<Row> rows;
  std::function<void(RelayModel&, TForm1&)> relay;  // relay state before the start
  int runMs;
  std::vector<int> visited;  // highlighted rows in order (the first few when it runs on)
  bool running;              // still playing at the end
  std::vector<std::string> boxes;
};

void RunSequences(const std::vector<Sequence>& cases) {
  for (const Sequence& c : cases) {
    SCOPED_TRACE(c.name);
    PlayerWorld p;
    p.Fill(c.rows);
    if (c.relay) c.relay(p.w.model(), p.f);
    p.w.hb.RunFor(300);
    p.Start();
    p.w.hb.RunFor(c.runMs);
    std::vector<int> seen(p.visited.begin(),
                          p.visited.begin() + std::min(p.visited.size(), c.visited.size()));
    EXPECT_EQ(seen, c.visited);
    if (!c.running) {
      EXPECT_EQ(p.visited.size(), c.visited.size());
    }
    EXPECT_EQ(p.f.bSimQue.Caption(), c.running ? "Stop queing" : "Start queing");
    EXPECT_EQ(p.f.Timer4.Enabled(), c.running);
    EXPECT_EQ(p.f.sgSimAuto.Editing, !c.running);
    EXPECT_EQ(p.Boxes(), c.boxes);
    EXPECT_TRUE(p.f.SimFlag);  // the player never ends the simulation itself
  }
}

const std::vector<std::string> kNone;
const std::vector<std::string> kRefused{kInvalid};

auto StarterOutputs(int d, int h) {
  return [d, h](RelayModel& m, TForm1&) { m.Status[10] = d, m.Status[14] = h; };
}
auto SimulatedInput(int input) {
  return [input](RelayModel&, TForm1& f) {
    f.SimFieldInputs = static_cast<uint8_t>(1 << (input - 1));
  };
}

TEST(SimPlayer, JumpsAndTheEnd) {
  RunSequences({
      {"values held, then end",
       {{1, "300", kSomeValues}, {2, "end"}},
       nullptr,
       1000,
       {1, 2},
       false,
       kNone},
      {"after step 20 comes step 1",
       {{1, "loop 20"}, {20, "100", kSomeValues}},
       nullptr,
       1000,
       {1, 20, 1, 20, 1},
       true,
       kNone},
      {"loop 5", {{1, "loop 5"}, {5, "end"}}, nullptr, 500, {1, 5}, false, kNone},
      {"loop 12", {{1, "loop 12"}, {12, "end"}}, nullptr, 500, {1, 12}, false, kNone},
      {"loop with two blanks reads the whole number",
       {{1, "loop  12"}, {12, "end"}},
       nullptr,
       500,
       {1, 12},
       false,
       kNone},
      {"loop12 without a blank", {{1, "loop12"}, {12, "end"}}, nullptr, 500, {1, 12}, false, kNone},
      {"blanks around a command", {{1, "  end  "}}, nullptr, 500, {1}, false, kNone},
      {"if: input on jumps",
       {{1, "if 3 go 7"}, {2, "end"}, {7, "end"}},
       SimulatedInput(3),
       500,
       {1, 7},
       false,
       kNone},
      {"if: input off goes on",
       {{1, "if 3 go 7"}, {2, "end"}, {7, "end"}},
       nullptr,
       500,
       {1, 2},
       false,
       kNone},
      {"if: two-digit target",
       {{1, "if 1 go 15"}, {15, "end"}},
       SimulatedInput(1),
       500,
       {1, 15},
       false,
       kNone},
      {"if: no target while the input is off goes on",
       {{1, "if 3 go"}, {2, "end"}},
       nullptr,
       500,
       {1, 2},
       false,
       kNone},
      {"if: input 8 is no input",
       {{1, "if 8 go 5"}, {2, "end"}},
       nullptr,
       500,
       {1, 2},
       false,
       kNone},
  });
}

TEST(SimPlayer, WaitingForStarterOutputs) {
  RunSequences({
      {"wait 2: output on goes on",
       {{1, "wait 2"}, {2, "end"}},
       StarterOutputs(0x02, 0),
       500,
       {1, 2},
       false,
       kNone},
      {"wait 2: output off waits",
       {{1, "wait 2"}, {2, "end"}},
       StarterOutputs(0x01, 0),
       1000,
       {1},
       true,
       kNone},
      {"wait 7: output 7 is bit 1 of the second byte",
       {{1, "wait 7"}, {2, "end"}},
       StarterOutputs(0, 0x02),
       500,
       {1, 2},
       false,
       kNone},
      {"wait 0 never goes on",
       {{1, "wait 0"}, {2, "end"}},
       StarterOutputs(0xFF, 0xFF),
       1000,
       {1},
       true,
       kNone},
      {"wait !0 goes on at once", {{1, "wait !0"}, {2, "end"}}, nullptr, 500, {1, 2}, false, kNone},
      {"wait !2: output on waits",
       {{1, "wait !2"}, {2, "end"}},
       StarterOutputs(0x02, 0),
       1000,
       {1},
       true,
       kNone},
      {"wait !2: output off goes on",
       {{1, "wait !2"}, {2, "end"}},
       StarterOutputs(0x05, 0),
       500,
       {1, 2},
       false,
       kNone},
  });
}

TEST(SimPlayer, StepsItCannotCarryOutEndTheSequenceWithAMessage) {
  RunSequences({
      {"End with a capital", {{1, "End"}}, nullptr, 500, {1}, false, kRefused},
      {"empty time cell", {{1, ""}}, nullptr, 500, {1}, false, kRefused},
      {"a value cell empty",
       {{1, "100", "1 2 3 4 5 6 7 8 9 10 11 12"}},
       nullptr,
       500,
       {1},
       false,
       kRefused},
      {"a value not a number",
       {{1, "100", "1 2 3 4 x 6 7 8 9 10 11 12 13"}},
       nullptr,
       500,
       {1},
       false,
       kRefused},
      {"hold time 0", {{1, "0", kSomeValues}}, nullptr, 500, {1}, false, kRefused},
      {"hold time negative", {{1, "-5", kSomeValues}}, nullptr, 500, {1}, false, kRefused},
      {"loop 21 is outside the table", {{1, "loop 21"}}, nullptr, 500, {1}, false, kRefused},
      {"loop 0 is outside the table", {{1, "loop 0"}}, nullptr, 500, {1}, false, kRefused},
      {"loop -3 is outside the table", {{1, "loop -3"}}, nullptr, 500, {1}, false, kRefused},
      {"loop without a target", {{1, "loop"}}, nullptr, 500, {1}, false, kRefused},
      {"if with an input on and no target",
       {{1, "if 3 go"}},
       SimulatedInput(3),
       500,
       {1},
       false,
       kRefused},
      {"if to row 25", {{1, "if 3 go 25"}}, SimulatedInput(3), 500, {1}, false, kRefused},
      {"if without its input digit", {{1, "if x go 5"}}, nullptr, 500, {1}, false, kRefused},
      {"wait without its output digit", {{1, "wait"}}, nullptr, 500, {1}, false, kRefused},
      {"a word", {{1, "hold"}}, nullptr, 500, {1}, false, kRefused},
  });
}

TEST(SimPlayer, HoldsEachRowForItsTimeThenZeroesAtTheEnd) {
  PlayerWorld p;
  p.Fill({{1, "1000", "230 231 232 150 151 152 50 85 300 20 21 22 23"}, {2, "end"}});
  p.Start();
  p.w.hb.RunFor(900);
  // clang-format off
  EXPECT_EQ(p.LastSimulation(),
            "*Z" "00150" "00151" "00152" "00230" "00231" "00232" "050" "085" "00300" "000" "000" "050" "051" "052" "053" "#");
  // clang-format on
  EXPECT_EQ(p.f.mbSimIred.Text(), "150");
  EXPECT_EQ(p.f.bSimQue.Caption(), "Stop queing");
  p.w.hb.RunFor(400);
  EXPECT_EQ(p.f.bSimQue.Caption(), "Start queing");
  // clang-format off
  EXPECT_EQ(p.LastSimulation(),
            "*Z" "00000" "00000" "00000" "00000" "00000" "00000" "000" "000" "00000" "000" "000" "030" "030" "030" "030" "#");
  // clang-format on
}

// The voltage sliders end where the relay's voltage selection puts them (300 V here).
TEST(SimPlayer, ValuesAreClampedToEachInputsRange) {
  PlayerWorld p;
  p.Fill({{1, "1000", "500 0 0 2000 0 0 120 0 5000 -40 300 0 0"}, {2, "end"}});
  p.Start();
  p.w.hb.RunFor(500);
  // clang-format off
  EXPECT_EQ(p.LastSimulation(),
            "*Z" "01000" "00000" "00000" "00300" "00000" "00000" "100" "000" "03000" "000" "000" "000" "250" "030" "030" "#");
  // clang-format on
}

TEST(SimPlayer, StopButtonEndsQuietlyAndStartNeedsASimulation) {
  PlayerWorld p;
  p.f.bSimQue.UserClick();
  EXPECT_EQ(p.Boxes(), std::vector<std::string>{"Start simulation first !"});
  EXPECT_EQ(p.f.bSimQue.Caption(), "Start queing");
  EXPECT_FALSE(p.f.Timer4.Enabled());

  p.Fill({{1, "5000", kSomeValues}});
  p.f.iSLedVoltage.UserClick();
  p.Start();
  EXPECT_FALSE(p.f.iSLedVoltage.Active());  // the player unlinks the sliders
  EXPECT_TRUE(p.f.sgSimAuto.RowSelect);
  p.w.hb.RunFor(500);
  EXPECT_EQ(p.f.mbSimVred.Text(), "230");
  p.f.bSimQue.UserClick();
  EXPECT_EQ(p.f.bSimQue.Caption(), "Start queing");
  EXPECT_FALSE(p.f.Timer4.Enabled());
  EXPECT_TRUE(p.f.sgSimAuto.Editing);
  EXPECT_EQ(p.f.mbSimVred.Text(), "0");
  EXPECT_EQ(p.Boxes().size(), 1u);
  // Stopping the simulation leaves the player running; its values then go out as "*z#".
  p.f.bSimQue.UserClick();
  p.f.bSimTestStart.UserClick();
  EXPECT_EQ(p.f.bSimQue.Caption(), "Stop queing");
}

TEST(SimPlayer, EditingButtonsWorkOnTheSelectedCellWhileIdle) {
  ShellWorld w;
  TForm1& f = w.f1();
  TStringGrid& g = f.sgSimAuto;
  for (int r = 1; r <= 20; ++r)
    for (int c = 1; c <= 14; ++c) g.SetCell(c, r, std::to_string(r * 100 + c));
  auto select = [&](int c, int r) { g.SetCol(c), g.SetRow(r); };

  select(3, 4);
  f.bCopyCell.UserClick();
  select(5, 6);
  f.bPasteCell.UserClick();
  EXPECT_EQ(g.Cell(5, 6), "403");
  select(2, 2);
  f.bCutCell.UserClick();
  EXPECT_EQ(g.Cell(2, 2), "");
  select(7, 9);
  f.bPasteCell.UserClick();
  EXPECT_EQ(g.Cell(7, 9), "202");

  select(1, 5);
  f.bDeleteLine.UserClick();
  EXPECT_EQ(g.Cell(1, 4), "401");
  EXPECT_EQ(g.Cell(1, 5), "601");
  EXPECT_EQ(g.Cell(14, 19), "2014");
  EXPECT_EQ(g.Cell(1, 20), "");
  EXPECT_EQ(g.Cell(14, 20), "");

  select(1, 3);
  f.bInsertLine.UserClick();
  EXPECT_EQ(g.Cell(1, 3), "");
  EXPECT_EQ(g.Cell(1, 4), "301");
  EXPECT_EQ(g.Cell(14, 20), "2014");  // the old row 19 (former row 20) moved down
  select(1, 20);
  f.bInsertLine.UserClick();
  EXPECT_EQ(g.Cell(1, 20), "");
  EXPECT_EQ(g.Cell(1, 19), "1901");

  f.bSimQue.SetCaption("Stop queing");  // the player's running state as the buttons see it
  select(1, 4);
  f.bCutCell.UserClick();
  f.bDeleteLine.UserClick();
  EXPECT_EQ(g.Cell(1, 4), "301");
}

TEST(SimPlayer, TableHeadingsAndStepNumbersWhenThePageShows) {
  ShellWorld w;
  TForm1& f = w.f1();
  f.PageControl1.UserSelectTab(&f.tsTest);
  EXPECT_EQ(f.sgSimAuto.Cell(0, 0), "State");
  EXPECT_EQ(f.sgSimAuto.Cell(1, 0), " Time (ms)");
  EXPECT_EQ(f.sgSimAuto.Cell(10, 0), " EL(mA)");
  EXPECT_EQ(f.sgSimAuto.Cell(14, 0), "RTD 4");
  EXPECT_EQ(f.sgSimAuto.Cell(0, 1), "1");
  EXPECT_EQ(f.sgSimAuto.Cell(0, 20), "20");
}

// ---- The sequence file ----

std::string Slurp(const std::string& path) {
  std::ifstream in(MapPath(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

struct FileWorld : PlayerWorld {
  std::string Path(const std::string& name) {
    std::filesystem::create_directories(DriveCRoot());
    return (std::filesystem::path(DriveCRoot()) / name).string();
  }
};

TEST(SimFile, SaveWrites280LinesAndLoadBringsThemBack) {
  FileWorld p;
  TStringGrid& g = p.f.sgSimAuto;
  g.SetCell(1, 1, "1000");
  g.SetCell(14, 1, "-30");
  g.SetCell(1, 2, "  loop  5 ");
  g.SetCell(7, 13, "x y");
  g.SetCell(1, 20, "end");
  g.SetCell(14, 20, "220");
  const std::string path = p.Path("round.sim");
  p.w.hb.dialogAnswers.push_back(path);
  p.f.bSaveSimSeq.UserClick();
  ASSERT_EQ(p.w.hb.dialogs.size(), 1u);
  EXPECT_EQ(p.w.hb.dialogs[0].title, "Save simulation sequences in disc file");
  EXPECT_EQ(p.w.hb.dialogs[0].filter, "Simulation|*.sim");
  EXPECT_EQ(p.w.hb.dialogs[0].defaultExt, "sim");
  EXPECT_TRUE(p.w.hb.dialogs[0].overwritePrompt);

  // Line 14 (r - 1) + c holds column c of row r, each line ending CR LF.
  std::string expected;
  for (int r = 1; r <= 20; ++r)
    for (int c = 1; c <= 14; ++c) expected += g.Cell(c, r) + "\r\n";
  const std::string text = Slurp(path);
  EXPECT_EQ(text, expected);
  EXPECT_EQ(text.substr(0, 6), "1000\r\n");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 280);

  std::map<std::pair<int, int>, std::string> saved;
  for (int r = 1; r <= 20; ++r)
    for (int c = 1; c <= 14; ++c) saved[{c, r}] = g.Cell(c, r), g.SetCell(c, r, "?");
  p.w.hb.dialogAnswers.push_back(path);
  p.f.bLoadSimSeq.UserClick();
  EXPECT_EQ(p.w.hb.dialogs.back().title, "Open simulation state sequence in disc file");
  for (int r = 1; r <= 20; ++r)
    for (int c = 1; c <= 14; ++c) EXPECT_EQ(g.Cell(c, r), (saved[{c, r}])) << c << "," << r;
  EXPECT_TRUE(p.Boxes().empty());
}

TEST(SimFile, ShortLongMissingAndUnconnectedFiles) {
  FileWorld p;
  TStringGrid& g = p.f.sgSimAuto;
  auto fillAll = [&] {
    for (int r = 1; r <= 20; ++r)
      for (int c = 1; c <= 14; ++c) g.SetCell(c, r, "old");
  };

  // Fourteen lines fill row 1 and empty the rest.
  std::string shortFile;
  for (int c = 1; c <= 14; ++c) shortFile += "v" + std::to_string(c) + "\r\n";
  std::ofstream(p.Path("short.sim"), std::ios::binary) << shortFile;
  fillAll();
  p.w.hb.dialogAnswers.push_back(p.Path("short.sim"));
  p.f.bLoadSimSeq.UserClick();
  EXPECT_EQ(g.Cell(1, 1), "v1");
  EXPECT_EQ(g.Cell(14, 1), "v14");
  EXPECT_EQ(g.Cell(1, 2), "");
  EXPECT_EQ(g.Cell(14, 20), "");

  // Lines past the 280th are not read; bare LF line ends are lines too.
  std::string longFile;
  for (int i = 1; i <= 300; ++i) longFile += std::to_string(i) + "\n";
  std::ofstream(p.Path("long.sim"), std::ios::binary) << longFile;
  p.w.hb.dialogAnswers.push_back(p.Path("long.sim"));
  p.f.bLoadSimSeq.UserClick();
  EXPECT_EQ(g.Cell(1, 1), "1");
  EXPECT_EQ(g.Cell(14, 20), "280");
  EXPECT_TRUE(p.Boxes().empty());

  // A missing file: the message, the table as it was.
  p.w.hb.dialogAnswers.push_back(p.Path("missing.sim"));
  p.f.bLoadSimSeq.UserClick();
  EXPECT_EQ(p.Boxes(), std::vector<std::string>{"I/O error or File does not exist."});
  EXPECT_EQ(g.Cell(14, 20), "280");

  // A file larger than a sequence can be (one line of 1 MB): refused unread, the table as it was.
  std::ofstream(p.Path("huge.sim"), std::ios::binary) << std::string(1 << 20, '7');
  p.w.hb.dialogAnswers.push_back(p.Path("huge.sim"));
  p.f.bLoadSimSeq.UserClick();
  EXPECT_EQ(p.Boxes(), (std::vector<std::string>{"I/O error or File does not exist.",
                                                 "File too large for a simulation sequence."}));
  EXPECT_EQ(g.Cell(1, 1), "1");
  std::filesystem::remove(p.Path("huge.sim"));

  // A folder that is not there: the save fails and leaves no file behind.
  const std::string nowhere = p.Path("no_such_folder/seq.sim");
  p.w.hb.dialogAnswers.push_back(nowhere);
  EXPECT_THROW(p.f.bSaveSimSeqClick(), EInOutError);
  EXPECT_FALSE(std::filesystem::exists(nowhere));

  // Cancelled dialogs change nothing.
  p.w.hb.dialogAnswers.push_back(std::nullopt);
  p.f.bLoadSimSeq.UserClick();
  EXPECT_EQ(g.Cell(1, 1), "1");

  p.f.Connect1Click();
  p.w.hb.RunFor(100);
  p.w.hb.boxes.clear();
  const size_t dialogs = p.w.hb.dialogs.size();
  p.f.bLoadSimSeq.UserClick();
  p.f.bSaveSimSeq.UserClick();
  EXPECT_EQ(p.Boxes(),
            (std::vector<std::string>{"Please connect first !", "Please connect first !"}));
  EXPECT_EQ(p.w.hb.dialogs.size(), dialogs);
}

}  // namespace

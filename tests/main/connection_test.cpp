// Connecting and disconnecting: the full read after connecting for the three revision classes, the
// link dropped by the watchdog, the product check, the user and a failing port (all through the one
// disconnect routine), and the way out of a connect read that gets nowhere.
#include <gtest/gtest.h>

#include "model/RequestFlags.h"
#include "support/ShellWorld.h"

using namespace wire;

namespace {

using State = ProgressTrace::State;

TEST(Connect, NothingAttachedDropsTheLinkAfterTwoSeconds) {
  ShellWorld w(false);
  TForm1& f = w.f1();
  w.hb.After(500, [&] {
    // While the connect read waits: connected, Actual page, dialog with its button disabled.
    EXPECT_EQ(f.Connect1.Caption(), "&Disconnect");
    EXPECT_EQ(f.StatusBar1.PanelText(0), "COM1 Connected.");
    EXPECT_EQ(w.prog().ProgLabProgDesc.Caption(), "Uploading device ID");
    EXPECT_EQ(w.prog().Caption(), "Progress Uploading");
    EXPECT_FALSE(w.prog().ProgButButton.Enabled());
    EXPECT_TRUE(w.prog().IsModal());
  });
  f.PageControl1.SetActivePage(&f.tsLogic);
  f.MainMenu.UserShortCut("F6");
  EXPECT_EQ(f.PageControl1.ActivePage(), &f.tsActual);
  w.hb.RunFor(1);
  ASSERT_EQ(w.hb.boxes.size(), 1u);
  EXPECT_EQ(w.hb.boxes[0].caption, "Error");
  EXPECT_EQ(w.hb.boxes[0].text, "Communication with VUMA lost.");
  EXPECT_GE(w.hb.boxes[0].atMs, 2000);
  EXPECT_LE(w.hb.boxes[0].atMs, 2110);
  EXPECT_FALSE(w.f2().ComPort1.Connected());
  EXPECT_FALSE(w.prog().Visible());
  EXPECT_EQ(f.Connect1.Caption(), "&Connect");
  EXPECT_EQ(f.StatusBar1.PanelText(0), "COM1 Disconnected.");
  EXPECT_EQ(w.Queue(), std::vector<int>{ReqUploadActual});
  // The drop said goodbye to the relay before closing.
  EXPECT_EQ(w.line.written.back(), "*z#");
  w.hb.RunFor(1000);
  EXPECT_EQ(w.hb.boxes.size(), 1u);
}

TEST(Connect, PortThatCannotOpenChangesNothing) {
  ShellWorld w(false);
  TForm1& f = w.f1();
  w.f2().ComPort1.SetPort("COM7");
  EXPECT_THROW(f.Connect1Click(), EComPort);
  EXPECT_EQ(f.Connect1.Caption(), "&Connect");
  EXPECT_EQ(f.StatusBar1.PanelText(0), "");
  EXPECT_FALSE(f.UploadAll);
  EXPECT_FALSE(w.prog().Visible());
}

TEST(Connect, FullReadOrderForEachRevisionClass) {
  struct Case {
    const char* revision;
    std::vector<int> requests;
    std::vector<State> states;
  };
  // clang-format off
  const std::vector<State> common = {
      {"Uploading device ID", 0, 9},   {"Uploading settings", 1, 9},   {"Uploading calibration", 2, 9},
      {"Uploading external module", 3, 9}, {"Uploading description", 4, 9}, {"Uploading logic", 5, 9},
      {"Uploading starter configuration", 6, 9}};
  auto with = [&](std::vector<State> tail) {
    std::vector<State> s = common;
    s.insert(s.end(), tail.begin(), tail.end());
    return s;
  };
  // clang-format on
  // clang-format off
  const Case cases[] = {
      // Below "Rev 3a": no Bluetooth settings; the step completes in the tick that arms it.
      {"2f", {3, 4, 6, 8, 9, 11, 12, 13},
       with({{"Uploading communication", 7, 9}, {"Uploading complete", 9, 9}})},
      // "Rev 00" (no revision known): read without Bluetooth rather than wait for it.
      {"00", {3, 4, 6, 8, 9, 11, 12, 13},
       with({{"Uploading communication", 7, 9}, {"Uploading complete", 9, 9}})},
      {"3a", {3, 4, 6, 8, 9, 11, 12, 13, 10},
       with({{"Uploading communication", 7, 9}, {"Uploading Bluetooth", 8, 9}, {"Uploading complete", 9, 9}})},
      {"4e", {3, 4, 6, 8, 9, 11, 12, 13, 39, 40, 10},
       with({{"Uploading communication block 0", 7, 9}, {"Uploading communication block 1", 7, 9},
             {"Uploading communication block 2", 7, 9}, {"Uploading Bluetooth", 8, 9},
             {"Uploading complete", 9, 9}})},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.revision);
    ShellWorld w(true, c.revision);
    ProgressTrace trace(w.f1());
    w.f1().SBOpenComPort.UserClick();
    EXPECT_EQ(w.ChainRequests(), c.requests);
    EXPECT_EQ(trace.states, c.states);
    EXPECT_FALSE(w.f1().UploadAll);
    EXPECT_TRUE(w.prog().ProgButButton.Enabled());
    EXPECT_EQ(w.prog().ProgButButton.Caption(), "Ok");
    EXPECT_TRUE(w.hb.boxes.empty());
    // The dialog closed by itself; the link starts over from the live values poll.
    EXPECT_FALSE(w.prog().Visible());
    EXPECT_EQ(w.Queue().front(), ReqUploadActual);
    EXPECT_TRUE(w.f2().ComPort1.Connected());
    EXPECT_EQ(w.f1().mbSW_Rev.Text(), std::string("Rev ") + c.revision);
  }
}

TEST(Connect, ProductOtherThanFourIsDroppedAtOnce) {
  ShellWorld w(true);
  w.model().ProductId = 5;
  w.f1().Connect1Click();
  w.hb.RunFor(1000);
  ASSERT_EQ(w.hb.boxes.size(), 1u);
  EXPECT_EQ(w.hb.boxes[0].caption, "Error");
  EXPECT_EQ(w.hb.boxes[0].text, "Product not supported.");
  EXPECT_LE(w.hb.boxes[0].atMs, 300);
  EXPECT_FALSE(w.f2().ComPort1.Connected());
  EXPECT_EQ(w.f1().Connect1.Caption(), "&Connect");
  EXPECT_EQ(w.f1().LabelProdID.Caption(), "4");
  EXPECT_EQ(w.CountWritten("*z#"), 0);
}

TEST(Connect, ClosingTheProgramSaysGoodbyeOnlyWhileConnected) {
  for (bool connected : {false, true}) {
    SCOPED_TRACE(connected);
    ShellWorld w(false);
    if (connected) w.OpenIdle();
    w.f1().Close();
    EXPECT_EQ(w.CountWritten("*z#"), connected ? 1 : 0);
    EXPECT_FALSE(w.f2().ComPort1.Connected());
    w.hb.RunFor(100);
    EXPECT_TRUE(w.hb.boxes.empty());
  }
}

// Every way the port closes leaves the same state behind, at once.
TEST(Disconnect, EveryWayLeavesTheSameState) {
  enum class Way {
    Command,
    Watchdog,
    Product,
    FailedWrite,
    CommandAndFailures,
    FailedWriteAndClose
  };
  struct Case {
    const char* name;
    Way way;
    std::vector<std::string> boxes;
    int goodbyes;  // "*z#" written
  };
  const std::string failed = "Communication port failed. Select and reconnect port";
  // clang-format off
  const Case cases[] = {
      {"command", Way::Command, {}, 1},
      {"watchdog", Way::Watchdog, {"Communication with VUMA lost."}, 1},
      {"product check", Way::Product, {"Product not supported."}, 0},
      {"failed write", Way::FailedWrite, {failed}, 0},
      {"command, goodbye and close failing", Way::CommandAndFailures, {failed}, 0},
      {"failed write, close failing too", Way::FailedWriteAndClose, {failed}, 0},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ShellWorld w(true);
    TForm1& f = w.f1();
    TForm2& link = w.f2();
    w.OpenIdle();
    w.hb.RunFor(300);
    // A running simulation and a transfer under way, its dialog shown.
    f.SimFlag = true;
    f.bSimTestStart.SetCaption("Stop Simulation");
    w.model().Misbehave.RefusedCharAnswers = 1000000;
    w.hb.After(300, [&] {
      switch (c.way) {
        case Way::Command:
          f.Connect1Click();
          break;
        case Way::Watchdog:
          w.model().Misbehave.Silent = true;
          break;
        case Way::Product:
          f.LabelProdID.SetCaption("5");
          break;
        case Way::FailedWrite:
          w.line.FailWrites = true;
          break;
        case Way::CommandAndFailures:
          w.line.FailWrites = true;
          w.line.FailClose = true;
          f.Connect1Click();
          break;
        case Way::FailedWriteAndClose:
          w.line.FailWrites = true;
          w.line.FailClose = true;
          break;
      }
    });
    // Ticks keep running while the box is open.
    w.hb.BoxDwellMs = 500;
    size_t written = w.line.written.size();
    f.bRxControlLogicClick();  // returns once the drop has closed its dialog
    EXPECT_FALSE(link.ComPort1.Connected());
    EXPECT_EQ(f.Connect1.Caption(), "&Connect");
    EXPECT_EQ(f.StatusBar1.PanelText(0), "COM1 Disconnected.");
    EXPECT_FALSE(f.SimFlag);
    EXPECT_EQ(f.bSimTestStart.Caption(), "Start Simulation");
    EXPECT_FALSE(f.UploadLogic);
    EXPECT_FALSE(w.prog().Visible());
    EXPECT_EQ(link.CommsTimeOutCntr, 0);
    EXPECT_EQ(w.Queue(), std::vector<int>{ReqUploadActual});
    EXPECT_FALSE(f.DroppingLink);
    int goodbyes = static_cast<int>(std::count(w.line.written.begin() + static_cast<long>(written),
                                               w.line.written.end(), std::string("*z#")));
    EXPECT_EQ(goodbyes, c.goodbyes);
    w.hb.RunFor(2000);
    std::vector<std::string> boxes;
    for (const RecordedBox& b : w.hb.boxes) {
      EXPECT_EQ(b.caption, "Error");
      boxes.push_back(b.text);
    }
    EXPECT_EQ(boxes, c.boxes);
  }
}

TEST(Disconnect, ADropInsideADropDoesNothing) {
  ShellWorld w(false);
  TForm1& f = w.f1();
  w.OpenIdle();
  // The first drop's goodbye fails and, while it is being handled, a second drop is asked for.
  w.line.FailWrites = true;
  f.DroppingLink = true;
  f.DropLink(TForm1::LinkDrop::Watchdog);
  EXPECT_TRUE(w.f2().ComPort1.Connected());
  f.DroppingLink = false;
  f.DropLink(TForm1::LinkDrop::Watchdog);
  EXPECT_FALSE(w.f2().ComPort1.Connected());
  w.hb.RunFor(10);
  ASSERT_EQ(w.hb.boxes.size(), 2u);
  EXPECT_EQ(w.hb.boxes[0].text, "Communication with VUMA lost.");
  EXPECT_EQ(w.hb.boxes[1].text, "Communication port failed. Select and reconnect port");
}

// A relay that keeps answering but whose answers are all refused never lets the full read move on,
// and the watchdog never fires: after ten seconds without a step the dialog offers its button.
TEST(Connect, ReadThatGetsNowhereCanBeLeftAfterTenSeconds) {
  ShellWorld w(true);
  w.hb.ModalLimitMs = 60000;
  w.model().Misbehave.RefusedCharAnswers = 1000000;
  bool enabledEarly = true;
  w.hb.After(9800, [&] { enabledEarly = w.prog().ProgButButton.Enabled(); });
  w.hb.After(10300, [&] {
    EXPECT_TRUE(w.prog().ProgButButton.Enabled());
    w.prog().ProgButButton.UserClick();
  });
  try {
    w.f1().Connect1Click();
  } catch (const HeadlessStall& stall) {
    FAIL() << stall.what;
  }
  EXPECT_FALSE(enabledEarly);
  EXPECT_GE(w.hb.NowMs(), 10300);
  EXPECT_LT(w.hb.NowMs(), 10400);
  EXPECT_TRUE(w.f2().ComPort1.Connected());
  EXPECT_FALSE(w.f1().UploadAll);
  EXPECT_TRUE(w.hb.boxes.empty());
}

// A read that moves on, however slowly, keeps its button disabled.
TEST(Connect, SlowReadKeepsItsButtonDisabled) {
  ShellWorld w(true);
  // Late answers: the whole read takes longer than the patience, but every step keeps moving.
  w.model().Misbehave.LateUs = 190000;
  bool everEnabled = false;
  auto tick = w.f1().TmrSystem.OnTimer;
  w.f1().TmrSystem.OnTimer = [&, tick] {
    tick();
    if (w.f1().UploadAll && w.prog().ProgButButton.Enabled()) everEnabled = true;
  };
  w.f1().Connect1Click();
  EXPECT_GT(w.hb.NowMs(), 12000);
  EXPECT_FALSE(everEnabled);
  EXPECT_EQ(w.prog().ProgLabProgDesc.Caption(), "Uploading complete");
}

// With the port closed the window timers pass over ticks that would change nothing. Each upset
// below is something a closed-port tick puts right: it must wake the timer, and the tick must
// leave it idle again.
TEST(Connect, ClosedPortTicksSleepOnlyWhileNothingIsOutOfPlace) {
  struct Case {
    const char* what;
    std::function<void(TForm1&)> upset;
  };
  // clang-format off
  const std::vector<Case> cases = {
      {"clock edit mode", [](TForm1& f) { f.ClockChangeFlag = true; }},
      {"statistics edit mode", [](TForm1& f) { f.StatsChangeFlag = true; }},
      {"clock lamp caption", [](TForm1& f) { f.iLedClockStatus.SetCaption("Editing"); }},
      {"statistics button caption", [](TForm1& f) { f.bTxStatistics.SetCaption("Send"); }},
      {"a request flag", [](TForm1& f) { f.*transfers::kRequestFlags[3].Request = true; }},
      {"a done flag", [](TForm1& f) { f.*transfers::kRequestFlags[0].Done = true; }},
      {"full read", [](TForm1& f) { f.UploadAll = true; }},
      {"tool button", [](TForm1& f) { f.SButComSetup.SetEnabled(false); }},
      {"menu item", [](TForm1& f) { f.Communication1.SetEnabled(false); }},
      {"gated button", [](TForm1& f) { f.FindControl("bTxSettings")->SetEnabled(true); }},
      {"front end lock", [](TForm1& f) { f.FrontendLocked = !f.FrontendLocked; }},
      {"event download lamp", [](TForm1& f) { f.iLedEventMessage.SetActive(true); }},
  };
  // clang-format on
  ShellWorld w(false);
  TForm1& f = w.f1();
  f.TmrSystemTimer();
  ASSERT_TRUE(f.TmrSystem.Idle());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.upset(f);
    EXPECT_FALSE(f.TmrSystem.Idle());
    f.TmrSystemTimer();
    EXPECT_TRUE(f.TmrSystem.Idle());
  }
  // The progress dialog left shown without a link is closed by the next tick.
  w.prog().SetVisible(true);
  EXPECT_FALSE(f.TmrSystem.Idle());
  f.TmrSystemTimer();
  EXPECT_FALSE(w.prog().Visible());
  EXPECT_TRUE(f.TmrSystem.Idle());

  // The fail-safe box follows the relay 1 choice even without a link.
  for (int relay1 : {0, 1}) {
    f.rgMTR_Select.SetItemIndex(relay1);
    f.Timer2Timer();
    EXPECT_TRUE(f.Timer2.Idle());
    f.cbFailSave_Sel.SetEnabled(relay1 == 1);
    EXPECT_FALSE(f.Timer2.Idle());
    f.Timer2Timer();
    EXPECT_EQ(f.cbFailSave_Sel.Enabled(), relay1 == 0);
    EXPECT_TRUE(f.Timer2.Idle());
  }

  // With a link every tick has work.
  EXPECT_TRUE(f.Timer1.Idle());
  w.OpenIdle();
  EXPECT_FALSE(f.TmrSystem.Idle());
  EXPECT_FALSE(f.Timer1.Idle());
  EXPECT_FALSE(f.Timer2.Idle());
}

// Not connected and at rest the program has nothing to wake for: once every timer has come due
// and found nothing to do, neither a timer nor an event is due at all.
TEST(Connect, NothingIsDueWhileNotConnectedAndAtRest) {
  ShellWorld w(false);
  w.hb.RunFor(2000);
  int64_t due = 0;
  EXPECT_FALSE(Scheduler::Instance().NextDue(due)) << "due at " << due << " us";
  // A full progress bar is the progress timer's work: it comes back and arms the automatic close.
  w.prog().ProgBarDisProg.SetPosition(w.prog().ProgBarDisProg.Max());
  EXPECT_TRUE(Scheduler::Instance().NextDue(due));
  w.hb.RunFor(600);
  EXPECT_TRUE(w.prog().ProgTmrCloseAuto.Enabled());
}

}  // namespace

// The program's serial line is read right before each timer tick and wakes the program only while
// no tick is sure to look, and the link's ticks that cannot find an answer are put off: the link
// must still write every request on the tick it writes it when each arrival is handled as it comes.
TEST(Connect, AnswersTakenInOnTicksLeaveEveryWriteOnItsTick) {
  // As the program runs: ticks on a 10 ms grid, quiet ones put off.
  struct Settings {
    Settings() {
      Scheduler::Instance().SetTimerGrain(10'000);
      Scheduler::Instance().SetDeferQuietTicks(true);
    }
    ~Settings() {
      Scheduler::Instance().SetTimerGrain(0);
      Scheduler::Instance().SetDeferQuietTicks(false);
    }
  };
  struct Write {
    int64_t atUs;
    std::string message;
  };
  struct Timed : SerialPeer {
    Timed(ShellWorld& w) : w(w) { w.line.SetPeer(this); }
    void Receive(const std::string& bytes) override {
      writes.push_back({w.hb.clock.NowUs(), bytes});
      w.relay->Receive(bytes);
    }
    ShellWorld& w;
    std::vector<Write> writes;
  };
  auto run = [](bool onTicks, int64_t turnaroundUs, const char* revision) {
    Settings settings;
    ShellWorld w(true, revision);
    w.relay->TurnaroundUs = turnaroundUs;
    w.line.TakenInOnTicks = onTicks;
    Timed timed(w);
    w.f1().SBOpenComPort.UserClick();
    w.f1().PageControl1.SetActivePage(&w.f1().tsActual);
    w.hb.RunFor(3000);
    w.line.SetPeer(w.relay.get());
    return timed.writes;
  };
  // A relay that answers at once, one whose answers come a tick or two after they could, and one
  // slower than the reply time-out (every answer comes after the request was given up and written
  // again).
  for (int64_t turnaroundUs : {1'000, 17'000, 230'000}) {
    for (const char* revision : {"3b", "4e"}) {
      SCOPED_TRACE(std::to_string(turnaroundUs) + " us, revision " + revision);
      const std::vector<Write> asTheyCome = run(false, turnaroundUs, revision);
      const std::vector<Write> onTicks = run(true, turnaroundUs, revision);
      EXPECT_GT(asTheyCome.size(), 30u);
      ASSERT_EQ(onTicks.size(), asTheyCome.size());
      for (size_t i = 0; i < onTicks.size(); ++i) {
        SCOPED_TRACE("write " + std::to_string(i) + " " + asTheyCome[i].message);
        EXPECT_EQ(onTicks[i].atUs, asTheyCome[i].atUs);
        ASSERT_EQ(onTicks[i].message, asTheyCome[i].message);
      }
    }
  }
}

// Timer rules, modal loops and the error dispatch point.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "platform/headless/Headless.h"
#include "platform/ui/Dialogs.h"

namespace {

struct Env {
  HeadlessBackend hb;
  TApplication app{&hb};
};

TEST(Timers, FireOnlyWhileALoopRunsAndNotBeforeTheirPeriod) {
  Env env;
  TTimer t(100);
  std::vector<int64_t> at;
  t.OnTimer = [&] { at.push_back(env.hb.NowMs()); };
  env.hb.RunFor(350);
  EXPECT_EQ(at, (std::vector<int64_t>{100, 200, 300}));
}

TEST(Timers, EnablingAnEnabledTimerDoesNotRestartIt) {
  Env env;
  TTimer t(100);
  int n = 0;
  t.OnTimer = [&] { ++n; };
  env.hb.RunFor(90);
  t.SetEnabled(true);
  env.hb.RunFor(20);
  EXPECT_EQ(n, 1);
}

TEST(Timers, SettingTheIntervalRestartsThePeriod) {
  Env env;
  TTimer t(100);
  int n = 0;
  t.OnTimer = [&] { ++n; };
  env.hb.RunFor(90);
  t.SetInterval(100);
  env.hb.RunFor(20);
  EXPECT_EQ(n, 0);
  env.hb.RunFor(80);
  EXPECT_EQ(n, 1);
}

TEST(Timers, IntervalZeroNeverFiresAndDisabledStops) {
  Env env;
  TTimer zero(0);
  TTimer off(10, false);
  int n = 0;
  zero.OnTimer = [&] { ++n; };
  off.OnTimer = [&] { ++n; };
  env.hb.RunFor(1000);
  EXPECT_EQ(n, 0);
}

TEST(Timers, TiesFireInCreationOrder) {
  Env env;
  std::vector<int> order;
  TTimer a(50), b(50);
  b.OnTimer = [&] { order.push_back(2); };
  a.OnTimer = [&] { order.push_back(1); };
  env.hb.RunFor(50);
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

TEST(Timers, FireInsideANestedModalLoopEvenTheirOwnHandler) {
  Env env;
  TForm* dlg = nullptr;
  env.app.CreateForm(dlg, "Dlg", "Dialog");
  TTimer t(10);
  int depth = 0, maxDepth = 0, fired = 0;
  t.OnTimer = [&] {
    ++fired;
    ++depth;
    maxDepth = std::max(maxDepth, depth);
    if (fired == 1) {
      env.hb.After(55, [&] { dlg->Close(); });
      dlg->ShowModal();  // a box blocking the handler; the timer keeps firing inside it
    }
    --depth;
  };
  env.hb.RunFor(100);
  EXPECT_EQ(maxDepth, 2);
  EXPECT_GE(fired, 9);
}

TEST(Timers, MessageBoxKeepsTimersRunning) {
  Env env;
  env.hb.BoxDwellMs = 500;
  TTimer t(100);
  int ticks = 0;
  t.OnTimer = [&] { ++ticks; };
  env.hb.After(10, [] { MessageDlg("Something", TMsgDlgType::mtError); });
  env.hb.RunFor(20);
  EXPECT_EQ(ticks, 5);
  ASSERT_EQ(env.hb.boxes.size(), 1u);
  EXPECT_EQ(env.hb.boxes[0].text, "Something");
}

// A handler slower than its period: the ticks it overran come as one, late, and the timer then
// goes on at its phase, still ticking together with a timer started alongside it.
TEST(Timers, ALateTickKeepsThePhase) {
  Env env;
  TTimer slow(100), other(100);
  std::vector<int64_t> slowAt, otherAt;
  slow.OnTimer = [&] {
    slowAt.push_back(env.hb.NowMs());
    if (slowAt.size() == 1) env.hb.clock.Skip(250'000);  // the first tick takes 250 ms
  };
  other.OnTimer = [&] { otherAt.push_back(env.hb.NowMs()); };
  env.hb.RunFor(650);
  EXPECT_EQ(slowAt, (std::vector<int64_t>{100, 350, 400, 500, 600}));
  EXPECT_EQ(otherAt, (std::vector<int64_t>{350, 400, 500, 600}));
}

// An idle timer is passed over without running its handler, and comes back on its own phase the
// moment a handler (here a posted event at 255 ms) or code between loops gives it work again:
// what it does and when stay as if it had ticked all along.
TEST(Timers, IdleTicksArePassedOverAndTheTimerResumesOnItsPhase) {
  Env env;
  TTimer t(100);
  bool work = false;
  std::vector<int64_t> at;
  t.Idle = [&] { return !work; };
  t.OnTimer = [&] {
    at.push_back(env.hb.NowMs());
    work = false;
  };
  env.hb.After(255, [&] { work = true; });
  env.hb.RunFor(450);
  EXPECT_EQ(at, (std::vector<int64_t>{300}));
  work = true;  // set by code outside every loop
  env.hb.RunFor(200);
  EXPECT_EQ(at, (std::vector<int64_t>{300, 500}));
  // Work given by an event at the very time of a tick that ran before it (the timer is older)
  // waits for the next tick, as it would have had the timer ticked.
  env.hb.After(50, [&] { work = true; });
  env.hb.RunFor(150);
  EXPECT_EQ(at, (std::vector<int64_t>{300, 500, 800}));
}

TEST(Dispatch, EscapedErrorBecomesTheStandardErrorBoxAndTheLoopGoesOn) {
  Env env;
  env.app.Title = "App Title";
  TTimer t(100);
  int ticks = 0;
  t.OnTimer = [&] {
    ++ticks;
    if (ticks == 1) throw std::runtime_error("'x' is not a valid integer value");
  };
  env.hb.RunFor(250);
  EXPECT_EQ(ticks, 2);
  ASSERT_EQ(env.hb.boxes.size(), 1u);
  EXPECT_EQ(env.hb.boxes[0].kind, BoxKind::Error);
  EXPECT_EQ(env.hb.boxes[0].caption, "App Title");
  EXPECT_EQ(env.hb.boxes[0].text, "'x' is not a valid integer value.");
}

TEST(Forms, CreateFormRunsCreateThenShowForVisibleFormsAndFirstIsMain) {
  Env env;
  std::vector<std::string> log;
  struct Visible : TForm {
    explicit Visible(std::vector<std::string>& log) : TForm("Main", "Main") {
      DesignVisible = true;
      OnCreate = [&log] { log.push_back("create"); };
      OnShow = [&log] { log.push_back("show"); };
    }
  };
  Visible* main = nullptr;
  TForm* other = nullptr;
  env.app.CreateForm(main, log);
  env.app.CreateForm(other, "Other", "Other");
  EXPECT_EQ(log, (std::vector<std::string>{"create", "show"}));
  EXPECT_EQ(env.app.MainForm(), main);
  EXPECT_FALSE(other->Visible());
  other->Close();  // not shown: nothing
  EXPECT_FALSE(env.app.Terminated());
  main->Close();
  EXPECT_TRUE(env.app.Terminated());
}

TEST(Forms, ModalLoopEndsOnModalResultFromATimer) {
  Env env;
  TForm* dlg = nullptr;
  env.app.CreateForm(dlg, "Dlg", "Dialog");
  TTimer t(200);
  t.OnTimer = [&] { dlg->SetModalResult(mrOk); };
  int r = dlg->ShowModal();
  EXPECT_EQ(r, mrOk);
  EXPECT_EQ(env.hb.NowMs(), 200);
  EXPECT_FALSE(dlg->Visible());
}

// Enter and Escape in a modal window: the default and the cancel button take them when they can
// be clicked; a window with title-bar buttons and no cancel button closes on Escape.
class KeyDialog : public TForm {
 public:
  KeyDialog() : TForm("KeyDialog", "Keys") {
    ok.ModalResult = mrOk;
    cancel.ModalResult = mrCancel;
  }
  TEdit entry{this, "entry"};
  TButton ok{this, "ok", "OK"};
  TButton cancel{this, "cancel", "Cancel"};
};

TEST(Forms, EnterAndEscapeReachTheDefaultAndCancelButtons) {
  struct Case {
    const char* what;
    bool okDefault, cancelCancel, okEnabled, borderIcons;
    char key;
    int result;  // mrNone: the key is not taken and the window stays
  } cases[] = {
      {"Enter clicks the default button", true, true, true, true, '\r', mrOk},
      {"Escape clicks the cancel button", true, true, true, false, 27, mrCancel},
      {"a disabled default button takes no Enter", true, true, false, true, '\r', mrNone},
      {"no default button: Enter stays with the field", false, true, true, true, '\r', mrNone},
      {"no cancel button: Escape closes by the close box", true, false, true, true, 27, mrCancel},
      {"no cancel button, no close box: Escape does nothing", true, false, true, false, 27, mrNone},
  };
  for (const Case& c : cases) {
    Env env;
    KeyDialog* dlg = nullptr;
    env.app.CreateForm(dlg);
    dlg->ok.Default = c.okDefault;
    dlg->cancel.Cancel = c.cancelCancel;
    dlg->ok.SetEnabled(c.okEnabled);
    dlg->BorderIconsVisible = c.borderIcons;
    bool taken = false;
    env.hb.After(10, [&] { taken = dlg->UserDialogKey(c.key); });
    env.hb.After(20, [&] {
      if (dlg->Visible()) dlg->SetModalResult(mrNone - 1);
    });
    const int r = dlg->ShowModal();
    EXPECT_EQ(taken, c.result != mrNone) << c.what;
    EXPECT_EQ(r, c.result == mrNone ? mrNone - 1 : c.result) << c.what;
  }
}

}  // namespace

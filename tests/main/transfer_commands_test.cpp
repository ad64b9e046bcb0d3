// The transfer commands against the test relay on the virtual clock: single reads and writes with
// their echo checks, the mass download for several selections, the clearing commands, cancelling,
// the two-step clock and statistics writes, and the reset buttons.
#include <gtest/gtest.h>

#include "support/ShellWorld.h"

using namespace wire;

namespace {

using State = ProgressTrace::State;
using Command = void (TForm1::*)();
using Box = TCheckBox TFrmMassDwnSel::*;

void ArmSettingsWrite() { dynamic_cast<TButton*>(Form1->FindControl("bTxSettings"))->UserClick(); }

// A connected program whose full read has run, so that every send column holds what the relay has.
struct Connected {
  ShellWorld w;
  std::unique_ptr<ProgressTrace> trace;
  size_t mark = 0;
  explicit Connected(const char* revision = "3b") : w(true, revision) {
    w.f1().Connect1Click();
    trace = std::make_unique<ProgressTrace>(w.f1());
    mark = w.line.written.size();
  }
  std::vector<int> Requests() const { return w.ChainRequests(mark); }
};

TEST(TransferCommands, SingleReadsAndWrites) {
  struct Case {
    const char* name;
    const char* revision;
    Command command;  // nullptr: the Settings page's write button
    const char* caption;
    std::vector<int> requests;
    std::vector<State> states;
  };
  const char* up = "Progress Uploading";
  const char* down = "Progress Downloading";
  const State upDone{"Uploading complete", 1, 1};
  const State downDone{"Downloading complete", 1, 1};
  // clang-format off
  const Case cases[] = {
      {"read settings, then calibration", "3b", &TForm1::bReadSetFromRelayClick, up, {4, 6},
       {{"Uploading settings", 0, 1}, {"Uploading calibration", 0, 1}, upDone}},
      {"read calibration", "3b", &TForm1::bRxCalibrationClick, up, {6}, {{"Uploading calibration", 0, 1}, upDone}},
      {"read device ID", "3b", &TForm1::bRxRelayIDClick, up, {3}, {{"Uploading device ID", 0, 1}, upDone}},
      {"read description", "3b", &TForm1::btRxUserNameClick, up, {9}, {{"Uploading description", 0, 1}, upDone}},
      {"read external module", "3b", &TForm1::Button6Click, up, {8}, {{"Uploading external module", 0, 1}, upDone}},
      {"read logic", "3b", &TForm1::bRxControlLogicClick, up, {11}, {{"Uploading logic", 0, 1}, upDone}},
      {"read starter", "3b", &TForm1::bRxStarterConfigFromRLClick, up, {12},
       {{"Uploading starter configuration", 0, 1}, upDone}},
      // The single Bluetooth read asks whatever the revision.
      {"read Bluetooth below 3a", "2f", &TForm1::btRxBluetoothClick, up, {10},
       {{"Uploading Bluetooth Settings", 0, 1}, upDone}},
      {"read comms", "3b", &TForm1::btRxCommsDataClick, up, {13}, {{"Uploading communication", 0, 1}, upDone}},
      {"read comms, extended", "4e", &TForm1::btRxCommsDataClick, up, {13, 39, 40},
       {{"Uploading communication block 0", 0, 3}, {"Uploading communication block 1", 1, 3},
        {"Uploading communication block 2", 2, 3}, {"Uploading complete", 3, 3}}},
      {"write settings, then calibration", "3b", nullptr, down, {21, 25},
       {{"Downloading settings", 0, 1}, {"Downloading calibration", 0, 1}, downDone}},
      {"write calibration", "3b", &TForm1::bTxCalibrationClick, down, {25},
       {{"Downloading calibration", 0, 1}, downDone}},
      {"write device ID", "3b", &TForm1::bRelayIDClick, down, {26}, {{"Downloading device ID", 0, 1}, downDone}},
      {"write description", "3b", &TForm1::pbUserNameClick, down, {28}, {{"Downloading description", 0, 1}, downDone}},
      {"write Bluetooth", "3b", &TForm1::btTxBluetoothClick, down, {29}, {{"Downloading Bluetooth", 0, 1}, downDone}},
      {"write external module", "3b", &TForm1::Button5Click, down, {33},
       {{"Downloading external module", 0, 1}, downDone}},
      {"write logic", "3b", &TForm1::bTxLogicControlClick, down, {22}, {{"Downloading logic", 0, 1}, downDone}},
      {"write starter", "3b", &TForm1::bTxStarterConfigToRLClick, down, {23},
       {{"Downloading starter configuration", 0, 1}, downDone}},
      {"write comms below 4e", "4d", &TForm1::bCommSettingsClick, down, {30},
       {{"Downloading communication", 0, 1}, downDone}},
      // The three steps are armed together.
      {"write comms, extended", "4e", &TForm1::bCommSettingsClick, down, {30, 37, 38},
       {{"Downloading communication - Block 0", 0, 3}, {"Downloading communication - Block 1", 1, 3},
        {"Downloading communication - Block 2", 2, 3}, {"Downloading complete", 3, 3}}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Connected k(c.revision);
    k.w.hb.After(1, [&] { EXPECT_EQ(k.w.prog().Caption(), c.caption); });
    if (c.command)
      (k.w.f1().*c.command)();
    else
      ArmSettingsWrite();
    EXPECT_EQ(k.Requests(), c.requests);
    EXPECT_EQ(k.trace->states, c.states);
    EXPECT_EQ(k.w.prog().ProgButButton.Caption(), "Ok");
    EXPECT_FALSE(k.w.prog().Visible());
    EXPECT_TRUE(k.w.hb.boxes.empty());
  }
}

TEST(TransferCommands, WritesRepeatUntilTheEchoMatches) {
  struct Case {
    const char* name;
    Command command;
    int request;
  };
  // clang-format off
  const Case cases[] = {
      {"logic", &TForm1::bTxLogicControlClick, ReqDownloadLogic},
      {"description", &TForm1::pbUserNameClick, ReqDownloadDesc},
      {"device ID", &TForm1::bRelayIDClick, ReqDownloadRelayID},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Connected k;
    k.w.model().Misbehave.WrongEchoes = 2;
    (k.w.f1().*c.command)();
    EXPECT_EQ(k.Requests(), std::vector<int>(3, c.request));
    EXPECT_EQ(k.trace->states.back(), (State{"Downloading complete", 1, 1}));
  }
}

// A relay that sends one of its records, unasked, after every answer, in the same piece (as an
// adapter that buffers the line hands them over together). A record of the kind the next write
// expects then arrives before that write's message has gone out. Each write of the settings
// chain must still go out, carrying what the editors show, and the relay must hold it.
TEST(TransferCommands, SettingsWriteGoesOutWholeUnderAFloodOfUnsolicitedRecords) {
  struct Case {
    const char* name;
    RecordId flood;
    void (*edit)(TForm1&);
    RecordId edited;
    int row;
    const char* held;  // what the relay holds in that row afterwards
  };
  // clang-format off
  const Case cases[] = {
      {"calibration records", RecordId::Calibration, [](TForm1& f) { f.seUnbalTripLev.UserType("25"); },
       RecordId::Settings, 5, "025"},
      {"settings records", RecordId::Settings, [](TForm1& f) { f.cbSetFreqSelector.UserPick(1); },
       RecordId::Calibration, 10, "001"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Connected k;
    TestRelay& relay = *k.w.relay;
    relay.Model.OnAnswer = [&k, &relay, &c](const std::string& answer) {
      k.w.line.Send(answer + relay.Model.Record(c.flood), relay.TurnaroundUs);
    };
    c.edit(k.w.f1());
    ArmSettingsWrite();

    EXPECT_EQ(k.w.model().Field(c.edited, c.row), c.held);
    EXPECT_EQ(k.trace->states.back(), (State{"Downloading complete", 1, 1}));
    EXPECT_TRUE(k.w.hb.boxes.empty());
    // Each write went out, and every time with the send column as it stands.
    for (RecordId id : {RecordId::Settings, RecordId::Calibration}) {
      const RecordLayout& rec = Layout(id);
      std::string expected;
      SendRefusal why;
      ASSERT_TRUE(BuildWrite(rec, FormVariableTable->Grid(id), expected, why));
      std::vector<std::string> sent;
      for (size_t i = k.mark; i < k.w.line.written.size(); ++i)
        if (k.w.line.written[i].compare(0, 2, rec.WriteHead) == 0)
          sent.push_back(k.w.line.written[i]);
      EXPECT_FALSE(sent.empty()) << rec.WriteHead << " never went out";
      for (const std::string& m : sent) EXPECT_EQ(m, expected);
    }
  }
}

// Clicks the chosen boxes of the download selection and answers it.
void Choose(ShellWorld& w, std::vector<Box> boxes, bool ok = true) {
  w.hb.After(10, [&w, boxes, ok] {
    for (auto box : boxes) (w.sel().*box).UserClick();
    (ok ? w.sel().ButDwnSelOk : w.sel().ButDwnSelCancel).UserClick();
  });
}

TEST(MassDownload, ChosenStepsRunInChainOrder) {
  using D = TFrmMassDwnSel;
  struct Case {
    const char* name;
    const char* revision;
    bool site;
    std::vector<Box> boxes;
    int max;
    std::vector<int> requests;
    std::vector<std::string> texts;
    bool calibrationAfter;
  };
  // clang-format off
  const Case cases[] = {
      {"settings outside site mode bring device ID and calibration", "3b", false, {&D::CBoxMassDwnSelSettings}, 3,
       {21, 26, 25}, {"Downloading settings", "Downloading device ID", "Downloading calibration", "Downloading complete"},
       false},
      {"settings and logic outside site mode", "3b", false, {&D::CBoxMassDwnSelLogic, &D::CBoxMassDwnSelSettings}, 4,
       {21, 22, 26, 25},
       {"Downloading settings", "Downloading logic", "Downloading device ID", "Downloading calibration",
        "Downloading complete"},
       false},
      {"calibration alone in site mode", "3b", true, {&D::CBoxMassDwnSelCal}, 2, {26, 25},
       {"Downloading device ID", "Downloading calibration", "Downloading complete"}, true},
      {"settings in site mode keep the calibration box", "3b", true, {&D::CBoxMassDwnSelSettings}, 3, {21, 26, 25},
       {"Downloading settings", "Downloading device ID", "Downloading calibration", "Downloading complete"}, true},
      {"communication, extended", "4e", false, {&D::CBoxMassDwnSelComm}, 3, {30, 37, 38},
       {"Downloading communication block 0", "Downloading communication block 1", "Downloading communication block 2",
        "Downloading complete"},
       false},
      {"starter and communication", "4d", false, {&D::CBoxMassDwnSelComm, &D::CBoxMassDwnSelStarter}, 2, {23, 30},
       {"Downloading starter configuration", "Downloading communication", "Downloading complete"}, false},
      {"description, external module and Bluetooth", "3b", false,
       {&D::CBoxMassDwnSelBluetooth, &D::CBoxMassDwnSelExtMod, &D::CBoxMassDwnSelDesc}, 3, {28, 33, 29},
       {"Downloading description", "Downloading external module", "Downloading Bluetooth", "Downloading complete"},
       false},
      // Every choice, ticked in reverse: the chain's own order decides what goes out when.
      {"everything, extended, in site mode", "4e", true,
       {&D::CBoxMassDwnSelCal, &D::CBoxMassDwnSelBluetooth, &D::CBoxMassDwnSelExtMod, &D::CBoxMassDwnSelComm,
        &D::CBoxMassDwnSelDesc, &D::CBoxMassDwnSelStarter, &D::CBoxMassDwnSelLogic, &D::CBoxMassDwnSelSettings},
       11, {21, 22, 23, 28, 30, 37, 38, 33, 29, 26, 25},
       {"Downloading settings", "Downloading logic", "Downloading starter configuration", "Downloading description",
        "Downloading communication block 0", "Downloading communication block 1", "Downloading communication block 2",
        "Downloading external module", "Downloading Bluetooth", "Downloading device ID",
        "Downloading calibration", "Downloading complete"},
       true},
      // Below "Rev 3a" the Bluetooth step completes without a request.
      {"logic and Bluetooth below 3a", "2f", false, {&D::CBoxMassDwnSelLogic, &D::CBoxMassDwnSelBluetooth}, 2, {22},
       {"Downloading logic", "Downloading complete"}, false},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Connected k(c.revision);
    ShellWorld& w = k.w;
    w.f1().SiteModeActive = c.site;
    int maxSeen = 0;
    w.hb.After(20, [&] { maxSeen = w.prog().ProgBarDisProg.Max(); });
    Choose(w, c.boxes);
    w.f1().SButWriteSetToRelayClick();
    EXPECT_EQ(w.sel().CBoxMassDwnSelCal.Visible(), c.site);
    EXPECT_EQ(maxSeen, c.max);
    EXPECT_EQ(k.Requests(), c.requests);
    std::vector<std::string> texts;
    for (const State& s : k.trace->states)
      if (texts.empty() || texts.back() != s.text) texts.push_back(s.text);
    EXPECT_EQ(texts, c.texts);
    EXPECT_EQ(k.trace->states.back(), (State{"Downloading complete", c.max, c.max}));
    EXPECT_FALSE(w.f1().MassDownload);
    EXPECT_EQ(w.sel().CBoxMassDwnSelCal.Checked(), c.calibrationAfter);
    EXPECT_TRUE(w.hb.boxes.empty());
  }
}

TEST(MassDownload, NothingChosenOrCancelledSendsNothing) {
  using D = TFrmMassDwnSel;
  for (bool ok : {true, false}) {
    SCOPED_TRACE(ok ? "nothing chosen" : "cancelled");
    Connected k;
    ShellWorld& w = k.w;
    std::vector<Box> boxes;
    if (!ok) boxes = {&D::CBoxMassDwnSelLogic, &D::CBoxMassDwnSelSettings};
    Choose(w, boxes, ok);
    w.f1().SButWriteSetToRelayClick();
    w.hb.RunFor(500);
    EXPECT_TRUE(k.Requests().empty());
    EXPECT_TRUE(k.trace->states.empty());
    EXPECT_FALSE(w.f1().MassDownload);
    // The boxes keep what the user clicked.
    EXPECT_EQ(w.sel().CBoxMassDwnSelLogic.Checked(), !ok);
    EXPECT_EQ(w.sel().CBoxMassDwnSelSettings.Checked(), !ok);
    EXPECT_FALSE(w.sel().CBoxMassDwnSelCal.Checked());
  }
}

TEST(MassDownload, CancelStopsTheChainAndEmptiesItsQueuedWrites) {
  using D = TFrmMassDwnSel;
  Connected k;
  ShellWorld& w = k.w;
  Choose(w, {&D::CBoxMassDwnSelSettings, &D::CBoxMassDwnSelLogic, &D::CBoxMassDwnSelStarter});
  // Cancel as soon as the logic write is under way.
  bool cancelled = false;
  auto tick = w.f1().TmrSystem.OnTimer;
  w.f1().TmrSystem.OnTimer = [&, tick] {
    tick();
    if (!cancelled && w.f1().DownloadLogic) {
      cancelled = true;
      w.hb.After(0, [&] { w.prog().ProgButButton.UserClick(); });
    }
  };
  w.f1().SButWriteSetToRelayClick();
  EXPECT_TRUE(cancelled);
  EXPECT_FALSE(w.prog().Visible());
  EXPECT_FALSE(w.f1().MassDownload);
  EXPECT_FALSE(w.f1().DownloadLogic);
  w.hb.RunFor(3000);
  // The logic write queued but not yet sent when the cancel came left the queue unsent; nothing
  // after it went out either.
  EXPECT_EQ(k.Requests(), (std::vector<int>{ReqDownloadSetting}));
  EXPECT_FALSE(w.f1().DownloadStartConf);
}

TEST(TransferCommands, ClearingCommands) {
  struct Case {
    Command command;
    const char* caption;
    const char* text;
    int request;
    const char* done;
    bool TForm1::*flag;
    int RelayModel::*count;
  };
  // clang-format off
  const Case cases[] = {
      {&TForm1::ClrFaultHistClick, "Progress Clearing Faults", "Clearing faults", ReqClearFaults, "Faults cleared",
       &TForm1::ClearFaultRec, &RelayModel::ClearFaultCount},
      {&TForm1::bClrEventRecsClick, "Progress Clearing Events", "Clearing events", ReqClearEvents, "Events cleared",
       &TForm1::ClearEventRec, &RelayModel::ClearEventCount},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Connected k;
    int64_t start = k.w.hb.NowMs();
    k.w.hb.After(1, [&] {
      EXPECT_EQ(k.w.prog().Caption(), c.caption);
      EXPECT_EQ(k.w.prog().ProgLabProgDesc.Caption(), c.text);
    });
    (k.w.f1().*c.command)();
    EXPECT_EQ(k.Requests(), std::vector<int>{c.request});
    EXPECT_EQ(k.trace->states.back(), (State{c.done, 1, 1}));
    EXPECT_FALSE(k.w.f1().*c.flag);
    EXPECT_EQ(k.w.model().*c.count, 1);
    // Closed by itself, 2 to 2.5 s after its bar filled.
    EXPECT_LT(k.w.hb.NowMs() - start, 3500);
  }
}

TEST(TransferCommands, ResetButtonsQueueTheirRequestDirectly) {
  Connected k;
  k.w.f1().bRelayResetAct.UserClick();
  k.w.f1().bTC_ResetAct.UserClick();
  k.w.hb.RunFor(1000);
  EXPECT_EQ(k.Requests(), (std::vector<int>{ReqRelayReset, ReqThermalCapReset}));
  EXPECT_EQ(k.w.model().RelayResets, 1);
  EXPECT_EQ(k.w.model().ThermalResets, 1);
  EXPECT_TRUE(k.trace->states.empty());
}

TEST(TransferCommands, ToolBarFullReadCanBeCancelled) {
  Connected k;
  ShellWorld& w = k.w;
  w.hb.After(400, [&] {
    EXPECT_TRUE(w.prog().ProgButButton.Enabled());
    w.prog().ProgButButton.UserClick();
  });
  w.f1().SButReadSetFrmRelay.UserClick();
  EXPECT_FALSE(w.f1().UploadAll);
  EXPECT_EQ(k.trace->states.front(), (State{"Uploading device ID", 0, 9}));
  EXPECT_LT(k.trace->states.back().position, 9);
  w.hb.RunFor(2000);
  EXPECT_TRUE(w.f2().ComPort1.Connected());
}

// A command no lock gates, used while the port is closed: its dialog is gone within a tick and
// nothing is sent.
TEST(TransferCommands, UngatedCommandWhileDisconnectedEndsWithinATick) {
  ShellWorld w(true);
  w.hb.RunFor(50);
  int64_t start = w.hb.NowMs();
  w.f1().Button2.UserClick();
  EXPECT_LE(w.hb.NowMs() - start, 100);
  EXPECT_TRUE(w.line.written.empty());
  EXPECT_FALSE(w.f1().UploadComms);
  EXPECT_FALSE(w.prog().Visible());
}

// The clock and statistics pages write on the second press only; the first suspends their poll.
TEST(EditModes, TwoStepWrites) {
  struct Case {
    const char* name;
    Command press;
    bool TForm1::*mode;
    TiLedRectangle TForm1::*lamp;
    TButton TForm1::*button;
    const char* caption;
    int poll;
    int request;
    const char* text;
  };
  // clang-format off
  const Case cases[] = {
      {"clock", &TForm1::TxRTC_Click, &TForm1::ClockChangeFlag, &TForm1::iLedClockStatus, &TForm1::bRTC_Setting,
       "Set the real time clock", ReqUploadRTC, ReqDownloadRTC, "Downloading RTC"},
      {"statistics", &TForm1::bTxStatisticsClick, &TForm1::StatsChangeFlag, &TForm1::iLedStatsStatus,
       &TForm1::bTxStatistics, "Change relay settings", ReqUploadStat, ReqDownloadStat, "Downloading statistical data"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Connected k;
    ShellWorld& w = k.w;
    TForm1& f = w.f1();
    (f.*c.press)();
    EXPECT_TRUE(f.*c.mode);
    EXPECT_EQ((f.*c.lamp).ActiveColor(), clYellow);
    EXPECT_EQ((f.*c.lamp).Caption(), "Off Line");
    EXPECT_EQ((f.*c.button).Caption(), "Transmit setting to relay");
    EXPECT_FALSE(w.prog().Visible());
    size_t before = w.line.written.size();
    w.hb.RunFor(1000);
    for (size_t i = before; i < w.line.written.size(); ++i)
      EXPECT_NE(RequestOfMessage(w.line.written[i]), c.poll);
    EXPECT_TRUE(k.Requests().empty());

    (f.*c.press)();
    EXPECT_EQ(k.Requests(), std::vector<int>{c.request});
    EXPECT_EQ(k.trace->states.front(), (State{c.text, 0, 1}));
    EXPECT_EQ(k.trace->states.back(), (State{"Downloading complete", 1, 1}));
    EXPECT_FALSE(f.*c.mode);
    EXPECT_EQ((f.*c.lamp).ActiveColor(), clLime);
    EXPECT_EQ((f.*c.lamp).Caption(), "On Line");
    EXPECT_EQ((f.*c.button).Caption(), c.caption);

    // An edit mode left open ends when the port closes.
    (f.*c.press)();
    f.Connect1Click();
    w.hb.RunFor(100);
    EXPECT_FALSE(f.*c.mode);
    EXPECT_EQ((f.*c.lamp).Caption(), "On Line");
    EXPECT_EQ((f.*c.button).Caption(), c.caption);
  }
}

}  // namespace

// The system timer's own work: the polls it queues by page and mode, and the gating of the relay
// buttons by the link and access state.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "support/ShellWorld.h"

extern bool CalibLocked;

using namespace wire;

namespace {

TEST(Sequencer, PollsByPageAndMode) {
  struct Case {
    const char* name;
    const char* revision;
    bool clockEdit = false;
    bool statsEdit = false;
    int protocol = 0;
    bool spectrum = false;
    int phase = 0;
    bool simulating = false;
    std::vector<int> polls;
  };
  // clang-format off
  const Case cases[] = {
      {.name = "plain", .revision = "Rev 3b", .polls = {1, 2, 5, 7, 14}},
      {.name = "clock page editing", .revision = "Rev 3b", .clockEdit = true, .polls = {1, 2, 7, 14}},
      {.name = "statistics editing", .revision = "Rev 3b", .statsEdit = true, .polls = {1, 2, 5, 14}},
      {.name = "extended", .revision = "Rev 4e", .polls = {1, 2, 5, 7, 41}},
      {.name = "extended, CANbus", .revision = "Rev 4e", .protocol = 3, .polls = {1, 2, 5, 7, 14}},
      {.name = "Rev 00 is not extended", .revision = "Rev 00", .polls = {1, 2, 5, 7, 14}},
      {.name = "spectrum, white phase", .revision = "Rev 3b", .spectrum = true, .phase = 1, .polls = {1, 2, 5, 7, 14, 19}},
      {.name = "spectrum, blue phase", .revision = "Rev 3b", .spectrum = true, .phase = 2, .polls = {1, 2, 5, 7, 14, 20}},
      {.name = "spectrum, no phase", .revision = "Rev 3b", .spectrum = true, .phase = -1, .polls = {1, 2, 5, 7, 14}},
      {.name = "simulating", .revision = "Rev 3b", .simulating = true, .polls = {1, 2, 5, 7, 14, 32}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ShellWorld w(false);  // nothing answers: what is queued stays queued
    TForm1& f = w.f1();
    f.mbSW_Rev.SetText(c.revision);
    f.ClockChangeFlag = c.clockEdit;
    f.StatsChangeFlag = c.statsEdit;
    f.cbExtCommsSelProt.SetItemIndex(c.protocol);
    if (c.spectrum) f.PageControl1.SetActivePage(&f.tsSpectrum);
    f.cbI_Selector.SetItemIndex(c.phase);
    f.SimFlag = c.simulating;
    w.OpenIdle();
    w.hb.RunFor(100);
    EXPECT_EQ(w.Queue(), c.polls);
  }
}

TEST(Sequencer, GatesTheRelayButtons) {
  // clang-format off
  const std::vector<std::string> unlocked = {
      "SButWriteSetToRelay", "bTC_ResetAct", "bTxSettings", "bTxLogicControl", "bTxStarterConfigToRL", "pbUserName",
      "bTxStatistics", "bCommSettings", "Button1", "Button5", "bFaultHistClr", "bThermalCapReset",
      "btTxBluetooth"};
  const std::vector<std::string> calibration = {"bTxCalibration", "bRelayID", "bClrEventRecs"};
  const std::vector<std::string> always = {
      "bRelayResetAct", "bResetRelay", "bReadSetFromRelay", "bRxControlLogic", "bRxStarterConfigFromRL", "bRTC_Setting",
      "bFaultUpDate", "bSimTestStart", "Button6", "bRxCalibration", "bCalbLock", "bRxRelayID"};
  const std::vector<std::string> eventIdle = {"bEventRecDownLoad", "bQuickEventUpload"};
  const std::vector<std::string> eventRunning = {"bStopEventDownLoad"};
  const std::vector<std::string> neverTouched = {"Button2", "btRxBluetooth",
                                                 "btRxUserName", "btRxCommsData", "SButOpenFile", "SButSaveToFile",
                                                 "SButPrintSet"};
  struct Case {
    const char* name;
    bool open, frontendLocked, calibLocked, eventRunning;
  };
  // clang-format on
  // clang-format off
  const Case cases[] = {
      {"closed", false, false, false, false},
      {"open, all unlocked", true, false, false, false},
      {"open, front end locked", true, true, false, true},
      {"open, calibration locked", true, false, true, false},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ShellWorld w(false);
    TForm1& f = w.f1();
    f.FrontendLocked = c.frontendLocked;
    CalibLocked = c.calibLocked;
    f.iLedEventMessage.SetActive(c.eventRunning);
    f.EventFileClose = [] {};
    if (c.open) w.OpenIdle();
    w.hb.RunFor(100);
    auto check = [&](const std::vector<std::string>& names, bool on) {
      for (const std::string& n : names) {
        TControl* ctl = f.FindControl(n);
        ASSERT_NE(ctl, nullptr) << n;
        EXPECT_EQ(ctl->Enabled(), on) << n;
      }
    };
    check(unlocked, c.open && !c.frontendLocked);
    check(calibration, c.open && !c.calibLocked);
    check(always, c.open);
    check(eventIdle, c.open && !c.eventRunning);
    check(eventRunning, c.open && c.eventRunning);
    check(neverTouched, true);
    EXPECT_EQ(f.SButComSetup.Enabled(), !c.open);
    EXPECT_EQ(f.SBOpenComPort.Enabled(), !c.open);
    EXPECT_EQ(f.SButClosePort.Enabled(), c.open);
    EXPECT_EQ(f.SButReadSetFrmRelay.Enabled(), c.open);
    EXPECT_EQ(f.Communication1.Enabled(), !c.open);
  }
  CalibLocked = true;
}

TEST(Sequencer, LinkLostDuringAnEventDownloadClosesItsFile) {
  ShellWorld w(false);
  TForm1& f = w.f1();
  int closes = 0;
  f.EventFileClose = [&] {
    ++closes;
    throw EInOutError("I/O error 103");  // ignored
  };
  f.iLedEventMessage.SetActive(true);
  w.hb.RunFor(200);
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(f.iLedEventMessage.Active());
  EXPECT_TRUE(w.hb.boxes.empty());
}

}  // namespace

// The two-step clock and statistics writes: the first press only enters edit mode, the second
// writes; the relay then holds the clock and the typed counter, and both pages are on line again.
TEST(SequencerPageWrites, ClockThenStatisticsReachTheRelay) {
  ShellWorld w(true);
  TForm1& f = w.f1();
  w.OpenIdle();
  w.hb.RunFor(1000);
  f.PageControl1.SetActivePage(&f.tsRealTimeClock);
  f.bRTC_Setting.UserClick();
  const size_t sent = w.relay->Model.Messages.size();
  w.hb.RunFor(500);
  f.seYear.SetValue(2031);
  f.seMonth.SetValue(7);
  f.seDate.SetValue(4);
  w.hb.After(8000, [] {
    if (FrmProgress->Visible()) FrmProgress->ProgButButton.UserClick();
  });
  f.bRTC_Setting.UserClick();
  EXPECT_EQ(f.bRTC_Setting.Caption(), "Set the real time clock");
  EXPECT_EQ((std::array<int, 3>{w.relay->Model.Clock[0], w.relay->Model.Clock[1],
                                w.relay->Model.Clock[2]}),
            (std::array<int, 3>{31, 7, 4}));

  f.PageControl1.SetActivePage(&f.tsStatistics);
  f.bTxStatistics.UserClick();
  w.hb.RunFor(500);
  f.ebTripCntr.UserType("0");
  w.hb.After(8000, [] {
    if (FrmProgress->Visible()) FrmProgress->ProgButButton.UserClick();
  });
  f.bTxStatistics.UserClick();
  EXPECT_EQ(w.relay->Model.Field(wire::RecordId::Statistics, 2), "00000");
  EXPECT_EQ(f.bTxStatistics.Caption(), "Change relay settings");
  // Each write went out once.
  size_t writes = 0;
  for (size_t i = sent; i < w.relay->Model.Messages.size(); ++i) {
    const std::string& m = w.relay->Model.Messages[i];
    if (m[1] != '?') ++writes;
  }
  EXPECT_EQ(writes, 2u);
}

// A statistics poll queued before the first press may still wait when the second press arms the
// write. Its answer is the relay's record as it still is, not the write's echo: taken as a
// refused echo it would be asked for again and again, with the write stuck behind it.
TEST(SequencerPageWrites, StatisticsWriteBehindAWaitingPoll) {
  ShellWorld w(true);
  TForm1& f = w.f1();
  w.model().SetField(wire::RecordId::Statistics, 2, "00042");
  w.OpenIdle();
  w.hb.RunFor(1000);
  f.PageControl1.SetActivePage(&f.tsStatistics);
  auto pollWaits = [&] {
    const std::vector<int> q = w.Queue();
    return std::find(q.begin(), q.end(), ReqUploadStat) != q.end();
  };
  ASSERT_TRUE(w.hb.RunUntil(pollWaits, 1000));
  // Both presses and the typing before the poll is answered.
  f.bTxStatistics.UserClick();
  f.ebTripCntr.UserType("0");
  ASSERT_TRUE(pollWaits());
  w.hb.After(8000, [] {
    if (FrmProgress->Visible()) FrmProgress->ProgButButton.UserClick();
  });
  f.bTxStatistics.UserClick();
  EXPECT_EQ(w.model().Field(wire::RecordId::Statistics, 2), "00000");
  EXPECT_EQ(f.bTxStatistics.Caption(), "Change relay settings");
  EXPECT_EQ(w.prog().ProgLabProgDesc.Caption(), "Downloading complete");
}

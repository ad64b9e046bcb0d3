// The progress dialog: closing 2 to 2.5 s after its bar is seen full, the button clearing exactly
// the transfer flags it owns, and an automatic close never reaching a later transfer.
#include <gtest/gtest.h>

#include "wire/Requests.h"
#include "support/LinkWorld.h"

using namespace wire;

TEST(ProgressDialog, ClosesTwoToTwoAndAHalfSecondsAfterFull) {
  for (int64_t fullAt : {1, 120, 250, 499, 500, 501, 999}) {
    LinkWorld w(false);
    TFrmProgress& p = w.prog();
    p.ProgBarDisProg.SetMax(3);
    p.ProgBarDisProg.SetPosition(0);
    w.hb.After(fullAt, [&] { p.ProgBarDisProg.SetPosition(3); });
    int result = p.ShowModal();
    int64_t closedAfter = w.hb.NowMs() - fullAt;
    SCOPED_TRACE("full at " + std::to_string(fullAt));
    EXPECT_EQ(result, mrOk);
    EXPECT_GE(closedAfter, 2000);
    EXPECT_LE(closedAfter, 2500);
    EXPECT_FALSE(p.Visible());
    EXPECT_EQ(p.ProgBarDisProg.Max(), 100);
    EXPECT_EQ(p.ProgBarDisProg.Position(), 0);
    EXPECT_FALSE(p.ProgTmrCloseAuto.Enabled());
  }
}

TEST(ProgressDialog, ClearWithOneStepClosesByItself) {
  LinkWorld w(false);
  w.Connect();
  w.f1().ClearFaultRec = true;
  w.f2().AddToCommsQue(ReqClearFaults);
  TFrmProgress& p = w.prog();
  p.SetCaption("Progress Clearing Faults");
  p.ProgBarDisProg.SetMax(1);
  p.ProgBarDisProg.SetPosition(0);
  EXPECT_EQ(p.ShowModal(), mrOk);
  EXPECT_LE(w.hb.NowMs(), 10 + 2500);
  EXPECT_EQ(p.ProgLabProgDesc.Caption(), "Faults cleared");
}

TEST(ProgressDialog, AutoCloseWhileHiddenOnlyResetsTheBar) {
  LinkWorld w(false);
  TFrmProgress& p = w.prog();
  p.ProgBarDisProg.SetMax(4);
  p.ProgBarDisProg.SetPosition(4);
  w.hb.RunFor(2600);
  EXPECT_FALSE(p.Visible());
  EXPECT_EQ(p.ProgBarDisProg.Max(), 100);
  EXPECT_EQ(p.ProgBarDisProg.Position(), 0);
  EXPECT_TRUE(w.hb.boxes.empty());
}

TEST(ProgressDialog, ButtonClearsExactlyItsFlags) {
  LinkWorld w(false);
  TForm1& f = w.f1();
  struct Flag {
    bool TForm1::*flag;
    bool cleared;
  };
  // clang-format off
  const Flag flags[] = {
      {&TForm1::UploadAll, true},           {&TForm1::UploadDevID, true},
      {&TForm1::UploadSettings, true},      {&TForm1::UploadCalibration, true},
      {&TForm1::UploadExtModSet, true},     {&TForm1::UploadDesc, true},
      {&TForm1::UploadLogic, true},         {&TForm1::UploadStartConf, true},
      {&TForm1::UploadComms, true},         {&TForm1::UploadCommsExtBlock0, true},
      {&TForm1::UploadCommsExtBlock1, true}, {&TForm1::UploadBluetooth, true},
      {&TForm1::DevIDUploaded, true},       {&TForm1::SettingsUploaded, true},
      {&TForm1::CalibrationUploaded, true}, {&TForm1::ExtModSetUploaded, true},
      {&TForm1::DescUploaded, true},        {&TForm1::LogicUploaded, true},
      {&TForm1::StartConfUploaded, true},   {&TForm1::CommsUploaded, true},
      {&TForm1::BluetoothUploaded, true},   {&TForm1::CommsExtBlock0Uploaded, false},
      {&TForm1::CommsExtBlock1Uploaded, false}, {&TForm1::MassDownload, true},
      {&TForm1::DownloadSetting, true},     {&TForm1::DownloadLogic, true},
      {&TForm1::DownloadStartConf, true},   {&TForm1::DownloadRTC, true},
      {&TForm1::DownloadCal, true},         {&TForm1::DownloadRelayID, true},
      {&TForm1::DownloadDesc, true},        {&TForm1::DownloadComm, true},
      {&TForm1::DownloadCommExtBlock0, true}, {&TForm1::DownloadCommExtBlock1, true},
      {&TForm1::DownloadStat, true},        {&TForm1::DownloadExtMod, true},
      {&TForm1::DownloadBluetooth, true},   {&TForm1::SettingDownloaded, true},
      {&TForm1::LogicDownloaded, true},     {&TForm1::StartConfDownloaded, true},
      {&TForm1::RTC_Downloaded, true},      {&TForm1::CalDownloaded, true},
      {&TForm1::RelayIDDownloaded, true},   {&TForm1::DescDownloaded, true},
      {&TForm1::CommDownloaded, true},      {&TForm1::CommDownloadedExtBlock0, true},
      {&TForm1::CommDownloadedExtBlock1, true}, {&TForm1::StatDownloaded, true},
      {&TForm1::ExtModDownloaded, true},    {&TForm1::BluetoothDownloaded, true},
      {&TForm1::ClearFaultRec, true},       {&TForm1::ClearEventRec, true},
      {&TForm1::ClockChangeFlag, true},     {&TForm1::StatsChangeFlag, true},
      {&TForm1::SiteModeActive, false},     {&TForm1::FrontendLocked, false},
      {&TForm1::SimFlag, false},            {&TForm1::QuickEventViewFlag, false},
      {&TForm1::EventMassUploadAct, false},
  };
  // clang-format on
  for (const Flag& fl : flags) f.*fl.flag = true;
  f.iLedClockStatus.SetActiveColor(clRed);
  f.iLedClockStatus.SetCaption("Off Line");
  f.bRTC_Setting.SetCaption("Transmit setting to relay");
  f.iLedStatsStatus.SetActiveColor(clRed);
  f.bTxStatistics.SetCaption("Transmit setting to relay");
  w.f2().AddToCommsQue(ReqDownloadSetting);
  w.f2().AddToCommsQue(ReqUploadActual);
  w.f2().AddToCommsQue(ReqUploadLogic);

  TFrmProgress& p = w.prog();
  w.hb.After(100, [&] { p.ProgButButton.UserClick(); });
  EXPECT_EQ(p.ShowModal(), mrOk);
  EXPECT_EQ(w.hb.NowMs(), 100);
  for (const Flag& fl : flags) {
    size_t i = &fl - flags;
    EXPECT_EQ(f.*fl.flag, !fl.cleared) << "flag " << i;
  }
  EXPECT_EQ(f.iLedClockStatus.ActiveColor(), clLime);
  EXPECT_EQ(f.iLedClockStatus.Caption(), "On Line");
  EXPECT_EQ(f.bRTC_Setting.Caption(), "Set the real time clock");
  EXPECT_EQ(f.iLedStatsStatus.ActiveColor(), clLime);
  EXPECT_EQ(f.iLedStatsStatus.Caption(), "On Line");
  EXPECT_EQ(f.bTxStatistics.Caption(), "Change relay settings");
  // The transfer's requests leave the queue; the poll stays.
  EXPECT_EQ(w.f2().HeadRequest(), ReqUploadActual);
  EXPECT_EQ(w.f2().CommsQueSpaceLeft, TForm2::kQueueSlots - 1);
}

// A close armed for a finished transfer never closes the next one: the button and a new showing
// both put it away.
TEST(ProgressDialog, PendingAutoCloseDoesNotReachALaterTransfer) {
  enum class Ending { Button, ClosedFromOutside };
  for (Ending ending : {Ending::Button, Ending::ClosedFromOutside}) {
    LinkWorld w(false);
    TFrmProgress& p = w.prog();
    p.ProgBarDisProg.SetMax(1);
    p.ProgBarDisProg.SetPosition(1);  // the first transfer is complete
    w.hb.After(600, [&] {             // the close is armed at 500; the first dialog ends at 600
      if (ending == Ending::Button)
        p.ProgButButton.UserClick();
      else
        p.Close();
    });
    p.ShowModal();
    EXPECT_EQ(w.hb.NowMs(), 600);
    // The next transfer starts at once and runs for 5 s.
    p.ProgBarDisProg.SetMax(5);
    p.ProgBarDisProg.SetPosition(0);
    bool openAt3s = false;
    w.hb.After(2400, [&] { openAt3s = p.Visible(); });  // past the old deadline of 2500
    w.hb.After(5000, [&] { p.ProgBarDisProg.SetPosition(5); });
    int64_t start = w.hb.NowMs();
    EXPECT_EQ(p.ShowModal(), mrOk);
    EXPECT_TRUE(openAt3s);
    EXPECT_GE(w.hb.NowMs() - start, 5000 + 2000);
  }
}

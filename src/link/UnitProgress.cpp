#include "link/UnitProgress.h"
#include "link/CommSetup.h"

#include "main/Main.h"

TFrmProgress* FrmProgress = nullptr;

TFrmProgress::TFrmProgress()
    : TForm("FrmProgress", "Progress"),
      ProgLabProgDesc(this, "ProgLabProgDesc"),
      ProgBarDisProg(this, "ProgBarDisProg"),
      ProgButButton(this, "ProgButButton", "Cancel"),
      ProgTmrSys(500, true),
      ProgTmrCloseAuto(2000, false) {
  BorderIconsVisible = false;
  Position = TFormPosition::poScreenCenter;
  Resizable = false;
  ProgTmrSys.Name = "ProgTmrSys";
  ProgTmrCloseAuto.Name = "ProgTmrCloseAuto";
  ProgTmrSys.OnTimer = [this] { ProgTmrSysTimer(); };
  // A tick only arms the automatic close once the bar is full; until then, or once it is armed,
  // the ticks are passed over without waking.
  ProgTmrSys.Idle = [this] {
    return ProgBarDisProg.Max() != ProgBarDisProg.Position() || ProgTmrCloseAuto.Enabled();
  };
  ProgTmrCloseAuto.OnTimer = [this] { ProgTmrCloseAutoTimer(); };
  ProgButButton.OnClick = [this] { ProgButButtonClick(); };
  OnShow = [this] { FormShow(); };
}

void TFrmProgress::ProgTmrSysTimer() {
  if (ProgBarDisProg.Max() == ProgBarDisProg.Position()) ProgTmrCloseAuto.SetEnabled(true);
}

void TFrmProgress::ProgTmrCloseAutoTimer() {
  if (Visible()) {
    SetModalResult(mrOk);
    Close();
  }
  ProgBarDisProg.SetMax(100);
  ProgBarDisProg.SetPosition(0);
  ProgTmrCloseAuto.SetEnabled(false);
}

void TFrmProgress::FormShow() {
  // A close still pending from an earlier full bar must not close the transfer shown now.
  ProgTmrCloseAuto.SetEnabled(false);
}

void TFrmProgress::ProgButButtonClick() {
  // Whatever happens below, a pending automatic close belongs to the transfer being left.
  ProgTmrCloseAuto.SetEnabled(false);
  if (TForm1* f = Form1) {
    // Read requests.
    f->UploadAll = f->UploadDevID = f->UploadSettings = f->UploadCalibration = false;
    f->UploadExtModSet = f->UploadDesc = f->UploadLogic = f->UploadStartConf = false;
    f->UploadComms = f->UploadCommsExtBlock0 = f->UploadCommsExtBlock1 = f->UploadBluetooth = false;
    // Read done flags; those of the two comms data block reads keep their value.
    f->DevIDUploaded = f->SettingsUploaded = f->CalibrationUploaded = f->ExtModSetUploaded = false;
    f->DescUploaded = f->LogicUploaded = f->StartConfUploaded = f->CommsUploaded = false;
    f->BluetoothUploaded = false;
    f->MassDownload = false;
    // Every write request and done flag.
    f->DownloadSetting = f->DownloadLogic = f->DownloadStartConf = f->DownloadRTC = false;
    f->DownloadCal = f->DownloadRelayID = f->DownloadDesc = f->DownloadComm = false;
    f->DownloadCommExtBlock0 = f->DownloadCommExtBlock1 = f->DownloadStat = false;
    f->DownloadExtMod = f->DownloadBluetooth = false;
    f->SettingDownloaded = f->LogicDownloaded = f->StartConfDownloaded = f->RTC_Downloaded = false;
    f->CalDownloaded = f->RelayIDDownloaded = f->DescDownloaded = f->CommDownloaded = false;
    f->CommDownloadedExtBlock0 = f->CommDownloadedExtBlock1 = f->StatDownloaded = false;
    f->ExtModDownloaded = f->BluetoothDownloaded = false;
    f->ClearFaultRec = f->ClearEventRec = false;
    // Leave the clock page's edit mode.
    f->ClockChangeFlag = false;
    f->iLedClockStatus.SetActiveColor(clLime);
    f->iLedClockStatus.SetCaption("On Line");
    f->bRTC_Setting.SetCaption("Set the real time clock");
    // Leave the statistics edit mode.
    f->StatsChangeFlag = false;
    f->iLedStatsStatus.SetActiveColor(clLime);
    f->iLedStatsStatus.SetCaption("On Line");
    f->bTxStatistics.SetCaption("Change relay settings");
  }
  // The cancelled transfer's requests leave the queue, or a relay refusing their answer would
  // be asked for them on every tick and the polls behind them would never run.
  if (Form2) Form2->DropTransferRequests();
  SetModalResult(mrOk);
  Close();
}

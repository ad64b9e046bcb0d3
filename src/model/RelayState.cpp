#include "model/RelayState.h"

namespace model {

void RelayState::CancelTransfers() {
  // Read requests.
  UploadAll = UploadDevID = UploadSettings = UploadCalibration = false;
  UploadExtModSet = UploadDesc = UploadLogic = UploadStartConf = false;
  UploadComms = UploadCommsExtBlock0 = UploadCommsExtBlock1 = UploadBluetooth = false;
  // Read done flags; those of the two comms data block reads keep their value.
  DevIDUploaded = SettingsUploaded = CalibrationUploaded = ExtModSetUploaded = false;
  DescUploaded = LogicUploaded = StartConfUploaded = CommsUploaded = false;
  BluetoothUploaded = false;
  MassDownload = false;
  // Every write request and done flag.
  DownloadSetting = DownloadLogic = DownloadStartConf = DownloadRTC = false;
  DownloadCal = DownloadRelayID = DownloadDesc = DownloadComm = false;
  DownloadCommExtBlock0 = DownloadCommExtBlock1 = DownloadStat = false;
  DownloadExtMod = DownloadBluetooth = false;
  SettingDownloaded = LogicDownloaded = StartConfDownloaded = RTC_Downloaded = false;
  CalDownloaded = RelayIDDownloaded = DescDownloaded = CommDownloaded = false;
  CommDownloadedExtBlock0 = CommDownloadedExtBlock1 = StatDownloaded = false;
  ExtModDownloaded = BluetoothDownloaded = false;
  ClearFaultRec = ClearEventRec = false;
  ClockChangeFlag = false;
  StatsChangeFlag = false;
}

}  // namespace model

#pragma once
// The relay's state as plain data: what each transfer is doing (its request and done flags), the
// chain counters, the live bytes of the actual values and actual status records, the relay clock,
// the spectrum samples and the fault records. The link fills it and says which record changed;
// the main window is built on it and reaches every field by its own name.
#include <array>
#include <cstdint>
#include <optional>

#include "model/Records.h"

namespace model {

// The relay clock as its last clock record gave it.
struct ClockReading {
  int Year = 0;  // in the century
  int Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};

struct RelayState {
  // ---- Transfer flags: a request flag and a done flag per record and direction ----
  // Reads (relay to PC).
  bool UploadDevID = false, DevIDUploaded = false;
  bool UploadSettings = false, SettingsUploaded = false;
  bool UploadCalibration = false, CalibrationUploaded = false;
  bool UploadExtModSet = false, ExtModSetUploaded = false;
  bool UploadDesc = false, DescUploaded = false;
  bool UploadBluetooth = false, BluetoothUploaded = false;
  bool UploadLogic = false, LogicUploaded = false;
  bool UploadStartConf = false, StartConfUploaded = false;
  bool UploadComms = false, CommsUploaded = false;
  bool UploadCommsExtBlock0 = false, CommsExtBlock0Uploaded = false;
  bool UploadCommsExtBlock1 = false, CommsExtBlock1Uploaded = false;
  // Writes (PC to relay).
  bool DownloadRelayID = false, RelayIDDownloaded = false;
  bool DownloadSetting = false, SettingDownloaded = false;
  bool DownloadCal = false, CalDownloaded = false;
  bool DownloadExtMod = false, ExtModDownloaded = false;
  bool DownloadDesc = false, DescDownloaded = false;
  bool DownloadBluetooth = false, BluetoothDownloaded = false;
  bool DownloadLogic = false, LogicDownloaded = false;
  bool DownloadStartConf = false, StartConfDownloaded = false;
  bool DownloadComm = false, CommDownloaded = false;
  bool DownloadCommExtBlock0 = false, CommDownloadedExtBlock0 = false;
  bool DownloadCommExtBlock1 = false, CommDownloadedExtBlock1 = false;
  bool DownloadRTC = false, RTC_Downloaded = false;
  bool DownloadStat = false, StatDownloaded = false;
  // Whole transfers and one-shot commands.
  bool UploadAll = false;     // the full read runs as one chain
  bool MassDownload = false;  // the writes chosen for the mass download run as one chain
  bool ClearFaultRec = false;
  bool ClearEventRec = false;
  // Edit modes of the clock and statistics pages (their polls are suspended).
  bool ClockChangeFlag = false;
  bool StatsChangeFlag = false;

  // What a cancelled transfer leaves: every request and done flag clear, but for the done flags
  // of the two comms data block reads, and neither page in its edit mode.
  void CancelTransfers();

  // ---- Live bytes, written by the record parsers ----
  uint16_t ActRelayModalNum = 0;
  double ActTrueCurrent = 0;
  uint16_t ActI_Load = 0;
  uint8_t ActMLC = 0;
  uint8_t ActThermalCurve = 0;
  double ActCT_Ratio = 0;  // from the Settings page's CT editors
  int32_t ActMaxVolt = 0;
  uint8_t ActPowerFactor = 0;
  double ActIsolation = 0;
  uint8_t ActAlarmF_A = 0, ActAlarmF_B = 0, ActAlarmF_C = 0;
  uint8_t ActTripF_A = 0, ActTripF_B = 0, ActTripF_C = 0, ActTripF_D = 0;
  uint8_t ActFuncStatF_A = 0, ActFuncStatF_B = 0, ActFuncStatF_C = 0, ActFuncStatF_D = 0,
          ActFuncStatF_E = 0, ActFuncStatF_F = 0, ActFuncStatF_G = 0, ActFuncStatF_H = 0,
          ActFuncStatF_I = 0, ActFuncStatF_J = 0;
  uint8_t ActCounterACount = 0, ActCounterBCount = 0;
  uint8_t ActLocSelector = 0;
  uint8_t ActControl_A = 0, ActControl_B = 0, ActControl_C = 0, ActControl_D = 0;
  uint8_t ActLF1_Table = 0, ActLF2_Table = 0, ActLF3_Table = 0, ActLF4_Table = 0, ActLF5_Table = 0,
          ActLF6_Table = 0;

  // ---- Relay clock ----
  ClockReading Clock;

  // ---- Spectrum: raw samples of one phase current from the last spectrum record ----
  std::array<int32_t, 20> Current{};

  // ---- Fault records ----
  // Where the fault chain stands: 56 less the number of the record last read, kept in 0..55 (55
  // once record 1 has been read).
  int FaultReadPosition = 0;
  // The number of the record read last in this pass of the chain; 0 when a pass begins.
  int FaultLastNumber = 0;
  static constexpr int kFaultReadEnd = 55;
  // The records read since the read began, by number; an empty slot has not been read.
  std::array<std::optional<FaultRecord>, kFaultRecords> Faults{};

  // ---- Event records: download to the export file and quick view ----
  uint16_t EventCntr = 0;  // the relay's events are asked for as 1400 less this
  bool QuickEventViewFlag = false;
  bool EventMassUploadAct = false;
};

}  // namespace model

#pragma once
// The main window. For now it holds what the relay link reads and writes: the transfer flags,
// the relay state fields, the chain counters and the controls the link's parsers fill. The shell
// (menus, tool bar, the pages' contents, the transfer sequencer) grows around these fields.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/ui/Controls.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Instruments.h"

class TForm1 : public TForm {
 public:
  TForm1();

  // ==== Settings files and printout: save, open and print commands ====
  void InitSettingsFiles();
  // Saves the settings report of the editors' values as a settings file.
  void ExportNCSettings1Click();
  TSaveDialog SaveDialogSettings;
  // Prints the settings report on the printer chosen in the print dialog or the printer setup.
  void miPrintCalSetClick();
  void miPrintSetUpClick();
  TPrintDialog PrintDialog;
  TPrinterSetupDialog PrinterSetupDialog;
  // Signal-name lookups: the 16-character name of a code (one byte), and the code of a name or -1.
  static std::string GetTable01Str(int code);
  static std::string GetTable02Str(int code);
  static std::string GetTable03Str(int code);
  static int GetTable01Num(const std::string& name);
  static int GetTable02Num(const std::string& name);
  static int GetTable03Num(const std::string& name);


  // ---- Pages, in tab order ----
  TPageControl PageControl1;
  TTabSheet tsActual;
  TTabSheet tsSettings;
  TTabSheet tsLogic;
  TTabSheet tsStarters;
  TTabSheet tsRealTimeClock;
  TTabSheet tsCalibration;
  TTabSheet tsFaults;
  TTabSheet tsStatistics;
  TTabSheet tsRecorder;
  TTabSheet tsTest;
  TTabSheet tsEvents;
  TTabSheet tsCalculator;
  TTabSheet tsSpectrum;
  TTabSheet tsExtIO;
  TTabSheet tsInformation;
  TTabSheet tabsExtendedCommsSet;

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

  // ---- Access state ----
  bool SiteModeActive = false;
  bool FrontendLocked = false;

  // ---- Relay state, written by the record parsers ----
  uint16_t ActRelayModalNum = 0;
  double ActTrueCurrent = 0;
  uint16_t ActI_Load = 0;
  uint8_t ActMLC = 0;
  uint8_t ActThermalCurve = 0;
  double ActCT_Ratio = 0;
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
  uint8_t ActLF1_Table = 0, ActLF2_Table = 0, ActLF3_Table = 0, ActLF4_Table = 0,
          ActLF5_Table = 0, ActLF6_Table = 0;
  // Raw samples of one phase current from the last spectrum record.
  std::array<int32_t, 20> Current{};

  // ---- Relay identity shown on the Actual page ----
  TEdit mbSW_Rev;       // "Rev " and the relay's two revision characters
  TLabel LabelProdID;   // hidden; the relay's product number, "4" until a record says otherwise

  // ---- Relay clock (Actual page display, Real Time Clock page editors) ----
  TEdit mbDate;
  TEdit mbTime;
  TSpinEdit seYear;
  TSpinEdit seMonth;
  TSpinEdit seDate;
  TSpinEdit seHour;
  TSpinEdit seMinute;
  TCheckBox cbRTC_UpdatePC;
  TButton bRTC_Setting;
  TiLedRectangle iLedClockStatus;

  // ---- Statistics edit mode ----
  TButton bTxStatistics;
  TiLedRectangle iLedStatsStatus;

  // ---- Fault records ----
  TStringGrid sgFaultHist;
  TProgressBar pbFaultUpdate;

  // ---- Event records: download to the export file and quick view ----
  uint16_t EventCntr = 0;
  bool QuickEventViewFlag = false;
  bool EventMassUploadAct = false;
  TStringGrid sgQuickEventViewer;
  TProgressBar pbEventDownload;
  TProgressBar pbQuickEventView;
  TMemo mb_Events_Progress;
  TiLedRectangle iLedEventMessage;
  TLabel labEventMess;
  // The shared text file F as the event export uses it: one line appended per event record, and
  // closed at the end of a download. Either may throw on an I/O error.
  std::function<void(const std::string& line)> EventFileWriteLn;
  std::function<void()> EventFileClose;

  // ---- Test page: simulated inputs ----
  bool SimFlag = false;
  uint8_t SimFieldInputs = 0;
  uint8_t SimExtFldInputs = 0;
  TiSlider isSimIred;
  TiSlider isSimIwhite;
  TiSlider isSimIblue;
  TiSlider isSimVred;
  TiSlider isSimVwhite;
  TiSlider isSimVblue;
  TiSlider isSimFrequency;
  TiSlider isSimPowerFactor;
  TiSlider isSimEL;
  TSpinEdit seSimRTD1;
  TSpinEdit seSimRTD2;
  TSpinEdit seSimRTD3;
  TSpinEdit seSimRTD4;

  // ==== Shell: menus, tool bar, status bar, timers, connection, sequencer, transfer commands ====
  void InitShell();


  // ==== Live displays: the controls the live values and live status records write ====
  void InitLiveDisplays();


  // ==== Settings page: editors, exit checks, access levels, page refresh ====
  void InitSettingsPage();


};

extern TForm1* Form1;

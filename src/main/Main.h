#pragma once
// The main window. For now it holds what the relay link reads and writes: the transfer flags,
// the relay state fields, the chain counters and the controls the link's parsers fill. The shell
// (menus, tool bar, the pages' contents, the transfer sequencer) grows around these fields.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Instruments.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Scheduler.h"

class TForm1 : public TForm {
 public:
  TForm1();

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

  // ---- Main menu ----
  TMainMenu MainMenu{this, "MainMenu"};
  TMenuItem File1{&MainMenu, "File1", "&File"};
  TMenuItem ImportMMIFile1{&File1, "ImportMMIFile1", "Open disc file to read settings", "F1"};
  TMenuItem ExportNCSettings1{&File1, "ExportNCSettings1", "Save settings in disc file", "F2"};
  TMenuItem VerifySettings{&File1, "VerifySettings", "Verify relay setting with file setting"};
  TMenuItem N1{&File1, "N1", "-"};
  TMenuItem UserpasswordSetup{&File1, "UserpasswordSetup", "User password setup"};
  TMenuItem Frm1MMenUnlockFrontend{&File1, "Frm1MMenUnlockFrontend", "Unlock Frontend"};
  TMenuItem MMenSiteModePsw{&File1, "MMenSiteModePsw", "Site Mode"};
  TMenuItem N2{&File1, "N2", "-"};
  TMenuItem miPrinterSetup{&File1, "miPrinterSetup", "Printer setup", "Ctrl+P"};
  TMenuItem miPrintCalSet{&File1, "miPrintCalSet", "Print calibration and settings"};
  TMenuItem N3{&File1, "N3", "-"};
  TMenuItem Exit1{&File1, "Exit1", "E&xit", "F12"};
  TMenuItem Options1{&MainMenu, "Options1", "&Options"};
  TMenuItem Communication1{&Options1, "Communication1", "Communica&tion", "F5"};
  TMenuItem Connect1{&MainMenu, "Connect1", "&Connect", "F6"};

  // ---- Tool bar: separators stand after the third and the sixth button ----
  TToolBar ToolBar1{this, "ToolBar1"};
  TToolButton SButOpenFile{&ToolBar1, "SButOpenFile"};
  TToolButton SButSaveToFile{&ToolBar1, "SButSaveToFile"};
  TToolButton SButPrintSet{&ToolBar1, "SButPrintSet"};
  TToolButton SButComSetup{&ToolBar1, "SButComSetup"};
  TToolButton SBOpenComPort{&ToolBar1, "SBOpenComPort"};
  TToolButton SButClosePort{&ToolBar1, "SButClosePort"};
  TToolButton SButReadSetFrmRelay{&ToolBar1, "SButReadSetFrmRelay"};
  TToolButton SButWriteSetToRelay{&ToolBar1, "SButWriteSetToRelay"};

  // ---- Status bar: connection text, activity bar, an empty panel ----
  TStatusBar StatusBar1{this, "StatusBar1"};
  int32_t ActivityWidth = 0;  // 0..100 in steps of 10
  TPrinterSetupDialog PrinterSetupDialog;

  // ---- Timers ----
  TTimer TmrSystem{100, true};  // the transfer sequencer
  TTimer Timer1{100, true};     // the activity bar

  // ---- Buttons the sequencer gates and the transfer commands, on the pages that hold them ----
  TButton bRelayResetAct{&tsActual, "bRelayResetAct", "Reset Trips"};
  TButton bTC_ResetAct{&tsActual, "bTC_ResetAct", "Zero"};
  TButton bTxLogicControl{&tsLogic, "bTxLogicControl", "Transmit settings to relay"};
  TButton bRxControlLogic{&tsLogic, "bRxControlLogic", "Read settings from relay"};
  TButton bTxStarterConfigToRL{&tsStarters, "bTxStarterConfigToRL", "Transmit settings to relay"};
  TButton bRxStarterConfigFromRL{&tsStarters, "bRxStarterConfigFromRL", "Read settings from relay"};
  TStringGrid sgStartup_TC_Req{&tsStarters, "sgStartup_TC_Req", 2, 10};
  TMonthCalendar mcCalendar{&tsRealTimeClock, "mcCalendar"};
  TButton bTxCalibration{&tsCalibration, "bTxCalibration", "Transmit calibration to relay"};
  TButton bRxCalibration{&tsCalibration, "bRxCalibration", "Read calibration from relay"};
  TButton bRelayID{&tsCalibration, "bRelayID", "Write data to relay"};
  TButton bRxRelayID{&tsCalibration, "bRxRelayID", "Read data from relay"};
  TButton bClrEventRecs{&tsCalibration, "bClrEventRecs", "Erase event records in relay"};
  TButton bCalbLock{&tsCalibration, "bCalbLock", "Unlock calibration facility"};
  TButton BtVarTable{&tsCalibration, "BtVarTable", "Variable Table"};
  TComboBox cbRelayModel{&tsCalibration, "cbRelayModel"};
  TComboBox cbFreqSelector{&tsCalibration, "cbFreqSelector"};
  TButton bFaultUpDate{&tsFaults, "bFaultUpDate", "Update faults from relay"};
  TButton bFaultHistClr{&tsFaults, "bFaultHistClr", "Clear fault history in relay"};
  TButton pbUserName{&tsStatistics, "pbUserName", "Transmit data to relay"};
  TButton btRxUserName{&tsStatistics, "btRxUserName", "Read data from relay"};
  TButton bCommSettings{&tsStatistics, "bCommSettings", "Transmit comms settings to relay "};
  TButton btRxCommsData{&tsStatistics, "btRxCommsData", "Read comms settings from relay "};
  TButton btTxBluetooth{&tsStatistics, "btTxBluetooth", "Transmit Bluetooth settings to relay"};
  TButton btRxBluetooth{&tsStatistics, "btRxBluetooth", "Read Bluetooth settings from relay"};
  TButton bSimTestStart{&tsTest, "bSimTestStart", "Start Simulation"};
  TButton bResetRelay{&tsTest, "bResetRelay", "Reset Relay Trip State "};
  TButton bThermalCapReset{&tsTest, "bThermalCapReset", "Reset Thermal Capacity"};
  TButton bEventRecDownLoad{&tsEvents, "bEventRecDownLoad", "Start uploading of records to disc file"};
  TButton bStopEventDownLoad{&tsEvents, "bStopEventDownLoad", "Stop uploading of records to disc file"};
  TButton bQuickEventUpload{&tsEvents, "bQuickEventUpload", "Upload last 200 or less events"};
  TComboBox cbI_Selector{&tsSpectrum, "cbI_Selector"};
  TStringGrid sgCurrentLevels{&tsSpectrum, "sgCurrentLevels", 2, 11};
  TButton Button5{&tsExtIO, "Button5", "Transmit settings to relay"};
  TButton Button6{&tsExtIO, "Button6", "Read settings from relay"};
  TButton Button1{&tabsExtendedCommsSet, "Button1", "Transmit comms settings to relay "};
  TButton Button2{&tabsExtendedCommsSet, "Button2", "Read comms settings from relay "};
  TComboBox cbExtCommsSelProt{&tabsExtendedCommsSet, "cbExtCommsSelProt"};
  TStringGrid strgridExtCommsConfigBits{&tabsExtendedCommsSet, "strgridExtCommsConfigBits", 3, 17};
  TStringGrid strgridExtCommsConfigWords{&tabsExtendedCommsSet, "strgridExtCommsConfigWords", 2, 20};

  // ---- Window ----
  void FormCreate();
  void FormShow();
  void FormClose();
  void Exit1Click();
  void Communication1Click();
  void miPrintSetUpClick();
  void BtVarTableClick();
  void PageControl1Change();
  void Timer1Timer();
  void StatusBar1DrawPanel(TCanvas& canvas, int panel, const TRect& rect);
  // Binds the transfer commands to their buttons, wherever on the window they were placed.
  void BindCommands();

  // ---- Connection ----
  // Connects, or disconnects while the port is open; the port's state alone decides.
  void Connect1Click();
  // Why the link is dropped; each reason tells the user in its own way.
  enum class LinkDrop { Command, Watchdog, ProductCheck, PortFailed, Closing };
  // The one way the port is closed: leaves the disconnected state behind whatever the reason
  // (menu and status texts, simulation off, transfer flags clear, progress dialog closed, queue
  // emptied with request 1 waiting) and then tells the user. A call while a drop is already in
  // progress does nothing; a port that fails while closing is reported, never thrown.
  void DropLink(LinkDrop why);
  bool DroppingLink = false;

  // ---- Transfer sequencer ----
  void TmrSystemTimer();
  // Clears every request and done flag of both directions, UploadAll, MassDownload and the two
  // clearing flags.
  void ClearTransferFlags();
  void EndClockEditMode();
  void EndStatsEditMode();
  // When the last step of the full read completed; the connect read's dialog offers its button
  // once no step has completed for this long while the relay keeps answering.
  int64_t FullReadStepAtMs = 0;
  static constexpr int64_t kConnectReadPatienceMs = 10000;
  // The controls of the gating table, found by name once they exist (some pages are built by
  // other areas of the window).
  std::vector<TControl*> GatedControls;

  // ---- Transfer commands ----
  // Commands that arm one transfer by the common pattern; each button handler names one.
  enum class TransferCommand {
    RxSettings, RxCalibration, RxRelayID, RxDesc, RxComms, RxBluetooth, RxExtMod, RxLogic,
    RxStartConf, TxSettings, TxCalibration, TxRelayID, TxDesc, TxComms, TxBluetooth, TxExtMod,
    TxLogic, TxStartConf, TxRTC, TxStatistics, ClearFaults, ClearEvents
  };
  // Fills the progress dialog, sets the step's flags and shows the dialog modally until the
  // transfer ends (the calibration commands only re-arm a dialog already shown).
  void ArmTransfer(TransferCommand cmd);
  void bReadSetFromRelayClick();
  void bRxCalibrationClick();
  void bRxRelayIDClick();
  void btRxUserNameClick();
  void btRxCommsDataClick();
  void btRxBluetoothClick();
  void Button6Click();
  void bRxControlLogicClick();
  void bRxStarterConfigFromRLClick();
  void SButReadSetFrmRelayClick();
  void bTxCalibrationClick();
  void bRelayIDClick();
  void pbUserNameClick();
  void bCommSettingsClick();
  void btTxBluetoothClick();
  void Button5Click();
  void bTxLogicControlClick();
  void bTxStarterConfigToRLClick();
  void TxRTC_Click();
  void bTxStatisticsClick();
  void ClrFaultHistClick();
  void bClrEventRecsClick();
  void SButWriteSetToRelayClick();
  void bRelayResetActClick();
  void bTC_ResetActClick();

  // ---- Bound here, built by other areas (empty until then) ----
  void ImportMMIFile1Click();          // reads a settings file into the editors
  void ExportNCSettings1Click();       // writes the settings file
  void miPrintCalSetClick();           // prints the settings report
  void VerifySettingsClick();          // checks the relay's settings against a legacy file
  void UserpasswordSetupClick();       // user password editor
  void Frm1MMenUnlockFrontendClick();  // user password dialog, unlocking the front end
  void MMenSiteModePswClick();         // user password dialog, entering site mode
  void CommsSelection();               // prepares the communication settings groups
  void StarterTypeDisplay();           // prepares the starter configuration display
  void SimParamTx();                   // sends the simulation values
  void UpdateExtCommsSettingInTxBuff();  // packs the communication module page for a write


  // ==== Live displays: the controls the live values and live status records write ====
  void InitLiveDisplays();


  // ==== Settings page: editors, exit checks, access levels, page refresh ====
  void InitSettingsPage();


};

extern TForm1* Form1;

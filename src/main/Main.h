#pragma once
// The main window TForm1: every control of its fifteen pages, its menus, tool bar and timers, and
// the handlers named after control and event. The relay's state (transfer flags, chain counters,
// live bytes, clock, spectrum samples, fault and event records) is not kept here: it lives in
// model::RelayState, which the window is built on, so that its fields keep their own names
// (UploadSettings, ActControl_A, Faults) while the link fills them without knowing the window.
//
// The declarations come in blocks, one per page or subsystem, each opened by a "// ====" line:
// files and printout, the pages, the shell (menus, tool bar, connection, sequencer, transfer
// commands), the live displays, the records pages, the page refresh, Control Logic, Test and
// Recorder, Settings, clock/statistics/calibration, Starter Configuration and External Modules,
// the communication module, the calculators. The editors' handlers are defined in src/editors, the
// displays' and records' in src/main. Member order is construction order: a control stands after
// the page or group box that holds it.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/RelayState.h"
#include "platform/rtl/TextFile.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Instruments.h"
#include "platform/ui/Scheduler.h"

class TForm1 : public TForm, public model::RelayState {
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
  // Reads a settings file into the setting editors; problems go to the file error log.
  void ImportMMIFile1Click();
  struct TOpenSettingsDialog : TOpenDialog {
    TOpenSettingsDialog();
  };
  TOpenSettingsDialog OpenDialogSettings;
  // Compares the editors with a settings file of the older 153-line form and tells the verdict.
  void VerifySettingsClick();

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

  // The transfer flags, chain counters, live bytes, clock, spectrum samples and fault records
  // are the relay model's (model/RelayState.h), reached here by their own names.

  // ---- Access state ----
  bool SiteModeActive = false;
  bool FrontendLocked = false;

  // ---- Relay identity shown on the Actual page ----
  TEdit mbSW_Rev;      // "Rev " and the relay's two revision characters
  TLabel LabelProdID;  // hidden; the relay's product number, "4" until a record says otherwise

  // ---- Relay clock (Actual page display, Real Time Clock page editors) ----
  TEdit mbDate;
  TEdit mbTime;
  // The relay's clock in its group: the date's spin edits under the date's label, the time's
  // under the time's.
  TGroupBox gbRTC_Relay{&tsRealTimeClock, "gbRTC_Relay", " Real Time Clock of Relay"};
  TLabel labRTC_Date{&gbRTC_Relay, "labRTC_Date", " 20yy    /    mm    /    dd"};
  TLabel labRTC_Time{&gbRTC_Relay, "labRTC_Time", " hh    :   mm"};
  TSpinEdit seYear;
  TSpinEdit seMonth;
  TSpinEdit seDate;
  TSpinEdit seHour;
  TSpinEdit seMinute;
  TCheckBox cbRTC_UpdatePC;
  TButton bRTC_Setting;
  TiLedRectangle iLedClockStatus;


  // ---- Fault records ----
  TStringGrid sgFaultHist;
  TProgressBar pbFaultUpdate;

  // ---- Event records: download to the export file and quick view ----
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
  TButton bTxCalibration{&tsCalibration, "bTxCalibration", "Transmit calibration to relay"};
  TButton bRxCalibration{&tsCalibration, "bRxCalibration", "Read calibration from relay"};
  TButton bRelayID{&tsCalibration, "bRelayID", "Write data to relay"};
  TButton bRxRelayID{&tsCalibration, "bRxRelayID", "Read data from relay"};
  TButton bClrEventRecs{&tsCalibration, "bClrEventRecs", "Erase event records in relay"};
  TButton BtVarTable{&tsCalibration, "BtVarTable", "Variable Table"};
  TButton bFaultUpDate{&tsFaults, "bFaultUpDate", "Update faults from relay"};
  TButton bFaultHistClr{&tsFaults, "bFaultHistClr", "Clear fault history in relay"};
  TGroupBox gbSimControl{&tsTest, "gbSimControl", " Simulation Control"};
  TButton bSimTestStart{&gbSimControl, "bSimTestStart", "Start Simulation"};
  TButton bResetRelay{&tsTest, "bResetRelay", "Reset Relay Trip State "};
  TButton bThermalCapReset{&tsTest, "bThermalCapReset", "Reset Thermal Capacity"};
  TButton bEventRecDownLoad{&tsEvents, "bEventRecDownLoad",
                            "Start uploading of records to disc file"};
  TButton bStopEventDownLoad{&tsEvents, "bStopEventDownLoad",
                             "Stop uploading of records to disc file"};
  TButton bQuickEventUpload{&tsEvents, "bQuickEventUpload", "Upload last 200 or less events"};
  TComboBox cbI_Selector{&tsSpectrum, "cbI_Selector"};
  TStringGrid sgCurrentLevels{&tsSpectrum, "sgCurrentLevels", 2, 11};
  TButton Button5{&tsExtIO, "Button5", "Transmit settings to relay"};
  TButton Button6{&tsExtIO, "Button6", "Read settings from relay"};

  // ---- Window ----
  void FormCreate();
  void FormShow();
  void FormClose();
  void Exit1Click();
  void Communication1Click();
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
  bool TmrSystemIdle();  // the closed-port tick would change nothing
  // Clears every request and done flag of both directions, UploadAll, MassDownload and the two
  // clearing flags.
  void ClearTransferFlags();
  void EndClockEditMode();
  void EndStatsEditMode();
  // When the last step of the full read completed; the connect read's dialog offers its button
  // once no step has completed for this long while the relay keeps answering.
  int64_t FullReadStepAtMs = 0;
  static constexpr int64_t kConnectReadPatienceMs = 10000;

  // ---- Transfer commands ----
  // Commands that arm one transfer by the common pattern; each button handler names one.
  enum class TransferCommand {
    RxSettings,
    RxCalibration,
    RxRelayID,
    RxDesc,
    RxComms,
    RxBluetooth,
    RxExtMod,
    RxLogic,
    RxStartConf,
    TxSettings,
    TxCalibration,
    TxRelayID,
    TxDesc,
    TxComms,
    TxBluetooth,
    TxExtMod,
    TxLogic,
    TxStartConf,
    TxRTC,
    TxStatistics,
    ClearFaults,
    ClearEvents
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

  // ---- Access level menu commands ----
  void UserpasswordSetupClick();       // user password editor
  void Frm1MMenUnlockFrontendClick();  // user password dialog, unlocking the front end
  void MMenSiteModePswClick();         // user password dialog, entering site mode

  // ==== Live displays: the controls the live values and live status records write ====
  void InitLiveDisplays();

  // Bit tests of the status record: every bit of Mask set in the byte.
  bool LED_Cntrl(uint8_t DataByte, uint8_t Mask);
  std::string BinConv(uint8_t Val, uint8_t Mask);

  // -- Actual page: thermal state --
  TGroupBox gbActThermal{&tsActual, "gbActThermal", " Thermal Capacity "};
  TiAngularGauge iagThermalCap{&gbActThermal, "iagThermalCap"};
  TLabel labActThermalCap{&gbActThermal, "labActThermalCap", "Thermal Capacity Used (%)"};
  TEdit mbThermalCap{&gbActThermal, "mbThermalCap"};
  TLabel labThermalCurve{&gbActThermal, "labThermalCurve", "Thermal Curve"};
  TEdit mbThermalCurve{&gbActThermal, "mbThermalCurve"};
  TLabel labTimeToTrip{&gbActThermal, "labTimeToTrip", "Time to Trip (sec)"};
  TEdit mbTimeToTrip{&gbActThermal, "mbTimeToTrip"};

  // -- Actual page: currents --
  TGroupBox gbActCurrents{&tsActual, "gbActCurrents", " Currents "};
  TiAngularGauge iAgI_Load{&gbActCurrents, "iAgI_Load"};
  TLabel labImaxLevel{&gbActCurrents, "labImaxLevel", "I max (% FLC)"};
  TEdit mbImaxLevel{&gbActCurrents, "mbImaxLevel"};
  TLabel labIR_Level{&gbActCurrents, "labIR_Level", "I red (%)"};
  TEdit mbIR_Level{&gbActCurrents, "mbIR_Level"};
  TLabel labIW_Level{&gbActCurrents, "labIW_Level", "I white (%)"};
  TEdit mbIW_Level{&gbActCurrents, "mbIW_Level"};
  TLabel labIB_Level{&gbActCurrents, "labIB_Level", "I blue (%)"};
  TEdit mbIB_Level{&gbActCurrents, "mbIB_Level"};
  TLabel labUnbalance{&gbActCurrents, "labUnbalance", "Unbalance (%)"};
  TEdit mbUnbalance{&gbActCurrents, "mbUnbalance"};
  TLabel labTrueCurrent{&gbActCurrents, "labTrueCurrent", "True Current (A)"};
  TiAnalogDisplay iadTrueCurrent{&gbActCurrents, "iadTrueCurrent"};
  TLabel labEarthLeakage{&gbActCurrents, "labEarthLeakage", "Earth Leakage (mA)"};
  TEdit mbEarthLeakage{&gbActCurrents, "mbEarthLeakage"};

  // -- Actual page: voltages --
  TGroupBox gbActVoltages{&tsActual, "gbActVoltages", " Voltages "};
  TiAngularGauge iAgPhaseVolt{&gbActVoltages, "iAgPhaseVolt"};
  TLabel labVSelect{&gbActVoltages, "labVSelect", "Voltage Selection"};
  TEdit mbVSelect{&gbActVoltages, "mbVSelect"};
  TLabel labVmaxLevel{&gbActVoltages, "labVmaxLevel", "V max (V)"};
  TEdit mbVmaxLevel{&gbActVoltages, "mbVmaxLevel"};
  TLabel labLineVoltMax{&gbActVoltages, "labLineVoltMax", "Line Voltage (V)"};
  TEdit mbLineVoltMax{&gbActVoltages, "mbLineVoltMax"};
  TLabel labVR_Level{&gbActVoltages, "labVR_Level", "V red (V)"};
  TEdit mbVR_Level{&gbActVoltages, "mbVR_Level"};
  TLabel labVW_Level{&gbActVoltages, "labVW_Level", "V white (V)"};
  TEdit mbVW_Level{&gbActVoltages, "mbVW_Level"};
  TLabel labVB_Level{&gbActVoltages, "labVB_Level", "V blue (V)"};
  TEdit mbVB_Level{&gbActVoltages, "mbVB_Level"};
  TLabel labVSym{&gbActVoltages, "labVSym", "Voltage Symmetry (%)"};
  TEdit mbVSym{&gbActVoltages, "mbVSym"};
  TLabel labFrequency{&gbActVoltages, "labFrequency", "Frequency (Hz)"};
  TEdit mbFrequency{&gbActVoltages, "mbFrequency"};

  // -- Actual page: power, motor, temperatures --
  TGroupBox gbActPower{&tsActual, "gbActPower", " Power "};
  TLabel labPowerFactor{&gbActPower, "labPowerFactor", "Power Factor (%)"};
  TEdit mbPowerFactor{&gbActPower, "mbPowerFactor"};
  TLabel labApPower{&gbActPower, "labApPower", "Apparent Power (kVA)"};
  TEdit mbApPower{&gbActPower, "mbApPower"};
  TLabel labRealPower{&gbActPower, "labRealPower", "Real Power (kW)"};
  TEdit mbRealPower{&gbActPower, "mbRealPower"};
  TGroupBox gbActMotor{&tsActual, "gbActMotor", " Motor "};
  TLabel Label188{&gbActMotor, "Label188", "Insulation Resistance"};
  TEdit mbIsolationResistance{&gbActMotor, "mbIsolationResistance"};
  TLabel Label170{&gbActMotor, "Label170", " kOhm"};
  TLabel labMotorRunHrCntr{&gbActMotor, "labMotorRunHrCntr", "Running Hours"};
  TEdit mbMotorRunHrCntr{&gbActMotor, "mbMotorRunHrCntr"};
  TLabel labRelModel{&gbActMotor, "labRelModel", "Relay Model"};
  TEdit mbRelModel{&gbActMotor, "mbRelModel"};
  TGroupBox gbActRTD{&tsActual, "gbActRTD", " Temperatures (C) "};
  TLabel labRTD1_Lev{&gbActRTD, "labRTD1_Lev", "T1"};
  TEdit mbRTD1_Lev{&gbActRTD, "mbRTD1_Lev"};
  TLabel labRTD2_Lev{&gbActRTD, "labRTD2_Lev", "T2"};
  TEdit mbRTD2_Lev{&gbActRTD, "mbRTD2_Lev"};
  TLabel labRTD3_Lev{&gbActRTD, "labRTD3_Lev", "T3"};
  TEdit mbRTD3_Lev{&gbActRTD, "mbRTD3_Lev"};
  TLabel labRTD4_Lev{&gbActRTD, "labRTD4_Lev", "T4"};
  TEdit mbRTD4_Lev{&gbActRTD, "mbRTD4_Lev"};

  // -- Actual page: phase current trends (channels "Red", "White", "Blue") --
  TiPlot iPlot2{&tsActual, "iPlot2"};

  // -- Actual page: status, alarm and trip lamps --
  TGroupBox gbActStatus{&tsActual, "gbActStatus", " Status "};
  TiLedRectangle ledInService{&gbActStatus, "ledInService", "In Service"};
  TiLedRectangle ledVoltPresent{&gbActStatus, "ledVoltPresent", "Voltage Present"};
  TGroupBox gbActAlarms{&tsActual, "gbActAlarms", " Alarms "};
  TiLedRectangle ledEL_af{&gbActAlarms, "ledEL_af", "Earth Leakage"};
  TiLedRectangle ledOC_af{&gbActAlarms, "ledOC_af", "Overcurrent"};
  TiLedRectangle ledRunStal_af{&gbActAlarms, "ledRunStal_af", "Run Stall"};
  TiLedRectangle ledUnbal_af{&gbActAlarms, "ledUnbal_af", "Current Unbalance"};
  TiLedRectangle ledSinglePhase_af{&gbActAlarms, "ledSinglePhase_af", "Single Phasing"};
  TiLedRectangle ledML_af{&gbActAlarms, "ledML_af", "Minimum Load"};
  TiLedRectangle ledSCirc_af{&gbActAlarms, "ledSCirc_af", "Short Circuit"};
  TiLedRectangle ledOV_af{&gbActAlarms, "ledOV_af", "Overvoltage"};
  TiLedRectangle ledUV_af{&gbActAlarms, "ledUV_af", "Undervoltage"};
  TiLedRectangle ledVSim_af{&gbActAlarms, "ledVSim_af", "Voltage Symmetry"};
  TiLedRectangle ledIsoLockOut_af{&gbActAlarms, "ledIsoLockOut_af", "Insulation Lockout"};
  TiLedRectangle iLedLoFreq_af{&gbActAlarms, "iLedLoFreq_af", "Low Frequency"};
  TiLedRectangle iLedHiFreq_af{&gbActAlarms, "iLedHiFreq_af", "High Frequency"};
  TiLedRectangle iLedEF_af{&gbActAlarms, "iLedEF_af", "Earth Fault"};
  TiLedRectangle ledVectorStall_af{&gbActAlarms, "ledVectorStall_af", "Vectorial Stall"};
  TiLedRectangle iLedFrozContact_af{&gbActAlarms, "iLedFrozContact_af", "Frozen Contactor"};
  TiLedRectangle iLedRTD1_af{&gbActAlarms, "iLedRTD1_af", "T1 Temperature"};
  TiLedRectangle iLedRTD2_af{&gbActAlarms, "iLedRTD2_af", "T2 Temperature"};
  TiLedRectangle iLedRTD3_af{&gbActAlarms, "iLedRTD3_af", "T3 Temperature"};
  TiLedRectangle iLedRTD4_af{&gbActAlarms, "iLedRTD4_af", "T4 Temperature"};
  TGroupBox gbActTrips{&tsActual, "gbActTrips", " Trips "};
  TiLedRectangle ledOC_tf{&gbActTrips, "ledOC_tf", "Overcurrent"};
  TiLedRectangle ledRunStal_tf{&gbActTrips, "ledRunStal_tf", "Run Stall"};
  TiLedRectangle ledUnbal_tf{&gbActTrips, "ledUnbal_tf", "Current Unbalance"};
  TiLedRectangle ledSinglePhase_tf{&gbActTrips, "ledSinglePhase_tf", "Single Phasing"};
  TiLedRectangle ledML_tf{&gbActTrips, "ledML_tf", "Minimum Load"};
  TiLedRectangle ledSCirc_tf{&gbActTrips, "ledSCirc_tf", "Short Circuit"};
  TiLedRectangle ledPhaseRot_tf{&gbActTrips, "ledPhaseRot_tf", "Phase Rotation"};
  TiLedRectangle ledEL_tf{&gbActTrips, "ledEL_tf", "Earth Leakage"};
  TiLedRectangle ledOV_tf{&gbActTrips, "ledOV_tf", "Overvoltage"};
  TiLedRectangle ledUV_tf{&gbActTrips, "ledUV_tf", "Undervoltage"};
  TiLedRectangle ledVSim_tf{&gbActTrips, "ledVSim_tf", "Voltage Symmetry"};
  TiLedRectangle ledIsoLockOut_tf{&gbActTrips, "ledIsoLockOut_tf", "Insulation Lockout"};
  TiLedRectangle iLedLoFreq_tf{&gbActTrips, "iLedLoFreq_tf", "Low Frequency"};
  TiLedRectangle iLedHiFreq_tf{&gbActTrips, "iLedHiFreq_tf", "High Frequency"};
  TiLedRectangle iLedEF_tf{&gbActTrips, "iLedEF_tf", "Earth Fault"};
  TiLedRectangle iLedLimStartsPerHr_tf{&gbActTrips, "iLedLimStartsPerHr_tf", "Starts per Hour"};
  TiLedRectangle ledSystemFail_tf{&gbActTrips, "ledSystemFail_tf", "System Failure"};
  TiLedRectangle ledVectorialStall_tf{&gbActTrips, "ledVectorialStall_tf", "Vectorial Stall"};
  TiLedRectangle iLedFrozContact_tf{&gbActTrips, "iLedFrozContact_tf", "Frozen Contactor"};
  TiLedRectangle iLedExec_tf{&gbActTrips, "iLedExec_tf", "Execution Fault"};
  TiLedRectangle iLedFeedBack_tf{&gbActTrips, "iLedFeedBack_tf", "Feedback Fault"};
  TiLedRectangle iLedUnAuthCrnt_tf{&gbActTrips, "iLedUnAuthCrnt_tf", "Unauthorised Current"};
  TiLedRectangle iLedE_Stop_tf{&gbActTrips, "iLedE_Stop_tf", "Emergency Stop"};
  TiLedRectangle iLedRTD1_tf{&gbActTrips, "iLedRTD1_tf", "T1 Temperature"};
  TiLedRectangle iLedRTD2_tf{&gbActTrips, "iLedRTD2_tf", "T2 Temperature"};
  TiLedRectangle iLedRTD3_tf{&gbActTrips, "iLedRTD3_tf", "T3 Temperature"};
  TiLedRectangle iLedRTD4_tf{&gbActTrips, "iLedRTD4_tf", "T4 Temperature"};
  TGroupBox gbActRelays{&tsActual, "gbActRelays", " Relay Coils "};
  TiLedRectangle iLedRel_1{&gbActRelays, "iLedRel_1", "Relay 1"};
  TiLedRectangle iLedRel_2{&gbActRelays, "iLedRel_2", "Relay 2"};
  TiLedRectangle iLedRel_3{&gbActRelays, "iLedRel_3", "Relay 3"};
  TiLedRectangle iLedRel_4{&gbActRelays, "iLedRel_4", "Relay 4"};
  TPanel pExpRelays{&gbActRelays, "pExpRelays"};  // relay coils of the expansion module
  TiLedRectangle iLedExtRL_5{&pExpRelays, "iLedExtRL_5", "Relay 5"};
  TiLedRectangle iLedExtRL_6{&pExpRelays, "iLedExtRL_6", "Relay 6"};
  TiLedRectangle iLedExtRL_7{&pExpRelays, "iLedExtRL_7", "Relay 7"};
  TiLedRectangle iLedExtRL_8{&pExpRelays, "iLedExtRL_8", "Relay 8"};
  TGroupBox gbActInputs{&tsActual, "gbActInputs", " Digital Field Inputs "};
  TiLedRectangle iLedDF_Inp1{&gbActInputs, "iLedDF_Inp1", "Input 1"};
  TiLedRectangle iLedDF_Inp2{&gbActInputs, "iLedDF_Inp2", "Input 2"};
  TiLedRectangle iLedDF_Inp3{&gbActInputs, "iLedDF_Inp3", "Input 3"};
  TiLedRectangle iLedDF_Inp4{&gbActInputs, "iLedDF_Inp4", "Input 4"};
  TiLedRectangle iLedDF_Inp5{&gbActInputs, "iLedDF_Inp5", "Input 5"};
  TiLedRectangle iLedDF_Inp6{&gbActInputs, "iLedDF_Inp6", "Input 6"};
  TiLedRectangle iLedDF_Inp7{&gbActInputs, "iLedDF_Inp7", "Input 7"};
  TPanel pExpF_Inputs{&gbActInputs, "pExpF_Inputs"};  // field inputs of the expansion module
  TiLedRectangle iLedDF_Inp8{&pExpF_Inputs, "iLedDF_Inp8", "Input 8"};
  TiLedRectangle iLedDF_Inp9{&pExpF_Inputs, "iLedDF_Inp9", "Input 9"};
  TiLedRectangle iLedDF_Inp10{&pExpF_Inputs, "iLedDF_Inp10", "Input 10"};
  TiLedRectangle iLedDF_Inp11{&pExpF_Inputs, "iLedDF_Inp11", "Input 11"};
  TiLedRectangle iLedDF_Inp12{&pExpF_Inputs, "iLedDF_Inp12", "Input 12"};
  TiLedRectangle iLedDF_Inp13{&pExpF_Inputs, "iLedDF_Inp13", "Input 13"};
  TiLedRectangle iLedDF_Inp14{&pExpF_Inputs, "iLedDF_Inp14", "Input 14"};
  TiLedRectangle iLedDF_Inp15{&pExpF_Inputs, "iLedDF_Inp15", "Input 15"};
  TGroupBox gbActPLC{&tsActual, "gbActPLC", " PLC Inputs "};
  TStringGrid sgPLC_lsb{&gbActPLC, "sgPLC_lsb", 2,
                        8};  // column 0 the input number, column 1 its bit
  TStringGrid sgPLC_msb{&gbActPLC, "sgPLC_msb", 2, 8};

  // -- Calibration page: live values beside the correction factors (read-only) --
  TGroupBox gbCalLive{&tsCalibration, "gbCalLive", " Actual Values "};
  TLabel labActVr{&gbCalLive, "labActVr", "V red (V)"};
  TEdit ebActVr{&gbCalLive, "ebActVr"};
  TLabel labActVw{&gbCalLive, "labActVw", "V white (V)"};
  TEdit ebActVw{&gbCalLive, "ebActVw"};
  TLabel labActVb{&gbCalLive, "labActVb", "V blue (V)"};
  TEdit ebActVb{&gbCalLive, "ebActVb"};
  TLabel labCalIR_Level{&gbCalLive, "labCalIR_Level", "I red (%)"};
  TEdit ebIR_Level{&gbCalLive, "ebIR_Level"};
  TLabel labCalIW_Level{&gbCalLive, "labCalIW_Level", "I white (%)"};
  TEdit ebIW_Level{&gbCalLive, "ebIW_Level"};
  TLabel labCalIB_Level{&gbCalLive, "labCalIB_Level", "I blue (%)"};
  TEdit ebIB_Level{&gbCalLive, "ebIB_Level"};
  TLabel labActEL{&gbCalLive, "labActEL", "Earth Leakage (mA)"};
  TEdit ebActEL{&gbCalLive, "ebActEL"};

  // -- Control Logic page: its groups in the order the page shows them, column after column --
  TGroupBox gbLogOutputs{&tsLogic, "gbLogOutputs", " Logic Function Outputs "};
  TiLedRectangle iLedLF1_Output{&gbLogOutputs, "iLedLF1_Output", "LF 1"};
  TiLedRectangle iLedLF2_Output{&gbLogOutputs, "iLedLF2_Output", "LF 2"};
  TiLedRectangle iLedLF3_Output{&gbLogOutputs, "iLedLF3_Output", "LF 3"};
  TiLedRectangle iLedLF4_Output{&gbLogOutputs, "iLedLF4_Output", "LF 4"};
  TiLedRectangle iLedLF5_Output{&gbLogOutputs, "iLedLF5_Output", "LF 5"};
  TiLedRectangle iLedLF6_Output{&gbLogOutputs, "iLedLF6_Output", "LF 6"};
  TGroupBox gbLogCounters{&tsLogic, "gbLogCounters", " Counters "};
  TLabel labActCntA{&gbLogCounters, "labActCntA", "Counter A"};
  TEdit mbActCntA{&gbLogCounters, "mbActCntA"};
  TiLedRectangle iLedCntrA_Output{&gbLogCounters, "iLedCntrA_Output", "Counter A Output"};
  TLabel labActCntB{&gbLogCounters, "labActCntB", "Counter B"};
  TEdit mbActCntB{&gbLogCounters, "mbActCntB"};
  TiLedRectangle iLedCntrB_Output{&gbLogCounters, "iLedCntrB_Output", "Counter B Output"};
  TGroupBox gbLogOther{&tsLogic, "gbLogOther", " Other Outputs "};
  TiLedRectangle iLedFlasher{&gbLogOther, "iLedFlasher", "Flasher"};
  TiLedRectangle iLedLatch{&gbLogOther, "iLedLatch", "Latch"};
  TiLedRectangle iLedStatusReporter{&gbLogOther, "iLedStatusReporter", "Status Reporter"};
  TiLedRectangle iLedPulseGen{&gbLogOther, "iLedPulseGen", "Pulse Generator"};
  TiLedRectangle iLedTC_WarnLevel{&gbLogOther, "iLedTC_WarnLevel", "Thermal Capacity Warning"};
  TiLedRectangle iLedE_StopTrip{&gbLogOther, "iLedE_StopTrip", "Emergency Stop Trip"};
  TGroupBox gbExtReset{&tsLogic, "gbExtReset", " External Trip Reset"};
  TLabel labExtReset{&gbExtReset, "labExtReset", "--> Relay"};
  TComboBox cbExtReset{&gbExtReset, "cbExtReset"};
  TGroupBox gbE_Stop{&tsLogic, "gbE_Stop", " E Stop"};
  TLabel labE_Stop_Input{&gbE_Stop, "labE_Stop_Input", "--> ! Input"};
  TComboBox cbE_Stop_Input{&gbE_Stop, "cbE_Stop_Input"};
  TGroupBox gbLogRTDWarn{&tsLogic, "gbLogRTDWarn", " Temperature Warnings "};
  TiLedRectangle iLedRTD1_WarnHi{&gbLogRTDWarn, "iLedRTD1_WarnHi", "T1 High"};
  TiLedRectangle iLedRTD1_WarnLo{&gbLogRTDWarn, "iLedRTD1_WarnLo", "T1 Low"};
  TiLedRectangle iLedRTD2_WarnHi{&gbLogRTDWarn, "iLedRTD2_WarnHi", "T2 High"};
  TiLedRectangle iLedRTD2_WarnLo{&gbLogRTDWarn, "iLedRTD2_WarnLo", "T2 Low"};
  TiLedRectangle iLedRTD3_WarnHi{&gbLogRTDWarn, "iLedRTD3_WarnHi", "T3 High"};
  TiLedRectangle iLedRTD3_WarnLo{&gbLogRTDWarn, "iLedRTD3_WarnLo", "T3 Low"};
  TiLedRectangle iLedRTD4_WarnHi{&gbLogRTDWarn, "iLedRTD4_WarnHi", "T4 High"};
  TiLedRectangle iLedRTD4_WarnLo{&gbLogRTDWarn, "iLedRTD4_WarnLo", "T4 Low"};

  // -- Starter Configuration page: the " Starter Output" box (its meaning labels are the starter
  // display's, further down) with its trip flag and activity flag groups --
  TGroupBox gbStarterOutputs{&tsStarters, "gbStarterOutputs", " Starter Output"};
  TiLedRectangle iLedStarterOP_1{&gbStarterOutputs, "iLedStarterOP_1", "Output 1"};
  TiLedRectangle iLedStarterOP_2{&gbStarterOutputs, "iLedStarterOP_2", "Output 2"};
  TiLedRectangle iLedStarterOP_3{&gbStarterOutputs, "iLedStarterOP_3", "Output 3"};
  TiLedRectangle iLedStarterOP_4{&gbStarterOutputs, "iLedStarterOP_4", "Output 4"};
  TiLedRectangle iLedStarterOP_5{&gbStarterOutputs, "iLedStarterOP_5", "Output 5"};
  TGroupBox gbStarterTripFlags{&gbStarterOutputs, "gbStarterTripFlags", " Starter Trip Flags"};
  TiLedRectangle iLedExecFault{&gbStarterTripFlags, "iLedExecFault", "Execution Fault"};
  TiLedRectangle iLedFeedbackFault{&gbStarterTripFlags, "iLedFeedbackFault", "Feedback Fault"};
  TiLedRectangle iLedUnAuthCrntFault{&gbStarterTripFlags, "iLedUnAuthCrntFault",
                                     "Unauthorised Current"};
  // Starter signals 6 to 9 follow outputs 1 to 5 in the signal tables: the four activity flags.
  TGroupBox gbActivityFlags{&gbStarterOutputs, "gbActivityFlags", " Activity Flags"};
  TiLedRectangle iLedStarterOP_6{&gbActivityFlags, "iLedStarterOP_6", "Pre Start Warning Active"};
  TiLedRectangle iLedStarterOP_7{&gbActivityFlags, "iLedStarterOP_7", "DC Brake Injection Active"};
  TiLedRectangle iLedStarterOP_8{&gbActivityFlags, "iLedStarterOP_8", "Transition Active"};
  TiLedRectangle iLedStarterOP_9{&gbActivityFlags, "iLedStarterOP_9", "Backspin Active"};

  // -- Test page: what the relay reports while it is tested --
  TiLedRectangle iLedSimIndication{&gbSimControl, "iLedSimIndication", "Simulation in Progress"};
  TiLedRectangle iLedVoltStatus{&tsTest, "iLedVoltStatus", "Voltage Pesent"};
  TGroupBox gbTestRelayCoils{&tsTest, "gbTestRelayCoils", " Relay Coils"};
  TiLedRectangle iLedRL1{&gbTestRelayCoils, "iLedRL1", "Relay 1"};
  TiLedRectangle iLedRL2{&gbTestRelayCoils, "iLedRL2", "Relay 2"};
  TiLedRectangle ILedRL3{&gbTestRelayCoils, "ILedRL3", "Relay 3"};
  TiLedRectangle iLedRL4{&gbTestRelayCoils, "iLedRL4", "Relay 4"};
  // The relay's reported state of each field input; a user's click simulates the input.
  TGroupBox gbTestFieldInputs{&tsTest, "gbTestFieldInputs", " Digital Field Signals"};
  TiSwitchLed islFieldInput1{&gbTestFieldInputs, "islFieldInput1", "Input 1"};
  TiSwitchLed islFieldInput2{&gbTestFieldInputs, "islFieldInput2", "Input 2"};
  TiSwitchLed islFieldInput3{&gbTestFieldInputs, "islFieldInput3", "Input 3"};
  TiSwitchLed islFieldInput4{&gbTestFieldInputs, "islFieldInput4", "Input 4"};
  TiSwitchLed islFieldInput5{&gbTestFieldInputs, "islFieldInput5", "Input 5"};
  TiSwitchLed islFieldInput6{&gbTestFieldInputs, "islFieldInput6", "Input 6"};
  TiSwitchLed islFieldInput7{&gbTestFieldInputs, "islFieldInput7", "Input 7"};
  TiSwitchLed islFieldInput8{&gbTestFieldInputs, "islFieldInput8", "Input 8"};
  TiSwitchLed islFieldInput9{&gbTestFieldInputs, "islFieldInput9", "Input 9"};
  TiSwitchLed islFieldInput10{&gbTestFieldInputs, "islFieldInput10", "Input 10"};
  TiSwitchLed islFieldInput11{&gbTestFieldInputs, "islFieldInput11", "Input 11"};
  TiSwitchLed islFieldInput12{&gbTestFieldInputs, "islFieldInput12", "Input 12"};
  TiSwitchLed islFieldInput13{&gbTestFieldInputs, "islFieldInput13", "Input 13"};
  TiSwitchLed islFieldInput14{&gbTestFieldInputs, "islFieldInput14", "Input 14"};
  TiSwitchLed islFieldInput15{&gbTestFieldInputs, "islFieldInput15", "Input 15"};

  // ==== Records pages: fault history, event history, spectrum analyser ====
  void InitRecordPages();
  // Once the comms setup window exists: the identity shown from the relay's answers.
  void ConnectRecordPages();

  // The relay's identity as both exports head it: drive ID, description and serial number are
  // mbDriveID, mbUserName and mbSerialNum in the Actual page's identity group, also filled from
  // the identity and description answers by ConnectRecordPages.

  // -- Fault History page (the grid and its progress bar are declared with the link's fields) --
  void FaultUpdateReq();
  void bSaveFaultRecsClick();
  TButton bSaveFaultRecs{&tsFaults, "bSaveFaultRecs", "Save fault records on disk"};
  TSaveDialog SaveDialogFaults;
  // The lines of the fault records export as the page stands now.
  std::vector<std::string> FaultExportLines();

  // -- Event History page --
  void tsEventsShow();
  void bEventRecDownLoadClick();
  void bStopEventDownLoadClick();
  void seEventNumberExit();
  void bQuickEventUploadClick();
  void bClrQuickViewerClick();
  // How a download to the export file ended; each says so on the page.
  enum class EventDownloadEnd { Complete, Stopped, LinkLost };
  void ShowEventDownloadEnd(EventDownloadEnd how);
  TLabel labEventNumber{&tsEvents, "labEventNumber", "Event upload quantity"};
  TSpinEdit seEventNumber{&tsEvents, "seEventNumber", 1, 1400, 200};
  TLabel labEventsPercent{&tsEvents, "labEventsPercent", "%"};
  TButton bClrQuickViewer{&tsEvents, "bClrQuickViewer", "Clear quick viewer"};
  TGroupBox gbEventNotice{&tsEvents, "gbEventNotice", " Please note !"};
  TLabel labEventNotice{&gbEventNotice, "labEventNotice"};
  TSaveDialog SaveDialogEvents;
  // The running download's own file: no other command writes through it.
  TextFile EventExportFile;

  // -- Spectrum Analyser page --
  // The page refresh's step while the page is shown and the port open.
  void SpectrumAnalyserStep();
  void isLedSimSpectrumClick();
  TiSpectrumDisplay iSpecDisp{&tsSpectrum, "iSpecDisp"};
  TLabel labCurrentLevels{&tsSpectrum, "labCurrentLevels", "Harmonic Amplitudes"};
  TGroupBox gbAttenuator{&tsSpectrum, "gbAttenuator", " Signal Attenuator "};
  TSpinEdit seAttenuator{&gbAttenuator, "seAttenuator", 1, 5, 1};
  TLabel labAttenuatorUnit{&gbAttenuator, "labAttenuatorUnit", "Times"};
  TRadioGroup rgSimSpectrum{&tsSpectrum, "rgSimSpectrum", " Signal type "};
  TiSwitchLed isLedSimSpectrum{&tsSpectrum, "isLedSimSpectrum", "Start demo"};
  TLabel labTHD{&tsSpectrum, "labTHD",
                "Total Harmonic Distortion w.r.t. the fundamental harmonic (f1)"};
  TiAnalogDisplay iAdTHD{&tsSpectrum, "iAdTHD"};
  TLabel labTHDUnit{&tsSpectrum, "labTHDUnit", "%"};
  TLabel labTHD_sum{&tsSpectrum, "labTHD_sum",
                    "Total Harmonic Distortion w.r.t. the sum of all the harmonics"};
  TiAnalogDisplay iAdTHD_sum{&tsSpectrum, "iAdTHD_sum"};
  TLabel labTHD_sumUnit{&tsSpectrum, "labTHD_sumUnit", "%"};

  // ==== Page refresh: the 500 ms tick that keeps the shown page's combined values current ====
  void InitPageRefresh();

  TTimer Timer2{500, true};  // never stopped
  void Timer2Timer();

  // -- Starter Configuration page --
  TiSwitchSlider issLocationSelect{
      &tsStarters,
      "issLocationSelect",
      {"Local Field", "Remote Field", " Auto (PLC)", "Operator Panel"}};
  // -- Real Time Clock page: the PC's own time, beside the relay's --
  TGroupBox gbRTC_PC{&tsRealTimeClock, "gbRTC_PC", " Real Time Clock of PC / Laptop"};
  TMonthCalendar mcCalendar{&gbRTC_PC, "mcCalendar"};
  TLabel labClock{&gbRTC_PC, "labClock", " hh  :  mm  :  ss"};
  TEdit mbClock{&gbRTC_PC, "mbClock"};
  // -- Test page: thermal capacity and the status lamps --
  TEdit mbTCap{&tsTest, "mbTCap"};
  TiAngularGauge iagTCap{&tsTest, "iagTCap"};
  TiLedRectangle iLedCurrentStatus{&tsTest, "iLedCurrentStatus", "In Service"};
  TiLedRectangle iLedAlarm{&tsTest, "iLedAlarm", "Alarm"};
  TiLedRectangle iLedTrip{&tsTest, "iLedTrip", "Trip"};

  // ==== Control Logic page: editors of the logic record and the output table generator ====
  void InitLogicPage();
  // Every editor of the page is a row of the logic editor table (editors/LogicEditors.h); the
  // named handlers below are one-liners into the generic code that walks it.
  void LogicChange(const TControl& editor);
  void LogicExit(const TControl& editor);
  void ConnectLogicEditors();
  void LoadLogicRecordEditors();

  // The logic function whose output table the generator edits (1..6); 0 until first opened.
  int LogicTableTarget = 0;
  void TruthTableLayOut(uint8_t TTable);
  void sgLogFuncTableSelectCell(int ACol, int ARow, bool& CanSelect);
  void bLogFuncTransfClick();

  TGroupBox gbLogicFunctions{&tsLogic, "gbLogicFunctions", " Logic Functions"};
  TGroupBox gbLF1{&gbLogicFunctions, "gbLF1", " Logic Function 1"};
  TLabel labLF1_Table{&gbLF1, "labLF1_Table", "Output table"};
  TEdit ebLF1_Table{&gbLF1, "ebLF1_Table"};
  TLabel labLF1_InputA{&gbLF1, "labLF1_InputA", "--> A (4)"};
  TComboBox cbLF1_InputA{&gbLF1, "cbLF1_InputA"};
  TLabel labLF1_InputB{&gbLF1, "labLF1_InputB", "--> B (2)"};
  TComboBox cbLF1_InputB{&gbLF1, "cbLF1_InputB"};
  TLabel labLF1_InputC{&gbLF1, "labLF1_InputC", "--> C (1)"};
  TComboBox cbLF1_InputC{&gbLF1, "cbLF1_InputC"};
  TGroupBox gbLF2{&gbLogicFunctions, "gbLF2", " Logic Function 2"};
  TLabel labLF2_Table{&gbLF2, "labLF2_Table", "Output table"};
  TEdit ebLF2_Table{&gbLF2, "ebLF2_Table"};
  TLabel labLF2_InputA{&gbLF2, "labLF2_InputA", "--> A (4)"};
  TComboBox cbLF2_InputA{&gbLF2, "cbLF2_InputA"};
  TLabel labLF2_InputB{&gbLF2, "labLF2_InputB", "--> B (2)"};
  TComboBox cbLF2_InputB{&gbLF2, "cbLF2_InputB"};
  TLabel labLF2_InputC{&gbLF2, "labLF2_InputC", "--> C (1)"};
  TComboBox cbLF2_InputC{&gbLF2, "cbLF2_InputC"};
  TGroupBox gbLF3{&gbLogicFunctions, "gbLF3", " Logic Function 3"};
  TLabel labLF3_Table{&gbLF3, "labLF3_Table", "Output table"};
  TEdit ebLF3_Table{&gbLF3, "ebLF3_Table"};
  TLabel labLF3_InputA{&gbLF3, "labLF3_InputA", "--> A (4)"};
  TComboBox cbLF3_InputA{&gbLF3, "cbLF3_InputA"};
  TLabel labLF3_InputB{&gbLF3, "labLF3_InputB", "--> B (2)"};
  TComboBox cbLF3_InputB{&gbLF3, "cbLF3_InputB"};
  TLabel labLF3_InputC{&gbLF3, "labLF3_InputC", "--> C (1)"};
  TComboBox cbLF3_InputC{&gbLF3, "cbLF3_InputC"};
  TGroupBox gbLF4{&gbLogicFunctions, "gbLF4", " Logic Function 4"};
  TLabel labLF4_Table{&gbLF4, "labLF4_Table", "Output table"};
  TEdit ebLF4_Table{&gbLF4, "ebLF4_Table"};
  TLabel labLF4_InputA{&gbLF4, "labLF4_InputA", "--> A (4)"};
  TComboBox cbLF4_InputA{&gbLF4, "cbLF4_InputA"};
  TLabel labLF4_InputB{&gbLF4, "labLF4_InputB", "--> B (2)"};
  TComboBox cbLF4_InputB{&gbLF4, "cbLF4_InputB"};
  TLabel labLF4_InputC{&gbLF4, "labLF4_InputC", "--> C (1)"};
  TComboBox cbLF4_InputC{&gbLF4, "cbLF4_InputC"};
  TGroupBox gbLF5{&gbLogicFunctions, "gbLF5", " Logic Function 5"};
  TLabel labLF5_Table{&gbLF5, "labLF5_Table", "Output table"};
  TEdit ebLF5_Table{&gbLF5, "ebLF5_Table"};
  TLabel labLF5_InputA{&gbLF5, "labLF5_InputA", "--> A (4)"};
  TComboBox cbLF5_InputA{&gbLF5, "cbLF5_InputA"};
  TLabel labLF5_InputB{&gbLF5, "labLF5_InputB", "--> B (2)"};
  TComboBox cbLF5_InputB{&gbLF5, "cbLF5_InputB"};
  TLabel labLF5_InputC{&gbLF5, "labLF5_InputC", "--> C (1)"};
  TComboBox cbLF5_InputC{&gbLF5, "cbLF5_InputC"};
  TGroupBox gbLF6{&gbLogicFunctions, "gbLF6", " Logic Function 6"};
  TLabel labLF6_Table{&gbLF6, "labLF6_Table", "Output table"};
  TEdit ebLF6_Table{&gbLF6, "ebLF6_Table"};
  TLabel labLF6_InputA{&gbLF6, "labLF6_InputA", "--> A (4)"};
  TComboBox cbLF6_InputA{&gbLF6, "cbLF6_InputA"};
  TLabel labLF6_InputB{&gbLF6, "labLF6_InputB", "--> B (2)"};
  TComboBox cbLF6_InputB{&gbLF6, "cbLF6_InputB"};
  TLabel labLF6_InputC{&gbLF6, "labLF6_InputC", "--> C (1)"};
  TComboBox cbLF6_InputC{&gbLF6, "cbLF6_InputC"};
  // The output table generator: opened beside the function's box by a click on its mask box.
  TPanel pLogFuncTableCalc{&gbLogicFunctions, "pLogFuncTableCalc"};
  TLabel labLogFuncTableCalc{&pLogFuncTableCalc, "labLogFuncTableCalc", "Output Table Generator"};
  TStringGrid sgLogFuncTable{&pLogFuncTableCalc, "sgLogFuncTable", 4, 9};
  TButton bLogFuncTransf{&pLogFuncTableCalc, "bLogFuncTransf", "Transfer table and close"};
  TGroupBox gbLogPLC{&tsLogic, "gbLogPLC", " PLC Inputs "};
  TLabel labPLC_inputs{&gbLogPLC, "labPLC_inputs", "Bit 1 = lsb and bit 16 = msb."};
  TStringGrid sgPLC_inputs{&gbLogPLC, "sgPLC_inputs", 16, 2};  // row 0 the bit numbers 16 down to 1
  TGroupBox gbLogRelays{&tsLogic, "gbLogRelays", " Relay Coils "};
  TiLedRectangle iLedRelay1{&gbLogRelays, "iLedRelay1", "Relay 1"};
  TiLedRectangle iLedRelay2{&gbLogRelays, "iLedRelay2", "Relay 2"};
  TiLedRectangle iLedRelay3{&gbLogRelays, "iLedRelay3", "Relay 3"};
  TiLedRectangle iLedRelay4{&gbLogRelays, "iLedRelay4", "Relay 4"};
  TPanel pExpRelayCoils{&gbLogRelays, "pExpRelayCoils"};  // relay coils of the expansion module
  TiLedRectangle iLedExtRel_5{&pExpRelayCoils, "iLedExtRel_5", "Relay 5"};
  TiLedRectangle iLedExtRel_6{&pExpRelayCoils, "iLedExtRel_6", "Relay 6"};
  TiLedRectangle iLedExtRel_7{&pExpRelayCoils, "iLedExtRel_7", "Relay 7"};
  TiLedRectangle iLedExtRel_8{&pExpRelayCoils, "iLedExtRel_8", "Relay 8"};
  TGroupBox gbLogInputs{&tsLogic, "gbLogInputs", " Digital Field Inputs "};
  TiLedRectangle iLedInp1{&gbLogInputs, "iLedInp1", "Input 1"};
  TiLedRectangle iLedInp2{&gbLogInputs, "iLedInp2", "Input 2"};
  TiLedRectangle iLedInp3{&gbLogInputs, "iLedInp3", "Input 3"};
  TiLedRectangle iLedInp4{&gbLogInputs, "iLedInp4", "Input 4"};
  TiLedRectangle iLedInp5{&gbLogInputs, "iLedInp5", "Input 5"};
  TiLedRectangle iLedInp6{&gbLogInputs, "iLedInp6", "Input 6"};
  TiLedRectangle iLedInp7{&gbLogInputs, "iLedInp7", "Input 7"};
  TPanel pExpDF_Inputs{&gbLogInputs, "pExpDF_Inputs"};  // field inputs of the expansion module
  TiLedRectangle iLedInp8{&pExpDF_Inputs, "iLedInp8", "Input 8"};
  TiLedRectangle iLedInp9{&pExpDF_Inputs, "iLedInp9", "Input 9"};
  TiLedRectangle iLedInp10{&pExpDF_Inputs, "iLedInp10", "Input 10"};
  TiLedRectangle iLedInp11{&pExpDF_Inputs, "iLedInp11", "Input 11"};
  TiLedRectangle iLedInp12{&pExpDF_Inputs, "iLedInp12", "Input 12"};
  TiLedRectangle iLedInp13{&pExpDF_Inputs, "iLedInp13", "Input 13"};
  TiLedRectangle iLedInp14{&pExpDF_Inputs, "iLedInp14", "Input 14"};
  TiLedRectangle iLedInp15{&pExpDF_Inputs, "iLedInp15", "Input 15"};
  TGroupBox gbLatch{&tsLogic, "gbLatch", " Latch"};
  TLabel labLatch_SetInput{&gbLatch, "labLatch_SetInput", "--> Set"};
  TComboBox cbLatch_SetInput{&gbLatch, "cbLatch_SetInput"};
  TLabel labLatch_ResetInput{&gbLatch, "labLatch_ResetInput", "--> Reset"};
  TComboBox cbLatch_ResetInput{&gbLatch, "cbLatch_ResetInput"};
  TGroupBox gbTC_Warn{&tsLogic, "gbTC_Warn", " TC High Warning"};
  TLabel labTC_WarnLevel{&gbTC_Warn, "labTC_WarnLevel", "Used Thermal Capacity"};
  TSpinEdit seTC_WarnLevel{&gbTC_Warn, "seTC_WarnLevel"};
  TLabel labTC_WarnLevelUnit{&gbTC_Warn, "labTC_WarnLevelUnit", "%"};
  TGroupBox gbPulseGen{&tsLogic, "gbPulseGen", "Pulse Generator"};
  TLabel labPulseGen_Input{&gbPulseGen, "labPulseGen_Input", "--> Control"};
  TComboBox cbPulseGen_Input{&gbPulseGen, "cbPulseGen_Input"};
  TLabel labPG_Period{&gbPulseGen, "labPG_Period", "Period"};
  TSpinEdit sePG_Period{&gbPulseGen, "sePG_Period"};
  TLabel labPG_PeriodUnit{&gbPulseGen, "labPG_PeriodUnit", "min"};
  TLabel labPG_DutyCycle{&gbPulseGen, "labPG_DutyCycle", "Duty cycle"};
  TSpinEdit sePG_DutyCycle{&gbPulseGen, "sePG_DutyCycle"};
  TLabel labPG_DutyCycleUnit{&gbPulseGen, "labPG_DutyCycleUnit", "%"};
  TGroupBox gbTmrA{&tsLogic, "gbTmrA", " Timer A"};
  TLabel labTmrA_TimeLim{&gbTmrA, "labTmrA_TimeLim", "Time (sec)"};
  TSpinEdit seTmrA_TimeLim{&gbTmrA, "seTmrA_TimeLim"};
  TLabel labTmrA_Start{&gbTmrA, "labTmrA_Start", "--> Start input"};
  TComboBox cbTmrA_Start{&gbTmrA, "cbTmrA_Start"};
  TLabel labTmrA_Reset{&gbTmrA, "labTmrA_Reset", "--> Reset input"};
  TComboBox cbTmrA_Reset{&gbTmrA, "cbTmrA_Reset"};
  TGroupBox gbTmrB{&tsLogic, "gbTmrB", " Timer B"};
  TLabel labTmrB_TimeLim{&gbTmrB, "labTmrB_TimeLim", "Time (sec)"};
  TSpinEdit seTmrB_TimeLim{&gbTmrB, "seTmrB_TimeLim"};
  TLabel labTmrB_Start{&gbTmrB, "labTmrB_Start", "--> Start input"};
  TComboBox cbTmrB_Start{&gbTmrB, "cbTmrB_Start"};
  TLabel labTmrB_Reset{&gbTmrB, "labTmrB_Reset", "--> Reset input"};
  TComboBox cbTmrB_Reset{&gbTmrB, "cbTmrB_Reset"};
  TGroupBox gbCntrA{&tsLogic, "gbCntrA", " Counter A"};
  TLabel labCntrA_CntLimit{&gbCntrA, "labCntrA_CntLimit", "Trip cnt setting"};
  TSpinEdit seCntrA_CntLimit{&gbCntrA, "seCntrA_CntLimit"};
  TLabel labCntrA_InputUp{&gbCntrA, "labCntrA_InputUp", "--> Cnt up input"};
  TComboBox cbCntrA_InputUp{&gbCntrA, "cbCntrA_InputUp"};
  TLabel labCntrA_InputDn{&gbCntrA, "labCntrA_InputDn", "--> Cnt dn input"};
  TComboBox cbCntrA_InputDn{&gbCntrA, "cbCntrA_InputDn"};
  TLabel labCntrA_Reset{&gbCntrA, "labCntrA_Reset", "--> Reset input"};
  TComboBox cbCntrA_Reset{&gbCntrA, "cbCntrA_Reset"};
  TGroupBox gbCntrB{&tsLogic, "gbCntrB", " Counter B"};
  TLabel labCntrB_CntLimit{&gbCntrB, "labCntrB_CntLimit", "Trip cnt setting"};
  TSpinEdit seCntrB_CntLimit{&gbCntrB, "seCntrB_CntLimit"};
  TLabel labCntrB_InputUp{&gbCntrB, "labCntrB_InputUp", "--> Cnt up input"};
  TComboBox cbCntrB_InputUp{&gbCntrB, "cbCntrB_InputUp"};
  TLabel labCntrB_InputDn{&gbCntrB, "labCntrB_InputDn", "--> Cnt dn input"};
  TComboBox cbCntrB_InputDn{&gbCntrB, "cbCntrB_InputDn"};
  TLabel labCntrB_Reset{&gbCntrB, "labCntrB_Reset", "--> Reset input"};
  TComboBox cbCntrB_Reset{&gbCntrB, "cbCntrB_Reset"};
  TGroupBox gbLogTimers{&tsLogic, "gbLogTimers", " Timers "};
  TiLedRectangle iLedTmrA_Output{&gbLogTimers, "iLedTmrA_Output", "Timer A"};
  TiLedRectangle iLedTmrA_Output_ms{&gbLogTimers, "iLedTmrA_Output_ms", "Timer A Pulse"};
  TiLedRectangle iLedTmrB_Output{&gbLogTimers, "iLedTmrB_Output", "Timer B"};
  TiLedRectangle iLedTmrB_Output_ms{&gbLogTimers, "iLedTmrB_Output_ms", "Timer B Pulse"};
  TiLedRectangle iLedRTC_Output{&gbLogTimers, "iLedRTC_Output", "Real Time Clock"};
  TGroupBox gbRTC_Window{&tsLogic, "gbRTC_Window", " Real Time Clock"};
  TLabel labRTC_StartHr{&gbRTC_Window, "labRTC_StartHr", "Start hour"};
  TSpinEdit seRTC_StartHr{&gbRTC_Window, "seRTC_StartHr"};
  TLabel labRTC_StartMin{&gbRTC_Window, "labRTC_StartMin", "Start minute"};
  TSpinEdit seRTC_StartMin{&gbRTC_Window, "seRTC_StartMin"};
  TLabel labRTC_StopHr{&gbRTC_Window, "labRTC_StopHr", "Stop hour"};
  TSpinEdit seRTC_StopHr{&gbRTC_Window, "seRTC_StopHr"};
  TLabel labRTC_StopMin{&gbRTC_Window, "labRTC_StopMin", "Stop minute"};
  TSpinEdit seRTC_StopMin{&gbRTC_Window, "seRTC_StopMin"};
  // The inputs of the relay coils, beside their lamps. Relay 1's box hides while relay 1 is the
  // dedicated main trip relay (page refresh).
  TLabel labRelay_1_Input{&gbLogRelays, "labRelay_1_Input", "RL1"};
  TComboBox cbRelay_1_Input{&gbLogRelays, "cbRelay_1_Input"};
  TLabel labRelay_2_Input{&gbLogRelays, "labRelay_2_Input", "RL2"};
  TComboBox cbRelay_2_Input{&gbLogRelays, "cbRelay_2_Input"};
  TLabel labRelay_3_Input{&gbLogRelays, "labRelay_3_Input", "RL3"};
  TComboBox cbRelay_3_Input{&gbLogRelays, "cbRelay_3_Input"};
  TLabel labRelay_4_Input{&gbLogRelays, "labRelay_4_Input", "RL4"};
  TComboBox cbRelay_4_Input{&gbLogRelays, "cbRelay_4_Input"};
  TLabel labExtRelay_5_Input{&gbLogRelays, "labExtRelay_5_Input", "RL5"};
  TComboBox cbExtRelay_5_Input{&gbLogRelays, "cbExtRelay_5_Input"};
  TLabel labExtRelay_6_Input{&gbLogRelays, "labExtRelay_6_Input", "RL6"};
  TComboBox cbExtRelay_6_Input{&gbLogRelays, "cbExtRelay_6_Input"};
  TLabel labExtRelay_7_Input{&gbLogRelays, "labExtRelay_7_Input", "RL7"};
  TComboBox cbExtRelay_7_Input{&gbLogRelays, "cbExtRelay_7_Input"};
  TLabel labExtRelay_8_Input{&gbLogRelays, "labExtRelay_8_Input", "RL8"};
  TComboBox cbExtRelay_8_Input{&gbLogRelays, "cbExtRelay_8_Input"};
  TGroupBox gbRTD1_Warn{&tsLogic, "gbRTD1_Warn", " T1  Warning"};
  TLabel labRTD1_WarnHiLev{&gbRTD1_Warn, "labRTD1_WarnHiLev", "Hi"};
  TSpinEdit seRTD1_WarnHiLev{&gbRTD1_Warn, "seRTD1_WarnHiLev"};
  TLabel labRTD1_WarnHiLevUnit{&gbRTD1_Warn, "labRTD1_WarnHiLevUnit", "Deg C"};
  TLabel labRTD1_WarnLoLev{&gbRTD1_Warn, "labRTD1_WarnLoLev", "Lo"};
  TSpinEdit seRTD1_WarnLoLev{&gbRTD1_Warn, "seRTD1_WarnLoLev"};
  TLabel labRTD1_WarnLoLevUnit{&gbRTD1_Warn, "labRTD1_WarnLoLevUnit", "Deg C"};
  TGroupBox gbRTD2_Warn{&tsLogic, "gbRTD2_Warn", " T2 Warning"};
  TLabel labRTD2_WarnHiLev{&gbRTD2_Warn, "labRTD2_WarnHiLev", "Hi"};
  TSpinEdit seRTD2_WarnHiLev{&gbRTD2_Warn, "seRTD2_WarnHiLev"};
  TLabel labRTD2_WarnHiLevUnit{&gbRTD2_Warn, "labRTD2_WarnHiLevUnit", "Deg C"};
  TLabel labRTD2_WarnLoLev{&gbRTD2_Warn, "labRTD2_WarnLoLev", "Lo"};
  TSpinEdit seRTD2_WarnLoLev{&gbRTD2_Warn, "seRTD2_WarnLoLev"};
  TLabel labRTD2_WarnLoLevUnit{&gbRTD2_Warn, "labRTD2_WarnLoLevUnit", "Deg C"};
  TGroupBox gbRTD3_Warn{&tsLogic, "gbRTD3_Warn", " T3 Warning"};
  TLabel labRTD3_WarnHiLev{&gbRTD3_Warn, "labRTD3_WarnHiLev", "Hi"};
  TSpinEdit seRTD3_WarnHiLev{&gbRTD3_Warn, "seRTD3_WarnHiLev"};
  TLabel labRTD3_WarnHiLevUnit{&gbRTD3_Warn, "labRTD3_WarnHiLevUnit", "Deg C"};
  TLabel labRTD3_WarnLoLev{&gbRTD3_Warn, "labRTD3_WarnLoLev", "Lo"};
  TSpinEdit seRTD3_WarnLoLev{&gbRTD3_Warn, "seRTD3_WarnLoLev"};
  TLabel labRTD3_WarnLoLevUnit{&gbRTD3_Warn, "labRTD3_WarnLoLevUnit", "Deg C"};
  TGroupBox gbRTD4_Warn{&tsLogic, "gbRTD4_Warn", " T4 Warning"};
  TLabel labRTD4_WarnHiLev{&gbRTD4_Warn, "labRTD4_WarnHiLev", "Hi"};
  TSpinEdit seRTD4_WarnHiLev{&gbRTD4_Warn, "seRTD4_WarnHiLev"};
  TLabel labRTD4_WarnHiLevUnit{&gbRTD4_Warn, "labRTD4_WarnHiLevUnit", "Deg C"};
  TLabel labRTD4_WarnLoLev{&gbRTD4_Warn, "labRTD4_WarnLoLev", "Lo"};
  TSpinEdit seRTD4_WarnLoLev{&gbRTD4_Warn, "seRTD4_WarnLoLev"};
  TLabel labRTD4_WarnLoLevUnit{&gbRTD4_Warn, "labRTD4_WarnLoLevUnit", "Deg C"};

  // -- Named handlers, in the order of the logic grid's rows --
  void ebLF1_TableChange();
  void cbLF1_InputAChange();
  void cbLF1_InputBChange();
  void cbLF1_InputCChange();
  void ebLF2_TableChange();
  void cbLF2_InputAChange();
  void cbLF2_InputBChange();
  void cbLF2_InputCChange();
  void ebLF3_TableChange();
  void cbLF3_InputAChange();
  void cbLF3_InputBChange();
  void cbLF3_InputCChange();
  void ebLF4_TableChange();
  void cbLF4_InputAChange();
  void cbLF4_InputBChange();
  void cbLF4_InputCChange();
  void ebLF5_TableChange();
  void cbLF5_InputAChange();
  void cbLF5_InputBChange();
  void cbLF5_InputCChange();
  void ebLF6_TableChange();
  void cbLF6_InputAChange();
  void cbLF6_InputBChange();
  void cbLF6_InputCChange();
  void seTmrA_TimeLimChange();
  void cbTmrA_StartChange();
  void cbTmrA_ResetChange();
  void seTmrB_TimeLimChange();
  void cbTmrB_StartChange();
  void cbTmrB_ResetChange();
  void seRTC_StartHrChange();
  void seRTC_StartMinChange();
  void seRTC_StopHrChange();
  void seRTC_StopMinChange();
  void cbRelay_1_InputChange();
  void cbRelay_2_InputChange();
  void cbRelay_3_InputChange();
  void cbRelay_4_InputChange();
  void seCntrA_CntLimitChange();
  void cbCntrA_InputUpChange();
  void cbCntrA_InputDnChange();
  void cbCntrA_ResetChange();
  void seCntrB_CntLimitChange();
  void cbCntrB_InputUpChange();
  void cbCntrB_InputDnChange();
  void cbCntrB_ResetChange();
  void cbPulseGen_InputChange();
  void sePG_PeriodChange();
  void sePG_DutyCycleChange();
  void cbLatch_SetInputChange();
  void cbLatch_ResetInputChange();
  void cbExtResetChange();
  void seTC_WarnLevelChange();
  void cbExtRelay_5_InputChange();
  void cbExtRelay_6_InputChange();
  void cbExtRelay_7_InputChange();
  void cbExtRelay_8_InputChange();
  void seRTD1_WarnHiLevChange();
  void seRTD1_WarnLoLevChange();
  void seRTD2_WarnHiLevChange();
  void seRTD2_WarnLoLevChange();
  void seRTD3_WarnHiLevChange();
  void seRTD3_WarnLoLevChange();
  void seRTD4_WarnHiLevChange();
  void seRTD4_WarnLoLevChange();
  void cbE_Stop_InputChange();
  void ebLF1_TableClick();
  void ebLF2_TableClick();
  void ebLF3_TableClick();
  void ebLF4_TableClick();
  void ebLF5_TableClick();
  void ebLF6_TableClick();

  // ==== Test page: simulated inputs, the sequence player; the Recorder page ====
  void InitTestPage();
  void InitRecorder();

  // -- Simulation state: the values go out with request 32 while SimFlag is set --
  bool SimFlag = false;
  uint8_t SimFieldInputs =
      0;  // inputs 1..7 in bits 0..6; bit 7 the input mode, set before each send
  uint8_t SimExtFldInputs = 0;  // inputs 8..15 in bits 0..7
  int AlarmToTripTicks = 0;     // tenths of a second from alarm to trip

  // -- Manual panels: sliders with their displays, the link switches, the temperatures --
  TPanel pSimCurrents{&tsTest, "pSimCurrents"};
  TiSwitchLed iSLedCurrent{&pSimCurrents, "iSLedCurrent", "Link current slider controls"};
  TLabel labSimIred{&pSimCurrents, "labSimIred", " I red %"};
  TiSlider isSimIred{&pSimCurrents, "isSimIred"};
  TEdit mbSimIred{&pSimCurrents, "mbSimIred"};
  TLabel labSimIwhite{&pSimCurrents, "labSimIwhite", " I white %"};
  TiSlider isSimIwhite{&pSimCurrents, "isSimIwhite"};
  TEdit mbSimIwhite{&pSimCurrents, "mbSimIwhite"};
  TLabel labSimIblue{&pSimCurrents, "labSimIblue", " I blue %"};
  TiSlider isSimIblue{&pSimCurrents, "isSimIblue"};
  TEdit mbSimIblue{&pSimCurrents, "mbSimIblue"};
  TPanel pSimVoltages{&tsTest, "pSimVoltages"};
  TiSwitchLed iSLedVoltage{&pSimVoltages, "iSLedVoltage", "Link voltage slider controls"};
  TLabel labSimVred{&pSimVoltages, "labSimVred", "  V red"};
  TiSlider isSimVred{&pSimVoltages, "isSimVred"};
  TEdit mbSimVred{&pSimVoltages, "mbSimVred"};
  TLabel labSimVwhite{&pSimVoltages, "labSimVwhite", "  V white"};
  TiSlider isSimVwhite{&pSimVoltages, "isSimVwhite"};
  TEdit mbSimVwhite{&pSimVoltages, "mbSimVwhite"};
  TLabel labSimVblue{&pSimVoltages, "labSimVblue", "  V blue"};
  TiSlider isSimVblue{&pSimVoltages, "isSimVblue"};
  TEdit mbSimVblue{&pSimVoltages, "mbSimVblue"};
  TPanel pSimParam{&tsTest, "pSimParam"};
  TLabel labSimFrequency{&pSimParam, "labSimFrequency", "Frequency\n(Hz)"};
  TiSlider isSimFrequency{&pSimParam, "isSimFrequency"};
  TEdit mbSimFrequency{&pSimParam, "mbSimFrequency"};
  TLabel labSimPowerFactor{&pSimParam, "labSimPowerFactor", "Power\nFactor (%)"};
  TiSlider isSimPowerFactor{&pSimParam, "isSimPowerFactor"};
  TEdit mbSimPowerFactor{&pSimParam, "mbSimPowerFactor"};
  TLabel labSimEL{&pSimParam, "labSimEL", "Earth\nLeak (mA)"};
  TiSlider isSimEL{&pSimParam, "isSimEL"};
  TEdit mbSimEL{&pSimParam, "mbSimEL"};
  TPanel pSimRTDs{&tsTest, "pSimRTDs"};
  TLabel labSimRTD1{&pSimRTDs, "labSimRTD1", "RTD 1"};
  TSpinEdit seSimRTD1{&pSimRTDs, "seSimRTD1", -30, 220, 0};
  TLabel labSimRTD2{&pSimRTDs, "labSimRTD2", "RTD 2"};
  TSpinEdit seSimRTD2{&pSimRTDs, "seSimRTD2", -30, 220, 0};
  TLabel labSimRTD3{&pSimRTDs, "labSimRTD3", "RTD 3"};
  TSpinEdit seSimRTD3{&pSimRTDs, "seSimRTD3", -30, 220, 0};
  TLabel labSimRTD4{&pSimRTDs, "labSimRTD4", "RTD 4"};
  TSpinEdit seSimRTD4{&pSimRTDs, "seSimRTD4", -30, 220, 0};
  TLabel labSimRTDUnit{&pSimRTDs, "labSimRTDUnit", "Deg C"};

  // -- Field inputs, their mode, the relay coils of the expansion module --
  TButton bResetFieldInputs{&gbTestFieldInputs, "bResetFieldInputs", "Reset"};
  TGroupBox gbDF_InputMode{&tsTest, "gbDF_InputMode", " DF Inputs Mode"};
  TLabel labDF_InputModeSim{&gbDF_InputMode, "labDF_InputModeSim", "Simulation"};
  TiToggleSwitch isDF_InputMode{&gbDF_InputMode, "isDF_InputMode"};
  TLabel labDF_InputModeReal{&gbDF_InputMode, "labDF_InputModeReal", "Real"};
  TiLedRectangle iLedExtRL5{&gbTestRelayCoils, "iLedExtRL5", "Relay 5"};
  TiLedRectangle iLedExtRL6{&gbTestRelayCoils, "iLedExtRL6", "Relay 6"};
  TiLedRectangle iLedExtRL7{&gbTestRelayCoils, "iLedExtRL7", "Relay 7"};
  TiLedRectangle iLedExtRL8{&gbTestRelayCoils, "iLedExtRL8", "Relay 8"};

  // -- Simulation control, view switch, alarm-to-trip timer --
  TGroupBox gbSimModeSel{&tsTest, "gbSimModeSel", " Simulation Mode Selector"};
  TButton bSimMode{&gbSimModeSel, "bSimMode", "Automatic"};
  TGroupBox gbAlarm2Trip{&tsTest, "gbAlarm2Trip", " Timer: Alarm to Trip Time "};
  TiAnalogDisplay iaAlarm2Trip{&gbAlarm2Trip, "iaAlarm2Trip"};
  TLabel labAlarm2TripUnit{&gbAlarm2Trip, "labAlarm2TripUnit", " sec"};
  TButton bAT_Reset{&gbAlarm2Trip, "bAT_Reset", "Reset"};
  TTimer Timer3{100, true};
  TTimer Timer4{50, false};

  // -- Automatic view: the state sequence table and its commands --
  TPanel pSimAuto{&tsTest, "pSimAuto"};
  TLabel labSimAuto{&pSimAuto, "labSimAuto", "Automatic Simulated Injection State Sequence Table "};
  TStringGrid sgSimAuto{&pSimAuto, "sgSimAuto", 15, 21};
  TButton bSimQue{&pSimAuto, "bSimQue", "Start queing"};
  TButton bLoadSimSeq{&pSimAuto, "bLoadSimSeq", "Open disc file"};
  TButton bSaveSimSeq{&pSimAuto, "bSaveSimSeq", "Save disc file"};
  TButton BitBtnSimHelp{&pSimAuto, "BitBtnSimHelp", "Help"};
  TButton bCopyCell{&pSimAuto, "bCopyCell", "Copy cell"};
  TButton bCutCell{&pSimAuto, "bCutCell", "Cut cell"};
  TButton bPasteCell{&pSimAuto, "bPasteCell", "Paste cell"};
  TButton bInsertLine{&pSimAuto, "bInsertLine", "Insert line"};
  TButton bDeleteLine{&pSimAuto, "bDeleteLine", "Delete line"};
  TPanel pSimHelp{&pSimAuto, "pSimHelp"};
  TLabel labSimHelp{&pSimHelp, "labSimHelp"};
  TButton bHelpClose{&pSimHelp, "bHelpClose", "Close"};
  TSaveDialog SaveDialogSimSeq;
  TOpenDialog OpenDialogSimSeq;
  int SimSeqStep = 0;            // the step the player works on
  std::string SimCellClipboard;  // the editing buttons' one-cell clipboard

  // Handlers of the Test page.
  void SimTestStartClick();
  void SimParamTx();
  void TxSimData();
  void ZeroSimParam();
  void SimSliderChange(TiSlider& slider);
  void SimSliderChangeFinished(TiSlider& slider);
  void FieldInputClick(int input);
  void bResetFieldInputsClick();
  void isDF_InputModeClick();
  void SimRTDChange();
  void bSimModeClick();
  void Timer3Timer();
  void bAT_ResetClick();
  void bThermalCapResetClick();
  void bResetRelayClick();
  // The sequence player and its table.
  void InitSimPlayer();
  void tsTestShow();
  void bSimQueClick();
  void Timer4Timer();
  void LoadSimVarsToTx();
  void TerminateQue();
  void bSaveSimSeqClick();
  void bLoadSimSeqClick();
  void BitBtnSimHelpClick();
  void bHelpCloseClick();
  void bCopyCellClick();
  void bCutCellClick();
  void bPasteCellClick();
  void bInsertLineClick();
  void bDeleteLineClick();
  // Ends a running sequence quietly: the player stops, the inputs go to zero and are sent.
  void StopSimPlayer();

  // -- Recorder page --
  TiPlot iPlot1{&tsRecorder, "iPlot1"};
  TCheckBox cb_RecDF_InpVis{&tsRecorder, "cb_RecDF_InpVis", "Digital Field Inputs"};
  TCheckBox cb_RecExtDF_InpVis{&tsRecorder, "cb_RecExtDF_InpVis", "Ext. Digital Field Inputs"};
  TCheckBox cb_RecRelVis{&tsRecorder, "cb_RecRelVis", "Relay Outputs"};
  TCheckBox cb_RecExtRelVis{&tsRecorder, "cb_RecExtRelVis", "Ext. Relay Outputs"};
  TCheckBox cb_RecPLC_InpVis{&tsRecorder, "cb_RecPLC_InpVis", "PLC Inputs"};
  TCheckBox cb_RecCntrVis{&tsRecorder, "cb_RecCntrVis", "Counters"};
  TCheckBox cb_RecTmrVis{&tsRecorder, "cb_RecTmrVis", "Timers"};
  TCheckBox cb_RecLF_Vis{&tsRecorder, "cb_RecLF_Vis", "Logic Function"};
  TCheckBox cb_RecLatchVis{&tsRecorder, "cb_RecLatchVis", "Latch"};
  TCheckBox cb_RecOtherVis{&tsRecorder, "cb_RecOtherVis", "Other"};
  TCheckBox cb_RecAFVis{&tsRecorder, "cb_RecAFVis", "Alarms"};
  TCheckBox cb_RecTFVis{&tsRecorder, "cb_RecTFVis", "Trips"};
  TCheckBox cb_RecRTDVis{&tsRecorder, "cb_RecRTDVis", "RTDs"};
  TButton bClearScrnSwitch{&tsRecorder, "bClearScrnSwitch", "Clear recorder screen"};
  bool RecorderArmed = false;
  // One sample of every channel; step 10 of the page refresh.
  void RecorderStep();
  void bClearScrnSwitchClick();

  // ==== Settings page: editors, exit checks, access levels, page refresh ====
  void InitSettingsPage();

  // Every editor of the page is a row of the editor table (editors/SettingsEditors.h); the named
  // handlers below are one-liners into the generic code that walks it.

  // -- Thermal capacity --
  TGroupBox gbThermalCap{&tsSettings, "gbThermalCap", "Thermal Capacity (Used)"};
  TLabel labThermalCap{&gbThermalCap, "labThermalCap", "Auctual Level Adjust"};
  TEdit ebThermalCap{&gbThermalCap, "ebThermalCap"};
  TLabel labThermalCapUnit{&gbThermalCap, "labThermalCapUnit", "%"};
  TLabel labTC_ResetThreshold{&gbThermalCap, "labTC_ResetThreshold", "Reset Threshold Level"};
  TEdit ebTC_ResetThreshold{&gbThermalCap, "ebTC_ResetThreshold"};
  TLabel labTC_ResetThresholdUnit{&gbThermalCap, "labTC_ResetThresholdUnit", "%"};

  // -- Motor settings: high speed (or the only motor), low speed --
  TGroupBox gbHighSpeed{&tsSettings, "gbHighSpeed", " High Speed Motor Setting"};
  TLabel labMLCSetting{&gbHighSpeed, "labMLCSetting", "Motor Full Load Setting"};
  TSpinEdit seMLC{&gbHighSpeed, "seMLC"};
  TLabel labMLCUnit{&gbHighSpeed, "labMLCUnit", "%"};
  TLabel labThrmlCurveSel{&gbHighSpeed, "labThrmlCurveSel", "Thermal Curve Class Selector"};
  TSpinEdit seThrmlCurveSel{&gbHighSpeed, "seThrmlCurveSel"};
  TLabel labThrmlCurveSelUnit{&gbHighSpeed, "labThrmlCurveSelUnit", "sec"};
  TGroupBox gbLowSpeed{&tsSettings, "gbLowSpeed", " Low Speed Motor Setting"};
  TLabel labMLC_sec{&gbLowSpeed, "labMLC_sec", "Motor Full Load Setting"};
  TSpinEdit seMLC_sec{&gbLowSpeed, "seMLC_sec"};
  TLabel labMLC_secUnit{&gbLowSpeed, "labMLC_secUnit", "%"};
  TLabel labThrmlCurveSel_sec{&gbLowSpeed, "labThrmlCurveSel_sec", "Thermal Curve Class Selector"};
  TSpinEdit seThrmlCurveSel_sec{&gbLowSpeed, "seThrmlCurveSel_sec"};
  TLabel labThrmlCurveSel_secUnit{&gbLowSpeed, "labThrmlCurveSel_secUnit", "sec"};

  // -- Voltage and supply frequency --
  TGroupBox gbVoltage{&tsSettings, "gbVoltage", "Voltage"};
  TLabel labVSelector{&gbVoltage, "labVSelector", "Line Voltage Selector"};
  TComboBox cbVSelector{&gbVoltage, "cbVSelector"};
  TLabel labV_SymTripLev{&gbVoltage, "labV_SymTripLev", "Voltage Symmetry Trip Level"};
  TSpinEdit seV_SymTripLev{&gbVoltage, "seV_SymTripLev"};
  TLabel labV_SymTripLevUnit{&gbVoltage, "labV_SymTripLevUnit", "%"};
  TLabel labV_LimLo{&gbVoltage, "labV_LimLo", "Low Limit"};
  TSpinEdit seV_LimLo{&gbVoltage, "seV_LimLo"};
  TLabel labV_LimLoUnit{&gbVoltage, "labV_LimLoUnit", "%"};
  TLabel labV_LimHi{&gbVoltage, "labV_LimHi", "High Limit"};
  TSpinEdit seV_LimHi{&gbVoltage, "seV_LimHi"};
  TLabel labV_LimHiUnit{&gbVoltage, "labV_LimHiUnit", "%"};
  TLabel labSetHighFreqLimit{&gbVoltage, "labSetHighFreqLimit", "Frequency High"};
  TSpinEdit seSetHighFreqLimit{&gbVoltage, "seSetHighFreqLimit"};
  TLabel labSetHighFreqLimitUnit{&gbVoltage, "labSetHighFreqLimitUnit", "Hz"};
  TLabel labSetLowFreqLimit{&gbVoltage, "labSetLowFreqLimit", "Low"};
  TSpinEdit seSetLowFreqLimit{&gbVoltage, "seSetLowFreqLimit"};
  TLabel labSetLowFreqLimitUnit{&gbVoltage, "labSetLowFreqLimitUnit", "Hz"};
  TLabel labSetFreqSelector{&gbVoltage, "labSetFreqSelector", "Frequency"};
  TComboBox cbSetFreqSelector{&gbVoltage, "cbSetFreqSelector"};
  TLabel labSetFreqSelectorUnit{&gbVoltage, "labSetFreqSelectorUnit", "Hz"};

  // -- Current unbalance --
  TGroupBox gbUnbalance{&tsSettings, "gbUnbalance", "Unbalance Phase Current"};
  TLabel labUnbalTripLev{&gbUnbalance, "labUnbalTripLev", "Trip Level"};
  TSpinEdit seUnbalTripLev{&gbUnbalance, "seUnbalTripLev"};
  TLabel labUnbalTripLevUnit{&gbUnbalance, "labUnbalTripLevUnit", "%"};
  TLabel labUnbalTripDelay{&gbUnbalance, "labUnbalTripDelay", "Trip Delay"};
  TSpinEdit seUnbalTripDelay{&gbUnbalance, "seUnbalTripDelay"};
  TLabel labUnbalTripDelayUnit{&gbUnbalance, "labUnbalTripDelayUnit", "sec"};

  // -- Minimum load --
  TGroupBox gbMinLoad{&tsSettings, "gbMinLoad", "Minimum Load"};
  TLabel labML_CurrentTripLev{&gbMinLoad, "labML_CurrentTripLev", "Under Current Trip Level"};
  TSpinEdit seML_CurrentTripLev{&gbMinLoad, "seML_CurrentTripLev"};
  TLabel labML_CurrentTripLevUnit{&gbMinLoad, "labML_CurrentTripLevUnit", "%"};
  TLabel labML_PwrFacTripLev{&gbMinLoad, "labML_PwrFacTripLev", "Power Factor Trip Level"};
  TSpinEdit seML_PwrFacTripLev{&gbMinLoad, "seML_PwrFacTripLev"};
  TLabel labML_PwrFacTripLevUnit{&gbMinLoad, "labML_PwrFacTripLevUnit", "%"};
  TLabel labML_TripDelay{&gbMinLoad, "labML_TripDelay", "Runtime Trip Delay"};
  TSpinEdit seML_TripDelay{&gbMinLoad, "seML_TripDelay"};
  TLabel labML_TripDelayUnit{&gbMinLoad, "labML_TripDelayUnit", "sec"};
  TLabel labML_SuTripDelay{&gbMinLoad, "labML_SuTripDelay", "Startup Trip Delay"};
  TSpinEdit seML_SuTripDelay{&gbMinLoad, "seML_SuTripDelay"};
  TLabel labML_SuTripDelayUnit{&gbMinLoad, "labML_SuTripDelayUnit", "sec"};
  TLabel labML_TimeSelector{&gbMinLoad, "labML_TimeSelector", "Restart Delay"};
  TComboBox cbML_TimeSelector{&gbMinLoad, "cbML_TimeSelector"};

  // -- Earth leakage --
  TGroupBox gbEarthLeak{&tsSettings, "gbEarthLeak", "Earth Leakage"};
  TComboBox cbEL_Selector{&gbEarthLeak, "cbEL_Selector"};
  TLabel labEL_TripLev{&gbEarthLeak, "labEL_TripLev", "Trip Level"};
  TEdit ebEL_TripLev{&gbEarthLeak, "ebEL_TripLev"};
  TLabel labEL_TripLevUnit{&gbEarthLeak, "labEL_TripLevUnit", "mA"};
  TLabel Label104{&gbEarthLeak, "Label104", "Trip Delay"};
  TSpinEdit seEL_TripDelay{&gbEarthLeak, "seEL_TripDelay"};
  TLabel Label106{&gbEarthLeak, "Label106", "ms"};

  // -- Start count --
  TGroupBox gbStartCount{&tsSettings, "gbStartCount", "Start Count"};
  TLabel labStartsPerHrLim{&gbStartCount, "labStartsPerHrLim", "Starts per hour allowed"};
  TSpinEdit seStartsPerHrLim{&gbStartCount, "seStartsPerHrLim"};
  TLabel labConsecStartsLim{&gbStartCount, "labConsecStartsLim", "Number of consecutive starts"};
  TSpinEdit seConsecStartsLim{&gbStartCount, "seConsecStartsLim"};

  // -- Run-stall --
  TGroupBox gbRunStall{&tsSettings, "gbRunStall", "Run-Stall"};
  TLabel labRunStallTripLev{&gbRunStall, "labRunStallTripLev", "Trip Level"};
  TSpinEdit seRunStallTripLev{&gbRunStall, "seRunStallTripLev"};
  TLabel labRunStallTripLevUnit{&gbRunStall, "labRunStallTripLevUnit", "%"};
  TLabel labSR_DelayTime{&gbRunStall, "labSR_DelayTime", "Trip Delay"};
  TSpinEdit seSR_DelayTime{&gbRunStall, "seSR_DelayTime"};
  TLabel labSR_DelayTimeUnit{&gbRunStall, "labSR_DelayTimeUnit", "ms"};
  TLabel labRS_HoldOffDelay{&gbRunStall, "labRS_HoldOffDelay", "Trip  Holdoff Delay"};
  TEdit ebRS_HoldOffDelay{&gbRunStall, "ebRS_HoldOffDelay"};
  TLabel labRS_HoldOffDelayUnit{&gbRunStall, "labRS_HoldOffDelayUnit", "sec"};

  // -- Digital field input delays (ms) --
  TGroupBox gbDigFieldDelays{&tsSettings, "gbDigFieldDelays", "Dig Field Inp Delays"};
  TLabel labDF_DelTime_1{&gbDigFieldDelays, "labDF_DelTime_1", "Inp 1"};
  TSpinEdit seDF_DelTime_1{&gbDigFieldDelays, "seDF_DelTime_1"};
  TLabel labDF_DelTime_2{&gbDigFieldDelays, "labDF_DelTime_2", "Inp 2"};
  TSpinEdit seDF_DelTime_2{&gbDigFieldDelays, "seDF_DelTime_2"};
  TLabel labDF_DelTime_3{&gbDigFieldDelays, "labDF_DelTime_3", "Inp 3"};
  TSpinEdit seDF_DelTime_3{&gbDigFieldDelays, "seDF_DelTime_3"};
  TLabel labDF_DelTime_4{&gbDigFieldDelays, "labDF_DelTime_4", "Inp 4"};
  TSpinEdit seDF_DelTime_4{&gbDigFieldDelays, "seDF_DelTime_4"};
  TLabel labDF_DelTime_5{&gbDigFieldDelays, "labDF_DelTime_5", "Inp 5"};
  TSpinEdit seDF_DelTime_5{&gbDigFieldDelays, "seDF_DelTime_5"};
  TLabel labDF_DelTime_6{&gbDigFieldDelays, "labDF_DelTime_6", "Inp 6"};
  TSpinEdit seDF_DelTime_6{&gbDigFieldDelays, "seDF_DelTime_6"};
  TLabel labDF_DelTime_7{&gbDigFieldDelays, "labDF_DelTime_7", "Inp 7"};
  TSpinEdit seDF_DelTime_7{&gbDigFieldDelays, "seDF_DelTime_7"};
  TLabel labDF_DelTimeUnit{&gbDigFieldDelays, "labDF_DelTimeUnit", "ms"};

  // -- Starter type --
  TGroupBox gbStarterType{&tsSettings, "gbStarterType", "Starter Type Selection"};
  TComboBox cbStarterType{&gbStarterType, "cbStarterType"};

  // -- Temperature channels --
  TGroupBox gbTempTripLevels{&tsSettings, "gbTempTripLevels", "Temperature Trip Levels In Deg C"};
  TLabel labRTD1Hi_TripLev{&gbTempTripLevels, "labRTD1Hi_TripLev", "T1 High"};
  TSpinEdit seRTD1Hi_TripLev{&gbTempTripLevels, "seRTD1Hi_TripLev"};
  TLabel labRTD1Lo_TripLev{&gbTempTripLevels, "labRTD1Lo_TripLev", "Low"};
  TSpinEdit seRTD1Lo_TripLev{&gbTempTripLevels, "seRTD1Lo_TripLev"};
  TLabel labRTD2Hi_TripLev{&gbTempTripLevels, "labRTD2Hi_TripLev", "T2 High"};
  TSpinEdit seRTD2Hi_TripLev{&gbTempTripLevels, "seRTD2Hi_TripLev"};
  TLabel labRTD2Lo_TripLev{&gbTempTripLevels, "labRTD2Lo_TripLev", "Low"};
  TSpinEdit seRTD2Lo_TripLev{&gbTempTripLevels, "seRTD2Lo_TripLev"};
  TLabel labRTD3Hi_TripLev{&gbTempTripLevels, "labRTD3Hi_TripLev", "T3 High"};
  TSpinEdit seRTD3Hi_TripLev{&gbTempTripLevels, "seRTD3Hi_TripLev"};
  TLabel labRTD3Lo_TripLev{&gbTempTripLevels, "labRTD3Lo_TripLev", "Low"};
  TSpinEdit seRTD3Lo_TripLev{&gbTempTripLevels, "seRTD3Lo_TripLev"};
  TLabel labRTD4Hi_TripLev{&gbTempTripLevels, "labRTD4Hi_TripLev", "T4 High"};
  TSpinEdit seRTD4Hi_TripLev{&gbTempTripLevels, "seRTD4Hi_TripLev"};
  TLabel labRTD4Lo_TripLev{&gbTempTripLevels, "labRTD4Lo_TripLev", "Low"};
  TSpinEdit seRTD4Lo_TripLev{&gbTempTripLevels, "seRTD4Lo_TripLev"};
  TGroupBox gbRTDType{&tsSettings, "gbRTDType", "Temperature Channel and RTD Type Selection"};
  TCheckBox cbRTD1_Sel{&gbRTDType, "cbRTD1_Sel", "T1 Select"};
  TComboBox cbRTD1_Type{&gbRTDType, "cbRTD1_Type"};
  TCheckBox cbRTD2_Sel{&gbRTDType, "cbRTD2_Sel", "T2 Select"};
  TComboBox cbRTD2_Type{&gbRTDType, "cbRTD2_Type"};
  TCheckBox cbRTD3_Sel{&gbRTDType, "cbRTD3_Sel", "T3 Select"};
  TComboBox cbRTD3_Type{&gbRTDType, "cbRTD3_Type"};
  TCheckBox cbRTD4_Sel{&gbRTDType, "cbRTD4_Sel", "T4 Select"};
  TComboBox cbRTD4_Type{&gbRTDType, "cbRTD4_Type"};
  TCheckBox cbInsClass{&gbRTDType, "cbInsClass", "Force Cooling"};

  // -- Interposing CT ratio: primary " :" secondary --
  TGroupBox gbCTRatio{&tsSettings, "gbCTRatio", "Interposing CT Ratio"};
  TSpinEdit seCT_Prim{&gbCTRatio, "seCT_Prim"};
  TLabel labCT_Sec{&gbCTRatio, "labCT_Sec", " :"};
  TSpinEdit seCT_Sec{&gbCTRatio, "seCT_Sec"};

  // -- Protection function selections (bits of the control bytes) --
  TCheckBox cbMinLoad_Sel{&tsSettings, "cbMinLoad_Sel", "Minimum Load Select"};
  TCheckBox cbUV_Sel{&tsSettings, "cbUV_Sel", "Undervoltage Select"};
  TCheckBox cbOV_Sel{&tsSettings, "cbOV_Sel", "Overvoltage Select"};
  TCheckBox cbVSym_Sel{&tsSettings, "cbVSym_Sel", "Voltage Symmetry Select"};
  TCheckBox cbFailSave_Sel{&tsSettings, "cbFailSave_Sel", "Fail-Safe Select"};
  TCheckBox cbUnbal_Sel{&tsSettings, "cbUnbal_Sel", "Current Unbalance Select"};
  TCheckBox cbPhaseRot_Sel{&tsSettings, "cbPhaseRot_Sel", "Voltage Phase Rotation Select"};
  TCheckBox cbSCirc_Sel{&tsSettings, "cbSCirc_Sel", "Short Circuit Select"};
  TCheckBox cbSP_Sel{&tsSettings, "cbSP_Sel", "Single Phasing Select"};
  TCheckBox cbRunStall_Sel{&tsSettings, "cbRunStall_Sel", "Run Stall Select"};
  TRadioGroup rgUC_PF_Select{&tsSettings, "rgUC_PF_Select", " Minimum Load Detection"};
  TCheckBox cbEarthLeak_dis{&tsSettings, "cbEarthLeak_dis", "Earth Leakage Select"};
  TCheckBox cbLowPassFilter_Sel{&tsSettings, "cbLowPassFilter_Sel", "Moving Average Filter Select"};
  TCheckBox cbIsoLockOut_Dis{&tsSettings, "cbIsoLockOut_Dis", "Insulation Lockout Select"};
  TCheckBox cbFrequency_Sel{&tsSettings, "cbFrequency_Sel", "Frequency Monitoring Select"};
  TCheckBox cbDynTC_ResetTH_Adj_Sel{&tsSettings, "cbDynTC_ResetTH_Adj_Sel",
                                    "Dynamic TCap Reset THold  Adj Select"};
  TCheckBox cbStartsPerHr_Sel{&tsSettings, "cbStartsPerHr_Sel", "Starts per Hour Select"};
  TCheckBox cbV_PhaseRotReverse{&tsSettings, "cbV_PhaseRotReverse",
                                "Reverse V phase Rotation (BWR) Select"};
  TCheckBox cbVectorialStall_Sel{&tsSettings, "cbVectorialStall_Sel", "Vectorial Stall Select"};
  TCheckBox cbAutoThermalReset{&tsSettings, "cbAutoThermalReset", "Auto Thermal Reset Select"};
  TRadioGroup rgMTR_Select{&tsSettings, "rgMTR_Select", " Relay 1 Configuration"};
  TCheckBox cbExpModConnect{&tsSettings, "cbExpModConnect", "Expansion Module Connected"};
  TCheckBox cbFLED_Connect{&tsSettings, "cbFLED_Connect", "FLED Connected"};

  // -- Shown elsewhere, written only by this page's loads --
  TEdit mbCT_Ratio{&tsActual, "mbCT_Ratio"};  // "primary : secondary" of the last settings read
  TEdit mbFreqSelector{&tsActual,
                       "mbFreqSelector"};  // "50Hz" or "60Hz" of the last calibration read

  // -- The Calibration page twins of the frequency editors --
  TGroupBox gbSupplyFrequency{&tsCalibration, "gbSupplyFrequency", " Supply Frequency "};
  TLabel labHighFreqLimit{&gbSupplyFrequency, "labHighFreqLimit", "High Limit :"};
  TSpinEdit seHighFreqLimit{&gbSupplyFrequency, "seHighFreqLimit"};
  TLabel labHighFreqLimitUnit{&gbSupplyFrequency, "labHighFreqLimitUnit", "Hz"};
  TLabel labLowFreqLimit{&gbSupplyFrequency, "labLowFreqLimit", "Low Limit :"};
  TSpinEdit seLowFreqLimit{&gbSupplyFrequency, "seLowFreqLimit"};
  TLabel labLowFreqLimitUnit{&gbSupplyFrequency, "labLowFreqLimitUnit", "Hz"};
  TLabel labFreqSelector{&gbSupplyFrequency, "labFreqSelector", "Supply :"};
  TComboBox cbFreqSelector{&gbSupplyFrequency, "cbFreqSelector"};
  TEdit ebFreqSelector{&gbSupplyFrequency, "ebFreqSelector"};

  // ==== Clock, statistics, description, Bluetooth and calibration pages ====
  void InitRelayDataPages();
  void InitClockPage();
  void InitCalibrationFile();
  // Puts the loaders of the identity, statistics, description and Bluetooth records into the
  // comms setup window.
  void ConnectRelayDataEditors();
  void LoadRelayIDRecordEditors();
  void LoadStatisticsRecordEditors();
  void LoadDescRecordEditors();
  void LoadBluetoothRecordEditors();
  // -- Real Time Clock page --
  // The day's upper bound follows the month and the year, and the day is kept within it.
  void seDateChange();
  // -- Comms + Statistics page --
  TGroupBox gbStatsAdj{&tsStatistics, "gbStatsAdj", " Statistical Data (Adjustable)"};
  TLabel labStartUpCntr{&gbStatsAdj, "labStartUpCntr", "Startup Counter"};
  TEdit ebStartUpCntr{&gbStatsAdj, "ebStartUpCntr"};
  TLabel labTripCntr{&gbStatsAdj, "labTripCntr", "Trip Counter"};
  TEdit ebTripCntr{&gbStatsAdj, "ebTripCntr"};
  TLabel labMotorRunHrCntrAdj{&gbStatsAdj, "labMotorRunHrCntrAdj", "Total Motor Running Hours"};
  TEdit ebMotorRunHrCntr{&gbStatsAdj, "ebMotorRunHrCntr"};
  TLabel labFL_RunHrCntr{&gbStatsAdj, "labFL_RunHrCntr", "Motor Full Load Running Hours"};
  TEdit ebFL_RunHrCntr{&gbStatsAdj, "ebFL_RunHrCntr"};
  TLabel labRelayRunHrCntr{&gbStatsAdj, "labRelayRunHrCntr", "Drive Available Hours"};
  TEdit ebRelayRunHrCntr{&gbStatsAdj, "ebRelayRunHrCntr"};
  TLabel labPwrConsume{&gbStatsAdj, "labPwrConsume", "Apparent Power Consumption"};
  TEdit ebPwrConsume{&gbStatsAdj, "ebPwrConsume"};
  TLabel labPwrConsumeUnit{&gbStatsAdj, "labPwrConsumeUnit", "kV.A.h"};
  TLabel labRealPwrConsume{&gbStatsAdj, "labRealPwrConsume", "Real Power Consumption"};
  TEdit ebRealPwrConsume{&gbStatsAdj, "ebRealPwrConsume"};
  TLabel labRealPwrConsumeUnit{&gbStatsAdj, "labRealPwrConsumeUnit", "kWatt.h"};
  // The statistics edit mode's two-step button and its lamp.
  TButton bTxStatistics{&gbStatsAdj, "bTxStatistics", "Change relay data"};
  TiLedRectangle iLedStatsStatus{&gbStatsAdj, "iLedStatsStatus", "On Line"};
  TGroupBox gbStatsRO{&tsStatistics, "gbStatsRO", " Statistical Data (Read Only)"};
  TLabel labRunHrCntr{&gbStatsRO, "labRunHrCntr", "Total Motor Running Hours"};
  TEdit mbRunHrCntr{&gbStatsRO, "mbRunHrCntr"};
  TLabel labRunHrNote{&gbStatsRO, "labRunHrNote",
                      "(Please note: Counter will reset after 65535 hours)"};
  TLabel labStartUpTime{&gbStatsRO, "labStartUpTime", "Start up date and time"};
  TEdit mbStartUpTime{&gbStatsRO, "mbStartUpTime"};
  TGroupBox gbUserData{&tsStatistics, "gbUserData", " User Defined Data"};
  TLabel labUserName{&gbUserData, "labUserName", "Description of drive unit :"};
  TEdit ebUserName{&gbUserData, "ebUserName"};
  TLabel labDriveID{&gbUserData, "labDriveID", "Unique Drive ID :"};
  TEdit ebDriveID{&gbUserData, "ebDriveID"};
  TButton pbUserName{&gbUserData, "pbUserName", "Transmit data to relay"};
  TButton btRxUserName{&gbUserData, "btRxUserName", "Read data from relay"};
  TGroupBox gbBluetooth{&tsStatistics, "gbBluetooth", "Bluetooth Settings"};
  TLabel labPinCode{&gbBluetooth, "labPinCode", "Pin Code:"};
  TEdit ebPinCode{&gbBluetooth, "ebPinCode"};
  TButton btTxBluetooth{&gbBluetooth, "btTxBluetooth", "Transmit Bluetooth settings to relay"};
  TButton btRxBluetooth{&gbBluetooth, "btRxBluetooth", "Read Bluetooth settings from relay"};
  // -- Actual page: the drive and relay identity as last confirmed --
  TGroupBox gbActIdentity{&tsActual, "gbActIdentity", " Drive "};
  TLabel labSerialNum{&gbActIdentity, "labSerialNum", "Serial Number"};
  TEdit mbSerialNum{&gbActIdentity, "mbSerialNum"};
  TLabel labUserNameAct{&gbActIdentity, "labUserNameAct", "Description"};
  TEdit mbUserName{&gbActIdentity, "mbUserName"};
  TLabel labDriveIDAct{&gbActIdentity, "labDriveIDAct", "Drive ID"};
  TEdit mbDriveID{&gbActIdentity, "mbDriveID"};
  // -- Calibration page --
  TGroupBox gbCalFactors{&tsCalibration, "gbCalFactors", " Correction Factors (%) "};
  TLabel labVredCorrectFact{&gbCalFactors, "labVredCorrectFact", "V_red Correction Factor"};
  TSpinEdit seVredCorrectFact{&gbCalFactors, "seVredCorrectFact"};
  TLabel labVwhiteCorrectFact{&gbCalFactors, "labVwhiteCorrectFact", "V_white Correction Factor"};
  TSpinEdit seVwhiteCorrectFact{&gbCalFactors, "seVwhiteCorrectFact"};
  TLabel labVblueCorrectFact{&gbCalFactors, "labVblueCorrectFact", "V_blue Correction Factor"};
  TSpinEdit seVblueCorrectFact{&gbCalFactors, "seVblueCorrectFact"};
  TLabel labIr_CorrectFact{&gbCalFactors, "labIr_CorrectFact", "I_red Correction Factor"};
  TSpinEdit seIr_CorrectFact{&gbCalFactors, "seIr_CorrectFact"};
  TLabel labIw_CorrectFact{&gbCalFactors, "labIw_CorrectFact", "I_white Correction Factor"};
  TSpinEdit seIw_CorrectFact{&gbCalFactors, "seIw_CorrectFact"};
  TLabel labIb_CorrectFact{&gbCalFactors, "labIb_CorrectFact", "I_blue Correction Factor"};
  TSpinEdit seIb_CorrectFact{&gbCalFactors, "seIb_CorrectFact"};
  TLabel labEarthLeakCorrectFact{&gbCalFactors, "labEarthLeakCorrectFact",
                                 "Earth Leak Correction Factor"};
  TSpinEdit seEarthLeakCorrectFact{&gbCalFactors, "seEarthLeakCorrectFact"};
  TGroupBox gbRTDOffsets{&tsCalibration, "gbRTDOffsets", " RTD Channel Offsets "};
  TLabel labRTD1_PT100_Offset{&gbRTDOffsets, "labRTD1_PT100_Offset", "RTD 1 (PT100) Offset"};
  TSpinEdit seRTD1_PT100_Offset{&gbRTDOffsets, "seRTD1_PT100_Offset"};
  TLabel labRTD1_PT1000_Offset{&gbRTDOffsets, "labRTD1_PT1000_Offset", "RTD 1 (PT1000) Offset"};
  TSpinEdit seRTD1_PT1000_Offset{&gbRTDOffsets, "seRTD1_PT1000_Offset"};
  TLabel labRTD2_PT100_Offset{&gbRTDOffsets, "labRTD2_PT100_Offset", "RTD 2 (PT100) Offset"};
  TSpinEdit seRTD2_PT100_Offset{&gbRTDOffsets, "seRTD2_PT100_Offset"};
  TLabel labRTD2_PT1000_Offset{&gbRTDOffsets, "labRTD2_PT1000_Offset", "RTD 2 (PT1000) Offset"};
  TSpinEdit seRTD2_PT1000_Offset{&gbRTDOffsets, "seRTD2_PT1000_Offset"};
  TLabel labRTD3_PT100_Offset{&gbRTDOffsets, "labRTD3_PT100_Offset", "RTD 3 (PT100) Offset"};
  TSpinEdit seRTD3_PT100_Offset{&gbRTDOffsets, "seRTD3_PT100_Offset"};
  TLabel labRTD3_PT1000_Offset{&gbRTDOffsets, "labRTD3_PT1000_Offset", "RTD 3 (PT1000) Offset"};
  TSpinEdit seRTD3_PT1000_Offset{&gbRTDOffsets, "seRTD3_PT1000_Offset"};
  TLabel labRTD4_PT100_Offset{&gbRTDOffsets, "labRTD4_PT100_Offset", "RTD 4 (PT100) Offset"};
  TSpinEdit seRTD4_PT100_Offset{&gbRTDOffsets, "seRTD4_PT100_Offset"};
  TLabel labRTD4_PT1000_Offset{&gbRTDOffsets, "labRTD4_PT1000_Offset", "RTD 4 (PT1000) Offset"};
  TSpinEdit seRTD4_PT1000_Offset{&gbRTDOffsets, "seRTD4_PT1000_Offset"};
  TGroupBox gbRelayID{&tsCalibration, "gbRelayID", " Relay ID "};
  TLabel labRelayModel{&gbRelayID, "labRelayModel", "Relay Model Number"};
  TComboBox cbRelayModel{&gbRelayID, "cbRelayModel"};
  TLabel labSerialNumber{&gbRelayID, "labSerialNumber", "Relay Serial Number"};
  TEdit ebSerialNumber{&gbRelayID, "ebSerialNumber"};
  TButton bWriteCalbDisk{&tsCalibration, "bWriteCalbDisk", "Write calibration data to disk"};
  TButton bReadCalbData{&tsCalibration, "bReadCalbData", "Read calibration data from disk"};
  TSaveDialog SaveDialogCalb;
  TOpenDialog OpenDialogCalb;
  // The calibration file: 16 lines, written whole; a file is read and checked whole before any
  // editor changes, and a bad one changes nothing.
  void bWriteCalbDiskClick();
  void bReadCalbDataClick();
  // Named handlers the settings file reader calls.
  void seVredCorrectFactChange();
  void seVwhiteCorrectFactChange();
  void seVblueCorrectFactChange();
  void seIr_CorrectFactChange();
  void seIw_CorrectFactChange();
  void seIb_CorrectFactChange();
  void seEarthLeakCorrectFactChange();
  void seRTD1_PT100_OffsetChange();
  void seRTD1_PT1000_OffsetChange();
  void seRTD2_PT100_OffsetChange();
  void seRTD2_PT1000_OffsetChange();
  void seRTD3_PT100_OffsetChange();
  void seRTD3_PT1000_OffsetChange();
  void seRTD4_PT100_OffsetChange();
  void seRTD4_PT1000_OffsetChange();
  void cbRelayModelChange();
  void ebSerialNumberChange();
  void ebUserNameChange();
  void ebDriveIDChange();
  void ebpinCodeChange();
  // ==== end of the clock, statistics and calibration pages ====

  TButton bTxSettings{&tsSettings, "bTxSettings", "Transmit frontend settings to relay"};
  TButton bReadSetFromRelay{&tsSettings, "bReadSetFromRelay", "Read settings from relay"};
  TPanel panelLockCalb{&tsCalibration, "panelLockCalb"};
  TButton bCalbLock{&panelLockCalb, "bCalbLock", "Unlock calibration facility"};

  // ---- Generic editor code, driven by the editor table ----
  // The change (or click) of an editor: writes its send-column cell and runs its special rule.
  void SettingChange(const TControl& editor);
  // The exit check of an editor (nothing for an editor without one).
  void SettingExit(const TControl& editor);
  // Key filter of the digit-only edits: Backspace and "0".."9" pass.
  static void DigitKeyFilter(char& Key);
  // Puts the page's hooks into the comms setup window: the settings read (and the frequency rows of
  // the calibration read) then load the editors.
  void ConnectSettingsEditors();
  // What those hooks run: the received column into the editors.
  void LoadSettingsRecordEditors();
  void LoadFrequencyEditors();
  void tsSettingsShow();
  void bCalbLockClick();

  // ---- Named handlers ----
  void ebThermalCapChange();
  void seThrmlCurveSelChange();
  void cbVSelectorChange();
  void seV_SymTripLevChange();
  void seUnbalTripLevChange();
  void seUnbalTripDelayChange();
  void seML_CurrentTripLevChange();
  void seML_TripDelayChange();
  void ebEL_TripLevChange();
  void seEL_TripDelayChange();
  void cbEL_SelectorChange();
  void seStartsPerHrLimChange();
  void seML_SuTripDelayChange();
  void ebTC_ResetThresholdChange();
  void seConsecStartsLimChange();
  void seRunStallTripLevChange();
  void cbML_TimeSelectorChange();
  void seML_PwrFacTripLevChange();
  void seMLCChange();
  void ebRS_HoldOffDelayChange();
  void seDF_DelTime_1Change();
  void seDF_DelTime_2Change();
  void seDF_DelTime_3Change();
  void seDF_DelTime_4Change();
  void seDF_DelTime_5Change();
  void seDF_DelTime_6Change();
  void seDF_DelTime_7Change();
  void seSR_DelayTimeChange();
  void cbStarterTypeChange();
  void seV_LimLoChange();
  void seV_LimHiChange();
  void seMLC_secChange();
  void seThrmlCurveSel_secChange();
  void seRTD1Hi_TripLevChange();
  void seRTD2Hi_TripLevChange();
  void seRTD3Hi_TripLevChange();
  void seRTD4Hi_TripLevChange();
  void seRTD1Lo_TripLevChange();
  void seRTD2Lo_TripLevChange();
  void seRTD3Lo_TripLevChange();
  void seRTD4Lo_TripLevChange();
  void cbRTD1_TypeChange();
  void cbRTD2_TypeChange();
  void cbRTD3_TypeChange();
  void cbRTD4_TypeChange();
  void seCT_PrimChange();
  void seCT_SecChange();
  void seSetHighFreqLimitChange();
  void seSetLowFreqLimitChange();
  void cbSetFreqSelectorChange();
  void seHighFreqLimitChange();
  void seLowFreqLimitChange();
  void cbFreqSelectorChange();

  void cbMinLoad_SelClick();
  void cbUV_SelClick();
  void cbOV_SelClick();
  void cbVSym_SelClick();
  void cbFailSave_SelClick();
  void cbUnbal_SelClick();
  void cbPhaseRot_SelClick();
  void cbSCirc_SelClick();
  void cbSP_SelClick();
  void cbRunStall_SelClick();
  void rgUC_PF_SelectClick();
  void cbEarthLeak_disClick();
  void cbLowPassFilter_SelClick();
  void cbIsoLockOut_DisClick();
  void cbFrequency_SelClick();
  void cbDynTC_ResetTH_Adj_SelClick();
  void cbStartsPerHr_SelClick();
  void cbV_PhaseRotReverseClick();
  void cbVectorialStall_SelClick();
  void cbAutoThermalResetClick();
  void rgMTR_SelectClick();
  void cbExpModConnectClick();
  void cbFLED_ConnectClick();
  void cbRTD1_SelClick();
  void cbRTD2_SelClick();
  void cbRTD3_SelClick();
  void cbRTD4_SelClick();
  void cbInsClassClick();

  void seUnbalTripLevExit();
  void seUnbalTripDelayExit();
  void seV_SymTripLevExit();
  void seStartsPerHrLimExit();
  void seConsecStartsLimExit();
  void seMLCExit();
  void seThrmlCurveSelExit();
  void seMLC_secExit();
  void seThrmlCurveSel_secExit();
  void seML_CurrentTripLevExit();
  void seML_PwrFacTripLevExit();
  void seML_SuTripDelayExit();
  void seML_TripDelayExit();
  void seEL_TripDelayExit();
  void seSetHighFreqLimitExit();
  void seSetLowFreqLimitExit();
  void seV_LimHiExit();
  void seV_LimLoExit();
  void seRTD1Hi_TripLevExit();
  void seRTD2Hi_TripLevExit();
  void seRTD3Hi_TripLevExit();
  void seRTD4Hi_TripLevExit();
  void seRTD1Lo_TripLevExit();
  void seRTD2Lo_TripLevExit();
  void seRTD3Lo_TripLevExit();
  void seRTD4Lo_TripLevExit();
  void seCT_SecExit();
  void seDF_DelTime_1Exit();
  void seDF_DelTime_2Exit();
  void seDF_DelTime_3Exit();
  void seDF_DelTime_4Exit();
  void seDF_DelTime_5Exit();
  void seDF_DelTime_6Exit();
  void seDF_DelTime_7Exit();
  void ebThermalCapExit();
  void ebTC_ResetThresholdExit();
  void ebRS_HoldOffDelayExit();
  void ebEL_TripLevExit();
  void seHighFreqLimitExit();
  void seLowFreqLimitExit();
  void ebEL_TripLevKeyPress(char& Key);
  void ebRS_HoldOffDelayKeyPress(char& Key);

  // ==== Starter Configuration and External Modules pages: editors and the starter display ====
  // Every editor is a row of its page's editor table (editors/SettingsEditors.h); the named
  // handlers are one-liners into the generic editor code.
  void InitStarterPages();
  // The received column of the starter record (external module record) into the page's editors.
  void LoadStarterRecordEditors();
  void LoadExtModuleRecordEditors();
  // Fills the starter display (and the Settings page's motor groups) from cbStarterType.
  void StarterTypeDisplay();

  // -- Starter type and what its outputs and start signals do --
  TGroupBox gbStarterTypeShown{&tsStarters, "gbStarterTypeShown", " Starter Type"};
  TEdit mbStarterType{&gbStarterTypeShown, "mbStarterType"};
  TLabel labStarterOP_1Title{&gbStarterOutputs, "labStarterOP_1Title", "Starter OP_1 :"};
  TLabel LabStarterOP_1{&gbStarterOutputs, "LabStarterOP_1", "( )"};
  TLabel labStarterOP_2Title{&gbStarterOutputs, "labStarterOP_2Title", "Starter OP_2 :"};
  TLabel LabStarterOP_2{&gbStarterOutputs, "LabStarterOP_2", "( )"};
  TLabel labStarterOP_3Title{&gbStarterOutputs, "labStarterOP_3Title", "Starter OP_3 :"};
  TLabel LabStarterOP_3{&gbStarterOutputs, "LabStarterOP_3", "( )"};
  TLabel labStarterOP_4Title{&gbStarterOutputs, "labStarterOP_4Title", "Starter OP_4 :"};
  TLabel labStarterOP_4{&gbStarterOutputs, "labStarterOP_4", "( )"};
  TLabel labStarterOP_5Title{&gbStarterOutputs, "labStarterOP_5Title", "Starter OP_5 :"};
  TLabel labStarterOP_5{&gbStarterOutputs, "labStarterOP_5", "( )"};
  TGroupBox gbStartAssignment{&tsStarters, "gbStartAssignment", " Starter Input Assignment"};
  TLabel labS1{&gbStartAssignment, "labS1", "Start >>"};
  TLabel stS1{&gbStartAssignment, "stS1", "   "};
  TLabel labS2{&gbStartAssignment, "labS2", "Start >"};
  TLabel stS2{&gbStartAssignment, "stS2", "   "};
  TLabel labS3{&gbStartAssignment, "labS3", "Start <<"};
  TLabel stS3{&gbStartAssignment, "stS3", "   "};
  TLabel labS4{&gbStartAssignment, "labS4", "Start <"};
  TLabel stS4{&gbStartAssignment, "stS4", "   "};

  // -- Location selector: two inputs forming the location code --
  TGroupBox gbLocationSelector{&tsStarters, "gbLocationSelector", " Location Selector"};
  TLabel stLocationCodes{&gbLocationSelector, "stLocationCodes",
                         " Local Field = 00,  Remote Field = 01,  Auto = 10, Operator Panel = 11"};
  TLabel labControlSelectorLsb{&gbLocationSelector, "labControlSelectorLsb", "Input (lsb)"};
  TComboBox cbControlSelectorLsb{&gbLocationSelector, "cbControlSelectorLsb"};
  TLabel labControlSelectorMsb{&gbLocationSelector, "labControlSelectorMsb", "Input (msb)"};
  TComboBox cbControlSelectorMsb{&gbLocationSelector, "cbControlSelectorMsb"};

  // -- Start, interlock and stop inputs of the three control locations --
  TGroupBox gbLocal{&tsStarters, "gbLocal", " Local"};
  TLabel labLocStart_Ff{&gbLocal, "labLocStart_Ff", "Start >>"};
  TComboBox cbLocStart_Ff{&gbLocal, "cbLocStart_Ff"};
  TLabel labLocStart_Fs{&gbLocal, "labLocStart_Fs", "Start >"};
  TComboBox cbLocStart_Fs{&gbLocal, "cbLocStart_Fs"};
  TLabel labLocStart_Rf{&gbLocal, "labLocStart_Rf", "Start <<"};
  TComboBox cbLocStart_Rf{&gbLocal, "cbLocStart_Rf"};
  TLabel labLocStart_Rs{&gbLocal, "labLocStart_Rs", "Start <"};
  TComboBox cbLocStart_Rs{&gbLocal, "cbLocStart_Rs"};
  TLabel labLocInterlock{&gbLocal, "labLocInterlock", "Interlock"};
  TComboBox cbLocInterlock{&gbLocal, "cbLocInterlock"};
  TLabel labLocStop{&gbLocal, "labLocStop", "Stop"};
  TComboBox cbLocStop{&gbLocal, "cbLocStop"};
  TGroupBox gbRemote{&tsStarters, "gbRemote", " Remote"};
  TLabel labRemStart_Ff{&gbRemote, "labRemStart_Ff", "Start >>"};
  TComboBox cbRemStart_Ff{&gbRemote, "cbRemStart_Ff"};
  TLabel labRemStart_Fs{&gbRemote, "labRemStart_Fs", "Start >"};
  TComboBox cbRemStart_Fs{&gbRemote, "cbRemStart_Fs"};
  TLabel labRemStart_Rf{&gbRemote, "labRemStart_Rf", "Start <<"};
  TComboBox cbRemStart_Rf{&gbRemote, "cbRemStart_Rf"};
  TLabel labRemStart_Rs{&gbRemote, "labRemStart_Rs", "Start <"};
  TComboBox cbRemStart_Rs{&gbRemote, "cbRemStart_Rs"};
  TLabel labRemInterlock{&gbRemote, "labRemInterlock", "Interlock"};
  TComboBox cbRemInterlock{&gbRemote, "cbRemInterlock"};
  TLabel labRemStop{&gbRemote, "labRemStop", "Stop"};
  TComboBox cbRemStop{&gbRemote, "cbRemStop"};
  TGroupBox gbAuto{&tsStarters, "gbAuto", " Auto"};
  TLabel labAutoStart_Ff{&gbAuto, "labAutoStart_Ff", "Start >>"};
  TComboBox cbAutoStart_Ff{&gbAuto, "cbAutoStart_Ff"};
  TLabel labAutoStart_Fs{&gbAuto, "labAutoStart_Fs", "Start >"};
  TComboBox cbAutoStart_Fs{&gbAuto, "cbAutoStart_Fs"};
  TLabel labAutoStart_Rf{&gbAuto, "labAutoStart_Rf", "Start <<"};
  TComboBox cbAutoStart_Rf{&gbAuto, "cbAutoStart_Rf"};
  TLabel labAutoStart_Rs{&gbAuto, "labAutoStart_Rs", "Start <"};
  TComboBox cbAutoStart_Rs{&gbAuto, "cbAutoStart_Rs"};
  TLabel labAutoInterlock{&gbAuto, "labAutoInterlock", "Interlock"};
  TComboBox cbAutoInterlock{&gbAuto, "cbAutoInterlock"};
  TLabel labAutoStop{&gbAuto, "labAutoStop", "Stop"};
  TComboBox cbAutoStop{&gbAuto, "cbAutoStop"};

  // -- Starter timers and the switchgear's feedback signal --
  TGroupBox gbStarterTimers{&tsStarters, "gbStarterTimers", " Starter Timer Settings"};
  TLabel labPreWarnTime{&gbStarterTimers, "labPreWarnTime", "Pre Start Warning Time :"};
  TSpinEdit sePreWarnTime{&gbStarterTimers, "sePreWarnTime"};
  TLabel labPreWarnTimeUnit{&gbStarterTimers, "labPreWarnTimeUnit", "sec"};
  TLabel labExecTime{&gbStarterTimers, "labExecTime", "ExecutionTime :"};
  TSpinEdit seExecTime{&gbStarterTimers, "seExecTime"};
  TLabel labExecTimeUnit{&gbStarterTimers, "labExecTimeUnit", "sec"};
  TLabel labFeedbackTime{&gbStarterTimers, "labFeedbackTime", "Feedback Time :"};
  TSpinEdit seFeedbackTime{&gbStarterTimers, "seFeedbackTime"};
  TLabel labFeedbackTimeUnit{&gbStarterTimers, "labFeedbackTimeUnit", "ms"};
  TLabel labBackSpinTime{&gbStarterTimers, "labBackSpinTime", "Backspin Time :"};
  TSpinEdit seBackSpinTime{&gbStarterTimers, "seBackSpinTime"};
  TLabel labBackSpinTimeUnit{&gbStarterTimers, "labBackSpinTimeUnit", "sec"};
  TLabel labDC_BreakTime{&gbStarterTimers, "labDC_BreakTime", "DC Braking Time :"};
  TSpinEdit seDC_BreakTime{&gbStarterTimers, "seDC_BreakTime"};
  TLabel labDC_BreakTimeUnit{&gbStarterTimers, "labDC_BreakTimeUnit", "ms"};
  TLabel labRestartTime{&gbStarterTimers, "labRestartTime", "* Restart Time :"};
  TSpinEdit seRestartTime{&gbStarterTimers, "seRestartTime"};
  TLabel labRestartTimeUnit{&gbStarterTimers, "labRestartTimeUnit", "sec"};
  TLabel labStarMaxTime{&gbStarterTimers, "labStarMaxTime", "Star Maximum Time :"};
  TSpinEdit seStarMaxTime{&gbStarterTimers, "seStarMaxTime"};
  TLabel labStarMaxTimeUnit{&gbStarterTimers, "labStarMaxTimeUnit", "sec"};
  TLabel labTransitionTime{&gbStarterTimers, "labTransitionTime", "Transition Time :"};
  TSpinEdit seTransitionTime{&gbStarterTimers, "seTransitionTime"};
  TLabel labTransitionTimeUnit{&gbStarterTimers, "labTransitionTimeUnit", "ms"};
  TLabel labFrozenContactTime{&gbStarterTimers, "labFrozenContactTime",
                              "Unautherised current Time :"};
  TSpinEdit seFrozenContactTime{&gbStarterTimers, "seFrozenContactTime"};
  TLabel labFrozenContactTimeUnit{&gbStarterTimers, "labFrozenContactTimeUnit", "ms"};
  TLabel labFeedback{&tsStarters, "labFeedback", "---->  Feedback Signal from Switchgear"};
  TComboBox cbFeedback{&tsStarters, "cbFeedback"};

  // -- External Modules page: input delays of the expansion module's field inputs (ms) --
  TGroupBox gbExtDigFieldDelays{&tsExtIO, "gbExtDigFieldDelays", " Dig Field Inp Delays"};
  TLabel labDF_DelTime_8{&gbExtDigFieldDelays, "labDF_DelTime_8", "Inp 8"};
  TSpinEdit seDF_DelTime_8{&gbExtDigFieldDelays, "seDF_DelTime_8"};
  TLabel labDF_DelTime_9{&gbExtDigFieldDelays, "labDF_DelTime_9", "Inp 9"};
  TSpinEdit seDF_DelTime_9{&gbExtDigFieldDelays, "seDF_DelTime_9"};
  TLabel labDF_DelTime_10{&gbExtDigFieldDelays, "labDF_DelTime_10", "Inp 10"};
  TSpinEdit seDF_DelTime_10{&gbExtDigFieldDelays, "seDF_DelTime_10"};
  TLabel labDF_DelTime_11{&gbExtDigFieldDelays, "labDF_DelTime_11", "Inp 11"};
  TSpinEdit seDF_DelTime_11{&gbExtDigFieldDelays, "seDF_DelTime_11"};
  TLabel labDF_DelTime_12{&gbExtDigFieldDelays, "labDF_DelTime_12", "Inp 12"};
  TSpinEdit seDF_DelTime_12{&gbExtDigFieldDelays, "seDF_DelTime_12"};
  TLabel labDF_DelTime_13{&gbExtDigFieldDelays, "labDF_DelTime_13", "Inp 13"};
  TSpinEdit seDF_DelTime_13{&gbExtDigFieldDelays, "seDF_DelTime_13"};
  TLabel labDF_DelTime_14{&gbExtDigFieldDelays, "labDF_DelTime_14", "Inp 14"};
  TSpinEdit seDF_DelTime_14{&gbExtDigFieldDelays, "seDF_DelTime_14"};
  TLabel labDF_DelTime_15{&gbExtDigFieldDelays, "labDF_DelTime_15", "Inp 15"};
  TSpinEdit seDF_DelTime_15{&gbExtDigFieldDelays, "seDF_DelTime_15"};
  TLabel labExtDF_DelTimeUnit{&gbExtDigFieldDelays, "labExtDF_DelTimeUnit", "ms"};

  // ---- Named handlers ----
  void cbControlSelectorLsbChange();
  void cbControlSelectorMsbChange();
  void cbLocStart_FfChange();
  void cbLocStart_FsChange();
  void cbLocStart_RfChange();
  void cbLocStart_RsChange();
  void cbLocInterlockChange();
  void cbLocStopChange();
  void cbRemStart_FfChange();
  void cbRemStart_FsChange();
  void cbRemStart_RfChange();
  void cbRemStart_RsChange();
  void cbRemInterlockChange();
  void cbRemStopChange();
  void cbAutoStart_FfChange();
  void cbAutoStart_FsChange();
  void cbAutoStart_RfChange();
  void cbAutoStart_RsChange();
  void cbAutoInterlockChange();
  void cbAutoStopChange();
  void sePreWarnTimeChange();
  void seExecTimeChange();
  void seFeedbackTimeChange();
  void seBackSpinTimeChange();
  void seDC_BreakTimeChange();
  void seRestartTimeChange();
  void seStarMaxTimeChange();
  void seTransitionTimeChange();
  void seFrozenContactTimeChange();
  void cbFeedbackChange();
  void sePreWarnTimeExit();
  void seExecTimeExit();
  void seFeedbackTimeExit();
  void seBackSpinTimeExit();
  void seDC_BreakTimeExit();
  void seRestartTimeExit();
  void seStarMaxTimeExit();
  void seTransitionTimeExit();
  void seFrozenContactTimeExit();
  void seDF_DelTime_8Change();
  void seDF_DelTime_9Change();
  void seDF_DelTime_10Change();
  void seDF_DelTime_11Change();
  void seDF_DelTime_12Change();
  void seDF_DelTime_13Change();
  void seDF_DelTime_14Change();
  void seDF_DelTime_15Change();
  // ==== Communication module: basic comms settings, the comms data block page, fieldbus status
  // ====
  // ---- Basic comms settings (relays before the extended revision), on the statistics page ----
  TGroupBox gbOldCommsSet{&tsStatistics, "gbOldCommsSet", " Communication Settings"};
  TLabel labCommsProtocol{&gbOldCommsSet, "labCommsProtocol", "Protocol :"};
  TComboBox cbCommsProtocol{&gbOldCommsSet, "cbCommsProtocol"};
  TLabel Label94{&gbOldCommsSet, "Label94", "Address :"};
  TSpinEdit seCommsAddr{&gbOldCommsSet, "seCommsAddr", 0, 126, 0};
  TGroupBox gbProfibus{&gbOldCommsSet, "gbProfibus", "Profibus"};
  TLabel labProfiDPGSD{&gbProfibus, "labProfiDPGSD", "GSD Supported"};
  TComboBox cbProfiDPGSD{&gbProfibus, "cbProfiDPGSD"};
  TGroupBox gbModbus{&gbOldCommsSet, "gbModbus", "Modbus - RTU"};
  TLabel labModbusBaudRate{&gbModbus, "labModbusBaudRate", "Baud Rate"};
  TComboBox cbModbusBaudRate{&gbModbus, "cbModbusBaudRate"};
  TLabel labModbusBaudUnit{&gbModbus, "labModbusBaudUnit", "kbps"};
  TLabel labModbusTimeOut{&gbModbus, "labModbusTimeOut", "Timeout"};
  TSpinEdit seModbusTimeOut{&gbModbus, "seModbusTimeOut", 0, 200, 0};
  TLabel labModbusTimeOutUnit{&gbModbus, "labModbusTimeOutUnit", "Sec."};
  TGroupBox gbCANbus{&gbOldCommsSet, "gbCANbus", "CANbus"};
  TLabel labBaudRate{&gbCANbus, "labBaudRate", "Baud Rate :"};
  TComboBox cbBaudRate{&gbCANbus, "cbBaudRate"};
  TLabel labBaudRateUnit{&gbCANbus, "labBaudRateUnit", "kbps"};
  TLabel labCommsStrucSel{&gbCANbus, "labCommsStrucSel", "Structure selection :"};
  TComboBox cbCommsStrucSel{&gbCANbus, "cbCommsStrucSel"};
  TLabel labCommsIdentifierType{&gbCANbus, "labCommsIdentifierType", "Identifier type :"};
  TComboBox cbCommsIdentifierType{&gbCANbus, "cbCommsIdentifierType"};
  TLabel labCommsCommandBaseAddr{&gbCANbus, "labCommsCommandBaseAddr", "Command base address :"};
  TSpinEdit seCommsCommandBaseAddr{&gbCANbus, "seCommsCommandBaseAddr", 0, 65535, 0};
  TLabel labCommsActualBaseAddr{&gbCANbus, "labCommsActualBaseAddr", "Actual base address :"};
  TSpinEdit seCommsActualBaseAddr{&gbCANbus, "seCommsActualBaseAddr", 0, 65535, 0};
  TLabel labCommsSettingBaseAddr{&gbCANbus, "labCommsSettingBaseAddr", "Setting base address :"};
  TSpinEdit seCommsSettingBaseAddr{&gbCANbus, "seCommsSettingBaseAddr", 0, 65535, 0};
  TButton bCommSettings{&gbOldCommsSet, "bCommSettings", "Transmit comms settings to relay "};
  TButton btRxCommsData{&gbOldCommsSet, "btRxCommsData", "Read comms settings from relay "};
  TGroupBox gbProfibusDPStat{&tsStatistics, "gbProfibusDPStat", "Comms  Performance Statistics "};
  TLabel labmbProfiDPCyclicTime{&gbProfibusDPStat, "labmbProfiDPCyclicTime", "Cyclic Time"};
  TEdit mbProfiDPCyclicTime{&gbProfibusDPStat, "mbProfiDPCyclicTime"};
  TLabel labmbProfiDPCycTimePosDev{&gbProfibusDPStat, "labmbProfiDPCycTimePosDev",
                                   "Pos. Deviation"};
  TEdit mbProfiDPCycTimePosDev{&gbProfibusDPStat, "mbProfiDPCycTimePosDev"};
  TLabel labmbProfiDPCycTimeNegDev{&gbProfibusDPStat, "labmbProfiDPCycTimeNegDev",
                                   "Neg. Deviation"};
  TEdit mbProfiDPCycTimeNegDev{&gbProfibusDPStat, "mbProfiDPCycTimeNegDev"};
  TLabel labmbProfiDPCommsModStat_0{&gbProfibusDPStat, "labmbProfiDPCommsModStat_0", "Baud Rate"};
  TEdit mbProfiDPCommsModStat_0{&gbProfibusDPStat, "mbProfiDPCommsModStat_0"};
  TLabel labmbProfiDPCommsModStat_1{&gbProfibusDPStat, "labmbProfiDPCommsModStat_1", "VPC Rev."};
  TEdit mbProfiDPCommsModStat_1{&gbProfibusDPStat, "mbProfiDPCommsModStat_1"};
  TLabel labmbProfiDPCommsModStat_2{&gbProfibusDPStat, "labmbProfiDPCommsModStat_2", "DP State"};
  TEdit mbProfiDPCommsModStat_2{&gbProfibusDPStat, "mbProfiDPCommsModStat_2"};
  TLabel labmbProfiDPCommsModStat_3{&gbProfibusDPStat, "labmbProfiDPCommsModStat_3",
                                    "Watchdog State"};
  TEdit mbProfiDPCommsModStat_3{&gbProfibusDPStat, "mbProfiDPCommsModStat_3"};
  TLabel labmbProfiDPCommsModStat_6{&gbProfibusDPStat, "labmbProfiDPCommsModStat_6",
                                    "VPC Stack Rev."};
  TEdit mbProfiDPCommsModStat_6{&gbProfibusDPStat, "mbProfiDPCommsModStat_6"};
  TLabel labmbProfiDPCommsModStat_7{&gbProfibusDPStat, "labmbProfiDPCommsModStat_7",
                                    "Comm Sof. Rev."};
  TEdit mbProfiDPCommsModStat_7{&gbProfibusDPStat, "mbProfiDPCommsModStat_7"};
  TGroupBox gbModbusStat{&tsStatistics, "gbModbusStat", "Comms  Performance Statistics "};
  TLabel labedModCycTmr{&gbModbusStat, "labedModCycTmr", "Module Cycle Time"};
  TEdit edModCycTmr{&gbModbusStat, "edModCycTmr"};
  TLabel labedHartBeatCntr{&gbModbusStat, "labedHartBeatCntr", "Longest Cycle Time"};
  TEdit edHartBeatCntr{&gbModbusStat, "edHartBeatCntr"};
  TLabel labedListenMode{&gbModbusStat, "labedListenMode", "Listen Mode"};
  TEdit edListenMode{&gbModbusStat, "edListenMode"};
  TLabel labedMessCntr{&gbModbusStat, "labedMessCntr", "Message Counter"};
  TEdit edMessCntr{&gbModbusStat, "edMessCntr"};
  TLabel labedErrorCntr{&gbModbusStat, "labedErrorCntr", "Revision"};
  TEdit edErrorCntr{&gbModbusStat, "edErrorCntr"};
  TLabel labedCRCCntr{&gbModbusStat, "labedCRCCntr", "CRC Counter"};
  TEdit edCRCCntr{&gbModbusStat, "edCRCCntr"};
  TGroupBox gbCanbusStat{&tsStatistics, "gbCanbusStat", "Comms  Performance Statistics "};
  TLabel labmbCyclicTime{&gbCanbusStat, "labmbCyclicTime", "Cyclic Time"};
  TEdit mbCyclicTime{&gbCanbusStat, "mbCyclicTime"};
  TLabel labmbCycTimePosDev{&gbCanbusStat, "labmbCycTimePosDev", "Pos. Deviation"};
  TEdit mbCycTimePosDev{&gbCanbusStat, "mbCycTimePosDev"};
  TLabel labmbCycTimeNegDev{&gbCanbusStat, "labmbCycTimeNegDev", "Neg. Deviation"};
  TEdit mbCycTimeNegDev{&gbCanbusStat, "mbCycTimeNegDev"};
  TLabel labmbDummy0{&gbCanbusStat, "labmbDummy0", "Comms State"};
  TEdit mbDummy0{&gbCanbusStat, "mbDummy0"};
  TLabel labmbCommsRev{&gbCanbusStat, "labmbCommsRev", "Comms Revision"};
  TEdit mbCommsRev{&gbCanbusStat, "mbCommsRev"};
  // ---- The Communication Module page (extended relay revision) ----
  TLabel labExtCommsErrFRAM{&tabsExtendedCommsSet, "labExtCommsErrFRAM",
                            "Error loading comms from FRAM"};
  TLabel labExtCommsSelProt{&tabsExtendedCommsSet, "labExtCommsSelProt", "Comms Type"};
  TComboBox cbExtCommsSelProt{&tabsExtendedCommsSet, "cbExtCommsSelProt"};
  TButton Button1{&tabsExtendedCommsSet, "Button1", "Transmit comms settings to relay "};
  TButton Button2{&tabsExtendedCommsSet, "Button2", "Read comms settings from relay "};
  TGroupBox grpboxExtCommsProfibusDP{&tabsExtendedCommsSet, "grpboxExtCommsProfibusDP",
                                     " Profibus-DPV1 Settings "};
  TLabel labExtProfiDPAddress{&grpboxExtCommsProfibusDP, "labExtProfiDPAddress", "Address"};
  TSpinEdit speditCommsExt_ProfiDP_Address{&grpboxExtCommsProfibusDP,
                                           "speditCommsExt_ProfiDP_Address", 1, 126, 1};
  TGroupBox grpboxExtCommsModbusRTU{&tabsExtendedCommsSet, "grpboxExtCommsModbusRTU",
                                    " Modbus-RTU Settings "};
  TLabel labExtModbusRTUAddress{&grpboxExtCommsModbusRTU, "labExtModbusRTUAddress", "Address"};
  TSpinEdit speditExtComms_ModbusRTU_Address{&grpboxExtCommsModbusRTU,
                                             "speditExtComms_ModbusRTU_Address", 1, 247, 1};
  TLabel labExtModbusRTUBaudRate{&grpboxExtCommsModbusRTU, "labExtModbusRTUBaudRate", "Baud Rate"};
  TComboBox cbExtComms_ModbusRTU_BaudRate{&grpboxExtCommsModbusRTU,
                                          "cbExtComms_ModbusRTU_BaudRate"};
  TLabel labExtModbusRTUBaudUnit{&grpboxExtCommsModbusRTU, "labExtModbusRTUBaudUnit", "bps"};
  TLabel labExtModbusRTUTimeOut{&grpboxExtCommsModbusRTU, "labExtModbusRTUTimeOut",
                                "Command Word Timeout"};
  TSpinEdit speditExtComms_ModbusRTU_TimeOut{&grpboxExtCommsModbusRTU,
                                             "speditExtComms_ModbusRTU_TimeOut", 0, 65000, 0};
  TLabel labExtModbusRTUTimeOutUnit{&grpboxExtCommsModbusRTU, "labExtModbusRTUTimeOutUnit",
                                    "Sec. 0 = No timeout."};
  TGroupBox grpboxExtCommsPROFINET{&tabsExtendedCommsSet, "grpboxExtCommsPROFINET", " PROFINET "};
  TLabel labExtPROFINETIPType{&grpboxExtCommsPROFINET, "labExtPROFINETIPType", "IP Assignment"};
  TComboBox comboxExtCommsPROFINET_IP_Type{&grpboxExtCommsPROFINET,
                                           "comboxExtCommsPROFINET_IP_Type"};
  TLabel labExtPROFINETDeviceName{&grpboxExtCommsPROFINET, "labExtPROFINETDeviceName",
                                  "Device Name"};
  TEdit editExtCommsPROFINET_DeviceName{&grpboxExtCommsPROFINET, "editExtCommsPROFINET_DeviceName"};
  TLabel labExtPROFINETIP_Addr{&grpboxExtCommsPROFINET, "labExtPROFINETIP_Addr", "IP Address"};
  TSpinEdit speditExtCommsPROFINET_IP_AddrV4{&grpboxExtCommsPROFINET,
                                             "speditExtCommsPROFINET_IP_AddrV4", 0, 255, 0};
  TSpinEdit speditExtCommsPROFINET_IP_AddrV3{&grpboxExtCommsPROFINET,
                                             "speditExtCommsPROFINET_IP_AddrV3", 0, 255, 0};
  TSpinEdit speditExtCommsPROFINET_IP_AddrV2{&grpboxExtCommsPROFINET,
                                             "speditExtCommsPROFINET_IP_AddrV2", 0, 255, 0};
  TSpinEdit speditExtCommsPROFINET_IP_AddrV1{&grpboxExtCommsPROFINET,
                                             "speditExtCommsPROFINET_IP_AddrV1", 0, 255, 0};
  TLabel labExtPROFINETMaskAddr{&grpboxExtCommsPROFINET, "labExtPROFINETMaskAddr", "IP Mask"};
  TSpinEdit speditExtCommsPROFINET_MaskAddrV4{&grpboxExtCommsPROFINET,
                                              "speditExtCommsPROFINET_MaskAddrV4", 0, 255, 0};
  TSpinEdit speditExtCommsPROFINET_MaskAddrV3{&grpboxExtCommsPROFINET,
                                              "speditExtCommsPROFINET_MaskAddrV3", 0, 255, 0};
  TSpinEdit speditExtCommsPROFINET_MaskAddrV2{&grpboxExtCommsPROFINET,
                                              "speditExtCommsPROFINET_MaskAddrV2", 0, 255, 0};
  TSpinEdit speditExtCommsPROFINET_MaskAddrV1{&grpboxExtCommsPROFINET,
                                              "speditExtCommsPROFINET_MaskAddrV1", 0, 255, 0};
  TLabel labExtPROFINETGateway{&grpboxExtCommsPROFINET, "labExtPROFINETGateway", "Gateway Address"};
  TSpinEdit speditExtCommsPROFINET_GatewayV4{&grpboxExtCommsPROFINET,
                                             "speditExtCommsPROFINET_GatewayV4", 0, 255, 0};
  TSpinEdit speditExtCommsPROFINET_GatewayV3{&grpboxExtCommsPROFINET,
                                             "speditExtCommsPROFINET_GatewayV3", 0, 255, 0};
  TSpinEdit speditExtCommsPROFINET_GatewayV2{&grpboxExtCommsPROFINET,
                                             "speditExtCommsPROFINET_GatewayV2", 0, 255, 0};
  TSpinEdit speditExtCommsPROFINET_GatewayV1{&grpboxExtCommsPROFINET,
                                             "speditExtCommsPROFINET_GatewayV1", 0, 255, 0};
  TGroupBox grpboxExtCommsModbusTCP{&tabsExtendedCommsSet, "grpboxExtCommsModbusTCP",
                                    " Modbus/TCP "};
  TLabel labExtModbusTCPIPType{&grpboxExtCommsModbusTCP, "labExtModbusTCPIPType", "IP Assignment"};
  TComboBox comboxExtCommsModbusTCP_IP_Type{&grpboxExtCommsModbusTCP,
                                            "comboxExtCommsModbusTCP_IP_Type"};
  TLabel labExtModbusTCPDeviceName{&grpboxExtCommsModbusTCP, "labExtModbusTCPDeviceName",
                                   "Device Name"};
  TEdit editExtCommsModbusTCP_DeviceName{&grpboxExtCommsModbusTCP,
                                         "editExtCommsModbusTCP_DeviceName"};
  TLabel labExtModbusTCPIP_Addr{&grpboxExtCommsModbusTCP, "labExtModbusTCPIP_Addr", "IP Address"};
  TSpinEdit speditExtCommsModbusTCP_IP_AddrV4{&grpboxExtCommsModbusTCP,
                                              "speditExtCommsModbusTCP_IP_AddrV4", 0, 255, 0};
  TSpinEdit speditExtCommsModbusTCP_IP_AddrV3{&grpboxExtCommsModbusTCP,
                                              "speditExtCommsModbusTCP_IP_AddrV3", 0, 255, 0};
  TSpinEdit speditExtCommsModbusTCP_IP_AddrV2{&grpboxExtCommsModbusTCP,
                                              "speditExtCommsModbusTCP_IP_AddrV2", 0, 255, 0};
  TSpinEdit speditExtCommsModbusTCP_IP_AddrV1{&grpboxExtCommsModbusTCP,
                                              "speditExtCommsModbusTCP_IP_AddrV1", 0, 255, 0};
  TLabel labExtModbusTCPMaskAddr{&grpboxExtCommsModbusTCP, "labExtModbusTCPMaskAddr", "IP Mask"};
  TSpinEdit speditExtCommsModbusTCP_MaskAddrV4{&grpboxExtCommsModbusTCP,
                                               "speditExtCommsModbusTCP_MaskAddrV4", 0, 255, 0};
  TSpinEdit speditExtCommsModbusTCP_MaskAddrV3{&grpboxExtCommsModbusTCP,
                                               "speditExtCommsModbusTCP_MaskAddrV3", 0, 255, 0};
  TSpinEdit speditExtCommsModbusTCP_MaskAddrV2{&grpboxExtCommsModbusTCP,
                                               "speditExtCommsModbusTCP_MaskAddrV2", 0, 255, 0};
  TSpinEdit speditExtCommsModbusTCP_MaskAddrV1{&grpboxExtCommsModbusTCP,
                                               "speditExtCommsModbusTCP_MaskAddrV1", 0, 255, 0};
  TLabel labExtModbusTCPGateway{&grpboxExtCommsModbusTCP, "labExtModbusTCPGateway",
                                "Gateway Address"};
  TSpinEdit speditExtCommsModbusTCP_GatewayV4{&grpboxExtCommsModbusTCP,
                                              "speditExtCommsModbusTCP_GatewayV4", 0, 255, 0};
  TSpinEdit speditExtCommsModbusTCP_GatewayV3{&grpboxExtCommsModbusTCP,
                                              "speditExtCommsModbusTCP_GatewayV3", 0, 255, 0};
  TSpinEdit speditExtCommsModbusTCP_GatewayV2{&grpboxExtCommsModbusTCP,
                                              "speditExtCommsModbusTCP_GatewayV2", 0, 255, 0};
  TSpinEdit speditExtCommsModbusTCP_GatewayV1{&grpboxExtCommsModbusTCP,
                                              "speditExtCommsModbusTCP_GatewayV1", 0, 255, 0};
  TLabel labExtModbusTCPTimeout{&grpboxExtCommsModbusTCP, "labExtModbusTCPTimeout", "Timeout"};
  TSpinEdit speditExtCommsModbusTCP_Timeout{&grpboxExtCommsModbusTCP,
                                            "speditExtCommsModbusTCP_Timeout", 0, 65000, 0};
  TLabel labExtModbusTCPTimeoutUnit{&grpboxExtCommsModbusTCP, "labExtModbusTCPTimeoutUnit",
                                    "Sec. 0 = No timeout"};
  TGroupBox grpboxExtCommsEtherNetIP{&tabsExtendedCommsSet, "grpboxExtCommsEtherNetIP",
                                     " EtherNet/IP "};
  TLabel labExtEtherNetIPIPType{&grpboxExtCommsEtherNetIP, "labExtEtherNetIPIPType",
                                "IP Assignment"};
  TComboBox comboxExtCommsEtherNetIP_IP_Type{&grpboxExtCommsEtherNetIP,
                                             "comboxExtCommsEtherNetIP_IP_Type"};
  TLabel labExtEtherNetIPDeviceName{&grpboxExtCommsEtherNetIP, "labExtEtherNetIPDeviceName",
                                    "Host Name"};
  TEdit editExtCommsEtherNetIP_DeviceName{&grpboxExtCommsEtherNetIP,
                                          "editExtCommsEtherNetIP_DeviceName"};
  TLabel labExtEtherNetIPIP_Addr{&grpboxExtCommsEtherNetIP, "labExtEtherNetIPIP_Addr",
                                 "IP Address"};
  TSpinEdit speditExtCommsEtherNetIP_IP_AddrV4{&grpboxExtCommsEtherNetIP,
                                               "speditExtCommsEtherNetIP_IP_AddrV4", 0, 255, 0};
  TSpinEdit speditExtCommsEtherNetIP_IP_AddrV3{&grpboxExtCommsEtherNetIP,
                                               "speditExtCommsEtherNetIP_IP_AddrV3", 0, 255, 0};
  TSpinEdit speditExtCommsEtherNetIP_IP_AddrV2{&grpboxExtCommsEtherNetIP,
                                               "speditExtCommsEtherNetIP_IP_AddrV2", 0, 255, 0};
  TSpinEdit speditExtCommsEtherNetIP_IP_AddrV1{&grpboxExtCommsEtherNetIP,
                                               "speditExtCommsEtherNetIP_IP_AddrV1", 0, 255, 0};
  TLabel labExtEtherNetIPMaskAddr{&grpboxExtCommsEtherNetIP, "labExtEtherNetIPMaskAddr", "IP Mask"};
  TSpinEdit speditExtCommsEtherNetIP_MaskAddrV4{&grpboxExtCommsEtherNetIP,
                                                "speditExtCommsEtherNetIP_MaskAddrV4", 0, 255, 0};
  TSpinEdit speditExtCommsEtherNetIP_MaskAddrV3{&grpboxExtCommsEtherNetIP,
                                                "speditExtCommsEtherNetIP_MaskAddrV3", 0, 255, 0};
  TSpinEdit speditExtCommsEtherNetIP_MaskAddrV2{&grpboxExtCommsEtherNetIP,
                                                "speditExtCommsEtherNetIP_MaskAddrV2", 0, 255, 0};
  TSpinEdit speditExtCommsEtherNetIP_MaskAddrV1{&grpboxExtCommsEtherNetIP,
                                                "speditExtCommsEtherNetIP_MaskAddrV1", 0, 255, 0};
  TLabel labExtEtherNetIPGateway{&grpboxExtCommsEtherNetIP, "labExtEtherNetIPGateway",
                                 "Gateway Address"};
  TSpinEdit speditExtCommsEtherNetIP_GatewayV4{&grpboxExtCommsEtherNetIP,
                                               "speditExtCommsEtherNetIP_GatewayV4", 0, 255, 0};
  TSpinEdit speditExtCommsEtherNetIP_GatewayV3{&grpboxExtCommsEtherNetIP,
                                               "speditExtCommsEtherNetIP_GatewayV3", 0, 255, 0};
  TSpinEdit speditExtCommsEtherNetIP_GatewayV2{&grpboxExtCommsEtherNetIP,
                                               "speditExtCommsEtherNetIP_GatewayV2", 0, 255, 0};
  TSpinEdit speditExtCommsEtherNetIP_GatewayV1{&grpboxExtCommsEtherNetIP,
                                               "speditExtCommsEtherNetIP_GatewayV1", 0, 255, 0};
  TGroupBox grpboxExtCommsCAN{&tabsExtendedCommsSet, "grpboxExtCommsCAN", " CANbus Settings"};
  TLabel labExtCANAddress{&grpboxExtCommsCAN, "labExtCANAddress", "Address"};
  TSpinEdit speditExtComms_CANbus_Address{&grpboxExtCommsCAN, "speditExtComms_CANbus_Address", 0,
                                          126, 0};
  TLabel labExtCANBaudRate{&grpboxExtCommsCAN, "labExtCANBaudRate", "Baud Rate"};
  TComboBox cbExtComms_CANbus_BaudRate{&grpboxExtCommsCAN, "cbExtComms_CANbus_BaudRate"};
  TLabel labExtCANStructType{&grpboxExtCommsCAN, "labExtCANStructType", "Structure selection"};
  TComboBox cbExtComms_CANbus_StructTypeSel{&grpboxExtCommsCAN, "cbExtComms_CANbus_StructTypeSel"};
  TLabel labExtCANIdentType{&grpboxExtCommsCAN, "labExtCANIdentType", "Identifier type"};
  TComboBox cbExtComms_CANbus_IdentType{&grpboxExtCommsCAN, "cbExtComms_CANbus_IdentType"};
  TLabel labExtCANCmdBaseAddr{&grpboxExtCommsCAN, "labExtCANCmdBaseAddr", "Command base address"};
  TSpinEdit speditExtComms_CANbus_CmdBaseAddr{&grpboxExtCommsCAN,
                                              "speditExtComms_CANbus_CmdBaseAddr", 0, 65535, 0};
  TLabel labExtCANActBaseAddr{&grpboxExtCommsCAN, "labExtCANActBaseAddr", "Actual base address"};
  TSpinEdit speditExtComms_CANbus_ActBaseAddr{&grpboxExtCommsCAN,
                                              "speditExtComms_CANbus_ActBaseAddr", 0, 65535, 0};
  TLabel labExtCANSetBaseAddr{&grpboxExtCommsCAN, "labExtCANSetBaseAddr", "Setting base address"};
  TSpinEdit speditExtComms_CANbus_SetBaseAddr{&grpboxExtCommsCAN,
                                              "speditExtComms_CANbus_SetBaseAddr", 0, 65535, 0};
  TGroupBox grpboxExtCommsConfigBitsAndWords{&tabsExtendedCommsSet,
                                             "grpboxExtCommsConfigBitsAndWords",
                                             " Configurable Bit and Word Registers "};
  TStringGrid strgridExtCommsConfigBits{&grpboxExtCommsConfigBitsAndWords,
                                        "strgridExtCommsConfigBits", 3, 17};
  TStringGrid strgridExtCommsConfigWords{&grpboxExtCommsConfigBitsAndWords,
                                         "strgridExtCommsConfigWords", 2, 20};
  TButton butComsLoadDefaultBitAndWords{&grpboxExtCommsConfigBitsAndWords,
                                        "butComsLoadDefaultBitAndWords", "Load Defaults"};
  TGroupBox gbExtProfiDPStat{&tabsExtendedCommsSet, "gbExtProfiDPStat", " Profibus-DP Statistics "};
  TLabel labmbExtProfiDPCommsModStat_7{&gbExtProfiDPStat, "labmbExtProfiDPCommsModStat_7",
                                       "Comm Software Revision"};
  TEdit mbExtProfiDPCommsModStat_7{&gbExtProfiDPStat, "mbExtProfiDPCommsModStat_7"};
  TLabel labmbExtProfiDPCommsModStat_6{&gbExtProfiDPStat, "labmbExtProfiDPCommsModStat_6",
                                       "VPC Stack Revision"};
  TEdit mbExtProfiDPCommsModStat_6{&gbExtProfiDPStat, "mbExtProfiDPCommsModStat_6"};
  TLabel labmbExtProfiDPCyclicTime{&gbExtProfiDPStat, "labmbExtProfiDPCyclicTime", "Cyclic Time"};
  TEdit mbExtProfiDPCyclicTime{&gbExtProfiDPStat, "mbExtProfiDPCyclicTime"};
  TLabel labmbExtProfiDPCycTimePosDev{&gbExtProfiDPStat, "labmbExtProfiDPCycTimePosDev",
                                      "Pos. Deviation"};
  TEdit mbExtProfiDPCycTimePosDev{&gbExtProfiDPStat, "mbExtProfiDPCycTimePosDev"};
  TLabel labmbExtProfiDPCycTimeNegDev{&gbExtProfiDPStat, "labmbExtProfiDPCycTimeNegDev",
                                      "Neg. Deviation"};
  TEdit mbExtProfiDPCycTimeNegDev{&gbExtProfiDPStat, "mbExtProfiDPCycTimeNegDev"};
  TLabel labmbExtProfiDPCommsModStat_0{&gbExtProfiDPStat, "labmbExtProfiDPCommsModStat_0",
                                       "Baud Rate"};
  TEdit mbExtProfiDPCommsModStat_0{&gbExtProfiDPStat, "mbExtProfiDPCommsModStat_0"};
  TLabel labmbExtProfiDPCommsModStat_1{&gbExtProfiDPStat, "labmbExtProfiDPCommsModStat_1",
                                       "VPC Revision"};
  TEdit mbExtProfiDPCommsModStat_1{&gbExtProfiDPStat, "mbExtProfiDPCommsModStat_1"};
  TLabel labmbExtProfiDPCommsModStat_2{&gbExtProfiDPStat, "labmbExtProfiDPCommsModStat_2",
                                       "DP State"};
  TEdit mbExtProfiDPCommsModStat_2{&gbExtProfiDPStat, "mbExtProfiDPCommsModStat_2"};
  TLabel labmbExtProfiDPCommsModStat_3{&gbExtProfiDPStat, "labmbExtProfiDPCommsModStat_3",
                                       "Watchdog State"};
  TEdit mbExtProfiDPCommsModStat_3{&gbExtProfiDPStat, "mbExtProfiDPCommsModStat_3"};
  TGroupBox gbExtModbusRTU_Stat{&tabsExtendedCommsSet, "gbExtModbusRTU_Stat",
                                " Modbus-RTU Statistics "};
  TLabel labmemExtCommsStatModbusRTU_SoftRev{
      &gbExtModbusRTU_Stat, "labmemExtCommsStatModbusRTU_SoftRev", "Software Revision"};
  TEdit memExtCommsStatModbusRTU_SoftRev{&gbExtModbusRTU_Stat, "memExtCommsStatModbusRTU_SoftRev"};
  TLabel labmemExtCommsStatModbusRTU_CycleTime{
      &gbExtModbusRTU_Stat, "labmemExtCommsStatModbusRTU_CycleTime", "Cycle Time"};
  TEdit memExtCommsStatModbusRTU_CycleTime{&gbExtModbusRTU_Stat,
                                           "memExtCommsStatModbusRTU_CycleTime"};
  TLabel labmemExtCommsStatModbusRTU_LongCycleTime{
      &gbExtModbusRTU_Stat, "labmemExtCommsStatModbusRTU_LongCycleTime", "Longest Cycle Time"};
  TEdit memExtCommsStatModbusRTU_LongCycleTime{&gbExtModbusRTU_Stat,
                                               "memExtCommsStatModbusRTU_LongCycleTime"};
  TLabel labmemExtCommsStatModbusRTU_ListenMode{
      &gbExtModbusRTU_Stat, "labmemExtCommsStatModbusRTU_ListenMode", "Listen Mode"};
  TEdit memExtCommsStatModbusRTU_ListenMode{&gbExtModbusRTU_Stat,
                                            "memExtCommsStatModbusRTU_ListenMode"};
  TLabel labmemExtCommsStatModbusRTU_MsgCntr{
      &gbExtModbusRTU_Stat, "labmemExtCommsStatModbusRTU_MsgCntr", "Message Counter"};
  TEdit memExtCommsStatModbusRTU_MsgCntr{&gbExtModbusRTU_Stat, "memExtCommsStatModbusRTU_MsgCntr"};
  TLabel labmemExtCommsStatModbusRTU_CRC_Cntr{
      &gbExtModbusRTU_Stat, "labmemExtCommsStatModbusRTU_CRC_Cntr", "CRC Counter"};
  TEdit memExtCommsStatModbusRTU_CRC_Cntr{&gbExtModbusRTU_Stat,
                                          "memExtCommsStatModbusRTU_CRC_Cntr"};
  TGroupBox gbExtCanbusStat{&tabsExtendedCommsSet, "gbExtCanbusStat", " CANbus Statistics"};
  TLabel labmbExtCyclicTime{&gbExtCanbusStat, "labmbExtCyclicTime", "Cyclic Time"};
  TEdit mbExtCyclicTime{&gbExtCanbusStat, "mbExtCyclicTime"};
  TLabel labmbExtCycTimePosDev{&gbExtCanbusStat, "labmbExtCycTimePosDev", "Pos. Deviation"};
  TEdit mbExtCycTimePosDev{&gbExtCanbusStat, "mbExtCycTimePosDev"};
  TLabel labmbExtCycTimeNegDev{&gbExtCanbusStat, "labmbExtCycTimeNegDev", "Neg. Deviation"};
  TEdit mbExtCycTimeNegDev{&gbExtCanbusStat, "mbExtCycTimeNegDev"};
  TLabel labmbExtDummy0{&gbExtCanbusStat, "labmbExtDummy0", "Comms State"};
  TEdit mbExtDummy0{&gbExtCanbusStat, "mbExtDummy0"};
  TLabel labmbExtCommsRev{&gbExtCanbusStat, "labmbExtCommsRev", "Comms Revision"};
  TEdit mbExtCommsRev{&gbExtCanbusStat, "mbExtCommsRev"};
  TGroupBox gbExtPROFINET_Stat{&tabsExtendedCommsSet, "gbExtPROFINET_Stat",
                               " PROFINET Statistics "};
  TLabel labmemExtCommsStatPROFINET_CommsRev{
      &gbExtPROFINET_Stat, "labmemExtCommsStatPROFINET_CommsRev", "Comms Revision"};
  TEdit memExtCommsStatPROFINET_CommsRev{&gbExtPROFINET_Stat, "memExtCommsStatPROFINET_CommsRev"};
  TLabel labmemExtCommsStatPROFINET_MAC{&gbExtPROFINET_Stat, "labmemExtCommsStatPROFINET_MAC",
                                        "MAC Address"};
  TEdit memExtCommsStatPROFINET_MAC{&gbExtPROFINET_Stat, "memExtCommsStatPROFINET_MAC"};
  TLabel labmemExtCommsStatPROFINET_StackRev{
      &gbExtPROFINET_Stat, "labmemExtCommsStatPROFINET_StackRev", "Stack Revision"};
  TEdit memExtCommsStatPROFINET_StackRev{&gbExtPROFINET_Stat, "memExtCommsStatPROFINET_StackRev"};
  TLabel labmemExtCommsStatPROFINET_CycleTime{&gbExtPROFINET_Stat,
                                              "labmemExtCommsStatPROFINET_CycleTime", "Cycle Time"};
  TEdit memExtCommsStatPROFINET_CycleTime{&gbExtPROFINET_Stat, "memExtCommsStatPROFINET_CycleTime"};
  TLabel labmemExtCommsStatPROFINET_CyclePosTimeDev{
      &gbExtPROFINET_Stat, "labmemExtCommsStatPROFINET_CyclePosTimeDev", "Pos. Deviation"};
  TEdit memExtCommsStatPROFINET_CyclePosTimeDev{&gbExtPROFINET_Stat,
                                                "memExtCommsStatPROFINET_CyclePosTimeDev"};
  TLabel labmemExtCommsStatPROFINET_CycleNegTimeDev{
      &gbExtPROFINET_Stat, "labmemExtCommsStatPROFINET_CycleNegTimeDev", "Neg. Deviation"};
  TEdit memExtCommsStatPROFINET_CycleNegTimeDev{&gbExtPROFINET_Stat,
                                                "memExtCommsStatPROFINET_CycleNegTimeDev"};
  TLabel labmemExtCommsStatPROFINET_State{&gbExtPROFINET_Stat, "labmemExtCommsStatPROFINET_State",
                                          "State"};
  TEdit memExtCommsStatPROFINET_State{&gbExtPROFINET_Stat, "memExtCommsStatPROFINET_State"};
  TGroupBox grpboxExtCommsModbusTCP_Stat{&tabsExtendedCommsSet, "grpboxExtCommsModbusTCP_Stat",
                                         " Modbus/TCP Statistics "};
  TLabel labmemExtCommsStatModbusTCP_SoftRev{
      &grpboxExtCommsModbusTCP_Stat, "labmemExtCommsStatModbusTCP_SoftRev", "Software Revision"};
  TEdit memExtCommsStatModbusTCP_SoftRev{&grpboxExtCommsModbusTCP_Stat,
                                         "memExtCommsStatModbusTCP_SoftRev"};
  TLabel labmemExtCommsStatModbusTCP_MAC{&grpboxExtCommsModbusTCP_Stat,
                                         "labmemExtCommsStatModbusTCP_MAC", "MAC Address"};
  TEdit memExtCommsStatModbusTCP_MAC{&grpboxExtCommsModbusTCP_Stat, "memExtCommsStatModbusTCP_MAC"};
  TLabel labmemExtCommsStatModbusTCP_CycleTime{
      &grpboxExtCommsModbusTCP_Stat, "labmemExtCommsStatModbusTCP_CycleTime", "Cycle Time"};
  TEdit memExtCommsStatModbusTCP_CycleTime{&grpboxExtCommsModbusTCP_Stat,
                                           "memExtCommsStatModbusTCP_CycleTime"};
  TLabel labmemExtCommsStatModbusTCP_LongCycleTime{&grpboxExtCommsModbusTCP_Stat,
                                                   "labmemExtCommsStatModbusTCP_LongCycleTime",
                                                   "Longest Cycle Time"};
  TEdit memExtCommsStatModbusTCP_LongCycleTime{&grpboxExtCommsModbusTCP_Stat,
                                               "memExtCommsStatModbusTCP_LongCycleTime"};
  TLabel labmemExtCommsStatModbusTCP_MsgCntr{
      &grpboxExtCommsModbusTCP_Stat, "labmemExtCommsStatModbusTCP_MsgCntr", "Message Counter"};
  TEdit memExtCommsStatModbusTCP_MsgCntr{&grpboxExtCommsModbusTCP_Stat,
                                         "memExtCommsStatModbusTCP_MsgCntr"};
  TGroupBox grpboxExtCommsEtherNetIP_Stat{&tabsExtendedCommsSet, "grpboxExtCommsEtherNetIP_Stat",
                                          " EtherNet/IP Statistics "};
  TLabel labmemExtCommsStatsEtherNetIP_SoftRev{
      &grpboxExtCommsEtherNetIP_Stat, "labmemExtCommsStatsEtherNetIP_SoftRev", "Software Revision"};
  TEdit memExtCommsStatsEtherNetIP_SoftRev{&grpboxExtCommsEtherNetIP_Stat,
                                           "memExtCommsStatsEtherNetIP_SoftRev"};
  TLabel labmemExtCommsStatsEtherNetIP_MAC{&grpboxExtCommsEtherNetIP_Stat,
                                           "labmemExtCommsStatsEtherNetIP_MAC", "MAC Address"};
  TEdit memExtCommsStatsEtherNetIP_MAC{&grpboxExtCommsEtherNetIP_Stat,
                                       "memExtCommsStatsEtherNetIP_MAC"};
  TLabel labmemExtCommsStatsEtherNetIP_StackRev{
      &grpboxExtCommsEtherNetIP_Stat, "labmemExtCommsStatsEtherNetIP_StackRev", "Stack Revision"};
  TEdit memExtCommsStatsEtherNetIP_StackRev{&grpboxExtCommsEtherNetIP_Stat,
                                            "memExtCommsStatsEtherNetIP_StackRev"};
  TLabel labmemExtCommsStatsEtherNetIP_State{&grpboxExtCommsEtherNetIP_Stat,
                                             "labmemExtCommsStatsEtherNetIP_State", "State"};
  TEdit memExtCommsStatsEtherNetIP_State{&grpboxExtCommsEtherNetIP_Stat,
                                         "memExtCommsStatsEtherNetIP_State"};

  // The protocol the page last switched to; a typed text that names none keeps it.
  int ExtCommsProtocol = 0;

  // ---- Basic comms settings: handlers (CommsBasic.cpp) ----
  void InitCommsPages();
  void ConnectCommsEditors();
  void CommsSelection();
  void cbCommsProtocolChange();
  void seCommsAddrChange();
  void cbProfiDPGSDChange();
  void cbCommsStrucSelChange();
  void cbBaudRateChange();
  void cbCommsIdentifierTypeChange();
  void seCommsCommandBaseAddrChange();
  void seCommsActualBaseAddrChange();
  void seCommsSettingBaseAddrChange();
  void cbModbusBaudRateChange();
  void seModbusTimeOutChange();
  void seCommsAddrExit();
  void seCommsCommandBaseAddrExit();
  void seCommsActualBaseAddrExit();
  void seCommsSettingBaseAddrExit();
  void speditExtComms_CANbus_CmdBaseAddrExit();
  void speditExtComms_CANbus_ActBaseAddrExit();
  void speditExtComms_CANbus_SetBaseAddrExit();
  void seModbusTimeOutExit();
  // The comms read: the layout by the relay's revision, then the protocol's editors.
  void LoadCommsRecordEditors();
  // The Communication Module page (extended) or the older module's group on the statistics page.
  void ShowCommsLayout(bool extended);
  // ---- The comms data block (CommsBlock.cpp) ----
  void UpdateExtCommsSettingInTxBuff();
  void UpdateExtCommsSettingTabFromSettings();
  void PackCustomPLC_RegMapInTxBuffTypeA();
  void PackCustomPLC_RegMapInStrGridTypeA();
  void cbExtCommsSelProtChange();
  void butComsLoadDefaultBitAndWordsClick();
  void strgridExtCommsConfigBitsDblClick();
  void strgridExtCommsConfigWordsDblClick();
  void editExtCommsPROFINET_DeviceNameKeyPress(TEdit& edit, char& Key);
  // Says once, after start-up, that a selection file is missing or not 256 lines long.
  void ReportSelectionFiles();
  // ---- Fieldbus status (link/CommsStatus.cpp) ----
  void ShowCommsStatus(const std::string& answer);
  void ShowCommsExtStatus(const std::string& answer);
  // ==== End of the communication module ====

  // ==== Calculators: the Calculator page and the Settings page's load and curve panels ====
  void InitCalculators();

  // -- Calculator page: thermal trip time and cooling time --
  TGroupBox gbThermalCalc{&tsCalculator, "gbThermalCalc", " Thermal Calculator "};
  TGroupBox gbTripTimeCalc{&gbThermalCalc, "gbTripTimeCalc", " Trip Time Calculation "};
  TLabel labCurrent{&gbTripTimeCalc, "labCurrent", "Motor load current :"};
  TEdit ebCurrent{&gbTripTimeCalc, "ebCurrent"};
  TLabel labCurrentUnit{&gbTripTimeCalc, "labCurrentUnit", "%"};
  TLabel labCurve{&gbTripTimeCalc, "labCurve", "Thermal  time constant :"};
  TEdit ebCurve{&gbTripTimeCalc, "ebCurve"};
  TLabel labCurveUnit{&gbTripTimeCalc, "labCurveUnit", "sec"};
  TLabel labTC_Used{&gbTripTimeCalc, "labTC_Used", "Thermal capacity used :"};
  TEdit ebTC_Used{&gbTripTimeCalc, "ebTC_Used"};
  TLabel labTC_UsedUnit{&gbTripTimeCalc, "labTC_UsedUnit", "%"};
  TButton bCalcTripTime{&gbTripTimeCalc, "bCalcTripTime", "Calculate trip time"};
  TiAnalogDisplay iAD_TripTime{&gbTripTimeCalc, "iAD_TripTime"};
  TLabel labTripTimeUnit{&gbTripTimeCalc, "labTripTimeUnit", "sec"};
  TGroupBox gbCoolingTimeCalc{&gbThermalCalc, "gbCoolingTimeCalc", " Cooling Time Calculation "};
  TLabel labInit_TC{&gbCoolingTimeCalc, "labInit_TC", "Initial thermal capacity used :"};
  TEdit ebInit_TC{&gbCoolingTimeCalc, "ebInit_TC"};
  TLabel labInit_TCUnit{&gbCoolingTimeCalc, "labInit_TCUnit", "%"};
  TLabel labFinTC{&gbCoolingTimeCalc, "labFinTC", "Required thermal capacity :"};
  TEdit ebFinTC{&gbCoolingTimeCalc, "ebFinTC"};
  TLabel labFinTCUnit{&gbCoolingTimeCalc, "labFinTCUnit", "%"};
  TLabel labMotorRC{&gbCoolingTimeCalc, "labMotorRC", "Thermal time constant :"};
  TEdit ebMotorRC{&gbCoolingTimeCalc, "ebMotorRC"};
  TLabel labMotorRCUnit{&gbCoolingTimeCalc, "labMotorRCUnit", "sec"};
  TCheckBox cbForcedCooling{&gbCoolingTimeCalc, "cbForcedCooling", "Forced cooling :"};
  TButton bCalcCoolingTime{&gbCoolingTimeCalc, "bCalcCoolingTime", "Calculate cooling time"};
  TiAnalogOutput iaCoolingTime{&gbCoolingTimeCalc, "iaCoolingTime"};
  TLabel labCoolingTimeUnit{&gbCoolingTimeCalc, "labCoolingTimeUnit", "sec"};

  // -- Calculator page: line current --
  TGroupBox gbCurrentCalc{&tsCalculator, "gbCurrentCalc", " Current Calculator (Delta Connection)"};
  TLabel labPowerRating{&gbCurrentCalc, "labPowerRating", "Full load power rating :"};
  TEdit ebPowerRating{&gbCurrentCalc, "ebPowerRating"};
  TLabel labPowerRatingUnit{&gbCurrentCalc, "labPowerRatingUnit", "kWatt"};
  TLabel labSupplyVoltLine{&gbCurrentCalc, "labSupplyVoltLine", "Line voltage :"};
  TEdit ebSupplyVoltLine{&gbCurrentCalc, "ebSupplyVoltLine"};
  TLabel labSupplyVoltLineUnit{&gbCurrentCalc, "labSupplyVoltLineUnit", "Volt"};
  TLabel labCalcPowerFactor{&gbCurrentCalc, "labCalcPowerFactor", "Power factor :"};
  TEdit ebPowerFactor{&gbCurrentCalc, "ebPowerFactor"};
  TLabel labCalcPowerFactorUnit{&gbCurrentCalc, "labCalcPowerFactorUnit", "%"};
  TLabel labEffeciency{&gbCurrentCalc, "labEffeciency", "Effieciency :"};
  TEdit ebEffeciency{&gbCurrentCalc, "ebEffeciency"};
  TLabel labEffeciencyUnit{&gbCurrentCalc, "labEffeciencyUnit", "%"};
  TButton bCurrentCalc{&gbCurrentCalc, "bCurrentCalc", "Calculate load current"};
  TiAnalogOutput iaLineCurrent{&gbCurrentCalc, "iaLineCurrent"};
  TLabel labLineCurrentUnit{&gbCurrentCalc, "labLineCurrentUnit", "A"};

  // -- Calculator page: earth leakage trip time --
  TGroupBox gbEL_Calc{&tsCalculator, "gbEL_Calc", " Earth Leakage IDMT Calculator "};
  TLabel labActual_EL{&gbEL_Calc, "labActual_EL", "Actual leak current :"};
  TEdit ebActual_EL{&gbEL_Calc, "ebActual_EL"};
  TLabel labActual_ELUnit{&gbEL_Calc, "labActual_ELUnit", "milliampere"};
  TLabel labSetting_EL{&gbEL_Calc, "labSetting_EL", "Leak current trip setting :"};
  TEdit ebSetting_EL{&gbEL_Calc, "ebSetting_EL"};
  TLabel labSetting_ELUnit{&gbEL_Calc, "labSetting_ELUnit", "milliampere"};
  TLabel labTimeMultiplier_EL{&gbEL_Calc, "labTimeMultiplier_EL", "Time multipier :"};
  TEdit ebTimeMultiplier_EL{&gbEL_Calc, "ebTimeMultiplier_EL"};
  TButton bCalcEL_TripTime{&gbEL_Calc, "bCalcEL_TripTime", "Calculate trip time"};
  TiAnalogDisplay iAD_TripTimeEL{&gbEL_Calc, "iAD_TripTimeEL"};
  TLabel labTripTimeELUnit{&gbEL_Calc, "labTripTimeELUnit", "sec"};

  // -- Calculator page: full load setting and thermal curve class --
  TGroupBox gbMLC_Calc{&tsCalculator, "gbMLC_Calc", " Motor Full Load Setting "};
  TLabel labFullLoad{&gbMLC_Calc, "labFullLoad", "Full load phase current :"};
  TEdit ebFullLoad{&gbMLC_Calc, "ebFullLoad"};
  TLabel labFullLoadUnit{&gbMLC_Calc, "labFullLoadUnit", "A"};
  TLabel labRelMod{&gbMLC_Calc, "labRelMod", "Relay model :"};
  TEdit ebRelMod{&gbMLC_Calc, "ebRelMod"};
  TButton bCalc_MLC{&gbMLC_Calc, "bCalc_MLC", "Calculate MLC setting "};
  TEdit ebMLC_set{&gbMLC_Calc, "ebMLC_set"};
  TLabel labMLC_setUnit{&gbMLC_Calc, "labMLC_setUnit", "%"};
  TGroupBox gbCurveClassCalc{&tsCalculator, "gbCurveClassCalc", " Thermal Curve Class Setting "};
  TLabel labLockRotorCurrentLev{&gbCurveClassCalc, "labLockRotorCurrentLev",
                                "Max current level (lock rotor) :"};
  TEdit ebLockRotorCurrentLev{&gbCurveClassCalc, "ebLockRotorCurrentLev"};
  TLabel labLockRotorCurrentLevUnit{&gbCurveClassCalc, "labLockRotorCurrentLevUnit", "%"};
  TLabel labLockRotorTime{&gbCurveClassCalc, "labLockRotorTime",
                          "Max time (lock rotor - no damage) :"};
  TEdit ebLockRotorTime{&gbCurveClassCalc, "ebLockRotorTime"};
  TLabel labLockRotorTimeUnit{&gbCurveClassCalc, "labLockRotorTimeUnit", "sec"};
  TButton bCalcCurveClass{&gbCurveClassCalc, "bCalcCurveClass", "Calculate curve class setting"};
  TEdit ebCurveClassValue{&gbCurveClassCalc, "ebCurveClassValue"};

  // -- Calculator page: RMS current of a load pattern of four stages --
  TGroupBox gbRMS_Calc{&tsCalculator, "gbRMS_Calc", " RMS Load Pattern Calculation "};
  TLabel labLoad_1{&gbRMS_Calc, "labLoad_1", "Current Level "};
  TEdit ebLoad_1{&gbRMS_Calc, "ebLoad_1"};
  TLabel labLoad_1Unit{&gbRMS_Calc, "labLoad_1Unit", "%"};
  TLabel labTime_1{&gbRMS_Calc, "labTime_1", "Time duration"};
  TEdit ebTime_1{&gbRMS_Calc, "ebTime_1"};
  TLabel labTime_1Unit{&gbRMS_Calc, "labTime_1Unit", "s"};
  TLabel labLoad_2{&gbRMS_Calc, "labLoad_2", "Current Level "};
  TEdit ebLoad_2{&gbRMS_Calc, "ebLoad_2"};
  TLabel labLoad_2Unit{&gbRMS_Calc, "labLoad_2Unit", "%"};
  TLabel labTime_2{&gbRMS_Calc, "labTime_2", "Time duration"};
  TEdit ebTime_2{&gbRMS_Calc, "ebTime_2"};
  TLabel labTime_2Unit{&gbRMS_Calc, "labTime_2Unit", "s"};
  TLabel labLoad_3{&gbRMS_Calc, "labLoad_3", "Current Level "};
  TEdit ebLoad_3{&gbRMS_Calc, "ebLoad_3"};
  TLabel labLoad_3Unit{&gbRMS_Calc, "labLoad_3Unit", "%"};
  TLabel labTime_3{&gbRMS_Calc, "labTime_3", "Time duration"};
  TEdit ebTime_3{&gbRMS_Calc, "ebTime_3"};
  TLabel labTime_3Unit{&gbRMS_Calc, "labTime_3Unit", "s"};
  TLabel labLoad_4{&gbRMS_Calc, "labLoad_4", "Current Level "};
  TEdit ebLoad_4{&gbRMS_Calc, "ebLoad_4"};
  TLabel labLoad_4Unit{&gbRMS_Calc, "labLoad_4Unit", "%"};
  TLabel labTime_4{&gbRMS_Calc, "labTime_4", "Time duration"};
  TEdit ebTime_4{&gbRMS_Calc, "ebTime_4"};
  TLabel labTime_4Unit{&gbRMS_Calc, "labTime_4Unit", "s"};
  TButton bCalcRMS{&gbRMS_Calc, "bCalcRMS", "Calculate RMS Current "};
  TiAnalogDisplay iADI_rms{&gbRMS_Calc, "iADI_rms"};
  TLabel labI_rmsUnit{&gbRMS_Calc, "labI_rmsUnit", "%"};

  // -- Settings page: the load (MLC) and curve class panels of both motor settings, hidden until
  //    their editor is double-clicked --
  TPanel panelMLC{&gbHighSpeed, "panelMLC"};
  TLabel labMLC{&panelMLC, "labMLC", "X"};
  TLabel labPanelMLC{&panelMLC, "labPanelMLC", "Motor Full Load Setting (MLC)"};
  TLabel labPwr{&panelMLC, "labPwr", "Power rating of motor :"};
  TEdit ebPwr{&panelMLC, "ebPwr"};
  TLabel labPwrUnit{&panelMLC, "labPwrUnit", "kWatt"};
  TLabel labSV{&panelMLC, "labSV", "Supply line voltage :"};
  TComboBox cbSV{&panelMLC, "cbSV"};
  TLabel labModel{&panelMLC, "labModel", "Relay model :"};
  TComboBox cbModel{&panelMLC, "cbModel"};
  TButton bCalcMLC{&panelMLC, "bCalcMLC", "Calculate MLC setting and return"};
  TPanel panelTCC{&gbHighSpeed, "panelTCC"};
  TLabel Label345{&panelTCC, "Label345", "X"};
  TLabel labPanelTCC{&panelTCC, "labPanelTCC", "Thermal Curve Class"};
  TLabel labILR{&panelTCC, "labILR", "Max current @ lock rotor :"};
  TEdit ebILR{&panelTCC, "ebILR"};
  TLabel labILRUnit{&panelTCC, "labILRUnit", "%"};
  TLabel labTLR{&panelTCC, "labTLR", "Max time @ lock rotor :"};
  TEdit ebTLR{&panelTCC, "ebTLR"};
  TLabel labTLRUnit{&panelTCC, "labTLRUnit", "sec"};
  TButton bClacTCC{&panelTCC, "bClacTCC", "Calculate curve class and return"};
  TPanel panelMLC2{&gbLowSpeed, "panelMLC2"};
  TLabel labMLC2{&panelMLC2, "labMLC2", "X"};
  TLabel labPanelMLC2{&panelMLC2, "labPanelMLC2", "Motor Full Load Setting (MLC)"};
  TLabel labPwr2{&panelMLC2, "labPwr2", "Power rating of motor :"};
  TEdit ebPwr2{&panelMLC2, "ebPwr2"};
  TLabel labPwr2Unit{&panelMLC2, "labPwr2Unit", "kWatt"};
  TLabel labSV2{&panelMLC2, "labSV2", "Supply line voltage :"};
  TComboBox cbSV2{&panelMLC2, "cbSV2"};
  TLabel labModel2{&panelMLC2, "labModel2", "Relay model :"};
  TComboBox cbModel2{&panelMLC2, "cbModel2"};
  TButton bCalcMLC2{&panelMLC2, "bCalcMLC2", "Calculate MLC setting and return"};
  TPanel panelTCC2{&gbLowSpeed, "panelTCC2"};
  TLabel labTCC2{&panelTCC2, "labTCC2", "X"};
  TLabel labPanelTCC2{&panelTCC2, "labPanelTCC2", "Thermal Curve Class"};
  TLabel labILR2{&panelTCC2, "labILR2", "Max current @ lock rotor :"};
  TEdit ebILR2{&panelTCC2, "ebILR2"};
  TLabel labILR2Unit{&panelTCC2, "labILR2Unit", "%"};
  TLabel labTLR2{&panelTCC2, "labTLR2", "Max time @ lock rotor :"};
  TEdit ebTLR2{&panelTCC2, "ebTLR2"};
  TLabel labTLR2Unit{&panelTCC2, "labTLR2Unit", "sec"};
  TButton bClassTCC2{&panelTCC2, "bClassTCC2", "Calculate curve class and return"};

  // -- Handlers: each a one-liner into the calculators' generic code --
  void calcTripTimeClick();
  void bCalcCoolingTimeClick();
  void bCurrentCalcClick();
  void bCalcEL_TripTimeClick();
  void bCalc_MLCClick();
  void bCalcCurveClassClick();
  void bCalcRMSClick();
  void seMLCDblClick();
  void seMLC_secDblClick();
  void seThrmlCurveSelDblClick();
  void seThrmlCurveSel_secDblClick();
  void bCalcMLCClick();
  void bCalcMLC2Click();
  void bClacTCCClick();
  void bClassTCC2Click();
  void labMLCClick();
  void Label345Click();
  void labMLC2Click();
  void labTCC2Click();
};

extern TForm1* Form1;

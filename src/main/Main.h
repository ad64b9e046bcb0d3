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
  TLabel labMLC{&gbHighSpeed, "labMLC", "Motor Full Load Setting"};
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
  TCheckBox cbDynTC_ResetTH_Adj_Sel{&tsSettings, "cbDynTC_ResetTH_Adj_Sel", "Dynamic TCap Reset THold  Adj Select"};
  TCheckBox cbStartsPerHr_Sel{&tsSettings, "cbStartsPerHr_Sel", "Starts per Hour Select"};
  TCheckBox cbV_PhaseRotReverse{&tsSettings, "cbV_PhaseRotReverse", "Reverse V phase Rotation (BWR) Select"};
  TCheckBox cbVectorialStall_Sel{&tsSettings, "cbVectorialStall_Sel", "Vectorial Stall Select"};
  TCheckBox cbAutoThermalReset{&tsSettings, "cbAutoThermalReset", "Auto Thermal Reset Select"};
  TRadioGroup rgMTR_Select{&tsSettings, "rgMTR_Select", " Relay 1 Configuration"};
  TCheckBox cbExpModConnect{&tsSettings, "cbExpModConnect", "Expansion Module Connected"};
  TCheckBox cbFLED_Connect{&tsSettings, "cbFLED_Connect", "FLED Connected"};

  // -- Shown elsewhere, written only by this page's loads --
  TEdit mbCT_Ratio{&tsActual, "mbCT_Ratio"};          // "primary : secondary" of the last settings read
  TEdit mbFreqSelector{&tsActual, "mbFreqSelector"};  // "50Hz" or "60Hz" of the last calibration read

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

#ifndef VUMA_SHELL_DECLARES_ACCESS
  // Also declared by the shell (buttons its system timer enables; the menu commands it binds).
  // Kept here only so this part builds on its own; the shell's declarations replace them.
  TButton bTxSettings{&tsSettings, "bTxSettings", "Transmit frontend settings to relay"};
  TButton bReadSetFromRelay{&tsSettings, "bReadSetFromRelay", "Read settings from relay"};
  TPanel panelLockCalb{&tsCalibration, "panelLockCalb"};
  TButton bCalbLock{&panelLockCalb, "bCalbLock", "Unlock calibration facility"};
  void UserpasswordSetupClick();
  void Frm1MMenUnlockFrontendClick();
  void MMenSiteModePswClick();
#endif

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
  // The Settings page's part of the starter display: the motor setting groups by starter type.
  void StarterTypeDisplay();
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


};

extern TForm1* Form1;

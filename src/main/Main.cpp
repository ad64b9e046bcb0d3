#include "main/Main.h"

#include "main/ControlOf.h"

TForm1* Form1 = nullptr;

TForm1::TForm1()
    : TForm("Form1", "VUMA Frontend Rev 3B - 03"),
      PageControl1(this, "PageControl1"),
      tsActual(&PageControl1, "tsActual", "Actual"),
      tsSettings(&PageControl1, "tsSettings", "Settings"),
      tsLogic(&PageControl1, "tsLogic", "Control Logic"),
      tsStarters(&PageControl1, "tsStarters", "Starter Configuration"),
      tsRealTimeClock(&PageControl1, "tsRealTimeClock", "Real Time Clock"),
      tsCalibration(&PageControl1, "tsCalibration", "Calibration"),
      tsFaults(&PageControl1, "tsFaults", "Fault History"),
      tsStatistics(&PageControl1, "tsStatistics", "Comms + Statistics"),
      tsRecorder(&PageControl1, "tsRecorder", "Recorder"),
      tsTest(&PageControl1, "tsTest", "Test"),
      tsEvents(&PageControl1, "tsEvents", "Event History"),
      tsCalculator(&PageControl1, "tsCalculator", "Calculator"),
      tsSpectrum(&PageControl1, "tsSpectrum", "Spectrum Analyser"),
      tsExtIO(&PageControl1, "tsExtIO", "External Modules"),
      tsInformation(&PageControl1, "tsInformation", ""),
      tabsExtendedCommsSet(&PageControl1, "tabsExtendedCommsSet", "Communication Module"),
      mbSW_Rev(&tsActual, "mbSW_Rev"),
      LabelProdID(&tsActual, "LabelProdID", "4"),
      mbDate(&tsActual, "mbDate"),
      mbTime(&tsActual, "mbTime"),
      seYear(&gbRTC_Relay, "seYear", 2000, 2099, 2000),
      seMonth(&gbRTC_Relay, "seMonth", 1, 12, 1),
      seDate(&gbRTC_Relay, "seDate", 1, 31, 1),
      seHour(&gbRTC_Relay, "seHour", 0, 23, 1),
      seMinute(&gbRTC_Relay, "seMinute", 0, 59, 1),
      cbRTC_UpdatePC(&gbRTC_Relay, "cbRTC_UpdatePC", "Update RTC from PC"),
      bRTC_Setting(&gbRTC_Relay, "bRTC_Setting", "Set the real time clock"),
      iLedClockStatus(&gbRTC_Relay, "iLedClockStatus", "On Line"),
      sgFaultHist(&tsFaults, "sgFaultHist", 9, 36),
      pbFaultUpdate(&tsFaults, "pbFaultUpdate"),
      sgQuickEventViewer(&tsEvents, "sgQuickEventViewer", 9, 201),
      pbEventDownload(&tsEvents, "pbEventDownload"),
      pbQuickEventView(&tsEvents, "pbQuickEventView"),
      mb_Events_Progress(&tsEvents, "mb_Events_Progress"),
      iLedEventMessage(&tsEvents, "iLedEventMessage", "Upload in progress"),
      labEventMess(&tsEvents, "labEventMess", "Upload successful completed") {
  DesignVisible = true;
  Position = TFormPosition::poScreenCenter;
  ClientWidth = 1092;
  ClientHeight = 742;

  tsCalibration.SetTabVisible(false);
  tsInformation.SetTabVisible(false);
  tabsExtendedCommsSet.SetTabVisible(false);
  LabelProdID.SetVisible(false);

  mbSW_Rev.ReadOnly = true;
  mbDate.ReadOnly = true;
  mbTime.ReadOnly = true;
  seYear.EditorEnabled = seMonth.EditorEnabled = seDate.EditorEnabled = false;
  seHour.EditorEnabled = seMinute.EditorEnabled = false;
  iLedClockStatus.SetActive(true);
  // The relay's group beside the PC's.
  gbRTC_Relay.SetBounds(8, 8, 300, 230);
  labRTC_Date.SetBounds(16, 26, 200, 16);
  seYear.SetBounds(16, 46, 70, 24);
  seMonth.SetBounds(96, 46, 56, 24);
  seDate.SetBounds(162, 46, 56, 24);
  labRTC_Time.SetBounds(16, 84, 200, 16);
  seHour.SetBounds(16, 104, 56, 24);
  seMinute.SetBounds(82, 104, 56, 24);
  cbRTC_UpdatePC.SetBounds(16, 142, 260, 22);
  bRTC_Setting.SetBounds(16, 178, 180, 30);
  iLedClockStatus.SetBounds(206, 178, 80, 30);
  gbRTC_PC.SetBounds(318, 8, 340, 300);

  pbFaultUpdate.SetMax(55);
  labEventMess.SetVisible(false);
  mb_Events_Progress.ReadOnly = true;

  // Each area of the window sets up its own controls and handlers.
  InitShell();
  InitLiveDisplays();
  InitSettingsPage();
  InitLogicPage();
  InitStarterPages();
  InitCommsPages();
  InitRelayDataPages();
  InitSettingsFiles();
  InitRecordPages();
  InitCalculators();
  InitTestPage();
  InitRecorder();
}

void PlaceControls(TForm1& f, std::span<const ControlPlace> places) {
  for (const ControlPlace& p : places) p.Control(f).SetBounds(p.Left, p.Top, p.Width, p.Height);
}

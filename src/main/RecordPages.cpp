// Set-up of the three records pages (Fault History, Event History, Spectrum Analyser) and the
// relay identity that heads their exports.
#include <functional>

#include "link/CommSetup.h"
#include "main/Main.h"
#include "platform/rtl/SysUtils.h"
#include "vartable/UnitVarTable.h"

namespace {

// Both exports are tab-separated text for a spreadsheet, proposed in the root of drive C.
void SetUpExportDialog(TSaveDialog& d, const char* name, const char* title, const char* filter) {
  d.Name = name;
  d.Title = title;
  d.Filter = filter;
  d.DefaultExt = "xls";
  d.InitialDir = "c:\\";
  d.OverwritePrompt = true;
}

}  // namespace

void TForm1::InitRecordPages() {
  // -- Fault History --
  sgFaultHist.ColWidths = {40, 74, 73, 54, 454, 60, 57, 57, 53};
  bFaultUpDate.OnClick = [this] { FaultUpdateReq(); };
  bSaveFaultRecs.OnClick = [this] { bSaveFaultRecsClick(); };
  SetUpExportDialog(SaveDialogFaults, "SaveDialogFaults", "Save fault records to disk", "Faults|*.xls");

  // -- Event History --
  sgQuickEventViewer.FixedCols = 0;
  sgQuickEventViewer.ColWidths = {49, 75, 64, 61, 248, 157, 65, 54, 56};
  pbEventDownload.SetMax(100);
  pbQuickEventView.SetMax(100);
  seEventNumber.MaxLength = 4;
  labEventNotice.SetCaption(
      "The records are saved in a file\nnamed after the drive ID,\nfor example C:\\DRIVE_ID.xls.\n\n"
      "The data fields are separated\nby tab characters; the file can\nbe opened with a spreadsheet\nprogram.\n\n"
      "Please do nothing else while\nrecords are uploaded over the\nhalf-duplex infrared link.");
  tsEvents.OnShow = [this] { tsEventsShow(); };
  bEventRecDownLoad.OnClick = [this] { bEventRecDownLoadClick(); };
  bStopEventDownLoad.OnClick = [this] { bStopEventDownLoadClick(); };
  seEventNumber.OnExit = [this] { seEventNumberExit(); };
  bQuickEventUpload.OnClick = [this] { bQuickEventUploadClick(); };
  bClrQuickViewer.OnClick = [this] { bClrQuickViewerClick(); };
  SetUpExportDialog(SaveDialogEvents, "SaveDialogEvents", "Save event records to disk", "Events|*.xls");
  // The link's event chain writes and closes the running download's file through these.
  EventFileWriteLn = [this](const std::string& line) { EventExportFile.WriteLn(line); };
  EventFileClose = [this] { EventExportFile.Close(); };

  // -- Spectrum Analyser --
  iSpecDisp.SetBarCount(10);
  iSpecDisp.Max = 100;
  seAttenuator.MaxLength = 1;
  rgSimSpectrum.Items.Add("Sine wave");
  rgSimSpectrum.Items.Add("Sqaure wave");
  rgSimSpectrum.SetItemIndex(0);
  isLedSimSpectrum.OnClick = [this] { isLedSimSpectrumClick(); };
  iAdTHD.Precision = 2;
  iAdTHD_sum.Precision = 2;
  mbDriveID.ReadOnly = mbUserName.ReadOnly = mbSerialNum.ReadOnly = true;

  // Where each control of the three pages sits: left, top, width, height (a group box's children
  // relative to the box, its caption inside).
  struct Place {
    TControl* control;
    int left, top, width, height;
  };
  const Place places[] = {
      {&sgFaultHist, 8, 8, 964, 480},
      {&pbFaultUpdate, 8, 496, 676, 18},
      {&bFaultUpDate, 8, 524, 220, 28},
      {&bFaultHistClr, 236, 524, 220, 28},
      {&bSaveFaultRecs, 464, 524, 220, 28},

      {&sgQuickEventViewer, 8, 8, 872, 440},
      {&bEventRecDownLoad, 8, 456, 260, 28},
      {&bStopEventDownLoad, 276, 456, 260, 28},
      {&labEventNumber, 552, 461, 140, 18},
      {&seEventNumber, 692, 458, 64, 24},
      {&pbEventDownload, 8, 492, 528, 18},
      {&mb_Events_Progress, 552, 488, 48, 24},
      {&labEventsPercent, 604, 492, 20, 18},
      {&iLedEventMessage, 632, 488, 150, 24},
      {&labEventMess, 792, 492, 290, 18},
      {&bQuickEventUpload, 8, 524, 260, 28},
      {&bClrQuickViewer, 276, 524, 260, 28},
      {&pbQuickEventView, 552, 530, 304, 18},
      {&gbEventNotice, 888, 8, 192, 440},
      {&labEventNotice, 8, 24, 180, 200},

      {&cbI_Selector, 8, 8, 200, 24},
      {&labCurrentLevels, 8, 40, 200, 18},
      {&sgCurrentLevels, 8, 60, 200, 284},
      {&iSpecDisp, 230, 8, 600, 322},
      {&gbAttenuator, 230, 344, 180, 64},
      {&seAttenuator, 10, 28, 48, 24},
      {&labAttenuatorUnit, 66, 32, 60, 18},
      {&rgSimSpectrum, 420, 344, 200, 80},
      {&isLedSimSpectrum, 632, 352, 120, 28},
      {&labTHD, 8, 440, 470, 18},
      {&iAdTHD, 484, 436, 100, 26},
      {&labTHDUnit, 590, 440, 20, 18},
      {&labTHD_sum, 8, 474, 470, 18},
      {&iAdTHD_sum, 484, 470, 100, 26},
      {&labTHD_sumUnit, 590, 474, 20, 18},
  };
  for (const Place& p : places) p.control->SetBounds(p.left, p.top, p.width, p.height);
  sgCurrentLevels.ColWidths = {110, 84};
  sgCurrentLevels.ScrollBars = TScrollStyle::ssNone;
}

void TForm1::ConnectRecordPages() {
  if (!Form2) return;
  // The identity answer's serial number and the description read's drive name and ID, as the
  // exports head them. Any page that loads its editors from the same answers keeps doing so.
  auto chain = [](std::function<void()>& hook, std::function<void()> also) {
    hook = [before = hook, also] {
      if (before) before();
      also();
    };
  };
  chain(Form2->LoadRelayIDEditors, [this] {
    if (FormVariableTable) mbSerialNum.SetText(FormVariableTable->StrGridRelayID.Cell(1, 2));
  });
  chain(Form2->LoadDescEditors, [this] {
    if (!FormVariableTable) return;
    mbUserName.SetText(Trim(FormVariableTable->StringGridRelDescRx.Cell(1, 1)));
    mbDriveID.SetText(Trim(FormVariableTable->StringGridRelDescRx.Cell(1, 2)));
  });
}

// Set-up of the three records pages (Fault History, Event History, Spectrum Analyser) and the
// relay identity that heads their exports.
#include <functional>

#include "link/CommSetup.h"
#include "main/ControlOf.h"
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

// The Event History page: the quick viewer's grid wide enough for its nine columns and the
// scroll bar, its commands beside it above the notice; the download's commands, progress and
// outcome in two lines below the grid. The page stays inside a laptop's page area (about
// 1076 x 600).
constexpr int kGridBottom = 504, kLineA = kGridBottom + 8, kLineB = kLineA + 32;
// clang-format off
constexpr ControlPlace kEventPagePlaces[] = {
    {Field<&TForm1::sgQuickEventViewer>, 4, 4, 856, kGridBottom - 4},
    {Field<&TForm1::bQuickEventUpload>, 868, 4, 200, 26},
    {Field<&TForm1::pbQuickEventView>, 868, 34, 200, 20},
    {Field<&TForm1::bClrQuickViewer>, 868, 60, 200, 26},
    {Field<&TForm1::gbEventNotice>, 868, 96, 200, 206},
    {Field<&TForm1::labEventNotice>, 8, 20, 186, 180},
    {Field<&TForm1::labEventNumber>, 4, kLineA + 5, 118, 16},
    {Field<&TForm1::seEventNumber>, 124, kLineA + 1, 70, 24},
    {Field<&TForm1::bEventRecDownLoad>, 232, kLineA, 200, 26},
    {Field<&TForm1::bStopEventDownLoad>, 440, kLineA, 200, 26},
    {Field<&TForm1::pbEventDownload>, 4, kLineB + 2, 156, 20},
    {Field<&TForm1::mb_Events_Progress>, 164, kLineB, 40, 24},
    {Field<&TForm1::labEventsPercent>, 208, kLineB + 4, 16, 16},
    {Field<&TForm1::iLedEventMessage>, 232, kLineB, 200, 24},
    {Field<&TForm1::labEventMess>, 440, kLineB + 4, 416, 16},
};
// clang-format on

}  // namespace

void TForm1::InitRecordPages() {
  // -- Fault History --
  sgFaultHist.ColWidths = {40, 74, 73, 54, 454, 60, 57, 57, 53};
  bFaultUpDate.OnClick = [this] { FaultUpdateReq(); };
  bSaveFaultRecs.OnClick = [this] { bSaveFaultRecsClick(); };
  SetUpExportDialog(SaveDialogFaults, "SaveDialogFaults", "Save fault records to disk",
                    "Faults|*.xls");

  // -- Event History --
  sgQuickEventViewer.FixedCols = 0;
  sgQuickEventViewer.ColWidths = {49, 75, 64, 61, 248, 157, 65, 54, 56};
  PlaceControls(*this, kEventPagePlaces);
  pbEventDownload.SetMax(100);
  pbQuickEventView.SetMax(100);
  seEventNumber.MaxLength = 4;
  labEventNotice.SetCaption(
      "The records are saved in a file\nnamed after the drive ID,\nfor example "
      "C:\\DRIVE_ID.xls.\n\n"
      "The data fields are separated\nby tab characters; the file can\nbe opened with a "
      "spreadsheet\nprogram.\n\n"
      "Please do nothing else while\nrecords are uploaded over the\nhalf-duplex infrared link.");
  tsEvents.OnShow = [this] { tsEventsShow(); };
  bEventRecDownLoad.OnClick = [this] { bEventRecDownLoadClick(); };
  bStopEventDownLoad.OnClick = [this] { bStopEventDownLoadClick(); };
  seEventNumber.OnExit = [this] { seEventNumberExit(); };
  bQuickEventUpload.OnClick = [this] { bQuickEventUploadClick(); };
  bClrQuickViewer.OnClick = [this] { bClrQuickViewerClick(); };
  SetUpExportDialog(SaveDialogEvents, "SaveDialogEvents", "Save event records to disk",
                    "Events|*.xls");
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

// The Event History page: a download of the latest events into a tab-separated export file,
// running in the background (the link's event chain writes one line per event), and the quick
// view of the last 200 events in the grid.
#include <algorithm>
#include <string>

#include "link/CommSetup.h"
#include "main/EventProgress.h"
#include "main/Main.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include "wire/Numeric.h"
#include "wire/Requests.h"

namespace {

constexpr int kEventsKept = 1400;
constexpr int kQuickRows = 200;
constexpr int kEventCols = 9;
constexpr char kTab = '\t';

constexpr const char* kQuickHeadings[kEventCols] = {
    " Rec Nr",         " Status",  " Date", " Time", " Alarm Condition",
    " Trip Condition", " Run Hrs", " Imax", " Vmin"};

struct EndText {
  TForm1::EventDownloadEnd how;
  const char* text;
  TColor color;
};
// clang-format off
constexpr EndText kEndTexts[] = {
    {TForm1::EventDownloadEnd::Complete, "Upload successful completed", clDefault},
    {TForm1::EventDownloadEnd::Stopped, "Upload stopped, file incomplete", clRed},
    {TForm1::EventDownloadEnd::LinkLost, "Upload ended, communication lost: file incomplete", clRed},
};
// clang-format on

}  // namespace

void TForm1::tsEventsShow() {
  for (int col = 0; col < kEventCols; ++col)
    sgQuickEventViewer.SetCell(col, 0, kQuickHeadings[col]);
}

void TForm1::bEventRecDownLoadClick() {
  if (!SaveDialogEvents.Execute()) return;
  if (iLedEventMessage.Active()) return;  // a download is running; the name chosen is not used

  try {
    EventExportFile.Assign(SaveDialogEvents.FileName);
    EventExportFile.Rewrite();
    iLedEventMessage.SetActive(true);
    labEventMess.SetVisible(false);
    EventExportFile.WriteLn("Drive ID .... : " + mbDriveID.Text());
    EventExportFile.WriteLn("Drive Name .. : " + mbUserName.Text());
    EventExportFile.WriteLn("Serial Number : " + mbSerialNum.Text());
    EventExportFile.WriteLn(" ");
    EventExportFile.WriteLn(std::string("  Rec Nr  ") + kTab + "     Status     " + kTab +
                            "    Date     " + kTab + " Time " + kTab + "  ALARM CONDITION   " +
                            kTab + "  TRIP CONDITION    " + kTab + " RUN HRS " + kTab +
                            " Imax (%) " + kTab + " Vmin  " + kTab + "Breaker Clr (ms)");
  } catch (const EInOutError&) {
    MessageDlg("File I/O error.", TMsgDlgType::mtError);
    iLedEventMessage.SetActive(false);
    if (EventExportFile.IsOpen()) {
      try {
        EventExportFile.Close();
      } catch (const EInOutError&) {
        // The error has been reported once; a close failing as well adds nothing.
      }
    }
    EventCntr = kEventsKept;
    labEventMess.SetVisible(false);
    return;
  }

  QuickEventViewFlag = false;
  // Leaving the field keeps it in range; a value set in code is not, so the count is held here.
  const int quantity = std::clamp(seEventNumber.Value(), 1, kEventsKept);
  EventCntr = static_cast<uint16_t>(kEventsKept - quantity);
  ShowEventDownloadPercent(*this);
  if (Form2) Form2->AddToCommsQue(wire::ReqEvent);
  EventMassUploadAct = true;
}

int EventDownloadPercent(const TForm1& f) {
  return static_cast<int>(wire::RoundHalfEven(f.EventCntr * 100.0L / kEventsKept));
}

void ShowEventDownloadPercent(TForm1& f) {
  const std::string percent = IntToStr(EventDownloadPercent(f));
  if (f.mb_Events_Progress.Lines.Count() == 0)
    f.mb_Events_Progress.Lines.Add(percent);
  else
    f.mb_Events_Progress.Lines.Put(0, percent);
}

void TForm1::bStopEventDownLoadClick() {
  // The event already asked for is still written; the chain ends with it.
  if (iLedEventMessage.Active()) EventMassUploadAct = false;
}

void TForm1::seEventNumberExit() {
  if (seEventNumber.Text().empty()) seEventNumber.SetValue(1);
}

void TForm1::bQuickEventUploadClick() {
  QuickEventViewFlag = true;
  EventCntr = kEventsKept - kQuickRows;
  if (Form2) Form2->AddToCommsQue(wire::ReqEvent);
}

void TForm1::bClrQuickViewerClick() {
  for (int row = 1; row <= kQuickRows; ++row)
    for (int col = 0; col < kEventCols; ++col) sgQuickEventViewer.SetCell(col, row, "");
}

void TForm1::ShowEventDownloadEnd(EventDownloadEnd how) {
  for (const EndText& e : kEndTexts)
    if (e.how == how) {
      labEventMess.SetCaption(e.text);
      labEventMess.SetFontColor(e.color);
    }
  labEventMess.SetVisible(true);
}

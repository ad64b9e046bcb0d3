// The main window on the link: what the window shows when the link says a clock, fault or event
// record came or the event chain moved, what it answers when the link asks, and the port failing.
#include <ctime>
#include <cstdio>
#include <string>

#include "link/CommSetup.h"
#include "link/UnitProgress.h"
#include "main/EventProgress.h"
#include "main/LiveRecords.h"
#include "main/Main.h"
#include "wire/Numeric.h"
#include "wire/Selections.h"

using namespace wire;

namespace {

void ShowClock(TForm1& f) {
  const model::ClockReading& c = f.Clock;
  // While the clock page is shown its editors belong to the user.
  if (f.PageControl1.ActivePage() != &f.tsRealTimeClock) {
    f.seYear.SetValue(2000 + c.Year);
    f.seMonth.SetText(DecStr(c.Month));
    f.seDate.SetText(DecStr(c.Day));
    f.seHour.SetText(DecStr(c.Hour));
    f.seMinute.SetText(DecStr(c.Minute));
  }
  f.mbDate.SetText(PadNum(2000 + c.Year, 4) + "/" + PadNum(c.Month, 2) + "/" + PadNum(c.Day, 2));
  f.mbTime.SetText(PadNum(c.Hour, 2) + "h" + PadNum(c.Minute, 2) + "m" + PadNum(c.Second, 2) + "s");
}

void ShowFault(TForm1& f, const model::FaultRecord& r) {
  f.pbFaultUpdate.SetPosition(f.FaultReadPosition);
  // Row 0 holds the headings and is never written, whatever number a disturbed record carries.
  TStringGrid& g = f.sgFaultHist;
  if (r.Number < 1 || r.Number >= g.RowCount()) return;
  const auto cells = model::FaultCells(r);
  for (int c = 0; c < model::kFaultColumns; ++c)
    g.SetCell(c, r.Number, cells[static_cast<size_t>(c)]);
}

void ShowEvent(TForm1& f, const model::EventRecord& r) {
  if (f.QuickEventViewFlag) {
    const int row = static_cast<uint16_t>(model::kEventRecords - f.EventCntr);
    TStringGrid& g = f.sgQuickEventViewer;
    if (row < 1 || row >= g.RowCount()) return;  // never over the heading row
    g.SetCell(0, row, DecStr(row));
    const auto cells = model::EventCells(r);
    for (size_t c = 0; c < cells.size(); ++c) g.SetCell(static_cast<int>(c) + 1, row, cells[c]);
  } else if (f.EventFileWriteLn) {
    f.EventFileWriteLn(model::EventFileLine(r));
  }
}

// Closes the download's file; a failure is told unless one was told already.
void CloseEventFile(TForm1& f, bool tellFailure = true) {
  if (!f.EventFileClose) return;
  try {
    f.EventFileClose();
  } catch (const std::exception&) {
    if (tellFailure) ShowErrorLater("File I/O error.");
  }
}

void ShowEventChain(TForm1& f, EventStep step) {
  switch (step) {
    case EventStep::Advanced:
      if (!f.QuickEventViewFlag) ShowEventDownloadPercent(f);
      break;
    case EventStep::Stopped:
      f.pbEventDownload.SetPosition(100);
      f.iLedEventMessage.SetActive(false);
      CloseEventFile(f);
      f.ShowEventDownloadEnd(TForm1::EventDownloadEnd::Stopped);
      break;
    case EventStep::Complete:
      f.iLedEventMessage.SetActive(false);
      CloseEventFile(f);
      f.ShowEventDownloadEnd(TForm1::EventDownloadEnd::Complete);
      break;
    case EventStep::FileFailed:
      // It ends as a download that fails at its start does.
      f.iLedEventMessage.SetActive(false);
      CloseEventFile(f, false);
      f.labEventMess.SetVisible(false);
      ShowErrorLater("File I/O error.");
      return;
  }
  if (f.QuickEventViewFlag)
    f.pbQuickEventView.SetPosition(static_cast<int>(RoundHalfEven(
        (200 - (model::kEventRecords - static_cast<int>(f.EventCntr))) * 100.0L / 200)));
  else
    f.pbEventDownload.SetPosition(EventDownloadPercent(f));
}

ClockSetting ClockToWrite(TForm1& f) {
  if (f.cbRTC_UpdatePC.Checked()) {
    // The PC's clock as "hh:mm:ss" and "dd-mm-yyyy".
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char timeText[40], dateText[40];
    std::snprintf(timeText, sizeof timeText, "%02d:%02d:%02d", tm.tm_hour, tm.tm_min, tm.tm_sec);
    std::snprintf(dateText, sizeof dateText, "%02d-%02d-%04d", tm.tm_mday, tm.tm_mon + 1,
                  tm.tm_year + 1900);
    std::string t = timeText, d = dateText;
    f.seHour.SetText(t.substr(0, 2));
    f.seMinute.SetText(t.substr(3, 2));
    f.seYear.SetText(d.substr(6, 4));
    f.seMonth.SetText(d.substr(3, 2));
    f.seDate.SetText(d.substr(0, 2));
  }
  return {f.seYear.Value(), f.seMonth.Value(), f.seDate.Value(), f.seHour.Value(),
          f.seMinute.Value()};
}

SimulationSetting SimulationToWrite(TForm1& f) {
  if (!f.SimFlag) return {};
  auto pos = [](const TiSlider& s) {
    return RoundHalfEven(static_cast<long double>(s.Position()));
  };
  // clang-format off
  return {true, {pos(f.isSimIred), pos(f.isSimIwhite), pos(f.isSimIblue), pos(f.isSimVred),
                 pos(f.isSimVwhite), pos(f.isSimVblue), pos(f.isSimFrequency), pos(f.isSimPowerFactor),
                 pos(f.isSimEL), f.SimFieldInputs, f.SimExtFldInputs, f.seSimRTD1.Value(),
                 f.seSimRTD2.Value(), f.seSimRTD3.Value(), f.seSimRTD4.Value()}};
  // clang-format on
}

}  // namespace

void ConnectRelayLink(TForm1& f, TForm2& link) {
  link.Model = &f;
  link.ClockRead = [&f] { ShowClock(f); };
  link.FaultRead = [&f](const model::FaultRecord& r) { ShowFault(f, r); };
  link.EventRead = [&f](const model::EventRecord& r) { ShowEvent(f, r); };
  link.EventChainMoved = [&f](EventStep step) { ShowEventChain(f, step); };
  link.PortFailed = [&f] { f.DropLink(TForm1::LinkDrop::PortFailed); };
  link.StatisticsPageShown = [&f] { return f.PageControl1.ActivePage() == &f.tsStatistics; };
  link.ExtendedRelay = [&f] { return IsExtendedRevision(f.mbSW_Rev.Text()); };
  link.ClockToWrite = [&f] { return ClockToWrite(f); };
  link.SimulationToWrite = [&f] { return SimulationToWrite(f); };
  if (FrmProgress)
    FrmProgress->TransferCancelled = [&f] {
      f.EndClockEditMode();
      f.EndStatsEditMode();
    };
}

// The receive dispatcher: takes a packet only when it is the answer the head request expects,
// hands it to its parser, reports an accepted step through the done flag, and keeps the fault
// and event read chains going.
#include <exception>

#include "link/CommSetup.h"
#include "model/RequestFlags.h"
#include "platform/ui/Scheduler.h"
#include "wire/Requests.h"

using namespace wire;

namespace {

// The platform's standard error box for an unexpected error, shown once the dispatcher has
// returned: a box opened here would run a nested loop inside the serial component's delivery.
void ReportLater(std::exception_ptr error) {
  auto& s = Scheduler::Instance();
  s.Post(s.NowUs(), [error] { std::rethrow_exception(error); });
}

bool IsWrite(uint8_t code) {
  const RequestInfo* r = Request(code);
  return r && (r->Kind == MessageKind::RecordWrite || r->Kind == MessageKind::Clock ||
               r->Kind == MessageKind::BlockWrite);
}

}  // namespace

void TForm2::ComDataPacket1Packet(const std::string& Str) {
  // No error may escape into the serial component: it would stop reception.
  try {
    const uint8_t head = HeadRequest();
    const AnswerShape* shape = MatchShape(Str, head);
    if (!shape) return;  // not an answer to the head request: dropped
    // A write is confirmed only by the echo of its own message. A record of its kind that comes
    // before the message is out (unsolicited, or a late answer to a read) would retire it unsent.
    if (IsWrite(head) && !(AwaitingReply && WrittenRequest == head)) return;

    if (shape->Parser == ParserId::FaultData && head == ReqFirstFault) FaultReadCount = 1;
    // The record read before this one in the chain's pass (none before a pass's first).
    const int lastFault = head == ReqNextFault && Model ? Model->FaultLastNumber : 0;

    int result = 0;
    bool eventFileFailed = false;
    try {
      switch (shape->Parser) {
        case ParserId::ActualData:
          result = PackActualData(Str);
          break;
        case ParserId::ActualStatusData:
          result = PackActualStatusData(Str);
          break;
        case ParserId::RelayIDData:
          result = PackRelayIDData(Str);
          break;
        case ParserId::SettingData:
          result = PackSettingData(Str);
          break;
        case ParserId::RTCData:
          result = PackRTCData(Str);
          break;
        case ParserId::CalibrationData:
          result = PackCalibrationData(Str);
          break;
        case ParserId::StatisticalData:
          result = PackStatisticalData(Str);
          break;
        case ParserId::ExtModSetData:
          result = PackExtModSetData(Str);
          break;
        case ParserId::DescData:
          result = PackDescData(Str);
          break;
        case ParserId::BluetoothData:
          result = PackBluetoothData(Str);
          break;
        case ParserId::LogicData:
          result = PackLogicData(Str);
          break;
        case ParserId::StartConfData:
          result = PackStartConfData(Str);
          break;
        case ParserId::CommsData:
          result = PackCommsData(Str);
          break;
        case ParserId::CommsExtBlock0:
          result = PackCommsExtBlockData(Str, 0);
          break;
        case ParserId::CommsExtBlock1:
          result = PackCommsExtBlockData(Str, 1);
          break;
        case ParserId::CommsStatData:
          result = PackCommsStatData(Str);
          break;
        case ParserId::CommsExtStatData:
          result = PackCommsExtStatData(Str);
          break;
        case ParserId::FaultData:
          result = PackFaultData(Str);
          break;
        case ParserId::EventData:
          result = PackEventData(Str);
          break;
        case ParserId::SpectrumData:
          result = PackSpectruimData(Str);
          break;
        case ParserId::None:
          break;  // no shape has it
      }
    } catch (const std::exception&) {
      result = 0;
      // The event parser's only failure is the export file refusing a line.
      if (shape->Parser == ParserId::EventData)
        eventFileFailed = true;
      else
        ReportLater(std::current_exception());
    }

    if (result == 1) {
      const transfers::RequestFlags* flags = transfers::FlagsOf(head);
      if (flags && flags->Done && Model) Model->*(flags->Done) = true;
      RemFromCommsQue();
    }

    try {
      if (shape->Parser == ParserId::FaultData) {
        if (result == 1) MarkSkippedFaults(lastFault);
        ContinueFaultChain();
      }
      if (shape->Parser == ParserId::EventData) {
        if (eventFileFailed)
          EndEventDownloadAfterFileError();
        else if (result == 1)
          // A refused event stays at the head and is asked for again with the same number.
          ContinueEventChain();
      }
    } catch (const std::exception&) {
      ReportLater(std::current_exception());
    }

    // Every answer taken frees the link and rewinds the watchdog, accepted or not.
    AwaitingReply = false;
    LateAnswerPossible = false;
    CommsTimeOutCntr = kWatchdogTicks;
  } catch (...) {
  }
}

void TForm2::ContinueFaultChain() {
  if (!Model) return;
  const int position = Model->FaultReadPosition;
  if (position < model::RelayState::kFaultReadEnd) {
    ++FaultReadCount;
    AddToCommsQue(ReqNextFault);
  } else if (position == model::RelayState::kFaultReadEnd &&
             FaultReadCount < model::kFaultRecords) {
    // Fewer records than the relay keeps were read in this pass: start over.
    FaultReadCount = 0;
    AddToCommsQue(ReqFirstFault);
  }
}

void TForm2::ContinueEventChain() {
  if (!Model) return;
  model::RelayState& m = *Model;
  EventStep step = EventStep::Advanced;
  if (m.EventCntr < model::kEventRecords - 1) {
    if (m.QuickEventViewFlag || m.EventMassUploadAct) {
      ++m.EventCntr;
      AddToCommsQue(ReqEvent);
    } else {
      // The user stopped the download; this was its last record.
      m.EventMassUploadAct = false;
      step = EventStep::Stopped;
    }
  } else if (!m.QuickEventViewFlag) {
    step = EventStep::Complete;
  }
  if (EventChainMoved) EventChainMoved(step);
}

// The export file refused a line: the download cannot go on. It ends as a download that fails
// at its start does, and the request leaves the queue so the record is not asked for again.
void TForm2::EndEventDownloadAfterFileError() {
  if (HeadRequest() == ReqEvent) RemFromCommsQue();
  if (!Model) return;
  Model->EventMassUploadAct = false;
  if (EventChainMoved) EventChainMoved(EventStep::FileFailed);
}

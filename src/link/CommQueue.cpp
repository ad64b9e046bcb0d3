// The request queue and the 10 ms link timer.
#include "link/CommSetup.h"
#include "wire/Requests.h"
#include "link/UnitProgress.h"
#include "model/RequestFlags.h"
#include "platform/ui/Application.h"
#include "platform/ui/Scheduler.h"

#include <algorithm>

using namespace wire;

uint8_t TForm2::HeadRequest() const {
  return CommsQueSpaceLeft < kQueueSlots ? CommsQue[CommsQueHead] : 0;
}

int TForm2::AddToCommsQue(uint8_t CommsMessageType) {
  if (CommsQueSpaceLeft == 0) return -1;
  if (CommsMessageType == 0 || CommsMessageType > kRequestCount) return -2;
  for (uint8_t code : CommsQue)
    if (code == CommsMessageType) return -3;
  CommsQue[CommsQueTail] = CommsMessageType;
  CommsQueTail = static_cast<uint8_t>((CommsQueTail + 1) % kQueueSlots);
  --CommsQueSpaceLeft;
  return CommsQueSpaceLeft;
}

int TForm2::RemFromCommsQue() {
  if (CommsQueSpaceLeft >= kQueueSlots) return -1;
  CommsQue[CommsQueHead] = 0;
  CommsQueHead = static_cast<uint8_t>((CommsQueHead + 1) % kQueueSlots);
  ++CommsQueSpaceLeft;
  return 0;
}

void TForm2::ResetCommsQue() {
  if (AwaitingReply) LateAnswerPossible = true;
  TXBuffer.clear();
  AwaitingReply = false;
  CommsQue.fill(0);
  CommsQueSpaceLeft = kQueueSlots;
  CommsQueHead = 0;
  CommsQueTail = 0;
}

void TForm2::DropTransferRequests() {
  std::array<uint8_t, kQueueSlots> kept{};
  int count = 0;
  for (int i = 0; i < kQueueSlots - CommsQueSpaceLeft; ++i) {
    const uint8_t code = CommsQue[(CommsQueHead + i) % kQueueSlots];
    if (!transfers::FlagsOf(code)) kept[count++] = code;
  }
  // A reply still awaited for a dropped head is passed over as any stray answer is.
  CommsQue.fill(0);
  for (int i = 0; i < count; ++i) CommsQue[i] = kept[i];
  CommsQueHead = 0;
  CommsQueTail = static_cast<uint8_t>(count % kQueueSlots);
  CommsQueSpaceLeft = static_cast<uint8_t>(kQueueSlots - count);
}

void TForm2::OpenPort() {
  TXBuffer.clear();
  AwaitingReply = false;
  ResetCommsQue();
  AddToCommsQue(ReqUploadActual);
}

int64_t TForm2::TickUs() const { return int64_t(TmrCommsSystem.Interval()) * 1000; }

unsigned TForm2::QuietTicksAwaiting(int64_t firstUs) const {
  // An answer is coming in: every tick takes in what has come.
  if (ComDataPacket1.Holding()) return 0;
  // Ticks before the answer can be whole cannot find it.
  if (firstUs < ReplyDueUs)
    return std::min<unsigned>(RetryCntr,
                              unsigned((ReplyDueUs - firstUs + TickUs() - 1) / TickUs()));
  // The first tick that can find it looks (or the next, should it be due at that very moment).
  if (firstUs - TickUs() <= ReplyDueUs) return 0;
  // It looked in vain: the line wakes the program when the answer comes.
  return RetryCntr;
}

void TForm2::TmrCommsSystemTimer() {
  // 1. Reply time-out.
  if (AwaitingReply && RetryCntr == 0) {
    AwaitingReply = false;
    LateAnswerPossible = true;
  }

  // 2. The link is free: build and send the head request's message.
  if (ComPort1.Connected() && !AwaitingReply) {
    uint8_t built = HeadRequest();
    PackTXBuffer();
    // Only the request whose message was just built is looked at.
    if (IsFireAndForget(built) && HeadRequest() == built) {
      RemFromCommsQue();
      if (built == ReqClearFaults || built == ReqClearEvents) {
        if (Model) (built == ReqClearFaults ? Model->ClearFaultRec : Model->ClearEventRec) = false;
        if (FrmProgress) {
          FrmProgress->ProgLabProgDesc.SetCaption(built == ReqClearFaults ? "Faults cleared"
                                                                          : "Events cleared");
          FrmProgress->ProgBarDisProg.SetPosition(1);
          FrmProgress->ProgButButton.SetCaption("Ok");
        }
      }
    }
    if (!TXBuffer.empty()) {
      RetryCntr = kReplyTicks;
      AwaitingReply = true;
      WrittenRequest = built;
      // No answer to it can be whole before its own characters have crossed the line; one to an
      // earlier request that timed out may come at any moment.
      const RequestInfo* info = Request(built);
      const int answerLength = info && !LateAnswerPossible ? info->AnswerLength() : 0;
      ReplyDueUs = Scheduler::Instance().NowUs() + WireTimeUs(static_cast<size_t>(answerLength));
      try {
        ComPort1.WriteStr(TXBuffer);
      } catch (const std::exception&) {
        // The main window closes the port the one way every closing goes, and tells the user.
        if (PortFailed) {
          PortFailed();
        } else {
          CommsTimeOutCntr = 0;
          try {
            ComPort1.Close();
          } catch (const std::exception&) {
            if (Application)
              Application->MessageBox("Communication port failed. Select and reconnect port",
                                      "Error");
          }
        }
      }
    }
  }

  // 3. Count down.
  if (CommsTimeOutCntr > 0) --CommsTimeOutCntr;
  // The reply time-out starts once the message has left the line.
  if (RetryCntr > 0 && !ComPort1.Sending()) --RetryCntr;
}

// The receive dispatcher on its own: which packet it takes for the head request, the done flag of
// an accepted answer, the bookkeeping of every answer taken, errors kept inside, and the fault and
// event read chains with what the link says at each step.
#include <stdexcept>
#include <string>
#include <vector>

#include "link_alone/LinkAlone.h"
#include "wire/Numeric.h"
#include "wire/Requests.h"

using namespace wire;

namespace {

// clang-format off
const std::string kIdentity = "*I" "001" "00000002" "3b" "#";
const std::string kClock = "*R" "023" "005" "009" "007" "030" "045" "#";

// Fault record `n` with flag A bit 0 set; every other field as written.
std::string Fault(int n) {
  return "*F" + PadNum(n, 3) + "000" "023" "005" "009" "007" "030" "001" "000" "000" "000" "01234" "030" "00380" "012" "#";
}
// Event `number`, a stop on 2023/05/09 07h30.
std::string Event(int number) {
  return "*E" + PadNum(number, 5) + "002" "023" "005" "009" "007" "030" "000" "000" "000" "000" "000" "000" "000" "00321" "025" "00390" "#";
}
// clang-format on

struct Dispatcher : LinkAlone {
  std::vector<EventStep> steps;
  Dispatcher() {
    link().EventChainMoved = [this](EventStep s) { steps.push_back(s); };
  }
};

}  // namespace

TEST_F(Dispatcher, TakesOnlyTheAnswerToTheHeadRequest) {
  Await(ReqUploadRTC);
  Answer(kIdentity);  // well formed, but not what the head request asked for
  EXPECT_TRUE(link().AwaitingReply);
  EXPECT_EQ(link().CommsTimeOutCntr, 7);
  EXPECT_EQ(Queue(), std::vector<uint8_t>{ReqUploadRTC});
  Answer(kClock);
  EXPECT_TRUE(Taken());
  EXPECT_TRUE(Queue().empty());
  EXPECT_EQ(m.Clock.Second, 45);
}

// An accepted answer to a transfer's request sets its done flag and retires the request; a
// refused one stays at the head to be asked for again, and still frees the link.
TEST_F(Dispatcher, DoneFlagOnlyForAnAcceptedAnswer) {
  m.UploadDevID = true;
  Await(ReqUploadDevID);
  std::string bad = kIdentity;
  bad[5] = 'x';
  Answer(bad);
  EXPECT_TRUE(Taken());
  EXPECT_FALSE(m.DevIDUploaded);
  EXPECT_EQ(Queue(), std::vector<uint8_t>{ReqUploadDevID});
  Answer(kIdentity);
  EXPECT_TRUE(m.DevIDUploaded);
  EXPECT_TRUE(Queue().empty());

  // The write's echo matches what the read left in the send column.
  m.DownloadRelayID = true;
  Await(ReqDownloadRelayID);
  Answer(kIdentity);
  EXPECT_TRUE(m.RelayIDDownloaded);
  EXPECT_TRUE(Queue().empty());
}

TEST_F(Dispatcher, ErrorsStayInsideAndAreReportedAfterwards) {
  link().LoadCommsStatData = [](const std::string&) { throw std::runtime_error("display failed"); };
  Await(ReqUploadCommsStat);
  EXPECT_NO_THROW(Answer("*N12345678901234567890123456789012345#"));
  EXPECT_TRUE(Taken());
  EXPECT_EQ(Queue(), std::vector<uint8_t>{ReqUploadCommsStat});  // not accepted
  EXPECT_TRUE(hb.boxes.empty());
  hb.RunFor(1);
  ASSERT_EQ(hb.boxes.size(), 1u);
  EXPECT_EQ(hb.boxes[0].text, "display failed.");
}

// The fault chain reads from the first record down to record 1; a pass that reached record 1
// with fewer than 35 records read starts over.
TEST_F(Dispatcher, FaultChain) {
  Await(ReqFirstFault);
  Answer(Fault(20));
  EXPECT_EQ(link().FaultReadCount, 2);
  EXPECT_EQ(m.FaultReadPosition, 36);
  EXPECT_EQ(Queue(), std::vector<uint8_t>{ReqNextFault});
  for (int n = 19; n >= 11; --n) Answer(Fault(n));
  EXPECT_EQ(link().FaultReadCount, 11);
  Answer(Fault(1));
  EXPECT_EQ(link().FaultReadCount, 0);
  EXPECT_EQ(Queue(), std::vector<uint8_t>{ReqFirstFault});

  for (int n = 35; n >= 1; --n) Answer(Fault(n));
  EXPECT_EQ(link().FaultReadCount, 35);
  EXPECT_TRUE(Queue().empty());
  EXPECT_EQ(m.FaultReadPosition, 55);
  for (int n = 1; n <= 35; ++n) EXPECT_EQ(m.Faults[static_cast<size_t>(n - 1)]->Number, n);
}

// The download: each event asks for the next until the oldest, then the chain reports the end.
TEST_F(Dispatcher, EventDownloadRunsToTheOldestEvent) {
  std::vector<std::string> lines;
  link().EventRead = [&](const model::EventRecord& r) { lines.push_back(model::EventFileLine(r)); };
  m.EventMassUploadAct = true;
  m.EventCntr = 1397;
  Await(ReqEvent);
  Answer(Event(3));
  EXPECT_EQ(m.EventCntr, 1398);
  EXPECT_EQ(Queue(), std::vector<uint8_t>{ReqEvent});
  Answer(Event(2));
  Answer(Event(1));
  EXPECT_EQ(m.EventCntr, 1399);
  EXPECT_TRUE(Queue().empty());
  EXPECT_EQ(steps, (std::vector<EventStep>{EventStep::Advanced, EventStep::Advanced,
                                           EventStep::Complete}));
  EXPECT_EQ(lines, (std::vector<std::string>{"1397\tStop\t2023/05/09\t07h30\t\t\t321\t100\t390",
                                             "1398\tStop\t2023/05/09\t07h30\t\t\t321\t100\t390",
                                             "1399\tStop\t2023/05/09\t07h30\t\t\t321\t100\t390"}));
}

TEST_F(Dispatcher, StoppedDownloadEndsWithTheEventUnderWay) {
  m.EventMassUploadAct = false;  // the user pressed stop
  m.EventCntr = 700;
  Await(ReqEvent);
  Answer(Event(700));
  EXPECT_EQ(m.EventCntr, 700);
  EXPECT_TRUE(Queue().empty());
  EXPECT_EQ(steps, std::vector<EventStep>{EventStep::Stopped});
}

TEST_F(Dispatcher, QuickViewEndsQuietlyAtTheOldestEvent) {
  m.QuickEventViewFlag = true;
  m.EventCntr = 1398;
  Await(ReqEvent);
  Answer(Event(2));
  Answer(Event(1));
  EXPECT_EQ(m.EventCntr, 1399);
  EXPECT_TRUE(Queue().empty());
  EXPECT_EQ(steps, (std::vector<EventStep>{EventStep::Advanced, EventStep::Advanced}));
}

// A refused event is asked for again with the same number; an export file that refuses a line
// ends the download, and the request is not asked for again.
TEST_F(Dispatcher, RefusedEventAndFailingFile) {
  m.EventMassUploadAct = true;
  m.EventCntr = 1000;
  Await(ReqEvent);
  std::string bad = Event(400);
  bad[30] = 'x';
  Answer(bad);
  EXPECT_EQ(m.EventCntr, 1000);
  EXPECT_EQ(Queue(), std::vector<uint8_t>{ReqEvent});
  EXPECT_TRUE(steps.empty());
  link().PackTXBuffer();
  EXPECT_EQ(link().TXBuffer, "*?>#*?E00400#*?<#");

  link().EventRead = [](const model::EventRecord&) { throw std::runtime_error("disk full"); };
  Answer(Event(400));
  EXPECT_TRUE(Taken());
  EXPECT_TRUE(Queue().empty());
  EXPECT_FALSE(m.EventMassUploadAct);
  EXPECT_EQ(m.EventCntr, 1000);
  EXPECT_EQ(steps, std::vector<EventStep>{EventStep::FileFailed});
  hb.RunFor(1);
  EXPECT_TRUE(hb.boxes.empty());  // the main window tells the user, not the dispatcher
}

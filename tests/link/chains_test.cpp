// The fault and event read chains the dispatcher keeps going.
#include <gtest/gtest.h>

#include <stdexcept>

#include "wire/Numeric.h"
#include "wire/Requests.h"
#include "support/LinkWorld.h"

using namespace wire;

namespace {

struct ChainFixture : ::testing::Test {
  LinkWorld w{false};
  RelayModel relay;
  TForm1& f1 = w.f1();
  TForm2& f2 = w.f2();

  // The head request answered with `packet`, as the dispatcher sees it.
  void Answer(const std::string& packet) { f2.ComDataPacket1Packet(packet); }
  std::vector<uint8_t> Queue() const {
    std::vector<uint8_t> q;
    for (int i = 0; i < 30 - f2.CommsQueSpaceLeft; ++i)
      q.push_back(f2.CommsQue[(f2.CommsQueHead + i) % 30]);
    return q;
  }
};

}  // namespace

TEST_F(ChainFixture, FaultChainReadsDownToRecordOne) {
  f2.AddToCommsQue(ReqFirstFault);
  Answer(relay.FaultRecord(20));
  EXPECT_EQ(f1.pbFaultUpdate.Position(), 36);
  EXPECT_EQ(Queue(), std::vector<uint8_t>{ReqNextFault});
  EXPECT_EQ(f2.FaultReadCount, 2);
  for (int n = 19; n >= 11; --n) Answer(relay.FaultRecord(n));
  EXPECT_EQ(f2.FaultReadCount, 11);
  // Record 1 after only a few records in this pass: start over from the first record.
  Answer(relay.FaultRecord(1));
  EXPECT_EQ(Queue(), std::vector<uint8_t>{ReqFirstFault});
  EXPECT_EQ(f2.FaultReadCount, 0);
}

TEST_F(ChainFixture, FaultChainEndsAfterAFullPass) {
  f2.AddToCommsQue(ReqFirstFault);
  for (int n = 35; n >= 1; --n) Answer(relay.FaultRecord(n));
  EXPECT_TRUE(Queue().empty());
  EXPECT_EQ(f2.FaultReadCount, 35);
  EXPECT_EQ(f1.sgFaultHist.Cell(0, 35), "  35");
  EXPECT_EQ(f1.sgFaultHist.Cell(0, 1), "  1");
}

TEST_F(ChainFixture, RefusedFaultRecordStillMovesTheChain) {
  f2.AddToCommsQue(ReqNextFault);
  f1.pbFaultUpdate.SetPosition(40);
  std::string bad = relay.FaultRecord(10);
  bad[4] = 'x';
  Answer(bad);
  // Not accepted, so 16 stays at the head; queuing it again is refused as a duplicate.
  EXPECT_EQ(Queue(), std::vector<uint8_t>{ReqNextFault});
  EXPECT_EQ(f1.pbFaultUpdate.Position(), 40);
}

TEST_F(ChainFixture, EventDownloadRunsToEventOne) {
  std::vector<std::string> lines;
  int closes = 0;
  f1.EventFileWriteLn = [&](const std::string& l) { lines.push_back(l); };
  f1.EventFileClose = [&] { ++closes; };
  f1.EventMassUploadAct = true;
  f1.iLedEventMessage.SetActive(true);
  f1.EventCntr = 1397;  // three events left: 3, 2, 1
  f2.AddToCommsQue(ReqEvent);
  Answer(relay.EventRecord(3));
  EXPECT_EQ(f1.EventCntr, 1398);
  EXPECT_EQ(f1.mb_Events_Progress.Lines.Get(0), "100");  // 1398 * 100 / 1400 = 99.86
  EXPECT_EQ(Queue(), std::vector<uint8_t>{ReqEvent});
  Answer(relay.EventRecord(2));
  EXPECT_EQ(f1.EventCntr, 1399);
  Answer(relay.EventRecord(1));
  EXPECT_EQ(f1.EventCntr, 1399);
  EXPECT_TRUE(Queue().empty());
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(f1.iLedEventMessage.Active());
  EXPECT_TRUE(f1.labEventMess.Visible());
  EXPECT_EQ(f1.pbEventDownload.Position(), 100);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].substr(0, 5), "1397\t");
  EXPECT_EQ(lines[2].substr(0, 5), "1399\t");
}

// A refused event is asked for again with the same number instead of being skipped.
TEST_F(ChainFixture, RefusedEventIsAskedForAgain) {
  f1.EventFileWriteLn = [](const std::string&) {};
  f1.EventMassUploadAct = true;
  f1.EventCntr = 1000;
  f2.AddToCommsQue(ReqEvent);
  std::string bad = relay.EventRecord(400);
  bad[30] = 'x';
  Answer(bad);
  EXPECT_EQ(f1.EventCntr, 1000);
  EXPECT_EQ(Queue(), std::vector<uint8_t>{ReqEvent});
  f2.PackTXBuffer();
  EXPECT_EQ(f2.TXBuffer, "*?>#*?E00400#*?<#");
  Answer(relay.EventRecord(400));
  EXPECT_EQ(f1.EventCntr, 1001);
}

TEST_F(ChainFixture, StoppedDownloadEndsWithTheNextEvent) {
  std::vector<std::string> lines;
  int closes = 0;
  f1.EventFileWriteLn = [&](const std::string& l) { lines.push_back(l); };
  f1.EventFileClose = [&] { ++closes; };
  f1.EventMassUploadAct = false;  // the user pressed stop
  f1.iLedEventMessage.SetActive(true);
  f1.EventCntr = 700;
  f2.AddToCommsQue(ReqEvent);
  Answer(relay.EventRecord(700));
  EXPECT_EQ(lines.size(), 1u);  // the event under way is still written
  EXPECT_EQ(closes, 1);
  EXPECT_TRUE(Queue().empty());
  EXPECT_FALSE(f1.iLedEventMessage.Active());
  EXPECT_TRUE(f1.labEventMess.Visible());
  EXPECT_EQ(f1.EventCntr, 700);
  EXPECT_EQ(f1.pbEventDownload.Position(), 50);  // the progress line runs after the stop
}

TEST_F(ChainFixture, QuickViewFillsTheLast200) {
  f1.QuickEventViewFlag = true;
  f1.EventCntr = 1200;
  f2.AddToCommsQue(ReqEvent);
  for (int number = 200; number >= 1; --number) {
    f2.PackTXBuffer();
    ASSERT_EQ(f2.TXBuffer.substr(7, 5), PadNum(number, 5));
    Answer(relay.EventRecord(number));
  }
  EXPECT_TRUE(Queue().empty());
  EXPECT_EQ(f1.EventCntr, 1399);
  EXPECT_EQ(f1.pbQuickEventView.Position(), 100);
  EXPECT_EQ(f1.sgQuickEventViewer.Cell(0, 200), "200");
  EXPECT_EQ(f1.sgQuickEventViewer.Cell(0, 1), "1");
  EXPECT_EQ(f1.sgQuickEventViewer.Cell(0, 0), "");
  EXPECT_FALSE(f1.labEventMess.Visible());  // the quick view simply ends
}

TEST_F(ChainFixture, EventFileFailureEndsTheDownload) {
  int closes = 0;
  f1.EventFileWriteLn = [](const std::string&) { throw std::runtime_error("disk full"); };
  f1.EventFileClose = [&] { ++closes; };
  f1.EventMassUploadAct = true;
  f1.iLedEventMessage.SetActive(true);
  f1.EventCntr = 100;
  f2.AddToCommsQue(ReqEvent);
  f2.AwaitingReply = true;
  Answer(relay.EventRecord(1300));
  EXPECT_FALSE(f2.AwaitingReply);
  EXPECT_TRUE(Queue().empty());  // not asked for again
  EXPECT_FALSE(f1.EventMassUploadAct);
  EXPECT_FALSE(f1.iLedEventMessage.Active());
  EXPECT_FALSE(f1.labEventMess.Visible());
  EXPECT_EQ(closes, 1);
  w.hb.RunFor(1);
  ASSERT_EQ(w.hb.boxes.size(), 1u);
  EXPECT_EQ(w.hb.boxes[0].text, "File I/O error.");
}

TEST_F(ChainFixture, EventFileCloseFailureIsReported) {
  f1.EventFileWriteLn = [](const std::string&) {};
  f1.EventFileClose = [] { throw std::runtime_error("medium gone"); };
  f1.EventMassUploadAct = true;
  f1.EventCntr = 1399;
  f2.AddToCommsQue(ReqEvent);
  Answer(relay.EventRecord(1));
  EXPECT_TRUE(f1.labEventMess.Visible());
  w.hb.RunFor(1);
  ASSERT_EQ(w.hb.boxes.size(), 1u);
  EXPECT_EQ(w.hb.boxes[0].text, "File I/O error.");
  // Reception goes on.
  f2.AddToCommsQue(ReqUploadRTC);
  Answer(relay.ClockRecord());
  EXPECT_TRUE(Queue().empty());
}

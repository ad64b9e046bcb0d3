// The request queue and the 10 ms link timer: queue results, wrap-around, fire-and-forget
// requests, the reply time-out and repetition, the watchdog count, and write failures.
#include <gtest/gtest.h>

#include "wire/Requests.h"
#include "support/LinkWorld.h"

using namespace wire;

namespace {

// Records when each message started on the line (the tick that wrote it), in virtual ms.
struct RecordingPeer : SerialPeer {
  explicit RecordingPeer(LinkWorld& w) : w(w) { w.line.SetPeer(this); }
  ~RecordingPeer() override { w.line.SetPeer(nullptr); }
  void Receive(const std::string& bytes) override {
    sent.push_back({bytes, (w.hb.clock.NowUs() - WireTimeUs(bytes.size())) / 1000});
  }
  struct Sent {
    std::string msg;
    int64_t atMs;
  };
  LinkWorld& w;
  std::vector<Sent> sent;
};

}  // namespace

TEST(CommsQueue, AddAndRemoveResults) {
  LinkWorld w(false);
  TForm2& f = w.f2();
  struct Step {
    char op;  // 'a' add, 'r' remove
    int code;
    int result;
  };
  // clang-format off
  const Step steps[] = {
      {'r', 0, -1},  // empty
      {'a', 1, 29},  {'a', 1, -3}, {'a', 0, -2}, {'a', 42, -2}, {'a', 255, -2},
      {'a', 41, 28}, {'r', 0, 0},  {'a', 1, 28},  // 1 left the queue, so it may come again
      {'a', 41, -3},
  };
  // clang-format on
  for (const Step& s : steps) {
    SCOPED_TRACE(std::string(1, s.op) + std::to_string(s.code));
    EXPECT_EQ(s.op == 'a' ? f.AddToCommsQue(static_cast<uint8_t>(s.code)) : f.RemFromCommsQue(),
              s.result);
  }
  // Filling up: 28 more distinct codes, then the queue is full whatever the code.
  f.ResetCommsQue();
  for (int code = 1; code <= 30; ++code)
    EXPECT_EQ(f.AddToCommsQue(static_cast<uint8_t>(code)), 30 - code);
  EXPECT_EQ(f.AddToCommsQue(31), -1);
  EXPECT_EQ(f.AddToCommsQue(0), -1);
  EXPECT_EQ(f.AddToCommsQue(1), -1);
  EXPECT_EQ(f.CommsQueSpaceLeft, 0);
}

TEST(CommsQueue, WrapsAroundAndStaysFirstInFirstOut) {
  LinkWorld w(false);
  TForm2& f = w.f2();
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 30; ++i)
      ASSERT_GE(f.AddToCommsQue(static_cast<uint8_t>(1 + (i + round) % 41)), 0);
    for (int i = 0; i < 30; ++i) {
      EXPECT_EQ(f.HeadRequest(), 1 + (i + round) % 41);
      EXPECT_EQ(f.RemFromCommsQue(), 0);
    }
    EXPECT_EQ(f.CommsQueHead, 0);
    EXPECT_EQ(f.CommsQueTail, 0);
    EXPECT_EQ(f.CommsQueSpaceLeft, 30);
    EXPECT_EQ(f.HeadRequest(), 0);
  }
  // Part-way round: head and tail past slot 29 wrap to the start.
  for (int i = 0; i < 25; ++i) f.AddToCommsQue(static_cast<uint8_t>(i + 1));
  for (int i = 0; i < 25; ++i) f.RemFromCommsQue();
  for (int i = 0; i < 10; ++i) f.AddToCommsQue(static_cast<uint8_t>(i + 1));
  EXPECT_EQ(f.CommsQueTail, 5);
  EXPECT_EQ(f.HeadRequest(), 1);
  EXPECT_EQ(f.AddToCommsQue(10), -3);
}

TEST(CommsQueue, OpenPortAndResetEmptyTheLink) {
  LinkWorld w(false);
  TForm2& f = w.f2();
  f.AddToCommsQue(5);
  f.AddToCommsQue(7);
  f.TXBuffer = "*?R#";
  f.AwaitingReply = true;
  f.RetryCntr = 12;
  f.CommsTimeOutCntr = 300;
  f.OpenPort();
  EXPECT_EQ(f.HeadRequest(), ReqUploadActual);
  EXPECT_EQ(f.CommsQueSpaceLeft, 29);
  EXPECT_TRUE(f.TXBuffer.empty());
  EXPECT_FALSE(f.AwaitingReply);
  EXPECT_EQ(f.RetryCntr, 12);  // the countdowns are not the queue's business
  EXPECT_EQ(f.CommsTimeOutCntr, 300);
  f.ResetCommsQue();
  EXPECT_EQ(f.HeadRequest(), 0);
  EXPECT_EQ(f.CommsQueSpaceLeft, 30);
}

TEST(LinkTimer, UnansweredRequestRepeatsEvery20Ticks) {
  LinkWorld w(false);
  RecordingPeer peer(w);
  w.Connect();
  w.f2().AddToCommsQue(ReqUploadSettings);
  w.hb.RunFor(10);  // the first tick writes
  ASSERT_EQ(peer.sent.size(), 1u);
  EXPECT_TRUE(w.f2().AwaitingReply);
  EXPECT_EQ(w.f2().RetryCntr, 19);  // the writing tick already counted once
  w.hb.RunFor(1000);
  ASSERT_EQ(peer.sent.size(), 6u);
  for (size_t i = 0; i < peer.sent.size(); ++i) {
    EXPECT_EQ(peer.sent[i].msg, "*?S#");
    EXPECT_EQ(peer.sent[i].atMs, 10 + 200 * static_cast<int64_t>(i));
  }
  EXPECT_EQ(w.f2().HeadRequest(), ReqUploadSettings);  // it never leaves unanswered
}

TEST(LinkTimer, WatchdogCountsDownOncePerTickAndStopsAtZero) {
  LinkWorld w(false);
  w.f2().CommsTimeOutCntr = 5;
  w.f2().RetryCntr = 3;
  w.hb.RunFor(30);
  EXPECT_EQ(w.f2().CommsTimeOutCntr, 2);
  EXPECT_EQ(w.f2().RetryCntr, 0);
  w.hb.RunFor(100);
  EXPECT_EQ(w.f2().CommsTimeOutCntr, 0);
  w.Connect();  // 200 ticks: 2 s
  w.hb.RunFor(1990);
  EXPECT_EQ(w.f2().CommsTimeOutCntr, 1);
  w.hb.RunFor(10);
  EXPECT_EQ(w.f2().CommsTimeOutCntr, 0);
}

TEST(LinkTimer, AnswerFreesTheLinkForTheNextTick) {
  LinkWorld w(false);
  RecordingPeer peer(w);
  w.Connect();
  w.f2().AddToCommsQue(ReqUploadRTC);
  w.f2().AddToCommsQue(ReqUploadDevID);
  w.hb.RunFor(10);
  ASSERT_EQ(peer.sent.size(), 1u);
  w.f2().ComDataPacket1Packet("*R024001031023059058#");
  EXPECT_FALSE(w.f2().AwaitingReply);
  EXPECT_EQ(w.f2().CommsTimeOutCntr, 500);
  w.hb.RunFor(10);
  ASSERT_EQ(peer.sent.size(), 2u);
  EXPECT_EQ(peer.sent[1].msg, "*?I#");
  EXPECT_EQ(peer.sent[1].atMs, 20);
}

TEST(LinkTimer, FireAndForgetLeaveTheQueueAndStill20TicksApart) {
  struct Case {
    std::vector<uint8_t> codes;
    std::vector<std::string> messages;
  };
  // clang-format off
  const Case cases[] = {
      {{ReqSimulation, ReqThermalCapReset}, {"*z#", "*?-#"}},
      {{ReqClearFaults, ReqClearEvents}, {"*?X#", "*?V#"}},
      {{ReqRelayReset, ReqUploadActual}, {"*?+#", "*?A#"}},
  };
  // clang-format on
  for (const Case& c : cases) {
    LinkWorld w(false);
    RecordingPeer peer(w);
    w.Connect();
    for (uint8_t code : c.codes) w.f2().AddToCommsQue(code);
    w.hb.RunFor(10);
    ASSERT_EQ(peer.sent.size(), 1u);
    EXPECT_EQ(w.f2().HeadRequest(), c.codes[1]);  // gone as soon as its message was built
    w.hb.RunFor(200);
    ASSERT_EQ(peer.sent.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
      EXPECT_EQ(peer.sent[i].msg, c.messages[i]);
      EXPECT_EQ(peer.sent[i].atMs, 10 + 200 * static_cast<int64_t>(i));
    }
  }
}

TEST(LinkTimer, ClearRequestsReportInTheProgressDialog) {
  LinkWorld w(false);
  RecordingPeer peer(w);
  w.Connect();
  w.f1().ClearFaultRec = true;
  w.f1().ClearEventRec = true;
  w.prog().ProgBarDisProg.SetMax(1);
  w.prog().ProgLabProgDesc.SetCaption("Clearing");
  w.f2().AddToCommsQue(ReqClearFaults);
  w.f2().AddToCommsQue(ReqClearEvents);
  w.hb.RunFor(10);
  EXPECT_FALSE(w.f1().ClearFaultRec);
  EXPECT_TRUE(w.f1().ClearEventRec);
  EXPECT_EQ(w.prog().ProgLabProgDesc.Caption(), "Faults cleared");
  w.prog().ProgLabProgDesc.SetCaption("Clearing");
  w.hb.RunFor(190);
  EXPECT_EQ(w.prog().ProgLabProgDesc.Caption(), "Clearing");  // not before "*?V#" is built
  w.hb.RunFor(10);
  EXPECT_FALSE(w.f1().ClearEventRec);
  EXPECT_EQ(w.prog().ProgLabProgDesc.Caption(), "Events cleared");
  EXPECT_EQ(w.prog().ProgBarDisProg.Position(), 1);
  EXPECT_EQ(w.prog().ProgButButton.Caption(), "Ok");
}

TEST(LinkTimer, ClosedPortWritesNothingAndKeepsTheQueue) {
  LinkWorld w(false);
  w.f2().AddToCommsQue(ReqUploadActual);
  w.f2().AddToCommsQue(ReqClearFaults);
  w.hb.RunFor(500);
  EXPECT_TRUE(w.Written().empty());
  EXPECT_EQ(w.f2().CommsQueSpaceLeft, 28);
  EXPECT_EQ(w.f2().HeadRequest(), ReqUploadActual);
}

TEST(LinkTimer, FailedWriteClosesThePort) {
  // The main window drops the link: port closed, watchdog 0, the queue emptied with request 1
  // waiting, and the user told once, also when closing fails as well.
  for (bool closeFails : {false, true}) {
    LinkWorld w(false);
    w.Connect();
    w.line.FailWrites = true;
    w.line.FailClose = closeFails;
    w.f2().AddToCommsQue(ReqUploadActual);
    w.f2().AddToCommsQue(ReqUploadRTC);
    w.hb.RunFor(10);
    EXPECT_FALSE(w.f2().ComPort1.Connected());
    EXPECT_EQ(w.f2().CommsTimeOutCntr, 0);
    EXPECT_EQ(w.f2().CommsQueSpaceLeft, 29);
    EXPECT_EQ(w.f2().HeadRequest(), ReqUploadActual);
    ASSERT_EQ(w.hb.boxes.size(), 1u);
    EXPECT_EQ(w.hb.boxes[0].caption, "Error");
    EXPECT_EQ(w.hb.boxes[0].text, "Communication port failed. Select and reconnect port");
  }
}

// The receive dispatcher: which packets it takes for which head request, the done flags, the
// bookkeeping on accepted and refused answers, and errors kept inside.
#include <gtest/gtest.h>

#include <stdexcept>

#include "wire/Numeric.h"
#include "model/RequestFlags.h"
#include "wire/Requests.h"
#include "support/LinkWorld.h"

using namespace wire;

namespace {

// The dispatcher's view of a link waiting for the answer to `head`.
void Await(TForm2& f, uint8_t head) {
  f.ResetCommsQue();
  f.AddToCommsQue(head);
  f.AwaitingReply = true;
  f.WrittenRequest = head;
  f.CommsTimeOutCntr = 7;
}

bool Taken(const TForm2& f) { return !f.AwaitingReply && f.CommsTimeOutCntr == 500; }

// A valid answer of every shape, as the test relay sends it.
std::string AnswerFor(ParserId p) {
  RelayModel m;
  switch (p) {
    case ParserId::ActualData:
      return m.ActualRecord();
    case ParserId::ActualStatusData:
      return m.ActualStatusRecord();
    case ParserId::RelayIDData:
      return m.Record(RecordId::Identity);
    case ParserId::SettingData:
      return m.Record(RecordId::Settings);
    case ParserId::RTCData:
      return m.ClockRecord();
    case ParserId::CalibrationData:
      return m.Record(RecordId::Calibration);
    case ParserId::StatisticalData:
      return m.Record(RecordId::Statistics);
    case ParserId::ExtModSetData:
      return m.Record(RecordId::ExtMod);
    case ParserId::DescData:
      return m.Record(RecordId::Desc);
    case ParserId::BluetoothData:
      return m.Record(RecordId::Bluetooth);
    case ParserId::LogicData:
      return m.Record(RecordId::Logic);
    case ParserId::StartConfData:
      return m.Record(RecordId::StartConf);
    case ParserId::CommsData:
      return m.Record(RecordId::Comms);
    case ParserId::CommsExtBlock0:
      return m.BlockRecord(0);
    case ParserId::CommsExtBlock1:
      return m.BlockRecord(1);
    case ParserId::CommsStatData:
      return m.CommsStatusRecord();
    case ParserId::CommsExtStatData:
      return m.CommsExtStatusRecord();
    case ParserId::FaultData:
      return m.FaultRecord(12);
    case ParserId::EventData:
      return m.EventRecord(700);
    case ParserId::SpectrumData:
      return m.SpectrumRecord('r');
    case ParserId::None:
      break;
  }
  return "";
}

}  // namespace

// Every shape is taken exactly while one of its head codes waits, and dropped for every other
// head; taking it frees the link and rewinds the watchdog, accepted or refused.
TEST(Dispatcher, ShapesByHeadRequest) {
  LinkWorld w(false);
  TForm2& f = w.f2();
  for (const AnswerShape& shape : kAnswerShapes) {
    std::string packet = AnswerFor(shape.Parser);
    ASSERT_EQ(static_cast<int>(packet.size()), shape.Length) << shape.Letters;
    for (int head = 1; head <= kRequestCount; ++head) {
      SCOPED_TRACE(std::string(shape.Letters) + " with head " + std::to_string(head));
      bool expected = false;
      for (uint8_t h : shape.Heads) expected = expected || h == head;
      // The write echoes are accepted without a write flag (nothing to compare).
      Await(f, static_cast<uint8_t>(head));
      f.ComDataPacket1Packet(packet);
      EXPECT_EQ(Taken(f), expected);
      // An accepted fault record queues the next one of its chain.
      int after = !expected ? head : shape.Parser == ParserId::FaultData ? ReqNextFault : 0;
      EXPECT_EQ(f.HeadRequest(), after);
    }
  }
}

TEST(Dispatcher, MalformedPacketsAreDropped) {
  LinkWorld w(false);
  TForm2& f = w.f2();
  std::string good = RelayModel().Record(RecordId::Desc);
  // clang-format off
  const std::string bad[] = {
      good.substr(0, 30),                 // one short
      good + "#",                         // one long
      "#" + good.substr(1),               // no "*"
      good.substr(0, 30) + "*",           // no final "#"
      "*u" + good.substr(2),              // letters compared case-sensitively
      "",
      "*#",
  };
  // clang-format on
  for (const std::string& p : bad) {
    Await(f, ReqUploadDesc);
    f.ComDataPacket1Packet(p);
    EXPECT_FALSE(Taken(f)) << p;
    EXPECT_EQ(f.HeadRequest(), ReqUploadDesc);
  }
  // An empty queue takes nothing.
  f.ResetCommsQue();
  f.AwaitingReply = true;
  f.ComDataPacket1Packet(good);
  EXPECT_TRUE(f.AwaitingReply);
  // 60 characters with "a" while 17 waits, and with "E" while 2 waits.
  Await(f, ReqEvent);
  f.ComDataPacket1Packet(AnswerFor(ParserId::ActualStatusData));
  EXPECT_FALSE(Taken(f));
  Await(f, ReqUploadActualStatus);
  f.ComDataPacket1Packet(AnswerFor(ParserId::EventData));
  EXPECT_FALSE(Taken(f));
}

TEST(Dispatcher, DoneFlagOfTheHeadRequest) {
  LinkWorld w(false);
  TForm2& f = w.f2();
  for (const AnswerShape& shape : kAnswerShapes) {
    for (uint8_t head : shape.Heads) {
      if (!head) continue;
      SCOPED_TRACE(std::to_string(head));
      const transfers::RequestFlags* r = transfers::FlagsOf(head);
      if (r && r->Done) w.f1().*(r->Done) = false;
      Await(f, head);
      f.ComDataPacket1Packet(AnswerFor(shape.Parser));
      EXPECT_TRUE(Taken(f));
      if (shape.Parser != ParserId::FaultData) {
        EXPECT_EQ(f.HeadRequest(), 0);
      }
      if (r && r->Done) {
        EXPECT_TRUE(w.f1().*(r->Done));
      }
    }
  }
  // The polls of the clock and statistics have no done flag; their writes do.
  EXPECT_TRUE(w.f1().RTC_Downloaded);
  EXPECT_TRUE(w.f1().StatDownloaded);
}

// A write is confirmed only by the echo of its own message. Before that message is out (the
// queue has just moved on to it, or the link still waits out a message that expects no answer),
// a record of its kind is dropped and the write stays to be sent; a read takes any record of its
// kind.
TEST(Dispatcher, WriteTakesAnAnswerOnlyOnceItsMessageIsOut) {
  LinkWorld w(false);
  TForm2& f = w.f2();
  struct Case {
    const char* name;
    bool awaiting;
    uint8_t written;
    bool writeTakes;
  };
  const Case cases[] = {
      {"not written yet", false, ReqUploadCommsStat, false},
      {"another message awaited", true, ReqSimulation, false},
      {"its own message awaited", true, ReqDownloadCal, true},
  };
  const std::string record = RelayModel().Record(RecordId::Calibration);
  for (const Case& c : cases) {
    for (uint8_t head : {ReqUploadCalibration, ReqDownloadCal}) {
      SCOPED_TRACE(std::string(c.name) + ", head " + std::to_string(head));
      const bool takes = head == ReqUploadCalibration || c.writeTakes;
      w.f1().CalibrationUploaded = w.f1().CalDownloaded = false;
      Await(f, head);
      f.AwaitingReply = c.awaiting;
      f.WrittenRequest = head == ReqDownloadCal ? c.written : head;
      f.ComDataPacket1Packet(record);
      EXPECT_EQ(f.CommsTimeOutCntr == 500, takes);
      EXPECT_EQ(f.HeadRequest(), takes ? 0 : head);
      EXPECT_EQ(w.f1().CalibrationUploaded || w.f1().CalDownloaded, takes);
    }
  }
}

TEST(Dispatcher, RefusedAnswerFreesTheLinkButKeepsTheRequest) {
  LinkWorld w(false);
  TForm2& f = w.f2();
  struct Case {
    uint8_t head;
    std::string packet;
  };
  std::string settings = RelayModel().Record(RecordId::Settings);
  settings[100] = 'x';
  std::string desc = RelayModel().Record(RecordId::Desc);
  desc[10] = '?';
  std::string block = RelayModel().BlockRecord(1);
  block[131] = ' ';
  std::string actual = RelayModel().ActualRecord();
  actual[99] = 'z';  // position 100: the first revision character must be a digit
  const Case cases[] = {{ReqUploadSettings, settings},
                        {ReqUploadDesc, desc},
                        {ReqUploadCommsExtBlock1, block},
                        {ReqUploadActual, actual}};
  for (const Case& c : cases) {
    w.f1().SettingsUploaded = w.f1().DescUploaded = w.f1().CommsExtBlock1Uploaded = false;
    Await(f, c.head);
    f.ComDataPacket1Packet(c.packet);
    EXPECT_TRUE(Taken(f)) << int(c.head);
    EXPECT_EQ(f.HeadRequest(), c.head);
    EXPECT_FALSE(w.f1().SettingsUploaded || w.f1().DescUploaded || w.f1().CommsExtBlock1Uploaded);
  }
  // The second revision character is not checked.
  actual = RelayModel().ActualRecord();
  actual[100] = '?';
  Await(f, ReqUploadActual);
  f.ComDataPacket1Packet(actual);
  EXPECT_EQ(f.HeadRequest(), 0);
}

TEST(Dispatcher, ErrorsStayInside) {
  LinkWorld w(false);
  TForm2& f = w.f2();
  f.LoadActualData = [](const std::string&) { throw std::runtime_error("display failed"); };
  Await(f, ReqUploadActual);
  EXPECT_NO_THROW(f.ComDataPacket1Packet(AnswerFor(ParserId::ActualData)));
  EXPECT_TRUE(Taken(f));
  EXPECT_EQ(f.HeadRequest(), ReqUploadActual);  // not accepted
  EXPECT_TRUE(w.hb.boxes.empty());              // reported once the dispatcher has returned
  w.hb.RunFor(1);
  ASSERT_EQ(w.hb.boxes.size(), 1u);
  EXPECT_EQ(w.hb.boxes[0].text, "display failed.");
}

// The link against the test relay over the in-memory line, on the virtual clock: reads landing in
// the variable table, writes repeated until their echo matches, refused answers repeated, a
// silent relay, and answers that arrive late, split or among garbage.
#include <gtest/gtest.h>

#include <algorithm>

#include "wire/Requests.h"
#include "support/LinkWorld.h"

using namespace wire;

namespace {

struct EndToEnd : ::testing::Test {
  LinkWorld w;
  TForm1& f1 = w.f1();
  TForm2& f2 = w.f2();
  RelayModel& relay = w.relay->Model;

  void SetUp() override { w.Connect(); }
  int CountSent(const std::string& prefix) const {
    return static_cast<int>(std::count_if(
        w.Written().begin(), w.Written().end(),
        [&](const std::string& m) { return m.compare(0, prefix.size(), prefix) == 0; }));
  }
  bool Until(const std::function<bool()>& pred, int64_t ms = 10000) {
    return w.hb.RunUntil(pred, ms);
  }
};

}  // namespace

TEST_F(EndToEnd, FullReadLandsInTheVariableTable) {
  struct Step {
    uint8_t code;
    bool TForm1::*request;
    bool TForm1::*done;
    RecordId id;
  };
  // clang-format off
  const Step steps[] = {
      {ReqUploadDevID, &TForm1::UploadDevID, &TForm1::DevIDUploaded, RecordId::Identity},
      {ReqUploadSettings, &TForm1::UploadSettings, &TForm1::SettingsUploaded, RecordId::Settings},
      {ReqUploadCalibration, &TForm1::UploadCalibration, &TForm1::CalibrationUploaded, RecordId::Calibration},
      {ReqUploadExtModSet, &TForm1::UploadExtModSet, &TForm1::ExtModSetUploaded, RecordId::ExtMod},
      {ReqUploadDesc, &TForm1::UploadDesc, &TForm1::DescUploaded, RecordId::Desc},
      {ReqUploadBluetooth, &TForm1::UploadBluetooth, &TForm1::BluetoothUploaded, RecordId::Bluetooth},
      {ReqUploadLogic, &TForm1::UploadLogic, &TForm1::LogicUploaded, RecordId::Logic},
      {ReqUploadStartConf, &TForm1::UploadStartConf, &TForm1::StartConfUploaded, RecordId::StartConf},
      {ReqUploadComms, &TForm1::UploadComms, &TForm1::CommsUploaded, RecordId::Comms},
  };
  // clang-format on
  relay.Revision = "4f";
  for (const Step& s : steps) {
    f1.*s.request = true;
    f2.AddToCommsQue(s.code);
  }
  f2.AddToCommsQue(ReqUploadStat);  // a poll: no flag
  ASSERT_TRUE(Until([&] { return f2.HeadRequest() == 0; }));
  for (const Step& s : steps) {
    SCOPED_TRACE(Layout(s.id).GridName);
    EXPECT_TRUE(f1.*s.done);
    const RecordLayout& rec = Layout(s.id);
    TStringGrid& g = w.vt().Grid(s.id);
    std::string answer = relay.Record(s.id);
    if (s.id == RecordId::Identity) answer.replace(13, 2, relay.Revision);
    for (int k = 0; k < rec.FieldCount; ++k) {
      EXPECT_EQ(g.Cell(1, k + 1), ReceiveField(rec.Fields[k], answer)) << "row " << k + 1;
      EXPECT_EQ(g.Cell(2, k + 1), g.Cell(1, k + 1));
    }
  }
  EXPECT_EQ(w.vt().StrGridRelayID.Cell(1, 3), "4f");
  // One message per request: no answer was lost or repeated.
  EXPECT_EQ(w.Written().size(), 10u);
}

TEST_F(EndToEnd, WriteRepeatedUntilItsEchoMatches) {
  w.vt().StrGridRelSetRX.SetCell(2, 6, "007");  // goes out as 140
  relay.Misbehave.WrongEchoes = 2;
  f1.DownloadSetting = true;
  f2.AddToCommsQue(ReqDownloadSetting);
  ASSERT_TRUE(Until([&] { return f1.SettingDownloaded; }));
  EXPECT_EQ(CountSent("*S"), 3);
  EXPECT_EQ(relay.Field(RecordId::Settings, 6), "140");
  EXPECT_EQ(w.vt().StrGridRelSetRX.Cell(1, 6), "007");
  EXPECT_EQ(f2.HeadRequest(), 0);
}

TEST_F(EndToEnd, CancelledWriteTakesTheNextEchoAsItComes) {
  relay.Misbehave.WrongEchoes = 1000;
  f1.DownloadLogic = true;
  f2.AddToCommsQue(ReqDownloadLogic);
  w.hb.RunFor(2000);
  int sentBefore = CountSent("*W");
  EXPECT_GT(sentBefore, 5);  // repeated on every answer, the watchdog never ends it
  EXPECT_GT(f2.CommsTimeOutCntr, 0);
  w.prog().ProgButButton.Click();
  ASSERT_TRUE(Until([&] { return f2.HeadRequest() == 0; }, 1000));
}

// A relay that keeps refusing the answer: the cancel takes the transfer's request out of the
// queue and the poll waiting behind it runs, for a read and for a write alike.
TEST_F(EndToEnd, CancelEndsATransferWhoseAnswerIsAlwaysRefused) {
  struct Case {
    uint8_t code;
    bool TForm1::*request;
    const char* message;
  };
  const Case cases[] = {
      {ReqUploadDesc, &TForm1::UploadDesc, "*?U#"},
      {ReqDownloadSetting, &TForm1::DownloadSetting, "*S"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    relay.Misbehave.RefusedCharAnswers = 1000000;
    f1.*c.request = true;
    f2.AddToCommsQue(c.code);
    f2.AddToCommsQue(ReqUploadRTC);
    w.hb.RunFor(1000);
    ASSERT_GT(CountSent(c.message), 3);
    ASSERT_EQ(CountSent("*?R#"), 0);
    w.prog().ProgButButton.Click();
    const int sentAtCancel = CountSent(c.message);
    relay.Misbehave.RefusedCharAnswers = 0;
    ASSERT_TRUE(Until([&] { return f2.HeadRequest() == 0; }, 1000));
    w.hb.RunFor(500);
    EXPECT_EQ(CountSent(c.message), sentAtCancel);
    EXPECT_GE(CountSent("*?R#"), 1);
    EXPECT_GT(f2.CommsTimeOutCntr, 0);
    w.line.written.clear();
  }
}

TEST_F(EndToEnd, RefusedAnswersAreAskedForAgain) {
  relay.Misbehave.RefusedCharAnswers = 3;
  f1.UploadDesc = true;
  f2.AddToCommsQue(ReqUploadDesc);
  ASSERT_TRUE(Until([&] { return f1.DescUploaded; }));
  EXPECT_EQ(CountSent("*?U#"), 4);
  EXPECT_EQ(w.vt().StringGridRelDescRx.Cell(2, 1), "Test motor 7        ");
}

TEST_F(EndToEnd, SilentRelayGetsTheHeadEvery200ms) {
  relay.Misbehave.Silent = true;
  f2.AddToCommsQue(ReqUploadActual);
  f2.AddToCommsQue(ReqUploadRTC);
  w.hb.RunFor(1000);
  EXPECT_EQ(CountSent("*?A#"), 5);
  EXPECT_EQ(CountSent("*?R#"), 0);  // the queue behind it waits
  w.hb.RunFor(1000);
  EXPECT_EQ(CountSent("*?A#"), 10);
  EXPECT_EQ(f2.CommsTimeOutCntr, 0);  // 2 s after connecting without an answer
  relay.Misbehave.Silent = false;
  ASSERT_TRUE(Until([&] { return f2.HeadRequest() == 0; }, 1000));
  EXPECT_GT(f2.CommsTimeOutCntr, 400);  // rewound by the answers
}

TEST_F(EndToEnd, LateSplitAndGarbledDeliveries) {
  struct Case {
    const char* what;
    std::function<void(Misbehaviour&)> set;
  };
  // clang-format off
  const Case cases[] = {
      {"split", [](Misbehaviour& m) { m.Split = true; }},
      {"garbage", [](Misbehaviour& m) { m.Garbage = "\r\n#?!x#"; }},
      {"late", [](Misbehaviour& m) { m.LateUs = 150000; }},
      {"later than the time-out", [](Misbehaviour& m) { m.LateUs = 250000; }},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.set(relay.Misbehave);
    f1.LogicUploaded = f1.SettingsUploaded = false;
    f1.UploadLogic = f1.UploadSettings = true;
    f2.AddToCommsQue(ReqUploadLogic);
    f2.AddToCommsQue(ReqUploadSettings);
    ASSERT_TRUE(Until([&] { return f1.LogicUploaded && f1.SettingsUploaded; }));
    relay.Misbehave = Misbehaviour{};
    w.hb.RunFor(1000);  // let stragglers arrive
    f2.ResetCommsQue();
  }
}

TEST_F(EndToEnd, RevisionAndProductReachTheLiveParser) {
  relay.Revision = "5a";
  relay.ProductId = 5;
  std::string seen;
  f2.LoadActualData = [&](const std::string& record) { seen = record; };
  f2.AddToCommsQue(ReqUploadActual);
  ASSERT_TRUE(Until([&] { return !seen.empty(); }));
  EXPECT_EQ(seen.substr(96, 3), "005");
  EXPECT_EQ(seen.substr(99, 2), "5a");
}

TEST_F(EndToEnd, FaultChainReadsTheWholeHistory) {
  f2.AddToCommsQue(ReqFirstFault);
  ASSERT_TRUE(Until([&] { return f2.HeadRequest() == 0; }));
  EXPECT_EQ(CountSent("*?>#*?F#*?<#"), 1);
  EXPECT_EQ(CountSent("*?>#*?<#"), 34);
  for (int n = 1; n <= 35; ++n) EXPECT_EQ(f1.sgFaultHist.Cell(0, n), "  " + std::to_string(n));
  EXPECT_EQ(f1.pbFaultUpdate.Position(), 55);
}

TEST_F(EndToEnd, EventDownloadToTheFile) {
  std::vector<std::string> lines;
  bool closed = false;
  f1.EventFileWriteLn = [&](const std::string& l) { lines.push_back(l); };
  f1.EventFileClose = [&] { closed = true; };
  f1.EventMassUploadAct = true;
  f1.iLedEventMessage.SetActive(true);
  f1.EventCntr = 1400 - 12;
  relay.Misbehave.RefusedCharAnswers = 1;  // the first event is disturbed and read again
  f2.AddToCommsQue(ReqEvent);
  ASSERT_TRUE(Until([&] { return closed; }));
  ASSERT_EQ(lines.size(), 12u);
  for (int i = 0; i < 12; ++i)
    EXPECT_EQ(lines[i].substr(0, lines[i].find('\t')), std::to_string(1388 + i));
  EXPECT_TRUE(f1.labEventMess.Visible());
}

// The message of every request, byte for byte, built from given send-column values, and writes
// refused because a value does not fit its field.
#include <gtest/gtest.h>

#include <functional>

#include "wire/Numeric.h"
#include "wire/Requests.h"
#include "support/LinkWorld.h"

using namespace wire;

namespace {

std::string Zeros(int n) { return std::string(static_cast<size_t>(n), '0'); }

std::string BuildFor(LinkWorld& w, uint8_t code) {
  w.f2().ResetCommsQue();
  w.f2().AddToCommsQue(code);
  w.f2().PackTXBuffer();
  return w.f2().TXBuffer;
}

void SetSend(RecordId id, int row, const std::string& text) {
  FormVariableTable->Grid(id).SetCell(2, row, text);
}

}  // namespace

TEST(MessageBuilder, DefaultSettingsWriteIs164Characters) {
  LinkWorld w(false);
  std::string msg = BuildFor(w, ReqDownloadSetting);
  // 100 minus 0 for row 1, plus 30 for rows 37..44, zeros elsewhere.
  std::string expected = "*S100" + Zeros(111) + "030030030030030030030030" + Zeros(23) + "#";
  EXPECT_EQ(msg.size(), 164u);
  EXPECT_EQ(msg, expected);
}

TEST(MessageBuilder, EveryRequestMessage) {
  struct Case {
    uint8_t code;
    std::function<void(TForm1&)> setup;
    std::string expected;
  };
  auto none = [](TForm1&) {};
  const std::string blocksA = [] {
    std::string s = "*MA";
    for (int i = 0; i < 43; ++i) s += PadNum(i * 5 % 256, 3);
    return s + "#";
  }();
  const std::string blocksB = [] {
    std::string s = "*MB";
    for (int i = 43; i < 86; ++i) s += PadNum(i * 5 % 256, 3);
    return s + "#";
  }();
  // clang-format off
  const std::vector<Case> cases = {
      {1, none, "*?A#"},
      {2, none, "*?a#"},
      {3, none, "*?I#"},
      {4, none, "*?S#"},
      {5, none, "*?R#"},
      {6, none, "*?C#"},
      {7, none, "*?T#"},
      {8, none, "*?O#"},
      {9, none, "*?U#"},
      {10, none, "*?J#"},
      {11, none, "*?W#"},
      {12, none, "*?Q#"},
      {13, none, "*?M#"},
      {14, none, "*?N#"},
      {15, none, "*?>#*?F#*?<#"},
      {16, none, "*?>#*?<#"},
      {17, [](TForm1& f) { f.EventCntr = 1200; }, "*?>#*?E00200#*?<#"},
      {17, [](TForm1& f) { f.EventCntr = 0; }, "*?>#*?E01400#*?<#"},
      {17, [](TForm1& f) { f.EventCntr = 1399; }, "*?>#*?E00001#*?<#"},
      {17, [](TForm1& f) { f.EventCntr = 1401; }, "*?>#*?E65535#*?<#"},
      {18, none, "*Hr#"},
      {19, none, "*Hw#"},
      {20, none, "*Hb#"},
      {21,
       [](TForm1&) {
         SetSend(RecordId::Settings, 1, "080");    // 100 minus: 020
         SetSend(RecordId::Settings, 6, "005");    // times 20: 100
         SetSend(RecordId::Settings, 7, "123");    // goes after row 20
         SetSend(RecordId::Settings, 12, "00250"); // div 50: 005
         SetSend(RecordId::Settings, 15, "00007"); // times 20, 5 digits: 00140
         SetSend(RecordId::Settings, 20, "002");
         SetSend(RecordId::Settings, 37, "-030");  // plus 30: 000
         SetSend(RecordId::Settings, 50, "00100");
       },
       "*S020000000000000100000000000" + Zeros(5) + "005" + Zeros(6) + "00140" + Zeros(9) + Zeros(5) + "002" +
           "123" + Zeros(48) + "000030030030030030030030" + Zeros(15) + "00100000#"},
      {22,
       [](TForm1&) {
         SetSend(RecordId::Logic, 1, "255");
         SetSend(RecordId::Logic, 25, "00003");  // times 20: 00060
         SetSend(RecordId::Logic, 58, "-010");   // plus 30: 020
         SetSend(RecordId::Logic, 66, "007");
       },
       "*W255" + Zeros(69) + "00060" + Zeros(100) + "020030030030030030030030" + "007#"},
      {23,
       [](TForm1&) {
         SetSend(RecordId::StartConf, 1, "001");
         SetSend(RecordId::StartConf, 23, "00150");  // div 50: 003
         SetSend(RecordId::StartConf, 30, "002");
       },
       "*Q001" + Zeros(57) + Zeros(5) + "000" + "003" + Zeros(5) + Zeros(3) + Zeros(5) + Zeros(3) + Zeros(3) +
           Zeros(3) + "002#"},
      {24,
       [](TForm1& f) {
         f.seYear.SetValue(2099);
         f.seMonth.SetValue(12);
         f.seDate.SetValue(31);
         f.seHour.SetValue(23);
         f.seMinute.SetValue(59);
       },
       "*R099012031023059#"},
      {25, [](TForm1&) { SetSend(RecordId::Calibration, 11, "-005"); SetSend(RecordId::Calibration, 1, "105"); },
       "*C105" + Zeros(27) + "251" + Zeros(21) + "#"},
      {26,
       [](TForm1&) {
         SetSend(RecordId::Identity, 1, "002");
         SetSend(RecordId::Identity, 2, "01234567");
       },
       "*I00201234567#"},
      {27, none, "*?X#"},
      {28,
       [](TForm1&) {
         SetSend(RecordId::Desc, 1, "Pump 3              ");
         SetSend(RecordId::Desc, 2, "PMP-0003");
       },
       "*UPump 3              PMP-0003#"},
      {29, [](TForm1&) { SetSend(RecordId::Bluetooth, 1, "4711"); }, "*J4711#"},
      {30, [](TForm1&) { SetSend(RecordId::Comms, 1, "133"); SetSend(RecordId::Comms, 10, "039"); },
       "*M133" + Zeros(24) + "039#"},
      {31,
       [](TForm1&) {
         SetSend(RecordId::Statistics, 1, "00012");
         SetSend(RecordId::Statistics, 5, "099");  // not sent
         SetSend(RecordId::Statistics, 17, "54321");
       },
       "*T00012" + Zeros(15) + Zeros(10) + "54321#"},
      {32, [](TForm1& f) { f.SimFlag = false; }, "*z#"},
      {32,
       [](TForm1& f) {
         f.SimFlag = true;
         f.isSimIred.SetPosition(100.5);  // halves to even: 100
         f.isSimIwhite.SetPosition(101.5);  // 102
         f.isSimIblue.SetPosition(999.4);
         f.isSimVred.SetPosition(400);
         f.isSimVwhite.SetPosition(0);
         f.isSimVblue.SetPosition(230);
         f.isSimFrequency.SetPosition(50);
         f.isSimPowerFactor.SetPosition(85);
         f.isSimEL.SetPosition(3000);
         f.SimFieldInputs = 5;
         f.SimExtFldInputs = 255;
         f.seSimRTD1.SetValue(-30);
         f.seSimRTD2.SetValue(0);
         f.seSimRTD3.SetValue(25);
         f.seSimRTD4.SetValue(220);
       },
       "*Z00100001020099900400000000023005008503000005255000030055250#"},
      {33, [](TForm1&) { SetSend(RecordId::ExtMod, 1, "00500"); SetSend(RecordId::ExtMod, 8, "12750"); },
       "*O010" + Zeros(18) + "255#*?O#"},
      {34, none, "*?V#"},
      {35, none, "*?-#"},
      {36, none, "*?+#"},
      {37, [](TForm1&) { for (int i = 0; i < 86; ++i) FormVariableTable->CommsDataBlockTx[i] = static_cast<uint8_t>(i * 5 % 256); },
       blocksA},
      {38, [](TForm1&) { for (int i = 0; i < 86; ++i) FormVariableTable->CommsDataBlockTx[i] = static_cast<uint8_t>(i * 5 % 256); },
       blocksB},
      {39, none, "*?MA#"},
      {40, none, "*?MB#"},
      {41, none, "*?NA#"},
  };
  // clang-format on
  for (const Case& c : cases) {
    LinkWorld w(false);
    c.setup(w.f1());
    SCOPED_TRACE("request " + std::to_string(c.code));
    std::string msg = BuildFor(w, c.code);
    EXPECT_EQ(msg, c.expected);
    EXPECT_EQ(w.f2().PackTXBuffer(), static_cast<int>(c.expected.size()));
    if (c.code == 37 || c.code == 38) {
      EXPECT_EQ(w.vt().CommsDataBlockRx2, c.expected);
    }
    // Write lengths as the relay expects them.
    if (const RequestInfo* r = Request(c.code); r->Kind == MessageKind::RecordWrite) {
      EXPECT_EQ(static_cast<int>(msg.size()), Layout(r->Record).WriteLength);
    }
  }
}

TEST(MessageBuilder, EmptyQueueOrBadHeadBuildsNothing) {
  LinkWorld w(false);
  EXPECT_EQ(w.f2().PackTXBuffer(), 0);
  EXPECT_TRUE(w.f2().TXBuffer.empty());
  // A code outside 1..41 cannot be queued, but a damaged slot must not be sent either.
  w.f2().CommsQue[0] = 42;
  w.f2().CommsQueSpaceLeft = 29;
  w.f2().CommsQueTail = 1;
  EXPECT_EQ(w.f2().PackTXBuffer(), 0);
}

TEST(MessageBuilder, PcClockWriteTakesThePcTime) {
  LinkWorld w(false);
  w.f1().cbRTC_UpdatePC.SetChecked(true);
  int dateChanges = 0;
  w.f1().seDate.OnChange = [&] { ++dateChanges; };
  w.f1().seDate.SetText("");  // any day the PC shows differs from an empty text
  dateChanges = 0;
  std::string msg = BuildFor(w, ReqDownloadRTC);
  ASSERT_EQ(msg.size(), 18u);
  EXPECT_EQ(msg.substr(0, 2), "*R");
  EXPECT_TRUE(DigitsAt(msg, 3, 17));
  EXPECT_EQ(dateChanges, 1);
  EXPECT_EQ(w.f1().seYear.Text().size(), 4u);
  EXPECT_EQ(w.f1().seHour.Text().size(), 2u);
}

// A write whose value does not fit is never put on the wire: it leaves the queue, its transfer
// ends with the progress dialog showing the failure and the user is told the field and value.
TEST(MessageBuilder, RefusedWriteEndsTheTransfer) {
  LinkWorld w(false);
  w.Connect();
  w.f1().MassDownload = true;
  w.f1().DownloadSetting = true;
  w.f1().UploadLogic = true;  // another transfer's flag stays
  SetSend(RecordId::Settings, 6, "050");
  w.f2().AddToCommsQue(ReqDownloadSetting);
  w.f2().AddToCommsQue(ReqUploadActual);
  w.prog().ProgButButton.SetCaption("Cancel");
  w.hb.RunFor(25);
  ASSERT_FALSE(w.Written().empty());
  EXPECT_EQ(w.Written().front(), "*?A#");  // the next request went out instead
  for (const std::string& m : w.Written()) EXPECT_NE(m.substr(0, 2), "*S");
  EXPECT_FALSE(w.f1().DownloadSetting);
  EXPECT_FALSE(w.f1().SettingDownloaded);
  EXPECT_FALSE(w.f1().MassDownload);
  EXPECT_TRUE(w.f1().UploadLogic);
  EXPECT_EQ(w.prog().ProgLabProgDesc.Caption(), "Downloading failed");
  EXPECT_EQ(w.prog().ProgButButton.Caption(), "Ok");
  ASSERT_EQ(w.hb.boxes.size(), 1u);
  EXPECT_EQ(w.hb.boxes[0].kind, BoxKind::Error);
  EXPECT_NE(w.hb.boxes[0].text.find("Unbal Trip Del"), std::string::npos);
  EXPECT_NE(w.hb.boxes[0].text.find("050"), std::string::npos);
}

TEST(MessageBuilder, HalfTypedSimulationValueIsDropped) {
  LinkWorld w(false);
  w.Connect();
  w.f1().SimFlag = true;
  w.f1().seSimRTD2.SetText("-45");  // typed, not yet clamped on leaving the field
  w.f2().AddToCommsQue(ReqSimulation);
  w.f2().AddToCommsQue(ReqUploadActual);
  w.hb.RunFor(25);
  ASSERT_EQ(w.Written().size(), 1u);
  EXPECT_EQ(w.Written()[0], "*?A#");
  EXPECT_TRUE(w.hb.boxes.empty());
}

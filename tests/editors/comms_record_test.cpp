// The comms record parser with the pages' hooks: the layout by the relay's revision, the editors
// a read loads, the echo rule of a write; and the block's second half reloading the page.
#include <gtest/gtest.h>

#include "editors/CommsLayout.h"
#include "support/CommsWorld.h"

namespace {

// "*M" and ten three-digit fields.
std::string Record(std::initializer_list<int> bytes) {
  std::string s = "*M";
  for (int b : bytes) s += wire::PadNum(b, 3);
  return s + "#";
}

}  // namespace

TEST(CommsRecordParser, AnswersItRefusesChangeNothing) {
  CommsWorld w("Rev 4e", false);
  TForm1& f = w.f1();
  f.UploadComms = true;
  const std::string refused[] = {
      "*M001002003004005006007008009x10#",  // a letter in a field
      "*M 01002003004005006007008009010#",  // a blank
  };
  for (const std::string& a : refused) {
    SCOPED_TRACE(a);
    const std::string before = w.comms().Cell(1, 1);
    EXPECT_EQ(w.f2().PackCommsData(a), 0);
    EXPECT_TRUE(f.gbOldCommsSet.Visible());
    EXPECT_FALSE(f.tabsExtendedCommsSet.TabVisible());
    EXPECT_EQ(w.comms().Cell(1, 1), before);
  }
}

TEST(CommsRecordParser, ExtendedReadSwitchesToTheModulePageAndLoadsTheCANbusEditors) {
  CommsWorld w("Rev 4e", false);
  TForm1& f = w.f1();
  f.UploadComms = true;
  f.UploadCommsExtBlock0 = f.UploadCommsExtBlock1 = true;
  ASSERT_EQ(w.f2().PackCommsData(Record({200, 131, 2, 1, 16, 39, 1, 2, 255, 255})), 1);
  EXPECT_FALSE(f.gbOldCommsSet.Visible());
  EXPECT_TRUE(f.tabsExtendedCommsSet.TabVisible());
  EXPECT_EQ(f.tsStatistics.Caption(), "Statistics");
  EXPECT_TRUE(f.labExtCommsErrFRAM.Visible());
  EXPECT_EQ(f.cbExtCommsSelProt.ItemIndex(), editors::comms::kCANbus);
  EXPECT_TRUE(f.grpboxExtCommsCAN.Visible());
  EXPECT_EQ(f.speditExtComms_CANbus_Address.Text(), "72");
  EXPECT_EQ(f.cbExtComms_CANbus_StructTypeSel.ItemIndex(), 1);
  EXPECT_EQ(f.cbExtComms_CANbus_BaudRate.ItemIndex(), 2);
  EXPECT_EQ(f.cbExtComms_CANbus_IdentType.ItemIndex(), 1);
  EXPECT_EQ(f.speditExtComms_CANbus_CmdBaseAddr.Text(), "10000");
  EXPECT_EQ(f.speditExtComms_CANbus_ActBaseAddr.Text(), "513");
  EXPECT_EQ(f.speditExtComms_CANbus_SetBaseAddr.Text(), "65535");
  EXPECT_TRUE(f.UploadCommsExtBlock0 && f.UploadCommsExtBlock1);
  // The send column is the relay's, bit 7 of the protocol byte included.
  EXPECT_EQ(w.Sent(1), "131");
  EXPECT_EQ(w.Sent(0), "200");

  ASSERT_EQ(w.f2().PackCommsData(Record({5, 1, 0, 0, 0, 0, 0, 0, 0, 0})), 1);
  EXPECT_FALSE(f.labExtCommsErrFRAM.Visible());
  EXPECT_EQ(f.cbExtCommsSelProt.ItemIndex(), editors::comms::kProfibusDP);
  EXPECT_TRUE(f.grpboxExtCommsProfibusDP.Visible());
  EXPECT_FALSE(f.grpboxExtCommsCAN.Visible());

  // A later read from an older relay brings the basic editors back.
  f.mbSW_Rev.SetText("Rev 3b");
  ASSERT_EQ(w.f2().PackCommsData(Record({5, 1, 0, 0, 0, 0, 0, 0, 0, 0})), 1);
  EXPECT_TRUE(f.gbOldCommsSet.Visible());
  EXPECT_FALSE(f.tabsExtendedCommsSet.TabVisible());
  EXPECT_EQ(f.tsStatistics.Caption(), "Comms + Statistics");
  EXPECT_FALSE(f.UploadCommsExtBlock0 || f.UploadCommsExtBlock1);
}

TEST(CommsRecordParser, OlderRevisionLoadsTheBasicEditorsByProtocol) {
  struct Case {
    const char* name;
    std::string answer;
    int protocol;
    std::string address;
  };
  // clang-format off
  const Case cases[] = {
      {"CANbus", Record({200, 3, 1, 1, 16, 39, 0, 0, 0, 0}), 3, "72"},
      // Modbus addresses take all eight bits: the protocol has widened the editor's range first.
      {"Modbus keeps bit 7", Record({200, 2, 3, 30, 0, 0, 0, 0, 0, 0}), 2, "200"},
      {"Profibus", Record({133, 1, 0, 0, 0, 0, 0, 0, 0, 0}), 1, "5"},
      {"error flag stripped", Record({3, 130, 4, 9, 0, 0, 0, 0, 0, 0}), 2, "3"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CommsWorld w("Rev 3b", false);
    TForm1& f = w.f1();
    f.UploadComms = true;
    ASSERT_EQ(w.f2().PackCommsData(c.answer), 1);
    EXPECT_EQ(f.cbCommsProtocol.ItemIndex(), c.protocol);
    EXPECT_EQ(f.seCommsAddr.Text(), c.address);
  }
  CommsWorld w("Rev 3b", false);
  TForm1& f = w.f1();
  f.UploadComms = true;
  ASSERT_EQ(w.f2().PackCommsData(Record({200, 3, 1, 1, 16, 39, 0, 0, 0, 0})), 1);
  EXPECT_EQ(f.cbCommsStrucSel.ItemIndex(), 1);
  EXPECT_EQ(f.cbBaudRate.ItemIndex(), 1);
  EXPECT_EQ(f.cbCommsIdentifierType.ItemIndex(), 1);
  EXPECT_EQ(f.seCommsCommandBaseAddr.Text(), "10000");
  EXPECT_TRUE(f.gbCANbus.Visible());
  ASSERT_EQ(w.f2().PackCommsData(Record({200, 2, 3, 30, 0, 0, 0, 0, 0, 0})), 1);
  EXPECT_EQ(f.cbModbusBaudRate.ItemIndex(), 3);
  EXPECT_EQ(f.seModbusTimeOut.Text(), "30");
}

TEST(CommsRecordParser, WriteEchoMayDifferInBit7OfTheAddressOnly) {
  struct Case {
    int echoAddress;
    int result;
  };
  for (Case c : {Case{5, 1}, Case{133, 1}, Case{6, 0}}) {
    SCOPED_TRACE(c.echoAddress);
    CommsWorld w("Rev 3b", false);
    TForm1& f = w.f1();
    for (int b = 0; b < 10; ++b) w.SetSent(b, b == 0 ? "133" : "000");
    w.SetSent(1, "003");
    f.DownloadComm = true;
    EXPECT_EQ(w.f2().PackCommsData(Record({c.echoAddress, 3, 0, 0, 0, 0, 0, 0, 0, 0})), c.result);
  }
}

TEST(CommsBlockParser, TheSecondHalfReloadsThePage) {
  CommsWorld w("Rev 4e", false);
  TForm1& f = w.f1();
  f.cbExtCommsSelProt.SetItemIndex(editors::comms::kModbusRTU);
  std::string half0 = "*mA", half1 = "*mB";
  for (int i = 0; i < 43; ++i)
    half0 += wire::PadNum(i == 0 ? 2 : i == 1 ? 17 : i == 2 ? 4 : i == 4 ? 9 : 0, 3);
  for (int i = 0; i < 43; ++i) half1 += wire::PadNum(43 + i == 66 ? 12 : 0, 3);
  half0 += "#";
  half1 += "#";
  ASSERT_EQ(w.f2().PackCommsExtBlockData(half0, 0), 1);
  EXPECT_EQ(f.speditExtComms_ModbusRTU_Address.Text(), "1");  // not yet reloaded
  ASSERT_EQ(w.f2().PackCommsExtBlockData(half1, 1), 1);
  EXPECT_EQ(f.speditExtComms_ModbusRTU_Address.Text(), "17");
  EXPECT_EQ(f.cbExtComms_ModbusRTU_BaudRate.ItemIndex(), 4);
  EXPECT_EQ(f.speditExtComms_ModbusRTU_TimeOut.Text(), "9");
  EXPECT_EQ(f.strgridExtCommsConfigWords.Cell(1, 0), "Word code 012");
  EXPECT_EQ(f.strgridExtCommsConfigBits.Cell(1, 1), "Zero('0')");
}

// The comms data block of the Communication Module page: packing the page's editors into the
// block to send, unpacking a received block into them, and the register map through the two
// selection lists.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "editors/CommsLayout.h"
#include "platform/rtl/Paths.h"
#include "support/CommsWorld.h"

using namespace editors::comms;

namespace {

using Block = std::array<uint8_t, kBlockBytes>;

// The bytes of a packed block that differ from `base`, as byte -> value.
std::map<int, int> Changed(const Block& packed, const Block& base) {
  std::map<int, int> out;
  for (int i = 0; i < kBlockBytes; ++i)
    if (packed[i] != base[i]) out[i] = packed[i];
  return out;
}

// Every byte a protocol's rows cover, and byte 0.
std::vector<int> BytesOf(int protocol) {
  std::vector<int> bytes{0};
  for (const BlockCell& c : BlockLayout())
    if (c.Protocol == protocol)
      for (int i = 0; i < CellWidth(c.Kind); ++i) bytes.push_back(c.FirstByte + i);
  return bytes;
}

}  // namespace

// Written out by hand: where each Modbus-RTU and PROFINET value lands.
TEST(CommsBlock, PackingPutsEachValueWhereTheBlockHoldsIt) {
  CommsWorld w;
  TForm1& f = w.f1();
  Block& tx = w.vt().CommsDataBlockTx;
  const Block zero{};

  w.Show(kModbusRTU);
  f.speditExtComms_ModbusRTU_Address.UserType("17");
  f.cbExtComms_ModbusRTU_BaudRate.UserPick(3);  // 19200
  f.speditExtComms_ModbusRTU_TimeOut.UserType("300");
  f.strgridExtCommsConfigBits.SetCell(1, 1, "Bit code 005");  // Config Bits 0, bit 00
  f.strgridExtCommsConfigBits.SetCell(1, 9, "Bit code 200");  // Config Bits 0, bit 08
  f.strgridExtCommsConfigBits.SetCell(2, 16, "One('1')");     // Config Bits 1, bit 15
  f.strgridExtCommsConfigWords.SetCell(1, 0, "Word code 047");
  f.strgridExtCommsConfigWords.SetCell(1, 19, "Word code 255");
  f.UpdateExtCommsSettingInTxBuff();
  EXPECT_EQ(Changed(tx, zero), (std::map<int, int>{{0, 2},
                                                   {1, 17},
                                                   {2, 3},
                                                   {3, 1},
                                                   {4, 44},
                                                   {34, 5},
                                                   {42, 200},
                                                   {65, 1},
                                                   {66, 47},
                                                   {85, 255}}));
  EXPECT_EQ(w.Sent(1), "002");

  w.vt().CommsDataBlockRx1 = zero;
  w.Show(kPROFINET);
  f.comboxExtCommsPROFINET_IP_Type.UserPick(1);
  const std::pair<TSpinEdit*, const char*> numbers[] = {
      {&f.speditExtCommsPROFINET_IP_AddrV4, "192"},  {&f.speditExtCommsPROFINET_IP_AddrV3, "168"},
      {&f.speditExtCommsPROFINET_IP_AddrV2, "0"},    {&f.speditExtCommsPROFINET_IP_AddrV1, "10"},
      {&f.speditExtCommsPROFINET_MaskAddrV4, "255"}, {&f.speditExtCommsPROFINET_MaskAddrV1, "7"},
      {&f.speditExtCommsPROFINET_GatewayV4, "11"},   {&f.speditExtCommsPROFINET_GatewayV1, "1"}};
  for (auto [se, text] : numbers) se->UserType(text);
  f.editExtCommsPROFINET_DeviceName.UserType("ab-1");
  f.UpdateExtCommsSettingInTxBuff();
  EXPECT_EQ(Changed(tx, zero), (std::map<int, int>{{0, 4},
                                                   {1, 1},
                                                   {2, 192},
                                                   {3, 168},
                                                   {5, 10},
                                                   {6, 255},
                                                   {9, 7},
                                                   {10, 11},
                                                   {13, 1},
                                                   {14, 97},
                                                   {15, 98},
                                                   {16, 45},
                                                   {17, 49}}));
  EXPECT_EQ(w.Sent(1), "004");
}

// A read block shown and packed again gives the same bytes, for every protocol; the values are
// spread over each editor's range, and the page is packed from a different received block, so
// only the editors can carry them.
TEST(CommsBlock, UnpackThenPackGivesTheBlockBackForEveryProtocol) {
  for (int p = 0; p < kProtocolCount; ++p) {
    SCOPED_TRACE(p);
    CommsWorld w;
    TForm1& f = w.f1();
    const Block sent = ValidBlock(f, p);
    w.vt().CommsDataBlockRx1 = sent;
    f.cbExtCommsSelProt.SetItemIndex(p);
    f.UpdateExtCommsSettingTabFromSettings();

    Block other{};
    other.fill(0x5A);
    w.vt().CommsDataBlockRx1 = other;
    f.UpdateExtCommsSettingInTxBuff();
    const Block& tx = w.vt().CommsDataBlockTx;
    const std::vector<int> own = BytesOf(p);
    for (int i = 0; i < kBlockBytes; ++i) {
      const bool packed = std::find(own.begin(), own.end(), i) != own.end();
      EXPECT_EQ(tx[i], packed ? sent[i] : other[i]) << "byte " << i;
    }
  }
}

TEST(CommsBlock, NamesUnpackWithoutZeroBytesAndProtocolsOnlyTouchTheirOwnBytes) {
  CommsWorld w;
  TForm1& f = w.f1();
  Block rx{};
  rx[14] = 'a';
  rx[16] = 'b';
  w.vt().CommsDataBlockRx1 = rx;
  w.Show(kEtherNetIP);
  EXPECT_EQ(f.editExtCommsEtherNetIP_DeviceName.Text(), "ab");

  // CANbus: byte 0 and the record's protocol byte only; the basic combo follows.
  rx.fill(9);
  w.vt().CommsDataBlockRx1 = rx;
  w.Show(kCANbus);
  EXPECT_EQ(f.cbCommsProtocol.ItemIndex(), 3);
  EXPECT_TRUE(f.grpboxExtCommsCAN.Visible());
  EXPECT_FALSE(f.grpboxExtCommsConfigBitsAndWords.Visible());
  f.UpdateExtCommsSettingInTxBuff();
  Block want = rx;
  want[0] = 3;
  EXPECT_EQ(w.vt().CommsDataBlockTx, want);
  EXPECT_EQ(w.Sent(1), "003");
}

TEST(CommsBlock, ATypedProtocolTextThatNamesNoneKeepsTheProtocol) {
  CommsWorld w;
  TForm1& f = w.f1();
  w.Show(kModbusTCP);
  f.cbExtCommsSelProt.UserSetText("Fieldbus X");
  EXPECT_EQ(f.cbExtCommsSelProt.ItemIndex(), kModbusTCP);
  EXPECT_TRUE(f.grpboxExtCommsModbusTCP.Visible());
  f.UpdateExtCommsSettingInTxBuff();
  EXPECT_EQ(w.vt().CommsDataBlockTx[0], kModbusTCP);
  EXPECT_EQ(w.Sent(1), "005");
}

// Selection lines of the test's own: line 3 holds a name that contains the name of line 7.
struct RegisterCase {
  const char* name;
  const char* cell;
  int code;  // -1: the code last received stays
};

TEST(CommsRegisters, ANamePacksToTheLineThatGivesItExactly) {
  CommsWorld w;
  TForm1& f = w.f1();
  TMemo& lines = frmCommsBitsSel->memCommsBitSelFile;
  lines.Lines.Clear();
  for (int i = 0; i < 256; ++i) lines.Lines.Add(wire::PadNum(i, 4) + "Spare " + std::to_string(i));
  lines.Lines.Delete(3);
  lines.Lines.Insert(3, "0003Alarm A2");
  lines.Lines.Delete(7);
  lines.Lines.Insert(7, "0007Alarm A");
  // clang-format off
  const RegisterCase cases[] = {
      {"exact name on a later line", "Alarm A", 7},
      {"longer name", "Alarm A2", 3},
      {"part of a name", "Alarm", -1},
      {"the code characters are no part of the name", "0007Alarm A", -1},
      {"empty cell", "", -1},
      {"unknown name", "Motor running", -1},
  };
  // clang-format on
  Block rx{};
  rx.fill(77);
  w.vt().CommsDataBlockRx1 = rx;
  w.Show(kModbusRTU);
  for (const RegisterCase& c : cases) {
    SCOPED_TRACE(c.name);
    f.strgridExtCommsConfigBits.SetCell(1, 5, c.cell);  // byte 38
    f.UpdateExtCommsSettingInTxBuff();
    EXPECT_EQ(w.vt().CommsDataBlockTx[38], c.code < 0 ? 77 : c.code);
  }
}

TEST(CommsRegisters, WithoutACompleteListTheCodesGoBackAsRead) {
  for (int count : {0, 255, 257}) {
    SCOPED_TRACE(count);
    CommsWorld w;
    TForm1& f = w.f1();
    TMemo& lines = frmCommsWordSel->memCommsWordSelFile;
    lines.Lines.Clear();
    for (int i = 0; i < count; ++i) lines.Lines.Add("    Word " + std::to_string(i));
    Block rx{};
    for (int i = 0; i < kBlockBytes; ++i) rx[i] = static_cast<uint8_t>(i);
    rx[0] = kModbusTCP;
    w.vt().CommsDataBlockRx1 = rx;
    w.Show(kModbusTCP);
    f.strgridExtCommsConfigWords.SetCell(1, 0, "Word 1");
    f.UpdateExtCommsSettingInTxBuff();
    for (int b = 66; b < 86; ++b) EXPECT_EQ(w.vt().CommsDataBlockTx[b], b) << b;
    // The bit list is complete: its codes are packed from the cells.
    EXPECT_EQ(w.vt().CommsDataBlockTx[34], 34);
  }
}

TEST(CommsRegisters, LoadDefaultsSetsTheListedCellsOnly) {
  CommsWorld w;
  TForm1& f = w.f1();
  TStringGrid& bits = f.strgridExtCommsConfigBits;
  TStringGrid& words = f.strgridExtCommsConfigWords;
  bits.SetCell(1, 5, "keep");
  bits.SetCell(2, 16, "keep too");
  f.butComsLoadDefaultBitAndWordsClick();
  EXPECT_EQ(bits.Cell(1, 1), "Bit code 004");
  EXPECT_EQ(bits.Cell(1, 4), "Bit code 003");
  EXPECT_EQ(bits.Cell(1, 5), "keep");
  EXPECT_EQ(bits.Cell(1, 8), "Zero('0')");
  EXPECT_EQ(bits.Cell(1, 16), "Bit code 052");
  EXPECT_EQ(bits.Cell(2, 1), "Bit code 079");
  EXPECT_EQ(bits.Cell(2, 15), "Bit code 090");
  EXPECT_EQ(bits.Cell(2, 16), "keep too");
  EXPECT_EQ(words.Cell(1, 0), "Status word");
  EXPECT_EQ(words.Cell(1, 3), "Word code 026");
  EXPECT_EQ(words.Cell(1, 19), "Word code 047");
}

TEST(CommsRegisters, TheSelectionFilesBesideTheProgramNameEveryCodeOnce) {
  CommsWorld w;
  for (TCommsSelDialog* d : {static_cast<TCommsSelDialog*>(frmCommsBitsSel),
                             static_cast<TCommsSelDialog*>(frmCommsWordSel)}) {
    SCOPED_TRACE(d->FileName());
    ASSERT_TRUE(d->Complete());
    EXPECT_EQ(d->Combo().Items.Count(), 256);
    for (int code = 0; code < 256; ++code) EXPECT_EQ(d->FindCode(d->NameOf(code)), code);
  }
  EXPECT_EQ(frmCommsBitsSel->NameOf(0), "Zero('0')");
  EXPECT_EQ(frmCommsWordSel->NameOf(0), "Status word");
}

TEST(CommsRegisters, DoubleClickEditsTheCellThroughItsDialog) {
  CommsWorld w;
  TForm1& f = w.f1();
  TStringGrid& bits = f.strgridExtCommsConfigBits;
  bits.UserSelectCell(2, 3);
  w.hb.cursorX = 300;
  w.hb.cursorY = 40;  // near the top of the screen
  w.hb.After(10, [] {
    TComboBox& combo = frmCommsBitsSel->comboxCommsConfBitSel;
    combo.UserPick(combo.Items.IndexOf("Bit code 123"));
    frmCommsBitsSel->Button1.UserClick();
  });
  f.strgridExtCommsConfigBitsDblClick();
  EXPECT_EQ(bits.Cell(2, 3), "Bit code 123");
  EXPECT_EQ(frmCommsBitsSel->Left, 300);
  EXPECT_EQ(frmCommsBitsSel->Top, 0);
  w.hb.cursorY = 500;
  w.hb.After(10, [] { frmCommsBitsSel->Button2.UserClick(); });
  f.strgridExtCommsConfigBitsDblClick();
  EXPECT_EQ(bits.Cell(2, 3), "Bit code 123");  // Cancel changes nothing
  EXPECT_EQ(frmCommsBitsSel->Top, 435);
}

TEST(CommsBlock, DeviceNameKeys) {
  CommsWorld w;
  TEdit& name = w.f1().editExtCommsModbusTCP_DeviceName;
  name.UserType("1aB-.9 x");
  EXPECT_EQ(name.Text(), "a-.9x");
}

TEST(CommsRegisters, AnIncompleteSelectionListIsReportedInTheStatusBar) {
  CommsWorld w;
  TForm1& f = w.f1();
  f.ReportSelectionFiles();
  EXPECT_EQ(f.StatusBar1.PanelText(2), "");
  frmCommsWordSel->memCommsWordSelFile.Lines.Delete(255);
  f.ReportSelectionFiles();
  EXPECT_EQ(f.StatusBar1.PanelText(2),
            "Selection list missing or not 256 lines: CommsDD_ConfigWords01 EN.dat; register codes "
            "are sent as "
            "last read.");
  EXPECT_TRUE(w.hb.boxes.empty());
}

// A selection list larger than one can be is refused unread: 256 lines of 300 characters each.
TEST(CommsRegisters, ASelectionListLargerThanOneCanBeIsNotRead) {
  CommsWorld w;
  const std::string folder = "selection_test_" + std::to_string(::getpid());
  std::filesystem::create_directories(ProgramFolder() + folder);
  const std::string name = folder + "/large.dat";
  {
    std::ofstream out(ProgramFolder() + name, std::ios::binary);
    for (int i = 0; i < 256; ++i) out << wire::PadNum(i, 3) << " " << std::string(300, 'n') << "\r\n";
  }
  TCommsSelDialog d("d", "d", "combo", "memo", name);
  d.LoadSelectionFile();
  std::filesystem::remove_all(ProgramFolder() + folder);
  EXPECT_TRUE(d.TooLarge());
  EXPECT_FALSE(d.Complete());
  EXPECT_EQ(d.LineBox().Lines.Count(), 0);
  EXPECT_EQ(d.Combo().Items.Count(), 0);
}

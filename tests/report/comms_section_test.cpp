// The "Communication Module" section, line by line as the saved file holds it: the extended
// layout from the Communication Module page for every module type, the short layout from the
// comms record's send column for older relays.
#include <gtest/gtest.h>

#include <algorithm>

#include "report/CommsSection.h"
#include "report/SettingsReport.h"
#include "support/CommsWorld.h"

namespace {

using Lines = std::vector<std::string>;

std::string Padded(std::string s) {
  s.resize(91, ' ');
  return s;
}
// A row of the extended table: label, one blank, value (and unit), "|" in column 72.
std::string Ext(std::string_view label, std::string_view value) {
  std::string s = " " + std::string(label) + " " + std::string(value);
  s.resize(71, ' ');
  return Padded(s + "|");
}
// A row of the short table: "|" in column 47.
std::string Short(std::string_view label, std::string_view value) {
  std::string s = " " + std::string(label) + " " + std::string(value);
  s.resize(46, ' ');
  return Padded(s + "|");
}

const std::string kTitle = Padded(" Communication Module");
const std::string kUnderline = Padded(" ====================");
const std::string kRuler = Padded(" " + std::string(71, '-'));
const std::string kHead =
    Padded(" | Comms Parameter  |                                                  |");
const std::string kSep =
    Padded(" |------------------|--------------------------------------------------|");
const std::string kStatistic =
    Padded(" | Comms Statistic  |                                                  |");
const std::string kShortRuler = Padded(" " + std::string(46, '-'));
const std::string kShortHead = Padded(" | Comms Parameter  |                         |");
const std::string kShortSep = Padded(" |------------------|-------------------------|");
const std::string kBlank = Padded("");

// The section's lines, from its title to the blank line after its closing ruler.
Lines Section() {
  TStringList out;
  ComposeSettingsReport(out, SettingsFileVariant());
  const Lines lines = out.Lines();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] != kTitle) continue;
    size_t end = i + 3;
    while (end < lines.size() && lines[end] != kBlank) ++end;
    return Lines(lines.begin() + static_cast<std::ptrdiff_t>(i),
                 lines.begin() + static_cast<std::ptrdiff_t>(end + 1));
  }
  ADD_FAILURE() << "no communication module section";
  return {};
}

// Rows with one separator between consecutive rows, framed as the extended table.
Lines ExtendedTable(const Lines& rows) {
  Lines out = {kTitle, kUnderline, kRuler, kHead, kSep};
  for (size_t i = 0; i < rows.size(); ++i) {
    if (i > 0) out.push_back(kSep);
    out.push_back(rows[i]);
  }
  out.push_back(kRuler);
  out.push_back(kBlank);
  return out;
}
Lines ShortTable(const Lines& rows) {
  Lines out = {kTitle, kUnderline, kShortRuler, kShortHead, kShortSep};
  for (size_t i = 0; i < rows.size(); ++i) {
    if (i > 0) out.push_back(kShortSep);
    out.push_back(rows[i]);
  }
  out.push_back(kShortRuler);
  out.push_back(kBlank);
  return out;
}

void SetSpin(TSpinEdit& s, int v) { s.SetText(std::to_string(v)); }

// Status boxes and their texts, as the relay's status record or a file left them.
void SetTexts(std::initializer_list<std::pair<TCustomEdit*, const char*>> boxes) {
  for (auto [box, text] : boxes) box->SetText(text);
}

}  // namespace

TEST(CommsSection, FrameLinesWrittenOutInFull) {
  // The helpers above against lines counted by hand.
  EXPECT_EQ(Ext("| Comms Type       |", "Profibus-DP "),
            Padded(" | Comms Type       | Profibus-DP                                      |"));
  EXPECT_EQ(Ext("| Cycle Time       |", "04464 mSec"),
            Padded(" | Cycle Time       | 04464 mSec                                       |"));
  EXPECT_EQ(Short("| Address          |", "126"),
            Padded(" | Address          | 126                     |"));
  EXPECT_EQ(kHead.substr(0, 72), " | Comms Parameter  |" + std::string(50, ' ') + "|");
}

TEST(CommsSection, LayoutByRevision) {
  struct Case {
    const char* revision;
    bool extended;
  } cases[] = {{"Rev 4e", true},  {"Rev 5a", true},  {"Rev 4E", false},
               {"Rev 00", false}, {"Rev 4d", false}, {"", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.revision);
    CommsWorld w(c.revision, false);
    const Lines got = Section();
    ASSERT_EQ(got.size(), 8u);
    EXPECT_EQ(got[2], c.extended ? kRuler : kShortRuler);
    EXPECT_EQ(got[5], c.extended ? Ext("| Comms Type       |", "None")
                                 : Short("| Comms Type       |", "None"));
  }
}

// The printout composes the same section through the same table.
TEST(CommsSection, PrintoutHoldsTheSameLines) {
  for (const char* revision : {"Rev 4e", "Rev 4d"}) {
    CommsWorld w(revision, false);
    w.f1().cbExtCommsSelProt.SetItemIndex(3);
    w.SetSent(1, "003");
    const Lines saved = Section();
    TStringList printed;
    ComposeSettingsReport(printed, PrintoutVariant());
    const Lines lines = printed.Lines();
    const auto at = std::find(lines.begin(), lines.end(), kTitle);
    ASSERT_NE(at, lines.end()) << revision;
    EXPECT_EQ(Lines(at, at + static_cast<std::ptrdiff_t>(saved.size())), saved) << revision;
  }
}

TEST(CommsSection, ExtendedNoneAndNoTypeSelected) {
  CommsWorld w("Rev 4e", false);
  for (int item : {-1, 0}) {
    w.f1().cbExtCommsSelProt.SetItemIndex(item);
    EXPECT_EQ(Section(), ExtendedTable({Ext("| Comms Type       |", "None        ")})) << item;
  }
}

TEST(CommsSection, ExtendedProfibus) {
  CommsWorld w("Rev 4e", false);
  TForm1& f = w.f1();
  f.cbExtCommsSelProt.SetItemIndex(1);
  SetSpin(f.speditCommsExt_ProfiDP_Address, 17);
  SetTexts({{&f.mbExtProfiDPCommsModStat_7, "01A-02"},
            {&f.mbExtProfiDPCommsModStat_6, " V1.5"},
            {&f.mbExtProfiDPCyclicTime, "70000"},   // low 16 bits
            {&f.mbExtProfiDPCycTimePosDev, "300"},  // low 8 bits
            {&f.mbExtProfiDPCycTimeNegDev, "-1"},
            {&f.mbExtProfiDPCommsModStat_0, " 1.5M "},
            {&f.mbExtProfiDPCommsModStat_1, "VPC3+C"},
            {&f.mbExtProfiDPCommsModStat_2, "DATA_EX"},
            {&f.mbExtProfiDPCommsModStat_3, "WD_ON"}});
  const Lines got = Section();
  EXPECT_EQ(got.size(), 30u);
  EXPECT_EQ(got, ExtendedTable({
                     Ext("| Comms Type       |", "Profibus-DP "),
                     Ext("| Address          |", "017"),
                     kStatistic,
                     Ext("| Comms Revision   |", "01A-02"),
                     Ext("| VPC Stack Rev.   |", " V1.5"),
                     Ext("| Cycle Time       |", "04464 mSec"),
                     Ext("| Pos. Dev. Time   |", "044 %"),
                     Ext("| Neg. Dev. Time   |", "255 %"),
                     Ext("| Baud Rate        |", "1.5M"),
                     Ext("| VPC Chip Rev.    |", "VPC3+C"),
                     Ext("| DP State         |", "DATA_EX"),
                     Ext("| Watchdog State   |", "WD_ON"),
                 }));
}

// Modbus-RTU with its register tables: 16 + 16 bit rows and 20 word rows under their headers.
TEST(CommsSection, ExtendedModbusRtuWithRegisterTables) {
  CommsWorld w("Rev 4e", false);
  TForm1& f = w.f1();
  f.cbExtCommsSelProt.SetItemIndex(2);
  SetSpin(f.speditExtComms_ModbusRTU_Address, 247);
  f.cbExtComms_ModbusRTU_BaudRate.SetItemIndex(4);
  SetSpin(f.speditExtComms_ModbusRTU_TimeOut, 30);
  for (int r = 0; r < 17; ++r)
    for (int c = 0; c < 3; ++c) f.strgridExtCommsConfigBits.SetCell(c, r, "");
  for (int r = 0; r < 20; ++r) f.strgridExtCommsConfigWords.SetCell(1, r, "");
  f.strgridExtCommsConfigBits.SetCell(1, 1, "Bit code 005");
  f.strgridExtCommsConfigBits.SetCell(2, 16, " One('1') ");
  f.strgridExtCommsConfigWords.SetCell(1, 0, "Word code 047");
  f.strgridExtCommsConfigWords.SetCell(1, 19, "Word code 255");
  SetTexts({{&f.memExtCommsStatModbusRTU_SoftRev, "01A-00"},
            {&f.memExtCommsStatModbusRTU_CycleTime, "12"},
            {&f.memExtCommsStatModbusRTU_LongCycleTime, "70000"},
            {&f.memExtCommsStatModbusRTU_ListenMode, " On "},
            {&f.memExtCommsStatModbusRTU_MsgCntr, "65535"},
            {&f.memExtCommsStatModbusRTU_CRC_Cntr, "-1"}});

  Lines rows = {Ext("| Comms Type       |", "Modbus-RTU  "), Ext("| Address          |", "247"),
                Ext("| Baud Rate (bps)  |", "38400"), Ext("| Time Out         |", "00030 Sec"),
                Padded(" | Config Bits 0    |                                                  |")};
  const char* bit[] = {"00", "01", "02", "03", "04", "05", "06", "07", "08", "09",
                       "10", "11", "12", "13", "14", "15", "16", "17", "18", "19"};
  for (int n = 0; n < 16; ++n)
    rows.push_back(
        Ext("| Bit " + std::string(bit[n]) + "           |", n == 0 ? "Bit code 005" : ""));
  rows.push_back(
      Padded(" | Config Bits 1    |                                                  |"));
  for (int n = 0; n < 16; ++n)
    rows.push_back(Ext("| Bit " + std::string(bit[n]) + "           |", n == 15 ? "One('1')" : ""));
  rows.push_back(
      Padded(" | Config Words     |                                                  |"));
  for (int n = 0; n < 20; ++n)
    rows.push_back(Ext("| Word " + std::string(bit[n]) + "          |", n == 0    ? "Word code 047"
                                                                        : n == 19 ? "Word code 255"
                                                                                  : ""));
  for (const std::string& r :
       {kStatistic, Ext("| Comms Revision   |", "01A-00"),
        Ext("| Cycle Time       |", "00012 mSec"), Ext("| Long. Cycle Time |", "04464 mSec"),
        Ext("| Listen Mode      |", "On"), Ext("| Message Counter  |", "65535"),
        Ext("| CRC Counter      |", "65535")})
    rows.push_back(r);
  const Lines got = Section();
  EXPECT_EQ(got.size(), 138u);
  EXPECT_EQ(got, ExtendedTable(rows));
}

TEST(CommsSection, ExtendedCanbus) {
  CommsWorld w("Rev 4e", false);
  TForm1& f = w.f1();
  f.cbExtCommsSelProt.SetItemIndex(3);
  SetSpin(f.speditExtComms_CANbus_Address, 100);
  f.cbExtComms_CANbus_BaudRate.SetItemIndex(1);
  f.cbExtComms_CANbus_StructTypeSel.SetItemIndex(1);
  f.cbExtComms_CANbus_IdentType.SetItemIndex(0);
  SetSpin(f.speditExtComms_CANbus_CmdBaseAddr, 1000);
  SetSpin(f.speditExtComms_CANbus_ActBaseAddr, 2000);
  SetSpin(f.speditExtComms_CANbus_SetBaseAddr, 65535);
  SetTexts({{&f.mbExtCommsRev, "02B-01"},
            {&f.mbExtCyclicTime, "00123"},
            {&f.mbExtCycTimePosDev, "7"},
            {&f.mbExtCycTimeNegDev, "12a"},  // not a number: written as 0, the save goes on
            {&f.mbExtDummy0, "Running"}});
  const Lines got = Section();
  EXPECT_EQ(got.size(), 34u);
  EXPECT_EQ(got, ExtendedTable({
                     Ext("| Comms Type       |", "CANbus      "),
                     Ext("| Address          |", "100"),
                     Ext("| Baud Rate        |", "250 kbps"),
                     Ext("| Structure Select |", "KORVEL"),
                     Ext("| Ident. Type      |", "Standard"),
                     Ext("| Command Address  |", "01000"),
                     Ext("| Actual Address   |", "02000"),
                     Ext("| Setting Address  |", "65535"),
                     kStatistic,
                     Ext("| Comms Revision   |", "02B-01"),
                     Ext("| Cyclic Time      |", "00123 mSec"),
                     Ext("| Pos. Dev. Time   |", "007 %"),
                     Ext("| Neg. Dev. Time   |", "000 %"),
                     Ext("| Comms Status     |", "Running"),
                 }));
  // No baud rate, structure or identifier chosen: their first words.
  for (TComboBox* cb : {&f.cbExtComms_CANbus_BaudRate, &f.cbExtComms_CANbus_StructTypeSel})
    cb->SetItemIndex(-1);
  const Lines none = Section();
  EXPECT_EQ(none.at(9), Ext("| Baud Rate        |", "125 kbps"));
  EXPECT_EQ(none.at(11), Ext("| Structure Select |", "VUMA"));
}

// Before the relay's status record or a file has filled them, the status boxes hold "0", "00A-00"
// ("01A-00" for Modbus/TCP's software revision) and a MAC address of zeros, and are saved so.
TEST(CommsSection, StatusRowsBeforeAnyReport) {
  const std::string mac = "00:00:00:00:00:00";
  const std::vector<std::pair<std::string_view, std::string>> rows[] = {
      {},
      {{"| Comms Revision   |", "00A-00"}, {"| VPC Stack Rev.   |", "00A-00"},
       {"| Cycle Time       |", "00000 mSec"}, {"| Pos. Dev. Time   |", "000 %"},
       {"| Neg. Dev. Time   |", "000 %"}, {"| Baud Rate        |", "0"},
       {"| VPC Chip Rev.    |", "0"}, {"| DP State         |", "0"}, {"| Watchdog State   |", "0"}},
      {{"| Comms Revision   |", "00A-00"}, {"| Cycle Time       |", "00000 mSec"},
       {"| Long. Cycle Time |", "00000 mSec"}, {"| Listen Mode      |", "0"},
       {"| Message Counter  |", "00000"}, {"| CRC Counter      |", "00000"}},
      {{"| Comms Revision   |", "0"}, {"| Cyclic Time      |", "00000 mSec"},
       {"| Pos. Dev. Time   |", "000 %"}, {"| Comms Status     |", "0"}},
      {{"| MAC Address      |", mac}, {"| Comms Revision   |", "00A-00"},
       {"| PN Stack Rev.    |", "00A-00"}, {"| Cycle Time       |", "00000 mSec"},
       {"| PROFINET State   |", "0"}},
      {{"| MAC Address      |", mac}, {"| Comms Revision   |", "01A-00"},
       {"| Long. Cycle Time |", "00000 mSec"}, {"| Message Counter  |", "00000"}},
      {{"| MAC Address      |", mac}, {"| Comms Revision   |", "00A-00"},
       {"| EthIP Stack Rev. |", "00A-00"}, {"| EtherNet/IP Stat |", "0"}},
  };
  for (int type = 1; type < static_cast<int>(std::size(rows)); ++type) {
    SCOPED_TRACE(type);
    CommsWorld w("Rev 4e", false);
    w.f1().cbExtCommsSelProt.SetItemIndex(type);
    const Lines got = Section();
    for (const auto& [label, value] : rows[type])
      EXPECT_NE(std::find(got.begin(), got.end(), Ext(label, value)), got.end())
          << label << " " << value;
  }
}

TEST(CommsSection, ExtendedProfinet) {
  CommsWorld w("Rev 4e", false);
  TForm1& f = w.f1();
  f.cbExtCommsSelProt.SetItemIndex(4);
  f.comboxExtCommsPROFINET_IP_Type.SetItemIndex(1);
  f.editExtCommsPROFINET_DeviceName.SetText("plc-07.line");
  const int ip[] = {192, 168, 1, 10}, mask[] = {255, 255, 255, 0}, gw[] = {0, 0, 0, 0};
  TSpinEdit* ipEd[] = {&f.speditExtCommsPROFINET_IP_AddrV4, &f.speditExtCommsPROFINET_IP_AddrV3,
                       &f.speditExtCommsPROFINET_IP_AddrV2, &f.speditExtCommsPROFINET_IP_AddrV1};
  TSpinEdit* maskEd[] = {&f.speditExtCommsPROFINET_MaskAddrV4, &f.speditExtCommsPROFINET_MaskAddrV3,
                         &f.speditExtCommsPROFINET_MaskAddrV2,
                         &f.speditExtCommsPROFINET_MaskAddrV1};
  TSpinEdit* gwEd[] = {&f.speditExtCommsPROFINET_GatewayV4, &f.speditExtCommsPROFINET_GatewayV3,
                       &f.speditExtCommsPROFINET_GatewayV2, &f.speditExtCommsPROFINET_GatewayV1};
  for (int i = 0; i < 4; ++i) {
    SetSpin(*ipEd[i], ip[i]);
    SetSpin(*maskEd[i], mask[i]);
    SetSpin(*gwEd[i], gw[i]);
  }
  SetTexts({{&f.memExtCommsStatPROFINET_MAC, "00:11:22:33:44:55"},
            {&f.memExtCommsStatPROFINET_CommsRev, "00A-00"},
            {&f.memExtCommsStatPROFINET_StackRev, "V3.1"},
            {&f.memExtCommsStatPROFINET_CycleTime, "00123"},
            {&f.memExtCommsStatPROFINET_CyclePosTimeDev, "7"},
            {&f.memExtCommsStatPROFINET_CycleNegTimeDev, "300"},
            {&f.memExtCommsStatPROFINET_State, "Online"}});
  const Lines got = Section();
  EXPECT_EQ(got.size(), 34u);
  EXPECT_EQ(got, ExtendedTable({
                     Ext("| Comms Type       |", "PROFINET    "),
                     Ext("| IP Assignment    |", "Automatic (DHCP)"),
                     Ext("| Device Name      |", "plc-07.line"),
                     Ext("| IP Address       |", "192.168.001.010"),
                     Ext("| IP Mask          |", "255.255.255.000"),
                     Ext("| Default Gateway  |", "000.000.000.000"),
                     kStatistic,
                     Ext("| MAC Address      |", "00:11:22:33:44:55"),
                     Ext("| Comms Revision   |", "00A-00"),
                     Ext("| PN Stack Rev.    |", "V3.1"),
                     Ext("| Cycle Time       |", "00123 mSec"),
                     Ext("| Pos. Dev. Time   |", "007 %"),
                     Ext("| Neg. Dev. Time   |", "044 %"),
                     Ext("| PROFINET State   |", "Online"),
                 }));
  f.comboxExtCommsPROFINET_IP_Type.SetItemIndex(-1);
  f.editExtCommsPROFINET_DeviceName.SetText("");
  const Lines none = Section();
  EXPECT_EQ(none.at(7), Ext("| IP Assignment    |", ""));
  EXPECT_EQ(none.at(9), Ext("| Device Name      |", ""));
}

// The two Ethernet types with register tables: their own rows around the same 110 table lines.
TEST(CommsSection, ExtendedModbusTcpAndEtherNetIp) {
  struct Case {
    int type;
    size_t lines;
    Lines head, tail;
  };
  const Lines ip = {Ext("| IP Address       |", "010.000.000.001"),
                    Ext("| IP Mask          |", "000.000.000.000"),
                    Ext("| Default Gateway  |", "000.000.000.000")};
  // clang-format off
  const std::vector<Case> cases = {
      {5, 142,
       {Ext("| Comms Type       |", "Modbus/TCP  "), Ext("| IP Assignment    |", "Static IP"),
        Ext("| Device Name      |", "tcp"), ip[0], ip[1], ip[2], Ext("| Time Out         |", "65000 Sec")},
       {kStatistic, Ext("| MAC Address      |", "aa"), Ext("| Comms Revision   |", "01A-00"),
        Ext("| Cycle Time       |", "00009 mSec"), Ext("| Long. Cycle Time |", "00000 mSec"),
        Ext("| Message Counter  |", "00042")}},
      {6, 138,
       {Ext("| Comms Type       |", "EtherNet/IP "), Ext("| IP Assignment    |", "Static IP"),
        Ext("| Host Name        |", "eip"), ip[0], ip[1], ip[2]},
       {kStatistic, Ext("| MAC Address      |", "bb"), Ext("| Comms Revision   |", "02A-00"),
        Ext("| EthIP Stack Rev. |", "S1"), Ext("| EtherNet/IP Stat |", "Idle")}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    CommsWorld w("Rev 4e", false);
    TForm1& f = w.f1();
    f.cbExtCommsSelProt.SetItemIndex(c.type);
    for (int r = 0; r < 17; ++r)
      for (int col = 1; col < 3; ++col) f.strgridExtCommsConfigBits.SetCell(col, r, "b");
    for (int r = 0; r < 20; ++r) f.strgridExtCommsConfigWords.SetCell(1, r, "w");
    if (c.type == 5) {
      f.comboxExtCommsModbusTCP_IP_Type.SetItemIndex(0);
      f.editExtCommsModbusTCP_DeviceName.SetText("tcp");
      SetSpin(f.speditExtCommsModbusTCP_IP_AddrV4, 10);
      SetSpin(f.speditExtCommsModbusTCP_IP_AddrV1, 1);
      SetSpin(f.speditExtCommsModbusTCP_Timeout, 65000);
      SetTexts({{&f.memExtCommsStatModbusTCP_MAC, "aa"},
                {&f.memExtCommsStatModbusTCP_SoftRev, "01A-00"},
                {&f.memExtCommsStatModbusTCP_CycleTime, "9"},
                {&f.memExtCommsStatModbusTCP_LongCycleTime, ""},  // emptied: written as 0
                {&f.memExtCommsStatModbusTCP_MsgCntr, "42"}});
    } else {
      f.comboxExtCommsEtherNetIP_IP_Type.SetItemIndex(0);
      f.editExtCommsEtherNetIP_DeviceName.SetText("eip");
      SetSpin(f.speditExtCommsEtherNetIP_IP_AddrV4, 10);
      SetSpin(f.speditExtCommsEtherNetIP_IP_AddrV1, 1);
      SetTexts({{&f.memExtCommsStatsEtherNetIP_MAC, "bb"},
                {&f.memExtCommsStatsEtherNetIP_SoftRev, "02A-00"},
                {&f.memExtCommsStatsEtherNetIP_StackRev, "S1"},
                {&f.memExtCommsStatsEtherNetIP_State, "Idle"}});
    }
    Lines rows = c.head;
    rows.push_back(
        Padded(" | Config Bits 0    |                                                  |"));
    for (int n = 0; n < 16; ++n)
      rows.push_back(Ext(n < 10 ? "| Bit 0" + std::to_string(n) + "           |"
                                : "| Bit " + std::to_string(n) + "           |",
                         "b"));
    rows.push_back(
        Padded(" | Config Bits 1    |                                                  |"));
    for (int n = 0; n < 16; ++n)
      rows.push_back(Ext(n < 10 ? "| Bit 0" + std::to_string(n) + "           |"
                                : "| Bit " + std::to_string(n) + "           |",
                         "b"));
    rows.push_back(
        Padded(" | Config Words     |                                                  |"));
    for (int n = 0; n < 20; ++n)
      rows.push_back(Ext(n < 10 ? "| Word 0" + std::to_string(n) + "          |"
                                : "| Word " + std::to_string(n) + "          |",
                         "w"));
    rows.insert(rows.end(), c.tail.begin(), c.tail.end());
    const Lines got = Section();
    EXPECT_EQ(got.size(), c.lines);
    EXPECT_EQ(got, ExtendedTable(rows));
  }
}

// The short layout from the comms record's bytes B0 to B9 (rows 1 to 10 of the send column).
TEST(CommsSection, ShortLayoutFromTheRecordBytes) {
  struct Case {
    const char* name;
    std::vector<int> bytes;  // B0 ..
    Lines rows;
  };
  // clang-format off
  const std::vector<Case> cases = {
      {"none", {0, 0}, {Short("| Comms Type       |", "None        ")}},
      {"protocol 4 is none", {5, 4}, {Short("| Comms Type       |", "None        ")}},
      {"profibus", {254, 1},
       {Short("| Comms Type       |", "Profibus-DP "), Short("| Address          |", "126"),
        Short("| GSD File         |", "ZYVOF877")}},
      {"profibus, bit 7 clear", {17, 1},
       {Short("| Comms Type       |", "Profibus-DP "), Short("| Address          |", "017"),
        Short("| GSD File         |", "ZYVOF880")}},
      {"modbus", {247, 2, 7, 200},
       {Short("| Comms Type       |", "Modbus-RTU  "), Short("| Address          |", "247"),
        Short("| Baud Rate (bps)  |", "02400"), Short("| Time Out         |", "200")}},
      {"modbus 38400", {1, 2, 4, 0},
       {Short("| Comms Type       |", "Modbus-RTU  "), Short("| Address          |", "001"),
        Short("| Baud Rate (bps)  |", "38400"), Short("| Time Out         |", "000")}},
      {"canbus", {200, 3, 0, 1, 255, 255, 1, 2, 0, 0},
       {Short("| Comms Type       |", "CANbus      "), Short("| Address          |", "072"),
        Short("| Baud Rate        |", "125 kbps"), Short("| Structure Select |", "KORVEL"),
        Short("| Ident. Type      |", "Extended"), Short("| Command Address  |", "65535"),
        Short("| Actual Address   |", "00513"), Short("| Setting Address  |", "00000")}},
      {"canbus 500, ident 2", {5, 3, 2, 2, 0, 0, 0, 0, 0, 1},
       {Short("| Comms Type       |", "CANbus      "), Short("| Address          |", "005"),
        Short("| Baud Rate        |", "500 kbps"), Short("| Structure Select |", "VUMA"),
        Short("| Ident. Type      |", "Standard"), Short("| Command Address  |", "00000"),
        Short("| Actual Address   |", "00000"), Short("| Setting Address  |", "00256")}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CommsWorld w("Rev 4d", false);
    for (int b = 0; b < 10; ++b)
      w.SetSent(b,
                wire::PadNum(
                    b < static_cast<int>(c.bytes.size()) ? c.bytes[static_cast<size_t>(b)] : 0, 3));
    EXPECT_EQ(Section(), ShortTable(c.rows));
  }
  // The section's lengths: 8, 12, 14 and 22 lines.
  CommsWorld w("Rev 4d", false);
  const std::pair<int, size_t> lengths[] = {{0, 8}, {1, 12}, {2, 14}, {3, 22}};
  for (auto [protocol, count] : lengths) {
    w.SetSent(1, wire::PadNum(protocol, 3));
    EXPECT_EQ(Section().size(), count) << protocol;
  }
}

// A status box holding no whole number is written as 0 in its field's width.
TEST(CommsSection, StatusNumbers) {
  using report::StatusNumber;
  const std::tuple<const char*, int, const char*> cases[] = {
      {"123", 5, "00123"}, {"70000", 5, "04464"}, {"-1", 3, "255"},    {"300", 3, "044"},
      {"", 5, "00000"},    {"12a", 3, "000"},     {"1 2", 5, "00000"}, {"-", 3, "000"},
      {" 7 ", 3, "007"},   {"+5", 5, "00005"},
  };
  for (auto [text, digits, expected] : cases)
    EXPECT_EQ(StatusNumber(text, digits), expected) << text;
}

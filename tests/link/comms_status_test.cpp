// The fieldbus status displays from hand-made status records, for every protocol of both records.
#include <gtest/gtest.h>

#include <functional>

#include "support/CommsWorld.h"

namespace {

// "*N": positions 3..37 as fields of 5 and 3 digits.
std::string StatusN(int cyc, int pos, int neg, int b14, int b17, int b26, int b29, int b32,
                    int b35) {
  using wire::PadNum;
  return "*N" + PadNum(cyc, 5) + PadNum(pos, 3) + PadNum(neg, 3) + PadNum(b14, 3) + PadNum(b17, 3) +
         "000000" + PadNum(b26, 3) + PadNum(b29, 3) + PadNum(b32, 3) + PadNum(b35, 3) + "#";
}

// "*nA" with B0.. as given, the rest 0.
std::string StatusNA(std::initializer_list<int> fields) {
  std::string s = "*nA";
  int n = 0;
  for (int b : fields) s += wire::PadNum(b, 3), ++n;
  for (; n < 30; ++n) s += "000";
  return s + "#";
}

struct Shown {
  TEdit TForm1::*memo;
  const char* text;
};

struct StatusCase {
  const char* name;
  bool extended;  // the nA record under cbExtCommsSelProt, else "*N" under cbCommsProtocol
  int protocol;
  std::string answer;
  std::vector<Shown> shown;
};

}  // namespace

TEST(CommsStatus, DisplayTextsForEveryProtocol) {
  using F = TForm1;
  // clang-format off
  const StatusCase cases[] = {
      {"CANbus", false, 3, StatusN(123, 4, 5, 3, 0, 0, 0, 0, 0x3B),
       {{&F::mbCyclicTime, "00123"}, {&F::mbCycTimePosDev, "004"}, {&F::mbCycTimeNegDev, "005"},
        {&F::mbDummy0, "Tx & Rx"}, {&F::mbCommsRev, "3l"}, {&F::mbExtCyclicTime, "00123"},
        {&F::mbExtDummy0, "Tx & Rx"}, {&F::mbExtCommsRev, "3l"}}},
      {"CANbus, unlisted state keeps the text", false, 3, StatusN(1, 0, 0, 4, 0, 0, 0, 0, 0x40),
       {{&F::mbDummy0, "before"}, {&F::mbCommsRev, "4a"}}},
      {"Profibus", false, 1, StatusN(10, 1, 2, 0xB5, 0x50, 0, 0, 0x21, 0x10),
       {{&F::mbProfiDPCyclicTime, "00010"}, {&F::mbProfiDPCommsModStat_0, "187,5 kb "},
        {&F::mbProfiDPCommsModStat_1, "Rev B"}, {&F::mbProfiDPCommsModStat_2, "Configuration needed"},
        {&F::mbProfiDPCommsModStat_3, "Baud control"},
        {&F::mbProfiDPCommsModStat_6, "02.01"}, {&F::mbProfiDPCommsModStat_7, "01.00"}}},
      {"Profibus, codes without text", false, 1, StatusN(10, 1, 2, 0xA9, 0xF0, 0, 0, 0, 0),
       {{&F::mbProfiDPCommsModStat_0, "before"}, {&F::mbProfiDPCommsModStat_1, "before"},
        {&F::mbProfiDPCommsModStat_2, "before"}, {&F::mbProfiDPCommsModStat_3, "before"}}},
      {"Modbus", false, 2, StatusN(1234, 56, 1, 1, 2, 5, 2, 0, 7),
       {{&F::edModCycTmr, "123.4"}, {&F::edHartBeatCntr, "5.6"}, {&F::edListenMode, "Enabled"},
        {&F::edMessCntr, "258"}, {&F::edErrorCntr, "05C"}, {&F::edCRCCntr, "7"}}},
      {"Modbus revision letter beyond Z", false, 2, StatusN(0, 0, 0, 0, 0, 12, 26, 0, 0),
       {{&F::edErrorCntr, "1226"}, {&F::edListenMode, "Disabled"}}},
      {"Modbus revision letter Z", false, 2, StatusN(0, 0, 0, 0, 0, 12, 25, 0, 0), {{&F::edErrorCntr, "12Z"}}},
      {"Profibus-DP, extended", true, 1, StatusNA({0x12, 3, 0x21, 10, 1, 2, 7, 8, 0xD0, 0x20}),
       {{&F::mbExtProfiDPCommsModStat_7, "01C-03"}, {&F::mbExtProfiDPCommsModStat_6, "02B-10"},
        {&F::mbExtProfiDPCyclicTime, "258"}, {&F::mbExtProfiDPCycTimePosDev, "7"},
        {&F::mbExtProfiDPCycTimeNegDev, "8"}, {&F::mbExtProfiDPCommsModStat_0, "12 Mbits "},
        {&F::mbExtProfiDPCommsModStat_1, "Rev D"}, {&F::mbExtProfiDPCommsModStat_2, "   Data exchange"},
        {&F::mbExtProfiDPCommsModStat_3, "Baud search"}}},
      {"Modbus-RTU, extended", true, 2, StatusNA({0x1F, 99, 1, 0, 2, 1, 0, 255, 255, 0, 9}),
       {{&F::memExtCommsStatModbusRTU_SoftRev, "01P-99"}, {&F::memExtCommsStatModbusRTU_CycleTime, "256"},
        {&F::memExtCommsStatModbusRTU_LongCycleTime, "513"}, {&F::memExtCommsStatModbusRTU_ListenMode, "Disabled"},
        {&F::memExtCommsStatModbusRTU_MsgCntr, "65535"}, {&F::memExtCommsStatModbusRTU_CRC_Cntr, "9"}}},
      {"PROFINET", true, 4, StatusNA({0x30, 1, 0, 0x1b, 0xac, 0xff, 1, 2, 0x45, 6, 3, 232, 4, 5, 6}),
       {{&F::memExtCommsStatPROFINET_CommsRev, "03A-01"}, {&F::memExtCommsStatPROFINET_MAC, "00:1b:ac:ff:01:02"},
        {&F::memExtCommsStatPROFINET_StackRev, "04F-06"}, {&F::memExtCommsStatPROFINET_CycleTime, "1000"},
        {&F::memExtCommsStatPROFINET_CyclePosTimeDev, "4"}, {&F::memExtCommsStatPROFINET_CycleNegTimeDev, "5"},
        {&F::memExtCommsStatPROFINET_State, "6"}}},
      {"PROFINET state text", true, 4, StatusNA({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7}),
       {{&F::memExtCommsStatPROFINET_State, "Exception"}}},
      {"Modbus/TCP", true, 5, StatusNA({0x21, 0, 10, 11, 12, 13, 14, 15, 1, 0, 0, 2, 3, 4}),
       {{&F::memExtCommsStatModbusTCP_SoftRev, "02B-00"}, {&F::memExtCommsStatModbusTCP_MAC, "0a:0b:0c:0d:0e:0f"},
        {&F::memExtCommsStatModbusTCP_CycleTime, "256"}, {&F::memExtCommsStatModbusTCP_LongCycleTime, "2"},
        {&F::memExtCommsStatModbusTCP_MsgCntr, "772"}}},
      {"EtherNet/IP", true, 6, StatusNA({0, 0, 1, 2, 3, 4, 5, 6, 0, 0, 6}),
       {{&F::memExtCommsStatsEtherNetIP_SoftRev, "00A-00"}, {&F::memExtCommsStatsEtherNetIP_MAC, "01:02:03:04:05:06"},
        {&F::memExtCommsStatsEtherNetIP_StackRev, "00A-00"}, {&F::memExtCommsStatsEtherNetIP_State, "Connection running"}}},
      {"EtherNet/IP unlisted state", true, 6, StatusNA({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40}),
       {{&F::memExtCommsStatsEtherNetIP_State, "40"}}},
  };
  // clang-format on
  for (const StatusCase& c : cases) {
    SCOPED_TRACE(c.name);
    CommsWorld w("Rev 4e", false);
    TForm1& f = w.f1();
    for (const Shown& s : c.shown) (f.*s.memo).SetText("before");
    if (c.extended) {
      f.cbExtCommsSelProt.SetItemIndex(c.protocol);
      ASSERT_EQ(w.f2().PackCommsExtStatData(c.answer), 1);
    } else {
      f.cbCommsProtocol.SetItemIndex(c.protocol);
      ASSERT_EQ(w.f2().PackCommsStatData(c.answer), 1);
    }
    for (const Shown& s : c.shown) EXPECT_EQ((f.*s.memo).Text(), s.text);
  }
}

TEST(CommsStatus, RefusedAnswersAndProtocolsWithoutFieldsChangeNothing) {
  CommsWorld w("Rev 4e", false);
  TForm1& f = w.f1();
  f.cbCommsProtocol.SetItemIndex(2);
  f.edModCycTmr.SetText("before");
  std::string bad = StatusN(1, 0, 0, 0, 0, 0, 0, 0, 0);
  bad[5] = 'x';
  EXPECT_EQ(w.f2().PackCommsStatData(bad), 0);
  EXPECT_EQ(f.edModCycTmr.Text(), "before");
  f.cbCommsProtocol.SetItemIndex(0);
  EXPECT_EQ(w.f2().PackCommsStatData(StatusN(1, 0, 0, 0, 0, 0, 0, 0, 0)), 1);
  EXPECT_EQ(f.edModCycTmr.Text(), "before");
  f.cbExtCommsSelProt.SetItemIndex(3);
  f.memExtCommsStatModbusRTU_CycleTime.SetText("before");
  EXPECT_EQ(w.f2().PackCommsExtStatData(StatusNA({1, 2, 3})), 1);
  EXPECT_EQ(f.memExtCommsStatModbusRTU_CycleTime.Text(), "before");
}

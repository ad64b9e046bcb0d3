// The fieldbus status displays: the comms status record "*N" (basic comms settings and the
// CANbus statistics of the Communication Module page) and the extended comms status record nA,
// read by the protocol the page currently shows. The parsers have checked the characters.
#include <cstdio>
#include <optional>

#include "main/Main.h"
#include "platform/rtl/SysUtils.h"
#include "wire/Numeric.h"

namespace {

struct CodeText {
  int Code;
  const char* Text;
};

// clang-format off
constexpr CodeText kCanStates[] = {{0, "No comms"}, {1, "Rx only"}, {2, "Tx only"}, {3, "Tx & Rx"}};
constexpr CodeText kBaudShort[] = {{0, "12 mb "}, {1, "6 mb "}, {2, "3 mb "}, {3, "1,5 mb "}, {4, "500 kb "},
                                   {5, "187,5 kb "}, {6, "93,75 kb "}, {7, "45,45 kb "}, {8, "19,2 kb "},
                                   {15, "Not detected"}};
constexpr CodeText kBaudLong[] = {{0, "12 Mbits "}, {1, "6 Mbits "}, {2, "3 Mbits "}, {3, "1,5 Mbits "},
                                  {4, "500 kbits "}, {5, "187,5 kbits "}, {6, "93,75 kbits "},
                                  {7, "45,45 kbits "}, {8, "19,2 kbits "}, {15, "Not detected"}};
constexpr CodeText kModuleRevs[] = {{0, "Rev A"}, {11, "Rev B"}, {12, "Rev C"}, {13, "Rev D"}};
constexpr CodeText kDpStates[] = {{0, " Parameters needed"}, {1, "Configuration needed"}, {2, "   Data exchange"}};
constexpr CodeText kWatchdogStates[] = {{0, "Baud search"}, {1, "Baud control"}, {2, " DP control"}};
constexpr CodeText kProfinetStates[] = {{0, "Setup"}, {1, "Init"}, {2, "Wait"}, {3, "Idle"}, {4, "Data exchange"},
                                        {5, "Error"}, {7, "Exception"}};
constexpr CodeText kEtherNetIPStates[] = {{0, "Self testing"}, {1, "Updating"}, {2, "Communication fault"},
                                          {3, "Not connected"}, {4, "Bad configuration"}, {5, "Fault condition"},
                                          {6, "Connection running"}, {7, "Connection idle"}};
// clang-format on

template <size_t N>
std::optional<std::string> Lookup(const CodeText (&table)[N], int code) {
  for (const CodeText& t : table)
    if (t.Code == code) return std::string(t.Text);
  return std::nullopt;
}

// A listed code shows its text; an unlisted one leaves the display as it was.
template <size_t N>
void ShowCode(TEdit& e, const CodeText (&table)[N], int code) {
  if (auto text = Lookup(table, code)) e.SetText(*text);
}

// A state code: its text, or the number for a code the table does not list.
template <size_t N>
void ShowState(TEdit& e, const CodeText (&table)[N], int code) {
  e.SetText(Lookup(table, code).value_or(wire::DecStr(code)));
}

std::string TwoDigits(int v) { return wire::PadNum(v, 2); }

// "*N" fields by position (from 1).
struct StatusRecord {
  const std::string& s;
  int Number(int pos, int width) const { return static_cast<int>(wire::NumberAt(s, pos, width)); }
  int Byte(int pos) const { return Number(pos, 3) & 0xFF; }
  int Word(int pos, int width) const { return Number(pos, width) & 0xFFFF; }
  int Pair(int hiPos, int loPos) const { return (256 * Byte(hiPos) + Byte(loPos)) & 0xFFFF; }
  std::string Raw(int pos, int width) const {
    return s.substr(static_cast<size_t>(pos - 1), static_cast<size_t>(width));
  }
};

std::string NibbleRevision(int b) {
  return std::string(1, static_cast<char>('0' + (b >> 4))) + static_cast<char>('a' + (b & 15));
}
std::string DottedRevision(int b) { return TwoDigits(b >> 4) + "." + TwoDigits(b & 15); }
std::string Tenths(int v) { return Format("%0.1f", {v / 10.0}); }

// The revision letter of a Modbus module: "A" to "Z" for 0 to 25, the number beyond.
std::string RevisionLetter(int code) {
  return code <= 25 ? std::string(1, static_cast<char>('A' + code)) : wire::DecStr(code);
}

// nA fields B0..B29.
struct ExtRecord {
  const std::string& s;
  int B(int i) const { return static_cast<int>(wire::NumberAt(s, 4 + 3 * i, 3)) & 0xFF; }
  int Word(int i) const { return B(i) * 256 + B(i + 1); }
  std::string Dec(int i) const { return wire::DecStr(B(i)); }
  std::string WordText(int i) const { return wire::DecStr(Word(i)); }
  std::string Revision(int i) const {
    const int x = B(i);
    return TwoDigits(x >> 4) + static_cast<char>('A' + (x & 15)) + "-" + TwoDigits(B(i + 1));
  }
  std::string Mac(int i) const {
    std::string m;
    for (int k = 0; k < 6; ++k) {
      char hex[3];
      std::snprintf(hex, sizeof hex, "%02x", B(i + k));
      m += (k ? ":" : "") + std::string(hex);
    }
    return m;
  }
};

}  // namespace

void TForm1::ShowCommsStatus(const std::string& answer) {
  if (answer.size() < 38) return;
  const StatusRecord r{answer};
  switch (cbCommsProtocol.ItemIndex()) {
    case 3: {
      TEdit* basic[] = {&mbCyclicTime, &mbCycTimePosDev, &mbCycTimeNegDev, &mbDummy0, &mbCommsRev};
      TEdit* page[] = {&mbExtCyclicTime, &mbExtCycTimePosDev, &mbExtCycTimeNegDev, &mbExtDummy0,
                       &mbExtCommsRev};
      for (TEdit** set : {basic, page}) {
        set[0]->SetText(r.Raw(3, 5));
        set[1]->SetText(r.Raw(8, 3));
        set[2]->SetText(r.Raw(11, 3));
        ShowCode(*set[3], kCanStates, r.Byte(14));
        set[4]->SetText(NibbleRevision(r.Byte(35)));
      }
      break;
    }
    case 1:
      mbProfiDPCyclicTime.SetText(r.Raw(3, 5));
      mbProfiDPCycTimePosDev.SetText(r.Raw(8, 3));
      mbProfiDPCycTimeNegDev.SetText(r.Raw(11, 3));
      mbProfiDPCommsModStat_6.SetText(DottedRevision(r.Byte(32)));
      mbProfiDPCommsModStat_7.SetText(DottedRevision(r.Byte(35)));
      ShowCode(mbProfiDPCommsModStat_0, kBaudShort, r.Byte(14) & 15);
      ShowCode(mbProfiDPCommsModStat_1, kModuleRevs, r.Byte(14) >> 4);
      ShowCode(mbProfiDPCommsModStat_2, kDpStates, (r.Byte(17) >> 4) & 3);
      ShowCode(mbProfiDPCommsModStat_3, kWatchdogStates, (r.Byte(17) >> 6) & 3);
      break;
    case 2:
      edModCycTmr.SetText(Tenths(r.Word(3, 5)));
      edHartBeatCntr.SetText(Tenths(r.Word(8, 3)));
      edMessCntr.SetText(wire::DecStr(r.Pair(14, 17)));
      edErrorCntr.SetText(TwoDigits(r.Word(26, 3)) + RevisionLetter(r.Byte(29)));
      edCRCCntr.SetText(wire::DecStr(r.Pair(32, 35)));
      edListenMode.SetText((r.Number(11, 3) & 1) ? "Enabled" : "Disabled");
      break;
    default:
      break;
  }
}

void TForm1::ShowCommsExtStatus(const std::string& answer) {
  if (answer.size() < 94) return;
  const ExtRecord r{answer};
  switch (cbExtCommsSelProt.ItemIndex()) {
    case 1:
      mbExtProfiDPCommsModStat_7.SetText(r.Revision(0));
      mbExtProfiDPCommsModStat_6.SetText(r.Revision(2));
      mbExtProfiDPCyclicTime.SetText(r.WordText(4));
      mbExtProfiDPCycTimePosDev.SetText(r.Dec(6));
      mbExtProfiDPCycTimeNegDev.SetText(r.Dec(7));
      ShowCode(mbExtProfiDPCommsModStat_0, kBaudLong, r.B(8) & 15);
      ShowCode(mbExtProfiDPCommsModStat_1, kModuleRevs, r.B(8) >> 4);
      ShowCode(mbExtProfiDPCommsModStat_2, kDpStates, (r.B(9) >> 4) & 3);
      ShowCode(mbExtProfiDPCommsModStat_3, kWatchdogStates, (r.B(9) >> 6) & 3);
      break;
    case 2:
      memExtCommsStatModbusRTU_SoftRev.SetText(r.Revision(0));
      memExtCommsStatModbusRTU_CycleTime.SetText(r.WordText(2));
      memExtCommsStatModbusRTU_LongCycleTime.SetText(r.WordText(4));
      memExtCommsStatModbusRTU_ListenMode.SetText(r.B(6) ? "Enabled" : "Disabled");
      memExtCommsStatModbusRTU_MsgCntr.SetText(r.WordText(7));
      memExtCommsStatModbusRTU_CRC_Cntr.SetText(r.WordText(9));
      break;
    case 4:
      memExtCommsStatPROFINET_CommsRev.SetText(r.Revision(0));
      memExtCommsStatPROFINET_MAC.SetText(r.Mac(2));
      memExtCommsStatPROFINET_StackRev.SetText(r.Revision(8));
      memExtCommsStatPROFINET_CycleTime.SetText(r.WordText(10));
      memExtCommsStatPROFINET_CyclePosTimeDev.SetText(r.Dec(12));
      memExtCommsStatPROFINET_CycleNegTimeDev.SetText(r.Dec(13));
      ShowState(memExtCommsStatPROFINET_State, kProfinetStates, r.B(14));
      break;
    case 5:
      memExtCommsStatModbusTCP_SoftRev.SetText(r.Revision(0));
      memExtCommsStatModbusTCP_MAC.SetText(r.Mac(2));
      memExtCommsStatModbusTCP_CycleTime.SetText(r.WordText(8));
      memExtCommsStatModbusTCP_LongCycleTime.SetText(r.WordText(10));
      memExtCommsStatModbusTCP_MsgCntr.SetText(r.WordText(12));
      break;
    case 6:
      memExtCommsStatsEtherNetIP_SoftRev.SetText(r.Revision(0));
      memExtCommsStatsEtherNetIP_MAC.SetText(r.Mac(2));
      memExtCommsStatsEtherNetIP_StackRev.SetText(r.Revision(8));
      ShowState(memExtCommsStatsEtherNetIP_State, kEtherNetIPStates, r.B(10));
      break;
    default:
      break;
  }
}

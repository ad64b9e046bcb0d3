#include "report/CommsSection.h"

#include <cstdio>

#include "main/ControlOf.h"
#include "main/Main.h"
#include "platform/rtl/SysUtils.h"
#include "report/ReportLine.h"
#include "report/SettingsReport.h"

namespace report {

namespace {

using F = TForm1;

constexpr std::array<std::string_view, 3> kCanBaudWords = {"125 kbps", "250 kbps", "500 kbps"};
constexpr std::array<std::string_view, 2> kStructureWords = {"VUMA", "KORVEL"};
constexpr std::array<std::string_view, 2> kIdentWords = {"Standard", "Extended"};
constexpr std::array<std::string_view, 2> kGsdWords = {"ZYVOF880", "ZYVOF877"};
constexpr std::array<std::string_view, 6> kModbusBaudWords = {"02400", "04800", "09600",
                                                              "19200", "38400", "57600"};

// Messages the extended and the short layout share.
constexpr const char* kProfibusAddressBad =
    "Profibus address out of range %0:s setting value changed to 126.";
constexpr const char* kProfibusAddressMissing =
    "Profibus address not found. Setting value changed to 126.";
constexpr const char* kModbusAddressBad =
    "Modbus address out of range %0:s setting value changed to 1.";
constexpr const char* kModbusAddressMissing =
    "Modbus address not found. Setting value changed to 1.";
constexpr const char* kModbusBaudBad =
    "Modbus baud rate out of range %0:s setting value changed to 19200.";
constexpr const char* kModbusBaudMissing =
    "Modbus baud rate not found. Setting value changed to 19200.";
constexpr const char* kTimeOutBad =
    "Modbus time out out of range %0:s setting value changed to 000.";
constexpr const char* kTimeOutMissing = "Modbus time out not found. Setting value changed to 000.";
constexpr const char* kCanAddressBad =
    "CANbus address out of range %0:s setting value changed to 000.";
constexpr const char* kCanAddressMissing =
    "CANbus address not found. Setting value changed to 000.";
constexpr const char* kCanBaudBad =
    "CANbus baudrate out of range %0:s setting value changed to 125.";
constexpr const char* kCanBaudMissing = "CANbus baudrate not found. Setting value changed to 125.";
constexpr const char* kStructureBad =
    "CANbus structure type out of range %0:s setting value changed to VUMA.";
constexpr const char* kStructureMissing =
    "CANbus structure type not found. Setting value changed to VUMA.";
constexpr const char* kIdentBad =
    "CANbus identifier type out of range %0:s setting value changed to Standard.";
constexpr const char* kIdentMissing =
    "CANbus identifier type not found. Setting value changed to Standard.";
constexpr const char* kCommandBad =
    "CANbus command base address out of range %0:s setting value changed to 00000.";
constexpr const char* kCommandMissing =
    "CANbus command base address not found. Setting value changed to 00000.";
constexpr const char* kActualBad =
    "CANbus actual base address out of range %0:s setting value changed to 00000.";
constexpr const char* kActualMissing =
    "CANbus actual base address not found. Setting value changed to 00000.";
constexpr const char* kSettingBad =
    "CANbus setting base address out of range %0:s setting value changed to 00000.";
constexpr const char* kSettingMissing =
    "CANbus setting base address not found. Setting value changed to 00000.";

// ---- Row builders ----

constexpr CommsRow Type() { return {kTypeLabel, Show::Type}; }
constexpr CommsRow Heading(std::string_view line) { return {line, Show::Heading}; }
constexpr CommsRow Status(std::string_view label, ControlOf c) { return {label, Show::Text, c}; }
constexpr CommsRow TrimmedStatus(std::string_view label, ControlOf c) {
  return {label, Show::Trimmed, c};
}
// A status box the section writes as a number; the reader takes digits only, logging `bad`.
constexpr CommsRow Number(std::string_view label, ControlOf c, int digits, std::string_view unit,
                          const char* bad) {
  return {.label = label,
          .show = Show::Number,
          .control = c,
          .digits = digits,
          .unit = unit,
          .bad = bad};
}
// A spin edit the row sets without a handler.
constexpr CommsRow Spin(std::string_view label, ControlOf c, int digits, std::string_view unit,
                        int def, const char* bad, const char* missing) {
  return {.label = label,
          .show = Show::Spin,
          .control = c,
          .digits = digits,
          .unit = unit,
          .defaultValue = def,
          .bad = bad,
          .missing = missing};
}
// A CANbus parameter: the extended editor and the older module's, then their shared handler.
constexpr CommsRow CanSpin(std::string_view label, ControlOf c, ControlOf twin, Handler h,
                           int digits, const char* bad, const char* missing) {
  return {.label = label,
          .show = Show::Spin,
          .control = c,
          .digits = digits,
          .bad = bad,
          .missing = missing,
          .twin = twin,
          .handler = h,
          .narrow = true};
}
constexpr CommsRow CanChoice(std::string_view label, ControlOf c, ControlOf twin, Handler h,
                             std::span<const std::string_view> words, const char* bad,
                             const char* missing) {
  return {.label = label,
          .show = Show::Choice,
          .control = c,
          .words = words,
          .bad = bad,
          .missing = missing,
          .twin = twin,
          .handler = h,
          .narrow = true};
}
constexpr CommsRow IpType(ControlOf c) {
  return {.label = "| IP Assignment    |",
          .show = Show::ItemText,
          .control = c,
          .bad = "IP assignment not in selection table.",
          .missing = "Could not find IP assignment."};
}
constexpr CommsRow Name(std::string_view label, ControlOf c) {
  return {
      .label = label, .show = Show::Name, .control = c, .missing = "Could not find device name."};
}
constexpr CommsRow Address(std::string_view label, ControlOf v4, ControlOf v3, ControlOf v2,
                           ControlOf v1, const char* bad, const char* missing) {
  return {.label = label,
          .show = Show::Address,
          .control = v4,
          .bad = bad,
          .missing = missing,
          .rest = {v3, v2, v1}};
}
constexpr CommsRow Registers() { return {{}, Show::Registers}; }

#define NOT_A_NUMBER " %0:s not a number, status value not changed."

// The cycle time and its two deviations, as the fieldbus types with a cycle report them.
#define CYCLE_ROWS(CYCLE_LABEL, CYCLE, POS, NEG, NAME)                                         \
  Number(CYCLE_LABEL, Field<&F::CYCLE>, kWordDigits, "mSec", NAME " cycle time" NOT_A_NUMBER), \
      Number("| Pos. Dev. Time   |", Field<&F::POS>, kByteDigits, "%",                         \
             NAME " positive deviation time" NOT_A_NUMBER),                                    \
      Number("| Neg. Dev. Time   |", Field<&F::NEG>, kByteDigits, "%",                         \
             NAME " negative deviation time" NOT_A_NUMBER)

// The IP settings every Ethernet type starts with, after its type row.
#define IP_ROWS(X, NAME_LABEL)                                                                     \
  IpType(Field<&F::comboxExtComms##X##_IP_Type>),                                                  \
      Name(NAME_LABEL, Field<&F::editExtComms##X##_DeviceName>),                                   \
      Address("| IP Address       |", Field<&F::speditExtComms##X##_IP_AddrV4>,                    \
              Field<&F::speditExtComms##X##_IP_AddrV3>, Field<&F::speditExtComms##X##_IP_AddrV2>,  \
              Field<&F::speditExtComms##X##_IP_AddrV1>, "IP address could not be retrieved.",      \
              "Could not find IP address."),                                                       \
      Address("| IP Mask          |", Field<&F::speditExtComms##X##_MaskAddrV4>,                   \
              Field<&F::speditExtComms##X##_MaskAddrV3>,                                           \
              Field<&F::speditExtComms##X##_MaskAddrV2>,                                           \
              Field<&F::speditExtComms##X##_MaskAddrV1>, "Mask address could not be retrieved.",   \
              "Could not find mask address."),                                                     \
      Address("| Default Gateway  |", Field<&F::speditExtComms##X##_GatewayV4>,                    \
              Field<&F::speditExtComms##X##_GatewayV3>, Field<&F::speditExtComms##X##_GatewayV2>,  \
              Field<&F::speditExtComms##X##_GatewayV1>, "Gateway address could not be retrieved.", \
              "Could not find gateway address.")

const CommsRow kNoneRows[] = {Type()};

// clang-format off
const CommsRow kProfibusRows[] = {
    Type(),
    Spin("| Address          |", Field<&F::speditCommsExt_ProfiDP_Address>, kByteDigits, {}, 126, kProfibusAddressBad,
         kProfibusAddressMissing),
    Heading(kStatisticHeader),
    Status("| Comms Revision   |", Field<&F::mbExtProfiDPCommsModStat_7>),
    Status("| VPC Stack Rev.   |", Field<&F::mbExtProfiDPCommsModStat_6>),
    CYCLE_ROWS("| Cycle Time       |", mbExtProfiDPCyclicTime, mbExtProfiDPCycTimePosDev, mbExtProfiDPCycTimeNegDev,
               "Profibus"),
    TrimmedStatus("| Baud Rate        |", Field<&F::mbExtProfiDPCommsModStat_0>),
    TrimmedStatus("| VPC Chip Rev.    |", Field<&F::mbExtProfiDPCommsModStat_1>),
    TrimmedStatus("| DP State         |", Field<&F::mbExtProfiDPCommsModStat_2>),
    TrimmedStatus("| Watchdog State   |", Field<&F::mbExtProfiDPCommsModStat_3>),
};
// clang-format on

// clang-format off
const CommsRow kModbusRtuRows[] = {
    Type(),
    Spin("| Address          |", Field<&F::speditExtComms_ModbusRTU_Address>, kByteDigits, {}, 1, kModbusAddressBad,
         kModbusAddressMissing),
    {.label = "| Baud Rate (bps)  |", .show = Show::ItemText, .control = Field<&F::cbExtComms_ModbusRTU_BaudRate>,
     .defaultValue = 3, .bad = kModbusBaudBad, .missing = kModbusBaudMissing},
    Spin("| Time Out         |", Field<&F::speditExtComms_ModbusRTU_TimeOut>, kWordDigits, "Sec", 0, kTimeOutBad,
         kTimeOutMissing),
    Registers(),
    Heading(kStatisticHeader),
    Status("| Comms Revision   |", Field<&F::memExtCommsStatModbusRTU_SoftRev>),
    Number("| Cycle Time       |", Field<&F::memExtCommsStatModbusRTU_CycleTime>, kWordDigits, "mSec",
           "Modbus cycle time" NOT_A_NUMBER),
    Number("| Long. Cycle Time |", Field<&F::memExtCommsStatModbusRTU_LongCycleTime>, kWordDigits, "mSec",
           "Modbus longest cycle time" NOT_A_NUMBER),
    TrimmedStatus("| Listen Mode      |", Field<&F::memExtCommsStatModbusRTU_ListenMode>),
    Number("| Message Counter  |", Field<&F::memExtCommsStatModbusRTU_MsgCntr>, kWordDigits, {},
           "Modbus message counter" NOT_A_NUMBER),
    Number("| CRC Counter      |", Field<&F::memExtCommsStatModbusRTU_CRC_Cntr>, kWordDigits, {},
           "Modbus CRC counter" NOT_A_NUMBER),
};
// clang-format on

// clang-format off
const CommsRow kCanbusRows[] = {
    Type(),
    CanSpin("| Address          |", Field<&F::speditExtComms_CANbus_Address>, Field<&F::seCommsAddr>, &F::seCommsAddrChange,
            kByteDigits, kCanAddressBad, kCanAddressMissing),
    CanChoice("| Baud Rate        |", Field<&F::cbExtComms_CANbus_BaudRate>, Field<&F::cbBaudRate>, &F::cbBaudRateChange,
              kCanBaudWords, kCanBaudBad, kCanBaudMissing),
    CanChoice("| Structure Select |", Field<&F::cbExtComms_CANbus_StructTypeSel>, Field<&F::cbCommsStrucSel>,
              &TForm1::cbCommsStrucSelChange, kStructureWords, kStructureBad, kStructureMissing),
    CanChoice("| Ident. Type      |", Field<&F::cbExtComms_CANbus_IdentType>, Field<&F::cbCommsIdentifierType>,
              &TForm1::cbCommsIdentifierTypeChange, kIdentWords, kIdentBad, kIdentMissing),
    CanSpin("| Command Address  |", Field<&F::speditExtComms_CANbus_CmdBaseAddr>, Field<&F::seCommsCommandBaseAddr>,
            &TForm1::seCommsCommandBaseAddrChange, kWordDigits, kCommandBad, kCommandMissing),
    CanSpin("| Actual Address   |", Field<&F::speditExtComms_CANbus_ActBaseAddr>, Field<&F::seCommsActualBaseAddr>,
            &TForm1::seCommsActualBaseAddrChange, kWordDigits, kActualBad, kActualMissing),
    CanSpin("| Setting Address  |", Field<&F::speditExtComms_CANbus_SetBaseAddr>, Field<&F::seCommsSettingBaseAddr>,
            &TForm1::seCommsSettingBaseAddrChange, kWordDigits, kSettingBad, kSettingMissing),
    Heading(kStatisticHeader),
    Status("| Comms Revision   |", Field<&F::mbExtCommsRev>),
    CYCLE_ROWS("| Cyclic Time      |", mbExtCyclicTime, mbExtCycTimePosDev, mbExtCycTimeNegDev, "CANbus"),
    Status("| Comms Status     |", Field<&F::mbExtDummy0>),
};
// clang-format on

// clang-format off
const CommsRow kProfinetRows[] = {
    Type(),
    IP_ROWS(PROFINET, "| Device Name      |"),
    Heading(kStatisticHeader),
    Status("| MAC Address      |", Field<&F::memExtCommsStatPROFINET_MAC>),
    Status("| Comms Revision   |", Field<&F::memExtCommsStatPROFINET_CommsRev>),
    Status("| PN Stack Rev.    |", Field<&F::memExtCommsStatPROFINET_StackRev>),
    CYCLE_ROWS("| Cycle Time       |", memExtCommsStatPROFINET_CycleTime, memExtCommsStatPROFINET_CyclePosTimeDev,
               memExtCommsStatPROFINET_CycleNegTimeDev, "PROFINET"),
    Status("| PROFINET State   |", Field<&F::memExtCommsStatPROFINET_State>),
};
// clang-format on

// clang-format off
const CommsRow kModbusTcpRows[] = {
    Type(),
    IP_ROWS(ModbusTCP, "| Device Name      |"),
    Spin("| Time Out         |", Field<&F::speditExtCommsModbusTCP_Timeout>, kWordDigits, "Sec", 0, kTimeOutBad,
         kTimeOutMissing),
    Registers(),
    Heading(kStatisticHeader),
    Status("| MAC Address      |", Field<&F::memExtCommsStatModbusTCP_MAC>),
    Status("| Comms Revision   |", Field<&F::memExtCommsStatModbusTCP_SoftRev>),
    Number("| Cycle Time       |", Field<&F::memExtCommsStatModbusTCP_CycleTime>, kWordDigits, "mSec",
           "Modbus/TCP cycle time" NOT_A_NUMBER),
    Number("| Long. Cycle Time |", Field<&F::memExtCommsStatModbusTCP_LongCycleTime>, kWordDigits, "mSec",
           "Modbus/TCP longest cycle time" NOT_A_NUMBER),
    Number("| Message Counter  |", Field<&F::memExtCommsStatModbusTCP_MsgCntr>, kWordDigits, {},
           "Modbus/TCP message counter" NOT_A_NUMBER),
};
// clang-format on

// clang-format off
const CommsRow kEtherNetIpRows[] = {
    Type(),
    IP_ROWS(EtherNetIP, "| Host Name        |"),
    Registers(),
    Heading(kStatisticHeader),
    Status("| MAC Address      |", Field<&F::memExtCommsStatsEtherNetIP_MAC>),
    Status("| Comms Revision   |", Field<&F::memExtCommsStatsEtherNetIP_SoftRev>),
    Status("| EthIP Stack Rev. |", Field<&F::memExtCommsStatsEtherNetIP_StackRev>),
    Status("| EtherNet/IP Stat |", Field<&F::memExtCommsStatsEtherNetIP_State>),
};
// clang-format on

const std::span<const CommsRow> kExtendedRows[] = {kNoneRows,      kProfibusRows, kModbusRtuRows,
                                                   kCanbusRows,    kProfinetRows, kModbusTcpRows,
                                                   kEtherNetIpRows};
static_assert(std::size(kExtendedRows) == kTypeTexts.size());

// clang-format off
const RegisterTable kRegisterTables[] = {
    {kBits0Header, "| Bit %0:0.2d           |", 16, 1, 1, false, "Could not find configuration bits 0.",
     "Could not find configuration bits 0, bit %0:0.2d."},
    {kBits1Header, "| Bit %0:0.2d           |", 16, 2, 1, false, "Could not find configuration bits 1.",
     "Could not find configuration bits 1, bit %0:0.2d."},
    {kWordsHeader, "| Word %0:0.2d          |", 20, 1, 0, true, "Could not find configuration words.",
     "Could not find configuration words, word %0:0.2d."},
};
// clang-format on

// clang-format off
const ShortRow kShortProfibus[] = {
    {"| Address          |", ShortShow::Low7, 0, {}, Field<&F::seCommsAddr>, &F::seCommsAddrChange, 126,
     kProfibusAddressBad, kProfibusAddressMissing},
    {"| GSD File         |", ShortShow::Bit7, 0, kGsdWords, Field<&F::cbProfiDPGSD>, &F::cbProfiDPGSDChange, 0,
     "Profibus GSD out of range %0:s setting value changed to ZYVOF880.",
     "Profibus GSD not found. Setting value changed to ZYVOF880."},
};
// clang-format on
// clang-format off
const ShortRow kShortModbus[] = {
    {"| Address          |", ShortShow::Byte, 0, {}, Field<&F::seCommsAddr>, &F::seCommsAddrChange, 1,
     kModbusAddressBad, kModbusAddressMissing},
    {"| Baud Rate (bps)  |", ShortShow::Choice, 2, kModbusBaudWords, Field<&F::cbModbusBaudRate>,
     &TForm1::cbModbusBaudRateChange, 3, kModbusBaudBad, kModbusBaudMissing},
    {"| Time Out         |", ShortShow::Byte, 3, {}, Field<&F::seModbusTimeOut>, &F::seModbusTimeOutChange, 0,
     kTimeOutBad, kTimeOutMissing},
};
// clang-format on
// clang-format off
const ShortRow kShortCanbus[] = {
    {"| Address          |", ShortShow::Low7, 0, {}, Field<&F::seCommsAddr>, &F::seCommsAddrChange, 0,
     kCanAddressBad, kCanAddressMissing},
    {"| Baud Rate        |", ShortShow::Choice, 2, kCanBaudWords, Field<&F::cbBaudRate>, &F::cbBaudRateChange, 0,
     kCanBaudBad, kCanBaudMissing},
    {"| Structure Select |", ShortShow::Bit7, 0, kStructureWords, Field<&F::cbCommsStrucSel>,
     &TForm1::cbCommsStrucSelChange, 0, kStructureBad, kStructureMissing},
    {"| Ident. Type      |", ShortShow::Choice, 3, kIdentWords, Field<&F::cbCommsIdentifierType>,
     &TForm1::cbCommsIdentifierTypeChange, 0, kIdentBad, kIdentMissing},
    {"| Command Address  |", ShortShow::Pair, 4, {}, Field<&F::seCommsCommandBaseAddr>,
     &TForm1::seCommsCommandBaseAddrChange, 0, kCommandBad, kCommandMissing},
    {"| Actual Address   |", ShortShow::Pair, 6, {}, Field<&F::seCommsActualBaseAddr>,
     &TForm1::seCommsActualBaseAddrChange, 0, kActualBad, kActualMissing},
    {"| Setting Address  |", ShortShow::Pair, 8, {}, Field<&F::seCommsSettingBaseAddr>,
     &TForm1::seCommsSettingBaseAddrChange, 0, kSettingBad, kSettingMissing},
};
// clang-format on

#undef IP_ROWS
#undef CYCLE_ROWS
#undef NOT_A_NUMBER

// ---- Writing ----

constexpr int kExtendedWidth = 71, kShortWidth = 46;
constexpr std::string_view kExtendedHead =
    "| Comms Parameter  |                                                  |";
constexpr std::string_view kExtendedSeparator =
    "|------------------|--------------------------------------------------|";
constexpr std::string_view kShortHead = "| Comms Parameter  |                         |";
constexpr std::string_view kShortSeparator = "|------------------|-------------------------|";

// The low 8 bits (3 digits) or 16 bits (5 digits) of a number, zero-padded.
std::string Digits(long long v, int digits) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%0*lld", digits, v & (digits == kByteDigits ? 0xFF : 0xFFFF));
  return buf;
}

std::string TextOf(TControl& c) {
  if (auto* e = dynamic_cast<TCustomEdit*>(&c)) return e->Text();
  if (auto* cb = dynamic_cast<TComboBox*>(&c)) return cb->Text();
  return {};
}

int Item(TControl& c) { return static_cast<TComboBox&>(c).ItemIndex(); }
int SpinOf(TControl& c) { return static_cast<TSpinEdit&>(c).Value(); }

std::string Word(std::span<const std::string_view> words, int index) {
  return std::string(index >= 0 && index < static_cast<int>(words.size()) ? words[index]
                                                                          : words[0]);
}

// The rows of one table between its separators: the first without, every later one after one.
class Table {
 public:
  Table(TStringList& out, std::string_view separator, int bar)
      : out_(out), separator_(separator), bar_(bar) {}
  // The unit stands one blank after a value of `digits` digits.
  void Row(std::string_view label, const std::string& value, std::string_view unit = {},
           int digits = 0) {
    Separate();
    ReportLine line;
    line.Insert(2, label).Insert(kValueColumn, value);
    if (!unit.empty()) line.Insert(kValueColumn + digits + 1, unit);
    out_.Add(line.Insert(bar_, "|").Text());
  }
  void Heading(std::string_view line) {
    Separate();
    out_.Add(ReportLineAt(2, line));
  }

 private:
  void Separate() {
    if (!first_) out_.Add(ReportLineAt(2, separator_));
    first_ = false;
  }
  TStringList& out_;
  std::string_view separator_;
  int bar_;
  bool first_ = true;
};

std::string Dotted(TForm1& f, const CommsRow& r) {
  std::string s = Format("%0:0.3d", {SpinOf(r.control(f))});
  for (ControlOf c : r.rest) s += Format(".%0:0.3d", {SpinOf(c(f))});
  return s;
}

std::string ExtendedValue(TForm1& f, const CommsRow& r) {
  if (!r.control) return {};  // the type row, sub-headers and register tables have no control
  TControl& c = r.control(f);
  switch (r.show) {
    case Show::Spin:
      return Digits(SpinOf(c), r.digits);
    case Show::Text:
    case Show::Name:
      return TextOf(c);
    case Show::Trimmed:
      return Trim(TextOf(c));
    case Show::Number:
      return StatusNumber(TextOf(c), r.digits);
    case Show::ItemText: {
      const auto& cb = static_cast<TComboBox&>(c);
      return cb.ItemIndex() >= 0 ? Trim(cb.Items[cb.ItemIndex()]) : std::string();
    }
    case Show::Choice:
      return Word(r.words, Item(c));
    case Show::Address:
      return Dotted(f, r);
    case Show::Type:
    case Show::Heading:
    case Show::Registers:
      break;
  }
  return {};
}

void ComposeRegisters(TForm1& f, Table& table) {
  for (const RegisterTable& t : kRegisterTables) {
    table.Heading(t.header);
    TStringGrid& grid = t.words ? f.strgridExtCommsConfigWords : f.strgridExtCommsConfigBits;
    for (int n = 0; n < t.rows; ++n)
      table.Row(Format(t.rowLabel, {n}), Trim(grid.Cell(t.column, t.firstRow + n)));
  }
}

void ComposeExtended(TStringList& out, TForm1& f) {
  out.Add(ReportLineAt(2, std::string(kExtendedWidth, '-')));
  out.Add(ReportLineAt(2, kExtendedHead));
  out.Add(ReportLineAt(2, kExtendedSeparator));
  const int type = std::max(f.cbExtCommsSelProt.ItemIndex(), 0);
  Table table(out, kExtendedSeparator, kExtendedBar);
  for (const CommsRow& r : ExtendedRows(type)) {
    if (r.show == Show::Type)
      table.Row(r.label, std::string(kTypeTexts[static_cast<size_t>(type)]));
    else if (r.show == Show::Heading)
      table.Heading(r.label);
    else if (r.show == Show::Registers)
      ComposeRegisters(f, table);
    else
      table.Row(r.label, ExtendedValue(f, r), r.unit, r.digits);
  }
  out.Add(ReportLineAt(2, std::string(kExtendedWidth, '-')));
}

// Byte n (0..9) of the comms record's send column as a number.
int RecordByte(int n) { return CellNumber(SendCell(wire::RecordId::Comms, n + 1)); }

std::string ShortValue(const ShortRow& r) {
  const int b = RecordByte(r.byte) & 0xFF;
  switch (r.show) {
    case ShortShow::Low7:
      return Digits(b & 0x7F, kByteDigits);
    case ShortShow::Byte:
      return Digits(b, kByteDigits);
    case ShortShow::Bit7:
      return Word(r.words, (b & 0x80) ? 1 : 0);
    case ShortShow::Choice:
      return Word(r.words, b);
    case ShortShow::Pair:
      return Digits(RecordByte(r.byte) + 256LL * RecordByte(r.byte + 1), kWordDigits);
  }
  return {};
}

void ComposeShort(TStringList& out) {
  out.Add(ReportLineAt(2, std::string(kShortWidth, '-')));
  out.Add(ReportLineAt(2, kShortHead));
  out.Add(ReportLineAt(2, kShortSeparator));
  const int protocol = RecordByte(1);
  const int type = protocol >= 1 && protocol < kShortTypeCount ? protocol : 0;
  Table table(out, kShortSeparator, kShortBar);
  table.Row(kTypeLabel, std::string(kTypeTexts[static_cast<size_t>(type)]));
  for (const ShortRow& r : ShortRows(type)) table.Row(r.label, ShortValue(r));
  out.Add(ReportLineAt(2, std::string(kShortWidth, '-')));
}

}  // namespace

std::span<const CommsRow> ExtendedRows(int type) {
  return type >= 0 && type < static_cast<int>(std::size(kExtendedRows))
             ? kExtendedRows[type]
             : std::span<const CommsRow>();
}

std::span<const RegisterTable> RegisterTables() { return kRegisterTables; }

std::span<const ShortRow> ShortRows(int protocol) {
  switch (protocol) {
    case 1:
      return kShortProfibus;
    case 2:
      return kShortModbus;
    case 3:
      return kShortCanbus;
    default:
      return {};
  }
}

std::string StatusNumber(const std::string& text, int digits) {
  const std::string t = Trim(text);
  size_t i = !t.empty() && (t[0] == '-' || t[0] == '+') ? 1 : 0;
  const size_t first = i;
  long long v = 0;
  for (; i < t.size() && t[i] >= '0' && t[i] <= '9' && i - first < 18; ++i)
    v = v * 10 + (t[i] - '0');
  const bool whole = i == t.size() && i > first;
  return Digits(whole ? (t[0] == '-' ? -v : v) : 0, digits);
}

}  // namespace report

void ComposeCommsModuleRows(TStringList& out) {
  if (!Form1) return;
  if (ReportRevisionExtended())
    report::ComposeExtended(out, *Form1);
  else
    report::ComposeShort(out);
}

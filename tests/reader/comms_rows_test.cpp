// The "Communication Module" section read back: every module type of the extended layout and
// every protocol of the short one round-trips page -> lines -> reset page -> read -> the same page,
// the same comms data block and the same file; then the rows' own rules, one file edit each.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "editors/CommsLayout.h"
#include "reader/ReaderWorld.h"
#include "report/CommsSection.h"
#include "support/CommsWorld.h"

namespace {

using Lines = std::vector<std::string>;
using editors::comms::Cell;

struct CommsReaderWorld : ReaderWorld {
  explicit CommsReaderWorld(const std::string& revision) : ReaderWorld(revision) {
    app.CreateForm(frmCommsBitsSel);
    app.CreateForm(frmCommsWordSel);
  }
  ~CommsReaderWorld() {
    frmCommsBitsSel = nullptr;
    frmCommsWordSel = nullptr;
  }
  Lines Send() {
    Lines out;
    for (int b = 1; b <= 10; ++b) out.push_back(vt().Grid(wire::RecordId::Comms).Cell(2, b));
    return out;
  }
  std::array<uint8_t, editors::comms::kBlockBytes> Packed() {
    f1().UpdateExtCommsSettingInTxBuff();
    return vt().CommsDataBlockTx;
  }
};

// Every editor, combo box, status box and grid cell under a control, as name=value.
void Collect(TControl& c, Lines& out) {
  for (TControl* k : c.Children()) {
    if (auto* e = dynamic_cast<TCustomEdit*>(k))
      out.push_back(k->Name() + "=" + e->Text());
    else if (auto* cb = dynamic_cast<TComboBox*>(k))
      out.push_back(k->Name() + "=" + std::to_string(cb->ItemIndex()));
    else if (auto* g = dynamic_cast<TStringGrid*>(k))
      for (int col = 0; col < g->ColCount(); ++col)
        for (int row = 0; row < g->RowCount(); ++row)
          out.push_back(k->Name() + "=" + g->Cell(col, row));
    Collect(*k, out);
  }
}
Lines Page(std::initializer_list<TControl*> roots) {
  Lines out;
  for (TControl* r : roots)
    if (r) Collect(*r, out);
  return out;
}
// The extended page of one type: its type box, its settings, statistics and register groups.
Lines ExtendedPage(TForm1& f, int type) {
  const editors::comms::ProtocolGroups& g = editors::comms::GroupsOf(type);
  Lines out =
      Page({g.Settings ? &g.Settings(f) : nullptr, g.Statistics ? &g.Statistics(f) : nullptr,
            g.Registers ? &f.grpboxExtCommsConfigBitsAndWords : nullptr});
  out.push_back("type=" + std::to_string(f.cbExtCommsSelProt.ItemIndex()));
  return out;
}
// The older module's group of one protocol, its protocol and address.
Lines ShortPage(TForm1& f, int protocol) {
  TControl* groups[] = {nullptr, &f.gbProfibus, &f.gbModbus, &f.gbCANbus};
  Lines out = Page({groups[protocol]});
  out.push_back("protocol=" + std::to_string(f.cbCommsProtocol.ItemIndex()));
  out.push_back("address=" + f.seCommsAddr.Text());
  return out;
}

// Everything under a control back to its lowest value, the text "reset", no item, empty cells;
// the type boxes stay.
void Reset(TForm1& f, TControl& root) {
  for (TControl* k : root.Children()) {
    if (k == &f.cbExtCommsSelProt || k == &f.cbCommsProtocol) continue;
    if (auto* s = dynamic_cast<TSpinEdit*>(k))
      s->SetValue(s->MinValue());
    else if (auto* e = dynamic_cast<TCustomEdit*>(k))
      e->SetText("reset");
    else if (auto* cb = dynamic_cast<TComboBox*>(k))
      cb->SetItemIndex(-1);
    else if (auto* g = dynamic_cast<TStringGrid*>(k))
      for (int col = g->FixedCols; col < g->ColCount(); ++col)
        for (int row = g->FixedRows; row < g->RowCount(); ++row) g->SetCell(col, row, "");
    Reset(f, *k);
  }
}

// The CANbus settings a test saves, in both the extended editors and the older module's.
struct CanValue {
  ControlOf extended, old;
  int value;  // a spin edit's value or a combo box's item
};
#define ED(n) [](TForm1& f) -> TControl& { return f.n; }
// clang-format off
const CanValue kCanValues[] = {
    {ED(speditExtComms_CANbus_Address), ED(seCommsAddr), 99},
    {ED(cbExtComms_CANbus_BaudRate), ED(cbBaudRate), 2},
    {ED(cbExtComms_CANbus_StructTypeSel), ED(cbCommsStrucSel), 1},
    {ED(cbExtComms_CANbus_IdentType), ED(cbCommsIdentifierType), 1},
    {ED(speditExtComms_CANbus_CmdBaseAddr), ED(seCommsCommandBaseAddr), 4660},
    {ED(speditExtComms_CANbus_ActBaseAddr), ED(seCommsActualBaseAddr), 22136},
    {ED(speditExtComms_CANbus_SetBaseAddr), ED(seCommsSettingBaseAddr), 65535},
};
// clang-format on
#undef ED
// As a user sets it: a spin edit's value, a combo box's pick.
void UserSet(TControl& c, int value) {
  if (auto* se = dynamic_cast<TSpinEdit*>(&c))
    se->SetValue(value);
  else
    static_cast<TComboBox&>(c).UserPick(value);
}

// The page of an extended type away from the received block it was loaded from: every editor
// the user would change, the register cells, and the status boxes as the relay fills them.
void EditExtendedPage(CommsReaderWorld& w, int type) {
  TForm1& f = w.f1();
  w.vt().CommsDataBlockRx1 = ValidBlock(f, type);
  f.cbExtCommsSelProt.UserPick(type);
  for (const editors::comms::BlockCell& c : editors::comms::BlockLayout()) {
    if (c.Protocol != type) continue;
    const int b = c.FirstByte;
    switch (c.Kind) {
      case Cell::Spin: {
        auto& se = static_cast<TSpinEdit&>(c.Control(f));
        se.SetValue(se.MinValue() + (b * 53 + 11) % (se.MaxValue() - se.MinValue() + 1));
        break;
      }
      case Cell::Word:
        static_cast<TSpinEdit&>(c.Control(f)).SetValue(1000 + b);
        break;
      case Cell::Item:
        static_cast<TComboBox&>(c.Control(f)).UserPick(0);
        break;
      case Cell::Name:
        static_cast<TEdit&>(c.Control(f)).SetText("node-" + std::to_string(type) + ".a");
        break;
      default: {
        const editors::comms::RegisterColumn rc = editors::comms::RegisterCells(f, c.Kind);
        const TCommsSelDialog* d = c.Kind == Cell::Words
                                       ? static_cast<TCommsSelDialog*>(frmCommsWordSel)
                                       : static_cast<TCommsSelDialog*>(frmCommsBitsSel);
        for (int i = 0; i < editors::comms::CellWidth(c.Kind); ++i)
          rc.Grid.SetCell(rc.Col, rc.FirstRow + i, d->NameOf((b + i * 11) % 256));
      }
    }
  }
  if (type == editors::comms::kCANbus)
    for (const CanValue& v : kCanValues) UserSet(v.extended(f), v.value);
  int n = 0;
  for (const report::CommsRow& r : report::ExtendedRows(type)) {
    using report::Show;
    if (r.show != Show::Text && r.show != Show::Trimmed && r.show != Show::Number) continue;
    auto& box = static_cast<TCustomEdit&>(r.control(f));
    ++n;
    box.SetText(r.show == Show::Number ? wire::PadNum(n * 7, r.digits)
                                       : "S" + std::to_string(n) + "-x");
  }
}

void EditShortPage(CommsReaderWorld& w, int protocol) {
  TForm1& f = w.f1();
  f.cbCommsProtocol.UserPick(protocol);
  switch (protocol) {
    case 1:
      f.seCommsAddr.SetValue(45);
      f.cbProfiDPGSD.UserPick(1);
      break;
    case 2:
      f.seCommsAddr.SetValue(247);
      f.cbModbusBaudRate.UserPick(4);
      f.seModbusTimeOut.SetValue(150);
      break;
    case 3:
      for (const CanValue& v : kCanValues) UserSet(v.old(f), v.value);
      break;
    default:
      break;
  }
}

// Rewrites the value of the first row with the label: one blank, the value, blanks up to the
// table's bar.
void SetRow(Lines& lines, const std::string& label, const std::string& value) {
  for (std::string& l : lines) {
    const size_t p = l.find(label);
    if (p == std::string::npos) continue;
    const size_t from = p + label.size(), bar = l.find('|', from);
    std::string v = " " + value;
    v.resize(bar - from, ' ');
    l.replace(from, bar - from, v);
    return;
  }
  FAIL() << "no line with " << label;
}
void DropLabel(Lines& lines, const std::string& label) {
  for (std::string& l : lines)
    if (const size_t p = l.find(label); p != std::string::npos) {
      l.replace(p, label.size(), std::string(label.size(), ' '));
      return;
    }
  FAIL() << "no line with " << label;
}

}  // namespace

// Page values -> section -> reset page -> read: the page, the block to send and the comms
// record's send column come back, no line is logged, and saving again gives the same file.
TEST(CommsRowsRoundTrip, EveryExtendedType) {
  for (int type = 0; type < editors::comms::kProtocolCount; ++type) {
    SCOPED_TRACE(type);
    CommsReaderWorld w("Rev 4e");
    TForm1& f = w.f1();
    EditExtendedPage(w, type);
    const Lines page = ExtendedPage(f, type);
    const auto block = w.Packed();
    const Lines send = w.Send();
    const Lines file = w.Baseline();

    f.cbExtCommsSelProt.UserPick(type == 0 ? 2 : 0);
    Reset(f, f.tabsExtendedCommsSet);
    ASSERT_NE(ExtendedPage(f, type), page);
    EXPECT_EQ(w.Read(file), Lines{});
    EXPECT_EQ(ExtendedPage(f, type), page);
    EXPECT_EQ(w.Packed(), block);
    if (type == editors::comms::kCANbus)
      EXPECT_EQ(w.Send(), send);
    else
      EXPECT_EQ(w.Send()[1], send[1]);
    EXPECT_EQ(w.Baseline(), file);
  }
}

TEST(CommsRowsRoundTrip, EveryShortProtocol) {
  for (int protocol = 0; protocol < 4; ++protocol) {
    SCOPED_TRACE(protocol);
    CommsReaderWorld w("Rev 4d");
    TForm1& f = w.f1();
    EditShortPage(w, protocol);
    const Lines page = ShortPage(f, protocol);
    const Lines send = w.Send();
    const Lines file = w.Baseline();

    f.cbCommsProtocol.UserPick(0);
    Reset(f, f.gbOldCommsSet);
    EXPECT_EQ(w.Read(file), Lines{});
    EXPECT_EQ(ShortPage(f, protocol), page);
    EXPECT_EQ(w.Send(), send);
    EXPECT_EQ(w.Baseline(), file);
  }
}

// With the port closed the page follows the file's layout, both ways.
TEST(CommsRowsLayout, ClosedPortFollowsTheFile) {
  for (const char* revision : {"Rev 4e", "Rev 4d"}) {
    SCOPED_TRACE(revision);
    CommsReaderWorld w(revision);
    TForm1& f = w.f1();
    const Lines file = w.Baseline();
    const bool extended = std::string(revision) == "Rev 4e";
    f.ShowCommsLayout(!extended);
    w.Read(file);
    EXPECT_EQ(f.gbOldCommsSet.Visible(), !extended);
    EXPECT_EQ(f.tsStatistics.Caption(), extended ? "Statistics" : "Comms + Statistics");
  }
}

// A file of the other layout than the connected relay's changes nothing of the module.
TEST(CommsRowsLayout, OtherLayoutThanTheConnectedRelaysIsNotRead) {
  for (const char* revision : {"Rev 4e", "Rev 4d"}) {
    SCOPED_TRACE(revision);
    CommsReaderWorld w(revision);
    TForm1& f = w.f1();
    const bool extended = std::string(revision) == "Rev 4e";
    if (extended)
      EditExtendedPage(w, editors::comms::kCANbus);
    else
      EditShortPage(w, 3);
    const Lines file = w.Baseline();
    f.cbExtCommsSelProt.UserPick(1);
    f.cbCommsProtocol.UserPick(1);
    const Lines page = Page({&f.tabsExtendedCommsSet}), old = Page({&f.gbOldCommsSet});
    f.mbSW_Rev.SetText(extended ? "Rev 4d" : "Rev 4e");
    w.Connect();
    const Lines log = w.Read(file);
    EXPECT_EQ(std::count(log.begin(), log.end(),
                         "Communication module settings of another relay revision not read."),
              1);
    EXPECT_EQ(Page({&f.tabsExtendedCommsSet}), page);
    EXPECT_EQ(Page({&f.gbOldCommsSet}), old);
  }
}

// While connected, a file of the relay's own layout is read, and the page keeps its layout.
TEST(CommsRowsLayout, ConnectedRelayOfTheSameLayoutReadsIt) {
  for (const char* revision : {"Rev 4e", "Rev 4d"}) {
    SCOPED_TRACE(revision);
    CommsReaderWorld w(revision);
    TForm1& f = w.f1();
    const bool extended = std::string(revision) == "Rev 4e";
    if (extended)
      EditExtendedPage(w, editors::comms::kCANbus);
    else
      EditShortPage(w, 3);
    const Lines page = extended ? ExtendedPage(f, editors::comms::kCANbus) : ShortPage(f, 3);
    const Lines send = w.Send();
    const Lines file = w.Baseline();
    f.cbExtCommsSelProt.UserPick(0);
    f.cbCommsProtocol.UserPick(0);
    Reset(f, extended ? static_cast<TControl&>(f.tabsExtendedCommsSet)
                      : static_cast<TControl&>(f.gbOldCommsSet));
    f.ShowCommsLayout(!extended);
    w.Connect();
    w.Read(file);
    EXPECT_EQ(extended ? ExtendedPage(f, editors::comms::kCANbus) : ShortPage(f, 3), page);
    EXPECT_EQ(w.Send(), send);
    EXPECT_EQ(f.gbOldCommsSet.Visible(), extended) << "the layout stays as the relay set it";
  }
}

// One edit of a saved file, what it logs and what the page then holds.
struct EditCase {
  const char* name;
  const char* revision;
  int type;  // extended type or short protocol the page is saved with
  std::function<void(Lines&)> edit;
  Lines log;
  std::function<std::string(TForm1&)> got;
  std::string expected;
  bool keepBlock = false;  // the type step loads the page from the saved block, not from zeros
};

std::function<void(Lines&)> Row(std::string label, std::string value) {
  return [=](Lines& l) { SetRow(l, label, value); };
}
std::string Text(const TCustomEdit& e) { return e.Text(); }
std::string Item(const TComboBox& c) { return std::to_string(c.ItemIndex()); }
std::string Dotted(TSpinEdit& a, TSpinEdit& b, TSpinEdit& c, TSpinEdit& d) {
  return a.Text() + "." + b.Text() + "." + c.Text() + "." + d.Text();
}
// The extended page's type and the older module's protocol.
std::string BothTypes(TForm1& f) {
  return Item(f.cbExtCommsSelProt) + "/" + Item(f.cbCommsProtocol);
}
std::string ProfinetIp(TForm1& f) {
  return Dotted(f.speditExtCommsPROFINET_IP_AddrV4, f.speditExtCommsPROFINET_IP_AddrV3,
                f.speditExtCommsPROFINET_IP_AddrV2, f.speditExtCommsPROFINET_IP_AddrV1);
}

TEST(CommsRows, EachRuleByItsFileLine) {
  const char* kPfIpLabel = "| IP Address       |";
  // clang-format off
  const std::vector<EditCase> cases = {
      // Status boxes the writer puts as numbers take digits only; anything else keeps the box.
      {"cycle time not a number", "Rev 4e", 1, Row("| Cycle Time       |", "12a mSec"),
       {"Profibus cycle time 12a not a number, status value not changed."},
       [](TForm1& f) { return Text(f.mbExtProfiDPCyclicTime); }, "reset"},
      {"cycle time of seven digits keeps five", "Rev 4e", 1, Row("| Cycle Time       |", "1234567 mSec"), {},
       [](TForm1& f) { return Text(f.mbExtProfiDPCyclicTime); }, "12345"},
      {"deviation keeps three", "Rev 4e", 4, Row("| Pos. Dev. Time   |", "7 %"), {},
       [](TForm1& f) { return Text(f.memExtCommsStatPROFINET_CyclePosTimeDev); }, "7"},
      {"empty counter", "Rev 4e", 2, Row("| CRC Counter      |", ""),
       {"Modbus CRC counter  not a number, status value not changed."},
       [](TForm1& f) { return Text(f.memExtCommsStatModbusRTU_CRC_Cntr); }, "reset"},
      // A value beyond the box's 16 or 8 bits is refused, never saved back wrapped.
      {"cycle time above 65535", "Rev 4e", 1, Row("| Cycle Time       |", "70000 mSec"),
       {"Profibus cycle time 70000 out of range, status value not changed."},
       [](TForm1& f) { return Text(f.mbExtProfiDPCyclicTime); }, "reset"},
      {"cycle time 65535", "Rev 4e", 4, Row("| Cycle Time       |", "65535 mSec"), {},
       [](TForm1& f) { return Text(f.memExtCommsStatPROFINET_CycleTime); }, "65535"},
      {"deviation above 255", "Rev 4e", 4, Row("| Neg. Dev. Time   |", "256 %"),
       {"PROFINET negative deviation time 256 out of range, status value not changed."},
       [](TForm1& f) { return Text(f.memExtCommsStatPROFINET_CycleNegTimeDev); }, "reset"},
      {"counter above 65535", "Rev 4e", 5, Row("| Message Counter  |", "99999"),
       {"Modbus/TCP message counter 99999 out of range, status value not changed."},
       [](TForm1& f) { return Text(f.memExtCommsStatModbusTCP_MsgCntr); }, "reset"},
      {"text status taken as it stands", "Rev 4e", 1, Row("| DP State         |", "  any text  "), {},
       [](TForm1& f) { return Text(f.mbExtProfiDPCommsModStat_2); }, "any text"},
      // Register rows are found by their labels.
      {"register row without its label keeps its cell", "Rev 4e", 2,
       [](Lines& l) { DropLabel(l, "| Bit 05           |"); },
       {"Could not find configuration bits 0, bit 05."},
       [](TForm1& f) { return f.strgridExtCommsConfigBits.Cell(1, 6) + "/" + f.strgridExtCommsConfigBits.Cell(2, 6); },
       "Zero('0')/Bit code 105"},
      {"register rows in another order", "Rev 4e", 5,
       [](Lines& l) {
         auto a = std::find_if(l.begin(), l.end(), [](const std::string& s) { return s.find("| Word 00") != std::string::npos; });
         auto b = std::find_if(l.begin(), l.end(), [](const std::string& s) { return s.find("| Word 19") != std::string::npos; });
         std::iter_swap(a, b);
       },
       {}, [](TForm1& f) { return f.strgridExtCommsConfigWords.Cell(1, 0) + "/" + f.strgridExtCommsConfigWords.Cell(1, 19); },
       "Word code 066/Word code 019"},
      {"register table without its sub-header", "Rev 4e", 6,
       [](Lines& l) { DropLabel(l, "| Config Words     |"); }, {"Could not find configuration words."},
       [](TForm1& f) { return f.strgridExtCommsConfigWords.Cell(1, 3); }, "Status word"},
      // Addresses: all four groups or none.
      {"address without leading zeros", "Rev 4e", 4, Row(kPfIpLabel, "192.168.1.10"), {}, ProfinetIp, "192.168.1.10"},
      {"address with zeros", "Rev 4e", 4, Row(kPfIpLabel, "010.020.030.040"), {}, ProfinetIp, "10.20.30.40"},
      {"address with blanks", "Rev 4e", 4, Row(kPfIpLabel, "010 020 030 040"), {}, ProfinetIp, "10.20.30.40"},
      {"address group out of range", "Rev 4e", 4, Row(kPfIpLabel, "192.168.300.1"),
       {"IP address could not be retrieved."}, ProfinetIp, "0.0.0.0"},
      {"address of three groups", "Rev 4e", 4, Row(kPfIpLabel, "192.168.1"),
       {"IP address could not be retrieved."}, ProfinetIp, "0.0.0.0"},
      {"address row missing", "Rev 4e", 4, [](Lines& l) { DropLabel(l, "| IP Address       |"); },
       {"Could not find IP address."}, ProfinetIp, "0.0.0.0"},
      // The extended CANbus address within its own editor's range, whatever the older one's.
      {"extended CANbus address above 126", "Rev 4e", 3, Row("| Address          |", "200"),
       {"CANbus address out of range 200 setting value changed to 000."},
       [](TForm1& f) { return Text(f.speditExtComms_CANbus_Address) + "/" + Text(f.seCommsAddr); }, "0/0"},
      {"extended CANbus address 126", "Rev 4e", 3, Row("| Address          |", "126"), {},
       [](TForm1& f) { return Text(f.speditExtComms_CANbus_Address) + "/" + Text(f.seCommsAddr); }, "126/126"},
      {"extended CANbus baud in capitals", "Rev 4e", 3, Row("| Baud Rate        |", "250 KBPS"), {},
       [](TForm1& f) { return Item(f.cbExtComms_CANbus_BaudRate); }, "1"},
      // Names as the edit's key filter lets them be typed.
      {"name with a capital", "Rev 4e", 4, Row("| Device Name      |", "Pump07"), {"Could not find device name."},
       [](TForm1& f) { return Text(f.editExtCommsPROFINET_DeviceName); }, "ejotydinsxchmrw", true},
      {"name starting with a digit", "Rev 4e", 5, Row("| Device Name      |", "7pump"), {"Could not find device name."},
       [](TForm1& f) { return Text(f.editExtCommsModbusTCP_DeviceName); }, "fkpuzejotydinsx", true},
      {"long name keeps 15", "Rev 4e", 6, Row("| Host Name        |", "abcdefghijklmnopqrst"), {},
       [](TForm1& f) { return Text(f.editExtCommsEtherNetIP_DeviceName); }, "abcdefghijklmno"},
      {"empty name", "Rev 4e", 4, Row("| Device Name      |", ""), {},
       [](TForm1& f) { return Text(f.editExtCommsPROFINET_DeviceName); }, ""},
      {"name row missing", "Rev 4e", 4, [](Lines& l) { DropLabel(l, "| Device Name      |"); },
       {"Could not find device name."}, [](TForm1& f) { return Text(f.editExtCommsPROFINET_DeviceName); }, ""},
      // IP assignment and baud rate: the combo box's own texts as written.
      {"ip assignment in other case", "Rev 4e", 4, Row("| IP Assignment    |", "static ip"),
       {"IP assignment not in selection table."},
       [](TForm1& f) { return Item(f.comboxExtCommsPROFINET_IP_Type); }, "0"},
      {"ip assignment dhcp", "Rev 4e", 4, Row("| IP Assignment    |", "Automatic (DHCP)"), {},
       [](TForm1& f) { return Item(f.comboxExtCommsPROFINET_IP_Type); }, "1"},
      {"modbus baud unknown", "Rev 4e", 2, Row("| Baud Rate (bps)  |", "1200"),
       {"Modbus baud rate out of range 1200 setting value changed to 19200."},
       [](TForm1& f) { return Item(f.cbExtComms_ModbusRTU_BaudRate); }, "3"},
      {"modbus/tcp time out too high", "Rev 4e", 5, Row("| Time Out         |", "65001 Sec"),
       {"Modbus time out out of range 65001 setting value changed to 000."},
       [](TForm1& f) { return Text(f.speditExtCommsModbusTCP_Timeout); }, "0"},
      {"profibus address 12a reads 12", "Rev 4e", 1, Row("| Address          |", "12a"), {},
       [](TForm1& f) { return Text(f.speditCommsExt_ProfiDP_Address); }, "12"},
      {"profibus address 1a2", "Rev 4e", 1, Row("| Address          |", "1a2"),
       {"Profibus address out of range 1 2 setting value changed to 126."},
       [](TForm1& f) { return Text(f.speditCommsExt_ProfiDP_Address); }, "126"},
      // The type row.
      {"type in small letters", "Rev 4e", 1, Row("| Comms Type       |", "profibus-dp"), {},
       [](TForm1& f) { return Item(f.cbExtCommsSelProt); }, "1"},
      {"unknown type: both choices none", "Rev 4e", 2, Row("| Comms Type       |", "PROFIBUS DP"),
       {"Communication module type out of range PROFIBUS DP setting value changed to None."},
       BothTypes, "0/0"},
      {"missing type row: both choices none", "Rev 4e", 3, [](Lines& l) { DropLabel(l, "| Comms Type       |"); },
       {"Communication module type not found. Setting value changed to None."},
       BothTypes, "0/0"},
      {"short: missing type row", "Rev 4d", 2, [](Lines& l) { DropLabel(l, "| Comms Type       |"); },
       {"Communication module type not found. Setting value changed to None."},
       BothTypes, "0/0"},
      // The short layout.
      {"short: profinet is no type there", "Rev 4d", 1, Row("| Comms Type       |", "PROFINET"),
       {"Communication module type out of range PROFINET setting value changed to None."},
       [](TForm1& f) { return Item(f.cbCommsProtocol); }, "0"},
      {"short: profibus address 127", "Rev 4d", 1, Row("| Address          |", "127"),
       {"Profibus address out of range 127 setting value changed to 126."},
       [](TForm1& f) { return Text(f.seCommsAddr); }, "126"},
      {"short: modbus address 000", "Rev 4d", 2, Row("| Address          |", "000"), {},
       [](TForm1& f) { return Text(f.seCommsAddr); }, "0"},
      {"short: CANbus baud in capitals", "Rev 4d", 3, Row("| Baud Rate        |", "250 KBPS"), {},
       [](TForm1& f) { return Item(f.cbBaudRate); }, "1"},
      {"short: modbus time out above its editor", "Rev 4d", 2, Row("| Time Out         |", "201"),
       {"Modbus time out out of range 201 setting value changed to 000."},
       [](TForm1& f) { return Text(f.seModbusTimeOut); }, "0"},
      {"short: GSD file missing", "Rev 4d", 1, [](Lines& l) { DropLabel(l, "| GSD File         |"); },
       {"Profibus GSD not found. Setting value changed to ZYVOF880."},
       [](TForm1& f) { return Item(f.cbProfiDPGSD) + "/" + FormVariableTable->Grid(wire::RecordId::Comms).Cell(2, 1); }, "0/045"},
  };
  // clang-format on
  for (const EditCase& c : cases) {
    SCOPED_TRACE(c.name);
    CommsReaderWorld w(c.revision);
    TForm1& f = w.f1();
    const bool extended = std::string(c.revision) == "Rev 4e";
    if (extended)
      EditExtendedPage(w, c.type);
    else
      EditShortPage(w, c.type);
    Lines file = w.Baseline();
    c.edit(file);
    // Both type boxes away from none, the older module's on Modbus (addresses 0 to 255).
    f.cbExtCommsSelProt.UserPick(extended ? 5 : 2);
    f.cbCommsProtocol.UserPick(extended ? 2 : 0);
    Reset(f, extended ? static_cast<TControl&>(f.tabsExtendedCommsSet)
                      : static_cast<TControl&>(f.gbOldCommsSet));
    if (extended && !c.keepBlock) w.vt().CommsDataBlockRx1 = {};
    EXPECT_EQ(w.Read(file), c.log);
    EXPECT_EQ(c.got(f), c.expected);
  }
}

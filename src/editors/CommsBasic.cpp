// The basic comms settings: the ten bytes of the comms record ("Byte 0" to "Byte 9" of the comms
// grid's send column), edited in gbOldCommsSet for relays before the extended revision and through
// the CANbus editors of the Communication Module page for extended ones; the baud lists and the
// groups each protocol shows; the comms read that loads them and switches between the two layouts.
#include <vector>

#include "editors/CommsLayout.h"
#include "link/CommSetup.h"
#include "main/ControlOf.h"
#include "main/Main.h"
#include "platform/ui/Scheduler.h"
#include "vartable/UnitVarTable.h"
#include "wire/Numeric.h"

namespace {

using Handler = void (TForm1::*)();
using F = TForm1;

// Which handler each control's change and exit run. Several controls share a handler, which reads
// its fixed source editors, not the control that fired.
struct Binding {
  ControlOf Control;
  Handler Change;
  Handler Exit;
};
// clang-format off
const Binding kBindings[] = {
    {Field<&F::cbCommsProtocol>, &F::cbCommsProtocolChange, nullptr},
    {Field<&F::seCommsAddr>, &F::seCommsAddrChange, &F::seCommsAddrExit},
    {Field<&F::speditExtComms_ModbusRTU_Address>, &F::seCommsAddrChange, &F::seCommsAddrExit},
    {Field<&F::speditCommsExt_ProfiDP_Address>, &F::seCommsAddrChange, &F::seCommsAddrExit},
    {Field<&F::speditExtComms_CANbus_Address>, &F::seCommsAddrChange, &F::seCommsAddrExit},
    {Field<&F::cbProfiDPGSD>, &F::cbProfiDPGSDChange, nullptr},
    {Field<&F::cbCommsStrucSel>, &F::cbCommsStrucSelChange, nullptr},
    {Field<&F::cbExtComms_CANbus_StructTypeSel>, &F::cbCommsStrucSelChange, nullptr},
    {Field<&F::cbBaudRate>, &F::cbBaudRateChange, nullptr},
    {Field<&F::cbExtComms_ModbusRTU_BaudRate>, &F::cbBaudRateChange, nullptr},
    {Field<&F::cbExtComms_CANbus_BaudRate>, &F::cbBaudRateChange, nullptr},
    {Field<&F::cbCommsIdentifierType>, &F::cbCommsIdentifierTypeChange, nullptr},
    {Field<&F::cbExtComms_CANbus_IdentType>, &F::cbCommsIdentifierTypeChange, nullptr},
    {Field<&F::seCommsCommandBaseAddr>, &F::seCommsCommandBaseAddrChange, &F::seCommsCommandBaseAddrExit},
    {Field<&F::speditExtComms_ModbusRTU_TimeOut>, &F::seCommsCommandBaseAddrChange,
     &TForm1::speditExtComms_CANbus_CmdBaseAddrExit},
    {Field<&F::speditExtComms_CANbus_CmdBaseAddr>, &F::seCommsCommandBaseAddrChange,
     &TForm1::speditExtComms_CANbus_CmdBaseAddrExit},
    {Field<&F::seCommsActualBaseAddr>, &F::seCommsActualBaseAddrChange, &F::seCommsActualBaseAddrExit},
    {Field<&F::speditExtComms_CANbus_ActBaseAddr>, &F::seCommsActualBaseAddrChange,
     &TForm1::speditExtComms_CANbus_ActBaseAddrExit},
    {Field<&F::seCommsSettingBaseAddr>, &F::seCommsSettingBaseAddrChange, &F::seCommsSettingBaseAddrExit},
    {Field<&F::speditExtComms_CANbus_SetBaseAddr>, &F::seCommsSettingBaseAddrChange,
     &TForm1::speditExtComms_CANbus_SetBaseAddrExit},
    {Field<&F::cbModbusBaudRate>, &F::cbModbusBaudRateChange, nullptr},
    {Field<&F::seModbusTimeOut>, &F::seModbusTimeOutChange, &F::seModbusTimeOutExit},
};
// clang-format on

// Combo box lists and start items (-1: none).
struct ComboSetup {
  ControlOf Control;
  std::vector<std::string> Items;
  int Start;
};
const std::vector<std::string> kStructures = {"VUMA", "KORVEL"};
const std::vector<std::string> kIdentTypes = {"Standard", "Extended"};
const std::vector<std::string> kIpTypes = {"Static IP", "Automatic (DHCP)"};
// clang-format off
const ComboSetup kCombos[] = {
    {Field<&F::cbCommsProtocol>, {" None ", " Profibus ", " Modbus ", " CANbus "}, -1},
    {Field<&F::cbProfiDPGSD>, {"ZYVOF880", "ZYVOF877"}, -1},
    {Field<&F::cbModbusBaudRate>, {"2,4", "4,8", "9,6", "19,2", "38,4", "57,6"}, -1},
    {Field<&F::cbBaudRate>, {"125", "250", "500 "}, 0},
    {Field<&F::cbCommsStrucSel>, kStructures, 0},
    {Field<&F::cbCommsIdentifierType>, kIdentTypes, 0},
    {Field<&F::cbExtComms_CANbus_BaudRate>, {"125", "250", "500"}, 0},
    {Field<&F::cbExtComms_CANbus_StructTypeSel>, kStructures, 0},
    {Field<&F::cbExtComms_CANbus_IdentType>, kIdentTypes, 0},
    {Field<&F::cbExtComms_ModbusRTU_BaudRate>, {"2400", "4800", "9600", "19200", "38400", "57600"}, 0},
    {Field<&F::comboxExtCommsPROFINET_IP_Type>, kIpTypes, 0},
    {Field<&F::comboxExtCommsModbusTCP_IP_Type>, kIpTypes, 0},
    {Field<&F::comboxExtCommsEtherNetIP_IP_Type>, kIpTypes, 0},
};
// clang-format on

// What an exit repairs: an empty editor gets its text.
struct ExitRepair {
  Handler Exit;
  ControlOf Editor;
  const char* Text;
};
// clang-format off
const ExitRepair kRepairs[] = {
    {&F::seCommsAddrExit, Field<&F::seCommsAddr>, "126"},
    {&F::seCommsAddrExit, Field<&F::speditExtComms_CANbus_Address>, "126"},
    {&F::seCommsCommandBaseAddrExit, Field<&F::seCommsCommandBaseAddr>, "0"},
    {&F::seCommsActualBaseAddrExit, Field<&F::seCommsActualBaseAddr>, "0"},
    {&F::seCommsSettingBaseAddrExit, Field<&F::seCommsSettingBaseAddr>, "0"},
    {&F::speditExtComms_CANbus_CmdBaseAddrExit, Field<&F::speditExtComms_CANbus_CmdBaseAddr>, "0"},
    {&F::speditExtComms_CANbus_ActBaseAddrExit, Field<&F::speditExtComms_CANbus_ActBaseAddr>, "0"},
    {&F::speditExtComms_CANbus_SetBaseAddrExit, Field<&F::speditExtComms_CANbus_SetBaseAddr>, "0"},
    {&F::seModbusTimeOutExit, Field<&F::seModbusTimeOut>, "0"},
};
// clang-format on

// The groups and the address range each item of cbCommsProtocol gives (row 0 also for no item).
struct OldProtocolView {
  bool Profibus, Modbus, CANbus;
  int AddrMin, AddrMax;
  bool Address;
};
// clang-format off
const OldProtocolView kOldViews[] = {
    {false, false, false, 0, 255, false},
    {true, false, false, 1, 126, true},
    {false, true, false, 0, 255, true},
    {false, false, true, 0, 126, true},
};
// clang-format on

// cbBaudRate's list for each item of cbCommsProtocol.
// clang-format off
const std::vector<std::string> kBaudLists[] = {
    {" None "},
    {" Auto ", " 9,6 ", " 19,2 ", " 45,45 ", " 93,75 ", " 187,5 ", " 500 ", " 1,5M ", " 3M ", " 6M ", " 12M "},
    {" 1,2 ", " 2,4 ", " 4,8 ", " 9,6 ", " 38,4 ", " 76,8 "},
    {" 125 ", " 250 ", " 500 "},
};
// clang-format on

// Base address editors: old, extended, first byte.
struct BaseAddress {
  Handler Change;
  ControlOf Old, Extended;
  int FirstByte;
};
// clang-format off
const BaseAddress kBaseAddresses[] = {
    {&F::seCommsCommandBaseAddrChange, Field<&F::seCommsCommandBaseAddr>,
     Field<&F::speditExtComms_CANbus_CmdBaseAddr>, 4},
    {&F::seCommsActualBaseAddrChange, Field<&F::seCommsActualBaseAddr>,
     Field<&F::speditExtComms_CANbus_ActBaseAddr>, 6},
    {&F::seCommsSettingBaseAddrChange, Field<&F::seCommsSettingBaseAddr>,
     Field<&F::speditExtComms_CANbus_SetBaseAddr>, 8},
};
// clang-format on

// What the statistics boxes of the extended page hold before the relay or a file has filled
// them: "0", but "00A-00" for block revisions ("01A-00" for Modbus/TCP's) and a MAC address of
// zeros, so that a save before any status report writes these and not blanks.
constexpr const char* kZeroMac = "00:00:00:00:00:00";
struct StartText {
  ControlOf Box;
  const char* Text;
};
// clang-format off
const StartText kStatusStartTexts[] = {
    {Field<&F::mbExtProfiDPCommsModStat_7>, "00A-00"},
    {Field<&F::mbExtProfiDPCommsModStat_6>, "00A-00"},
    {Field<&F::memExtCommsStatModbusRTU_SoftRev>, "00A-00"},
    {Field<&F::memExtCommsStatPROFINET_CommsRev>, "00A-00"},
    {Field<&F::memExtCommsStatPROFINET_StackRev>, "00A-00"},
    {Field<&F::memExtCommsStatPROFINET_MAC>, kZeroMac},
    {Field<&F::memExtCommsStatModbusTCP_SoftRev>, "01A-00"},
    {Field<&F::memExtCommsStatModbusTCP_MAC>, kZeroMac},
    {Field<&F::memExtCommsStatsEtherNetIP_SoftRev>, "00A-00"},
    {Field<&F::memExtCommsStatsEtherNetIP_StackRev>, "00A-00"},
    {Field<&F::memExtCommsStatsEtherNetIP_MAC>, kZeroMac},
};
// clang-format on

bool Extended(const TForm1& f) { return wire::IsExtendedRevision(f.mbSW_Rev.Text()); }

// Byte b (0..9) of the comms record's send column.
void Put(int b, int value) {
  if (FormVariableTable)
    FormVariableTable->Grid(wire::RecordId::Comms).SetCell(2, b + 1, wire::PadNum(value & 0xFF, 3));
}
void Zeros(int from, int to) {
  for (int b = from; b <= to; ++b) Put(b, 0);
}
int Received(int b) {
  long long v = 0;
  if (FormVariableTable)
    wire::ParseDecimal(FormVariableTable->Grid(wire::RecordId::Comms).Cell(1, b + 1), v);
  return static_cast<int>(v & 0xFF);
}

int AddressByte(const TSpinEdit& address, const TComboBox& bit7) {
  return (address.Value() & 0xFF) | (bit7.ItemIndex() == 1 ? 0x80 : 0);
}

void WriteBaseAddress(TForm1& f, const BaseAddress& a) {
  const auto& se = static_cast<const TSpinEdit&>((Extended(f) ? a.Extended : a.Old)(f));
  if (se.Text().empty()) return;
  const int v = se.Value();
  Put(a.FirstByte, v % 256);
  Put(a.FirstByte + 1, (v / 256) % 256);
}

void ComboByte(const TComboBox& cb, int b) {
  if (cb.ItemIndex() >= 0) Put(b, cb.ItemIndex());
}

}  // namespace

void TForm1::InitCommsPages() {
  for (const ComboSetup& c : kCombos) {
    auto& cb = static_cast<TComboBox&>(c.Control(*this));
    cb.SetItems(c.Items);
    cb.SetItemIndex(c.Start);
  }
  for (const Binding& b : kBindings) {
    TControl& c = b.Control(*this);
    const Handler change = b.Change, exit = b.Exit;
    if (auto* cb = dynamic_cast<TComboBox*>(&c))
      cb->OnChange = [this, change] { (this->*change)(); };
    if (auto* ed = dynamic_cast<TCustomEdit*>(&c))
      ed->OnChange = [this, change] { (this->*change)(); };
    if (exit) c.OnExit = [this, exit] { (this->*exit)(); };
  }
  for (TSpinEdit* se : {&seCommsAddr, &seModbusTimeOut}) se->MaxLength = 3;
  for (TSpinEdit* se : {&seCommsCommandBaseAddr, &seCommsActualBaseAddr, &seCommsSettingBaseAddr,
                        &speditExtComms_CANbus_CmdBaseAddr, &speditExtComms_CANbus_ActBaseAddr,
                        &speditExtComms_CANbus_SetBaseAddr})
    se->MaxLength = 5;
  // Widths for the page's layout: digits the values need, status texts up to 20 characters.
  for (TSpinEdit* se : {&speditCommsExt_ProfiDP_Address, &speditExtComms_ModbusRTU_Address,
                        &speditExtComms_CANbus_Address})
    se->MaxLength = 3;
  for (TSpinEdit* se : {&speditExtComms_ModbusRTU_TimeOut, &speditExtCommsModbusTCP_Timeout})
    se->MaxLength = 5;
  for (TControl* group : std::initializer_list<TControl*>{
           &grpboxExtCommsPROFINET, &grpboxExtCommsModbusTCP, &grpboxExtCommsEtherNetIP})
    for (TControl* c : group->Children())
      if (auto* se = dynamic_cast<TSpinEdit*>(c); se && se->MaxValue() == 255) se->MaxLength = 3;
  strgridExtCommsConfigBits.SetBounds(-1, -1, 480, 330);
  strgridExtCommsConfigWords.SetBounds(-1, -1, 480, 200);
  // The IP groups are placed: each dotted address reads across one row.
  for (TControl* group : std::initializer_list<TControl*>{
           &grpboxExtCommsPROFINET, &grpboxExtCommsModbusTCP, &grpboxExtCommsEtherNetIP}) {
    int top = -12, x = 0;
    for (TControl* c : group->Children()) {
      const bool unit = c->Name().ends_with("Unit");
      if (c->Kind() == ControlKind::Label && !unit) {
        top += 26;
        c->SetBounds(8, top + 4, 115, 18);
        x = 125;
      } else if (c->Kind() == ControlKind::Label) {
        c->SetBounds(x, top + 4, 125, 18);  // a unit after its editor
      } else {
        const auto* se = dynamic_cast<TSpinEdit*>(c);
        const int w = !se ? 150 : se->MaxValue() == 255 ? 50 : 80;
        c->SetBounds(x, top, w, 24);
        x += w + 6;
      }
    }
  }
  seCommsAddr.SetVisible(false);
  Label94.SetVisible(false);
  for (TControl* g :
       std::initializer_list<TControl*>{&gbProfibus, &gbModbus, &gbCANbus, &gbProfibusDPStat,
                                        &gbModbusStat, &gbCanbusStat, &labExtCommsErrFRAM})
    g->SetVisible(false);

  cbExtCommsSelProt.OnChange = [this] { cbExtCommsSelProtChange(); };
  for (TEdit* name : {&editExtCommsPROFINET_DeviceName, &editExtCommsModbusTCP_DeviceName,
                      &editExtCommsEtherNetIP_DeviceName}) {
    name->MaxLength = 15;
    name->OnKeyPress = [this, name](char& key) {
      editExtCommsPROFINET_DeviceNameKeyPress(*name, key);
    };
  }
  butComsLoadDefaultBitAndWords.OnClick = [this] { butComsLoadDefaultBitAndWordsClick(); };
  strgridExtCommsConfigBits.OnDblClick = [this] { strgridExtCommsConfigBitsDblClick(); };
  strgridExtCommsConfigWords.OnDblClick = [this] { strgridExtCommsConfigWordsDblClick(); };
  // Only the groups of the protocol shown; none at start.
  for (int p = 0; p < editors::comms::kProtocolCount; ++p) {
    const editors::comms::ProtocolGroups& g = editors::comms::GroupsOf(p);
    if (g.Settings) g.Settings(*this).SetVisible(false);
    if (g.Statistics) g.Statistics(*this).SetVisible(false);
  }
  grpboxExtCommsConfigBitsAndWords.SetVisible(false);
  for (TControl* group : std::initializer_list<TControl*>{
           &gbProfibusDPStat, &gbModbusStat, &gbCanbusStat, &gbExtProfiDPStat, &gbExtModbusRTU_Stat,
           &gbExtCanbusStat, &gbExtPROFINET_Stat, &grpboxExtCommsModbusTCP_Stat,
           &grpboxExtCommsEtherNetIP_Stat})
    for (TControl* c : group->Children())
      if (auto* e = dynamic_cast<TEdit*>(c)) {
        e->ReadOnly = true;
        e->MaxLength = 20;
      }
  for (TControl* group : std::initializer_list<TControl*>{
           &gbExtProfiDPStat, &gbExtModbusRTU_Stat, &gbExtCanbusStat, &gbExtPROFINET_Stat,
           &grpboxExtCommsModbusTCP_Stat, &grpboxExtCommsEtherNetIP_Stat})
    for (TControl* c : group->Children())
      if (auto* e = dynamic_cast<TEdit*>(c)) e->SetText("0");
  for (const StartText& s : kStatusStartTexts) static_cast<TEdit&>(s.Box(*this)).SetText(s.Text);

  // The comms setup window and the selection dialogs are created after this window: the hooks
  // and the selection file report go in at the loop's first turn, once every window exists.
  Scheduler& s = Scheduler::Instance();
  s.Post(s.NowUs(), [] {
    if (!Form1) return;
    Form1->ConnectCommsEditors();
    Form1->ReportSelectionFiles();
  });
}

void TForm1::ConnectCommsEditors() {
  if (!Form2) return;
  Form2->LoadCommsEditors = [] {
    if (Form1) Form1->LoadCommsRecordEditors();
  };
  Form2->LoadCommsExtBlockEditors = [] {
    if (Form1) Form1->UpdateExtCommsSettingTabFromSettings();
  };
  Form2->LoadCommsStatData = [](const std::string& a) {
    if (Form1) Form1->ShowCommsStatus(a);
  };
  Form2->LoadCommsExtStatData = [](const std::string& a) {
    if (Form1) Form1->ShowCommsExtStatus(a);
  };
}

void TForm1::CommsSelection() {
  const int p = cbCommsProtocol.ItemIndex();
  if (p < 0 || p > 3) return;
  cbBaudRate.SetItems(kBaudLists[p]);
  cbBaudRate.SetItemIndex(0);
}

void TForm1::cbCommsProtocolChange() {
  CommsSelection();
  const int p = cbCommsProtocol.ItemIndex();
  if (p >= 0) Put(1, p);
  const OldProtocolView& v = kOldViews[p >= 0 && p <= 3 ? p : 0];
  gbProfibus.SetVisible(v.Profibus);
  gbModbus.SetVisible(v.Modbus);
  gbCANbus.SetVisible(v.CANbus);
  seCommsAddr.SetMinValue(v.AddrMin);
  seCommsAddr.SetMaxValue(v.AddrMax);
  seCommsAddr.SetVisible(v.Address);
  Label94.SetVisible(v.Address);
  gbProfibusDPStat.SetVisible(v.Profibus);
  gbModbusStat.SetVisible(v.Modbus);
  gbCanbusStat.SetVisible(v.CANbus);
}

void TForm1::seCommsAddrChange() {
  if (Extended(*this)) {
    Put(0, AddressByte(speditExtComms_CANbus_Address, cbExtComms_CANbus_StructTypeSel));
    return;
  }
  if (seCommsAddr.Text().empty()) return;
  switch (cbCommsProtocol.ItemIndex()) {
    case 1:
      Put(0, AddressByte(seCommsAddr, cbProfiDPGSD));
      Zeros(2, 9);
      break;
    case 2:
      Put(0, seCommsAddr.Value());
      Zeros(4, 9);
      break;
    case 3:
      Put(0, AddressByte(seCommsAddr, cbCommsStrucSel));
      break;
    default:
      break;
  }
}

void TForm1::cbProfiDPGSDChange() {
  Put(0, AddressByte(seCommsAddr, cbProfiDPGSD));
  Zeros(2, 9);
}

void TForm1::cbCommsStrucSelChange() {
  const bool ext = Extended(*this);
  const TSpinEdit& address = ext ? speditExtComms_CANbus_Address : seCommsAddr;
  if (address.Text().empty()) return;
  Put(0, AddressByte(address, ext ? cbExtComms_CANbus_StructTypeSel : cbCommsStrucSel));
}

void TForm1::cbBaudRateChange() {
  ComboByte(Extended(*this) ? cbExtComms_CANbus_BaudRate : cbBaudRate, 2);
}
void TForm1::cbCommsIdentifierTypeChange() {
  ComboByte(Extended(*this) ? cbExtComms_CANbus_IdentType : cbCommsIdentifierType, 3);
}
void TForm1::seCommsCommandBaseAddrChange() { WriteBaseAddress(*this, kBaseAddresses[0]); }
void TForm1::seCommsActualBaseAddrChange() { WriteBaseAddress(*this, kBaseAddresses[1]); }
void TForm1::seCommsSettingBaseAddrChange() { WriteBaseAddress(*this, kBaseAddresses[2]); }

void TForm1::cbModbusBaudRateChange() {
  if (cbModbusBaudRate.ItemIndex() < 0) return;
  Put(2, cbModbusBaudRate.ItemIndex());
  Zeros(4, 9);
}

void TForm1::seModbusTimeOutChange() {
  Put(3, seModbusTimeOut.Value());
  Zeros(4, 9);
}

namespace {
void Repair(TForm1& f, Handler exit) {
  for (const ExitRepair& r : kRepairs) {
    auto& se = static_cast<TSpinEdit&>(r.Editor(f));
    if (r.Exit == exit && se.Text().empty()) se.SetText(r.Text);
  }
}
}  // namespace

void TForm1::seCommsAddrExit() { Repair(*this, &TForm1::seCommsAddrExit); }
void TForm1::seCommsCommandBaseAddrExit() { Repair(*this, &TForm1::seCommsCommandBaseAddrExit); }
void TForm1::seCommsActualBaseAddrExit() { Repair(*this, &TForm1::seCommsActualBaseAddrExit); }
void TForm1::seCommsSettingBaseAddrExit() { Repair(*this, &TForm1::seCommsSettingBaseAddrExit); }
void TForm1::speditExtComms_CANbus_CmdBaseAddrExit() {
  Repair(*this, &TForm1::speditExtComms_CANbus_CmdBaseAddrExit);
}
void TForm1::speditExtComms_CANbus_ActBaseAddrExit() {
  Repair(*this, &TForm1::speditExtComms_CANbus_ActBaseAddrExit);
}
void TForm1::speditExtComms_CANbus_SetBaseAddrExit() {
  Repair(*this, &TForm1::speditExtComms_CANbus_SetBaseAddrExit);
}
void TForm1::seModbusTimeOutExit() { Repair(*this, &TForm1::seModbusTimeOutExit); }

void TForm1::ShowCommsLayout(bool extended) {
  if (gbOldCommsSet.Visible() != extended) return;
  gbOldCommsSet.SetVisible(!extended);
  tabsExtendedCommsSet.SetTabVisible(extended);
  tsStatistics.SetCaption(extended ? "Statistics" : "Comms + Statistics");
}

void TForm1::LoadCommsRecordEditors() {
  const int addr = Received(0), protocol = Received(1);
  const int base[3] = {Received(4) + 256 * Received(5), Received(6) + 256 * Received(7),
                       Received(8) + 256 * Received(9)};
  if (Extended(*this)) {
    ShowCommsLayout(true);
    labExtCommsErrFRAM.SetVisible((protocol & 0x80) != 0);
    cbExtCommsSelProt.SetItemIndex(protocol & 0x7F);
    cbExtCommsSelProtChange();
    // The CANbus editors follow the record whatever the protocol: the handlers of the Modbus-RTU
    // address and time-out editors rewrite the record's bytes from them, and must write back the
    // relay's own values rather than whatever the editors held before.
    speditExtComms_CANbus_Address.SetValue(addr & 0x7F);
    cbExtComms_CANbus_BaudRate.SetItemIndex(Received(2));
    cbExtComms_CANbus_StructTypeSel.SetItemIndex(addr >> 7);
    cbExtComms_CANbus_IdentType.SetItemIndex(Received(3));
    speditExtComms_CANbus_CmdBaseAddr.SetValue(base[0]);
    speditExtComms_CANbus_ActBaseAddr.SetValue(base[1]);
    speditExtComms_CANbus_SetBaseAddr.SetValue(base[2]);
    return;
  }
  ShowCommsLayout(false);
  cbCommsProtocol.SetItemIndex(protocol & 0x7F);
  cbCommsProtocolChange();
  switch (cbCommsProtocol.ItemIndex()) {
    case 1:
      seCommsAddr.SetValue(addr & 0x7F);
      cbProfiDPGSD.SetItemIndex(addr >> 7);
      break;
    case 2:
      seCommsAddr.SetValue(addr);
      cbModbusBaudRate.SetItemIndex(Received(2));
      seModbusTimeOut.SetValue(Received(3));
      break;
    case 3:
      seCommsAddr.SetValue(addr & 0x7F);
      cbCommsStrucSel.SetItemIndex(addr >> 7);
      cbBaudRate.SetItemIndex(Received(2));
      cbCommsIdentifierType.SetItemIndex(Received(3));
      seCommsCommandBaseAddr.SetValue(base[0]);
      seCommsActualBaseAddr.SetValue(base[1]);
      seCommsSettingBaseAddr.SetValue(base[2]);
      break;
    default:
      break;
  }
}

// The Communication Module page: the comms data block's layout as one table, packing the page
// into the block before a write, unpacking a read into the page, the register map through the
// two selection dialogs, "Load Defaults", the protocol switch and the name key filter.
#include <algorithm>

#include "editors/CommsLayout.h"
#include "editors/uConfigBitSel.h"
#include "editors/uConfigWordSel.h"
#include "main/ControlOf.h"
#include "main/Main.h"
#include "platform/ui/Application.h"
#include "vartable/UnitVarTable.h"
#include "wire/Numeric.h"

namespace editors::comms {
namespace {

using F = TForm1;

// The rows every IP protocol shares: assignment, address, mask, gateway (leftmost number first)
// and the device or host name.
#define IP_ROWS(P, X)                                                  \
  {P, 1, Cell::Item, Field<&F::comboxExtComms##X##_IP_Type>},          \
      {P, 2, Cell::Spin, Field<&F::speditExtComms##X##_IP_AddrV4>},    \
      {P, 3, Cell::Spin, Field<&F::speditExtComms##X##_IP_AddrV3>},    \
      {P, 4, Cell::Spin, Field<&F::speditExtComms##X##_IP_AddrV2>},    \
      {P, 5, Cell::Spin, Field<&F::speditExtComms##X##_IP_AddrV1>},    \
      {P, 6, Cell::Spin, Field<&F::speditExtComms##X##_MaskAddrV4>},   \
      {P, 7, Cell::Spin, Field<&F::speditExtComms##X##_MaskAddrV3>},   \
      {P, 8, Cell::Spin, Field<&F::speditExtComms##X##_MaskAddrV2>},   \
      {P, 9, Cell::Spin, Field<&F::speditExtComms##X##_MaskAddrV1>},   \
      {P, 10, Cell::Spin, Field<&F::speditExtComms##X##_GatewayV4>},   \
      {P, 11, Cell::Spin, Field<&F::speditExtComms##X##_GatewayV3>},   \
      {P, 12, Cell::Spin, Field<&F::speditExtComms##X##_GatewayV2>},   \
      {P, 13, Cell::Spin, Field<&F::speditExtComms##X##_GatewayV1>}, { \
    P, 14, Cell::Name, Field<&F::editExtComms##X##_DeviceName>         \
  }

#define REGISTER_ROWS(P) \
  {P, 34, Cell::Bits0, nullptr}, {P, 50, Cell::Bits1, nullptr}, { P, 66, Cell::Words, nullptr }

// clang-format off
const BlockCell kLayout[] = {
    {kProfibusDP, 1, Cell::Spin, Field<&F::speditCommsExt_ProfiDP_Address>},
    {kModbusRTU, 1, Cell::Spin, Field<&F::speditExtComms_ModbusRTU_Address>},
    {kModbusRTU, 2, Cell::Item, Field<&F::cbExtComms_ModbusRTU_BaudRate>},
    {kModbusRTU, 3, Cell::Word, Field<&F::speditExtComms_ModbusRTU_TimeOut>},
    REGISTER_ROWS(kModbusRTU),
    IP_ROWS(kPROFINET, PROFINET),
    IP_ROWS(kModbusTCP, ModbusTCP),
    {kModbusTCP, 30, Cell::Word, Field<&F::speditExtCommsModbusTCP_Timeout>},
    REGISTER_ROWS(kModbusTCP),
    IP_ROWS(kEtherNetIP, EtherNetIP),
    REGISTER_ROWS(kEtherNetIP),
};
// clang-format on

// clang-format off
const ProtocolGroups kGroups[kProtocolCount] = {
    {nullptr, nullptr, false},
    {Field<&F::grpboxExtCommsProfibusDP>, Field<&F::gbExtProfiDPStat>, false},
    {Field<&F::grpboxExtCommsModbusRTU>, Field<&F::gbExtModbusRTU_Stat>, true},
    {Field<&F::grpboxExtCommsCAN>, Field<&F::gbExtCanbusStat>, false},
    {Field<&F::grpboxExtCommsPROFINET>, Field<&F::gbExtPROFINET_Stat>, false},
    {Field<&F::grpboxExtCommsModbusTCP>, Field<&F::grpboxExtCommsModbusTCP_Stat>, true},
    {Field<&F::grpboxExtCommsEtherNetIP>, Field<&F::grpboxExtCommsEtherNetIP_Stat>, true},
};
// clang-format on

constexpr int U = -1;  // the cell keeps its text
// clang-format off
const DefaultColumn kDefaults[] = {
    {Cell::Bits0, {4, 12, 2, 3, U, U, U, U, 36, 41, 40, 43, 50, 42, 54, 52}},
    {Cell::Bits1, {79, 80, 81, 82, U, U, U, U, 84, 85, 86, 87, 88, 89, 90, U}},
    {Cell::Words, {0, 1, 2, 26, 6, 12, 10, 16, 18, 20, 17, 21, 22, 23, 24, 34, 35, 36, 37, 47}},
};
// clang-format on

#undef IP_ROWS
#undef REGISTER_ROWS

constexpr int kNameBytes = 15;  // bytes 14 to 28; byte 29 ends the name

TCommsSelDialog* DialogOf(Cell kind) {
  if (kind == Cell::Words) return frmCommsWordSel;
  return frmCommsBitsSel;
}

void StoreRecordByte1(int protocol) {
  if (FormVariableTable)
    FormVariableTable->Grid(wire::RecordId::Comms).SetCell(2, 2, wire::PadNum(protocol, 3));
}

int SpinValue(const TSpinEdit& se) {
  // A typed value beyond the editor's range would wrap in its byte: it packs at the nearer limit.
  return std::clamp(se.Value(), se.MinValue(), se.MaxValue());
}

void PackCell(TForm1& f, const BlockCell& c, std::array<uint8_t, kBlockBytes>& tx) {
  const int b = c.FirstByte;
  switch (c.Kind) {
    case Cell::Spin:
      tx[b] = static_cast<uint8_t>(SpinValue(static_cast<TSpinEdit&>(c.Control(f))) & 0xFF);
      return;
    case Cell::Word: {
      const int v = SpinValue(static_cast<TSpinEdit&>(c.Control(f)));
      tx[b] = static_cast<uint8_t>((v >> 8) & 0xFF);
      tx[b + 1] = static_cast<uint8_t>(v & 0xFF);
      return;
    }
    case Cell::Item:
      // A combo without a selection packs as its first item, never as 255.
      tx[b] = static_cast<uint8_t>(std::max(0, static_cast<TComboBox&>(c.Control(f)).ItemIndex()));
      return;
    case Cell::Name: {
      const std::string& name = static_cast<TEdit&>(c.Control(f)).Text();
      for (int k = 0; k < kNameBytes; ++k)
        tx[b + k] = k < static_cast<int>(name.size()) ? static_cast<uint8_t>(name[k]) : 0;
      tx[b + kNameBytes] = 0;
      return;
    }
    case Cell::Bits0:
    case Cell::Bits1:
    case Cell::Words: {
      // A name no line gives, or a list that was never loaded, leaves the code last received.
      const TCommsSelDialog* dialog = DialogOf(c.Kind);
      if (!dialog || !dialog->Complete()) return;
      const RegisterColumn rc = RegisterCells(f, c.Kind);
      for (int i = 0; i < CellWidth(c.Kind); ++i) {
        const int code = dialog->FindCode(rc.Grid.Cell(rc.Col, rc.FirstRow + i));
        if (code >= 0) tx[b + i] = static_cast<uint8_t>(code);
      }
      return;
    }
  }
}

void UnpackCell(TForm1& f, const BlockCell& c, const std::array<uint8_t, kBlockBytes>& rx) {
  const int b = c.FirstByte;
  switch (c.Kind) {
    case Cell::Spin:
      static_cast<TSpinEdit&>(c.Control(f)).SetValue(rx[b]);
      return;
    case Cell::Word:
      static_cast<TSpinEdit&>(c.Control(f)).SetValue(rx[b] * 256 + rx[b + 1]);
      return;
    case Cell::Item: {
      // A byte beyond the list (the block as another module type left it) shows the first item,
      // which is what a write sends for it: the page, a saved file and the relay then agree.
      auto& combo = static_cast<TComboBox&>(c.Control(f));
      combo.SetItemIndex(rx[b] < combo.Items.Count() ? rx[b] : 0);
      return;
    }
    case Cell::Name: {
      std::string name;
      for (int k = 0; k < kNameBytes; ++k)
        if (rx[b + k] != 0) name += static_cast<char>(rx[b + k]);
      static_cast<TEdit&>(c.Control(f)).SetText(name);
      return;
    }
    case Cell::Bits0:
    case Cell::Bits1:
    case Cell::Words: {
      const TCommsSelDialog* dialog = DialogOf(c.Kind);
      const RegisterColumn rc = RegisterCells(f, c.Kind);
      for (int i = 0; i < CellWidth(c.Kind); ++i)
        rc.Grid.SetCell(rc.Col, rc.FirstRow + i, dialog ? dialog->NameOf(rx[b + i]) : "");
      return;
    }
  }
}

// The protocol the page shows: its item, or while a typed text matches none, the one before.
int ShownProtocol(TForm1& f) {
  const int item = f.cbExtCommsSelProt.ItemIndex();
  return item >= 0 ? item : f.ExtCommsProtocol;
}

void EachCell(int protocol, bool registers, const std::function<void(const BlockCell&)>& fn) {
  for (const BlockCell& c : kLayout)
    if (c.Protocol == protocol && IsRegister(c.Kind) == registers) fn(c);
}

}  // namespace

std::span<const BlockCell> BlockLayout() { return kLayout; }

bool IsRegister(Cell kind) {
  return kind == Cell::Bits0 || kind == Cell::Bits1 || kind == Cell::Words;
}

RegisterColumn RegisterCells(TForm1& f, Cell kind) {
  switch (kind) {
    case Cell::Bits0:
      return {f.strgridExtCommsConfigBits, 1, 1};
    case Cell::Bits1:
      return {f.strgridExtCommsConfigBits, 2, 1};
    default:
      return {f.strgridExtCommsConfigWords, 1, 0};
  }
}

const ProtocolGroups& GroupsOf(int protocol) {
  return kGroups[protocol >= 0 && protocol < kProtocolCount ? protocol : 0];
}

std::span<const DefaultColumn> RegisterDefaults() { return kDefaults; }

std::string NameOfLine(const std::string& line) {
  return line.size() > 4 ? line.substr(4) : std::string();
}

}  // namespace editors::comms

using namespace editors::comms;

void TForm1::UpdateExtCommsSettingInTxBuff() {
  if (!FormVariableTable) return;
  auto& tx = FormVariableTable->CommsDataBlockTx;
  // Bytes the chosen protocol does not pack go back as the relay sent them, so a write changes
  // only what the page edits.
  tx = FormVariableTable->CommsDataBlockRx1;
  const int protocol = ShownProtocol(*this);
  EachCell(protocol, false, [&](const BlockCell& c) { PackCell(*this, c, tx); });
  PackCustomPLC_RegMapInTxBuffTypeA();
  tx[0] = static_cast<uint8_t>(protocol);
  StoreRecordByte1(protocol);
}

void TForm1::PackCustomPLC_RegMapInTxBuffTypeA() {
  if (!FormVariableTable) return;
  EachCell(ShownProtocol(*this), true,
           [&](const BlockCell& c) { PackCell(*this, c, FormVariableTable->CommsDataBlockTx); });
}

void TForm1::UpdateExtCommsSettingTabFromSettings() {
  if (!FormVariableTable) return;
  const auto rx = FormVariableTable->CommsDataBlockRx1;
  const int protocol = cbExtCommsSelProt.ItemIndex();
  EachCell(protocol, false, [&](const BlockCell& c) { UnpackCell(*this, c, rx); });
  PackCustomPLC_RegMapInStrGridTypeA();
}

void TForm1::PackCustomPLC_RegMapInStrGridTypeA() {
  if (!FormVariableTable) return;
  const auto rx = FormVariableTable->CommsDataBlockRx1;
  EachCell(cbExtCommsSelProt.ItemIndex(), true,
           [&](const BlockCell& c) { UnpackCell(*this, c, rx); });
}

void TForm1::cbExtCommsSelProtChange() {
  int protocol = cbExtCommsSelProt.ItemIndex();
  if (protocol < 0 && !cbExtCommsSelProt.Text().empty()) {
    // A typed text that names no protocol selects nothing new.
    cbExtCommsSelProt.SetItemIndex(ExtCommsProtocol);
    return;
  }
  for (const ProtocolGroups& g : kGroups) {
    if (g.Settings) g.Settings(*this).SetVisible(false);
    if (g.Statistics) g.Statistics(*this).SetVisible(false);
  }
  grpboxExtCommsConfigBitsAndWords.SetVisible(false);
  if (protocol < 0) return;
  ExtCommsProtocol = protocol;
  const ProtocolGroups& g = GroupsOf(protocol);
  if (g.Settings) g.Settings(*this).SetVisible(true);
  if (g.Statistics) g.Statistics(*this).SetVisible(true);
  grpboxExtCommsConfigBitsAndWords.SetVisible(g.Registers);
  if (protocol == kCANbus) cbCommsProtocol.SetItemIndex(3);
  StoreRecordByte1(protocol);
  if (protocol != kNone && protocol != kCANbus) UpdateExtCommsSettingTabFromSettings();
}

void TForm1::butComsLoadDefaultBitAndWordsClick() {
  for (const DefaultColumn& d : kDefaults) {
    const TCommsSelDialog* dialog = DialogOf(d.Kind);
    const RegisterColumn rc = RegisterCells(*this, d.Kind);
    for (int i = 0; i < CellWidth(d.Kind); ++i)
      if (d.Lines[i] >= 0)
        rc.Grid.SetCell(rc.Col, rc.FirstRow + i, dialog ? dialog->NameOf(d.Lines[i]) : "");
  }
}

namespace {

// Opens a selection dialog on the grid's current cell; "Ok" puts the chosen name into the cell.
void EditRegister(TStringGrid& grid, TCommsSelDialog* dialog) {
  if (!dialog) return;
  // At the mouse, a little above it, never above the screen's top.
  int x = 0, y = 0;
  if (Application) Application->GetBackend().CursorPos(x, y);
  dialog->Left = x;
  dialog->Top = std::max(0, y - 65);
  const int col = grid.Col(), row = grid.Row();
  TComboBox& combo = dialog->Combo();
  combo.SetItemIndex(combo.Items.IndexOf(grid.Cell(col, row)));
  if (dialog->ShowModal() != mrOk) return;
  const int item = combo.ItemIndex();
  grid.SetCell(col, row, item >= 0 ? combo.Items[item] : std::string());
}

}  // namespace

void TForm1::strgridExtCommsConfigBitsDblClick() {
  EditRegister(strgridExtCommsConfigBits, frmCommsBitsSel);
}
void TForm1::strgridExtCommsConfigWordsDblClick() {
  EditRegister(strgridExtCommsConfigWords, frmCommsWordSel);
}

bool editors::comms::NameKeyAllowed(char key, bool atStart) {
  const bool letter = key >= 'a' && key <= 'z';
  const bool other = (key >= '0' && key <= '9') || key == '-' || key == '.';
  return letter || (other && !atStart);
}

bool editors::comms::NameAllowed(std::string_view name) {
  for (size_t i = 0; i < name.size(); ++i)
    if (!NameKeyAllowed(name[i], i == 0)) return false;
  return true;
}

void TForm1::editExtCommsPROFINET_DeviceNameKeyPress(TEdit& edit, char& Key) {
  const bool atStart = edit.Text().empty() || edit.SelStart() == 0;
  if (!editors::comms::NameKeyAllowed(Key, atStart) && Key != '\b') Key = 0;
}

void TForm1::ReportSelectionFiles() {
  std::string missing;
  for (const TCommsSelDialog* d : {static_cast<TCommsSelDialog*>(frmCommsBitsSel),
                                   static_cast<TCommsSelDialog*>(frmCommsWordSel)})
    if (d && !d->Complete())
      missing += (missing.empty() ? "" : ", ") + d->FileName() + (d->TooLarge() ? " (too large)" : "");
  if (missing.empty()) return;
  StatusBar1.SetPanelText(2, "Selection list missing or not 256 lines: " + missing +
                                 "; register codes are sent as last read.");
}

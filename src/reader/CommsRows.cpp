// The "Communication Module" section read back into the Communication Module page (extended
// layout) or the older module's group (short layout). The rows are the writer's
// (report/CommsSection.h); the layout is the file's, and while the port is closed the page follows
// it. A file of the other layout than the connected relay's is not applied: its values would land
// in editors the relay does not use.
#include <sstream>
#include <string>
#include <vector>

#include "editors/CommsLayout.h"
#include "link/CommSetup.h"
#include "main/Main.h"
#include "platform/rtl/SysUtils.h"
#include "reader/RowRules.h"
#include "report/CommsSection.h"
#include "wire/Numeric.h"

namespace reader {

namespace {

using namespace report;

constexpr int kWideCut = 48, kWideLine = 49;      // extended rows
constexpr int kNarrowCut = 25, kNarrowLine = 46;  // the type row, CANbus parameters, short rows

bool PortOpen() { return Form2 && Form2->ComPort1.Connected(); }

// The row engine's view of a row: where it is found, how much is cut, what it logs.
RowSpec RowAt(std::string_view label, bool narrow, const char* bad = nullptr,
              const char* missing = nullptr) {
  RowSpec s{};
  s.label = label;
  s.cutWidth = narrow ? kNarrowCut : kWideCut;
  s.minTrimmed = narrow ? kNarrowLine : kWideLine;
  s.kind = RowKind::Number;
  s.outOfRange = bad;
  s.notFound = missing;
  return s;
}

RowSpec ParameterRow(const CommsRow& r) {
  RowSpec s = RowAt(r.label, r.narrow, r.bad, r.missing);
  s.kind = r.show == Show::Choice ? RowKind::Word : RowKind::Number;
  s.maxLength = r.show == Show::Choice ? s.cutWidth : r.digits;
  s.words = r.words;
  s.control = r.control;
  s.defaultValue = r.defaultValue;
  return s;
}

RowSpec ShortRowOf(const ShortRow& r) {
  RowSpec s = RowAt(r.label, true, r.bad, r.missing);
  const bool word = !r.words.empty();
  s.kind = word ? RowKind::Word : RowKind::Number;
  s.maxLength = word ? kNarrowCut : r.show == ShortShow::Pair ? kWordDigits : kByteDigits;
  s.words = r.words;
  s.control = r.control;
  s.handler = r.handler;
  s.defaultValue = r.defaultValue;
  return s;
}

// The value of a row found in the section, trimmed; nothing when the row is not there.
std::optional<std::string> Value(const ReadContext& ctx, const RowSpec& row) {
  const std::optional<RowLine> line = FindRow(ctx, row);
  if (!line) return std::nullopt;
  return Trim(CutValue(*line, row));
}

// A spin edit or an enumeration through the row rules, within the editor's own limits. A CANbus
// row then gives the older module's editor the same value and calls their shared handler.
void ReadParameter(ReadContext& ctx, const CommsRow& r) {
  ReadRow(ctx, ParameterRow(r));
  if (!r.twin) return;
  TControl& from = r.control(ctx.form);
  TControl& to = r.twin(ctx.form);
  if (auto* spin = dynamic_cast<TSpinEdit*>(&to))
    spin->SetValue(static_cast<TSpinEdit&>(from).Value());
  else
    static_cast<TComboBox&>(to).SetItemIndex(static_cast<TComboBox&>(from).ItemIndex());
  if (r.handler) (ctx.form.*r.handler)();
}

// One of the combo box's own item texts, compared as written.
void ReadItemText(ReadContext& ctx, const CommsRow& r) {
  const RowSpec row = ParameterRow(r);
  auto& combo = static_cast<TComboBox&>(r.control(ctx.form));
  const std::optional<std::string> v = Value(ctx, row);
  if (!v) {
    LogNotFound(ctx, row);
    combo.SetItemIndex(r.defaultValue);
    return;
  }
  for (int k = 0; k < combo.Items.Count() && !v->empty(); ++k) {
    if (Trim(combo.Items[k]) == *v) {
      combo.SetItemIndex(k);
      return;
    }
  }
  LogOutOfRange(ctx, row, *v);
  combo.SetItemIndex(r.defaultValue);
}

// A device or host name: what the edit's key filter would let a user type, at most as many
// characters as the edit holds; any other name leaves the edit as it is.
void ReadName(ReadContext& ctx, const CommsRow& r) {
  auto& edit = static_cast<TEdit&>(r.control(ctx.form));
  const std::optional<std::string> v = Value(ctx, RowAt(r.label, false));
  if (!v) {
    ctx.Log(r.missing);
    edit.SetText("");
    return;
  }
  const std::string name =
      v->substr(0, static_cast<size_t>(edit.MaxLength > 0 ? edit.MaxLength : 15));
  if (!editors::comms::NameAllowed(name)) {
    ctx.Log(r.missing);
    return;
  }
  edit.SetText(name);
}

// A dotted address: four groups of 1 to 3 digits, each within its spin edit's limits, separated
// by anything but digits. Either all four spin edits take their group or none does.
void ReadAddress(ReadContext& ctx, const CommsRow& r) {
  const std::optional<std::string> v = Value(ctx, RowAt(r.label, false));
  if (!v) {
    ctx.Log(r.missing);
    return;
  }
  std::istringstream in(NumberText(*v, false));
  std::vector<std::string> groups;
  for (std::string g; in >> g;) groups.push_back(g);
  TSpinEdit* spins[4] = {
      &static_cast<TSpinEdit&>(r.control(ctx.form)), &static_cast<TSpinEdit&>(r.rest[0](ctx.form)),
      &static_cast<TSpinEdit&>(r.rest[1](ctx.form)), &static_cast<TSpinEdit&>(r.rest[2](ctx.form))};
  int values[4] = {};
  bool ok = groups.size() == 4;
  for (size_t i = 0; ok && i < 4; ++i) {
    ok = NumberTextValid(groups[i], kByteDigits, false);
    if (ok) values[i] = std::stoi(groups[i]);
    ok = ok && values[i] >= spins[i]->MinValue() && values[i] <= spins[i]->MaxValue();
  }
  if (!ok) {
    ctx.Log(r.bad);
    return;
  }
  for (size_t i = 0; i < 4; ++i) spins[i]->SetValue(values[i]);
}

// A status box takes the row's text as it stands; a box the writer puts as a number takes only
// digits (their first `digits`), and anything else leaves the box and is logged.
void ReadStatus(ReadContext& ctx, const CommsRow& r) {
  const std::optional<std::string> v = Value(ctx, RowAt(r.label, false));
  if (!v) return;
  auto& box = static_cast<TCustomEdit&>(r.control(ctx.form));
  if (r.show != Show::Number) {
    box.SetText(*v);
    return;
  }
  const std::string number = v->substr(0, v->find(' '));
  if (!NumberTextValid(number, static_cast<int>(number.size()), false)) {
    ctx.Log(Format(r.bad, {number}));
    return;
  }
  // A value beyond the box's 8 or 16 bits would be saved back wrapped (70000 as 04464).
  const std::string kept = number.substr(0, static_cast<size_t>(r.digits));
  if (std::stol(kept) > (r.digits == kByteDigits ? 0xFF : 0xFFFF)) {
    const std::string_view bad = r.bad;
    const std::string name(bad.substr(0, bad.find(" %0:s")));
    ctx.Log(Format(name + " %0:s out of range, status value not changed.", {kept}));
    return;
  }
  box.SetText(kept);
}

// The register tables, each below its sub-header up to the next sub-header or the table's end;
// a row is found by its label, and a missing one leaves its cell.
void ReadRegisters(ReadContext& ctx) {
  const int from = ctx.from, to = ctx.to;
  const auto isBoundary = [](const std::string& line) {
    if (Trim(line).starts_with(std::string(71, '-')) ||
        line.find(kStatisticHeader) != std::string::npos)
      return true;
    for (const RegisterTable& t : RegisterTables())
      if (line.find(t.header) != std::string::npos) return true;
    return false;
  };
  for (const RegisterTable& t : RegisterTables()) {
    int header = from;
    for (; header < std::min(to, ctx.Count()); ++header)
      if (ctx.Line(header).find(t.header) != std::string::npos) break;
    if (header >= std::min(to, ctx.Count()) ||
        static_cast<int>(Trim(ctx.Line(header)).size()) < kWideLine) {
      ctx.Log(t.missing);
      continue;
    }
    int end = header + 1;
    while (end < std::min(to, ctx.Count()) && !isBoundary(ctx.Line(end))) ++end;
    ctx.from = header + 1;
    ctx.to = end;
    TStringGrid& grid =
        t.words ? ctx.form.strgridExtCommsConfigWords : ctx.form.strgridExtCommsConfigBits;
    for (int n = 0; n < t.rows; ++n) {
      const std::string label = Format(t.rowLabel, {n});
      if (const std::optional<std::string> v = Value(ctx, RowAt(label, false)))
        grid.SetCell(t.column, t.firstRow + n, *v);
      else
        ctx.Log(Format(t.rowMissing, {n}));
    }
    ctx.from = from;
    ctx.to = to;
  }
}

void ReadExtendedRow(ReadContext& ctx, const CommsRow& r) {
  switch (r.show) {
    case Show::Spin:
    case Show::Choice:
      return ReadParameter(ctx, r);
    case Show::ItemText:
      return ReadItemText(ctx, r);
    case Show::Name:
      return ReadName(ctx, r);
    case Show::Address:
      return ReadAddress(ctx, r);
    case Show::Text:
    case Show::Trimmed:
    case Show::Number:
      return ReadStatus(ctx, r);
    case Show::Registers:
      return ReadRegisters(ctx);
    case Show::Type:
    case Show::Heading:
      return;
  }
}

// The item of the type value among the first `count` type texts, or -1.
int TypeItem(const std::string& value, size_t count) {
  for (size_t k = 0; k < count && !value.empty(); ++k)
    if (TrimUpper(kTypeTexts[k]) == value) return static_cast<int>(k);
  return -1;
}

void SelectOldProtocol(TForm1& f, int item) {
  f.cbCommsProtocol.SetItemIndex(item);
  f.cbCommsProtocolChange();
}
void SelectExtendedType(TForm1& f, int item) {
  f.cbExtCommsSelProt.SetItemIndex(item);
  f.cbExtCommsSelProtChange();
}

constexpr const char* kTypeBad =
    "Communication module type out of range %0:s setting value changed to None.";

void ReadShortLayout(ReadContext& ctx, const std::string& type) {
  TForm1& f = ctx.form;
  if (!PortOpen()) f.ShowCommsLayout(false);
  int item = TypeItem(type, kShortTypeCount);
  if (item < 0) {
    ctx.Log(Format(kTypeBad, {type}));
    item = 0;
  }
  SelectOldProtocol(f, item);
  for (const ShortRow& r : ShortRows(f.cbCommsProtocol.ItemIndex())) ReadRow(ctx, ShortRowOf(r));
}

}  // namespace

void ReadCommsModuleSection(ReadContext& ctx) {
  TForm1& f = ctx.form;
  if (PortOpen() && ctx.extended != wire::IsExtendedRevision(f.mbSW_Rev.Text())) {
    ctx.Log("Communication module settings of another relay revision not read.");
    return;
  }
  const RowSpec typeRow = RowAt(kTypeLabel, true);
  const std::optional<RowLine> line = FindRow(ctx, typeRow);
  if (!line) {
    // Both type choices go back to none, as the line says.
    ctx.Log("Communication module type not found. Setting value changed to None.");
    SelectOldProtocol(f, 0);
    SelectExtendedType(f, 0);
    return;
  }
  const std::string type = TrimUpper(CutValue(*line, typeRow));
  if (!ctx.extended) return ReadShortLayout(ctx, type);

  if (!PortOpen()) f.ShowCommsLayout(true);
  const int item = TypeItem(type, kTypeTexts.size());
  if (item < 0) {
    ctx.Log(Format(kTypeBad, {type}));
    SelectOldProtocol(f, 0);
    SelectExtendedType(f, 0);
  } else {
    SelectExtendedType(f, item);
  }
  for (const CommsRow& r : ExtendedRows(f.cbExtCommsSelProt.ItemIndex())) ReadExtendedRow(ctx, r);
}

}  // namespace reader

#include "reader/RowRules.h"

#include <algorithm>

#include "main/Main.h"
#include "platform/rtl/SysUtils.h"

namespace reader {

void ReadContext::Log(const std::string& line) {
  log.Add(line);
  ++logged;
}

std::optional<RowLine> FindRow(const ReadContext& ctx, const RowSpec& row) {
  if (row.siteMode && !ctx.form.SiteModeActive) return std::nullopt;
  if (row.label.empty()) return std::nullopt;
  const int from = std::max(ctx.from, 0);
  const int to = std::min(ctx.to, ctx.Count());
  for (int i = from; i < to; ++i) {
    const std::string& text = ctx.lines[i];
    const size_t pos = text.find(row.label);
    if (pos == std::string::npos) continue;
    if (row.minTrimmed > 0 && static_cast<int>(Trim(text).size()) < row.minTrimmed)
      return std::nullopt;
    return RowLine{text, pos};
  }
  return std::nullopt;
}

std::string CutValue(const RowLine& line, const RowSpec& row) {
  const size_t start = std::min(
      line.pos + row.label.size() + static_cast<size_t>(std::max(row.skip, 0)), line.text.size());
  size_t end = line.text.size();
  if (!row.rightLabel.empty()) {
    const size_t right = line.text.find(row.rightLabel);
    if (right != std::string::npos) end = right < start ? start : right;
  }
  if (row.cutWidth > 0) end = std::min(end, start + static_cast<size_t>(row.cutWidth));
  return line.text.substr(start, end - start);
}

std::string TrimUpper(std::string_view s) {
  std::string out = Trim(std::string(s));
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string NumberText(std::string_view cut, bool keepMinus) {
  std::string out(cut);
  for (char& c : out)
    if (!IsDigit(c) && !(keepMinus && c == '-')) c = ' ';
  return Trim(out);
}

bool NumberTextValid(const std::string& text, int maxLength, bool allowMinus) {
  if (text.empty() || static_cast<int>(text.size()) > maxLength) return false;
  bool digit = false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsDigit(text[i]))
      digit = true;
    else if (!(allowMinus && i == 0 && text[i] == '-'))
      return false;
  }
  return digit;
}

// The number of a text that NumberTextValid accepted (at most a handful of digits).
static int NumberOf(const std::string& text) {
  int v = 0;
  const bool negative = !text.empty() && text[0] == '-';
  for (size_t i = negative ? 1 : 0; i < text.size(); ++i) v = v * 10 + (text[i] - '0');
  return negative ? -v : v;
}

void SetTarget(ReadContext& ctx, const RowSpec& row, int value, const std::string* text) {
  TControl& control = row.control(ctx.form);
  if (auto* spin = dynamic_cast<TSpinEdit*>(&control))
    spin->SetValue(value);
  else if (auto* edit = dynamic_cast<TEdit*>(&control))
    edit->SetText(text ? *text : IntToStr(value));
  else if (auto* combo = dynamic_cast<TComboBox*>(&control))
    combo->SetItemIndex(value);
  else if (auto* radio = dynamic_cast<TRadioGroup*>(&control))
    radio->SetItemIndex(value);
  else if (auto* check = dynamic_cast<TCheckBox*>(&control))
    check->SetChecked(value != 0);
  if (row.handler) (ctx.form.*row.handler)();
}

static bool NumberKind(RowKind k) { return k != RowKind::Word && k != RowKind::Signal; }

void LogOutOfRange(ReadContext& ctx, const RowSpec& row, const std::string& text) {
  const std::string letter(row.letter);
  if (row.numberFirst)
    ctx.Log(Format(row.outOfRange, {row.number, text, row.defaultValue}));
  else if (NumberKind(row.kind))
    ctx.Log(Format(row.outOfRange, {text, row.defaultValue, row.number, letter}));
  else
    ctx.Log(Format(row.outOfRange, {text, row.number, letter}));
}

void LogNotFound(ReadContext& ctx, const RowSpec& row) {
  const std::string letter(row.letter);
  if (row.numberFirst)
    ctx.Log(Format(row.notFound, {row.number, row.defaultValue}));
  else if (NumberKind(row.kind))
    ctx.Log(Format(row.notFound, {row.defaultValue, row.number, letter}));
  else
    ctx.Log(Format(row.notFound, {row.number, letter}));
}

// The limits of a number row: its constants, or the spin edit's limits as they stand now.
static void Limits(ReadContext& ctx, const RowSpec& row, int& lo, int& hi) {
  lo = row.lo;
  hi = row.hi;
  if (row.constLimits) return;
  if (auto* spin = dynamic_cast<TSpinEdit*>(&row.control(ctx.form))) {
    lo = spin->MinValue();
    hi = spin->MaxValue();
  }
}

void ReadRow(ReadContext& ctx, const RowSpec& row) {
  if (row.siteMode && !ctx.form.SiteModeActive) return;
  const std::optional<RowLine> line = FindRow(ctx, row);
  if (!line) {
    LogNotFound(ctx, row);
    SetTarget(ctx, row, row.defaultValue);
    return;
  }
  const std::string cut = row.shape ? row.shape(CutValue(*line, row)) : CutValue(*line, row);

  if (!NumberKind(row.kind)) {
    const std::string text = TrimUpper(cut);
    if (!text.empty() && static_cast<int>(text.size()) <= row.maxLength) {
      for (size_t k = 0; k < row.words.size(); ++k) {
        if (TrimUpper(row.words[k]) == text) {
          SetTarget(ctx, row, static_cast<int>(k));
          return;
        }
      }
    }
    LogOutOfRange(ctx, row, row.kind == RowKind::Signal ? Trim(cut) : text);
    SetTarget(ctx, row, row.defaultValue);
    return;
  }

  const bool isSigned = row.kind == RowKind::Signed;
  const std::string text = NumberText(cut, isSigned);
  int lo = 0, hi = 0;
  Limits(ctx, row, lo, hi);
  const int v = NumberTextValid(text, row.maxLength, isSigned) ? NumberOf(text) : 0;
  if (!NumberTextValid(text, row.maxLength, isSigned) || v < lo || v > hi) {
    LogOutOfRange(ctx, row, text);
    SetTarget(ctx, row, row.defaultValue);
    return;
  }
  if (row.kind == RowKind::Step50 && v % 50 != 0) {
    const int rounded = v / 50 * 50;
    ctx.Log(row.numberFirst ? Format(row.stepMessage, {row.number, text, rounded})
                            : Format(row.stepMessage, {text, rounded, row.number}));
    SetTarget(ctx, row, rounded);
    return;
  }
  SetTarget(ctx, row, v, row.keepsText ? &text : nullptr);
}

void ReadRows(ReadContext& ctx, std::span<const RowSpec> rows) {
  for (const RowSpec& row : rows) ReadRow(ctx, row);
}

std::optional<int> RowDefault(TForm1& form, const TControl& editor) {
  std::optional<int> found;
  const RowVisitor visit = [&](const RowSpec& row) {
    if (!found && row.control && &row.control(form) == &editor) found = row.defaultValue;
  };
  VisitSettingsRows(visit);
  VisitLogicRows(visit);
  VisitStarterRows(visit);
  return found;
}

}  // namespace reader

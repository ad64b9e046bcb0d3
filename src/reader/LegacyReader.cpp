// The older settings file of 153 lines, one number a line. Every line is converted before anything
// changes, so that a broken file leaves the editors as they were; then each value goes into its
// editor only when it fits the editor's range or list (else the log names it and the editor gets
// its default), and the four control bytes set the Settings page's switches.
#include <string>

#include "editors/LegacyLines.h"
#include "editors/LogicEditors.h"
#include "editors/SettingsEditors.h"
#include "link/CommSetup.h"
#include "main/LegacyControl.h"
#include "main/Main.h"
#include "platform/rtl/SysUtils.h"
#include "reader/SettingsReader.h"
#include "wire/VoltageLists.h"

namespace reader {

namespace {

using editors::legacy::LegacyLine;

uint8_t* LegacyByte(int byte) {
  static uint8_t* const bytes[] = {&LegacyControl_A, &LegacyControl_B, &LegacyControl_C,
                                   &LegacyControl_D};
  return bytes[byte];
}

bool IsMask(TForm1& f, const TControl& c) {
  const editors::logic::LogicEditor* e = editors::logic::FindLogicEditor(f, c);
  return e && e->Type == editors::logic::Kind::Mask;
}

// The older form gives three edit boxes free text; there a text that is no number is a bad value,
// not a broken file.
bool FreeText(TForm1& f, const LegacyLine& line) {
  if (!line.Control) return false;
  const TControl& c = line.Control(f);
  return dynamic_cast<const TEdit*>(&c) && !dynamic_cast<const TSpinEdit*>(&c) && !IsMask(f, c);
}

// What an editor takes: lo..hi, and the value it falls back on.
struct Fit {
  int lo, hi, fallback;
};

Fit FitOf(TForm1& f, TControl& c) {
  const std::optional<int> rowDefault = RowDefault(f, c);
  Fit fit{0, 0, 0};
  if (auto* spin = dynamic_cast<TSpinEdit*>(&c)) {
    fit = {spin->MinValue(), spin->MaxValue(), spin->MinValue()};
  } else if (auto* combo = dynamic_cast<TComboBox*>(&c)) {
    fit = {0, combo->Items.Count() - 1, 0};
  } else if (IsMask(f, c)) {
    fit = {0, editors::logic::kMaskMax, 0};
  } else if (const editors::settings::EditorSpec* e = editors::settings::FindEditor(f, c)) {
    fit = {e->CheckMin, e->CheckMax, e->CheckMin};
  }
  if (rowDefault) fit.fallback = *rowDefault;
  return fit;
}

// The value as the log shows it: a list's item by its text, any other by its number.
std::string Shown(TControl& c, int value) {
  if (auto* combo = dynamic_cast<TComboBox*>(&c)) {
    const std::string text = Trim(combo->Items.Get(value));
    if (!text.empty()) return text;
  }
  return IntToStr(value);
}

void SetEditor(TForm1& f, const LegacyLine& line, int value) {
  TControl& c = line.Control(f);
  if (auto* spin = dynamic_cast<TSpinEdit*>(&c))
    spin->SetValue(value);
  else if (auto* edit = dynamic_cast<TEdit*>(&c))
    edit->SetText(IntToStr(value));
  else if (auto* combo = dynamic_cast<TComboBox*>(&c))
    combo->SetItemIndex(value);
  (f.*line.Changed)();
  // A mask's value is also the logic function's output table.
  if (const editors::logic::LogicEditor* e = editors::logic::FindLogicEditor(f, c);
      e && e->Type == editors::logic::Kind::Mask)
    editors::logic::TableByte(f, e->Function) = static_cast<uint8_t>(value);
}

// The item of the voltage list the combo box holds for item `index` of the older 11-item list,
// matched by voltage; -1 when the index is no item of the older list or the box lacks its voltage.
int VoltageItem(int index) {
  const std::span<const wire::VoltageEntry> older = wire::List(false);
  if (index < 0 || index >= static_cast<int>(older.size())) return -1;
  const bool extended = Form2 && Form2->ExtendedVoltSelEn;
  const std::span<const wire::VoltageEntry> held = wire::List(extended);
  for (size_t i = 0; i < held.size(); ++i)
    if (held[i].Code == older[static_cast<size_t>(index)].Code) return static_cast<int>(i);
  return -1;
}

// One value into its editor, or its editor's default with a log line when it does not fit.
void ReadValue(ReadContext& ctx, int index, const LegacyLine& line, const std::string& text,
               std::optional<int> number) {
  TForm1& f = ctx.form;
  TControl& c = line.Control(f);
  const Fit fit = FitOf(f, c);
  std::optional<int> value;
  if (number && index == editors::legacy::kVoltageLine) {
    if (const int item = VoltageItem(*number); item >= 0) value = item;
  } else if (number && *number >= fit.lo && *number <= fit.hi) {
    value = number;
  }
  if (!value) {
    ctx.Log(Format("%0:s out of range %1:s setting value changed to %2:s.",
                   {std::string(line.Name), text, Shown(c, fit.fallback)}));
    value = fit.fallback;
  }
  SetEditor(f, line, *value);
}

// The switches of the four control bytes, from the bytes the file held. Bits 4 to 7 of byte D
// are left alone: the older form knew no switch there.
void SetSwitches(TForm1& f) {
  for (const editors::settings::EditorSpec& e : editors::settings::Editors()) {
    if (e.Byte < 0 || (e.Byte == 3 && e.Bit >= 4)) continue;
    const bool on = (*LegacyByte(e.Byte) >> e.Bit) & 1;
    TControl& c = e.Control(f);
    if (auto* check = dynamic_cast<TCheckBox*>(&c))
      check->SetChecked(on);
    else if (auto* radio = dynamic_cast<TRadioGroup*>(&c))
      radio->SetItemIndex(on ? 1 : 0);
    f.SettingChange(c);
  }
}

}  // namespace

int ReadLegacyLines(ReadContext& ctx) {
  TForm1& f = ctx.form;
  const std::span<const LegacyLine> lines = editors::legacy::Lines();

  // Every line converted first: one that must hold a number and does not refuses the file.
  std::vector<std::optional<int>> numbers(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    int v = 0;
    if (TryStrToInt(ctx.Line(static_cast<int>(i)), v)) {
      numbers[i] = v;
    } else if (!FreeText(f, lines[i])) {
      ctx.Log(Format("Old VUMA file not read: line %0:d \"%1:s\" is not a number.",
                     {static_cast<int>(i) + 1, ctx.Line(static_cast<int>(i))}));
      return ctx.logged;
    }
  }

  for (size_t i = 0; i < lines.size(); ++i) {
    const LegacyLine& line = lines[i];
    if (line.Control) {
      ReadValue(ctx, static_cast<int>(i), line, ctx.Line(static_cast<int>(i)), numbers[i]);
      continue;
    }
    *LegacyByte(line.Byte) = static_cast<uint8_t>(*numbers[i]);
    if (line.Byte == 3) SetSwitches(f);
  }
  // The starter type's own display: the speed groups and captions as the starter type shows them.
  f.StarterTypeDisplay();

  ctx.Log("Old VUMA file being opened");
  ctx.Log("ESTOP, external input delays, device ID and description needs to be assigned.");
  return ctx.logged;
}

}  // namespace reader

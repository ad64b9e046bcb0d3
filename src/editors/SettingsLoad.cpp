// A read from the relay loads the editors: the received column of the settings grid (and the
// frequency rows of the calibration grid) goes into the editors by the table's load way. Setting a
// spin edit, edit, check box or radio group runs its handler as a user's change would; setting a
// combo box's item runs nothing. The parser copies the received column over the send column
// afterwards, so the editors' own writes do not outlast the load.
#include <climits>

#include "editors/SettingsEditors.h"
#include "wire/VoltageLists.h"
#include "wire/Numeric.h"
#include "main/Main.h"
#include "vartable/UnitVarTable.h"
#include "wire/Selections.h"
#include "platform/rtl/SysUtils.h"

using namespace editors::settings;

namespace {

// The received column of a row as a number (0 when it is none), kept within int.
int Received(const EditorSpec& e) {
  long long v = 0;
  if (FormVariableTable) wire::ParseDecimal(FormVariableTable->Grid(e.Grid).Cell(1, e.Row), v);
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

std::string ReceivedText(const EditorSpec& e) {
  return FormVariableTable ? FormVariableTable->Grid(e.Grid).Cell(1, e.Row) : std::string();
}

void LoadEditor(TForm1& f, const EditorSpec& e) {
  TControl& c = e.Control(f);
  const int n = Received(e);
  switch (e.LoadWay) {
    case Load::Skip:
      return;
    case Load::Value:
      static_cast<TSpinEdit&>(c).SetValue(n);
      return;
    case Load::Text:
      static_cast<TCustomEdit&>(c).SetText(wire::DecStr(n));
      return;
    case Load::Item:
      static_cast<TComboBox&>(c).SetItemIndex(n);
      return;
    case Load::Raw:
      static_cast<TCustomEdit&>(c).SetText(ReceivedText(e));
      return;
    case Load::Trimmed:
      static_cast<TCustomEdit&>(c).SetText(Trim(ReceivedText(e)));
      return;
    case Load::Voltage: {
      // The extended revision's list is ordered by voltage: find the item that shows the code.
      int item = n;
      if (wire::IsExtendedRevision(f.mbSW_Rev.Text())) {
        item = wire::ExtendedItemForCode(n);
        if (item < 0) item = 0;
      }
      static_cast<TComboBox&>(c).SetItemIndex(item);
      return;
    }
  }
}

}  // namespace

void editors::settings::LoadRows(TForm1& f, wire::RecordId grid) {
  for (const EditorSpec& e : Editors())
    if (e.Grid == grid) LoadEditor(f, e);
}

void editors::settings::LoadEditors(TForm1& f, std::span<const EditorSpec> table) {
  for (const EditorSpec& e : table) LoadEditor(f, e);
}

void TForm1::LoadSettingsRecordEditors() {
  LoadRows(*this, wire::RecordId::Settings);
  mbCT_Ratio.SetText(seCT_Prim.Text() + " : " + seCT_Sec.Text());
  const int secondary = seCT_Sec.Value();  // at least 1 once loaded by value
  ActCT_Ratio = secondary != 0 ? static_cast<double>(seCT_Prim.Value()) / secondary : 0.0;
  // The control bytes already hold the relay's values; their editors follow bit by bit.
  for (const EditorSpec& e : Editors()) {
    if (e.Byte < 0) continue;
    const uint8_t byte = this->*ControlBytes()[static_cast<size_t>(e.Byte)].Field;
    const bool on = (byte >> e.Bit) & 1;
    TControl& c = e.Control(*this);
    if (e.Type == Kind::Check)
      static_cast<TCheckBox&>(c).SetChecked(on);
    else
      static_cast<TRadioGroup&>(c).SetItemIndex(on ? 1 : 0);
  }
}

void TForm1::LoadFrequencyEditors() {
  LoadRows(*this,
           wire::RecordId::Calibration);  // every calibration editor, the frequency ones included
  // Mirrored to the Settings page.
  cbSetFreqSelector.SetItemIndex(cbFreqSelector.ItemIndex());
  seSetHighFreqLimit.SetValue(seHighFreqLimit.Value());
  seSetLowFreqLimit.SetValue(seLowFreqLimit.Value());
  // A code the list does not hold selects nothing and is not passed off as 60 Hz.
  const int item = cbFreqSelector.ItemIndex();
  const char* supply =
      item >= 0 && item < wire::kFrequencyCount ? wire::kFrequencies[item].Item : "Unknown";
  mbFreqSelector.SetText(supply);
  ebFreqSelector.SetText(supply);
}

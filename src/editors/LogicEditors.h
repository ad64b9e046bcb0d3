#pragma once
// The editor table of the "Control Logic" page: one row per editor of the logic record, in the
// order of the logic grid's rows 1 to 66. A row says which send-column cell the editor keeps and
// in which text form, how the control is set up (range, typing, items, initial value) and which
// exit check it has. The generic code in LogicPage.cpp walks the table; the named handlers of
// TForm1 are one-liners into it. A read from the relay loads every editor by its kind: a signal
// selector by item, a spin edit by value, a table mask by text.
#include <cstdint>
#include <span>

#include "main/ControlOf.h"

class TControl;
class TForm1;

namespace editors::logic {

enum class Kind : uint8_t {
  Signal,  // TComboBox of signal names (item index = signal code), nothing while none is selected
  Spin,    // TSpinEdit: its value, nothing while its text is empty
  Mask     // TEdit of a logic function's output table: a whole number 0..255, else nothing
};

struct LogicEditor {
  const char* Name;
  ControlOf Control;
  Kind Type;
  int Row;            // row of the logic grid
  int Digits;         // text form: at least this many digits, zero-padded (a minus sign first)
  int Min, Max;       // spin edit range
  int MaxLength;      // characters the user may type
  bool ButtonsOnly;   // spin edit text not typeable
  int Initial;        // spin edit value shown when built
  int Table;          // Signal: signal-name table 1 or 3
  int Function;       // Mask: logic function 1..6
  bool Typeable;      // Mask: the user may type a mask (functions 2 and 3)
  bool EmptyDefault;  // exit check: an emptied spin edit gets Default
  int Default;
};

std::span<const LogicEditor> LogicEditors();

// The row of a control, or nullptr when it is no editor of the page.
const LogicEditor* FindLogicEditor(TForm1& form, const TControl& control);

// The mask editor of logic function n (1..6) and the function's table byte (ActLF1_Table ..).
const LogicEditor& MaskEditor(int function);
uint8_t& TableByte(TForm1& form, int function);

// The largest output table a mask holds: one bit per input combination.
inline constexpr int kMaskMax = 255;
inline constexpr const char* kMaskRangeMessage = "Value is out of range !\rRange = 0 to 255";
inline constexpr const char* kMaskHint = "Click to open output table ...";

// The output table generator's grid: row r (1..8) is input combination r - 1.
inline constexpr int kTruthRows = 8;
inline constexpr int kOpColumn = 3;
// Left position of the generator panel beside logic function n's box.
int GeneratorLeft(int function);

}  // namespace editors::logic

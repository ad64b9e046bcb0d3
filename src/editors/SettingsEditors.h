#pragma once
// The editor table of the Settings page (and of the Calibration page's frequency twins): one row
// per editor saying which send-column cell it keeps and how, how the control is set up, which bit
// of a control byte it owns, how a read loads it and which exit check it has. The generic code in
// SettingsPage.cpp, SettingsExitChecks.cpp and SettingsLoad.cpp walks this table; the named
// handlers of TForm1 are one-liners into it.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "main/ControlOf.h"
#include "wire/RecordLayouts.h"

class TControl;
class TForm1;

namespace editors::settings {

enum class Kind : uint8_t {
  Spin,     // TSpinEdit: its value in the row's text form, nothing while its text is empty
  Combo,    // TComboBox: its item index, nothing while no item is selected
  Check,    // TCheckBox: owns one bit of a control byte; the whole byte is written
  Radio,    // TRadioGroup of two items: item 1 sets its bit
  NumEdit,  // TEdit: its text as a number, nothing while empty or holding a non-digit
  Text      // TEdit: its text cut or filled with blanks to the field's width (Digits); the
            // characters that frame the protocol ("!", "#", "*", "?") never stay in the box
};

// Rules on top of the kind's own.
enum class Special : uint8_t {
  None,
  Voltage,     // item -> voltage selection code by the relay's revision
  ELSelector,  // shows the trip delay box only for the definite time mode
  RTDType,     // PTC disables the channel's trip level boxes
  CTRatio,     // an emptied box comes back as 1 at once
  FreqLimit,   // writes the calibration row and makes its twin follow the text
  FreqSelect,  // writes the calibration row and selects the same item in its twin
  StarterType  // refreshes the starter display
};

// How a read of the record loads the editor.
enum class Load : uint8_t {
  Skip,     // not loaded from its row (bits: from the control byte; Settings page twins: mirrored)
  Value,    // spin edit value (limited to its range)
  Text,     // decimal text, no limit
  Item,     // combo item index (outside the list: no selection)
  Voltage,  // combo item from the voltage code by the relay's revision
  Raw,      // edit text: the received text unchanged (leading zeros kept)
  Trimmed   // edit text: the received text without blanks and control characters at its ends
};

// Exit checks, run only when the user leaves the editor.
enum class Exit : uint8_t {
  None,
  EmptyDefault,   // 1: an empty box gets the default
  Multiple50,     // 2: empty -> default, then the nearest multiple of 50 (25 goes down)
  Digits,         // 3: "Please enter only digits !" when not a number; a twin gets the value
  EmptyMessage,   // 4: empty -> "Please enter only digits !", the default, focus back
  RangeMessage,   // 5: not a number or outside CheckMin..CheckMax -> message, focus back
  SilentLimits,   // 6: empty -> "0", else limited to CheckMin..CheckMax, no message
  BothFreqDigits  // the Calibration page limits: both limits must be numbers; then the twin
};

// Item lists of the combo boxes and radio groups.
// Signal02 and Signal03: the names of signal-name tables 02 and 03 (report/SignalNames.h).
enum class Items : uint8_t {
  None,
  Voltage,
  ELMode,
  MLRestart,
  Starter,
  RTDType,
  Freq,
  FreqHz,
  UcPf,
  Relay1,
  Signal02,
  Signal03,
  Model
};

struct EditorSpec {
  const char* Name;
  ControlOf Control;
  Kind Type;
  wire::RecordId Grid;  // Settings, or Calibration for the frequency editors
  int Row;              // field row of the grid (a bit editor: the control byte's row)
  int Digits;           // text form: at least this many digits, zero-padded
  int Min, Max;         // spin edit range
  int Step;             // spin edit increment
  int MaxLength;        // characters the user may type; 0: no limit
  bool ButtonsOnly;     // spin edit text not typeable
  int Initial;          // value (spin), number (edit) or item (-1: none) shown when built
  const char*
      InitialText;  // combo text shown without a selection; edit text when built; or nullptr
  Items List;
  int Byte, Bit;  // control byte 0..3 (A..D) and bit owned; -1 when none
  Special Rule;
  ControlOf Twin;  // the other page's editor of the same cell, or nullptr
  Load LoadWay;
  Exit Check;
  int Default;               // families 1, 2 and 4
  int CheckMin, CheckMax;    // families 5 and 6
  const char* RangeMessage;  // family 5
  bool DigitKeys;            // key filter: digits and Backspace only
};

// The whole table, in the order a read loads the editors: settings rows 1..51 by row, the three
// frequency editors, the control-byte bits (A0..D4), then the Calibration page twins.
std::span<const EditorSpec> Editors();

// Loads every editor of a record's grid from the received column by its load way.
void LoadRows(TForm1& form, wire::RecordId grid);

// The editor tables of the Starter Configuration page (starter record rows 1..30) and of the
// External Modules page (external module record rows 1..8), each in the order a read loads them.
std::span<const EditorSpec> StarterEditors();
std::span<const EditorSpec> ExtModuleEditors();

// The row of a control in any of the tables, or nullptr when it is no table editor.
const EditorSpec* FindEditor(TForm1& form, const TControl& control);

// Item texts of a list.
std::vector<std::string> ItemTexts(Items list);

// The generic code the pages share: an editor built as its row says (no handler runs), and the
// editors of a table loaded from the received column of their grids by their load way.
void SetUpEditor(TForm1& form, const EditorSpec& e);
void LoadEditors(TForm1& form, std::span<const EditorSpec> table);

// The control bytes: their field of TForm1 and their row of the settings grid.
struct ControlByte {
  uint8_t TForm1::*Field;
  int Row;
  const char* Caption;
};
std::span<const ControlByte> ControlBytes();

// The messages of the exit checks.
inline constexpr const char* kDigitsMessage = "Please enter only digits !";

// The characters that frame the protocol's messages; no text field may hold them.
bool IsFramingChar(char c);
// Key filter of the text fields: drops the framing characters.
void FramingKeyFilter(char& Key);

}  // namespace editors::settings

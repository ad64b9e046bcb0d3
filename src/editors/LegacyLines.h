#pragma once
// The older settings file form: exactly 153 lines of one number each, no header and no labels.
// Line k belongs to entry k of Lines(): the settings file reader loads it into that editor, and
// the settings check compares it with that editor; lines 16 to 19 hold the four control bytes.
#include <cstdint>
#include <span>

#include "main/ControlOf.h"

class TControl;
class TForm1;

namespace editors::legacy {

inline constexpr int kLineCount = 153;
// A file of the form is refused unread above this size: 153 lines of even 100 characters stay
// below it.
inline constexpr uintmax_t kMaxFileBytes = 16 * 1024;
// The voltage selection, written as an item of the 11-item list the older relays had.
inline constexpr int kVoltageLine = 5;

using Handler = void (TForm1::*)();

struct LegacyLine {
  const char* Name;   // how the check and the reader's log name the value
  ControlOf Control;  // nullptr for a control byte
  Handler Changed;    // the editor's change or click handler
  int Byte;           // control byte 0..3 (A..D); -1 for an editor
};

std::span<const LegacyLine> Lines();

}  // namespace editors::legacy

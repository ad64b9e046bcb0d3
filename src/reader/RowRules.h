#pragma once
// The row rules of the settings file reader: how a value is found by its label within a section,
// cut out of its line, checked, defaulted and logged, and how its editor is set. Every row is a
// RowSpec; ReadRow walks one. Rows that need more than the rules (the CT ratio, the voltage
// selection) use the pieces below.
//
// Every outcome sets the editor and then calls its handler, even where setting the editor already
// ran it: the handlers give the same result when run twice.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "main/ControlOf.h"
#include "platform/rtl/StringList.h"

class TControl;
class TForm1;

namespace reader {

// One run over a loaded file: its lines, the log and the range of the section being read.
struct ReadContext {
  TForm1& form;
  const TStringList& lines;
  TStringList& log;
  int logged = 0;             // lines this run added to the log
  int from = 0, to = 0;       // section range: lines from..to-1
  std::string revision = {};  // the file's two relay revision characters, as they stand (trimmed)
  bool extended = false;      // the file's relay revision is an extended one

  int Count() const { return lines.Count(); }
  // "" for an index outside the file.
  std::string Line(int i) const { return lines.Get(i); }
  void Log(const std::string& line);
};

enum class RowKind : uint8_t {
  Number,  // unsigned digits, 1 to L, within the limits
  Signed,  // as Number, with an optional leading "-"
  Step50,  // as Number, then rounded down to a multiple of 50 with the step message
  Word,    // one of the row's words (trimmed, upper-cased), 1 to L characters
  Signal,  // as Word, for a signal name; the log shows the name as written (trimmed), not
           // upper-cased
};

using Handler = void (TForm1::*)();

struct RowSpec {
  std::string_view label;
  std::string_view rightLabel;  // the cut ends where it starts on the same line; empty: none
  int cutWidth;                 // > 0: only the first so many characters after the label
  RowKind kind;
  int maxLength;     // L (numbers) or N (words)
  bool constLimits;  // true: lo..hi below; false: the spin edit's own limits
  int lo, hi;
  std::span<const std::string_view> words;  // Word rows; check box: unchecked, checked
  ControlOf control;
  Handler handler;
  int defaultValue;         // number, or item / check state (0, 1)
  int number;               // the input number of the row's name, 0 for none
  const char* outOfRange;   // numbers: 0 value text, 1 default, 2 number; words: 0 text, 1 number
  const char* notFound;     // numbers: 0 default, 1 number; words: 0 number
  const char* stepMessage;  // 0 value text, 1 rounded value, 2 number
  bool siteMode = false;    // looked for only in site mode
  int minTrimmed = 0;       // table rows: the least trimmed length of the line
  int skip = 0;             // characters passed over after the label before the cut
  std::string_view letter = {};  // a further text argument after the others (timer "A", ...)
  std::string (*shape)(const std::string& cut) = nullptr;  // reworks the cut before the check
  bool numberFirst = false;  // the row's number leads every message's placeholders
  bool keepsText = false;    // an edit takes an accepted value's text as the file has it
};

// The line and the label's 0-based position, or nothing.
struct RowLine {
  std::string text;
  size_t pos;
};

// The first line of the section range that holds the label (table rows: when that line is long
// enough), or nothing; a site-mode row outside site mode is never found.
std::optional<RowLine> FindRow(const ReadContext& ctx, const RowSpec& row);

// The text after the label (and its skip): up to the right-hand label when it is on the line, the
// first cutWidth characters, or the rest of the line.
std::string CutValue(const RowLine& line, const RowSpec& row);

// Trims characters up to blank and upper-cases a to z only.
std::string TrimUpper(std::string_view s);

// Every character but the digits (and "-" when signed) as a blank, then trimmed.
std::string NumberText(std::string_view cut, bool keepMinus);

// Digits only (signed: an optional leading "-" and at least one digit), 1 to maxLength long.
bool NumberTextValid(const std::string& text, int maxLength, bool allowMinus);

// Puts a value into the row's editor (spin value, edit text, item index, check state) and calls
// the row's handler.
void SetTarget(ReadContext& ctx, const RowSpec& row, int value, const std::string* text = nullptr);

// The row's messages, formatted as the row's kind says; the letter, when the row has one, is the
// last argument.
void LogOutOfRange(ReadContext& ctx, const RowSpec& row, const std::string& text);
void LogNotFound(ReadContext& ctx, const RowSpec& row);

// Reads one row by the rules.
void ReadRow(ReadContext& ctx, const RowSpec& row);
void ReadRows(ReadContext& ctx, std::span<const RowSpec> rows);

// Every row of the Settings, logic and starter sections, for the defaults that other readers
// share with the report form.
using RowVisitor = std::function<void(const RowSpec&)>;
void VisitSettingsRows(const RowVisitor& visit);  // SettingsRows.cpp
void VisitLogicRows(const RowVisitor& visit);     // LogicRows.cpp
void VisitStarterRows(const RowVisitor& visit);   // StarterRows.cpp

// The default of the report form's row that reads the editor, or nothing when no row does.
std::optional<int> RowDefault(TForm1& form, const TControl& editor);

}  // namespace reader

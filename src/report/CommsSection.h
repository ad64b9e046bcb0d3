#pragma once
// The "Communication Module" section of the settings report. Its layout follows the relay
// revision: extended relays get a 71-column table read from the controls of the Communication
// Module page, older ones a 46-column table read from the comms record's send column. Each module
// type is a list of rows here; the writer composes them and the reader (reader/CommsRows.cpp)
// walks the same lists, so labels, editors, defaults and messages are written once.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "main/ControlOf.h"
#include "platform/rtl/StringList.h"

class TControl;
class TForm1;

namespace report {

using Handler = void (TForm1::*)();

inline constexpr int kValueColumn = 23;
inline constexpr int kExtendedBar = 72;  // "|" closing an extended row
inline constexpr int kShortBar = 47;     // "|" closing a short row
inline constexpr int kByteDigits = 3, kWordDigits = 5;

inline constexpr std::string_view kTypeLabel = "| Comms Type       |";

// The module types, by item of the page's type box; the short layout knows the first four.
// clang-format off
inline constexpr std::array<std::string_view, 7> kTypeTexts = {
    "None        ", "Profibus-DP ", "Modbus-RTU  ", "CANbus      ", "PROFINET    ", "Modbus/TCP  ", "EtherNet/IP "};
inline constexpr int kShortTypeCount = 4;

// The sub-header lines of the extended table: the name, 50 blanks, "|".
inline constexpr std::string_view kStatisticHeader =
    "| Comms Statistic  |                                                  |";
inline constexpr std::string_view kBits0Header =
    "| Config Bits 0    |                                                  |";
inline constexpr std::string_view kBits1Header =
    "| Config Bits 1    |                                                  |";
inline constexpr std::string_view kWordsHeader =
    "| Config Words     |                                                  |";

// How an extended row shows its control.
enum class Show : uint8_t {
  Type,       // the type row: the type's text
  Heading,    // a whole sub-header line (the label)
  Spin,       // a spin edit's value in `digits` digits (byte or word)
  Text,       // the control's text as it stands
  Trimmed,    // the control's text without surrounding blanks
  Number,     // a status box as a number in `digits` digits; 0 when it holds none
  ItemText,   // the selected item's text, trimmed; empty with none selected
  Choice,     // the row's word for the combo's item; the first word for any other
  Name,       // a device or host name edit
  Address,    // four spin edits as a dotted address, leftmost first
  Registers,  // the three configurable register tables
};
// clang-format on

struct CommsRow {
  std::string_view label;
  Show show;
  ControlOf control = nullptr;  // Address: the leftmost of the four
  int digits = 0;               // Spin, Number: 3 or 5; the reader's digits and kept characters
  std::string_view unit = {};   // one blank after the value
  std::span<const std::string_view> words = {};
  // The reader's side: what a bad or missing value gives and logs.
  int defaultValue = 0;
  const char* bad = nullptr;
  const char* missing = nullptr;
  ControlOf twin = nullptr;   // CANbus: the older module's editor that takes the same value
  Handler handler = nullptr;  // called after the row has set its editors
  bool narrow = false;        // a CANbus parameter row: 25 characters read, lines of 46 or more
  std::array<ControlOf, 3> rest = {};  // Address: the other three spin edits, left to right
};

// The rows of a module type in the extended layout, its type row first; empty for no type.
std::span<const CommsRow> ExtendedRows(int type);

// The register tables: their sub-header, the label of row NN, their grid cells.
struct RegisterTable {
  std::string_view header;
  const char* rowLabel;  // a format with the row number: "| Bit %0:0.2d           |"
  int rows;
  int column, firstRow;  // grid cells: column, row of row 00
  bool words;            // the word grid, else the bit grid
  const char* missing;   // the table's sub-header is not there
  const char* rowMissing;
};
std::span<const RegisterTable> RegisterTables();

// How a short row shows the record's bytes B0 to B9.
enum class ShortShow : uint8_t {
  Low7,    // B[byte] AND 127 in 3 digits
  Byte,    // B[byte] in 3 digits
  Bit7,    // the second word when bit 7 of B[byte] is set, else the first
  Choice,  // the word B[byte] names; the first for any other
  Pair,    // B[byte] + 256 B[byte + 1] in 5 digits
};

struct ShortRow {
  std::string_view label;
  ShortShow show;
  int byte;
  std::span<const std::string_view> words = {};
  // The reader's side, through the row rules.
  ControlOf control = nullptr;
  Handler handler = nullptr;
  int defaultValue = 0;
  const char* bad = nullptr;
  const char* missing = nullptr;
};

// The rows of a protocol of the older module (1 to 3) after its type row; empty for any other.
std::span<const ShortRow> ShortRows(int protocol);

// The value of a status box as the section writes it: its number cut to the low 8 bits (3 digits)
// or 16 bits (5 digits), zero-padded; a text that is no whole number counts as 0, so that a box
// the relay or a file left odd never stops a save or a print.
std::string StatusNumber(const std::string& text, int digits);

}  // namespace report

void ComposeCommsModuleRows(TStringList& out);

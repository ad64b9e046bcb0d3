#pragma once
// Signal-name tables. The relay's logic, relay and starter functions take their inputs from
// numbered signals; the report writes the names and the reader turns them back into codes. A
// code is the index of its name in its table, and also the item index of the name in the signal
// combo boxes, whose items are the same names in the same order.
//
//   table 01: inputs of the logic functions, timers, counters, latch, pulse generator, relays
//   table 02: the two control selector inputs
//   table 03: emergency stop, external reset, feedback and starter inputs
#include <span>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kSignalNameWidth = 16;  // every entry is blank-padded to this length
inline constexpr int kTable01Count = 131;
inline constexpr int kTable02Count = 33;
inline constexpr int kTable03Count = 60;

// The 16-character entry of a code. The code is taken as one byte (its low 8 bits, as the
// callers pass a byte); a code beyond the table gives entry 0, "Zero ('0')" padded. Never fails.
std::string GetTable01Str(int code);
std::string GetTable02Str(int code);
std::string GetTable03Str(int code);

// The code of a name, or -1 when the table does not hold it. Both sides are compared trimmed of
// every leading and trailing character with code 32 or below and with a to z upper-cased.
int GetTable01Num(const std::string& name);
int GetTable02Num(const std::string& name);
int GetTable03Num(const std::string& name);

// The names of table 1, 2 or 3 without their padding, in code order; any other number: none.
std::span<const std::string_view> SignalNameTable(int table);

// The items of a signal combo box for table 1, 2 or 3: the names without their padding, in code
// order. Any other table number gives an empty list.
std::vector<std::string> SignalComboItems(int table);

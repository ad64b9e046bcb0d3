#pragma once
// Small number and text helpers of the relay protocol: fixed-width zero-padded fields, strict
// decimal reading, bounds-checked cutting of answers, rounding and the revision tests.
#include <cstdint>
#include <string>

namespace wire {

// A decimal number with at least `width` digits, zero-padded; a negative number gets its minus
// sign before the digits (-30 in width 3 is "-030"). A number needing more digits gets them.
std::string PadNum(long long value, int width);

// Plain decimal text, no padding.
inline std::string DecStr(long long value) { return std::to_string(value); }

// Reads the whole text as a decimal integer: an optional leading "-" and 1 to 18 digits, nothing
// else. False (and `out` untouched) for anything else.
bool ParseDecimal(const std::string& text, long long& out);

// The characters at 1-based position `pos`, `width` long; shorter (or empty) where the text ends.
std::string Mid(const std::string& s, int pos, int width);

// True when every character at 1-based positions from..to exists and is a digit "0" to "9".
bool DigitsAt(const std::string& s, int from, int to);

// The number of the digits at 1-based positions pos..pos+width-1 (callers check them first);
// 0 where the text ends.
long long NumberAt(const std::string& s, int pos, int width);

// Nearest integer, halves to the even neighbour.
long long RoundHalfEven(long double v);

// Ordinal, case-sensitive comparison of revision texts ("Rev 4e").
bool IsExtendedRevision(const std::string& rev);
bool BluetoothAvailable(const std::string& rev);

}  // namespace wire

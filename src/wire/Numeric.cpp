#include "wire/Numeric.h"

#include <cmath>

namespace wire {

std::string PadNum(long long value, int width) {
  bool neg = value < 0;
  // Negating the most negative value overflows; no field ever holds it, but stay defined.
  unsigned long long mag =
      neg ? 0ull - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  std::string digits = std::to_string(mag);
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
  return neg ? "-" + digits : digits;
}

bool ParseDecimal(const std::string& text, long long& out) {
  size_t i = 0;
  bool neg = false;
  if (i < text.size() && text[i] == '-') {
    neg = true;
    ++i;
  }
  size_t digits = text.size() - i;
  if (digits == 0 || digits > 18) return false;
  long long v = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  out = neg ? -v : v;
  return true;
}

std::string Mid(const std::string& s, int pos, int width) {
  if (pos < 1 || width <= 0 || static_cast<size_t>(pos) > s.size()) return std::string();
  return s.substr(static_cast<size_t>(pos - 1), static_cast<size_t>(width));
}

bool DigitsAt(const std::string& s, int from, int to) {
  if (from < 1 || to > static_cast<int>(s.size())) return false;
  for (int p = from; p <= to; ++p) {
    char c = s[static_cast<size_t>(p - 1)];
    if (c < '0' || c > '9') return false;
  }
  return true;
}

long long NumberAt(const std::string& s, int pos, int width) {
  long long v = 0;
  for (int p = pos; p < pos + width; ++p) {
    if (p < 1 || p > static_cast<int>(s.size())) break;
    char c = s[static_cast<size_t>(p - 1)];
    if (c < '0' || c > '9') break;
    v = v * 10 + (c - '0');
  }
  return v;
}

long long RoundHalfEven(long double v) {
  long double fl = std::floor(v);
  long double diff = v - fl;
  long long base = static_cast<long long>(fl);
  if (diff > 0.5L) return base + 1;
  if (diff < 0.5L) return base;
  return (base % 2 == 0) ? base : base + 1;
}

bool IsExtendedRevision(const std::string& rev) { return rev >= "Rev 4e" && rev != "Rev 00"; }

bool BluetoothAvailable(const std::string& rev) { return rev >= "Rev 3a" && rev != "Rev 00"; }

}  // namespace wire

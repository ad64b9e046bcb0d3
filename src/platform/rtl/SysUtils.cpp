#include "platform/rtl/SysUtils.h"

#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <climits>
#include <cmath>

#include "platform/rtl/FloatText.h"
#include "platform/rtl/Paths.h"

TFormatSettings FormatSettings;

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool ParseInt(const std::string& s, int& out) {
  size_t i = 0;
  const size_t n = s.size();
  while (i < n && s[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  bool hex = false;
  if (i < n && s[i] == '$') {
    hex = true;
    ++i;
  } else if (i + 1 < n && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= n) return false;
  unsigned long long value = 0;
  for (; i < n; ++i) {
    const int digit = hex ? HexValue(s[i]) : (s[i] >= '0' && s[i] <= '9' ? s[i] - '0' : -1);
    if (digit < 0) return false;
    value = value * (hex ? 16 : 10) + digit;
    if (value > 0xFFFFFFFFull) return false;
  }
  if (hex) {
    // Hex gives the 32-bit pattern: $FFFFFFFF is -1.
    int v = static_cast<int>(static_cast<unsigned>(value));
    out = negative ? static_cast<int>(0u - static_cast<unsigned>(v)) : v;
    return true;
  }
  if (negative ? value > 2147483648ull : value > 2147483647ull) return false;
  out = negative ? static_cast<int>(-static_cast<long long>(value)) : static_cast<int>(value);
  return true;
}

bool ParseFloat(const std::string& s, long double& out) {
  const char sep = FormatSettings.DecimalSeparator;
  size_t i = 0, n = s.size();
  while (i < n && IsBlank(s[i])) ++i;
  while (n > i && IsBlank(s[n - 1])) --n;
  std::string text;  // normalised to C syntax for from_chars
  bool negative = false;
  if (i < n && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  int mantissaDigits = 0;
  while (i < n && s[i] >= '0' && s[i] <= '9') {
    text += s[i++];
    ++mantissaDigits;
  }
  if (i < n && s[i] == sep) {
    text += '.';
    ++i;
    while (i < n && s[i] >= '0' && s[i] <= '9') {
      text += s[i++];
      ++mantissaDigits;
    }
  }
  if (mantissaDigits == 0) return false;
  if (i < n && (s[i] == 'e' || s[i] == 'E')) {
    text += 'e';
    ++i;
    if (i < n && (s[i] == '+' || s[i] == '-')) text += s[i++];
    int expDigits = 0;
    while (i < n && s[i] >= '0' && s[i] <= '9') {
      text += s[i++];
      ++expDigits;
    }
    if (expDigits == 0) return false;
  }
  if (i != n) return false;
  long double v = 0;
  auto r = std::from_chars(text.data(), text.data() + text.size(), v);
  // Out of range (either way) is refused, like any other unreadable text.
  if (r.ec != std::errc() || r.ptr != text.data() + text.size()) return false;
  out = negative ? -v : v;
  return true;
}

}  // namespace

// ---- integers ----------------------------------------------------------------

std::string IntToStr(long long v) { return std::to_string(v); }

namespace {
// A text quoted in an error message: a long one (a whole line of a hostile file) only by its
// first 60 characters, so that the box stays short.
std::string Quoted(const std::string& s) {
  constexpr size_t kShown = 60;
  return "'" + (s.size() > kShown ? s.substr(0, kShown) + "..." : s) + "'";
}
}  // namespace

long long StrToInt(const std::string& s) {
  int v = 0;
  if (!ParseInt(s, v)) throw EConvertError(Quoted(s) + " is not a valid integer value");
  return v;
}

int StrToIntDef(const std::string& s, int def) {
  int v = 0;
  return ParseInt(s, v) ? v : def;
}

bool TryStrToInt(const std::string& s, int& out) { return ParseInt(s, out); }

std::string IntToHex(long long v, int digits) {
  static const char kHex[] = "0123456789ABCDEF";
  unsigned long long u = static_cast<unsigned long long>(v);
  std::string out;
  do {
    out.insert(out.begin(), kHex[u & 15]);
    u >>= 4;
  } while (u);
  if (digits > static_cast<int>(out.size())) out.insert(0, digits - out.size(), '0');
  return out;
}

// ---- reals -------------------------------------------------------------------

std::string FloatToStr(long double v) {
  return rtl_detail::FormatGeneral(v, 15, FormatSettings.DecimalSeparator);
}

long double StrToFloat(const std::string& s) {
  long double v = 0;
  if (!ParseFloat(s, v)) throw EConvertError(Quoted(s) + " is not a valid floating point value");
  return v;
}

bool TryStrToFloat(const std::string& s, long double& out) { return ParseFloat(s, out); }

namespace {
void CheckIntegerRange(long double v) {
  // 2^63 is exactly representable; everything at or above it does not fit.
  if (!(v > -9223372036854775808.0L - 1 && v < 9223372036854775808.0L))
    throw EInvalidOp("Invalid floating point operation");
}
}  // namespace

long long Round(long double v) {
  long double whole = std::trunc(v);
  const long double rest = v - whole;
  if (rest > 0.5L || (rest == 0.5L && std::fmod(whole, 2.0L) != 0))
    whole += 1;
  else if (rest < -0.5L || (rest == -0.5L && std::fmod(whole, 2.0L) != 0))
    whole -= 1;
  CheckIntegerRange(whole);
  return static_cast<long long>(whole);
}

long long Trunc(long double v) {
  const long double whole = std::trunc(v);
  CheckIntegerRange(whole);
  return static_cast<long long>(whole);
}

// ---- strings -----------------------------------------------------------------

std::string Trim(const std::string& s) { return TrimLeft(TrimRight(s)); }

std::string TrimLeft(const std::string& s) {
  size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  return s.substr(i);
}

std::string TrimRight(const std::string& s) {
  size_t n = s.size();
  while (n > 0 && IsBlank(s[n - 1])) --n;
  return s.substr(0, n);
}

std::string UpperCase(const std::string& s) {
  std::string out = s;
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string LowerCase(const std::string& s) {
  std::string out = s;
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::string Copy(const std::string& s, int index1, int count) {
  const long long len = static_cast<long long>(s.size());
  long long start = static_cast<long long>(index1) - 1;
  if (start < 0) start = 0;
  if (start >= len || count <= 0) return {};
  const long long n = std::min<long long>(count, len - start);
  return s.substr(static_cast<size_t>(start), static_cast<size_t>(n));
}

int Pos(const std::string& sub, const std::string& s) {
  if (sub.empty()) return 0;
  const size_t p = s.find(sub);
  return p == std::string::npos ? 0 : static_cast<int>(p) + 1;
}

std::string StringOfChar(char c, int count) {
  return count > 0 ? std::string(count, c) : std::string();
}

// ---- files -------------------------------------------------------------------

bool FileExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::stat(MapPath(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DeleteFile(const std::string& path) {
  return !path.empty() && ::unlink(MapPath(path).c_str()) == 0;
}

namespace {
size_t LastSeparator(const std::string& path) { return path.find_last_of("/\\"); }
}  // namespace

std::string ExtractFilePath(const std::string& path) {
  const size_t p = LastSeparator(path);
  return p == std::string::npos ? std::string() : path.substr(0, p + 1);
}

std::string ExtractFileName(const std::string& path) {
  const size_t p = LastSeparator(path);
  return p == std::string::npos ? path : path.substr(p + 1);
}

std::string ExtractFileExt(const std::string& path) {
  const size_t dot = path.find_last_of('.');
  const size_t sep = LastSeparator(path);
  if (dot == std::string::npos || (sep != std::string::npos && dot < sep)) return {};
  return path.substr(dot);
}

std::string ChangeFileExt(const std::string& path, const std::string& ext) {
  const std::string old = ExtractFileExt(path);
  return path.substr(0, path.size() - old.size()) + ext;
}

#include <string>
#include <vector>

#include "platform/rtl/FloatText.h"
#include "platform/rtl/SysUtils.h"

namespace {

[[noreturn]] void FormatError(bool missingArgument, const std::string& fmt) {
  // The message quotes at most the first 31 characters of the format.
  const std::string shown = fmt.substr(0, 31);
  if (missingArgument) throw EConvertError("No argument for format '" + shown + "'");
  throw EConvertError("Format '" + shown + "' invalid or incompatible with argument");
}

bool IsInteger(const FmtArg& a) {
  return a.kind() == FmtArg::Kind::Int || a.kind() == FmtArg::Kind::Int64;
}

std::string UnsignedText(unsigned long long u, unsigned base) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out;
  do {
    out.insert(out.begin(), kDigits[u % base]);
    u /= base;
  } while (u);
  return out;
}

// Integer placeholder: the precision is a minimum digit count; the sign goes in
// front of the zero padding.
std::string IntegerText(const FmtArg& a, char type, int prec) {
  const long long v = a.intValue();
  bool negative = false;
  unsigned long long magnitude;
  if (type == 'D' && !a.isUnsigned64()) {
    negative = v < 0;
    magnitude =
        negative ? 0ull - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
  } else if (a.kind() == FmtArg::Kind::Int) {
    // A 32-bit argument shows its own bit pattern under %u and %x.
    magnitude = static_cast<unsigned>(static_cast<int>(v));
  } else {
    magnitude = static_cast<unsigned long long>(v);
  }
  std::string digits = UnsignedText(magnitude, type == 'X' ? 16 : 10);
  if (prec > static_cast<int>(digits.size())) digits.insert(0, prec - digits.size(), '0');
  return negative ? "-" + digits : digits;
}

}  // namespace

std::string Format(const std::string& fmt, std::initializer_list<FmtArg> argList) {
  const std::vector<FmtArg> args(argList);
  const size_t n = fmt.size();
  std::string out;
  size_t next = 0;  // index of the argument an unindexed placeholder takes
  size_t i = 0;

  auto argAt = [&](size_t index) -> const FmtArg& {
    if (index >= args.size()) FormatError(true, fmt);
    return args[index];
  };
  // A number, or "*" meaning the next argument (which must be an integer).
  auto readNumber = [&](int& value) -> bool {
    if (i < n && fmt[i] == '*') {
      ++i;
      const FmtArg& a = argAt(next++);
      if (!IsInteger(a)) FormatError(false, fmt);
      value = static_cast<int>(a.intValue());
      return true;
    }
    if (i >= n || fmt[i] < '0' || fmt[i] > '9') return false;
    long long v = 0;
    while (i < n && fmt[i] >= '0' && fmt[i] <= '9') {
      v = v * 10 + (fmt[i++] - '0');
      if (v > 1000000) FormatError(false, fmt);
    }
    value = static_cast<int>(v);
    return true;
  };

  while (i < n) {
    const char c = fmt[i++];
    if (c != '%') {
      out += c;
      continue;
    }
    if (i < n && fmt[i] == '%') {
      out += '%';
      ++i;
      continue;
    }
    int number = 0;
    bool haveNumber = readNumber(number);
    if (haveNumber && i < n && fmt[i] == ':') {
      ++i;
      if (number < 0) FormatError(false, fmt);
      next = static_cast<size_t>(number);
      haveNumber = false;
    }
    bool leftJustify = false;
    if (i < n && fmt[i] == '-') {
      leftJustify = true;
      ++i;
    }
    int width = 0;
    if (haveNumber)
      width = number;
    else
      readNumber(width);
    if (width < 0) {
      leftJustify = true;
      width = -width;
    }
    int prec = -1;
    if (i < n && fmt[i] == '.') {
      ++i;
      if (!readNumber(prec)) prec = 0;
      if (prec < 0) prec = -1;
    }
    if (i >= n) FormatError(false, fmt);
    char type = fmt[i++];
    if (type >= 'a' && type <= 'z') type = static_cast<char>(type - 'a' + 'A');

    const FmtArg& a = argAt(next++);
    const char sep = FormatSettings.DecimalSeparator;
    std::string text;
    switch (type) {
      case 'D':
      case 'U':
      case 'X':
        if (!IsInteger(a)) FormatError(false, fmt);
        text = IntegerText(a, type, prec);
        break;
      case 'S':
        if (a.kind() != FmtArg::Kind::String) FormatError(false, fmt);
        text = a.stringValue();
        if (prec >= 0 && static_cast<int>(text.size()) > prec) text.resize(prec);
        break;
      case 'F':
      case 'N':
        if (a.kind() != FmtArg::Kind::Float) FormatError(false, fmt);
        text = rtl_detail::FormatFixed(a.floatValue(), prec < 0 ? 2 : prec, sep,
                                       type == 'N' ? FormatSettings.ThousandSeparator : 0);
        break;
      case 'E':
        if (a.kind() != FmtArg::Kind::Float) FormatError(false, fmt);
        text = rtl_detail::FormatExponent(a.floatValue(), prec < 0 ? 15 : prec, sep);
        break;
      case 'G':
        if (a.kind() != FmtArg::Kind::Float) FormatError(false, fmt);
        text = rtl_detail::FormatGeneral(a.floatValue(), prec < 0 ? 15 : prec, sep);
        break;
      default:
        FormatError(false, fmt);
    }
    if (static_cast<int>(text.size()) < width) {
      const std::string pad(width - text.size(), ' ');
      text = leftJustify ? text + pad : pad + text;
    }
    out += text;
  }
  return out;
}

#include "platform/rtl/FloatText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace rtl_detail {
namespace {

constexpr int kMaxDigits = 18;

// value = 0.<digits> x 10^exponent; digits has no trailing zeros, empty for zero.
struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

// Keeps at most `precision` significant digits and at most `decimals` digits
// after the point.
Decimal ToDecimal(long double v, int precision, int decimals) {
  Decimal d;
  if (v == 0) return d;
  d.negative = v < 0;
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific,
                         kMaxDigits - 1);
  std::string text(buf, r.ptr);
  const auto e = text.find('e');
  std::string digits;
  for (size_t i = 0; i < e; ++i)
    if (text[i] != '.') digits += text[i];
  d.exponent = std::atoi(text.c_str() + e + 1) + 1;

  long keep = std::min<long>(precision, static_cast<long>(d.exponent) + decimals);
  if (keep < 0) {
    digits.clear();
  } else if (keep < static_cast<long>(digits.size())) {
    const bool up = digits[keep] >= '5';
    digits.resize(keep);
    if (up) {
      long i = keep - 1;
      while (i >= 0 && digits[i] == '9') digits[i--] = '0';
      if (i >= 0) {
        ++digits[i];
      } else {
        digits.insert(digits.begin(), '1');
        ++d.exponent;
      }
    }
  }
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  if (digits.empty()) {
    d.negative = false;
    d.exponent = 0;
  }
  d.digits = digits;
  return d;
}

bool NonFinite(long double v, std::string& out) {
  if (std::isnan(v)) {
    out = "NAN";
    return true;
  }
  if (std::isinf(v)) {
    out = v < 0 ? "-INF" : "INF";
    return true;
  }
  return false;
}

// Integer part and fraction of a decimal, fraction padded to `minFrac` digits.
std::string Fixed(const Decimal& d, int minFrac, char sep, char thousands) {
  std::string intPart, frac;
  const int n = static_cast<int>(d.digits.size());
  if (d.exponent <= 0) {
    intPart = "0";
    frac = std::string(-d.exponent, '0') + d.digits;
  } else if (d.exponent >= n) {
    intPart = d.digits + std::string(d.exponent - n, '0');
  } else {
    intPart = d.digits.substr(0, d.exponent);
    frac = d.digits.substr(d.exponent);
  }
  if (intPart.empty()) intPart = "0";
  if (static_cast<int>(frac.size()) < minFrac) frac.append(minFrac - frac.size(), '0');
  if (thousands) {
    std::string grouped;
    const int len = static_cast<int>(intPart.size());
    for (int i = 0; i < len; ++i) {
      if (i > 0 && (len - i) % 3 == 0) grouped += thousands;
      grouped += intPart[i];
    }
    intPart = grouped;
  }
  std::string out = d.negative ? "-" : "";
  out += intPart;
  if (!frac.empty()) out += sep + frac;
  return out;
}

}  // namespace

std::string FormatGeneral(long double v, int precision, char sep) {
  std::string text;
  if (NonFinite(v, text)) return text;
  if (precision < 1 || precision > kMaxDigits) precision = 15;
  const Decimal d = ToDecimal(v, precision, 9999);
  if (d.digits.empty()) return "0";
  if (d.exponent > precision || d.exponent < -4) {
    std::string out = d.negative ? "-" : "";
    out += d.digits[0];
    if (d.digits.size() > 1) out += sep + d.digits.substr(1);
    out += 'E' + std::to_string(d.exponent - 1);
    return out;
  }
  return Fixed(d, 0, sep, 0);
}

std::string FormatFixed(long double v, int decimals, char sep, char thousands) {
  std::string text;
  if (NonFinite(v, text)) return text;
  if (decimals < 0) decimals = 0;
  if (decimals > kMaxDigits) decimals = kMaxDigits;
  const Decimal d = ToDecimal(v, kMaxDigits, decimals);
  return Fixed(d, decimals, sep, thousands);
}

std::string FormatExponent(long double v, int precision, char sep) {
  std::string text;
  if (NonFinite(v, text)) return text;
  if (precision < 1 || precision > kMaxDigits) precision = 15;
  const Decimal d = ToDecimal(v, precision, 9999);
  std::string digits = d.digits.empty() ? std::string("0") : d.digits;
  digits.resize(precision, '0');
  const int exp10 = d.digits.empty() ? 0 : d.exponent - 1;
  std::string out = d.negative ? "-" : "";
  out += digits[0];
  if (precision > 1) out += sep + digits.substr(1);
  std::string e = std::to_string(std::abs(exp10));
  if (e.size() < 3) e.insert(0, 3 - e.size(), '0');
  out += std::string("E") + (exp10 < 0 ? '-' : '+') + e;
  return out;
}

}  // namespace rtl_detail

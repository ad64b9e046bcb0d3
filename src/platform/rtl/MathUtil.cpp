#include "platform/rtl/MathUtil.h"

#include <cmath>

#include "platform/rtl/Exceptions.h"

namespace {
const char* const kInvalidOp = "Invalid floating point operation";
}

long double SafeDiv(long double a, long double b) {
  if (b == 0) {
    if (a == 0 || std::isnan(a)) throw EInvalidOp(kInvalidOp);
    throw EZeroDivide("Floating point division by zero");
  }
  return a / b;
}

long double SafeLn(long double x) {
  if (!(x > 0)) throw EInvalidOp(kInvalidOp);
  return std::log(x);
}

long double SafeLog10(long double x) {
  if (!(x > 0)) throw EInvalidOp(kInvalidOp);
  return std::log10(x);
}

long double Sqrt(long double x) {
  if (!(x >= 0)) throw EInvalidOp(kInvalidOp);
  return std::sqrt(x);
}

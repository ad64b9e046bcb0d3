// Internal: decimal layout of reals shared by FloatToStr and Format.
#pragma once

#include <string>

namespace rtl_detail {

// Real to text the way the original runtime did it: 18 significant digits
// first, then rounded half away from zero to the requested digits.
std::string FormatGeneral(long double v, int precision, char sep);  // FloatToStr, %g
std::string FormatFixed(long double v, int decimals, char sep,
                        char thousands);                             // %f, %n (thousands 0: none)
std::string FormatExponent(long double v, int precision, char sep);  // %e: d.ddddE+ddd

}  // namespace rtl_detail

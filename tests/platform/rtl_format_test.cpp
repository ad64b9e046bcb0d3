#include <gtest/gtest.h>

#include "platform/rtl/SysUtils.h"

namespace {

struct FormatCase {
  const char* fmt;
  std::initializer_list<FmtArg> args;
  const char* expected;
};

TEST(RtlFormat, PlaceholdersGiveTheClassicText) {
  // clang-format off
    const FormatCase cases[] = {
        {"%0:0.3d", {-30}, "-030"},
        {"%0:0.3d", {7}, "007"},
        {"%0:0.3d", {1234}, "1234"},
        {"%.5d", {42}, "00042"},
        {"%0:0.5d", {-42}, "-00042"},
        {"%0:0.8d", {12345LL}, "00012345"},
        {"%0:0.3u", {5}, "005"},
        {"%u", {-1}, "4294967295"},
        {"%0:0.3d.%1:0.3d.%2:0.3d.%3:0.3d", {192, 168, 1, 10}, "192.168.001.010"},
        {"Counter %1:s count down input out of range %0:s setting", {"X1", "3"},
         "Counter 3 count down input out of range X1 setting"},
        {"%1:s %s %0:s", {"a", "b", "c"}, "b c a"},  // an index moves the running position
        {"%5d|%-5d|", {42, 42}, "   42|42   |"},
        {"%6.3d", {-5}, "  -005"},
        {"%s%%", {"50"}, "50%"},
        {"%%d", {}, "%d"},
        {"%x %.4x %X", {255, 10, -1}, "FF 000A FFFFFFFF"},
        {"%.2s|%-4s|%4s", {"abcdef", "ab", "ab"}, "ab|ab  |  ab"},
        {"%*d|%.*d", {4, 7, 3, 7}, "   7|007"},
        {"%f", {1.0 / 3}, "0.33"},
        {"%.1f", {2.25}, "2.3"},  // exact halves round away from zero
        {"%.0f", {-0.4}, "0"},
        {"%.3f", {1234.5}, "1234.500"},
        {"%8.2f", {-3.14159}, "   -3.14"},
        {"%n", {1234567.891}, "1,234,567.89"},
        {"%e", {1.5}, "1.50000000000000E+000"},
        {"%.3e", {-0.000123456}, "-1.23E-004"},
        {"%g", {0.1}, "0.1"},
        {"%g", {1e20}, "1E20"},
        {"%s", {std::string("\x80\xFF")}, "\x80\xFF"},
        {"%d %s", {static_cast<unsigned char>(200), 'A'}, "200 A"},
        {"%d", {-9223372036854775807LL - 1}, "-9223372036854775808"},
        {"%d", {18446744073709551615ULL}, "18446744073709551615"},
        {"plain", {}, "plain"},
        {"", {}, ""},
    };
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(Format(c.fmt, c.args), c.expected) << "format " << c.fmt;
}

TEST(RtlFormat, WrongOrMissingArgumentThrowsConvertError) {
  // clang-format off
    const FormatCase cases[] = {
        {"%d", {"text"}, "Format '%d' invalid or incompatible with argument"},
        {"%s", {5}, "Format '%s' invalid or incompatible with argument"},
        {"%d", {'5'}, "Format '%d' invalid or incompatible with argument"},
        {"%f", {5}, "Format '%f' invalid or incompatible with argument"},
        {"%d", {2.5}, "Format '%d' invalid or incompatible with argument"},
        {"%q", {5}, "Format '%q' invalid or incompatible with argument"},
        {"abc %0:0.3", {5}, "Format 'abc %0:0.3' invalid or incompatible with argument"},
        {"%d %d", {5}, "No argument for format '%d %d'"},
        {"%3:s", {"a"}, "No argument for format '%3:s'"},
        {"%*d", {"w", 5}, "Format '%*d' invalid or incompatible with argument"},
        {"%0:0.3d and a very long tail text %s", {1},
         "No argument for format '%0:0.3d and a very long tail te'"},  // quoted format cut to 31
    };
  // clang-format on
  for (const auto& c : cases) {
    try {
      Format(c.fmt, c.args);
      ADD_FAILURE() << "no error for " << c.fmt;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), c.expected);
    }
  }
}

TEST(RtlFormat, FixedUsesProgramDecimalSeparator) {
  const TFormatSettings saved = FormatSettings;
  FormatSettings.DecimalSeparator = ',';
  EXPECT_EQ(Format("%.1f", {12.34}), "12,3");
  FormatSettings = saved;
}

}  // namespace

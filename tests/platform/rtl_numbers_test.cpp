#include <gtest/gtest.h>

#include <limits>

#include "platform/rtl/SysUtils.h"

namespace {

TEST(RtlNumbers, StrToIntAcceptsIntegersOnly) {
  struct Case {
    const char* text;
    bool ok;
    int value;
  };
  // clang-format off
    const Case cases[] = {
        {"0", true, 0},
        {"123", true, 123},
        {"-45", true, -45},
        {"+7", true, 7},
        {"  12", true, 12},
        {"007", true, 7},
        {"$1F", true, 31},
        {"0x10", true, 16},
        {"-$10", true, -16},
        {"$FFFFFFFF", true, -1},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"99999999999999999999", false, 0},
        {"", false, 0},
        {" ", false, 0},
        {"-", false, 0},
        {"12 ", false, 0},
        {"1.5", false, 0},
        {"1e3", false, 0},
        {"abc", false, 0},
        {"$", false, 0},
        {"$G", false, 0},
        {"\t5", false, 0},
    };
  // clang-format on
  for (const auto& c : cases) {
    int v = -99;
    EXPECT_EQ(TryStrToInt(c.text, v), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(v, c.value) << c.text;
      EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
    } else {
      EXPECT_EQ(StrToIntDef(c.text, -7), -7) << c.text;
      try {
        StrToInt(c.text);
        ADD_FAILURE() << "no error for " << c.text;
      } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'" + std::string(c.text) + "' is not a valid integer value");
      }
    }
  }
}

TEST(RtlNumbers, StrToFloatUsesProgramSeparator) {
  struct Case {
    char sep;
    const char* text;
    bool ok;
    long double value;
  };
  // clang-format off
    const Case cases[] = {
        {'.', "0.1", true, 0.1L},
        {'.', " -2.5 ", true, -2.5L},
        {'.', "1e3", true, 1000},
        {'.', "1.5E-2", true, 0.015L},
        {'.', ".5", true, 0.5L},
        {'.', "5.", true, 5},
        {'.', "+3", true, 3},
        {'.', "1,5", false, 0},
        {',', "1,5", true, 1.5L},
        {',', "1.5", false, 0},
        {'.', "", false, 0},
        {'.', ".", false, 0},
        {'.', "1e", false, 0},
        {'.', "1e+", false, 0},
        {'.', "inf", false, 0},
        {'.', "nan", false, 0},
        {'.', "1e99999", false, 0},
        {'.', "12abc", false, 0},
    };
  // clang-format on
  const TFormatSettings saved = FormatSettings;
  for (const auto& c : cases) {
    FormatSettings.DecimalSeparator = c.sep;
    long double v = 0;
    EXPECT_EQ(TryStrToFloat(c.text, v), c.ok) << c.text << " with " << c.sep;
    if (c.ok) {
      EXPECT_NEAR(static_cast<double>(v), static_cast<double>(c.value), 1e-15) << c.text;
    }
  }
  FormatSettings = saved;
  try {
    StrToFloat("x1");
    ADD_FAILURE();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'x1' is not a valid floating point value");
  }
}

// A long text (a whole line of a hostile file) is quoted by its first 60 characters only, so that
// the error box stays short; a text of 60 is quoted whole.
TEST(RtlNumbers, ConversionErrorsQuoteAShortExcerpt) {
  const std::string sixty = "z" + std::string(59, '7');
  const std::string longLine = std::string(60, 'x') + std::string(1 << 20, 'y');
  for (const auto& [text, quoted] : {std::pair<std::string, std::string>{sixty, "'" + sixty + "'"},
                                     {longLine, "'" + std::string(60, 'x') + "...'"}}) {
    try {
      StrToInt(text);
      ADD_FAILURE();
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), quoted + " is not a valid integer value");
    }
    try {
      StrToFloat(text);
      ADD_FAILURE();
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), quoted + " is not a valid floating point value");
    }
  }
}

TEST(RtlNumbers, FloatToStrGivesShortestGeneralText) {
  struct Case {
    long double value;
    const char* text;
  };
  // clang-format off
    const Case cases[] = {
        {0, "0"},
        {-0.0L, "0"},
        {0.1, "0.1"},  // a double's binary error stays below 15 digits
        {0.1L, "0.1"},
        {123.456, "123.456"},
        {-0.5, "-0.5"},
        {1.0L / 3, "0.333333333333333"},
        {2.0L / 3, "0.666666666666667"},
        {100, "100"},
        {1e14, "100000000000000"},
        {1e15, "1E15"},
        {123456789012345678.0L, "1.23456789012346E17"},
        {0.00001L, "0.00001"},
        {0.000001L, "1E-6"},
        {-1.5e-7L, "-1.5E-7"},
        {12.3, "12.3"},
        {0.1 + 0.2, "0.3"},
        {999999999999999.9L, "1E15"},
        {std::numeric_limits<long double>::infinity(), "INF"},
        {std::numeric_limits<long double>::quiet_NaN(), "NAN"},
    };
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(FloatToStr(c.value), c.text) << static_cast<double>(c.value);

  const TFormatSettings saved = FormatSettings;
  FormatSettings.DecimalSeparator = ',';
  EXPECT_EQ(FloatToStr(12.5), "12,5");
  FormatSettings = saved;
}

TEST(RtlNumbers, RoundHalvesToEven) {
  struct Case {
    long double value;
    long long rounded;
    long long truncated;
  };
  // clang-format off
    const Case cases[] = {
        {2.5, 2, 2},    {3.5, 4, 3},     {-2.5, -2, -2}, {-3.5, -4, -3}, {0.5, 0, 0},
        {-0.5, 0, 0},   {1.5, 2, 1},     {2.4999, 2, 2}, {2.5001, 3, 2}, {-2.6, -3, -2},
        {0, 0, 0},      {1e15 + 0.5L, 1000000000000000LL, 1000000000000000LL},
        {12.5L * 1.0L, 12, 12},
    };
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(Round(c.value), c.rounded) << static_cast<double>(c.value);
    EXPECT_EQ(Trunc(c.value), c.truncated) << static_cast<double>(c.value);
  }
  EXPECT_THROW(Round(1e30L), EInvalidOp);
  EXPECT_THROW(Round(std::numeric_limits<long double>::quiet_NaN()), EInvalidOp);
  EXPECT_THROW(Trunc(-1e30L), EInvalidOp);
}

TEST(RtlNumbers, CheckedMathRaisesWhereTheFpuDid) {
  EXPECT_EQ(SafeDiv(1, 4), 0.25L);
  try {
    SafeDiv(1, 0);
    ADD_FAILURE();
  } catch (const EZeroDivide& e) {
    EXPECT_EQ(e.Message(), "Floating point division by zero");
  }
  EXPECT_THROW(SafeDiv(0, 0), EInvalidOp);
  EXPECT_NEAR(static_cast<double>(SafeLn(1)), 0.0, 1e-18);
  EXPECT_NEAR(static_cast<double>(SafeLog10(1000)), 3.0, 1e-15);
  EXPECT_EQ(Sqrt(0), 0);
  for (long double bad : {0.0L, -1.0L, std::numeric_limits<long double>::quiet_NaN()}) {
    EXPECT_THROW(SafeLn(bad), EInvalidOp);
    EXPECT_THROW(SafeLog10(bad), EInvalidOp);
  }
  try {
    Sqrt(-1);
    ADD_FAILURE();
  } catch (const EMathError& e) {
    EXPECT_EQ(e.Message(), "Invalid floating point operation");
  }
}

TEST(RtlStrings, CopyPosTrimBehaveLikeTheClassicRuntime) {
  EXPECT_EQ(Copy("abcdef", 2, 3), "bcd");
  EXPECT_EQ(Copy("abcdef", 0, 2), "ab");
  EXPECT_EQ(Copy("abcdef", -5, 2), "ab");
  EXPECT_EQ(Copy("abcdef", 5, 100), "ef");
  EXPECT_EQ(Copy("abcdef", 7, 1), "");
  EXPECT_EQ(Copy("abcdef", 2, -1), "");
  EXPECT_EQ(Copy("abc", 2, 2147483647), "bc");
  EXPECT_EQ(Copy("", 1, 1), "");

  EXPECT_EQ(Pos("cd", "abcdcd"), 3);
  EXPECT_EQ(Pos("x", "abc"), 0);
  EXPECT_EQ(Pos("", "abc"), 0);

  // Bytes from 0x80 up are characters, not blanks.
  EXPECT_EQ(Trim(" \t\x01 a b\r\n "), "a b");
  EXPECT_EQ(Trim("\xA0x\xE9"), "\xA0x\xE9");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a "), "  a");
  EXPECT_EQ(UpperCase("ab\xE9z1"), "AB\xE9Z1");
  EXPECT_EQ(LowerCase("AB\xC9Z1"), "ab\xC9z1");
  EXPECT_EQ(IntToHex(255, 4), "00FF");
  EXPECT_EQ(IntToHex(0, 0), "0");
  EXPECT_EQ(StringOfChar('-', 3), "---");
  EXPECT_EQ(StringOfChar('-', -1), "");
  EXPECT_EQ(IntToStr(-12), "-12");
}

TEST(RtlStrings, FileNameParts) {
  EXPECT_EQ(ExtractFilePath("c:\\dir\\f.set"), "c:\\dir\\");
  EXPECT_EQ(ExtractFilePath("/home/u/f.set"), "/home/u/");
  EXPECT_EQ(ExtractFileName("/home/u/f.set"), "f.set");
  EXPECT_EQ(ExtractFileName("f.set"), "f.set");
  EXPECT_EQ(ExtractFileExt("/a.b/file"), "");
  EXPECT_EQ(ExtractFileExt("/a/file.tar.gz"), ".gz");
  EXPECT_EQ(ChangeFileExt("/a/file.set", ".xls"), "/a/file.xls");
  EXPECT_EQ(ChangeFileExt("/a.b/file", ".xls"), "/a.b/file.xls");
}

}  // namespace

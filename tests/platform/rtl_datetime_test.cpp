#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "platform/rtl/SysUtils.h"

namespace {

// Restores the program-wide settings and the clock whatever a test changed.
class RtlDateTime : public ::testing::Test {
 protected:
  void TearDown() override {
    FormatSettings = saved_;
    SetNowProvider(nullptr);
  }
  TFormatSettings saved_ = FormatSettings;
};

TEST_F(RtlDateTime, EncodeAndDecodeAgreeAcrossTheRange) {
  struct Case {
    int y, m, d;
    double serial;
  };
  const Case cases[] = {
      {1899, 12, 30, 0},  {1900, 1, 1, 2},    {2000, 2, 29, 36585},    {2024, 5, 17, 45429},
      {1899, 12, 29, -1}, {1, 1, 1, -693593}, {9999, 12, 31, 2958465},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EncodeDate(c.y, c.m, c.d), c.serial) << c.y << "-" << c.m << "-" << c.d;
    unsigned short y, m, d;
    DecodeDate(c.serial, y, m, d);
    EXPECT_EQ(y, c.y);
    EXPECT_EQ(m, c.m);
    EXPECT_EQ(d, c.d);
  }
  TDateTime dt;
  EXPECT_FALSE(TryEncodeDate(2023, 2, 29, dt));
  EXPECT_FALSE(TryEncodeDate(2024, 13, 1, dt));
  EXPECT_FALSE(TryEncodeDate(0, 1, 1, dt));
  EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0, dt));
  EXPECT_FALSE(TryEncodeTime(0, 60, 0, 0, dt));
  EXPECT_FALSE(TryEncodeTime(0, 0, 0, 1000, dt));
  EXPECT_THROW(EncodeDate(1900, 2, 29), EConvertError);
  EXPECT_THROW(EncodeTime(-1, 0, 0, 0), EConvertError);
}

TEST_F(RtlDateTime, DecodeTimeRoundsToTheMillisecond) {
  unsigned short h, n, s, ms;
  DecodeTime(EncodeTime(23, 59, 59, 999), h, n, s, ms);
  EXPECT_EQ((std::array<int, 4>{h, n, s, ms}), (std::array<int, 4>{23, 59, 59, 999}));
  // Just short of midnight rounds into the next day, not to 24:00.
  const TDateTime almost = EncodeDate(2024, 5, 17) + 0.9999999999;
  DecodeTime(almost, h, n, s, ms);
  EXPECT_EQ((std::array<int, 4>{h, n, s, ms}), (std::array<int, 4>{0, 0, 0, 0}));
  unsigned short y, m, d;
  DecodeDate(almost, y, m, d);
  EXPECT_EQ(d, 18);
  // Before 1899-12-30 the fraction still runs forward from midnight.
  DecodeTime(-1.25, h, n, s, ms);
  EXPECT_EQ(h, 6);
  DecodeDate(-1.25, y, m, d);
  EXPECT_EQ((std::array<int, 3>{y, m, d}), (std::array<int, 3>{1899, 12, 29}));
  // Nonsense values decode to zeros rather than wrapping.
  DecodeDate(1e300, y, m, d);
  EXPECT_EQ(y + m + d, 0);
  DecodeDate(std::nan(""), y, m, d);
  EXPECT_EQ(y + m + d, 0);
}

TEST_F(RtlDateTime, FormatDateTimeFollowsTheProgramSettings) {
  const TDateTime dt = EncodeDate(2024, 5, 7) + EncodeTime(14, 5, 9, 42);
  struct Case {
    const char* fmt;
    const char* text;
  };
  // clang-format off
    const Case defaults[] = {
        {"yyyy/mm/dd", "2024/05/07"},
        {"d/m/yy", "7/5/24"},
        {"hh:nn:ss", "14:05:09"},
        {"hh:mm:ss", "14:05:09"},      // mm after hh is minutes
        {"h:m", "14:5"},
        {"mm", "05"},                  // alone it is the month
        {"hh 'at' mm", "14 at 05"},    // a literal between keeps hh's effect
        {"z zzz", "42 042"},
        {"ddd dddd mmm mmmm", "Tue Tuesday May May"},
        {"\"d/m\" d", "d/m 7"},
        {"c", "2024/05/07 14:05:09"},
        {"ddddd", "2024/05/07"},
        {"tt", "14:05:09"},
        {"t", "14:05"},
        {"", "2024/05/07 14:05:09"},
        {"yyyy-x!", "2024-x!"},
    };
  // clang-format on
  for (const auto& c : defaults) EXPECT_EQ(FormatDateTime(c.fmt, dt), c.text) << c.fmt;

  // What the clock page sets for the rest of the run.
  FormatSettings.DateSeparator = '-';
  FormatSettings.TimeSeparator = ':';
  FormatSettings.LongTimeFormat = "hh:mm:ss";
  FormatSettings.ShortDateFormat = "dd/mm/yyyy";
  EXPECT_EQ(DateToStr(dt), "07-05-2024");
  EXPECT_EQ(TimeToStr(dt), "14:05:09");
  EXPECT_EQ(DateTimeToStr(dt), "07-05-2024 14:05:09");
  EXPECT_EQ(FormatDateTime("yyyy/mm/dd", dt), "2024-05-07");
  FormatSettings.TimeSeparator = '.';
  EXPECT_EQ(TimeToStr(dt), "14.05.09");
  // Midnight exactly: "c" leaves the time out.
  EXPECT_EQ(DateTimeToStr(EncodeDate(2024, 5, 7)), "07-05-2024");
  // A format that names itself stops instead of recursing forever.
  FormatSettings.ShortDateFormat = "c";
  EXPECT_EQ(DateToStr(dt), " ");
}

TEST_F(RtlDateTime, NowComesFromTheProviderOrTheClock) {
  const TDateTime fixed = EncodeDate(2024, 1, 2) + EncodeTime(3, 4, 5, 6);
  SetNowProvider([fixed] { return fixed; });
  EXPECT_EQ(Now(), fixed);
  EXPECT_EQ(Date(), EncodeDate(2024, 1, 2));
  EXPECT_NEAR(Time(), EncodeTime(3, 4, 5, 6), 1e-9);
  SetNowProvider(nullptr);
  const TDateTime now = Now();
  EXPECT_GT(now, EncodeDate(2020, 1, 1));
  EXPECT_LT(now, EncodeDate(2200, 1, 1));
}

}  // namespace

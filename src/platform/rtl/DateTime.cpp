#include <chrono>
#include <cmath>
#include <ctime>
#include <mutex>

#include "platform/rtl/SysUtils.h"

namespace {

constexpr long long kMsPerDay = 86400000;
// TDateTime range: 0001-01-01 .. 9999-12-31.
constexpr long long kMinDay = -693593;
constexpr long long kMaxDay = 2958465;

const char* const kShortMonth[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kLongMonth[] = {"January",   "February", "March",    "April",
                                  "May",       "June",     "July",     "August",
                                  "September", "October",  "November", "December"};
const char* const kShortDay[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kLongDay[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                "Thursday", "Friday", "Saturday"};

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& y, int& m, int& d) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

const long long kEpochOffset = DaysFromCivil(1899, 12, 30);  // day 0 of TDateTime

// Calendar day number and milliseconds of the day. For dates before 1899-12-30
// the value is negative and its fraction still counts forward from midnight
// (-1.25 is 1899-12-29 06:00).
bool Split(TDateTime dt, long long& day, long long& ms) {
  if (!std::isfinite(dt) || dt < kMinDay - 1 || dt > kMaxDay + 1) return false;
  const double whole = std::trunc(dt);
  day = static_cast<long long>(whole);
  ms = std::llround(std::fabs(dt - whole) * kMsPerDay);
  if (ms >= kMsPerDay) {
    ++day;
    ms -= kMsPerDay;
  }
  return day >= kMinDay && day <= kMaxDay;
}

std::mutex gNowMutex;
std::function<TDateTime()> gNowProvider;

TDateTime SystemNow() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t t = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  const long long ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
         EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59),
                    static_cast<int>(ms < 0 ? 0 : ms));
}

std::string Number(long long v, int minDigits) {
  std::string s = std::to_string(v);
  if (static_cast<int>(s.size()) < minDigits) s.insert(0, minDigits - s.size(), '0');
  return s;
}

struct Parts {
  unsigned short y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
  int dayOfWeek = 0;  // 0 = Sunday
  bool midnight = true;
};

void AppendFormat(std::string& out, const std::string& fmt, const Parts& p, int depth) {
  // Nested formats (c, ddddd, t, tt inside the settings' own formats) stop at
  // two levels so that a format naming itself cannot recurse forever.
  if (depth >= 2) return;
  const size_t n = fmt.size();
  char lastToken = ' ';
  size_t i = 0;
  while (i < n) {
    const char starter = fmt[i];
    char token = starter >= 'a' && starter <= 'z' ? static_cast<char>(starter - 32) : starter;
    if (token >= 'A' && token <= 'Z') {
      if (token == 'M' && lastToken == 'H') token = 'N';
      lastToken = token;
    }
    auto count = [&]() {
      int c = 0;
      while (i < n && fmt[i] == starter) {
        ++c;
        ++i;
      }
      return c;
    };
    switch (token) {
      case 'Y': {
        const int c = count();
        out += c <= 2 ? Number(p.y % 100, 2) : Number(p.y, 4);
        break;
      }
      case 'M': {
        const int c = count();
        if (c <= 2)
          out += Number(p.mo, c);
        else if (p.mo >= 1 && p.mo <= 12)
          out += c == 3 ? kShortMonth[p.mo - 1] : kLongMonth[p.mo - 1];
        break;
      }
      case 'D': {
        const int c = count();
        if (c <= 2)
          out += Number(p.d, c);
        else if (c == 3)
          out += kShortDay[p.dayOfWeek];
        else if (c == 4)
          out += kLongDay[p.dayOfWeek];
        else
          AppendFormat(out, FormatSettings.ShortDateFormat, p, depth + 1);
        break;
      }
      case 'H':
        out += Number(p.h, std::min(count(), 2));
        break;
      case 'N':
        out += Number(p.mi, std::min(count(), 2));
        break;
      case 'S':
        out += Number(p.s, std::min(count(), 2));
        break;
      case 'Z':
        out += Number(p.ms, std::min(count(), 3));
        break;
      case 'T':
        AppendFormat(out,
                     count() == 1 ? FormatSettings.ShortTimeFormat : FormatSettings.LongTimeFormat,
                     p, depth + 1);
        break;
      case 'C':
        count();
        AppendFormat(out, FormatSettings.ShortDateFormat, p, depth + 1);
        if (!p.midnight) {
          out += ' ';
          AppendFormat(out, FormatSettings.LongTimeFormat, p, depth + 1);
        }
        break;
      case '/':
        ++i;
        if (FormatSettings.DateSeparator) out += FormatSettings.DateSeparator;
        break;
      case ':':
        ++i;
        if (FormatSettings.TimeSeparator) out += FormatSettings.TimeSeparator;
        break;
      case '\'':
      case '"': {
        ++i;
        while (i < n && fmt[i] != starter) out += fmt[i++];
        if (i < n) ++i;
        break;
      }
      default:
        out += starter;
        ++i;
        break;
    }
  }
}

}  // namespace

TDateTime Now() {
  std::function<TDateTime()> provider;
  {
    std::lock_guard<std::mutex> lock(gNowMutex);
    provider = gNowProvider;
  }
  return provider ? provider() : SystemNow();
}

TDateTime Date() { return std::trunc(Now()); }

TDateTime Time() {
  const TDateTime now = Now();
  return std::fabs(now - std::trunc(now));
}

void SetNowProvider(std::function<TDateTime()> provider) {
  std::lock_guard<std::mutex> lock(gNowMutex);
  gNowProvider = std::move(provider);
}

bool TryEncodeDate(int year, int month, int day, TDateTime& out) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month))
    return false;
  out = static_cast<TDateTime>(DaysFromCivil(year, month, day) - kEpochOffset);
  return true;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& out) {
  if (hour < 0 || hour > 23 || min < 0 || min > 59 || sec < 0 || sec > 59 || msec < 0 || msec > 999)
    return false;
  out = static_cast<TDateTime>(((hour * 60LL + min) * 60 + sec) * 1000 + msec) / kMsPerDay;
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime dt = 0;
  if (!TryEncodeDate(year, month, day, dt)) throw EConvertError("Invalid argument to date encode");
  return dt;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec) {
  TDateTime dt = 0;
  if (!TryEncodeTime(hour, min, sec, msec, dt))
    throw EConvertError("Invalid argument to time encode");
  return dt;
}

void DecodeDate(TDateTime dt, unsigned short& year, unsigned short& month, unsigned short& day) {
  long long d = 0, ms = 0;
  if (!Split(dt, d, ms)) {
    year = month = day = 0;
    return;
  }
  int y, m, dd;
  CivilFromDays(d + kEpochOffset, y, m, dd);
  year = static_cast<unsigned short>(y);
  month = static_cast<unsigned short>(m);
  day = static_cast<unsigned short>(dd);
}

void DecodeTime(TDateTime dt, unsigned short& hour, unsigned short& min, unsigned short& sec,
                unsigned short& msec) {
  long long d = 0, ms = 0;
  if (!Split(dt, d, ms)) {
    hour = min = sec = msec = 0;
    return;
  }
  hour = static_cast<unsigned short>(ms / 3600000);
  min = static_cast<unsigned short>(ms / 60000 % 60);
  sec = static_cast<unsigned short>(ms / 1000 % 60);
  msec = static_cast<unsigned short>(ms % 1000);
}

std::string FormatDateTime(const std::string& fmt, TDateTime dt) {
  Parts p;
  long long day = 0, ms = 0;
  if (Split(dt, day, ms)) {
    DecodeDate(dt, p.y, p.mo, p.d);
    DecodeTime(dt, p.h, p.mi, p.s, p.ms);
    p.dayOfWeek =
        static_cast<int>(((day + kEpochOffset) % 7 + 7 + 4) % 7);  // 1970-01-01 was a Thursday
    p.midnight = ms == 0;
  }
  std::string out;
  AppendFormat(out, fmt.empty() ? std::string("c") : fmt, p, 0);
  return out;
}

std::string DateToStr(TDateTime dt) { return FormatDateTime("ddddd", dt); }
std::string TimeToStr(TDateTime dt) { return FormatDateTime("tt", dt); }
std::string DateTimeToStr(TDateTime dt) { return FormatDateTime("c", dt); }

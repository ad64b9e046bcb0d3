// The Real Time Clock page: the clock editors that the clock write sends. The day is kept within
// the month: a change of the month or the year (31 January turned to February) brings the day
// down to the month's last day, so no impossible date is ever sent to the relay.
#include "main/Main.h"

namespace {

// Days of a month of the years 2000 to 2099 (every fourth year a leap year); 0 for no month.
int DaysInMonth(int month, int year) {
  constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  if (month == 2 && year % 4 == 0) return 29;
  return kDays[month - 1];
}

}  // namespace

void TForm1::InitClockPage() {
  iLedClockStatus.SetHint("Setting Changes only done off line.");
  seYear.OnChange = [this] { seDateChange(); };
  seMonth.OnChange = [this] { seDateChange(); };
  seDate.OnChange = [this] { seDateChange(); };
}

void TForm1::seDateChange() {
  const int bound = DaysInMonth(seMonth.Value(), seYear.Value());
  if (bound == 0) return;
  seDate.SetMaxValue(bound);
  // Setting the day runs this handler again, which then finds it within the bound.
  if (seDate.Value() > bound) seDate.SetValue(bound);
}

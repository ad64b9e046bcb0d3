#include "editors/Calculators.h"

#include <cmath>

#include "platform/rtl/MathUtil.h"
#include "platform/rtl/SysUtils.h"

namespace editors::calc {
namespace {

// The calculators' thermal constant (the live time to trip uses 35.5), the current calculator's
// line factor (the live line voltage uses 1.73205) and the cooling formula's factor on common
// logarithms (not ln 10). Plain doubles, as the formulas were written with them.
constexpr double kThermal = 35.49;
constexpr double kLineFactor = 1.7321;
constexpr double kCoolingFactor = 2.33;

// ln(x / (x - 1)) for x = (current / 100)^2: the heating term of a load above full load.
long double HeatingTerm(long double current) {
  const long double x = (current / 100) * (current / 100);
  return SafeLn(SafeDiv(x, x - 1));
}

// clang-format off
constexpr Choice kSupplyVoltages[] = {
    {"110V", 110},   {"120V", 120},   {"127V", 127},   {"190V", 190},   {"208V", 208},
    {"220V", 220},   {"230V", 230},   {"240V", 240},   {"277V", 277},   {"347V", 347},
    {"380V", 380},   {"400V", 400},   {"415V", 415},   {"440V", 440},   {"460V", 460},
    {"480V", 480},   {"525V", 525},   {"550V", 550},   {"600V", 600},   {"680V", 680},
    {"950V", 950},   {"1050V", 1050}, {"1100V", 1100}, {"3k3V", 3300},  {"6k6V", 6600},
    {"11kV", 11000},
};
// clang-format on

constexpr Choice kRelayRatings[] = {
    {" 5", 5}, {"10", 10}, {"25", 25}, {"50", 50}, {"100", 100}, {"200", 200}, {"300", 300},
};

}  // namespace

long double PowerOf(long double x, long double y) { return std::exp(y * SafeLn(x)); }

double TripTime(long double load, long long curve, long long used) {
  // Stored as doubles in this order, as the display's value is.
  const double T = static_cast<double>(HeatingTerm(load) * (curve * kThermal));
  return static_cast<double>(T - used * T / 100);
}

int TripTimePrecision(double t) { return t > 10 ? 0 : 1; }

double CoolingTime(long double initial, long double required, long double timeConstant,
                   bool forced) {
  const double x1 = static_cast<double>(SafeLog10(SafeDiv(100, initial)) * kCoolingFactor *
                                        timeConstant * kThermal);
  const double x2 = static_cast<double>(SafeLog10(SafeDiv(100, 100 - required)) * kCoolingFactor *
                                        timeConstant * kThermal);
  double t = (x2 - x1) * 2;
  if (!forced) t = t * 2;
  return t;
}

bool CoolingTimeNegative(long double initial, long double required) {
  // X2 - X1 is log10(initial / (100 - required)) times positive factors.
  return initial < 100 - required;
}

long double LineCurrent(long long powerKW, long long volts, long long powerFactor,
                        long long efficiency) {
  const long long watts = powerKW * 1000;
  return SafeDiv(static_cast<long double>(watts),
                 volts * kLineFactor * (powerFactor / 100.0L) * (efficiency / 100.0L));
}

Reading EarthLeakageTripTime(long double actual, long double setting, long double multiplier) {
  const long double r = SafeDiv(actual, setting);
  if (r <= 1) return {kNoTrip, 0};
  const double t = static_cast<double>(SafeDiv(multiplier * 0.14, PowerOf(r, 0.02) - 1));
  return {t, t < 1 ? 2 : (t >= 10 ? 0 : 1)};
}

long long MlcOfCurrent(long double fullLoadAmps, long long rating) {
  return Round(SafeDiv(fullLoadAmps, static_cast<long double>(rating)) * 100);
}

long long MlcOfPower(long double powerKW, long long volts, long long rating) {
  const long double watts = powerKW * 1000;
  return Round(SafeDiv(SafeDiv(watts, static_cast<long double>(volts)) * 100,
                       static_cast<long double>(rating)));
}

long long CurveClass(long long lockedRotorCurrent, long long seconds) {
  return Round(
      SafeDiv(static_cast<long double>(seconds), HeatingTerm(lockedRotorCurrent) * kThermal));
}

double RmsCurrent(std::span<const long double, 4> loads, std::span<const long double, 4> seconds) {
  long double sum = 0, total = 0;
  for (size_t i = 0; i < 4; ++i) {
    sum += loads[i] * loads[i] * seconds[i];
    total += seconds[i];
  }
  const double mean = static_cast<double>(SafeDiv(sum, total));
  return static_cast<double>(Sqrt(mean));
}

std::span<const Choice> SupplyVoltages() { return kSupplyVoltages; }
std::span<const Choice> RelayRatings() { return kRelayRatings; }

}  // namespace editors::calc

#pragma once
// The calculators' formulas, free of windows: thermal trip and cooling time, line current, earth
// leakage trip time, full load (MLC) setting, thermal curve class and the RMS current of a load
// pattern. Real arithmetic is checked: a zero divisor or the logarithm of a value that is not
// positive raises, as the platform's real arithmetic does.
#include <span>

namespace editors::calc {

// What a display shows for a trip time that never comes (no overload, or a curve out of range).
inline constexpr double kNoTrip = 99999;

// A result as an analogue display shows it.
struct Reading {
  double Value;
  int Precision;
};

// x raised to the power y as Exp(y * Ln(x)); x must be positive.
long double PowerOf(long double x, long double y);

// Time (s) to a thermal trip at a load (% of full load, above 100) on a curve class (1..40) with
// part of the thermal capacity (%) already used.
double TripTime(long double load, long long curve, long long used);
// Whole seconds above 10 s, else one decimal.
int TripTimePrecision(double t);
// The trip time calculator's limits: below this load, or outside these curves, no trip.
inline constexpr long double kTripLoadMin = 101;
inline constexpr long long kCurveMin = 1, kCurveMax = 40;

// Time (s) for the thermal capacity used to fall from `initial` to the level `required` names,
// with a motor thermal time constant (s); twice as long without forced cooling.
double CoolingTime(long double initial, long double required, long double timeConstant,
                   bool forced);
// The inputs for which the cooling formula gives a negative time (an initial level at or below
// zero among them, where the formula has no value at all).
bool CoolingTimeNegative(long double initial, long double required);

// Line current (A) of a delta connected motor: power (kW), line voltage (V), power factor and
// efficiency (%).
long double LineCurrent(long long powerKW, long long volts, long long powerFactor,
                        long long efficiency);

// Earth leakage trip time (s) of the standard inverse characteristic: actual and set leak current
// (mA), time multiplier. No trip (99999, no decimals) at or below the setting; two decimals below
// 1 s, none from 10 s on, else one.
Reading EarthLeakageTripTime(long double actual, long double setting, long double multiplier);

// The full load setting (%) for a full load current (A) on a relay model of a rating (A).
long long MlcOfCurrent(long double fullLoadAmps, long long rating);
// The full load setting (%) for a motor power (kW) at a supply voltage (V) on a rating (A): the
// current P / V in per cent of the rating.
long long MlcOfPower(long double powerKW, long long volts, long long rating);

// The thermal curve class that allows a locked rotor current (% of full load) for a time (s).
long long CurveClass(long long lockedRotorCurrent, long long seconds);

// RMS (%) of a pattern of four load stages (% of full load) of their durations (s).
double RmsCurrent(std::span<const long double, 4> loads, std::span<const long double, 4> seconds);
// An RMS load above full load is shown on red.
inline bool RmsOverload(double rms) { return rms > 100; }

// The choices of the load panels' lists: item text and its value.
struct Choice {
  const char* Text;
  int Value;
};
// Supply line voltages (V).
std::span<const Choice> SupplyVoltages();
// Relay models: their rating (A).
std::span<const Choice> RelayRatings();

}  // namespace editors::calc

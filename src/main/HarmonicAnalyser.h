#pragma once
// The harmonic analysis of one period of a phase current: a discrete Fourier transform of its 20
// samples for the direct component f0 and the harmonics f1 (the fundamental) to f9, and the two
// total harmonic distortion figures.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

inline constexpr int kSpectrumSamples = 20;
inline constexpr int kHarmonics = 10;
using SpectrumSamples = std::array<int32_t, kSpectrumSamples>;

struct HarmonicLevels {
  // The level of each harmonic; empty when the attenuator gives no divisor.
  std::optional<std::array<long double, kHarmonics>> Level;
  // 100 times the root of the squared harmonics f2..f9 against the fundamental, and against the
  // root of the squared f1..f9; each empty when its divisor shows as 0 in the table.
  std::optional<long double> Thd;
  std::optional<long double> ThdSum;
};

// `samples` centred on zero; every level is divided by 5 times the attenuator.
HarmonicLevels AnalyseHarmonics(const SpectrumSamples& samples, int attenuator);

// A level as the table shows it: one decimal (halves to even), no trailing zeros.
std::string HarmonicLevelText(long double level);

// The built-in waves of the demonstration, centred on zero.
inline constexpr SpectrumSamples kDemoSine = {0, 15,  29,  40,  47,  50,  47,  40,  29,  15,
                                              0, -15, -29, -40, -47, -50, -47, -40, -29, -15};
inline constexpr SpectrumSamples kDemoSquare = {-40, -40, -40, -40, -40, -40, -40, -40, -40, -40,
                                                40,  40,  40,  40,  40,  40,  40,  40,  40,  40};

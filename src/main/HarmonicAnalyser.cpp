// The Spectrum Analyser page: at every page refresh tick while the page is shown, the samples of
// the polled phase (or the demonstration wave) are transformed into ten harmonic levels, shown as
// bars and in the table, with the two distortion figures.
#include "main/HarmonicAnalyser.h"

#include <cmath>
#include <complex>

#include "main/Main.h"
#include "platform/rtl/SysUtils.h"

namespace {

// Two pi over the number of samples, as the relay's documentation rounds it.
constexpr long double kAngleStep = 0.3141593L;
// The relay's samples are centred on this value.
constexpr int32_t kSampleCentre = 512;
constexpr uint8_t kInService = 0x01;
// Half the table's last decimal.
constexpr long double kLeastDivisor = 0.05L;

}  // namespace

HarmonicLevels AnalyseHarmonics(const SpectrumSamples& samples, int attenuator) {
  HarmonicLevels out;
  if (attenuator <= 0) return out;
  std::array<long double, kHarmonics> level{};
  long double harmonicSum = 0, totalSum = 0;  // squares of f2..f9 and of f1..f9
  for (int h = 0; h < kHarmonics; ++h) {
    std::complex<long double> x;
    for (int n = 0; n < kSpectrumSamples; ++n)
      x += static_cast<long double>(samples[static_cast<size_t>(n)]) *
           std::polar(1.0L, -n * kAngleStep * h);
    const long double a = std::abs(x) / (5.0L * attenuator);
    level[static_cast<size_t>(h)] = a;
    if (h >= 2) harmonicSum += a * a;
    if (h >= 1) totalSum += a * a;
  }
  out.Level = level;
  // The rounded step angle leaks a trace of the direct component into every harmonic, so a
  // divisor the table would show as 0 counts as none: it would turn that trace into a figure.
  const long double fundamental = level[1], total = std::sqrt(totalSum);
  if (fundamental >= kLeastDivisor) out.Thd = 100 * std::sqrt(harmonicSum) / fundamental;
  if (total >= kLeastDivisor) out.ThdSum = 100 * std::sqrt(harmonicSum) / total;
  return out;
}

std::string HarmonicLevelText(long double level) { return FloatToStr(Round(level * 10) / 10.0L); }

void TForm1::SpectrumAnalyserStep() {
  const bool inService = (ActAlarmF_A & kInService) != 0;
  // The real samples of a running motor always win over the demonstration.
  if (inService) {
    isLedSimSpectrum.SetActive(false);
    isLedSimSpectrum.SetCaption("Start demo");
  }
  const bool demo = isLedSimSpectrum.Active();

  // A copy: the stored samples stay as the relay sent them, so a tick without a new record
  // analyses the same period again instead of shifting it once more.
  SpectrumSamples x = Current;
  if (!inService && !demo) x.fill(0);
  if (demo) {
    if (rgSimSpectrum.ItemIndex() == 0) x = kDemoSine;
    if (rgSimSpectrum.ItemIndex() == 1) x = kDemoSquare;
  } else {
    for (int32_t& v : x) v -= kSampleCentre;
  }

  const HarmonicLevels result = AnalyseHarmonics(x, seAttenuator.Value());
  for (int h = 0; h < kHarmonics; ++h) {
    const long double level = result.Level ? (*result.Level)[static_cast<size_t>(h)] : 0;
    iSpecDisp.SetBar(h, static_cast<double>(level));
    sgCurrentLevels.SetCell(1, h + 1, result.Level ? HarmonicLevelText(level) : "");
  }

  // A figure without a divisor is shown as no figure: the display greyed at 0.
  auto show = [](TiAnalogDisplay& display, const std::optional<long double>& value) {
    display.SetValue(value ? static_cast<double>(*value) : 0.0);
    display.SetEnabled(value.has_value());
  };
  if (inService || demo) {
    show(iAdTHD, result.Thd);
    show(iAdTHD_sum, result.ThdSum);
  } else {
    show(iAdTHD, 0.0L);
    show(iAdTHD_sum, 0.0L);
    iSpecDisp.SetBar(0, 0);
    sgCurrentLevels.SetCell(1, 1, "0");
  }
}

void TForm1::isLedSimSpectrumClick() {
  // The click has switched the lamp already; the samples follow at the next tick.
  isLedSimSpectrum.SetCaption(isLedSimSpectrum.Active() ? "Stop demo" : "Start demo");
}

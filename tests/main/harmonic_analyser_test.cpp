// The spectrum analyser: the transform of known sample sets against levels worked out by hand,
// and the page's tick (demonstration waves, the motor in service, the attenuator, the figures
// without a divisor, samples that are not renewed).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "main/HarmonicAnalyser.h"
#include "support/ShellWorld.h"

namespace {

// round(a1 cos(x) + a3 cos(3x) + a5 cos(5x)) + dc, x = 2 pi n / 20.
SpectrumSamples Wave(double dc, double a1, double a3, double a5) {
  SpectrumSamples s{};
  for (int n = 0; n < kSpectrumSamples; ++n) {
    const double x = 2 * M_PI * n / kSpectrumSamples;
    s[static_cast<size_t>(n)] = static_cast<int32_t>(
        std::lround(dc + a1 * std::cos(x) + a3 * std::cos(3 * x) + a5 * std::cos(5 * x)));
  }
  return s;
}

}  // namespace

// A cosine of amplitude a at harmonic h sums to 10 a over 20 samples, a constant c to 20 c; every
// level is then divided by 5: 2 a and 4 c. Samples are whole numbers, so the levels carry their
// rounding (under 2 in 20000).
TEST(SpectrumTransform, KnownSampleSets) {
  struct Case {
    const char* name;
    SpectrumSamples samples;
    std::array<double, 10> levels;
    double thd, thdSum;  // -1: no figure
  };
  // clang-format off
  const Case cases[] = {
      {"pure fundamental", Wave(0, 10000, 0, 0), {0, 20000, 0, 0, 0, 0, 0, 0, 0, 0}, 0, 0},
      // sqrt(6000^2 + 2000^2) = 6324.56; against 20000 and against sqrt(20000^2 + 6000^2 + 2000^2) = 20976.18
      {"fundamental, 3rd and 5th", Wave(0, 10000, 3000, 1000), {0, 20000, 0, 6000, 0, 2000, 0, 0, 0, 0}, 31.6228, 30.1511},
      {"DC offset", Wave(500, 10000, 0, 0), {2000, 20000, 0, 0, 0, 0, 0, 0, 0, 0}, 0, 0},
      // As large a direct component as samples around 512 carry: its trace in the harmonics
      // (the step angle is rounded) makes no figure.
      {"DC only", Wave(511, 0, 0, 0), {2044, 0, 0, 0, 0, 0, 0, 0, 0, 0}, -1, -1},
      {"all zero", Wave(0, 0, 0, 0), {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, -1, -1},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const HarmonicLevels r = AnalyseHarmonics(c.samples, 1);
    ASSERT_TRUE(r.Level);
    for (int h = 0; h < 10; ++h)
      EXPECT_NEAR(static_cast<double>((*r.Level)[h]), c.levels[h], 2.0) << "f" << h;
    if (c.thd < 0) {
      EXPECT_FALSE(r.Thd);
      EXPECT_FALSE(r.ThdSum);
    } else {
      ASSERT_TRUE(r.Thd && r.ThdSum);
      EXPECT_NEAR(static_cast<double>(*r.Thd), c.thd, 0.01);
      EXPECT_NEAR(static_cast<double>(*r.ThdSum), c.thdSum, 0.01);
    }
  }
  // The attenuator divides every level and leaves the figures; 0 gives no levels at all.
  const HarmonicLevels five = AnalyseHarmonics(Wave(0, 10000, 3000, 1000), 5);
  EXPECT_NEAR(static_cast<double>((*five.Level)[1]), 4000, 0.5);
  EXPECT_NEAR(static_cast<double>(*five.Thd), 31.6228, 0.01);
  const HarmonicLevels zero = AnalyseHarmonics(Wave(0, 10000, 0, 0), 0);
  EXPECT_FALSE(zero.Level);
  EXPECT_FALSE(zero.Thd);
  EXPECT_FALSE(zero.ThdSum);
}

TEST(SpectrumTransform, LevelText) {
  const std::pair<long double, const char*> cases[] = {{99.0L, "99"},      {0.44L, "0.4"},
                                                       {0.25L, "0.2"},     {0.35L, "0.4"},
                                                       {102.34L, "102.3"}, {0.04L, "0"}};
  for (const auto& [v, text] : cases)
    EXPECT_EQ(HarmonicLevelText(v), text) << static_cast<double>(v);
}

namespace {

struct SpectrumPage : ::testing::Test {
  ShellWorld w{false};
  TForm1& f = w.f1();
  SpectrumPage() {
    w.OpenIdle(60000);
    f.PageControl1.SetActivePage(&f.tsSpectrum);
  }
  void Tick() { w.hb.RunFor(500); }
  std::vector<std::string> Column() const {
    std::vector<std::string> c;
    for (int row = 1; row <= 10; ++row) c.push_back(f.sgCurrentLevels.Cell(1, row));
    return c;
  }
  void DemoOn(int signal) {
    f.ActAlarmF_A = 0;
    f.rgSimSpectrum.SetItemIndex(signal);
    f.isLedSimSpectrum.UserClick();
  }
};

}  // namespace

TEST_F(SpectrumPage, DemonstrationWaves) {
  struct Case {
    int signal, attenuator;
    std::vector<std::string> rows;
    double thd, thdSum;
  };
  // clang-format off
  const Case cases[] = {
      {0, 1, {"0", "99", "0", "0.4", "0", "0", "0", "0.4", "0", "0.2"}, 0.613, 0.613},
      {1, 1, {"0", "102.3", "0", "35.2", "0", "22.6", "0", "18", "0", "16.2"}, 47.29, 42.75},
      {0, 5, {"0", "19.8", "0", "0.1", "0", "0", "0", "0.1", "0", "0"}, 0.613, 0.613},
  };
  // clang-format on
  DemoOn(0);
  EXPECT_TRUE(f.isLedSimSpectrum.Active());
  EXPECT_EQ(f.isLedSimSpectrum.Caption(), "Stop demo");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.signal * 10 + c.attenuator);
    f.rgSimSpectrum.SetItemIndex(c.signal);
    f.seAttenuator.SetValue(c.attenuator);
    Tick();
    EXPECT_EQ(Column(), c.rows);
    EXPECT_NEAR(f.iAdTHD.Value(), c.thd, 0.01);
    EXPECT_NEAR(f.iAdTHD_sum.Value(), c.thdSum, 0.01);
  }
  EXPECT_GT(f.iSpecDisp.Bar(1), 19.7);
  f.isLedSimSpectrum.UserClick();
  EXPECT_EQ(f.isLedSimSpectrum.Caption(), "Start demo");
}

TEST_F(SpectrumPage, IdleMotorWithoutDemonstrationShowsZero) {
  f.ActAlarmF_A = 0;
  f.Current.fill(900);
  Tick();
  EXPECT_EQ(Column(), std::vector<std::string>(10, "0"));
  EXPECT_EQ(f.iAdTHD.Value(), 0);
  EXPECT_EQ(f.iAdTHD_sum.Value(), 0);
  EXPECT_EQ(f.iSpecDisp.Bar(0), 0);
}

// The relay's samples of a running motor; a tick without a new record shows the same levels.
TEST_F(SpectrumPage, RunningMotorSamplesAndStaleSamples) {
  f.ActAlarmF_A = 0x01;
  // A square wave of 40 around the centre 512, raised by 10: the demonstration's levels, and a
  // direct component of 20 times 10 divided by 5.
  SpectrumSamples raw{};
  for (int n = 0; n < 20; ++n) raw[static_cast<size_t>(n)] = n < 10 ? 562 : 482;
  f.Current = raw;
  Tick();
  const std::vector<std::string> expected = {"40",   "102.3", "0",  "35.2", "0",
                                             "22.6", "0",     "18", "0",    "16.2"};
  EXPECT_EQ(Column(), expected);
  EXPECT_NEAR(f.iAdTHD.Value(), 47.28, 0.01);
  EXPECT_NEAR(f.iAdTHD_sum.Value(), 42.75, 0.01);
  EXPECT_TRUE(f.iAdTHD.Enabled());
  EXPECT_NEAR(f.iSpecDisp.Bar(0), 40, 1e-6);
  Tick();
  Tick();
  EXPECT_EQ(Column(), expected);
  EXPECT_EQ(f.Current, raw);  // the stored samples are left as the relay sent them

  // A running motor turns the demonstration off at the next tick.
  f.isLedSimSpectrum.UserClick();
  EXPECT_EQ(f.isLedSimSpectrum.Caption(), "Stop demo");
  Tick();
  EXPECT_FALSE(f.isLedSimSpectrum.Active());
  EXPECT_EQ(f.isLedSimSpectrum.Caption(), "Start demo");
  EXPECT_EQ(Column(), expected);
}

// No fundamental, or an attenuator of 0: no figure rather than a division by zero.
TEST_F(SpectrumPage, FiguresWithoutADivisor) {
  f.ActAlarmF_A = 0x01;
  f.Current.fill(512);
  Tick();
  EXPECT_EQ(Column(), std::vector<std::string>(10, "0"));
  EXPECT_FALSE(f.iAdTHD.Enabled());
  EXPECT_FALSE(f.iAdTHD_sum.Enabled());
  EXPECT_EQ(f.iAdTHD.Value(), 0);

  for (int n = 0; n < 20; ++n) f.Current[static_cast<size_t>(n)] = n < 10 ? 552 : 472;
  f.seAttenuator.SetText("0");
  Tick();
  EXPECT_EQ(Column(), std::vector<std::string>(10, ""));
  EXPECT_EQ(f.iSpecDisp.Bar(1), 0);
  EXPECT_FALSE(f.iAdTHD.Enabled());

  f.seAttenuator.SetText("1");
  Tick();
  EXPECT_EQ(f.sgCurrentLevels.Cell(1, 2), "102.3");
  EXPECT_TRUE(f.iAdTHD.Enabled());
}

TEST_F(SpectrumPage, NothingChangesWhileClosedOrOnAnotherPage) {
  DemoOn(0);
  f.PageControl1.SetActivePage(&f.tsActual);
  Tick();
  EXPECT_EQ(f.sgCurrentLevels.Cell(1, 2), "");
  f.PageControl1.SetActivePage(&f.tsSpectrum);
  w.f2().ComPort1.Close();
  Tick();
  EXPECT_EQ(f.sgCurrentLevels.Cell(1, 2), "");
  EXPECT_TRUE(f.isLedSimSpectrum.Active());
}

// The test relay's phase current through the poll: a fundamental of 50 with a 3rd of 10 and a 5th
// of 5 reads 2 times each, less the rounding of its samples.
TEST(SpectrumRelay, PolledPhaseShowsTheRelayHarmonics) {
  ShellWorld w;
  TForm1& f = w.f1();
  w.OpenIdle();
  f.PageControl1.UserSelectTab(&f.tsSpectrum);
  EXPECT_EQ(f.cbI_Selector.ItemIndex(), 0);
  EXPECT_EQ(f.sgCurrentLevels.Cell(0, 2), " f1  (50Hz)");
  w.hb.RunFor(1500);
  EXPECT_GE(w.CountWritten("*Hr#"), 3);
  EXPECT_EQ(f.sgCurrentLevels.Cell(1, 2), "99.4");
  EXPECT_EQ(f.sgCurrentLevels.Cell(1, 4), "20");
  EXPECT_EQ(f.sgCurrentLevels.Cell(1, 6), "10");
  EXPECT_NEAR(f.iAdTHD.Value(), 22.53, 0.01);
  f.cbI_Selector.UserPick(2);
  w.hb.RunFor(1000);
  EXPECT_GE(w.CountWritten("*Hb#"), 2);
  EXPECT_EQ(f.sgCurrentLevels.Cell(1, 4), "20");
}

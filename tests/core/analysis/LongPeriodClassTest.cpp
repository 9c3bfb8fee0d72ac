// JMA's long-period ground-motion class against the agency's published filter gains and
// thresholds and against what the physics of the oscillators must give.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "analysis/LongPeriodClass.h"

namespace tremora {
namespace {

constexpr double kPi = std::numbers::pi;

// The amplitude of the filter's steady response to a unit sine of period samples (a whole number),
// projected over the last ten periods of a 300 s run.
double SteadyGain(const LongPeriodHighPass& filter, int period, double dt) {
  const int count = static_cast<int>(300 / dt);
  std::vector<double> x(count);
  for (int i = 0; i < count; ++i) x[i] = std::sin(2 * kPi * i / period);
  ApplyLongPeriodHighPass(filter, x);
  double s = 0, c = 0;
  for (int i = count - 10 * period; i < count; ++i) {
    s += x[i] * std::sin(2 * kPi * i / period);
    c += x[i] * std::cos(2 * kPi * i / period);
  }
  return 2 * std::hypot(s, c) / (10 * period);
}

TEST(LongPeriodHighPass, GainsAreTheAgencysAtZeroHertzOnePointSixAndSevenPointEightSeconds) {
  const LongPeriodHighPass jma = LongPeriodHighPassFor(0.01);
  EXPECT_FALSE(jma.Rederived);
  EXPECT_NEAR(SteadyGain(jma, 160, 0.01), 0.99998, 1e-5);
  EXPECT_NEAR(SteadyGain(jma, 780, 0.01), 0.98739, 1e-5);
  std::vector<double> constant(30000, 1.0);
  ApplyLongPeriodHighPass(jma, constant);
  EXPECT_LT(std::fabs(constant.back()), 1e-9);

  // The design for another rate is the same filter: at 100 Hz it gives the published digits back,
  // at 200 and 20 Hz the same gains.
  const LongPeriodHighPass derived = LongPeriodHighPassFor(0.01 * (1 + 1e-7));
  EXPECT_TRUE(derived.Rederived);
  EXPECT_NEAR(derived.B1, -1.995438545842, 5e-11);
  EXPECT_NEAR(derived.B2, 0.995448925627, 1e-11);
  EXPECT_NEAR(derived.Gain, 0.997721867867, 1e-11);
  EXPECT_NEAR(SteadyGain(LongPeriodHighPassFor(0.005), 1560, 0.005), 0.98739, 2e-5);
  EXPECT_NEAR(SteadyGain(LongPeriodHighPassFor(0.05), 156, 0.05), 0.98739, 2e-4);
}

TEST(LongPeriodClass, ClassesAndBandsChangeExactlyAtTheirBounds) {
  EXPECT_EQ(LongPeriodClassOf(4.9999999), 0);
  EXPECT_EQ(LongPeriodClassOf(5.0), 1);
  EXPECT_EQ(LongPeriodClassOf(14.9999999), 1);
  EXPECT_EQ(LongPeriodClassOf(15.0), 2);
  EXPECT_EQ(LongPeriodClassOf(49.99), 2);
  EXPECT_EQ(LongPeriodClassOf(50.0), 3);
  EXPECT_EQ(LongPeriodClassOf(100.0), 4);
  // Band 1 is 1.6-1.8 s, band 2 2.0-2.8 s, ..., band 7 7.0-7.8 s.
  SvaSpectrum spectrum;
  spectrum.Sva.fill(1.0);
  spectrum.Sva[1] = 5.0;    // 1.8 s
  spectrum.Sva[2] = 4.99;   // 2.0 s
  spectrum.Sva[6] = 15.0;   // 2.8 s
  spectrum.Sva[7] = 14.99;  // 3.0 s
  spectrum.Sva[31] = 5.0;   // 7.8 s
  ClassifySva(spectrum);
  EXPECT_EQ(spectrum.BandClasses, (std::array<int, 7>{1, 2, 1, 0, 0, 0, 1}));
  EXPECT_EQ(spectrum.Class, 2);
  EXPECT_DOUBLE_EQ(SvaPeriod(spectrum.PeakIndex), 2.8);
  EXPECT_EQ(LongPeriodClassName(spectrum.Class), "長周期地震動階級2");
}

// A three-second sine burst (Hann envelope, 12 cycles) on NS and a weaker one on EW.
std::vector<double> Burst(double amplitude, double period, double dt, int count) {
  std::vector<double> a(count, 0.0);
  const double length = 12 * period;
  for (int i = 0; i < count; ++i) {
    const double t = i * dt - 10;
    if (t > 0 && t < length) a[i] = amplitude * std::sin(kPi * t / length) * std::sin(kPi * t / length) *
                                     std::sin(2 * kPi * t / period);
  }
  return a;
}

TEST(LongPeriodClass, ASineBurstOfThreeSecondsPeaksAtTheThreeSecondOscillatorWhateverTheSensorsAzimuth) {
  constexpr double dt = 0.01;
  const std::vector<double> ns = Burst(20, 3.0, dt, 8000);
  std::vector<double> ew = Burst(7, 4.1, dt, 8000);
  const SvaSpectrum spectrum = ComputeSvaSpectrum(ns, ew, dt);
  EXPECT_DOUBLE_EQ(SvaPeriod(spectrum.PeakIndex), 3.0);
  EXPECT_GT(spectrum.PeakSva(), 2 * spectrum.Sva[0]);
  EXPECT_GE(spectrum.PeakSva(), spectrum.AbsoluteNs[spectrum.PeakIndex]);

  // The same motion read by a sensor turned 30 degrees in the horizontal plane.
  const double c = std::cos(kPi / 6), s = std::sin(kPi / 6);
  std::vector<double> turned_ns(ns.size()), turned_ew(ns.size());
  for (size_t i = 0; i < ns.size(); ++i) {
    turned_ns[i] = c * ns[i] + s * ew[i];
    turned_ew[i] = -s * ns[i] + c * ew[i];
  }
  const SvaSpectrum turned = ComputeSvaSpectrum(turned_ns, turned_ew, dt);
  for (int k = 0; k < kSvaPeriodCount; ++k) {
    EXPECT_NEAR(turned.Sva[k] / spectrum.Sva[k], 1.0, 1e-9) << SvaPeriod(k);
  }
  EXPECT_NE(turned.AbsoluteNs[7], spectrum.AbsoluteNs[7]);  // the components alone do change
}

TEST(LongPeriodClass, ASlowRampOfGroundVelocityIsFollowedByTheOscillators) {
  // Ground velocity rising smoothly to 30 cm/s over 20 s and staying there: the oscillators are
  // stiff against so slow a motion, their masses move with the ground, and the absolute velocity
  // is the ground's velocity (as the high-pass leaves it).
  constexpr double dt = 0.01, rise = 20.0;
  constexpr int count = 6000;
  std::vector<double> a(count, 0.0), ew(count, 0.0);
  for (int i = 0; i < count; ++i) {
    const double t = i * dt;
    if (t < rise) a[i] = 30 * kPi / (2 * rise) * std::sin(kPi * t / rise);
  }
  std::vector<double> filtered = a;
  double mean = 0;
  for (const double v : filtered) mean += v / count;
  for (double& v : filtered) v -= mean;
  ApplyLongPeriodHighPass(LongPeriodHighPassFor(dt), filtered);
  double velocity = 0, peak = 0;
  for (int i = 1; i < count; ++i) {
    velocity += dt * (filtered[i - 1] + filtered[i]) / 2;
    peak = std::max(peak, std::fabs(velocity));
  }
  const SvaSpectrum spectrum = ComputeSvaSpectrum(a, ew, dt);
  EXPECT_NEAR(spectrum.Sva[0] / peak, 1.0, 2e-3);   // 1.6 s
  EXPECT_NEAR(spectrum.Sva[7] / peak, 1.0, 1e-2);   // 3.0 s
}

}  // namespace
}  // namespace tremora

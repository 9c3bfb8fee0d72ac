// JMA's long-period ground-motion class against the agency's published filter gains and
// thresholds and against what the physics of the oscillators must give.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
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
  const LongPeriodHighPass derived = DesignLongPeriodHighPass(0.01);
  EXPECT_TRUE(derived.Rederived);
  EXPECT_TRUE(LongPeriodHighPassFor(0.005).Rederived);
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
  EXPECT_EQ(LongPeriodClassName(spectrum.Class, false), "長周期地震動階級2");
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

TEST(LongPeriodClass, ASlowSwayOfTheGroundIsCarriedToTheOscillatorsAsBaseMotionTheory) {
  // Ground velocity swaying with a period of 40 s at 30 cm/s, brought in and out over two
  // minutes. The high-pass passes it with the gain of its transfer function at 40 s (from the
  // published constants); an oscillator of period T then moves with absolute velocity
  // |1 + 2ihr| / |1 - r^2 + 2ihr| times the ground's, r = T / 40 s: 1 for stiff oscillators,
  // a few per cent more towards 7.8 s (the envelope leaves transients of about 1e-3).
  constexpr double dt = 0.01, sway = 40, amplitude = 30;
  constexpr int count = 60000;
  const double w = 2 * kPi / sway;
  std::vector<double> a(count), none(count, 0.0);
  for (int i = 0; i < count; ++i) {
    const double t = i * dt;
    const double u = std::clamp(std::min(t, 600 - t) / 120, 0.0, 1.0);
    const double envelope = u * u * (3 - 2 * u);
    const double slope = (t < 120 ? 1 : t > 480 ? -1 : 0) * 6 * u * (1 - u) / 120;
    a[i] = amplitude * (slope * std::sin(w * t) + envelope * w * std::cos(w * t));
  }
  const std::complex<double> z = std::exp(std::complex<double>(0, -w * dt));  // z^-1
  const double gain =
      0.997721867867 * std::abs((1.0 - 2.0 * z + z * z) / (1.0 - 1.995438545842 * z + 0.995448925627 * z * z));
  const SvaSpectrum spectrum = ComputeSvaSpectrum(a, none, dt);
  for (int k = 0; k < kSvaPeriodCount; ++k) {
    const double r = SvaPeriod(k) / sway;
    const std::complex<double> damping(0, 2 * 0.05 * r);
    const double transmitted = std::abs((1.0 + damping) / (1.0 - r * r + damping));
    EXPECT_NEAR(spectrum.Sva[k] / (amplitude * gain * transmitted), 1.0, 2.5e-3) << SvaPeriod(k);
  }
  EXPECT_GT(spectrum.Sva[31], spectrum.Sva[0] * 1.03);
}

}  // namespace
}  // namespace tremora

// The spectrum intensity of a sine against Housner's integral worked out in the test from the
// steady response of a damped oscillator.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "analysis/SpectrumIntensity.h"

namespace tremora {
namespace {

constexpr double kPi = std::numbers::pi;

// (1 / 2.4) ∫ from 0.1 to 2.5 s of the steady relative velocity amplitude at damping 0.2 under
// ground acceleration amplitude * sin(2 pi t / period), by Simpson's rule on 24,000 intervals.
double SteadySi(double amplitude, double period) {
  const double forcing = 2 * kPi / period;
  const auto velocity = [&](double t) {
    const double w = 2 * kPi / t;
    return forcing * amplitude / std::hypot(w * w - forcing * forcing, 2 * 0.2 * w * forcing);
  };
  constexpr int n = 24000;
  const double h = 2.4 / n;
  double sum = velocity(0.1) + velocity(2.5);
  for (int i = 1; i < n; ++i) sum += (i % 2 == 1 ? 4 : 2) * velocity(0.1 + i * h);
  return sum * h / 3 / 2.4;
}

TEST(SpectrumIntensity, ASteadySineGivesHousnersIntegralOfItsSteadyResponse) {
  // 50 s at 100 Hz: a 0.8 s sine of 100 gal, brought in and out over 8 s so that no start-up
  // transient outgrows the steady motion.
  constexpr int count = 5000;
  constexpr double dt = 0.01;
  std::vector<float> ground(count);
  for (int i = 0; i < count; ++i) {
    const double t = i * dt;
    const double envelope = std::min({1.0, t / 8, (50 - t) / 8});
    ground[i] = static_cast<float>(100 * (envelope * envelope * (3 - 2 * envelope)) * std::sin(2 * kPi * t / 0.8));
  }
  const double expected = SteadySi(100, 0.8);
  const double linear = SpectrumIntensityOf(ground.data(), count, 0.01f, dt, SpectrumMethod::LinearAcceleration);
  const double exact = SpectrumIntensityOf(ground.data(), count, 0.01f, dt, SpectrumMethod::Exact);
  EXPECT_NEAR(linear / expected, 1.0, 5e-3);
  EXPECT_NEAR(exact / expected, 1.0, 5e-3);

  // The horizontal SI is the larger component's, channel 0 being NS and 1 EW.
  RecordSet record;
  record.ChannelCount = 3;
  record.SampleCount = count;
  SetIntervalFromRate(record, 100);
  for (int i = 0; i < count; ++i) record.Acceleration[1][i] = ground[i] / 2;
  const SpectrumIntensity si = ComputeSpectrumIntensity(record, SpectrumMethod::Exact);
  EXPECT_EQ(si.Ns, 0.0);
  EXPECT_NEAR(si.Ew / exact, 0.5, 1e-6);
  EXPECT_EQ(si.Horizontal(), si.Ew);
}

}  // namespace
}  // namespace tremora

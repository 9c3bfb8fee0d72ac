// The solver against an independent solution: the exact response of a damped oscillator to ground
// acceleration that varies linearly between samples (Nigam and Jennings, 1969), in long double.
// The linear-acceleration method lengthens the period by about (omega dt)^2 / 24, so at 100 Hz it
// is off by a few per cent at the shortest periods and by well under 1 % from 0.4 s up; halving
// the step (the same piecewise-linear ground motion, sampled at the midpoints too) shrinks the gap
// about fourfold.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "core/wave/SampleRecords.h"
#include "spectrum/PeriodGrid.h"
#include "spectrum/SpectrumSolver.h"
#include "wave/WaveProcessing.h"

namespace tremora {
namespace {

struct Peaks {
  long double sa = 0, sv = 0, sd = 0;
};

// Exact peaks at the sample points, starting at rest before sample 0 with the ground at rest there
// (as the solver's first step assumes).
Peaks ExactPeaks(const std::vector<float>& ground, long double h, long double period, long double dt) {
  using std::cos, std::exp, std::sin, std::sqrt;
  const long double w = 2 * M_PIl / period;
  const long double k = w * w;
  const long double root = sqrtl(1 - h * h);
  const long double wd = w * root;
  const long double e = expl(-h * w * dt), s = sinl(wd * dt), c = cosl(wd * dt);
  const long double A = e * (h / root * s + c);
  const long double B = e * s / wd;
  const long double C = (2 * h / (w * dt) + e * (((1 - 2 * h * h) / (wd * dt) - h / root) * s - (1 + 2 * h / (w * dt)) * c)) / k;
  const long double D = (1 - 2 * h / (w * dt) + e * ((2 * h * h - 1) / (wd * dt) * s + 2 * h / (w * dt) * c)) / k;
  const long double A1 = -e * (w / root * s);
  const long double B1 = e * (c - h / root * s);
  const long double C1 = (-1 / dt + e * ((w / root + h / (dt * root)) * s + c / dt)) / k;
  const long double D1 = (1 - e * (h / root * s + c)) / (k * dt);
  Peaks peaks;
  long double u = 0, v = 0, p_before = 0;
  for (const float g : ground) {
    const long double p = -static_cast<long double>(g);
    const long double u_next = A * u + B * v + C * p_before + D * p;
    const long double v_next = A1 * u + B1 * v + C1 * p_before + D1 * p;
    u = u_next;
    v = v_next;
    p_before = p;
    peaks.sa = std::max(peaks.sa, fabsl(-2 * h * w * v - k * u));  // absolute acceleration
    peaks.sv = std::max(peaks.sv, fabsl(v));
    peaks.sd = std::max(peaks.sd, fabsl(u));
  }
  return peaks;
}

// The same piecewise-linear motion sampled `factor` times as often.
std::vector<float> Refine(const std::vector<float>& ground, int factor) {
  std::vector<float> fine;
  float before = 0.0f;
  for (const float g : ground) {
    for (int m = 1; m <= factor; ++m) fine.push_back(static_cast<float>(before + (g - before) * m / static_cast<double>(factor)));
    before = g;
  }
  return fine;
}

// Relative gaps |solver / exact - 1| over SA, SV and SD.
struct Gap {
  double short_periods = 0;  // largest below 0.4 s
  double long_periods = 0;   // largest from 0.4 s up
  double short_mean = 0;     // mean below 0.4 s
};

Gap CompareWithExact(const std::vector<float>& ground, float dt, float ratio) {
  const PeriodGrid grid = MakePeriodGrid();
  ChannelSpectra spectra{};
  const float ratios[1] = {ratio};
  ComputeChannelSpectra(0, ground.data(), static_cast<int>(ground.size()), grid.Periods.data(), kPeriodCount, ratios, 1,
                        dt, spectra);
  Gap gap;
  int short_count = 0;
  for (int k = 0; k < kPeriodCount; ++k) {
    const Peaks exact = ExactPeaks(ground, ratio, grid.Periods[k], dt);
    const long double values[3] = {exact.sa, exact.sv, exact.sd};
    for (int kind = 0; kind < kResponseKinds; ++kind) {
      const double relative = std::fabs(spectra[0][kind][k] / values[kind] - 1);
      const bool short_period = grid.Periods[k] < 0.4f;
      double& worst = short_period ? gap.short_periods : gap.long_periods;
      worst = std::max(worst, relative);
      if (short_period) {
        gap.short_mean += relative;
        ++short_count;
      }
    }
  }
  gap.short_mean /= short_count;
  return gap;
}

TEST(SolverAgainstExactSolution, AgreesWithinTheLinearAccelerationMethodsAccuracyAndConvergesWithTheStep) {
  // 40 s of strong motion of a real record at 100 Hz, 5 % damping.
  const std::vector<float> samples = testing::ReadComponent("AOM0011801241951.NS");
  const int start = AutoStartIndex(static_cast<int>(samples.size()), samples.data());
  const std::vector<float> ground(samples.begin() + start, samples.begin() + std::min<size_t>(start + 4000, samples.size()));

  const Gap at_100_hz = CompareWithExact(ground, 0.01f, 0.05f);
  const Gap at_200_hz = CompareWithExact(Refine(ground, 2), 0.005f, 0.05f);
  const Gap at_400_hz = CompareWithExact(Refine(ground, 4), 0.0025f, 0.05f);
  for (const auto& [rate, gap] : {std::pair{100, at_100_hz}, {200, at_200_hz}, {400, at_400_hz}}) {
    std::printf("%d Hz: gap to the exact solution below 0.4 s: mean %.2f%%, largest %.2f%%; from 0.4 s: largest %.3f%%\n",
                rate, 100 * gap.short_mean, 100 * gap.short_periods, 100 * gap.long_periods);
  }
  // At the shortest periods (5 samples per cycle) the lengthened period moves the oscillator off
  // or onto a sharp peak of the record's spectrum, so single values may be off by tens of per cent.
  EXPECT_LT(at_100_hz.short_mean, 0.05);
  EXPECT_LT(at_100_hz.short_periods, 0.35);
  EXPECT_LT(at_100_hz.long_periods, 0.01);
  for (const auto& [coarse, fine] : {std::pair{at_100_hz, at_200_hz}, {at_200_hz, at_400_hz}}) {
    EXPECT_LT(fine.short_mean, coarse.short_mean * 0.5);
    EXPECT_LT(fine.short_periods, coarse.short_periods * 0.5);
    EXPECT_LT(fine.long_periods, coarse.long_periods * 0.5);
  }
}

TEST(SolverAgainstExactSolution, ConvergesUndampedAndStronglyDampedToo) {
  const std::vector<float> samples = testing::ReadComponent("NGNH311106302345.EW2");
  const int start = AutoStartIndex(static_cast<int>(samples.size()), samples.data());
  const std::vector<float> ground(samples.begin() + start, samples.begin() + start + 3000);
  for (const float ratio : {0.0f, 0.5f}) {
    const Gap gap = CompareWithExact(ground, 0.01f, ratio);
    const Gap finer = CompareWithExact(Refine(ground, 2), 0.005f, ratio);
    std::printf("damping %.0f%%: mean gap below 0.4 s %.2f%% (%.2f%% at 200 Hz), largest from 0.4 s %.3f%% (%.3f%%)\n",
                100 * ratio, 100 * gap.short_mean, 100 * finer.short_mean, 100 * gap.long_periods, 100 * finer.long_periods);
    EXPECT_LT(gap.long_periods, 0.03) << ratio;
    // Undamped, the phase error of the short periods builds up over hundreds of cycles, so their
    // gap shrinks more slowly.
    EXPECT_LT(finer.short_mean, gap.short_mean * (ratio == 0.0f ? 0.8 : 0.5)) << ratio;
    EXPECT_LT(finer.long_periods, gap.long_periods * 0.5) << ratio;
  }
}

}  // namespace
}  // namespace tremora

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
#include <memory>
#include <vector>

#include "core/wave/SampleRecords.h"
#include "spectrum/ExactResponse.h"
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

// The closed-form response to ground acceleration r * tau rising from rest at tau = 0:
// u = -r / k (tau - 2h / w) plus the free vibration that starts it at rest.
struct ClosedForm {
  long double h, w, r;
  long double U(long double tau, long double* v) const {
    if (tau <= 0) return *v = 0, 0;
    const long double k = w * w;
    const long double c1 = -2 * h * r / (k * w);
    const long double e = expl(-h * w * tau);
    if (h == 1) {  // critical damping: (c1 + c2 tau) e^(-w tau)
      const long double c2 = r / k + w * c1;
      *v = -r / k + e * (c2 - w * (c1 + c2 * tau));
      return -r / k * (tau - 2 * h / w) + e * (c1 + c2 * tau);
    }
    const long double wd = w * sqrtl(1 - h * h);
    const long double c2 = (r / k + h * w * c1) / wd;
    const long double cs = cosl(wd * tau), sn = sinl(wd * tau);
    *v = -r / k + e * (-h * w * (c1 * cs + c2 * sn) + wd * (c2 * cs - c1 * sn));
    return -r / k * (tau - 2 * h / w) + e * (c1 * cs + c2 * sn);
  }
};

TEST(ExactSolution, MatchesTheClosedFormsOfLinearAndConstantGroundAcceleration) {
  const float dt = 0.01f;
  const long double r = 250.0L;  // gal/s
  for (const float ratio : {0.0f, 0.05f, 0.5f, 1.0f}) {
    for (const float period : {0.05f, 0.3f, 2.0f}) {
      const ClosedForm form{ratio, 2 * M_PIl / period, r};
      for (const bool constant : {false, true}) {
        // Sample i at tau = (i + 1) dt: the ramp from 0 over the first step is the solver's own start.
        // The constant case is the ramp less the same ramp one step later.
        std::vector<float> ground(600);
        long double sa = 0, sv = 0, sd = 0;
        for (int i = 0; i < 600; ++i) {
          const long double tau = (i + 1) * static_cast<long double>(dt);
          ground[i] = static_cast<float>(constant ? r * dt : r * tau);
          long double v = 0, v_late = 0;
          long double u = form.U(tau, &v);
          if (constant) u -= form.U(tau - dt, &v_late), v -= v_late;
          sa = std::max(sa, fabsl(-2 * ratio * form.w * v - form.w * form.w * u));
          sv = std::max(sv, fabsl(v));
          sd = std::max(sd, fabsl(u));
        }
        // The ramp's samples are floats: compare against the same ground motion's exact peaks.
        float peaks[3];
        ExactPeaks(MakeExactStep(ratio, period, dt), ground.data(), 600, peaks);
        const long double expected[3] = {sa, sv, sd};
        for (int kind = 0; kind < 3; ++kind) {
          EXPECT_NEAR(peaks[kind] / expected[kind], 1.0L, 2e-6L) << ratio << " " << period << " " << constant << " " << kind;
        }
      }
    }
  }
}

TEST(ExactSolution, FastFormEqualsItsOracleAndTheLinearAccelerationMethodConvergesToIt) {
  const std::vector<float> samples = testing::ReadComponent("AOM0011801241951.NS");
  const int start = AutoStartIndex(static_cast<int>(samples.size()), samples.data());
  const std::vector<float> ground(samples.begin() + start, samples.begin() + start + 3000);
  const PeriodGrid grid = MakePeriodGrid();
  for (const DampingMultiplier multiplier : {DampingMultiplier::X1, DampingMultiplier::X10}) {
    const DampingRatios ratios = DampingSet(multiplier);
    auto fast = std::make_unique<ChannelSpectra>();
    auto scalar = std::make_unique<ChannelSpectra>();
    ComputeChannelSpectraExact(ground.data(), 3000, grid.Periods.data(), kPeriodCount, ratios.data(), kDampingCount,
                               0.01, *fast);
    ComputeChannelSpectraExact(ground.data(), 3000, grid.Periods.data(), kPeriodCount, ratios.data(), kDampingCount,
                               0.01, *scalar, true);
    EXPECT_TRUE(*fast == *scalar);
    // Against the long double oracle above, every period and damping.
    for (int d = 0; d < kDampingCount; ++d) {
      for (int k = 0; k < kPeriodCount; k += 3) {
        const float h = ratios[d] == 1.0f ? 0.9999999f : ratios[d];
        const Peaks exact = ExactPeaks(ground, h, grid.Periods[k], 0.01L);
        EXPECT_NEAR((*fast)[d][0][k] / exact.sa, 1.0L, 1e-5L) << d << " " << k;
        EXPECT_NEAR((*fast)[d][1][k] / exact.sv, 1.0L, 1e-5L) << d << " " << k;
        EXPECT_NEAR((*fast)[d][2][k] / exact.sd, 1.0L, 1e-5L) << d << " " << k;
      }
    }
  }
  // The linear-acceleration method on the same motion sampled 1, 2, 4 and 8 times as often: its
  // mean gap of SA below 0.4 s to the exact solution (peaks at the same points) shrinks each time.
  const float ratios[1] = {0.05f};
  double previous = 1e9;
  for (const int factor : {1, 2, 4, 8}) {
    const std::vector<float> fine = Refine(ground, factor);
    auto exact = std::make_unique<ChannelSpectra>();
    ComputeChannelSpectraExact(fine.data(), static_cast<int>(fine.size()), grid.Periods.data(), kPeriodCount, ratios,
                               1, 0.01 / factor, *exact);
    auto linear = std::make_unique<ChannelSpectra>();
    ComputeChannelSpectra(0, fine.data(), static_cast<int>(fine.size()), grid.Periods.data(), kPeriodCount, ratios, 1,
                          0.01f / factor, *linear);
    double gap = 0;
    int n = 0;
    for (int k = 0; k < kPeriodCount; ++k) {
      if (grid.Periods[k] >= 0.4f) continue;
      gap += std::fabs((*linear)[0][0][k] / (*exact)[0][0][k] - 1);
      ++n;
    }
    gap /= n;
    std::printf("linear acceleration at %d x the rate: mean SA gap below 0.4 s %.3f%%\n", factor, 100 * gap);
    EXPECT_LT(gap, previous * 0.5) << factor;
    previous = gap;
  }
}

}  // namespace
}  // namespace tremora

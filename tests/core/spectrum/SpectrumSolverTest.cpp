#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <vector>

#include "spectrum/ExactResponse.h"
#include "spectrum/OscillatorResponse.h"
#include "spectrum/PeriodGrid.h"
#include "spectrum/SpectrumSolver.h"
#include "core/wave/SampleRecords.h"
#include "wave/WaveProcessing.h"

namespace tremora {
namespace {

std::vector<SimdLevel> SupportedLevels() {
  std::vector<SimdLevel> levels;
  for (SimdLevel level : {SimdLevel::Baseline, SimdLevel::Avx2, SimdLevel::Avx512}) {
    if (SimdLevelSupported(level)) levels.push_back(level);
  }
  return levels;
}

// Counts the values that differ in any bit.
int CountBitDifferences(const ChannelSpectra& a, const ChannelSpectra& b) {
  int differences = 0;
  for (int d = 0; d < kDampingCount; ++d)
    for (int kind = 0; kind < kResponseKinds; ++kind)
      for (int k = 0; k < kPeriodCount; ++k)
        differences += std::memcmp(&a[d][kind][k], &b[d][kind][k], sizeof(float)) != 0;
  return differences;
}

TEST(PeriodGrid, MatchesTheTabulatedPeriodsAndFrequencies) {
  const PeriodGrid grid = MakePeriodGrid();
  EXPECT_FLOAT_EQ(grid.LogStep, 0.052983172f);
  const struct { int k; double period, frequency; } rows[] = {
      {0, 0.050000, 20.000000}, {1, 0.052721, 18.967920}, {13, 0.099564, 10.043755}, {14, 0.104982, 9.525456},
      {50, 0.707107, 1.414214}, {69, 1.934999, 0.516796}, {70, 2.040286, 0.490127}, {86, 4.762728, 0.209964},
      {87, 5.021877, 0.199129}, {99, 9.483958, 0.105441}};
  for (const auto& row : rows) {
    // The table is printed to six decimals.
    EXPECT_NEAR(grid.Periods[row.k], row.period, 6e-7) << row.k;
    EXPECT_NEAR(grid.Frequencies[row.k], row.frequency, 6e-7 + 1e-7 * row.frequency) << row.k;
  }
  EXPECT_EQ(grid.AscendingFrequencies[0], grid.Frequencies[99]);
  EXPECT_EQ(grid.AscendingFrequencies[99], grid.Frequencies[0]);
}

TEST(DampingSet, ScalesTheFiveRatiosAndTheirCaptions) {
  EXPECT_EQ(DampingSet(DampingMultiplier::X1), (DampingRatios{0.0f, 0.01f, 0.02f, 0.05f, 0.10f}));
  EXPECT_EQ(DampingSet(DampingMultiplier::X10), (DampingRatios{0.0f, 0.10f, 0.20f, 0.50f, 1.00f}));
  EXPECT_STREQ(DampingCaptions(DampingMultiplier::X5)[0], " 5%");
  EXPECT_STREQ(DampingCaptions(DampingMultiplier::X10)[3], "100%");
}

TEST(OscillatorResponse, OneSampleFollowsTheFirstStepFormulas) {
  const float g0 = 100.0f, dt = 0.01f, h = 0.05f, period = 0.5f;
  ResponseHistories histories;
  histories.Resize(1);
  OscillatorResponse(1, h, period, dt, &g0, histories);
  const OscillatorConstants c = MakeOscillatorConstants(h, period, dt);
  const float a = static_cast<float>(-g0 / static_cast<long double>(c.Divisor));
  EXPECT_EQ(histories.RelativeAcceleration[0], a);
  EXPECT_EQ(histories.AbsoluteAcceleration[0], a + g0);
  EXPECT_FLOAT_EQ(histories.RelativeVelocity[0], a * dt / 2);
  EXPECT_FLOAT_EQ(histories.RelativeDisplacement[0], a * dt * dt / 6);
}

TEST(OscillatorResponse, ConstantGroundAccelerationGivesTheStaticDisplacementAndItsDouble) {
  // The undamped oscillator swings between 0 and twice the static displacement g0 / omega^2; at
  // critical damping it creeps up to the static displacement without overshoot.
  const float g0 = 50.0f, dt = 0.01f, period = 1.0f;
  std::vector<float> ground(3000, g0);
  ChannelSpectra spectra{};
  const float periods[1] = {period};
  const float ratios[2] = {0.0f, 1.0f};
  ComputeChannelSpectraScalar(ground.data(), 3000, periods, 1, ratios, 2, dt, spectra);
  const double omega = 2 * M_PI / period;
  const double static_displacement = g0 / (omega * omega);
  EXPECT_NEAR(spectra[0][2][0], 2 * static_displacement, 0.002 * static_displacement);
  EXPECT_NEAR(spectra[1][2][0], static_displacement, 0.002 * static_displacement);
  EXPECT_LE(spectra[1][2][0], static_displacement * 1.0001);
}

TEST(SpectrumSolver, AllZeroSectionGivesZeroEverywhere) {
  std::vector<float> ground(500, 0.0f);
  const PeriodGrid grid = MakePeriodGrid();
  const DampingRatios ratios = DampingSet(DampingMultiplier::X10);
  ChannelSpectra spectra;
  for (auto& d : spectra) for (auto& kind : d) kind.fill(7.0f);
  ComputeChannelSpectra(0, ground.data(), 500, grid.Periods.data(), kPeriodCount, ratios.data(), kDampingCount, 0.01f,
                        spectra);
  for (auto& d : spectra) for (auto& kind : d) for (float value : kind) EXPECT_EQ(value, 0.0f);
}

TEST(SpectrumSolver, FastKernelsReproduceThePlainSolverBitForBitOnRealRecords) {
  // A 15 s section from the automatic start of every component, each damping set once.
  const PeriodGrid grid = MakePeriodGrid();
  const DampingMultiplier sets[] = {DampingMultiplier::X1, DampingMultiplier::X5, DampingMultiplier::X10};
  int record_index = 0;
  for (const std::string& name : testing::AllComponents()) {
    const std::vector<float> samples = testing::ReadComponent(name);
    const int start = AutoStartIndex(static_cast<int>(samples.size()), samples.data());
    const int count = std::min(1500, static_cast<int>(samples.size()) - start);
    const DampingRatios ratios = DampingSet(sets[record_index++ % 3]);
    ChannelSpectra expected{};
    ComputeChannelSpectraScalar(samples.data() + start, count, grid.Periods.data(), kPeriodCount, ratios.data(),
                                kDampingCount, 0.01f, expected);
    for (SimdLevel level : SupportedLevels()) {
      ChannelSpectra fast{};
      ComputeChannelSpectraWith(level, samples.data() + start, count, grid.Periods.data(), kPeriodCount,
                                ratios.data(), kDampingCount, 0.01f, fast);
      EXPECT_EQ(CountBitDifferences(fast, expected), 0) << name << " " << SimdLevelName(level);
    }
  }
}

TEST(SpectrumSolver, OddOscillatorCountsFillOnlyTheirOwnSlots) {
  const std::vector<float> samples = testing::ReadComponent("AOM0011801241951.NS");
  const float periods[3] = {0.1f, 0.5f, 2.0f};
  const float ratios[2] = {0.02f, 0.3f};
  ChannelSpectra expected{}, fast{};
  ComputeChannelSpectraScalar(samples.data() + 2000, 700, periods, 3, ratios, 2, 0.01f, expected);
  for (SimdLevel level : SupportedLevels()) {
    ComputeChannelSpectraWith(level, samples.data() + 2000, 700, periods, 3, ratios, 2, 0.01f, fast);
    EXPECT_EQ(CountBitDifferences(fast, expected), 0) << SimdLevelName(level);
  }
}

TEST(SpectrumSolver, DisplacementHistoriesOfEveryKernelAreThoseOfThePlainForms) {
  // Two channels, 1000 steps, every period of the grid: each oscillator's histories as the scalar
  // recurrences store them, by both methods and on every instruction set.
  const std::vector<float> ns = testing::ReadComponent("AOM0011801241951.NS");
  const std::vector<float> ew = testing::ReadComponent("AOM0011801241951.EW");
  const float* grounds[2] = {ns.data() + 2500, ew.data() + 2500};
  const int count = 1000;
  const float ratio = 0.05f;
  const PeriodGrid grid = MakePeriodGrid();
  std::vector<std::vector<float>> linear(2 * kPeriodCount), exact(2 * kPeriodCount);
  ResponseHistories histories;
  histories.Resize(count);
  for (int k = 0; k < kPeriodCount; ++k) {
    for (int c = 0; c < 2; ++c) {
      OscillatorResponse(count, ratio, grid.Periods[k], 0.01f, grounds[c], histories);
      linear[2 * k + c] = histories.RelativeDisplacement;
      exact[2 * k + c].resize(count);
      float peaks[3];
      ExactPeaks(MakeExactStep(ratio, grid.Periods[k], 0.01), grounds[c], count, peaks, exact[2 * k + c].data());
    }
  }
  const auto check = [&](const std::vector<std::vector<float>>& expected, SpectrumMethod method, SimdLevel level) {
    std::atomic<int> mismatched = 0;  // the periods are visited on the pool's threads
    VisitDisplacementPairs(grounds[0], grounds[1], count, grid.Periods.data(), kPeriodCount, ratio, 0.01f, 0.01,
                           method, [&](int k, double, const float* u1, const float* u2) {
                             for (int i = 0; i < count; ++i) {
                               mismatched += std::memcmp(&u1[i], &expected[2 * k][i], sizeof(float)) != 0;
                               mismatched += std::memcmp(&u2[i], &expected[2 * k + 1][i], sizeof(float)) != 0;
                             }
                           }, level);
    return mismatched.load();
  };
  for (SimdLevel level : SupportedLevels()) {
    EXPECT_EQ(check(linear, SpectrumMethod::LinearAcceleration, level), 0) << SimdLevelName(level);
  }
  EXPECT_EQ(check(exact, SpectrumMethod::Exact, DetectSimdLevel()), 0);
}

TEST(SpectrumSolver, OneLoadedChannelLeavesTheOtherSlotsAsTheyWere) {
  RecordSet record;
  record.ChannelCount = 1;
  record.SampleCount = 400;
  record.SamplingInterval = 0.01f;
  for (int i = 0; i < 400; ++i) record.Acceleration[0][i] = std::sin(i * 0.3f) * 10;
  SpectrumSet spectra{};
  spectra[1][2][1][5] = 42.0f;
  std::vector<std::pair<int, int>> progress;
  ComputeSpectra(record, 0, 400, MakePeriodGrid(), DampingSet(DampingMultiplier::X1), spectra,
                 [&](int a, int b) { progress.emplace_back(a, b); });
  EXPECT_GT(spectra[0][3][0][10], 0.0f);
  EXPECT_EQ(spectra[1][2][1][5], 42.0f);
  EXPECT_EQ(spectra[2][0][0][0], 0.0f);
  ASSERT_FALSE(progress.empty());
  EXPECT_EQ(progress.back(), std::make_pair(6, 99));
}

}  // namespace
}  // namespace tremora

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "core/wave/SampleRecords.h"
#include "wave/BandPassFilter.h"
#include "wave/WaveProcessing.h"

namespace tremora {
namespace {

std::vector<float> Design(float dt) {
  std::vector<float> c(kBandPassCount);
  DesignBandPass(kBandPassCount, c.data(), dt, kBandPassF4, kBandPassF3, kBandPassF2, kBandPassF1);
  return c;
}

// Gain of the symmetric 999-tap filter at frequency f (Hz).
double Gain(const std::vector<float>& c, double f, double dt) {
  double gain = c[0];
  for (size_t j = 1; j < c.size(); ++j) gain += 2 * c[j] * std::cos(2 * M_PI * f * j * dt);
  return gain;
}

int CountBitDifferences(const std::vector<float>& a, const std::vector<float>& b) {
  int differences = 0;
  for (size_t i = 0; i < a.size(); ++i) differences += std::memcmp(&a[i], &b[i], sizeof(float)) != 0;
  return differences;
}

TEST(DesignBandPass, CentreCoefficientIsThePassBandWidthInCyclesPerSample) {
  EXPECT_NEAR(Design(0.01f)[0], 1.247f, 1e-6);
  EXPECT_NEAR(Design(0.005f)[0], 0.6235f, 1e-6);
}

TEST(DesignBandPass, ResponseRisesAcrossTheLowCornersAndFoldsBackAt100Hz) {
  const std::vector<float> c = Design(0.01f);
  EXPECT_NEAR(Gain(c, 0.1, 0.01), 0.12, 0.02);
  EXPECT_NEAR(Gain(c, 0.15, 0.01), 0.48, 0.02);
  EXPECT_NEAR(Gain(c, 0.2, 0.01), 0.88, 0.02);
  for (const double f : {0.5, 1.0, 5.0, 20.0}) EXPECT_NEAR(Gain(c, f, 0.01), 1.0, 0.02) << f;
  // The 50-75 Hz ramp lies beyond the Nyquist frequency and folds back onto the band.
  EXPECT_NEAR(Gain(c, 49.9, 0.01), 2.0, 0.05);
  const std::vector<float> c200 = Design(0.005f);
  for (const double f : {1.0, 25.0, 45.0}) EXPECT_NEAR(Gain(c200, f, 0.005), 1.0, 0.02) << f;
}

TEST(ApplyBandPass, AnImpulseReturnsTheSymmetricImpulseResponse) {
  const std::vector<float> c = Design(0.01f);
  std::vector<float> samples(1200, 0.0f);
  samples[600] = 1.0f;
  ApplyBandPass(kBandPassCount, c.data(), samples.data(), 1200);
  EXPECT_EQ(samples[600], c[0]);
  for (int j = 1; j < kBandPassCount; ++j) {
    ASSERT_EQ(samples[600 - j], c[j]) << j;
    ASSERT_EQ(samples[600 + j], c[j]) << j;
  }
  EXPECT_EQ(samples[0], 0.0f);  // 600 taps away: outside the filter
}

TEST(ApplyBandPass, EveryKernelReproducesTheScalarFilterBitForBit) {
  // Velocity-like input from a real record, at lengths that end inside a vector block, shorter
  // than the filter, and of a single sample.
  const std::vector<float> acceleration = testing::ReadComponent("NGNH311106302345.NS1");
  const std::vector<float> c = Design(0.01f);
  for (const int length : {1, 37, 700, 2345}) {
    std::vector<float> velocity(length);
    Integrate(length, acceleration.data() + 1000, 0.01f, velocity.data());
    std::vector<float> expected = velocity;
    ApplyBandPassScalar(kBandPassCount, c.data(), expected.data(), length);
    for (SimdLevel level : {SimdLevel::Baseline, SimdLevel::Avx2, SimdLevel::Avx512}) {
      if (!SimdLevelSupported(level)) continue;
      std::vector<float> fast = velocity;
      ApplyBandPassWith(level, kBandPassCount, c.data(), fast.data(), length);
      EXPECT_EQ(CountBitDifferences(fast, expected), 0) << length << " " << SimdLevelName(level);
    }
  }
}

TEST(ApplyBandPass, SamplesOutsideTheRangeCountAsZero) {
  // A constant keeps its value only where all 999 taps lie inside the samples.
  const std::vector<float> c = Design(0.01f);
  std::vector<float> samples(3000, 1.0f);
  ApplyBandPass(kBandPassCount, c.data(), samples.data(), 3000);
  EXPECT_NEAR(samples[1500], Gain(c, 0.0, 0.01), 1e-4);
  EXPECT_GT(std::fabs(samples[0] - samples[1500]), 0.1);
}

}  // namespace
}  // namespace tremora

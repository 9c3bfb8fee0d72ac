#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "core/wave/SampleRecords.h"
#include "record/KnetFormat.h"
#include "wave/BandPassFilter.h"
#include "wave/WaveProcessing.h"

namespace tremora {
namespace {

TEST(PeakAbs, TakesTheFirstOfEqualPeaksAndZeroForSilence) {
  const float samples[] = {1.0f, -3.0f, 2.0f, 3.0f, -1.0f};
  int position = -1;
  EXPECT_EQ(PeakAbs(5, samples, position), 3.0f);
  EXPECT_EQ(position, 1);
  const float silence[] = {0.0f, -0.0f, 0.0f};
  EXPECT_EQ(PeakAbs(3, silence, position), 0.0f);
  EXPECT_EQ(position, 0);
  EXPECT_EQ(PeakAbs(0, samples, position), 0.0f);
}

TEST(Integrate, SumsFromTheSecondSampleOn) {
  const float input[] = {100.0f, 1.0f, 2.0f, -4.0f};
  float output[4];
  Integrate(4, input, 0.5f, output);
  EXPECT_EQ(output[0], 0.0f);
  EXPECT_EQ(output[1], 0.5f);
  EXPECT_EQ(output[2], 1.5f);
  EXPECT_EQ(output[3], -0.5f);
}

TEST(AutoScale, ChoosesTheFirstSeriesValueWhoseDoubleExceedsThePeak) {
  EXPECT_NEAR(AutoScale(2, 343.2f), 200.0f, 1e-4);
  EXPECT_NEAR(AutoScale(2, 5.0f), 5.0f, 1e-6);  // 2 x 2.5 is not greater than 5
  EXPECT_NEAR(AutoScale(2, 4.9f), 2.5f, 1e-6);
  EXPECT_EQ(AutoScale(2, 0.0f), 1e-10f);
  // The decade is a float that runs below the powers of ten.
  EXPECT_LT(AutoScale(2, 1.5f), 1.0f);
}

TEST(AutoScale, AnInfinitePeakEndsWithTheLargestCandidate) {
  const float scale = AutoScale(2, std::numeric_limits<float>::infinity());
  EXPECT_TRUE(std::isfinite(scale));
  EXPECT_GT(scale, 1e37f);
}

TEST(AutoStartIndex, StartsTwoHundredSamplesBeforeTheMotion) {
  std::vector<float> samples(2000, 0.01f);
  samples[900] = 0.5f;   // above 2 % of the peak
  samples[1500] = -10.0f;
  EXPECT_EQ(AutoStartIndex(2000, samples.data()), 700);
  samples[0] = 1.0f;
  EXPECT_EQ(AutoStartIndex(2000, samples.data()), 0);
  samples[0] = 0.2f;  // exactly 2 % is not above it
  EXPECT_EQ(AutoStartIndex(2000, samples.data()), 700);
}

TEST(ChooseDisplayedSection, ShrinksAtTheEndAndBringsStartsIntoTheRecord) {
  DisplayedSection s = ChooseDisplayedSection(100, 50.0f, 10000, 0.01f);
  EXPECT_EQ(s.StartIndex, 100);
  EXPECT_EQ(s.DisplayCount, 5000);
  s = ChooseDisplayedSection(9000, 250.0f, 10000, 0.01f);
  EXPECT_EQ(s.DisplayCount, 1000);
  s = ChooseDisplayedSection(-5, 5.0f, 10000, 0.005f);
  EXPECT_EQ(s.StartIndex, 0);
  EXPECT_EQ(s.DisplayCount, 1000);
  s = ChooseDisplayedSection(20000, 10.0f, 10000, 0.01f);
  EXPECT_EQ(s.StartIndex, 9999);
  EXPECT_EQ(s.DisplayCount, 1);
  s = ChooseDisplayedSection(0, 10.0f, 0, 0.01f);
  EXPECT_EQ(s.DisplayCount, 0);
  s = ChooseDisplayedSection(10, 250.0f, 70000, 0.0001f);  // more samples than a record holds
  EXPECT_EQ(s.DisplayCount, 69990);
  s = ChooseDisplayedSection(10, 250.0f, 70000, 0.0f);
  EXPECT_EQ(s.DisplayCount, 0);
}

TEST(ChooseDisplayedSection, TenAndHundredSecondsHaveFourSubTicks) {
  for (size_t item = 0; item < kTimeWidths.size(); ++item) {
    const DisplayedSection s = ChooseDisplayedSection(0, kTimeWidths[item], 100000, 0.01f);
    const float width = kTimeWidths[item];
    EXPECT_EQ(s.SubTicks, width == 10.0f || width == 100.0f ? 4 : 5) << width;
    EXPECT_FLOAT_EQ(s.SecondsPerDivision, width / 5) << width;
  }
}

// The processing written out step by step with the scalar filter.
void ProcessByHand(const RecordSet& record, int ch, const DisplayedSection& s, bool dc, std::vector<float>& velocity,
                   std::vector<float>& displacement) {
  const int length = s.DisplayCount + kSectionTail;
  std::vector<float> work(length, 0.0f);
  for (int i = 0; i < length && s.StartIndex + i < record.SampleCount; ++i) work[i] = record.Acceleration[ch][s.StartIndex + i];
  if (dc) RemoveMean(work.data(), 0, length);
  velocity.assign(length, 0.0f);
  displacement.assign(length, 0.0f);
  Integrate(length, work.data(), record.SamplingInterval, velocity.data());
  ApplyBandPassScalar(kBandPassCount, record.FilterCoefficients.data(), velocity.data(), length);
  if (dc) RemoveMean(velocity.data(), 0, length);
  Integrate(length, velocity.data(), record.SamplingInterval, displacement.data());
  ApplyBandPassScalar(kBandPassCount, record.FilterCoefficients.data(), displacement.data(), length);
}

TEST(ProcessDisplayedSection, IntegratesAndFiltersEachChannelPastTheRecordsEnd) {
  RecordSet record;
  record.ChannelCount = 1;
  const std::vector<float> samples = testing::ReadComponent("AKT0139608110312.EW", false);
  record.SampleCount = static_cast<int>(samples.size());
  std::copy(samples.begin(), samples.end(), record.Acceleration[0].begin());
  record.SamplingInterval = 0.01f;
  DesignBandPass(kBandPassCount, record.FilterCoefficients.data(), 0.01f, kBandPassF4, kBandPassF3, kBandPassF2,
                 kBandPassF1);
  // A 10 s section whose processed tail runs past the last sample, with and without the mean.
  const DisplayedSection section = ChooseDisplayedSection(record.SampleCount - 800, 10.0f, record.SampleCount, 0.01f);
  ASSERT_EQ(section.DisplayCount, 800);
  for (const bool dc : {true, false}) {
    std::fill(record.Velocity[0].begin(), record.Velocity[0].end(), 9.0f);
    ProcessDisplayedSection(record, section, dc);
    std::vector<float> velocity, displacement;
    ProcessByHand(record, 0, section, dc, velocity, displacement);
    EXPECT_TRUE(std::equal(velocity.begin(), velocity.end(), record.Velocity[0].begin())) << dc;
    EXPECT_TRUE(std::equal(displacement.begin(), displacement.end(), record.Displacement[0].begin())) << dc;
  }
  EXPECT_TRUE(std::equal(samples.begin(), samples.end(), record.Acceleration[0].begin()));  // untouched
}

}  // namespace
}  // namespace tremora

#include "wave/WaveProcessing.h"

#include <algorithm>
#include <cmath>

#include "record/KnetFormat.h"
#include "wave/BandPassFilter.h"

namespace tremora {

void DesignRecordFilter(RecordSet& record) {
  DesignBandPass(kBandPassCount, record.FilterCoefficients.data(), record.SamplingInterval, kBandPassF4,
                 kBandPassF3, kBandPassF2, kBandPassF1);
}

float PeakAbs(int length, const float* samples, int& position) {
  float peak = 0.0f;
  position = 0;
  for (int i = 0; i < length; ++i) {
    const float size = std::fabs(samples[i]);
    if (size > peak) {
      peak = size;
      position = i;
    }
  }
  return peak;
}

void Integrate(int length, const float* input, float dt, float* output) {
  if (length <= 0) return;
  output[0] = 0.0f;
  for (int i = 1; i < length; ++i) {
    output[i] = static_cast<float>(output[i - 1] + static_cast<long double>(dt) * input[i]);
  }
}

float AutoScale(float factor, float peak) {
  static constexpr float kSeries[] = {1.0f, 2.0f, 2.5f, 5.0f};
  // The decade is kept as a float, so it runs slightly off the powers of ten; the tick labels
  // round that away. An infinite peak has no candidate: the largest finite one is returned
  // rather than looping for ever.
  float decade = 1e-10f;
  float candidate = decade;
  while (std::isfinite(decade)) {
    for (const float step : kSeries) {
      const float value = static_cast<float>(static_cast<long double>(step) * decade);
      if (!std::isfinite(value)) return candidate;
      candidate = value;
      if (static_cast<long double>(factor) * candidate > peak) return candidate;
    }
    decade = decade * 10.0f;
  }
  return candidate;
}

int AutoStartIndex(int length, const float* samples) {
  int position = 0;
  const float peak = PeakAbs(length, samples, position);
  const float threshold = static_cast<float>(peak * static_cast<long double>(0.02));
  int first = length;
  for (int i = 0; i < length; ++i) {
    if (std::fabs(samples[i]) > threshold) {
      first = i;
      break;
    }
  }
  return std::max(first - kAutoStartLead, 0);
}

DisplayedSection ChooseDisplayedSection(int requested_start, float time_width, int sample_count, float dt) {
  DisplayedSection section;
  sample_count = std::clamp(sample_count, 0, kChannelCapacity);
  section.StartIndex = std::clamp(requested_start, 0, std::max(sample_count - 1, 0));
  section.TimeWidth = time_width;
  const int whole_seconds = static_cast<int>(time_width + 0.01L);
  section.SubTicks = whole_seconds == 10 || whole_seconds == 100 ? 4 : 5;
  section.SecondsPerDivision = time_width * 0.2f;
  const long double samples = time_width / static_cast<long double>(dt);
  // An unusable interval shows nothing; a width beyond the record is cut below, after the
  // conversion is kept from overflowing.
  int count = 0;
  if (std::isfinite(samples) && samples > 0) count = samples >= sample_count ? sample_count : static_cast<int>(samples);
  if (section.StartIndex + count > sample_count) count = sample_count - section.StartIndex;
  section.DisplayCount = std::max(count, 0);
  return section;
}

void ProcessChannel(RecordSet& record, int channel, const DisplayedSection& section, bool remove_mean) {
  const int length = section.DisplayCount + kSectionTail;
  const int start = section.StartIndex;
  const float* acceleration = record.Acceleration[channel].data();
  float* work = record.WorkBuffer.data();
  float* velocity = record.Velocity[channel].data();
  float* displacement = record.Displacement[channel].data();
  const int stored = std::clamp(record.SampleCount - start, 0, length);
  std::copy_n(acceleration + start, stored, work);
  std::fill(work + stored, work + length, 0.0f);
  if (remove_mean) RemoveMean(work, 0, length);
  Integrate(length, work, record.SamplingInterval, velocity);
  ApplyBandPass(kBandPassCount, record.FilterCoefficients.data(), velocity, length);
  if (remove_mean) RemoveMean(velocity, 0, length);
  Integrate(length, velocity, record.SamplingInterval, displacement);
  ApplyBandPass(kBandPassCount, record.FilterCoefficients.data(), displacement, length);
}

void ProcessDisplayedSection(RecordSet& record, const DisplayedSection& section, bool remove_mean) {
  for (int ch = 0; ch < std::min(record.ChannelCount, kMaxChannels); ++ch) {
    ProcessChannel(record, ch, section, remove_mean);
  }
}

}  // namespace tremora

#pragma once
// From the loaded acceleration to what the waveform view shows: the displayed section, velocity
// and displacement integrated and band-pass filtered, peaks and automatic scales.

#include <array>

#include "record/RecordSet.h"

namespace tremora {

// The widths the time axis offers, in seconds.
constexpr std::array<float, 6> kTimeWidths = {5.0f, 10.0f, 25.0f, 50.0f, 100.0f, 250.0f};
// The section is processed this much longer than shown, so the filter's edge stays out of sight.
constexpr int kSectionTail = kProcessingTail;
constexpr int kAutoStartLead = 200;  // samples shown before the motion starts

// The band-pass filter of the loaded record: FilterCoefficients for its SamplingInterval.
void DesignRecordFilter(RecordSet& record);

// Largest absolute value of samples[0 .. length); its index goes to position. The first of equal
// peaks wins; all zeros (or length 0) give 0 at index 0.
float PeakAbs(int length, const float* samples, int& position);

// Rectangle rule with the sample at the end of each step: output[0] = 0,
// output[i] = output[i-1] + dt * input[i]. input and output may not overlap.
void Integrate(int length, const float* input, float dt, float* output);

// The value per grid division of an amplitude axis: the first of 1, 2, 2.5, 5 times a power of
// ten, from 1e-10 up, whose factor-fold exceeds peak.
float AutoScale(float factor, float peak);

// 200 samples before the first sample of samples[0 .. length) whose size exceeds 2 % of the peak,
// and 0 when that is earlier.
int AutoStartIndex(int length, const float* samples);

struct DisplayedSection {
  int StartIndex = 0;
  int DisplayCount = 0;
  float TimeWidth = 0;       // s
  float SecondsPerDivision = 0;  // five divisions span the width
  int SubTicks = 5;          // per division: 4 for 10 s and 100 s, else 5
};

// The section shown from requested_start for time_width seconds. A start outside the record is
// brought to its nearest sample (0 for an empty record); the count stops at the record's end.
DisplayedSection ChooseDisplayedSection(int requested_start, float time_width, int sample_count, float dt);

// Velocity[channel] and Displacement[channel] of the section, for DisplayCount + 300 samples:
// the acceleration copied (zeros past the record's end), its mean removed when asked,
// integrated, filtered, the velocity's mean removed when asked, integrated, filtered.
// Acceleration is not changed; WorkBuffer is used as scratch.
void ProcessChannel(RecordSet& record, int channel, const DisplayedSection& section, bool remove_mean);
// ProcessChannel for every loaded channel.
void ProcessDisplayedSection(RecordSet& record, const DisplayedSection& section, bool remove_mean);

}  // namespace tremora

#pragma once
// Reading values off the waveform strips: each strip's trace as drawn, and the sample under a pixel
// worked back through the same mapping. No Qt here; the plot records and asks.

#include <optional>
#include <string>
#include <vector>

#include "platform/PlotReadout.h"
#include "wave/WaveGeometry.h"

namespace tremora {

// What the read-out says of a trace besides its samples.
struct WaveTraceLabel {
  std::string name;             // "NS 加速度"
  std::string unit;             // "gal"
  double first_sample_time = 0;  // s from the record's first sample to the trace's first
  std::optional<double> start_clock;  // clock time of the record's first sample (RecordStartClock)
  int decimals = 2;             // of times and clock times
};

// One strip as drawn: its settings, the samples of its trace (a copy) and their interval.
struct WaveStripShown {
  WaveAxes axes;
  std::vector<float> samples;
  double dt = 0;
  WaveTraceLabel label;
};

struct WaveReading {
  int strip = 0;
  int sample = 0;  // index in the strip's samples
  PixelPoint point;  // where that sample is drawn
};

// The strip whose zero line is nearest row y (the last drawn of several there), and in it the sample drawn at column x; of the
// samples that share the column, the one drawn nearest y; in a column without one, the nearest
// column's. nullopt off the time axis or when nothing is drawn.
std::optional<WaveReading> ReadWaveAt(const std::vector<WaveStripShown>& strips, int x, int y);

// The status line and marker of a reading: time from the record start, value with its unit and the
// clock time.
PlotReading DescribeWaveReading(const std::vector<WaveStripShown>& strips, const WaveReading& reading);

}  // namespace tremora

#pragma once
// Geometry of a waveform strip: tick texts, value and time to pixel, the frame of a strip and the
// points of a trace. Pure functions of the strip's settings; the plot control only paints them.

#include <string>
#include <vector>

#include "platform/DrawList.h"

namespace tremora {

// The settings of one strip, with the values a new plot has.
struct WaveAxes {
  int NGridX = 3;     // time divisions
  int NGridY = 2;     // amplitude divisions above (and below) the zero line
  int OriginX = 50;   // left end of the zero line
  int OriginY = 100;  // row of the zero line
  int UnitLenX = 100;
  int UnitLenY = 25;
  int SubX = 5;  // sub-intervals per division, 0 for none
  int SubY = 2;
  bool PlusOnly = false;  // positive half only
  float SValueX = 0.0f;
  float SValueY = 0.0f;
  float VValueX = 1.0f;  // value per time division
  float VValueY = 10.0f;
  std::string Title = "Sample Wave";
  std::string UnitX = "[sec]";
  std::string UnitY = "[cm]";
};

// The defaults a saved window layout leaves out (they differ from a new plot's in NGridY and SubY).
WaveAxes DeclaredWaveDefaults();

// Tick text of a strip: "0", fixed with up to four decimals, or "%.1e" outside 1e-5 .. 1e5.
std::string WaveRoundNumber(long double value);
// The general float-to-text of the origin numbers: up to 15 significant digits, exponent form
// ("1E-6") only for very small or large values.
std::string GeneralFloatText(long double value);

// Row of a value: trunc(OriginY - v / VValueY * UnitLenY).
int WaveRow(const WaveAxes& axes, long double value);
// Columns right of the origin for a time: trunc(t / VValueX * UnitLenX).
int WaveColumnOffset(const WaveAxes& axes, long double time);
// Offsets of the sub-ticks inside one division: p * (unit_len div sub) for p = 1 .. sub - 1.
std::vector<int> SubTickOffsets(int unit_len, int sub);

// The strip's own area: the time axis's length by the amplitude axis's extent (above the zero line
// only for a positive-only strip), axis lines included. A trace is kept inside it.
PixelRect WaveStripFrame(const WaveAxes& axes);

// Axes, ticks, numbers, title and unit texts of a strip in drawing order.
DrawList LayoutWaveScale(const WaveAxes& axes, const TextMeasure& measure);

// Every sample i at time i * dt, up to the last one whose column stays on the time axis.
std::vector<PixelPoint> WaveTrace(const WaveAxes& axes, int count, const float* samples, double dt);
// Every sample_step-th sample, pixel_step pixels apart, while on the time axis.
std::vector<PixelPoint> DecimatedWaveTrace(const WaveAxes& axes, int count, const float* samples, int pixel_step,
                                           int sample_step);
// Marked points of a marker plot: point k takes sample k * sample_step at column OriginX + k,
// every every-th point is marked.
std::vector<PixelPoint> WaveMarkPoints(const WaveAxes& axes, int count, const float* samples, int every,
                                       int sample_step);

}  // namespace tremora

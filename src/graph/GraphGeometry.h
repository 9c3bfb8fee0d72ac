#pragma once
// Geometry of an x-y graph: tick texts, value to pixel on linear and logarithmic axes, nice scales
// from data, the frame and the points of curves and marker plots. Pure functions of the settings;
// the graph control only paints the results and reports what needs the user's attention.

#include <optional>
#include <string>
#include <vector>

#include "platform/DrawList.h"

namespace tremora {

// The settings of a graph, with the values a new graph has.
struct GraphAxes {
  int NGridX = 4;  // major divisions, at least 1
  int NGridY = 4;
  int WidthX = 250;  // plot area in pixels
  int HeightY = 250;
  int OriginX = 35;  // lower-left corner of the plot area
  int OriginY = 270;
  bool LinearX = true;  // false: logarithmic
  bool LinearY = true;
  float SValueX = 0.0f;  // value at the origin (above 0 on a logarithmic axis)
  float SValueY = 0.0f;
  float VValueX = 5.0f;  // value per division, or factor per division on a logarithmic axis
  float VValueY = 10.0f;
  bool SubAxis = true;     // minor divisions as dotted lines across (true) or 7-pixel ticks
  bool OverWrite = false;  // frame drawn over the picture instead of on white
  bool LeftScale = true;   // y labels and title on the left
  int SubX = 5;  // minor subdivisions per division on a linear axis
  int SubY = 5;
  std::string TitleX = "TitleX [unit]";
  std::string TitleY = "TitleY [unit]";

  int DivisionWidth() const { return WidthX / NGridX; }
  int DivisionHeight() const { return HeightY / NGridY; }
};

// The defaults a saved window layout leaves out (plot area 220, origin 30).
GraphAxes DeclaredGraphDefaults();

// Tick text of a graph: "0" below 1e-8, "%.1e" below 1e-5 or above 1e5, else fixed with up to four
// decimals. Unlike the waveform strips, the float nearest 0.00001 already takes the exponent form.
std::string GraphRoundNumber(float value);

// Pixel column of x and row of y; nullopt where a logarithmic axis cannot place the value.
std::optional<int> GraphColumn(const GraphAxes& axes, float x);
std::optional<int> GraphRow(const GraphAxes& axes, float y);

// The plot area with its border lines: what a curve is kept inside.
PixelRect GraphPlotFrame(const GraphAxes& axes);

// A legend inside the plot area's upper-left corner: a bordered box holding one row per text, a
// short line in the curve's pen, then the text.
struct LegendEntry {
  int line_left = 0, line_right = 0, line_y = 0;
  int text_x = 0, text_y = 0;
};
struct LegendLayout {
  PixelRect box;  // empty without texts
  std::vector<LegendEntry> entries;
};
LegendLayout LayoutLegend(const PixelRect& plot_frame, const std::vector<std::string>& texts,
                          const TextMeasure& measure);

// The frame: border, grid, minor divisions, tick texts and titles, in drawing order.
DrawList LayoutGraphFrame(const GraphAxes& axes, const TextMeasure& measure);

// An axis chosen from data: start, step and division count.
struct AxisScale {
  float start = 0.0f;
  float step = 0.0f;
  int divisions = 0;
};
// Largest value (never below 0) and largest magnitude with whether any value is negative.
float LargestValue(int count, const float* values);
struct Magnitude {
  float largest = 0.0f;
  bool negative = false;
};
Magnitude LargestMagnitude(int count, const float* values);
// For data that are not negative: the smallest of 1, 2, 2.5, 5 times a power of ten with which
// divisions steps exceed max (linear), or the decades up to the first power of ten above max
// (logarithmic). nullopt when no finite scale covers max.
std::optional<AxisScale> ChooseScale(float max, int divisions, bool linear);
// For data that may be negative: a linear axis symmetric about 0 when negative (the division
// count rounded up to even); a logarithmic axis as ChooseScale.
std::optional<AxisScale> ChooseSymmetricScale(Magnitude data, int divisions, bool linear);

// Points of a curve; points a logarithmic axis cannot place are left out.
std::vector<PixelPoint> GraphCurve(const GraphAxes& axes, int count, const float* x, const float* y);
// Points that get a marker: every step-th point (all for step 1 or less, none for step 0), left to
// right until the first point right of the plot area.
std::vector<PixelPoint> GraphMarkPoints(const GraphAxes& axes, int count, const float* x, const float* y,
                                        int step);

}  // namespace tremora

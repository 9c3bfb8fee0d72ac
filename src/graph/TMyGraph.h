#pragma once
// X-y graph with linear or logarithmic axes, drawn in layers the caller orders: Clear, DrawWaku
// (the frame), then DrawGraph per series in the pen the caller set on the canvas. It owns its
// picture but no data: every drawing call gets the arrays it draws.

#include <string>

#include "graph/GraphGeometry.h"
#include "platform/PictureControl.h"

namespace tremora {

class TMyGraph : public PictureControl, public GraphAxes {
 public:
  explicit TMyGraph(QWidget* parent = nullptr);

  // Fills the whole picture with colour; the brush keeps the colour.
  void Clear(Colour colour);
  // Border, grid, minor divisions, tick texts and titles. A logarithmic axis starting at 0 is
  // reported and the application asked to end; the frame is drawn all the same. Leaves the pen
  // black, 1 pixel, solid, and the brush white.
  void DrawWaku();
  // One polyline in the current pen, kept inside the plot area; points a logarithmic axis cannot
  // place are left out.
  void DrawGraph(int count, const float* x, const float* y);
  // Markers (kinds as Canvas::Marker) left to right until the first point right of the plot area.
  void PlotGraph(int count, const float* x, const float* y, int kind, int size);
  // As PlotGraph on every step-th point; none for step 0, all for step 1 or less.
  void SkipGraph(int count, const float* x, const float* y, int kind, int size, int step);

  // Nice scales from data that are not negative.
  void XScaleUnit(int count, const float* values);
  void YScaleUnit(int count, const float* values);
  // Nice scales from data that may be negative: symmetric about 0, the division count may grow.
  void XScaleUnit1(int count, const float* values);
  void YScaleUnit1(int count, const float* values);

  // Copy() (the picture to the clipboard) comes with the picture control.
  // Writes the picture as a PNG file; throws FileAccessError when it cannot.
  void Save_PNG(const std::string& path);

  static std::string _round_number(float value) { return GraphRoundNumber(value); }

 private:
  void DrawMarkers(int count, const float* x, const float* y, int kind, int size, int step);
  void ApplyScale(int count, const float* values, bool symmetric, bool for_x);
};

}  // namespace tremora

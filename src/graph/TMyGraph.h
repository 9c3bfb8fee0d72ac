#pragma once
// X-y graph with linear or logarithmic axes, drawn in layers the caller orders: Clear, DrawWaku
// (the frame), then DrawGraph per series in the pen the caller set on the canvas. It owns its
// picture but no data: every drawing call gets the arrays it draws. For the read-out under the
// mouse it keeps a copy of each frame's settings and curve until the picture is painted over.

#include <string>

#include "graph/GraphGeometry.h"
#include "graph/GraphReadout.h"
#include "platform/ReadablePicture.h"

namespace tremora {

class TMyGraph : public ReadablePicture, public GraphAxes {
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
  // The same, named in the read-out (a curve without a name is told by its colour).
  void DrawGraph(int count, const float* x, const float* y, const std::string& name);
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

  // The unit the read-out gives the values of the frames drawn next, as "[Gal]" or "Gal"; empty,
  // the unit in TitleY's brackets.
  std::string ReadoutUnit;
  const GraphContents& Contents() const { return contents_; }

 protected:
  std::optional<PlotReading> ReadAt(int x, int y) const override { return ReadGraphAt(contents_, x, y); }

 private:
  void DrawMarkers(int count, const float* x, const float* y, int kind, int size, int step);
  void ApplyScale(int count, const float* values, bool symmetric, bool for_x);
  std::string UnitOfValues() const;
  GraphContents contents_;
};

}  // namespace tremora

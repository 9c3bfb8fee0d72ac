#pragma once
// Reading values off an x-y graph: what each frame and curve was drawn with, kept while it is on
// the picture, and the value under a pixel worked back through the same mapping (logarithmic
// axes included). No Qt here; the graph control records and asks.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "graph/GraphGeometry.h"
#include "platform/PlotReadout.h"

namespace tremora {

struct GraphCurveShown {
  std::string name;     // may be empty: the curve is told by its colour
  std::uint32_t colour = 0;  // 0x00BBGGRR, the pen it was drawn in
  std::vector<float> x, y;
};

// One frame as drawn and the curves drawn in it.
struct GraphFrameShown {
  GraphAxes axes;
  std::string unit_y;  // unit of the values
  std::vector<GraphCurveShown> curves;
};

// What is on a graph's picture, from its last erasing on.
class GraphContents {
 public:
  void Clear() { frames_.clear(); }
  void AddFrame(const GraphAxes& axes, std::string unit_y);
  // A curve goes to the last frame if it maps as that frame does; otherwise to a new frame of axes.
  void AddCurve(const GraphAxes& axes, const std::string& unit_y, GraphCurveShown curve);
  const std::vector<GraphFrameShown>& Frames() const { return frames_; }

 private:
  std::vector<GraphFrameShown> frames_;
};

// The value at the middle of pixel column px (row py); the inverse of GraphColumn (GraphRow).
float GraphValueAtColumn(const GraphAxes& axes, int px);
float GraphValueAtRow(const GraphAxes& axes, int py);

// The value of a curve at x along the polyline as drawn (straight between placed points, in the
// axes' own linear or logarithmic terms); nullopt outside its x range.
std::optional<float> CurveValueAt(const GraphCurveShown& curve, const GraphAxes& axes, float x);

// The unit in a title's last brackets ("周　期 [s]" gives "s") and the name before them.
std::string BracketedUnit(const std::string& title);
std::string NameBeforeUnit(const std::string& title);

// The reading at a pixel inside the plot area of a frame (the last drawn where frames overlap):
// the x value, then each curve's value there; a click pins the curve value nearest the pixel's row.
std::optional<PlotReading> ReadGraphAt(const GraphContents& contents, int px, int py);

}  // namespace tremora

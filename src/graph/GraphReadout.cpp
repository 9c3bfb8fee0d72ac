#include "graph/GraphReadout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace tremora {

namespace {

bool SameMapping(const GraphAxes& a, const GraphAxes& b) {
  return a.OriginX == b.OriginX && a.OriginY == b.OriginY && a.DivisionWidth() == b.DivisionWidth() &&
         a.DivisionHeight() == b.DivisionHeight() && a.NGridX == b.NGridX && a.NGridY == b.NGridY &&
         a.LinearX == b.LinearX && a.LinearY == b.LinearY && a.SValueX == b.SValueX && a.SValueY == b.SValueY &&
         a.VValueX == b.VValueX && a.VValueY == b.VValueY;
}

// The value offset pixels from the origin along an axis of division length length.
float AxisValue(bool linear, float start, float step, int length, long double offset) {
  const long double divisions = offset / length;
  if (linear) return static_cast<float>(start + divisions * step);
  return static_cast<float>(start * std::pow(static_cast<long double>(step), divisions));
}

// Position along an axis in which the drawn segments are straight.
std::optional<long double> AxisPosition(bool linear, float value) {
  if (linear) return value;
  if (!(value > 0.0f)) return std::nullopt;
  return std::log10(static_cast<long double>(value));
}

// "value unit", or the value alone when there is no unit.
std::string WithUnit(float value, const std::string& unit) {
  return unit.empty() ? ReadoutNumber(value) : ReadoutNumber(value) + " " + unit;
}

}  // namespace

void GraphContents::AddFrame(const GraphAxes& axes, std::string unit_y) {
  frames_.push_back(GraphFrameShown{axes, std::move(unit_y), {}});
}

void GraphContents::AddCurve(const GraphAxes& axes, const std::string& unit_y, GraphCurveShown curve) {
  if (frames_.empty() || !SameMapping(frames_.back().axes, axes)) AddFrame(axes, unit_y);
  frames_.back().curves.push_back(std::move(curve));
}

float GraphValueAtColumn(const GraphAxes& a, int px) {
  return AxisValue(a.LinearX, a.SValueX, a.VValueX, a.DivisionWidth(), px - a.OriginX + 0.5L);
}

float GraphValueAtRow(const GraphAxes& a, int py) {
  return AxisValue(a.LinearY, a.SValueY, a.VValueY, a.DivisionHeight(), a.OriginY - py - 0.5L);
}

std::optional<float> CurveValueAt(const GraphCurveShown& curve, const GraphAxes& axes, float x) {
  const auto at = AxisPosition(axes.LinearX, x);
  // A logarithmic axis from 0 places nothing: no line was drawn.
  if (!at || (!axes.LinearX && axes.SValueX == 0.0f) || (!axes.LinearY && axes.SValueY == 0.0f)) return std::nullopt;
  // Only the points the curve's line runs through: a point a logarithmic axis cannot place is
  // left out, its neighbours joined directly.
  std::optional<long double> previous_x, previous_y;
  const size_t count = std::min(curve.x.size(), curve.y.size());
  for (size_t i = 0; i < count; ++i) {
    const auto px = AxisPosition(axes.LinearX, curve.x[i]);
    const auto py = AxisPosition(axes.LinearY, curve.y[i]);
    if (!px || !py) continue;
    if (*px == *at) return curve.y[i];
    if (previous_x && (*previous_x - *at) * (*px - *at) < 0) {
      const long double along = (*at - *previous_x) / (*px - *previous_x);
      const long double position = *previous_y + along * (*py - *previous_y);
      return static_cast<float>(axes.LinearY ? position : std::pow(10.0L, position));
    }
    previous_x = px;
    previous_y = py;
  }
  return std::nullopt;
}

std::string BracketedUnit(const std::string& title) {
  const size_t open = title.rfind('[');
  const size_t close = title.rfind(']');
  if (open == std::string::npos || close == std::string::npos || close < open) return "";
  return title.substr(open + 1, close - open - 1);
}

std::string NameBeforeUnit(const std::string& title) {
  std::string name = title.substr(0, title.rfind('['));
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

std::optional<PlotReading> ReadGraphAt(const GraphContents& contents, int px, int py) {
  const std::vector<GraphFrameShown>& frames = contents.Frames();
  for (auto frame = frames.rbegin(); frame != frames.rend(); ++frame) {
    const GraphAxes& a = frame->axes;
    if (a.NGridX < 1 || a.NGridY < 1) continue;
    const int right = a.OriginX + a.NGridX * a.DivisionWidth();
    const int top = a.OriginY - a.NGridY * a.DivisionHeight();
    if (px < a.OriginX || px > right || py < top || py > a.OriginY) continue;

    const float x = GraphValueAtColumn(a, px);
    PlotReading reading;
    const std::string x_text = WithUnit(x, BracketedUnit(a.TitleX));
    reading.lines.push_back({NameBeforeUnit(a.TitleX) + " " + x_text, std::nullopt});
    reading.pin = {px, py};
    int nearest = std::numeric_limits<int>::max();
    for (const GraphCurveShown& curve : frame->curves) {
      const std::optional<float> y = CurveValueAt(curve, a, x);
      if (!y) continue;
      const std::string value = WithUnit(*y, frame->unit_y);
      reading.lines.push_back({curve.name.empty() ? value : curve.name + "  " + value, curve.colour});
      const std::optional<int> row = GraphRow(a, *y);
      if (row && std::abs(*row - py) < nearest) {
        nearest = std::abs(*row - py);
        reading.pin = {px, *row};
        reading.pin_text = x_text + ", " + value;
      }
    }
    if (reading.pin_text.empty()) reading.pin_text = reading.lines.front().text;
    return reading;
  }
  return std::nullopt;
}

}  // namespace tremora

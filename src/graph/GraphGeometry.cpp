#include "graph/GraphGeometry.h"

#include <algorithm>
#include <cmath>

#include "platform/TickText.h"

namespace tremora {

GraphAxes DeclaredGraphDefaults() {
  GraphAxes axes;
  axes.WidthX = 220;
  axes.HeightY = 220;
  axes.OriginX = 30;
  return axes;
}

std::string GraphRoundNumber(float value) {
  if (value == 0.0f) return "0";
  const float magnitude = std::fabs(value);
  if (magnitude < 1e-8f) return "0";
  if (static_cast<double>(magnitude) < 1e-5 || magnitude > 100000.0f) return ExponentTickText(magnitude, value < 0);
  return FixedTickText(magnitude, value < 0);
}

namespace {

// Pixels from the origin of value along an axis of division length length.
std::optional<long double> AxisOffset(bool linear, float start, float step, int length, float value) {
  if (linear) return (static_cast<long double>(value) - start) / step * length;
  if (!(value > 0.0f) || start == 0.0f) return std::nullopt;
  return std::log10(static_cast<long double>(value) / start) / std::log10(static_cast<long double>(step)) * length;
}

// Value of tick i, stored as a float like the axis settings.
float TickValue(bool linear, float start, float step, int i) {
  if (linear) return static_cast<float>(static_cast<long double>(step) * i + start);
  return static_cast<float>(std::pow(static_cast<long double>(step), i) * start);
}

// Offsets of the minor divisions inside one division of length length: sub equal whole-pixel parts
// on a linear axis, 2, 4, 6 and 8 of the decade on a logarithmic one. The pixel is truncated only
// once the offset is added to the division's position (upwards on y that is not the same).
std::vector<long double> MinorOffsets(bool linear, int sub, int length) {
  std::vector<long double> offsets;
  if (linear) {
    for (int j = 1; j < sub; ++j) offsets.push_back(j * length / sub);
  } else {
    for (int j = 1; j <= 4; ++j) offsets.push_back(std::log10(2.0L * j) * length);
  }
  return offsets;
}

}  // namespace

std::optional<int> GraphColumn(const GraphAxes& a, float x) {
  const auto offset = AxisOffset(a.LinearX, a.SValueX, a.VValueX, a.DivisionWidth(), x);
  if (!offset) return std::nullopt;
  return TruncPixel(*offset + a.OriginX);
}

std::optional<int> GraphRow(const GraphAxes& a, float y) {
  const auto offset = AxisOffset(a.LinearY, a.SValueY, a.VValueY, a.DivisionHeight(), y);
  if (!offset) return std::nullopt;
  return TruncPixel(a.OriginY - *offset);
}

PixelRect GraphPlotFrame(const GraphAxes& axes) {
  return PixelRect{axes.OriginX, axes.OriginY - axes.HeightY, axes.OriginX + axes.WidthX + 1, axes.OriginY + 1};
}

LegendLayout LayoutLegend(const PixelRect& plot_frame, const std::vector<std::string>& texts,
                          const TextMeasure& measure) {
  // Clear of the border and the first grid ticks, as compact as the texts allow.
  constexpr int kInset = 4, kPadding = 3, kLineLength = 18, kGap = 4;
  LegendLayout legend;
  if (texts.empty()) return legend;
  int widest = 0, pitch = 0;
  for (const std::string& text : texts) {
    widest = std::max(widest, measure.TextWidth(text));
    pitch = std::max(pitch, measure.TextHeight(text));
  }
  const int left = plot_frame.left + kInset;
  const int top = plot_frame.top + kInset;
  legend.box = PixelRect{left, top, left + 2 * kPadding + kLineLength + kGap + widest,
                         top + 2 * kPadding + pitch * static_cast<int>(texts.size())};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const int row_top = top + kPadding + pitch * static_cast<int>(i);
    const int line_left = left + kPadding;
    legend.entries.push_back(LegendEntry{line_left, line_left + kLineLength, row_top + pitch / 2,
                                         line_left + kLineLength + kGap, row_top});
  }
  return legend;
}

DrawList LayoutGraphFrame(const GraphAxes& a, const TextMeasure& measure) {
  DrawList list;
  const int p = a.DivisionWidth();
  const int q = a.DivisionHeight();
  const int right = a.OriginX + a.NGridX * p;
  const int top = a.OriginY - a.NGridY * q;

  const std::vector<long double> minor_x = MinorOffsets(a.LinearX, a.SubX, p);
  for (int i = 0; i <= a.NGridX; ++i) {
    const int x = a.OriginX + i * p;
    list.Line(x, a.OriginY, x, top, i == 0 || i == a.NGridX ? 2 : 1);
    const std::string label = GraphRoundNumber(TickValue(a.LinearX, a.SValueX, a.VValueX, i));
    list.Text(x - measure.TextWidth(label) / 2, a.OriginY + 5, label);
    if (i == a.NGridX) break;
    for (long double offset : minor_x) {
      const int xs = TruncPixel(x + offset);
      if (a.SubAxis) {
        list.Line(xs, a.OriginY, xs, top, 1, PenStyle::Dotted);
      } else {
        list.Line(xs, a.OriginY, xs, a.OriginY - 7, 1);
      }
    }
  }

  const std::vector<long double> minor_y = MinorOffsets(a.LinearY, a.SubY, q);
  for (int i = 0; i <= a.NGridY; ++i) {
    const int y = a.OriginY - i * q;
    list.Line(a.OriginX, y, right, y, i == 0 || i == a.NGridY ? 2 : 1);
    const std::string label = GraphRoundNumber(TickValue(a.LinearY, a.SValueY, a.VValueY, i));
    const int label_x = a.LeftScale ? a.OriginX - 10 - measure.TextWidth(label) : a.OriginX + a.WidthX + 5;
    list.Text(label_x, y - measure.TextHeight(label) / 2, label);
    if (i == a.NGridY) break;
    for (long double offset : minor_y) {
      const int ys = TruncPixel(y - offset);
      if (a.SubAxis) {
        list.Line(a.OriginX, ys, right, ys, 1, PenStyle::Dotted);
      } else {
        list.Line(a.OriginX, ys, a.OriginX + 7, ys, 1);
      }
    }
  }

  const int h = measure.TextHeight("A");
  list.Text(a.WidthX / 2 + a.OriginX - measure.TextWidth(a.TitleX) / 2, TruncPixel(a.OriginY + 1.4L * h), a.TitleX);
  const int title_y_x = a.LeftScale ? a.OriginX + 10 : a.OriginX + a.WidthX - measure.TextWidth(a.TitleY) - 5;
  list.Text(title_y_x, TruncPixel(a.OriginY - a.HeightY - 1.3L * h), a.TitleY);
  return list;
}

float LargestValue(int count, const float* values) {
  float largest = 0.0f;
  for (int i = 0; i < count; ++i) {
    if (values[i] > largest) largest = values[i];
  }
  return largest;
}

Magnitude LargestMagnitude(int count, const float* values) {
  Magnitude m;
  for (int i = 0; i < count; ++i) {
    if (std::fabs(values[i]) > m.largest) m.largest = std::fabs(values[i]);
    if (values[i] < 0.0f) m.negative = true;
  }
  return m;
}

namespace {

constexpr double kNiceSteps[] = {1.0, 2.0, 2.5, 5.0};
constexpr double kFirstDecade = 1e-10;

}  // namespace

std::optional<AxisScale> ChooseScale(float max, int divisions, bool linear) {
  double r = kFirstDecade;
  if (linear) {
    // An infinite maximum would keep the search going for ever.
    for (; std::isfinite(r); r *= 10.0) {
      for (double m : kNiceSteps) {
        if (divisions * (m + 0.001) * r > max) return AxisScale{0.0f, static_cast<float>(m * r), divisions};
      }
    }
    return std::nullopt;
  }
  while (max >= r && std::isfinite(r)) r *= 10.0;
  if (!std::isfinite(r)) return std::nullopt;
  return AxisScale{static_cast<float>(r / std::pow(10.0, divisions)), 10.0f, divisions};
}

std::optional<AxisScale> ChooseSymmetricScale(Magnitude data, int divisions, bool linear) {
  if (!linear) return ChooseScale(data.largest, divisions, false);
  const int half = data.negative ? (divisions + 1) / 2 : divisions;
  std::optional<AxisScale> scale = ChooseScale(data.largest, half, true);
  if (scale && data.negative) {
    scale->divisions = 2 * half;
    scale->start = static_cast<float>(-half * static_cast<long double>(scale->step));
  }
  return scale;
}

std::vector<PixelPoint> GraphCurve(const GraphAxes& axes, int count, const float* x, const float* y) {
  std::vector<PixelPoint> points;
  for (int i = 0; i < count; ++i) {
    const auto px = GraphColumn(axes, x[i]);
    const auto py = GraphRow(axes, y[i]);
    if (px && py) points.push_back({*px, *py});
  }
  return points;
}

std::vector<PixelPoint> GraphMarkPoints(const GraphAxes& axes, int count, const float* x, const float* y, int step) {
  std::vector<PixelPoint> points;
  if (step == 0) return points;
  const int right = axes.OriginX + axes.WidthX;
  for (int i = 0; i < count; ++i) {
    if (step > 1 && i % step != 0) continue;
    const auto px = GraphColumn(axes, x[i]);
    if (!px) continue;
    if (*px > right) break;
    const auto py = GraphRow(axes, y[i]);
    if (py) points.push_back({*px, *py});
  }
  return points;
}

}  // namespace tremora

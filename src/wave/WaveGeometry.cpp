#include "wave/WaveGeometry.h"

#include <cmath>
#include <cstdlib>

#include "base/CNumbers.h"
#include "platform/TickText.h"

namespace tremora {

WaveAxes DeclaredWaveDefaults() {
  WaveAxes axes;
  axes.NGridY = 4;
  axes.SubY = 0;
  return axes;
}

std::string WaveRoundNumber(long double value) {
  if (value == 0) return "0";
  const long double magnitude = std::fabs(value);
  if (magnitude < 0.00001L || magnitude > 100000.0L) return ExponentTickText(magnitude, value < 0);
  return FixedTickText(magnitude, value < 0);
}

std::string GeneralFloatText(long double value) {
  if (value == 0) return "0";
  // Fifteen significant digits give the decimal exponent after rounding.
  const std::string scientific = FormatC("%.14Le", value);
  const std::size_t e = scientific.find('e');
  const int exponent = std::atoi(scientific.c_str() + e + 1);
  auto trim = [](std::string digits) {
    if (digits.find('.') == std::string::npos) return digits;
    while (digits.back() == '0') digits.pop_back();
    if (digits.back() == '.') digits.pop_back();
    return digits;
  };
  if (exponent < -5 || exponent >= 15) return trim(scientific.substr(0, e)) + "E" + std::to_string(exponent);
  return trim(FormatC("%.*Lf", 14 - exponent, value));
}

int WaveRow(const WaveAxes& axes, long double value) {
  return TruncPixel(axes.OriginY - value / axes.VValueY * axes.UnitLenY);
}

int WaveColumnOffset(const WaveAxes& axes, long double time) {
  return TruncPixel(time / axes.VValueX * axes.UnitLenX);
}

std::vector<int> SubTickOffsets(int unit_len, int sub) {
  std::vector<int> offsets;
  if (sub == 0) return offsets;
  const int step = unit_len / sub;
  for (int p = 1; p < sub; ++p) offsets.push_back(p * step);
  return offsets;
}

PixelRect WaveStripFrame(const WaveAxes& a) {
  const int top = a.OriginY - a.NGridY * a.UnitLenY;
  const int bottom = a.PlusOnly ? a.OriginY : a.OriginY + a.NGridY * a.UnitLenY;
  return PixelRect{a.OriginX, top, a.OriginX + a.NGridX * a.UnitLenX + 1, bottom + 1};
}

DrawList LayoutWaveScale(const WaveAxes& a, const TextMeasure& measure) {
  DrawList list;
  const int axis_end_x = a.OriginX + a.NGridX * a.UnitLenX;
  const int top = a.OriginY - a.NGridY * a.UnitLenY;
  const int bottom = a.OriginY + a.NGridY * a.UnitLenY;

  list.Line(a.OriginX, a.OriginY, axis_end_x, a.OriginY, 2);
  list.Line(a.OriginX, a.OriginY, a.OriginX, top, 2);
  if (!a.PlusOnly) list.Line(a.OriginX, a.OriginY, a.OriginX, bottom, 2);

  for (int q = 1; q <= a.NGridX; ++q) {
    const int x = a.OriginX + q * a.UnitLenX;
    list.Line(x, a.OriginY - 5, x, a.OriginY + 5, 2);
    const std::string label = WaveRoundNumber(static_cast<long double>(q) * a.VValueX + a.SValueX);
    list.Text(x - measure.TextWidth(label) / 2, a.OriginY + 5, label);
  }
  auto amplitude_division = [&](int y, long double value) {
    list.Line(a.OriginX, y, a.OriginX + 5, y, 2);
    const std::string label = WaveRoundNumber(value);
    list.Text(a.OriginX - measure.TextWidth(label) - 5, y - measure.TextHeight(label) / 2, label);
  };
  for (int q = 1; q <= a.NGridY; ++q) {
    amplitude_division(a.OriginY - q * a.UnitLenY, static_cast<long double>(q) * a.VValueY + a.SValueY);
  }
  if (!a.PlusOnly) {
    for (int q = 1; q <= a.NGridY; ++q) {
      amplitude_division(a.OriginY + q * a.UnitLenY, -static_cast<long double>(a.SValueY) - q * a.VValueY);
    }
  }

  const std::vector<int> sub_x = SubTickOffsets(a.UnitLenX, a.SubX);
  for (int q = 0; q < a.NGridX; ++q) {
    for (int offset : sub_x) {
      const int x = a.OriginX + q * a.UnitLenX + offset;
      list.Line(x, a.OriginY - 3, x, a.OriginY + 3, 1);
    }
  }
  const std::vector<int> sub_y = SubTickOffsets(a.UnitLenY, a.SubY);
  for (int q = 0; q < a.NGridY; ++q) {
    for (int offset : sub_y) {
      const int above = a.OriginY - q * a.UnitLenY - offset;
      list.Line(a.OriginX, above, a.OriginX + 3, above, 1);
      if (a.PlusOnly) continue;
      const int below = a.OriginY + q * a.UnitLenY + offset;
      list.Line(a.OriginX, below, a.OriginX + 3, below, 1);
    }
  }

  const int h = measure.TextHeight(" ");
  list.Text(a.OriginX + 3, a.OriginY + 5, GeneralFloatText(a.SValueX));
  const std::string start_y = GeneralFloatText(a.SValueY);
  list.Text(a.OriginX - measure.TextWidth(start_y) - 5, a.OriginY - h / 2, start_y);
  list.Text(a.OriginX + (a.UnitLenX * a.NGridX) / 2 - measure.TextWidth(a.Title) / 2,
            a.PlusOnly ? a.OriginY + h + 10 : bottom - h, a.Title);
  list.Text(axis_end_x - measure.TextWidth(a.UnitX) / 2, a.OriginY + h + 10, a.UnitX);
  list.Text(a.OriginX - measure.TextWidth(a.UnitY) - 5, top - h - 5, a.UnitY);
  return list;
}

std::vector<PixelPoint> WaveTrace(const WaveAxes& axes, int count, const float* samples, double dt) {
  std::vector<PixelPoint> points;
  if (count <= 0) return points;
  const int axis_length = axes.UnitLenX * axes.NGridX;
  points.push_back({axes.OriginX, WaveRow(axes, samples[0])});
  for (int i = 1; i < count; ++i) {
    const int dx = WaveColumnOffset(axes, static_cast<long double>(i) * dt);
    if (dx > axis_length) break;
    points.push_back({axes.OriginX + dx, WaveRow(axes, samples[i])});
  }
  return points;
}

std::vector<PixelPoint> DecimatedWaveTrace(const WaveAxes& axes, int count, const float* samples, int pixel_step,
                                           int sample_step) {
  std::vector<PixelPoint> points;
  if (count <= 0) return points;
  points.push_back({axes.OriginX, WaveRow(axes, samples[0])});
  // A step below one would never leave sample 0.
  if (sample_step < 1) return points;
  const int axis_end = axes.OriginX + axes.UnitLenX * axes.NGridX;
  int x = axes.OriginX;
  for (int i = sample_step; i < count; i += sample_step) {
    x += pixel_step;
    if (x > axis_end) break;
    points.push_back({x, WaveRow(axes, samples[i])});
  }
  return points;
}

std::vector<PixelPoint> WaveMarkPoints(const WaveAxes& axes, int count, const float* samples, int every,
                                       int sample_step) {
  std::vector<PixelPoint> points;
  if (every < 1 || sample_step < 1) return points;
  const int axis_end = axes.OriginX + axes.UnitLenX * axes.NGridX;
  for (int k = 0; static_cast<long long>(k) * sample_step < count; ++k) {
    const int x = axes.OriginX + k;
    if (x > axis_end) break;
    if (k % every == 0) points.push_back({x, WaveRow(axes, samples[k * sample_step])});
  }
  return points;
}

}  // namespace tremora

#pragma once
// What a plot's frame consists of, computed before anything is painted: lines with their pen width
// and style, and texts at their top-left corners, in drawing order. Tests read these lists with
// numbers; Canvas::Draw walks them. No Qt here.

#include <cmath>
#include <string>
#include <vector>

namespace tremora {

enum class PenStyle { Solid, Dotted };

struct DrawItem {
  enum class Kind { Line, Text };
  Kind kind = Kind::Line;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a line's ends; a text's top-left corner is (x1, y1)
  int pen_width = 1;
  PenStyle pen_style = PenStyle::Solid;
  std::string text;
};

// Rectangle with exclusive right and bottom edges, as the drawing calls take it.
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

struct PixelPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PixelPoint&) const = default;
};

class DrawList {
 public:
  void Line(int x1, int y1, int x2, int y2, int pen_width, PenStyle style = PenStyle::Solid) {
    items_.push_back(DrawItem{DrawItem::Kind::Line, x1, y1, x2, y2, pen_width, style, {}});
  }
  void Text(int x, int y, std::string text) {
    items_.push_back(DrawItem{DrawItem::Kind::Text, x, y, x, y, 1, PenStyle::Solid, std::move(text)});
  }
  const std::vector<DrawItem>& Items() const { return items_; }

 private:
  std::vector<DrawItem> items_;
};

// Text extents in the font the frame will be drawn with.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual int TextWidth(const std::string& text) const = 0;
  virtual int TextHeight(const std::string& text) const = 0;
};

// Real value to pixel, truncated toward zero. A value no pixel can hold (a division by a zero scale,
// a logarithm of 1 as the step) is pinned far outside any picture instead of overflowing the int.
inline int TruncPixel(long double value) {
  constexpr long double kFar = 1.0e7L;
  if (std::isnan(value)) return -static_cast<int>(kFar);
  if (value > kFar) return static_cast<int>(kFar);
  if (value < -kFar) return -static_cast<int>(kFar);
  return static_cast<int>(value);
}

}  // namespace tremora

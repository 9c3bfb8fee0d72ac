#pragma once
// Text extents that do not depend on the installed fonts: 6 pixels a character, 12 a line.

#include <string>

#include "platform/DrawList.h"

namespace tremora::test {

class FixedMeasure : public TextMeasure {
 public:
  int TextWidth(const std::string& text) const override { return 6 * static_cast<int>(text.size()); }
  int TextHeight(const std::string&) const override { return 12; }
};

// The texts of a frame in drawing order, and the lines.
inline std::vector<DrawItem> ItemsOf(const DrawList& list, DrawItem::Kind kind) {
  std::vector<DrawItem> out;
  for (const DrawItem& item : list.Items()) {
    if (item.kind == kind) out.push_back(item);
  }
  return out;
}

inline const DrawItem* FindText(const DrawList& list, const std::string& text) {
  for (const DrawItem& item : list.Items()) {
    if (item.kind == DrawItem::Kind::Text && item.text == text) return &item;
  }
  return nullptr;
}

inline bool HasLine(const DrawList& list, int x1, int y1, int x2, int y2, int width, PenStyle style) {
  for (const DrawItem& item : list.Items()) {
    if (item.kind == DrawItem::Kind::Line && item.x1 == x1 && item.y1 == y1 && item.x2 == x2 && item.y2 == y2 &&
        item.pen_width == width && item.pen_style == style) {
      return true;
    }
  }
  return false;
}

}  // namespace tremora::test

#pragma once
// Where a window goes on the desktop, in plain numbers: the windows and the screens' free areas
// (without panels and docks) as rectangles of desktop pixels, frames included.

#include <vector>

namespace tremora {

struct ScreenRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int right() const { return x + width; }    // one past the last column
  int bottom() const { return y + height; }  // one past the last row
  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

struct ScreenPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// The top-left corner of frame moved the least that puts the whole frame inside area. A frame
// larger than area keeps its top-left corner (title bar and first controls) in view.
ScreenPoint FitInside(const ScreenRect& frame, const ScreenRect& area);

bool LiesInside(const ScreenRect& frame, const ScreenRect& area);
// True when frame lies wholly inside one of the areas.
bool LiesInsideAny(const ScreenRect& frame, const std::vector<ScreenRect>& areas);

enum class Side { Right, Left, Below };

// The top-left corner for a window of frame size beside anchor: on the first of sides where it
// fits inside area (level with the anchor's top on the right or left, with its left edge below),
// else on the first side, moved the least that fits it into area.
ScreenPoint PlaceBeside(int width, int height, const ScreenRect& anchor, const ScreenRect& area,
                        const std::vector<Side>& sides);

}  // namespace tremora

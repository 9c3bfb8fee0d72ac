#include "platform/ScreenFit.h"

#include <algorithm>

namespace tremora {

namespace {

// The start of a span of length size moved the least into [low, high); a span longer than the
// room starts at low.
int FitSpan(int start, int size, int low, int high) { return std::max(low, std::min(start, high - size)); }

ScreenPoint Beside(int width, int height, const ScreenRect& anchor, Side side) {
  switch (side) {
    case Side::Right: return {anchor.right(), anchor.y};
    case Side::Left: return {anchor.x - width, anchor.y};
    case Side::Below: return {anchor.x, anchor.bottom()};
  }
  return {anchor.x, anchor.y - height};
}

}  // namespace

ScreenPoint FitInside(const ScreenRect& frame, const ScreenRect& area) {
  return {FitSpan(frame.x, frame.width, area.x, area.right()), FitSpan(frame.y, frame.height, area.y, area.bottom())};
}

bool LiesInside(const ScreenRect& frame, const ScreenRect& area) {
  return frame.width > 0 && frame.height > 0 && frame.x >= area.x && frame.y >= area.y &&
         frame.right() <= area.right() && frame.bottom() <= area.bottom();
}

bool LiesInsideAny(const ScreenRect& frame, const std::vector<ScreenRect>& areas) {
  return std::any_of(areas.begin(), areas.end(), [&](const ScreenRect& area) { return LiesInside(frame, area); });
}

ScreenPoint PlaceBeside(int width, int height, const ScreenRect& anchor, const ScreenRect& area,
                        const std::vector<Side>& sides) {
  for (Side side : sides) {
    const ScreenPoint corner = Beside(width, height, anchor, side);
    if (LiesInside({corner.x, corner.y, width, height}, area)) return corner;
  }
  const ScreenPoint first = Beside(width, height, anchor, sides.empty() ? Side::Right : sides.front());
  return FitInside({first.x, first.y, width, height}, area);
}

}  // namespace tremora

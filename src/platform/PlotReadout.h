#pragma once
// What a plot says about the point under the mouse, and the markers pinned on it. No Qt here: the
// plots work out readings from the geometry they drew with; the picture control only shows them.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/DrawList.h"

namespace tremora {

// One line of a read-out, with the colour of the curve it is about (none for the common line).
struct ReadoutLine {
  std::string text;
  std::optional<std::uint32_t> colour;  // 0x00BBGGRR
};

// A reading at a mouse position: the lines to show while the mouse is there, and the point and
// text of the marker a click there pins.
struct PlotReading {
  std::vector<ReadoutLine> lines;
  PixelPoint pin;
  std::string pin_text;
};

// The read-out's lines joined into one status line.
std::string OneLine(const std::vector<ReadoutLine>& lines);

// A value with four significant digits in fixed notation ("-12.35", "0.01230", "1234"); at most six
// decimals, so values near 0 read as 0.000000 rather than in exponent form.
std::string ReadoutNumber(double value);

struct PinnedMarker {
  PixelPoint at;
  std::string text;
};

// Markers pinned by clicks, in the order they were pinned.
class PinnedMarkers {
 public:
  // A click within kHitRadius pixels of a marker removes it (the latest pinned of several);
  // true when one was removed.
  bool RemoveAt(int x, int y);
  void Pin(PinnedMarker marker) { markers_.push_back(std::move(marker)); }
  // Esc: the latest marker goes; false when there was none.
  bool RemoveLatest();
  void Clear() { markers_.clear(); }
  const std::vector<PinnedMarker>& All() const { return markers_; }

  static constexpr int kHitRadius = 5;

 private:
  std::vector<PinnedMarker> markers_;
};

}  // namespace tremora

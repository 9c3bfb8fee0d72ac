#pragma once
// Pixel probes of the pictures under test.

#include <QImage>

#include "platform/Canvas.h"

namespace tremora::test {

inline Colour ColourAt(const QImage& picture, int x, int y) { return FromRgb(picture.pixel(x, y)); }

// Pixels of colour in the rectangle [x0, x1) x [y0, y1).
inline int CountColour(const QImage& picture, Colour colour, int x0, int y0, int x1, int y1) {
  int count = 0;
  for (int x = x0; x < x1; ++x) {
    for (int y = y0; y < y1; ++y) count += ColourAt(picture, x, y) == colour;
  }
  return count;
}

}  // namespace tremora::test

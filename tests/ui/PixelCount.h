#pragma once
// Pixel probes of the pictures under test.

#include <QImage>
#include <string>

#include <gtest/gtest.h>

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

// Whether text, drawn at (x, y) in the font and colour of like, reads whole in picture: its cell lies
// inside the picture and every pixel of its letters is there, neither cut off nor painted over.
inline ::testing::AssertionResult DrawnWhole(const QImage& picture, const Canvas& like, int x, int y,
                                             const std::string& text) {
  QImage alone(picture.size(), QImage::Format_RGB32);
  alone.fill(ToRgb(kWhite));
  Canvas canvas(alone);
  canvas.SetFont(like.Font());
  canvas.SetFontColour(like.FontColour());
  const int width = canvas.TextWidth(text), height = canvas.TextHeight(text);
  if (x < 0 || y < 0 || x + width > picture.width() || y + height > picture.height()) {
    return ::testing::AssertionFailure() << text << " at " << x << ", " << y << " leaves the picture";
  }
  canvas.TextOut(x, y, text);
  int letters = 0;
  for (int px = x; px < x + width; ++px) {
    for (int py = y; py < y + height; ++py) {
      if (ColourAt(canvas.Image(), px, py) != like.FontColour()) continue;
      ++letters;
      if (ColourAt(picture, px, py) != like.FontColour()) {
        return ::testing::AssertionFailure() << text << " misses its pixel " << px << ", " << py;
      }
    }
  }
  return letters > 0 ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << text << " has no letters";
}

}  // namespace tremora::test

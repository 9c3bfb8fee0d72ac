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
  QImage alone(1, 1, QImage::Format_RGB32);
  Canvas measure(alone);
  measure.SetFont(like.Font());
  const int width = measure.TextWidth(text), height = measure.TextHeight(text);
  if (x < 0 || y < 0 || x + width > picture.width() || y + height > picture.height()) {
    return ::testing::AssertionFailure() << "\"" << text << "\" (" << x << ", " << y << ") " << width << " x "
                                         << height << " leaves the picture";
  }
  alone = QImage(width, height, QImage::Format_RGB32);
  alone.fill(ToRgb(kWhite));
  {
    Canvas canvas(alone);
    canvas.SetFont(like.Font());
    canvas.SetFontColour(like.FontColour());
    canvas.TextOut(0, 0, text);
  }
  int letters = 0;
  for (int dx = 0; dx < width; ++dx) {
    for (int dy = 0; dy < height; ++dy) {
      if (ColourAt(alone, dx, dy) != like.FontColour()) continue;
      ++letters;
      if (ColourAt(picture, x + dx, y + dy) != like.FontColour()) {
        return ::testing::AssertionFailure() << "\"" << text << "\" misses its pixel " << x + dx << ", " << y + dy;
      }
    }
  }
  if (letters == 0) return ::testing::AssertionFailure() << "\"" << text << "\" has no letters";
  return ::testing::AssertionSuccess();
}

}  // namespace tremora::test

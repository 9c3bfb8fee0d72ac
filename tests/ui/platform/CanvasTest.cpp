#include "platform/Canvas.h"

#include <algorithm>

#include <QPainter>
#include <QPen>

#include <gtest/gtest.h>

namespace tremora {
namespace {

QImage WhitePicture(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(ToRgb(kWhite));
  return image;
}

Colour At(Canvas& canvas, int x, int y) { return FromRgb(canvas.Image().pixel(x, y)); }

TEST(Canvas, ColoursAreBlueGreenRedValues) {
  EXPECT_EQ(ToRgb(0x0000FF), qRgb(255, 0, 0));
  EXPECT_EQ(ToRgb(0xFF0000), qRgb(0, 0, 255));
  EXPECT_EQ(FromRgb(qRgb(0x12, 0x34, 0x56)), 0x563412u);
}

TEST(Canvas, LineOfWidthOneCoversExactlyItsPixelsWithoutSmoothing) {
  QImage image = WhitePicture(20, 20);
  Canvas canvas(image);
  canvas.SetPenColour(kRed);
  canvas.MoveTo(2, 5);
  canvas.LineTo(12, 5);
  for (int x = 0; x < 20; ++x) {
    for (int y = 0; y < 20; ++y) {
      const bool on = y == 5 && x >= 2 && x <= 12;
      ASSERT_EQ(At(canvas, x, y), on ? kRed : kWhite) << x << "," << y;
    }
  }
  EXPECT_EQ(canvas.PenPos(), QPoint(12, 5));
}

TEST(Canvas, DottedLineLeavesGapsAndWidthTwoLineIsTwoRowsThick) {
  QImage image = WhitePicture(40, 20);
  Canvas canvas(image);
  canvas.SetPenStyle(PenStyle::Dotted);
  canvas.MoveTo(0, 3);
  canvas.LineTo(39, 3);
  int on = 0;
  for (int x = 0; x < 40; ++x) on += At(canvas, x, 3) == kBlack;
  EXPECT_GT(on, 8);
  EXPECT_LT(on, 30);

  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenWidth(2);
  canvas.MoveTo(5, 10);
  canvas.LineTo(30, 10);
  int rows = 0;
  for (int y = 6; y < 15; ++y) rows += At(canvas, 15, y) == kBlack;
  EXPECT_EQ(rows, 2);
}

TEST(Canvas, FillRectExcludesRightAndBottomEdges) {
  QImage image = WhitePicture(10, 10);
  Canvas canvas(image);
  canvas.SetBrushColour(0x00FF00);
  canvas.FillRect(PixelRect{2, 3, 5, 6});
  EXPECT_EQ(At(canvas, 2, 3), 0x00FF00u);
  EXPECT_EQ(At(canvas, 4, 5), 0x00FF00u);
  EXPECT_EQ(At(canvas, 5, 5), kWhite);
  EXPECT_EQ(At(canvas, 4, 6), kWhite);
}

TEST(Canvas, OpaqueTextFillsItsCellTransparentTextKeepsThePicture) {
  QImage image = WhitePicture(120, 40);
  Canvas canvas(image);
  canvas.SetBrushColour(0xFF0000);
  canvas.FillRect(PixelRect{0, 0, 120, 40});
  canvas.SetBrushColour(kWhite);
  canvas.TextOut(2, 2, "AB");
  // The cell's corner is background, not letter.
  EXPECT_EQ(At(canvas, 2, 2), kWhite);
  EXPECT_EQ(At(canvas, 2 + canvas.TextWidth("AB") - 1, 2 + canvas.TextHeight("AB") - 1), kWhite);

  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.TextOut(60, 2, "AB");
  EXPECT_EQ(At(canvas, 60, 2), 0xFF0000u);
  int letters = 0;
  for (int x = 60; x < 60 + canvas.TextWidth("AB"); ++x) {
    for (int y = 2; y < 2 + canvas.TextHeight("AB"); ++y) letters += At(canvas, x, y) == kBlack;
  }
  EXPECT_GT(letters, 10);
}

TEST(Canvas, SettingTheBrushColourMakesAClearBrushSolidAgain) {
  QImage image = WhitePicture(10, 10);
  Canvas canvas(image);
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.SetBrushColour(0x123456);
  EXPECT_EQ(canvas.GetBrushStyle(), BrushStyle::Solid);
}

TEST(Canvas, HollowEllipseLeavesItsInsideAlone) {
  QImage image = WhitePicture(30, 30);
  Canvas canvas(image);
  canvas.SetBrushColour(0x00FF00);
  canvas.FillRect(PixelRect{0, 0, 30, 30});
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.SetPenColour(kRed);
  canvas.Ellipse(PixelRect{7, 7, 14, 14});
  EXPECT_EQ(At(canvas, 10, 10), 0x00FF00u);
  EXPECT_EQ(At(canvas, 10, 7), kRed);
  EXPECT_EQ(At(canvas, 7, 10), kRed);
  EXPECT_EQ(At(canvas, 10, 14), 0x00FF00u);  // the box's bottom edge is outside
}

TEST(Canvas, Frame3DDrawsRingsAndShrinksTheBox) {
  QImage image = WhitePicture(10, 8);
  Canvas canvas(image);
  PixelRect box{0, 0, 10, 8};
  canvas.Frame3D(box, 0x111111, 0x222222, 2);
  EXPECT_EQ(box.left, 2);
  EXPECT_EQ(box.top, 2);
  EXPECT_EQ(box.right, 8);
  EXPECT_EQ(box.bottom, 6);
  EXPECT_EQ(At(canvas, 4, 0), 0x111111u);
  EXPECT_EQ(At(canvas, 1, 4), 0x111111u);
  EXPECT_EQ(At(canvas, 4, 7), 0x222222u);
  EXPECT_EQ(At(canvas, 8, 4), 0x222222u);
  EXPECT_EQ(At(canvas, 4, 4), kWhite);
}

TEST(Canvas, StretchDrawScalesEachSourcePixelToABlock) {
  QImage source(2, 1, QImage::Format_RGB32);
  source.setPixel(0, 0, ToRgb(kRed));
  source.setPixel(1, 0, ToRgb(0xFF0000));
  QImage image = WhitePicture(10, 4);
  Canvas canvas(image);
  canvas.StretchDraw(PixelRect{0, 0, 10, 4}, source);
  EXPECT_EQ(At(canvas, 0, 0), kRed);
  EXPECT_EQ(At(canvas, 4, 3), kRed);
  EXPECT_EQ(At(canvas, 5, 0), 0xFF0000u);
  EXPECT_EQ(At(canvas, 9, 3), 0xFF0000u);
}

TEST(Canvas, DrawingContinuesAfterThePictureWasRead) {
  QImage image = WhitePicture(10, 10);
  Canvas canvas(image);
  canvas.MoveTo(0, 0);
  canvas.LineTo(9, 0);
  const QImage first = canvas.Image();
  canvas.MoveTo(0, 9);
  canvas.LineTo(9, 9);
  EXPECT_EQ(FromRgb(first.pixel(5, 9)), kWhite);
  EXPECT_EQ(At(canvas, 5, 9), kBlack);
  EXPECT_EQ(At(canvas, 5, 0), kBlack);
}

}  // namespace
}  // namespace tremora

namespace tremora {
namespace {

// A trace crowded onto few columns, with jumps, flat runs and returns.
std::vector<QPoint> CrowdedTrace(unsigned seed) {
  std::vector<QPoint> points;
  unsigned state = seed;
  int y = 50;
  for (int i = 0; i < 3000; ++i) {
    state = state * 1103515245u + 12345u;
    const int step = static_cast<int>((state >> 16) % 31) - 15;
    y = std::clamp(y + step, 2, 97);
    points.emplace_back(5 + i / 40, (state >> 8) % 7 == 0 ? y / 2 : y);
  }
  return points;
}

TEST(Canvas, ThinTraceCoversTheSamePixelsAsThePolylineThroughEveryPoint) {
  for (unsigned seed : {1u, 7u, 42u}) {
    const std::vector<QPoint> points = CrowdedTrace(seed);
    EXPECT_LT(CollapseColumnRuns(points).size(), points.size() / 5);
    QImage collapsed = WhitePicture(100, 100);
    {
      Canvas canvas(collapsed);
      canvas.Polyline(points);
      EXPECT_EQ(canvas.PenPos(), points.back());
    }
    QImage every_point = WhitePicture(100, 100);
    {
      QPainter painter(&every_point);
      QPen pen(Qt::black);
      pen.setCosmetic(true);
      pen.setCapStyle(Qt::SquareCap);
      pen.setJoinStyle(Qt::MiterJoin);
      painter.setPen(pen);
      painter.drawPolyline(points.data(), static_cast<int>(points.size()));
    }
    EXPECT_EQ(collapsed, every_point) << seed;
  }
}

}  // namespace
}  // namespace tremora

namespace tremora {
namespace {

// Whether every pixel of the picture at ratio 2 is its 1x pixel: each 2 x 2 block one colour, that
// of the 1x picture at the block's place. Reports the first block that differs.
::testing::AssertionResult SameGeometryAtTwice(const QImage& single, const QImage& twice) {
  if (twice.size() != single.size() * 2) return ::testing::AssertionFailure() << "size " << twice.width();
  for (int y = 0; y < single.height(); ++y) {
    for (int x = 0; x < single.width(); ++x) {
      for (int d = 0; d < 4; ++d) {
        if (twice.pixel(2 * x + d % 2, 2 * y + d / 2) != single.pixel(x, y)) {
          return ::testing::AssertionFailure() << "pixel " << x << "," << y << " part " << d;
        }
      }
    }
  }
  return ::testing::AssertionSuccess();
}

TEST(Canvas, FinerPictureTakesEveryStrokeAtTheSameLogicalPlaces) {
  QImage image = WhitePicture(60, 40);
  QImage sharp = WhitePicture(120, 80);
  sharp.setDevicePixelRatio(2);
  Canvas canvas(image, &sharp);
  canvas.SetBrushColour(0x00C0C0);
  canvas.FillRect({3, 3, 20, 12});
  PixelRect bevel{22, 2, 40, 14};
  canvas.Frame3D(bevel, kWhite, 0x808080, 2);
  canvas.SetPenColour(kRed);
  canvas.MoveTo(1, 20);
  canvas.LineTo(50, 20);
  canvas.LineTo(50, 35);
  for (int width : {2, 3}) {
    canvas.SetPenWidth(width);
    canvas.MoveTo(5, 24 + 5 * width);
    canvas.LineTo(45, 24 + 5 * width);
  }
  canvas.SetPenWidth(1);
  canvas.SetPenStyle(PenStyle::Dotted);
  canvas.MoveTo(2, 38);
  canvas.LineTo(58, 38);
  canvas.SetPenStyle(PenStyle::Solid);
  // Level and upright strokes only: a slanted line's finer steps cannot equal its coarse ones.
  const PixelRect clip{10, 5, 30, 25};
  canvas.Polyline({{4, 8}, {16, 8}, {16, 30}, {28, 30}, {28, 2}, {40, 2}}, &clip);
  EXPECT_TRUE(SameGeometryAtTwice(canvas.Image(), *canvas.SharpImage()));
  EXPECT_EQ(canvas.SharpImage()->devicePixelRatio(), 2.0);
}

TEST(Canvas, ClippedTraceKeepsInsideAndLeavesAWholeTraceAlone) {
  const std::vector<QPoint> trace{{0, 10}, {10, 0}, {20, 19}, {29, 10}};
  for (int width : {1, 2, 3}) {
    QImage free_image = WhitePicture(30, 20), clipped_image = WhitePicture(30, 20);
    Canvas free(free_image), clipped(clipped_image);
    free.SetPenWidth(width);
    clipped.SetPenWidth(width);
    free.Polyline(trace);
    // The clip is exactly the trace's extent: nothing of it may go.
    const PixelRect whole{0, 0, 30, 20};
    clipped.Polyline(trace, &whole);
    EXPECT_EQ(free.Image(), clipped.Image()) << width;

    QImage cut_image = WhitePicture(30, 20);
    Canvas cut(cut_image);
    cut.SetPenWidth(width);
    const PixelRect inner{5, 5, 25, 15};
    cut.Polyline(trace, &inner);
    const int spread = width / 2;
    int inside = 0;
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 30; ++x) {
        if (FromRgb(cut.Image().pixel(x, y)) != kBlack) continue;
        ++inside;
        EXPECT_TRUE(x >= 5 - spread && x < 25 + spread && y >= 5 - spread && y < 15 + spread) << x << "," << y;
      }
    }
    EXPECT_GT(inside, 8) << width;
  }
}

}  // namespace
}  // namespace tremora

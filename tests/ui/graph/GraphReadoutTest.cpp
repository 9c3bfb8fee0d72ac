// Reading values off graphs: the pixel-to-value mapping against the value-to-pixel one on linear
// and logarithmic axes, curve values as the lines are drawn, and readings over several panels.

#include "graph/GraphReadout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tremora {
namespace {

GraphAxes EnlargedLogAxes() {
  GraphAxes axes;
  axes.WidthX = axes.HeightY = 400;
  axes.OriginX = 50;
  axes.OriginY = 440;
  axes.LinearX = axes.LinearY = false;
  axes.NGridX = axes.NGridY = 3;
  axes.SValueX = 0.01f;
  axes.SValueY = 1.0f;
  axes.VValueX = axes.VValueY = 10.0f;
  axes.TitleX = "周　期 [s]";
  return axes;
}

TEST(GraphReadout, EveryPixelReadsAValueThatMapsBackToIt) {
  GraphAxes linear;
  linear.VValueX = 0.5f;
  linear.VValueY = 250.0f;
  for (const GraphAxes& axes : {linear, EnlargedLogAxes()}) {
    const int right = axes.OriginX + axes.NGridX * axes.DivisionWidth();
    for (int px = axes.OriginX; px <= right; ++px) {
      EXPECT_EQ(GraphColumn(axes, GraphValueAtColumn(axes, px)), px) << axes.LinearX << " " << px;
    }
    for (int py = axes.OriginY - axes.NGridY * axes.DivisionHeight(); py <= axes.OriginY; ++py) {
      EXPECT_EQ(GraphRow(axes, GraphValueAtRow(axes, py)), py) << axes.LinearY << " " << py;
    }
  }
  // Decade lines of the enlarged geometry at 50, 183, 316: the middle of their columns.
  EXPECT_NEAR(GraphValueAtColumn(EnlargedLogAxes(), 183), 0.1f, 0.001f);
}

TEST(GraphReadout, CurvesReadAsTheirLinesAreDrawn) {
  const GraphAxes log = EnlargedLogAxes();
  // y = x^2 is straight on log-log axes: halfway between 0.1 and 1 in log terms it is exact.
  GraphCurveShown square{"", 0, {0.1f, 1.0f, 10.0f}, {0.01f, 1.0f, 100.0f}};
  EXPECT_NEAR(*CurveValueAt(square, log, std::sqrt(0.1f)), 0.1f, 1e-6f);
  EXPECT_FLOAT_EQ(*CurveValueAt(square, log, 10.0f), 100.0f);
  EXPECT_FALSE(CurveValueAt(square, log, 20.0f));
  // Descending x (frequencies in period order) and a 0 the logarithmic axis leaves out.
  GraphCurveShown descending{"", 0, {10.0f, 1.0f, 0.1f}, {100.0f, 0.0f, 0.01f}};
  EXPECT_NEAR(*CurveValueAt(descending, log, 1.0f), 1.0f, 1e-5f);
  GraphAxes linear;
  EXPECT_NEAR(*CurveValueAt(descending, linear, 5.5f), 50.0f, 1e-4f);
}

TEST(GraphReadout, ReadsThePanelUnderThePointerAndPinsTheNearestCurve) {
  GraphContents contents;
  GraphAxes panel;  // 50 pixels a division of 5 Hz
  panel.WidthX = 200;
  panel.TitleX = "振動数 [Hz]";
  for (int left : {35, 335}) {
    panel.OriginX = left;
    contents.AddFrame(panel, "Gal");
    contents.AddCurve(panel, "Gal", {"h=5%", 0x0000FF, {0.0f, 20.0f}, {0.0f, 40.0f}});
    contents.AddCurve(panel, "Gal", {"h=10%", 0xFF0000, {0.0f, 20.0f}, {0.0f, 20.0f}});
  }
  ASSERT_EQ(contents.Frames().size(), 2u);
  // Column 100 of the second panel: its middle is 10.05 Hz.
  const int row_of_20 = *GraphRow(panel, 20.0f);
  const auto reading = ReadGraphAt(contents, 435, row_of_20 + 1);
  ASSERT_TRUE(reading);
  ASSERT_EQ(reading->lines.size(), 3u);
  EXPECT_EQ(reading->lines[0].text, "振動数 10.05 Hz");
  EXPECT_EQ(reading->lines[1].text, "h=5%  20.10 Gal");
  EXPECT_EQ(reading->lines[1].colour, 0x0000FFu);
  EXPECT_EQ(reading->lines[2].text, "h=10%  10.05 Gal");
  EXPECT_EQ(reading->pin, (PixelPoint{435, *GraphRow(panel, 20.1f)}));
  EXPECT_EQ(reading->pin_text, "10.05 Hz, 20.10 Gal");
  // Between the panels and below the axis nothing is read.
  EXPECT_FALSE(ReadGraphAt(contents, 300, row_of_20));
  EXPECT_FALSE(ReadGraphAt(contents, 435, panel.OriginY + 3));
}

TEST(ReadoutNumber, KeepsFourSignificantDigitsInFixedNotation) {
  EXPECT_EQ(ReadoutNumber(-12.345), "-12.35");
  EXPECT_EQ(ReadoutNumber(0.012301), "0.01230");
  EXPECT_EQ(ReadoutNumber(1234.4), "1234");
  EXPECT_EQ(ReadoutNumber(9.99996), "10.00");
  EXPECT_EQ(ReadoutNumber(0.0), "0");
  EXPECT_EQ(ReadoutNumber(3e-9), "0.000000");
}

TEST(PinnedMarkers, AClickOnAMarkerOrEscRemovesTheLatestFirst) {
  PinnedMarkers markers;
  markers.Pin({{100, 100}, "a"});
  markers.Pin({{103, 98}, "b"});
  markers.Pin({{200, 50}, "c"});
  EXPECT_FALSE(markers.RemoveAt(100, 106));
  EXPECT_TRUE(markers.RemoveAt(101, 101));  // both a and b are within reach: b goes
  ASSERT_EQ(markers.All().size(), 2u);
  EXPECT_EQ(markers.All()[0].text, "a");
  EXPECT_TRUE(markers.RemoveLatest());
  EXPECT_EQ(markers.All().back().text, "a");
  EXPECT_TRUE(markers.RemoveLatest());
  EXPECT_FALSE(markers.RemoveLatest());
}

}  // namespace
}  // namespace tremora

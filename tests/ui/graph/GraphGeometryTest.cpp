#include "graph/GraphGeometry.h"

#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "ui/FixedMeasure.h"
#include "wave/WaveGeometry.h"

namespace tremora {
namespace {

using test::FindText;
using test::FixedMeasure;
using test::HasLine;
using test::ItemsOf;

TEST(GraphRoundNumber, WritesTheExamplesOfTheTickTexts) {
  EXPECT_EQ(GraphRoundNumber(0.0f), "0");
  EXPECT_EQ(GraphRoundNumber(0.3f), "0.3");
  EXPECT_EQ(GraphRoundNumber(2.9999f), "3");
  EXPECT_EQ(GraphRoundNumber(0.0009f), "0.001");
  EXPECT_EQ(GraphRoundNumber(100000.0f), "100000");
  EXPECT_EQ(GraphRoundNumber(0.00002f), "0");
  EXPECT_EQ(GraphRoundNumber(250000.0f), "2.5e+05");
  EXPECT_EQ(GraphRoundNumber(-12.5f), "-12.5");
  EXPECT_EQ(GraphRoundNumber(-0.000005f), "-5.0e-06");
  EXPECT_EQ(GraphRoundNumber(-0.00002f), "-0");
  EXPECT_EQ(GraphRoundNumber(1e-9f), "0");
}

TEST(GraphRoundNumber, DiffersFromTheStripsAtOneHundredThousandth) {
  // The graph compares the float nearest 0.00001, which lies just below it.
  EXPECT_EQ(GraphRoundNumber(0.00001f), "1.0e-05");
  EXPECT_EQ(WaveRoundNumber(0.00001), "0");
}

std::vector<int> LineXs(const DrawList& list, PenStyle style, int width) {
  std::vector<int> xs;
  for (const DrawItem& item : ItemsOf(list, DrawItem::Kind::Line)) {
    if (item.x1 == item.x2 && item.pen_style == style && item.pen_width == width) xs.push_back(item.x1);
  }
  return xs;
}

std::vector<int> LineYs(const DrawList& list, PenStyle style, int width) {
  std::vector<int> ys;
  for (const DrawItem& item : ItemsOf(list, DrawItem::Kind::Line)) {
    if (item.y1 == item.y2 && item.pen_style == style && item.pen_width == width) ys.push_back(item.y1);
  }
  return ys;
}

TEST(GraphFrame, NewGraphHasFiveLinesEachWayAndFourDottedMinorLinesPerDivision) {
  const GraphAxes axes;  // 4 divisions of 62 pixels from (35, 270)
  const DrawList list = LayoutGraphFrame(axes, FixedMeasure());
  EXPECT_EQ(LineXs(list, PenStyle::Solid, 2), (std::vector<int>{35, 283}));
  EXPECT_EQ(LineXs(list, PenStyle::Solid, 1), (std::vector<int>{97, 159, 221}));
  EXPECT_EQ(LineYs(list, PenStyle::Solid, 2), (std::vector<int>{270, 22}));
  EXPECT_EQ(LineYs(list, PenStyle::Solid, 1), (std::vector<int>{208, 146, 84}));
  const std::vector<int> minor_x = LineXs(list, PenStyle::Dotted, 1);
  ASSERT_EQ(minor_x.size(), 16u);
  EXPECT_EQ(std::vector<int>(minor_x.begin(), minor_x.begin() + 4), (std::vector<int>{47, 59, 72, 84}));
  EXPECT_EQ(LineYs(list, PenStyle::Dotted, 1).size(), 16u);
  EXPECT_TRUE(HasLine(list, 47, 270, 47, 22, 1, PenStyle::Dotted));
  EXPECT_TRUE(HasLine(list, 35, 258, 283, 258, 1, PenStyle::Dotted));

  for (const char* label : {"0", "5", "10", "15", "20", "30", "40"}) EXPECT_NE(FindText(list, label), nullptr) << label;
  const DrawItem* fifteen = FindText(list, "15");
  EXPECT_EQ(fifteen->x1, 221 - 6);
  EXPECT_EQ(fifteen->y1, 275);
  const DrawItem* forty = FindText(list, "40");
  EXPECT_EQ(forty->x1, 35 - 10 - 12);
  EXPECT_EQ(forty->y1, 22 - 6);
  const DrawItem* title_x = FindText(list, "TitleX [unit]");
  ASSERT_NE(title_x, nullptr);
  EXPECT_EQ(title_x->x1, 125 + 35 - 39);
  EXPECT_EQ(title_x->y1, 270 + 16);  // 1.4 * 12 = 16.8
  const DrawItem* title_y = FindText(list, "TitleY [unit]");
  ASSERT_NE(title_y, nullptr);
  EXPECT_EQ(title_y->x1, 45);
  EXPECT_EQ(title_y->y1, 4);  // 270 - 250 - 1.3 * 12 = 4.4
}

TEST(GraphFrame, LogarithmicAxisLabelsDecadesAndMarksTwoFourSixEight) {
  GraphAxes axes;
  axes.LinearX = false;
  axes.SValueX = 0.01f;
  axes.VValueX = 10.0f;
  axes.NGridX = 3;
  axes.SubX = 7;  // not used on a logarithmic axis
  const DrawList list = LayoutGraphFrame(axes, FixedMeasure());
  for (const char* label : {"0.01", "0.1", "1", "10"}) EXPECT_NE(FindText(list, label), nullptr) << label;
  // 83 pixels a decade: 2, 4, 6, 8 times the start at 24.98, 49.97, 64.6, 74.96 pixels.
  const std::vector<int> minor_x = LineXs(list, PenStyle::Dotted, 1);
  EXPECT_EQ(std::vector<int>(minor_x.begin(), minor_x.end()),
            (std::vector<int>{59, 84, 99, 109, 142, 167, 182, 192, 225, 250, 265, 275}));
}

// The enlarged window's graph: 400 x 400 from (50, 440), both axes three decades.
GraphAxes EnlargedLogLog() {
  GraphAxes axes;
  axes.WidthX = 400;
  axes.HeightY = 400;
  axes.OriginX = 50;
  axes.OriginY = 440;
  axes.LinearX = axes.LinearY = false;
  axes.SValueX = 0.01f;
  axes.SValueY = 1.0f;
  axes.VValueX = axes.VValueY = 10.0f;
  axes.NGridX = axes.NGridY = 3;
  return axes;
}

TEST(GraphFrame, EnlargedGraphLogarithmicGeometry) {
  const GraphAxes axes = EnlargedLogLog();
  const DrawList list = LayoutGraphFrame(axes, FixedMeasure());
  EXPECT_EQ(LineXs(list, PenStyle::Solid, 2), (std::vector<int>{50, 449}));
  EXPECT_EQ(LineXs(list, PenStyle::Solid, 1), (std::vector<int>{183, 316}));
  EXPECT_EQ(LineXs(list, PenStyle::Dotted, 1),
            (std::vector<int>{90, 130, 153, 170, 223, 263, 286, 303, 356, 396, 419, 436}));
  // The horizontal lines end with the last division, one pixel short of the plot width.
  EXPECT_TRUE(HasLine(list, 50, 440, 449, 440, 2, PenStyle::Solid));
}

TEST(GraphFrame, LogarithmicMinorRowsAreTruncatedAfterGoingUp) {
  const GraphAxes axes = EnlargedLogLog();
  const DrawList list = LayoutGraphFrame(axes, FixedMeasure());
  const std::vector<int> minor_y = LineYs(list, PenStyle::Dotted, 1);
  // 440 - 40.04 = 399.96 gives 399, not 440 - 40.
  EXPECT_EQ(std::vector<int>(minor_y.begin(), minor_y.begin() + 4), (std::vector<int>{399, 359, 336, 319}));
}

TEST(GraphFrame, MinorTicksAndRightScale) {
  GraphAxes axes;
  axes.SubAxis = false;
  axes.LeftScale = false;
  const DrawList list = LayoutGraphFrame(axes, FixedMeasure());
  EXPECT_TRUE(HasLine(list, 47, 270, 47, 263, 1, PenStyle::Solid));
  EXPECT_TRUE(HasLine(list, 35, 258, 42, 258, 1, PenStyle::Solid));  // on the left axis still
  EXPECT_TRUE(LineXs(list, PenStyle::Dotted, 1).empty());
  const DrawItem* forty = FindText(list, "40");
  EXPECT_EQ(forty->x1, 35 + 250 + 5);
  const DrawItem* title_y = FindText(list, "TitleY [unit]");
  EXPECT_EQ(title_y->x1, 35 + 250 - 78 - 5);
}

TEST(GraphMapping, LinearAndLogarithmicAxesTruncateTowardZero) {
  GraphAxes axes;  // 62 pixels per 5 along x, 62 per 10 along y
  EXPECT_EQ(GraphColumn(axes, 2.5f), 35 + 31);
  EXPECT_EQ(GraphColumn(axes, -3.0f), 35 - 37);  // -37.2
  EXPECT_EQ(GraphRow(axes, 15.0f), 270 - 93);
  axes.LinearX = false;
  axes.SValueX = 1.0f;
  axes.VValueX = 10.0f;
  EXPECT_EQ(GraphColumn(axes, 10.0f), 35 + 62);
  EXPECT_EQ(GraphColumn(axes, 2.0f), 35 + 18);  // 18.66
  EXPECT_EQ(GraphColumn(axes, 0.0f), std::nullopt);
  EXPECT_EQ(GraphColumn(axes, -1.0f), std::nullopt);
  axes.SValueX = 0.0f;
  EXPECT_EQ(GraphColumn(axes, 1.0f), std::nullopt);
  axes.SValueX = 1.0f;
  axes.VValueX = 1.0f;  // a factor of 1 spreads nothing: pinned far away, not undefined
  EXPECT_GT(*GraphColumn(axes, 2.0f), 1000000);
}

TEST(GraphScale, LinearStepsFromTheLargestValue) {
  auto step = [](float max, int divisions) { return ChooseScale(max, divisions, true)->step; };
  EXPECT_FLOAT_EQ(step(980, 4), 250);
  EXPECT_FLOAT_EQ(step(1000, 4), 250);
  EXPECT_FLOAT_EQ(step(1001, 4), 500);
  EXPECT_FLOAT_EQ(step(7.9f, 4), 2);
  EXPECT_FLOAT_EQ(step(0, 4), 1e-10f);
  EXPECT_EQ(ChooseScale(980, 4, true)->start, 0.0f);

  const std::vector<float> values{3.0f, -50.0f, 980.0f, 12.0f};
  EXPECT_EQ(LargestValue(4, values.data()), 980.0f);
  const std::vector<float> negative{-5.0f, -2.0f};
  EXPECT_EQ(LargestValue(2, negative.data()), 0.0f);
  EXPECT_EQ(LargestValue(0, nullptr), 0.0f);
}

TEST(GraphScale, LogarithmicAxisEndsAtThePowerOfTenAboveTheMaximum) {
  const auto below = ChooseScale(980, 3, false);
  EXPECT_FLOAT_EQ(below->start, 1.0f);
  EXPECT_EQ(below->step, 10.0f);
  const auto exact = ChooseScale(1000, 3, false);
  EXPECT_FLOAT_EQ(exact->start, 10.0f);
}

TEST(GraphScale, SymmetricAxisForNegativeData) {
  const std::vector<float> values{-3.0f, 1.0f, 2.0f};
  const Magnitude data = LargestMagnitude(3, values.data());
  EXPECT_EQ(data.largest, 3.0f);
  EXPECT_TRUE(data.negative);
  const auto scale = ChooseSymmetricScale(data, 5, true);
  EXPECT_EQ(scale->divisions, 6);
  EXPECT_FLOAT_EQ(scale->step, 1.0f);
  EXPECT_FLOAT_EQ(scale->start, -3.0f);

  const auto positive = ChooseSymmetricScale(Magnitude{3.0f, false}, 5, true);
  EXPECT_EQ(positive->divisions, 5);
  EXPECT_EQ(positive->start, 0.0f);
  EXPECT_FLOAT_EQ(positive->step, 1.0f);
}

TEST(GraphScale, InfiniteDataFitNoScaleInsteadOfSearchingForEver) {
  const float inf = std::numeric_limits<float>::infinity();
  EXPECT_EQ(ChooseScale(inf, 4, true), std::nullopt);
  EXPECT_EQ(ChooseScale(inf, 4, false), std::nullopt);
}

TEST(GraphCurve, PointsALogarithmicAxisCannotPlaceAreLeftOut) {
  GraphAxes axes;
  axes.LinearY = false;
  axes.SValueY = 1.0f;
  axes.VValueY = 10.0f;
  const std::vector<float> x{1.0f, 2.0f, 3.0f};
  const std::vector<float> y{10.0f, 0.0f, 100.0f};
  const auto points = GraphCurve(axes, 3, x.data(), y.data());
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(points[0], (PixelPoint{35 + 12, 270 - 62}));
  EXPECT_EQ(points[1], (PixelPoint{35 + 37, 270 - 124}));
}

TEST(GraphMarkPoints, StopAtTheFirstPointRightOfThePlotArea) {
  const GraphAxes axes;  // plot area ends at 35 + 250 = 285
  const std::vector<float> x{0.0f, 10.0f, 20.2f, 20.3f, 5.0f};  // 20.2 maps to 285, 20.3 to 286
  const std::vector<float> y(5, 0.0f);
  const auto points = GraphMarkPoints(axes, 5, x.data(), y.data(), 1);
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points.back().x, 285);
}

TEST(GraphMarkPoints, EveryKthPoint) {
  const GraphAxes axes;
  std::vector<float> x(10), y(10, 0.0f);
  for (int i = 0; i < 10; ++i) x[i] = static_cast<float>(i);
  auto columns = [&](int step) {
    std::vector<int> out;
    for (const PixelPoint& p : GraphMarkPoints(axes, 10, x.data(), y.data(), step)) out.push_back(p.x);
    return out;
  };
  EXPECT_EQ(columns(3), (std::vector<int>{35, 72, 109, 146}));  // points 0, 3, 6, 9
  EXPECT_TRUE(columns(0).empty());
  EXPECT_EQ(columns(1).size(), 10u);
  EXPECT_EQ(columns(-2).size(), 10u);
}

}  // namespace
}  // namespace tremora

#include "wave/WaveGeometry.h"

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "ui/FixedMeasure.h"

namespace tremora {
namespace {

using test::FindText;
using test::FixedMeasure;
using test::HasLine;

TEST(WaveRoundNumber, WritesTheExamplesOfTheTickTexts) {
  EXPECT_EQ(WaveRoundNumber(0), "0");
  EXPECT_EQ(WaveRoundNumber(2.5), "2.5");
  EXPECT_EQ(WaveRoundNumber(10), "10");
  EXPECT_EQ(WaveRoundNumber(-0.25), "-0.25");
  EXPECT_EQ(WaveRoundNumber(0.00001), "0");  // not below the limit: four zero decimals, trimmed
  EXPECT_EQ(WaveRoundNumber(100000), "100000");
  EXPECT_EQ(WaveRoundNumber(100000.5), "1.0e+05");
  EXPECT_EQ(WaveRoundNumber(200000), "2.0e+05");
  EXPECT_EQ(WaveRoundNumber(-0.000001), "-1.0e-06");
}

TEST(WaveRoundNumber, RoundsAwayTheFloatErrorOfAutomaticScales) {
  EXPECT_EQ(WaveRoundNumber(0.99999), "1");
  // A scale built on the float decade 0.99999994 times 200.
  EXPECT_EQ(WaveRoundNumber(0.99999994f * 200.0f), "200");
  EXPECT_EQ(WaveRoundNumber(2 * (0.99999994f * 2.5f)), "5");
  EXPECT_EQ(WaveRoundNumber(-0.99999994f * 20.0f), "-20");
}

TEST(GeneralFloatText, WritesOriginNumbersWithFifteenDigits) {
  EXPECT_EQ(GeneralFloatText(0), "0");
  EXPECT_EQ(GeneralFloatText(1.5), "1.5");
  EXPECT_EQ(GeneralFloatText(-12), "-12");
  EXPECT_EQ(GeneralFloatText(0.1f), "0.100000001490116");
  EXPECT_EQ(GeneralFloatText(0.00001L), "0.00001");
  EXPECT_EQ(GeneralFloatText(0.000001L), "1E-6");
  EXPECT_EQ(GeneralFloatText(2.5e20L), "2.5E20");
}

TEST(WaveMapping, TruncatesTowardZero) {
  WaveAxes axes;  // OriginY 100, 10 per 25 pixels
  EXPECT_EQ(WaveRow(axes, 5), 87);   // 87.5
  EXPECT_EQ(WaveRow(axes, -5), 112);  // 112.5
  axes.OriginY = 0;
  EXPECT_EQ(WaveRow(axes, 1), -2);  // -2.5 truncates up, not down
  EXPECT_EQ(WaveColumnOffset(axes, 0.999), 99);
  axes.VValueX = 2.0f;
  EXPECT_EQ(WaveColumnOffset(axes, 3.0), 150);
}

TEST(WaveMapping, AZeroScaleStaysInsideTheIntRange) {
  WaveAxes axes;
  axes.VValueY = 0.0f;
  EXPECT_LT(WaveRow(axes, 1), -1000000);
  EXPECT_GT(WaveRow(axes, -1), 1000000);
}

TEST(WaveScale, SubTicksUseTheWholePixelStep) {
  EXPECT_EQ(SubTickOffsets(100, 4), (std::vector<int>{25, 50, 75}));
  EXPECT_EQ(SubTickOffsets(100, 3), (std::vector<int>{33, 66}));
  EXPECT_EQ(SubTickOffsets(100, 0), std::vector<int>{});
  EXPECT_EQ(SubTickOffsets(25, 2), std::vector<int>{12});

  WaveAxes axes;
  axes.SubX = 3;
  const DrawList list = LayoutWaveScale(axes, FixedMeasure());
  for (int x : {83, 116, 183, 216, 283, 316}) EXPECT_TRUE(HasLine(list, x, 97, x, 103, 1, PenStyle::Solid)) << x;
  EXPECT_FALSE(HasLine(list, 150 - 1, 97, 150 - 1, 103, 1, PenStyle::Solid));
}

TEST(WaveScale, NumbersTheDivisionsBothWaysFromTheZeroLine) {
  WaveAxes axes;
  axes.SValueX = 10.0f;
  const DrawList list = LayoutWaveScale(axes, FixedMeasure());
  EXPECT_TRUE(HasLine(list, 50, 100, 350, 100, 2, PenStyle::Solid));  // zero line
  EXPECT_TRUE(HasLine(list, 50, 100, 50, 50, 2, PenStyle::Solid));
  EXPECT_TRUE(HasLine(list, 50, 100, 50, 150, 2, PenStyle::Solid));
  EXPECT_TRUE(HasLine(list, 250, 95, 250, 105, 2, PenStyle::Solid));
  EXPECT_TRUE(HasLine(list, 50, 75, 55, 75, 2, PenStyle::Solid));

  const DrawItem* twelve = FindText(list, "12");  // second time division: 2 * 1 + 10
  ASSERT_NE(twelve, nullptr);
  EXPECT_EQ(twelve->x1, 250 - 6);
  EXPECT_EQ(twelve->y1, 105);
  const DrawItem* twenty = FindText(list, "20");
  ASSERT_NE(twenty, nullptr);
  EXPECT_EQ(twenty->x1, 50 - 12 - 5);
  EXPECT_EQ(twenty->y1, 50 - 6);
  const DrawItem* minus_twenty = FindText(list, "-20");
  ASSERT_NE(minus_twenty, nullptr);
  EXPECT_EQ(minus_twenty->y1, 150 - 6);
  // Sub-ticks of the amplitude axis every 12 pixels (25 div 2), above and below.
  EXPECT_TRUE(HasLine(list, 50, 88, 53, 88, 1, PenStyle::Solid));
  EXPECT_TRUE(HasLine(list, 50, 112, 53, 112, 1, PenStyle::Solid));
  EXPECT_TRUE(HasLine(list, 50, 63, 53, 63, 1, PenStyle::Solid));
}

TEST(WaveScale, PlacesOriginNumbersTitleAndUnits) {
  WaveAxes axes;
  const DrawList list = LayoutWaveScale(axes, FixedMeasure());
  const auto texts = test::ItemsOf(list, DrawItem::Kind::Text);
  ASSERT_GE(texts.size(), 5u);
  const DrawItem& unit_y = texts.back();
  EXPECT_EQ(unit_y.text, "[cm]");
  EXPECT_EQ(unit_y.x1, 50 - 24 - 5);
  EXPECT_EQ(unit_y.y1, 50 - 12 - 5);
  const DrawItem* title = FindText(list, "Sample Wave");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->x1, 50 + 150 - 33);
  EXPECT_EQ(title->y1, 150 - 12);
  const DrawItem* unit_x = FindText(list, "[sec]");
  ASSERT_NE(unit_x, nullptr);
  EXPECT_EQ(unit_x->x1, 350 - 15);
  EXPECT_EQ(unit_x->y1, 100 + 12 + 10);
  EXPECT_EQ(texts[texts.size() - 5].text, "0");  // origin of the time axis
  EXPECT_EQ(texts[texts.size() - 5].x1, 53);
}

TEST(WaveScale, PositiveHalfOnlyLeavesEverythingBelowTheZeroLineOut) {
  WaveAxes axes;
  axes.PlusOnly = true;
  const DrawList list = LayoutWaveScale(axes, FixedMeasure());
  for (const DrawItem& item : list.Items()) {
    if (item.kind == DrawItem::Kind::Line) {
      EXPECT_LE(std::max(item.y1, item.y2), 105);
    }
  }
  EXPECT_EQ(FindText(list, "-10"), nullptr);
  const DrawItem* title = FindText(list, "Sample Wave");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->y1, 100 + 12 + 10);
}

std::vector<float> Ramp(int count) {
  std::vector<float> samples(count);
  for (int i = 0; i < count; ++i) samples[i] = static_cast<float>(i % 7) - 3.0f;
  return samples;
}

TEST(WaveTrace, StopsAtTheLastSampleOnTheTimeAxis) {
  WaveAxes axes;  // 3 divisions of 100 pixels, 1 s each
  const std::vector<float> samples = Ramp(500);
  const auto points = WaveTrace(axes, 500, samples.data(), 0.01);
  ASSERT_EQ(points.size(), 301u);
  EXPECT_EQ(points.back().x, 350);
  EXPECT_EQ(points.back().y, WaveRow(axes, samples[300]));
  EXPECT_EQ(points[1].x, 51);
}

TEST(WaveTrace, KeepsEverySampleOfACrowdedColumn) {
  WaveAxes axes;
  axes.VValueX = 10.0f;  // 1000 samples per 100 pixels
  const std::vector<float> samples = Ramp(100);
  const auto points = WaveTrace(axes, 100, samples.data(), 0.01);
  EXPECT_EQ(points.size(), 100u);
  EXPECT_EQ(points[9].x, 50);
  EXPECT_EQ(points[10].x, 51);
  EXPECT_EQ(points[99].x, 59);
}

TEST(WaveTrace, OneSampleIsOnlyTheStartAndNoneIsNothing) {
  WaveAxes axes;
  const float sample = 10.0f;
  EXPECT_EQ(WaveTrace(axes, 1, &sample, 0.01), (std::vector<PixelPoint>{{50, 75}}));
  EXPECT_TRUE(WaveTrace(axes, 0, &sample, 0.01).empty());
}

TEST(DecimatedWaveTrace, StepsPixelsAndSamplesUntilTheAxisEnd) {
  WaveAxes axes;
  const std::vector<float> samples = Ramp(1000);
  const auto points = DecimatedWaveTrace(axes, 1000, samples.data(), 3, 2);
  ASSERT_EQ(points.size(), 101u);  // x = 50, 53, ..., 350
  EXPECT_EQ(points[1], (PixelPoint{53, WaveRow(axes, samples[2])}));
  EXPECT_EQ(points.back().x, 350);
  // A sample step of 0 would never leave the first sample.
  EXPECT_EQ(DecimatedWaveTrace(axes, 1000, samples.data(), 0, 0).size(), 1u);
}

TEST(WaveMarkPoints, MarksEveryNthPointOnePixelApart) {
  WaveAxes axes;
  const std::vector<float> samples = Ramp(2000);
  const auto points = WaveMarkPoints(axes, 2000, samples.data(), 10, 3);
  ASSERT_EQ(points.size(), 31u);  // k = 0, 10, ..., 300
  EXPECT_EQ(points[1], (PixelPoint{60, WaveRow(axes, samples[30])}));
  EXPECT_EQ(points.back().x, 350);
  EXPECT_EQ(WaveMarkPoints(axes, 20, samples.data(), 1, 5).size(), 4u);  // samples 0, 5, 10, 15
  EXPECT_TRUE(WaveMarkPoints(axes, 20, samples.data(), 0, 1).empty());
}

}  // namespace
}  // namespace tremora

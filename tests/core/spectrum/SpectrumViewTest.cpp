// What the spectrum window draws, from numbers: linear axis point counts, titles, reference
// damping, the axis table of the three spectrum graphs, and the extension of chosen save names.

#include <gtest/gtest.h>

#include "base/TextFile.h"
#include "spectrum/PeriodGrid.h"
#include "spectrum/SpectrumView.h"

namespace tremora {
namespace {

TEST(SpectrumView, LinearPeriodAxisDrawsTheGridPeriodsUpToTheLongest) {
  const PeriodGrid grid = MakePeriodGrid();
  const struct { int item; int count; float last; } cases[] = {{0, 70, 1.935f}, {1, 87, 4.763f}, {2, 100, 9.484f}};
  for (const auto& c : cases) {
    const int count = LinearPeriodCount(grid, LongestPeriodChoice(c.item).LinearMaxPeriod);
    EXPECT_EQ(count, c.count) << "item " << c.item;
    EXPECT_NEAR(grid.Periods[count - 1], c.last, 0.0005f);
    // Every drawn period lies inside the axis, the next one (if any) beyond it.
    EXPECT_LE(grid.Periods[count - 1], LongestPeriodChoice(c.item).LinearMaxPeriod);
    if (count < kPeriodCount) {
      EXPECT_GT(grid.Periods[count], LongestPeriodChoice(c.item).LinearMaxPeriod);
    }
  }
  // 10 s would give the 101st division point: the count stops at the grid.
  EXPECT_EQ(LinearPeriodCount(grid, 20.0f), kPeriodCount);
}

TEST(SpectrumView, LinearFrequencyCountEndsAtTheFirstFrequencyAboveTenHertz) {
  const PeriodGrid grid = MakePeriodGrid();
  const int count = LinearFrequencyCount(grid);
  EXPECT_EQ(count, 87);
  EXPECT_GT(grid.AscendingFrequencies[count - 1], 10.0f);
  EXPECT_LE(grid.AscendingFrequencies[count - 2], 10.0f);
}

TEST(SpectrumView, LongestPeriodItemsGiveTheirDivisionsAndMinorSteps) {
  EXPECT_EQ(LongestPeriodChoice(0).LinearGridCount, 4);
  EXPECT_EQ(LongestPeriodChoice(0).SubX, 5);
  EXPECT_EQ(LongestPeriodChoice(1).LinearMaxPeriod, 5.0f);
  EXPECT_EQ(LongestPeriodChoice(1).LinearGridCount, 5);
  EXPECT_EQ(LongestPeriodChoice(2).LinearMaxPeriod, 10.0f);
  EXPECT_EQ(LongestPeriodChoice(2).SubX, 4);
}

TEST(SpectrumView, TitleHasThreeBlanksBeforeTheOriginDate) {
  SpectrumSource source;
  source.StationCode = "AOM001";
  source.OriginDate = "2018/01/24";
  source.OriginTime = "19:51:00";
  source.ComponentNames = {"NS", "EW", "UD"};
  EXPECT_EQ(SpectrumTitle(1, source, 1), "SV AOM001 EW   2018/01/24 19:51:00");
  EXPECT_STREQ(ResponseUnit(0), "[Gal]");
  EXPECT_STREQ(ResponseUnit(1), "[kine]");
  EXPECT_STREQ(ResponseUnit(2), "[cm]");
}

TEST(SpectrumView, ReferenceDampingIsTheLowestShownOrZero) {
  EXPECT_EQ(ReferenceDamping({true, true, true, true, true}), 0);
  EXPECT_EQ(ReferenceDamping({false, true, false, true, true}), 1);
  EXPECT_EQ(ReferenceDamping({false, false, false, false, true}), 4);
  EXPECT_EQ(ReferenceDamping({false, false, false, false, false}), 0);
}

SpectrumAxisChoice Choice(bool linear_x, bool frequency, bool linear_y, int longest_item = 0) {
  SpectrumAxisChoice choice;
  choice.linear_x = linear_x;
  choice.frequency = frequency;
  choice.linear_y = linear_y;
  choice.linear_max_period = LongestPeriodChoice(longest_item).LinearMaxPeriod;
  choice.linear_grid_count = LongestPeriodChoice(longest_item).LinearGridCount;
  return choice;
}

TEST(SpectrumAxes, LinearPeriodAxisSpansTheLongestPeriodInItsDivisions) {
  for (int item = 0; item < 3; ++item) {
    const SpectrumAxisSettings axes = SpectrumAxes(SpectrumGraph::Window, Choice(true, false, true, item));
    const LinearPeriodAxis longest = LongestPeriodChoice(item);
    EXPECT_TRUE(axes.LinearX);
    EXPECT_EQ(axes.SValueX, 0.0f);
    EXPECT_EQ(axes.NGridX, longest.LinearGridCount);
    EXPECT_FLOAT_EQ(axes.VValueX * axes.NGridX, longest.LinearMaxPeriod);
    EXPECT_EQ(axes.TitleX, "周　期 [s]");
  }
}

TEST(SpectrumAxes, LinearFrequencyAxisKeepsTheDivisionsOfItsGraph) {
  // Four divisions of 5 Hz on the window's graph; the enlarged graph keeps the period divisions.
  const SpectrumAxisSettings window = SpectrumAxes(SpectrumGraph::Window, Choice(true, true, true, 2));
  EXPECT_EQ(window.NGridX, 4);
  EXPECT_EQ(window.VValueX, 5.0f);
  EXPECT_EQ(window.TitleX, "振動数 [Hz]");
  EXPECT_EQ(SpectrumAxes(SpectrumGraph::Overlay, Choice(true, true, true, 2)).NGridX, 4);
  EXPECT_EQ(SpectrumAxes(SpectrumGraph::Enlarged, Choice(true, true, true, 0)).NGridX, 4);
  EXPECT_EQ(SpectrumAxes(SpectrumGraph::Enlarged, Choice(true, true, true, 1)).NGridX, 5);
}

TEST(SpectrumAxes, LogarithmicAxesSpanThreeDecadesFromTheirStart) {
  const SpectrumAxisSettings period = SpectrumAxes(SpectrumGraph::Window, Choice(false, false, false));
  EXPECT_FALSE(period.LinearX);
  EXPECT_EQ(period.NGridX, 3);
  EXPECT_EQ(period.SValueX, 0.01f);
  EXPECT_EQ(period.VValueX, 10.0f);
  const SpectrumAxisSettings frequency = SpectrumAxes(SpectrumGraph::Window, Choice(false, true, false));
  EXPECT_EQ(frequency.SValueX, 0.1f);
  EXPECT_EQ(frequency.TitleX, "振動数 [Hz]");
  // A logarithmic vertical axis never starts at 0 on the window's graph; the others leave the
  // start to the scale fitted afterwards.
  EXPECT_FALSE(period.LinearY);
  EXPECT_EQ(period.NGridY, 3);
  EXPECT_EQ(period.SValueY, 0.01f);
  EXPECT_EQ(period.VValueY, 10.0f);
  EXPECT_FALSE(SpectrumAxes(SpectrumGraph::Enlarged, Choice(false, false, false)).SValueY.has_value());
}

TEST(SpectrumAxes, LinearVerticalAxisStartsAtZeroInFourDivisions) {
  const SpectrumAxisSettings axes = SpectrumAxes(SpectrumGraph::Window, Choice(false, false, true));
  EXPECT_TRUE(axes.LinearY);
  EXPECT_EQ(axes.SValueY, 0.0f);
  EXPECT_FALSE(axes.VValueY.has_value());
  EXPECT_EQ(axes.NGridY, 4);
}

TEST(SaveNames, ExtensionIsAppendedOnlyToANameWithoutOne) {
  EXPECT_EQ(WithDefaultExtension("/tmp/result", ".csv"), "/tmp/result.csv");
  EXPECT_EQ(WithDefaultExtension("/tmp/result.txt", ".csv"), "/tmp/result.txt");
  EXPECT_EQ(WithDefaultExtension("/tmp/result.dat", ".gif"), "/tmp/result.dat");
  // A name ending in a period has the extension "." and gets nothing.
  EXPECT_EQ(WithDefaultExtension("/tmp/result.", ".csv"), "/tmp/result.");
  // A period in a folder name does not count.
  EXPECT_EQ(WithDefaultExtension("/home/a.b/result", ".gif"), "/home/a.b/result.gif");
  EXPECT_EQ(WithDefaultExtension("result", ".gif"), "result.gif");
}

}  // namespace
}  // namespace tremora

// The enlarged view's walk: the steps of both modes, where each command leads, the legend rows.

#include <gtest/gtest.h>

#include "graph/EnlargedSteps.h"

namespace tremora {
namespace {

TEST(EnlargedSteps, PerComponentWalksTheKindsOfOneChannelPerResponseTheChannels) {
  EXPECT_EQ(EnlargedStepCount(true, 1), 3);
  EXPECT_EQ(EnlargedStepCount(false, 1), 1);
  EXPECT_EQ(EnlargedStepCount(false, 0), 0);
  const EnlargedStep sd = EnlargedStepAt(true, 2, 1, 0);
  EXPECT_EQ(sd.kind, 2);
  EXPECT_EQ(sd.channel, 1);
  const EnlargedStep ud = EnlargedStepAt(false, 2, 0, 1);
  EXPECT_EQ(ud.kind, 1);
  EXPECT_EQ(ud.channel, 2);
}

TEST(EnlargedSteps, CommandsMoveOnStayOrEnd) {
  const struct { unsigned char command; int step; bool ends; int next; } cases[] = {
      {0, 0, false, 1}, {0, 2, true, 2},  {1, 0, false, 0}, {1, 2, false, 1}, {2, 0, true, 0},
      {3, 1, false, 1}, {4, 2, false, 2}, {5, 0, false, 0}, {6, 0, false, 1}, {6, 2, true, 2},
      {7, 1, true, 1},  // no button leaves it: ending is the safe way out
  };
  for (const auto& c : cases) {
    const StepMove move = MoveAfter(c.command, c.step, 3);
    EXPECT_EQ(move.ends, c.ends) << int(c.command) << " on " << c.step;
    if (!c.ends) {
      EXPECT_EQ(move.step, c.next) << int(c.command) << " on " << c.step;
    }
  }
}

TEST(EnlargedSteps, PointsScaleAndMinorDivisions) {
  EXPECT_EQ(EnlargedPointCount(true, false, 70), 70);
  EXPECT_EQ(EnlargedPointCount(true, true, 70), 100);
  EXPECT_EQ(EnlargedPointCount(false, false, 70), 100);
  EXPECT_EQ(EnlargedScaleCount(true, 70), 70);
  EXPECT_EQ(EnlargedScaleCount(false, 70), 100);
  EXPECT_EQ(EnlargedSubX(true, false), 4);
  EXPECT_EQ(EnlargedSubX(true, true), 5);
  EXPECT_EQ(EnlargedSubX(false, false), 5);
}

TEST(EnlargedSteps, SeventhAddedSpectrumIsRedAgainAndLiesBelowThePicture) {
  EXPECT_EQ(OverlayColourIndex(0), 0);
  EXPECT_EQ(OverlayColourIndex(6), 6);
  EXPECT_EQ(OverlayColourIndex(7), 0);
  const LegendRow seventh = OverlayLegendRow(7);
  EXPECT_EQ(seventh.line_y, 420);
  EXPECT_EQ(seventh.text_y, 415);
  EXPECT_EQ(seventh.line_left, 30);
  EXPECT_EQ(seventh.line_right, 95);
  EXPECT_EQ(seventh.text_x, 100);
}

}  // namespace
}  // namespace tremora

#include <gtest/gtest.h>

#include "platform/ScreenFit.h"

namespace tremora {
namespace {

// A 1280 x 720 desktop with a 32-pixel panel at its top, and a second screen to its right.
constexpr ScreenRect kSmall{0, 32, 1280, 688};
constexpr ScreenRect kRightScreen{1280, 0, 1600, 1000};

TEST(FitInside, MovesAWindowTheLeastThatPutsItInsideAndLeavesOneInsideAlone) {
  // The overlay window's place (318, 427) with its 415 x 523 client and a frame: only up.
  EXPECT_EQ(FitInside({318, 427, 423, 557}, kSmall), (ScreenPoint{318, 720 - 557}));
  EXPECT_EQ(FitInside({100, 100, 400, 300}, kSmall), (ScreenPoint{100, 100}));
  // Off the left and top edges; off the right edge only.
  EXPECT_EQ(FitInside({-50, 0, 400, 300}, kSmall), (ScreenPoint{0, 32}));
  EXPECT_EQ(FitInside({1100, 200, 400, 300}, kSmall), (ScreenPoint{880, 200}));
  // Larger than the area: its top-left corner, title bar and first controls, stay in view.
  EXPECT_EQ(FitInside({500, 300, 1500, 900}, kSmall), (ScreenPoint{0, 32}));
  // On a screen whose area does not start at 0.
  EXPECT_EQ(FitInside({1200, -20, 400, 300}, kRightScreen), (ScreenPoint{1280, 0}));
}

TEST(LiesInside, AcceptsOnlyAWholeWindowOnOneScreen) {
  EXPECT_TRUE(LiesInside({0, 32, 1280, 688}, kSmall));
  EXPECT_FALSE(LiesInside({0, 31, 1280, 688}, kSmall));
  EXPECT_FALSE(LiesInside({1, 32, 1280, 688}, kSmall));
  EXPECT_FALSE(LiesInside({10, 40, 0, 10}, kSmall));
  // Across the two screens: on neither.
  EXPECT_FALSE(LiesInsideAny({1200, 100, 200, 100}, {kSmall, kRightScreen}));
  EXPECT_TRUE(LiesInsideAny({1300, 100, 200, 100}, {kSmall, kRightScreen}));
  EXPECT_FALSE(LiesInsideAny({1300, 100, 200, 100}, {}));
}

TEST(PlaceBeside, TakesTheFirstSideWithRoomElseFitsTheFirstSide) {
  const std::vector<Side> right_then_below{Side::Right, Side::Below};
  // The enlarged window (528 x 568 with its frame) centred on 1600 x 1000: right of it.
  const ScreenRect large_centred{536, 216, 528, 568};
  const ScreenRect wide{0, 0, 1600, 1000};
  EXPECT_EQ(PlaceBeside(436, 266, large_centred, wide, right_then_below), (ScreenPoint{1064, 216}));
  // No room on the right: below.
  const ScreenRect large_right{1000, 100, 528, 568};
  EXPECT_EQ(PlaceBeside(436, 266, large_right, wide, right_then_below), (ScreenPoint{1000, 668}));
  // Room on neither side on 1280 x 720: the right-hand place moved into the area.
  const ScreenRect large_small{376, 92, 528, 568};
  EXPECT_EQ(PlaceBeside(436, 266, large_small, kSmall, right_then_below), (ScreenPoint{1280 - 436, 92}));
  // Left as the second choice.
  EXPECT_EQ(PlaceBeside(300, 200, {1100, 100, 150, 300}, kSmall, {Side::Right, Side::Left}),
            (ScreenPoint{800, 100}));
}

}  // namespace
}  // namespace tremora

#include "app/placement.h"

#include <gtest/gtest.h>

namespace tikolvo {
namespace {

// A 1024 x 768 screen with a 30 pixel taskbar at the bottom.
constexpr WorkArea kWork{0, 0, 1024, 738};

WindowBox Place(int x, int y, PlacementOptions options = {}, int w = 241, int h = 343) {
  return PlaceWindow({x, y, w, h}, kWork, options);
}

TEST(Placement, RightEdgeSnapsWithinTwentyPixelsAndNotBeyond) {
  EXPECT_EQ(Place(1024 - 241 - 15, 100).x, 1024 - 241);
  EXPECT_EQ(Place(1024 - 241 - 20, 100).x, 1024 - 241);
  EXPECT_EQ(Place(1024 - 241 - 21, 100).x, 1024 - 241 - 21);
  // Overhanging the edge snaps back too.
  EXPECT_EQ(Place(1024 - 241 + 12, 100).x, 1024 - 241);
}

TEST(Placement, LeftAndTopSnapOnlyFromCloseOutside) {
  EXPECT_EQ(Place(20, 300).x, 0);
  EXPECT_EQ(Place(21, 300).x, 21);
  EXPECT_EQ(Place(-19, 300).x, 0);
  // Twenty or more pixels off the edge is a deliberate position: kept.
  EXPECT_EQ(Place(-20, 300).x, -20);
  EXPECT_EQ(Place(300, -19).y, 0);
  EXPECT_EQ(Place(300, -20).y, -20);
}

TEST(Placement, BottomSnapsToTheWorkAreaNotTheScreen) {
  EXPECT_EQ(Place(300, 738 - 343 - 18).y, 738 - 343);
  EXPECT_EQ(Place(300, 738 - 343 - 21).y, 738 - 343 - 21);
}

TEST(Placement, LeadingEdgesFollowAnOffsetWorkArea) {
  const WorkArea shifted{100, 40, 1024, 768};
  EXPECT_EQ(PlaceWindow({118, 55, 241, 343}, shifted, {}).x, 100);
  EXPECT_EQ(PlaceWindow({118, 55, 241, 343}, shifted, {}).y, 40);
  // Not close to the work area's edge: stays.
  EXPECT_EQ(PlaceWindow({125, 300, 241, 343}, shifted, {}).x, 125);
}

TEST(Placement, OnlyFlaggedEdgesSnap) {
  PlacementOptions options;
  options.edges = {false, true, false, false};
  EXPECT_EQ(Place(10, 10, options).x, 10);
  EXPECT_EQ(Place(10, 10, options).y, 10);
  EXPECT_EQ(Place(1024 - 241 - 15, 10, options).x, 1024 - 241);
  options.edges = {};
  options.edges.right = false;
  EXPECT_EQ(Place(1024 - 241 - 15, 10, options).x, 1024 - 241 - 15);
}

TEST(Placement, NothingHappensWhenNotSticky) {
  PlacementOptions options;
  options.sticky = false;
  options.confine = true;  // confinement needs sticky as well
  EXPECT_EQ(Place(-120, 700, options).x, -120);
  EXPECT_EQ(Place(-120, 700, options).y, 700);
}

TEST(Placement, ConfinementPullsAWindowBackInside) {
  PlacementOptions options;
  options.confine = true;
  options.edges = {false, false, false, false};
  const WindowBox halfOffLeft = Place(-120, 100, options);
  EXPECT_EQ(halfOffLeft.x, 0);
  const WindowBox offBottomRight = Place(900, 600, options);
  EXPECT_EQ(offBottomRight.x, 1024 - 241);
  EXPECT_EQ(offBottomRight.y, 738 - 343);
}

TEST(Placement, WindowLargerThanWorkAreaEndsAlignedRightAndBottom) {
  PlacementOptions options;
  options.confine = true;
  const WindowBox big = Place(50, 50, options, 1100, 800);
  EXPECT_EQ(big.x, 1024 - 1100);
  EXPECT_EQ(big.y, 738 - 800);
}

}  // namespace
}  // namespace tikolvo

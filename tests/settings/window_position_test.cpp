#include "settings/window_position.h"

#include <gtest/gtest.h>

namespace tikolvo {
namespace {

TEST(WindowPositionDefault, TopLeftCornerAtScreenCentre) {
  EXPECT_EQ(DefaultWindowPosition(1024, 768), (WindowPosition{384, 512}));
}

TEST(WindowPositionDefault, OddScreenSizesRoundHalvesToEven) {
  // 767 / 2 = 383.5 -> 384; 769 / 2 = 384.5 -> 384; 1025 / 2 = 512.5 -> 512;
  // 1023 / 2 = 511.5 -> 512.
  EXPECT_EQ(DefaultWindowPosition(1025, 767), (WindowPosition{384, 512}));
  EXPECT_EQ(DefaultWindowPosition(1023, 769), (WindowPosition{384, 512}));
  EXPECT_EQ(HalfRoundedToEven(-3), -2);
  EXPECT_EQ(HalfRoundedToEven(-5), -2);
}

TEST(WindowPositionRepair, TopNearTheBottomEdgeIsPulledUp) {
  EXPECT_EQ(RepairStartPosition({768 - 10, 100}, 1024, 768), (WindowPosition{384 - 160, 100}));
  EXPECT_EQ(RepairStartPosition({768 - 80, 100}, 1024, 768).top, 384 - 160);
  EXPECT_EQ(RepairStartPosition({768 - 81, 100}, 1024, 768).top, 768 - 81);
}

TEST(WindowPositionRepair, LeftNearTheRightEdgeIsPulledIn) {
  EXPECT_EQ(RepairStartPosition({100, 1024 - 20}, 1024, 768), (WindowPosition{100, 512 - 72}));
  EXPECT_EQ(RepairStartPosition({100, 1024 - 21}, 1024, 768).left, 1024 - 21);
}

TEST(WindowPositionRepair, BottomRightCornerGoesNearTheCentreWithEvenRounding) {
  EXPECT_EQ(RepairStartPosition({5000, 5000}, 1025, 767), (WindowPosition{384 - 160, 512 - 72}));
}

TEST(WindowPositionRepair, SpotsOffTheTopOrLeftAreKept) {
  EXPECT_EQ(RepairStartPosition({-500, -900}, 1024, 768), (WindowPosition{-500, -900}));
}

}  // namespace
}  // namespace tikolvo

#include "app/auto_hide.h"

#include <gtest/gtest.h>

namespace tikolvo {
namespace {

constexpr ScreenRect kClock{100, 200, 241, 343};

TEST(AutoHide, CursorOnTheBorderCountsAsOutside) {
  EXPECT_TRUE(StrictlyInside(kClock, 101, 201));
  EXPECT_TRUE(StrictlyInside(kClock, 340, 542));
  EXPECT_FALSE(StrictlyInside(kClock, 100, 300));
  EXPECT_FALSE(StrictlyInside(kClock, 200, 200));
  EXPECT_FALSE(StrictlyInside(kClock, 341, 300));
  EXPECT_FALSE(StrictlyInside(kClock, 200, 543));
}

TEST(AutoHide, ShiftKeepsTheClockVisibleOnEnter) {
  EXPECT_TRUE(HideOnMouseEnter(true, false));
  EXPECT_FALSE(HideOnMouseEnter(true, true));
  EXPECT_FALSE(HideOnMouseEnter(false, false));
}

TEST(AutoHide, PollShowsTheClockWhenTheCursorLeftOrTheOptionWasTurnedOff) {
  EXPECT_EQ(PollAutoHide(true, kClock, 200, 300), AutoHidePoll::StayHiddenAndPollAgain);
  EXPECT_EQ(PollAutoHide(true, kClock, 50, 300), AutoHidePoll::ShowAndStop);
  EXPECT_EQ(PollAutoHide(true, kClock, 100, 300), AutoHidePoll::ShowAndStop);
  EXPECT_EQ(PollAutoHide(false, kClock, 200, 300), AutoHidePoll::ShowAndStop);
}

TEST(WindowDrag, RightButtonNeverDragsAndPinningNeedsShift) {
  EXPECT_TRUE(StartsWindowDrag(MouseButton::Left, false, false));
  EXPECT_TRUE(StartsWindowDrag(MouseButton::Middle, false, false));
  EXPECT_FALSE(StartsWindowDrag(MouseButton::Right, false, false));
  EXPECT_FALSE(StartsWindowDrag(MouseButton::Right, true, true));
  EXPECT_FALSE(StartsWindowDrag(MouseButton::Left, true, false));
  EXPECT_TRUE(StartsWindowDrag(MouseButton::Left, true, true));
}

}  // namespace
}  // namespace tikolvo

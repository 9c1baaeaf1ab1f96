#include "reminders/round_knob.h"

#include <gtest/gtest.h>

#include <string>

namespace tikolvo {
namespace {

// The knobs of the desktop placement page: a full clockwise turn from the
// bottom back to the bottom over 0..127.
struct PageKnob {
  RoundKnob knob;
  std::string events;

  PageKnob() {
    knob.SetAngles(270, -90);
    knob.radius = 13;
    knob.radiusPoint = 2;
    knob.centerX = knob.centerY = 20;
    knob.useChangeUpDown = true;
    knob.SquareSide(41, 41);
    knob.onChange = [this] { events += 'c'; };
    knob.onChangeUp = [this] { events += '+'; };
    knob.onChangeDown = [this] { events += '-'; };
  }
};

TEST(RoundKnob, DotStandsAtTheBottomForZeroAndNearTheTopHalfWay) {
  PageKnob page;
  EXPECT_EQ(page.knob.DotCentre(), (PixelPoint{20, 33}));
  page.knob.SetPosition(64);
  const PixelPoint top = page.knob.DotCentre();
  EXPECT_NEAR(top.x, 20, 1);
  EXPECT_EQ(top.y, 7);
}

TEST(RoundKnob, TurningTheMouseClockwiseRaisesThePosition) {
  PageKnob page;
  ASSERT_TRUE(page.knob.MouseDown(20, 38));  // bottom
  EXPECT_EQ(page.knob.Position(), 0);
  int last = 0;
  // Left, top, right, and on to just short of the bottom again.
  for (const PixelPoint p : {PixelPoint{2, 30}, {2, 20}, {8, 4}, {20, 2}, {34, 6}, {38, 20}, {36, 32}, {24, 38}}) {
    page.knob.MouseMove(p.x, p.y);
    EXPECT_GT(page.knob.Position(), last) << p.x << "," << p.y;
    last = page.knob.Position();
  }
  EXPECT_GE(last, 120);
  page.knob.MouseUp();
  EXPECT_FALSE(page.knob.Dragging());
  // A move without the button only shows the value under the mouse.
  page.knob.MouseMove(2, 20);
  EXPECT_EQ(page.knob.Position(), last);
}

TEST(RoundKnob, EveryUpdateRaisesChangeAndThenUpOrDown) {
  PageKnob page;
  page.knob.SetPosition(35);
  page.knob.SetPosition(35);  // the same value: still a change, and "down"
  page.knob.Key(KnobKey::End);
  page.knob.Key(KnobKey::End);
  page.knob.Key(KnobKey::PageUp);  // clamped at Max
  page.knob.Key(KnobKey::Home);
  page.knob.Key(KnobKey::Home);
  EXPECT_EQ(page.events, "c+c-c+c-c-c-c-");
  EXPECT_EQ(page.knob.Position(), 0);
  page.knob.useChangeUpDown = false;
  page.knob.Key(KnobKey::Right);
  EXPECT_EQ(page.events, "c+c-c+c-c-c-c-c");
}

TEST(RoundKnob, EmptyRangeMapsEveryAngleToMin) {
  PageKnob page;
  page.knob.SetRange(5, 5);
  EXPECT_EQ(page.knob.Position(), 5);
  EXPECT_EQ(page.knob.Step(), 0);
  for (const double angle : {-90.0, 0.0, 90.0, 270.0}) EXPECT_EQ(page.knob.ValueAt(angle), 5);
  EXPECT_EQ(page.knob.DotAngle(), 270);
  page.knob.Key(KnobKey::PageUp);
  EXPECT_EQ(page.knob.Position(), 5);
}

TEST(RoundKnob, OnlyAPressInsideTheInscribedCircleDrags) {
  PageKnob page;
  EXPECT_FALSE(page.knob.MouseDown(1, 1));  // the square's corner
  EXPECT_FALSE(page.knob.MouseDown(39, 38));
  EXPECT_FALSE(page.knob.Dragging());
  EXPECT_EQ(page.events, "");
  EXPECT_TRUE(page.knob.MouseDown(20, 1));
  EXPECT_TRUE(page.knob.Dragging());
  page.knob.FocusLost();
  EXPECT_FALSE(page.knob.Dragging());
}

TEST(RoundKnob, SpringLoadedFallsBackToZeroOnRelease) {
  PageKnob page;
  page.knob.springLoaded = true;
  ASSERT_TRUE(page.knob.MouseDown(38, 20));
  EXPECT_GT(page.knob.Position(), 90);
  page.knob.MouseUp();
  EXPECT_EQ(page.knob.Position(), 0);
}

TEST(RoundKnob, StaysSquareGrowingToTheLargerSideAndShrinkingToTheSmaller) {
  RoundKnob knob;
  EXPECT_EQ(knob.SquareSide(50, 30), 50);
  EXPECT_EQ(knob.SquareSide(45, 60), 60);
  EXPECT_EQ(knob.SquareSide(45, 60), 45);
  EXPECT_EQ(knob.SquareSide(45, 45), 45);
}

}  // namespace
}  // namespace tikolvo

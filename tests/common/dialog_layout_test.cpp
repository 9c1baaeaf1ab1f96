#include "common/dialog_layout.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tikolvo::dialog {
namespace {

// A text of `length` pixels on one line, wrapped at any width into lines of
// at most that width, 13 pixels each.
TextMeasure FakeText(int length) {
  return [length](int maxWidth) {
    if (length <= maxWidth) return Extent{length, 13};
    const int lines = (length + maxWidth - 1) / maxWidth;
    return Extent{maxWidth, lines * 13};
  };
}

const Extent kScreen{1024, 738};
const FrameMetrics kMetrics;
const int kFrameWidth = kMetrics.leftBand + 2 * kMetrics.margin;

TEST(DialogLayout, ShortTextGetsTheMinimumWidthAndStandsLevelWithTheIcon) {
  const MessageLayout l = LayoutMessage(kMetrics, FakeText(50), 60, {20}, kScreen);
  EXPECT_EQ(l.window.width, kFrameWidth + kMetrics.minTextWidth);
  EXPECT_EQ(l.window.height, kMetrics.topBand + kMetrics.bottomBand + 2 * kMetrics.margin + kMetrics.icon);
  EXPECT_NEAR(l.text.top + l.text.bottom, l.icon.top + l.icon.bottom, 1);
  EXPECT_EQ(l.text.left, 72);
}

TEST(DialogLayout, LongTextWrapsAtTheMaximumWidthAndTheWindowGrows) {
  const MessageLayout l = LayoutMessage(kMetrics, FakeText(3000), 60, {20}, kScreen);
  EXPECT_EQ(l.window.width, kFrameWidth + kMetrics.maxTextWidth);
  const int lines = (3000 + WrapWidth(kMetrics.maxTextWidth) - 1) / WrapWidth(kMetrics.maxTextWidth);
  EXPECT_EQ(l.text.Height(), lines * 13);
  EXPECT_EQ(l.window.height, kMetrics.topBand + kMetrics.bottomBand + 2 * kMetrics.margin + lines * 13);
  EXPECT_LE(l.text.bottom, l.window.height - kMetrics.bottomBand);
}

TEST(DialogLayout, TextTallerThanTheWorkAreaIsCutAndTheWindowStaysInside) {
  const Extent small{640, 300};
  const MessageLayout l = LayoutMessage(kMetrics, FakeText(100000), 60, {20}, small);
  EXPECT_LE(l.window.height, small.height);
  EXPECT_LE(l.window.width, small.width);
  EXPECT_LE(l.text.bottom, l.window.height - kMetrics.bottomBand);
}

TEST(DialogLayout, NarrowWorkAreaNarrowsTheText) {
  const Extent narrow{300, 700};
  const MessageLayout l = LayoutMessage(kMetrics, FakeText(2000), 60, {20}, narrow);
  EXPECT_EQ(l.window.width, 300);
  EXPECT_LE(l.text.right, 300 - kMetrics.margin);
}

TEST(DialogLayout, CaptionAndButtonsWidenTheWindow) {
  const MessageLayout wideCaption = LayoutMessage(kMetrics, FakeText(50), 500, {20}, kScreen);
  EXPECT_GE(wideCaption.caption.Width(), WithDrawingRoom(500));

  const MessageLayout wideButtons = LayoutMessage(kMetrics, FakeText(50), 60, {200, 200}, kScreen);
  EXPECT_GE(wideButtons.buttons.front().left, kMetrics.leftBand + kMetrics.margin);
}

TEST(DialogLayout, ButtonsAreRightAlignedInTheBottomBandInTheirOrder) {
  const MessageLayout l = LayoutMessage(kMetrics, FakeText(50), 60, {30, 40}, kScreen);
  ASSERT_EQ(l.buttons.size(), 2u);
  EXPECT_EQ(l.buttons[1].right, l.window.width - kMetrics.margin);
  EXPECT_EQ(l.buttons[0].right + kMetrics.buttonGap, l.buttons[1].left);
  EXPECT_EQ(l.buttons[0].Width(), kMetrics.buttonMinWidth);
  const int bandTop = l.window.height - kMetrics.bottomBand;
  EXPECT_LE(std::abs((l.buttons[0].top - bandTop) - (l.window.height - l.buttons[0].bottom)), 1);
  // A long button text makes its button wider than the rest.
  const MessageLayout wide = LayoutMessage(kMetrics, FakeText(50), 60, {150, 40}, kScreen);
  EXPECT_GE(wide.buttons[0].Width(), WithDrawingRoom(150) + 2 * kMetrics.buttonPadding);
}

TEST(DialogLayout, WrapWidthLeavesRoomForTextDrawnWiderThanMeasured) {
  for (int box : {12, 50, 240, 469, 480, 1000}) {
    const int wrap = WrapWidth(box);
    EXPECT_LE(WithDrawingRoom(wrap), box) << box;
    EXPECT_GT(WithDrawingRoom(wrap + 1), box) << box;
    EXPECT_GE(WithDrawingRoom(wrap) - wrap, wrap * 3 / 100) << box;
  }
}

TEST(DialogLayout, InputFieldsKeepTheirPlaces) {
  const InputLayout one = LayoutInput(kMetrics, 1, 100, {100}, {40, 40}, kScreen, 96);
  ASSERT_EQ(one.edits.size(), 1u);
  EXPECT_EQ(one.labels[0].left, 72);
  EXPECT_EQ(one.labels[0].top, 48);
  EXPECT_EQ(one.edits[0].top, 72);
  EXPECT_EQ(one.window.height, 143);

  const InputLayout two = LayoutInput(kMetrics, 2, 100, {100, 100}, {40, 40}, kScreen, 96);
  ASSERT_EQ(two.edits.size(), 2u);
  EXPECT_EQ(two.labels[0].top, 32);
  EXPECT_EQ(two.edits[0].top, 48);
  EXPECT_EQ(two.labels[1].top, 80);
  EXPECT_EQ(two.edits[1].top, 96);

  const InputLayout three = LayoutInput(kMetrics, 3, 100, {100, 100, 100}, {40, 40}, kScreen, 96);
  ASSERT_EQ(three.edits.size(), 3u);
  EXPECT_GE(three.window.height, 189);

  EXPECT_EQ(LayoutInput(kMetrics, 0, 100, {}, {40, 40}, kScreen, 96).edits.size(), 1u);
  EXPECT_EQ(LayoutInput(kMetrics, 7, 100, {}, {40, 40}, kScreen, 96).edits.size(), 3u);
}

TEST(DialogLayout, InputButtonsNeverCoverAnEdit) {
  for (int fields = 1; fields <= 3; ++fields) {
    const InputLayout l = LayoutInput(kMetrics, fields, 100, {}, {40, 40}, kScreen, 96);
    const int bandTop = l.window.height - kMetrics.bottomBand;
    EXPECT_LE(l.edits.back().bottom, bandTop) << fields;
    for (const Box& b : l.buttons) EXPECT_GE(b.top, bandTop) << fields;
  }
}

TEST(DialogLayout, InputWindowWidensForLongLabelsAndScalesWithDpi) {
  const InputLayout wide = LayoutInput(kMetrics, 1, 100, {400}, {40, 40}, kScreen, 96);
  EXPECT_GE(wide.edits[0].right - wide.edits[0].left, WithDrawingRoom(400));
  EXPECT_EQ(wide.edits[0].right, wide.window.width - kMetrics.margin);

  const InputLayout big = LayoutInput(ScaledMetrics(144), 1, 100, {100}, {40, 40}, {2000, 1400}, 144);
  EXPECT_EQ(big.labels[0].left, 108);
  EXPECT_EQ(big.edits[0].top, 108);
  EXPECT_GE(big.window.height, 214);
}

TEST(DialogPlacement, ClampMovesTheLeastToStayInside) {
  const Box area{0, 0, 1024, 738};
  EXPECT_EQ(ClampIntoArea({-50, -20, 250, 80}, area), (Box{0, 0, 300, 100}));
  EXPECT_EQ(ClampIntoArea({900, 700, 1200, 800}, area), (Box{724, 638, 1024, 738}));
  EXPECT_EQ(ClampIntoArea({10, 10, 310, 110}, area), (Box{10, 10, 310, 110}));
  // Larger than the area: the left and top edges stay on it.
  EXPECT_EQ(ClampIntoArea({300, 300, 1500, 400}, area), (Box{0, 300, 1200, 400}));
  // A work area that does not start at zero (taskbar at the top or left).
  EXPECT_EQ(ClampIntoArea({0, 0, 100, 100}, Box{30, 40, 1024, 768}), (Box{30, 40, 130, 140}));
}

TEST(DialogPlacement, CentredInTheWorkArea) {
  EXPECT_EQ(CentreIn({300, 100}, Box{0, 30, 1024, 768}), (Box{362, 349, 662, 449}));
}

TEST(DialogPlacement, DropShadowFromNtFiveOneOn) {
  EXPECT_FALSE(DropShadowSupported(false, 4, 90));  // the 9x family
  EXPECT_FALSE(DropShadowSupported(true, 4, 0));
  EXPECT_FALSE(DropShadowSupported(true, 5, 0));  // 2000
  EXPECT_TRUE(DropShadowSupported(true, 5, 1));   // XP
  EXPECT_TRUE(DropShadowSupported(true, 6, 0));   // Vista
  EXPECT_TRUE(DropShadowSupported(true, 10, 0));
}

}  // namespace
}  // namespace tikolvo::dialog

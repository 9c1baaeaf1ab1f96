#include "app/hint_layout.h"

#include <gtest/gtest.h>

namespace tikolvo {
namespace {

constexpr HintSize kIcon{32, 32};

bool Inside(HintSpot spot, HintSize size, HintSize window) {
  return spot.x >= 0 && spot.y >= 0 && spot.x + size.width <= window.width &&
         spot.y + size.height <= window.height;
}

TEST(HintLayout, WindowSizesOfEveryLayout) {
  const HintSize text{100, 14};
  struct Case {
    int layout, width, height;
  } cases[] = {
      {0, 32 + 100 + 7, 32}, {1, 32 + 100 + 7, 32},  {2, 100 + 32 + 5, 32 + 14 + 6},
      {3, 100 + 32 + 5, 32 + 14 + 6}, {4, 100 + 5, 14 + 2}, {5, 2 * 32 + 100 + 9, 32},
  };
  for (const Case& c : cases) {
    const HintLayout l = LayOutHint(c.layout, kIcon, text);
    EXPECT_EQ(l.window.width, c.width) << "layout " << c.layout;
    EXPECT_EQ(l.window.height, c.height) << "layout " << c.layout;
  }
}

TEST(HintLayout, TallTextSetsTheHeightBesideTheIcon) {
  EXPECT_EQ(LayOutHint(0, kIcon, {80, 45}).window.height, 45);
  EXPECT_EQ(LayOutHint(5, kIcon, {80, 45}).window.height, 45);
}

TEST(HintLayout, UnknownLayoutShowsTextOnly) {
  const HintLayout l = LayOutHint(9, kIcon, {60, 14});
  EXPECT_FALSE(l.showIcon);
  EXPECT_EQ(l.window.width, 65);
}

TEST(HintLayout, IconsAndTextFitInsideWithoutOverlapping) {
  const HintSize text{120, 28};
  for (int layout = 0; layout <= 5; ++layout) {
    const HintLayout l = LayOutHint(layout, kIcon, text);
    EXPECT_TRUE(Inside(l.text, text, l.window)) << "layout " << layout;
    if (!l.showIcon) continue;
    EXPECT_TRUE(Inside(l.icon, kIcon, l.window)) << "layout " << layout;
    const bool iconLeftOfText = l.icon.x + kIcon.width <= l.text.x;
    const bool iconAboveText = l.icon.y + kIcon.height <= l.text.y;
    EXPECT_TRUE(iconLeftOfText || iconAboveText) << "layout " << layout;
    if (l.secondIcon) {
      EXPECT_TRUE(Inside(l.iconRight, kIcon, l.window));
      EXPECT_GE(l.iconRight.x, l.text.x + text.width);
    }
  }
}

}  // namespace
}  // namespace tikolvo

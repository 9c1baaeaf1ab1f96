#include "app/menu_look.h"

#include <gtest/gtest.h>

namespace tikolvo {
namespace {

TEST(MenuGradient, RunsFromTheFirstColourToTheLastWithoutOvershoot) {
  const MenuRgb from{255, 255, 255}, to{10, 100, 200};
  EXPECT_EQ(BlendMenuColour(from, to, 0, 22), from);
  EXPECT_EQ(BlendMenuColour(from, to, 21, 22), to);
  EXPECT_EQ(BlendMenuColour(from, to, 40, 22), to);
  EXPECT_EQ(BlendMenuColour(from, to, -3, 22), from);
  EXPECT_EQ(BlendMenuColour(from, to, 5, 1), from);  // a one-band gradient is flat
  int previous = 256;
  for (int step = 0; step < 22; ++step) {
    const MenuRgb c = BlendMenuColour(from, to, step, 22);
    EXPECT_LE(c.r, previous);
    EXPECT_GE(c.b, to.b);
    previous = c.r;
  }
}

TEST(MenuGradient, ShadesMoveTowardsWhiteOrBlackAndClamp) {
  const MenuRgb grey{100, 100, 100};
  EXPECT_EQ(ShadeMenuColour(grey, 0), grey);
  EXPECT_EQ(ShadeMenuColour(grey, 255), (MenuRgb{255, 255, 255}));
  EXPECT_EQ(ShadeMenuColour(grey, -1000), (MenuRgb{0, 0, 0}));
  EXPECT_GT(ShadeMenuColour(grey, 40).r, 100);
  EXPECT_LT(ShadeMenuColour(grey, -40).r, 100);
}

TEST(MenuItemSize, CaptionsFitAndSeparatorsStayThin) {
  EXPECT_EQ(MenuItemHeight(13, true), kMenuSeparatorHeight);
  EXPECT_EQ(MenuItemHeight(8, false), kMenuMinItemHeight);
  EXPECT_GE(MenuItemHeight(30, false), 30 + 4);
  EXPECT_GT(MenuItemWidth(100), 100 + kMenuStripeWidth);
}

}  // namespace
}  // namespace tikolvo

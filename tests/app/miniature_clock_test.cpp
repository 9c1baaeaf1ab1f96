#include "app/miniature_clock.h"

#include <gtest/gtest.h>

namespace tikolvo {
namespace {

TEST(FaceMiniature, DrawsOverTheBannersHandRectangle) {
  MiniatureClock mini;
  EXPECT_TRUE(mini.Draw(EncodeTime(3, 0, 0)).Empty());  // no banner yet: nothing
  Bitmap24 banner(545, 54);
  banner.Fill(0xFFFFFF);
  banner.SetPixel(150, 13, 0x00FF00);  // the rectangle's corner marks where it is cut
  mini.SetBanner(banner);
  ASSERT_TRUE(mini.Ready());
  // 03:00:30: hour hand to the right, second hand straight down.
  const Bitmap24& out = mini.Draw(EncodeTime(3, 0, 30));
  ASSERT_EQ(out.Width(), 33);
  ASSERT_EQ(out.Height(), 32);
  EXPECT_EQ(out.Pixel(0, 0), 0x00FF00u);
  const Point c{16, 16};
  // Dark to the right of the centre (hour), red-dominated below (second).
  EXPECT_LT(RedOf(out.Pixel(c.x + 3, c.y)), 128);
  const Colour below = out.Pixel(c.x, c.y + 7);
  EXPECT_GT(RedOf(below), GreenOf(below));
  // Nothing to the left: no tails on the miniature.
  EXPECT_EQ(out.Pixel(c.x - 5, c.y), 0xFFFFFFu);
}

}  // namespace
}  // namespace tikolvo

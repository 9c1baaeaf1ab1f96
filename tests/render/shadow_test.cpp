#include "render/shadow.h"

#include <gtest/gtest.h>

namespace tikolvo {
namespace {

TEST(Shadow, SimpleDarkeningTakesElevenPercentRoundedHalfToEven) {
  const DarkenTable table(kSimpleShadowFraction);
  EXPECT_EQ(table[0], 0);
  EXPECT_EQ(table[100], 89);
  EXPECT_EQ(table[255], 227);  // 28.05 -> 28
  EXPECT_EQ(table[50], 44);    // 5.5 -> 6
  EXPECT_EQ(table[150], 134);  // 16.5 -> 16
}

TEST(Shadow, PercentIsClampedToNothingOrBlack) {
  EXPECT_EQ(ShadowFraction(150), 1.0);
  EXPECT_EQ(ShadowFraction(-20), 0.0);
  EXPECT_EQ(ShadowFraction(40), 0.4);
  const DarkenTable full(ShadowFraction(150)), none(ShadowFraction(-20));
  for (int c = 0; c < 256; ++c) {
    EXPECT_EQ(full[static_cast<std::uint8_t>(c)], 0);
    EXPECT_EQ(none[static_cast<std::uint8_t>(c)], c);
  }
}

TEST(Shadow, ClearingForgetsEveryShapeOfThePreviousPicture) {
  ShadowMask mask;
  mask.Resize(10, 8);
  DrawLine(mask, {0, 0}, {39, 31}, 7, 0);
  DrawEllipse(mask, 20, 2, 36, 12, 0, 0);
  mask.Clear();
  for (int y = 0; y < mask.Height(); ++y) {
    for (int x = 0; x < mask.Width(); ++x) ASSERT_FALSE(mask.Covered(x, y));
  }
  for (int row = 0; row < 8; ++row) EXPECT_TRUE(mask.Touched(row).Empty());
}

}  // namespace
}  // namespace tikolvo

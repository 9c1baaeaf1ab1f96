#include "render/shadow.h"

#include <gtest/gtest.h>

#include "render/supersample.h"

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

bool AnythingCovered(const ShadowMask& mask) {
  for (int y = 0; y < mask.Height(); ++y) {
    for (int x = 0; x < mask.Width(); ++x) {
      if (mask.Covered(x, y)) return true;
    }
  }
  return false;
}

TEST(Shadow, ClearingForgetsEveryShapeEvenAfterManyPictures) {
  ShadowMask mask;
  mask.Resize(10, 8);
  // Enough pictures for the mask's picture counter to wrap around.
  for (int picture = 0; picture < 600; ++picture) {
    mask.Clear();
    ASSERT_FALSE(AnythingCovered(mask)) << picture;
    DrawLine(mask, {0, picture % 32}, {39, 31}, 7, 0);
    DrawEllipse(mask, 20, 2, 36, 12, 0, 0);
    ASSERT_TRUE(mask.Covered(28, 7));
  }
}

TEST(Shadow, OverlappingShapesDarkenASampleOnlyOnce) {
  Bitmap24 grey(2, 2);
  grey.Fill(0x808080);
  SupersampledCanvas canvas;
  ShadowMask mask;
  canvas.Resize(2, 2);
  mask.Resize(2, 2);
  canvas.Begin(grey);
  mask.Clear();
  const DarkenTable half(0.5);
  ShadowPainter shadows(canvas, mask, half);
  for (int k = 0; k < 3; ++k) DrawEllipse(shadows, -20, -20, 30, 30, 0, 0);
  Bitmap24 output(2, 2);
  canvas.ReduceInto(output);
  EXPECT_EQ(output.Pixel(1, 1), 0x404040u);
}

}  // namespace
}  // namespace tikolvo

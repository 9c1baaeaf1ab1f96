#include "skin/picture_strip.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace tikolvo {
namespace {

Picture Filled(int width, int height, std::uint32_t pixel) {
  Picture p;
  p.width = width;
  p.height = height;
  p.pixels.assign(static_cast<std::size_t>(width) * height, pixel);
  return p;
}

void Set(Picture& p, int x, int y, std::uint32_t pixel) { p.pixels[static_cast<std::size_t>(y) * p.width + x] = pixel; }

// A strip of three 2 x 2 cells whose pixels tell cell, column and row.
Picture NumberedStrip() {
  Picture strip = Filled(7, 2, 0);  // the seventh column is a partial cell
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 7; ++x) Set(strip, x, y, 0xFF000000u | (x / 2) << 16 | (x % 2) << 8 | y);
  return strip;
}

TEST(PictureStrip, CutsTheCellOfAnIndexAndNothingOutsideTheStrip) {
  const Picture strip = NumberedStrip();
  const Picture second = CutStripPicture(strip, 1, 2);
  ASSERT_EQ(second.width, 2);
  ASSERT_EQ(second.height, 2);
  EXPECT_EQ(second.At(0, 0), 0xFF010000u);
  EXPECT_EQ(second.At(1, 1), 0xFF010101u);

  EXPECT_TRUE(CutStripPicture(strip, 3, 2).empty());  // only a partial cell there
  EXPECT_TRUE(CutStripPicture(strip, -1, 2).empty());
  EXPECT_TRUE(CutStripPicture(strip, 0, 0).empty());
  EXPECT_TRUE(CutStripPicture(Picture{}, 0, 16).empty());
}

TEST(PictureStrip, MaskIsWhiteWhereLessThanHalfCovered) {
  Picture p = Filled(3, 1, 0x00123456);
  Set(p, 1, 0, 0x7F123456);
  Set(p, 2, 0, 0x80123456);
  const Picture mask = MaskFromAlpha(p);
  EXPECT_EQ(mask.At(0, 0), 0xFFFFFFu);
  EXPECT_EQ(mask.At(1, 0), 0xFFFFFFu);
  EXPECT_EQ(mask.At(2, 0), 0u);
}

TEST(PictureStrip, APictureWithoutAlphaTakesItFromItsMask) {
  Picture opaque = Filled(2, 1, 0x00AABBCC);
  Picture mask = Filled(2, 1, 0xFFFFFF);
  Set(mask, 1, 0, 0x000000);
  EXPECT_FALSE(HasAlpha(opaque));
  TakeAlphaFromMask(opaque, mask);
  EXPECT_EQ(opaque.At(0, 0), 0x00AABBCCu);
  EXPECT_EQ(opaque.At(1, 0), 0xFFAABBCCu);

  // Alpha the picture has already wins over the mask; a mask of another
  // size is no mask for it.
  Picture soft = Filled(2, 1, 0x40AABBCC);
  TakeAlphaFromMask(soft, mask);
  EXPECT_EQ(soft.At(1, 0), 0x40AABBCCu);
  Picture other = Filled(2, 1, 0x00AABBCC);
  TakeAlphaFromMask(other, Filled(1, 1, 0));
  EXPECT_FALSE(HasAlpha(other));
}

TEST(PictureStrip, PremultipliesEachChannelByAlphaRounded) {
  Picture p = Filled(3, 1, 0xFFFF8000);
  Set(p, 1, 0, 0x80FF8001);
  Set(p, 2, 0, 0x00FFFFFF);
  const std::vector<std::uint32_t> out = Premultiplied(p);
  EXPECT_EQ(out[0], 0xFFFF8000u);
  EXPECT_EQ(out[1], 0x80804001u);
  EXPECT_EQ(out[2], 0u);
}

TEST(PictureStrip, SoftShadowFallsToTheLowerRightAndLeavesOpaquePixelsAlone) {
  Picture square = Filled(4, 4, 0xFF336699);
  Set(square, 0, 0, 0x00000000);
  const ShadowLook look{2, 1, 200};
  const Picture out = WithSoftShadow(square, 4, look);
  ASSERT_EQ(out.width, 12);
  ASSERT_EQ(out.height, 12);
  EXPECT_EQ(out.At(5, 5), 0xFF336699u);  // opaque picture pixels show as they are
  auto alpha = [&](int x, int y) { return out.At(x, y) >> 24; };
  // Beyond the lower right corner the shadow shows; as far beyond the upper
  // left there is nothing.
  EXPECT_GT(alpha(9, 9), 0u);
  EXPECT_EQ(alpha(2, 2), 0u);
  EXPECT_EQ(out.At(9, 9) & 0xFFFFFF, 0u);  // the shadow is black
  // The picture's see-through corner stays see-through.
  EXPECT_LT(alpha(4, 4), 255u);

  EXPECT_TRUE(WithSoftShadow(Picture{}, 2, look).empty());
  const Picture noShadow = WithSoftShadow(square, 4, ShadowLook{2, 1, 0});
  EXPECT_EQ(noShadow.At(9, 9), 0u);
}

TEST(PictureStrip, BalloonShadeDarkensByThePicturesBrightnessOnlyUnderItsPixels) {
  // A 2 x 2 picture drawn 3 x 3: the middle row and column take the pixel
  // under their centres, the lower right one.
  Picture picture = Filled(2, 2, 0);  // transparent
  Set(picture, 1, 1, 0xFFFF0000u);     // opaque red
  const Picture shade = ScaledPicture(picture, 3, 3);
  EXPECT_EQ(shade.At(1, 1), 0xFFFF0000u);
  EXPECT_EQ(shade.At(0, 0), 0u);

  std::vector<std::uint32_t> under(9, 0xAAC8C8C8u);
  ShadeUnder(shade, under);
  // Red's brightness is 29 x 255 div 256 = 28; 200 x (28 div 3 + 170) div 256 = 139.
  EXPECT_EQ(under[4], 0xAA8B8B8Bu);
  EXPECT_EQ(under[0], 0xAAC8C8C8u);
}

}  // namespace
}  // namespace tikolvo

#include "reminders/wallpaper_geometry.h"

#include <gtest/gtest.h>

namespace tikolvo {
namespace {

TEST(MarkerToPicture, EdgesScaleAndExactTiesGoToEven) {
  // 900 / 232 × 29 is exactly 112.5 and × 87 exactly 337.5: one tie rounds
  // down, the other up, both to the even neighbour.
  const PixelRect rect = MarkerToPicture({24, 29, 57, 58}, 310, 232, 1600, 900);
  EXPECT_EQ(rect, (PixelRect{124, 112, 418, 338}));
  // A marker pulled past the preview's left edge stays left of the picture.
  EXPECT_EQ(MarkerToPicture({-3, 0, 10, 10}, 310, 232, 620, 464), (PixelRect{-6, 0, 14, 20}));
  EXPECT_EQ(MarkerToPicture({1, 1, 5, 5}, 0, 232, 1600, 900), PixelRect{});
}

Picture Marked(std::uint32_t red, std::uint32_t blue, std::uint32_t green, int row = 3) {
  Picture picture;
  picture.width = 8;
  picture.height = 4;
  picture.pixels.assign(32, 0x123456);
  picture.pixels[row * 8 + 5] = ColourToPixel(red);
  picture.pixels[row * 8 + 6] = ColourToPixel(blue);
  picture.pixels[row * 8 + 7] = ColourToPixel(green);
  return picture;
}

TEST(CompositionMarker, ExactlyTheThreePixelsAtTheEndOfTheBottomRow) {
  EXPECT_TRUE(CarriesCompositionMarker(Marked(kComposedMarkRed, kComposedMarkBlue, kComposedMarkGreen)));
  // A near miss of one level, the colours in the wrong order, the marker one
  // row higher.
  EXPECT_FALSE(CarriesCompositionMarker(Marked(kComposedMarkRed, kComposedMarkBlue, 0x008001)));
  EXPECT_FALSE(CarriesCompositionMarker(Marked(kComposedMarkBlue, kComposedMarkRed, kComposedMarkGreen)));
  EXPECT_FALSE(CarriesCompositionMarker(Marked(kComposedMarkRed, kComposedMarkBlue, kComposedMarkGreen, 2)));
  Picture narrow;
  narrow.width = 2;
  narrow.height = 1;
  narrow.pixels = {ColourToPixel(kComposedMarkBlue), ColourToPixel(kComposedMarkGreen)};
  EXPECT_FALSE(CarriesCompositionMarker(narrow));
}

TEST(JpegScaleFor, LargestScaleThatFitsTheLimits) {
  // A 24-megapixel camera photo on a full-HD screen: half size, 3000 × 2000.
  EXPECT_EQ(JpegScaleFor(6000, 4000, 1920, 1080), 2);
  EXPECT_EQ(JpegScaleFor(4000, 3000, 1920, 1080), 1);
  EXPECT_EQ(JpegScaleFor(12000, 9000, 1920, 1080), 4);
  // 1/8 of a 140 000 pixel wide panorama is still wider than any picture.
  EXPECT_EQ(JpegScaleFor(140000, 100, 1920, 1080), 0);
  EXPECT_EQ(JpegScaledSide(6001, 2), 3001);
}

}  // namespace
}  // namespace tikolvo

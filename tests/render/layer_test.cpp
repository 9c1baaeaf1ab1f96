#include "render/layer.h"

#include <gtest/gtest.h>

namespace tikolvo {
namespace {

TEST(Layer, PremultiplyTakesAlphaFromMaskBrightness) {
  Bitmap24 face(3, 1), mask(3, 1);
  face.SetPixel(0, 0, MakeColour(200, 100, 51));
  mask.SetPixel(0, 0, MakeColour(255, 255, 0));  // 510 / 3 = 170
  face.SetPixel(1, 0, MakeColour(255, 255, 255));
  mask.SetPixel(1, 0, MakeColour(1, 1, 0));  // 2 / 3 rounds up to 1
  face.SetPixel(2, 0, MakeColour(9, 9, 9));
  mask.SetPixel(2, 0, MakeColour(255, 255, 255));
  const Bitmap32 layer = Premultiply(face, mask);
  EXPECT_EQ(layer.Alpha(0, 0), 170);
  // 170 * 200 / 255 = 133.3, 170 * 100 / 255 = 66.7, 170 * 51 / 255 = 34.
  EXPECT_EQ(layer.Pixel(0, 0), MakeColour(133, 67, 34));
  EXPECT_EQ(layer.Alpha(1, 0), 1);
  EXPECT_EQ(layer.Pixel(1, 0), MakeColour(1, 1, 1));
  EXPECT_EQ(layer.Alpha(2, 0), 255);
  EXPECT_EQ(layer.Pixel(2, 0), MakeColour(9, 9, 9));
}

TEST(Layer, PremultiplyTreatsMissingMaskAsTransparent) {
  Bitmap24 face(4, 2), mask(2, 1);
  face.Fill(0xFFFFFF);
  mask.Fill(0xFFFFFF);
  const Bitmap32 layer = Premultiply(face, mask);
  EXPECT_EQ(layer.Width(), 4);
  EXPECT_EQ(layer.Alpha(1, 0), 255);
  EXPECT_EQ(layer.Alpha(2, 0), 0);
  EXPECT_EQ(layer.Alpha(0, 1), 0);
}

TEST(Layer, Copy32IsClippedOnAllSides) {
  Bitmap32 source(3, 3), target(4, 4);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3; ++x) source.SetPixel(x, y, MakeColour(x, y, 7), 200);
  }
  CopyBitmap32(source, target, -1, 2);
  EXPECT_EQ(target.Pixel(0, 2), MakeColour(1, 0, 7));
  EXPECT_EQ(target.Alpha(1, 3), 200);
  EXPECT_EQ(target.Pixel(1, 3), MakeColour(2, 1, 7));
  EXPECT_EQ(target.Alpha(2, 2), 0);
  EXPECT_EQ(target.Alpha(0, 1), 0);
}

TEST(Layer, BlitSkipsPixelsLikeTheTopLeftAndNeverTouchesAlpha) {
  Bitmap24 output(3, 2);
  output.Fill(0x112233);                     // the "nothing drawn" colour
  output.SetPixel(1, 0, 0x445566);
  output.SetPixel(2, 1, 0x112234);           // differs in one channel only: copied
  Bitmap32 layer(5, 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 5; ++x) layer.SetPixel(x, y, 0x999999, static_cast<std::uint8_t>(10 * x + y));
  }
  LayerBlit(output, 2, 1, layer);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 5; ++x) {
      EXPECT_EQ(layer.Alpha(x, y), 10 * x + y) << x << "," << y;
      Colour expected = 0x999999;
      if (x == 3 && y == 1) expected = 0x445566;
      if (x == 4 && y == 2) expected = 0x112234;
      EXPECT_EQ(layer.Pixel(x, y), expected) << x << "," << y;
    }
  }
}

TEST(Layer, BlitIsClippedAtEveryEdge) {
  Bitmap24 output(4, 4);
  output.Fill(0x010101);
  output.SetPixel(0, 0, 0);
  Bitmap32 layer(3, 3);
  LayerBlit(output, -2, -2, layer);  // only output (2..3, 2..3) lands, at (0..1, 0..1)
  EXPECT_EQ(layer.Pixel(0, 0), 0x010101u);
  EXPECT_EQ(layer.Pixel(1, 1), 0x010101u);
  EXPECT_EQ(layer.Pixel(2, 2), 0u);
  LayerBlit(output, 2, 2, layer);
  EXPECT_EQ(layer.Pixel(2, 2), 0u);  // output's own top-left: skipped
  LayerBlit(output, 5, 0, layer);    // entirely outside: nothing, no crash
}

}  // namespace
}  // namespace tikolvo

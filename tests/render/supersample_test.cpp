#include "render/supersample.h"

#include <gtest/gtest.h>

#include <random>

#include "render/reference_pipeline.h"

namespace tikolvo {
namespace {

TEST(Supersample, ReductionIsTheTruncatedAverageOfEachBlock) {
  const Bitmap24 samples = reference::RandomPicture(4 * 13, 4 * 7, 1);
  Bitmap24 output;
  Reduce4x4(samples, output);
  EXPECT_TRUE(output == reference::Reduce(samples));
  // 15 of 16 samples at 255 and one at 0: 3825 / 16 = 239.06, kept as 239.
  Bitmap24 block(4, 4);
  block.Fill(0xFFFFFF);
  block.SetPixel(3, 3, 0);
  Reduce4x4(block, output);
  EXPECT_EQ(output.Pixel(0, 0), 0xEFEFEFu);
}

// A line one screen pixel wide (4 samples) that straddles a block edge: 12
// samples of the right block and 4 of the left one are covered.
TEST(Supersample, OnePixelLineReducesToTruncatedGrey) {
  Bitmap24 white(6, 6);
  white.Fill(0xFFFFFF);
  SupersampledCanvas canvas;
  canvas.Resize(6, 6);
  canvas.Begin(white);
  DrawLine(canvas, {4 * 3 + 1, -8}, {4 * 3 + 1, 40}, 4, 0x000000);
  Bitmap24 output(6, 6);
  canvas.ReduceInto(output);
  for (int y = 0; y < 6; ++y) {
    // 255 - 255 * 12 / 16 = 63.75 and 255 - 255 * 4 / 16 = 191.25.
    EXPECT_EQ(output.Pixel(3, y), 0x3F3F3Fu);
    EXPECT_EQ(output.Pixel(2, y), 0xBFBFBFu);
    EXPECT_EQ(output.Pixel(1, y), 0xFFFFFFu);
    EXPECT_EQ(output.Pixel(4, y), 0xFFFFFFu);
  }
}

// Random strokes, discs and quadrilaterals; the same calls go to the canvas
// and to the straightforward pipeline.
void RandomShapes(Surface& surface, unsigned seed, int count) {
  std::mt19937 random(seed);
  auto coordinate = [&](int size) { return static_cast<int>(random() % (size + 40)) - 20; };
  for (int k = 0; k < count; ++k) {
    const Colour colour = random() & 0xFFFFFF;
    const int w = surface.Width(), h = surface.Height();
    switch (random() % 3) {
      case 0:
        DrawLine(surface, {coordinate(w), coordinate(h)}, {coordinate(w), coordinate(h)},
                 static_cast<int>(random() % 20), colour);
        break;
      case 1: {
        const int x = coordinate(w), y = coordinate(h), r = static_cast<int>(random() % 15);
        DrawEllipse(surface, x - r, y - r, x + r, y + r, colour, random() & 0xFFFFFF);
        break;
      }
      default: {
        Point p[4];
        for (Point& q : p) q = {coordinate(w), coordinate(h)};
        DrawPolygon(surface, p, 4, colour, random() & 0xFFFFFF, static_cast<int>(random() % 6));
      }
    }
  }
}

class SupersampleAgainstReference : public ::testing::TestWithParam<unsigned> {};

// Drawn in bands of a few rows, so that shapes crossing band edges, blocks
// cut off at a band's end and a short last band all occur.
TEST_P(SupersampleAgainstReference, CanvasMatchesTheStraightforwardPipelineBitForBit) {
  const unsigned seed = GetParam();
  const int width = 17 + static_cast<int>(seed % 23), height = 9 + static_cast<int>(seed % 31);
  const int bandRows = seed % 4 == 0 ? kBandRows : 1 + static_cast<int>(seed % 7);
  const Bitmap24 background = reference::RandomPicture(width, height, seed);
  const double fraction = (seed % 5) / 4.0;

  SupersampledCanvas canvas;
  ShadowMask mask;
  canvas.Resize(width, height, bandRows);
  mask.Resize(width, height, bandRows);
  Bitmap24 output(width, height);
  // Twice over, so that what the first picture left behind is shown not to leak.
  for (int round = 0; round < 2; ++round) {
    const unsigned s = seed * 7 + round;
    const DarkenTable table(fraction);
    canvas.Begin(background);
    DrawInBands(canvas, output, [&] {
      RandomShapes(canvas, s, 3);
      ShadowPainter shadows(canvas, mask, table);
      RandomShapes(shadows, s + 100, 4);
      RandomShapes(canvas, s + 200, 5);
    });

    reference::Steps steps;
    steps.underShadows = [&](Surface& surface) { RandomShapes(surface, s, 3); };
    steps.shadows = [&](Surface& surface) { RandomShapes(surface, s + 100, 4); };
    steps.fraction = fraction;
    steps.hands = [&](Surface& surface) { RandomShapes(surface, s + 200, 5); };
    ASSERT_TRUE(output == reference::Draw(background, steps)) << "seed " << seed << " round " << round;
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, SupersampleAgainstReference, ::testing::Range(1u, 41u));

}  // namespace
}  // namespace tikolvo

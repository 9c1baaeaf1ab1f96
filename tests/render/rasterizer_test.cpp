#include "render/rasterizer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace tikolvo {
namespace {

constexpr Colour kInk = 0xFFFFFF;
constexpr Colour kRim = 0x0000FF;

struct Box {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;  // inclusive
  int count = 0;
};

Box Painted(const Bitmap24& b, Colour colour = kInk) {
  Box box;
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) {
      if (b.Pixel(x, y) != colour) continue;
      box.left = std::min(box.left, x), box.right = std::max(box.right, x);
      box.top = std::min(box.top, y), box.bottom = std::max(box.bottom, y);
      ++box.count;
    }
  }
  return box;
}

Bitmap24 Line(int size, Point a, Point b, int width) {
  Bitmap24 picture(size, size);
  BitmapSurface surface(picture);
  DrawLine(surface, a, b, width, kInk);
  return picture;
}

TEST(Raster, HorizontalPenCoversExactlyItsWidthInRows) {
  for (int width = 2; width <= 13; ++width) {
    const Box box = Painted(Line(64, {10, 30}, {50, 30}, width));
    EXPECT_EQ(box.bottom - box.top + 1, width) << "width " << width;
    // The round ends reach half the width beyond each end point.
    EXPECT_EQ(box.right - box.left + 1, 40 + width) << "width " << width;
  }
}

TEST(Raster, OddPensAreCentredOnPixelsEvenPensOnPixelCorners) {
  const Box odd = Painted(Line(64, {10, 30}, {50, 30}, 3));
  EXPECT_EQ(odd.top, 29);
  EXPECT_EQ(odd.bottom, 31);
  const Box even = Painted(Line(64, {10, 30}, {50, 30}, 4));
  EXPECT_EQ(even.top, 28);
  EXPECT_EQ(even.bottom, 31);
}

TEST(Raster, ZeroLengthLineIsARoundDotOfThePenWidth) {
  for (int width : {3, 4, 12, 19}) {
    const Bitmap24 dot = Line(64, {30, 30}, {30, 30}, width);
    const Box box = Painted(dot);
    EXPECT_EQ(box.right - box.left + 1, width) << width;
    EXPECT_EQ(box.bottom - box.top + 1, width) << width;
    // Round, not square: the corners of its box stay empty.
    if (width >= 4) {
      EXPECT_NE(dot.Pixel(box.left, box.top), kInk) << width;
      EXPECT_NE(dot.Pixel(box.right, box.bottom), kInk) << width;
    }
    // Symmetric in both axes.
    for (int y = box.top; y <= box.bottom; ++y) {
      for (int x = box.left; x <= box.right; ++x) {
        ASSERT_EQ(dot.Pixel(x, y), dot.Pixel(box.left + box.right - x, y));
        ASSERT_EQ(dot.Pixel(x, y), dot.Pixel(x, box.top + box.bottom - y));
      }
    }
  }
  EXPECT_EQ(Painted(Line(8, {3, 3}, {3, 3}, 1)).count, 1);
}

TEST(Raster, ThinLineHasOnePixelPerStepAndBothEnds) {
  const Bitmap24 steep = Line(40, {5, 2}, {12, 30}, 1);
  for (int y = 2; y <= 30; ++y) {
    int inRow = 0;
    for (int x = 0; x < 40; ++x) inRow += steep.Pixel(x, y) == kInk;
    EXPECT_EQ(inRow, 1) << "row " << y;
  }
  EXPECT_EQ(steep.Pixel(5, 2), kInk);
  EXPECT_EQ(steep.Pixel(12, 30), kInk);
  EXPECT_EQ(Painted(steep).count, 29);
  // A 45 degree line is the exact diagonal.
  const Bitmap24 diagonal = Line(20, {2, 2}, {12, 12}, 0);
  EXPECT_EQ(Painted(diagonal).count, 11);
  for (int k = 2; k <= 12; ++k) EXPECT_EQ(diagonal.Pixel(k, k), kInk);
}

// The pen's definition checked directly: a pixel is painted exactly when its
// sample point lies within width / 2 of the segment. Long segments and huge
// pens reaching far outside the picture take the wide-arithmetic path.
TEST(Raster, WideLinesMatchTheDistanceDefinition) {
  std::mt19937 random(11);
  for (int trial = 0; trial < 300; ++trial) {
    auto spread = [&](int reach) { return static_cast<int>(random() % (2 * reach + 1)) - reach; };
    Point a{20 + spread(40), 20 + spread(40)}, b{20 + spread(40), 20 + spread(40)};
    if (trial % 2 == 1) {  // far ends on either side of a point near the picture
      const Point near{20 + spread(25), 20 + spread(25)};
      a = {near.x + spread(400000), near.y + spread(400000)};
      b = {2 * near.x - a.x + spread(3), 2 * near.y - a.y + spread(3)};
    }
    int width = 2 + static_cast<int>(random() % 14);
    if (trial % 10 == 9) {  // a huge pen whose edge runs through the picture
      width = 60000 + spread(5000);
      a = {-400000, 20 + width / 2 + spread(20)};
      b = {400000, a.y + spread(3)};
    }
    const Bitmap24 picture = Line(40, a, b, width);
    const long double offset = width % 2 == 0 ? 0.5L : 0.0L;
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 40; ++x) {
        const long double px = x + offset - a.x, py = y + offset - a.y;
        const long double dx = static_cast<long double>(b.x) - a.x, dy = static_cast<long double>(b.y) - a.y;
        const long double length2 = dx * dx + dy * dy;
        long double t = length2 == 0 ? 0 : (px * dx + py * dy) / length2;
        t = std::clamp(t, 0.0L, 1.0L);
        const long double ex = px - t * dx, ey = py - t * dy;
        const long double distance2 = ex * ex + ey * ey, limit = static_cast<long double>(width) * width / 4;
        if (std::fabs(distance2 - limit) < 1e-6L) continue;  // a tie: either way
        ASSERT_EQ(picture.Pixel(x, y) == kInk, distance2 < limit)
            << "trial " << trial << " pixel " << x << "," << y;
      }
    }
  }
}

TEST(Raster, ClippingKeepsExactlyThePixelsInside) {
  // The same strokes drawn on a large picture and, shifted, on a small one
  // that shows only part of it.
  const Point ends[][2] = {{{-30, 5}, {70, 44}}, {{20, 20}, {20, 20}}, {{-5, 60}, {60, -5}}};
  for (int width : {1, 4, 9}) {
    for (const auto& e : ends) {
      Bitmap24 large(100, 100), small(30, 25);
      BitmapSurface largeSurface(large), smallSurface(small);
      DrawLine(largeSurface, {e[0].x + 40, e[0].y + 40}, {e[1].x + 40, e[1].y + 40}, width, kInk);
      DrawLine(smallSurface, e[0], e[1], width, kInk);
      for (int y = 0; y < 25; ++y) {
        for (int x = 0; x < 30; ++x) ASSERT_EQ(small.Pixel(x, y), large.Pixel(x + 40, y + 40));
      }
    }
  }
}

TEST(Raster, FarAwayCoordinatesDoNotBreakAnything) {
  Bitmap24 picture(16, 16);
  BitmapSurface surface(picture);
  DrawLine(surface, {-2000000000, 8}, {2000000000, 8}, 3, kInk);
  DrawEllipse(surface, -2000000000, -5, 2000000000, 30, kRim, kRim);
  const Point far[4] = {{-2000000000, -2000000000}, {2000000000, 0}, {0, 2000000000}, {3, 3}};
  DrawPolygon(surface, far, 4, kInk, kInk, 5);
  SUCCEED();
}

TEST(Raster, EllipseFillsItsBoxWithoutTheRightAndBottomEdges) {
  Bitmap24 picture(32, 32);
  BitmapSurface surface(picture);
  DrawEllipse(surface, 4, 6, 24, 16, kInk, kInk);
  const Box box = Painted(picture);
  EXPECT_EQ(box.left, 4);
  EXPECT_EQ(box.right, 23);
  EXPECT_EQ(box.top, 6);
  EXPECT_EQ(box.bottom, 15);
}

TEST(Raster, EllipseOutlineIsTheRingTouchingTheOutside) {
  Bitmap24 picture(40, 40);
  BitmapSurface surface(picture);
  DrawEllipse(surface, 5, 5, 35, 31, kInk, kRim);
  auto filled = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < 40 && y < 40 && picture.Pixel(x, y) != 0;
  };
  int rim = 0, inside = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) {
      if (!filled(x, y)) continue;
      const bool touchesOutside =
          !filled(x - 1, y) || !filled(x + 1, y) || !filled(x, y - 1) || !filled(x, y + 1);
      EXPECT_EQ(picture.Pixel(x, y), touchesOutside ? kRim : kInk) << x << "," << y;
      (touchesOutside ? rim : inside)++;
    }
  }
  EXPECT_GT(inside, rim);
  EXPECT_GT(rim, 60);
}

TEST(Raster, EmptyEllipseBoxDrawsNothing) {
  Bitmap24 picture(10, 10);
  BitmapSurface surface(picture);
  DrawEllipse(surface, 3, 3, 3, 9, kInk, kInk);
  DrawEllipse(surface, 3, 3, 9, 3, kInk, kInk);
  EXPECT_EQ(Painted(picture).count, 0);
}

TEST(Raster, PolygonFillLeavesRightAndBottomEdgesToTheOutline) {
  Bitmap24 picture(20, 20);
  BitmapSurface surface(picture);
  const Point rectangle[4] = {{2, 3}, {12, 3}, {12, 9}, {2, 9}};
  DrawPolygon(surface, rectangle, 4, kInk, kRim, 1);
  // Fill: columns 2..11, rows 3..8; the outline then covers the boundary.
  EXPECT_EQ(Painted(picture, kInk).count, 9 * 5);
  EXPECT_EQ(Painted(picture, kRim).count, 11 * 7 - 9 * 5);
  const Box all = Painted(picture, kRim);
  EXPECT_EQ(all.left, 2);
  EXPECT_EQ(all.right, 12);
  EXPECT_EQ(all.top, 3);
  EXPECT_EQ(all.bottom, 9);
}

TEST(Raster, WidePolygonOutlineHasRoundCorners) {
  Bitmap24 picture(40, 40);
  BitmapSurface surface(picture);
  const Point square[4] = {{10, 10}, {30, 10}, {30, 30}, {10, 30}};
  DrawPolygon(surface, square, 4, kInk, kRim, 9);
  const Box box = Painted(picture, kRim);
  EXPECT_EQ(box.left, 6);
  EXPECT_EQ(box.right, 34);
  EXPECT_NE(picture.Pixel(6, 6), kRim);  // the corner is rounded off
  EXPECT_EQ(picture.Pixel(6, 20), kRim);
  EXPECT_EQ(picture.Pixel(20, 20), kInk);
}

}  // namespace
}  // namespace tikolvo

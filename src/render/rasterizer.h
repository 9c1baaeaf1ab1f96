#pragma once
// Aliased drawing primitives: what an ordinary, non-smoothing graphics library
// draws, defined exactly so that every build and every platform produces the
// same pixels.
//
// Coordinates: the integer point (x, y) is the centre of pixel (x, y).
//  - Lines of width 0 or 1 are thin lines: one pixel per step along the
//    longer axis, both end points included.
//  - Wider lines are drawn like a solid pen with round ends: every pixel
//    whose sample point lies within width / 2 of the segment. Odd widths
//    sample at pixel centres; even widths sample half a pixel right and down,
//    so a horizontal line of width w always covers exactly w rows. A line of
//    length zero is a round dot of the pen's width.
//  - Ellipses fill the pixels whose centres lie inside the ellipse inscribed
//    in the box [left, right) x [top, bottom), the right and bottom edges
//    excluded as in the usual box convention; their one-pixel outline is the
//    ring of filled pixels that touch an unfilled side neighbour.
//  - Polygons are filled with the even-odd rule over pixel centres, left and
//    top edges in, right and bottom edges out, then outlined with the pen.
// Everything is clipped to the surface. Coordinates beyond +-kCoordinateLimit
// are clamped first (nothing that far off is ever visible).
#include <cstdint>

#include "render/bitmap.h"

namespace tikolvo {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(Point a, Point b) { return a.x == b.x && a.y == b.y; }
};

constexpr int kCoordinateLimit = 1 << 19;

// Where the primitives put their pixels: runs of one colour along a row.
// Spans arrive clipped: 0 <= y < Height(), 0 <= x0 < x1 <= Width().
class Surface {
 public:
  virtual ~Surface() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void FillSpan(int y, int x0, int x1, Colour c) = 0;
  // The rows this picture needs, [FirstRow(), EndRow()): a surface that
  // redraws only a band of itself narrows them, and the primitives do not
  // work out the other rows at all. Spans outside may still arrive.
  virtual int FirstRow() const { return 0; }
  virtual int EndRow() const { return Height(); }
};

// Draws straight into a picture.
class BitmapSurface final : public Surface {
 public:
  explicit BitmapSurface(Bitmap24& bitmap) : bitmap_(&bitmap) {}
  int Width() const override { return bitmap_->Width(); }
  int Height() const override { return bitmap_->Height(); }
  void FillSpan(int y, int x0, int x1, Colour c) override;

 private:
  Bitmap24* bitmap_;
};

void DrawLine(Surface& surface, Point from, Point to, int width, Colour colour);

// Filled ellipse with a one-pixel outline (both colours may be the same).
void DrawEllipse(Surface& surface, int left, int top, int right, int bottom, Colour fill,
                 Colour outline);

// Filled polygon outlined with a pen of `outlineWidth`; at most kMaxPolygonPoints.
constexpr int kMaxPolygonPoints = 8;
void DrawPolygon(Surface& surface, const Point* points, int count, Colour fill, Colour outline,
                 int outlineWidth);

}  // namespace tikolvo

// Ellipses and polygons; lines are in rasterizer.cpp.
#include <algorithm>
#include <cmath>

#include "render/raster_math.h"
#include "render/rasterizer.h"

namespace tikolvo {
namespace {

constexpr int kBoxLimit = 1 << 14;  // keeps the ellipse test inside 64 bits

void FillClipped(Surface& surface, int y, int left, int right, Colour colour) {
  left = std::max(left, 0);
  right = std::min(right, surface.Width() - 1);
  if (left <= right) surface.FillSpan(y, left, right + 1, colour);
}

struct RowSpan {
  int left = 0;
  int right = -1;
  bool Empty() const { return left > right; }
};

// The ellipse inscribed in the pixel box [left, right) x [top, bottom),
// tested in doubled coordinates where its centre is a whole number.
class EllipseShape {
 public:
  EllipseShape(int left, int top, int right, int bottom)
      : top_(top),
        bottom_(bottom),
        centreX_(static_cast<std::int64_t>(left) + right - 1),
        centreY_(static_cast<std::int64_t>(top) + bottom - 1),
        width_(right - left),
        height_(bottom - top) {}

  bool Contains(std::int64_t x, std::int64_t y) const {
    const std::int64_t u = 2 * x - centreX_, v = 2 * y - centreY_;
    return u * u * height_ * height_ + v * v * width_ * width_ <= width_ * width_ * height_ * height_;
  }

  RowSpan Row(int y) const {
    if (y < top_ || y >= bottom_) return {};
    const double v = static_cast<double>(2 * static_cast<std::int64_t>(y) - centreY_) / height_;
    const double half = width_ * std::sqrt(std::max(0.0, 1.0 - v * v));
    std::int64_t left = raster::FloorToInt((centreX_ - half) / 2) - 1;
    std::int64_t right = raster::CeilToInt((centreX_ + half) / 2) + 1;
    while (left <= right && !Contains(left, y)) ++left;
    while (right >= left && !Contains(right, y)) --right;
    if (left > right) return {};
    while (Contains(left - 1, y)) --left;
    while (Contains(right + 1, y)) ++right;
    return {static_cast<int>(left), static_cast<int>(right)};
  }

 private:
  int top_, bottom_;
  std::int64_t centreX_, centreY_, width_, height_;
};

// One row of the ellipse: the pixels whose upper or lower neighbour is
// outside, and the two end pixels, belong to the outline; the rest is fill.
void DrawEllipseRow(Surface& surface, int y, RowSpan above, RowSpan row, RowSpan below,
                    Colour fill, Colour outline) {
  if (fill == outline || above.Empty() || below.Empty()) {
    FillClipped(surface, y, row.left, row.right, outline);
    return;
  }
  const int innerLeft = std::max({row.left + 1, above.left, below.left});
  const int innerRight = std::min({row.right - 1, above.right, below.right});
  if (innerLeft > innerRight) {
    FillClipped(surface, y, row.left, row.right, outline);
    return;
  }
  FillClipped(surface, y, row.left, innerLeft - 1, outline);
  FillClipped(surface, y, innerLeft, innerRight, fill);
  FillClipped(surface, y, innerRight + 1, row.right, outline);
}

// Insertion sort: a handful of crossings per row.
void SortSmall(std::int64_t* values, int count) {
  for (int i = 1; i < count; ++i) {
    const std::int64_t v = values[i];
    int j = i;
    for (; j > 0 && values[j - 1] > v; --j) values[j] = values[j - 1];
    values[j] = v;
  }
}

void FillPolygonInterior(Surface& surface, const Point* points, int count, Colour fill) {
  int top = points[0].y, bottom = points[0].y;
  for (int i = 1; i < count; ++i) {
    top = std::min(top, points[i].y);
    bottom = std::max(bottom, points[i].y);
  }
  top = std::max(top, surface.FirstRow());
  bottom = std::min(bottom, surface.EndRow());  // the bottom row itself is outside
  std::int64_t crossings[kMaxPolygonPoints];
  for (int y = top; y < bottom; ++y) {
    int found = 0;
    for (int i = 0; i < count; ++i) {
      const Point p = points[i], q = points[(i + 1) % count];
      if (p.y == q.y) continue;
      if (y < std::min(p.y, q.y) || y >= std::max(p.y, q.y)) continue;
      // First pixel centre at or right of the crossing.
      const std::int64_t run = static_cast<std::int64_t>(y - p.y) * (q.x - p.x);
      crossings[found++] = p.x + raster::CeilDiv(run, q.y - p.y);
    }
    SortSmall(crossings, found);
    for (int k = 0; k + 1 < found; k += 2) {
      if (crossings[k] < crossings[k + 1]) {
        FillClipped(surface, y, static_cast<int>(crossings[k]),
                    static_cast<int>(crossings[k + 1] - 1), fill);
      }
    }
  }
}

}  // namespace

void DrawEllipse(Surface& surface, int left, int top, int right, int bottom, Colour fill,
                 Colour outline) {
  if (surface.Width() <= 0 || surface.Height() <= 0) return;
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  left = raster::Clamp(left, kBoxLimit);
  right = raster::Clamp(right, kBoxLimit);
  top = raster::Clamp(top, kBoxLimit);
  bottom = raster::Clamp(bottom, kBoxLimit);
  if (left == right || top == bottom) return;
  const EllipseShape shape(left, top, right, bottom);
  const int firstRow = std::max(top, surface.FirstRow()), lastRow = std::min(bottom, surface.EndRow()) - 1;
  if (firstRow > lastRow) return;
  RowSpan above = shape.Row(firstRow - 1), row = shape.Row(firstRow);
  for (int y = firstRow; y <= lastRow; ++y) {
    const RowSpan below = shape.Row(y + 1);
    if (!row.Empty()) DrawEllipseRow(surface, y, above, row, below, fill, outline);
    above = row;
    row = below;
  }
}

void DrawPolygon(Surface& surface, const Point* points, int count, Colour fill, Colour outline,
                 int outlineWidth) {
  if (count <= 0 || surface.Width() <= 0 || surface.Height() <= 0) return;
  count = std::min(count, kMaxPolygonPoints);
  Point clamped[kMaxPolygonPoints];
  for (int i = 0; i < count; ++i) {
    clamped[i] = {raster::Clamp(points[i].x, kCoordinateLimit),
                  raster::Clamp(points[i].y, kCoordinateLimit)};
  }
  FillPolygonInterior(surface, clamped, count, fill);
  for (int i = 0; i < count; ++i) {
    DrawLine(surface, clamped[i], clamped[(i + 1) % count], outlineWidth, outline);
  }
}

}  // namespace tikolvo

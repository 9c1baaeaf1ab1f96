#include "render/rasterizer.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "render/raster_math.h"

namespace tikolvo {

using raster::CeilDiv;
using raster::FloorDiv;

void BitmapSurface::FillSpan(int y, int x0, int x1, Colour c) {
  std::uint8_t* p = bitmap_->Row(y) + x0 * Bitmap24::kBytesPerPixel;
  const std::uint8_t b = BlueOf(c), g = GreenOf(c), r = RedOf(c);
  for (int x = x0; x < x1; ++x, p += 3) {
    p[0] = b;
    p[1] = g;
    p[2] = r;
  }
}

namespace {

Point Clamped(Point p) {
  return {raster::Clamp(p.x, kCoordinateLimit), raster::Clamp(p.y, kCoordinateLimit)};
}

// Thin line: for each step k along the longer axis the shorter coordinate
// moves by k * short / long, rounded half up. Only the steps whose long
// coordinate lies on the surface are visited.
class ThinLine {
 public:
  ThinLine(Surface& surface, Point a, Point b, Colour colour)
      : surface_(surface), a_(a), colour_(colour) {
    dx_ = static_cast<std::int64_t>(b.x) - a.x;
    dy_ = static_cast<std::int64_t>(b.y) - a.y;
  }

  void Draw() {
    if (std::llabs(dx_) >= std::llabs(dy_)) {
      DrawAlongX();
    } else {
      DrawAlongY();
    }
  }

 private:
  static std::int64_t Sign(std::int64_t v) { return v < 0 ? -1 : 1; }

  // Steps k in [0, steps] with origin + sign * k inside [low, end).
  static bool StepRange(std::int64_t origin, std::int64_t sign, std::int64_t steps, int low, int end,
                        std::int64_t& first, std::int64_t& last) {
    const std::int64_t lowK = sign > 0 ? low - origin : origin - (end - 1);
    const std::int64_t highK = sign > 0 ? (end - 1) - origin : origin - low;
    first = std::max<std::int64_t>(0, lowK);
    last = std::min<std::int64_t>(steps, highK);
    return first <= last;
  }

  static std::int64_t Offset(std::int64_t k, std::int64_t shortLen, std::int64_t longLen) {
    return longLen == 0 ? 0 : (2 * k * shortLen + longLen) / (2 * longLen);
  }

  void DrawAlongX() {
    const std::int64_t adx = std::llabs(dx_), ady = std::llabs(dy_);
    const std::int64_t sx = Sign(dx_), sy = Sign(dy_);
    std::int64_t first, last;
    if (!StepRange(a_.x, sx, adx, 0, surface_.Width(), first, last)) return;
    std::int64_t runRow = -1, runStart = 0, runEnd = 0;
    for (std::int64_t k = first; k <= last; ++k) {
      const std::int64_t x = a_.x + sx * k;
      const std::int64_t y = a_.y + sy * Offset(k, ady, adx);
      if (y != runRow || (x != runEnd + 1 && x != runStart - 1)) {
        Flush(runRow, runStart, runEnd);
        runRow = y, runStart = x, runEnd = x;
      } else {
        runStart = std::min(runStart, x);
        runEnd = std::max(runEnd, x);
      }
    }
    Flush(runRow, runStart, runEnd);
  }

  void DrawAlongY() {
    const std::int64_t adx = std::llabs(dx_), ady = std::llabs(dy_);
    const std::int64_t sx = Sign(dx_), sy = Sign(dy_);
    std::int64_t first, last;
    if (!StepRange(a_.y, sy, ady, surface_.FirstRow(), surface_.EndRow(), first, last)) return;
    for (std::int64_t k = first; k <= last; ++k) {
      const std::int64_t x = a_.x + sx * Offset(k, adx, ady);
      Flush(a_.y + sy * k, x, x);
    }
  }

  void Flush(std::int64_t y, std::int64_t x0, std::int64_t x1) {
    if (y < 0 || y >= surface_.Height()) return;
    x0 = std::max<std::int64_t>(x0, 0);
    x1 = std::min<std::int64_t>(x1, surface_.Width() - 1);
    if (x0 <= x1) {
      surface_.FillSpan(static_cast<int>(y), static_cast<int>(x0), static_cast<int>(x1) + 1,
                        colour_);
    }
  }

  Surface& surface_;
  Point a_;
  Colour colour_;
  std::int64_t dx_ = 0, dy_ = 0;
};

// A wide pen stroke in doubled coordinates, so that the half-pixel sample
// offset of even widths and the half-width radius are whole numbers.
struct Stroke {
  std::int64_t ax, ay, bx, by;
  std::int64_t dx, dy, lengthSquared;
  std::int64_t radius;  // the pen width, which is the radius in doubled units
  int offset;           // 1 for even widths: samples sit half a pixel right and down
  bool smallProducts;   // radius^2 * length^2 fits in 64 bits
  double length;
  double inverseDx, inverseDy;

  Stroke(Point a, Point b, int width)
      : ax(2 * static_cast<std::int64_t>(a.x)),
        ay(2 * static_cast<std::int64_t>(a.y)),
        bx(2 * static_cast<std::int64_t>(b.x)),
        by(2 * static_cast<std::int64_t>(b.y)),
        dx(bx - ax),
        dy(by - ay),
        lengthSquared(dx * dx + dy * dy),
        radius(width),
        offset(width % 2 == 0 ? 1 : 0),
        smallProducts(radius < (1 << 15) && lengthSquared < (std::int64_t{1} << 32)),
        length(std::sqrt(static_cast<double>(lengthSquared))),
        inverseDx(dx != 0 ? 1.0 / static_cast<double>(dx) : 0),
        inverseDy(dy != 0 ? 1.0 / static_cast<double>(dy) : 0) {}

  // Exact: is the sample of pixel x on the row with doubled coordinate Y
  // within the pen's reach of the segment?
  bool Covers(std::int64_t x, std::int64_t Y) const {
    const std::int64_t X = 2 * x + offset;
    const std::int64_t vx = X - ax, vy = Y - ay;
    const std::int64_t along = vx * dx + vy * dy;
    const std::int64_t r2 = radius * radius;
    if (lengthSquared == 0 || along <= 0) return vx * vx + vy * vy <= r2;
    if (along >= lengthSquared) {
      const std::int64_t wx = X - bx, wy = Y - by;
      return wx * wx + wy * wy <= r2;
    }
    const std::int64_t cross = vx * dy - vy * dx;
    const std::uint64_t across = static_cast<std::uint64_t>(cross < 0 ? -cross : cross);
    if (across < (1u << 31) && smallProducts) {
      return across * across <= static_cast<std::uint64_t>(r2 * lengthSquared);
    }
    return raster::ProductAtMost(across, across, static_cast<std::uint64_t>(r2),
                                 static_cast<std::uint64_t>(lengthSquared));
  }

  // Floating estimate of the covered doubled-X range of row Y.
  bool EstimateRow(std::int64_t Y, double& low, double& high) const {
    low = std::numeric_limits<double>::infinity();
    high = -low;
    AddCap(ax, ay, Y, low, high);
    AddCap(bx, by, Y, low, high);
    if (lengthSquared != 0) AddBody(Y, low, high);
    return low <= high;
  }

 private:
  void AddCap(std::int64_t cx, std::int64_t cy, std::int64_t Y, double& low, double& high) const {
    const std::int64_t v = Y - cy;
    if (v * v > radius * radius) return;
    const double half = std::sqrt(static_cast<double>(radius * radius - v * v));
    low = std::min(low, static_cast<double>(cx) - half);
    high = std::max(high, static_cast<double>(cx) + half);
  }

  // The body of the stroke meets the row where the distance across the
  // segment is within the radius and the position along it within [0, 1].
  void AddBody(std::int64_t Y, double& low, double& high) const {
    const double rows = static_cast<double>(Y - ay);
    const double inf = std::numeric_limits<double>::infinity();
    double from = -inf, to = inf;
    if (!Slab(dy, inverseDy, rows * dx - radius * length, rows * dx + radius * length, from, to)) {
      return;
    }
    if (!Slab(dx, inverseDx, -rows * dy, static_cast<double>(lengthSquared) - rows * dy, from,
              to)) {
      return;
    }
    if (from > to) return;
    low = std::min(low, from + ax);
    high = std::max(high, to + ax);
  }

  // Narrows [from, to] to the u with lowBound <= u * slope <= highBound.
  static bool Slab(std::int64_t slope, double inverse, double lowBound, double highBound,
                   double& from, double& to) {
    if (slope == 0) return lowBound <= 0 && 0 <= highBound;
    double a = lowBound * inverse, b = highBound * inverse;
    if (a > b) std::swap(a, b);
    from = std::max(from, a);
    to = std::min(to, b);
    return true;
  }
};

void DrawWideLine(Surface& surface, Point a, Point b, int width, Colour colour) {
  const Stroke stroke(a, b, width);
  const std::int64_t top = std::min(stroke.ay, stroke.by) - stroke.radius;
  const std::int64_t bottom = std::max(stroke.ay, stroke.by) + stroke.radius;
  const std::int64_t firstRow = std::max<std::int64_t>(surface.FirstRow(), CeilDiv(top - stroke.offset, 2));
  const std::int64_t lastRow = std::min<std::int64_t>(surface.EndRow() - 1, FloorDiv(bottom - stroke.offset, 2));
  for (std::int64_t y = firstRow; y <= lastRow; ++y) {
    const std::int64_t Y = 2 * y + stroke.offset;
    double low, high;
    if (!stroke.EstimateRow(Y, low, high)) continue;
    // The estimate is within a tiny fraction of a pixel; the exact test
    // settles the ends (the covered pixels of a row are contiguous: the pen's
    // shape is convex).
    std::int64_t left = raster::CeilToInt((low - stroke.offset) / 2);
    std::int64_t right = raster::FloorToInt((high - stroke.offset) / 2);
    if (left > right) std::swap(left, right);
    while (left <= right && !stroke.Covers(left, Y)) ++left;
    while (right >= left && !stroke.Covers(right, Y)) --right;
    if (left > right) continue;
    while (stroke.Covers(left - 1, Y)) --left;
    while (stroke.Covers(right + 1, Y)) ++right;
    left = std::max<std::int64_t>(left, 0);
    right = std::min<std::int64_t>(right, surface.Width() - 1);
    if (left <= right) {
      surface.FillSpan(static_cast<int>(y), static_cast<int>(left), static_cast<int>(right) + 1,
                       colour);
    }
  }
}

}  // namespace

void DrawLine(Surface& surface, Point from, Point to, int width, Colour colour) {
  if (surface.Width() <= 0 || surface.Height() <= 0) return;
  from = Clamped(from);
  to = Clamped(to);
  width = std::min(width, kCoordinateLimit);
  if (width <= 1) {
    ThinLine(surface, from, to, colour).Draw();
  } else {
    DrawWideLine(surface, from, to, width, colour);
  }
}

}  // namespace tikolvo

#pragma once
// Painting for the skin generator: a floating-point picture that shapes are
// blended into with anti-aliased edges. Every shape is a signed distance
// (negative inside), and a pixel takes the part of it that the shape covers,
// measured at the pixel's centre. Coordinates are continuous: pixel (x, y)
// spans [x, x + 1) x [y, y + 1), its centre is (x + 0.5, y + 0.5).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace skins {

struct Rgb {
  double r = 0, g = 0, b = 0;
};

// 0xRRGGBB as designers write colours.
constexpr Rgb Hex(std::uint32_t rgb) {
  return {static_cast<double>(rgb >> 16 & 0xFF), static_cast<double>(rgb >> 8 & 0xFF),
          static_cast<double>(rgb & 0xFF)};
}

inline Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

inline std::uint8_t Channel(double v) { return static_cast<std::uint8_t>(std::clamp(v + 0.5, 0.0, 255.0)); }

// The program's colour form, 0x00BBGGRR.
inline std::uint32_t ToBgr(Rgb c) {
  return static_cast<std::uint32_t>(Channel(c.r)) | static_cast<std::uint32_t>(Channel(c.g)) << 8 |
         static_cast<std::uint32_t>(Channel(c.b)) << 16;
}
inline Rgb FromBgr(std::uint32_t bgr) {
  return {static_cast<double>(bgr & 0xFF), static_cast<double>(bgr >> 8 & 0xFF),
          static_cast<double>(bgr >> 16 & 0xFF)};
}

// Part of a pixel covered by a shape whose edge is `distance` away from the
// pixel's centre (negative inside).
inline double Coverage(double distance) { return std::clamp(0.5 - distance, 0.0, 1.0); }

inline double Smoothstep(double edge0, double edge1, double x) {
  const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

// ---- Signed distances.

inline double CircleDistance(double px, double py, double cx, double cy, double r) {
  return std::hypot(px - cx, py - cy) - r;
}

inline double RoundedBoxDistance(double px, double py, double left, double top, double right, double bottom,
                                 double radius) {
  const double cx = (left + right) / 2, cy = (top + bottom) / 2;
  const double qx = std::abs(px - cx) - ((right - left) / 2 - radius);
  const double qy = std::abs(py - cy) - ((bottom - top) / 2 - radius);
  return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - radius;
}

inline double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
  const double dx = bx - ax, dy = by - ay;
  const double length2 = dx * dx + dy * dy;
  const double t = length2 > 0 ? std::clamp(((px - ax) * dx + (py - ay) * dy) / length2, 0.0, 1.0) : 0.0;
  return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

struct Vec {
  double x = 0, y = 0;
};
using Polyline = std::vector<Vec>;

inline double PolylineDistance(double px, double py, const Polyline& line) {
  if (line.size() == 1) return std::hypot(px - line[0].x, py - line[0].y);
  double best = 1e9;
  for (std::size_t i = 1; i < line.size(); ++i) {
    best = std::min(best, SegmentDistance(px, py, line[i - 1].x, line[i - 1].y, line[i].x, line[i].y));
  }
  return best;
}

// Points along an elliptic arc; angles in degrees, 0 = east, growing
// clockwise on screen (y points down).
inline Polyline Arc(double cx, double cy, double rx, double ry, double from, double to, int steps = 24) {
  Polyline points;
  for (int i = 0; i <= steps; ++i) {
    const double a = (from + (to - from) * i / steps) * std::acos(-1.0) / 180;
    points.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
  }
  return points;
}

// Direction of a clock angle in degrees (0 = twelve o'clock, clockwise).
inline Vec ClockDirection(double degrees) {
  const double a = degrees * std::acos(-1.0) / 180;
  return {std::sin(a), -std::cos(a)};
}

// ---- Pictures.

struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// A colour picture; painting blends into it.
class Canvas {
 public:
  Canvas() = default;
  Canvas(int width, int height, Rgb fill = {}) : width_(width), height_(height), pixels_(Size(), fill) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb& At(int x, int y) { return pixels_[Index(x, y)]; }
  const Rgb& At(int x, int y) const { return pixels_[Index(x, y)]; }

  void Blend(int x, int y, Rgb colour, double alpha) {
    if (alpha <= 0 || x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Rgb& target = pixels_[Index(x, y)];
    target = Mix(target, colour, std::min(alpha, 1.0));
  }

  // Blends a shape: distance(px, py) is its signed distance, colour(px, py)
  // its colour there; only pixels of `box` are visited.
  template <typename Distance, typename Colour>
  void Fill(Box box, Distance distance, Colour colour, double opacity = 1.0) {
    box = Clip(box);
    for (int y = box.top; y < box.bottom; ++y) {
      for (int x = box.left; x < box.right; ++x) {
        const double px = x + 0.5, py = y + 0.5;
        const double cover = Coverage(distance(px, py)) * opacity;
        if (cover > 0) Blend(x, y, colour(px, py), cover);
      }
    }
  }
  template <typename Distance>
  void Fill(Box box, Distance distance, Rgb colour, double opacity = 1.0) {
    Fill(box, distance, [colour](double, double) { return colour; }, opacity);
  }

  Box Whole() const { return {0, 0, width_, height_}; }
  Box Clip(Box box) const {
    return {std::max(box.left, 0), std::max(box.top, 0), std::min(box.right, width_), std::min(box.bottom, height_)};
  }

  // The rectangle (x, y, w, h) as a picture of its own.
  Canvas Crop(int x, int y, int w, int h) const {
    Canvas out(w, h);
    for (int j = 0; j < h; ++j)
      for (int i = 0; i < w; ++i) out.At(i, j) = At(std::clamp(x + i, 0, width_ - 1), std::clamp(y + j, 0, height_ - 1));
    return out;
  }
  void Paste(const Canvas& source, int x, int y) {
    for (int j = 0; j < source.Height(); ++j)
      for (int i = 0; i < source.Width(); ++i)
        if (x + i >= 0 && y + j >= 0 && x + i < width_ && y + j < height_) At(x + i, y + j) = source.At(i, j);
  }

 private:
  std::size_t Size() const { return static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_); }
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
  int width_ = 0;
  int height_ = 0;
  std::vector<Rgb> pixels_;
};

// One value a pixel, 0..1: coverage of a window shape or the opacity of a
// per-pixel-alpha face.
class Plane {
 public:
  Plane() = default;
  Plane(int width, int height, double fill = 0) : width_(width), height_(height), values_(Size(), fill) {}
  int Width() const { return width_; }
  int Height() const { return height_; }
  double& At(int x, int y) { return values_[static_cast<std::size_t>(y) * width_ + x]; }
  double At(int x, int y) const { return values_[static_cast<std::size_t>(y) * width_ + x]; }

 private:
  std::size_t Size() const { return static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_); }
  int width_ = 0;
  int height_ = 0;
  std::vector<double> values_;
};

// The box that holds a circle, widened by `margin` pixels.
inline Box BoxAround(double cx, double cy, double r, double margin = 2) {
  return {static_cast<int>(std::floor(cx - r - margin)), static_cast<int>(std::floor(cy - r - margin)),
          static_cast<int>(std::ceil(cx + r + margin)), static_cast<int>(std::ceil(cy + r + margin))};
}

// Area-averaging reduction to a smaller size (for preview pictures).
inline Canvas Reduce(const Canvas& source, int width, int height) {
  Canvas out(width, height);
  const double sx = static_cast<double>(source.Width()) / width, sy = static_cast<double>(source.Height()) / height;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      Rgb sum;
      double weight = 0;
      const double x0 = x * sx, x1 = (x + 1) * sx, y0 = y * sy, y1 = (y + 1) * sy;
      for (int j = static_cast<int>(y0); j < std::min<int>(static_cast<int>(std::ceil(y1)), source.Height()); ++j) {
        const double wy = std::min<double>(j + 1, y1) - std::max<double>(j, y0);
        for (int i = static_cast<int>(x0); i < std::min<int>(static_cast<int>(std::ceil(x1)), source.Width()); ++i) {
          const double w = wy * (std::min<double>(i + 1, x1) - std::max<double>(i, x0));
          if (w <= 0) continue;
          const Rgb& c = source.At(i, j);
          sum.r += c.r * w;
          sum.g += c.g * w;
          sum.b += c.b * w;
          weight += w;
        }
      }
      out.At(x, y) = weight > 0 ? Rgb{sum.r / weight, sum.g / weight, sum.b / weight} : Rgb{};
    }
  }
  return out;
}

}  // namespace skins

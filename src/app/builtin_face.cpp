#include "app/builtin_face.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tikolvo {
namespace {

using G = FaceGeometry;

struct Rgb {
  double r, g, b;
};

constexpr Rgb kPanelTop{0x34, 0x3E, 0x4C};
constexpr Rgb kPanelBottom{0x14, 0x19, 0x21};
constexpr Rgb kPanelRim{0x6A, 0x76, 0x86};
constexpr Rgb kBezelLight{0xE8, 0xEC, 0xF1};
constexpr Rgb kBezelDark{0x5C, 0x66, 0x72};
constexpr Rgb kDialCentre{0xFB, 0xF8, 0xF0};
constexpr Rgb kDialEdge{0xE2, 0xDC, 0xCD};
constexpr Rgb kMarkHour{0x1C, 0x24, 0x30};
constexpr Rgb kMarkMinute{0x4A, 0x50, 0x58};
constexpr Rgb kAccent{0xC8, 0x3A, 0x2E};
constexpr Rgb kWellFill{0x0B, 0x0F, 0x14};
constexpr Rgb kWellRim{0x4C, 0x57, 0x66};

Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Signed distance (negative inside) to one-pixel coverage.
double Coverage(double distance) { return std::clamp(0.5 - distance, 0.0, 1.0); }

double RoundedBoxDistance(double px, double py, double left, double top, double right,
                          double bottom, double radius) {
  const double cx = (left + right) / 2, cy = (top + bottom) / 2;
  const double qx = std::abs(px - cx) - ((right - left) / 2 - radius);
  const double qy = std::abs(py - cy) - ((bottom - top) / 2 - radius);
  const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
  return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
  const double dx = bx - ax, dy = by - ay;
  const double t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

class Painter {
 public:
  explicit Painter(FacePicture& face) : face_(face) {}

  void Blend(int x, int y, Rgb colour, double alpha) {
    if (alpha <= 0) return;
    Rgb& dst = canvas_[Index(x, y)];
    dst = Mix(dst, colour, std::min(alpha, 1.0));
  }
  Rgb& At(int x, int y) { return canvas_[Index(x, y)]; }
  void Finish();

 private:
  size_t Index(int x, int y) const { return static_cast<size_t>(y) * G::kWidth + x; }
  FacePicture& face_;
  std::vector<Rgb> canvas_ = std::vector<Rgb>(static_cast<size_t>(G::kWidth) * G::kHeight);
};

void Painter::Finish() {
  face_.pixels.resize(canvas_.size());
  for (size_t i = 0; i < canvas_.size(); ++i) {
    const Rgb c = canvas_[i];
    auto channel = [](double v) { return static_cast<std::uint32_t>(std::clamp(v + 0.5, 0.0, 255.0)); };
    face_.pixels[i] = channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
  }
}

void PaintPanel(Painter& p, FacePicture& face) {
  for (int y = 0; y < G::kHeight; ++y) {
    const Rgb fill = Mix(kPanelTop, kPanelBottom, static_cast<double>(y) / (G::kHeight - 1));
    for (int x = 0; x < G::kWidth; ++x) {
      const double d = RoundedBoxDistance(x + 0.5, y + 0.5, 0, 0, G::kWidth, G::kHeight,
                                          G::kCornerRadius);
      face.coverage[static_cast<size_t>(y) * G::kWidth + x] =
          static_cast<std::uint8_t>(std::lround(Coverage(d) * 255));
      // A thin lighter rim catches the light along the panel's edge.
      p.At(x, y) = Mix(fill, kPanelRim, Coverage(std::abs(d + 1.5) - 0.6) * 0.8);
    }
  }
}

// The metal bezel is lit from the top left; the dial under it is slightly
// darker towards its edge, like a shallow bowl.
void PaintDial(Painter& p) {
  for (int y = 0; y < G::kHeight; ++y) {
    for (int x = 0; x < G::kWidth; ++x) {
      const double dx = x + 0.5 - G::kCentreX, dy = y + 0.5 - G::kCentreY;
      const double r = std::hypot(dx, dy);
      if (r > G::kBezelRadius + 1) continue;
      const double light = std::clamp(0.5 - (dx + dy) / (2.8 * G::kBezelRadius), 0.0, 1.0);
      p.Blend(x, y, Mix(kBezelDark, kBezelLight, light), Coverage(r - G::kBezelRadius));
      const double shade = std::pow(std::min(r / G::kDialRadius, 1.0), 3);
      p.Blend(x, y, Mix(kDialCentre, kDialEdge, shade), Coverage(r - G::kDialRadius));
      p.Blend(x, y, kBezelDark, Coverage(std::abs(r - G::kDialRadius) - 0.5) * 0.7);
    }
  }
}

struct Mark {
  double inner, outer, halfWidth;
  Rgb colour;
};

Mark MarkFor(int minute) {
  if (minute == 0) return {68, 92, 3.2, kAccent};
  if (minute % 15 == 0) return {70, 92, 3.2, kMarkHour};
  if (minute % 5 == 0) return {76, 92, 2.0, kMarkHour};
  return {86, 92, 0.7, kMarkMinute};
}

void PaintMarks(Painter& p) {
  for (int minute = 0; minute < 60; ++minute) {
    const Mark m = MarkFor(minute);
    const double a = minute * std::numbers::pi / 30;
    const double sx = std::sin(a), sy = -std::cos(a);
    const double ax = G::kCentreX + sx * m.inner, ay = G::kCentreY + sy * m.inner;
    const double bx = G::kCentreX + sx * m.outer, by = G::kCentreY + sy * m.outer;
    const int x0 = static_cast<int>(std::min(ax, bx) - 5), x1 = static_cast<int>(std::max(ax, bx) + 5);
    const int y0 = static_cast<int>(std::min(ay, by) - 5), y1 = static_cast<int>(std::max(ay, by) + 5);
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x)
        p.Blend(x, y, m.colour, Coverage(SegmentDistance(x + 0.5, y + 0.5, ax, ay, bx, by) - m.halfWidth));
  }
}

void PaintDisplayWell(Painter& p) {
  for (int y = G::kDisplayTop - 2; y < G::kDisplayBottom + 2; ++y) {
    for (int x = G::kDisplayLeft - 2; x < G::kDisplayRight + 2; ++x) {
      const double d = RoundedBoxDistance(x + 0.5, y + 0.5, G::kDisplayLeft, G::kDisplayTop,
                                          G::kDisplayRight, G::kDisplayBottom, 10);
      p.Blend(x, y, kWellRim, Coverage(d));
      p.Blend(x, y, kWellFill, Coverage(d + 1.2));
    }
  }
}

}  // namespace

FacePicture DrawBuiltinFace() {
  FacePicture face;
  face.width = G::kWidth;
  face.height = G::kHeight;
  face.coverage.resize(static_cast<size_t>(G::kWidth) * G::kHeight);
  Painter painter(face);
  PaintPanel(painter, face);
  PaintDial(painter);
  PaintMarks(painter);
  PaintDisplayWell(painter);
  painter.Finish();
  return face;
}

}  // namespace tikolvo

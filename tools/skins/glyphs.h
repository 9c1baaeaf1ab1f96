#pragma once
// Drawn shapes the skins share: a small stroke font for dial numerals and
// preview read-outs (digits and the colon only; real labels are text the
// program draws with a system font), and the six button symbols.
#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "canvas.h"

namespace skins {

// ---- Stroke digits, drawn in a box one unit high; y grows downwards.

struct StrokeGlyph {
  double width = 0.58;
  std::vector<Polyline> strokes;
};

inline Polyline Join(Polyline a, const Polyline& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

inline StrokeGlyph Mirrored(StrokeGlyph glyph) {
  for (Polyline& stroke : glyph.strokes)
    for (Vec& p : stroke) p = {glyph.width - p.x, 1 - p.y};
  return glyph;
}

inline StrokeGlyph DigitGlyph(char c) {
  switch (c) {
    case '0': return {0.56, {Arc(0.28, 0.5, 0.26, 0.48, 0, 360, 48)}};
    case '1': return {0.42, {{{0.06, 0.2}, {0.32, 0.0}, {0.32, 1.0}}}};
    case '2': return {0.58, {Join(Arc(0.28, 0.27, 0.25, 0.25, 192, 400), {{0.03, 1.0}, {0.57, 1.0}})}};
    case '3':
      return {0.56, {Arc(0.27, 0.255, 0.235, 0.235, 205, 450), Arc(0.27, 0.735, 0.27, 0.265, 270, 515)}};
    case '4': return {0.6, {{{0.44, 1.0}, {0.44, 0.0}, {0.0, 0.68}, {0.6, 0.68}}}};
    case '5':
      return {0.57, {Join({{0.52, 0.0}, {0.1, 0.0}, {0.06, 0.47}}, Arc(0.29, 0.68, 0.27, 0.3, 222, 515))}};
    case '6':
      return {0.58, {Arc(0.29, 0.69, 0.27, 0.3, 0, 360, 48), Arc(0.64, 0.69, 0.62, 0.69, 180, 252)}};
    case '7': return {0.56, {{{0.0, 0.0}, {0.56, 0.0}, {0.18, 1.0}}}};
    case '8': return {0.58, {Arc(0.29, 0.255, 0.225, 0.245, 0, 360, 40), Arc(0.29, 0.73, 0.275, 0.27, 0, 360, 48)}};
    case '9': return Mirrored(DigitGlyph('6'));
    case ':': return {0.12, {{{0.06, 0.3}}, {{0.06, 0.86}}}};
    default: return {0.3, {}};
  }
}

constexpr double kStrokeSpacing = 0.16;

inline double StrokeTextWidth(std::string_view text, double height) {
  double width = 0;
  for (char c : text) width += (DigitGlyph(c).width + kStrokeSpacing) * height;
  return text.empty() ? 0 : width - kStrokeSpacing * height;
}

// Writes `text` centred on (cx, cy), `height` pixels tall, strokes `weight`
// pixels wide (the colon's dots a little heavier so they do not fade).
inline void DrawStrokeText(Canvas& canvas, std::string_view text, double cx, double cy, double height,
                           double weight, Rgb colour, double opacity = 1.0) {
  std::vector<Polyline> strokes;
  std::vector<double> widths;
  double x = cx - StrokeTextWidth(text, height) / 2;
  const double top = cy - height / 2;
  for (char c : text) {
    const StrokeGlyph glyph = DigitGlyph(c);
    for (const Polyline& stroke : glyph.strokes) {
      Polyline placed;
      for (const Vec& p : stroke) placed.push_back({x + p.x * height, top + p.y * height});
      strokes.push_back(placed);
      widths.push_back(c == ':' ? weight * 1.35 : weight);
    }
    x += (glyph.width + kStrokeSpacing) * height;
  }
  const double w = StrokeTextWidth(text, height);
  const Box box{static_cast<int>(cx - w / 2 - weight - 2), static_cast<int>(top - weight - 2),
                static_cast<int>(cx + w / 2 + weight + 3), static_cast<int>(top + height + weight + 3)};
  canvas.Fill(
      box,
      [&](double px, double py) {
        double best = 1e9;
        for (std::size_t i = 0; i < strokes.size(); ++i)
          best = std::min(best, PolylineDistance(px, py, strokes[i]) - widths[i] / 2);
        return best;
      },
      colour, opacity);
}

// ---- Button symbols. Each is a signed distance around its centre, sized
// to sit in a circle of radius 6.5 at scale 1 (an 18-pixel button).

enum class Glyph { kMinimise, kSettings, kClose, kPower, kWebMenu, kProgramMenu };

inline double GlyphDistance(Glyph glyph, double x, double y) {
  constexpr double kPen = 1.15;  // half the stroke width
  switch (glyph) {
    case Glyph::kMinimise:
      return SegmentDistance(x, y, -4.5, 2.5, 4.5, 2.5) - kPen;
    case Glyph::kClose:
      return std::min(SegmentDistance(x, y, -4, -4, 4, 4), SegmentDistance(x, y, -4, 4, 4, -4)) - kPen;
    case Glyph::kPower: {
      constexpr double kRadius = 5.2, kGap = 38;  // degrees either side of twelve o'clock
      const double angle = std::atan2(x, -y) * 180 / std::acos(-1.0);
      double ring;
      if (std::abs(angle) > kGap) {
        ring = std::abs(std::hypot(x, y) - kRadius);
      } else {
        const Vec left = ClockDirection(-kGap), right = ClockDirection(kGap);
        ring = std::min(std::hypot(x - left.x * kRadius, y - left.y * kRadius),
                        std::hypot(x - right.x * kRadius, y - right.y * kRadius));
      }
      return std::min(ring, SegmentDistance(x, y, 0, -6.6, 0, -1.2)) - kPen;
    }
    case Glyph::kWebMenu: {
      const double ring = std::abs(std::hypot(x, y) - 6.0) - 0.85;
      static const Polyline meridian = Arc(0, 0, 2.6, 6.0, 0, 360, 40);
      const double inner = std::min(PolylineDistance(x, y, meridian), SegmentDistance(x, y, -6, 0, 6, 0)) - 0.75;
      return std::min(ring, inner);
    }
    case Glyph::kProgramMenu: {
      double best = 1e9;
      for (double ox : {-3.0, 3.0})
        for (double oy : {-3.0, 3.0}) best = std::min(best, RoundedBoxDistance(x, y, ox - 2.1, oy - 2.1, ox + 2.1, oy + 2.1, 0.9));
      return best;
    }
    case Glyph::kSettings: {
      const double r = std::hypot(x, y);
      double teeth = 1e9;
      for (int i = 0; i < 8; ++i) {
        const Vec d = ClockDirection(i * 45.0 + 22.5);
        teeth = std::min(teeth, SegmentDistance(x, y, d.x * 3.5, d.y * 3.5, d.x * 5.6, d.y * 5.6) - 1.25);
      }
      const double body = std::min(r - 4.6, teeth);
      return std::max(body, -(r - 1.9));  // the hole in the middle
    }
  }
  return 1e9;
}

inline void DrawGlyph(Canvas& canvas, Glyph glyph, double cx, double cy, double scale, Rgb colour,
                      double opacity = 1.0) {
  canvas.Fill(
      BoxAround(cx, cy, 7.5 * scale),
      [&](double px, double py) { return GlyphDistance(glyph, (px - cx) / scale, (py - cy) / scale) * scale; },
      colour, opacity);
}

}  // namespace skins

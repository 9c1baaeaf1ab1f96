// Drawing one hand of the enhanced model from its record.
#include <algorithm>
#include <numbers>

#include "render/block_span.h"
#include "render/hand_model.h"

namespace tikolvo {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kMaxValue = 1 << 16;  // far beyond any face; keeps the sums in range

int Limit(int v) { return std::clamp(v, -kMaxValue, kMaxValue); }
Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }

Colour PenColour(const HandRecord& hand) {
  return hand.outline == kSameAsFill ? hand.fill : hand.outline;
}

// A hand record placed on a surface with `factor` samples per screen pixel.
class PlacedHand {
 public:
  PlacedHand(const HandRecord& hand, double angle, int factor)
      : hand_(hand),
        angle_(angle),
        factor_(factor),
        pivot_{Limit(hand.pivotX) * factor, Limit(hand.pivotY) * factor} {}

  Point Pivot() const { return pivot_; }
  // `length` screen pixels towards the tip, or behind the pivot.
  Point Along(int length) const { return PointAlong(pivot_, angle_, Limit(length) * factor_); }
  Point Behind(int length) const {
    return PointAlong(pivot_, angle_ + kPi, Limit(length) * factor_);
  }
  int StartPen() const { return Limit(hand_.startWidth) * factor_; }
  int EndPen() const { return Limit(hand_.endWidth) * factor_; }

  void DrawDisc(Surface& surface, Point shift, Colour fill, Colour outline) const {
    const int r = Limit(hand_.discRadius) * factor_;
    const Point c = pivot_ + shift;
    DrawEllipse(surface, c.x - r, c.y - r, c.x + r, c.y + r, fill, outline);
  }

  // The polygon's local x runs along the hand after turning by `turn`.
  void DrawPolygonPart(Surface& surface, const HandPolygon& polygon, double turn, Point shift,
                       Colour fill, Colour outline) const {
    const double c = std::cos(turn), s = std::sin(turn);
    Point corners[4];
    for (int k = 0; k < 4; ++k) {
      const double u = static_cast<double>(Limit(polygon.position) + Limit(polygon.points[k].x)) *
                       factor_;
      const double v = static_cast<double>(Limit(polygon.points[k].y)) * factor_;
      corners[k] = pivot_ + shift + Point{RoundToInt(c * u - s * v), RoundToInt(s * u + c * v)};
    }
    DrawPolygon(surface, corners, 4, fill, outline, Limit(polygon.outlineWidth));
  }

  // The end polygon sits behind the pivot, the start polygon towards the tip.
  void DrawPolygons(Surface& surface, Point shift, Colour fill, Colour outline) const {
    if (hand_.endPolygon.used) {
      DrawPolygonPart(surface, hand_.endPolygon, angle_ + kPi / 2, shift, fill, outline);
    }
    if (hand_.startPolygon.used) {
      DrawPolygonPart(surface, hand_.startPolygon, angle_ + 3 * kPi / 2, shift, fill, outline);
    }
  }

 private:
  const HandRecord& hand_;
  double angle_;
  int factor_;
  Point pivot_;
};

bool IsDrawn(const HandRecord& hand) {
  return hand.shape == HandShape::FirstForm || hand.shape == HandShape::ThirdForm;
}

}  // namespace

void DrawEnhancedHand(Surface& surface, const HandRecord& hand, double angle, int factor) {
  if (!IsDrawn(hand)) return;
  const PlacedHand placed(hand, angle, factor);
  const Colour pen = PenColour(hand);
  if (hand.discUsed) placed.DrawDisc(surface, {}, hand.fill, pen);
  if (hand.startUsed) {
    DrawLine(surface, placed.Along(hand.startPosition), placed.Along(hand.startLength),
             placed.StartPen(), pen);
  }
  if (hand.endUsed) {
    DrawLine(surface, placed.Behind(hand.endLength), placed.Behind(hand.endPosition),
             placed.EndPen(), pen);
  }
  if (hand.shape == HandShape::FirstForm) placed.DrawPolygons(surface, {}, hand.fill, pen);
}

void DrawEnhancedShadow(Surface& mask, const HandRecord& hand, double angle) {
  if (!IsDrawn(hand)) return;
  const PlacedHand placed(hand, angle, kSupersample);
  const Point shift{Limit(hand.shadowX), Limit(hand.shadowY)};
  if (hand.discUsed) placed.DrawDisc(mask, shift, 0, 0);
  if (hand.shape == HandShape::FirstForm) {
    if (hand.startUsed) {
      DrawLine(mask, placed.Along(hand.startPosition) + shift,
               placed.Along(hand.startLength) + shift, placed.StartPen(), 0);
    }
    if (hand.endUsed) {
      DrawLine(mask, placed.Behind(hand.endLength) + shift,
               placed.Behind(hand.endPosition) + shift, placed.EndPen(), 0);
    }
    placed.DrawPolygons(mask, shift, 0, 0);
    return;
  }
  // The third form's shadow segments are stretched: the start segment keeps
  // its unshifted start, the end segment runs from the shifted pivot.
  if (hand.startUsed) {
    DrawLine(mask, placed.Along(hand.startPosition), placed.Along(hand.startLength) + shift,
             placed.StartPen(), 0);
  }
  if (hand.endUsed) {
    DrawLine(mask, placed.Pivot() + shift, placed.Behind(hand.endLength) + shift,
             placed.EndPen(), 0);
  }
}

}  // namespace tikolvo

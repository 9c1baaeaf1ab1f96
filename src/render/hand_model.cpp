#include "render/hand_model.h"

#include <algorithm>
#include <numbers>

#include "render/block_span.h"

namespace tikolvo {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kMaxLength = 1 << 16;  // far beyond any face; keeps the sums in range

Point Scaled(Point p) { return {p.x * kSupersample, p.y * kSupersample}; }
Point Shifted(Point p, int by) { return {p.x + by, p.y + by}; }

// A hand of the simple model: from the centre along `angle`, its end rounded
// to a whole screen pixel before scaling up.
void SupersampledStroke(Surface& surface, Point centre, double angle, int length, double width,
                        Colour colour) {
  DrawLine(surface, Scaled(centre), Scaled(PointAlong(centre, angle, length)),
           RoundToInt(width * kSupersample), colour);
}

// Shadow pens are a fifth wider than their nominal width, which softens the
// shadow's edge once reduced; both ends move right and down by `offset`.
void ShadowStroke(Surface& mask, Point centre, double angle, int length, double width,
                  double offset) {
  const int shift = RoundToInt(offset * kSupersample);
  DrawLine(mask, Shifted(Scaled(centre), shift),
           Shifted(Scaled(PointAlong(centre, angle, length)), shift), RoundToInt(width * 5), 0);
}

void ScreenStroke(Surface& surface, Point centre, double angle, int length, int width,
                  Colour colour) {
  DrawLine(surface, centre, PointAlong(centre, angle, length), width, colour);
}

// Tails point backwards from the centre; the hour and minute hands only get
// one in full drawing and when they are long enough to carry it.
int HourTail(const SimpleHands& h) { return RoundToInt(h.hourLength / 4.0); }
int MinuteTail(const SimpleHands& h) { return RoundToInt(h.minuteLength / 3.2); }
int SecondTail(const SimpleHands& h) { return RoundToInt(h.secondLength / 3.0); }
bool HasHourTail(const SimpleScene& s) { return s.fullDrawing && s.hands.hourLength > 15; }
bool HasMinuteTail(const SimpleScene& s) { return s.fullDrawing && s.hands.minuteLength > 18; }

}  // namespace

Point PointAlong(Point centre, double angle, double length) {
  length = std::clamp(length, -kMaxLength, kMaxLength);
  return {centre.x + RoundToInt(std::sin(angle) * length),
          centre.y - RoundToInt(std::cos(angle) * length)};
}

void DrawSimpleShadows(Surface& mask, const SimpleScene& scene) {
  DrawSimpleStillShadows(mask, scene);
  DrawSimpleSecondShadow(mask, scene);
}

void DrawSimpleStillShadows(Surface& mask, const SimpleScene& scene) {
  const SimpleHands& h = scene.hands;
  const HandAngles& a = scene.angles;
  const Point c = scene.centre;
  if (scene.alarmShown) ShadowStroke(mask, c, a.alarm, h.alarmLength, 3.75, 2);
  ShadowStroke(mask, c, a.hour, h.hourLength, 3.75, 1.5);
  ShadowStroke(mask, c, a.minute, h.minuteLength, 3.75, 2);
}

void DrawSimpleSecondShadow(Surface& mask, const SimpleScene& scene) {
  const SimpleHands& h = scene.hands;
  ShadowStroke(mask, scene.centre, scene.angles.second, h.secondLength, 3, 2.75);
  ShadowStroke(mask, scene.centre, scene.angles.second + kPi, SecondTail(h), 3, 2.75);
}

void DrawSimpleSecondHand(Surface& surface, const SimpleScene& scene) {
  const SimpleHands& h = scene.hands;
  SupersampledStroke(surface, scene.centre, scene.angles.second, h.secondLength, 1, h.secondColour);
  SupersampledStroke(surface, scene.centre, scene.angles.second + kPi, SecondTail(h), 1, h.secondColour);
}

void DrawSimpleHands(Surface& surface, const SimpleScene& scene) {
  DrawSimpleStillHands(surface, scene);
  DrawSimpleSecondHand(surface, scene);
  DrawSimpleCentre(surface, scene);
}

void DrawSimpleStillHands(Surface& surface, const SimpleScene& scene) {
  const SimpleHands& h = scene.hands;
  const HandAngles& a = scene.angles;
  const Point c = scene.centre;
  if (scene.alarmShown) SupersampledStroke(surface, c, a.alarm, h.alarmLength, 1, h.alarmColour);
  SupersampledStroke(surface, c, a.hour, h.hourLength, 3, h.hourColour);
  if (HasHourTail(scene)) SupersampledStroke(surface, c, a.hour + kPi, HourTail(h), 3, h.hourColour);
  SupersampledStroke(surface, c, a.minute, h.minuteLength, 2, h.minuteColour);
  if (HasMinuteTail(scene)) {
    SupersampledStroke(surface, c, a.minute + kPi, MinuteTail(h), 2, h.minuteColour);
  }
}

void DrawSimpleCentre(Surface& surface, const SimpleScene& scene) {
  const int radius = RoundToInt(2.5 * kSupersample);
  const Point centre = Scaled(scene.centre);
  const Colour colour = scene.hands.secondColour;
  DrawEllipse(surface, centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius, colour, colour);
}

void DrawSimpleHandsKeyColour(Surface& surface, const SimpleScene& scene) {
  const SimpleHands& h = scene.hands;
  const HandAngles& a = scene.angles;
  const Point c = scene.centre;
  if (scene.alarmShown) ScreenStroke(surface, c, a.alarm, h.alarmLength, 1, h.alarmColour);
  ScreenStroke(surface, c, a.hour, h.hourLength, 3, h.hourColour);
  if (HasHourTail(scene)) ScreenStroke(surface, c, a.hour + kPi, HourTail(h), 2, h.hourColour);
  ScreenStroke(surface, c, a.minute, h.minuteLength, 1, h.minuteColour);
  if (HasMinuteTail(scene)) {
    ScreenStroke(surface, c, a.minute + kPi, MinuteTail(h), 2, h.minuteColour);
  }
  ScreenStroke(surface, c, a.second, h.secondLength, 1, h.secondColour);
  ScreenStroke(surface, c, a.second + kPi, SecondTail(h), 1, h.secondColour);
}

void DrawMiniatureHands(Surface& surface, const SimpleScene& scene) {
  const SimpleHands& h = scene.hands;
  const HandAngles& a = scene.angles;
  const Point c = Scaled(scene.centre);
  constexpr int k = kSupersample;
  DrawLine(surface, c, PointAlong(c, a.hour, h.hourLength * k), 2 * k, h.hourColour);
  DrawLine(surface, c, PointAlong(c, a.minute, h.minuteLength * k), 1 * k, h.minuteColour);
  DrawLine(surface, c, PointAlong(c, a.second, h.secondLength * k), 1 * k, h.secondColour);
  DrawEllipse(surface, c.x - k, c.y - k, c.x + k, c.y + k, h.secondColour, h.secondColour);
}

HandShape HandShapeFromFile(int value, HandShape current) {
  switch (value) {
    case 0: return HandShape::None;
    case 1: return HandShape::FirstForm;
    case 3: return HandShape::SecondForm;
    case 4: return HandShape::ThirdForm;
    default: return current;
  }
}

}  // namespace tikolvo

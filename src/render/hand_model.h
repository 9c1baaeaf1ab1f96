#pragma once
// What a clock hand is, in both models the skins can ask for, and where its
// parts lie. Angles are radians clockwise from 12 o'clock; the caller works
// them out for the present moment.
#include <array>
#include <cmath>
#include <cstdint>

#include "render/bitmap.h"
#include "render/rasterizer.h"

namespace tikolvo {

// Rounding to the nearest whole number, halves to even (the program's rounding).
inline int RoundToInt(double v) { return static_cast<int>(std::nearbyint(v)); }

// The point `length` away from `centre` along `angle`, rounded to whole pixels.
Point PointAlong(Point centre, double angle, double length);

struct HandAngles {
  double second = 0;
  double minute = 0;
  double hour = 0;
  double hour24 = 0;
  double weekday = 0;
  double month = 0;
  double alarm = 0;
  bool operator==(const HandAngles&) const = default;
};

// ---- Simple model: four straight hands about the centre of the rectangle.

struct SimpleHands {
  int hourLength = 20;
  int minuteLength = 30;
  int secondLength = 40;
  int alarmLength = 50;
  Colour hourColour = 0x0000FF;
  Colour minuteColour = 0x00FF00;
  Colour secondColour = 0x008000;
  Colour alarmColour = 0xFF0000;
  bool operator==(const SimpleHands&) const = default;
};

// The settings window's miniature clock: short black hands, a dark red second hand.
constexpr SimpleHands kMiniatureHands{4, 7, 9, 0, 0x000000, 0x000000, 0x000080, 0x000000};

struct SimpleScene {
  SimpleHands hands;
  HandAngles angles;
  Point centre;              // in screen pixels of the hand rectangle
  bool fullDrawing = false;  // tails of the hour and minute hands, shadows
  bool alarmShown = false;
};

// Supersampled drawing: hand ends rounded to screen pixels, then scaled by 4.
void DrawSimpleShadows(Surface& mask, const SimpleScene& scene);
void DrawSimpleHands(Surface& surface, const SimpleScene& scene);
// The same in the parts the engine keeps apart: the shadows and hands that
// stand still within a minute, the second hand with its shadow (what moves
// in a second when nothing else does), and the centre disc over it.
void DrawSimpleStillShadows(Surface& mask, const SimpleScene& scene);
void DrawSimpleSecondShadow(Surface& mask, const SimpleScene& scene);
void DrawSimpleStillHands(Surface& surface, const SimpleScene& scene);
void DrawSimpleSecondHand(Surface& surface, const SimpleScene& scene);
void DrawSimpleCentre(Surface& surface, const SimpleScene& scene);
// Screen-resolution drawing for key-colour faces: no shadows, no centre disc.
void DrawSimpleHandsKeyColour(Surface& surface, const SimpleScene& scene);
// The miniature: hour, minute and second hands at full supersampled precision.
void DrawMiniatureHands(Surface& surface, const SimpleScene& scene);

// ---- Enhanced model: seven hands, each built from a record.

enum class HandShape : std::uint8_t { None, FirstForm, SecondForm, ThirdForm };

// Skin files number the shapes 0, 1, 3, 4; any other number keeps `current`.
HandShape HandShapeFromFile(int value, HandShape current);

struct HandPolygon {
  bool used = false;
  HandShape type = HandShape::None;
  std::array<Point, 4> points{};  // x along the hand, y across it, screen pixels
  int position = 0;               // shift along the hand, screen pixels
  int outlineWidth = 1;           // in supersampled pixels
  bool operator==(const HandPolygon&) const = default;
};

// Outline colour meaning "the same as the fill colour".
constexpr Colour kSameAsFill = 0xFFFFFFFFu;

struct HandRecord {
  int pivotX = 38;
  int pivotY = 38;
  int startWidth = 4;
  int startLength = 38;
  bool startUsed = true;
  HandPolygon startPolygon;
  int startPosition = 0;  // where the start segment begins
  int endPosition = 0;    // where the end segment ends, behind the pivot
  bool endUsed = false;
  int endLength = 10;
  int endWidth = 4;
  HandPolygon endPolygon;
  bool discUsed = true;
  int discRadius = 8;
  int shadowX = 8;  // supersampled pixels
  int shadowY = 8;
  HandShape shape = HandShape::FirstForm;
  bool smooth = false;  // month and weekday hands move within their step
  Colour fill = 0;
  Colour outline = kSameAsFill;
  bool operator==(const HandRecord&) const = default;
};

// The records in the order the engine keeps them.
enum class HandId { Second, Minute, Hour, Alarm, Hour24, Month, Weekday };
constexpr int kHandCount = 7;

// One hand at `factor` samples per screen pixel (4 supersampled, 1 at screen
// resolution): disc, start segment, end segment, end polygon, start polygon.
void DrawEnhancedHand(Surface& surface, const HandRecord& hand, double angle, int factor);
// Its shadow shapes in the supersampled mask, shifted by the shadow offset.
void DrawEnhancedShadow(Surface& mask, const HandRecord& hand, double angle);

}  // namespace tikolvo

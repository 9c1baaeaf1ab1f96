#include "render/engine.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <numbers>

#include "render/reference_pipeline.h"

namespace tikolvo {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr Colour kHour = 0x0000FF, kMinute = 0x00FF00, kSecond = 0xFF0000, kAlarm = 0x00FFFF;

HandAngles AnglesAt(int h, int m, int s) {
  HandAngles a;
  a.second = s / 60.0 * 2 * kPi;
  a.minute = m / 60.0 * 2 * kPi + a.second / 60;
  a.hour = (h % 12) / 12.0 * 2 * kPi + a.minute / 12;
  a.hour24 = h / 24.0 * 2 * kPi + a.minute / 24;
  a.weekday = 3 / 7.0 * 2 * kPi;
  a.month = 5 / 12.0 * 2 * kPi;
  a.alarm = 7 / 12.0 * 2 * kPi;
  return a;
}

// A face-sized picture and an engine looking at a 60 x 50 rectangle of it.
struct Fixture {
  Bitmap24 face = reference::RandomPicture(90, 80, 5);
  Engine engine;

  explicit Fixture(bool keyColour = false) {
    engine.SetHandRect({12, 9, 72, 59});
    SimpleHands& s = engine.Simple();
    s = {18, 20, 24, 16, kHour, kMinute, kSecond, kAlarm};
    if (keyColour) {
      engine.SetKeyColourBackground(face);
    } else {
      engine.SetBackground(face);
    }
  }

  Bitmap24 Background() const {
    Bitmap24 b(60, 50);
    CutRectangle(face, 12, 9, b);
    return b;
  }

  SimpleScene Scene(const HandAngles& angles) {
    const EngineOptions& o = engine.Options();
    return {engine.Simple(), angles, {30, 25}, o.fullDrawing, o.alarmShown};
  }
};

class SimpleModelAgainstReference : public ::testing::TestWithParam<int> {};

TEST_P(SimpleModelAgainstReference, FullDrawingWithShadowsIsBitIdentical) {
  Fixture f;
  f.engine.Options() = {.fullDrawing = true, .shadow = true, .alarmShown = true};
  const int t = GetParam();
  const HandAngles angles = AnglesAt(t % 24, (t * 7) % 60, (t * 13) % 60);
  f.engine.SetAngles(angles);
  const SimpleScene scene = f.Scene(angles);
  reference::Steps steps;
  steps.shadows = [&](Surface& s) { DrawSimpleShadows(s, scene); };
  steps.fraction = 0.11;
  steps.hands = [&](Surface& s) { DrawSimpleHands(s, scene); };
  ASSERT_TRUE(f.engine.Draw() == reference::Draw(f.Background(), steps)) << t;
}

INSTANTIATE_TEST_SUITE_P(Moments, SimpleModelAgainstReference, ::testing::Range(0, 48, 5));

HandRecord PolygonHand(Colour fill, Colour outline, int length) {
  HandRecord r;
  r.pivotX = 30, r.pivotY = 25;
  r.startWidth = 2, r.startLength = length, r.startPosition = 3;
  r.endUsed = true, r.endLength = 6, r.endWidth = 3, r.endPosition = 1;
  r.discRadius = 3;
  r.shadowX = 9, r.shadowY = 14;
  r.fill = fill, r.outline = outline;
  r.startPolygon = {true, HandShape::FirstForm, {{{0, -2}, {6, 0}, {0, 2}, {-1, 0}}}, length, 3};
  r.endPolygon = {true, HandShape::FirstForm, {{{0, -3}, {4, -3}, {4, 3}, {0, 3}}}, 2, 1};
  return r;
}

void ConfigureEnhanced(Engine& e, bool secondBeneath) {
  e.Options() = {.shadow = true, .alarmShown = true, .enhanced = true,
                 .secondBeneath = secondBeneath, .shadowPercent = 35};
  e.Hand(HandId::Hour) = PolygonHand(0x102030, kSameAsFill, 12);
  e.Hand(HandId::Minute) = PolygonHand(0x405060, 0x0000FF, 18);
  e.Hand(HandId::Second) = PolygonHand(0xF0F0F0, 0x00FF00, 22);
  e.Hand(HandId::Second).shape = HandShape::ThirdForm;
  e.Hand(HandId::Alarm) = PolygonHand(0x00FFFF, kSameAsFill, 9);
  e.Hand(HandId::Hour24) = PolygonHand(0x777777, kSameAsFill, 14);
  e.Hand(HandId::Hour24).shape = HandShape::SecondForm;
  e.Hand(HandId::Month) = PolygonHand(0x0055AA, kSameAsFill, 16);
  e.Hand(HandId::Month).pivotX = 20;
  e.Hand(HandId::Weekday) = PolygonHand(0xAA5500, kSameAsFill, 16);
  e.Hand(HandId::Weekday).shape = HandShape::ThirdForm;
  e.Hand(HandId::Weekday).pivotX = 40;
}

TEST(Engine, EnhancedModelWithShadowsIsBitIdentical) {
  for (bool beneath : {false, true}) {
    Fixture f;
    ConfigureEnhanced(f.engine, beneath);
    const HandAngles a = AnglesAt(10, 8, 41);
    f.engine.SetAngles(a);
    auto draw = [&](Surface& s, HandId id, double angle) {
      DrawEnhancedHand(s, f.engine.Hand(id), angle, 4);
    };
    reference::Steps steps;
    steps.underShadows = [&](Surface& s) {
      draw(s, HandId::Month, a.month);
      draw(s, HandId::Weekday, a.weekday);
    };
    steps.shadows = [&](Surface& s) {
      const std::pair<HandId, double> hands[] = {{HandId::Hour24, a.hour24},
                                                 {HandId::Alarm, a.alarm},
                                                 {HandId::Hour, a.hour},
                                                 {HandId::Minute, a.minute},
                                                 {HandId::Second, a.second}};
      for (const auto& [id, angle] : hands) DrawEnhancedShadow(s, f.engine.Hand(id), angle);
    };
    steps.fraction = 0.35;
    steps.hands = [&](Surface& s) {
      draw(s, HandId::Hour24, a.hour24);
      draw(s, HandId::Alarm, a.alarm);
      if (beneath) draw(s, HandId::Second, a.second);
      draw(s, HandId::Hour, a.hour);
      draw(s, HandId::Minute, a.minute);
      if (!beneath) draw(s, HandId::Second, a.second);
    };
    ASSERT_TRUE(f.engine.Draw() == reference::Draw(f.Background(), steps)) << beneath;
  }
}

TEST(Engine, MiniatureIsBitIdentical) {
  Fixture f;
  f.engine.Simple() = kMiniatureHands;
  const HandAngles a = AnglesAt(4, 47, 13);
  f.engine.SetAngles(a);
  const SimpleScene scene = f.Scene(a);
  reference::Steps steps;
  steps.hands = [&](Surface& s) { DrawMiniatureHands(s, scene); };
  EXPECT_TRUE(f.engine.DrawMiniature() == reference::Draw(f.Background(), steps));
}

TEST(Engine, ZeroLengthHandIsADotOfItsPenWidth) {
  Fixture f(/*keyColour=*/true);
  f.engine.Simple().hourLength = 0;
  f.engine.Simple().minuteLength = 0;
  f.engine.Simple().secondLength = 0;
  f.engine.SetAngles(AnglesAt(3, 20, 40));
  const Bitmap24& out = f.engine.Draw();
  const Bitmap24 background = f.Background();
  for (int y = 0; y < out.Height(); ++y) {
    for (int x = 0; x < out.Width(); ++x) {
      const int dx = x - 30, dy = y - 25;
      Colour expected = background.Pixel(x, y);
      if (dx == 0 && dy == 0) {
        expected = kSecond;  // the one-pixel second hand comes last
      } else if (std::abs(dx) <= 1 && std::abs(dy) <= 1) {
        expected = kHour;  // the three-pixel hour pen
      }
      ASSERT_EQ(out.Pixel(x, y), expected) << x << "," << y;
    }
  }
}

TEST(Engine, ZeroLengthHandsSupersampledStayAroundTheCentre) {
  Fixture f;
  f.engine.Simple() = {0, 0, 0, 0, kHour, kMinute, kSecond, kAlarm};
  f.engine.Options() = {.fullDrawing = true, .alarmShown = true};
  f.engine.SetAngles(AnglesAt(3, 20, 40));
  const Bitmap24& out = f.engine.Draw();
  const Bitmap24 background = f.Background();
  for (int y = 0; y < out.Height(); ++y) {
    for (int x = 0; x < out.Width(); ++x) {
      // The centre disc (radius 2.5) is the largest dot.
      const bool nearCentre = x >= 30 - 3 && x <= 30 + 2 && y >= 25 - 3 && y <= 25 + 2;
      if (!nearCentre) {
        ASSERT_EQ(out.Pixel(x, y), background.Pixel(x, y)) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(out.Pixel(30, 25), kSecond);
}

TEST(Engine, HourTailNeedsFullDrawingAndALengthAbove15) {
  auto tailPixel = [](int hourLength, bool full) {
    Fixture f(/*keyColour=*/true);
    f.engine.Simple().hourLength = hourLength;
    f.engine.Options().fullDrawing = full;
    HandAngles a = AnglesAt(0, 15, 15);  // hour up; minute and second to the right
    a.hour = 0;
    f.engine.SetAngles(a);
    return f.engine.Draw().Pixel(30, 25 + 3);  // three pixels below the centre
  };
  EXPECT_EQ(tailPixel(16, true), kHour);
  EXPECT_NE(tailPixel(15, true), kHour);
  EXPECT_NE(tailPixel(16, false), kHour);
}

TEST(Engine, ShadowNeedsFullDrawingInTheSimpleModel) {
  auto draw = [](bool shadow, bool full) {
    Fixture f;
    f.engine.Options() = {.fullDrawing = full, .shadow = shadow};
    f.engine.SetAngles(AnglesAt(2, 40, 5));
    return f.engine.Draw();
  };
  EXPECT_TRUE(draw(true, false) == draw(false, false));
  EXPECT_FALSE(draw(true, true) == draw(false, true));
}

TEST(Engine, AlarmHandOnlyWhenShown) {
  auto alarmPixel = [](bool shown) {
    Fixture f(/*keyColour=*/true);
    f.engine.Options().alarmShown = shown;
    HandAngles a = AnglesAt(0, 0, 0);
    a.alarm = kPi / 2;  // three o'clock, away from the others
    f.engine.SetAngles(a);
    return f.engine.Draw().Pixel(30 + 10, 25);
  };
  EXPECT_EQ(alarmPixel(true), kAlarm);
  EXPECT_NE(alarmPixel(false), kAlarm);
}

// A disc-only hand on white, its shadow well away from it.
Colour ShadowCentreWithPercent(int percent) {
  Bitmap24 white(40, 40);
  white.Fill(0xFFFFFF);
  Engine engine;
  engine.SetHandRect({0, 0, 40, 40});
  engine.SetBackground(white);
  engine.Options() = {.shadow = true, .enhanced = true, .shadowPercent = percent};
  for (int id = 0; id < kHandCount; ++id) engine.Hand(static_cast<HandId>(id)).shape = HandShape::None;
  HandRecord& hour = engine.Hand(HandId::Hour);
  hour = {};
  hour.pivotX = 10, hour.pivotY = 10, hour.discRadius = 4;
  hour.startUsed = false;
  hour.shadowX = 4 * 15, hour.shadowY = 4 * 15;  // fifteen screen pixels
  hour.fill = 0x000080;
  return engine.Draw().Pixel(25, 25);
}

TEST(Engine, ShadowPercentIsClampedWhenDarkening) {
  EXPECT_EQ(ShadowCentreWithPercent(150), 0x000000u);
  EXPECT_EQ(ShadowCentreWithPercent(100), 0x000000u);
  EXPECT_EQ(ShadowCentreWithPercent(-30), 0xFFFFFFu);
  EXPECT_EQ(ShadowCentreWithPercent(50), 0x7F7F7Fu);  // 255 - 128: 127.5 rounds to even
}

TEST(Engine, SecondHandBeneathFlagDecidesWhichHandCovers) {
  auto overlap = [](bool beneath) {
    Fixture f(/*keyColour=*/true);
    ConfigureEnhanced(f.engine, beneath);
    HandAngles a = AnglesAt(0, 0, 0);  // hour and second both at twelve
    a.minute = kPi / 2;
    f.engine.SetAngles(a);
    return f.engine.Draw().Pixel(30, 25 - 8);
  };
  EXPECT_EQ(overlap(true), 0x102030u);  // the hour hand, drawn later
  EXPECT_EQ(overlap(false), 0x00FF00u);  // the second hand's pen
}

PixelBox DifferingPixels(const Bitmap24& a, const Bitmap24& b) {
  PixelBox box{a.Width(), a.Height(), 0, 0};
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y))
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
  return box.Empty() ? PixelBox{} : box;
}

// The clock asks twice a second; the picture only changes once a second.
TEST(Engine, DrawsAgainOnlyForAChangedSceneAndReportsTheChangedPixels) {
  for (bool keyColour : {false, true}) {
    Fixture f(keyColour);
    f.engine.Options() = {.fullDrawing = true, .shadow = true};
    f.engine.SetAngles(AnglesAt(3, 20, 10));
    const Bitmap24 first = f.engine.Draw();
    EXPECT_EQ(f.engine.LastChange(), (PixelBox{0, 0, 60, 50}));  // a first picture is all new
    f.engine.SetAngles(AnglesAt(3, 20, 10));
    EXPECT_TRUE(f.engine.UpToDate());
    EXPECT_FALSE(f.engine.UpToDate(Backdrop::Night));

    f.engine.SetAngles(AnglesAt(3, 20, 11));
    ASSERT_FALSE(f.engine.UpToDate());
    const Bitmap24 second = f.engine.Draw();
    Fixture fresh(keyColour);
    fresh.engine.Options() = f.engine.Options();
    fresh.engine.SetAngles(AnglesAt(3, 20, 11));
    EXPECT_TRUE(second == fresh.engine.Draw());
    const PixelBox changed = DifferingPixels(first, second);
    EXPECT_EQ(f.engine.LastChange(), changed);
    EXPECT_LT(changed.Width() * changed.Height(), 60 * 50 / 2);

    f.engine.Simple().secondColour = 0x123456;  // colours, options and hand records count too
    EXPECT_FALSE(f.engine.UpToDate());
    f.engine.Draw();
    f.engine.Hand(HandId::Hour).fill = 1;
    EXPECT_FALSE(f.engine.UpToDate());
    f.engine.Draw();
    f.engine.Draw();
    EXPECT_TRUE(f.engine.LastChange().Empty()) << "a record the simple model does not draw changes no pixel";
    f.engine.SetBackground(f.face);
    EXPECT_FALSE(f.engine.UpToDate());
  }
}

// The hour and minute stand still while the second hand goes round: each
// picture redraws only a band of rows, and must still equal a picture drawn
// from nothing, with the change reported exactly.
TEST(Engine, ASecondHandGoingRoundLeavesNothingBehind) {
  for (bool enhanced : {false, true}) {
    Fixture f, fresh;
    for (Engine* e : {&f.engine, &fresh.engine}) {
      if (enhanced) {
        ConfigureEnhanced(*e, false);
      } else {
        e->Options() = {.fullDrawing = true, .shadow = true, .alarmShown = true};
      }
    }
    HandAngles a = AnglesAt(10, 8, 0);
    Bitmap24 before = f.engine.Draw();
    for (int s = 1; s <= 60; s += 3) {
      a.second = s / 60.0 * 2 * kPi;
      f.engine.SetAngles(a);
      fresh.engine.SetAngles(a);
      fresh.engine.Draw(Backdrop::Night);  // a different scene first: the next picture is drawn whole
      const Bitmap24& drawn = f.engine.Draw();
      ASSERT_TRUE(drawn == fresh.engine.Draw()) << enhanced << " " << s;
      EXPECT_EQ(f.engine.LastChange(), DifferingPixels(before, drawn)) << enhanced << " " << s;
      before = drawn;
    }
  }
}

TEST(Engine, DrawsNothingBeforeABackgroundIsSet) {
  Engine engine;
  EXPECT_TRUE(engine.Draw().Empty());
  EXPECT_TRUE(engine.DrawMiniature().Empty());
  Bitmap32 layer(4, 4);
  engine.DrawIntoLayer(0, 0, layer);
  EXPECT_EQ(layer.Alpha(0, 0), 0);
}

TEST(Engine, DayAndNightPicturesNarrowerThanSixPixelsCountAsAbsent) {
  Fixture f(/*keyColour=*/true);
  f.engine.Simple() = {0, 0, 0, 0, kHour, kMinute, kSecond, kAlarm};
  Bitmap24 day(90, 80), narrow(5, 80);
  day.Fill(0x123456);
  narrow.Fill(0x654321);
  f.engine.SetDayPicture(day);
  f.engine.SetNightPicture(narrow);
  EXPECT_TRUE(f.engine.HasDayPicture());
  EXPECT_FALSE(f.engine.HasNightPicture());
  EXPECT_EQ(f.engine.Draw(Backdrop::Day).Pixel(0, 0), 0x123456u);
  EXPECT_EQ(f.engine.Draw(Backdrop::Night).Pixel(0, 0), f.Background().Pixel(0, 0));
}

TEST(HandModel, ShapeNumbersFromSkinFiles) {
  EXPECT_EQ(HandShapeFromFile(0, HandShape::FirstForm), HandShape::None);
  EXPECT_EQ(HandShapeFromFile(1, HandShape::None), HandShape::FirstForm);
  EXPECT_EQ(HandShapeFromFile(3, HandShape::None), HandShape::SecondForm);
  EXPECT_EQ(HandShapeFromFile(4, HandShape::None), HandShape::ThirdForm);
  EXPECT_EQ(HandShapeFromFile(2, HandShape::ThirdForm), HandShape::ThirdForm);
  EXPECT_EQ(HandShapeFromFile(-1, HandShape::SecondForm), HandShape::SecondForm);
}

}  // namespace
}  // namespace tikolvo

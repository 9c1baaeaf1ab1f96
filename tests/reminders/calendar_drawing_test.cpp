// The calendar control's picture, painted into a pixel canvas: the colour
// rules, the tints of the selected and marked days, today's frames, the
// looks of hovered and pressed elements and where the texts go.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/utf8_text.h"
#include "reminders/calendar_drawing.h"

namespace tikolvo::calendar {
namespace {

struct DrawnText {
  int x;
  int y;
  std::string text;
};

// Pixels 0x00BBGGRR; every character 6 pixels wide, every line 10 high.
class PixelCanvas : public ShapeCanvas {
 public:
  static constexpr int kCharWidth = 6;
  static constexpr int kLineHeight = 10;

  PixelCanvas(int width, int height) : width(width), height(height), pixels(width * height, 0xABCDEF) {}

  void SetFont(const CanvasFont&) override {}
  void SetTextColour(std::uint32_t) override {}
  TextExtent MeasureText(std::string_view utf8) override {
    return {static_cast<int>(CharCount(utf8)) * kCharWidth, kLineHeight};
  }
  void DrawText(int x, int y, std::string_view utf8) override { texts.push_back({x, y, std::string(utf8)}); }
  void FillRect(const CanvasRect& r, std::uint32_t colour) override {
    Each(r, [colour](Colour& p) { p = colour; });
  }
  void TintRect(const CanvasRect& r, std::uint32_t colour) override {
    Each(r, [colour](Colour& p) { p = Tint(p, colour); });
  }

  Colour At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
  bool Has(Colour c, const CanvasRect& r) const {
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if (At(x, y) == c) return true;
    return false;
  }
  const DrawnText* Text(const std::string& text) const {
    const auto it = std::find_if(texts.begin(), texts.end(), [&](const DrawnText& t) { return t.text == text; });
    return it == texts.end() ? nullptr : &*it;
  }

  int width;
  int height;
  std::vector<Colour> pixels;
  std::vector<DrawnText> texts;

 private:
  template <typename F>
  void Each(const CanvasRect& r, F f) {
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, height); ++y)
      for (int x = std::max(r.left, 0); x < std::min(r.right, width); ++x) f(pixels[static_cast<std::size_t>(y * width + x)]);
  }
};

constexpr int kW = 225;
constexpr int kH = 241;
const CalendarLook kLook;
const Colour kFace = kLook.face;

PixelCanvas Draw(const CalendarState& s, DateTime today) {
  PixelCanvas canvas(s.GetLayout().Width(), s.GetLayout().Height());
  DrawCalendar(s, canvas, kLook, today);
  return canvas;
}

CanvasRect CellOf(const CalendarState& s, int day) { return s.GetLayout().CellRect(s.Shown().CellOf(day)); }

// A point inside the cell's inner gradient, away from the number.
struct Probe {
  int x;
  int y;
};
Probe GradientProbe(const CanvasRect& cell) { return {cell.left + 3, cell.top + 5}; }

void PressDay(CalendarState& s, int day) {
  const CanvasRect r = CellOf(s, day);
  s.Press(r.left + 5, r.top + 5);
  s.Release(r.left + 5, r.top + 5);
  s.Leave();
}

TEST(CalendarColours, RulesOnChannels) {
  EXPECT_EQ(Lighten(0x000000, 50), 0x7F7F7Fu);
  EXPECT_EQ(Lighten(0x0080FF, 20), 0x3399FFu);  // 0x80 + 20 × 0x7F / 100 = 0x99
  EXPECT_EQ(Darken(0x102030, 40), 0x000008u) << "a value, stopping at 0";
  EXPECT_EQ(Blend(0x000000, 0xFFFFFF, 0.25), 0x404040u);  // 63.75
  EXPECT_EQ(Blend(0xFFFFFF, kMaroon, 0.8), 0x333399u);  // red 0.2 × 255 + 0.8 × 128 = 153.4
  EXPECT_EQ(TintChannel(255, 255), 255);
  EXPECT_EQ(TintChannel(1, 0), 1);  // 0.7 rounds up
  EXPECT_EQ(TintChannel(0, 5), 2);  // 1.5 rounds up
  EXPECT_EQ(Tint(0x000000, 0xFFFFFF), 0x4D4D4Du);
}

TEST(CalendarColours, GradientEndsOnTheBottomColourAndStartsOneStepIn) {
  EXPECT_EQ(GradientRow(0x000000, 0x0A0A0A, 1, 10), 0x010101u);
  EXPECT_EQ(GradientRow(0x000000, 0x0A0A0A, 10, 10), 0x0A0A0Au);
  EXPECT_EQ(GradientRow(0xFF0000, 0x000000, 2, 4), 0x800000u);  // 127.5 rounds away
  EXPECT_EQ(GradientRow(0x123456, 0x654321, 1, 0), 0x654321u) << "no rows, no division";
}

TEST(CalendarPicture, SelectedDayIsTintedAndWinsOverItsMark) {
  CalendarState plain(EncodeDate(2026, 6, 10), kW, kH);
  CalendarState picked(EncodeDate(2026, 6, 10), kW, kH);
  PressDay(picked, 17);
  plain.SetMarkedDays({17, 18});
  picked.SetMarkedDays({17, 18});
  const DateTime today = EncodeDate(2030, 1, 1);
  const PixelCanvas a = Draw(plain, today);
  const PixelCanvas b = Draw(picked, today);
  const Probe p17 = GradientProbe(CellOf(plain, 17));
  const Probe p18 = GradientProbe(CellOf(plain, 18));
  const Probe p19 = GradientProbe(CellOf(plain, 19));
  const Colour untinted = b.At(p19.x, p19.y);  // an unmarked day looks the same in both
  EXPECT_EQ(a.At(p19.x, p19.y), untinted);
  EXPECT_EQ(a.At(p17.x, p17.y), Tint(untinted, kMarkedTint));
  EXPECT_EQ(b.At(p17.x, p17.y), Tint(untinted, kSelectedTint));
  EXPECT_EQ(b.At(p18.x, p18.y), Tint(untinted, kMarkedTint));
  // The frame is drawn over the tint.
  const CanvasRect cell = CellOf(picked, 17);
  EXPECT_EQ(b.At(cell.left, cell.top + 4), Darken(kFace, 80));
}

TEST(CalendarPicture, TodayIsFramedOnlyInTodaysMonth) {
  CalendarState s(EncodeDate(2026, 6, 10), kW, kH);
  const Colour outer = Blend(kFace, kMaroon, 0.8);
  const Colour inner = Blend(kFace, kMaroon, 0.25);
  const PixelCanvas shown = Draw(s, EncodeDate(2026, 6, 24) + 0.75);
  const CanvasRect cell = CellOf(s, 24);
  EXPECT_EQ(shown.At(cell.left + 1, cell.top + 6), outer);
  EXPECT_EQ(shown.At(cell.left + 3, cell.top + 6), inner);
  EXPECT_EQ(shown.At(cell.left + 6, cell.bottom - 2), outer);
  EXPECT_FALSE(shown.Has(outer, CellOf(s, 23)));

  const PixelCanvas elsewhere = Draw(s, EncodeDate(2026, 7, 24));
  EXPECT_FALSE(elsewhere.Has(outer, s.GetLayout().Weeks()));
  EXPECT_FALSE(elsewhere.Has(inner, s.GetLayout().Weeks()));
  const PixelCanvas otherYear = Draw(s, EncodeDate(2025, 6, 24));
  EXPECT_FALSE(otherYear.Has(outer, s.GetLayout().Weeks()));
}

TEST(CalendarPicture, HoveredAndPressedCellsChangeTheirInnerGradient) {
  CalendarState s(EncodeDate(2026, 6, 10), kW, kH);
  const CanvasRect cell = CellOf(s, 9);
  const int innerTop = cell.top + 3;
  const int innerHeight = cell.Height() - 6;
  const int x = cell.left + 3;
  auto firstRow = [&](const PixelCanvas& c) { return c.At(x, innerTop); };

  EXPECT_EQ(firstRow(Draw(s, 0)), GradientRow(Darken(kFace, 20), Lighten(kFace, 60), 1, innerHeight));
  s.Enter();
  s.Move(cell.left + 5, cell.top + 5);
  EXPECT_EQ(firstRow(Draw(s, 0)), GradientRow(Lighten(kFace, 60), Darken(kFace, 10), 1, innerHeight));
  s.Press(cell.left + 5, cell.top + 5);
  // Pressed and now selected: the pressed gradient under the selection tint.
  EXPECT_EQ(firstRow(Draw(s, 0)),
            Tint(GradientRow(Darken(kFace, 40), Darken(kFace, 10), 1, innerHeight), kSelectedTint));
  // The cell's outer gradient ends on its last row, just above the frame.
  EXPECT_EQ(Draw(s, 0).At(x, cell.bottom - 2),
            Tint(GradientRow(Lighten(kFace, 80), Darken(kFace, 20), cell.Height() - 1, cell.Height()), kSelectedTint));
}

TEST(CalendarPicture, MonthButtonsShowHoverAndPress) {
  CalendarState s(EncodeDate(2026, 6, 10), kW, kH);
  const CanvasRect face{kW - 29, 9, kW - 9, 23};  // the next button's face
  const int x = face.left + 1;                  // left of the arrow
  auto firstRow = [&](const PixelCanvas& c) { return c.At(x, face.top); };
  const Colour normal = GradientRow(Lighten(kFace, 60), Darken(kFace, 10), 1, face.Height());
  EXPECT_EQ(firstRow(Draw(s, 0)), normal);
  s.Enter();
  s.Move(face.left + 2, face.top + 2);
  EXPECT_EQ(firstRow(Draw(s, 0)), GradientRow(Darken(kFace, 20), Lighten(kFace, 60), 1, face.Height()));
  s.Press(face.left + 2, face.top + 2);
  EXPECT_EQ(firstRow(Draw(s, 0)), GradientRow(Darken(kFace, 40), Darken(kFace, 10), 1, face.Height()));
  // The other button keeps its normal face.
  EXPECT_EQ(Draw(s, 0).At(10, 9), normal);
}

TEST(CalendarPicture, ArrowsPointAwayFromEachOther) {
  CalendarState s(EncodeDate(2026, 6, 10), kW, kH);
  const PixelCanvas c = Draw(s, 0);
  const Colour ink = kLook.text;
  // Previous: the point on the left at column 8 of the face (rows 6 and 7), the
  // base at column 11 from row 3 to row 10.
  const int left = 9;
  EXPECT_EQ(c.At(left + 8, 9 + 6), ink);
  EXPECT_EQ(c.At(left + 8, 9 + 7), ink);
  EXPECT_NE(c.At(left + 8, 9 + 3), ink);
  EXPECT_EQ(c.At(left + 11, 9 + 3), ink);
  EXPECT_EQ(c.At(left + 11, 9 + 10), ink);
  // Next: mirrored.
  const int right = kW - 29;
  EXPECT_EQ(c.At(right + 11, 9 + 6), ink);
  EXPECT_NE(c.At(right + 11, 9 + 3), ink);
  EXPECT_EQ(c.At(right + 8, 9 + 3), ink);
  EXPECT_EQ(c.At(right + 8, 9 + 10), ink);
}

TEST(CalendarPicture, EveryDayNumberIsWrittenOnceCentredInItsCell) {
  CalendarState s(EncodeDate(2024, 2, 10), kW, kH);
  const PixelCanvas c = Draw(s, 0);
  for (int day = 1; day <= 29; ++day) {
    SCOPED_TRACE(day);
    const std::string number = std::to_string(day);
    EXPECT_EQ(std::count_if(c.texts.begin(), c.texts.end(), [&](const DrawnText& t) { return t.text == number; }), 1);
    const DrawnText* t = c.Text(number);
    ASSERT_NE(t, nullptr);
    const CanvasRect cell = CellOf(s, day);
    const int width = static_cast<int>(number.size()) * PixelCanvas::kCharWidth;
    EXPECT_EQ(t->x, cell.left + (cell.Width() - width) / 2);
    EXPECT_EQ(t->y, cell.top + (cell.Height() - PixelCanvas::kLineHeight) / 2);
  }
  EXPECT_EQ(c.Text("30"), nullptr);
}

TEST(CalendarPicture, EmptyCellsShowTheFaceColour) {
  CalendarState s(EncodeDate(2026, 3, 10), kW, kH);  // starts on Sunday: six empty cells first
  const PixelCanvas c = Draw(s, 0);
  for (int column = 0; column < 6; ++column) {
    const CanvasRect r = s.GetLayout().CellRect({column, 0});
    EXPECT_EQ(c.At((r.left + r.right) / 2, (r.top + r.bottom) / 2), kFace);
    EXPECT_EQ(c.At(r.left, r.top + 2), Darken(kFace, 30));
  }
}

TEST(CalendarPicture, CaptionWeekdaysAndTodayLine) {
  CalendarState s(EncodeDate(2024, 2, 10), kW, kH);
  const PixelCanvas c = Draw(s, EncodeDate(2026, 12, 8));

  const std::string caption = "Февраль 2024 г.";
  ASSERT_NE(c.Text(caption), nullptr);
  EXPECT_EQ(c.Text(caption)->x, (kW - 15 * PixelCanvas::kCharWidth) / 2);
  EXPECT_EQ(c.Text(caption)->y, (32 - PixelCanvas::kLineHeight) / 2);

  const char* names[] = {"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"};
  const CanvasRect row = s.GetLayout().WeekdayRow();
  for (int i = 0; i < 7; ++i) {
    SCOPED_TRACE(names[i]);
    const DrawnText* t = c.Text(names[i]);
    ASSERT_NE(t, nullptr);
    // 217 / 7 = 31 pixels a column; the 12-pixel name 9 pixels in.
    EXPECT_EQ(t->x, row.left + 31 * i + 9);
    EXPECT_EQ(t->y, row.top + 4);
  }

  const std::string today = "Сегодня: 08.12.2026";
  ASSERT_NE(c.Text(today), nullptr);
  const int textWidth = 19 * PixelCanvas::kCharWidth;
  EXPECT_EQ(c.Text(today)->x, (kW - 24 - textWidth) / 2 + 24) << "centred with room for the mark";
  const int markX = (kW - 24 - textWidth) / 2 + 3;
  EXPECT_EQ(c.At(markX, 230), Blend(kFace, kMaroon, 0.8));
  EXPECT_EQ(c.At(markX + 8, 230), Blend(kFace, kMaroon, 0.5));
}

TEST(CalendarPicture, EveryPixelIsPaintedAndTinySizesAreSafe) {
  CalendarState s(EncodeDate(2026, 6, 10), kW, kH);
  const PixelCanvas c = Draw(s, 0);
  EXPECT_EQ(std::count(c.pixels.begin(), c.pixels.end(), 0xABCDEFu), 0);
  for (const auto& [w, h] : {std::pair{0, 0}, std::pair{3, 3}, std::pair{40, 30}, std::pair{60, 70}}) {
    CalendarState tiny(EncodeDate(2026, 6, 10), w, h);
    PixelCanvas small(w, h);
    DrawCalendar(tiny, small, kLook, 0);
  }
}

}  // namespace
}  // namespace tikolvo::calendar

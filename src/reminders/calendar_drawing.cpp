#include "reminders/calendar_drawing.h"

#include <array>
#include <string>

#include "common/date_format.h"

namespace tikolvo::calendar {
namespace {

constexpr std::array<const char*, 7> kWeekdayNames = {"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"};

// One-pixel lines and frames as rectangles.
void VerticalLine(ShapeCanvas& canvas, int x, int top, int bottom, Colour colour) {
  canvas.FillRect({x, top, x + 1, bottom}, colour);
}

void HorizontalLine(ShapeCanvas& canvas, int y, int left, int right, Colour colour) {
  canvas.FillRect({left, y, right, y + 1}, colour);
}

void Frame(ShapeCanvas& canvas, const CanvasRect& r, Colour colour) {
  if (r.Empty()) return;
  HorizontalLine(canvas, r.top, r.left, r.right, colour);
  HorizontalLine(canvas, r.bottom - 1, r.left, r.right, colour);
  VerticalLine(canvas, r.left, r.top, r.bottom, colour);
  VerticalLine(canvas, r.right - 1, r.top, r.bottom, colour);
}

CanvasRect Inset(const CanvasRect& r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right - dx, r.bottom - dy}; }

void Gradient(ShapeCanvas& canvas, const CanvasRect& r, Colour top, Colour bottom) {
  const int height = r.Height();
  for (int row = 1; row <= height; ++row) {
    HorizontalLine(canvas, r.top + row - 1, r.left, r.right, GradientRow(top, bottom, row, height));
  }
}

void CentredText(ShapeCanvas& canvas, const CanvasRect& r, const std::string& text) {
  const TextExtent size = canvas.MeasureText(text);
  canvas.DrawText(r.left + (r.Width() - size.width) / 2, r.top + (r.Height() - size.height) / 2, text);
}

struct Shades {
  Colour face;
  Colour Light(int percent) const { return Lighten(face, percent); }
  Colour Dark(int amount) const { return Darken(face, amount); }
};

// A small arrow on the button's face, rows 3..10 below its top, columns 8..11
// from its left, the point two rows high.
void Arrow(ShapeCanvas& canvas, const CanvasRect& face, bool left, Colour colour) {
  for (int row = 3; row <= 10; ++row) {
    const int reach = row <= 6 ? row - 3 : 10 - row;  // 0 at the ends, 3 at the point
    const int tipSide = left ? 11 - reach : 8;
    const int baseSide = left ? 11 : 8 + reach;
    HorizontalLine(canvas, face.top + row, face.left + tipSide, face.left + baseSide + 1, colour);
  }
}

void MonthButton(ShapeCanvas& canvas, const CalendarState& state, const CanvasRect& r, int code, const Shades& s,
                 Colour arrowColour) {
  Frame(canvas, r, s.Dark(80));
  Gradient(canvas, Inset(r, 1, 1), s.Light(80), s.Dark(20));
  const CanvasRect face = Inset(r, 3, 3);
  switch (state.LookOf(code)) {
    case Look::Pressed: Gradient(canvas, face, s.Dark(40), s.Dark(10)); break;
    case Look::Hot: Gradient(canvas, face, s.Dark(20), s.Light(60)); break;
    case Look::Normal: Gradient(canvas, face, s.Light(60), s.Dark(10)); break;
  }
  Arrow(canvas, face, code == kPreviousMonth, arrowColour);
}

void Header(ShapeCanvas& canvas, const CalendarState& state, const CalendarLook& look, const Locale& locale,
            const Shades& s) {
  const Layout& layout = state.GetLayout();
  const CanvasRect band = layout.Header();
  canvas.FillRect(band, s.Dark(30));
  Frame(canvas, band, s.Dark(80));
  const CanvasRect inner{1, 1, band.right - 1, band.bottom};
  Gradient(canvas, inner, s.Light(80), s.Dark(30));
  VerticalLine(canvas, inner.left, inner.top, inner.bottom, s.Light(20));
  HorizontalLine(canvas, inner.top, inner.left, inner.right, s.Light(20));
  MonthButton(canvas, state, layout.PreviousButton(), kPreviousMonth, s, look.text);
  MonthButton(canvas, state, layout.NextButton(), kNextMonth, s, look.text);
  canvas.SetFont(look.caption);
  canvas.SetTextColour(look.text);
  CentredText(canvas, band, CaptionText(state.SelectedDate(), locale));
}

void Footer(ShapeCanvas& canvas, const CalendarState& state, const CalendarLook& look, DateTime today,
            const Shades& s) {
  const CanvasRect band = state.GetLayout().Footer();
  Gradient(canvas, band, s.Dark(30), s.Dark(60));
  VerticalLine(canvas, band.left, band.top, band.bottom, s.Dark(80));
  HorizontalLine(canvas, band.bottom - 1, band.left, band.right, s.Dark(80));
  VerticalLine(canvas, band.left + 1, band.top, band.bottom - 1, s.Light(20));
  HorizontalLine(canvas, band.bottom - 2, band.left + 1, band.right, s.Dark(90));

  canvas.SetFont(look.footer);
  canvas.SetTextColour(look.text);
  const std::string text = TodayText(today);
  const TextExtent size = canvas.MeasureText(text);
  constexpr int kMarkRoom = 24;
  const int left = band.left + (band.Width() - kMarkRoom - size.width) / 2;
  const int middle = band.top + band.Height() / 2;
  // A miniature of today's cell frames.
  const CanvasRect mark{left + 3, middle - 6, left + 19, middle + 6};
  canvas.FillRect(mark, Blend(look.face, kMaroon, 0.8));
  canvas.FillRect(Inset(mark, 2, 2), Blend(look.face, kMaroon, 0.5));
  canvas.DrawText(left + kMarkRoom, band.top + (band.Height() - size.height) / 2, text);
}

void WeekdayRow(ShapeCanvas& canvas, const Layout& layout, const CalendarLook& look, const Shades& s) {
  const CanvasRect row = layout.WeekdayRow();
  if (row.Empty()) return;
  canvas.FillRect(row, s.Dark(60));
  VerticalLine(canvas, row.left, row.top, row.bottom, s.Dark(80));
  HorizontalLine(canvas, row.top, row.left, row.right, s.Dark(80));
  VerticalLine(canvas, row.right - 1, row.top, row.bottom, s.Dark(80));
  canvas.SetFont(look.weekdays);
  canvas.SetTextColour(look.text);
  for (int i = 0; i < kColumns; ++i) {
    const std::string name = kWeekdayNames[static_cast<std::size_t>(i)];
    const TextExtent size = canvas.MeasureText(name);
    const int centring = RoundRatio(row.Width() - 1LL * kColumns * size.width, kColumns) / 2;
    canvas.DrawText(layout.WeekdayLeft(i) + centring, row.top + (row.Height() - size.height) / 2, name);
  }
}

void EmptyCell(ShapeCanvas& canvas, const CanvasRect& cell, const Shades& s) {
  canvas.FillRect(cell, s.face);
  VerticalLine(canvas, cell.left, cell.top, cell.bottom, s.Dark(30));
  VerticalLine(canvas, cell.right - 1, cell.top, cell.bottom, s.Dark(30));
}

void DayCell(ShapeCanvas& canvas, const CalendarState& state, const CanvasRect& cell, int day, bool today,
             const Shades& s) {
  Gradient(canvas, cell, s.Light(80), s.Dark(20));
  const CanvasRect inner{cell.left + 2, cell.top + 3, cell.right - 2, cell.bottom - 3};
  switch (state.LookOf(day)) {
    case Look::Pressed: Gradient(canvas, inner, s.Dark(40), s.Dark(10)); break;
    case Look::Hot: Gradient(canvas, inner, s.Light(60), s.Dark(10)); break;
    case Look::Normal: Gradient(canvas, inner, s.Dark(20), s.Light(60)); break;
  }
  CentredText(canvas, cell, std::to_string(day));
  if (day == state.SelectedDay()) {
    canvas.TintRect(cell, kSelectedTint);
  } else if (state.IsMarked(day)) {
    canvas.TintRect(cell, kMarkedTint);
  }
  Frame(canvas, cell, s.Dark(80));
  if (today) {
    const CanvasRect outer = Inset(cell, 1, 1);
    Frame(canvas, outer, Blend(s.face, kMaroon, 0.8));
    Frame(canvas, Inset(outer, 2, 2), Blend(s.face, kMaroon, 0.25));
  }
}

void Grid(ShapeCanvas& canvas, const CalendarState& state, const CalendarLook& look, DateTime today,
          const Shades& s) {
  const Layout& layout = state.GetLayout();
  WeekdayRow(canvas, layout, look, s);
  const MonthGrid month = state.Shown();
  const CivilTime now = DecodeDateTime(today);
  const int todayDay = month.Contains(now.year, now.month) ? now.day : 0;
  canvas.SetFont(look.days);
  canvas.SetTextColour(look.text);
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      const Cell cell{column, row};
      const CanvasRect r = layout.CellRect(cell);
      if (r.Empty()) continue;
      const int day = month.DayAt(cell);
      if (day == 0) {
        EmptyCell(canvas, r, s);
      } else {
        DayCell(canvas, state, r, day, day == todayDay, s);
      }
    }
  }
}

}  // namespace

std::string CaptionText(DateTime selected, const Locale& locale) {
  return FormatDateTime("mmmm yyyy 'г.'", selected, locale);
}

std::string TodayText(DateTime today) { return "Сегодня: " + FormatDateTime("dd.mm.yyyy", today); }

void DrawCalendar(const CalendarState& state, ShapeCanvas& canvas, const CalendarLook& look, DateTime today,
                  const Locale& locale) {
  const Layout& layout = state.GetLayout();
  const Shades shades{look.face};
  canvas.FillRect({0, 0, layout.Width(), layout.Height()}, look.face);
  Header(canvas, state, look, locale, shades);
  Footer(canvas, state, look, today, shades);
  Grid(canvas, state, look, today, shades);
}

}  // namespace tikolvo::calendar

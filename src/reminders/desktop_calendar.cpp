#include "reminders/desktop_calendar.h"

#include <algorithm>
#include <cmath>

#include "reminders/wallpaper_geometry.h"

namespace tikolvo {
namespace {

// Rounding to nearest with ties to even, as every rounding of the layout.
int RoundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

// The day font grows until "88" no longer fits its cell; a font that
// measures nothing (not installed on a bare system) must still stop.
constexpr int kLargestDayFont = 400;

struct Cells {
  int blockWidth = 0;  // P: the offset between the months of a year or three
  int blockHeight = 0;  // Q
  int columnWidth = 0;  // cw
  int rowHeight = 0;  // rh
  int gridOffset = 0;  // G: from a month's name down to its grid
};

struct Pass {
  int dx;
  int dy;
  Colour colour;
  bool main;
};

class CalendarPass {
 public:
  CalendarPass(InkCanvas& canvas, const DesktopCalendarLook& look, const CanvasRect& rect, const Pass& pass)
      : canvas_(canvas), look_(look), pass_(pass),
        r_{rect.left + pass.dx, rect.top + pass.dy, rect.right + pass.dx, rect.bottom + pass.dy} {}

  void Draw() {
    cells_ = MeasureCells();
    dayFont_ = DayFont();
    canvas_.SetFont(dayFont_);
    eightyEight_ = canvas_.MeasureText("88").width;
    for (int month = FirstMonth(); month <= LastMonth(); ++month) {
      const PixelPoint origin = BlockOrigin(month);
      DrawMonth(month, origin.x, origin.y);
    }
  }

 private:
  bool ThreeMonths() const {
    return look_.layout == CalendarLayout::ThreeSideBySide || look_.layout == CalendarLayout::ThreeStacked;
  }

  Cells MeasureCells() {
    const int width = r_.right - r_.left;
    const int height = r_.bottom - r_.top;
    Cells c;
    switch (look_.layout) {
      case CalendarLayout::Year: c.blockWidth = width / 3, c.blockHeight = height / 4; break;
      case CalendarLayout::ThreeSideBySide: c.blockWidth = width / 3, c.blockHeight = height; break;
      case CalendarLayout::ThreeStacked: c.blockWidth = width, c.blockHeight = height / 3; break;
      case CalendarLayout::Month: {
        c.columnWidth = width / (look_.vertical ? 6 : 7);
        c.rowHeight = height / 7;
        CanvasFont listFont = look_.font;
        listFont.size = kCalendarListFontSize;
        canvas_.SetFont(listFont);
        c.gridOffset = canvas_.MeasureText("Z").height + RoundEven(0.85 * c.rowHeight);
        return c;
      }
    }
    c.columnWidth = c.blockWidth / 8;
    c.rowHeight = c.blockHeight / 9;
    c.gridOffset = RoundEven(c.blockHeight / 6.75);
    return c;
  }

  CanvasFont DayFont() {
    CanvasFont font = look_.font;
    for (font.size = 1; font.size < kLargestDayFont; ++font.size) {
      canvas_.SetFont(font);
      const TextExtent extent = canvas_.MeasureText("88");
      if (extent.width > cells_.columnWidth / 1.2 || extent.height > cells_.rowHeight / 1.2) break;
    }
    return font;
  }

  int FirstMonth() const {
    if (look_.layout == CalendarLayout::Year) return 1;
    return ThreeMonths() ? std::max(look_.month - 1, 1) : look_.month;
  }
  int LastMonth() const {
    if (look_.layout == CalendarLayout::Year) return 12;
    return ThreeMonths() ? std::min(look_.month + 1, 12) : look_.month;
  }

  PixelPoint BlockOrigin(int month) const {
    const int k = month - look_.month + 1;
    switch (look_.layout) {
      case CalendarLayout::Year:
        return {r_.left + (month - 1) % 3 * cells_.blockWidth, r_.top + (month - 1) / 3 * cells_.blockHeight};
      case CalendarLayout::ThreeSideBySide: return {r_.left + k * cells_.blockWidth, r_.top};
      case CalendarLayout::ThreeStacked: return {r_.left, r_.top + k * cells_.blockHeight};
      case CalendarLayout::Month: break;
    }
    return {r_.left, r_.top};
  }

  // A special colour is the main pass's own; a shadow draws all in one.
  Colour Special(const CalendarColourOption& option) const {
    return pass_.main && option.use ? option.colour : pass_.colour;
  }

  void DrawMonth(int month, int x, int y) {
    const int firstWeekday = (DayOfWeek(EncodeDate(look_.year, month, 1)) + 5) % 7;  // Monday 0
    const int days = DaysInMonth(look_.year, month);
    const int nameHeight = DrawMonthName(month, x, y);
    if (look_.underline) DrawUnderline(x, y + nameHeight + 2, (firstWeekday + days - 1) / 7 + 1);
    canvas_.SetFont(dayFont_);
    DrawWeekdayNames(x, y);
    for (int day = 1; day <= days; ++day) DrawDay(month, day, firstWeekday + day - 1, x, y);
  }

  // The name (and in the month layout the year) in the header font; the
  // name's height, which the underline sits below.
  int DrawMonthName(int month, int x, int y) {
    CanvasFont header = dayFont_;
    if (look_.layout == CalendarLayout::Month) header.size += 5;
    canvas_.SetFont(header);
    if (look_.layout == CalendarLayout::Month && look_.writeYear) {
      const std::string year = std::to_string(look_.year);
      canvas_.SetTextColour(pass_.colour);
      canvas_.DrawText(r_.right - canvas_.MeasureText(year).width - 2, r_.top, year);
    }
    const std::string& name = look_.monthNamesText[static_cast<std::size_t>(month - 1)];
    canvas_.SetTextColour(Special(look_.monthNames));
    canvas_.DrawText(x, y, name);
    return canvas_.MeasureText(name).height;
  }

  void DrawUnderline(int x, int y, int weekColumns) {
    int end = x + 7 * cells_.columnWidth;
    if (look_.layout != CalendarLayout::Year) {
      if (look_.vertical)
        end = x + weekColumns * cells_.columnWidth + eightyEight_;
      else if (ThreeMonths())
        end = x + 6 * cells_.columnWidth + eightyEight_;
    }
    canvas_.DrawLine({x, y}, {end, y}, 1, Special(look_.lines));
  }

  void DrawWeekdayNames(int x, int y) {
    canvas_.SetTextColour(Special(look_.weekdayNames));
    for (int d = 0; d < 7; ++d) {
      const std::string& name = look_.weekdayNamesText[static_cast<std::size_t>(d)];
      if (look_.vertical)
        canvas_.DrawText(x, y + cells_.gridOffset + d * cells_.rowHeight, name);
      else
        canvas_.DrawText(x + d * cells_.columnWidth, y + cells_.gridOffset, name);
    }
  }

  void DrawDay(int month, int day, int slot, int x, int y) {
    const int weekday = slot % 7;
    const int week = slot / 7 + 1;
    const PixelPoint at = look_.vertical
                              ? PixelPoint{x + week * cells_.columnWidth, y + cells_.gridOffset + weekday * cells_.rowHeight}
                              : PixelPoint{x + weekday * cells_.columnWidth, y + cells_.gridOffset + week * cells_.rowHeight};
    const Colour colour = weekday == 6   ? Special(look_.sundays)
                          : weekday == 5 ? Special(look_.saturdays)
                                         : pass_.colour;
    const std::string text = day < 10 ? " " + std::to_string(day) : std::to_string(day);
    const CivilTime today = DecodeDateTime(look_.today);
    const bool isToday = today.year == look_.year && today.month == month && today.day == day;
    const CanvasRect ink = isToday ? canvas_.MeasureInk(text) : CanvasRect{};
    const CanvasRect box = TodayBox(ink, at);
    if (!box.Empty() && pass_.main && look_.fillCurrentDay) canvas_.FillRect(box, look_.currentDayColour);
    canvas_.SetTextColour(colour);
    canvas_.DrawText(at.x, at.y, text);
    if (!box.Empty() && look_.frameCurrentDay)
      canvas_.FrameRect(box, std::max(RoundEven(0.11 * ink.Width()), 1), colour);
  }

  // The ink of today's number grown by a quarter of the smaller cell side.
  // The ink box's right and bottom lie just past its last pixels, which is
  // the one pixel more those sides get.
  CanvasRect TodayBox(const CanvasRect& ink, PixelPoint at) const {
    if (ink.Empty()) return {};
    const int m = RoundEven(0.25 * std::min(cells_.columnWidth, cells_.rowHeight));
    return {at.x + ink.left - m, at.y + ink.top - m, at.x + ink.right + m, at.y + ink.bottom + m};
  }

  InkCanvas& canvas_;
  const DesktopCalendarLook& look_;
  Pass pass_;
  CanvasRect r_;
  Cells cells_;
  CanvasFont dayFont_;
  int eightyEight_ = 0;
};

void WriteCompositionMarker(InkCanvas& canvas, PixelSize picture) {
  const int x = picture.width - 3;
  const int y = picture.height - 1;
  canvas.FillRect({x, y, x + 1, y + 1}, kComposedMarkRed);
  canvas.FillRect({x + 1, y, x + 2, y + 1}, kComposedMarkBlue);
  canvas.FillRect({x + 2, y, x + 3, y + 1}, kComposedMarkGreen);
}

}  // namespace

DesktopCalendarLook MakeCalendarLook(const CalendarSettings& s, const Locale& locale, DateTime today) {
  DesktopCalendarLook look;
  look.font = {s.fontName, kCalendarListFontSize, s.fontBold, s.fontItalic, s.fontUnderline};
  look.layout = s.layout >= 0 && s.layout <= 3 ? static_cast<CalendarLayout>(s.layout) : CalendarLayout::Month;
  const CivilTime shown = DecodeDateTime(s.followToday ? today : s.shownDate);
  look.month = shown.month;
  look.year = shown.year;
  look.today = today;
  look.vertical = s.verticalText;
  look.underline = s.underline;
  look.writeYear = s.writeYear;
  look.shadow1 = s.shadow1, look.shadow2 = s.shadow2, look.shadow3 = s.shadow3;
  look.textColour = s.textColour;
  look.shadow1Colour = s.shadow1Colour, look.shadow2Colour = s.shadow2Colour, look.shadow3Colour = s.shadow3Colour;
  look.lines = s.lines, look.sundays = s.sundays, look.saturdays = s.saturdays;
  look.monthNames = s.monthNames, look.weekdayNames = s.weekdayNames;
  look.fillCurrentDay = s.markCurrentDay;
  look.currentDayColour = s.currentDayColour;
  look.frameCurrentDay = s.currentDayFrame;
  look.monthNamesText = locale.longMonthNames;
  for (std::size_t d = 0; d < 7; ++d) look.weekdayNamesText[d] = locale.shortDayNames[(d + 1) % 7];
  return look;
}

void DrawCalendar(InkCanvas& canvas, PixelSize picture, const DesktopCalendarLook& look, const CanvasRect& rect) {
  const Pass passes[] = {{2, 2, look.shadow2Colour, false},
                         {-1, -1, look.shadow3Colour, false},
                         {1, 1, look.shadow1Colour, false},
                         {0, 0, look.textColour, true}};
  const bool on[] = {look.shadow2, look.shadow3, look.shadow1, true};
  for (std::size_t i = 0; i < 4; ++i) {
    if (!on[i]) continue;
    if (passes[i].main) WriteCompositionMarker(canvas, picture);
    CalendarPass(canvas, look, rect, passes[i]).Draw();
  }
}

}  // namespace tikolvo

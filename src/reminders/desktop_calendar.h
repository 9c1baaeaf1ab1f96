#pragma once
// The calendar the wallpaper composer writes onto the desktop picture: a
// year, one month or three months, drawn up to four times (three shadows
// and the main pass) into a rectangle of the picture.
#include <array>
#include <cstdint>
#include <string>

#include "common/date_time.h"
#include "common/geometry.h"
#include "common/locale_data.h"
#include "reminders/canvas.h"
#include "settings/settings_model.h"

namespace tikolvo {

enum class CalendarLayout { Year = 0, Month = 1, ThreeSideBySide = 2, ThreeStacked = 3 };

// Everything one drawing needs, resolved from the "Календарь" settings.
struct DesktopCalendarLook {
  CanvasFont font;  // the calendar font at the font list's size
  CalendarLayout layout = CalendarLayout::Month;
  int month = 1;  // 1..12
  int year = 2000;
  DateTime today = 0;  // whose cell is marked
  bool vertical = true;
  bool underline = true;
  bool writeYear = true;
  bool shadow1 = true;  // +1/+1
  bool shadow2 = false;  // +2/+2
  bool shadow3 = false;  // -1/-1
  Colour textColour = 0xFFFFFF;
  Colour shadow1Colour = 0x000000;
  Colour shadow2Colour = 0x0000FF;
  Colour shadow3Colour = 0xFFFFFF;
  CalendarColourOption lines, sundays, saturdays, monthNames, weekdayNames;
  bool fillCurrentDay = false;
  Colour currentDayColour = 0x0000FF;
  bool frameCurrentDay = true;
  std::array<std::string, 12> monthNamesText;  // January first
  std::array<std::string, 7> weekdayNamesText;  // Monday first
};

// The size of the font list's own font, which the month layout's grid
// offset is measured in.
inline constexpr int kCalendarListFontSize = 8;

// The drawn month and year are today's when the calendar follows the date,
// else the date picker's; a layout index outside 0..3 draws a month.
DesktopCalendarLook MakeCalendarLook(const CalendarSettings& settings, const Locale& locale, DateTime today);

// Draws the calendar into `rect` of a picture of the given size. The main
// pass first marks the picture as composed by the program (three pixels at
// the right end of its bottom row).
void DrawCalendar(InkCanvas& canvas, PixelSize picture, const DesktopCalendarLook& look, const CanvasRect& rect);

}  // namespace tikolvo

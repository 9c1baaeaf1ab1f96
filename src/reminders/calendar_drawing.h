#pragma once
// The picture of the month calendar control: the header with the month's
// name and the two stepping buttons, the weekday names, six rows of day
// cells and the footer with today's date, everything shaded from the
// system's button-face colour.
#include "common/date_time.h"
#include "common/locale_data.h"
#include "reminders/calendar_colours.h"
#include "reminders/calendar_state.h"
#include "reminders/canvas.h"

namespace tikolvo::calendar {

struct CalendarLook {
  Colour face = 0xD8E9EC;  // the button face of the classic blue theme
  Colour text = 0x000000;
  CanvasFont caption{"MS Sans Serif", 8, true};
  CanvasFont days{"Verdana", 8};
  CanvasFont weekdays{"Verdana", 7};
  CanvasFont footer{"Verdana", 7};
};

// The month caption ("Январь 2026 г." with Russian names) and the footer
// text ("Сегодня: 08.12.2026").
std::string CaptionText(DateTime selected, const Locale& locale);
std::string TodayText(DateTime today);

// Draws the whole control into the canvas, which is as large as the
// control. `today` frames its cell while the shown month is today's month.
void DrawCalendar(const CalendarState& state, ShapeCanvas& canvas, const CalendarLook& look, DateTime today,
                  const Locale& locale = Locale());

}  // namespace tikolvo::calendar

#pragma once
// The program's date-time pattern language, as skins, labels, reports and
// stored values use it (letters are case-insensitive):
//   c        short date, then " " and the long time unless it is midnight
//   d dd     day (8, 08)          ddd dddd   short/long day name
//   ddddd    short date           dddddd     long date
//   m mm     month (3, 03)        mmm mmmm   short/long month name
//            (m or mm right after an h or hh means minutes)
//   yy yyyy  year (26, 2026)
//   h hh     hour                 n nn       minute
//   s ss     second               z zzz      millisecond (5, 005)
//   t tt     short/long time
//   am/pm a/p  the marker as written, switching h to the 12-hour clock
//   ampm     the locale's am/pm strings, 12-hour clock
//   /  :     the locale's date and time separators
//   '...' "..."  text copied as it is; any other character is copied too
// After a day number (d or dd) in the same pattern, mmmm uses the genitive
// month name ("8 декабря 2026 г.").
#include <optional>
#include <string>
#include <string_view>

#include "common/date_time.h"
#include "common/locale_data.h"

namespace tikolvo {

std::string FormatDateTime(std::string_view pattern, DateTime value, const Locale& locale = Locale());

// Reads a date written in the locale's short date form, optionally followed
// by a time ("08.12.2026", "08.12.2026 14:05:09", "12/8/2026 2:05 PM").
// The order of day, month and year comes from the short date pattern; a
// two-digit year means 1950..2049. Unreadable text gives nullopt.
std::optional<DateTime> ParseDateTime(std::string_view text, const Locale& locale = Locale());

}  // namespace tikolvo

#pragma once
// The user's date and time conventions: names of months and days and the
// default patterns, in the program's own date-time pattern language. A
// default-constructed Locale is Russian; the Windows layer fills one from the
// system at start-up so that names follow the user's locale.
#include <array>
#include <string>
#include <string_view>

namespace tikolvo {

struct Locale {
  // Index 0 is January.
  std::array<std::string, 12> longMonthNames = {"Январь", "Февраль", "Март",     "Апрель",  "Май",    "Июнь",
                                                "Июль",   "Август",  "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
  std::array<std::string, 12> shortMonthNames = {"янв", "фев", "мар", "апр", "май", "июн",
                                                 "июл", "авг", "сен", "окт", "ноя", "дек"};
  // The form used after a day number ("8 декабря"); languages without such a
  // form repeat the long names.
  std::array<std::string, 12> genitiveMonthNames = {"января", "февраля", "марта",    "апреля",  "мая",    "июня",
                                                    "июля",   "августа", "сентября", "октября", "ноября", "декабря"};
  // Index 0 is Sunday.
  std::array<std::string, 7> longDayNames = {"воскресенье", "понедельник", "вторник", "среда",
                                             "четверг",     "пятница",     "суббота"};
  std::array<std::string, 7> shortDayNames = {"Вс", "Пн", "Вт", "Ср", "Чт", "Пт", "Сб"};

  std::string shortDateFormat = "dd.mm.yyyy";
  std::string longDateFormat = "d mmmm yyyy 'г.'";
  std::string shortTimeFormat = "h:nn";
  std::string longTimeFormat = "h:nn:ss";
  std::string dateSeparator = ".";
  std::string timeSeparator = ":";
  std::string amString;
  std::string pmString;
};

// Turns a Windows locale pattern (as the system reports a short or long date
// or time format: "dd.MM.yyyy", "M/d/yyyy", "H:mm:ss", "h:mm:ss tt") into
// the program's pattern language. Text the system quotes stays quoted, and
// stray letters are quoted so they are not read as pattern letters.
std::string PatternFromWindowsFormat(std::string_view windowsPattern);

}  // namespace tikolvo

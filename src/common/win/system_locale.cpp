#include "common/win/system_locale.h"

#include <windows.h>

#include "common/win/wide_text.h"

namespace tikolvo {
namespace {

// Asks Windows to return month names in the form used after a day number.
// Only Vista and later understand the flag; XP fails the call.
constexpr LCTYPE kGenitiveNames = 0x10000000;

bool ReadInfo(LCTYPE type, std::string& out) {
  wchar_t buffer[128];
  const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 128);
  if (length <= 1) return false;
  out = Narrow(std::wstring_view(buffer, static_cast<size_t>(length - 1)));
  return true;
}

void ReadMonthNames(Locale& locale) {
  for (int m = 0; m < 12; ++m) {
    ReadInfo(LOCALE_SMONTHNAME1 + m, locale.longMonthNames[m]);
    ReadInfo(LOCALE_SABBREVMONTHNAME1 + m, locale.shortMonthNames[m]);
  }
  const bool russian = PRIMARYLANGID(LANGIDFROMLCID(GetUserDefaultLCID())) == LANG_RUSSIAN;
  for (int m = 0; m < 12; ++m) {
    std::string genitive;
    if (ReadInfo((LOCALE_SMONTHNAME1 + m) | kGenitiveNames, genitive))
      locale.genitiveMonthNames[m] = genitive;
    else if (!russian)  // the Russian default table is right for Russian
      locale.genitiveMonthNames[m] = locale.longMonthNames[m];
  }
}

void ReadDayNames(Locale& locale) {
  // Windows counts from Monday (SDAYNAME1); the program from Sunday.
  for (int d = 0; d < 7; ++d) {
    const int fromMonday = (d + 6) % 7;
    ReadInfo(LOCALE_SDAYNAME1 + fromMonday, locale.longDayNames[d]);
    ReadInfo(LOCALE_SABBREVDAYNAME1 + fromMonday, locale.shortDayNames[d]);
  }
}

// XP has no short time pattern; build it from the clock kind and the
// leading-zero flag, as programs have always done.
std::string ShortTimePattern() {
  std::string twelveHour, leadingZero;
  ReadInfo(LOCALE_ITIME, twelveHour);
  ReadInfo(LOCALE_ITLZERO, leadingZero);
  std::string pattern = leadingZero == "1" ? "hh:nn" : "h:nn";
  if (twelveHour == "0") pattern += " ampm";
  return pattern;
}

void ReadPatterns(Locale& locale) {
  std::string text;
  if (ReadInfo(LOCALE_SSHORTDATE, text)) locale.shortDateFormat = PatternFromWindowsFormat(text);
  if (ReadInfo(LOCALE_SLONGDATE, text)) locale.longDateFormat = PatternFromWindowsFormat(text);
  if (ReadInfo(LOCALE_STIMEFORMAT, text)) locale.longTimeFormat = PatternFromWindowsFormat(text);
  locale.shortTimeFormat = ShortTimePattern();
  ReadInfo(LOCALE_SDATE, locale.dateSeparator);
  ReadInfo(LOCALE_STIME, locale.timeSeparator);
  locale.amString.clear();
  locale.pmString.clear();
  ReadInfo(LOCALE_S1159, locale.amString);
  ReadInfo(LOCALE_S2359, locale.pmString);
}

}  // namespace

Locale ReadSystemLocale() {
  Locale locale;
  ReadMonthNames(locale);
  ReadDayNames(locale);
  ReadPatterns(locale);
  return locale;
}

}  // namespace tikolvo

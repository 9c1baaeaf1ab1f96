// The locale read from the system must index names the way the program
// counts: January first, Sunday first. Checked against what the system's own
// date formatter writes for known dates.
#include "win_test.h"
#include <windows.h>

#include "common/win/system_locale.h"
#include "common/win/wide_text.h"

namespace tikolvo {
namespace {

std::string Formatted(WORD year, WORD month, WORD day, const wchar_t* pattern) {
  SYSTEMTIME date{};
  date.wYear = year;
  date.wMonth = month;
  date.wDay = day;
  wchar_t text[80] = L"";
  GetDateFormatW(LOCALE_USER_DEFAULT, 0, &date, pattern, text, 80);
  return Narrow(text);
}

TEST_CASE("day names start from Sunday") {
  const Locale locale = ReadSystemLocale();
  // 7 January 2024 was a Sunday, 13 January a Saturday.
  CHECK(locale.longDayNames[0] == Formatted(2024, 1, 7, L"dddd"));
  CHECK(locale.longDayNames[6] == Formatted(2024, 1, 13, L"dddd"));
  CHECK(locale.shortDayNames[1] == Formatted(2024, 1, 8, L"ddd"));
}

TEST_CASE("month names start from January") {
  const Locale locale = ReadSystemLocale();
  CHECK(locale.longMonthNames[0] == Formatted(2024, 1, 7, L"MMMM"));
  CHECK(locale.longMonthNames[11] == Formatted(2024, 12, 7, L"MMMM"));
  CHECK(locale.shortMonthNames[2] == Formatted(2024, 3, 7, L"MMM"));
}

TEST_CASE("the short date pattern uses the system's separator") {
  const Locale locale = ReadSystemLocale();
  REQUIRE_FALSE(locale.dateSeparator.empty());
  CHECK(locale.shortDateFormat.find(locale.dateSeparator) != std::string::npos);
}

}  // namespace
}  // namespace tikolvo

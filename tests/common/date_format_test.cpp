#include "common/date_format.h"

#include <gtest/gtest.h>

namespace tikolvo {
namespace {

// Tuesday, 8 December 2026, 14:05:09.007
const DateTime kAfternoon = EncodeDateTime({2026, 12, 8, 14, 5, 9, 7});
// Saturday, 3 January 2026, 00:07:00
const DateTime kJustAfterMidnight = EncodeDateTime({2026, 1, 3, 0, 7, 0, 0});

Locale EnglishLocale() {
  Locale locale;
  locale.longMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                           "July",    "August",   "September", "October", "November", "December"};
  locale.genitiveMonthNames = locale.longMonthNames;
  locale.shortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  locale.longDayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  locale.shortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  locale.shortDateFormat = "m/d/yyyy";
  locale.longDateFormat = "dddd, mmmm d, yyyy";
  locale.shortTimeFormat = "h:nn ampm";
  locale.longTimeFormat = "h:nn:ss ampm";
  locale.dateSeparator = "/";
  locale.amString = "AM";
  locale.pmString = "PM";
  return locale;
}

TEST(FormatDateTime, NumbersAndRussianNames) {
  EXPECT_EQ(FormatDateTime("dd.mm.yyyy hh:nn:ss", kAfternoon), "08.12.2026 14:05:09");
  EXPECT_EQ(FormatDateTime("d.m.yy h:n:s", kJustAfterMidnight), "3.1.26 0:7:0");
  EXPECT_EQ(FormatDateTime("ddd, dddd", kAfternoon), "Вт, вторник");
  EXPECT_EQ(FormatDateTime("mmm mmmm yyyy", kAfternoon), "дек Декабрь 2026");
  EXPECT_EQ(FormatDateTime("mmmm yyyy г.", kAfternoon), "Декабрь 2026 г.");
  EXPECT_EQ(FormatDateTime("DD.MM.YYYY", kAfternoon), "08.12.2026");
}

TEST(FormatDateTime, MonthNameAfterDayNumberIsGenitive) {
  EXPECT_EQ(FormatDateTime("d mmmm", kAfternoon), "8 декабря");
  EXPECT_EQ(FormatDateTime("dddd mmmm", kAfternoon), "вторник Декабрь");
  EXPECT_EQ(FormatDateTime("dddddd", kAfternoon), "8 декабря 2026 г.");
}

TEST(FormatDateTime, LocalePatternsAndSeparators) {
  EXPECT_EQ(FormatDateTime("ddddd", kAfternoon), "08.12.2026");
  EXPECT_EQ(FormatDateTime("t|tt", kAfternoon), "14:05|14:05:09");
  EXPECT_EQ(FormatDateTime("c", kAfternoon), "08.12.2026 14:05:09");
  EXPECT_EQ(FormatDateTime("c", EncodeDate(2026, 12, 8)), "08.12.2026");
  EXPECT_EQ(FormatDateTime("dd/mm hh:nn", kAfternoon), "08.12 14:05");
  Locale odd;
  odd.dateSeparator = "-";
  odd.timeSeparator = "h";
  EXPECT_EQ(FormatDateTime("dd/mm hh:nn", kAfternoon, odd), "08-12 14h05");
}

TEST(FormatDateTime, MAfterHourMeansMinutes) {
  EXPECT_EQ(FormatDateTime("hh:mm", kAfternoon), "14:05");
  EXPECT_EQ(FormatDateTime("h:mm dd.mm", kAfternoon), "14:05 08.12");
  EXPECT_EQ(FormatDateTime("h 'x' m", kAfternoon), "14 x 5");
  EXPECT_EQ(FormatDateTime("mm", kAfternoon), "12");
}

TEST(FormatDateTime, TwelveHourMarkers) {
  EXPECT_EQ(FormatDateTime("h:nn am/pm", kAfternoon), "2:05 pm");
  EXPECT_EQ(FormatDateTime("hh:nn AM/PM", kJustAfterMidnight), "12:07 AM");
  EXPECT_EQ(FormatDateTime("h a/p", kAfternoon), "2 p");
  EXPECT_EQ(FormatDateTime("h A/P", kJustAfterMidnight), "12 A");
  EXPECT_EQ(FormatDateTime("h:nn ampm", kAfternoon, EnglishLocale()), "2:05 PM");
  EXPECT_EQ(FormatDateTime("hh:nn ampm", kAfternoon), "02:05 ");  // Russian has no markers
  EXPECT_EQ(FormatDateTime("h 'am/pm'", kAfternoon), "14 am/pm");  // quoted marker is just text
  EXPECT_EQ(FormatDateTime("h:nn a", kAfternoon), "14:05 a");
  EXPECT_EQ(FormatDateTime("hh:nn", EncodeTime(12, 30, 0)), "12:30");
}

TEST(FormatDateTime, QuotedTextAndMilliseconds) {
  EXPECT_EQ(FormatDateTime("'day' d \"of\" yyyy", kAfternoon), "day 8 of 2026");
  EXPECT_EQ(FormatDateTime("'unclosed d", kAfternoon), "unclosed d");
  EXPECT_EQ(FormatDateTime("ss.zzz|z", kAfternoon), "09.007|7");
  EXPECT_EQ(FormatDateTime("Время: hh:nn", kAfternoon), "Время: 14:05");
  EXPECT_EQ(FormatDateTime("", kAfternoon), "");
}

TEST(FormatDateTime, EnglishLocaleNamesAndPatterns) {
  const Locale english = EnglishLocale();
  EXPECT_EQ(FormatDateTime("dddddd", kAfternoon, english), "Tuesday, December 8, 2026");
  EXPECT_EQ(FormatDateTime("c", kAfternoon, english), "12/8/2026 2:05:09 PM");
}

TEST(FormatDateTime, SelfReferringLocalePatternStops) {
  Locale looping;
  looping.shortDateFormat = "c";
  looping.longTimeFormat = "tt";
  EXPECT_NO_FATAL_FAILURE(FormatDateTime("c ddddd tt", kAfternoon, looping));
}

TEST(FormatDateTime, RunningTimeAsDayFraction) {
  // 25 hours 3 minutes of uptime shown through a time-of-day pattern.
  const DateTime uptime = (25.0 * 3600 + 3 * 60) / 86400;
  EXPECT_EQ(FormatDateTime("hh:nn:ss", uptime), "01:03:00");
}

TEST(ParseDateTime, ReadsBackWhatTheShortFormsWrite) {
  for (const DateTime value : {kAfternoon - 7.0 / 86400000, kJustAfterMidnight, EncodeDate(2026, 12, 8),
                               EncodeDateTime({1850, 6, 1, 12, 0, 0, 0})}) {
    const auto back = ParseDateTime(FormatDateTime("c", value));
    ASSERT_TRUE(back) << FormatDateTime("c", value);
    EXPECT_EQ(DecodeDateTime(*back), DecodeDateTime(value));
  }
  const Locale english = EnglishLocale();
  const auto back = ParseDateTime(FormatDateTime("c", kAfternoon, english), english);
  ASSERT_TRUE(back);
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss", *back), "2026-12-08 14:05:09");
}

TEST(ParseDateTime, AcceptsShortFormsOfTimeAndYear) {
  EXPECT_EQ(ParseDateTime("8.12.26"), EncodeDate(2026, 12, 8));
  EXPECT_EQ(ParseDateTime("8.12.75"), EncodeDate(1975, 12, 8));
  EXPECT_EQ(ParseDateTime(" 08.12.2026  7:05 "), EncodeDate(2026, 12, 8) + EncodeTime(7, 5, 0));
  EXPECT_EQ(ParseDateTime("12/8/2026 12:30 AM", EnglishLocale()), EncodeDate(2026, 12, 8) + EncodeTime(0, 30, 0));
}

TEST(ParseDateTime, RejectsUnreadableText) {
  for (const char* bad : {"", "x", "08.12", "31.02.2026", "08.12.2026 25:00", "08.12.2026 14", "08.12.2026 14:05 x",
                          "08.12.2026 13:00 PM", "1234567890.1.1"})
    EXPECT_EQ(ParseDateTime(bad), std::nullopt) << bad;
}

TEST(PatternFromWindowsFormat, TranslatesSystemPatterns) {
  EXPECT_EQ(PatternFromWindowsFormat("dd.MM.yyyy"), "dd.mm.yyyy");
  EXPECT_EQ(PatternFromWindowsFormat("M/d/yyyy"), "m/d/yyyy");
  EXPECT_EQ(PatternFromWindowsFormat("H:mm:ss"), "h:nn:ss");
  EXPECT_EQ(PatternFromWindowsFormat("h:mm:ss tt"), "h:nn:ss ampm");
  EXPECT_EQ(PatternFromWindowsFormat("d MMMM yyyy 'г.'"), "d mmmm yyyy 'г.'");
  EXPECT_EQ(PatternFromWindowsFormat("dddd, MMMM dd, yy"), "dddd, mmmm dd, yy");
  EXPECT_EQ(PatternFromWindowsFormat("yyyy'年'M'月'd'日'"), "yyyy'年'm'月'd'日'");
  EXPECT_EQ(PatternFromWindowsFormat("'o''clock' H"), "\"o'clock\" h");
  EXPECT_EQ(PatternFromWindowsFormat("gg yyyy"), " yyyy");
}

TEST(PatternFromWindowsFormat, StrayLettersStayText) {
  const std::string pattern = PatternFromWindowsFormat("d. MMMM yyyy, dddd  kl. HH:mm zone c");
  EXPECT_EQ(FormatDateTime(pattern, kAfternoon, EnglishLocale()), "8. December 2026, Tuesday  kl. 14:05 zone c");
}

}  // namespace
}  // namespace tikolvo

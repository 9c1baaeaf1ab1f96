#pragma once
// The program's date-time: days since 1899-12-30 as a double, the fraction
// being the time of day. This is the stored form in every record file. For
// dates before 1899-12-30 the whole part counts days backwards and the
// absolute value of the fraction is the time of day (-1.25 is 1899-12-29
// 06:00).
#include <cstdint>
#include <optional>

namespace tikolvo {

using DateTime = double;

struct CivilTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;

  bool operator==(const CivilTime&) const = default;
};

inline constexpr std::int64_t kMillisecondsPerDay = 86'400'000;
inline constexpr int kSecondsPerDay = 86'400;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);  // 0 for a month outside 1..12
bool IsValidDate(int year, int month, int day);

// Strict forms: nullopt for a date outside 1..9999 or a time outside a day.
std::optional<DateTime> TryEncodeDate(int year, int month, int day);
std::optional<DateTime> TryEncodeTime(int hour, int minute, int second, int millisecond = 0);

// Lenient forms for values already known to be valid; out-of-range parts
// simply carry over (day 32 of January is 1 February).
DateTime EncodeDate(int year, int month, int day);
DateTime EncodeTime(int hour, int minute, int second, int millisecond = 0);
DateTime EncodeDateTime(const CivilTime& civil);
// Joins a whole-day date and a time of day following the sign convention.
DateTime CombineDateAndTime(DateTime date, DateTime time);

// Rounds to the nearest millisecond first, so 0.99999999 of a day is the
// next midnight and never second 60.
CivilTime DecodeDateTime(DateTime value);

// Sunday = 1 ... Saturday = 7.
int DayOfWeek(DateTime value);

// The whole day (time dropped) and the time of day (date dropped).
DateTime DateOf(DateTime value);
DateTime TimeOf(DateTime value);

// Time of day in whole seconds (0..86399) and milliseconds, for comparisons
// that must not depend on the last bits of a double.
int TimeOfDaySeconds(DateTime value);
std::int64_t TimeOfDayMilliseconds(DateTime value);

}  // namespace tikolvo

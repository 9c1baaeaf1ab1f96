#include "common/date_time.h"

#include <cmath>

namespace tikolvo {
namespace {

// Days from 1970-01-01 in the proleptic Gregorian calendar (the well-known
// era-based algorithm; exact for any year).
constexpr std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day) {
  year -= month <= 2;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const auto yearOfEra = static_cast<unsigned>(year - era * 400);
  const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

void CivilFromDays(std::int64_t days, int& year, int& month, int& day) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
  const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const unsigned mp = (5 * dayOfYear + 2) / 153;
  day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2));
}

// constexpr so that dates computed during static initialisation of other
// files are right too.
constexpr std::int64_t kDaysTo1899_12_30 = DaysFromCivil(1899, 12, 30);

// Whole days from 1899-12-30 and milliseconds into that day, rounded to the
// millisecond the way the stored values were written.
struct DayAndMilliseconds {
  std::int64_t day;
  std::int64_t milliseconds;
};

DayAndMilliseconds Split(DateTime value) {
  // Far outside years 1..9999 the value means nothing; keep it finite.
  constexpr double kLimit = 1e10;
  if (!(value > -kLimit)) value = -kLimit;  // also catches NaN
  if (value > kLimit) value = kLimit;
  const auto total = static_cast<std::int64_t>(std::llround(value * static_cast<double>(kMillisecondsPerDay)));
  const std::int64_t day = total / kMillisecondsPerDay;  // toward zero, as the sign convention wants
  const std::int64_t magnitude = total < 0 ? -total : total;
  return {day, magnitude % kMillisecondsPerDay};
}

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month);
}

std::optional<DateTime> TryEncodeDate(int year, int month, int day) {
  if (!IsValidDate(year, month, day)) return std::nullopt;
  return EncodeDate(year, month, day);
}

std::optional<DateTime> TryEncodeTime(int hour, int minute, int second, int millisecond) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
      millisecond < 0 || millisecond > 999)
    return std::nullopt;
  return EncodeTime(hour, minute, second, millisecond);
}

DateTime EncodeDate(int year, int month, int day) {
  // Normalise the month first so that month 13 is January of the next year.
  std::int64_t monthIndex = static_cast<std::int64_t>(year) * 12 + (month - 1);
  const std::int64_t normalYear = (monthIndex >= 0 ? monthIndex : monthIndex - 11) / 12;
  const auto normalMonth = static_cast<unsigned>(monthIndex - normalYear * 12 + 1);
  const std::int64_t days = DaysFromCivil(normalYear, normalMonth, 1) + (day - 1);
  return static_cast<DateTime>(days - kDaysTo1899_12_30);
}

DateTime EncodeTime(int hour, int minute, int second, int millisecond) {
  const std::int64_t ms = ((static_cast<std::int64_t>(hour) * 60 + minute) * 60 + second) * 1000 + millisecond;
  return static_cast<double>(ms) / static_cast<double>(kMillisecondsPerDay);
}

DateTime CombineDateAndTime(DateTime date, DateTime time) {
  return date < 0 ? date - time : date + time;
}

DateTime EncodeDateTime(const CivilTime& civil) {
  return CombineDateAndTime(EncodeDate(civil.year, civil.month, civil.day),
                            EncodeTime(civil.hour, civil.minute, civil.second, civil.millisecond));
}

CivilTime DecodeDateTime(DateTime value) {
  const auto [day, ms] = Split(value);
  CivilTime civil;
  CivilFromDays(day + kDaysTo1899_12_30, civil.year, civil.month, civil.day);
  civil.hour = static_cast<int>(ms / 3'600'000);
  civil.minute = static_cast<int>(ms / 60'000 % 60);
  civil.second = static_cast<int>(ms / 1000 % 60);
  civil.millisecond = static_cast<int>(ms % 1000);
  return civil;
}

int DayOfWeek(DateTime value) {
  const std::int64_t day = Split(value).day;
  // 1899-12-30 (day 0) was a Saturday.
  const std::int64_t sundayBased = ((day + 6) % 7 + 7) % 7;
  return static_cast<int>(sundayBased) + 1;
}

DateTime DateOf(DateTime value) { return static_cast<DateTime>(Split(value).day); }

DateTime TimeOf(DateTime value) {
  return static_cast<double>(Split(value).milliseconds) / static_cast<double>(kMillisecondsPerDay);
}

int TimeOfDaySeconds(DateTime value) { return static_cast<int>(Split(value).milliseconds / 1000); }

std::int64_t TimeOfDayMilliseconds(DateTime value) { return Split(value).milliseconds; }

}  // namespace tikolvo

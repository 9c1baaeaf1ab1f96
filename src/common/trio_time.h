#pragma once
// TTrioTime: a time span as hours, minutes, seconds and total seconds, used
// for timers, connection durations and work time. The total is the
// authoritative value; the parts are derived from it with division toward
// zero, and hours are not limited to 24. Arithmetic on totals wraps at 32
// bits, the way the stored fields do.
#include <cstdint>
#include <string>

#include "common/clock.h"
#include "common/date_time.h"

namespace tikolvo {

struct TTrioTime {
  std::int32_t hours = 0;
  std::int32_t minutes = 0;
  std::int32_t seconds = 0;
  std::int32_t total = 0;

  bool operator==(const TTrioTime&) const = default;
};

// A span holding `total` seconds with its parts derived.
TTrioTime TrioFromTotal(std::int32_t total);

void Clear(TTrioTime& span);

// Hours, minutes and seconds of the time of day (milliseconds dropped).
TTrioTime FromTimeOfDay(DateTime moment);

// Hours counted from the start of the moment's year, plus its minutes and
// seconds. The difference of two such values is a duration within a year.
TTrioTime FromYearTime(DateTime moment);

// A span of `days` days, truncated to whole seconds.
TTrioTime FromDayFraction(double days);

// Recomputes the parts from the total, unless the total is 0 (then the
// parts stay as they are).
void Normalize(TTrioTime& span);

// Seconds described by the parts; the stored total is not used.
std::int32_t TotalOf(const TTrioTime& span);

void Add(TTrioTime& a, const TTrioTime& b);
void Sum(const TTrioTime& a, const TTrioTime& b, TTrioTime& out);

// out.total = a.total - b.total; the parts show the size of the difference.
// When a.total is 0 everything in out is 0: a span that never started has
// no difference.
void Difference(const TTrioTime& a, const TTrioTime& b, TTrioTime& out);

DateTime NowPlus(const TTrioTime& span, DateTime now);
DateTime NowPlus(const TTrioTime& span, const Clock& clock);

// "1:02:05", "-0:01:01", "27:00:00". Parts are written as they are.
std::string ToText(const TTrioTime& span);

enum class SecondsPart { kMinutes = 1, kHours = 2, kDays = 3 };

// One part of a number of seconds: the minutes within the hour, the whole
// hours, or the span as a fraction of days. 0 for x <= 0 and for values that
// do not fit a 32-bit integer.
double SplitSeconds(SecondsPart part, double seconds);
double SplitSeconds(int kind, double seconds);

}  // namespace tikolvo

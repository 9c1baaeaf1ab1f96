#include "common/trio_time.h"

#include <cmath>
#include <limits>

namespace tikolvo {
namespace {

// Keeps the low 32 bits, as the 32-bit fields of the record files do.
std::int32_t Wrap32(std::int64_t value) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

void DeriveParts(TTrioTime& span, std::int64_t total) {
  span.hours = Wrap32(total / 3600);
  span.minutes = Wrap32(total / 60 - (total / 3600) * 60);
  span.seconds = Wrap32(total % 60);
}

std::string TwoDigits(std::int32_t value) {
  std::string text = std::to_string(value);
  return value < 10 ? "0" + text : text;
}

// Truncates toward zero; values beyond 64 bits (and NaN) become 0 instead
// of undefined behaviour.
std::int64_t TruncateToInt64(double value) {
  if (!(std::fabs(value) < 9.2e18)) return 0;
  return static_cast<std::int64_t>(value);
}

}  // namespace

TTrioTime TrioFromTotal(std::int32_t total) {
  TTrioTime span;
  span.total = total;
  DeriveParts(span, total);
  return span;
}

void Clear(TTrioTime& span) { span = TTrioTime{}; }

TTrioTime FromTimeOfDay(DateTime moment) {
  const CivilTime civil = DecodeDateTime(moment);
  TTrioTime span;
  span.hours = civil.hour;
  span.minutes = civil.minute;
  span.seconds = civil.second;
  span.total = civil.hour * 3600 + civil.minute * 60 + civil.second;
  return span;
}

TTrioTime FromYearTime(DateTime moment) {
  const CivilTime civil = DecodeDateTime(moment);
  int days = civil.day - 1;
  for (int month = 1; month < civil.month; ++month) days += DaysInMonth(civil.year, month);
  TTrioTime span;
  span.hours = civil.hour + 24 * days;
  span.minutes = civil.minute;
  span.seconds = civil.second;
  span.total = span.seconds + span.minutes * 60 + span.hours * 3600;
  return span;
}

TTrioTime FromDayFraction(double days) {
  return TrioFromTotal(Wrap32(TruncateToInt64(days * kSecondsPerDay)));
}

void Normalize(TTrioTime& span) {
  if (span.total != 0) DeriveParts(span, span.total);
}

std::int32_t TotalOf(const TTrioTime& span) {
  return Wrap32(static_cast<std::int64_t>(span.seconds) + static_cast<std::int64_t>(span.minutes) * 60 +
                static_cast<std::int64_t>(span.hours) * 3600);
}

void Add(TTrioTime& a, const TTrioTime& b) {
  a = TrioFromTotal(Wrap32(static_cast<std::int64_t>(a.total) + b.total));
}

void Sum(const TTrioTime& a, const TTrioTime& b, TTrioTime& out) {
  out = TrioFromTotal(Wrap32(static_cast<std::int64_t>(a.total) + b.total));
}

void Difference(const TTrioTime& a, const TTrioTime& b, TTrioTime& out) {
  if (a.total == 0) {
    out = TTrioTime{};
    return;
  }
  const std::int32_t difference = Wrap32(static_cast<std::int64_t>(a.total) - b.total);
  out.total = difference;
  const std::int64_t magnitude = difference < 0 ? -static_cast<std::int64_t>(difference) : difference;
  DeriveParts(out, magnitude);
}

DateTime NowPlus(const TTrioTime& span, DateTime now) {
  return now + static_cast<double>(span.total) / kSecondsPerDay;
}

DateTime NowPlus(const TTrioTime& span, const Clock& clock) { return NowPlus(span, clock.Now()); }

std::string ToText(const TTrioTime& span) {
  std::string text = span.total < 0 ? "-" : "";
  text += std::to_string(span.hours);
  text += ':' + TwoDigits(span.minutes);
  text += ':' + TwoDigits(span.seconds);
  return text;
}

double SplitSeconds(SecondsPart part, double seconds) {
  if (!(seconds > 0)) return 0;
  const double whole = std::trunc(seconds);
  const std::int64_t n = whole <= std::numeric_limits<std::int32_t>::max() ? static_cast<std::int64_t>(whole) : 0;
  switch (part) {
    case SecondsPart::kMinutes: return static_cast<double>(n / 60 - (n / 3600) * 60);
    case SecondsPart::kHours: return static_cast<double>(n / 3600);
    case SecondsPart::kDays: return static_cast<double>(n) / kSecondsPerDay;
  }
  return 0;
}

double SplitSeconds(int kind, double seconds) {
  if (kind < 1 || kind > 3) return 0;
  return SplitSeconds(static_cast<SecondsPart>(kind), seconds);
}

}  // namespace tikolvo

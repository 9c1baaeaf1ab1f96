#include "netlog/session_cost.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"

namespace tikolvo {
namespace {

constexpr double kEndOfDay = 86399.0 / 86400.0;

std::int64_t Seconds(double dayFraction) { return static_cast<std::int64_t>(std::trunc(dayFraction * 86400.0)); }

double TimeOfDay(DateTime moment) { return moment - std::trunc(moment); }

bool DayAllowed(DateTime moment, std::uint8_t excludedDays) {
  return (excludedDays & (1u << WeekdayIndex(moment))) == 0;
}

struct Window {
  double a, b;
  std::uint8_t days;
  DateTime start, end;

  // The part of [x, y] (within one day) inside the window; the weekday is
  // tested on the session's start or end, as the case says.
  std::int64_t Overlap(double x, double y) const {
    if (x > b || y < a) return 0;
    const double w = b - a, l = y - x;
    double part = 0;
    DateTime tested = start;
    if (w >= l) {
      if (x > a) {
        if (b <= y) {
          part = b - x;
        } else {
          part = l;
          tested = end;
        }
      } else {
        part = y - a;
      }
    } else if (x >= a) {
      part = b - x;
    } else {
      part = b <= y ? w : y - a;
      tested = end;
    }
    return DayAllowed(tested, days) ? Seconds(part) : 0;
  }
};

std::string Fixed2WithComma(double value) {
  std::string text = FormatFixed(2, value);
  std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

}  // namespace

int WeekdayIndex(DateTime moment) {
  const int day = DayOfWeek(moment);  // Sunday 1 .. Saturday 7
  return day == 1 ? 6 : day - 2;
}

std::int64_t WindowSeconds(DateTime start, DateTime end, double a, double b, std::uint8_t excludedDays) {
  const Window window{a, b, excludedDays, start, end};
  const double s = TimeOfDay(start), e = TimeOfDay(end);
  if (s <= e) return window.Overlap(s, e);
  // Over midnight.
  if (s >= b) return e > a ? window.Overlap(a, e) : 0;
  if (e <= a) return window.Overlap(s, b);
  return window.Overlap(s, b) + window.Overlap(a, e);
}

double SessionCost(std::int64_t in, std::int64_t out, const std::array<TariffRule, kTariffCount>& rules,
                   int currency, DateTime end, DateTime start) {
  double cost = 0;
  for (const TariffRule& rule : rules) {
    if (!rule.enabled || rule.currency != currency) continue;
    if (rule.kind == TariffKind::kByTraffic) {
      const std::int64_t amount = rule.direction == 0 ? in + out : rule.direction == 1 ? in : rule.direction == 2 ? out : 0;
      if (rule.trafficUnit > 3) continue;
      cost += rule.cost * static_cast<double>(amount) / static_cast<double>(std::int64_t{1} << (10 * rule.trafficUnit));
      continue;
    }
    const bool wholeDay = rule.kind == TariffKind::kAroundTheClock;
    const std::int64_t seconds =
        WindowSeconds(start, end, wholeDay ? 0.0 : rule.start, wholeDay ? kEndOfDay : rule.end, rule.excludedDays);
    static constexpr double kTimeDivisors[] = {1, 60, 3600};
    if (rule.timeUnit > 2) continue;
    cost += rule.cost * static_cast<double>(seconds) / kTimeDivisors[rule.timeUnit];
  }
  return cost;
}

std::string CostText(double dollars, double roubles) {
  if (!(dollars > 0) && !(roubles > 0)) return "0.00";
  std::string text;
  if (dollars > 0) text += "$" + FormatFixed(2, dollars);
  if (dollars > 0 && roubles > 0) text += "/";
  if (roubles > 0) text += FormatFixed(2, roubles) + " р";
  return text;
}

std::string RoubleExportText(double roubles) { return Fixed2WithComma(roubles) + " р."; }
std::string DollarExportText(double dollars) { return "$" + Fixed2WithComma(dollars); }

}  // namespace tikolvo

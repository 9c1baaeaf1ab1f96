#include "netlog/tariff_box.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "common/number_text.h"

namespace tikolvo {
namespace {

constexpr double kDaySeconds = 86400.0;

TariffChoice ChoiceOf(const TariffRule& rule) {
  if (!rule.enabled) return TariffChoice::kUnused;
  switch (rule.kind) {
    case TariffKind::kByTraffic: return TariffChoice::kByTraffic;
    case TariffKind::kAroundTheClock: return TariffChoice::kAroundTheClock;
    case TariffKind::kByTime: break;
  }
  return TariffChoice::kByTime;
}

// The time of day in whole seconds, rounded: a stored 10:07 is a double a
// hair below 36420 seconds and must not show as 10:06.
int SecondsOfDay(double dayFraction) {
  return static_cast<int>(std::clamp(std::lround(dayFraction * kDaySeconds), 0L, 86399L));
}

std::string ShortestNumber(double value, char decimalSeparator) {
  char text[32];
  std::snprintf(text, sizeof(text), "%.15g", value);
  std::string out(text);
  std::replace(out.begin(), out.end(), '.', decimalSeparator);
  return out;
}

std::optional<double> ParseCost(std::string text, char decimalSeparator) {
  if (text.empty()) return std::nullopt;
  std::replace(text.begin(), text.end(), decimalSeparator, '.');
  if (text.find_first_not_of("0123456789.") != std::string::npos) return std::nullopt;
  if (std::count(text.begin(), text.end(), '.') > 1 || text == ".") return std::nullopt;
  return std::strtod(text.c_str(), nullptr);
}

int EditNumber(const std::string& text, int most) {
  return std::clamp(static_cast<int>(Int32OrZero(text)), 0, most);
}

}  // namespace

TariffBox TariffBoxOf(const TariffRule& rule, char decimalSeparator) {
  TariffBox box;
  box.choice = ChoiceOf(rule);
  const int start = SecondsOfDay(rule.start), end = SecondsOfDay(rule.end);
  box.startHour = start / 3600;
  box.startMinute = start / 60 % 60;
  box.endHour = end / 3600;
  box.endMinute = end / 60 % 60;
  box.cost = ShortestNumber(rule.cost, decimalSeparator);
  box.currency = rule.currency;
  box.trafficUnit = rule.trafficUnit;
  box.timeUnit = rule.timeUnit;
  box.direction = rule.direction;
  box.excludedDays = rule.excludedDays;
  if (LookOfChoice(box.choice).wholeDay) {
    box.startHour = box.startMinute = 0;
    box.endHour = 23;
    box.endMinute = 59;
  }
  return box;
}

std::optional<TariffRule> TariffRuleOf(const TariffBox& box, const TariffRule& previous, char decimalSeparator) {
  const std::optional<double> cost = ParseCost(box.cost, decimalSeparator);
  if (!cost) return std::nullopt;
  TariffRule rule = previous;
  rule.enabled = box.choice != TariffChoice::kUnused;
  if (box.choice == TariffChoice::kByTime) rule.kind = TariffKind::kByTime;
  if (box.choice == TariffChoice::kByTraffic) rule.kind = TariffKind::kByTraffic;
  if (box.choice == TariffChoice::kAroundTheClock) rule.kind = TariffKind::kAroundTheClock;
  const bool wholeDay = LookOfChoice(box.choice).wholeDay;
  const int startHour = wholeDay ? 0 : box.startHour, startMinute = wholeDay ? 0 : box.startMinute;
  const int endHour = wholeDay ? 23 : box.endHour, endMinute = wholeDay ? 59 : box.endMinute;
  rule.start = (startHour * 3600 + startMinute * 60) / kDaySeconds;
  // An end minute of 59 covers that whole minute.
  rule.end = (endHour * 3600 + endMinute * 60 + (endMinute == 59 ? 59 : 0)) / kDaySeconds;
  rule.cost = *cost;
  rule.currency = static_cast<std::uint8_t>(box.currency);
  rule.trafficUnit = static_cast<std::uint8_t>(box.trafficUnit);
  rule.timeUnit = static_cast<std::uint8_t>(box.timeUnit);
  rule.direction = static_cast<std::uint8_t>(box.direction);
  rule.excludedDays = box.excludedDays;
  return rule;
}

std::string CostNotice(int boxNumber, const std::string& cost) {
  return "Тариф " + std::to_string(boxNumber) + ": стоимость \"" + cost + "\" не является числом.";
}

TariffBoxLook LookOfChoice(TariffChoice choice) {
  TariffBoxLook look;
  switch (choice) {
    case TariffChoice::kUnused: break;
    case TariffChoice::kByTime:
      look.timesShown = look.timesEnabled = look.timeLabelsShown = look.timeUnitShown = true;
      look.currencyEnabled = look.daysEnabled = true;
      break;
    case TariffChoice::kByTraffic:
      look.trafficUnitShown = look.directionShown = look.currencyEnabled = look.daysEnabled = true;
      break;
    case TariffChoice::kAroundTheClock:
      look.timesShown = look.timeLabelsShown = look.timeUnitShown = look.currencyEnabled = look.daysEnabled = true;
      look.wholeDay = true;
      break;
  }
  return look;
}

ConnectionLimits LimitsOf(const LimitEdits& edits) {
  ConnectionLimits limits;
  const int hours = EditNumber(edits.hours, 8760), minutes = EditNumber(edits.minutes, 59),
            seconds = EditNumber(edits.seconds, 59);
  limits.time = {hours, minutes, seconds, seconds + minutes * 60 + hours * 3600};
  const std::int64_t factor = edits.trafficUnit == 2 ? 1048576 : edits.trafficUnit == 1 ? 1024 : 1;
  // Stored in a signed 32-bit field: a limit too large for it is the largest.
  const std::int64_t traffic = static_cast<std::int64_t>(std::max(Int32OrZero(edits.traffic), 0)) * factor;
  limits.traffic = static_cast<std::int32_t>(std::min<std::int64_t>(traffic, 0x7FFFFFFF));
  return limits;
}

}  // namespace tikolvo

#pragma once
// The connection settings dialog's rules, apart from its windows: what each
// of the 16 tariff boxes shows for its rule and stores back, which of its
// controls a kind choice shows and enables, and how the limit edits become
// the stored limits.
#include <cstdint>
#include <optional>
#include <string>

#include "common/trio_time.h"
#include "netlog/connection_records.h"

namespace tikolvo {

// The kind box's items, in their order.
enum class TariffChoice { kUnused, kByTime, kByTraffic, kAroundTheClock };

struct TariffBox {
  TariffChoice choice = TariffChoice::kUnused;
  int startHour = 0, startMinute = 0, endHour = 0, endMinute = 0;
  std::string cost;  // as typed, with the user's decimal separator
  int currency = 0, trafficUnit = 2, timeUnit = 2, direction = 0;
  std::uint8_t excludedDays = 0;
};

TariffBox TariffBoxOf(const TariffRule& rule, char decimalSeparator);

// The rule the box describes, over `previous` (a box set to "Не
// использовать" keeps the rule's kind). Nothing when the cost is not a
// number: then nothing may be written.
std::optional<TariffRule> TariffRuleOf(const TariffBox& box, const TariffRule& previous, char decimalSeparator);

// "Тариф 3: стоимость "1,2,3" не является числом."
std::string CostNotice(int boxNumber, const std::string& cost);

struct TariffBoxLook {
  bool timesShown = false;
  bool timesEnabled = false;
  bool timeLabelsShown = false;
  bool timeUnitShown = false;
  bool trafficUnitShown = false;
  bool directionShown = false;
  bool currencyEnabled = false;
  bool daysEnabled = false;
  bool wholeDay = false;  // the times are set to 00:00 - 23:59
};
TariffBoxLook LookOfChoice(TariffChoice choice);

// The limit edits as typed: empty counts as 0; hours stop at 8760, minutes
// and seconds at 59. The traffic unit is 0 bytes, 1 Kb, 2 Mb.
struct LimitEdits {
  std::string hours, minutes, seconds, traffic;
  int trafficUnit = 0;
};
struct ConnectionLimits {
  TTrioTime time;
  std::int32_t traffic = 0;
};
ConnectionLimits LimitsOf(const LimitEdits& edits);

}  // namespace tikolvo

#pragma once
// What a dial-up session costs under its connection's 16 tariff rules, and
// how the cost is written in the grids and in the exports.
#include <array>
#include <cstdint>
#include <string>

#include "common/date_time.h"
#include "netlog/connection_records.h"

namespace tikolvo {

// Index of a date's weekday in the tariffs' day bits: 0 Monday .. 6 Sunday.
int WeekdayIndex(DateTime moment);

// The seconds of the session [start, end] that fall into the window [a, b]
// (times of day as fractions of a day) on days the rule does not leave out.
// Only the times of day count: a session longer than a day is measured by
// them alone.
std::int64_t WindowSeconds(DateTime start, DateTime end, double a, double b, std::uint8_t excludedDays);

// The sum over the enabled rules of that currency (0 rouble, 1 dollar).
double SessionCost(std::int64_t in, std::int64_t out, const std::array<TariffRule, kTariffCount>& rules,
                   int currency, DateTime end, DateTime start);

// Grids: "$1.50/20.00 р", "0.00" when both are nothing.
std::string CostText(double dollars, double roubles);
// Exports: "12,50 р." and "$12,50".
std::string RoubleExportText(double roubles);
std::string DollarExportText(double dollars);

}  // namespace tikolvo

#include "netlog/session_cost.h"

#include <gtest/gtest.h>

namespace tikolvo {
namespace {

DateTime At(int day, int h, int m) { return EncodeDateTime({2026, 12, day, h, m, 0, 0}); }  // 7 Dec 2026: Monday

std::array<TariffRule, kTariffCount> OneRule(TariffRule rule) {
  std::array<TariffRule, kTariffCount> rules{};
  rules[4] = rule;
  return rules;
}

TariffRule TwoPerHourFromSixToSix() {
  TariffRule r;
  r.enabled = true;
  r.kind = TariffKind::kByTime;
  r.start = 6.0 / 24;
  r.end = 18.0 / 24;
  r.cost = 2;
  r.timeUnit = 2;
  return r;
}

TEST(SessionCost, TimeWindowsCountOnlyTheTimesOfDayInsideThemOnAllowedDays) {
  const auto rules = OneRule(TwoPerHourFromSixToSix());
  EXPECT_DOUBLE_EQ(SessionCost(0, 0, rules, 0, At(8, 21, 0), At(8, 12, 0)), 12.0);
  EXPECT_DOUBLE_EQ(SessionCost(0, 0, rules, 1, At(8, 21, 0), At(8, 12, 0)), 0.0);  // not in dollars

  TariffRule tuesdayOff = TwoPerHourFromSixToSix();
  tuesdayOff.excludedDays = 1 << 1;  // 8 Dec 2026 is a Tuesday
  EXPECT_DOUBLE_EQ(SessionCost(0, 0, OneRule(tuesdayOff), 0, At(8, 21, 0), At(8, 12, 0)), 0.0);

  // Around the clock: both sides of midnight; a 30-hour session by its
  // times of day only.
  TariffRule wholeDay = TwoPerHourFromSixToSix();
  wholeDay.kind = TariffKind::kAroundTheClock;
  wholeDay.timeUnit = 0;
  wholeDay.cost = 1;
  EXPECT_NEAR(SessionCost(0, 0, OneRule(wholeDay), 0, At(9, 2, 0), At(8, 22, 0)), 4 * 3600, 2);
  EXPECT_NEAR(SessionCost(0, 0, OneRule(wholeDay), 0, At(9, 16, 0), At(8, 10, 0)), 6 * 3600, 2);
}

TEST(SessionCost, TrafficRulesAndTheCostTexts) {
  TariffRule perMegabyte;
  perMegabyte.enabled = true;
  perMegabyte.kind = TariffKind::kByTraffic;
  perMegabyte.cost = 3;
  perMegabyte.trafficUnit = 2;
  perMegabyte.direction = 1;  // received only
  EXPECT_DOUBLE_EQ(SessionCost(2 * 1048576, 5 * 1048576, OneRule(perMegabyte), 0, At(8, 13, 0), At(8, 12, 0)), 6.0);
  EXPECT_EQ(CostText(0, 0), "0.00");
  EXPECT_EQ(CostText(1.5, 20), "$1.50/20.00 р");
  EXPECT_EQ(RoubleExportText(12.5), "12,50 р.");
  EXPECT_EQ(DollarExportText(12.5), "$12,50");
}

}  // namespace
}  // namespace tikolvo

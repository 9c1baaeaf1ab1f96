#include "netlog/tariff_box.h"

#include <gtest/gtest.h>

#include "netlog/limit_watch.h"

namespace tikolvo {
namespace {

int StoredSeconds(double dayFraction) { return static_cast<int>(dayFraction * 86400 + 0.5); }

TEST(TariffBox, EndMinute59CoversTheMinuteAndWholeDayIsAlwaysFromMidnight) {
  TariffBox box;
  box.choice = TariffChoice::kByTime;
  box.startHour = 10;
  box.startMinute = 7;
  box.endHour = 17;
  box.endMinute = 59;
  box.cost = "1,5";
  const TariffRule rule = *TariffRuleOf(box, TariffRule{}, ',');
  EXPECT_EQ(StoredSeconds(rule.end), 17 * 3600 + 59 * 60 + 59);
  EXPECT_EQ(rule.cost, 1.5);
  // Loaded again, 10:07 stays 10:07 despite the double's rounding.
  const TariffBox shown = TariffBoxOf(rule, ',');
  EXPECT_EQ((std::array{shown.startHour, shown.startMinute, shown.endHour, shown.endMinute}),
            (std::array{10, 7, 17, 59}));
  EXPECT_EQ(shown.cost, "1,5");

  box.endHour = 18;
  box.endMinute = 0;
  EXPECT_EQ(StoredSeconds(TariffRuleOf(box, TariffRule{}, ',')->end), 18 * 3600);

  box.choice = TariffChoice::kAroundTheClock;
  const TariffRule wholeDay = *TariffRuleOf(box, TariffRule{}, ',');
  EXPECT_EQ(wholeDay.start, 0);
  EXPECT_EQ(wholeDay.end, 86399.0 / 86400);
  EXPECT_EQ(wholeDay.kind, TariffKind::kAroundTheClock);
}

TEST(TariffBox, UnusedKeepsTheKindAndABadCostWritesNothing) {
  TariffRule byTraffic;
  byTraffic.enabled = true;
  byTraffic.kind = TariffKind::kByTraffic;
  TariffBox box = TariffBoxOf(byTraffic, '.');
  EXPECT_EQ(box.choice, TariffChoice::kByTraffic);
  box.choice = TariffChoice::kUnused;
  const TariffRule unused = *TariffRuleOf(box, byTraffic, '.');
  EXPECT_FALSE(unused.enabled);
  EXPECT_EQ(unused.kind, TariffKind::kByTraffic);
  for (const char* bad : {"", "1,2,3", "abc", ","}) {
    box.cost = bad;
    EXPECT_FALSE(TariffRuleOf(box, byTraffic, ',').has_value()) << bad;
  }
}

TEST(TariffBox, LimitsFromTheEdits) {
  const ConnectionLimits three = LimitsOf({"", "75", "5", "3", 2});
  EXPECT_EQ(three.traffic, 3145728);
  EXPECT_EQ(three.time, (TTrioTime{0, 59, 5, 59 * 60 + 5}));
  EXPECT_EQ(LimitsOf({"9999", "", "", "4000", 2}).time.hours, 8760);
  // Beyond the 32-bit field: the largest limit, never a negative one.
  EXPECT_EQ(LimitsOf({"", "", "", "4000", 2}).traffic, 0x7FFFFFFF);
}

TEST(LimitWatch, WarnsAtNinetyPercentAndAtTheEndOncePerSession) {
  ConnectionRecord record;
  record.name = "Домашний";
  record.trafficLimit = 10 * 1048576;
  record.totalIn = 4 * 1048576;  // 6 MB left when the session starts
  LimitWatch watch;
  watch.Begin(record);
  EXPECT_FALSE(watch.Check(60, 5 * 1048576));
  const std::optional<std::string> near = watch.Check(61, 5'700'000);
  ASSERT_TRUE(near);
  EXPECT_NE(near->find("Домашний"), std::string::npos);
  EXPECT_NE(near->find("Осталось трафика"), std::string::npos);
  EXPECT_FALSE(watch.Check(62, 5'800'000));  // once
  const std::optional<std::string> reached = watch.Check(63, 6 * 1048576);
  ASSERT_TRUE(reached);
  EXPECT_NE(reached->find("исчерпан."), std::string::npos);
  EXPECT_FALSE(watch.Check(64, 7 * 1048576));
  watch.Begin(record);  // a new session warns again
  EXPECT_TRUE(watch.Check(1, 6 * 1048576));
}

}  // namespace
}  // namespace tikolvo

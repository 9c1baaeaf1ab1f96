#include "netlog/statistics_summary.h"

#include <gtest/gtest.h>

namespace tikolvo {
namespace {

DateTime At(int day, int h) { return EncodeDateTime({2026, 12, day, h, 0, 0, 0}); }

SessionRecord Session(int day, std::int32_t in, std::int32_t out) {
  SessionRecord s;
  s.name = "Дом";
  s.valid = true;
  s.start = At(day, 10);
  s.end = At(day, 11);
  s.duration = TrioFromTotal(3600);
  s.in = in;
  s.out = out;
  return s;
}

TEST(StatisticsSummary, PeriodsChosenDaysAndWhatIsLeftOfTheLimits) {
  ConnectionRecord home;
  home.name = "Дом";
  home.valid = true;
  home.logDecimals = 0;
  const std::vector<SessionRecord> sessions = {Session(1, 100, 10), Session(6, 200, 20), Session(9, 400, 40)};
  const DateTime now = At(9, 12);

  auto rows = SummaryRows(sessions, home, "дом", now, {});
  EXPECT_EQ(rows[0].count, "1");   // today
  EXPECT_EQ(rows[2].count, "2");   // the last week
  EXPECT_EQ(rows[4].sum, "770 b");  // everything
  EXPECT_EQ(rows[4].time, "3:00:00");
  EXPECT_EQ(rows[5].count, "0");   // nothing chosen
  EXPECT_EQ(rows[6].sum, "");      // no limits: nothing left to show
  EXPECT_EQ(rows[6].time, "");

  home.trafficLimit = 1000;
  home.timeLimit = TrioFromTotal(4 * 3600);
  rows = SummaryRows(sessions, home, "Дом", now, {{}, {}, At(6, 0)});
  EXPECT_EQ(rows[5].title, "06.12.2026");
  EXPECT_EQ(rows[5].received, "200 b");
  EXPECT_EQ(rows[6].sum, "230 b");
  EXPECT_EQ(rows[6].time, "1:00:00");

  const auto list = StatisticsSessionRows(sessions, home, "Дом", {At(5, 0), At(9, 0), {}});
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0][8], "Вс");  // 6 December 2026
}

}  // namespace
}  // namespace tikolvo

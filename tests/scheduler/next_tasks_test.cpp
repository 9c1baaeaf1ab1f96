#include <gtest/gtest.h>

#include "plan_test_files.h"
#include "scheduler/next_tasks.h"
#include "scheduler/plan_base.h"
#include "scheduler/task_filters.h"

namespace tikolvo {
namespace {

std::vector<std::string> Marked(const PlanBase& base) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < base.size(); ++i)
    if (base.At(i).isNext) names.push_back(base.At(i).name);
  return names;
}

using Names = std::vector<std::string>;

// 2026-03-16 is a Monday.
const DateTime kMondayNoon = At(2026, 3, 16, 12, 0);

TEST(NextTasks, DailyAndOnceAtTheSameSecondAreBothMarkedInEitherOrder) {
  for (bool onceFirst : {false, true}) {
    TPlanTask daily = DailyTask("daily", 14, 0);
    TPlanTask once = OnceTask("once", At(2026, 3, 16, 14, 0));
    PlanBase base = onceFirst ? BaseOf({once, daily}) : BaseOf({daily, once});
    const NextTasks next = SearchNextTasks(base, kMondayNoon);
    ASSERT_TRUE(next.found);
    EXPECT_EQ(next.timeOfDay, 14 * 3600);
    EXPECT_EQ(next.names.size(), 2u);
    EXPECT_EQ(Marked(base).size(), 2u);
  }
}

TEST(NextTasks, TomorrowsOnceTaskDoesNotHideTodaysDailyTask) {
  PlanBase base = BaseOf({OnceTask("tomorrow", At(2026, 3, 17, 13, 0)), DailyTask("daily", 15, 0)});
  const NextTasks next = SearchNextTasks(base, kMondayNoon);
  EXPECT_EQ(next.timeOfDay, 15 * 3600);
  EXPECT_EQ(next.names, Names{"daily"});
}

TEST(NextTasks, OnlyTheEarliestTimeStillAheadIsMarked) {
  PlanBase base = BaseOf({DailyTask("past", 11, 59, 59), DailyTask("late", 18, 0), DailyTask("now", 12, 0, 0),
                          DailyTask("soon", 12, 0, 1), OnceTask("yesterday", At(2026, 3, 15, 12, 30))});
  const NextTasks next = SearchNextTasks(base, kMondayNoon);
  EXPECT_EQ(next.names, Names{"soon"}) << "a task at the current second is no longer a candidate";
  EXPECT_EQ(next.timeOfDay, 12 * 3600 + 1);
}

TEST(NextTasks, OnlyTheTimeOfDayCountsNotTheMilliseconds) {
  // Both at 14:00:00, one with stray milliseconds in its stored time.
  PlanBase base = BaseOf({DailyTask("a", 14, 0), OnceTask("b", At(2026, 3, 16, 14, 0, 0, 700))});
  EXPECT_EQ(SearchNextTasks(base, kMondayNoon).names, (Names{"a", "b"}));
}

TEST(NextTasks, StaleMarksAreClearedAndLockedTasksNeverMarked) {
  TPlanTask stale = DailyTask("stale", 9, 0);
  stale.isNext = true;
  TPlanTask locked = DailyTask("locked", 13, 0);
  locked.locked = true;
  TPlanTask freeMarked = DailyTask("free", 13, 0);
  freeMarked.inUse = false;
  freeMarked.isNext = true;
  PlanBase base = BaseOf({stale, locked, DailyTask("open", 16, 0), freeMarked});
  EXPECT_EQ(SearchNextTasks(base, kMondayNoon).names, Names{"open"});
  EXPECT_FALSE(base.At(0).isNext);
  EXPECT_FALSE(base.At(1).isNext);
  EXPECT_TRUE(base.At(3).isNext) << "free records are left as they are";
}

TEST(NextTasks, WeekdayAndMonthFiltersDecideTheDay) {
  TPlanTask notMonday = DailyTask("not monday", 13, 0);
  notMonday.weekdayFilter = true;
  notMonday.weekdays[0] = false;
  TPlanTask onlyMonday = DailyTask("monday", 14, 0);
  onlyMonday.weekdayFilter = true;
  onlyMonday.weekdays = {true, false, false, false, false, false, false};
  TPlanTask notMarch = DailyTask("not march", 13, 30);
  notMarch.monthFilter = true;
  notMarch.months[2] = false;
  PlanBase base = BaseOf({notMonday, notMarch, onlyMonday});
  EXPECT_EQ(SearchNextTasks(base, kMondayNoon).names, Names{"monday"});
  EXPECT_EQ(SearchNextTasks(base, At(2026, 3, 17, 12, 0)).names, Names{"not monday"});
}

TEST(NextTasks, MonthlyTaskFiresOnItsDayInAllowedMonths) {
  TPlanTask fourteenth = MonthlyTask("14th", 14, 9, 0);
  fourteenth.monthFilter = true;
  fourteenth.months[5] = false;  // not in June
  PlanBase base = BaseOf({fourteenth});
  std::vector<int> months;
  for (DateTime day = At(2026, 1, 1); day < At(2027, 1, 1); day += 1) {
    const NextTasks next = SearchNextTasks(base, day + 8.0 / 24);
    if (!next.found) continue;
    const CivilTime civil = DecodeDateTime(day);
    EXPECT_EQ(civil.day, 14);
    EXPECT_EQ(next.timeOfDay, 9 * 3600);
    months.push_back(civil.month);
  }
  EXPECT_EQ(months, (std::vector<int>{1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12}));
}

TEST(NextTasks, MonthlyTaskForThe31stOnlyInLongMonths) {
  PlanBase base = BaseOf({MonthlyTask("31st", 31, 9, 0)});
  std::vector<int> months;
  for (DateTime day = At(2026, 1, 1); day < At(2027, 1, 1); day += 1)
    if (SearchNextTasks(base, day + 8.0 / 24).found) months.push_back(DecodeDateTime(day).month);
  EXPECT_EQ(months, (std::vector<int>{1, 3, 5, 7, 8, 10, 12}));
}

TEST(NextTasks, HourlyTaskMovesToTheNextWholeHourButNeverToMidnight) {
  PlanBase base = BaseOf({HourlyTask("hourly", 14.0 / 24)});
  const DateTime day = At(2026, 3, 16);
  EXPECT_EQ(SearchNextTasks(base, day + EncodeTime(13, 20, 0)).timeOfDay, 14 * 3600);
  EXPECT_EQ(base.At(0).when, day + 14.0 / 24) << "today's date and the next hour";
  EXPECT_EQ(SearchNextTasks(base, day + EncodeTime(14, 0, 0)).timeOfDay, 15 * 3600);
  EXPECT_EQ(SearchNextTasks(base, day + EncodeTime(22, 59, 59)).timeOfDay, 23 * 3600);
  EXPECT_FALSE(SearchNextTasks(base, day + EncodeTime(23, 0, 0)).found);
  EXPECT_EQ(DateOf(base.At(0).when), day + 1) << "at 23:xx the next hour is tomorrow's midnight";
  EXPECT_EQ(SearchNextTasks(base, day + 1 + EncodeTime(0, 0, 1)).timeOfDay, 1 * 3600);
}

TEST(NextTasks, EventTasksAreNeverTimed) {
  PlanBase base = BaseOf({EventTask("start", TaskTrigger::kOnStart), EventTask("up", TaskTrigger::kOnConnect),
                          EventTask("down", TaskTrigger::kOnDisconnect)});
  TPlanTask damaged = DailyTask("damaged", 13, 0);
  damaged.trigger = static_cast<TaskTrigger>(9);
  PlanBase withDamaged = BaseOf({damaged});
  EXPECT_FALSE(SearchNextTasks(base, At(2026, 1, 1, 11, 0)).found);
  EXPECT_FALSE(SearchNextTasks(withDamaged, kMondayNoon).found);
}

TEST(NextTasks, SearchChangesOnlyMarksAndHourlyTimes) {
  PlanBase base = BaseOf({DailyTask("a", 13, 0), DailyTask("b", 15, 0)});
  const std::string before = base.bytes();
  SearchNextTasks(base, kMondayNoon);
  ASSERT_TRUE(base.Changed());
  std::string expected = before;
  expected[4 + 1565] = 1;  // only IsNext of the first record
  EXPECT_EQ(base.bytes(), expected);

  PlanBase again = PlanBase::FromBytes(base.bytes());
  SearchNextTasks(again, kMondayNoon);
  EXPECT_FALSE(again.Changed()) << "a second search at the same moment has nothing to write";
}

TEST(NextTasksLine, NamesTheMarkedTasksAndTheirTime) {
  NextTasks next;
  next.found = true;
  next.timeOfDay = 14 * 3600 + 5 * 60 + 9;
  next.names = {"Обед", "Звонок"};
  EXPECT_EQ(NextTasksLine(next), "Следующие задания:  \"Обед\", \"Звонок\" в 14:05:09");
  next.names = {"Один"};
  EXPECT_EQ(NextTasksLine(next), "Следующие задания:  \"Один\" в 14:05:09");
  EXPECT_EQ(NextTasksLine(NextTasks{}), "Следующие задания: На сегодня заданий больше нет.");
}

TEST(TaskFilters, MonthlyDayFilterAppliesOnlyToMonthlyTasksWithItOn) {
  TPlanTask monthly = MonthlyTask("m", 14, 9, 0);
  EXPECT_TRUE(PassesMonthlyDayFilter(monthly, At(2026, 5, 14)));
  EXPECT_FALSE(PassesMonthlyDayFilter(monthly, At(2026, 5, 15)));
  monthly.monthlyActive = false;
  EXPECT_TRUE(PassesMonthlyDayFilter(monthly, At(2026, 5, 15)));
  TPlanTask daily = DailyTask("d", 1, 0);
  daily.monthlyActive = true;
  EXPECT_TRUE(PassesMonthlyDayFilter(daily, At(2026, 5, 15)));
  EXPECT_EQ(MondayBasedWeekday(At(2026, 3, 16)), 0);
  EXPECT_EQ(MondayBasedWeekday(At(2026, 3, 22)), 6);
}

}  // namespace
}  // namespace tikolvo

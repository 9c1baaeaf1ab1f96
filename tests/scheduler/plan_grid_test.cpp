#include <gtest/gtest.h>

#include <algorithm>

#include "plan_test_files.h"
#include "scheduler/plan_grid.h"
#include "scheduler/task_calendar.h"

namespace tikolvo {
namespace {

// 2026-03-16 is a Monday.
const DateTime kMonday = At(2026, 3, 16);

TEST(PlanGrid, OneRowPerTaskInUseWithTheCellCodes) {
  TPlanTask once = OnceTask("once", kMonday + EncodeTime(9, 0, 0));
  once.isNext = true;
  TPlanTask locked = HourlyTask("hourly", 15.0 / 24);
  locked.locked = true;
  TPlanTask both = MonthlyTask("monthly", 14, 9, 5);
  both.isNext = true;
  both.locked = true;
  both.editMark = 1;
  TPlanTask unused = DailyTask("free", 1, 0);
  unused.inUse = false;
  const TaskGrid grid = FillPlanGrid(BaseOf({DailyTask("daily", 14, 5, 9), once, unused, locked, both,
                                             EventTask("start", TaskTrigger::kOnStart),
                                             EventTask("up", TaskTrigger::kOnConnect),
                                             EventTask("down", TaskTrigger::kOnDisconnect)}));
  ASSERT_EQ(grid.rows.size(), 8u);
  EXPECT_TRUE(grid.fixedHeader);
  EXPECT_EQ(grid.rows[0], (TaskGridRow{"№", "", "Название", "Время срабатывания"}));
  EXPECT_EQ(grid.rows[1], (TaskGridRow{"_", "-1", "daily||1", "e||14:05:09"}));
  EXPECT_EQ(grid.rows[2], (TaskGridRow{"_n", "-1", "once||2", "n||16.03.2026, в 09:00:00"}));
  EXPECT_EQ(grid.rows[3], (TaskGridRow{"_b", "-1", "hourly||4", "h||15:00:00"}));
  EXPECT_EQ(grid.rows[4], (TaskGridRow{"_nb", "1", "monthly||5", "m||14 числа, в 09:05:00"}));
  EXPECT_EQ(grid.rows[5][3], "r||01.01.2026 12:00:00");
  EXPECT_EQ(grid.rows[6][3], "c||01.01.2026 12:00:00");
  EXPECT_EQ(grid.rows[7][3], "d||01.01.2026 12:00:00");
}

TEST(PlanGrid, AnEmptyPlanHasOnlyTheHeaderAndItIsNotFixed) {
  const TaskGrid grid = FillPlanGrid(PlanBase::Fresh(kMonday));
  ASSERT_EQ(grid.rows.size(), 1u);
  EXPECT_FALSE(grid.fixedHeader);
  EXPECT_FALSE(FillDayGrid(PlanBase{}, kMonday).fixedHeader);
}

TEST(PlanGrid, ADamagedTriggerIsStillListed) {
  TPlanTask damaged = DailyTask("damaged", 1, 0);
  damaged.trigger = static_cast<TaskTrigger>(200);
  damaged.when = kMonday + EncodeTime(7, 0, 0);
  const TaskGrid grid = FillPlanGrid(BaseOf({damaged}));
  ASSERT_EQ(grid.rows.size(), 2u);
  const TaskRowLook look = LookOfTaskRow(grid.rows[1], TaskGridKind::kPlan);
  EXPECT_EQ(look.picture, task_picture::kNone);
  EXPECT_EQ(look.name, "damaged");
  EXPECT_EQ(look.timeText, "16.03.2026 7:00:00 ");
}

TEST(DayGrid, TheTasksOfOneDay) {
  TPlanTask notMonday = DailyTask("not monday", 8, 0);
  notMonday.weekdayFilter = true;
  notMonday.weekdays[0] = false;
  TPlanTask notMarch = MonthlyTask("monthly not march", 16, 9, 0);
  notMarch.monthFilter = true;
  notMarch.months[2] = false;
  TPlanTask locked = DailyTask("locked", 10, 0);
  locked.locked = true;
  TPlanTask onceToday = OnceTask("today", kMonday + EncodeTime(11, 0, 0));
  onceToday.isNext = true;
  const TaskGrid grid = FillDayGrid(
      BaseOf({onceToday, OnceTask("tomorrow", kMonday + 1 + EncodeTime(11, 0, 0)), notMonday, locked,
              HourlyTask("hourly", 15.0 / 24), MonthlyTask("monthly", 16, 9, 0), notMarch,
              MonthlyTask("17th", 17, 9, 0), EventTask("start", TaskTrigger::kOnStart)}),
      kMonday);
  ASSERT_EQ(grid.rows.size(), 5u);
  EXPECT_EQ(grid.rows[0], (TaskGridRow{"№", "", "Название", "Время"}));
  EXPECT_EQ(grid.rows[1], (TaskGridRow{"_n", "-1", "today||1", "n||11:00:00"}));
  EXPECT_EQ(grid.rows[2], (TaskGridRow{"_b", "-1", "locked||4", "e||10:00:00"}));
  EXPECT_EQ(grid.rows[3][3], "h||15:00:00");
  EXPECT_EQ(grid.rows[4][3], "m||09:00:00");
  EXPECT_EQ(DayGridCaption(At(2026, 3, 5)), "Задания на 5.03.2026");
}

TEST(TaskRowLook, PicturesAndTimeTextsOfTheFullList) {
  struct Case {
    TaskGridRow row;
    int picture;
    std::string time;
  };
  const Case cases[] = {
      {{"_", "1", "a||1", "e||14:00:00"}, 18, "Каждый день в 14:00:00 "},
      {{"_", "1", "a||1", "n||16.03.2026, в 09:00:00"}, 18, "16.03.2026, в 09:00:00 "},
      {{"_", "1", "a||1", "h||15:00:00"}, 20, "Каждый час (15:00:00) "},
      {{"_", "1", "a||1", "r||x"}, 17, "При каждом запуске Tikolvo "},
      {{"_", "1", "a||1", "c||x"}, 19, "При каждом соединении с интернетом "},
      {{"_", "1", "a||1", "d||x"}, 16, "При каждом рассоединении с интернетом "},
      {{"_", "1", "a||1", "m||14 числа, в 09:00:00"}, 22, "14 числа, в 09:00:00 "},
  };
  for (const Case& c : cases) {
    const TaskRowLook look = LookOfTaskRow(c.row, TaskGridKind::kPlan);
    EXPECT_EQ(look.picture, c.picture) << c.row[3];
    EXPECT_EQ(look.timeText, c.time);
    EXPECT_EQ(look.pictureOpacity, 255);
    EXPECT_EQ(look.nameIndent, 3);
  }
}

TEST(TaskRowLook, NextAndLockedMarks) {
  const TaskRowLook next = LookOfTaskRow({"_n", "1", "Обед||12", "e||13:00:00"}, TaskGridKind::kPlan);
  EXPECT_TRUE(next.next && next.nextMark);
  EXPECT_EQ(next.nameIndent, 22);
  EXPECT_EQ(next.name, "Обед");

  const TaskRowLook locked = LookOfTaskRow({"_nb", "1", "Обед||12", "e||13:00:00"}, TaskGridKind::kPlan);
  EXPECT_TRUE(locked.locked);
  EXPECT_EQ(locked.picture, task_picture::kLocked);
  EXPECT_EQ(locked.pictureOpacity, 230);
  EXPECT_EQ(locked.pictureShift, 2);

  const TaskRowLook inDayList = LookOfTaskRow({"_n", "1", "Обед||12", "e||13:00:00"}, TaskGridKind::kDay);
  EXPECT_FALSE(inDayList.nextMark) << "the day list has no next mark";
  EXPECT_EQ(inDayList.nameIndent, 3);
}

TEST(TaskRowLook, TheDayListKnowsOnlyTimedCodes) {
  EXPECT_EQ(LookOfTaskRow({"_", "1", "a||1", "e||10:00:00"}, TaskGridKind::kDay).timeText, "10:00:00 ");
  EXPECT_EQ(LookOfTaskRow({"_", "1", "a||1", "m||10:00:00"}, TaskGridKind::kDay).timeText, "10:00:00 ");
  const TaskRowLook hourly = LookOfTaskRow({"_", "1", "a||1", "h||10:00:00"}, TaskGridKind::kDay);
  EXPECT_EQ(hourly.timeText, "Каждый час ");
  EXPECT_EQ(hourly.picture, task_picture::kHourly);
  EXPECT_EQ(LookOfTaskRow({"_", "1", "a||1", "r||x"}, TaskGridKind::kDay).picture, task_picture::kNone);
}

TEST(PlanCalendarMarks, OnceOnlyAndMonthlyTasksMarkTheirDays) {
  TPlanTask notApril = MonthlyTask("not april", 20, 9, 0);
  notApril.monthFilter = true;
  notApril.months[3] = false;
  const PlanBase base = BaseOf({OnceTask("once", At(2026, 3, 5, 9, 0)), notApril, MonthlyTask("31st", 31, 9, 0),
                                DailyTask("daily", 8, 0), HourlyTask("hourly", 0.5)});
  const std::vector<bool> march = MarkCalendarDays(base, 2026, 3);
  ASSERT_EQ(march.size(), 31u);
  std::vector<int> marked;
  for (std::size_t i = 0; i < march.size(); ++i)
    if (march[i]) marked.push_back(static_cast<int>(i) + 1);
  EXPECT_EQ(marked, (std::vector<int>{5, 20, 31}));

  const std::vector<bool> april = MarkCalendarDays(base, 2026, 4);
  ASSERT_EQ(april.size(), 30u);
  EXPECT_EQ(std::count(april.begin(), april.end(), true), 0);
}

}  // namespace
}  // namespace tikolvo

#include <gtest/gtest.h>

#include "reminders/reminder_list.h"
#include "reminders/reminder_period.h"
#include "reminder_test_files.h"

namespace tikolvo {
namespace {

TEST(ReminderPeriod, CoversItsDaysInEveryYearBothEndsIncluded) {
  const DateTime start = Day(2020, 2, 20) + 0.9;  // times of day play no part
  const DateTime end = Day(2020, 3, 10) + 0.1;
  for (const DateTime day : {Day(2025, 2, 25), Day(2025, 3, 5), Day(2031, 2, 20), Day(2031, 3, 10) + 0.99})
    EXPECT_TRUE(IsInPeriod(day, start, end)) << day;
  for (const DateTime day : {Day(2025, 1, 15), Day(2025, 3, 11), Day(2025, 2, 19), Day(2020, 12, 25)})
    EXPECT_FALSE(IsInPeriod(day, start, end)) << day;
}

TEST(ReminderPeriod, OneDayReminderMatchesOnlyThatDay) {
  const DateTime day = Day(2024, 5, 9);
  EXPECT_TRUE(IsInPeriod(Day(2030, 5, 9), day, day + 365));
  EXPECT_FALSE(IsInPeriod(Day(2030, 5, 8), day, day));
  EXPECT_FALSE(IsInPeriod(Day(2030, 5, 10), day, day));
  EXPECT_FALSE(IsInPeriod(Day(2030, 9, 5), day, day));  // day and month swapped
}

TEST(ReminderPeriod, EndBeforeStartRunsOverTheNewYear) {
  const DateTime start = Day(2025, 12, 20);
  const DateTime end = Day(2026, 1, 10);
  for (const DateTime day : {Day(2027, 12, 20), Day(2027, 12, 31), Day(2028, 1, 1), Day(2028, 1, 10)})
    EXPECT_TRUE(IsInPeriod(day, start, end)) << day;
  for (const DateTime day : {Day(2027, 12, 19), Day(2028, 1, 11), Day(2028, 6, 15)})
    EXPECT_FALSE(IsInPeriod(day, start, end)) << day;
  // Only day and month count, so the same holds when both are stored in one year.
  EXPECT_TRUE(IsInPeriod(Day(2028, 1, 5), Day(2025, 12, 20), Day(2025, 1, 10)));
}

TEST(ReminderListItem, SortKeyPeriodIndexAndText) {
  const Reminder spring{"Весна", Day(2025, 2, 20), Day(2025, 3, 10), true};
  EXPECT_EQ(ReminderListItem(spring, 3), "02.20)(20/02-10/03||3][Весна");
  Locale slashes;
  slashes.dateSeparator = "/";
  EXPECT_EQ(ReminderListItem(spring, 12, slashes), "02/20)(20/02-10/03||12][Весна");
  // A one-day reminder shows one date, whatever the years.
  EXPECT_EQ(ReminderListItem(Reminder{"x", Day(2024, 5, 9), Day(2026, 5, 9), true}, 0), "05.09)(09/05||0][x");
  EXPECT_EQ(ReminderPeriodText(Day(2025, 12, 20), Day(2026, 1, 10)), "20/12-10/01");
}

TEST(ReminderListItem, ListShowsActiveRecordsSortedByStartDay) {
  ReminderBase base;
  base.Add("декабрь", Day(2025, 12, 1), Day(2025, 12, 1));
  base.Add("удалён", Day(2025, 1, 1), Day(2025, 1, 1));
  base.Add("март", Day(2025, 3, 8), Day(2025, 3, 8));
  base.Add("январь", Day(2025, 1, 15), Day(2025, 1, 20));
  base.Delete(1);

  std::vector<std::string> items = ReminderListItems(base);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0], "12.01)(01/12||0][декабрь");  // file order before sorting
  SortReminderItems(items);
  std::vector<long long> indexes;
  for (const auto& item : items) indexes.push_back(ReminderIndexOfItem(item));
  EXPECT_EQ(indexes, (std::vector<long long>{3, 2, 0}));
}

TEST(ReminderListItem, ItemsParseBackToIndexTextAndPeriod) {
  const std::string item = ReminderListItem(Reminder{"a||b][c", Day(2025, 2, 20), Day(2025, 3, 10), true}, 42);
  EXPECT_EQ(ReminderIndexOfItem(item), 42);
  EXPECT_EQ(ViewOfReminderItem(item), (ReminderItemView{"a||b][c", "20/02-10/03"}));
  // A damaged line never stands for record 0.
  for (const char* damaged : {"", "no separators", "02.20)(20/02||][t", "x||-1][t", "x||1e3][t", "x||99999999999][t"})
    EXPECT_EQ(ReminderIndexOfItem(damaged), -1) << damaged;
}

}  // namespace
}  // namespace tikolvo

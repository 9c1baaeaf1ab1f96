#include "settings/scheduler_buttons.h"

#include <gtest/gtest.h>

namespace tikolvo {
namespace {

TEST(SchedulerButtons, TaskButtonsOnTheListAndCalendarTabsDeleteAllOnlyOnTheList) {
  EXPECT_EQ(SchedulerButtonsFor(0), (SchedulerButtons{true, true, true, true}));
  EXPECT_EQ(SchedulerButtonsFor(1), (SchedulerButtons{true, true, true, false}));
  EXPECT_EQ(SchedulerButtonsFor(2), (SchedulerButtons{false, false, false, false}));
}

}  // namespace
}  // namespace tikolvo

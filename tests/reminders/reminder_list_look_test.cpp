#include <gtest/gtest.h>

#include "reminders/reminder_list_look.h"

namespace tikolvo {
namespace {

TEST(ReminderListLook, TextEndsBeforeThePeriod) {
  EXPECT_EQ(LayoutReminderItem(0, 200, 40), (ReminderItemLayout{2, 151, 157}));
  // A period wider than the item leaves the text no room rather than negative room.
  const ReminderItemLayout narrow = LayoutReminderItem(0, 30, 40);
  EXPECT_EQ(narrow.textRight, narrow.textLeft);
}

}  // namespace
}  // namespace tikolvo

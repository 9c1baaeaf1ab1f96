#include <gtest/gtest.h>

#include "reminders/dialog_model.h"
#include "reminders/reminder_list_look.h"

namespace tikolvo {
namespace {

TEST(ReminderDialogs, InputWindowTakesOneToThreeFields) {
  EXPECT_EQ(LayoutInputDialog(0).fieldCount, 1);
  EXPECT_EQ(LayoutInputDialog(9).fieldCount, 3);
  EXPECT_GT(LayoutInputDialog(3).edit3.y, LayoutInputDialog(3).edit2.y);
}

TEST(ReminderDialogs, InputTextsComeBackOnlyOnOk) {
  EXPECT_EQ(FinishInputDialog(true, "a", "b"), (InputDialogResult{true, "a", "b"}));
  EXPECT_EQ(FinishInputDialog(false, "a", "b"), (InputDialogResult{false, "", ""}));
}

TEST(ReminderDialogs, DropShadowFromXpOnIncludingLaterMajorVersions) {
  EXPECT_FALSE(SupportsDropShadow(true, 4, 0));
  EXPECT_FALSE(SupportsDropShadow(true, 5, 0));  // Windows 2000
  EXPECT_TRUE(SupportsDropShadow(true, 5, 1));
  EXPECT_TRUE(SupportsDropShadow(true, 6, 0));
  EXPECT_TRUE(SupportsDropShadow(true, 10, 0));
  EXPECT_FALSE(SupportsDropShadow(false, 4, 90));
}

TEST(ReminderDialogs, DraggedDialogStaysInsideTheWorkArea) {
  const WorkArea work{0, 0, 1024, 740};
  const WindowBox moved = KeepDialogInWorkArea(WindowBox{1000, -30, 300, 143}, work);
  EXPECT_EQ(moved.x, 1024 - 300);
  EXPECT_EQ(moved.y, 0);
  // Near an edge but inside: no snapping.
  const WindowBox near = KeepDialogInWorkArea(WindowBox{5, 5, 300, 143}, work);
  EXPECT_EQ(near.x, 5);
  EXPECT_EQ(near.y, 5);
}

TEST(ReminderListLook, TextEndsBeforeThePeriod) {
  EXPECT_EQ(LayoutReminderItem(0, 200, 40), (ReminderItemLayout{2, 151, 157}));
  // A period wider than the item leaves the text no room rather than negative room.
  const ReminderItemLayout narrow = LayoutReminderItem(0, 30, 40);
  EXPECT_EQ(narrow.textRight, narrow.textLeft);
}

}  // namespace
}  // namespace tikolvo

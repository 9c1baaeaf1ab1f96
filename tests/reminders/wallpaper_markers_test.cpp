#include "reminders/wallpaper_markers.h"

#include <gtest/gtest.h>

namespace tikolvo {
namespace {

TEST(WallpaperMarkers, DragKeepsTheGrabPointAndTheReminderMarkerLiesOnTop) {
  MarkerLayout layout;
  layout.reminders = {40, 40, 32, 32};  // overlapping the calendar marker
  MarkerDrag drag;
  EXPECT_EQ(drag.Press(layout, 50, 50), MarkerKind::Reminders);
  EXPECT_TRUE(drag.Move(layout, 150, 100));
  EXPECT_EQ(layout.reminders.x, 140);
  EXPECT_EQ(layout.reminders.y, 90);
  EXPECT_EQ(layout.calendar.x, 24);
  drag.Release();
  EXPECT_FALSE(drag.Move(layout, 10, 10));

  EXPECT_EQ(drag.Press(layout, 30, 30), MarkerKind::Calendar);
  drag.Move(layout, 100, 60);
  EXPECT_EQ(layout.calendar.x, 94);
  EXPECT_EQ(layout.calendar.y, 54);
  // Pulled past the edge, the marker's corner stays on the preview.
  drag.Move(layout, -50, 400);
  EXPECT_EQ(layout.calendar.x, 0);
  EXPECT_EQ(layout.calendar.y, kWallpaperPreviewHeight - 1);
  EXPECT_EQ(drag.Press(layout, 300, 5), MarkerKind::None);
}

TEST(WallpaperMarkers, DoubleClickSendsTheMarkerUnderItOrTheCalendarHome) {
  MarkerLayout layout;
  EXPECT_EQ(SendMarkerHome(layout, 30, 100), MarkerKind::Reminders);
  EXPECT_EQ(layout.reminders.x, 1);
  EXPECT_EQ(layout.reminders.y, 1);
  EXPECT_EQ(layout.calendar.x, 24);
  EXPECT_EQ(SendMarkerHome(layout, 300, 200), MarkerKind::Calendar);
  EXPECT_EQ(layout.calendar.x, 1);
  EXPECT_EQ(layout.calendar.y, 1);
}

TEST(WallpaperMarkers, SizeControlsTakePositiveNumbersAndEverySecondKnobEvent) {
  EXPECT_EQ(AcceptedSize("57"), 57);
  EXPECT_EQ(AcceptedSize("0"), std::nullopt);
  EXPECT_EQ(AcceptedSize(""), std::nullopt);
  EXPECT_EQ(AcceptedSize("5a"), std::nullopt);
  EXPECT_EQ(AcceptedSize("99999999999"), std::nullopt);
  EXPECT_TRUE(SizeEditAccepts(L'7'));
  EXPECT_TRUE(SizeEditAccepts(L'\b'));
  EXPECT_FALSE(SizeEditAccepts(L'-'));
  EXPECT_FALSE(SizeEditAccepts(L'\x0661'));  // a digit of another script
  EverySecond knob;
  int counted = 0;
  for (int i = 0; i < 7; ++i) counted += knob.Counts() ? 1 : 0;
  EXPECT_EQ(counted, 3);
}

}  // namespace
}  // namespace tikolvo

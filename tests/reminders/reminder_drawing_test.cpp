#include <gtest/gtest.h>

#include "reminders/reminder_drawing.h"
#include "reminders/reminder_file.h"
#include "recording_canvas.h"
#include "reminder_test_files.h"

namespace tikolvo {
namespace {

constexpr int kH = RecordingCanvas::kLineHeight;
constexpr int kW = RecordingCanvas::kCharWidth;
const DateTime kToday = Day(2026, 3, 1);

TextPlacement Placement(std::uint8_t horizontal, std::uint8_t vertical) {
  TextPlacement placement;
  placement.colour = 0x123456;
  placement.size = 14;
  placement.horizontal = horizontal;
  placement.vertical = vertical;
  placement.left = 100;
  placement.top = 50;
  placement.right = 400;
  placement.bottom = 300;
  return placement;
}

// "a" and "ccc" cover today; "free" is deleted and "summer" is out of period.
ReminderBase SampleBase() {
  ReminderBase base;
  base.Add("a", Day(2020, 2, 20), Day(2020, 3, 10));
  base.Add("free", Day(2020, 3, 1), Day(2020, 3, 1));
  base.Add("summer", Day(2020, 6, 1), Day(2020, 6, 30));
  base.Add("ccc", Day(2020, 12, 20), Day(2021, 3, 1));
  base.Delete(1);
  return base;
}

const CanvasFont kFont{"Arial", 99, true, false, true};

TEST(CanvasReminders, TopLeftDrawsInFileOrderDownFromTheTop) {
  RecordingCanvas canvas;
  EXPECT_EQ(DrawReminderBase(SampleBase(), canvas, Placement(kAlignLeft, kAlignTop), kFont, kToday), 2);
  EXPECT_EQ(canvas.texts, (std::vector<DrawnText>{{100, 50, "a"}, {100, 50 + kH, "ccc"}}));
  // The font keeps its name and style and takes the placement's size.
  ASSERT_FALSE(canvas.fonts.empty());
  EXPECT_EQ(canvas.fonts.back(), (CanvasFont{"Arial", 14, true, false, true}));
  EXPECT_EQ(canvas.colours.back(), 0x123456u);
}

TEST(CanvasReminders, BottomRightPutsTheLaterRecordNearestTheBottomInsideTheRectangle) {
  RecordingCanvas canvas;
  EXPECT_EQ(DrawReminderBase(SampleBase(), canvas, Placement(kAlignRight, kAlignBottom), kFont, kToday), 2);
  EXPECT_EQ(canvas.texts, (std::vector<DrawnText>{{400 - 3 * kW, 300 - kH, "ccc"}, {400 - kW, 300 - 2 * kH, "a"}}));
}

TEST(CanvasReminders, UnknownAlignments) {
  RecordingCanvas canvas;
  // A horizontal alignment other than left or right counts lines but draws none.
  EXPECT_EQ(DrawReminderBase(SampleBase(), canvas, Placement(1, kAlignTop), kFont, kToday), 2);
  // A vertical one other than top or bottom does nothing at all.
  EXPECT_EQ(DrawReminderBase(SampleBase(), canvas, Placement(kAlignLeft, 1), kFont, kToday), 0);
  EXPECT_TRUE(canvas.texts.empty());
}

using ReminderWallpaper = ReminderFolder;

TEST_F(ReminderWallpaper, ExternalBaseFollowsMessageDbHalfALineApart) {
  ASSERT_TRUE(AddReminder(Path(), "own1", kToday, kToday));
  ASSERT_TRUE(AddReminder(Path(), "own2", kToday, kToday));
  ASSERT_TRUE(AddReminder(Path("message_all.db"), "ext", kToday, kToday));

  RecordingCanvas top;
  EXPECT_EQ(DrawReminders(Path(), top, Placement(kAlignLeft, kAlignTop), true, kFont, kToday), 3);
  EXPECT_EQ(top.texts, (std::vector<DrawnText>{{100, 50, "own1"}, {100, 50 + kH, "own2"},
                                               {100, 50 + 2 * kH + kH / 2, "ext"}}));

  // Upward from the bottom the external base comes first.
  RecordingCanvas bottom;
  EXPECT_EQ(DrawReminders(Path(), bottom, Placement(kAlignLeft, kAlignBottom), true, kFont, kToday), 3);
  EXPECT_EQ(bottom.texts, (std::vector<DrawnText>{{100, 300 - kH, "ext"},
                                                  {100, 300 - kH - kH / 2 - kH, "own2"},
                                                  {100, 300 - kH - kH / 2 - 2 * kH, "own1"}}));

  RecordingCanvas alone;
  EXPECT_EQ(DrawReminders(Path(), alone, Placement(kAlignLeft, kAlignTop), false, kFont, kToday), 2);
}

TEST_F(ReminderWallpaper, MissingFilesDrawNothing) {
  RecordingCanvas canvas;
  EXPECT_EQ(DrawReminders(Path(), canvas, Placement(kAlignLeft, kAlignBottom), true, kFont, kToday), 0);
  EXPECT_TRUE(canvas.texts.empty());
}

TEST(ReminderPlacementFromSettings, CornerRadiosAndSizeList) {
  ReminderTextSettings settings;
  settings.sizeIndex = 3;
  const std::pair<std::uint8_t, std::uint8_t> expected[4] = {
      {kAlignLeft, kAlignTop}, {kAlignRight, kAlignTop}, {kAlignLeft, kAlignBottom}, {kAlignRight, kAlignBottom}};
  for (int corner = 0; corner < 4; ++corner) {
    settings.corners = {};
    settings.corners[corner] = true;
    const TextPlacement placement = ReminderPlacement(settings, "Tahoma", PixelRect{1, 2, 3, 4});
    EXPECT_EQ(std::make_pair(placement.horizontal, placement.vertical), expected[corner]) << corner;
    EXPECT_EQ(placement.size, 10u);
  }
}

}  // namespace
}  // namespace tikolvo

#include "reminders/calendar_template.h"

#include "reminders/reminder_test_files.h"

namespace tikolvo {
namespace {

using CalendarTemplate = ReminderFolder;

TEST_F(CalendarTemplate, RoundTripKeepsTheLookAndLeavesTheRestAlone) {
  CalendarSettings look;
  look.layout = 3;
  look.verticalText = false;
  look.shadow3 = true;
  look.shadow3Colour = 0x123456;
  look.fontName = "Тахома";
  look.saturdays = {true, 0x00FF00};
  look.currentDayFrame = false;
  look.markerWidth = 200, look.markerHeight = 100, look.markerLeft = 7, look.markerTop = 9;
  ASSERT_TRUE(SaveTemplate(Path("blue.sfc"), look, "Синий"));

  CalendarSettings mine;
  mine.draw = false;
  mine.picturePath = "C:\\pictures\\sea.jpg";
  ASSERT_TRUE(LoadTemplate(Path("blue.sfc"), mine));
  CalendarSettings expected = look;
  expected.draw = false;
  expected.picturePath = mine.picturePath;
  EXPECT_EQ(mine, expected);

  // The name is written in the file's own code page, and only when given.
  ASSERT_TRUE(SaveTemplate(Path("plain.sfc"), look, ""));
  EXPECT_NE(Read("blue.sfc").find("_name=\xD1\xE8\xED\xE8\xE9\r\n"), std::string::npos);
  EXPECT_EQ(Read("plain.sfc").find("_name"), std::string::npos);
  const auto items = ListTemplates(Path("") , {"blue.sfc", "plain.sfc", "upper.SFC", "notes.txt"});
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].ListLine(), "blue.sfc||Синий");
  EXPECT_EQ(items[1].ListLine(), "plain.sfc||Шаблон");
}

TEST_F(CalendarTemplate, MissingKeysTakeDefaultsButTheLayoutIsAYear) {
  Write("[CAL]\r\nline=0\r\nwid=9999\r\n", "old.sfc");
  CalendarSettings mine;
  mine.layout = 2;
  mine.shadow2 = true;
  ASSERT_TRUE(LoadTemplate(Path("old.sfc"), mine));
  EXPECT_EQ(mine.layout, 0);
  EXPECT_FALSE(mine.shadow2);
  EXPECT_FALSE(mine.underline);
  EXPECT_EQ(mine.markerWidth, 312);

  // A file that is no template changes nothing.
  Write("garbage\x01\x02", "bad.sfc");
  const CalendarSettings before = mine;
  EXPECT_FALSE(LoadTemplate(Path("bad.sfc"), mine));
  EXPECT_FALSE(LoadTemplate(Path("missing.sfc"), mine));
  EXPECT_EQ(mine, before);
  EXPECT_EQ(TemplateFileName("..\\..\\evil.exe"), "evil.sfc");
  EXPECT_EQ(TemplateFileName("autumn"), "autumn.sfc");
  EXPECT_EQ(TemplateFileName(".sfc"), std::nullopt);
}

}  // namespace
}  // namespace tikolvo

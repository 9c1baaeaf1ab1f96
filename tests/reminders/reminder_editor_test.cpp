#include <gtest/gtest.h>

#include "common/utf8_text.h"
#include "reminders/reminder_editor.h"
#include "reminders/reminder_list.h"
#include "reminders/reminder_page.h"
#include "reminder_test_files.h"

namespace tikolvo {
namespace {

const DateTime kNow = Day(2026, 4, 2) + 0.5;

using ReminderEditorModel = ReminderFolder;

TEST_F(ReminderEditorModel, AddModeSavesANewReminder) {
  Write(HandRecord("", kNow, kNow, 0));
  ReminderEditor editor = OpenReminderEditorToAdd(kNow);
  EXPECT_EQ(editor.title, "Добавление сообщения");
  EXPECT_EQ(editor.okCaption, "Добавить");
  EXPECT_EQ(editor.text, "");
  EXPECT_EQ(editor.start, kNow);
  EXPECT_EQ(editor.end, kNow);

  editor.text = "Купить подарок";
  editor.end = Day(2026, 4, 9);
  EXPECT_EQ(CheckReminderEditor(editor), std::nullopt);
  EXPECT_EQ(SaveReminderEditor(Path(), editor), ReminderFileResult::kSaved);
  EXPECT_EQ(ReadReminder(Path(), 0, 0), (Reminder{"Купить подарок", kNow, Day(2026, 4, 9), true}));

  // Typed the wrong way round, the period is saved in order, not as one
  // that runs over the new year.
  ReminderEditor typed = OpenReminderEditorToAdd(kNow);
  typed.text = "Отпуск";
  typed.start = Day(2026, 7, 20);
  typed.end = Day(2026, 7, 1);
  ASSERT_EQ(SaveReminderEditor(Path(), typed), ReminderFileResult::kSaved);
  EXPECT_EQ(ReadReminder(Path(), 1, 0), (Reminder{"Отпуск", Day(2026, 7, 1), Day(2026, 7, 20), true}));
}

TEST_F(ReminderEditorModel, EditModeRewritesTheSameRecord) {
  Write(HandRecord("a", 1, 1, 1) + HandRecord("b", 2, 3, 1));
  ReminderEditor editor = OpenReminderEditorToEdit(Path(), 1, kNow);
  EXPECT_EQ(editor.title, "Редактирование сообщения");
  EXPECT_EQ(editor.okCaption, "Изменить");
  EXPECT_EQ(editor.text, "b");
  EXPECT_EQ(editor.start, 2);
  EXPECT_EQ(editor.end, 3);

  editor.text = "bb";
  EXPECT_EQ(SaveReminderEditor(Path(), editor), ReminderFileResult::kSaved);
  EXPECT_EQ(Read(), HandRecord("a", 1, 1, 1) + HandRecord("bb", 2, 3, 1));

  // A stale line opens a fresh record and saving it changes nothing.
  ReminderEditor stale = OpenReminderEditorToEdit(Path(), 7, kNow);
  EXPECT_EQ(stale.text, "");
  EXPECT_EQ(stale.start, kNow);
  stale.text = "x";
  EXPECT_EQ(SaveReminderEditor(Path(), stale), ReminderFileResult::kUnchanged);
}

TEST(ReminderEditorPickers, KeepTheStartOnOrBeforeTheEnd) {
  ReminderEditor editor = OpenReminderEditorToAdd(kNow);
  editor.start = Day(2026, 5, 10);
  StartPickerClosed(editor);
  EXPECT_EQ(editor.end, Day(2026, 5, 10));

  editor.end = Day(2026, 5, 1);
  EndPickerClosed(editor);
  EXPECT_EQ(editor.start, Day(2026, 5, 1));

  // Same day, different times: already in order.
  editor.start = Day(2026, 5, 1) + 0.9;
  editor.end = Day(2026, 5, 1) + 0.1;
  StartPickerClosed(editor);
  EndPickerClosed(editor);
  EXPECT_EQ(editor.start, Day(2026, 5, 1) + 0.9);
  EXPECT_EQ(editor.end, Day(2026, 5, 1) + 0.1);
}

TEST(ReminderEditorInput, TextIsOneLineOfAtMost250Characters) {
  EXPECT_EQ(CleanReminderText("a\r\nb\tc"), "a  b c");
  std::string longCyrillic;
  for (int i = 0; i < 300; ++i) longCyrillic += "ж";
  EXPECT_EQ(CharCount(CleanReminderText(longCyrillic)), 250u);

  ReminderEditor editor = OpenReminderEditorToAdd(kNow);
  editor.text = " \t ";
  const auto notice = CheckReminderEditor(editor);
  ASSERT_TRUE(notice);
  EXPECT_EQ(notice->caption, "Tikolvo");
}

using ReminderPageModel = ReminderFolder;

TEST_F(ReminderPageModel, DeleteOneAsksWithTheTextAndDeletesTheLinesRecord) {
  EXPECT_EQ(DeleteReminderQuestion(std::nullopt), std::nullopt);
  EXPECT_EQ(EditSelectedReminder(Path(), std::nullopt, kNow), std::nullopt);

  const DateTime september = Day(2025, 9, 1);
  const DateTime february = Day(2025, 2, 8);
  Write(HandRecord("first", september, september, 1) + HandRecord("second", february, february, 1));
  const std::vector<std::string> items = ReminderPageItems(Path());
  ASSERT_EQ(items.size(), 2u);
  const std::string& second = items[0];  // February sorts before September
  EXPECT_EQ(ReminderIndexOfItem(second), 1);

  EXPECT_EQ(DeleteReminderQuestion(second),
            (Question{"Tikolvo", "Удалить напоминание \r\n\"second\"?", "Отмена", "Удалить"}));
  EXPECT_EQ(EditSelectedReminder(Path(), second, kNow)->text, "second");
  EXPECT_EQ(DeleteSelectedReminder(Path(), second), ReminderFileResult::kSaved);
  EXPECT_EQ(ReminderPageItems(Path()), (std::vector<std::string>{items[1]}));
}

TEST_F(ReminderPageModel, DeleteAllAndTheExternalBaseBox) {
  EXPECT_TRUE(ReminderPageItems(Path()).empty());
  EXPECT_EQ(DeleteAllRemindersQuestion(), (Question{"Tikolvo", "Удалить все напоминания?", "Отмена", "Удалить"}));
  Write(HandRecord("x", 1, 1, 1));
  ASSERT_TRUE(DeleteAllReminders(Path(), kNow));
  EXPECT_EQ(Read().size(), 280u);
  EXPECT_TRUE(ReminderPageItems(Path()).empty());

  EXPECT_FALSE(ExternalBaseMayStayChecked(false));
  EXPECT_TRUE(ExternalBaseMayStayChecked(true));
}

}  // namespace
}  // namespace tikolvo

#include "reminders/reminder_editor.h"

#include <utility>

#include "common/utf8_text.h"

namespace tikolvo {

ReminderEditor OpenReminderEditorToAdd(DateTime now) {
  ReminderEditor editor;
  editor.mode = ReminderEditorMode::kAdd;
  editor.title = "Добавление сообщения";
  editor.okCaption = "Добавить";
  editor.start = now;
  editor.end = now;
  return editor;
}

ReminderEditor OpenReminderEditorToEdit(const std::string& path, long long index, DateTime now) {
  const Reminder reminder = ReadReminder(path, index, now);
  ReminderEditor editor;
  editor.mode = ReminderEditorMode::kEdit;
  editor.index = index;
  editor.title = "Редактирование сообщения";
  editor.okCaption = "Изменить";
  editor.text = CleanReminderText(reminder.text);
  editor.start = reminder.start;
  editor.end = reminder.end;
  return editor;
}

// The pickers show days; a start and end on the same day are in order
// whatever their times.
void StartPickerClosed(ReminderEditor& editor) {
  if (DateOf(editor.start) > DateOf(editor.end)) editor.end = editor.start;
}

void EndPickerClosed(ReminderEditor& editor) {
  if (DateOf(editor.end) < DateOf(editor.start)) editor.start = editor.end;
}

std::string CleanReminderText(std::string_view typed) {
  std::string text(typed);
  for (char& c : text) {
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  }
  return CopyChars(text, 1, static_cast<long long>(kReminderTextMaxChars));
}

std::optional<Notice> CheckReminderEditor(const ReminderEditor& editor) {
  if (!TrimBlanks(editor.text).empty()) return std::nullopt;
  return Notice{"Tikolvo", "Введите текст напоминания."};
}

ReminderFileResult SaveReminderEditor(const std::string& path, const ReminderEditor& editor) {
  const std::string text = CleanReminderText(editor.text);
  // Dates typed into the pickers skip the drop-downs' ordering; saved the
  // wrong way round, the period would run over the new year and cover
  // almost the whole year instead of the days meant.
  DateTime start = editor.start;
  DateTime end = editor.end;
  if (DateOf(start) > DateOf(end)) std::swap(start, end);
  if (editor.mode == ReminderEditorMode::kAdd) {
    return AddReminder(path, text, start, end) ? ReminderFileResult::kSaved : ReminderFileResult::kFailed;
  }
  return UpdateReminder(path, editor.index, Reminder{text, start, end, true});
}

}  // namespace tikolvo

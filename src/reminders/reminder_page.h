#pragma once
// The "Напоминания" page of the settings window as plain functions: what its
// buttons do with the list's selected line and message.db. The Windows layer
// asks the returned questions and calls the confirmed operation.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/locale_data.h"
#include "common/dialog_request.h"
#include "reminders/reminder_editor.h"
#include "reminders/reminder_file.h"

namespace tikolvo {

// The page's list in display order; empty when message.db is missing.
std::vector<std::string> ReminderPageItems(const std::string& path, const Locale& locale = Locale());

// "Редактировать" and a double click: the editor for the selected line;
// nothing without a selection.
std::optional<ReminderEditor> EditSelectedReminder(const std::string& path,
                                                   const std::optional<std::string>& selectedItem, DateTime now);

// "Удалить": the question for the selected line; nothing without one.
std::optional<Question> DeleteReminderQuestion(const std::optional<std::string>& selectedItem);
// After the user confirmed it.
ReminderFileResult DeleteSelectedReminder(const std::string& path, const std::string& selectedItem);

// "Удалить все".
Question DeleteAllRemindersQuestion();
bool DeleteAllReminders(const std::string& path, DateTime now);

// "Внешняя база событий" stays checked only while message_all.db exists.
bool ExternalBaseMayStayChecked(bool externalBaseExists);

}  // namespace tikolvo

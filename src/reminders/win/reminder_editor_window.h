#pragma once
// TF_mess_text: the reminder editor. A modal window on the dialog windows'
// frame with the text of the reminder (at most 250 characters) and the two
// date pickers "от" and "до". Its ok button ("Добавить" or "Изменить")
// writes the reminder file; "Отмена", Esc and closing write nothing.
#include <windows.h>

#include <string>

#include "reminders/reminder_editor.h"

namespace tikolvo {

// Control identifiers of the editor (the ok and cancel buttons take IDOK and
// IDCANCEL, as the keyboard rules of dialogs want).
inline constexpr int kIdReminderText = 101;    // E_Name
inline constexpr int kIdReminderFrom = 102;    // DTP_1
inline constexpr int kIdReminderTo = 103;      // DTP_2

// Shows the editor opened on `editor` (see OpenReminderEditorToAdd and
// OpenReminderEditorToEdit) and returns true when it was closed with its ok
// button (the reminder is saved into the file at reminderPath when its record
// is still there); the caller then reloads its list.
bool RunReminderEditor(HWND owner, const std::string& reminderPath, const ReminderEditor& editor);

}  // namespace tikolvo

#pragma once
// The reminder editor window's model: what it shows when opened to add or
// to edit, how its two date pickers keep the period in order, what it
// accepts and what its ok button writes.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "common/date_time.h"
#include "common/dialog_request.h"
#include "reminders/reminder_file.h"

namespace tikolvo {

inline constexpr std::size_t kReminderTextMaxChars = 250;

enum class ReminderEditorMode { kAdd, kEdit };

struct ReminderEditor {
  ReminderEditorMode mode = ReminderEditorMode::kAdd;
  long long index = -1;  // the record being edited
  std::string title;     // caption label
  std::string okCaption;
  std::string text;
  DateTime start = 0;  // picker "от"
  DateTime end = 0;    // picker "до"
};

// Empty text, both dates now.
ReminderEditor OpenReminderEditorToAdd(DateTime now);

// Text and dates of the record (a fresh record when it is not there).
ReminderEditor OpenReminderEditorToEdit(const std::string& path, long long index, DateTime now);

// Closing the start picker's drop-down on a day after the end moves the end
// to the start; closing the end picker's on a day before the start moves
// the start to the end.
void StartPickerClosed(ReminderEditor& editor);
void EndPickerClosed(ReminderEditor& editor);

// What the one-line text edit holds for typed or pasted text: line breaks
// and tabs become spaces, at most 250 characters.
std::string CleanReminderText(std::string_view typed);

// The notice to show instead of saving, when the input cannot be saved (a
// text of nothing but blanks would only fill a slot with an empty line).
std::optional<Notice> CheckReminderEditor(const ReminderEditor& editor);

// The ok button: adds a new reminder or rewrites the edited one, with the
// cleaned text. kSaved tells the caller to reload the list.
ReminderFileResult SaveReminderEditor(const std::string& path, const ReminderEditor& editor);

}  // namespace tikolvo

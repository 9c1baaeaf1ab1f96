#pragma once
// Operations on a reminder file by path. Each loads the whole file, works on
// it in memory and, when something changed, saves the whole file atomically.
#include <optional>
#include <string>
#include <vector>

#include "common/locale_data.h"
#include "reminders/reminder_record.h"

namespace tikolvo {

inline constexpr const char* kReminderFileName = "message.db";
inline constexpr const char* kExternalReminderFileName = "message_all.db";

enum class ReminderFileResult {
  kSaved,      // the file was written
  kUnchanged,  // nothing to do (a record index outside the file)
  kFailed,     // the file could not be read or written; it is untouched
};

// message_all.db in the folder of the given message.db.
std::string ExternalReminderPath(const std::string& reminderPath);

// The base stored at path; nullopt when the file cannot be read.
std::optional<ReminderBase> LoadReminderBase(const std::string& path);

// Writes the one-free-record file, replacing any existing file.
bool CreateEmptyReminderFile(const std::string& path, DateTime now);

// Creates the empty file when there is none (first start).
bool EnsureReminderFile(const std::string& path, DateTime now);

// Stores a new reminder in the first free record or at the end; returns its
// index. A missing file is created with the reminder, so a reminder the
// user typed is never lost; an unreadable file fails.
std::optional<std::size_t> AddReminder(const std::string& path, const std::string& text, DateTime start,
                                       DateTime end);

// The active record at index, or a fresh record (empty, dates now) for a
// free record, an index outside the file or a file that cannot be read.
Reminder ReadReminder(const std::string& path, long long index, DateTime now);

// Replaces text and dates of the record at index (its flags stay).
ReminderFileResult UpdateReminder(const std::string& path, long long index, const Reminder& reminder);

// Flags the record at index free.
ReminderFileResult DeleteReminder(const std::string& path, long long index);

// The list lines of the active records in file order; empty for a file
// that cannot be read.
std::vector<std::string> ListReminders(const std::string& path, const Locale& locale = Locale());

}  // namespace tikolvo

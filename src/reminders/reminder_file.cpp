#include "reminders/reminder_file.h"

#include "common/file_io.h"
#include "reminders/reminder_list.h"

namespace tikolvo {
namespace {

bool Save(const std::string& path, const ReminderBase& base) { return SaveFileAtomically(path, base.bytes()); }

ReminderFileResult SaveIfChanged(const std::string& path, const ReminderBase& base, bool changed) {
  if (!changed) return ReminderFileResult::kUnchanged;
  return Save(path, base) ? ReminderFileResult::kSaved : ReminderFileResult::kFailed;
}

}  // namespace

std::string ExternalReminderPath(const std::string& reminderPath) {
  const std::size_t slash = reminderPath.find_last_of("/\\");
  const std::string folder = slash == std::string::npos ? std::string() : reminderPath.substr(0, slash + 1);
  return folder + kExternalReminderFileName;
}

std::optional<ReminderBase> LoadReminderBase(const std::string& path) {
  const std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  return ReminderBase::FromBytes(*bytes);
}

bool CreateEmptyReminderFile(const std::string& path, DateTime now) {
  return Save(path, ReminderBase::EmptyFile(now));
}

bool EnsureReminderFile(const std::string& path, DateTime now) {
  return FileExists(path) || CreateEmptyReminderFile(path, now);
}

std::optional<std::size_t> AddReminder(const std::string& path, const std::string& text, DateTime start,
                                       DateTime end) {
  std::optional<ReminderBase> base = LoadReminderBase(path);
  if (!base) {
    if (FileExists(path)) return std::nullopt;
    base.emplace();
  }
  const std::size_t index = base->Add(text, start, end);
  if (!Save(path, *base)) return std::nullopt;
  return index;
}

Reminder ReadReminder(const std::string& path, long long index, DateTime now) {
  const std::optional<ReminderBase> base = LoadReminderBase(path);
  if (!base || !base->Contains(index) || !base->IsActive(static_cast<std::size_t>(index)))
    return FreshReminder(now);
  return base->At(static_cast<std::size_t>(index));
}

ReminderFileResult UpdateReminder(const std::string& path, long long index, const Reminder& reminder) {
  std::optional<ReminderBase> base = LoadReminderBase(path);
  if (!base) return ReminderFileResult::kFailed;
  return SaveIfChanged(path, *base, base->Update(index, reminder.text, reminder.start, reminder.end));
}

ReminderFileResult DeleteReminder(const std::string& path, long long index) {
  std::optional<ReminderBase> base = LoadReminderBase(path);
  if (!base) return ReminderFileResult::kFailed;
  return SaveIfChanged(path, *base, base->Delete(index));
}

std::vector<std::string> ListReminders(const std::string& path, const Locale& locale) {
  const std::optional<ReminderBase> base = LoadReminderBase(path);
  if (!base) return {};
  return ReminderListItems(*base, locale);
}

}  // namespace tikolvo

#include "reminders/reminder_page.h"

#include "common/file_io.h"
#include "common/text_record.h"
#include "reminders/reminder_list.h"

namespace tikolvo {
namespace {

constexpr const char* kPageCaption = "Tikolvo";
constexpr const char* kCancelCaption = "Отмена";
constexpr const char* kDeleteCaption = "Удалить";

}  // namespace

std::vector<std::string> ReminderPageItems(const std::string& path, const Locale& locale) {
  if (!FileExists(path)) return {};
  std::vector<std::string> items = ListReminders(path, locale);
  SortReminderItems(items);
  return items;
}

std::optional<ReminderEditor> EditSelectedReminder(const std::string& path,
                                                   const std::optional<std::string>& selectedItem, DateTime now) {
  if (!selectedItem) return std::nullopt;
  return OpenReminderEditorToEdit(path, ReminderIndexOfItem(*selectedItem), now);
}

std::optional<Question> DeleteReminderQuestion(const std::optional<std::string>& selectedItem) {
  if (!selectedItem) return std::nullopt;
  const std::string text = "Удалить напоминание \r\n\"" + LastOf(*selectedItem) + "\"?";
  return Question{kPageCaption, text, kCancelCaption, kDeleteCaption};
}

ReminderFileResult DeleteSelectedReminder(const std::string& path, const std::string& selectedItem) {
  return DeleteReminder(path, ReminderIndexOfItem(selectedItem));
}

Question DeleteAllRemindersQuestion() {
  return Question{kPageCaption, "Удалить все напоминания?", kCancelCaption, kDeleteCaption};
}

bool DeleteAllReminders(const std::string& path, DateTime now) { return CreateEmptyReminderFile(path, now); }

bool ExternalBaseMayStayChecked(bool externalBaseExists) { return externalBaseExists; }

}  // namespace tikolvo

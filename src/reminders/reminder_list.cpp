#include "reminders/reminder_list.h"

#include <algorithm>

#include "common/date_format.h"
#include "common/text_record.h"

namespace tikolvo {
namespace {

constexpr std::string_view kPeriodSeparator = ")(";
constexpr std::string_view kDayOfYearPattern = "dd\"/\"mm";

bool SameDayOfYear(DateTime a, DateTime b) {
  const CivilTime x = DecodeDateTime(a);
  const CivilTime y = DecodeDateTime(b);
  return x.month == y.month && x.day == y.day;
}

}  // namespace

std::string ReminderSortKey(DateTime start, const Locale& locale) {
  return FormatDateTime("mm/dd", start, locale);
}

std::string ReminderPeriodText(DateTime start, DateTime end) {
  std::string text = FormatDateTime(kDayOfYearPattern, start);
  if (!SameDayOfYear(start, end)) {
    text += '-';
    text += FormatDateTime(kDayOfYearPattern, end);
  }
  return text;
}

std::string ReminderListItem(const Reminder& reminder, std::size_t index, const Locale& locale) {
  std::string item = ReminderSortKey(reminder.start, locale);
  item += kPeriodSeparator;
  item += ReminderPeriodText(reminder.start, reminder.end);
  item += kHeadSeparator;
  item += std::to_string(index);
  item += kLastSeparator;
  item += reminder.text;
  return item;
}

std::vector<std::string> ReminderListItems(const ReminderBase& base, const Locale& locale) {
  std::vector<std::string> items;
  for (std::size_t index = 0; index < base.size(); ++index) {
    if (base.IsActive(index)) items.push_back(ReminderListItem(base.At(index), index, locale));
  }
  return items;
}

void SortReminderItems(std::vector<std::string>& items) { std::sort(items.begin(), items.end()); }

long long ReminderIndexOfItem(std::string_view item) {
  const std::string digits = MiddleOf(item);
  if (digits.empty() || digits.size() > 9) return -1;
  long long index = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return -1;
    index = index * 10 + (c - '0');
  }
  return index;
}

ReminderItemView ViewOfReminderItem(std::string_view item) {
  ReminderItemView view;
  view.text = LastOf(item);
  const std::string head = HeadOf(item);
  const std::size_t separator = head.find(kPeriodSeparator);
  if (separator != std::string::npos) view.period = head.substr(separator + kPeriodSeparator.size());
  return view;
}

}  // namespace tikolvo

#pragma once
// The lines of the reminders list: sort key ")(" period "||" index "][" text.
// The sort key (start month and day) orders the sorted list through the
// year; the index after "||" is the record the line stands for.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/locale_data.h"
#include "reminders/reminder_record.h"

namespace tikolvo {

// "MM/DD" of the start, the separator being the locale's date separator.
std::string ReminderSortKey(DateTime start, const Locale& locale = Locale());

// "DD/MM" of the start, followed by "-" and "DD/MM" of the end when the end
// falls on another day of the year.
std::string ReminderPeriodText(DateTime start, DateTime end);

std::string ReminderListItem(const Reminder& reminder, std::size_t index, const Locale& locale = Locale());

// One line per active record, in file order.
std::vector<std::string> ReminderListItems(const ReminderBase& base, const Locale& locale = Locale());

// Orders the lines as the sorted list box does: by the whole line.
void SortReminderItems(std::vector<std::string>& items);

// The record index a line carries; -1 (no record) when it cannot be read,
// so that a damaged line never stands for the first record.
long long ReminderIndexOfItem(std::string_view item);

// The two parts the list draws: the text on the left, the period on the
// right.
struct ReminderItemView {
  std::string text;
  std::string period;

  bool operator==(const ReminderItemView&) const = default;
};
ReminderItemView ViewOfReminderItem(std::string_view item);

}  // namespace tikolvo

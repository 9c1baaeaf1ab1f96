#include "reminders/calendar_state.h"

#include <cmath>

namespace tikolvo::calendar {
namespace {

// 0001-01-01 and 10000-01-01: the dates the calendar can show.
constexpr DateTime kFirstDate = -693593.0;
constexpr DateTime kEndDate = 2958466.0;

bool IsDayCode(int code) { return code >= 1 && code <= 31; }

}  // namespace

CalendarState::CalendarState(DateTime selected, int width, int height)
    : layout_(width, height), selected_(kFirstDate) {
  SetDate(selected);
  RebuildHitAreas();
}

void CalendarState::SetSize(int width, int height) {
  layout_ = Layout(width, height);
  RebuildHitAreas();
}

int CalendarState::SelectedDay() const { return dayPicked_ ? DecodeDateTime(selected_).day : -1; }

bool CalendarState::SetDate(DateTime date) {
  if (!std::isfinite(date) || date < kFirstDate || date >= kEndDate) return false;
  const MonthGrid before = Shown();
  selected_ = date;
  const MonthGrid after = Shown();
  if (after.Contains(before.Year(), before.Month())) return false;
  ClearMarks();
  RebuildHitAreas();
  return true;
}

void CalendarState::SetMarkedDays(const std::vector<int>& days) {
  ClearMarks();
  const int last = Shown().Days();
  for (int day : days) {
    if (day >= 1 && day <= last) marks_[static_cast<std::size_t>(day - 1)] = true;
  }
}

bool CalendarState::IsMarked(int day) const {
  return day >= 1 && day <= 31 && marks_[static_cast<std::size_t>(day - 1)];
}

Response CalendarState::PressAt(int code) {
  Response response;
  response.redraw = true;
  hover_ = code;
  look_ = Look::Pressed;
  pressOnDay_ = IsDayCode(code);
  if (code == kPreviousMonth || code == kNextMonth) {
    SetDate(StepMonth(selected_, code == kPreviousMonth ? -1 : 1));
    response.events = {{EventKind::ChangeMonth}, {EventKind::ChangeDay}};
  } else if (pressOnDay_) {
    const DateTime picked = WithDay(selected_, code);
    const bool changed = picked != selected_ || !dayPicked_;
    selected_ = picked;
    dayPicked_ = true;
    if (changed) response.events.push_back({EventKind::ChangeDay});
  }
  return response;
}

Response CalendarState::Press(int x, int y) {
  Response response = PressAt(HitTest(hitAreas_, x, y));
  held_ = true;
  return response;
}

Response CalendarState::DoubleClick(int x, int y) {
  // No button is held afterwards: the double-click handler may open a
  // window that takes the release, and no click follows a double click.
  Response response = PressAt(HitTest(hitAreas_, x, y));
  held_ = false;
  if (pressOnDay_ && SelectedDay() >= 1) response.events.push_back({EventKind::DoubleClickDay, SelectedDay()});
  return response;
}

Response CalendarState::Release(int x, int y) {
  Response response;
  response.redraw = true;
  const bool clicked = held_ && pressOnDay_;
  held_ = false;
  inside_ = x >= 0 && y >= 0 && x < layout_.Width() && y < layout_.Height();
  look_ = inside_ ? Look::Hot : Look::Normal;
  hover_ = inside_ ? HitTest(hitAreas_, x, y) : -1;
  if (clicked && inside_) response.events.push_back({EventKind::ClickDay, SelectedDay()});
  return response;
}

Response CalendarState::CancelPress() {
  Response response;
  if (!held_ && look_ != Look::Pressed) return response;  // a double click leaves the look pressed
  held_ = false;
  look_ = Look::Normal;
  response.redraw = true;
  return response;
}

Response CalendarState::Move(int x, int y) {
  Response response;
  if (held_) return response;  // the pressed element stays pressed until the release
  const int code = HitTest(hitAreas_, x, y);
  if (code != hover_) {
    hover_ = code;
    response.redraw = true;
  }
  return response;
}

Response CalendarState::Enter() {
  inside_ = true;
  if (!(held_ && hover_ > kNothing)) look_ = Look::Hot;
  return {{}, true};
}

Response CalendarState::Leave() {
  inside_ = false;
  if (!held_) {
    look_ = Look::Normal;
    hover_ = -1;
  }
  return {{}, true};
}

}  // namespace tikolvo::calendar

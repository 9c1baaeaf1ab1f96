#pragma once
// The month calendar control without its window: the selected date, the
// day marks, what the mouse is over and whether it is pressed, and the
// events each mouse action raises. The window turns mouse messages into
// these calls, hands the events to its owner and redraws when told.
//
// A press on a day selects it (ChangeDay when the date changes); a press on
// a header button steps the month (ChangeMonth, then ChangeDay). The
// release that ends a press on a day is a click on it (ClickDay). A double
// click on a day raises DoubleClickDay with that day.
#include <array>
#include <vector>

#include "common/date_time.h"
#include "reminders/calendar_layout.h"
#include "reminders/calendar_month.h"

namespace tikolvo::calendar {

enum class EventKind { ClickDay, ChangeDay, ChangeMonth, DoubleClickDay };

struct Event {
  EventKind kind;
  int day = 0;  // the selected day for ClickDay and DoubleClickDay, else 0
  bool operator==(const Event&) const = default;
};

// What one mouse action did: the events to raise, in order, and whether
// the picture changed.
struct Response {
  std::vector<Event> events;
  bool redraw = false;
};

// How the element under the mouse looks.
enum class Look { Pressed, Normal, Hot };

class CalendarState {
 public:
  CalendarState(DateTime selected, int width, int height);

  // A new size moves every element; the picture must be redrawn.
  void SetSize(int width, int height);
  const Layout& GetLayout() const { return layout_; }
  const std::vector<HitArea>& HitAreas() const { return hitAreas_; }

  DateTime SelectedDate() const { return selected_; }
  MonthGrid Shown() const { return MonthGrid::Of(selected_); }
  // 1..31 once the user has picked a day (it follows the selected date from
  // then on); -1 before.
  int SelectedDay() const;
  // The owner moves the calendar to a date (time of day kept as given). The
  // marks are dropped when the shown month changes, as they belong to the
  // month they were set for. True when the shown month changed.
  bool SetDate(DateTime date);

  // The days of the shown month that carry a mark; days outside the month
  // are ignored.
  void SetMarkedDays(const std::vector<int>& days);
  bool IsMarked(int day) const;

  int HoverCode() const { return hover_; }
  Look HoverLook() const { return look_; }
  bool ButtonHeld() const { return held_; }
  bool MouseInside() const { return inside_; }
  // How the element with `code` looks now: Normal unless it is the one under
  // the mouse.
  Look LookOf(int code) const { return code == hover_ ? look_ : Look::Normal; }

  // Left button down at (x, y).
  Response Press(int x, int y);
  // The second press of a double click at (x, y): acts as a press and then
  // raises DoubleClickDay when it fell on a day.
  Response DoubleClick(int x, int y);
  // Left button up at (x, y), which may lie outside the control while it
  // holds the mouse.
  Response Release(int x, int y);
  // The control lost the mouse while the button was down, or after a double
  // click (another window took it): the press ends without a click.
  Response CancelPress();
  Response Move(int x, int y);
  Response Enter();
  Response Leave();

 private:
  Response PressAt(int code);
  void ClearMarks() { marks_.fill(false); }
  void RebuildHitAreas() { hitAreas_ = layout_.HitAreas(Shown()); }

  Layout layout_;
  std::vector<HitArea> hitAreas_;
  DateTime selected_;
  bool dayPicked_ = false;
  std::array<bool, 31> marks_{};
  int hover_ = -1;
  Look look_ = Look::Normal;
  bool held_ = false;
  bool inside_ = false;
  bool pressOnDay_ = false;
};

}  // namespace tikolvo::calendar

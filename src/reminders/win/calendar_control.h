#pragma once
// The month calendar control as a child window: the scheduler's
// "Календарь" page places one where its template reserves room
// (IDC_GCalendare_area). It draws off screen in the system's button-face
// shades, follows the mouse (hover, press, the header buttons) and tells its
// owner through four callbacks:
//
//   onChangeDay       the selected date changed (a picked day or a month step)
//   onChangeMonth     the shown month changed by a header button; the owner
//                     sets the new month's marks here (they were dropped)
//   onClickDay(day)   a press on a day was released over the control
//   onDoubleClickDay(day)
//
// SetDate and SetMarkedDays raise no callbacks.
#include <windows.h>

#include <functional>
#include <vector>

#include "common/date_time.h"
#include "common/locale_data.h"
#include "common/win/window_base.h"
#include "reminders/calendar_state.h"
#include "reminders/win/calendar_canvas.h"

namespace tikolvo {

class CalendarControl : public Window {
 public:
  // The size the settings window gives the control.
  static constexpr int kPageWidth = 225;
  static constexpr int kPageHeight = 241;

  CalendarControl();

  // A visible child of parent over `area` (parent's client pixels), showing
  // today's month.
  bool Create(HWND parent, const RECT& area);

  DateTime SelectedDate() const { return state_.SelectedDate(); }
  // 1..31 once the user has picked a day, -1 before.
  int SelectedDay() const { return state_.SelectedDay(); }
  // Shows the date's month with the date selected; a date outside years
  // 1..9999 is ignored. Moving to another month drops the marks.
  void SetDate(DateTime date);
  // Marks days of the shown month (days it lacks are ignored).
  void SetMarkedDays(const std::vector<int>& days);
  // Draws again, with today's date read anew (after midnight, after the
  // system's colours changed).
  void Redraw();

  std::function<void()> onChangeDay;
  std::function<void()> onChangeMonth;
  std::function<void(int day)> onClickDay;
  std::function<void(int day)> onDoubleClickDay;

  // What the control holds and shows, for its owner's tests.
  const calendar::CalendarState& State() const { return state_; }
  const DibCanvas& Picture() const { return canvas_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Apply(const calendar::Response& response);
  void Raise(const calendar::Event& event);
  void Paint();
  void OnMouseMove(int x, int y);
  void OnLeftUp(int x, int y);
  bool Inside(int x, int y) const;

  calendar::CalendarState state_;
  DibCanvas canvas_;
  Locale locale_;
  bool trackingLeave_ = false;
};

}  // namespace tikolvo

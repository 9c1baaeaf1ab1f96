#include "reminders/win/calendar_control.h"

#include <windowsx.h>

#include "common/win/system_locale.h"
#include "common/win/system_time.h"
#include "reminders/calendar_drawing.h"

namespace tikolvo {
namespace {

constexpr wchar_t kClassName[] = L"TGCalendare";

calendar::CalendarLook SystemLook() {
  calendar::CalendarLook look;
  look.face = GetSysColor(COLOR_BTNFACE);
  look.text = GetSysColor(COLOR_BTNTEXT);
  return look;
}

}  // namespace

CalendarControl::CalendarControl() : state_(LocalNow(), kPageWidth, kPageHeight) {}

bool CalendarControl::Create(HWND parent, const RECT& area) {
  if (!RegisterWindowClass(kClassName, CS_DBLCLKS, nullptr, nullptr, nullptr)) return false;
  locale_ = ReadSystemLocale();
  state_.SetSize(area.right - area.left, area.bottom - area.top);
  if (!CreateWindowFor(0, kClassName, L"", WS_CHILD | WS_VISIBLE, area.left, area.top, area.right - area.left,
                       area.bottom - area.top, parent)) {
    return false;
  }
  Redraw();
  return true;
}

void CalendarControl::SetDate(DateTime date) {
  state_.SetDate(date);
  Redraw();
}

void CalendarControl::SetMarkedDays(const std::vector<int>& days) {
  state_.SetMarkedDays(days);
  Redraw();
}

void CalendarControl::Redraw() {
  const calendar::Layout& layout = state_.GetLayout();
  if (canvas_.Resize(layout.Width(), layout.Height())) {
    calendar::DrawCalendar(state_, canvas_, SystemLook(), LocalNow(), locale_);
  }
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void CalendarControl::Raise(const calendar::Event& event) {
  using calendar::EventKind;
  // Copies: a handler may replace the callbacks.
  switch (event.kind) {
    case EventKind::ChangeDay:
      if (auto f = onChangeDay) f();
      break;
    case EventKind::ChangeMonth:
      if (auto f = onChangeMonth) f();
      break;
    case EventKind::ClickDay:
      if (auto f = onClickDay) f(event.day);
      break;
    case EventKind::DoubleClickDay:
      if (auto f = onDoubleClickDay) f(event.day);
      break;
  }
}

// The picture first, so that an owner looking at the control from a
// handler sees the new state.
void CalendarControl::Apply(const calendar::Response& response) {
  if (response.redraw) Redraw();
  for (const calendar::Event& event : response.events) Raise(event);
}

void CalendarControl::Paint() {
  PaintDc paint(hwnd());
  canvas_.CopyTo(paint.get(), 0, 0);
}

bool CalendarControl::Inside(int x, int y) const {
  RECT client;
  GetClientRect(hwnd(), &client);
  const POINT p{x, y};
  return PtInRect(&client, p) != FALSE;
}

void CalendarControl::OnMouseMove(int x, int y) {
  if (!trackingLeave_) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd(), 0};
    trackingLeave_ = TrackMouseEvent(&track) != FALSE;
  }
  // While the control holds the mouse, moves arrive from outside it too.
  const bool inside = Inside(x, y);
  if (inside && !state_.MouseInside()) Apply(state_.Enter());
  if (!inside && state_.MouseInside()) Apply(state_.Leave());
  Apply(state_.Move(x, y));
}

void CalendarControl::OnLeftUp(int x, int y) {
  const calendar::Response response = state_.Release(x, y);
  if (GetCapture() == hwnd()) ReleaseCapture();  // after the release, so the lost capture cancels nothing
  Apply(response);
}

LRESULT CalendarControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam);
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the picture covers everything
    case WM_SIZE:
      state_.SetSize(LOWORD(lParam), HIWORD(lParam));
      Redraw();
      return 0;
    case WM_LBUTTONDOWN:
      SetCapture(hwnd());
      Apply(state_.Press(x, y));
      return 0;
    case WM_LBUTTONDBLCLK:
      SetCapture(hwnd());
      Apply(state_.DoubleClick(x, y));
      return 0;
    case WM_LBUTTONUP:
      OnLeftUp(x, y);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd()) Apply(state_.CancelPress());
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(x, y);
      return 0;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      if (GetCapture() != hwnd()) Apply(state_.Leave());
      return 0;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      Redraw();
      break;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace tikolvo

// Where the main window stands and how it moves: sticky edges, confinement,
// stacking mode, dragging, auto-hide and minimising to the taskbar.
#include "app/win/main_form.h"

namespace tikolvo {
namespace {

constexpr UINT_PTR kAutoHideTimer = 2;
constexpr UINT kAutoHideMilliseconds = 500;
// Windows parks minimised windows far off screen; such moves are not placements.
constexpr int kParkedCoordinate = -30000;
constexpr UINT kNoMoveNoSize = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

WorkArea DesktopWorkArea() {
  RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return WorkArea{r.left, r.top, r.right, r.bottom};
}

void SetTaskbarButton(HWND hwnd, bool shown) {
  LONG ex = GetWindowLongW(hwnd, GWL_EXSTYLE);
  ex = shown ? ((ex & ~WS_EX_TOOLWINDOW) | WS_EX_APPWINDOW) : ((ex & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW);
  SetWindowLongW(hwnd, GWL_EXSTYLE, ex);
}

}  // namespace

void MainForm::OnWindowPosChanging(WINDOWPOS& pos) {
  if (stacking_.SinkOnPositionChanging()) pos.hwndInsertAfter = HWND_BOTTOM;
  if ((pos.flags & SWP_NOMOVE) || IsIconic(hwnd()) || pos.x <= kParkedCoordinate) return;
  RECT current;
  GetWindowRect(hwnd(), &current);
  const bool keepSize = (pos.flags & SWP_NOSIZE) != 0;
  const WindowBox wanted{pos.x, pos.y, keepSize ? current.right - current.left : pos.cx,
                         keepSize ? current.bottom - current.top : pos.cy};
  PlacementOptions options;
  options.sticky = store_.settings.inter.stickyWindow;
  options.confine = store_.settings.inter.keepOnScreen;
  options.edges = edges_;
  const WindowBox placed = PlaceWindow(wanted, DesktopWorkArea(), options);
  pos.x = placed.x;
  pos.y = placed.y;
}

void MainForm::OnWindowPosChanged(const WINDOWPOS& pos) {
  RememberNormalPosition();
  // Re-asserting topmost changes the position again; once is enough.
  if (reassertingTopmost_) return;
  reassertingTopmost_ = true;
  ApplyZOrder(stacking_.AfterPositionChanged(store_.loaded));
  reassertingTopmost_ = false;
}

void MainForm::RememberNormalPosition() {
  if (!hwnd() || IsIconic(hwnd())) return;
  RECT r;
  GetWindowRect(hwnd(), &r);
  if (r.left <= kParkedCoordinate) return;
  normalPosition_ = POINT{r.left, r.top};
}

void MainForm::ApplyZOrder(ZOrderAction action) {
  switch (action) {
    case ZOrderAction::None: break;
    case ZOrderAction::MakeTopmost: SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, kNoMoveNoSize); break;
    case ZOrderAction::MakeNeutral:
      SetWindowPos(hwnd(), HWND_NOTOPMOST, 0, 0, 0, 0, kNoMoveNoSize);
      SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, kNoMoveNoSize);
      break;
    case ZOrderAction::SinkToBottom: SetWindowPos(hwnd(), HWND_BOTTOM, 0, 0, 0, 0, kNoMoveNoSize); break;
  }
}

void MainForm::ChooseStacking(StackingMode mode) {
  const ZOrderAction action = stacking_.Choose(mode);
  InterfaceSettings& inter = store_.settings.inter;
  inter.stackTopmost = mode == StackingMode::Topmost;
  inter.stackNeutral = mode == StackingMode::Neutral;
  inter.stackBottommost = mode == StackingMode::Bottommost;
  if (hwnd()) ApplyZOrder(action);
}

void MainForm::MainFormImageMouseDown(MouseButton button, bool shiftHeld) {
  hint_.Hide();
  if (!StartsWindowDrag(button, store_.settings.inter.pinWindow, shiftHeld)) return;
  // Moving by the caption lets the system drag the borderless window.
  ReleaseCapture();
  SendMessageW(hwnd(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}

void MainForm::OnMouseMove(bool shiftHeld) {
  if (trackingMouse_) return;
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_HOVER, hwnd(), HOVER_DEFAULT};
  trackingMouse_ = TrackMouseEvent(&track) != 0;
  OnMouseEnter(shiftHeld);
}

void MainForm::OnMouseEnter(bool shiftHeld) {
  if (!HideOnMouseEnter(store_.settings.inter.autoHide, shiftHeld)) return;
  RECT r;
  GetWindowRect(hwnd(), &r);
  hiddenRect_ = ScreenRect{r.left, r.top, r.right - r.left, r.bottom - r.top};
  hint_.Hide();
  hiddenByAutoHide_ = true;
  ShowWindow(hwnd(), SW_HIDE);
  SetTimer(hwnd(), kAutoHideTimer, kAutoHideMilliseconds, nullptr);
}

void MainForm::OnMouseHover() {
  POINT cursor;
  GetCursorPos(&cursor);
  POINT inWindow = cursor;
  ScreenToClient(hwnd(), &inWindow);
  const std::wstring labelHint = skin_.LabelHintAt(inWindow.x, inWindow.y);
  if (!labelHint.empty()) {
    hint_.ShowAt(cursor, labelHint);
    return;
  }
  SYSTEMTIME now;
  GetLocalTime(&now);
  wchar_t date[96] = L"";
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_LONGDATE, &now, nullptr, date, 96);
  std::wstring text = std::wstring(L"Tikolvo\n") + date;
  // Some locales put no-break spaces in dates that hint fonts may lack.
  for (wchar_t& c : text)
    if (c == 0x00A0 || c == 0x202F) c = L' ';
  hint_.ShowAt(cursor, text);
}

void MainForm::OnMouseLeave() {
  trackingMouse_ = false;
  hint_.Hide();
}

void MainForm::Timer_1Timer() {
  KillTimer(hwnd(), kAutoHideTimer);
  POINT cursor;
  GetCursorPos(&cursor);
  if (PollAutoHide(store_.settings.inter.autoHide, hiddenRect_, cursor.x, cursor.y) ==
      AutoHidePoll::ShowAndStop) {
    hiddenByAutoHide_ = false;
    trackingMouse_ = false;
    ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
    return;
  }
  SetTimer(hwnd(), kAutoHideTimer, kAutoHideMilliseconds, nullptr);
}

void MainForm::MinimizeApp() {
  hint_.Hide();
  minimizedToTaskbar_ = true;
  ShowWindow(hwnd(), SW_HIDE);
  SetTaskbarButton(hwnd(), true);
  ShowWindow(hwnd(), SW_MINIMIZE);
}

void MainForm::OnRestoredFromMinimized() {
  // Changing the style inside the restore itself confuses the taskbar; finish
  // the restore first.
  minimizedToTaskbar_ = false;
  PostMessageW(hwnd(), kHideTaskbarButtonMessage, 0, 0);
}

void MainForm::TrayRestoreApp() {
  minimizedToTaskbar_ = false;
  if (IsIconic(hwnd())) ShowWindow(hwnd(), SW_RESTORE);
  ShowWindow(hwnd(), SW_HIDE);
  SetTaskbarButton(hwnd(), false);
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  ApplyZOrder(stacking_.AfterPositionChanged(store_.loaded));
}

}  // namespace tikolvo

#include "app/win/main_form.h"

#include <shellapi.h>
#include <windowsx.h>

#include <utility>
#include <vector>

#include "app/builtin_face.h"
#include "app/win/single_instance.h"
#include "common/win/gdi.h"
#include "common/win/system_locale.h"
#include "common/win/wide_text.h"
#include "resource_ids.h"

namespace tikolvo {
namespace {

constexpr UINT_PTR kTickTimer = 1;
constexpr UINT kTickMilliseconds = 500;
constexpr int kHintIconSize = 32;

}  // namespace

MainForm::MainForm(SettingsStore& store, audio::SoundPlayer& sounds, ClockCommands& commands)
    : store_(store), sounds_(sounds), commands_(commands), locale_(ReadSystemLocale()), labels_(clock_, locale_) {}

bool MainForm::FormCreate() {
  appIcon_ = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TIKOLVO));
  const DateTime now = clock_.Now();
  angles_.PrepareCalendar(now);
  hint_.SetIconFromApplicationIcon(appIcon_, kHintIconSize);
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
  if (!RegisterWindowClass(kMainWindowClass, CS_DBLCLKS, appIcon_, nullptr, nullptr)) return false;
  const WindowPosition pos = store_.settings.pos;
  normalPosition_ = POINT{pos.left, pos.top};
  // A tool window has no taskbar button; minimising swaps the style.
  const DWORD exStyle = WS_EX_ACCEPTFILES | WS_EX_TOOLWINDOW;
  const DWORD style = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX;
  // The window takes the skin's size once the skin is loaded; the built-in
  // face is only drawn should no skin load, which keeps its buffers (and the
  // memory they leave behind) out of an ordinary start.
  if (!CreateWindowFor(exStyle, kMainWindowClass, L"Tikolvo", style, pos.left, pos.top, FaceGeometry::kWidth,
                       FaceGeometry::kHeight, nullptr))
    return false;
  tray_.Add(hwnd(), appIcon_);
  LoadCurrentSkin();
  if (face_.width() == 0) return false;
  SetTimer(hwnd(), kTickTimer, kTickMilliseconds, nullptr);
  ApplyLoadedSettings();
  return true;
}

void MainForm::ApplyLoadedSettings() {
  const InterfaceSettings& inter = store_.settings.inter;
  ChooseStacking(StackingFromFlags(inter.stackTopmost, inter.stackNeutral, inter.stackBottommost));
  SetAutoHide(inter.autoHide, false);
  SetPinned(inter.pinWindow, false);
  SetSticky(inter.stickyWindow);
  trans(inter.opacity);
}

void MainForm::FormShow() {
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  UpdateWindow(hwnd());
  if (store_.settings.inter.startMinimised) MinimizeApp();
}

void MainForm::Paint() {
  PaintDc paint(hwnd());
  face_.Paint(paint.get(), paint.dirty());
}

// The clock tick: labels that change every second and the hands. Nothing is
// drawn while the window is hidden or minimised; the first tick after it
// shows again catches up.
void MainForm::TimerTimer() {
  sounds_.CheckSoundEnded();
  commands_.Ticked();
  // A shell that was not ready when the clock started (an early autostart)
  // refuses the icon; it is offered again every two seconds until taken.
  if (!tray_.shown() && ++trayRetryTicks_ % 4 == 0) tray_.Readd();
  if (!IsWindowVisible(hwnd()) || IsIconic(hwnd())) return;
  const DateTime now = clock_.Now();
  const unsigned changed = labels_.Tick() | std::exchange(labelsChangedUnseen_, 0u);
  ApplyDrawingOptions();
  face_.engine().SetAngles(angles_.At(now));
  ShowFaceChanges(face_.Redraw(face_.labels().BoxesOf(changed), true, labels_));
}

// The day clock's ring, while the date label is shown: the labels that
// change only with the day and the calendar hands move on. A hidden face
// draws them when it shows again.
void MainForm::DayChanged(DateTime now) {
  if (!labels_.Shown(FaceLabel::Date)) return;
  labelsChangedUnseen_ |= labels_.DailyRefresh();
  angles_.PrepareCalendar(now);
  if (!IsWindowVisible(hwnd()) || IsIconic(hwnd())) return;
  face_.engine().SetAngles(angles_.At(now));
  ShowFaceChanges(face_.Redraw(face_.labels().BoxesOf(std::exchange(labelsChangedUnseen_, 0u)), true, labels_));
}

// The settings can change between ticks: quality and the scheduler switch
// take effect at the next draw.
void MainForm::ApplyDrawingOptions() {
  EngineOptions& options = face_.engine().Options();
  options.fullDrawing = store_.settings.inter.handQuality >= 1;
  options.alarmShown = store_.settings.alarm.schedulerEnabled;
}

void MainForm::SetHandColours(std::uint32_t basic, std::uint32_t second, std::uint32_t alarm) {
  SimpleHands& hands = face_.engine().Simple();
  hands.hourColour = hands.minuteColour = basic;
  hands.secondColour = second;
  hands.alarmColour = alarm;
}

HandColours MainForm::CurrentHandColours() const {
  const SimpleHands& hands = face_.engine().Simple();
  return HandColours{hands.minuteColour, hands.alarmColour, hands.secondColour};
}

void MainForm::ShowFaceChanges(const FaceChanges& changes) {
  if (changes.Empty()) return;
  if (face_.layered()) {
    face_.Push(hwnd(), store_.settings.inter.opacity);
    return;
  }
  for (int i = 0; i < changes.count; ++i) {
    const Box& box = changes.boxes[i];
    const RECT r{box.left, box.top, box.right, box.bottom};
    InvalidateRect(hwnd(), &r, FALSE);
  }
}

void MainForm::RunClosingSteps() {
  if (closingStepsDone_) return;
  closingStepsDone_ = true;
  commands_.SaveAtClose();
}

void MainForm::TakeWindowState(Settings& settings) {
  RememberNormalPosition();
  settings.pos = WindowPosition{normalPosition_.y, normalPosition_.x};
  settings.inter.handColours = CurrentHandColours();
}

void MainForm::FormClose() {
  KillTimer(hwnd(), kTickTimer);
  hint_.Hide();
  RunClosingSteps();
  tray_.Remove();
  DestroyWindow(hwnd());
}

// The session ends: agree, save like a normal close, and leave at once, as
// the system may not wait for an orderly shutdown.
void MainForm::OnQueryEndSession() {
  RunClosingSteps();
  ExitProcess(0);
}

LRESULT MainForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    OnTaskbarCreated();
    return 0;
  }
  switch (message) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_TIMER:
      if (wParam == kTickTimer) TimerTimer();
      else Timer_1Timer();
      return 0;
    case WM_WINDOWPOSCHANGING: OnWindowPosChanging(*reinterpret_cast<WINDOWPOS*>(lParam)); break;
    case WM_WINDOWPOSCHANGED:
      Default(message, wParam, lParam);
      OnWindowPosChanged(*reinterpret_cast<const WINDOWPOS*>(lParam));
      return 0;
    case WM_LBUTTONDOWN: {
      const SkinMouseResult r = skin_.MouseDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), false);
      HandleSkinMouse(r);
      if (!r.handled && !r.captionDrag) MainFormImageMouseDown(MouseButton::Left, wParam & MK_SHIFT);
      return 0;
    }
    case WM_LBUTTONUP: HandleSkinMouse(skin_.MouseUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))); return 0;
    case WM_MBUTTONDOWN: MainFormImageMouseDown(MouseButton::Middle, wParam & MK_SHIFT); return 0;
    case WM_RBUTTONDOWN: hint_.Hide(); return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(wParam & MK_SHIFT);
      HandleSkinMouse(skin_.MouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
      return 0;
    case WM_MOUSEHOVER:
      if (!menuOpen_) OnMouseHover();  // a hint over an open menu would cover it
      return 0;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      HandleSkinMouse(skin_.MouseLeave());
      return 0;
    case WM_SETCURSOR:
      if (OnSetCursor(lParam)) return TRUE;
      break;
    case WM_MEASUREITEM:
      if (menuStyle_.Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_DRAWITEM:
      if (menuStyle_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_CONTEXTMENU: ShowContextMenu(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_COMMAND: RunCommand(static_cast<Command>(LOWORD(wParam))); return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_MINIMIZE) { MinimizeApp(); return 0; }
      break;
    case WM_SIZE:
      if (wParam == SIZE_RESTORED && minimizedToTaskbar_) OnRestoredFromMinimized();
      break;
    case kHideTaskbarButtonMessage: TrayRestoreApp(); return 0;
    case kTrayCallbackMessage: OnTrayEvent(static_cast<UINT>(lParam)); return 0;
    case kTrayShownMessage: return tray_.shown() ? 1 : 0;
    case kDescribeMenuMessage:
      return DescribeMenuTo(static_cast<MainMenuKind>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_POWERBROADCAST:
      if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) commands_.ClockChanged();
      break;
    case WM_TIMECHANGE: commands_.ClockChanged(); return 0;
    case WM_DROPFILES: OnDropFiles(reinterpret_cast<HDROP>(wParam)); return 0;
    case WM_COPYDATA: return DropCopiedFiles(*reinterpret_cast<const COPYDATASTRUCT*>(lParam)) ? TRUE : FALSE;
    case WM_CLOSE: FormClose(); return 0;  // closing is always allowed
    case WM_QUERYENDSESSION: OnQueryEndSession(); return TRUE;
    case WM_ENDSESSION:
      if (wParam) OnQueryEndSession();
      return 0;
    case WM_DESTROY:
      tray_.Remove();
      PostQuitMessage(0);
      return 0;
  }
  return Default(message, wParam, lParam);
}

}  // namespace tikolvo

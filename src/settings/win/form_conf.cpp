#include "settings/win/form_conf.h"

#include <commctrl.h>

#include "app/win/main_form.h"
#include "common/win/system_folders.h"
#include "common/win/wide_text.h"
#include "reminders/win/message_dialogs.h"
#include "settings/autorun.h"
#include "settings/win/autorun_win.h"

namespace tikolvo {
namespace {

constexpr wchar_t kClassName[] = L"TFormConf";
constexpr wchar_t kCaption[] = L"Настройки";
constexpr int kClientWidth = 585;
constexpr int kClientHeight = 369;
constexpr UINT_PTR kTimerClock = 1;

// Page indexes of the main notebook.
constexpr int kSettingsPage = 0;
constexpr int kTimerPage = 1;
constexpr int kAboutPage = 7;

constexpr int kOkButtons[] = {IDC_bok1, IDC_bok, IDC_BOK_Des, IDC_bcl, IDC_btcwww, IDC_B_ok_plan, IDC_B_S_OK, IDC_bok2};

HFONT MessageFont() {
  NONCLIENTMETRICSW metrics{};
  // The XP-sized structure: the newer field would make older systems refuse.
  metrics.cbSize = offsetof(NONCLIENTMETRICSW, lfMessageFont) + sizeof(LOGFONTW);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  return CreateFontIndirectW(&metrics.lfMessageFont);
}

std::string ExePath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return Narrow(path);
}

BOOL CALLBACK CollectControl(HWND child, LPARAM map) {
  const int id = GetDlgCtrlID(child);
  if (id > 0) reinterpret_cast<std::map<int, HWND>*>(map)->emplace(id, child);
  return TRUE;
}

}  // namespace

TFormConf::TFormConf(AppState& app, MainForm& mainForm) : app_(app), mainForm_(mainForm) {}

TFormConf::~TFormConf() {
  if (hwnd()) KillTimer(hwnd(), kTimerClock);
  if (font_) DeleteObject(font_);
}

bool TFormConf::FormCreate() {
  if (!RegisterWindowClass(kClassName, 0, LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)), nullptr,
                           GetSysColorBrush(COLOR_BTNFACE)))
    return false;
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_CONTROLPARENT);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  if (!CreateWindowFor(WS_EX_CONTROLPARENT, kClassName, kCaption, style, x, y, width, height, nullptr)) return false;

  const RECT notebookArea{4, 4, kClientWidth - 4, kClientHeight - 4};
  if (!notebook_.Create(hwnd(), IDC_Notebook, notebookArea,
                        {"Настройки", "Таймер", "Рабочий стол", "Меню", "Темы", "Планировщик", "Статистика",
                         "Об авторе..."}))
    return false;
  HWND settingsPage = notebook_.page(kSettingsPage);
  RECT inner;
  GetClientRect(settingsPage, &inner);
  inner.left += 6;
  inner.top += 6;
  inner.right -= 6;
  inner.bottom -= 44;
  if (!sysTabs_.Create(settingsPage, IDC_TN_sys, inner, {"Системные", "Положение", "Меню", "Внешний вид"}))
    return false;
  BuildSystemPage(sysTabs_.page(0));
  BuildPositionPage(sysTabs_.page(1));
  BuildLookPage(sysTabs_.page(3));
  BuildTimerPage(notebook_.page(kTimerPage));
  BuildAboutPage(notebook_.page(kAboutPage));
  for (int page = 0; page < 8; ++page) AddOkButton(notebook_.page(page), kOkButtons[page]);

  font_ = MessageFont();
  ApplyDialogFont(hwnd(), font_);
  RememberControls();

  const int opened = app_.settings.pages.settingsPage;
  notebook_.Select(opened >= 0 && opened < 8 ? opened : 0);
  LoadControls();
  timer_.SetPeriod(app_.settings.intervalTimer.hours, app_.settings.intervalTimer.minutes,
                   app_.settings.intervalTimer.seconds);
  timer_.SetSound(app_.settings.intervalTimer.soundIndex);
  if (app_.settings.alarm.intervalTimerOn) StartTimer();
  RefreshTimerLabels();
  if (!app_.settings.showTaskbarClock) ShowTaskbarClock(false);
  return true;
}

void TFormConf::RememberControls() {
  controls_.clear();
  EnumChildWindows(hwnd(), &CollectControl, reinterpret_cast<LPARAM>(&controls_));
}

HWND TFormConf::Item(int id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second;
}

void TFormConf::AddOkButton(HWND page, int id) {
  RECT area;
  GetClientRect(page, &area);
  AddButton(page, id, "Ok", area.right - 90, area.bottom - 34, 80);
}

void TFormConf::ShowSettings() {
  LoadControls();
  if (IsIconic(hwnd())) ShowWindow(hwnd(), SW_RESTORE);
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
}

// The controls are set without their handlers running: the settings they
// show are already in effect.
void TFormConf::LoadControls() {
  loading_ = true;
  const Settings& s = app_.settings;
  SetChecked(Item(IDC_CB_MONITOR_IP), s.log.monitorConnections);
  SetChecked(Item(IDC_CB_AUTO_HIDE_start), s.inter.startMinimised);
  SetChecked(Item(IDC_CBTray), s.showTaskbarClock);
  SetChecked(Item(IDC_CB_AUTO_HIDE), s.inter.autoHide);
  SetChecked(Item(IDC_CBW), s.inter.stickyWindow);
  SetChecked(Item(IDC_CB_Display), s.inter.keepOnScreen);
  SetChecked(Item(IDC_CB_zak_g_wind), s.inter.pinWindow);
  const StackingMode mode = StackingFromFlags(s.inter.stackTopmost, s.inter.stackNeutral, s.inter.stackBottommost);
  SetChecked(Item(IDC_CB_UP), mode == StackingMode::Topmost);
  SetChecked(Item(IDC_CB_baraban), mode == StackingMode::Neutral);
  SetChecked(Item(IDC_CB_Down), mode == StackingMode::Bottommost);
  SendMessageW(Item(IDC_TBTRANS), TBM_SETPOS, TRUE, s.inter.opacity);
  SetControlText(Item(IDC_ctH), s.intervalTimer.hours);
  SetControlText(Item(IDC_ctM), s.intervalTimer.minutes);
  SetControlText(Item(IDC_CTS), s.intervalTimer.seconds);
  SendMessageW(Item(IDC_CB_SOUND_TIM), CB_SETCURSEL, static_cast<WPARAM>(s.intervalTimer.soundIndex), 0);
  SetChecked(Item(IDC_CBCT), timer_.running());
  loading_ = false;
}

LRESULT TFormConf::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NOTIFY:
      OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
      return 0;
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lParam) == Item(IDC_TBTRANS)) TBTRANSChange();
      return 0;
    case WM_TIMER:
      if (wParam == kTimerClock) CTttAlarm();
      return 0;
    case WM_CLOSE:
      FormClose();
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

void TFormConf::OnNotify(const NMHDR& header) {
  if (header.code != TCN_SELCHANGE) return;
  if (header.hwndFrom == notebook_.tabs()) {
    notebook_.OnSelectionChanged();
    app_.settings.pages.settingsPage = notebook_.selected();
  } else if (header.hwndFrom == sysTabs_.tabs()) {
    sysTabs_.OnSelectionChanged();
  }
}

void TFormConf::OnCommand(int id, int code) {
  if (loading_) return;
  for (int ok : kOkButtons)
    if (id == ok) return bokClick();
  Settings& s = app_.settings;
  const bool clicked = code == BN_CLICKED;
  switch (id) {
    case IDC_CB_MONITOR_IP: if (clicked) s.log.monitorConnections = IsChecked(Item(id)); break;
    case IDC_CB_AUTO_HIDE_start: if (clicked) s.inter.startMinimised = IsChecked(Item(id)); break;
    case IDC_CBTray: if (clicked) CBTrayClick(); break;
    case IDC_bauloLoad: if (clicked) bauloLoadClick(); break;
    case IDC_Button1: if (clicked) Button1Click(); break;
    case IDC_CB_AUTO_HIDE: if (clicked) mainForm_.SetAutoHide(IsChecked(Item(id)), true); break;
    case IDC_CBW: if (clicked) mainForm_.SetSticky(IsChecked(Item(id))); break;
    case IDC_CB_Display: if (clicked) s.inter.keepOnScreen = IsChecked(Item(id)); break;
    case IDC_CB_zak_g_wind: if (clicked) mainForm_.SetPinned(IsChecked(Item(id)), true); break;
    case IDC_CB_UP:
    case IDC_CB_baraban:
    case IDC_CB_Down:
      if (clicked) StackingClick(id);
      break;
    case IDC_ctH:
    case IDC_ctM:
    case IDC_CTS:
      if (code == EN_CHANGE) TimerEditChange(id);
      break;
    case IDC_CBCT:
      if (clicked) IsChecked(Item(id)) ? StartTimer() : StopTimer();
      break;
    case IDC_B_start_timer: if (clicked) StartTimer(); break;
    case IDC_B_stop_timer: if (clicked) StopTimer(); break;
    case IDC_CB_SOUND_TIM:
      if (code == CBN_SELCHANGE) {
        s.intervalTimer.soundIndex = static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0));
        timer_.SetSound(s.intervalTimer.soundIndex);
      }
      break;
    default: break;
  }
}

void TFormConf::bokClick() {
  SaveAppSettings(app_);
  ShowWindow(hwnd(), SW_HIDE);
}

// Closing only hides: the window holds running state until the program ends.
void TFormConf::FormClose() { ShowWindow(hwnd(), SW_HIDE); }

// A radio may also be chosen without a click on it (from the keyboard or by
// a command), so the group is set here as well.
void TFormConf::StackingClick(int id) {
  for (int radio : {IDC_CB_UP, IDC_CB_baraban, IDC_CB_Down}) SetChecked(Item(radio), radio == id);
  const StackingMode mode = id == IDC_CB_UP     ? StackingMode::Topmost
                            : id == IDC_CB_Down ? StackingMode::Bottommost
                                                : StackingMode::Neutral;
  mainForm_.ChooseStacking(mode);
}

void TFormConf::bauloLoadClick() {
  WindowConfirmer confirmer(hwnd());
  WinRunKeyRegistry registry;
  WinProgmanDde dde;
  AddToAutorun(ExePath(), confirmer, registry, dde);
}

void TFormConf::Button1Click() {
  WindowConfirmer confirmer(hwnd());
  WinRunKeyRegistry registry;
  RemoveFromAutorun(confirmer, registry);
}

void TFormConf::CBTrayClick() {
  app_.settings.showTaskbarClock = IsChecked(Item(IDC_CBTray));
  ShowTaskbarClock(app_.settings.showTaskbarClock);
}

void TFormConf::TBTRANSChange() {
  mainForm_.trans(static_cast<int>(SendMessageW(Item(IDC_TBTRANS), TBM_GETPOS, 0, 0)));
}

void ShowTaskbarClock(bool show) {
  HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
  HWND notify = tray ? FindWindowExW(tray, nullptr, L"TrayNotifyWnd", nullptr) : nullptr;
  HWND clock = notify ? FindWindowExW(notify, nullptr, L"TrayClockWClass", nullptr) : nullptr;
  if (!clock) return;
  ShowWindow(clock, show ? SW_SHOWNORMAL : SW_HIDE);
  InvalidateRect(clock, nullptr, TRUE);
}

}  // namespace tikolvo

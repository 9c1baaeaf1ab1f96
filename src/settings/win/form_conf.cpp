#include "settings/win/form_conf.h"

#include <commctrl.h>

#include "app/win/main_form.h"
#include "common/win/system_look.h"
#include "common/win/system_time.h"
#include "common/win/wide_text.h"
#include "common/win/message_dialogs.h"
#include "settings/autorun.h"
#include "settings/scheduler_buttons.h"
#include "settings/skin_choice.h"
#include "settings/win/autorun_win.h"

#include "reminders/win/reminder_page_view.h"
#include "reminders/win/calendar_control.h"
#include "scheduler/win/scheduler_page.h"
#include "scheduler/win/task_wizard.h"

namespace tikolvo {
namespace {

constexpr wchar_t kClassName[] = L"TFormConf";
constexpr wchar_t kCaption[] = L"Настройки";
constexpr int kClientWidth = 585;
constexpr int kClientHeight = 369;
constexpr UINT_PTR kTimerClock = 1;
constexpr int kRemindersTab = 2;

struct MainPage {
  const char* caption;
  const wchar_t* templateName;
};

constexpr MainPage kMainPages[] = {
    {"Настройки", L"CONF_PAGE_SETTINGS"},   {"Таймер", L"CONF_PAGE_TIMER"},
    {"Рабочий стол", L"CONF_PAGE_DESKTOP"}, {"Меню", L"CONF_PAGE_MENU"},
    {"Темы", L"CONF_PAGE_THEMES"},          {"Планировщик", L"CONF_PAGE_PLANNER"},
    {"Статистика", L"CONF_PAGE_STATS"},     {"Об авторе...", L"CONF_PAGE_ABOUT"},
};

constexpr int kOkButtons[] = {IDC_bok1, IDC_bok, IDC_BOK_Des, IDC_bcl, IDC_BOSkin, IDC_B_ok_plan, IDC_btcwww, IDC_bok2};

std::string ExePath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return Narrow(path);
}

struct ControlCollector {
  std::map<int, HWND>* controls;
  HWND foreignPage;  // a page with its own ids, left out
};

BOOL CALLBACK CollectControl(HWND child, LPARAM data) {
  auto& collector = *reinterpret_cast<ControlCollector*>(data);
  if (collector.foreignPage && (child == collector.foreignPage || IsChild(collector.foreignPage, child)))
    return TRUE;
  const int id = GetDlgCtrlID(child);
  if (id > 0) collector.controls->emplace(id, child);
  return TRUE;
}

class ReminderPageHost : public HostedPage {
 public:
  explicit ReminderPageHost(AppState& app) : view_(app) {}
  bool Create(HWND parent, const RECT& area) { return view_.Create(parent, area); }
  HWND hwnd() const override { return view_.hwnd(); }
  void LoadControls() override { view_.LoadControls(); }
  void Entered() override { view_.Entered(); }
  void Left() override { view_.Left(); }

 private:
  ReminderPageView view_;
};

}  // namespace

TFormConf::TFormConf(AppState& app, MainForm& mainForm) : app_(app), mainForm_(mainForm) {}

TFormConf::~TFormConf() {
  if (hwnd()) KillTimer(hwnd(), kTimerClock);
}

bool TFormConf::FormCreate() {
  if (!CreateFrame() || !CreatePages()) return false;
  RememberControls();
  FillLists();
  FillAboutPage();
  ShowCurrentSkin();
  CreateScheduler();
  const int opened = app_.settings.pages.settingsPage;
  notebook_.Select(opened >= 0 && opened < notebook_.count() ? opened : 0);
  LoadControls();
  SelectRememberedPages();
  timer_.SetPeriod(app_.settings.intervalTimer.hours, app_.settings.intervalTimer.minutes,
                   app_.settings.intervalTimer.seconds);
  timer_.SetSound(app_.settings.intervalTimer.soundIndex);
  if (app_.settings.alarm.intervalTimerOn) StartTimer();
  RefreshTimerLabels();
  ShowTaskbarClock(app_.settings.showTaskbarClock);  // also brings back one an earlier run left hidden
  return true;
}

bool TFormConf::CreateFrame() {
  if (!RegisterWindowClass(kClassName, 0, LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)), nullptr,
                           GetSysColorBrush(COLOR_BTNFACE)))
    return false;
  menu_ = LoadMenuW(GetModuleHandleW(nullptr), L"CONF_MENU");
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, style, menu_ != nullptr, WS_EX_CONTROLPARENT);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  if (!CreateWindowFor(WS_EX_CONTROLPARENT, kClassName, kCaption, style, x, y, width, height, nullptr)) return false;
  if (menu_) SetMenu(hwnd(), menu_);
  if (menu_) menuStyle_.ApplyToDropDowns(menu_, app_.settings.inter.gradientMenus);
  return true;
}

bool TFormConf::CreatePages() {
  font_ = CreateMessageFont();
  HWND tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 4, 4, kClientWidth - 8,
                              kClientHeight - 8, hwnd(), reinterpret_cast<HMENU>(IDC_Notebook),
                              GetModuleHandleW(nullptr), nullptr);
  if (!tabs) return false;
  SendMessageW(tabs, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  std::vector<std::string_view> captions;
  for (const MainPage& page : kMainPages) captions.push_back(page.caption);
  notebook_.Attach(tabs, captions);
  for (const MainPage& page : kMainPages)
    if (!notebook_.AddPage(page.templateName)) return false;
  CreateInnerPages();
  return true;
}

void TFormConf::CreateInnerPages() {
  auto inner = [](Notebook& notebook, HWND page, int tabsId, std::vector<std::string_view> captions,
                  std::vector<const wchar_t*> templates) {
    notebook.Attach(GetDlgItem(page, tabsId), captions);
    for (const wchar_t* name : templates) notebook.AddPage(name);
  };
  inner(sysTabs_, notebook_.page(kConfSettingsPage), IDC_TN_sys, {"Системные", "Положение", "Меню", "Внешний вид"},
        {L"CONF_SYS_SYSTEM", L"CONF_SYS_POSITION", L"CONF_SYS_MENU", L"CONF_SYS_LOOK"});
  HWND desktop = notebook_.page(kConfDesktopPage);
  desktopTabs_.Attach(GetDlgItem(desktop, IDC_TN_cal), {"Фон", "Календарь", "Напоминания", "Положение и размеры"});
  desktopTabs_.AddPage(L"CONF_DESK_BACKGROUND");
  desktopTabs_.AddPage(L"CONF_DESK_CALENDAR");
  auto reminders = std::make_unique<ReminderPageHost>(app_);
  if (reminders->Create(desktop, desktopTabs_.DisplayArea())) {
    desktopTabs_.AddPage(reminders->hwnd());
    reminders_ = std::move(reminders);
  }
  desktopTabs_.AddPage(L"CONF_DESK_PLACEMENT");
  inner(menuTabs_, notebook_.page(kConfMenuPage), IDC_TN_FaST_MENU,
        {"Меню программ", "Меню WWW", "Дополнительные установки"},
        {L"CONF_MENU_PROGRAMS", L"CONF_MENU_WWW", L"CONF_MENU_EXTRA"});
  inner(planTabs_, notebook_.page(kConfSchedulerPage), IDC_TBPlan,
        {"Список заданий", "Календарь", "Дополнительные установки"},
        {L"CONF_PLAN_LIST", L"CONF_PLAN_CALENDAR", L"CONF_PLAN_EXTRA"});
  inner(statTabs_, notebook_.page(kConfStatisticsPage), IDC_NoteWWW,
        {"Лог подключений", "Подключения", "Лог работы ОС", "Статус"},
        {L"CONF_STAT_LOG", L"CONF_STAT_CONN", L"CONF_STAT_WORK", L"CONF_STAT_STATUS"});
  for (Notebook* notebook : {&sysTabs_, &menuTabs_}) notebook->Select(0);
}

void TFormConf::SelectRememberedPages() {
  auto select = [](Notebook& notebook, int page) {
    notebook.Select(page >= 0 && page < notebook.count() ? page : 0);
  };
  const Settings& s = app_.settings;
  select(planTabs_, s.inter.schedulerTab);
  select(statTabs_, s.pages.statisticsPage);
  select(desktopTabs_, s.calendar.page);
  for (Notebook* notebook : {&planTabs_, &statTabs_, &desktopTabs_}) InnerPageChanged(*notebook);
}

void TFormConf::CreateScheduler() {
  if (!actions_) return;
  scheduler_ = std::make_unique<SchedulerPage>(app_.programFolder + "plan.db", clock_, *actions_, app_.context.locale);
  scheduler_->SetSchedulerEnabled(app_.settings.alarm.schedulerEnabled);
  scheduler_->alarmHandChanged = [this](const AlarmHand& hand) { mainForm_.SetAlarmTime(hand.hour, hand.minute); };
  scheduler_->Create({hwnd(), Item(IDC_SG_PLAN), Item(IDC_SG_plan_calend), Item(IDC_L_plan_next), Item(IDC_LPlan_cal)});
  app_.menus.openScheduler = [this] { ShowPage(kConfSchedulerPage); };
  app_.menus.schedulerSoundChanged = [this](bool playing) {
    ShowWindow(Item(IDC_B_stop_plan), playing ? SW_SHOWNA : SW_HIDE);
  };
  CreateCalendar();
  ConnectWizard();
  scheduler_->viewsFilled = [this] { MarkCalendarDays(); };
}

// The page's add and edit commands open the task wizard; its saves are
// followed by a refresh of the views (the page does that on a true return).
void TFormConf::ConnectWizard() {
  if (!wizardTests_) return;
  auto run = [this](WizardRequest request) {
    request.planPath = app_.programFolder + "plan.db";
    return RunTaskWizard(hwnd(), request, *wizardTests_);
  };
  SchedulerWizard& wizard = scheduler_->wizard();
  wizard.addTask = [run] { return run({WizardRequest::Kind::kNew}); };
  wizard.addTaskOnDay = [run](DateTime day) { return run({WizardRequest::Kind::kNewOnDay, day}); };
  wizard.editTask = [run](std::int32_t id) { return run({WizardRequest::Kind::kEdit, 0, id}); };
}

// The month calendar takes the place kept for it on the "Календарь" page;
// picking a day lists that day's tasks, and a double click on a day starts
// a new task for it.
void TFormConf::CreateCalendar() {
  HWND area = Item(IDC_GCalendare_area);
  if (!area) return;
  HWND page = GetParent(area);
  RECT box;
  GetWindowRect(area, &box);
  MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&box), 2);
  ShowWindow(area, SW_HIDE);
  calendar_ = std::make_unique<CalendarControl>();
  if (!calendar_->Create(page, box)) {
    calendar_.reset();
    return;
  }
  calendar_->SetDate(scheduler_->shownDay());
  auto showDay = [this] { scheduler_->ShowDay(calendar_->SelectedDate()); };
  calendar_->onChangeDay = showDay;
  calendar_->onClickDay = [showDay](int) { showDay(); };
  calendar_->onChangeMonth = [this] { MarkCalendarDays(); };
  calendar_->onDoubleClickDay = [this](int) { scheduler_->AddTask(true); };
  MarkCalendarDays();
}

void TFormConf::MarkCalendarDays() {
  if (!calendar_ || !scheduler_) return;
  const CivilTime shown = DecodeDateTime(calendar_->SelectedDate());
  const std::vector<bool> marks = scheduler_->MarkedDays(shown.year, shown.month);
  std::vector<int> days;
  for (std::size_t i = 0; i < marks.size(); ++i)
    if (marks[i]) days.push_back(static_cast<int>(i) + 1);
  calendar_->SetMarkedDays(days);
}

void TFormConf::RunStartTasks() {
  if (scheduler_) scheduler_->RunStartTasks();
}

// The page's buttons and the main menu's task items act on the selected
// task of the page shown ("Календарь" lists the chosen day's tasks).
void TFormConf::SchedulerCommand(int id) {
  if (!scheduler_) return;
  const bool dayList = planTabs_.selected() == 1;
  switch (id) {
    case IDC_B_add_plan: scheduler_->AddTask(dayList); break;
    case IDM_plan_add: scheduler_->AddTask(false); break;
    case IDC_B_edit_plan:
    case IDM_plan_edit: scheduler_->EditSelected(dayList); break;
    case IDC_B_del_plan:
    case IDM_plan_del: scheduler_->DeleteSelected(dayList); break;
    case IDC_B_del_all_plan:
    case IDM_plan_del_all:
      if (planTabs_.selected() == 0) scheduler_->DeleteAll();
      break;
    default: break;
  }
}

void TFormConf::ShowSchedulerButtons() {
  const SchedulerButtons shown = SchedulerButtonsFor(planTabs_.selected());
  ShowWindow(Item(IDC_B_add_plan), shown.add ? SW_SHOWNA : SW_HIDE);
  ShowWindow(Item(IDC_B_edit_plan), shown.edit ? SW_SHOWNA : SW_HIDE);
  ShowWindow(Item(IDC_B_del_plan), shown.remove ? SW_SHOWNA : SW_HIDE);
  ShowWindow(Item(IDC_B_del_all_plan), shown.removeAll ? SW_SHOWNA : SW_HIDE);
}

void TFormConf::ShowCurrentSkin() {
  const SkinChoice skin = ReadCurrentSkinFile(app_.programFolder + "skin.cfg", app_.programFolder);
  SetControlText(Item(IDC_ENameS), skin.name);
  SetControlText(Item(IDC_EPathS), skin.path);
}

void TFormConf::RememberControls() {
  controls_.clear();
  ControlCollector collector{&controls_, reminders_ ? reminders_->hwnd() : nullptr};
  EnumChildWindows(hwnd(), &CollectControl, reinterpret_cast<LPARAM>(&collector));
}

HWND TFormConf::Item(int id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second;
}

void TFormConf::ShowSettings() {
  LoadControls();
  FormShow();
  if (IsIconic(hwnd())) ShowWindow(hwnd(), SW_RESTORE);
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
}

void TFormConf::ShowPage(int page, int innerPage) {
  notebook_.Select(page);
  app_.settings.pages.settingsPage = page;
  Notebook* inner = page == kConfDesktopPage      ? &desktopTabs_
                    : page == kConfStatisticsPage ? &statTabs_
                    : page == kConfSchedulerPage  ? &planTabs_
                                                  : nullptr;
  if (inner && innerPage >= 0) {
    inner->Select(innerPage);
    InnerPageChanged(*inner);
  }
  ShowSettings();
}

void TFormConf::LoadControls() {
  loading_ = true;
  LoadBoundControls();
  const Settings& s = app_.settings;
  const StackingMode mode = StackingFromFlags(s.inter.stackTopmost, s.inter.stackNeutral, s.inter.stackBottommost);
  SetChecked(Item(IDC_CB_UP), mode == StackingMode::Topmost);
  SetChecked(Item(IDC_CB_baraban), mode == StackingMode::Neutral);
  SetChecked(Item(IDC_CB_Down), mode == StackingMode::Bottommost);
  for (int i = 0; i < static_cast<int>(kPanelMenuItemCount); ++i)
    SetChecked(Item(IDC_CB_men_first + i), s.panelMenuVisible[static_cast<std::size_t>(i)]);
  SendMessageW(Item(IDC_TBTRANS), TBM_SETPOS, TRUE, s.inter.opacity);
  SetControlText(Item(IDC_ctH), s.intervalTimer.hours);
  SetControlText(Item(IDC_ctM), s.intervalTimer.minutes);
  SetControlText(Item(IDC_CTS), s.intervalTimer.seconds);
  SelectComboItem(Item(IDC_CB_SOUND_TIM), s.intervalTimer.soundIndex);
  SetChecked(Item(IDC_CBCT), timer_.running());
  if (reminders_) reminders_->LoadControls();
  loading_ = false;
}

LRESULT TFormConf::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (lParam == 0 && HIWORD(wParam) == 0 && LOWORD(wParam) >= IDM_view_top) {
        OnMenuCommand(LOWORD(wParam));
      } else {
        OnCommand(LOWORD(wParam), HIWORD(wParam));
      }
      return 0;
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (scheduler_ && scheduler_->HandleNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) {
        if (reinterpret_cast<const NMHDR*>(lParam)->code == LVN_ITEMCHANGED) FormShow();
        return result;
      }
      OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
      return 0;
    }
    case WM_MEASUREITEM:
      return menuStyle_.Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
    case WM_DRAWITEM:
      if (menuStyle_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case WM_SYSCOLORCHANGE:
      if (calendar_) calendar_->Redraw();
      return 0;
    case WM_INITMENUPOPUP:
      UpdateMenuChecks(reinterpret_cast<HMENU>(wParam));
      menuStyle_.SetGradient(app_.settings.inter.gradientMenus);
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

// As in a dialog, the keyboard focus returns to the control that had it
// when the window is activated again; the first time it goes to the tabs.
void TFormConf::OnActivate(bool active) {
  HWND focus = GetFocus();
  if (!active) {
    if (focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
    return;
  }
  HWND target = lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_) ? lastFocus_ : notebook_.tabs();
  SetFocus(target);
}

void TFormConf::OnNotify(const NMHDR& header) {
  if (header.code == DTN_DATETIMECHANGE && header.idFrom == IDC_DTP) {
    const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
    if (change.dwFlags == GDT_VALID) app_.settings.calendar.shownDate = DateOf(FromSystemTime(change.st));
    return;
  }
  if (header.code != TCN_SELCHANGE) return;
  if (header.hwndFrom == notebook_.tabs()) {
    notebook_.OnSelectionChanged();
    app_.settings.pages.settingsPage = notebook_.selected();
    return;
  }
  for (Notebook* notebook : {&sysTabs_, &desktopTabs_, &menuTabs_, &planTabs_, &statTabs_}) {
    if (header.hwndFrom != notebook->tabs()) continue;
    notebook->OnSelectionChanged();
    InnerPageChanged(*notebook);
  }
}

// The remembered inner pages follow the user; the reminders list is only
// kept while its page shows.
void TFormConf::InnerPageChanged(Notebook& notebook) {
  Settings& s = app_.settings;
  const int page = notebook.selected();
  if (&notebook == &desktopTabs_) {
    s.calendar.page = page;
    if (reminders_) page == kRemindersTab ? reminders_->Entered() : reminders_->Left();
  } else if (&notebook == &planTabs_) {
    s.inter.schedulerTab = page;
    ShowSchedulerButtons();
  } else if (&notebook == &statTabs_) {
    s.pages.statisticsPage = page;
  }
}

void TFormConf::OnCommand(int id, int code) {
  if (loading_) return;
  const bool clicked = code == BN_CLICKED;
  if (id == IDOK) return bokClick();  // Enter anywhere in the window
  if (id == IDCANCEL) return FormClose();  // Esc
  for (int ok : kOkButtons)
    if (id == ok && clicked) return bokClick();
  if (OnBoundControl(id, code)) return;
  if (id >= IDC_CB_men_first && id < IDC_CB_men_first + static_cast<int>(kPanelMenuItemCount)) {
    if (clicked) PanelItemClick(id);
    return;
  }
  switch (id) {
    case IDC_bauloLoad: if (clicked) bauloLoadClick(); break;
    case IDC_Button1: if (clicked) Button1Click(); break;
    case IDC_CB_UP:
    case IDC_CB_baraban:
    case IDC_CB_Down:
      if (clicked) StackingClick(id);
      break;
    case IDC_B_fil_men: if (clicked) SetAllPanelItems(true); break;
    case IDC_B_cl_men: if (clicked) SetAllPanelItems(false); break;
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
        app_.settings.intervalTimer.soundIndex = ComboSelection(Item(id));
        timer_.SetSound(app_.settings.intervalTimer.soundIndex);
      }
      break;
    case IDC_B_paint_calendare: if (clicked && hooks_.composeWallpaper) hooks_.composeWallpaper(); break;
    case IDC_B_stop_plan:
      if (clicked && app_.menus.stopSchedulerSound) app_.menus.stopSchedulerSound();
      if (clicked) SetSchedulerSoundPlaying(app_.menus, false);
      break;
    case IDC_B_add_plan:
    case IDC_B_edit_plan:
    case IDC_B_del_plan:
    case IDC_B_del_all_plan:
      if (clicked) SchedulerCommand(id);
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

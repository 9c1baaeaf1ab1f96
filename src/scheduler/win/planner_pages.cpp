#include "scheduler/win/planner_pages.h"

#include <commctrl.h>

#include "settings/scheduler_buttons.h"
#include "settings/win/conf_ids.h"

namespace tikolvo {
namespace {

constexpr int kDayListTab = 1;

const CheckBinding kOptionChecks[] = {
    {IDC_cbAlarm, [](Settings& s) -> bool& { return s.alarm.schedulerEnabled; }},
};

}  // namespace

// ---------------------------------------------------------------- Планировщик

PlannerPage::PlannerPage(SettingsStore& store, PageHost& host, TaskScheduler& scheduler, audio::SoundPlayer& sounds)
    : TemplatePage(store, {"Планировщик", L"CONF_PAGE_PLANNER"}), host_(host), scheduler_(scheduler), sounds_(sounds) {
  sounds_.AddWatcher(*this);
}

int PlannerPage::innerTabsId() const { return IDC_TBPlan; }

void PlannerPage::InnerPageShown(int index) {
  shownInner_ = index;
  settings().inter.schedulerTab = index;
  ShowSchedulerButtons();
}

void PlannerPage::SoundPlayingChanged(bool playing) {
  ShowWindow(Item(IDC_B_stop_plan), playing ? SW_SHOWNA : SW_HIDE);
}

bool PlannerPage::Command(int id, int code) {
  switch (id) {
    case IDC_B_stop_plan:
      if (code == BN_CLICKED) sounds_.StopSound();
      return true;
    case IDC_B_add_plan:
    case IDC_B_edit_plan:
    case IDC_B_del_plan:
    case IDC_B_del_all_plan:
      if (code == BN_CLICKED) SchedulerCommand(id);
      return true;
    default:
      return false;
  }
}

bool PlannerPage::MenuCommand(int id) {
  switch (id) {
    case IDM_plan_add:
      host_.ShowPage(*this);
      SchedulerCommand(id);
      return true;
    case IDM_plan_edit:
    case IDM_plan_del:
    case IDM_plan_del_all:
      SchedulerCommand(id);
      return true;
    default:
      return false;
  }
}

void PlannerPage::SchedulerCommand(int id) {
  const bool dayList = shownInner_ == kDayListTab;
  switch (id) {
    case IDC_B_add_plan: scheduler_.AddTask(dayList); break;
    case IDM_plan_add: scheduler_.AddTask(false); break;
    case IDC_B_edit_plan:
    case IDM_plan_edit: scheduler_.EditSelected(dayList); break;
    case IDC_B_del_plan:
    case IDM_plan_del: scheduler_.DeleteSelected(dayList); break;
    case IDC_B_del_all_plan:
    case IDM_plan_del_all:
      if (shownInner_ == 0) scheduler_.DeleteAll();
      break;
    default: break;
  }
}

void PlannerPage::ShowSchedulerButtons() {
  const SchedulerButtons shown = SchedulerButtonsFor(shownInner_);
  ShowWindow(Item(IDC_B_add_plan), shown.add ? SW_SHOWNA : SW_HIDE);
  ShowWindow(Item(IDC_B_edit_plan), shown.edit ? SW_SHOWNA : SW_HIDE);
  ShowWindow(Item(IDC_B_del_plan), shown.remove ? SW_SHOWNA : SW_HIDE);
  ShowWindow(Item(IDC_B_del_all_plan), shown.removeAll ? SW_SHOWNA : SW_HIDE);
}

// ---------------------------------------------------------------- Список заданий

TaskListPage::TaskListPage(SettingsStore& store, PageHost& host, TaskScheduler& scheduler)
    : TemplatePage(store, {"Список заданий", L"CONF_PLAN_LIST"}), host_(host), scheduler_(scheduler) {}

HWND TaskListPage::grid() const { return Item(IDC_SG_PLAN); }

bool TaskListPage::Notify(const NMHDR& header, LRESULT& result) {
  if (!scheduler_.HandleNotify(header, result)) return false;
  if (header.code == LVN_ITEMCHANGED) NameSelectedTask();
  return true;
}

void TaskListPage::NameSelectedTask() {
  const std::string name = scheduler_.SelectedTaskName();
  const std::string quoted = "\"" + name + "\"";
  host_.SetMenuCaption(IDM_plan_edit, name.empty() ? "Редактировать задание" : "Редактировать задание " + quoted);
  host_.SetMenuCaption(IDM_plan_del, name.empty() ? "Удалить задание" : "Удалить задание " + quoted);
}

// ---------------------------------------------------------------- Календарь

TaskCalendarPage::TaskCalendarPage(SettingsStore& store, TaskScheduler& scheduler, const Clock& clock)
    : TemplatePage(store, {"Календарь", L"CONF_PLAN_CALENDAR"}), scheduler_(scheduler), clock_(clock) {}

HWND TaskCalendarPage::dayGrid() const { return Item(IDC_SG_plan_calend); }
HWND TaskCalendarPage::dayCaption() const { return Item(IDC_LPlan_cal); }

void TaskCalendarPage::Created() {
  HWND area = Item(IDC_GCalendare_area);
  if (!area) return;
  RECT box;
  GetWindowRect(area, &box);
  MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&box), 2);
  ShowWindow(area, SW_HIDE);
  // The calendar's drawing is laid out for this size in pixels, whatever
  // the dialog font makes of the place kept for it.
  box.right = box.left + CalendarControl::kPageWidth;
  box.bottom = box.top + CalendarControl::kPageHeight;
  calendar_ = std::make_unique<CalendarControl>();
  if (!calendar_->Create(hwnd(), box)) {
    calendar_.reset();
    return;
  }
  calendar_->SetDate(DateOf(clock_.Now()));  // the day the scheduler lists first
  auto showDay = [this] { scheduler_.ShowDay(calendar_->SelectedDate()); };
  calendar_->onChangeDay = showDay;
  calendar_->onClickDay = [showDay](int) { showDay(); };
  calendar_->onChangeMonth = [this] { MarkCalendarDays(); };
  calendar_->onDoubleClickDay = [this](int) { scheduler_.AddTask(true); };
  scheduler_.viewsFilled = [this] { MarkCalendarDays(); };
}

bool TaskCalendarPage::Notify(const NMHDR& header, LRESULT& result) { return scheduler_.HandleNotify(header, result); }

void TaskCalendarPage::ColoursChanged() {
  if (calendar_) calendar_->Redraw();
}

void TaskCalendarPage::DayChanged() {
  if (calendar_) calendar_->Redraw();
}

void TaskCalendarPage::MarkCalendarDays() {
  if (!calendar_) return;
  const CivilTime shown = DecodeDateTime(calendar_->SelectedDate());
  const std::vector<bool> marks = scheduler_.MarkedDays(shown.year, shown.month);
  std::vector<int> days;
  for (std::size_t i = 0; i < marks.size(); ++i)
    if (marks[i]) days.push_back(static_cast<int>(i) + 1);
  calendar_->SetMarkedDays(days);
}

// ---------------------------------------------------------------- Дополнительные установки

PlannerOptionsPage::PlannerOptionsPage(SettingsStore& store, TaskScheduler& scheduler)
    : TemplatePage(store, {"Дополнительные установки", L"CONF_PLAN_EXTRA", kOptionChecks}), scheduler_(scheduler) {}

HWND PlannerOptionsPage::nextLine() const { return Item(IDC_L_plan_next); }

void PlannerOptionsPage::CheckChanged(int id, bool on) {
  if (id == IDC_cbAlarm) scheduler_.SetSchedulerEnabled(on);
}

}  // namespace tikolvo

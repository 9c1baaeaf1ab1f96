#pragma once
// The scheduler on screen: runs the engine whenever it has something due,
// fills the scheduler page's two task grids and its next-tasks line, hands
// the next alarm to the clock face, and carries out the page's commands
// (add, edit, run now, delete, delete all) with their questions.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/locale_data.h"
#include "common/win/striped_grid.h"
#include "common/win/window_base.h"
#include "scheduler/plan_engine.h"
#include "scheduler/plan_grid.h"
#include "common/win/ress_pictures.h"

namespace tikolvo {

struct SchedulerControls {
  HWND owner = nullptr;     // questions are owned by it
  HWND planGrid = nullptr;  // "Список заданий"
  HWND dayGrid = nullptr;   // the chosen day's tasks on "Календарь"
  HWND nextLine = nullptr;  // the line naming the next tasks
  HWND dayCaption = nullptr;  // "Задания на ..." over the day's tasks
};

// What the page asks of the task wizard; the ids are plan.db task ids.
struct SchedulerWizard {
  std::function<bool()> addTask;
  std::function<bool(DateTime day)> addTaskOnDay;
  std::function<bool(std::int32_t id)> editTask;
};

class TaskScheduler : private Window {
 public:
  TaskScheduler(std::string planPath, const Clock& clock, TaskActions& actions, const Locale& locale);
  ~TaskScheduler() override;

  // Starts the engine (creating a missing plan.db) with its first search.
  // The program-start tasks run with RunStartTasks.
  bool Start();
  // The page's grids and lines, made when the settings window first opens:
  // they are filled now and after every search from then on.
  void AttachViews(const SchedulerControls& controls);
  void RunStartTasks();

  PlanEngine& engine() { return engine_; }
  SchedulerWizard& wizard() { return wizard_; }
  // The next alarm (hours, minutes) for the clock face.
  std::function<void(const AlarmHand&)> alarmHandChanged;
  // The grids were filled again (the calendar's marks follow).
  std::function<void()> viewsFilled;

  void SetSchedulerEnabled(bool on) { engine_.SetSchedulerEnabled(on); }
  // The day whose tasks the day grid lists.
  void ShowDay(DateTime day);
  DateTime shownDay() const { return shownDay_; }
  // Marks of the days 1..31 of a month that have dated tasks.
  std::vector<bool> MarkedDays(int year, int month) const;

  // Searches again and refills every view (after any change of plan.db).
  void RefreshPlanViews();
  // The computer woke up or the time was set (the main window hears of it):
  // the tasks missed meanwhile are named and the next ones searched now.
  void ClockChanged();

  // The page's commands on the selected task of the full list (onDayGrid:
  // of the day list).
  void AddTask(bool onCalendarPage);
  void EditSelected(bool onDayGrid = false);
  void RunSelected(bool onDayGrid = false);
  void DeleteSelected(bool onDayGrid = false);
  void DeleteAll();
  // The selected task's name in the full list; "" without one.
  std::string SelectedTaskName() const;

  // WM_NOTIFY of the grids; true when it was theirs.
  bool HandleNotify(const NMHDR& header, LRESULT& result);

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ReadClock();
  void ArmReading();
  void ShowReading(const ClockReading& reading);
  void FillViews();
  void FillDayView(const PlanBase& base);
  void FillGrid(StripedGrid& grid, const TaskGrid& rows, TaskGridKind kind, std::vector<TaskRowLook>& looks,
                std::vector<std::int32_t>& ids);
  void ShowNextTasks();
  std::int32_t SelectedId(bool onDayGrid) const;
  void ShowContextMenu(bool onDayGrid, POINT screen);

  std::string planPath_;
  const Clock& clock_;
  Locale locale_;
  PlanEngine engine_;
  SchedulerWizard wizard_;
  SchedulerControls controls_;
  StripedGrid planGrid_, dayGrid_;
  UniqueImageList pictures_;
  std::vector<TaskRowLook> planLooks_, dayLooks_;
  std::vector<std::int32_t> planIds_, dayIds_;
  DateTime shownDay_ = 0;
};

}  // namespace tikolvo

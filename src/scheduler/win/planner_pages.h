#pragma once
// The settings window's "Планировщик" pages: the outer page with the task
// buttons and the sound's "Стоп", "Список заданий", "Календарь" (the month
// calendar over the chosen day's tasks) and "Дополнительные установки". All
// of them show and command the one running scheduler.
#include <memory>

#include "audio/sound_player.h"
#include "common/clock.h"
#include "reminders/win/calendar_control.h"
#include "scheduler/win/task_scheduler.h"
#include "settings/win/template_page.h"

namespace tikolvo {

class PlannerPage final : public TemplatePage, private audio::SoundWatcher {
 public:
  PlannerPage(SettingsStore& store, PageHost& host, TaskScheduler& scheduler, audio::SoundPlayer& sounds);

  int innerTabsId() const override;
  int RememberedInnerPage() const override { return settings().inter.schedulerTab; }
  void InnerPageShown(int index) override;
  bool MenuCommand(int id) override;

 private:
  bool Command(int id, int code) override;
  void SoundPlayingChanged(bool playing) override;
  // The buttons and the menu's task items act on the selected task of the
  // page shown ("Календарь" lists the chosen day's tasks).
  void SchedulerCommand(int id);
  void ShowSchedulerButtons();

  PageHost& host_;
  TaskScheduler& scheduler_;
  audio::SoundPlayer& sounds_;
  int shownInner_ = 0;
};

class TaskListPage final : public TemplatePage {
 public:
  TaskListPage(SettingsStore& store, PageHost& host, TaskScheduler& scheduler);
  HWND grid() const;

 private:
  bool Notify(const NMHDR& header, LRESULT& result) override;
  // The main menu's task items name the task selected here.
  void NameSelectedTask();

  PageHost& host_;
  TaskScheduler& scheduler_;
};

class TaskCalendarPage final : public TemplatePage {
 public:
  TaskCalendarPage(SettingsStore& store, TaskScheduler& scheduler, const Clock& clock);
  HWND dayGrid() const;
  HWND dayCaption() const;
  void ColoursChanged() override;
  // The day clock's ring: the calendar marks the new today.
  void DayChanged();

 private:
  // The month calendar takes the place kept for it; picking a day lists that
  // day's tasks, and a double click on a day starts a new task for it.
  void Created() override;
  bool Notify(const NMHDR& header, LRESULT& result) override;
  void MarkCalendarDays();

  TaskScheduler& scheduler_;
  const Clock& clock_;
  std::unique_ptr<CalendarControl> calendar_;
};

class PlannerOptionsPage final : public TemplatePage {
 public:
  PlannerOptionsPage(SettingsStore& store, TaskScheduler& scheduler);
  HWND nextLine() const;

 private:
  void CheckChanged(int id, bool on) override;

  TaskScheduler& scheduler_;
};

}  // namespace tikolvo

#pragma once
// The program as one object: it makes every piece in the start order and
// hands each the pieces it works with. Who plays and stops sounds, who runs
// the scheduler, who hosts which settings page: the members below say it.
#include <optional>
#include <string>

#include "app/win/clock_commands.h"
#include "app/win/day_clock.h"
#include "app/win/main_form.h"
#include "audio/audio_engine.h"
#include "audio/sound_player.h"
#include "common/win/audio_out.h"
#include "common/win/balloon_window.h"
#include "common/win/system_clock.h"
#include "menus/win/launcher_host.h"
#include "menus/win/menu_pages.h"
#include "netlog/win/monitor_host.h"
#include "netlog/win/statistics_pages.h"
#include "reminders/win/desktop_background_page.h"
#include "reminders/win/desktop_calendar_page.h"
#include "reminders/win/desktop_page.h"
#include "reminders/win/desktop_placement_page.h"
#include "reminders/win/wallpaper_preview.h"
#include "reminders/win/reminder_page_view.h"
#include "reminders/win/wallpaper_composer.h"
#include "scheduler/win/planner_pages.h"
#include "scheduler/win/ras_dial_up.h"
#include "scheduler/win/task_scheduler.h"
#include "scheduler/win/system_power.h"
#include "scheduler/win/task_actions_win.h"
#include "scheduler/win/wizard_tests_win.h"
#include "settings/win/about_page.h"
#include "settings/win/form_conf.h"
#include "settings/win/general_page.h"
#include "settings/win/settings_store.h"
#include "settings/win/timer_page.h"
#include "skin/win/themes_page.h"

namespace tikolvo {

class Program final : public ClockCommands {
 public:
  // Reads config.cfg of the folder (ending with a separator).
  explicit Program(const std::string& programFolder);

  // Creates the clock's window, runs the tasks bound to the program's start
  // and then the message loop; the exit code. The settings window is made
  // when it is first opened.
  int Run();

  void OpenSettings() override { settingsForm_.ShowSettings(); }
  void OpenScheduler() override { settingsForm_.ShowPage(kConfSchedulerPage); }
  void HangUpAll() override { actions_.HangUpConnections(kAllConnections); }
  void RunPowerAction(PowerButtonAction action) override;
  // After a resume or a change of the system clock: the scheduler searches
  // again, and the connection monitor closes what ended and checks again.
  void ClockChanged() override {
    scheduler_.ClockChanged();
    connectionMonitor_.Resumed();
  }
  void SaveAtClose() override;
  void InstallSkin(const std::string& path) override { themesPage_.InstallDroppedSkin(mainForm_.hwnd(), path); }
  void Ticked() override {
    aboutPage_.Tick();
    connectionMonitor_.Beat();
  }

 private:
  WinTaskActionParts TaskActionParts();
  std::optional<CountdownTask> CountdownOf(int taskId);
  void ConnectTaskWizard();
  void StartDayClock();
  void CLDayAlarm(DateTime now);
  void StartConnectionMonitor();
  void AddSettingsPages();
  int RunMessageLoop();

  SettingsStore store_;
  SystemClock clock_;
  // The interval timer's rings and the scheduler's sounds share one output,
  // so a new sound cuts the one before; its watchers show the stop controls.
  WaveOutDevice soundDevice_;
  audio::AudioEngine soundEngine_{soundDevice_};
  audio::SoundPlayer sounds_;
  // The two launcher menus: the menu buttons, the tray copies, the drop
  // window and the settings pages share them.
  LauncherHost launchers_{store_};
  MainForm mainForm_{store_, sounds_, *this};
  // What the scheduler's tasks do on this system. A countdown balloon names
  // its task and starts it through the scheduler.
  BalloonHint balloons_;
  WindowsPower power_;
  RasDialUpLines dialUp_;
  WinTaskActions actions_;
  ProgramWizardTests wizardTests_{sounds_, balloons_};
  TaskScheduler scheduler_;

  // Dial-up sessions, their traffic and popups; it tells the scheduler when
  // a connection is up or down.
  MonitorHost connectionMonitor_{store_.programFolder, clock_};

  TFormConf settingsForm_{store_};
  GeneralPage generalPage_{store_};
  SystemPage systemPage_;
  PositionPage positionPage_{store_, mainForm_};
  PanelMenuPage panelMenuPage_{store_};
  LookPage lookPage_{store_, mainForm_};
  TimerPage timerPage_{store_, clock_, sounds_};
  // The wallpaper composed at start, at each new day and on request.
  WallpaperComposer wallpaper_{store_, clock_};
  DesktopPage desktopPage_{store_, wallpaper_};
  // The base picture's preview the desktop pages share.
  WallpaperPreview wallpaperPreview_;
  DesktopBackgroundPage backgroundPage_{store_, wallpaperPreview_};
  DesktopCalendarPage desktopCalendarPage_{store_, wallpaperPreview_, clock_};
  ReminderPageView reminderPage_{store_};
  DesktopPlacementPage placementPage_{store_, wallpaperPreview_};
  MenuPages menuPages_{store_, launchers_, clock_};
  ThemesPage themesPage_{store_, mainForm_};
  PlannerPage plannerPage_{store_, settingsForm_, scheduler_, sounds_};
  TaskListPage taskListPage_{store_, settingsForm_, scheduler_};
  TaskCalendarPage taskCalendarPage_{store_, scheduler_, clock_};
  PlannerOptionsPage plannerOptionsPage_{store_, scheduler_};
  StatisticsPages statisticsPages_{store_, connectionMonitor_.dialUp(), clock_};
  AboutPage aboutPage_{store_};
  // The new day reaches the face and the calendar whether the face ticks or not.
  DayClock clDay_{clock_};
};

}  // namespace tikolvo

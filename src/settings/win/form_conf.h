#pragma once
// The settings window "TFormConf": made hidden at start, shown from the
// clock's settings button and menus, hidden again by "Ok" (which saves) or by
// closing. Its pages come from dialog templates (res/settings.rc); their
// controls edit the loaded settings, and the main window's options take
// effect at once through the main window's own setters.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>

#include "app/win/app_state.h"
#include "app/win/flat_menu.h"
#include "common/win/system_clock.h"
#include "common/win/gdi.h"
#include "settings/interval_timer.h"
#include "settings/win/about_banner.h"
#include "settings/win/conf_ids.h"
#include "settings/win/conf_page.h"

namespace tikolvo {

class MainForm;
class CalendarControl;
class SchedulerPage;
class TaskActions;
class WizardTests;

// Page indexes of the main notebook.
enum ConfPageIndex : int {
  kConfSettingsPage = 0,
  kConfTimerPage,
  kConfDesktopPage,
  kConfMenuPage,
  kConfThemesPage,
  kConfSchedulerPage,
  kConfStatisticsPage,
  kConfAboutPage,
};

// What the window's controls ask of subsystems that attach later.
struct ConfHooks {
  std::function<void()> composeWallpaper;  // "Обновить рисунок рабочего стола"
};

class TFormConf : public Window {
 public:
  TFormConf(AppState& app, MainForm& mainForm);

  // What carries out the scheduler's tasks; set before FormCreate (the
  // scheduler runs only with it).
  void SetTaskActions(TaskActions& actions) { actions_ = &actions; }
  // What the task wizard's test buttons use.
  void SetWizardTests(WizardTests& tests) { wizardTests_ = &tests; }
  ~TFormConf() override;

  // Creates the window hidden, with every control holding the loaded
  // settings; an interval timer stored as on starts running.
  bool FormCreate();
  // Brings the window up with the controls showing the current settings.
  void ShowSettings();
  // The same, on a page of the main notebook (and of its inner notebook).
  void ShowPage(int page, int innerPage = -1);

  // Plays a sound of the program's sound bank (the interval timer's rings).
  void SetSoundPlayer(std::function<void(int)> play) { playBuiltinSound_ = std::move(play); }
  ConfHooks& hooks() { return hooks_; }
  SchedulerPage* scheduler() { return scheduler_.get(); }
  // The last step of the start: the tasks bound to the program's start.
  void RunStartTasks();

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool CreateFrame();
  bool CreatePages();
  void CreateInnerPages();
  void FillLists();

  // Puts the settings into the controls (they may have changed from the
  // main window's menu while this window was hidden).
  void LoadControls();
  void LoadBoundControls();
  void OnCommand(int id, int code);
  bool OnBoundControl(int id, int code);
  void OnNotify(const NMHDR& header);
  void OnActivate(bool active);
  void InnerPageChanged(Notebook& notebook);
  bool OnDrawItem(const DRAWITEMSTRUCT& item);
  void bokClick();
  void FormClose();
  void FormShow();

  // The main menu.
  void OnMenuCommand(int id);
  void UpdateMenuChecks(HMENU popup);

  // "Положение" and "Системные".
  void StackingClick(int id);
  void bauloLoadClick();
  void Button1Click();
  void TBTRANSChange();
  // "Меню": the control-panel item boxes.
  void PanelItemClick(int id);
  void SetAllPanelItems(bool on);
  // "Внешний вид": the own hand colours.
  void ApplyHandColours();
  void ChooseBoundColour(int id);

  // "Таймер".
  void TimerEditChange(int id);
  void StartTimer();
  void StopTimer();
  void RefreshTimerLabels();
  void CTttAlarm();

  // "Планировщик": the engine and views, the buttons that fit the inner tab.
  void CreateScheduler();
  void CreateCalendar();
  void ConnectWizard();
  void MarkCalendarDays();
  void ShowSchedulerButtons();
  void SchedulerCommand(int id);
  // "Темы": the current skin's name and path.
  void ShowCurrentSkin();
  // The inner notebooks open at their remembered pages.
  void SelectRememberedPages();

  // "Об авторе...".
  void FillAboutPage();
  void DrawAboutPicture(const DRAWITEMSTRUCT& item);

  // Any control of the window's own pages by its id.
  HWND Item(int id) const;
  void RememberControls();

  AppState& app_;
  MainForm& mainForm_;
  SystemClock clock_;
  Notebook notebook_;
  Notebook sysTabs_, desktopTabs_, menuTabs_, planTabs_, statTabs_;
  std::unique_ptr<HostedPage> reminders_;  // "Напоминания"
  TaskActions* actions_ = nullptr;
  WizardTests* wizardTests_ = nullptr;
  std::unique_ptr<SchedulerPage> scheduler_;
  std::unique_ptr<CalendarControl> calendar_;  // "Календарь" of the scheduler
  IntervalTimer timer_;
  AboutBanner banner_;
  DibSection aboutPicture_;
  int aboutPictureFaceSum_ = -1;
  std::map<int, HWND> controls_;
  UniqueGdi<HFONT> font_;  // the main notebook's tabs
  HMENU menu_ = nullptr;
  FlatMenuStyle menuStyle_;  // the drop-downs drawn like the clock's own menus
  HWND lastFocus_ = nullptr;
  bool loading_ = false;
  std::function<void(int)> playBuiltinSound_;
  ConfHooks hooks_;
};

// Shows or hides the shell's own taskbar clock; nothing when it is missing.
void ShowTaskbarClock(bool show);

}  // namespace tikolvo

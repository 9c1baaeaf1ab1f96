#include "app/win/program.h"

#include "common/win/error_report.h"
#include "common/win/system_folders.h"
#include "common/win/wide_text.h"
#include "netlog/connection_registry.h"
#include "netlog/work_log.h"
#include "scheduler/plan_file.h"
#include "scheduler/win/task_wizard.h"

namespace tikolvo {
namespace {

SettingsStore LoadedSettings(const std::string& programFolder) {
  SettingsStore store;
  store.programFolder = programFolder;
  store.Load();
  return store;
}

std::string ExePath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return Narrow(path);
}

}  // namespace

Program::Program(const std::string& programFolder)
    : store_(LoadedSettings(programFolder)),
      sounds_(soundEngine_, programFolder + "plug\\music.res"),
      balloons_(BalloonTasks{[this](int id) { return CountdownOf(id); }}),
      actions_(TaskActionParts()),
      scheduler_(programFolder + "plan.db", clock_, actions_, store_.context.locale),
      systemPage_(store_, settingsForm_, ExePath()) {
  store_.windowState = &mainForm_;
  mainForm_.SetLaunchers(launchers_);
  launchers_.planCommand = [this](int code) { scheduler_.engine().PlanCommand(code); };
  launchers_.rebuilt = [this](LauncherKind kind) { menuPages_.Rebuilt(kind); };
  wallpaper_.pictureLoaded = [this](const DibCanvas& picture) {
    wallpaperPreview_.ShowLoaded(picture);
    desktopCalendarPage_.B_cal_prevClick();
  };
  AddSettingsPages();
}

WinTaskActionParts Program::TaskActionParts() {
  WinTaskActionParts parts;
  parts.owner = &mainForm_;
  parts.sounds = &sounds_;
  parts.showBalloon = [this](const BalloonRequest& request) { balloons_.Show(request); };
  parts.saveSettings = [this] { store_.Save(); };
  parts.closeProgram = [this] { PostMessageW(mainForm_.hwnd(), WM_CLOSE, 0, 0); };
  parts.power = &power_;
  parts.dialUp = &dialUp_;
  // What "Все разрешенные" and an empty filter mean comes from the logs.
  parts.connectionFilters = [this] {
    return ConnectionFilters{store_.settings.connectionFilter,
                             LoggedConnectionList(ReadConnections(store_.programFolder + kConnectionFileName))};
  };
  return parts;
}

std::optional<CountdownTask> Program::CountdownOf(int taskId) {
  TPlanTask task;
  if (FindTask(store_.programFolder + "plan.db", taskId, task) != FindResult::kFound) return std::nullopt;
  return CountdownTask{task.name, [this, task] { scheduler_.engine().RunTaskCopy(task); }};
}

// The order of the notebook's tabs (ConfPageIndex).
void Program::AddSettingsPages() {
  TFormConf& conf = settingsForm_;
  conf.AddPage(generalPage_);
  for (SettingsPage* page : std::initializer_list<SettingsPage*>{&systemPage_, &positionPage_, &panelMenuPage_, &lookPage_})
    conf.AddInnerPage(*page);
  conf.AddPage(timerPage_);
  conf.AddPage(desktopPage_);
  for (SettingsPage* page :
       std::initializer_list<SettingsPage*>{&backgroundPage_, &desktopCalendarPage_, &reminderPage_, &placementPage_})
    conf.AddInnerPage(*page);
  conf.AddPage(menuPages_.outer);
  for (SettingsPage* page : std::initializer_list<SettingsPage*>{&menuPages_.programs, &menuPages_.web, &menuPages_.options})
    conf.AddInnerPage(*page);
  conf.AddPage(themesPage_);
  conf.AddPage(plannerPage_);
  for (SettingsPage* page : std::initializer_list<SettingsPage*>{&taskListPage_, &taskCalendarPage_, &plannerOptionsPage_})
    conf.AddInnerPage(*page);
  conf.AddPage(statisticsPages_.outer);
  for (SettingsPage* page : std::initializer_list<SettingsPage*>{&statisticsPages_.sessions, &statisticsPages_.connections,
                                                                 &statisticsPages_.workLog, &statisticsPages_.status})
    conf.AddInnerPage(*page);
  conf.AddPage(aboutPage_);
}

// The page's add and edit commands open the task wizard; its saves are
// followed by a refresh of the views (the page does that on a true return).
void Program::ConnectTaskWizard() {
  auto run = [this](WizardRequest::Kind kind, DateTime day, std::int32_t id) {
    const WizardRequest request{kind, day, id, store_.programFolder + "plan.db"};
    AlarmSettings& alarm = store_.settings.alarm;
    return RunTaskWizard(settingsForm_.hwnd(), request, wizardTests_, {alarm.launcherFileFolder, alarm.soundFileFolder});
  };
  SchedulerWizard& wizard = scheduler_.wizard();
  wizard.addTask = [run] { return run(WizardRequest::Kind::kNew, 0, 0); };
  wizard.addTaskOnDay = [run](DateTime day) { return run(WizardRequest::Kind::kNewOnDay, day, 0); };
  wizard.editTask = [run](std::int32_t id) { return run(WizardRequest::Kind::kEdit, 0, id); };
}

// The scheduler's next-task search at the new day runs on its own alarm clock.
void Program::StartDayClock() {
  clDay_.AddHook([this](DateTime now) { CLDayAlarm(now); });
  clDay_.Start();
}

void Program::CLDayAlarm(DateTime now) {
  mainForm_.DayChanged(now);
  taskCalendarPage_.DayChanged();
  wallpaper_.RefreshWallpaperAtStart();
}

void Program::StartConnectionMonitor() {
  MonitorHost& monitor = connectionMonitor_;
  monitor.planCommand = [this](int code) { scheduler_.engine().PlanCommand(code); };
  monitor.limitWarning = [this](const std::string& text) {
    if (!store_.settings.log.limitWarnings) return;
    BalloonRequest request;
    request.title = "Tikolvo: лимит подключения";
    request.text = text;
    balloons_.Show(request);
  };
  monitor.connectionsChanged = [this] { statisticsPages_.connections.Refresh(); };
  StatusPage& status = statisticsPages_.status;
  monitor.consoleLine = [&status](const std::string& line) { status.AddConsoleLine(line); };
  monitor.statusShown = [&status](const std::vector<StatusRow>& rows) { status.ShowAdapters(rows); };
  monitor.statusWatched = [&status] { return status.hwnd() && IsWindowVisible(status.hwnd()); };
  systemPage_.monitoringSwitched = [&monitor](bool on) { monitor.SetMonitoring(on); };
  systemPage_.loggingSwitched = [&monitor](bool on) { monitor.SetLogging(on); };
  monitor.Start(store_.settings.log.monitorConnections, store_.settings.inter.logConnections);
}

// The sessions of connections still up and this boot's working time are
// written out before the settings.
void Program::SaveAtClose() {
  connectionMonitor_.CloseAllSessions();
  CloseOpenSessions(store_.programFolder + kWorkLogFileName, clock_.Now());
  store_.Save();
}

void Program::RunPowerAction(PowerButtonAction action) {
  switch (action) {
    case PowerButtonAction::PowerOff: actions_.PowerAfterQuestion(PowerKind::kSwitchOff); break;
    case PowerButtonAction::Restart: actions_.PowerAfterQuestion(PowerKind::kRestart); break;
    case PowerButtonAction::Hibernate: actions_.PowerAfterQuestion(PowerKind::kHibernate); break;
    case PowerButtonAction::Standby: actions_.PowerAfterQuestion(PowerKind::kStandby); break;
    case PowerButtonAction::None: break;
  }
}

int Program::Run() {
  if (!mainForm_.FormCreate()) {
    ReportError("Не удалось создать главное окно программы.");
    return 1;
  }
  scheduler_.SetSchedulerEnabled(store_.settings.alarm.schedulerEnabled);
  scheduler_.alarmHandChanged = [this](const AlarmHand& hand) { mainForm_.SetAlarmTime(hand.hour, hand.minute); };
  ConnectTaskWizard();
  settingsForm_.created = [this] {
    scheduler_.AttachViews({settingsForm_.hwnd(), taskListPage_.grid(), taskCalendarPage_.dayGrid(),
                            plannerOptionsPage_.nextLine(), taskCalendarPage_.dayCaption()});
  };
  scheduler_.Start();
  LogSystemStart(store_.programFolder + kWorkLogFileName, clock_.Now(), clock_.MillisecondsSinceStart());
  launchers_.Start();
  StartConnectionMonitor();
  wallpaper_.RefreshWallpaperAtStart();
  scheduler_.RunStartTasks();
  StartDayClock();
  mainForm_.FormShow();
  return RunMessageLoop();
}

// Keyboard navigation (Tab, arrows, Enter, Esc, mnemonics) is the dialog
// manager's work in the settings window, whose pages are nested dialogs.
int Program::RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Made on first use, so looked up each time.
    HWND settingsWindow = settingsForm_.hwnd();
    const bool forSettings =
        settingsWindow && (message.hwnd == settingsWindow || IsChild(settingsWindow, message.hwnd));
    if (forSettings && IsDialogMessageW(settingsWindow, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace tikolvo

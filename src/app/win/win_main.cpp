// Program entry: one copy only, then the clock window and the message loop.
#include <windows.h>
#include <commctrl.h>

#include "app/win/app_state.h"
#include "app/win/main_form.h"
#include "app/win/single_instance.h"
#include "audio/sound_player.h"
#include "common/win/audio_out.h"
#include "common/win/error_report.h"
#include "common/win/file_replacer.h"
#include "common/win/system_folders.h"
#include "common/win/balloon_window.h"
#include "scheduler/plan_file.h"
#include "scheduler/win/ras_dial_up.h"
#include "scheduler/win/scheduler_page.h"
#include "scheduler/win/system_power.h"
#include "scheduler/win/task_actions_win.h"
#include "scheduler/win/wizard_tests_win.h"
#include "settings/win/form_conf.h"

namespace {

// Keyboard navigation (Tab, arrows, Enter, Esc, mnemonics) is the dialog
// manager's work in the settings window, whose pages are nested dialogs.
int RunMessageLoop(HWND settingsWindow) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    const bool forSettings = message.hwnd == settingsWindow || IsChild(settingsWindow, message.hwnd);
    if (forSettings && IsDialogMessageW(settingsWindow, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

// The power button's choice, after its own question.
void RunPowerButtonAction(tikolvo::WinTaskActions& actions, tikolvo::PowerButtonAction action) {
  using tikolvo::PowerButtonAction;
  using tikolvo::PowerKind;
  switch (action) {
    case PowerButtonAction::PowerOff: actions.PowerAfterQuestion(PowerKind::kSwitchOff); break;
    case PowerButtonAction::Restart: actions.PowerAfterQuestion(PowerKind::kRestart); break;
    case PowerButtonAction::Hibernate: actions.PowerAfterQuestion(PowerKind::kHibernate); break;
    case PowerButtonAction::Standby: actions.PowerAfterQuestion(PowerKind::kStandby); break;
    case PowerButtonAction::None: break;
  }
}

int RunProgram() {
  using namespace tikolvo;
  InstallWindowsFileReplacer();
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
  InitCommonControlsEx(&controls);

  AppState app;
  app.programFolder = ProgramFolder();
  LoadAppSettings(app);
  MainForm mainForm(app);
  if (!mainForm.FormCreate()) {
    ReportError("Не удалось создать главное окно программы.");
    return 1;
  }
  // The program's sounds: the interval timer's rings and the scheduler's
  // sounds share one output, so a new sound cuts the one before.
  WaveOutDevice soundDevice;
  audio::AudioEngine soundEngine(soundDevice);
  audio::SoundPlayer sounds(soundEngine, app.programFolder + "plug\\music.res");
  app.menus.stopSchedulerSound = [&sounds] { sounds.StopSound(); };
  app.menus.schedulerSoundEnded = [&sounds] { return sounds.CheckSoundEnded(); };

  // What the scheduler's tasks do, carried out on this system. A countdown
  // balloon names its task and starts it through the scheduler.
  TFormConf settingsForm(app, mainForm);
  const std::string planPath = app.programFolder + "plan.db";
  BalloonHint balloons(BalloonTasks{[&planPath, &settingsForm](int id) -> std::optional<CountdownTask> {
    TPlanTask task;
    if (FindTask(planPath, id, task) != FindResult::kFound) return std::nullopt;
    return CountdownTask{task.name, [&settingsForm, task] {
                           if (SchedulerPage* scheduler = settingsForm.scheduler()) scheduler->engine().RunTaskCopy(task);
                         }};
  }});
  WindowsPower power;
  RasDialUpLines dialUp;
  WinTaskActionParts parts;
  parts.owner = mainForm.hwnd();
  parts.sounds = &sounds;
  parts.soundStarted = [&app] { SetSchedulerSoundPlaying(app.menus, true); };
  parts.showBalloon = [&balloons](const BalloonRequest& request) { balloons.Show(request); };
  parts.saveSettings = [&app] { SaveAppSettings(app); };
  parts.closeProgram = [&mainForm] { PostMessageW(mainForm.hwnd(), WM_CLOSE, 0, 0); };
  parts.power = &power;
  parts.dialUp = &dialUp;
  WinTaskActions actions(std::move(parts));
  settingsForm.SetTaskActions(actions);
  ProgramWizardTests wizardTests(sounds, balloons,
                                 [&app](bool playing) { SetSchedulerSoundPlaying(app.menus, playing); });
  settingsForm.SetWizardTests(wizardTests);
  settingsForm.SetSoundPlayer([&sounds, &app](int number) {
    if (sounds.PlayBuiltinSound(number)) SetSchedulerSoundPlaying(app.menus, true);
  });
  if (!settingsForm.FormCreate()) {
    ReportError("Не удалось создать окно настроек программы.");
    return 1;
  }
  app.openSettings = [&settingsForm] { settingsForm.ShowSettings(); };
  app.menus.hangUpAll = [&actions] { actions.HangUpConnections(kAllConnections); };
  app.menus.powerAction = [&actions](PowerButtonAction action) { RunPowerButtonAction(actions, action); };
  settingsForm.RunStartTasks();
  soundEngine.Init();
  mainForm.FormShow();
  return RunMessageLoop(settingsForm.hwnd());
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  if (!tikolvo::ClaimSingleInstance()) {
    tikolvo::RestorePreviousInstance();
    return 0;
  }
  try {
    return RunProgram();
  } catch (...) {
    tikolvo::ReportError("Непредвиденная ошибка при запуске программы.");
    return 1;
  }
}

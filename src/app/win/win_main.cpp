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
  TFormConf settingsForm(app, mainForm);
  if (!settingsForm.FormCreate()) {
    ReportError("Не удалось создать окно настроек программы.");
    return 1;
  }
  app.openSettings = [&settingsForm] { settingsForm.ShowSettings(); };

  // The program's sounds: the interval timer's rings and the scheduler's
  // sounds share one output, so a new sound cuts the one before.
  WaveOutDevice soundDevice;
  audio::AudioEngine soundEngine(soundDevice);
  audio::SoundPlayer sounds(soundEngine, app.programFolder + "plug\\music.res");
  settingsForm.SetSoundPlayer([&sounds, &app](int number) {
    if (sounds.PlayBuiltinSound(number)) app.menus.schedulerSoundPlaying = true;
  });
  app.menus.stopSchedulerSound = [&sounds] { sounds.StopSound(); };
  app.menus.schedulerSoundEnded = [&sounds] { return sounds.CheckSoundEnded(); };
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

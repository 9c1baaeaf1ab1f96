#pragma once
// What the menus and the power button hand on to subsystems that attach
// later: the scheduler page, the scheduler's sound, dial-up and power.
#include <functional>

#include "settings/power_config.h"

namespace tikolvo {

struct MenuHooks {
  // "Планировщик заданий": the settings window on its scheduler page.
  std::function<void()> openScheduler;
  // "Стоп (звук в Планировщике)": stops all audio output; failures are ignored.
  std::function<void()> stopSchedulerSound;
  // "Отключиться от Интернета": hangs up every dial-up connection.
  std::function<void()> hangUpAll;
  // The confirmed action of the power button.
  std::function<void(PowerButtonAction)> powerAction;
  // Set while a scheduler sound plays; shows the tray menu's sound stop.
  bool schedulerSoundPlaying = false;
  // The clock tick's check while that flag is set: true once the sound has
  // played to its end (the flag then goes off).
  std::function<bool()> schedulerSoundEnded;
  // The flag changed: the scheduler page shows or hides its "Стоп".
  std::function<void(bool playing)> schedulerSoundChanged;
};

// Sets the playing flag and tells whoever shows the stop controls.
inline void SetSchedulerSoundPlaying(MenuHooks& hooks, bool playing) {
  hooks.schedulerSoundPlaying = playing;
  if (hooks.schedulerSoundChanged) hooks.schedulerSoundChanged(playing);
}

}  // namespace tikolvo

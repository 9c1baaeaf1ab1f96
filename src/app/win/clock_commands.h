#pragma once
// What the clock's window, its menus, tray icon and skin buttons ask of the
// rest of the program. The program object carries these out.
#include <string>

#include "settings/power_config.h"

namespace tikolvo {

class ClockCommands {
 public:
  virtual ~ClockCommands() = default;
  // "Настройки" and the skin's settings button.
  virtual void OpenSettings() = 0;
  // "Планировщик заданий": the settings window on its scheduler page.
  virtual void OpenScheduler() = 0;
  // "Отключиться от Интернета": hangs up every dial-up connection.
  virtual void HangUpAll() = 0;
  // The power button's action, confirmed by the user already.
  virtual void RunPowerAction(PowerButtonAction action) = 0;
  // The computer woke up or the time was set: the scheduler catches up.
  virtual void ClockChanged() = 0;
  // The window closes or the Windows session ends: what must outlive the
  // run is written, the settings last.
  virtual void SaveAtClose() = 0;
  // A skin archive dropped on the clock: offered for installing.
  virtual void InstallSkin(const std::string& path) = 0;
  // Every tick of the clock (500 ms), shown or not: what keeps time with it
  // elsewhere, such as the settings window's miniature clock.
  virtual void Ticked() = 0;
};

}  // namespace tikolvo

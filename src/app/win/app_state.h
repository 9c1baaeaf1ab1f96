#pragma once
// What the whole program shares while it runs: where it lives, the settings
// loaded from config.cfg, and the hooks later subsystems attach to the
// program's start and end.
#include <functional>
#include <string>
#include <vector>

#include "app/win/menu_hooks.h"
#include "settings/settings_model.h"

namespace tikolvo {

struct ClosingHooks {
  // Writes out the dial-up session being logged, if any.
  std::function<void()> flushConnectionLog;
  // Appends the "system stopped" record to the work log.
  std::function<void()> appendWorkLogStopRecord;
};

struct AppState {
  std::string programFolder;  // with its trailing backslash
  SettingsContext context;
  Settings settings;
  bool settingsLoaded = false;
  ClosingHooks closing;
  // The shell's taskbar was re-created: the tray icon must be added again.
  std::function<void()> taskbarCreated;
  // The date changed (the daily refresh at 00:00:01): desktop calendar,
  // next tasks and plan views refresh themselves.
  std::function<void()> dayChanged;
  // The skin's buttons: the settings window and the two launcher menus
  // popped up at a screen point (the power button asks its own question and
  // hands the action to menus.powerAction).
  std::function<void()> openSettings;
  std::function<void(int x, int y)> popupWebMenu;
  std::function<void(int x, int y)> popupProgramMenu;
  // The menus' and the power button's commands for later subsystems.
  MenuHooks menus;
  // Puts what the windows show now into the settings before they are saved:
  // the clock's position and the face's hand colours.
  std::function<void(Settings&)> takeWindowState;
  // Receives the paths dropped on the clock, in the order given.
  std::function<void(const std::vector<std::string>&)> filesDropped;

  std::string ConfigPath() const { return programFolder + "config.cfg"; }
};

// Fills the context from the system and reads config.cfg; the stored window
// position is pulled back onto the screen.
void LoadAppSettings(AppState& app);

// Writes config.cfg with the windows' state taken first; false when the
// file could not be replaced.
bool SaveAppSettings(AppState& app);

}  // namespace tikolvo

#pragma once
// The settings the whole program shares while it runs: where it lives, what
// the system around it is like, and config.cfg as loaded. Every window reads
// and changes them here; a save writes the whole file at once.
#include <string>

#include "settings/settings_model.h"

namespace tikolvo {

// The window whose state goes into every save: the clock's position and the
// face's hand colours are taken from the screen, not from the last load.
class WindowStateSource {
 public:
  virtual ~WindowStateSource() = default;
  virtual void TakeWindowState(Settings& settings) = 0;
};

struct SettingsStore {
  std::string programFolder;  // with its trailing backslash
  SettingsContext context;
  Settings settings;
  bool loaded = false;
  WindowStateSource* windowState = nullptr;

  // Fills the context from the system and reads config.cfg; the stored
  // window position is pulled back onto the screen.
  void Load();
  // Writes config.cfg with the window's state taken first; false when the
  // file could not be replaced.
  bool Save();

  std::string ConfigPath() const { return programFolder + "config.cfg"; }
};

}  // namespace tikolvo

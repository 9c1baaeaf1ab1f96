#pragma once
// The two launcher menus on Windows: the models built from their list files,
// turned into popup menus on every opening (with the folder entries read
// afresh), copied into the tray menu, and the clicks carried out.
//
// Menu items get command numbers from kFirstLauncherCommand up; the numbers
// name entries of the menus made last, and only one menu is shown at a time.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "menus/menu_files.h"
#include "settings/win/settings_store.h"

namespace tikolvo {

inline constexpr UINT kFirstLauncherCommand = 0x6000;
inline constexpr UINT kLastLauncherCommand = 0xFFF0;

class LauncherHost {
 public:
  explicit LauncherHost(SettingsStore& store);
  ~LauncherHost();
  LauncherHost(const LauncherHost&) = delete;
  LauncherHost& operator=(const LauncherHost&) = delete;

  // The scheduler's command entry, for the special commands.
  std::function<void(int code)> planCommand;
  // After every rebuild: the settings pages show the lists again.
  std::function<void(LauncherKind)> rebuilt;

  // Start-up: creates missing list files, then builds both menus.
  void Start();
  void Rebuild(LauncherKind kind);
  // The editing list of the menu as its rebuild read it.
  const std::vector<std::string>& Lines(LauncherKind kind) const;

  // Rewrites the list file from the lines and rebuilds its menu; false when
  // the file could not be written (the old one stays).
  bool SaveList(LauncherKind kind, const std::vector<std::string>& lines);
  // Appends one entry line, saves and rebuilds (the drop window).
  bool AddEntry(LauncherKind kind, const std::string& line);

  // A fresh popup of the menu with its folder entries read now; the caller
  // destroys it.
  HMENU MakePopup(LauncherKind kind);
  // Puts the launcher copies the settings ask for at the top of a tray menu.
  void InsertTrayCopies(HMENU tray);

  // The picture of an item of the menus made last, for the menu styling.
  std::optional<int> PictureOf(UINT command, HMENU submenu) const;
  bool Owns(UINT command) const { return command >= kFirstLauncherCommand && command <= kLastLauncherCommand; }
  // The entry with that command was chosen (rightButton: with the right mouse button).
  void Run(UINT command, bool rightButton, HWND owner);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace tikolvo

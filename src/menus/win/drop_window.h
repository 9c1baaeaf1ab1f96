#pragma once
// TF_Drop: a path dropped on the clock becomes a launcher entry. The window
// proposes the name and the menu, lets the user change them, and on
// "Добавить" appends the entry, saves its list and rebuilds its menu.
#include <windows.h>

#include <string>

#include "menus/menu_files.h"
#include "menus/win/launcher_host.h"

namespace tikolvo {

// Control ids of the window, for the tests.
inline constexpr int kDropNameEdit = 101;
inline constexpr int kDropPathEdit = 102;
inline constexpr int kDropProgramsRadio = 111;
inline constexpr int kDropWebRadio = 112;

// Shows the window modally; true when an entry was added.
bool ShowDropWindow(HWND owner, const std::string& path, LauncherKind proposed, LauncherHost& launchers);

}  // namespace tikolvo

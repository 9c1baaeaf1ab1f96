#pragma once
// Popup menus built from the portable menu lines, the launchers of the
// window menu, and a plain-text listing of a built menu for the tests.
#include <windows.h>

#include <string>
#include <vector>

#include "app/menu_tables.h"

namespace tikolvo {

// A fresh popup menu with the lines (submenus included); the caller destroys it.
HMENU BuildPopupMenu(const std::vector<MenuLine>& lines);

// Starts the system tool behind a launcher command through the shell's open
// operation; false when the command launches nothing. A missing tool fails
// in the shell, which shows its own message.
bool RunLauncher(MenuCommand command);

// One line per item (plain or flat-styled): the caption, "-" for a separator, submenu items
// indented by two spaces below their parent.
std::wstring DescribeMenu(HMENU menu);

// Shows the menu at the screen point for the window and returns the chosen
// command (None when dismissed); alignment adds TPM_ alignment flags.
// rightButton tells whether the right mouse button chose it.
MenuCommand TrackMenu(HWND owner, HMENU menu, POINT screen, UINT alignment = 0, bool* rightButton = nullptr);

}  // namespace tikolvo

#pragma once
// The main window's menus: the window menu (right click on the face) and the
// tray menu, both built from the portable tables; one dispatcher in the main
// window runs their commands.
#include <windows.h>

#include "app/menu_tables.h"

namespace tikolvo {

using Command = MenuCommand;

// A test-only request: wParam 0 for the window menu, 1 for the tray menu,
// 2 for the programs menu, 3 for the web menu;
// lParam the window that receives the listing (DescribeMenu) as WM_COPYDATA.
inline constexpr UINT kDescribeMenuMessage = WM_APP + 3;

enum class MainMenuKind : WPARAM { Window = 0, Tray = 1, Programs = 2, Web = 3 };

}  // namespace tikolvo

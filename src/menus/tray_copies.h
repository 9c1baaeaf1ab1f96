#pragma once
// The launcher copies at the top of the tray menu: "WWW" and "Программы",
// each holding copies of its menu's fixed top-level entries (the generated
// ones are added when the copy is opened, as in the menu itself), then one
// separator. The Windows layer removes the old copies and inserts these
// after every rebuild of either menu.
#include <vector>

#include "menus/menu_item.h"

namespace tikolvo {

inline constexpr const char* kTrayProgramsCaption = "Программы";
inline constexpr const char* kTrayProgramsHint = "Prog";
inline constexpr const char* kTrayWebCaption = "WWW";
inline constexpr const char* kTrayWebHint = "WWW";

// The items to put at the top of the tray menu, in order; empty when
// neither launcher is shown there.
std::vector<MenuItem> TrayLauncherItems(const std::vector<MenuItem>& programMenu, const std::vector<MenuItem>& webMenu,
                                        bool showPrograms, bool showWeb);

}  // namespace tikolvo

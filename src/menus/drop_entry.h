#pragma once
// What the drop window proposes for a path dropped on the clock, and the
// line it adds to the chosen menu.
#include <string>
#include <string_view>

#include "menus/menu_files.h"

namespace tikolvo {

// The file name part with every occurrence of its extension cut out:
// "report.doc" gives "report", "a.doc.doc" gives "a". A name without an
// extension stays as it is, and so does one that would be cut to nothing
// (".profile").
std::string DropProposedName(std::string_view path);

// The web menu for a ".url" file (any letter case), the programs menu
// otherwise.
LauncherKind DropProposedMenu(std::string_view path);

// Name||Path][ for the programs menu, Name||Path for the web menu.
std::string DropEntryLine(LauncherKind menu, std::string_view name, std::string_view path);

}  // namespace tikolvo

#pragma once
// The two launcher menus built from their list files: the fixed entries
// (and, in the web menu, the groups and "Избранное") together with the
// editing list the settings pages show. The generated folder entries are
// added on every opening by folder_scan.h.
#include <string>
#include <vector>

#include "menus/fit_caption.h"
#include "menus/folder_scan.h"
#include "menus/menu_files.h"
#include "menus/menu_item.h"

namespace tikolvo {

inline constexpr const char* kFavouritesCaption = "Избранное";

struct LauncherMenu {
  std::vector<MenuItem> items;
  std::vector<std::string> lines;  // the editing list, one line per valid record
};

LauncherMenu BuildProgramMenu(const std::vector<ProgramRecord>& records, const TextWidth& width);

// With the favourites option on: the Favorites folder (from the user's shell
// folders; "" when the value is missing) and how to read it.
struct FavouritesFolder {
  std::string folder;
  const FolderScanContext* context = nullptr;
};

// `favourites` null: the option is off.
LauncherMenu BuildWebMenu(const std::vector<WebRecord>& records, const FavouritesFolder* favourites);

// The picture of a programs-menu entry for its path.
int ProgramEntryPicture(const std::string& path);

}  // namespace tikolvo

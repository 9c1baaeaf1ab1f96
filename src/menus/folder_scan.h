#pragma once
// The generated entries of the launcher menus: the folder trees
// "menu\programm\" and "menu\www\" under the program folder, read again on
// every opening of their menu, and the user's Favorites folder, read when
// the web menu is built.
//
// A tree may loop (a junction or a shortcut pointing upwards): a folder
// already being read higher up is not read again, the depth is bounded and
// so is the number of items one scan makes, so every scan ends.
#include <string>
#include <vector>

#include "menus/fit_caption.h"
#include "menus/menu_folder_source.h"
#include "menus/menu_item.h"

namespace tikolvo {

inline constexpr const char* kProgramMenuFolder = "menu\\programm\\";
inline constexpr const char* kWebMenuFolder = "menu\\www\\";
inline constexpr int kMaxMenuFolderDepth = 16;
inline constexpr int kMaxScannedItems = 4096;

struct FolderScanOptions {
  bool shortcutFolders = false;  // a shortcut to a folder becomes that folder's submenu
  bool foldersFirst = false;     // folders go before the launchable entries
};

struct FolderScanContext {
  MenuFolderSource& source;
  TextWidth width;
  FolderScanOptions options;
};

// programFolder ends with "\". A missing tree adds nothing.
void AddProgramFolderItems(std::vector<MenuItem>& menu, const std::string& programFolder,
                           const FolderScanContext& context);
void AddWebFolderItems(std::vector<MenuItem>& menu, const std::string& programFolder,
                       const FolderScanContext& context);

// Fills the "Избранное" submenu from the Favorites folder (an empty folder
// path, when the value is missing, reads nothing).
void AddFavorites(MenuItem& favourites, const std::string& favouritesFolder, const FolderScanContext& context);

}  // namespace tikolvo

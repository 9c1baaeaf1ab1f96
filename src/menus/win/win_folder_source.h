#pragma once
// The launchers' view of the real file system: folders listed with the find
// functions, files read whole, shortcuts read through the shell link
// interface. Also the few facts a launch decision asks of the system.
#include "menus/launch_decision.h"
#include "menus/menu_folder_source.h"

namespace tikolvo {

class WinMenuFolderSource final : public MenuFolderSource {
 public:
  std::vector<FolderListEntry> List(const std::string& folder) override;
  bool FolderExists(const std::string& path) override;
  std::optional<std::string> ReadFile(const std::string& path) override;
  ShortcutTarget ReadShortcut(const std::string& path) override;
};

class WinLaunchFacts final : public LaunchFacts {
 public:
  bool FileExists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  std::optional<std::string> BrowserOpenCommand() override;
};

// The user's Favorites folder with a closing "\"; "" when the system has none.
std::string FavouritesFolderPath();

}  // namespace tikolvo

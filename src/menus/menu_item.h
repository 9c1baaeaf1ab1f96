#pragma once
// The launcher menus as data: a tree the Windows layer turns into popup
// menus item by item. Pictures index the clock's menu picture strip; tags
// mark what the menus do with an item later (rebuild, tray copies).
#include <string>
#include <vector>

namespace tikolvo {

namespace menu_picture {
inline constexpr int kNone = -1;
inline constexpr int kFavourite = 33;      // favourite link, the "Избранное" entry
inline constexpr int kWebLink = 34;        // web link, ".url" file
inline constexpr int kProgram = 35;        // program or file
inline constexpr int kProgramFolder = 36;  // folder, programs menu
inline constexpr int kControlPanel = 37;
inline constexpr int kWebFolder = 40;      // folder or group, web menu
inline constexpr int kFavouriteFolder = 42;
inline constexpr int kHangUp = 47;         // ":disconnect"
inline constexpr int kPower = 49;          // the other special commands
}  // namespace menu_picture

namespace menu_tag {
inline constexpr int kNone = 0;
inline constexpr int kWebGroup = 13;    // web group submenus and their entries
inline constexpr int kGenerated = 40;   // made from a folder: removed and made again on every opening
inline constexpr int kFavourites = 676; // the "Избранное" entry
}  // namespace menu_tag

// Which launch rule a click runs; the item's hint is its argument.
enum class MenuClick { kNone, kProgramEntry, kWebEntry, kLinkEntry };

enum class MenuItemKind { kEntry, kSeparator, kSubmenu };

struct MenuItem {
  MenuItemKind kind = MenuItemKind::kEntry;
  std::string caption;
  std::string componentName;  // "" for generated items
  std::string hint;
  int picture = menu_picture::kNone;
  int tag = menu_tag::kNone;
  MenuClick click = MenuClick::kNone;
  std::vector<MenuItem> children;

  bool HasHint() const { return !hint.empty(); }
  bool operator==(const MenuItem&) const = default;
};

MenuItem SeparatorItem();

// Removes every generated item (tag 40) at any depth, the rebuild's first
// step before the folders are read again.
void RemoveGeneratedItems(std::vector<MenuItem>& items);

}  // namespace tikolvo

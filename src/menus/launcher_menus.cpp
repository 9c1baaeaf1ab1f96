#include "menus/launcher_menus.h"

#include <algorithm>

#include "menus/entry_line.h"
#include "menus/special_command.h"
#include "scheduler/task_action_hangup.h"

namespace tikolvo {
namespace {

int WebTargetPicture(const std::string& target, bool specialCommands) {
  if (specialCommands)
    if (const std::optional<int> special = SpecialCommandPicture(target)) return *special;
  return LowerExtension(target) == ".exe" ? menu_picture::kProgram : menu_picture::kWebLink;
}

MenuItem UngroupedWebItem(const WebRecord& record, std::size_t position) {
  if (record.name == kSeparatorName) return SeparatorItem();
  MenuItem item;
  item.caption = record.name;
  item.componentName = "wwwmenu" + std::to_string(position);
  item.hint = record.target;
  item.click = MenuClick::kWebEntry;
  item.picture = WebTargetPicture(record.target, true);
  return item;
}

// Group names in the order their submenus stand in the menu: each is put
// at the top in turn, so the last name (ignoring case) comes first.
std::vector<std::string> GroupsInMenuOrder(const std::vector<WebRecord>& records) {
  std::vector<std::string> groups;
  for (const WebRecord& record : records) {
    std::string group = SplitWebName(record.name).group;
    if (!group.empty() && std::find(groups.begin(), groups.end(), group) == groups.end())
      groups.push_back(std::move(group));
  }
  std::stable_sort(groups.begin(), groups.end(), [](const std::string& a, const std::string& b) {
    const std::string la = LowerCaseName(a), lb = LowerCaseName(b);
    return la != lb ? la < lb : a < b;
  });
  return groups;
}

MenuItem GroupSubmenu(const std::vector<WebRecord>& records, const std::string& group, std::size_t n) {
  MenuItem submenu;
  submenu.kind = MenuItemKind::kSubmenu;
  submenu.caption = group;
  submenu.componentName = "Submenu" + std::to_string(n);
  submenu.picture = menu_picture::kWebFolder;
  submenu.tag = menu_tag::kWebGroup;
  for (const WebRecord& record : records) {
    const WebName name = SplitWebName(record.name);
    if (name.group != group) continue;
    MenuItem item;
    item.caption = name.caption;
    // The "_" keeps names unique: group 1, entry 11 and group 11, entry 1
    // would otherwise both be "Submenu111".
    item.componentName = submenu.componentName + "_" + std::to_string(submenu.children.size());
    item.hint = record.target;
    item.click = MenuClick::kLinkEntry;
    item.tag = menu_tag::kWebGroup;
    item.picture = WebTargetPicture(record.target, false);
    submenu.children.push_back(std::move(item));
  }
  return submenu;
}

}  // namespace

int ProgramEntryPicture(const std::string& path) {
  if (const std::optional<int> special = SpecialCommandPicture(path)) return *special;
  const std::string extension = LowerExtension(path);
  if (extension.empty()) return menu_picture::kProgramFolder;
  return extension == ".url" ? menu_picture::kWebLink : menu_picture::kProgram;
}

LauncherMenu BuildProgramMenu(const std::vector<ProgramRecord>& records, const TextWidth& width) {
  LauncherMenu menu;
  for (const ProgramRecord& record : records) {
    menu.lines.push_back(ProgramLine(record.name, record.path, record.params));
    if (record.name == kSeparatorName) {
      menu.items.push_back(SeparatorItem());
      continue;
    }
    MenuItem item;
    item.caption = FitCaption(record.name, kProgramCaptionLimit, width);
    item.componentName = "menu" + std::to_string(record.index);
    item.hint = menu.lines.back();
    item.click = MenuClick::kProgramEntry;
    item.picture = ProgramEntryPicture(record.path);
    menu.items.push_back(std::move(item));
  }
  return menu;
}

LauncherMenu BuildWebMenu(const std::vector<WebRecord>& records, const FavouritesFolder* favourites) {
  LauncherMenu menu;
  for (const WebRecord& record : records) {
    menu.lines.push_back(WebLine(record.name, record.target));
    if (SplitWebName(record.name).group.empty()) menu.items.push_back(UngroupedWebItem(record, menu.items.size()));
  }
  const std::vector<std::string> groups = GroupsInMenuOrder(records);
  std::vector<MenuItem> top;
  for (std::size_t n = groups.size(); n-- > 0;) top.push_back(GroupSubmenu(records, groups[n], n));
  top.push_back(SeparatorItem());
  if (favourites) {
    MenuItem entry;
    entry.kind = MenuItemKind::kSubmenu;
    entry.caption = kFavouritesCaption;
    entry.picture = menu_picture::kFavourite;
    entry.tag = menu_tag::kFavourites;
    if (favourites->context) AddFavorites(entry, favourites->folder, *favourites->context);
    top.insert(top.begin(), {std::move(entry), SeparatorItem()});
  }
  menu.items.insert(menu.items.begin(), std::make_move_iterator(top.begin()), std::make_move_iterator(top.end()));
  return menu;
}

}  // namespace tikolvo

#include "menus/tray_copies.h"

#include "menus/special_command.h"

namespace tikolvo {
namespace {

MenuItem Parent(const char* caption, const char* hint, int picture) {
  MenuItem item;
  item.kind = MenuItemKind::kSubmenu;
  item.caption = caption;
  item.hint = hint;
  item.picture = picture;
  return item;
}

// A separator never opens a copy and never follows another one (the web
// menu's favourites and groups each bring their own).
void AppendCopy(std::vector<MenuItem>& copies, MenuItem item) {
  if (item.kind == MenuItemKind::kSeparator &&
      (copies.empty() || copies.back().kind == MenuItemKind::kSeparator))
    return;
  item.componentName.clear();
  copies.push_back(std::move(item));
}

MenuItem WebCopy(const MenuItem& entry) {
  MenuItem copy = entry;
  if (entry.tag == menu_tag::kFavourites) {
    copy.picture = menu_picture::kFavourite;
  } else if (entry.kind == MenuItemKind::kEntry) {
    copy.picture = SpecialCommandPicture(entry.hint).value_or(menu_picture::kWebLink);
  }
  return copy;
}

}  // namespace

std::vector<MenuItem> TrayLauncherItems(const std::vector<MenuItem>& programMenu, const std::vector<MenuItem>& webMenu,
                                        bool showPrograms, bool showWeb) {
  std::vector<MenuItem> top;
  if (showWeb) {
    MenuItem web = Parent(kTrayWebCaption, kTrayWebHint, menu_picture::kWebLink);
    for (const MenuItem& entry : webMenu)
      if (entry.tag != menu_tag::kGenerated && entry.tag != menu_tag::kWebGroup) AppendCopy(web.children, WebCopy(entry));
    top.push_back(std::move(web));
  }
  if (showPrograms) {
    MenuItem programs = Parent(kTrayProgramsCaption, kTrayProgramsHint, menu_picture::kProgram);
    for (const MenuItem& entry : programMenu)
      if (entry.tag != menu_tag::kGenerated) AppendCopy(programs.children, entry);
    top.push_back(std::move(programs));
  }
  if (!top.empty()) top.push_back(SeparatorItem());
  return top;
}

}  // namespace tikolvo

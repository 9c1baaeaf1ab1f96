// The pictures of the menu tables' items: every item but a separator has
// one, a command looks the same wherever it appears, and the flat menus can
// find a submenu head's picture by its caption.
#include <gtest/gtest.h>

#include <map>

#include "app/menu_tables.h"
#include "skin/program_pictures.h"

namespace tikolvo {
namespace {

template <class Table>
void ExpectPictured(const Table& table, std::map<MenuCommand, int>& seen) {
  for (const MenuEntry& entry : table) {
    SCOPED_TRACE(std::string(entry.caption));
    if (entry.kind == MenuItemKind::Separator) {
      EXPECT_EQ(entry.picture, -1);
      continue;
    }
    EXPECT_GE(entry.picture, 0);
    EXPECT_LT(entry.picture, kSystemStripCount + 1);  // the table may add pictures beyond the fixed ones
    const auto [it, first] = seen.emplace(entry.command, entry.picture);
    if (!first) {
      EXPECT_EQ(it->second, entry.picture) << "one command, two pictures";
    }
  }
}

TEST(MenuPictures, EveryItemButSeparatorsHasOneAndACommandKeepsIt) {
  std::map<MenuCommand, int> seen;
  ExpectPictured(kWindowMenu, seen);
  ExpectPictured(kAdminMenu, seen);
  ExpectPictured(kTrayMenu, seen);
  EXPECT_EQ(MenuPictureOf(MenuCommand::Minimize), seen[MenuCommand::Minimize]);
  EXPECT_EQ(MenuPictureOf(MenuCommand::Exit), seen[MenuCommand::Exit]);
  EXPECT_EQ(MenuPictureOf(MenuCommand::None), -1);
  EXPECT_EQ(MenuPictureOf(MenuCommand::StackTopmost), -1);  // not an item of these menus
}

TEST(MenuPictures, ItemsThatShareARoleWithGeneratedEntriesUseItsPicture) {
  EXPECT_EQ(MenuPictureOf(MenuCommand::HangUp), system_picture::kDisconnect);
  EXPECT_EQ(MenuPictureOf(MenuCommand::ControlPanelMenu), system_picture::kControlPanel);
  EXPECT_EQ(SubmenuPictureOf("Панель управления"), system_picture::kControlPanel);
  EXPECT_EQ(SubmenuPictureOf("Администрирование"), kWindowMenu[0].picture);
  EXPECT_EQ(SubmenuPictureOf("Дата и время"), -1);  // an item, not a submenu
  EXPECT_EQ(SubmenuPictureOf(""), -1);
}

}  // namespace
}  // namespace tikolvo

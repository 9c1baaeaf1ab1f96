// The generated entries of the launcher menus from folder trees given
// through the file-system interface.
#include <gtest/gtest.h>

#include "menus/folder_scan.h"
#include "menu_test_helpers.h"

namespace tikolvo {
namespace {

const std::string kRoot = "C:\\T\\";
const std::string kProgs = kRoot + "menu\\programm\\";
const std::string kWww = kRoot + "menu\\www\\";

MenuItem Fixed(const std::string& caption) {
  MenuItem item;
  item.caption = caption;
  item.hint = caption + "||x][";
  return item;
}

TEST(ProgramFolderScan, FoldersShortcutsAndFilesBecomeGeneratedEntries) {
  FakeFolderTree tree;
  tree.Folder(kProgs, {ArchiveFile("Калькулятор.lnk"), SubFolder("Игры"), ArchiveFile("readme.txt"),
                       SubFolder("Сервис"), ArchiveFile(".hidden"), SubFolder(".git"), ArchiveFile("Сайт.url"),
                       ArchiveFile("Документы.lnk"), ArchiveFile("Ничто.lnk")})
      .Folder(kProgs + "Игры\\", {ArchiveFile("sol.exe")})
      .Folder(kProgs + "Сервис\\", {SubFolder("Диски"), SubFolder("Сеть")})
      .Folder(kProgs + "Сервис\\Диски\\", {})
      .Folder(kProgs + "Сервис\\Сеть\\", {})
      .Folder("D:\\Docs\\", {ArchiveFile("a.doc")})
      .Shortcut(kProgs + "Калькулятор.lnk", {"C:\\w\\calc.exe", "-x"})
      .Shortcut(kProgs + "Документы.lnk", {"D:\\Docs\\", ""});

  std::vector<MenuItem> menu = {Fixed("Блокнот")};
  AddProgramFolderItems(menu, kRoot, {tree, kTenPixelsAChar, {true, true}});
  ASSERT_EQ(menu.size(), 8u);
  // Folders first, in the order the system listed them, then the fixed
  // entries, then the files.
  EXPECT_EQ(menu[0].caption, "Игры");
  EXPECT_EQ(menu[1].caption, "Сервис");
  EXPECT_EQ(menu[2].caption, "Документы");  // a shortcut to a folder is that folder
  EXPECT_EQ(menu[3].caption, "Блокнот");
  EXPECT_EQ(menu[0].picture, menu_picture::kProgramFolder);
  EXPECT_EQ(menu[0].tag, menu_tag::kGenerated);
  ASSERT_EQ(menu[0].children.size(), 1u);
  EXPECT_EQ(menu[0].children[0].hint, "sol.exe||" + kProgs + "Игры\\sol.exe][");
  ASSERT_EQ(menu[2].children.size(), 1u);
  EXPECT_EQ(menu[2].children[0].caption, "a.doc");
  // Folders among folders only keep their order too.
  ASSERT_EQ(menu[1].children.size(), 2u);
  EXPECT_EQ(menu[1].children[0].caption, "Диски");

  EXPECT_EQ(menu[4].caption, "Калькулятор");
  EXPECT_EQ(menu[4].hint, "Калькулятор||C:\\w\\calc.exe][-x");
  EXPECT_EQ(menu[4].picture, menu_picture::kProgram);
  EXPECT_EQ(menu[4].click, MenuClick::kProgramEntry);
  EXPECT_EQ(menu[5].caption, "readme.txt");
  // A ".url" file here is opened as the file it is, so the shell finds it.
  EXPECT_EQ(menu[6].caption, "Сайт");
  EXPECT_EQ(menu[6].hint, "Сайт.url||" + kProgs + "Сайт.url][");
  // A shortcut to nothing has an empty path.
  EXPECT_EQ(menu[7].hint, "Ничто||][");

  RemoveGeneratedItems(menu);
  ASSERT_EQ(menu.size(), 1u);
  EXPECT_EQ(menu[0].caption, "Блокнот");
}

TEST(ProgramFolderScan, WithoutTheOptionsShortcutsStayEntriesAndFoldersStayInPlace) {
  FakeFolderTree tree;
  tree.Folder(kProgs, {ArchiveFile("Документы.lnk"), SubFolder("Игры")})
      .Folder(kProgs + "Игры\\", {})
      .Folder("D:\\Docs\\", {ArchiveFile("a.doc")})
      .Shortcut(kProgs + "Документы.lnk", {"D:\\Docs\\", ""});
  std::vector<MenuItem> menu = {Fixed("Блокнот")};
  AddProgramFolderItems(menu, kRoot, {tree, kTenPixelsAChar, {false, false}});
  ASSERT_EQ(menu.size(), 3u);
  EXPECT_EQ(menu[1].hint, "Документы||D:\\Docs\\][");
  EXPECT_EQ(menu[2].caption, "Игры");
  EXPECT_EQ(menu[2].kind, MenuItemKind::kSubmenu);
}

TEST(WebFolderScan, OnlyUrlFilesWithTheArchiveMarkBecomeLinks) {
  FakeFolderTree tree;
  FolderListEntry plain = {"Старый.url", false, false, false, false};
  tree.Folder(kWww, {ArchiveFile("Поиск.url"), ArchiveFile("notes.txt"), plain, SubFolder("Новости"),
                     ArchiveFile("Пустой.URL"), ArchiveFile("Папка.lnk")})
      .Folder(kWww + "Новости\\", {ArchiveFile("Лента.url")})
      .Folder("D:\\Links\\", {ArchiveFile("Ещё.url")})
      .File(kWww + "Поиск.url", "[Other]\r\nURL=wrong\r\n[InternetShortcut]\r\nURL=http://search\r\n")
      .File(kWww + "Пустой.URL", "[InternetShortcut]\r\n")
      .Shortcut(kWww + "Папка.lnk", {"D:\\Links", ""});

  std::vector<MenuItem> menu = {SeparatorItem(), Fixed("Сайт")};
  AddWebFolderItems(menu, kRoot, {tree, kTenPixelsAChar, {true, true}});
  std::vector<std::string> captions;
  for (const MenuItem& item : menu) captions.push_back(item.caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"-", "Новости", "Папка", "Сайт", "Поиск", "Пустой"}));
  EXPECT_EQ(menu[1].picture, menu_picture::kWebFolder);
  EXPECT_EQ(menu[1].children.at(0).caption, "Лента");
  EXPECT_EQ(menu[1].children[0].hint, "about");  // a file that cannot be read has no address
  EXPECT_EQ(menu[2].children.at(0).caption, "Ещё");
  EXPECT_EQ(menu[4].hint, "http://search");
  EXPECT_EQ(menu[4].click, MenuClick::kLinkEntry);
  EXPECT_EQ(menu[4].picture, menu_picture::kWebLink);
  EXPECT_EQ(menu[4].tag, menu_tag::kGenerated);
  EXPECT_EQ(menu[5].hint, "about");

  MenuItem favourites;
  AddFavorites(favourites, "D:\\Links", {tree, kTenPixelsAChar, {true, true}});
  ASSERT_EQ(favourites.children.size(), 1u);
  EXPECT_EQ(favourites.children[0].picture, menu_picture::kFavourite);
  EXPECT_EQ(favourites.children[0].tag, menu_tag::kNone);  // kept through the openings
}

// Every folder under the root lists a junction back to itself.
class LoopingTree : public FakeFolderTree {
 public:
  std::vector<FolderListEntry> List(const std::string& folder) override {
    ++listings;
    if (folder.rfind(kProgs, 0) != 0) return {};
    return {SubFolder("loop"), ArchiveFile("up.lnk"), ArchiveFile("a.txt")};
  }
  bool FolderExists(const std::string& path) override { return path.rfind(kProgs, 0) == 0 || path + "\\" == kProgs; }
  ShortcutTarget ReadShortcut(const std::string&) override { return {kProgs, ""}; }
};

int Depth(const MenuItem& item) {
  int deepest = 0;
  for (const MenuItem& child : item.children) deepest = std::max(deepest, Depth(child));
  return item.kind == MenuItemKind::kSubmenu ? deepest + 1 : deepest;
}

TEST(ProgramFolderScan, ALoopingTreeEnds) {
  LoopingTree tree;
  std::vector<MenuItem> menu;
  AddProgramFolderItems(menu, kRoot, {tree, kTenPixelsAChar, {true, true}});
  MenuItem root;
  root.children = menu;
  EXPECT_LE(Depth(root), kMaxMenuFolderDepth);
  EXPECT_LE(tree.listings, kMaxScannedItems);
  // The shortcut pointing back at the top folder is not read again.
  ASSERT_EQ(menu.size(), 3u);
  EXPECT_EQ(menu[1].caption, "up");
  EXPECT_TRUE(menu[1].children.empty());
}

}  // namespace
}  // namespace tikolvo

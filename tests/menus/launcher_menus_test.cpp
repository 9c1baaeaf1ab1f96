// The two launcher menus built from their records: order, groups,
// separators, pictures, component names and shortened captions.
#include <gtest/gtest.h>

#include <set>

#include "menus/launcher_menus.h"
#include "menus/tray_copies.h"
#include "menu_test_helpers.h"

namespace tikolvo {
namespace {

std::vector<std::string> Captions(const std::vector<MenuItem>& items) {
  std::vector<std::string> captions;
  for (const MenuItem& item : items) captions.push_back(item.caption);
  return captions;
}

TEST(FitCaption, CutsThreeCharactersAtATimeUntilItFitsButNeverAShortText) {
  EXPECT_EQ(FitCaption("Абв", 5, kTenPixelsAChar), "Абв");
  EXPECT_EQ(FitCaption("Абвг", 5, kTenPixelsAChar), "А");  // cut, but even one letter is too wide
  EXPECT_EQ(FitCaption("Калькулятор", 70, kTenPixelsAChar), "Кальк...");
  EXPECT_EQ(FitCaption("Калькулятор", 110, kTenPixelsAChar), "Калькулятор");
  EXPECT_EQ(FitCaption("   ", 0, kTenPixelsAChar), "   ");
}

TEST(ProgramMenu, EntriesFollowTheRecordsWithPicturesByTarget) {
  const std::vector<ProgramRecord> records = {
      {0, "C:\\w\\notepad.exe", "Блокнот", "/a"}, {2, "C:\\Docs", "Документы очень длинные", ""},
      {3, "p", "-", "q"},                         {4, ":DISCONNECT", "Отбой", ""},
      {5, ":sleep", "Сон", ""},                   {6, "C:\\l\\site.URL", "Сайт", ""}};
  const LauncherMenu menu = BuildProgramMenu(records, kTenPixelsAChar);
  ASSERT_EQ(menu.items.size(), 6u);
  EXPECT_EQ(menu.lines[2], "-||p][q");
  EXPECT_EQ(menu.items[2].kind, MenuItemKind::kSeparator);

  const MenuItem& notepad = menu.items[0];
  EXPECT_EQ(notepad.componentName, "menu0");
  EXPECT_EQ(notepad.hint, "Блокнот||C:\\w\\notepad.exe][/a");
  EXPECT_EQ(notepad.click, MenuClick::kProgramEntry);
  EXPECT_EQ(menu.items[1].componentName, "menu2");  // named by the record's place in the file
  EXPECT_EQ(menu.items[1].caption, "Документы очень д...");
  std::vector<int> pictures;
  for (const MenuItem& item : menu.items) pictures.push_back(item.picture);
  EXPECT_EQ(pictures, (std::vector<int>{35, 36, -1, 47, 49, 34}));
}

TEST(WebMenu, GroupsComeFirstLastAlphabeticalOnTopThenSeparatorThenTheRest) {
  const std::vector<WebRecord> records = {
      {0, "http://a", "Новости"},       {1, "http://mail", "Почта<=>Входящие"}, {2, "x", "-"},
      {3, "http://b", "б<=>Второй"},    {4, "C:\\t\\app.EXE", "Программа"},     {5, "http://c", "А<=>Первый"},
      {6, ":Shutdown", "Выключить"},    {7, "http://out", "Почта<=>Исходящие"}};
  const LauncherMenu menu = BuildWebMenu(records, nullptr);
  EXPECT_EQ(Captions(menu.items), (std::vector<std::string>{"Почта", "б", "А", "-", "Новости", "-", "Программа",
                                                            "Выключить"}));
  const MenuItem& mail = menu.items[0];
  EXPECT_EQ(mail.tag, menu_tag::kWebGroup);
  EXPECT_EQ(mail.picture, menu_picture::kWebFolder);
  ASSERT_EQ(mail.children.size(), 2u);
  EXPECT_EQ(mail.children[0].caption, "Входящие");
  EXPECT_EQ(mail.children[1].hint, "http://out");
  EXPECT_EQ(mail.children[1].click, MenuClick::kLinkEntry);
  EXPECT_EQ(mail.children[1].tag, menu_tag::kWebGroup);
  EXPECT_EQ(menu.items[4].click, MenuClick::kWebEntry);
  EXPECT_EQ(menu.items[4].hint, "http://a");
  EXPECT_EQ(menu.items[6].picture, menu_picture::kProgram);
  EXPECT_EQ(menu.items[7].picture, menu_picture::kPower);
  EXPECT_EQ(menu.lines[1], "Почта<=>Входящие||http://mail");
}

TEST(WebMenu, ComponentNamesStayUniqueWithManyGroupsAndEntries) {
  std::vector<WebRecord> records;
  for (int group = 0; group < 12; ++group)
    for (int entry = 0; entry < 12; ++entry)
      records.push_back({records.size(), "http://x", "g" + std::to_string(100 + group) + "<=>e"});
  records.push_back({records.size(), "http://y", "ungrouped"});
  std::set<std::string> names;
  std::size_t items = 0;
  for (const MenuItem& item : BuildWebMenu(records, nullptr).items) {
    for (const MenuItem& child : item.children) items += names.insert(child.componentName).second ? 1 : 0;
    if (!item.componentName.empty()) items += names.insert(item.componentName).second ? 1 : 0;
  }
  EXPECT_EQ(items, 12u + 12u * 12u + 1u);
}

TEST(WebMenu, FavouritesOnTopWithTheirSeparatorAndTheSeparatorStandsAloneWithoutGroups) {
  FakeFolderTree tree;
  tree.Folder("C:\\Fav\\", {ArchiveFile("Поиск.url")}).File("C:\\Fav\\Поиск.url", "[InternetShortcut]\r\nURL=http://s\r\n");
  const FolderScanContext context{tree, kTenPixelsAChar, {}};
  const FavouritesFolder favourites{"C:\\Fav", &context};
  const LauncherMenu menu = BuildWebMenu({{0, "http://a", "А"}}, &favourites);
  EXPECT_EQ(Captions(menu.items), (std::vector<std::string>{"Избранное", "-", "-", "А"}));
  EXPECT_EQ(menu.items[0].tag, menu_tag::kFavourites);
  EXPECT_EQ(menu.items[0].picture, menu_picture::kFavourite);
  ASSERT_EQ(menu.items[0].children.size(), 1u);
  EXPECT_EQ(menu.items[0].children[0].hint, "http://s");
  EXPECT_EQ(Captions(BuildWebMenu({}, nullptr).items), std::vector<std::string>{"-"});
}

TEST(TrayCopies, WebThenProgramsThenOneSeparatorWithoutGeneratedEntriesOrGroups) {
  LauncherMenu programs = BuildProgramMenu({{0, ":disconnect", "Отбой", ""}, {1, "C:\\a.exe", "А", ""}}, kTenPixelsAChar);
  MenuItem generated;
  generated.tag = menu_tag::kGenerated;
  programs.items.push_back(generated);
  const LauncherMenu web = BuildWebMenu({{0, "http://m", "Почта<=>Входящие"}, {1, "C:\\t.exe", "Т"}}, nullptr);

  const std::vector<MenuItem> top = TrayLauncherItems(programs.items, web.items, true, true);
  EXPECT_EQ(Captions(top), (std::vector<std::string>{"WWW", "Программы", "-"}));
  EXPECT_EQ(Captions(top[0].children), std::vector<std::string>{"Т"});
  EXPECT_EQ(top[0].children[0].picture, menu_picture::kWebLink);
  EXPECT_EQ(top[0].children[0].click, MenuClick::kWebEntry);
  EXPECT_EQ(Captions(top[1].children), (std::vector<std::string>{"Отбой", "А"}));
  EXPECT_EQ(top[1].children[0].picture, menu_picture::kHangUp);
  EXPECT_EQ(top[1].children[1].hint, "А||C:\\a.exe][");
  EXPECT_EQ(top[1].hint, kTrayProgramsHint);
  EXPECT_EQ(Captions(TrayLauncherItems(programs.items, web.items, false, true)), (std::vector<std::string>{"WWW", "-"}));
  EXPECT_TRUE(TrayLauncherItems(programs.items, web.items, false, false).empty());
}

}  // namespace
}  // namespace tikolvo

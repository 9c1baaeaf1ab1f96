#include "app/menu_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "settings/panel_menu_items.h"
#include "settings/settings_model.h"

namespace tikolvo {
namespace {

std::vector<std::string> Captions(const std::vector<MenuLine>& lines) {
  std::vector<std::string> out;
  for (const MenuLine& line : lines) out.emplace_back(line.entry->caption);
  return out;
}

const MenuLine* Find(const std::vector<MenuLine>& lines, MenuCommand command) {
  for (const MenuLine& line : lines)
    if (line.entry->command == command) return &line;
  return nullptr;
}

Settings AllOn() {
  Settings s;
  s.panelMenuVisible.fill(true);
  s.inter.panelMenuInTrayMenu = true;
  return s;
}

TEST(WindowMenu, CheckBoxesOfMenuGPointAtTheirOwnItems) {
  // The settings page and the menu must agree on which check box hides which item.
  for (std::size_t i = 0; i < kPanelMenuItemCount; ++i) {
    const PanelMenuItem& item = kPanelMenuItems[i];
    const MenuEntry& entry = kWindowMenu[static_cast<std::size_t>(item.menuPosition)];
    EXPECT_EQ(entry.panelSetting, static_cast<int>(i)) << item.caption;
    EXPECT_EQ(entry.caption, item.caption);
  }
}

TEST(WindowMenu, AllShownInDesignOrderWithTheSkinItemNeverShown) {
  const std::vector<std::string> expected = {
      "Администрирование", "Дата и время", "Звуки и аудиоустройства", "Игровые устройства", "Мышь",
      "Панель задач и меню \"Пуск\"", "Свойства обозревателя", "Свойства папки", "Сетевые подключения",
      "Система", "Для инвалидов", "Установка и удаление программ", "Установка оборудования",
      "Учетные записи пользователей", "Электропитание", "Экран", "-", "RegEdit", "Msconfig",
      "Диспетчер устройств", "Регулятор громкости", "Отключиться от Интернета", "-", "Настройки",
      "Свернуть", "Выход"};
  const auto lines = WindowMenuLines(AllOn(), MenuConditions{});
  EXPECT_EQ(Captions(lines), expected);
  const MenuLine* admin = Find(lines, MenuCommand::AdminMenu);
  ASSERT_NE(admin, nullptr);
  EXPECT_EQ(Captions(admin->children),
            (std::vector<std::string>{"Источники данных (ODBC)", "Локальная политика безопасности",
                                      "Производительность", "Просмотр событий", "Службы",
                                      "Службы компонентов", "Управление компьютером"}));
}

TEST(WindowMenu, UncheckedItemsDisappearSeparatorsStay) {
  Settings s = AllOn();
  s.panelMenuVisible.fill(false);
  EXPECT_EQ(Captions(WindowMenuLines(s, MenuConditions{})), (std::vector<std::string>{"-", "-"}));
  s = AllOn();
  s.panelMenuVisible[1] = false;  // "Дата и время"
  s.panelMenuVisible[23] = false;  // "Выход", key "25"
  const auto lines = WindowMenuLines(s, MenuConditions{});
  EXPECT_EQ(Find(lines, MenuCommand::DateTime), nullptr);
  EXPECT_EQ(Find(lines, MenuCommand::Exit), nullptr);
  EXPECT_EQ(lines.size(), 24u);
}

TEST(WindowMenu, MsconfigOnlyWhereTheToolExists) {
  EXPECT_TRUE(MsconfigSupported(true, 5, 1));    // XP
  EXPECT_TRUE(MsconfigSupported(true, 5, 2));    // Server 2003
  EXPECT_TRUE(MsconfigSupported(true, 6, 0));    // Vista
  EXPECT_TRUE(MsconfigSupported(true, 10, 0));   // 10 and 11
  EXPECT_FALSE(MsconfigSupported(true, 5, 0));   // 2000
  EXPECT_FALSE(MsconfigSupported(true, 4, 0));   // NT 4
  EXPECT_FALSE(MsconfigSupported(false, 4, 10)); // 98
  MenuConditions without;
  without.msconfigSupported = false;
  EXPECT_EQ(Find(WindowMenuLines(AllOn(), without), MenuCommand::Msconfig), nullptr);
  EXPECT_NE(Find(WindowMenuLines(AllOn(), MenuConditions{}), MenuCommand::Msconfig), nullptr);
}

TEST(TrayMenu, ControlPanelCopyThenTheDesignItems) {
  const auto lines = TrayMenuLines(AllOn(), MenuConditions{});
  EXPECT_EQ(Captions(lines), (std::vector<std::string>{"Панель управления", "-", "Востановить", "Свернуть", "-",
                                                       "Настройки", "Планировщик заданий", "-", "Закрыть"}));
  // The copy follows the window menu without the skin item.
  EXPECT_EQ(Captions(lines[0].children), Captions(WindowMenuLines(AllOn(), MenuConditions{})));
  EXPECT_EQ(lines[0].children[0].children.size(), kAdminMenuSize);
}

TEST(TrayMenu, CopyFollowsTheWindowMenuVisibility) {
  Settings s = AllOn();
  s.panelMenuVisible[1] = false;
  EXPECT_EQ(Find(TrayMenuLines(s, MenuConditions{})[0].children, MenuCommand::DateTime), nullptr);
  s.inter.panelMenuInTrayMenu = false;
  EXPECT_EQ(TrayMenuLines(s, MenuConditions{}).front().entry->command, MenuCommand::Restore);
}

TEST(TrayMenu, SoundStopShownOnlyWhileASchedulerSoundPlays) {
  Settings s = AllOn();
  s.inter.panelMenuInTrayMenu = false;
  MenuConditions playing;
  playing.schedulerSoundPlaying = true;
  EXPECT_EQ(Find(TrayMenuLines(s, MenuConditions{}), MenuCommand::StopSchedulerSound), nullptr);
  const auto lines = TrayMenuLines(s, playing);
  ASSERT_EQ(lines.size(), kTrayMenuSize);
  EXPECT_EQ(lines[5].entry->caption, "Стоп (звук в Планировщике)");
}

TEST(MenuLaunch, AppletsSnapInsAndProgramsOpenTheirTools) {
  const std::string sys = "C:\\WINDOWS\\system32";
  auto target = LaunchTargetOf(MenuCommand::DateTime, sys);
  EXPECT_EQ(target.file, "Control.exe");
  EXPECT_EQ(target.parameters, "timedate.cpl");
  target = LaunchTargetOf(MenuCommand::Services, sys);
  EXPECT_EQ(target.file, "services.msc");
  EXPECT_EQ(target.parameters, "/s");
  EXPECT_EQ(LaunchTargetOf(MenuCommand::ComponentServices, sys).file, sys + "\\Com\\comexp.msc");
  EXPECT_EQ(LaunchTargetOf(MenuCommand::ComputerManagement, sys).parameters, "");
  EXPECT_EQ(LaunchTargetOf(MenuCommand::Volume, sys).file, "sndvol32.exe");
  // Every window-menu and admin command that is not one of the program's own launches something.
  for (const auto* table : {&kWindowMenu}) {
    for (const MenuEntry& e : *table) {
      const bool own = e.kind != MenuItemKind::Command || e.command == MenuCommand::HangUp ||
                       e.command == MenuCommand::Settings || e.command == MenuCommand::SkinLook ||
                       e.command == MenuCommand::Minimize || e.command == MenuCommand::Exit;
      EXPECT_EQ(LaunchTargetOf(e.command, sys).file.empty(), own) << e.name;
    }
  }
  for (const MenuEntry& e : kAdminMenu) EXPECT_FALSE(LaunchTargetOf(e.command, sys).file.empty()) << e.name;
  EXPECT_TRUE(LaunchTargetOf(MenuCommand::Restore, sys).file.empty());
}

TEST(MenuCommands, IdsAreDistinctAndWithinTheDispatchedRange) {
  std::vector<unsigned> seen;
  auto check = [&](const MenuEntry& e) {
    if (e.kind == MenuItemKind::Separator) return;
    const unsigned id = static_cast<unsigned>(e.command);
    EXPECT_GE(id, kFirstMenuCommand);
    EXPECT_LE(id, kLastMenuCommand);
    seen.push_back(id);
  };
  for (const MenuEntry& e : kWindowMenu) check(e);
  for (const MenuEntry& e : kAdminMenu) check(e);
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end());
  EXPECT_EQ(static_cast<unsigned>(MenuCommand::Exit), 1008u);  // kept for stored scripts and tests
}

}  // namespace
}  // namespace tikolvo

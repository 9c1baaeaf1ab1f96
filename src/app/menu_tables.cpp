#include "app/menu_tables.h"

#include "settings/panel_menu_items.h"
#include "skin/program_pictures.h"
#include "settings/settings_model.h"

namespace tikolvo {
namespace {

using K = MenuItemKind;
using C = MenuCommand;

struct Launch {
  MenuCommand command;
  std::string_view file;
  std::string_view parameters;
};

// Applets run through the control-panel host; the snap-ins with "/s" open
// in the console's author mode off, as the tools themselves do.
constexpr Launch kLaunches[] = {
    {C::DateTime, "Control.exe", "timedate.cpl"},
    {C::Sounds, "Control.exe", "mmsys.cpl"},
    {C::GameControllers, "Control.exe", "joy.cpl"},
    {C::Mouse, "Control.exe", "main.cpl"},
    // The taskbar's own properties sheet, available from XP to Windows 10.
    {C::TaskbarAndStart, "rundll32.exe", "shell32.dll,Options_RunDLL 1"},
    {C::InternetOptions, "Control.exe", "inetcpl.cpl"},
    // The canonical control-panel name of the folder options sheet.
    {C::FolderOptions, "Control.exe", "folders"},
    {C::NetworkConnections, "Control.exe", "ncpa.cpl"},
    {C::System, "Control.exe", "sysdm.cpl"},
    {C::Accessibility, "Control.exe", "access.cpl"},
    {C::AddRemovePrograms, "Control.exe", "appwiz.cpl"},
    {C::AddHardware, "Control.exe", "hdwwiz.cpl"},
    {C::UserAccounts, "Control.exe", "nusrmgr.cpl"},
    {C::PowerOptions, "Control.exe", "powercfg.cpl"},
    {C::Display, "Control.exe", "desk.cpl"},
    {C::RegEdit, "regedt32.exe", ""},
    {C::Msconfig, "msconfig", ""},
    {C::DeviceManager, "devmgmt.msc", ""},
    {C::Volume, "sndvol32.exe", ""},
    {C::Odbc, "odbcad32.exe", ""},
    {C::SecurityPolicy, "secpol.msc", "/s"},
    {C::Performance, "perfmon.msc", "/s"},
    {C::EventViewer, "eventvwr.msc", "/s"},
    {C::Services, "services.msc", "/s"},
    {C::ComputerManagement, "compmgmt.msc", ""},
};

}  // namespace

const std::array<MenuEntry, kWindowMenuSize> kWindowMenu = {{
    {"AdminSet", "Администрирование", C::AdminMenu, K::Submenu, 0, 4},
    {"N6", "Дата и время", C::DateTime, K::Command, 1, 3},
    {"N9", "Звуки и аудиоустройства", C::Sounds, K::Command, 2, 6},
    {"N7", "Игровые устройства", C::GameControllers, K::Command, 3, 7},
    {"N8", "Мышь", C::Mouse, K::Command, 4, 8},
    {"N20", "Панель задач и меню \"Пуск\"", C::TaskbarAndStart, K::Command, 5, 10},
    {"N18", "Свойства обозревателя", C::InternetOptions, K::Command, 6, 11},
    {"N19", "Свойства папки", C::FolderOptions, K::Command, 7, 12},
    {"N10", "Сетевые подключения", C::NetworkConnections, K::Command, 8, 13},
    {"N12", "Система", C::System, K::Command, 9, 14},
    {"N4", "Для инвалидов", C::Accessibility, K::Command, 10, 15},
    {"N5", "Установка и удаление программ", C::AddRemovePrograms, K::Command, 11, 16},
    {"N17", "Установка оборудования", C::AddHardware, K::Command, 12, 17},
    {"N16", "Учетные записи пользователей", C::UserAccounts, K::Command, 13, 18},
    {"N11", "Электропитание", C::PowerOptions, K::Command, 14, 19},
    {"N13", "Экран", C::Display, K::Command, 15, 20},
    {"N15", "-", C::None, K::Separator, -1},
    {"RegEdit1", "RegEdit", C::RegEdit, K::Command, 16, 21},
    {"Msconfig1", "Msconfig", C::Msconfig, K::Command, 17, 22},
    {"N27", "Диспетчер устройств", C::DeviceManager, K::Command, 18, 24},
    {"sndvol32exe1", "Регулятор громкости", C::Volume, K::Command, 19, 25},
    {"N33", "Отключиться от Интернета", C::HangUp, K::Command, 20, system_picture::kDisconnect},
    {"N28", "-", C::None, K::Separator, -1},
    {"N29", "Настройки", C::Settings, K::Command, 21, 26},
    {"N31", "Внешний вид (скин)", C::SkinLook, K::Command, -1, system_picture::kSkinArchive},
    {"N34", "Свернуть", C::Minimize, K::Command, 22, 27},
    {"N30", "Выход", C::Exit, K::Command, 23, 28},
}};

const std::array<MenuEntry, kAdminMenuSize> kAdminMenu = {{
    {"ODBC1", "Источники данных (ODBC)", C::Odbc, K::Command, -1, 32},
    {"N21", "Локальная политика безопасности", C::SecurityPolicy, K::Command, -1, 39},
    {"N22", "Производительность", C::Performance, K::Command, -1, 41},
    {"N23", "Просмотр событий", C::EventViewer, K::Command, -1, 44},
    {"N24", "Службы", C::Services, K::Command, -1, 38},
    {"N25", "Службы компонентов", C::ComponentServices, K::Command, -1, 56},
    {"N26", "Управление компьютером", C::ComputerManagement, K::Command, -1, 57},
}};

const std::array<MenuEntry, kTrayMenuSize> kTrayMenu = {{
    {"Vost", "Востановить", C::Restore, K::Command, -1, 29},
    {"Sver", "Свернуть", C::Minimize, K::Command, -1, 27},
    {"N1", "-", C::None, K::Separator, -1},
    {"N2", "Настройки", C::Settings, K::Command, -1, 26},
    {"N14", "Планировщик заданий", C::Scheduler, K::Command, -1, 9},
    {"N32", "Стоп (звук в Планировщике)", C::StopSchedulerSound, K::Command, -1, 31},
    {"N3", "-", C::None, K::Separator, -1},
    {"Clos", "Закрыть", C::Exit, K::Command, -1, 28},
}};

const MenuEntry kControlPanelEntry{"Panel", "Панель управления", C::ControlPanelMenu, K::Submenu, -1,
                                    system_picture::kControlPanel};
const MenuEntry kControlPanelSeparator{"PanelSeparator", "-", C::None, K::Separator, -1};

namespace {

// Every item of the tables, the tray's control-panel head included.
std::vector<const MenuEntry*> AllEntries() {
  std::vector<const MenuEntry*> all;
  for (const MenuEntry& entry : kWindowMenu) all.push_back(&entry);
  for (const MenuEntry& entry : kAdminMenu) all.push_back(&entry);
  for (const MenuEntry& entry : kTrayMenu) all.push_back(&entry);
  all.push_back(&kControlPanelEntry);
  return all;
}

}  // namespace

LaunchTarget LaunchTargetOf(MenuCommand command, std::string_view systemFolder) {
  if (command == C::ComponentServices) return {std::string(systemFolder) + "\\Com\\comexp.msc", ""};
  for (const Launch& launch : kLaunches)
    if (launch.command == command) return {std::string(launch.file), std::string(launch.parameters)};
  return {};
}

int MenuPictureOf(MenuCommand command) {
  if (command == C::None) return -1;
  for (const MenuEntry* entry : AllEntries())
    if (entry->command == command) return entry->picture;
  return -1;
}

int SubmenuPictureOf(std::string_view caption) {
  for (const MenuEntry* entry : AllEntries())
    if (entry->kind == K::Submenu && entry->caption == caption) return entry->picture;
  return -1;
}

bool MsconfigSupported(bool ntPlatform, unsigned major, unsigned minor) {
  return ntPlatform && (major > 5 || (major == 5 && minor >= 1));
}

bool WindowMenuItemVisible(const MenuEntry& entry, const Settings& settings, const MenuConditions& conditions) {
  if (entry.command == C::SkinLook) return false;
  if (entry.command == C::Msconfig && !conditions.msconfigSupported) return false;
  if (entry.panelSetting < 0) return true;
  return settings.panelMenuVisible[static_cast<std::size_t>(entry.panelSetting)];
}

std::vector<MenuLine> WindowMenuLines(const Settings& settings, const MenuConditions& conditions) {
  std::vector<MenuLine> lines;
  for (const MenuEntry& entry : kWindowMenu) {
    if (!WindowMenuItemVisible(entry, settings, conditions)) continue;
    MenuLine line{&entry, {}};
    if (entry.kind == K::Submenu)
      for (const MenuEntry& sub : kAdminMenu) line.children.push_back(MenuLine{&sub, {}});
    lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<MenuLine> TrayMenuLines(const Settings& settings, const MenuConditions& conditions) {
  std::vector<MenuLine> lines;
  if (settings.inter.panelMenuInTrayMenu) {
    lines.push_back(MenuLine{&kControlPanelEntry, WindowMenuLines(settings, conditions)});
    lines.push_back(MenuLine{&kControlPanelSeparator, {}});
  }
  for (const MenuEntry& entry : kTrayMenu) {
    if (entry.command == C::StopSchedulerSound && !conditions.schedulerSoundPlaying) continue;
    lines.push_back(MenuLine{&entry, {}});
  }
  return lines;
}

}  // namespace tikolvo

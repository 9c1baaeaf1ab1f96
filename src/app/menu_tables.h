#pragma once
// The items of the clock's two popup menus as data: the window menu (right
// click on the face) with its "Администрирование" submenu, and the tray
// menu. Both the Win32 menus and the tests read these tables; nothing here
// knows about windows.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tikolvo {

struct Settings;

// Menu command identifiers; they are also the WM_COMMAND ids, so the first
// eight keep the numbers the main window has always used.
enum class MenuCommand : unsigned {
  StackTopmost = 1001,  // "Поверх всех окон"
  StackNeutral,         // "Нейтральное"
  StackBottommost,      // "Позади всех окон"
  AutoHide,             // "Автоскрытие"
  Sticky,               // "Липкое окно"
  Pin,                  // "Закрепить окно"
  Minimize,             // "Свернуть"
  Exit,                 // "Выход"
  // Window menu: system and control-panel launchers.
  AdminMenu,
  DateTime,
  Sounds,
  GameControllers,
  Mouse,
  TaskbarAndStart,
  InternetOptions,
  FolderOptions,
  NetworkConnections,
  System,
  Accessibility,
  AddRemovePrograms,
  AddHardware,
  UserAccounts,
  PowerOptions,
  Display,
  RegEdit,
  Msconfig,
  DeviceManager,
  Volume,
  HangUp,
  Settings,
  SkinLook,
  // "Администрирование".
  Odbc,
  SecurityPolicy,
  Performance,
  EventViewer,
  Services,
  ComponentServices,
  ComputerManagement,
  // Tray menu.
  Restore,
  Scheduler,
  StopSchedulerSound,
  ControlPanelMenu,
  None = 0,
};

inline constexpr unsigned kFirstMenuCommand = static_cast<unsigned>(MenuCommand::StackTopmost);
inline constexpr unsigned kLastMenuCommand = static_cast<unsigned>(MenuCommand::ControlPanelMenu);

// What the shell's open operation is given for a launcher item.
struct LaunchTarget {
  std::string file;        // program, applet host or snap-in; empty: not a launcher
  std::string parameters;  // may be empty
};

enum class MenuItemKind { Command, Separator, Submenu };

struct MenuEntry {
  std::string_view name;     // the design name of the item (Vost, N6, ...)
  std::string_view caption;  // "-" for separators
  MenuCommand command;
  MenuItemKind kind;
  int panelSetting;  // index into Settings::panelMenuVisible; -1 when always shown
  int picture = -1;  // position in the program's system picture strip; -1: none
};

inline constexpr std::size_t kWindowMenuSize = 27;
inline constexpr std::size_t kAdminMenuSize = 7;
inline constexpr std::size_t kTrayMenuSize = 8;

extern const std::array<MenuEntry, kWindowMenuSize> kWindowMenu;
extern const std::array<MenuEntry, kAdminMenuSize> kAdminMenu;
extern const std::array<MenuEntry, kTrayMenuSize> kTrayMenu;

// The program and arguments of a launcher command; systemFolder is where
// the system's own programs live (without a trailing backslash).
LaunchTarget LaunchTargetOf(MenuCommand command, std::string_view systemFolder);

// The picture of a command's item, and of a submenu head ("Администрирование",
// "Панель управления") by its caption; -1 when there is none. A command has
// the same picture wherever it appears.
int MenuPictureOf(MenuCommand command);
int SubmenuPictureOf(std::string_view caption);

// Whether the system has its configuration tool: every NT system from
// Windows XP (5.1) on ships msconfig; Windows 2000 and the 9x family do not.
bool MsconfigSupported(bool ntPlatform, unsigned major, unsigned minor);

struct MenuConditions {
  bool msconfigSupported = true;
  bool schedulerSoundPlaying = false;  // shows "Стоп (звук в Планировщике)"
};

// A window-menu item is shown when its check box in section "menuG" is on;
// "Внешний вид (скин)" never is and "Msconfig" only where the tool exists.
bool WindowMenuItemVisible(const MenuEntry& entry, const Settings& settings, const MenuConditions& conditions);

// One line of a menu as it is put on screen: an item of a table, or the
// tray's "Панель управления" copy of the window menu.
struct MenuLine {
  const MenuEntry* entry;
  std::vector<MenuLine> children;  // the submenu's lines, when it has one
};

// The visible window menu in order; "Администрирование" carries its seven items.
std::vector<MenuLine> WindowMenuLines(const Settings& settings, const MenuConditions& conditions);

// The tray menu: "Панель управления" (a copy of the visible window menu
// without "Внешний вид (скин)") and a separator when that option is on, then
// the eight design items, of which the sound stop shows only while a
// scheduler sound plays.
std::vector<MenuLine> TrayMenuLines(const Settings& settings, const MenuConditions& conditions);

// The entry that heads the tray's control-panel copy.
extern const MenuEntry kControlPanelEntry;
extern const MenuEntry kControlPanelSeparator;

}  // namespace tikolvo

#pragma once
// Every user setting of config.cfg as a plain structure. Each field names its
// section and key; the initialisers are the values used when a key is
// missing, except the few that depend on the machine (screen size, program
// folder, today, installed fonts), which DefaultSettings fills from the
// SettingsContext.
//
// Keys that are not plain values:
//  - "Alarm"/"Active" and "Alarm"/"Alarm" both store schedulerEnabled. Both
//    are written; "Active" is read first but "Alarm" is read after it and
//    decides, so only "Alarm" is read here.
//  - "Alarm"/"Volume" is read and written back unchanged; nothing uses it.
//  - "LOG"/"MONITORFULL" is written from monitorFull but never read at start.
//  - "alarm"/"Msg" is written empty and ignored on read.
//  - "CAL"/"auto" is read, but always written as 1.
//  - "Inter"/"basic", "timer", "Sec" are read only while "Strelka" is on.
//  - "About"/"Ver" and "Data" are written only, as fixed texts.
//  - "MESS"/"ADD" reads as off when message_all.db is missing.
//  - "menuG"/"20" (Msconfig) reads as off where the tool is not available.
//  - "Inter"/"Tranc" and "CAL"/"wid", "hei" are clamped to their controls'
//    ranges, as the track bar and up-downs that receive them would do.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "common/date_time.h"
#include "common/locale_data.h"
#include "settings/panel_menu_items.h"
#include "settings/window_position.h"

namespace tikolvo {

// 0x00BBGGRR, red in the low byte; stored as a signed decimal integer.
using Colour = std::uint32_t;

struct HandColours {
  Colour basic = 0x000000;   // "basic": hour and minute hands
  Colour timer = 0x00FFFF;   // "timer": the alarm hand (yellow)
  Colour second = 0x000000;  // "Sec"

  bool operator==(const HandColours&) const = default;
};

struct InterfaceSettings {  // section "Inter"
  bool gradientMenus = true;                   // "Menu"
  int schedulerTab = 0;                        // "PlanTab"
  bool logConnections = true;                  // "LOGON"
  bool ownHandColours = false;                 // "Strelka"
  bool warnWhenTargetMissing = false;          // "FExists"
  bool startMinimised = false;                 // "hidestart"
  bool autoHide = false;                       // "AutoHide"
  bool pinWindow = false;                      // "zakrWind"
  bool wwwMenuInSystemMenu = true;             // "Menu_www_sys"
  bool programsMenuInSystemMenu = true;        // "Menu_prog_sys"
  bool panelMenuInTrayMenu = true;             // "Menu_panel_sys"
  bool favouritesMenu = true;                  // "MFAV"
  bool sortFavourites = false;                 // "MFAVSORT"
  bool keepOnScreen = false;                   // "Displ"
  bool wwwFullScreen = true;                   // "full"
  // The three stacking radio buttons, kept as stored ("Up", "NC", "Down").
  bool stackTopmost = false;                   // "Up"
  bool stackNeutral = true;                    // "NC"
  bool stackBottommost = false;                // "Down"
  bool foldersFullScreen = true;               // "FF"
  bool stickyWindow = true;                    // "Window"
  bool wwwRightClickCopiesLink = true;         // "www"
  bool wwwMenuRecursive = false;               // "menuRwww"
  bool programsMenuRecursive = true;           // "menuRprog"
  bool wwwMenuSortFolders = true;              // "menuSwww"
  bool programsMenuSortFolders = true;         // "menuSprog"
  bool programsRightClickOpensFolder = false;  // "prog_r"
  int handQuality = 1;                         // "Qual": 0 plain, >= 1 anti-aliased
  // "basic", "timer", "Sec". Read only when ownHandColours is on; empty means
  // the skin decides. Before saving, put the face's current colours here
  // (they are written whatever ownHandColours says; empty writes defaults).
  std::optional<HandColours> handColours;
  bool oldSkins = false;                       // "oldskins"
  int opacity = 255;                           // "Tranc", 1..255 (255 opaque)

  bool operator==(const InterfaceSettings&) const = default;
};

struct LogSettings {  // section "LOG"
  bool monitorConnections = true;  // "MONITOR"
  bool monitorFull = true;         // "MONITORFULL", written only
  bool limitWarnings = true;       // "LimitWarn": a balloon before a connection's limit runs out

  bool operator==(const LogSettings&) const = default;
};

// Where a file dialog opens, and the folder of the file last chosen in it
// while the program runs. Only a folder chosen in this run is saved: with
// none chosen the key is written empty and the dialog opens in the system's
// own default folder next time.
struct DialogFolder {
  std::string initial;
  std::string chosen;

  // The user picked path in the dialog: its folder, with the backslash.
  void Remember(const std::string& path);
  bool operator==(const DialogFolder&) const = default;
};

struct AlarmSettings {  // section "Alarm" (also spelt "alarm")
  bool schedulerEnabled = false;    // "Active" and "Alarm"
  int volume = 128;                 // "Volume"
  bool intervalTimerOn = false;     // "ActiveCT"
  DialogFolder launcherFileFolder;  // "Od": default program folder; empty stays empty
  DialogFolder soundFileFolder;     // "Ods": likewise

  bool operator==(const AlarmSettings&) const = default;
};

struct IntervalTimerSettings {  // section "soundCT" (also "SoundCT")
  std::string hours = "00";    // "Hour", edit text
  std::string minutes = "01";  // "Min"
  std::string seconds = "00";  // "Sec"
  int soundIndex = 0;          // "sound_numer"

  bool operator==(const IntervalTimerSettings&) const = default;
};

struct PagesSettings {  // section "All"
  int statisticsPage = 0;  // "NW"
  int settingsPage = 0;    // "Page"

  bool operator==(const PagesSettings&) const = default;
};

struct ReminderTextSettings {  // section "MESS"
  bool draw = true;                                 // "use"
  bool externalBase = true;                         // "ADD"
  std::array<bool, 4> corners = {true, false, false, false};  // "1".."4" radios
  Colour colour = 0xFFFFFF;                         // "color"
  int sizeIndex = 2;                                // "size" (index 2 = 8 points)
  int fontIndex = -1;                               // "Font": default "MS Sans Serif"
  int markerLeft = 24;                              // "rectL"
  int markerTop = 96;                               // "rectT"
  bool underline = false;                           // "U"
  bool bold = false;                                // "B"
  bool italic = false;                              // "I"
  Colour markerColour = 0x00FF00;                   // "visor"

  bool operator==(const ReminderTextSettings&) const = default;
};

// A colour option of the calendar: whether it is used, and the colour.
struct CalendarColourOption {
  bool use = false;
  Colour colour = 0x000000;

  bool operator==(const CalendarColourOption&) const = default;
};

// The three desktop radios "Не рисовать", "Использовать рисунок" and
// "Без рисунка (одноцветный рабочий стол)", stored as "usepicNone"/"usepic".
enum class DesktopBackground { None, Picture, PlainColour };

struct CalendarSettings {  // section "CAL"
  bool draw = true;                  // "use"
  int layout = 1;                    // "god": 0 year, 1 month, 2/3 three months
  bool markCurrentDay = false;       // "current"
  bool autoRefreshAtStart = true;    // "auto", always written as 1
  bool underline = true;             // "line"
  bool verticalText = true;          // "VH"
  bool shadow1 = true;               // "SHD1" (+1/+1)
  bool shadow2 = false;              // "SHD2" (+2/+2)
  bool shadow3 = false;              // "SHD3" (-1/-1)
  Colour textColour = 0xFFFFFF;      // "mainColor"
  Colour shadow1Colour = 0x000000;   // "mainSh"
  Colour shadow2Colour = 0x0000FF;   // "mainSh2"
  Colour shadow3Colour = 0xFFFFFF;   // "mainSh3"
  Colour currentDayColour = 0x0000FF;  // "mainCC"
  Colour markerColour = 0x0000FF;    // "visor"
  int markerWidth = 57;              // "wid", 10..312
  int markerHeight = 57;             // "hei", 10..232
  int markerLeft = 1;                // "l"
  int markerTop = 1;                 // "t"
  std::string picturePath;           // "Path"
  DateTime shownDate = 0;            // "DTD": default today
  bool followToday = true;           // "CT"
  bool fontBold = false;             // "bold"
  bool fontItalic = false;           // "ital"
  bool fontUnderline = false;        // "undr"
  bool writeYear = true;             // "year"
  std::string fontName = "Arial";    // "name"
  int widthKnob = 20;                // "RCW"
  int heightKnob = 20;               // "RCH"
  int page = 0;                      // "page_tn"
  CalendarColourOption weekdayNames{false, 0x000000};  // "u_nedel"/"C_nedel"
  CalendarColourOption sundays{true, 0x000080};        // "u_bith"/"C_bith"
  CalendarColourOption saturdays{false, 0x000080};     // "u_bith_s"/"C_bith_s"
  CalendarColourOption monthNames{false, 0x800000};    // "u_month"/"C_month"
  CalendarColourOption lines{false, 0x000000};         // "u_line"/"C_line"
  DesktopBackground background = DesktopBackground::None;  // "usepicNone", "usepic"
  Colour desktopColour = 0x000000;   // "colordesktop"
  bool currentDayFrame = true;       // "curram"

  bool operator==(const CalendarSettings&) const = default;
};

struct Settings {
  IntervalTimerSettings intervalTimer;  // "soundCT"
  std::string connectionFilter = "Все";  // "Name"/"Cur"
  InterfaceSettings inter;              // "Inter"
  LogSettings log;                      // "LOG"
  AlarmSettings alarm;                  // "Alarm"/"alarm"
  bool ieOnly = false;                  // "URL"/"IE"
  bool showTaskbarClock = true;         // "Skins"/"Tray"
  ReminderTextSettings reminders;       // "MESS"
  CalendarSettings calendar;            // "CAL"
  PagesSettings pages;                  // "All"
  WindowPosition pos;                   // "Pos"/"Top", "Left", as stored (not repaired)
  // "menuG": visibility of the control-panel menu items, by kPanelMenuItems.
  std::array<bool, kPanelMenuItemCount> panelMenuVisible = MakeAllVisible();

  bool operator==(const Settings&) const = default;

 private:
  static constexpr std::array<bool, kPanelMenuItemCount> MakeAllVisible() {
    std::array<bool, kPanelMenuItemCount> all{};
    for (bool& item : all) item = true;
    return all;
  }
};

// What the defaults and the load-time rules depend on.
struct SettingsContext {
  int screenWidth = 1024;
  int screenHeight = 768;
  std::string programFolder;        // with its trailing backslash
  DateTime today = 0;
  int msSansSerifFontIndex = -1;    // in the installed-font list; -1 when absent
  bool messageAllExists = false;    // message_all.db in the program folder
  bool msconfigAllowed = true;      // NT family, major > 4 and minor > 0
  Locale locale;                    // how "CAL"/"DTD" is written and read
};

inline constexpr const char* kAboutVersion = "3.3.4.2 (fix)";
inline constexpr const char* kAboutDate = "19.12.2007";

class IniDocument;

Settings DefaultSettings(const SettingsContext& context);

// Every key of config.cfg, with the load-time rules applied (see the notes at
// the top). The position is returned as stored; RepairStartPosition pulls it
// back on screen once the skin is loaded.
Settings ReadSettings(const IniDocument& document, const SettingsContext& context);

// The part read before the skin list is built: "Pos" and "Inter"/"oldskins".
struct EarlySettings {
  WindowPosition pos;
  bool oldSkins = false;
};
EarlySettings ReadWindowPosition(const IniDocument& document, const SettingsContext& context);

// Writes the whole key set. Into an empty document the sections go in the
// order soundCT, Name, Inter, LOG, Alarm, URL, Skins, MESS, CAL, All, Pos,
// About, menuG; keys of an existing document are changed in place and
// everything unknown stays.
void WriteSettings(const Settings& settings, IniDocument& document, const Locale& locale = Locale());

// A missing or unreadable file gives the defaults.
Settings LoadSettingsFile(const std::string& path, const SettingsContext& context);

// Loads the file as it is now (to keep what we do not know), writes every key
// and replaces the file once, atomically. A read-only or locked file keeps
// its old content and the result is false; callers may ignore it, as a
// failed save has never been reported to the user.
bool SaveSettingsFile(const std::string& path, const Settings& settings, const Locale& locale = Locale());

}  // namespace tikolvo

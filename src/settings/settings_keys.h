#pragma once
// The key set of config.cfg in one place, walked by both the reader and the
// writer so the two can never disagree on a key's section or spelling. The
// walk order is the write order, which gives a new file its section order.
// Spellings are the ones the program has always written.
//
// An Io provides: Section(name); Bool, Int, ColourValue, Text (key, field);
// WrittenOnlyBool, WrittenOnlyText (key, value); ReadAnyWriteTrue (key, field);
// Folder (key, DialogFolder): read as where the dialog opens, written as
// the folder chosen in this run;
// HandColours(own flag, field); Date(key, field); Background(field).
// S is Settings for reading and const Settings for writing.
#include <cstddef>

#include "settings/panel_menu_items.h"
#include "settings/settings_model.h"

namespace tikolvo::settings_keys {

template <class Io, class S>
void VisitIntervalTimer(Io& io, S& s) {
  io.Section("soundCT");
  io.Text("Hour", s.intervalTimer.hours);
  io.Text("Min", s.intervalTimer.minutes);
  io.Text("Sec", s.intervalTimer.seconds);
  io.Int("sound_numer", s.intervalTimer.soundIndex);
  io.Section("Name");
  io.Text("Cur", s.connectionFilter);
}

template <class Io, class S>
void VisitInterface(Io& io, S& s) {
  auto& i = s.inter;
  io.Section("Inter");
  io.Bool("Menu", i.gradientMenus);
  io.Int("PlanTab", i.schedulerTab);
  io.Bool("LOGON", i.logConnections);
  io.Bool("Strelka", i.ownHandColours);
  io.Bool("FExists", i.warnWhenTargetMissing);
  io.Bool("hidestart", i.startMinimised);
  io.Bool("AutoHide", i.autoHide);
  io.Bool("zakrWind", i.pinWindow);
  io.Bool("Menu_www_sys", i.wwwMenuInSystemMenu);
  io.Bool("Menu_prog_sys", i.programsMenuInSystemMenu);
  io.Bool("Menu_panel_sys", i.panelMenuInTrayMenu);
  io.Bool("MFAV", i.favouritesMenu);
  io.Bool("MFAVSORT", i.sortFavourites);
  io.Bool("Displ", i.keepOnScreen);
  io.Bool("full", i.wwwFullScreen);
  io.Bool("Up", i.stackTopmost);
  io.Bool("NC", i.stackNeutral);
  io.Bool("Down", i.stackBottommost);
  io.Bool("FF", i.foldersFullScreen);
  io.Bool("Window", i.stickyWindow);
  io.Bool("www", i.wwwRightClickCopiesLink);
  io.Bool("menuRwww", i.wwwMenuRecursive);
  io.Bool("menuRprog", i.programsMenuRecursive);
  io.Bool("menuSwww", i.wwwMenuSortFolders);
  io.Bool("menuSprog", i.programsMenuSortFolders);
  io.Bool("prog_r", i.programsRightClickOpensFolder);
  io.Int("Qual", i.handQuality);
  io.HandColours(i.ownHandColours, i.handColours);
  io.Bool("oldskins", i.oldSkins);
  io.Int("Tranc", i.opacity);
}

template <class Io, class S>
void VisitLogAndAlarm(Io& io, S& s) {
  io.Section("LOG");
  io.Bool("MONITOR", s.log.monitorConnections);
  io.WrittenOnlyBool("MONITORFULL", s.log.monitorFull);
  io.Bool("LimitWarn", s.log.limitWarnings);
  io.Section("Alarm");
  io.WrittenOnlyBool("Active", s.alarm.schedulerEnabled);
  io.Bool("Alarm", s.alarm.schedulerEnabled);
  io.Int("Volume", s.alarm.volume);
  io.Section("alarm");
  io.Bool("ActiveCT", s.alarm.intervalTimerOn);
  io.Folder("Od", s.alarm.launcherFileFolder);
  io.Folder("Ods", s.alarm.soundFileFolder);
  io.WrittenOnlyText("Msg", "");
  io.Section("URL");
  io.Bool("IE", s.ieOnly);
  io.Section("Skins");
  io.Bool("Tray", s.showTaskbarClock);
}

template <class Io, class S>
void VisitReminders(Io& io, S& s) {
  auto& m = s.reminders;
  io.Section("MESS");
  io.Bool("use", m.draw);
  io.Bool("ADD", m.externalBase);
  io.Bool("1", m.corners[0]);
  io.Bool("2", m.corners[1]);
  io.Bool("3", m.corners[2]);
  io.Bool("4", m.corners[3]);
  io.ColourValue("color", m.colour);
  io.Int("size", m.sizeIndex);
  io.Int("Font", m.fontIndex);
  io.Int("rectL", m.markerLeft);
  io.Int("rectT", m.markerTop);
  io.Bool("U", m.underline);
  io.Bool("B", m.bold);
  io.Bool("I", m.italic);
  io.ColourValue("visor", m.markerColour);
}

template <class Io, class O>
void VisitColourOption(Io& io, const char* useKey, const char* colourKey, O& option) {
  io.Bool(useKey, option.use);
  io.ColourValue(colourKey, option.colour);
}

template <class Io, class S>
void VisitCalendar(Io& io, S& s) {
  auto& c = s.calendar;
  io.Section("CAL");
  io.Bool("use", c.draw);
  io.Int("god", c.layout);
  io.Bool("current", c.markCurrentDay);
  io.ReadAnyWriteTrue("auto", c.autoRefreshAtStart);
  io.Bool("line", c.underline);
  io.Bool("VH", c.verticalText);
  io.Bool("SHD1", c.shadow1);
  io.Bool("SHD2", c.shadow2);
  io.Bool("SHD3", c.shadow3);
  io.ColourValue("mainColor", c.textColour);
  io.ColourValue("mainSh", c.shadow1Colour);
  io.ColourValue("mainSh2", c.shadow2Colour);
  io.ColourValue("mainSh3", c.shadow3Colour);
  io.ColourValue("mainCC", c.currentDayColour);
  io.ColourValue("visor", c.markerColour);
  io.Int("wid", c.markerWidth);
  io.Int("hei", c.markerHeight);
  io.Int("l", c.markerLeft);
  io.Int("t", c.markerTop);
  io.Text("Path", c.picturePath);
  io.Date("DTD", c.shownDate);
  io.Bool("CT", c.followToday);
  io.Bool("bold", c.fontBold);
  io.Bool("ital", c.fontItalic);
  io.Bool("undr", c.fontUnderline);
  io.Bool("year", c.writeYear);
  io.Text("name", c.fontName);
  io.Int("RCW", c.widthKnob);
  io.Int("RCH", c.heightKnob);
  io.Int("page_tn", c.page);
  VisitColourOption(io, "u_nedel", "C_nedel", c.weekdayNames);
  VisitColourOption(io, "u_bith", "C_bith", c.sundays);
  VisitColourOption(io, "u_bith_s", "C_bith_s", c.saturdays);
  VisitColourOption(io, "u_month", "C_month", c.monthNames);
  VisitColourOption(io, "u_line", "C_line", c.lines);
  io.Background(c.background);
  io.ColourValue("colordesktop", c.desktopColour);
  io.Bool("curram", c.currentDayFrame);
}

template <class Io, class S>
void VisitPagesPositionAndMenu(Io& io, S& s) {
  io.Section("All");
  io.Int("NW", s.pages.statisticsPage);
  io.Int("Page", s.pages.settingsPage);
  io.Section("Pos");
  io.Int("Top", s.pos.top);
  io.Int("Left", s.pos.left);
  io.Section("About");
  io.WrittenOnlyText("Ver", kAboutVersion);
  io.WrittenOnlyText("Data", kAboutDate);
  io.Section("menuG");
  for (std::size_t i = 0; i < kPanelMenuItemCount; ++i) io.Bool(kPanelMenuItems[i].key, s.panelMenuVisible[i]);
}

template <class Io, class S>
void VisitAllKeys(Io& io, S& s) {
  VisitIntervalTimer(io, s);
  VisitInterface(io, s);
  VisitLogAndAlarm(io, s);
  VisitReminders(io, s);
  VisitCalendar(io, s);
  VisitPagesPositionAndMenu(io, s);
}

}  // namespace tikolvo::settings_keys

// The settings window's controls bound to settings by table: check boxes to
// flags, colour boxes to colours, lists to indexes. Loading puts the values
// into the controls without running any handler; a change by the user
// writes the setting at once and applies what must take effect at once.
#include "settings/win/form_conf.h"

#include <commctrl.h>

#include <algorithm>

#include "app/win/main_form.h"
#include "common/date_time.h"
#include "common/win/colour_button.h"
#include "common/win/installed_fonts.h"
#include "common/win/wide_text.h"
#include "scheduler/win/scheduler_page.h"

namespace tikolvo {
namespace {

struct CheckBinding {
  int id;
  bool& (*field)(Settings&);
  // What must happen at once besides storing the flag.
  void (*apply)(TFormConf&, MainForm&, bool on);
};

// Hand colours stay empty (the skin decides) until the user picks one.
HandColours& OwnColours(Settings& s) {
  if (!s.inter.handColours) s.inter.handColours = HandColours{};
  return *s.inter.handColours;
}

#define FIELD(expr) [](Settings& s) -> bool& { return s.expr; }
#define COLOUR(expr) [](Settings& s) -> Colour& { return s.expr; }

const CheckBinding kChecks[] = {
    {IDC_CB_MONITOR_IP, FIELD(log.monitorConnections), nullptr},
    {IDC_CB_AUTO_HIDE_start, FIELD(inter.startMinimised), nullptr},
    {IDC_CBTray, FIELD(showTaskbarClock), [](TFormConf&, MainForm&, bool on) { ShowTaskbarClock(on); }},
    {IDC_CB_LOG_ON, FIELD(inter.logConnections), nullptr},
    {IDC_CB_AUTO_HIDE, FIELD(inter.autoHide), [](TFormConf&, MainForm& m, bool on) { m.SetAutoHide(on, true); }},
    {IDC_CBW, FIELD(inter.stickyWindow), [](TFormConf&, MainForm& m, bool on) { m.SetSticky(on); }},
    {IDC_CB_Display, FIELD(inter.keepOnScreen), nullptr},
    {IDC_CB_zak_g_wind, FIELD(inter.pinWindow), [](TFormConf&, MainForm& m, bool on) { m.SetPinned(on, true); }},
    {IDC_CB_Config_panel, FIELD(inter.panelMenuInTrayMenu), nullptr},
    {IDC_CB_PAINT_MENU, FIELD(inter.gradientMenus), nullptr},
    {IDC_CB_COLOR_STR, FIELD(inter.ownHandColours), nullptr},
    {IDC_CB_old_skins, FIELD(inter.oldSkins), nullptr},
    {IDC_CB_calendare_activ, FIELD(calendar.draw), nullptr},
    {IDC_CBCD, FIELD(calendar.markCurrentDay), nullptr},
    {IDC_CB_CAL_MARKER_R, FIELD(calendar.currentDayFrame), nullptr},
    {IDC_CBLINE, FIELD(calendar.underline), nullptr},
    {IDC_CBHV, FIELD(calendar.verticalText), nullptr},
    {IDC_CBG, FIELD(calendar.writeYear), nullptr},
    {IDC_CBSHD, FIELD(calendar.shadow1), nullptr},
    {IDC_CBSHDD, FIELD(calendar.shadow2), nullptr},
    {IDC_CB_sh, FIELD(calendar.shadow3), nullptr},
    {IDC_CB_nedel, FIELD(calendar.weekdayNames.use), nullptr},
    {IDC_CB_bith, FIELD(calendar.sundays.use), nullptr},
    {IDC_CB_bith_sub, FIELD(calendar.saturdays.use), nullptr},
    {IDC_CB_month_col, FIELD(calendar.monthNames.use), nullptr},
    {IDC_CB_line_col, FIELD(calendar.lines.use), nullptr},
    {IDC_cb_bold, FIELD(calendar.fontBold), nullptr},
    {IDC_cb_ital, FIELD(calendar.fontItalic), nullptr},
    {IDC_cb_undr, FIELD(calendar.fontUnderline), nullptr},
    {IDC_CBCDDTP, FIELD(calendar.followToday), nullptr},
    {IDC_CB_prog_dir_link, FIELD(inter.programsMenuRecursive), nullptr},
    {IDC_CB_prog_dir_sort, FIELD(inter.programsMenuSortFolders), nullptr},
    {IDC_CB_FULL_S, FIELD(inter.foldersFullScreen), nullptr},
    {IDC_CBPROGRCL, FIELD(inter.programsRightClickOpensFolder), nullptr},
    {IDC_CB_MESS_FX, FIELD(inter.warnWhenTargetMissing), nullptr},
    {IDC_CB_sys_prog, FIELD(inter.programsMenuInSystemMenu), nullptr},
    {IDC_CB_www_dir_link, FIELD(inter.wwwMenuRecursive), nullptr},
    {IDC_CB_www_dir_sort, FIELD(inter.wwwMenuSortFolders), nullptr},
    {IDC_CB_FULL_URL, FIELD(inter.wwwFullScreen), nullptr},
    {IDC_CBRBtoCLBR, FIELD(inter.wwwRightClickCopiesLink), nullptr},
    {IDC_CB_FAVOR, FIELD(inter.favouritesMenu), nullptr},
    {IDC_CB_IE_ONLY, FIELD(ieOnly), nullptr},
    {IDC_CB_sys_www, FIELD(inter.wwwMenuInSystemMenu), nullptr},
    {IDC_cbAlarm, FIELD(alarm.schedulerEnabled), nullptr},
    {IDC_CB_MONITOR_FULL, FIELD(log.monitorFull), nullptr},
};

struct ColourBinding {
  int id;
  Colour& (*field)(Settings&);
};

const ColourBinding kColours[] = {
    {IDC_ColorBoxbasic, [](Settings& s) -> Colour& { return OwnColours(s).basic; }},
    {IDC_ColorBoxSec, [](Settings& s) -> Colour& { return OwnColours(s).second; }},
    {IDC_ColorBoxTimer, [](Settings& s) -> Colour& { return OwnColours(s).timer; }},
    {IDC_CBCOLORCAL, COLOUR(calendar.desktopColour)},
    {IDC_CBCC, COLOUR(calendar.currentDayColour)},
    {IDC_CBC, COLOUR(calendar.textColour)},
    {IDC_CBCS, COLOUR(calendar.shadow1Colour)},
    {IDC_CBCSD, COLOUR(calendar.shadow2Colour)},
    {IDC_CBCF, COLOUR(calendar.shadow3Colour)},
    {IDC_CB_nedel_text, COLOUR(calendar.weekdayNames.colour)},
    {IDC_CB_bith_color, COLOUR(calendar.sundays.colour)},
    {IDC_CB_bith_color_sub, COLOUR(calendar.saturdays.colour)},
    {IDC_CB_month_color, COLOUR(calendar.monthNames.colour)},
    {IDC_CB_line_color, COLOUR(calendar.lines.colour)},
    {IDC_CB_Visor_color, COLOUR(calendar.markerColour)},
};

#undef FIELD
#undef COLOUR

const CheckBinding* FindCheck(int id) {
  for (const CheckBinding& binding : kChecks)
    if (binding.id == id) return &binding;
  return nullptr;
}

const ColourBinding* FindColour(int id) {
  for (const ColourBinding& binding : kColours)
    if (binding.id == id) return &binding;
  return nullptr;
}

// The colour a box shows without changing the settings: a hand colour that
// was never chosen shows its default.
Colour ShownColour(const ColourBinding& binding, const Settings& settings) {
  Settings copy = settings;
  return binding.field(copy);
}

SYSTEMTIME ToSystemTime(DateTime value) {
  const CivilTime civil = DecodeDateTime(value);
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(civil.year);
  time.wMonth = static_cast<WORD>(civil.month);
  time.wDay = static_cast<WORD>(civil.day);
  time.wDayOfWeek = static_cast<WORD>(DayOfWeek(value) - 1);
  return time;
}

const int kSpinRanges[][3] = {{IDC_ud1, 10, 312}, {IDC_ud2, 10, 232}};

}  // namespace

void TFormConf::FillLists() {
  AddComboItems(Item(IDC_CB_SOUND_TIM), {std::begin(kIntervalTimerSounds), std::end(kIntervalTimerSounds)});
  AddComboItems(Item(IDC_CB_qual), {"Обычная отрисовка", "Полная отрисовка"});
  AddComboItems(Item(IDC_CB_type_cal), {"Календарь на год", "Календарь на месяц", "Три месяца (горизонтально)",
                                        "Три месяца (вертикально)"});
  for (const std::string& name : InstalledFontNames())
    SendMessageW(Item(IDC_CBF), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(name).c_str()));
  SendMessageW(Item(IDC_TBTRANS), TBM_SETRANGE, FALSE, MAKELPARAM(1, 255));
  for (const auto& spin : kSpinRanges) SendMessageW(Item(spin[0]), UDM_SETRANGE32, spin[1], spin[2]);
  for (int id : {IDC_ctM, IDC_CTS}) SendMessageW(Item(id), EM_LIMITTEXT, 3, 0);
  SendMessageW(Item(IDC_E_path), EM_LIMITTEXT, MAX_PATH, 0);
}

void TFormConf::LoadBoundControls() {
  Settings& s = app_.settings;
  for (const CheckBinding& binding : kChecks) SetChecked(Item(binding.id), binding.field(s));
  for (const ColourBinding& binding : kColours) InvalidateRect(Item(binding.id), nullptr, FALSE);
  SelectComboItem(Item(IDC_CB_qual), std::clamp(s.inter.handQuality, 0, 1));
  SelectComboItem(Item(IDC_CB_type_cal), s.calendar.layout);
  const LRESULT font = SendMessageW(Item(IDC_CBF), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(Widen(s.calendar.fontName).c_str()));
  SelectComboItem(Item(IDC_CBF), static_cast<int>(font));
  SetControlText(Item(IDC_L_font_use), s.calendar.fontName);
  SendMessageW(Item(IDC_ud1), UDM_SETPOS32, 0, s.calendar.markerWidth);
  SendMessageW(Item(IDC_ud2), UDM_SETPOS32, 0, s.calendar.markerHeight);
  SetControlText(Item(IDC_E_path), s.calendar.picturePath);
  SetChecked(Item(IDC_RB_DESKTOP_NONE), s.calendar.background == DesktopBackground::None);
  SetChecked(Item(IDC_RB_DESKTOP_PIC), s.calendar.background == DesktopBackground::Picture);
  SetChecked(Item(IDC_RB_DESKTOP_COLOR), s.calendar.background == DesktopBackground::PlainColour);
  SYSTEMTIME shown = ToSystemTime(s.calendar.shownDate);
  // The desktop calendar shows a month: the picker names month and year.
  SendMessageW(Item(IDC_DTP), DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"MMMM yyyy"));
  SendMessageW(Item(IDC_DTP), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&shown));
}

// True when the id belongs to a bound control (handled or not).
bool TFormConf::OnBoundControl(int id, int code) {
  Settings& s = app_.settings;
  if (const CheckBinding* binding = FindCheck(id)) {
    if (code != BN_CLICKED) return true;
    const bool on = IsChecked(Item(id));
    binding->field(s) = on;
    if (binding->apply) binding->apply(*this, mainForm_, on);
    if (id == IDC_CB_COLOR_STR) ApplyHandColours();
    if (id == IDC_cbAlarm && scheduler_) scheduler_->SetSchedulerEnabled(on);
    return true;
  }
  if (FindColour(id)) {
    if (code == BN_CLICKED) ChooseBoundColour(id);
    return true;
  }
  switch (id) {
    case IDC_CB_qual:
      if (code == CBN_SELCHANGE) s.inter.handQuality = ComboSelection(Item(id));
      return true;
    case IDC_CB_type_cal:
      if (code == CBN_SELCHANGE) s.calendar.layout = ComboSelection(Item(id));
      return true;
    case IDC_CBF:
      if (code == CBN_SELCHANGE) {
        const int index = ComboSelection(Item(id));
        std::wstring name(static_cast<std::size_t>(SendMessageW(Item(id), CB_GETLBTEXTLEN, index, 0)) + 1, L'\0');
        name.resize(static_cast<std::size_t>(
            SendMessageW(Item(id), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(name.data()))));
        s.calendar.fontName = Narrow(name);
        SetControlText(Item(IDC_L_font_use), s.calendar.fontName);
      }
      return true;
    case IDC_E_1:
    case IDC_E_2:
      if (code == EN_CHANGE) {
        const int value = static_cast<int>(SendMessageW(Item(id == IDC_E_1 ? IDC_ud1 : IDC_ud2), UDM_GETPOS32, 0, 0));
        (id == IDC_E_1 ? s.calendar.markerWidth : s.calendar.markerHeight) = value;
      }
      return true;
    case IDC_E_path:
      if (code == EN_CHANGE) s.calendar.picturePath = ControlText(Item(id));
      return true;
    case IDC_RB_DESKTOP_NONE:
    case IDC_RB_DESKTOP_PIC:
    case IDC_RB_DESKTOP_COLOR:
      if (code == BN_CLICKED)
        s.calendar.background = id == IDC_RB_DESKTOP_NONE  ? DesktopBackground::None
                                : id == IDC_RB_DESKTOP_PIC ? DesktopBackground::Picture
                                                           : DesktopBackground::PlainColour;
      return true;
    default:
      return false;
  }
}

void TFormConf::ChooseBoundColour(int id) {
  const ColourBinding* binding = FindColour(id);
  const std::optional<Colour> chosen = ChooseColour(hwnd(), ShownColour(*binding, app_.settings));
  if (!chosen) return;
  binding->field(app_.settings) = *chosen & 0xFFFFFF;
  InvalidateRect(Item(id), nullptr, FALSE);
  if (id == IDC_ColorBoxbasic || id == IDC_ColorBoxSec || id == IDC_ColorBoxTimer) ApplyHandColours();
}

// With own colours on, the colour boxes decide the hands at once; with them
// off the skin's colours come back with the next skin load.
void TFormConf::ApplyHandColours() {
  const InterfaceSettings& inter = app_.settings.inter;
  if (!inter.ownHandColours) return;
  const HandColours colours = inter.handColours.value_or(HandColours{});
  mainForm_.SetHandColours(colours.basic, colours.second, colours.timer);
}

bool TFormConf::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlID == IDC_I_logo) {
    DrawAboutPicture(item);
    return true;
  }
  const ColourBinding* binding = FindColour(static_cast<int>(item.CtlID));
  if (!binding || item.CtlType != ODT_BUTTON) return false;
  DrawColourButton(item, ShownColour(*binding, app_.settings));
  return true;
}

void TFormConf::PanelItemClick(int id) {
  const std::size_t index = static_cast<std::size_t>(id - IDC_CB_men_first);
  bool on = IsChecked(Item(id));
  // Where the tool does not exist its item can never be shown.
  if (index == kMsconfigItemIndex && !app_.context.msconfigAllowed && on) {
    on = false;
    SetChecked(Item(id), false);
  }
  app_.settings.panelMenuVisible[index] = on;
}

void TFormConf::SetAllPanelItems(bool on) {
  for (int i = 0; i < static_cast<int>(kPanelMenuItemCount); ++i) {
    SetChecked(Item(IDC_CB_men_first + i), on);
    PanelItemClick(IDC_CB_men_first + i);
  }
}

}  // namespace tikolvo

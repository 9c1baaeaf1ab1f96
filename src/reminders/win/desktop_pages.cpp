#include "reminders/win/desktop_pages.h"

#include <commctrl.h>

#include "common/date_time.h"
#include "common/win/dialog_pages.h"
#include "common/win/installed_fonts.h"
#include "common/win/system_time.h"
#include "common/win/wide_text.h"
#include "settings/win/conf_ids.h"

namespace tikolvo {
namespace {

#define FIELD(expr) [](Settings& s) -> bool& { return s.expr; }
#define COLOUR(expr) [](Settings& s) -> Colour& { return s.expr; }

const ColourBinding kBackgroundColours[] = {
    {IDC_CBCOLORCAL, COLOUR(calendar.desktopColour)},
};

const CheckBinding kCalendarChecks[] = {
    {IDC_CB_calendare_activ, FIELD(calendar.draw)},
    {IDC_CBCD, FIELD(calendar.markCurrentDay)},
    {IDC_CB_CAL_MARKER_R, FIELD(calendar.currentDayFrame)},
    {IDC_CBLINE, FIELD(calendar.underline)},
    {IDC_CBHV, FIELD(calendar.verticalText)},
    {IDC_CBG, FIELD(calendar.writeYear)},
    {IDC_CBSHD, FIELD(calendar.shadow1)},
    {IDC_CBSHDD, FIELD(calendar.shadow2)},
    {IDC_CB_sh, FIELD(calendar.shadow3)},
    {IDC_CB_nedel, FIELD(calendar.weekdayNames.use)},
    {IDC_CB_bith, FIELD(calendar.sundays.use)},
    {IDC_CB_bith_sub, FIELD(calendar.saturdays.use)},
    {IDC_CB_month_col, FIELD(calendar.monthNames.use)},
    {IDC_CB_line_col, FIELD(calendar.lines.use)},
    {IDC_cb_bold, FIELD(calendar.fontBold)},
    {IDC_cb_ital, FIELD(calendar.fontItalic)},
    {IDC_cb_undr, FIELD(calendar.fontUnderline)},
    {IDC_CBCDDTP, FIELD(calendar.followToday)},
};

const ColourBinding kCalendarColours[] = {
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

std::string ComboText(HWND combo, int index) {
  std::wstring name(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, index, 0)) + 1, L'\0');
  name.resize(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(name.data()))));
  return Narrow(name);
}

constexpr int kMarkerSpins[][3] = {{IDC_ud1, 10, 312}, {IDC_ud2, 10, 232}};

}  // namespace

DesktopPage::DesktopPage(SettingsStore& store)
    : NotebookPage(store, {"Рабочий стол", L"CONF_PAGE_DESKTOP"}, IDC_TN_cal,
                   [](Settings& s) -> int& { return s.calendar.page; }) {}

// ---------------------------------------------------------------- Фон

DesktopBackgroundPage::DesktopBackgroundPage(SettingsStore& store)
    : TemplatePage(store, {"Фон", L"CONF_DESK_BACKGROUND", {}, kBackgroundColours}) {}

void DesktopBackgroundPage::Created() { SendMessageW(Item(IDC_E_path), EM_LIMITTEXT, MAX_PATH, 0); }

void DesktopBackgroundPage::LoadControls() {
  const CalendarSettings& c = settings().calendar;
  SetControlText(Item(IDC_E_path), c.picturePath);
  SetChecked(Item(IDC_RB_DESKTOP_NONE), c.background == DesktopBackground::None);
  SetChecked(Item(IDC_RB_DESKTOP_PIC), c.background == DesktopBackground::Picture);
  SetChecked(Item(IDC_RB_DESKTOP_COLOR), c.background == DesktopBackground::PlainColour);
}

bool DesktopBackgroundPage::Command(int id, int code) {
  CalendarSettings& c = settings().calendar;
  switch (id) {
    case IDC_E_path:
      if (code == EN_CHANGE) c.picturePath = ControlText(Item(id));
      return true;
    case IDC_RB_DESKTOP_NONE:
    case IDC_RB_DESKTOP_PIC:
    case IDC_RB_DESKTOP_COLOR:
      if (code == BN_CLICKED)
        c.background = id == IDC_RB_DESKTOP_NONE  ? DesktopBackground::None
                       : id == IDC_RB_DESKTOP_PIC ? DesktopBackground::Picture
                                                  : DesktopBackground::PlainColour;
      return true;
    default:
      return false;
  }
}

// ---------------------------------------------------------------- Календарь

DesktopCalendarPage::DesktopCalendarPage(SettingsStore& store)
    : TemplatePage(store, {"Календарь", L"CONF_DESK_CALENDAR", kCalendarChecks, kCalendarColours}) {}

void DesktopCalendarPage::Created() {
  AddComboItems(Item(IDC_CB_type_cal), {"Календарь на год", "Календарь на месяц", "Три месяца (горизонтально)",
                                        "Три месяца (вертикально)"});
  for (const std::string& name : InstalledFontNames())
    SendMessageW(Item(IDC_CBF), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(name).c_str()));
  // The desktop calendar shows a month: the picker names month and year.
  SendMessageW(Item(IDC_DTP), DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"MMMM yyyy"));
}

void DesktopCalendarPage::LoadControls() {
  const CalendarSettings& c = settings().calendar;
  SelectComboItem(Item(IDC_CB_type_cal), c.layout);
  const LRESULT font = SendMessageW(Item(IDC_CBF), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(Widen(c.fontName).c_str()));
  SelectComboItem(Item(IDC_CBF), static_cast<int>(font));
  SetControlText(Item(IDC_L_font_use), c.fontName);
  SYSTEMTIME shown = ToSystemTime(c.shownDate);
  SendMessageW(Item(IDC_DTP), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&shown));
}

bool DesktopCalendarPage::Command(int id, int code) {
  switch (id) {
    case IDC_CB_type_cal:
      if (code == CBN_SELCHANGE) settings().calendar.layout = ComboSelection(Item(id));
      return true;
    case IDC_CBF:
      if (code == CBN_SELCHANGE) FontChosen();
      return true;
    default:
      return false;
  }
}

void DesktopCalendarPage::FontChosen() {
  std::string& name = settings().calendar.fontName;
  name = ComboText(Item(IDC_CBF), ComboSelection(Item(IDC_CBF)));
  SetControlText(Item(IDC_L_font_use), name);
}

bool DesktopCalendarPage::Notify(const NMHDR& header, LRESULT&) {
  if (header.code != DTN_DATETIMECHANGE || header.idFrom != IDC_DTP) return false;
  const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
  if (change.dwFlags == GDT_VALID) settings().calendar.shownDate = DateOf(FromSystemTime(change.st));
  return true;
}

// ---------------------------------------------------------------- Положение и размеры

DesktopPlacementPage::DesktopPlacementPage(SettingsStore& store)
    : TemplatePage(store, {"Положение и размеры", L"CONF_DESK_PLACEMENT"}) {}

void DesktopPlacementPage::Created() {
  for (const auto& spin : kMarkerSpins) SendMessageW(Item(spin[0]), UDM_SETRANGE32, spin[1], spin[2]);
}

void DesktopPlacementPage::LoadControls() {
  SendMessageW(Item(IDC_ud1), UDM_SETPOS32, 0, settings().calendar.markerWidth);
  SendMessageW(Item(IDC_ud2), UDM_SETPOS32, 0, settings().calendar.markerHeight);
}

bool DesktopPlacementPage::Command(int id, int code) {
  if (id != IDC_E_1 && id != IDC_E_2) return false;
  if (code == EN_CHANGE) {
    const int value = static_cast<int>(SendMessageW(Item(id == IDC_E_1 ? IDC_ud1 : IDC_ud2), UDM_GETPOS32, 0, 0));
    (id == IDC_E_1 ? settings().calendar.markerWidth : settings().calendar.markerHeight) = value;
  }
  return true;
}

}  // namespace tikolvo

#include "reminders/win/desktop_calendar_page.h"

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

}  // namespace

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

}  // namespace tikolvo

#include "reminders/win/desktop_calendar_page.h"

#include <commctrl.h>

#include "common/date_time.h"
#include "common/win/dialog_pages.h"
#include "common/win/gdi.h"
#include "common/win/installed_fonts.h"
#include "common/win/system_time.h"
#include "common/win/wide_text.h"
#include "reminders/reminder_list_look.h"
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

void PaintRect(HDC dc, const RECT& rect, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

// One line of an owner-drawn list on its stripe, in the given font.
void DrawListLine(const DRAWITEMSTRUCT& item, const FontListItemLook& look, const std::string& caption, HFONT font) {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  PaintRect(item.hDC, item.rcItem, selected ? GetSysColor(COLOR_HIGHLIGHT) : look.background);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : look.textColour);
  SelectGuard select(item.hDC, font);
  RECT text = item.rcItem;
  text.left += look.textLeft;
  const std::wstring wide = Widen(caption);
  DrawTextW(item.hDC, wide.c_str(), static_cast<int>(wide.size()), &text,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

}  // namespace

DesktopCalendarPage::DesktopCalendarPage(SettingsStore& store, const WallpaperPreview& wallpaper, const Clock& clock)
    : TemplatePage(store, {"Календарь", L"CONF_DESK_CALENDAR", kCalendarChecks, kCalendarColours}),
      wallpaper_(wallpaper), clock_(clock) {}

void DesktopCalendarPage::Created() {
  AddComboItems(Item(IDC_CB_type_cal), {"Календарь на год", "Календарь на месяц", "Три месяца (горизонтально)",
                                        "Три месяца (вертикально)"});
  // The list keeps the installed order, so an index is the same font here
  // and in fonts_.
  fonts_ = InstalledFontNames();
  for (const std::string& name : fonts_)
    SendMessageW(Item(IDC_CBF), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(name).c_str()));
  // The desktop calendar shows a month: the picker names month and year.
  SendMessageW(Item(IDC_DTP), DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"MMMM yyyy"));
  SB_reapClick();
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
  B_cal_prevClick();
}

bool DesktopCalendarPage::Command(int id, int code) {
  const bool chosen = code == CBN_SELCHANGE;
  const bool clicked = code == BN_CLICKED;
  switch (id) {
    case IDC_CB_type_cal:
      if (chosen) settings().calendar.layout = ComboSelection(Item(id));
      return true;
    case IDC_CBF:
      if (chosen) CBFClick();
      return true;
    case IDC_CB_shablon:
      if (chosen) CB_shablonClick();
      return true;
    case IDC_SB_reap:
      if (clicked) SB_reapClick();
      return true;
    case IDC_B_saveshablon_cal:
      if (clicked) B_saveshablon_calClick();
      return true;
    default:
      return false;
  }
}

void DesktopCalendarPage::CBFClick() {
  const int index = ComboSelection(Item(IDC_CBF));
  if (index < 0 || static_cast<std::size_t>(index) >= fonts_.size()) return;
  settings().calendar.fontName = fonts_[static_cast<std::size_t>(index)];
  SetControlText(Item(IDC_L_font_use), settings().calendar.fontName);
  B_cal_prevClick();
}

bool DesktopCalendarPage::Notify(const NMHDR& header, LRESULT&) {
  if (header.code != DTN_DATETIMECHANGE || header.idFrom != IDC_DTP) return false;
  const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
  if (change.dwFlags == GDT_VALID) settings().calendar.shownDate = DateOf(FromSystemTime(change.st));
  B_cal_prevClick();
  return true;
}

bool DesktopCalendarPage::DrawItem(const DRAWITEMSTRUCT& item) {
  switch (item.CtlID) {
    case IDC_CBF: CBFDrawItem(item); return true;
    case IDC_CB_shablon: CB_shablonDrawItem(item); return true;
    case IDC_I_prev_calendar: DrawPreview(item); return true;
    default: return false;
  }
}

// Each font in itself and in the calendar's styles: its name and the
// current month's name.
void DesktopCalendarPage::CBFDrawItem(const DRAWITEMSTRUCT& item) const {
  if (item.itemID == static_cast<UINT>(-1) || item.itemID >= fonts_.size()) {
    PaintRect(item.hDC, item.rcItem, GetSysColor(COLOR_WINDOW));
    return;
  }
  const std::string& name = fonts_[item.itemID];
  const CalendarSettings& c = settings().calendar;
  LOGFONTW face{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0)), sizeof(face), &face);
  face.lfWeight = c.fontBold ? FW_BOLD : FW_NORMAL;
  face.lfItalic = c.fontItalic ? TRUE : FALSE;
  face.lfUnderline = c.fontUnderline ? TRUE : FALSE;
  face.lfCharSet = DEFAULT_CHARSET;
  const std::wstring wideName = Widen(name).substr(0, LF_FACESIZE - 1);
  wcsncpy(face.lfFaceName, wideName.c_str(), LF_FACESIZE);
  UniqueGdi<HFONT> font(CreateFontIndirectW(&face));
  const int month = DecodeDateTime(clock_.Now()).month;
  const std::string caption =
      name + " (" + store().context.locale.longMonthNames[static_cast<std::size_t>(month - 1)] + ")";
  DrawListLine(item, ReminderFontListItem(static_cast<int>(item.itemID), name), caption, font.get());
}

void DesktopCalendarPage::CB_shablonDrawItem(const DRAWITEMSTRUCT& item) const {
  if (item.itemID == static_cast<UINT>(-1) || item.itemID >= templates_.size()) {
    PaintRect(item.hDC, item.rcItem, GetSysColor(COLOR_WINDOW));
    return;
  }
  const std::string& name = templates_[item.itemID].displayName;
  DrawListLine(item, ReminderFontListItem(static_cast<int>(item.itemID), name), " " + name,
               reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0)));
}

}  // namespace tikolvo

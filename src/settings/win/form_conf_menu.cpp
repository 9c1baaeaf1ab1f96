// The settings window's main menu: the items that open a page, the check
// marks it shows, and its other commands handed to the pages.
#include "settings/win/form_conf.h"

#include "app/stacking.h"
#include "common/win/wide_text.h"
#include "settings/win/conf_ids.h"

namespace tikolvo {
namespace {

void CheckItem(HMENU menu, UINT id, bool on) { CheckMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED)); }

}  // namespace

// The drawn captions are copies: they follow only a real change, since a
// page may rename an item on every selection change of a list.
void TFormConf::SetMenuCaption(int id, const std::string& caption) {
  if (!menu_) return;
  std::wstring text = Widen(caption);
  wchar_t shown[256] = L"";
  GetMenuStringW(menu_, static_cast<UINT>(id), shown, 256, MF_BYCOMMAND);
  if (text == shown) return;
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STRING;
  info.dwTypeData = text.data();
  SetMenuItemInfoW(menu_, static_cast<UINT>(id), FALSE, &info);
  menuStyle_.ApplyToDropDowns(menu_, store_.settings.inter.gradientMenus);
}

void TFormConf::UpdateMenuChecks() {
  const Settings& s = store_.settings;
  const StackingMode mode = StackingFromFlags(s.inter.stackTopmost, s.inter.stackNeutral, s.inter.stackBottommost);
  const UINT stacking = mode == StackingMode::Topmost      ? IDM_view_top
                        : mode == StackingMode::Bottommost ? IDM_view_bottom
                                                           : IDM_view_neutral;
  CheckMenuRadioItem(menu_, IDM_view_top, IDM_view_bottom, stacking, MF_BYCOMMAND);
  CheckItem(menu_, IDM_view_autohide, s.inter.autoHide);
  CheckItem(menu_, IDM_view_sticky, s.inter.stickyWindow);
  CheckItem(menu_, IDM_view_pin, s.inter.pinWindow);
  CheckItem(menu_, IDM_stat_, s.log.monitorConnections);
}

void TFormConf::OnMenuCommand(int id) {
  switch (id) {
    case IDM_desk_fon: ShowPage(kConfDesktopPage, 0); break;
    case IDM_desk_cal: ShowPage(kConfDesktopPage, 1); break;
    case IDM_desk_mess: ShowPage(kConfDesktopPage, 2); break;
    case IDM_desk_pos: ShowPage(kConfDesktopPage, 3); break;
    case IDM_stat_log: ShowPage(kConfStatisticsPage, 0); break;
    case IDM_stat_conn: ShowPage(kConfStatisticsPage, 1); break;
    case IDM_stat_work: ShowPage(kConfStatisticsPage, 2); break;
    case IDM_about: ShowPage(kConfAboutPage); break;
    default: OfferMenuCommand(id); break;
  }
}

bool TFormConf::OfferMenuCommand(int id) {
  for (const auto& outer : pages_) {
    if (outer->page->MenuCommand(id)) return true;
    for (SettingsPage* page : outer->inner)
      if (page->MenuCommand(id)) return true;
  }
  return false;
}

}  // namespace tikolvo

#include "menus/win/menu_pages.h"

#include "settings/win/conf_ids.h"

namespace tikolvo {
namespace {

#define FIELD(expr) [](Settings& s) -> bool& { return s.expr; }

const CheckBinding kOptionChecks[] = {
    {IDC_CB_prog_dir_link, FIELD(inter.programsMenuRecursive)},
    {IDC_CB_prog_dir_sort, FIELD(inter.programsMenuSortFolders)},
    {IDC_CB_FULL_S, FIELD(inter.foldersFullScreen)},
    {IDC_CBPROGRCL, FIELD(inter.programsRightClickOpensFolder)},
    {IDC_CB_MESS_FX, FIELD(inter.warnWhenTargetMissing)},
    {IDC_CB_sys_prog, FIELD(inter.programsMenuInSystemMenu)},
    {IDC_CB_www_dir_link, FIELD(inter.wwwMenuRecursive)},
    {IDC_CB_www_dir_sort, FIELD(inter.wwwMenuSortFolders)},
    {IDC_CB_FULL_URL, FIELD(inter.wwwFullScreen)},
    {IDC_CBRBtoCLBR, FIELD(inter.wwwRightClickCopiesLink)},
    {IDC_CB_FAVOR, FIELD(inter.favouritesMenu)},
    {IDC_CB_IE_ONLY, FIELD(ieOnly)},
    {IDC_CB_sys_www, FIELD(inter.wwwMenuInSystemMenu)},
};

#undef FIELD

}  // namespace

MenuOptionsPage::MenuOptionsPage(SettingsStore& store, WebMenuPage& web)
    : TemplatePage(store, {"Дополнительные установки", L"CONF_MENU_EXTRA", kOptionChecks}), web_(web) {}

void MenuOptionsPage::CheckChanged(int id, bool) {
  if (id == IDC_CB_FAVOR) web_.FavouritesChanged();
}

MenuPages::MenuPages(SettingsStore& store, LauncherHost& launchers, const Clock& clock)
    : outer(store, {"Меню", L"CONF_PAGE_MENU"}, IDC_TN_FaST_MENU),
      programs(store, launchers),
      web(store, launchers, clock),
      options(store, web) {}

void MenuPages::Rebuilt(LauncherKind kind) {
  if (kind == LauncherKind::kPrograms) programs.Rebuilt();
  else web.Rebuilt();
}

}  // namespace tikolvo

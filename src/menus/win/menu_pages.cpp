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

MenuPages::MenuPages(SettingsStore& store)
    : outer(store, {"Меню", L"CONF_PAGE_MENU"}, IDC_TN_FaST_MENU),
      programs(store, {"Меню программ", L"CONF_MENU_PROGRAMS"}),
      web(store, {"Меню WWW", L"CONF_MENU_WWW"}),
      options(store, {"Дополнительные установки", L"CONF_MENU_EXTRA", kOptionChecks}) {}

}  // namespace tikolvo

#include "skin/win/themes_page.h"

#include "common/win/dialog_pages.h"
#include "settings/skin_choice.h"
#include "settings/win/conf_ids.h"

namespace tikolvo {

ThemesPage::ThemesPage(SettingsStore& store) : TemplatePage(store, {"Темы", L"CONF_PAGE_THEMES"}) {}

void ThemesPage::Created() {
  const std::string folder = store().programFolder;
  const SkinChoice skin = ReadCurrentSkinFile(folder + "skin.cfg", folder);
  SetControlText(Item(IDC_ENameS), skin.name);
  SetControlText(Item(IDC_EPathS), skin.path);
}

}  // namespace tikolvo

#include "menus/win/web_menu_page.h"

#include "common/win/message_dialogs.h"
#include "settings/win/conf_ids.h"

namespace tikolvo {
namespace {

constexpr MenuListIds kIds{IDC_LBwww, IDC_E_name_www_menu, IDC_E_url_www_menu, 0, IDC_BB_save_www,
                           IDC_B_www_up, IDC_B_www_down, IDC_btwwwad, IDC_btwwwd};

}  // namespace

WebMenuPage::WebMenuPage(SettingsStore& store, LauncherHost& launchers, const Clock& clock)
    : MenuListPage(store, {"Меню WWW", L"CONF_MENU_WWW"}, LauncherKind::kWeb, kIds, launchers), random_(clock) {}

void WebMenuPage::Created() {
  MenuListPage::Created();
  AddTip(IDC_btwwwd, L"Удалить выделеные пункты");
}

// Typed edits of another line are offered first: the new line takes the
// edit boxes.
void WebMenuPage::AddClicked() {
  InputQuestion question;
  question.caption = "Добавление URL";
  question.fields = {{"Название пункта меню", ""}, {"Адрес страницы", ""}};
  question.okText = "Добавить";
  const std::optional<std::vector<std::string>> texts = AskTexts(hwnd(), question);
  if (!texts || texts->size() < 2) return;
  OfferLineEdits();
  editor().AddLink((*texts)[0], (*texts)[1], random_);
  ShowAll();
}

// "Обновить" saves the list and rebuilds the menu. It stays hidden: a
// change of the favourites option does the same by itself.
bool WebMenuPage::OwnCommand(int id, int code) {
  if (id != IDC_btwwwr) return false;
  if (code == BN_CLICKED) FavouritesChanged();
  return true;
}

}  // namespace tikolvo

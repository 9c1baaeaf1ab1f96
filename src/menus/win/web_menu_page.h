#pragma once
// The settings page "Меню WWW": the entries of www_menu.db with their name
// and address. "Добавить" asks for both in the input window; a "-" entry
// gets a random address.
#include "common/clock.h"
#include "menus/win/menu_list_page.h"
#include "scheduler/task_id.h"

namespace tikolvo {

class WebMenuPage final : public MenuListPage {
 public:
  WebMenuPage(SettingsStore& store, LauncherHost& launchers, const Clock& clock);

  // The favourites option changed: the list is saved as it stands and the
  // menu rebuilt with or without "Избранное".
  void FavouritesChanged() { Save(editor().FavouritesChanged()); }

 protected:
  void Created() override;
  void AddClicked() override;
  bool OwnCommand(int id, int code) override;

 private:
  ClockSeededRandom random_;
};

}  // namespace tikolvo

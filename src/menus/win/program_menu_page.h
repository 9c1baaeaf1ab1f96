#pragma once
// The settings page "Меню программ": the entries of prog_menu.db with their
// name, path and launch parameters. "Добавить" and "Выбрать файл" take a
// file from the open dialog of the "Od" folder.
#include "menus/win/menu_list_page.h"

namespace tikolvo {

class ProgramMenuPage final : public MenuListPage {
 public:
  ProgramMenuPage(SettingsStore& store, LauncherHost& launchers);

 protected:
  void Created() override;
  void AddClicked() override;
  bool OwnCommand(int id, int code) override;

 private:
  std::optional<std::string> ChooseFile();
  void ChooseFileClicked();
};

}  // namespace tikolvo

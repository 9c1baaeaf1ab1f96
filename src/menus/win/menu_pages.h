#pragma once
// The settings window's "Меню" pages: the outer page with its inner
// notebook, the launcher lists "Меню программ" and "Меню WWW", and the
// launchers' options on "Дополнительные установки".
#include "menus/win/program_menu_page.h"
#include "menus/win/web_menu_page.h"
#include "settings/win/template_page.h"

namespace tikolvo {

// The options are bound check boxes; the favourites one also rebuilds the
// web menu at once.
class MenuOptionsPage final : public TemplatePage {
 public:
  explicit MenuOptionsPage(SettingsStore& store, WebMenuPage& web);

 protected:
  void CheckChanged(int id, bool on) override;

 private:
  WebMenuPage& web_;
};

struct MenuPages {
  MenuPages(SettingsStore& store, LauncherHost& launchers, const Clock& clock);

  // A launcher menu was rebuilt from its file: its page shows the list again.
  void Rebuilt(LauncherKind kind);

  NotebookPage outer;
  ProgramMenuPage programs;
  WebMenuPage web;
  MenuOptionsPage options;
};

}  // namespace tikolvo

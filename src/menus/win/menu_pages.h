#pragma once
// The settings window's "Меню" pages: the outer page with its inner
// notebook, the launcher lists "Меню программ" and "Меню WWW", and the
// launchers' options on "Дополнительные установки".
#include "settings/win/template_page.h"

namespace tikolvo {

struct MenuPages {
  explicit MenuPages(SettingsStore& store);

  NotebookPage outer;
  BoundPage programs;
  BoundPage web;
  BoundPage options;
};

}  // namespace tikolvo

#pragma once
// The settings window's "Темы" page: the skin in use, by name and path.
#include "settings/win/template_page.h"

namespace tikolvo {

class ThemesPage final : public TemplatePage {
 public:
  explicit ThemesPage(SettingsStore& store);

 private:
  void Created() override;
};

}  // namespace tikolvo

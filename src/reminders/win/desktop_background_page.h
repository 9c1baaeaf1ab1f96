#pragma once
// "Фон": the base picture the wallpaper is composed on.
#include "settings/win/template_page.h"

namespace tikolvo {

class DesktopBackgroundPage final : public TemplatePage {
 public:
  explicit DesktopBackgroundPage(SettingsStore& store);

 private:
  void Created() override;
  void LoadControls() override;
  bool Command(int id, int code) override;
};

}  // namespace tikolvo

#pragma once
// "Положение и размеры": where the calendar and the reminders go.
#include "settings/win/template_page.h"

namespace tikolvo {

class DesktopPlacementPage final : public TemplatePage {
 public:
  explicit DesktopPlacementPage(SettingsStore& store);

 private:
  void Created() override;
  void LoadControls() override;
  bool Command(int id, int code) override;
};

}  // namespace tikolvo

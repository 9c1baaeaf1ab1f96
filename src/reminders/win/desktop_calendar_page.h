#pragma once
// "Календарь": the look of the calendar drawn onto the wallpaper.
#include "settings/win/template_page.h"

namespace tikolvo {

class DesktopCalendarPage final : public TemplatePage {
 public:
  explicit DesktopCalendarPage(SettingsStore& store);

 private:
  void Created() override;
  void LoadControls() override;
  bool Command(int id, int code) override;
  bool Notify(const NMHDR& header, LRESULT& result) override;
  void FontChosen();
};

}  // namespace tikolvo

#pragma once
// The settings window's "Рабочий стол" page: the inner notebook that holds
// "Фон", "Календарь", "Напоминания" and "Положение и размеры", and the two
// buttons that put the composed picture on the desktop.
#include "reminders/win/wallpaper_composer.h"
#include "settings/win/template_page.h"

namespace tikolvo {

class DesktopPage final : public NotebookPage {
 public:
  DesktopPage(SettingsStore& store, WallpaperComposer& composer);

  // The settings window's menu item "Обновить рисунок рабочего стола".
  bool MenuCommand(int id) override;

 private:
  bool Command(int id, int code) override;

  WallpaperComposer& composer_;
};

}  // namespace tikolvo

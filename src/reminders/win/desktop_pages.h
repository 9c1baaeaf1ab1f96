#pragma once
// The settings window's "Рабочий стол" pages: the outer page with its inner
// notebook, "Фон" (the wallpaper's base picture), "Календарь" (the look of
// the calendar drawn onto it) and "Положение и размеры" (where it goes).
#include <vector>

#include "settings/win/template_page.h"

namespace tikolvo {

class DesktopPage final : public NotebookPage {
 public:
  explicit DesktopPage(SettingsStore& store);
};

class DesktopBackgroundPage final : public TemplatePage {
 public:
  explicit DesktopBackgroundPage(SettingsStore& store);

 private:
  void Created() override;
  void LoadControls() override;
  bool Command(int id, int code) override;
};

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

class DesktopPlacementPage final : public TemplatePage {
 public:
  explicit DesktopPlacementPage(SettingsStore& store);

 private:
  void Created() override;
  void LoadControls() override;
  bool Command(int id, int code) override;
};

}  // namespace tikolvo

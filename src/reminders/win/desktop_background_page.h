#pragma once
// "Фон": the base picture the wallpaper is composed on, a picture file or a
// plain colour or none, and its preview (the one the placement page shows
// the markers over).
#include <windows.h>

#include <string>

#include "reminders/win/wallpaper_preview.h"
#include "settings/win/template_page.h"

namespace tikolvo {

class DesktopBackgroundPage final : public TemplatePage {
 public:
  DesktopBackgroundPage(SettingsStore& store, WallpaperPreview& preview);

  // "Взять рисунок с рабочего стола" with the wallpaper path given (the
  // button reads it from the registry).
  void TakeWallpaper(const std::string& path);

 private:
  void Created() override;
  void LoadControls() override;
  bool Command(int id, int code) override;
  bool DrawItem(const DRAWITEMSTRUCT& item) override;
  void ColourChanged(int id) override;

  void RB_DESKTOP_PICClick(int id);
  void B_BrowsClick();
  void SpeedButton3Click();
  void BB_find_musClick();
  void ShowControlsFor(DesktopBackground background);
  // The preview of what is chosen; a picture that cannot be loaded says why
  // when `tell` is on.
  void Preview(bool tell);

  WallpaperPreview& preview_;
};

// The current wallpaper's path from the user's registry; empty when unset.
std::string CurrentWallpaperPath();

}  // namespace tikolvo

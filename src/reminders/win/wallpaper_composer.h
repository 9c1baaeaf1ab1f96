#pragma once
// Composing the desktop wallpaper: the base picture (a file or a plain
// colour), the calendar and today's reminders drawn onto it, the result
// saved as DeskTopPicture.bmp in the Windows folder and made the wallpaper.
#include <windows.h>

#include <functional>
#include <string>

#include "common/clock.h"
#include "reminders/win/calendar_canvas.h"
#include "settings/win/settings_store.h"

namespace tikolvo {

inline constexpr const char* kComposedWallpaperName = "DeskTopPicture.bmp";

class WallpaperComposer {
 public:
  WallpaperComposer(SettingsStore& store, const Clock& clock) : store_(store), clock_(clock) {}

  // "Обновить рисунок рабочего стола": asks before replacing the wallpaper
  // and before drawing over a picture this program composed.
  void ComposeWallpaper(HWND owner);
  // At start, at the day change and by the hidden button: no questions; a
  // picture this program composed is left alone.
  void RefreshWallpaperAtStart();

  // Told after the base picture is loaded, with the picture, so that the
  // previews can follow it.
  std::function<void(const DibCanvas&)> pictureLoaded;

 private:
  bool PictureMissing() const;
  bool LoadBase(DibCanvas& picture, HWND owner, bool modal);
  void DrawOnto(DibCanvas& picture);
  bool SaveAndApply(const DibCanvas& picture, HWND owner, bool modal);
  void Compose(HWND owner, bool modal);

  SettingsStore& store_;
  const Clock& clock_;
};

}  // namespace tikolvo

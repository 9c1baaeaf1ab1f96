#pragma once
// The small picture of the wallpaper base the desktop pages share: the
// "Фон" page chooses what it shows, the placement page puts the markers
// over it, the calendar page copies part of it. One object owns it; the
// program makes it and hands it to each page.
#include <windows.h>

#include <cstdint>
#include <string>

#include "reminders/win/base_picture.h"
#include "reminders/win/calendar_canvas.h"
#include "settings/settings_model.h"

namespace tikolvo {

class WallpaperPreview {
 public:
  WallpaperPreview();

  // Loads the picture file at the screen's size, keeps its stretched copy
  // and lets the full picture go. Anything but Loaded leaves the preview
  // cleared.
  BasePictureResult ShowPicture(const std::string& path);
  void ShowColour(std::uint32_t colour);
  // Nothing to show ("Не рисовать", or no picture yet): a white preview.
  void Clear();
  // A base picture loaded elsewhere (the composer's working picture).
  void ShowLoaded(const DibCanvas& picture);
  // What the settings choose; a picture that cannot be loaded clears it.
  BasePictureResult ShowChosen(const CalendarSettings& calendar);

  // Always 310 × 232.
  const DibCanvas& Picture() const { return preview_; }
  // Counts every change, so a view can tell that it is out of date.
  unsigned Version() const { return version_; }

 private:
  void Changed() { ++version_; }

  DibCanvas preview_;
  unsigned version_ = 0;
};

// The screen size the base picture is made for.
int WallpaperScreenWidth();
int WallpaperScreenHeight();

// The notice text for a base picture that could not be loaded; empty for
// Loaded and Missing (a missing file is not an error, nothing is drawn).
std::string BasePictureProblem(BasePictureResult result);

}  // namespace tikolvo

#include "reminders/win/wallpaper_preview.h"

namespace tikolvo {

WallpaperPreview::WallpaperPreview() { Clear(); }

int WallpaperScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int WallpaperScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

BasePictureResult WallpaperPreview::ShowPicture(const std::string& path) {
  DibCanvas picture;
  const BasePictureResult result = LoadBasePicture(path, WallpaperScreenWidth(), WallpaperScreenHeight(), picture);
  if (result != BasePictureResult::Loaded) {
    Clear();
    return result;
  }
  StretchIntoPreview(picture, preview_);
  Changed();
  return result;
}

void WallpaperPreview::ShowColour(std::uint32_t colour) {
  DibCanvas picture;
  MakeColourPicture(colour, WallpaperScreenWidth(), WallpaperScreenHeight(), picture);
  StretchIntoPreview(picture, preview_);
  Changed();
}

void WallpaperPreview::ShowLoaded(const DibCanvas& picture) {
  StretchIntoPreview(picture, preview_);
  Changed();
}

void WallpaperPreview::Clear() {
  StretchIntoPreview(DibCanvas{}, preview_);
  Changed();
}

BasePictureResult WallpaperPreview::ShowChosen(const CalendarSettings& calendar) {
  switch (calendar.background) {
    case DesktopBackground::Picture:
      return ShowPicture(calendar.picturePath);
    case DesktopBackground::PlainColour:
      ShowColour(calendar.desktopColour);
      return BasePictureResult::Loaded;
    case DesktopBackground::None:
      break;
  }
  Clear();
  return BasePictureResult::Loaded;
}

std::string BasePictureProblem(BasePictureResult result) {
  switch (result) {
    case BasePictureResult::Unreadable:
      return "Рисунок не удалось прочитать: файл поврежден или это не рисунок JPEG или BMP.";
    case BasePictureResult::TooLarge:
      return "Рисунок слишком велик и не может быть загружен. Уменьшите его или сохраните в формате JPEG.";
    case BasePictureResult::Loaded:
    case BasePictureResult::Missing:
      break;
  }
  return {};
}

}  // namespace tikolvo

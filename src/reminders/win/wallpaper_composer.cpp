#include "reminders/win/wallpaper_composer.h"

#include "common/file_io.h"
#include "common/win/installed_fonts.h"
#include "common/win/message_dialogs.h"
#include "common/win/system_folders.h"
#include "common/win/wide_text.h"
#include "reminders/desktop_calendar.h"
#include "reminders/reminder_drawing.h"
#include "reminders/wallpaper_bitmap.h"
#include "reminders/wallpaper_geometry.h"
#include "reminders/wallpaper_markers.h"
#include "reminders/win/base_picture.h"
#include "reminders/win/wallpaper_preview.h"

namespace tikolvo {
namespace {

constexpr const char* kDefaultReminderFont = "MS Sans Serif";

void Tell(HWND owner, bool modal, const std::string& text) {
  ShowNotice(owner, "Tikolvo", text, modal ? NoticeMode::Modal : NoticeMode::Modeless);
}

std::string ReminderFontName(int index) {
  const std::vector<std::string> fonts = InstalledFontNames();
  return index >= 0 && static_cast<std::size_t>(index) < fonts.size() ? fonts[static_cast<std::size_t>(index)]
                                                                        : kDefaultReminderFont;
}

PixelRect OnPicture(const MarkerBox& marker, const DibCanvas& picture) {
  return MarkerToPicture(marker, kWallpaperPreviewWidth, kWallpaperPreviewHeight, picture.Width(), picture.Height());
}

}  // namespace

bool WallpaperComposer::PictureMissing() const {
  const CalendarSettings& c = store_.settings.calendar;
  return c.background == DesktopBackground::Picture && !FileExists(c.picturePath);
}

void WallpaperComposer::ComposeWallpaper(HWND owner) {
  const CalendarSettings& c = store_.settings.calendar;
  if (c.background == DesktopBackground::None) return;
  if (PictureMissing()) {
    Tell(owner, true,
         "Сначала следует указать рисунок, на котором будет производиться отрисовка (вкладка \"Фон\").");
    return;
  }
  if (!AskConfirmation(owner, "Календарь",
                       "Поместить измененный рисунок на рабочий стол? Внимание! Текущий рисунок рабочего стола "
                       "будет заменен.",
                       "Отмена", "Ок"))
    return;
  if (c.background == DesktopBackground::Picture && IsComposedPicture(c.picturePath) &&
      !AskConfirmation(owner, "Календарь",
                       "Текущий рисунок рабочего стола уже использовался в качестве фона, возможны нежелательные "
                       "наложения текста.",
                       "Отмена", "Продолжить"))
    return;
  Compose(owner, true);
}

void WallpaperComposer::RefreshWallpaperAtStart() {
  const CalendarSettings& c = store_.settings.calendar;
  if (!c.autoRefreshAtStart || c.background == DesktopBackground::None || PictureMissing()) return;
  if (c.background == DesktopBackground::Picture && IsComposedPicture(c.picturePath)) return;
  Compose(nullptr, false);
}

void WallpaperComposer::Compose(HWND owner, bool modal) {
  DibCanvas picture;
  if (!LoadBase(picture, owner, modal)) return;
  if (pictureLoaded) pictureLoaded(picture);
  DrawOnto(picture);
  SaveAndApply(picture, owner, modal);
}

// A picture that cannot be used ends the composition with a notice; the
// wallpaper stays what it was.
bool WallpaperComposer::LoadBase(DibCanvas& picture, HWND owner, bool modal) {
  const CalendarSettings& c = store_.settings.calendar;
  const int width = WallpaperScreenWidth(), height = WallpaperScreenHeight();
  if (c.background == DesktopBackground::PlainColour) {
    MakeColourPicture(c.desktopColour, width, height, picture);
    return picture.Width() > 0;
  }
  const BasePictureResult result = LoadBasePicture(c.picturePath, width, height, picture);
  const std::string problem = BasePictureProblem(result);
  if (!problem.empty()) Tell(owner, modal, problem + "\n" + c.picturePath + "\nРисунок рабочего стола оставлен прежним.");
  return result == BasePictureResult::Loaded;
}

void WallpaperComposer::DrawOnto(DibCanvas& picture) {
  const Settings& s = store_.settings;
  const DateTime today = clock_.Now();
  if (s.calendar.draw) {
    const CalendarSettings& c = s.calendar;
    const PixelRect rect = OnPicture({c.markerLeft, c.markerTop, c.markerWidth, c.markerHeight}, picture);
    DrawCalendar(picture, {picture.Width(), picture.Height()}, MakeCalendarLook(c, store_.context.locale, today), rect);
  }
  if (!s.reminders.draw) return;
  const ReminderTextSettings& m = s.reminders;
  const std::string fontName = ReminderFontName(m.fontIndex);
  const PixelRect rect = OnPicture({m.markerLeft, m.markerTop, kReminderMarkerSide, kReminderMarkerSide}, picture);
  DrawReminders(store_.programFolder + "message.db", picture, ReminderPlacement(m, fontName, rect), m.externalBase,
                ReminderFont(m, fontName), today);
}

bool WallpaperComposer::SaveAndApply(const DibCanvas& picture, HWND owner, bool modal) {
  const std::string path = WindowsFolder() + kComposedWallpaperName;
  const std::string bytes = WallpaperBmpBytes(picture.Width(), picture.Height(), picture.Pixels());
  if (bytes.empty() || !SaveFileAtomically(path, bytes)) {
    Tell(owner, modal, "Не удалось записать рисунок рабочего стола:\n" + path);
    return false;
  }
  std::wstring wide = Widen(path);
  SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, wide.data(), SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
  return true;
}

}  // namespace tikolvo

// The "Фон" page in a plain window: a base picture that cannot be used is
// told in the program's notice, and the current wallpaper, when the program
// drew it, is taken only after the question.
#include "win_test.h"

#include <vector>

#include "reminder_test_support.h"
#include "reminders/wallpaper_geometry.h"
#include "reminders/win/desktop_background_page.h"
#include "settings/win/conf_ids.h"
#include "skin/skin_bytes.h"

namespace tikolvo {
namespace {

using test::Click;
using test::WhenShown;

TEST_CASE("The background page tells a bad picture and asks before taking its own wallpaper") {
  test::ProgramFolder folder;
  SettingsStore app;
  WallpaperPreview preview;
  DesktopBackgroundPage page(app, preview);
  HWND host = test::CreateHostWindow(548, 262);
  REQUIRE(host);
  REQUIRE(page.Create(host, RECT{0, 0, 548, 262}));
  page.Load();
  ShowWindow(page.hwnd(), SW_SHOW);
  CalendarSettings& c = app.settings.calendar;

  // A damaged picture chosen: a notice, and the preview is blank.
  REQUIRE(SaveFileAtomically(folder.File("broken.jpg"), "\xFF\xD8\xFF\xE0 truncated"));
  c.picturePath = folder.File("broken.jpg");
  {
    WhenShown when(L"TF_message", [](HWND d) { Click(GetDlgItem(d, IDOK)); });
    Click(GetDlgItem(page.hwnd(), IDC_RB_DESKTOP_PIC));
    CHECK(when.ran());
  }
  CHECK(c.background == DesktopBackground::Picture);
  CHECK(preview.Picture().PixelAt(100, 100) == 0xFFFFFF);

  // A picture the program composed (the marker at the end of the bottom row).
  std::vector<std::uint32_t> pixels(64 * 8, 0x3060C0);
  pixels[64 * 7 + 61] = ColourToPixel(kComposedMarkRed);
  pixels[64 * 7 + 62] = ColourToPixel(kComposedMarkBlue);
  pixels[64 * 7 + 63] = ColourToPixel(kComposedMarkGreen);
  const std::string composed = folder.File("DeskTopPicture.bmp");
  REQUIRE(SaveFileAtomically(composed, test::Bmp24(64, 8, pixels)));
  {
    WhenShown when(L"TF_message_d", [](HWND d) { Click(GetDlgItem(d, IDCANCEL)); });
    page.TakeWallpaper(composed);
    CHECK(when.ran());
  }
  CHECK(c.picturePath == folder.File("broken.jpg"));
  {
    WhenShown when(L"TF_message_d", [](HWND d) { Click(GetDlgItem(d, IDOK)); });
    page.TakeWallpaper(composed);
    CHECK(when.ran());
  }
  CHECK(c.picturePath == composed);
  CHECK(test::TextOf(GetDlgItem(page.hwnd(), IDC_E_path)) == composed);
  CHECK(preview.Picture().PixelAt(100, 100) == ColourToPixel(0x3060C0));
  DestroyWindow(host);
}

}  // namespace
}  // namespace tikolvo

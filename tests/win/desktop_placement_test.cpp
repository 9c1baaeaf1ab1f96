// The "Положение и размеры" page in a plain window: dragging the markers,
// the knobs' every-second steps and the size edits reach the settings, and
// the markers are drawn where they are.
#include "win_test.h"

#include "handle_counts.h"
#include "reminder_test_support.h"
#include "reminders/win/desktop_placement_page.h"
#include "settings/win/conf_ids.h"

namespace tikolvo {
namespace {

using test::Type;

constexpr int kAreaWidth = 548;
constexpr int kAreaHeight = 262;

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

TEST_CASE("The placement page moves and sizes the markers into the settings") {
  SettingsStore app;
  WallpaperPreview preview;
  preview.ShowColour(0x404040);
  DesktopPlacementPage page(app, preview);
  HWND host = test::CreateHostWindow(kAreaWidth, kAreaHeight);
  REQUIRE(host);
  REQUIRE(page.Create(host, RECT{0, 0, kAreaWidth, kAreaHeight}));
  page.Load();
  ShowWindow(page.hwnd(), SW_SHOW);
  HWND markers = page.Markers().hwnd();
  CalendarSettings& c = app.settings.calendar;

  SUBCASE("a marker follows the mouse by the point it was grabbed at") {
    SendMessageW(markers, WM_LBUTTONDOWN, MK_LBUTTON, At(c.markerLeft + 6, c.markerTop + 6));
    SendMessageW(markers, WM_MOUSEMOVE, MK_LBUTTON, At(100, 60));
    SendMessageW(markers, WM_LBUTTONUP, 0, At(100, 60));
    CHECK(c.markerLeft == 94);
    CHECK(c.markerTop == 54);
    UpdateWindow(markers);
    CHECK(page.Markers().Picture().PixelAt(94, 54) == c.markerColour);
    CHECK(page.Markers().Picture().PixelAt(200, 200) == 0x404040);
    // A double click on the bare preview brings the calendar marker home.
    SendMessageW(markers, WM_LBUTTONDBLCLK, MK_LBUTTON, At(300, 220));
    CHECK(c.markerLeft == 1);
    CHECK(c.markerTop == 1);
    const int remindersTop = app.settings.reminders.markerTop;
    SendMessageW(markers, WM_LBUTTONDOWN, MK_LBUTTON, At(app.settings.reminders.markerLeft + 1, remindersTop + 1));
    SendMessageW(markers, WM_MOUSEMOVE, MK_LBUTTON, At(app.settings.reminders.markerLeft + 1, remindersTop + 11));
    SendMessageW(markers, WM_LBUTTONUP, 0, 0);
    CHECK(app.settings.reminders.markerTop == remindersTop + 10);
  }

  SUBCASE("every second knob step moves the size by one, up and down") {
    const int width = c.markerWidth, knob = c.widthKnob;
    HWND widthKnob = page.WidthKnob().hwnd();
    for (int i = 0; i < 4; ++i) SendMessageW(widthKnob, WM_KEYDOWN, VK_RIGHT, 0);
    CHECK(c.markerWidth == width + 2);
    CHECK(c.widthKnob == knob + 4);
    CHECK(SendMessageW(GetDlgItem(page.hwnd(), IDC_ud1), UDM_GETPOS32, 0, 0) == width + 2);
    for (int i = 0; i < 6; ++i) SendMessageW(widthKnob, WM_KEYDOWN, VK_LEFT, 0);
    CHECK(c.markerWidth == width - 1);
    // Turning and repainting, focused or not, keeps no GDI object.
    UpdateWindow(page.hwnd());
    const long before = test::CountGuiHandles().gdi;
    for (int i = 0; i < 20; ++i) {
      SetFocus(i % 2 ? widthKnob : page.HeightKnob().hwnd());
      SendMessageW(widthKnob, WM_KEYDOWN, VK_PRIOR, 0);
      RedrawWindow(page.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    CHECK(test::CountGuiHandles().gdi == before);
    const int height = c.markerHeight;
    SendMessageW(page.HeightKnob().hwnd(), WM_KEYDOWN, VK_END, 0);
    SendMessageW(page.HeightKnob().hwnd(), WM_KEYDOWN, VK_END, 0);  // the same place again counts as down
    CHECK(c.markerHeight == height - 1);
  }

  SUBCASE("a size edit takes digits only and applies its number on Enter") {
    HWND edit = GetDlgItem(page.hwnd(), IDC_E_1);
    Type(edit, "1x2-0");
    CHECK(test::TextOf(edit) == "120");
    CHECK(c.markerWidth == 57);
    SendMessageW(edit, WM_CHAR, L'\r', 1);
    CHECK(c.markerWidth == 120);
    CHECK(page.Markers().layout.calendar.width == 120);
    Type(edit, "0");
    SendMessageW(edit, WM_CHAR, L'\r', 1);
    CHECK(c.markerWidth == 120);
    Type(edit, "999");
    SendMessageW(edit, WM_CHAR, L'\r', 1);
    CHECK(c.markerWidth == kMarkerWidthMax);
  }
  DestroyWindow(host);
}

}  // namespace
}  // namespace tikolvo

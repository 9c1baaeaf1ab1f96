#include "reminders/win/desktop_page.h"

#include "settings/win/conf_ids.h"

namespace tikolvo {

DesktopPage::DesktopPage(SettingsStore& store, WallpaperComposer& composer)
    : NotebookPage(store, {"Рабочий стол", L"CONF_PAGE_DESKTOP"}, IDC_TN_cal,
                   [](Settings& s) -> int& { return s.calendar.page; }),
      composer_(composer) {}

bool DesktopPage::MenuCommand(int id) {
  if (id != IDM_desk_refresh) return false;
  composer_.ComposeWallpaper(GetAncestor(hwnd(), GA_ROOT));
  return true;
}

// B_paint_calendareClick asks first; Button6Click (hidden) does what the
// start does.
bool DesktopPage::Command(int id, int code) {
  if (code != BN_CLICKED) return false;
  if (id == IDC_B_paint_calendare) {
    composer_.ComposeWallpaper(GetAncestor(hwnd(), GA_ROOT));
    return true;
  }
  if (id == IDC_Button6) {
    composer_.RefreshWallpaperAtStart();
    return true;
  }
  return false;
}

}  // namespace tikolvo

#include "reminders/win/desktop_background_page.h"

#include <shellapi.h>

#include "common/file_io.h"
#include "common/win/dialog_pages.h"
#include "common/win/file_dialogs.h"
#include "common/win/message_dialogs.h"
#include "common/win/wide_text.h"
#include "settings/win/autorun_win.h"
#include "settings/win/conf_ids.h"

namespace tikolvo {
namespace {

#define COLOUR(expr) [](Settings& s) -> Colour& { return s.expr; }

const ColourBinding kBackgroundColours[] = {
    {IDC_CBCOLORCAL, COLOUR(calendar.desktopColour)},
};

#undef COLOUR

constexpr int kPictureControls[] = {IDC_L_path, IDC_E_path, IDC_B_Brows, IDC_SpeedButton3, IDC_BB_find_mus};
constexpr int kColourControls[] = {IDC_L_desktop_colour, IDC_CBCOLORCAL};

constexpr char kPictureFilter[] =
    "Support (*.jpeg;*.jpg;*.bmp)|*.jpeg;*.jpg;*.bmp|JPG|*.jpeg;*.jpg|Bitmap (*.bmp)|*.bmp";

DesktopBackground BackgroundOf(int radioId) {
  return radioId == IDC_RB_DESKTOP_NONE  ? DesktopBackground::None
         : radioId == IDC_RB_DESKTOP_PIC ? DesktopBackground::Picture
                                         : DesktopBackground::PlainColour;
}

}  // namespace

std::string CurrentWallpaperPath() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    return {};
  }
  wchar_t value[MAX_PATH + 1] = {};
  DWORD bytes = sizeof(value) - sizeof(wchar_t);  // room for the terminator the value may lack
  DWORD type = 0;
  const LONG status = RegQueryValueExW(key, L"Wallpaper", nullptr, &type, reinterpret_cast<BYTE*>(value), &bytes);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return {};
  value[bytes / sizeof(wchar_t)] = L'\0';
  return Narrow(value);
}

DesktopBackgroundPage::DesktopBackgroundPage(SettingsStore& store, WallpaperPreview& preview)
    : TemplatePage(store, {"Фон", L"CONF_DESK_BACKGROUND", {}, kBackgroundColours}), preview_(preview) {}

void DesktopBackgroundPage::Created() { SendMessageW(Item(IDC_E_path), EM_LIMITTEXT, MAX_PATH, 0); }

// Loading shows the preview too, quietly: the settings were read at start,
// and a picture that has gone bad is told when it is used.
void DesktopBackgroundPage::LoadControls() {
  const CalendarSettings& c = settings().calendar;
  SetControlText(Item(IDC_E_path), c.picturePath);
  SetChecked(Item(IDC_RB_DESKTOP_NONE), c.background == DesktopBackground::None);
  SetChecked(Item(IDC_RB_DESKTOP_PIC), c.background == DesktopBackground::Picture);
  SetChecked(Item(IDC_RB_DESKTOP_COLOR), c.background == DesktopBackground::PlainColour);
  ShowControlsFor(c.background);
  Preview(false);
}

void DesktopBackgroundPage::ShowControlsFor(DesktopBackground background) {
  for (const int id : kPictureControls) ShowWindow(Item(id), background == DesktopBackground::Picture ? SW_SHOW : SW_HIDE);
  for (const int id : kColourControls) {
    ShowWindow(Item(id), background == DesktopBackground::PlainColour ? SW_SHOW : SW_HIDE);
  }
}

void DesktopBackgroundPage::Preview(bool tell) {
  const CalendarSettings& c = settings().calendar;
  BasePictureResult result = BasePictureResult::Loaded;
  if (c.background == DesktopBackground::Picture && !FileExists(c.picturePath)) {
    preview_.Clear();
  } else {
    result = preview_.ShowChosen(c);
  }
  InvalidateRect(Item(IDC_I_desk_preview), nullptr, FALSE);
  const std::string problem = BasePictureProblem(result);
  if (tell && !problem.empty()) ShowNotice(hwnd(), "Tikolvo", problem);
}

bool DesktopBackgroundPage::Command(int id, int code) {
  switch (id) {
    case IDC_E_path:
      if (code == EN_CHANGE) settings().calendar.picturePath = ControlText(Item(id));
      return true;
    case IDC_RB_DESKTOP_NONE:
    case IDC_RB_DESKTOP_PIC:
    case IDC_RB_DESKTOP_COLOR:
      if (code == BN_CLICKED) RB_DESKTOP_PICClick(id);
      return true;
    case IDC_B_Brows:
      if (code == BN_CLICKED) B_BrowsClick();
      return true;
    case IDC_SpeedButton3:
      if (code == BN_CLICKED) SpeedButton3Click();
      return true;
    case IDC_BB_find_mus:
      if (code == BN_CLICKED) BB_find_musClick();
      return true;
    default:
      return false;
  }
}

void DesktopBackgroundPage::RB_DESKTOP_PICClick(int id) {
  settings().calendar.background = BackgroundOf(id);
  ShowControlsFor(settings().calendar.background);
  Preview(true);
}

void DesktopBackgroundPage::B_BrowsClick() {
  DialogFolder folder;
  const auto chosen = ChooseFileToOpen(hwnd(), kPictureFilter, folder);
  if (!chosen) return;
  SetControlText(Item(IDC_E_path), *chosen);  // stores the path through EN_CHANGE
  settings().calendar.picturePath = *chosen;
  Preview(true);
}

void DesktopBackgroundPage::SpeedButton3Click() { TakeWallpaper(CurrentWallpaperPath()); }

void DesktopBackgroundPage::TakeWallpaper(const std::string& path) {
  if (IsComposedPicture(path) &&
      !AskConfirmation(hwnd(), "Календарь",
                       "Текущий рисунок рабочего стола уже использовался в качестве фона данной программой, "
                       "возможны нежелательные наложения текста.",
                       "Отмена", "Продолжить")) {
    return;
  }
  SetControlText(Item(IDC_E_path), path);
  settings().calendar.picturePath = path;
  Preview(true);
}

// The system's file search window. A shell without the DDE service (newer
// systems, Wine) gets the shell's "find" verb instead; when neither is there
// nothing happens.
void DesktopBackgroundPage::BB_find_musClick() {
  if (ExecuteDdeCommand(L"Folders", L"AppProperties", "[FindFolder(, C:\\)]")) return;
  ShellExecuteW(hwnd(), L"find", L"C:\\", nullptr, nullptr, SW_SHOWNORMAL);
}

void DesktopBackgroundPage::ColourChanged(int id) {
  if (id == IDC_CBCOLORCAL && settings().calendar.background == DesktopBackground::PlainColour) Preview(true);
}

bool DesktopBackgroundPage::DrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlID != IDC_I_desk_preview) return false;
  const RECT& box = item.rcItem;
  const DibCanvas& picture = preview_.Picture();
  SetStretchBltMode(item.hDC, HALFTONE);
  SetBrushOrgEx(item.hDC, 0, 0, nullptr);
  StretchBlt(item.hDC, box.left, box.top, box.right - box.left, box.bottom - box.top, picture.dc(), 0, 0,
             picture.Width(), picture.Height(), SRCCOPY);
  return true;
}

}  // namespace tikolvo

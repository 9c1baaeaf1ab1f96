#include "reminders/win/desktop_background_page.h"

#include <commctrl.h>

#include "common/win/dialog_pages.h"
#include "common/win/wide_text.h"
#include "settings/win/conf_ids.h"

namespace tikolvo {
namespace {

#define COLOUR(expr) [](Settings& s) -> Colour& { return s.expr; }

const ColourBinding kBackgroundColours[] = {
    {IDC_CBCOLORCAL, COLOUR(calendar.desktopColour)},
};

#undef COLOUR

}  // namespace

DesktopBackgroundPage::DesktopBackgroundPage(SettingsStore& store)
    : TemplatePage(store, {"Фон", L"CONF_DESK_BACKGROUND", {}, kBackgroundColours}) {}

void DesktopBackgroundPage::Created() { SendMessageW(Item(IDC_E_path), EM_LIMITTEXT, MAX_PATH, 0); }

void DesktopBackgroundPage::LoadControls() {
  const CalendarSettings& c = settings().calendar;
  SetControlText(Item(IDC_E_path), c.picturePath);
  SetChecked(Item(IDC_RB_DESKTOP_NONE), c.background == DesktopBackground::None);
  SetChecked(Item(IDC_RB_DESKTOP_PIC), c.background == DesktopBackground::Picture);
  SetChecked(Item(IDC_RB_DESKTOP_COLOR), c.background == DesktopBackground::PlainColour);
}

bool DesktopBackgroundPage::Command(int id, int code) {
  CalendarSettings& c = settings().calendar;
  switch (id) {
    case IDC_E_path:
      if (code == EN_CHANGE) c.picturePath = ControlText(Item(id));
      return true;
    case IDC_RB_DESKTOP_NONE:
    case IDC_RB_DESKTOP_PIC:
    case IDC_RB_DESKTOP_COLOR:
      if (code == BN_CLICKED)
        c.background = id == IDC_RB_DESKTOP_NONE  ? DesktopBackground::None
                       : id == IDC_RB_DESKTOP_PIC ? DesktopBackground::Picture
                                                  : DesktopBackground::PlainColour;
      return true;
    default:
      return false;
  }
}

}  // namespace tikolvo

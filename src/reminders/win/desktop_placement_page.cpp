#include "reminders/win/desktop_placement_page.h"

#include <commctrl.h>

#include "settings/win/conf_ids.h"

namespace tikolvo {
namespace {

constexpr int kMarkerSpins[][3] = {{IDC_ud1, 10, 312}, {IDC_ud2, 10, 232}};

}  // namespace

DesktopPlacementPage::DesktopPlacementPage(SettingsStore& store)
    : TemplatePage(store, {"Положение и размеры", L"CONF_DESK_PLACEMENT"}) {}

void DesktopPlacementPage::Created() {
  for (const auto& spin : kMarkerSpins) SendMessageW(Item(spin[0]), UDM_SETRANGE32, spin[1], spin[2]);
}

void DesktopPlacementPage::LoadControls() {
  SendMessageW(Item(IDC_ud1), UDM_SETPOS32, 0, settings().calendar.markerWidth);
  SendMessageW(Item(IDC_ud2), UDM_SETPOS32, 0, settings().calendar.markerHeight);
}

bool DesktopPlacementPage::Command(int id, int code) {
  if (id != IDC_E_1 && id != IDC_E_2) return false;
  if (code == EN_CHANGE) {
    const int value = static_cast<int>(SendMessageW(Item(id == IDC_E_1 ? IDC_ud1 : IDC_ud2), UDM_GETPOS32, 0, 0));
    (id == IDC_E_1 ? settings().calendar.markerWidth : settings().calendar.markerHeight) = value;
  }
  return true;
}

}  // namespace tikolvo

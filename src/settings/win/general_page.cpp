#include "settings/win/general_page.h"

#include <commctrl.h>

#include <algorithm>

#include "common/win/dialog_pages.h"
#include "settings/autorun.h"
#include "settings/panel_menu_items.h"
#include "settings/win/autorun_win.h"
#include "settings/win/conf_ids.h"

namespace tikolvo {
namespace {

#define FIELD(expr) [](Settings& s) -> bool& { return s.expr; }

const CheckBinding kGeneralChecks[] = {
    {IDC_CB_LOG_ON, FIELD(inter.logConnections)},
};

const CheckBinding kSystemChecks[] = {
    {IDC_CB_MONITOR_IP, FIELD(log.monitorConnections)},
    {IDC_CB_AUTO_HIDE_start, FIELD(inter.startMinimised)},
    {IDC_CBTray, FIELD(showTaskbarClock)},
};

const CheckBinding kPositionChecks[] = {
    {IDC_CB_AUTO_HIDE, FIELD(inter.autoHide)},
    {IDC_CBW, FIELD(inter.stickyWindow)},
    {IDC_CB_Display, FIELD(inter.keepOnScreen)},
    {IDC_CB_zak_g_wind, FIELD(inter.pinWindow)},
};

const CheckBinding kPanelMenuChecks[] = {
    {IDC_CB_Config_panel, FIELD(inter.panelMenuInTrayMenu)},
    {IDC_CB_PAINT_MENU, FIELD(inter.gradientMenus)},
};

const CheckBinding kLookChecks[] = {
    {IDC_CB_COLOR_STR, FIELD(inter.ownHandColours)},
    {IDC_CB_old_skins, FIELD(inter.oldSkins)},
};

#undef FIELD

// Hand colours stay empty (the skin decides) until the user picks one.
HandColours& OwnColours(Settings& s) {
  if (!s.inter.handColours) s.inter.handColours = HandColours{};
  return *s.inter.handColours;
}

const ColourBinding kLookColours[] = {
    {IDC_ColorBoxbasic, [](Settings& s) -> Colour& { return OwnColours(s).basic; }},
    {IDC_ColorBoxSec, [](Settings& s) -> Colour& { return OwnColours(s).second; }},
    {IDC_ColorBoxTimer, [](Settings& s) -> Colour& { return OwnColours(s).timer; }},
};

bool IsPanelItem(int id) {
  return id >= IDC_CB_men_first && id < IDC_CB_men_first + static_cast<int>(kPanelMenuItemCount);
}

}  // namespace

GeneralPage::GeneralPage(SettingsStore& store)
    : NotebookPage(store, {"Настройки", L"CONF_PAGE_SETTINGS", kGeneralChecks}, IDC_TN_sys) {}

// ---------------------------------------------------------------- Системные

SystemPage::SystemPage(SettingsStore& store, PageHost& host, std::string exePath)
    : TemplatePage(store, {"Системные", L"CONF_SYS_SYSTEM", kSystemChecks}), host_(host), exePath_(std::move(exePath)) {}

// Also brings back a taskbar clock that an earlier run left hidden.
void SystemPage::Created() { ShowTaskbarClock(settings().showTaskbarClock); }

bool SystemPage::MenuCommand(int id) {
  if (id != IDM_stat_) return false;
  ToggleCheck(IDC_CB_MONITOR_IP);
  return true;
}

void SystemPage::CheckChanged(int id, bool on) {
  if (id == IDC_CBTray) ShowTaskbarClock(on);
  if (id == IDC_CB_MONITOR_IP && monitoringSwitched) monitoringSwitched(on);
  if (id == IDC_CB_LOG_ON && loggingSwitched) loggingSwitched(on);
}

bool SystemPage::Command(int id, int code) {
  if (code != BN_CLICKED) return false;
  if (id == IDC_bauloLoad) bauloLoadClick();
  else if (id == IDC_Button1) Button1Click();
  else return false;
  return true;
}

void SystemPage::bauloLoadClick() {
  WindowConfirmer confirmer(host_.window());
  WinRunKeyRegistry registry;
  WinProgmanDde dde;
  AddToAutorun(exePath_, confirmer, registry, dde);
}

void SystemPage::Button1Click() {
  WindowConfirmer confirmer(host_.window());
  WinRunKeyRegistry registry;
  RemoveFromAutorun(confirmer, registry);
}

void ShowTaskbarClock(bool show) {
  HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
  HWND notify = tray ? FindWindowExW(tray, nullptr, L"TrayNotifyWnd", nullptr) : nullptr;
  HWND clock = notify ? FindWindowExW(notify, nullptr, L"TrayClockWClass", nullptr) : nullptr;
  if (!clock) return;
  ShowWindow(clock, show ? SW_SHOWNORMAL : SW_HIDE);
  InvalidateRect(clock, nullptr, TRUE);
}

// ---------------------------------------------------------------- Положение

PositionPage::PositionPage(SettingsStore& store, ClockWindowOptions& clock)
    : TemplatePage(store, {"Положение", L"CONF_SYS_POSITION", kPositionChecks}), clock_(clock) {}

void PositionPage::LoadControls() {
  const InterfaceSettings& inter = settings().inter;
  const StackingMode mode = StackingFromFlags(inter.stackTopmost, inter.stackNeutral, inter.stackBottommost);
  SetChecked(Item(IDC_CB_UP), mode == StackingMode::Topmost);
  SetChecked(Item(IDC_CB_baraban), mode == StackingMode::Neutral);
  SetChecked(Item(IDC_CB_Down), mode == StackingMode::Bottommost);
}

void PositionPage::CheckChanged(int id, bool on) {
  switch (id) {
    case IDC_CB_AUTO_HIDE: clock_.SetAutoHide(on, true); break;
    case IDC_CBW: clock_.SetSticky(on); break;
    case IDC_CB_zak_g_wind: clock_.SetPinned(on, true); break;
    default: break;
  }
}

bool PositionPage::Command(int id, int code) {
  if (id != IDC_CB_UP && id != IDC_CB_baraban && id != IDC_CB_Down) return false;
  if (code == BN_CLICKED) StackingClick(id);
  return true;
}

bool PositionPage::MenuCommand(int id) {
  switch (id) {
    case IDM_view_top: StackingClick(IDC_CB_UP); return true;
    case IDM_view_neutral: StackingClick(IDC_CB_baraban); return true;
    case IDM_view_bottom: StackingClick(IDC_CB_Down); return true;
    case IDM_view_autohide: ToggleCheck(IDC_CB_AUTO_HIDE); return true;
    case IDM_view_sticky: ToggleCheck(IDC_CBW); return true;
    case IDM_view_pin: ToggleCheck(IDC_CB_zak_g_wind); return true;
    default: return false;
  }
}

// A radio may also be chosen without a click on it (from the keyboard or by
// a command), so the group is set here as well.
void PositionPage::StackingClick(int id) {
  for (int radio : {IDC_CB_UP, IDC_CB_baraban, IDC_CB_Down}) SetChecked(Item(radio), radio == id);
  const StackingMode mode = id == IDC_CB_UP     ? StackingMode::Topmost
                            : id == IDC_CB_Down ? StackingMode::Bottommost
                                                : StackingMode::Neutral;
  clock_.ChooseStacking(mode);
}

// ---------------------------------------------------------------- Меню

PanelMenuPage::PanelMenuPage(SettingsStore& store)
    : TemplatePage(store, {"Меню", L"CONF_SYS_MENU", kPanelMenuChecks}) {}

void PanelMenuPage::LoadControls() {
  for (int i = 0; i < static_cast<int>(kPanelMenuItemCount); ++i)
    SetChecked(Item(IDC_CB_men_first + i), settings().panelMenuVisible[static_cast<std::size_t>(i)]);
}

bool PanelMenuPage::Command(int id, int code) {
  if (IsPanelItem(id)) {
    if (code == BN_CLICKED) PanelItemClick(id);
    return true;
  }
  if (code != BN_CLICKED || (id != IDC_B_fil_men && id != IDC_B_cl_men)) return false;
  SetAllPanelItems(id == IDC_B_fil_men);
  return true;
}

void PanelMenuPage::PanelItemClick(int id) {
  const std::size_t index = static_cast<std::size_t>(id - IDC_CB_men_first);
  bool on = IsChecked(Item(id));
  // Where the tool does not exist its item can never be shown.
  if (index == kMsconfigItemIndex && !store().context.msconfigAllowed && on) {
    on = false;
    SetChecked(Item(id), false);
  }
  settings().panelMenuVisible[index] = on;
}

void PanelMenuPage::SetAllPanelItems(bool on) {
  for (int i = 0; i < static_cast<int>(kPanelMenuItemCount); ++i) {
    SetChecked(Item(IDC_CB_men_first + i), on);
    PanelItemClick(IDC_CB_men_first + i);
  }
}

// ---------------------------------------------------------------- Внешний вид

LookPage::LookPage(SettingsStore& store, ClockWindowOptions& clock)
    : TemplatePage(store, {"Внешний вид", L"CONF_SYS_LOOK", kLookChecks, kLookColours}), clock_(clock) {}

void LookPage::Created() {
  AddComboItems(Item(IDC_CB_qual), {"Обычная отрисовка", "Полная отрисовка"});
  SendMessageW(Item(IDC_TBTRANS), TBM_SETRANGE, FALSE, MAKELPARAM(1, 255));
  SendMessageW(Item(IDC_TBTRANS), TBM_SETTICFREQ, 5, 0);
}

void LookPage::LoadControls() {
  // Unless the user's own colours are in force, the boxes start from the
  // colours the face wears now, so ticking "own colours" changes nothing
  // until a box is changed.
  InterfaceSettings& inter = settings().inter;
  if (!inter.ownHandColours || !inter.handColours) inter.handColours = clock_.CurrentHandColours();
  SelectComboItem(Item(IDC_CB_qual), std::clamp(settings().inter.handQuality, 0, 1));
  SendMessageW(Item(IDC_TBTRANS), TBM_SETPOS, TRUE, settings().inter.opacity);
}

bool LookPage::Command(int id, int code) {
  if (id != IDC_CB_qual) return false;
  if (code == CBN_SELCHANGE) settings().inter.handQuality = ComboSelection(Item(id));
  return true;
}

void LookPage::Scrolled(HWND control) {
  if (control == Item(IDC_TBTRANS)) clock_.trans(static_cast<int>(SendMessageW(control, TBM_GETPOS, 0, 0)));
}

void LookPage::CheckChanged(int id, bool) {
  if (id == IDC_CB_COLOR_STR) ApplyHandColours();
}

void LookPage::ColourChanged(int) { ApplyHandColours(); }

// With own colours on, the colour boxes decide the hands at once; with them
// off the skin's colours come back with the next skin load.
void LookPage::ApplyHandColours() {
  const InterfaceSettings& inter = settings().inter;
  if (!inter.ownHandColours) return;
  const HandColours colours = inter.handColours.value_or(HandColours{});
  clock_.SetHandColours(colours.basic, colours.second, colours.timer);
}

}  // namespace tikolvo

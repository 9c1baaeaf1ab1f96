// The settings window's main menu: its commands, the check marks it shows,
// and the scheduler items that name the selected task.
#include "settings/win/form_conf.h"

#include "scheduler/win/scheduler_page.h"

#include <commctrl.h>

#include "app/win/main_form.h"
#include "common/win/wide_text.h"

namespace tikolvo {
namespace {

// False when the item already reads so.
bool SetMenuCaption(HMENU menu, UINT id, const std::string& caption) {
  std::wstring text = Widen(caption);
  wchar_t shown[256] = L"";
  GetMenuStringW(menu, id, shown, 256, MF_BYCOMMAND);
  if (text == shown) return false;
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STRING;
  info.dwTypeData = text.data();
  SetMenuItemInfoW(menu, id, FALSE, &info);
  return true;
}

void CheckItem(HMENU menu, UINT id, bool on) { CheckMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED)); }

}  // namespace

// The scheduler items name the task selected in the scheduler list.
void TFormConf::FormShow() {
  if (!menu_) return;
  const std::string name = scheduler_ ? scheduler_->SelectedTaskName() : std::string();
  const std::string quoted = "\"" + name + "\"";
  const bool editChanged =
      SetMenuCaption(menu_, IDM_plan_edit, name.empty() ? "Редактировать задание" : "Редактировать задание " + quoted);
  const bool deleteChanged =
      SetMenuCaption(menu_, IDM_plan_del, name.empty() ? "Удалить задание" : "Удалить задание " + quoted);
  // The drawn captions are copies: they follow only a real change, since
  // every selection change in the task list comes here.
  if (editChanged || deleteChanged) menuStyle_.ApplyToDropDowns(menu_, app_.settings.inter.gradientMenus);
}

void TFormConf::UpdateMenuChecks(HMENU) {
  const Settings& s = app_.settings;
  const StackingMode mode = StackingFromFlags(s.inter.stackTopmost, s.inter.stackNeutral, s.inter.stackBottommost);
  const UINT stacking = mode == StackingMode::Topmost      ? IDM_view_top
                        : mode == StackingMode::Bottommost ? IDM_view_bottom
                                                           : IDM_view_neutral;
  CheckMenuRadioItem(menu_, IDM_view_top, IDM_view_bottom, stacking, MF_BYCOMMAND);
  CheckItem(menu_, IDM_view_autohide, s.inter.autoHide);
  CheckItem(menu_, IDM_view_sticky, s.inter.stickyWindow);
  CheckItem(menu_, IDM_view_pin, s.inter.pinWindow);
  CheckItem(menu_, IDM_stat_, s.log.monitorConnections);
}

void TFormConf::OnMenuCommand(int id) {
  auto toggle = [this](int box) {
    SetChecked(Item(box), !IsChecked(Item(box)));
    OnBoundControl(box, BN_CLICKED);
  };
  switch (id) {
    case IDM_view_top: StackingClick(IDC_CB_UP); break;
    case IDM_view_neutral: StackingClick(IDC_CB_baraban); break;
    case IDM_view_bottom: StackingClick(IDC_CB_Down); break;
    case IDM_view_autohide: toggle(IDC_CB_AUTO_HIDE); break;
    case IDM_view_sticky: toggle(IDC_CBW); break;
    case IDM_view_pin: toggle(IDC_CB_zak_g_wind); break;
    case IDM_desk_fon: ShowPage(kConfDesktopPage, 0); break;
    case IDM_desk_cal: ShowPage(kConfDesktopPage, 1); break;
    case IDM_desk_mess: ShowPage(kConfDesktopPage, 2); break;
    case IDM_desk_pos: ShowPage(kConfDesktopPage, 3); break;
    case IDM_desk_refresh: if (hooks_.composeWallpaper) hooks_.composeWallpaper(); break;
    case IDM_plan_add:
      ShowPage(kConfSchedulerPage);
      SchedulerCommand(id);
      break;
    case IDM_plan_edit:
    case IDM_plan_del:
    case IDM_plan_del_all:
      SchedulerCommand(id);
      break;
    case IDM_stat_log: ShowPage(kConfStatisticsPage, 0); break;
    case IDM_stat_conn: ShowPage(kConfStatisticsPage, 1); break;
    case IDM_stat_work: ShowPage(kConfStatisticsPage, 2); break;
    case IDM_stat_: toggle(IDC_CB_MONITOR_IP); break;
    case IDM_about: ShowPage(kConfAboutPage); break;
    default: break;
  }
}

}  // namespace tikolvo

// The main window's window menu, tray menu, tray icon events and power button.
#include "app/win/main_menu.h"

#include <utility>

#include "app/win/main_form.h"
#include "app/win/system_menu.h"
#include "common/win/message_dialogs.h"
#include "settings/power_config.h"

namespace tikolvo {
namespace {

constexpr char kQuestionCaption[] = "Tikolvo: Вопрос";

}  // namespace

MenuConditions MainForm::MenuConditionsNow() const {
  MenuConditions conditions;
  conditions.msconfigSupported = store_.context.msconfigAllowed;
  conditions.schedulerSoundPlaying = sounds_.playing();
  return conditions;
}

void MainForm::SetLaunchers(LauncherHost& launchers) {
  launchers_ = &launchers;
  menuStyle_.SetPictureLookup(
      [&launchers](UINT command, HMENU submenu) { return launchers.PictureOf(command, submenu); });
}

// Every menu is made when it opens, so the launchers' folder entries and
// the tray's launcher copies are read afresh each time, and the styling is
// applied to what was just made.
HMENU MainForm::BuildMenu(MainMenuKind kind) {
  const MenuConditions conditions = MenuConditionsNow();
  HMENU menu = nullptr;
  switch (kind) {
    case MainMenuKind::Programs:
    case MainMenuKind::Web:
      if (!launchers_) return CreatePopupMenu();
      menu = launchers_->MakePopup(kind == MainMenuKind::Web ? LauncherKind::kWeb : LauncherKind::kPrograms);
      break;
    case MainMenuKind::Tray:
      menu = BuildPopupMenu(TrayMenuLines(store_.settings, conditions));
      if (launchers_) launchers_->InsertTrayCopies(menu);
      break;
    case MainMenuKind::Window: menu = BuildPopupMenu(WindowMenuLines(store_.settings, conditions)); break;
  }
  menuStyle_.Apply(menu, store_.settings.inter.gradientMenus);
  return menu;
}

void MainForm::PopupMenu(MainMenuKind kind, POINT screen, UINT alignment) {
  hint_.Hide();
  HMENU menu = BuildMenu(kind);
  menuOpen_ = true;
  const Command chosen = TrackMenu(hwnd(), menu, screen, alignment, &chosenWithRightButton_);
  menuOpen_ = false;
  DestroyMenu(menu);
  if (chosen != Command::None) RunCommand(chosen);
}

void MainForm::ShowContextMenu(POINT screen) {
  if (screen.x == -1 && screen.y == -1) GetCursorPos(&screen);  // opened from the keyboard
  PopupMenu(MainMenuKind::Window, screen);
}

void MainForm::OnTrayEvent(UINT mouseMessage) {
  POINT cursor;
  switch (mouseMessage) {
    case WM_LBUTTONDOWN: TrayIcon1Click(); break;
    case WM_RBUTTONUP:
      GetCursorPos(&cursor);
      PopupMenu(MainMenuKind::Tray, cursor);
      break;
  }
}

void MainForm::TrayIcon1Click() { TrayRestoreApp(); }

void MainForm::OnTaskbarCreated() {
  tray_.Readd();
}

// The tray's sound stop: the program's sound stops and its stop controls hide.
void MainForm::N32Click() { sounds_.StopSound(); }

void MainForm::btpower1Click() {
  const PowerButtonAction action = ReadPowerButtonActionFile(store_.programFolder + "config.ini");
  if (action == PowerButtonAction::None) return;
  if (!AskConfirmation(hwnd(), kQuestionCaption, PowerButtonQuestion(action), "Нет", "Да")) return;
  commands_.RunPowerAction(action);
}

void MainForm::RunCommand(Command command) {
  const UINT id = static_cast<UINT>(command);
  if (launchers_ && launchers_->Owns(id)) {
    launchers_->Run(id, std::exchange(chosenWithRightButton_, false), hwnd());
    return;
  }
  if (RunLauncher(command)) return;
  const InterfaceSettings& inter = store_.settings.inter;
  switch (command) {
    case Command::StackTopmost: ChooseStacking(StackingMode::Topmost); break;
    case Command::StackNeutral: ChooseStacking(StackingMode::Neutral); break;
    case Command::StackBottommost: ChooseStacking(StackingMode::Bottommost); break;
    case Command::AutoHide: SetAutoHide(!inter.autoHide, true); break;
    case Command::Sticky: SetSticky(!inter.stickyWindow); break;
    case Command::Pin: SetPinned(!inter.pinWindow, true); break;
    case Command::Minimize: MinimizeApp(); break;
    case Command::Exit: PostMessageW(hwnd(), WM_CLOSE, 0, 0); break;
    case Command::Restore: TrayRestoreApp(); break;
    case Command::Settings: commands_.OpenSettings(); break;
    case Command::Scheduler: commands_.OpenScheduler(); break;
    case Command::StopSchedulerSound: N32Click(); break;
    case Command::HangUp: commands_.HangUpAll(); break;
    default: break;  // submenu heads and the never-shown skin item
  }
}

// Lets the end-to-end tests read a menu exactly as it would be shown.
LRESULT MainForm::DescribeMenuTo(MainMenuKind kind, HWND receiver) {
  HMENU menu = BuildMenu(kind);
  const std::wstring text = DescribeMenu(menu);
  DestroyMenu(menu);
  COPYDATASTRUCT data{};
  data.dwData = static_cast<ULONG_PTR>(kind);
  data.cbData = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  data.lpData = const_cast<wchar_t*>(text.data());
  return SendMessageW(receiver, WM_COPYDATA, reinterpret_cast<WPARAM>(hwnd()), reinterpret_cast<LPARAM>(&data));
}

}  // namespace tikolvo

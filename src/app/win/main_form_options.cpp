// The main window's options (opacity, auto-hide, pinning, sticky edges) and
// its right-click menu.
#include "app/win/main_form.h"

#include "app/win/layered.h"
#include "reminders/win/message_dialogs.h"

namespace tikolvo {
namespace {

constexpr char kNoticeCaption[] = "Tikolvo: Уведомление";
constexpr char kAutoHideNotice[] = "Игнорирование автоскрытия осуществляется путем зажатия клавиши Shift";
constexpr char kPinNotice[] =
    "Игнорирование закрепления окна осуществляется путем зажатия клавиши Shift. "
    "Т.е. зажав Shift можно передвинуть закрепленное окно.";

void ShowOptionNotice(HWND owner, const char* text) { ShowNotice(owner, kNoticeCaption, text); }

Command StackingCommand(StackingMode mode) {
  switch (mode) {
    case StackingMode::Topmost: return Command::StackTopmost;
    case StackingMode::Bottommost: return Command::StackBottommost;
    default: return Command::StackNeutral;
  }
}

}  // namespace

void MainForm::trans(int alpha) {
  app_.settings.inter.opacity = alpha;
  if (!hwnd()) return;
  // A per-pixel-alpha face keeps the opacity with its picture.
  if (face_.layered()) {
    face_.Push(hwnd(), alpha);
    return;
  }
  SetWindowOpacity(hwnd(), alpha, keyColour_);
}

void MainForm::SetAutoHide(bool on, bool byUser) {
  app_.settings.inter.autoHide = on;
  if (on && byUser) ShowOptionNotice(hwnd(), kAutoHideNotice);
}

void MainForm::SetPinned(bool on, bool byUser) {
  app_.settings.inter.pinWindow = on;
  if (on && byUser) ShowOptionNotice(hwnd(), kPinNotice);
}

void MainForm::SetSticky(bool on) { app_.settings.inter.stickyWindow = on; }

void MainForm::ShowContextMenu(POINT screen) {
  hint_.Hide();
  if (screen.x == -1 && screen.y == -1) GetCursorPos(&screen);  // opened from the keyboard
  const InterfaceSettings& inter = app_.settings.inter;
  const MenuState state{StackingCommand(stacking_.mode()), inter.autoHide, inter.stickyWindow, inter.pinWindow};
  HMENU menu = BuildMainMenu(state);
  // The window must be in front, or the menu would not close on a click elsewhere.
  SetForegroundWindow(hwnd());
  TrackPopupMenu(menu, TPM_RIGHTBUTTON, screen.x, screen.y, 0, hwnd(), nullptr);
  PostMessageW(hwnd(), WM_NULL, 0, 0);
  DestroyMenu(menu);
}

void MainForm::RunCommand(Command command) {
  const InterfaceSettings& inter = app_.settings.inter;
  switch (command) {
    case Command::StackTopmost: ChooseStacking(StackingMode::Topmost); break;
    case Command::StackNeutral: ChooseStacking(StackingMode::Neutral); break;
    case Command::StackBottommost: ChooseStacking(StackingMode::Bottommost); break;
    case Command::AutoHide: SetAutoHide(!inter.autoHide, true); break;
    case Command::Sticky: SetSticky(!inter.stickyWindow); break;
    case Command::Pin: SetPinned(!inter.pinWindow, true); break;
    case Command::Minimize: MinimizeApp(); break;
    case Command::Exit: PostMessageW(hwnd(), WM_CLOSE, 0, 0); break;
  }
}

}  // namespace tikolvo

// The main window's options (opacity, auto-hide, pinning, sticky edges).
#include "app/win/main_form.h"

#include "app/win/layered.h"
#include "common/win/message_dialogs.h"

namespace tikolvo {
namespace {

constexpr char kNoticeCaption[] = "Tikolvo: Уведомление";
constexpr char kAutoHideNotice[] = "Игнорирование автоскрытия осуществляется путем зажатия клавиши Shift";
constexpr char kPinNotice[] =
    "Игнорирование закрепления окна осуществляется путем зажатия клавиши Shift. "
    "Т.е. зажав Shift можно передвинуть закрепленное окно.";

void ShowOptionNotice(HWND owner, const char* text) { ShowNotice(owner, kNoticeCaption, text); }

}  // namespace

void MainForm::trans(int alpha) {
  store_.settings.inter.opacity = alpha;
  if (!hwnd()) return;
  // A per-pixel-alpha face keeps the opacity with its picture.
  if (face_.layered()) {
    face_.Push(hwnd(), alpha);
    return;
  }
  SetWindowOpacity(hwnd(), alpha, keyColour_);
}

void MainForm::SetAutoHide(bool on, bool byUser) {
  store_.settings.inter.autoHide = on;
  if (on && byUser) ShowOptionNotice(hwnd(), kAutoHideNotice);
}

void MainForm::SetPinned(bool on, bool byUser) {
  store_.settings.inter.pinWindow = on;
  if (on && byUser) ShowOptionNotice(hwnd(), kPinNotice);
}

void MainForm::SetSticky(bool on) { store_.settings.inter.stickyWindow = on; }

}  // namespace tikolvo

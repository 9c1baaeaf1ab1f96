#pragma once
// The clock's right-click menu: the view options of the main window and the
// way out. Items are data; one dispatcher in the main window runs them.
#include <windows.h>

namespace tikolvo {

enum class Command : UINT {
  StackTopmost = 1001,  // "Поверх всех окон"
  StackNeutral,         // "Нейтральное"
  StackBottommost,      // "Позади всех окон"
  AutoHide,             // "Автоскрытие"
  Sticky,               // "Липкое окно"
  Pin,                  // "Закрепить окно"
  Minimize,             // "Свернуть"
  Exit,                 // "Выход"
};

struct MenuState {
  Command stacking = Command::StackNeutral;
  bool autoHide = false;
  bool sticky = true;
  bool pinned = false;
};

// A fresh popup menu reflecting the state; the caller destroys it.
HMENU BuildMainMenu(const MenuState& state);

}  // namespace tikolvo

#include "app/win/main_menu.h"

namespace tikolvo {
namespace {

enum class ItemKind { Command, Radio, Check, Separator, SubmenuStart, SubmenuEnd };

struct MenuItem {
  ItemKind kind;
  Command command;
  const wchar_t* caption;
};

constexpr MenuItem kMainMenu[] = {
    {ItemKind::SubmenuStart, Command::Exit, L"Положение окна"},
    {ItemKind::Radio, Command::StackTopmost, L"Поверх всех окон"},
    {ItemKind::Radio, Command::StackNeutral, L"Нейтральное"},
    {ItemKind::Radio, Command::StackBottommost, L"Позади всех окон"},
    {ItemKind::SubmenuEnd, Command::Exit, nullptr},
    {ItemKind::Check, Command::AutoHide, L"Автоскрытие"},
    {ItemKind::Check, Command::Sticky, L"Липкое окно"},
    {ItemKind::Check, Command::Pin, L"Закрепить окно"},
    {ItemKind::Separator, Command::Exit, nullptr},
    {ItemKind::Command, Command::Minimize, L"Свернуть"},
    {ItemKind::Command, Command::Exit, L"Выход"},
};

bool IsChecked(Command command, const MenuState& state) {
  switch (command) {
    case Command::StackTopmost:
    case Command::StackNeutral:
    case Command::StackBottommost: return state.stacking == command;
    case Command::AutoHide: return state.autoHide;
    case Command::Sticky: return state.sticky;
    case Command::Pin: return state.pinned;
    default: return false;
  }
}

UINT FlagsFor(const MenuItem& item, const MenuState& state) {
  UINT flags = MF_STRING;
  if (IsChecked(item.command, state)) flags |= MF_CHECKED;
  return flags;
}

}  // namespace

HMENU BuildMainMenu(const MenuState& state) {
  HMENU root = CreatePopupMenu();
  HMENU target = root;
  for (const MenuItem& item : kMainMenu) {
    const UINT id = static_cast<UINT>(item.command);
    switch (item.kind) {
      case ItemKind::SubmenuStart:
        target = CreatePopupMenu();
        AppendMenuW(root, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(target), item.caption);
        break;
      case ItemKind::SubmenuEnd: target = root; break;
      case ItemKind::Separator: AppendMenuW(target, MF_SEPARATOR, 0, nullptr); break;
      case ItemKind::Radio:
        AppendMenuW(target, FlagsFor(item, state), id, item.caption);
        if (IsChecked(item.command, state)) CheckMenuRadioItem(target, id, id, id, MF_BYCOMMAND);
        break;
      default: AppendMenuW(target, FlagsFor(item, state), id, item.caption); break;
    }
  }
  return root;
}

}  // namespace tikolvo

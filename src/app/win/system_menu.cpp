#include "app/win/system_menu.h"

#include <shellapi.h>

#include "common/win/flat_menu.h"
#include "common/win/wide_text.h"

namespace tikolvo {

HMENU BuildPopupMenu(const std::vector<MenuLine>& lines) {
  HMENU menu = CreatePopupMenu();
  for (const MenuLine& line : lines) {
    const MenuEntry& entry = *line.entry;
    const std::wstring caption = Widen(entry.caption);
    switch (entry.kind) {
      case MenuItemKind::Separator: AppendMenuW(menu, MF_SEPARATOR, 0, nullptr); break;
      case MenuItemKind::Submenu:
        AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(BuildPopupMenu(line.children)),
                    caption.c_str());
        break;
      case MenuItemKind::Command:
        AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(entry.command), caption.c_str());
        break;
    }
  }
  return menu;
}

namespace {

std::string SystemFolder() {
  wchar_t path[MAX_PATH] = L"";
  const UINT length = GetSystemDirectoryW(path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return "C:\\WINDOWS\\system32";
  return Narrow(path);
}

void Describe(HMENU menu, const std::wstring& indent, std::wstring& out) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = L"";
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_SUBMENU | MIIM_DATA;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    const FlatMenuItem* flat = (info.fType & MFT_OWNERDRAW) ? FlatMenuStyle::ItemOf(info.dwItemData) : nullptr;
    if (!flat && !(info.fType & MFT_SEPARATOR)) GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
    out += indent;
    if (flat) out += flat->separator ? L"-" : flat->caption;
    else out += (info.fType & MFT_SEPARATOR) ? L"-" : text;
    out += L'\n';
    if (info.hSubMenu) Describe(info.hSubMenu, indent + L"  ", out);
  }
}

}  // namespace

bool RunLauncher(MenuCommand command) {
  const LaunchTarget target = LaunchTargetOf(command, SystemFolder());
  if (target.file.empty()) return false;
  const std::wstring file = Widen(target.file);
  const std::wstring parameters = Widen(target.parameters);
  ShellExecuteW(nullptr, L"open", file.c_str(), parameters.empty() ? nullptr : parameters.c_str(), nullptr,
                SW_SHOWNORMAL);
  return true;
}

std::wstring DescribeMenu(HMENU menu) {
  std::wstring out;
  Describe(menu, L"", out);
  return out;
}

MenuCommand TrackMenu(HWND owner, HMENU menu, POINT screen, UINT alignment, bool* rightButton) {
  // The owner must be in front, or the menu would not close on a click elsewhere.
  SetForegroundWindow(owner);
  // The low bit tells whether the button went down since the last question.
  GetAsyncKeyState(VK_RBUTTON);
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(
      menu, TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY | alignment, screen.x, screen.y, 0, owner, nullptr));
  if (rightButton) {
    const SHORT state = GetAsyncKeyState(VK_RBUTTON);
    *rightButton = (state & 1) && !(state & 0x8000);
  }
  PostMessageW(owner, WM_NULL, 0, 0);
  return static_cast<MenuCommand>(chosen);
}

}  // namespace tikolvo

#pragma once
// How many GDI and USER objects this process holds. Windows answers through
// GetGuiResources; Wine answers 0 there, so under Wine the handle tables are
// walked instead: Wine accepts a handle given by its low 16 bits alone, so
// every GDI object answers GetObjectType, and the USER objects a leak would
// pile up (this process's windows, menus, icons and cursors) answer IsWindow,
// IsMenu and GetIconInfo.
#include <windows.h>

namespace tikolvo::test {

struct GuiHandleCounts {
  long gdi = 0;
  long user = 0;
};

inline long WalkedGdiObjects() {
  long count = 0;
  for (UINT_PTR low = 1; low <= 0xFFFF; ++low)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(low)) != 0) ++count;
  return count;
}

inline bool IsOwnIconOrCursor(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return false;
  // GetIconInfo hands out copies of the pictures; they are not counted.
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  return true;
}

inline long WalkedUserObjects() {
  const DWORD self = GetCurrentProcessId();
  long count = 0;
  for (UINT_PTR low = 0x20; low <= 0xFFFE; low += 2) {
    const HWND window = reinterpret_cast<HWND>(low);
    DWORD owner = 0;
    if (IsWindow(window)) {
      GetWindowThreadProcessId(window, &owner);
      count += owner == self ? 1 : 0;
    } else if (IsMenu(reinterpret_cast<HMENU>(low)) || IsOwnIconOrCursor(reinterpret_cast<HICON>(low))) {
      ++count;
    }
  }
  return count;
}

inline GuiHandleCounts CountGuiHandles() {
  GdiFlush();
  const HANDLE self = GetCurrentProcess();
  GuiHandleCounts counts{static_cast<long>(GetGuiResources(self, GR_GDIOBJECTS)),
                         static_cast<long>(GetGuiResources(self, GR_USEROBJECTS))};
  if (counts.gdi == 0) counts.gdi = WalkedGdiObjects();
  if (counts.user == 0) counts.user = WalkedUserObjects();
  return counts;
}

}  // namespace tikolvo::test

#include "app/win/layered.h"

#include <algorithm>

namespace tikolvo {
namespace {

using SetLayeredAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

SetLayeredAttributesFn LayeredFunction() {
  static const auto function = reinterpret_cast<SetLayeredAttributesFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetLayeredWindowAttributes")));
  return function;
}

}  // namespace

bool LayeredWindowsAvailable() { return LayeredFunction() != nullptr; }

bool SetWindowOpacity(HWND hwnd, int alpha, bool keyColour) {
  const SetLayeredAttributesFn setAttributes = LayeredFunction();
  if (!setAttributes) return false;
  const LONG exStyle = GetWindowLongW(hwnd, GWL_EXSTYLE);
  if (!(exStyle & WS_EX_LAYERED)) SetWindowLongW(hwnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  const BYTE opacity = static_cast<BYTE>(std::clamp(alpha, 1, 255));
  const DWORD flags = keyColour ? (LWA_COLORKEY | LWA_ALPHA) : LWA_ALPHA;
  return setAttributes(hwnd, kTransparentKeyColour, opacity, flags) != 0;
}

}  // namespace tikolvo

#include "app/win/layered.h"

#include <algorithm>

#include "common/win/system_library.h"

namespace tikolvo {
namespace {

using SetLayeredAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

SetLayeredAttributesFn LayeredFunction() {
  static const auto function = SystemFunction<SetLayeredAttributesFn>(L"user32.dll", "SetLayeredWindowAttributes");
  return function;
}

using UpdateLayeredFn = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);

UpdateLayeredFn UpdateFunction() {
  static const auto function = SystemFunction<UpdateLayeredFn>(L"user32.dll", "UpdateLayeredWindow");
  return function;
}

}  // namespace

bool PerPixelAlphaAvailable() { return UpdateFunction() != nullptr; }

bool PushLayeredPicture(HWND hwnd, HDC source, int width, int height, int opacity) {
  const UpdateLayeredFn update = UpdateFunction();
  if (!update) return false;
  const LONG exStyle = GetWindowLongW(hwnd, GWL_EXSTYLE);
  if (!(exStyle & WS_EX_LAYERED)) SetWindowLongW(hwnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  RECT r;
  GetWindowRect(hwnd, &r);
  POINT position{r.left, r.top}, origin{0, 0};
  SIZE size{width, height};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(std::clamp(opacity, 1, 255)), AC_SRC_ALPHA};
  return update(hwnd, nullptr, &position, &size, source, &origin, 0, &blend, ULW_ALPHA) != 0;
}

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

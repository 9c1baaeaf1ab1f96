#include "common/win/window_base.h"

#include <exception>

#include "common/win/error_report.h"

namespace tikolvo {

Window::~Window() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool Window::RegisterWindowClass(const wchar_t* className, UINT style, HICON icon, HCURSOR cursor,
                                 HBRUSH background) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = style;
  wc.lpfnWndProc = &Window::Procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hIcon = icon;
  wc.hIconSm = icon;
  wc.hCursor = cursor ? cursor : LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = className;
  if (RegisterClassExW(&wc)) return true;
  return GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND Window::CreateWindowFor(DWORD exStyle, const wchar_t* className, const wchar_t* caption,
                             DWORD style, int x, int y, int width, int height, HWND owner) {
  return CreateWindowExW(exStyle, className, caption, style, x, y, width, height, owner, nullptr,
                         GetModuleHandleW(nullptr), this);
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return OnMessage(message, wParam, lParam);
  } catch (const std::exception& e) {
    ReportError(e.what());
  } catch (...) {
    ReportError("Неизвестная ошибка");
  }
  return 0;
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* self = static_cast<Window*>(create->lpCreateParams);
    if (self) {
      self->hwnd_ = hwnd;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  const LRESULT result = self->Dispatch(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

}  // namespace tikolvo

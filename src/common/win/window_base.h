#pragma once
// Base of every code-built window: the window procedure finds the C++ object
// through GWLP_USERDATA (stored at WM_NCCREATE from the create parameter) and
// hands each message to OnMessage. Exceptions never leave the procedure: they
// end up in the general error report.
#include <windows.h>

namespace tikolvo {

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND hwnd() const { return hwnd_; }

  // Registers a class whose procedure dispatches to Window objects. Safe to
  // call more than once.
  static bool RegisterWindowClass(const wchar_t* className, UINT style, HICON icon,
                                  HCURSOR cursor, HBRUSH background);

 protected:
  HWND CreateWindowFor(DWORD exStyle, const wchar_t* className, const wchar_t* caption,
                       DWORD style, int x, int y, int width, int height, HWND owner);
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
  }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
};

}  // namespace tikolvo

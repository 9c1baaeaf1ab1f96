#pragma once
// The clock's icon in the notification area. Its mouse events arrive at the
// owner window as the callback message with the mouse message in lParam.
#include <windows.h>

namespace tikolvo {

inline constexpr UINT kTrayCallbackMessage = WM_APP + 2;
// Answered with 1 while the shell holds the icon; lets tests and tools ask
// without guessing from the shell's own windows.
inline constexpr UINT kTrayShownMessage = WM_APP + 4;

class TrayIcon {
 public:
  TrayIcon() = default;
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;
  ~TrayIcon() { Remove(); }

  // Adds the icon with the tip "Tikolvo" and the version; false when the shell refused.
  bool Add(HWND owner, HICON icon);
  // The shell's taskbar was re-created and forgot every icon.
  bool Readd();
  void Remove();
  bool shown() const { return shown_; }

 private:
  bool Notify(DWORD message);

  HWND owner_ = nullptr;
  HICON icon_ = nullptr;
  bool shown_ = false;
};

}  // namespace tikolvo

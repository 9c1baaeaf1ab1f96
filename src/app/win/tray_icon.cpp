#include "app/win/tray_icon.h"

#include <shellapi.h>

#include <cwchar>

#include "common/win/wide_text.h"
#include "settings/settings_model.h"

namespace tikolvo {
namespace {

constexpr UINT kTrayIconId = 1;

}  // namespace

bool TrayIcon::Notify(DWORD message) {
  NOTIFYICONDATAW data{};
  // The size of the Windows 2000/XP form keeps the call valid on XP and on
  // every later system.
  data.cbSize = NOTIFYICONDATAW_V2_SIZE;
  data.hWnd = owner_;
  data.uID = kTrayIconId;
  data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = icon_;
  const std::wstring tip = L"Tikolvo " + Widen(kAboutVersion);
  wcsncpy(data.szTip, tip.c_str(), sizeof(data.szTip) / sizeof(data.szTip[0]) - 1);
  return Shell_NotifyIconW(message, &data) != FALSE;
}

bool TrayIcon::Add(HWND owner, HICON icon) {
  owner_ = owner;
  icon_ = icon;
  shown_ = Notify(NIM_ADD);
  return shown_;
}

bool TrayIcon::Readd() {
  if (!owner_) return false;
  shown_ = Notify(NIM_ADD);
  return shown_;
}

void TrayIcon::Remove() {
  if (!owner_) return;
  Notify(NIM_DELETE);
  shown_ = false;
  owner_ = nullptr;
}

}  // namespace tikolvo

#include "app/win/single_instance.h"

#include <windows.h>

namespace tikolvo {

bool ClaimSingleInstance() {
  HANDLE mutex = CreateMutexW(nullptr, TRUE, kInstanceMutexName);
  // Any error here means the name exists already: another copy runs.
  if (mutex == nullptr) return false;
  if (GetLastError() != ERROR_SUCCESS) {
    ReleaseMutex(mutex);
    return false;
  }
  return true;
}

void RestorePreviousInstance() {
  HWND previous = FindWindowW(kMainWindowClass, nullptr);
  if (!previous) return;
  ShowWindow(previous, SW_RESTORE);
  SetForegroundWindow(previous);
}

}  // namespace tikolvo

#include "scheduler/win/system_power.h"

#include <windows.h>

#include "common/win/system_library.h"

namespace tikolvo {
namespace {

using SetSuspendStateFn = BOOLEAN(WINAPI*)(BOOLEAN hibernate, BOOLEAN force, BOOLEAN wakeEventsDisabled);

SetSuspendStateFn SuspendFunction() {
  static const SetSuspendStateFn function = SystemFunction<SetSuspendStateFn>(L"powrprof.dll", "SetSuspendState");
  return function;
}

}  // namespace

bool WindowsPower::EnableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return false;
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  bool enabled = false;
  if (LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
    // The call succeeds even when it assigned nothing; the last error tells.
    enabled = AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) &&
              GetLastError() == ERROR_SUCCESS;
  }
  CloseHandle(token);
  return enabled;
}

bool WindowsPower::ExitSession(unsigned flags) {
  return ExitWindowsEx(flags, SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_MINOR_OTHER | SHTDN_REASON_FLAG_PLANNED) != 0;
}

bool WindowsPower::Suspend(const SuspendRequest& request) {
  const SetSuspendStateFn suspend = SuspendFunction();
  if (!suspend) return false;
  return suspend(request.hibernate, request.force, request.wakeEventsDisabled) != 0;
}

}  // namespace tikolvo

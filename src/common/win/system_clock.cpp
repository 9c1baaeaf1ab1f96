#include "common/win/system_clock.h"

#include <windows.h>

#include "common/win/system_library.h"

namespace tikolvo {

SystemClock::SystemClock() {
  tickCount64_ = SystemFunction<TickCount64Fn>(L"kernel32.dll", "GetTickCount64");
}

DateTime SystemClock::Now() const {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return EncodeDate(t.wYear, t.wMonth, t.wDay) + EncodeTime(t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
}

std::uint64_t SystemClock::MillisecondsSinceStart() const {
  if (tickCount64_) return tickCount64_();
  return counter_.Extend(GetTickCount());
}

}  // namespace tikolvo

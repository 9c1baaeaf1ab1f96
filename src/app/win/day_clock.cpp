#include "app/win/day_clock.h"

namespace tikolvo {
namespace {

constexpr wchar_t kClassName[] = L"TikolvoDayClock";
constexpr UINT_PTR kLookTimer = 1;

}  // namespace

DayClock::~DayClock() {
  if (hwnd()) DestroyWindow(hwnd());
}

bool DayClock::Start() {
  RegisterWindowClass(kClassName, 0, nullptr, nullptr, nullptr);
  if (!hwnd() && !CreateWindowFor(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE)) return false;
  const DateTime now = clock_.Now();
  watch_.Start(now);
  Arm(now);
  return true;
}

void DayClock::Arm(DateTime now) {
  SetTimer(hwnd(), kLookTimer, static_cast<UINT>(DayChangeWatch::MillisecondsToNextLook(now)), nullptr);
}

void DayClock::Look() {
  const DateTime now = clock_.Now();
  if (watch_.Due(now)) {
    for (const Hook& hook : hooks_) hook(now);
  }
  Arm(now);
}

LRESULT DayClock::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kLookTimer) {
    Look();
    return 0;
  }
  return Default(message, wParam, lParam);
}

}  // namespace tikolvo

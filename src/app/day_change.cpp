#include "app/day_change.h"

namespace tikolvo {

bool DayChangeWatch::Due(DateTime now) {
  const auto today = static_cast<long long>(DateOf(now));
  if (today == day_ || TimeOfDaySeconds(now) < 1) return false;
  day_ = today;
  return true;
}

int DayChangeWatch::MillisecondsToNextLook(DateTime now) {
  constexpr double kDayMs = 86'400'000.0;
  constexpr int kLongestSleepMs = 60'000;
  const double sinceMidnightMs = (now - DateOf(now)) * kDayMs;
  double untilMs = 1000.0 - sinceMidnightMs;  // to 00:00:01 today...
  if (untilMs <= 0) untilMs += kDayMs;         // ...or tomorrow
  return untilMs >= kLongestSleepMs ? kLongestSleepMs : static_cast<int>(untilMs) + 1;
}

}  // namespace tikolvo

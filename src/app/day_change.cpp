#include "app/day_change.h"

namespace tikolvo {

bool DayChangeWatch::Due(DateTime now) {
  const auto today = static_cast<long long>(DateOf(now));
  if (today == day_ || TimeOfDaySeconds(now) < 1) return false;
  day_ = today;
  return true;
}

}  // namespace tikolvo

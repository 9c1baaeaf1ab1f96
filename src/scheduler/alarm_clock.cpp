#include "scheduler/alarm_clock.h"

namespace tikolvo {

void AlarmClock::SetAlarm(int hour, int minute, int second, int nowSeconds) {
  hour_ = hour;
  minute_ = minute;
  second_ = second;
  armed_ = nowSeconds < AlarmSeconds();
}

bool AlarmClock::Matches(int nowSeconds) const {
  return nowSeconds / 3600 == hour_ && nowSeconds / 60 % 60 == minute_ && nowSeconds % 60 >= second_;
}

bool AlarmClock::Read(int nowSeconds) {
  if (!Matches(nowSeconds)) {
    if (nowSeconds < AlarmSeconds()) armed_ = true;
    return false;
  }
  if (!enabled_ || !armed_) return false;
  armed_ = false;
  return true;
}

}  // namespace tikolvo

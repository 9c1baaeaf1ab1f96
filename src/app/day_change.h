#pragma once
// The daily refresh runs once a day, one second past midnight. The day clock
// asks this watch whether that moment has passed since the last run; a clock
// set back or forward by the user starts the count again from the new date.
#include "common/date_time.h"

namespace tikolvo {

class DayChangeWatch {
 public:
  // The day the face was last prepared for (at skin load).
  void Start(DateTime now) { day_ = static_cast<long long>(DateOf(now)); }
  // True once per new date, from 00:00:01 on.
  bool Due(DateTime now);

  // How long the day clock sleeps before it looks again: to 00:00:01 exactly,
  // but never more than a minute, so that a clock set forward or a computer
  // waking from sleep is noticed soon after.
  static int MillisecondsToNextLook(DateTime now);

 private:
  long long day_ = 0;
};

}  // namespace tikolvo

#pragma once
// The daily refresh runs once a day, one second past midnight. The tick asks
// this watch whether that moment has passed since the last run; a clock set
// back or forward by the user starts the count again from the new date.
#include "common/date_time.h"

namespace tikolvo {

class DayChangeWatch {
 public:
  // The day the face was last prepared for (at skin load).
  void Start(DateTime now) { day_ = static_cast<long long>(DateOf(now)); }
  // True once per new date, from 00:00:01 on.
  bool Due(DateTime now);

 private:
  long long day_ = 0;
};

}  // namespace tikolvo

#pragma once
// Where the clock's hands point at a given moment. Angles are radians
// clockwise from 12 o'clock, as the drawing engine takes them.
//
// The second, minute, hour and 24-hour hands follow the time of day at every
// draw. The month hand, and the weekday hand unless it moves smoothly, only
// change with the date: they are prepared once a day and at skin load, and
// kept in between. The alarm hand shows the scheduler's next task.
#include "common/date_time.h"
#include "render/hand_model.h"

namespace tikolvo {

struct HandSmoothing {
  bool minute = false;   // the minute hand creeps with the seconds
  bool weekday = false;  // the weekday hand creeps with the hours (only when the hand is drawn)
  bool month = false;    // the month hand creeps with the days
};

// One twelfth of a turn per month: January at one o'clock, December at
// twelve. Smooth: plus the part of the next twelfth the month has run.
double MonthAngle(int year, int month, int day, bool smooth);

// One seventh of a turn per day, Sunday (1) straight up.
double WeekdayAngle(int dayOfWeek);

// The alarm hand reads like an hour hand set to the next task's time.
double AlarmAngle(int hours, int minutes);

class FaceAngles {
 public:
  void SetSmoothing(const HandSmoothing& smoothing) { smoothing_ = smoothing; }
  const HandSmoothing& Smoothing() const { return smoothing_; }

  // The weekday and month hands for the date of `today` (daily and at skin load).
  void PrepareCalendar(DateTime today);
  void SetAlarm(int hours, int minutes) { alarm_ = AlarmAngle(hours, minutes); }

  // Every angle for the moment `now`.
  HandAngles At(DateTime now) const;

 private:
  HandSmoothing smoothing_;
  double weekday_ = 0;
  double month_ = 0;
  double alarm_ = 0;
};

}  // namespace tikolvo

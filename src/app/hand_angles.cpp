#include "app/hand_angles.h"

#include <numbers>

namespace tikolvo {
namespace {

constexpr double kTurn = 2 * std::numbers::pi;

}  // namespace

double MonthAngle(int year, int month, int day, bool smooth) {
  const double step = month / 12.0 * kTurn;
  if (!smooth) return step;
  const int days = DaysInMonth(year, month);
  if (days == 0) return step;
  return static_cast<double>(day) / days * kTurn / 12 + step;
}

double WeekdayAngle(int dayOfWeek) { return (dayOfWeek - 1) / 7.0 * kTurn; }

double AlarmAngle(int hours, int minutes) {
  return (hours % 12) / 12.0 * kTurn + minutes / 60.0 * kTurn / 12;
}

void FaceAngles::PrepareCalendar(DateTime today) {
  const CivilTime civil = DecodeDateTime(today);
  weekday_ = WeekdayAngle(DayOfWeek(today));
  month_ = MonthAngle(civil.year, civil.month, civil.day, smoothing_.month);
}

HandAngles FaceAngles::At(DateTime now) const {
  const CivilTime t = DecodeDateTime(now);
  HandAngles a;
  a.second = t.second / 60.0 * kTurn;
  a.minute = t.minute / 60.0 * kTurn;
  if (smoothing_.minute) a.minute += a.second / 60;
  a.hour = (t.hour % 12) / 12.0 * kTurn + a.minute / 12;
  a.hour24 = t.hour / 24.0 * kTurn + a.minute / 24;
  a.weekday = smoothing_.weekday ? WeekdayAngle(DayOfWeek(now)) + a.hour24 / 7 : weekday_;
  a.month = month_;
  a.alarm = alarm_;
  return a;
}

}  // namespace tikolvo

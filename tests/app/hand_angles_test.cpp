#include "app/hand_angles.h"

#include <gtest/gtest.h>

#include <numbers>

namespace tikolvo {
namespace {

constexpr double kTurn = 2 * std::numbers::pi;
constexpr double kEps = 1e-9;

DateTime At(int y, int mo, int d, int h, int mi, int s) {
  return EncodeDate(y, mo, d) + EncodeTime(h, mi, s);
}

TEST(HandAngles, TimeOfDayHandsWithoutSmoothing) {
  FaceAngles angles;
  const HandAngles a = angles.At(At(2026, 3, 10, 15, 30, 45));
  EXPECT_NEAR(a.second, 45 / 60.0 * kTurn, kEps);
  EXPECT_NEAR(a.minute, 30 / 60.0 * kTurn, kEps);
  // The hour hand is half way from three to four.
  EXPECT_NEAR(a.hour, 3.5 / 12 * kTurn, kEps);
  EXPECT_NEAR(a.hour24, 15.5 / 24 * kTurn, kEps);
}

TEST(HandAngles, MinuteHandStandsStillUnlessSmooth) {
  FaceAngles angles;
  const DateTime early = At(2026, 3, 10, 9, 5, 0), late = At(2026, 3, 10, 9, 5, 59);
  EXPECT_EQ(angles.At(early).minute, angles.At(late).minute);
  angles.SetSmoothing({.minute = true});
  // Each second moves it 1/60 of a minute step.
  const double step = kTurn / 60;
  EXPECT_NEAR(angles.At(At(2026, 3, 10, 9, 5, 30)).minute, 5.5 * step, kEps);
  EXPECT_NEAR(angles.At(late).minute - angles.At(early).minute, 59 * step / 60, kEps);
  // The hour hand follows the smoothed minute hand.
  EXPECT_NEAR(angles.At(At(2026, 3, 10, 0, 0, 30)).hour, step / 2 / 12, kEps);
}

TEST(HandAngles, MidnightAndNoonPointUp) {
  FaceAngles angles;
  for (int hour : {0, 12}) {
    const HandAngles a = angles.At(At(2026, 1, 1, hour, 0, 0));
    EXPECT_NEAR(a.hour, 0, kEps);
    EXPECT_NEAR(a.minute, 0, kEps);
  }
  EXPECT_NEAR(angles.At(At(2026, 1, 1, 12, 0, 0)).hour24, kTurn / 2, kEps);
}

TEST(HandAngles, MonthHandSteppedAndSmooth) {
  EXPECT_NEAR(MonthAngle(2026, 1, 15, false), kTurn / 12, kEps);  // January at one o'clock
  EXPECT_NEAR(MonthAngle(2026, 12, 31, false), kTurn, kEps);      // December at twelve
  // 31 January, smooth: 1/12 + 31/31 of a twelfth = two o'clock.
  EXPECT_NEAR(MonthAngle(2026, 1, 31, true), 2 * kTurn / 12, kEps);
  // 1 February: just past two.
  EXPECT_NEAR(MonthAngle(2026, 2, 1, true), 2 * kTurn / 12 + kTurn / 12 / 28, kEps);
  // Leap February has 29 days.
  EXPECT_NEAR(MonthAngle(2024, 2, 29, true), 3 * kTurn / 12, kEps);
  EXPECT_NEAR(MonthAngle(2026, 4, 30, true), 5 * kTurn / 12, kEps);
  EXPECT_NEAR(MonthAngle(2026, 8, 31, true), 9 * kTurn / 12, kEps);
}

TEST(HandAngles, CalendarHandsKeepTheirPreparedDate) {
  FaceAngles angles;
  angles.PrepareCalendar(At(2026, 1, 31, 12, 0, 0));  // a Saturday
  // Drawing on a later date does not move them until the next preparation.
  const HandAngles a = angles.At(At(2026, 2, 1, 0, 0, 5));
  EXPECT_NEAR(a.weekday, 6 / 7.0 * kTurn, kEps);
  EXPECT_NEAR(a.month, kTurn / 12, kEps);
  angles.PrepareCalendar(At(2026, 2, 1, 0, 0, 1));  // Sunday
  EXPECT_NEAR(angles.At(At(2026, 2, 1, 0, 0, 5)).weekday, 0, kEps);
  EXPECT_NEAR(angles.At(At(2026, 2, 1, 0, 0, 5)).month, 2 * kTurn / 12, kEps);
}

TEST(HandAngles, SmoothWeekdayHandMovesWithTheDay) {
  FaceAngles angles;
  angles.SetSmoothing({.weekday = true});
  angles.PrepareCalendar(At(2026, 2, 2, 0, 0, 1));  // Monday
  // Monday noon: one seventh plus half of the next seventh.
  EXPECT_NEAR(angles.At(At(2026, 2, 2, 12, 0, 0)).weekday, 1.5 / 7 * kTurn, kEps);
  // It does not wait for the daily preparation.
  EXPECT_NEAR(angles.At(At(2026, 2, 3, 0, 0, 0)).weekday, 2 / 7.0 * kTurn, kEps);
}

TEST(HandAngles, AlarmHandReadsLikeAnHourHand) {
  EXPECT_NEAR(AlarmAngle(15, 30), 3.5 / 12 * kTurn, kEps);
  EXPECT_NEAR(AlarmAngle(0, 0), 0, kEps);
  FaceAngles angles;
  angles.SetAlarm(21, 15);
  EXPECT_NEAR(angles.At(At(2026, 1, 1, 8, 0, 0)).alarm, 9.25 / 12 * kTurn, kEps);
}

}  // namespace
}  // namespace tikolvo

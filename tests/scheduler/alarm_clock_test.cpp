#include <gtest/gtest.h>

#include <vector>

#include "scheduler/alarm_clock.h"

namespace tikolvo {
namespace {

constexpr int S(int hour, int minute, int second) { return (hour * 60 + minute) * 60 + second; }

// Reads the clock every 450 ms from `from` to `to` (in milliseconds of the
// day) and returns the seconds at which it rang.
std::vector<int> Readings(AlarmClock& clock, int fromMs, int toMs) {
  std::vector<int> rang;
  for (int ms = fromMs; ms <= toMs; ms += 450)
    if (clock.Read(ms / 1000)) rang.push_back(ms / 1000);
  return rang;
}

AlarmClock ArmedAt(int hour, int minute, int second, int nowSeconds) {
  AlarmClock clock;
  clock.SetAlarm(hour, minute, second, nowSeconds);
  clock.SetEnabled(true);
  return clock;
}

TEST(AlarmClock, RingsOnceOnTheFirstReadingAtOrAfterTheAlarmSecond) {
  AlarmClock clock = ArmedAt(14, 0, 5, S(13, 59, 0));
  EXPECT_EQ(Readings(clock, S(13, 59, 0) * 1000, S(14, 2, 0) * 1000), std::vector<int>{S(14, 0, 5)});
}

TEST(AlarmClock, ALateReadingStillRingsWithinTheAlarmMinute) {
  AlarmClock clock = ArmedAt(14, 0, 0, S(13, 59, 59));
  EXPECT_FALSE(clock.Read(S(13, 59, 59)));
  EXPECT_TRUE(clock.Read(S(14, 0, 59)));  // the program was busy for most of the minute
  EXPECT_FALSE(clock.Read(S(14, 0, 59)));
}

TEST(AlarmClock, AMissedMinuteIsMissed) {
  AlarmClock clock = ArmedAt(14, 0, 0, S(13, 0, 0));
  EXPECT_FALSE(clock.Read(S(13, 59, 50)));
  EXPECT_FALSE(clock.Read(S(14, 1, 0)));  // the computer slept through 14:00
  EXPECT_TRUE(Readings(clock, S(14, 1, 0) * 1000, S(23, 59, 59) * 1000).empty());
}

TEST(AlarmClock, AnAlarmSetForATimeAlreadyPassedWaitsForTheNextDay) {
  AlarmClock clock = ArmedAt(14, 0, 0, S(14, 0, 0));
  EXPECT_FALSE(clock.Armed());
  EXPECT_TRUE(Readings(clock, S(14, 0, 0) * 1000, S(23, 59, 59) * 1000).empty());
  // After midnight the time of day is earlier than the alarm again.
  EXPECT_FALSE(clock.Read(S(0, 0, 0)));
  EXPECT_TRUE(clock.Armed());
  EXPECT_EQ(Readings(clock, S(13, 59, 0) * 1000, S(14, 1, 0) * 1000), std::vector<int>{S(14, 0, 0)});
}

TEST(AlarmClock, SettingTheAlarmAgainReArmsOnlyForALaterTime) {
  AlarmClock clock = ArmedAt(14, 0, 0, S(13, 0, 0));
  EXPECT_TRUE(clock.Read(S(14, 0, 0)));
  clock.SetAlarm(14, 0, 30, S(14, 0, 10));  // later in the same minute: rings again
  EXPECT_FALSE(clock.Read(S(14, 0, 20)));
  EXPECT_TRUE(clock.Read(S(14, 0, 30)));
  clock.SetAlarm(14, 0, 30, S(14, 0, 31));  // the same time again, now passed: no second ring
  EXPECT_FALSE(clock.Read(S(14, 0, 40)));
}

TEST(AlarmClock, ADisabledClockDoesNotRingAndKeepsItsArming) {
  AlarmClock clock;
  clock.SetAlarm(0, 0, 1, S(0, 0, 0));
  EXPECT_FALSE(clock.Read(S(0, 0, 1)));
  EXPECT_TRUE(clock.Armed());
  clock.SetEnabled(true);
  EXPECT_TRUE(clock.Read(S(0, 0, 2)));
}

TEST(AlarmClock, TheDailyClockRingsEveryDayOneSecondAfterMidnight) {
  AlarmClock clock = ArmedAt(0, 0, 1, S(12, 0, 0));
  int rings = 0;
  for (int day = 0; day < 3; ++day) rings += static_cast<int>(Readings(clock, 0, S(23, 59, 59) * 1000).size());
  EXPECT_EQ(rings, 3);
}

}  // namespace
}  // namespace tikolvo

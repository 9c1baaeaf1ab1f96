#include "settings/interval_timer.h"

#include <gtest/gtest.h>

namespace tikolvo {
namespace {

DateTime At(int hour, int minute, int second, int millisecond = 0) {
  return EncodeDate(2026, 12, 8) + EncodeTime(hour, minute, second, millisecond);
}

IntervalTimer TimerOf(const char* hours, const char* minutes, const char* seconds) {
  IntervalTimer timer;
  timer.SetPeriod(hours, minutes, seconds);
  return timer;
}

TEST(IntervalTimerEdits, MinutesAndSecondsOfSixtyOrMoreBecomeFiftyNine) {
  EXPECT_EQ(LimitMinutesOrSeconds("75"), "59");
  EXPECT_EQ(LimitMinutesOrSeconds("60"), "59");
  EXPECT_EQ(LimitMinutesOrSeconds("123"), "59");
  EXPECT_EQ(LimitMinutesOrSeconds("59"), "59");
  EXPECT_EQ(LimitMinutesOrSeconds("07"), "07");
  // One character is never limited, and nonsense is left for the period to read as 0.
  EXPECT_EQ(LimitMinutesOrSeconds("9"), "9");
  EXPECT_EQ(LimitMinutesOrSeconds("ab"), "ab");
}

TEST(IntervalTimerEdits, NumbersAreTrimmedAndNonsenseIsZero) {
  EXPECT_EQ(EditNumber(" 12 "), 12);
  EXPECT_EQ(EditNumber("007"), 7);
  EXPECT_EQ(EditNumber("1a"), 0);
  EXPECT_EQ(EditNumber("   "), 0);
  EXPECT_EQ(EditNumber("99999999999"), 0);
}

TEST(IntervalTimerPeriod, PartsComeFromTheEditsAndAnEmptyEditKeepsItsPart) {
  IntervalTimer timer = TimerOf("01", "02", "03");
  EXPECT_EQ(timer.period().total, 3723);
  timer.SetPart(TimerPart::Minutes, "");
  EXPECT_EQ(timer.period().minutes, 2);
  timer.SetPart(TimerPart::Minutes, "x");
  EXPECT_EQ(timer.period().minutes, 0);
  EXPECT_EQ(timer.period().total, 3603);
  // Hours are not limited to a day.
  timer.SetPart(TimerPart::Hours, "30");
  EXPECT_EQ(timer.period().total, 30 * 3600 + 3);
}

TEST(IntervalTimerSounds, ListEntriesPlayTheirBankSounds) {
  const int expected[] = {2, 4, 3, 0, 1, 5, 6, 7, 8, 9};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(IntervalTimerBankSound(i), expected[i]) << kIntervalTimerSounds[i];
  EXPECT_EQ(IntervalTimerBankSound(-1), -1);
  EXPECT_EQ(IntervalTimerBankSound(10), -1);
}

TEST(IntervalTimerRun, PeriodsOfZeroAndOneSecondNeverArm) {
  for (const char* seconds : {"0", "1"}) {
    IntervalTimer timer = TimerOf("0", "0", seconds);
    timer.Start(At(10, 0, 0));
    EXPECT_TRUE(timer.running());
    EXPECT_FALSE(timer.armed()) << seconds;
    for (int s = 0; s < 5; ++s) EXPECT_FALSE(timer.Poll(At(10, 0, s)).rang) << seconds;
    EXPECT_EQ(timer.count(), 0);
  }
}

TEST(IntervalTimerRun, RingsEveryPeriodWithTheChosenSoundAndCounts) {
  IntervalTimer timer = TimerOf("0", "0", "5");
  timer.SetSound(0);  // "Ding"
  timer.Start(At(10, 0, 0));
  EXPECT_TRUE(timer.armed());
  EXPECT_DOUBLE_EQ(timer.nextDue(), At(10, 0, 5));
  EXPECT_FALSE(timer.Poll(At(10, 0, 4, 900)).rang);
  const TimerRing ring = timer.Poll(At(10, 0, 5, 200));
  EXPECT_TRUE(ring.rang);
  EXPECT_EQ(ring.bankSound, 2);
  EXPECT_EQ(timer.count(), 1);
  // The next period starts at the moment the alarm was seen, and a second
  // reading within the same second does not ring again.
  EXPECT_FALSE(timer.Poll(At(10, 0, 5, 650)).rang);
  EXPECT_TRUE(timer.Poll(At(10, 0, 10, 300)).rang);
  EXPECT_EQ(timer.CountText(), "2");
}

TEST(IntervalTimerRun, LateReadingWithinTheMinuteStillRingsButTheNextMinuteMisses) {
  IntervalTimer late = TimerOf("0", "0", "30");
  late.Start(At(10, 0, 0));
  EXPECT_TRUE(late.Poll(At(10, 0, 45)).rang);

  IntervalTimer missed = TimerOf("0", "0", "30");
  missed.Start(At(10, 0, 0));
  EXPECT_FALSE(missed.Poll(At(10, 1, 0)).rang);
}

TEST(IntervalTimerRun, DueTimeAfterMidnightIsArmedOnceTheDayTurns) {
  IntervalTimer timer = TimerOf("0", "1", "0");
  timer.Start(At(23, 59, 30));
  EXPECT_FALSE(timer.armed());
  EXPECT_FALSE(timer.Poll(At(23, 59, 59)).rang);
  const DateTime tomorrow = EncodeDate(2026, 12, 9);
  EXPECT_FALSE(timer.Poll(tomorrow + EncodeTime(0, 0, 10)).rang);
  EXPECT_TRUE(timer.armed());
  EXPECT_TRUE(timer.Poll(tomorrow + EncodeTime(0, 0, 30)).rang);
}

TEST(IntervalTimerRun, StopDisarmsAndStartResetsTheCounter) {
  IntervalTimer timer = TimerOf("0", "0", "2");
  timer.Start(At(10, 0, 0));
  EXPECT_TRUE(timer.Poll(At(10, 0, 2)).rang);
  timer.Stop();
  EXPECT_FALSE(timer.running());
  EXPECT_FALSE(timer.Poll(At(10, 0, 4)).rang);
  timer.Start(At(10, 0, 4));
  EXPECT_EQ(timer.count(), 0);
  EXPECT_TRUE(timer.Poll(At(10, 0, 6)).rang);
}

TEST(IntervalTimerLabels, NextShowsNowPlusThePeriod) {
  const IntervalTimer timer = TimerOf("1", "30", "15");
  EXPECT_EQ(timer.NextText(At(9, 45, 0)), "11:15:15");
  EXPECT_EQ(timer.NextText(At(23, 0, 0)), "00:30:15");
  EXPECT_EQ(IntervalTimer().CountText(), "0");
}

}  // namespace
}  // namespace tikolvo

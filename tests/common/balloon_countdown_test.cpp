#include "common/balloon_countdown.h"

#include <gtest/gtest.h>

#include <limits>

namespace tikolvo {
namespace {

TEST(BalloonTimeLeft, MinutesAndSecondsForAnHourOrLess) {
  EXPECT_EQ(BalloonTimeLeft(50, 1), "00:04");  // 4.9 s left, rounded down
  EXPECT_EQ(BalloonTimeLeft(50, 0), "00:05");
  EXPECT_EQ(BalloonTimeLeft(6000, 1), "09:59");
  EXPECT_EQ(BalloonTimeLeft(6000, 0), "10:00");
  // Exactly an hour still counts in minutes, sixty of them.
  EXPECT_EQ(BalloonTimeLeft(36000, 0), "60:00");
  EXPECT_EQ(BalloonTimeLeft(36000, 10), "59:59");
}

TEST(BalloonTimeLeft, HoursWithoutLeadingZeroForLongerDurations) {
  EXPECT_EQ(BalloonTimeLeft(36010, 0), "1:00:01");
  EXPECT_EQ(BalloonTimeLeft(60000, 0), "1:40:00");
  // The format follows the whole duration, not what is left of it.
  EXPECT_EQ(BalloonTimeLeft(60000, 24010), "0:59:59");
  EXPECT_EQ(BalloonTimeLeft(65535, 0), "1:49:13");  // the longest a task can store
  EXPECT_EQ(BalloonTimeLeft(std::numeric_limits<std::int32_t>::max(), 0), "59652:19:24");
}

TEST(BalloonTimeLeft, ZerosOnceNothingIsLeft) {
  EXPECT_EQ(BalloonTimeLeft(50, 41), "00:00");  // 0.9 s left
  EXPECT_EQ(BalloonTimeLeft(50, 50), "00:00");
  EXPECT_EQ(BalloonTimeLeft(50, 51), "00:00");
  EXPECT_EQ(BalloonTimeLeft(60000, 60001), "00:00");  // no "0:00:00" for long ones either
  EXPECT_EQ(BalloonTimeLeft(0, 0), "00:00");
  EXPECT_EQ(BalloonTimeLeft(-30, 1), "00:00");
  EXPECT_EQ(BalloonTimeLeft(1, 1'000'000'000'000), "00:00");
}

TEST(BalloonCountdownSentence, NamesTheTaskInQuotes) {
  EXPECT_EQ(CountdownSentence("00:04", "Будильник"), "00:04 до выполнения задания \"Будильник\"");
  EXPECT_EQ(CountdownSentence("00:00", ""), "00:00 до выполнения задания \"\"");
}

}  // namespace
}  // namespace tikolvo

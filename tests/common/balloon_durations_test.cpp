#include "common/balloon_durations.h"

#include <gtest/gtest.h>

namespace tikolvo {
namespace {

TEST(BalloonDurations, WizardTableFromPosition) {
  const std::int32_t expected[] = {10, 30, 50, 100, 250, 600, 1800, 3000, 6000, 1};
  for (int position = 0; position < kBalloonDurationPositions; ++position)
    EXPECT_EQ(BalloonDurationAt(position), expected[position]) << position;
  EXPECT_EQ(BalloonDurationAt(kDefaultBalloonDurationPosition), kDefaultBalloonDuration);
  EXPECT_EQ(BalloonDurationAt(9), kBalloonStaysOpen);
  EXPECT_EQ(BalloonDurationAt(-5), 10);
  EXPECT_EQ(BalloonDurationAt(42), kBalloonStaysOpen);
}

TEST(BalloonDurations, Labels) {
  EXPECT_EQ(BalloonDurationLabel(0), "1 секунда");
  EXPECT_EQ(BalloonDurationLabel(1), "3 секунды");
  EXPECT_EQ(BalloonDurationLabel(2), "5 секунд");
  EXPECT_EQ(BalloonDurationLabel(5), "1 минута");
  EXPECT_EQ(BalloonDurationLabel(6), "3 минуты");
  EXPECT_EQ(BalloonDurationLabel(8), "10 минуты");
  EXPECT_EQ(BalloonDurationLabel(9), "Не закрывать");
  EXPECT_EQ(BalloonDurationLabel(10), "Не закрывать");
}

TEST(BalloonDurations, StoredValueBackToPosition) {
  for (int position = 0; position < kBalloonDurationPositions; ++position)
    EXPECT_EQ(BalloonDurationPosition(BalloonDurationAt(position)), position) << position;
  // A task's reset duration of 30 is offered; anything not offered shows as "10 секунд".
  EXPECT_EQ(BalloonDurationPosition(0), 3);
  EXPECT_EQ(BalloonDurationPosition(55), 3);
  EXPECT_EQ(BalloonDurationPosition(65535), 3);
  EXPECT_EQ(BalloonDurationPosition(-1), 3);
}

}  // namespace
}  // namespace tikolvo

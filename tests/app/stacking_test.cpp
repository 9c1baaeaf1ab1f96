#include "app/stacking.h"

#include <gtest/gtest.h>

namespace tikolvo {
namespace {

TEST(Stacking, StoredFlagsActLikeRadioButtonsLoadedInOrder) {
  EXPECT_EQ(StackingFromFlags(false, true, false), StackingMode::Neutral);
  EXPECT_EQ(StackingFromFlags(true, false, false), StackingMode::Topmost);
  EXPECT_EQ(StackingFromFlags(false, false, true), StackingMode::Bottommost);
  // A hand-edited file with two flags on: the later radio wins.
  EXPECT_EQ(StackingFromFlags(true, true, false), StackingMode::Neutral);
  EXPECT_EQ(StackingFromFlags(true, false, true), StackingMode::Bottommost);
  EXPECT_EQ(StackingFromFlags(false, false, false), StackingMode::Neutral);
}

TEST(Stacking, ChoosingAModeActsAtOnce) {
  Stacking s;
  EXPECT_EQ(s.Choose(StackingMode::Topmost), ZOrderAction::MakeTopmost);
  EXPECT_EQ(s.Choose(StackingMode::Neutral), ZOrderAction::MakeNeutral);
  EXPECT_EQ(s.Choose(StackingMode::Bottommost), ZOrderAction::SinkToBottom);
}

TEST(Stacking, OnlyBottomMostSinksOnEveryPositionChange) {
  Stacking s;
  s.Choose(StackingMode::Bottommost);
  EXPECT_TRUE(s.SinkOnPositionChanging());
  EXPECT_EQ(s.AfterPositionChanged(true), ZOrderAction::None);
  // Leaving bottom-most clears the behaviour at once, to either mode.
  s.Choose(StackingMode::Neutral);
  EXPECT_FALSE(s.SinkOnPositionChanging());
  s.Choose(StackingMode::Bottommost);
  s.Choose(StackingMode::Topmost);
  EXPECT_FALSE(s.SinkOnPositionChanging());
}

TEST(Stacking, TopmostIsReassertedAfterChangesOnceSettingsAreLoaded) {
  Stacking s;
  s.Choose(StackingMode::Topmost);
  EXPECT_EQ(s.AfterPositionChanged(true), ZOrderAction::MakeTopmost);
  EXPECT_EQ(s.AfterPositionChanged(false), ZOrderAction::None);
  s.Choose(StackingMode::Neutral);
  EXPECT_EQ(s.AfterPositionChanged(true), ZOrderAction::None);
}

}  // namespace
}  // namespace tikolvo

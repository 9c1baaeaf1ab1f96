#include "common/balloon_model.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace tikolvo {
namespace {

// A task store of two tasks, as the scheduler would lend it.
std::optional<std::string> NameOf(int id) {
  static const std::map<int, std::string> names{{7, "Будильник"}, {0, "Нулевое"}};
  const auto found = names.find(id);
  if (found == names.end()) return std::nullopt;
  return found->second;
}

BalloonRequest Countdown(int target, std::int32_t duration, bool test = false) {
  BalloonRequest r;
  r.title = "Tikolvo: Планировщик";
  r.text = "не показывается";
  r.testMode = test;
  r.targetTaskId = target;
  r.duration = duration;
  return r;
}

BalloonRequest Plain(std::string text, std::int32_t duration) {
  BalloonRequest r;
  r.title = "Tikolvo: Планировщик";
  r.text = std::move(text);
  r.duration = duration;
  return r;
}

struct TickRun {
  int ticksUntilClosed = 0;
  std::vector<int> started;
};

// Ticks until the balloon closes (or `limit` ticks), collecting every start.
TickRun TickOut(BalloonModel& model, int limit = 100000) {
  TickRun run;
  for (int i = 1; i <= limit && !model.closed(); ++i) {
    const BalloonTick tick = model.Tick();
    if (tick.startTask) run.started.push_back(*tick.startTask);
    if (tick.close) run.ticksUntilClosed = i;
  }
  // A timer message already queued may still arrive after closing.
  for (int i = 0; i < 5; ++i)
    if (const BalloonTick late = model.Tick(); late.startTask || late.close) run.started.push_back(-999);
  return run;
}

TEST(BalloonModel, CountdownStartsItsTaskExactlyOnceAtTheEnd) {
  BalloonModel model(Countdown(7, 30), NameOf);
  const TickRun run = TickOut(model);
  EXPECT_EQ(run.ticksUntilClosed, 31);  // the count must exceed the duration
  EXPECT_EQ(run.started, std::vector<int>{7});
  EXPECT_FALSE(model.countdown());
}

TEST(BalloonModel, TaskIdZeroIsACountdownToo) {
  BalloonModel model(Countdown(0, 10), NameOf);
  EXPECT_TRUE(model.countdown());
  EXPECT_EQ(TickOut(model).started, std::vector<int>{0});
}

TEST(BalloonModel, CountdownAbandonedWhenClickedAwayOrReplaced) {
  BalloonModel model(Countdown(7, 30), NameOf);
  for (int i = 0; i < 29; ++i) EXPECT_FALSE(model.Tick().startTask);
  model.Dismiss();  // a click, or a newer balloon closing this one
  EXPECT_TRUE(model.closed());
  EXPECT_TRUE(TickOut(model).started.empty());
}

TEST(BalloonModel, TestCountdownAndMissingTargetRunNothing) {
  BalloonModel test(Countdown(7, 10, true), NameOf);
  EXPECT_NE(test.text().find("\"Будильник\""), std::string::npos);  // the test still shows the count
  const TickRun testRun = TickOut(test);
  EXPECT_EQ(testRun.ticksUntilClosed, 11);
  EXPECT_TRUE(testRun.started.empty());

  BalloonModel missing(Countdown(1234, 10), NameOf);
  EXPECT_EQ(missing.text(), "00:00 до выполнения задания \"\"");
  const TickRun missingRun = TickOut(missing);
  EXPECT_EQ(missingRun.ticksUntilClosed, 11);
  EXPECT_TRUE(missingRun.started.empty());

  BalloonModel noStore(Countdown(7, 10), nullptr);
  EXPECT_TRUE(TickOut(noStore).started.empty());
}

TEST(BalloonModel, CountdownTextTicksDownOncePerSecond) {
  BalloonModel model(Countdown(7, 30), NameOf);
  // Shown at once as the first tick will write it, then kept for layout with two blanks of room.
  EXPECT_EQ(model.text(), "00:02 до выполнения задания \"Будильник\"");
  EXPECT_EQ(model.LayoutText(), model.text() + "  ");
  std::vector<std::string> changes;
  for (int i = 0; i < 30; ++i)
    if (model.Tick().textChanged) changes.push_back(model.text().substr(0, 5));
  EXPECT_EQ(changes, (std::vector<std::string>{"00:01", "00:00"}));
}

TEST(BalloonModel, StaysOpenBalloonNeverClosesNorStarts) {
  BalloonModel model(Countdown(7, kBalloonStaysOpen), NameOf);
  EXPECT_EQ(model.text(), "00:00 до выполнения задания \"Будильник\"");
  const TickRun run = TickOut(model, 20000);
  EXPECT_FALSE(model.closed());
  EXPECT_TRUE(run.started.empty());
  model.Dismiss();
  EXPECT_TRUE(model.closed());
}

TEST(BalloonModel, PlainBalloonShowsItsTextAndIgnoresTheTestFlag) {
  BalloonRequest request = Plain("Пора обедать", 10);
  request.testMode = true;
  BalloonModel model(request, NameOf);
  EXPECT_FALSE(model.countdown());
  EXPECT_EQ(model.text(), "Пора обедать");
  EXPECT_EQ(model.LayoutText(), "Пора обедать");
  const TickRun run = TickOut(model);
  EXPECT_EQ(run.ticksUntilClosed, 11);  // a "1 секунда" balloon lasts 1.1 s
  EXPECT_TRUE(run.started.empty());
  EXPECT_EQ(model.text(), "Пора обедать");
}

TEST(BalloonModel, OddDurationsCloseAtTheFirstTick) {
  for (std::int32_t duration : {0, -1, -100000}) {
    BalloonModel model(Countdown(7, duration), NameOf);
    const TickRun run = TickOut(model);
    EXPECT_EQ(run.ticksUntilClosed, 1) << duration;
    EXPECT_EQ(run.started, std::vector<int>{7}) << duration;
  }
}

TEST(BalloonModel, IconNumbersOutsideTheTableShowIconZero) {
  BalloonRequest request = Plain("x", 10);
  for (int icon : {0, 17}) {
    request.iconNumber = icon;
    EXPECT_EQ(BalloonModel(request, NameOf).iconNumber(), icon);
  }
  for (int icon : {-1, 18, 255}) {
    request.iconNumber = icon;
    EXPECT_EQ(BalloonModel(request, NameOf).iconNumber(), 0) << icon;
  }
}

TEST(BalloonClosePicture, HoverPressAndRelease) {
  ClosePicture close;
  EXPECT_EQ(close.picture(), ClosePicture::kNormal);
  close.MouseEnter();
  EXPECT_EQ(close.picture(), ClosePicture::kHover);
  close.MouseLeave();
  EXPECT_EQ(close.picture(), ClosePicture::kNormal);

  close.MouseEnter();
  close.MouseDown();
  EXPECT_EQ(close.picture(), ClosePicture::kPressed);
  close.MouseLeave();  // dragged off with the button held: still pressed
  EXPECT_EQ(close.picture(), ClosePicture::kPressed);
  close.MouseUp(false);
  EXPECT_EQ(close.picture(), ClosePicture::kNormal);

  close.MouseDown();
  close.MouseUp(true);
  EXPECT_EQ(close.picture(), ClosePicture::kHover);
  close.MouseLeave();  // released, so leaving shows it normal again
  EXPECT_EQ(close.picture(), ClosePicture::kNormal);
}

}  // namespace
}  // namespace tikolvo

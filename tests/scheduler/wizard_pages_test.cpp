#include <gtest/gtest.h>

#include <vector>

#include "common/balloon_durations.h"
#include "scheduler/wizard_pages.h"
#include "scheduler/wizard_values.h"

namespace tikolvo::wizard {
namespace {

ActionChecks With(std::initializer_list<Action> actions) {
  ActionChecks checks{};
  for (Action a : actions) checks[static_cast<int>(a)] = true;
  return checks;
}

// Every page "Далее" visits from the first to the last.
std::vector<int> ForwardWalk(const ActionChecks& actions, TaskTrigger trigger) {
  std::vector<int> pages{0};
  Page page = Page::kActions;
  while (page != Page::kName) {
    page = StepPage(page, Direction::kForward, actions, trigger);
    pages.push_back(static_cast<int>(page));
  }
  return pages;
}

std::vector<int> BackWalk(const ActionChecks& actions, TaskTrigger trigger) {
  std::vector<int> pages{13};
  Page page = Page::kName;
  while (page != Page::kActions) {
    page = StepPage(page, Direction::kBack, actions, trigger);
    pages.push_back(static_cast<int>(page));
  }
  return pages;
}

TEST(WizardPages, NoActionsDailyVisitsOnlyTheCommonPagesAndTheTimePage) {
  EXPECT_EQ(ForwardWalk({}, TaskTrigger::kAtTime), (std::vector<int>{0, 1, 11, 12, 13}));
  EXPECT_EQ(BackWalk({}, TaskTrigger::kAtTime), (std::vector<int>{13, 12, 11, 1, 0}));
}

TEST(WizardPages, EventAndHourlyTriggersNeverShowATimePage) {
  for (TaskTrigger trigger : {TaskTrigger::kHourly, TaskTrigger::kOnStart, TaskTrigger::kOnConnect,
                              TaskTrigger::kOnDisconnect}) {
    EXPECT_EQ(ForwardWalk(With({Action::kMessage}), trigger), (std::vector<int>{0, 1, 5, 12, 13}));
  }
}

TEST(WizardPages, MonthlyShowsTheMonthlyPageInsteadOfTheTimePage) {
  EXPECT_EQ(ForwardWalk(With({Action::kBeep}), TaskTrigger::kMonthly), (std::vector<int>{0, 1, 8, 10, 12, 13}));
  EXPECT_EQ(BackWalk(With({Action::kBeep}), TaskTrigger::kMonthly), (std::vector<int>{13, 12, 10, 8, 1, 0}));
}

TEST(WizardPages, EachActionBringsItsOwnPage) {
  const std::pair<Action, int> pages[] = {{Action::kPower, 2},     {Action::kRun, 3},       {Action::kMusic, 4},
                                          {Action::kMessage, 5},   {Action::kShortSound, 6}, {Action::kHangUp, 7},
                                          {Action::kBeep, 8},      {Action::kHint, 9},      {Action::kCountdownHint, 9}};
  for (auto [action, page] : pages)
    EXPECT_EQ(ForwardWalk(With({action}), TaskTrigger::kOnStart), (std::vector<int>{0, 1, page, 12, 13}))
        << static_cast<int>(action);
}

TEST(WizardPages, EveryActionAtOnceVisitsEveryActionPageInOrder) {
  ActionChecks all{};
  all.fill(true);
  EXPECT_EQ(ForwardWalk(all, TaskTrigger::kAtTime), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13}));
}

TEST(WizardPages, StepsStopAtTheEnds) {
  EXPECT_EQ(StepPage(Page::kActions, Direction::kBack, {}, TaskTrigger::kAtTime), Page::kActions);
  EXPECT_EQ(StepPage(Page::kName, Direction::kForward, {}, TaskTrigger::kAtTime), Page::kName);
}

TEST(WizardPages, CaptionsAndHeaders) {
  EXPECT_EQ(PageCaption(Page::kMonthly, Direction::kForward), "Ежемесячное задание.");
  EXPECT_EQ(PageCaption(Page::kMonthly, Direction::kBack), "Время срабатывания задания (ежемесячное задание).");
  EXPECT_EQ(PageCaption(Page::kName, Direction::kBack), "Имя задания.");
  EXPECT_EQ(EditTaskHeader("Будильник"), "Мастер планировки заданий: Редактирование задания \"Будильник\"");
  EXPECT_EQ(NewTaskHeader(), "Мастер планировки заданий: Создание нового задания.");
}

// ---- Track bar tables ----

TEST(WizardValues, BeepPositionsGiveTheirValuesAndComeBack) {
  const std::int32_t values[] = {300, 500, 1000, 1500, 2000, 5000};
  for (int position = 0; position < kFrequencyPositions; ++position) {
    EXPECT_EQ(BeepValueAt(position), values[position]);
    EXPECT_EQ(BeepPositionOf(values[position]), position);
  }
  EXPECT_EQ(BeepValueAt(-1), 1000);
  EXPECT_EQ(BeepValueAt(6), 1000);
  EXPECT_EQ(BeepPositionOf(777), 1) << "an unknown value shows as 500";
}

TEST(WizardValues, Labels) {
  EXPECT_EQ(FrequencyLabel(0), "300 Гц");
  EXPECT_EQ(FrequencyLabel(3), "1.5 КГц");
  EXPECT_EQ(FrequencyLabel(5), "5 КГц");
  EXPECT_EQ(DurationLabel(0), "0.3 секунды");
  EXPECT_EQ(DurationLabel(2), "1 секунда");
  EXPECT_EQ(DurationLabel(4), "2 секунды");
  EXPECT_EQ(DurationLabel(5), "") << "the duration bar ends at 2 seconds";
}

TEST(WizardValues, DisplayTimesBothWays) {
  const std::int32_t values[] = {10, 30, 50, 100, 250, 600, 1800, 3000, 6000, 1};
  for (int position = 0; position < 10; ++position) {
    EXPECT_EQ(BalloonDurationAt(position), values[position]);
    EXPECT_EQ(BalloonDurationPosition(values[position]), position);
  }
  EXPECT_EQ(BalloonDurationLabel(9), "Не закрывать");
  EXPECT_EQ(BalloonDurationPosition(77), 3);
}

}  // namespace
}  // namespace tikolvo::wizard

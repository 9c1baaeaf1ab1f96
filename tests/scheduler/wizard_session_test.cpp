#include <gtest/gtest.h>

#include "plan_test_files.h"
#include "scheduler/plan_file.h"
#include "scheduler/task_row.h"
#include "scheduler/wizard_session.h"

namespace tikolvo {
namespace {

using wizard::Action;

const DateTime kOpened = At(2026, 3, 15, 13, 20, 45);  // a Sunday

class RecordingTests : public WizardTests {
 public:
  void ShowMessage(std::string_view title, std::string_view text) override {
    calls.push_back("message " + std::string(title) + " / " + std::string(text));
  }
  void Beep(int frequency, int milliseconds) override {
    calls.push_back("beep " + std::to_string(frequency) + " " + std::to_string(milliseconds));
  }
  void ShowBalloon(const BalloonRequest& r) override {
    calls.push_back("balloon " + r.title + " / " + r.text + " test=" + std::to_string(r.testMode) +
                    " target=" + std::to_string(r.targetTaskId) + " icon=" + std::to_string(r.iconNumber) +
                    " duration=" + std::to_string(r.duration));
  }
  void PlaySoundFile(const std::string& path) override { calls.push_back("file " + path); }
  void StopSound() override { calls.push_back("stop"); }
  void PlayBuiltinSound(int number) override { calls.push_back("sound " + std::to_string(number)); }
  std::vector<std::string> ConnectionNames() override { return {}; }
  std::vector<std::string> calls;
};

class WizardSessionTest : public PlanFolder {
 protected:
  WizardRequest NewRequest() const { return {WizardRequest::Kind::kNew, 0, 0, Path()}; }
  WizardRequest EditRequest(std::int32_t id) const { return {WizardRequest::Kind::kEdit, 0, id, Path()}; }

  // The task in use with the id, read back with the core.
  TPlanTask Stored(std::int32_t id) const {
    TPlanTask task;
    EXPECT_EQ(FindTask(Path(), id, task), FindResult::kFound);
    return task;
  }
  std::int32_t OnlyId() const {
    const auto rows = ListTaskNames(Path());
    EXPECT_TRUE(rows && rows->size() == 1);
    return rows && !rows->empty() ? TaskIdOfRow(rows->front()) : -1;
  }

  ScriptedRandom random_{10, 3, 5};  // id 28
};

TEST_F(WizardSessionTest, DailyMessageTaskIsStoredWithTheWizardsValues) {
  ASSERT_TRUE(CreatePlanFile(Path(), kOpened));
  WizardSession session(NewRequest(), kOpened, {});
  EXPECT_EQ(session.controls().name, "Новое задание");
  EXPECT_EQ(session.Header(), "Мастер планировки заданий: Создание нового задания.");
  session.ClickAction(Action::kMessage, true);
  session.controls().messageText = "Обед";
  session.controls().time = At(2026, 3, 15, 14, 5, 0);
  ASSERT_EQ(session.Save(kOpened, random_), WizardSaveResult::kSaved);

  EXPECT_EQ(Read().size(), 4u + 1576u) << "the free record of a fresh file is dropped";
  const TPlanTask task = Stored(28);
  EXPECT_EQ(task.name, "Новое задание");
  EXPECT_TRUE(task.messageActive);
  EXPECT_EQ(task.messageText, "Обед");
  EXPECT_EQ(task.when, At(2026, 3, 15, 14, 5, 0));
  EXPECT_TRUE(task.everyDay);
  EXPECT_EQ(task.trigger, TaskTrigger::kAtTime);
  EXPECT_EQ(task.editMark, 1);
  EXPECT_EQ(task.dialAction, 4);
  EXPECT_EQ(task.soundIndex, -1) << "no sound chosen";
  EXPECT_EQ(task.beepFrequency, 1000);
  EXPECT_EQ(task.beepDuration, 500);
  EXPECT_EQ(task.hintDuration, 50);
  EXPECT_FALSE(task.weekdayFilter);
  EXPECT_FALSE(task.monthFilter);
  EXPECT_EQ(task.weekdays, (std::array<bool, 7>{1, 1, 1, 1, 1, 1, 1}));
  EXPECT_FALSE(task.runActive || task.musicActive || task.soundActive || task.hintActive || task.beepActive ||
               task.hangUpActive || task.powerOff || task.reboot || task.standby || task.hibernate || task.locked);
}

TEST_F(WizardSessionTest, EditingAndSavingUnchangedKeepsEveryFieldButTheEditMark) {
  ASSERT_TRUE(CreatePlanFile(Path(), kOpened));
  {
    WizardSession session(NewRequest(), kOpened, {});
    auto& c = session.controls();
    for (Action a : {Action::kPower, Action::kRun, Action::kMusic, Action::kShortSound, Action::kHangUp,
                     Action::kBeep, Action::kHint})
      session.ClickAction(a, true);
    c.power = wizard::PowerChoice::kHibernate;
    c.runFile = "C:\\Windows\\notepad.exe";
    c.runParams = "a.txt";
    c.musicFile = "C:\\m.mp3";
    c.soundPosition = 7;
    c.connectionName = "Домашний";
    c.frequencyPosition = 5;
    c.durationPosition = 4;
    c.hintDurationPosition = 9;
    c.hintIcon = 17;
    c.hintText = "Подсказка";
    c.trigger = TaskTrigger::kMonthly;
    wizard::ChooseDayOfMonth(c, 14);
    c.weekdays[6] = false;
    c.months[0] = false;
    c.autoLock = true;
    c.locked = true;
    c.name = "Всё сразу";
    ASSERT_EQ(session.Save(kOpened, random_), WizardSaveResult::kSaved);
  }
  const TPlanTask before = Stored(28);
  EXPECT_TRUE(before.hibernate);
  EXPECT_TRUE(before.monthlyActive);
  EXPECT_TRUE(before.weekdayFilter && before.monthFilter);
  EXPECT_EQ(before.when, At(2026, 1, 14, 13, 20, 45));
  EXPECT_EQ(before.beepFrequency, 5000);
  EXPECT_EQ(before.beepDuration, 2000);
  EXPECT_EQ(before.hintDuration, 1);

  WizardSession edit(EditRequest(28), kOpened + 3, {"Все", "Домашний"});
  EXPECT_EQ(edit.Header(), "Мастер планировки заданий: Редактирование задания \"Всё сразу\"");
  EXPECT_EQ(edit.controls().connections, (std::vector<std::string>{"Все", "Домашний"}));
  ASSERT_EQ(edit.Save(kOpened + 3, random_), WizardSaveResult::kSaved);
  TPlanTask expected = before;
  expected.editMark = -1;
  EXPECT_EQ(Stored(28), expected);
}

TEST_F(WizardSessionTest, CountdownBalloonKeepsItsTargetThroughAnEdit) {
  Write(HandFile({HandRecord::Live(700, "Target")}));
  WizardSession session(NewRequest(), kOpened, {});
  session.ClickAction(Action::kHint, true);
  session.ClickAction(Action::kCountdownHint, true);
  EXPECT_FALSE(wizard::Has(session.controls().actions, Action::kHint)) << "item 8 replaces item 7";
  session.controls().countdownTarget = 0;
  ASSERT_EQ(session.Save(kOpened, random_), WizardSaveResult::kSaved);
  const TPlanTask saved = Stored(28);
  EXPECT_TRUE(saved.hintActive && saved.timerMode);
  EXPECT_EQ(saved.timerTaskId, 700);

  WizardSession edit(EditRequest(28), kOpened, {});
  EXPECT_TRUE(wizard::Has(edit.controls().actions, Action::kCountdownHint));
  EXPECT_FALSE(wizard::Has(edit.controls().actions, Action::kHint));
  EXPECT_EQ(edit.controls().countdownTarget, 0);
  edit.ClickAction(Action::kHint, true);
  EXPECT_FALSE(wizard::Has(edit.controls().actions, Action::kCountdownHint));
  ASSERT_EQ(edit.Save(kOpened, random_), WizardSaveResult::kSaved);
  EXPECT_FALSE(Stored(28).timerMode);
  EXPECT_EQ(Stored(28).timerTaskId, 0) << "a plain balloon starts nothing";
}

TEST_F(WizardSessionTest, CountdownWithoutTargetSavesIdZero) {
  Write(HandFile({HandRecord::Live(700)}));
  WizardSession session(NewRequest(), kOpened, {});
  session.ClickAction(Action::kCountdownHint, true);
  ASSERT_EQ(session.Save(kOpened, random_), WizardSaveResult::kSaved);
  EXPECT_TRUE(Stored(28).timerMode);
  EXPECT_EQ(Stored(28).timerTaskId, 0);
}

TEST_F(WizardSessionTest, WhenFollowsTheTrigger) {
  ASSERT_TRUE(CreatePlanFile(Path(), kOpened));
  WizardSession hourly(NewRequest(), kOpened, {});
  hourly.controls().trigger = TaskTrigger::kHourly;
  ASSERT_EQ(hourly.Save(kOpened + 0.01, random_), WizardSaveResult::kSaved);
  EXPECT_EQ(EncodeTime(14, 0, 0), Stored(OnlyId()).when) << "the next whole hour, no date";

  ASSERT_TRUE(CreatePlanFile(Path(), kOpened));
  WizardSession onStart(NewRequest(), kOpened, {});
  onStart.controls().trigger = TaskTrigger::kOnStart;
  ScriptedRandom again{10, 3, 5};
  ASSERT_EQ(onStart.Save(kOpened + 0.5, again), WizardSaveResult::kSaved);
  EXPECT_EQ(Stored(28).when, kOpened) << "the moment the wizard was opened";
}

TEST_F(WizardSessionTest, CalendarDayMakesAOnceOnlyTaskOnThatDay) {
  ASSERT_TRUE(CreatePlanFile(Path(), kOpened));
  WizardSession session({WizardRequest::Kind::kNewOnDay, At(2026, 3, 20), 0, Path()}, kOpened, {});
  ASSERT_EQ(session.Save(kOpened, random_), WizardSaveResult::kSaved);
  const TPlanTask task = Stored(28);
  EXPECT_FALSE(task.everyDay);
  EXPECT_EQ(task.when, At(2026, 3, 20, 13, 20, 45));
}

TEST_F(WizardSessionTest, RefusedOrFailedSavesLeaveTheFileAlone) {
  Write(HandFile({HandRecord::Live(5)}));
  const std::string bytes = Read();
  WizardSession unnamed(NewRequest(), kOpened, {});
  unnamed.controls().name.clear();
  EXPECT_EQ(unnamed.Save(kOpened, random_), WizardSaveResult::kNameMissing);

  WizardSession vanished(EditRequest(99), kOpened, {});
  vanished.controls().name = "x";
  EXPECT_EQ(vanished.Save(kOpened, random_), WizardSaveResult::kFailed) << "the edited task is gone";
  EXPECT_EQ(Read(), bytes);
}

TEST_F(WizardSessionTest, DefaultNameSkipsTakenNames) {
  Write(HandFile({HandRecord::Live(5, "\xcd\xee\xe2\xee\xe5 \xe7\xe0\xe4\xe0\xed\xe8\xe5")}));  // "Новое задание"
  EXPECT_EQ(WizardSession(NewRequest(), kOpened, {}).controls().name, "Новое задание (1)");
}

TEST_F(WizardSessionTest, HangUpItemOffersAllConnectionsFirst) {
  WizardSession session(NewRequest(), kOpened, ConnectionChoices({"Модем"}));
  EXPECT_TRUE(session.controls().connections.empty());
  session.ClickAction(Action::kHangUp, true);
  EXPECT_EQ(session.controls().connections, (std::vector<std::string>{"Все", "Модем"}));
}

TEST_F(WizardSessionTest, TestButtonsAskForTheChosenPreview) {
  Write(HandFile({HandRecord::Live(700)}));
  WizardSession session(NewRequest(), kOpened, {});
  auto& c = session.controls();
  c.messageText = "Текст";
  c.frequencyPosition = 0;
  c.durationPosition = 3;
  c.hintText = "Подсказка";
  c.hintIcon = 4;
  c.hintDurationPosition = 0;
  RecordingTests tests;
  session.TestMessage(tests);
  session.TestBeep(tests);
  session.TestHint(tests);
  session.ClickAction(Action::kCountdownHint, true);
  c.countdownTarget = 0;
  session.TestHint(tests);
  session.PreviewShortSound(3, tests);  // "Ring" is sound 0 of the bank
  session.PreviewShortSound(10, tests);
  session.PlayMusic(tests);  // no file chosen
  EXPECT_EQ(tests.calls, (std::vector<std::string>{
                             "message Tikolvo: Планировщик / Текст",
                             "beep 300 1500",
                             "balloon Tikolvo: Планировщик / Подсказка test=0 target=-1 icon=4 duration=10",
                             "balloon Tikolvo: Планировщик /  test=1 target=700 icon=4 duration=10",
                             "sound 0",
                         }));
}

TEST_F(WizardSessionTest, PagesFollowTheUsersChoices) {
  WizardSession session(NewRequest(), kOpened, {});
  EXPECT_FALSE(session.CanGoBack());
  session.Next();
  session.ChooseTrigger(TaskTrigger::kMonthly);
  session.Next();
  EXPECT_EQ(session.page(), wizard::Page::kMonthly);
  session.Next();
  session.Back();
  EXPECT_EQ(session.page(), wizard::Page::kMonthly);
  EXPECT_EQ(session.arrivedBy(), wizard::Direction::kBack);
  session.Next();
  session.Next();
  EXPECT_TRUE(session.OnLastPage());
}

// ---- Controls without a file ----

TEST(WizardControls, FiltersFollowTheChecks) {
  auto c = wizard::FreshControls(kOpened, {});
  EXPECT_FALSE(wizard::WeekdayFilterOn(c));
  c.weekdays[2] = false;
  EXPECT_TRUE(wizard::WeekdayFilterOn(c));
  c.weekdays[2] = true;
  EXPECT_FALSE(wizard::WeekdayFilterOn(c));
  c.months[11] = false;
  EXPECT_TRUE(wizard::MonthFilterOn(c));
}

TEST(WizardControls, DamagedTaskLoadsIntoControlsThatExist) {
  TPlanTask task = ResetTaskValues(kOpened);
  task.trigger = static_cast<TaskTrigger>(9);
  task.soundIndex = 42;
  task.hintIcon = 200;
  task.hintDuration = 7;
  task.beepDuration = 5000;
  task.timerMode = true;
  task.timerTaskId = 3;
  auto c = wizard::FreshControls(kOpened, {"a||1", "b||3"});
  wizard::LoadTask(c, task, {});
  EXPECT_EQ(c.trigger, TaskTrigger::kAtTime);
  EXPECT_EQ(c.soundPosition, -1);
  EXPECT_EQ(c.hintIcon, 17);
  EXPECT_EQ(c.hintDurationPosition, 3);
  EXPECT_EQ(c.durationPosition, 4) << "the duration bar ends at 2 seconds";
  EXPECT_EQ(c.countdownTarget, 1);
  EXPECT_FALSE(wizard::Has(c.actions, Action::kCountdownHint)) << "a countdown without its balloon flag";
}

TEST(WizardControls, DayOfMonthMovesTheDateToJanuary) {
  auto c = wizard::FreshControls(kOpened, {});
  EXPECT_EQ(wizard::DayOfMonthShown(c), 15) << "without a choice the date's own day counts";
  wizard::ChooseDayOfMonth(c, 31);
  EXPECT_EQ(c.date, At(2026, 1, 31));
  EXPECT_EQ(wizard::DayOfMonthShown(c), 31);
}

}  // namespace
}  // namespace tikolvo

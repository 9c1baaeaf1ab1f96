#include <gtest/gtest.h>

#include "scheduler/plan_engine.h"
#include "scheduler/task_action_plan.h"

namespace tikolvo {
namespace {

// A task with every action switched on.
TPlanTask EveryAction() {
  TPlanTask task;
  task.id = 7;
  task.inUse = true;
  task.runActive = true;
  task.runFile = "C:\\Program Files\\Editor\\edit.exe";
  task.runParams = "/n письмо.txt";
  task.messageActive = true;
  task.messageText = "Пора обедать";
  task.musicActive = true;
  task.musicFile = "D:\\music\\gong.mp3";
  task.soundActive = true;
  task.soundIndex = 0;
  task.hintActive = true;
  task.hintText = "Подсказка";
  task.hintIcon = 5;
  task.hintDuration = 30;
  task.beepActive = true;
  task.beepFrequency = 1000;
  task.beepDuration = 500;
  task.hangUpActive = true;
  task.dialAction = 4;
  task.connectionName = "Модем";
  task.reboot = true;
  return task;
}

TEST(TaskActionPlan, EveryActionCarriesItsValues) {
  const TaskActionPlan plan = PlanTaskActions(EveryAction());
  ASSERT_TRUE(plan.run);
  EXPECT_EQ(*plan.run, (RunRequest{"C:\\Program Files\\Editor\\edit.exe", "/n письмо.txt", "C:\\Program Files\\Editor\\"}));
  EXPECT_EQ(plan.message, "Пора обедать");
  EXPECT_EQ(plan.soundFile, "D:\\music\\gong.mp3");
  EXPECT_EQ(plan.builtinSound, 2);  // list position 0 "Ding" is bank sound 2
  ASSERT_TRUE(plan.balloon);
  EXPECT_EQ(plan.balloon->title, "Tikolvo: Планировщик");
  EXPECT_EQ(plan.balloon->text, "Подсказка");
  EXPECT_EQ(plan.balloon->targetTaskId, -1);
  EXPECT_EQ(plan.balloon->iconNumber, 5);
  EXPECT_EQ(plan.balloon->duration, 30);
  EXPECT_FALSE(plan.balloon->testMode);
  EXPECT_EQ(plan.beep, (BeepRequest{1000, 500}));
  EXPECT_EQ(plan.hangUpFilter, "Модем");
  EXPECT_EQ(plan.power, PowerOperation::kRestart);
}

TEST(TaskActionPlan, LockedTaskDoesNothingAtAll) {
  TPlanTask task = EveryAction();
  task.locked = true;
  const TaskActionPlan plan = PlanTaskActions(task);
  EXPECT_FALSE(plan.run || plan.message || plan.soundFile || plan.builtinSound || plan.balloon || plan.beep ||
               plan.hangUpFilter || plan.power);
}

TEST(TaskActionPlan, InactiveActionsAndOddCodesPlanNothing) {
  TPlanTask task = EveryAction();
  task.runActive = task.messageActive = task.musicActive = task.hintActive = task.beepActive = false;
  task.reboot = false;
  task.soundIndex = 10;  // beyond the ten sounds
  task.dialAction = 3;   // only 4 hangs up
  const TaskActionPlan plan = PlanTaskActions(task);
  EXPECT_FALSE(plan.run || plan.message || plan.soundFile || plan.balloon || plan.beep || plan.power);
  EXPECT_FALSE(plan.builtinSound);
  EXPECT_FALSE(plan.hangUpFilter);

  task.soundIndex = -1;
  EXPECT_FALSE(PlanTaskActions(task).builtinSound);
  task.soundIndex = 3;  // "Ring" is bank sound 0
  EXPECT_EQ(PlanTaskActions(task).builtinSound, 0);
}

TEST(TaskActionPlan, CountdownStartsAnotherTaskButNeverItself) {
  TPlanTask task = EveryAction();
  task.timerMode = true;
  task.timerTaskId = 9;
  TaskActionPlan plan = PlanTaskActions(task);
  ASSERT_TRUE(plan.balloon);
  EXPECT_EQ(plan.balloon->targetTaskId, 9);
  EXPECT_EQ(plan.balloon->text, "");  // a countdown writes its own text
  EXPECT_EQ(plan.balloon->title, "Tikolvo: Планировщик");

  task.timerTaskId = 7;  // its own id
  plan = PlanTaskActions(task);
  EXPECT_FALSE(plan.balloon);
  EXPECT_TRUE(plan.message && plan.beep && plan.run);  // the other actions still run
}

TEST(TaskActionPlan, WorkingFolderIsThePartUpToTheLastBackslash) {
  EXPECT_EQ(FolderOf("C:\\a\\b.exe"), "C:\\a\\");
  EXPECT_EQ(FolderOf("C:\\"), "C:\\");
  EXPECT_EQ(FolderOf("notepad.exe"), "");
  EXPECT_EQ(FolderOf("http://example.org/page"), "");
  EXPECT_EQ(FolderOf(""), "");
}

TEST(TaskActionPlan, BeepOnlyForTonesTheSpeakerCanSound) {
  EXPECT_EQ(BeepFor(300, 300), (BeepRequest{300, 300}));
  EXPECT_EQ(BeepFor(37, 1), (BeepRequest{37, 1}));
  EXPECT_EQ(BeepFor(32767, 2000), (BeepRequest{32767, 2000}));
  EXPECT_FALSE(BeepFor(36, 500));
  EXPECT_FALSE(BeepFor(32768, 500));
  EXPECT_FALSE(BeepFor(-1000, 500));
  EXPECT_FALSE(BeepFor(1000, 0));
  EXPECT_FALSE(BeepFor(1000, -5));
  // A damaged record cannot keep the speaker busy for weeks.
  EXPECT_EQ(BeepFor(1000, 2'000'000'000), (BeepRequest{1000, kLongestBeep}));
}

TEST(TaskActionPlan, PowerTakesTheFirstSetOperation) {
  TPlanTask task;
  EXPECT_FALSE(TaskPowerOperation(task));
  task.hibernate = true;
  EXPECT_EQ(TaskPowerOperation(task), PowerOperation::kHibernate);
  task.standby = true;
  EXPECT_EQ(TaskPowerOperation(task), PowerOperation::kStandby);
  task.reboot = true;
  EXPECT_EQ(TaskPowerOperation(task), PowerOperation::kRestart);
  task.powerOff = true;  // with restart set too, it switches off
  EXPECT_EQ(TaskPowerOperation(task), PowerOperation::kSwitchOff);
}

TEST(SpecialCommands, MapToSchedulerCodesInAnyCase) {
  EXPECT_EQ(SpecialCommandCode(":shutdown"), plan_code::kSwitchOff);
  EXPECT_EQ(SpecialCommandCode(":SHUTDOWN"), plan_code::kSwitchOff);
  EXPECT_EQ(SpecialCommandCode(":Reboot"), plan_code::kRestart);
  EXPECT_EQ(SpecialCommandCode(":disconnect"), plan_code::kHangUpAll);
  EXPECT_EQ(SpecialCommandCode(":sleep"), plan_code::kHibernate);
  EXPECT_EQ(SpecialCommandCode(":wait"), plan_code::kStandby);
  EXPECT_FALSE(SpecialCommandCode("shutdown"));
  EXPECT_FALSE(SpecialCommandCode(":shutdown "));
  EXPECT_FALSE(SpecialCommandCode("C:\\Windows\\notepad.exe"));
  EXPECT_FALSE(SpecialCommandCode(""));
}

}  // namespace
}  // namespace tikolvo

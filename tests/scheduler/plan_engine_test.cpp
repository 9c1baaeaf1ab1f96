#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <stdexcept>

#include "common/date_format.h"
#include "common/fake_clock.h"
#include "plan_test_files.h"
#include "scheduler/plan_engine.h"
#include "scheduler/plan_file.h"
#include "scheduler/task_action_plan.h"

namespace tikolvo {
namespace {

using Names = std::vector<std::string>;

// 2026-03-16 is a Monday.
const DateTime kMonday = At(2026, 3, 16);

class SchedulerEngine : public PlanFolder {
 protected:
  // Writes the tasks (ids 1, 2, ... unless set), starts the engine at `now`
  // with the scheduler switched on and searches.
  void StartWith(std::vector<TPlanTask> tasks, DateTime now) {
    WriteTasks(std::move(tasks));
    ASSERT_EQ(StartEngine(now), PlanStatus::kDone);
  }

  void WriteTasks(std::vector<TPlanTask> tasks) { Write(FileOfTasks(std::move(tasks))); }

  PlanStatus StartEngine(DateTime now) {
    clock.SetNow(now);
    engine = std::make_unique<PlanEngine>(Path(), clock, actions);
    engine->SetSchedulerEnabled(true);
    actions.onExecute = [this](const TPlanTask& task) {
      ran.push_back(task.name + "@" + FormatDateTime("dd hh:nn:ss", clock.Now()));
    };
    return engine->ComputeNextTasks();
  }

  // The program's timer: a reading every 450 ms up to `until`.
  void RunUntil(DateTime until) {
    const DateTime start = clock.Now();
    const auto steps = static_cast<long long>((until - start) * 86'400'000 / 450);
    for (long long step = 1; step <= steps; ++step) {
      clock.SetNow(start + step * 450 / 86'400'000.0);
      const ClockReading reading = engine->ReadClock();
      if (reading.status != PlanStatus::kDone) statuses.push_back(reading.status);
    }
  }

  // The program's timer as it runs: a reading when the engine asks for
  // one, a little late, as a timer fires.
  int RunAsAsked(DateTime until) {
    int readings = 0;
    for (;;) {
      const DateTime next = clock.Now() + (engine->MillisecondsToNextReading() + 20) / 86'400'000.0;
      if (next > until) return readings;
      clock.SetNow(next);
      engine->ReadClock();
      ++readings;
    }
  }

  Names TaskNames() const {
    Names names;
    for (const std::string& row : ListTaskNames(Path()).value_or(Names{"<unreadable>"}))
      names.push_back(row.substr(0, row.find("||")));
    return names;
  }

  FakeClock clock;
  RecordingActions actions;
  std::unique_ptr<PlanEngine> engine;
  Names ran;
  std::vector<PlanStatus> statuses;
};

TEST_F(SchedulerEngine, TasksAtTheSameSecondBothRunAtTheirAlarm) {
  StartWith({OnceTask("once", kMonday + EncodeTime(14, 0, 0)), DailyTask("daily", 14, 0)},
            kMonday + EncodeTime(12, 0, 0));
  EXPECT_EQ(engine->NextTasksText(), "Следующие задания:  \"once\", \"daily\" в 14:00:00");
  RunUntil(kMonday + EncodeTime(14, 5, 0));
  EXPECT_EQ(ran, (Names{"once@16 14:00:00", "daily@16 14:00:00"}));
  EXPECT_TRUE(statuses.empty());
}

TEST_F(SchedulerEngine, HourlyTaskFiresEveryHourButNotAtMidnight) {
  StartWith({HourlyTask("h", 14.0 / 24)}, kMonday + EncodeTime(13, 20, 0));
  RunUntil(kMonday + 1 + EncodeTime(2, 0, 30));
  Names expected;
  for (int hour = 14; hour <= 23; ++hour) expected.push_back("h@16 " + std::to_string(hour) + ":00:00");
  expected.push_back("h@17 01:00:00");
  expected.push_back("h@17 02:00:00");
  EXPECT_EQ(ran, expected);
}

TEST_F(SchedulerEngine, ReadingOnlyWhenAskedRunsWhatReadingEveryHalfSecondRuns) {
  const std::vector<TPlanTask> tasks{HourlyTask("h", 14.0 / 24), DailyTask("morning", 8, 0),
                                     OnceTask("once", kMonday + EncodeTime(14, 30, 15)), DailyTask("late", 23, 59, 59),
                                     DailyTask("first", 0, 0, 0)};
  const DateTime start = kMonday + EncodeTime(13, 20, 0), until = kMonday + 1 + EncodeTime(15, 0, 30);
  StartWith(tasks, start);
  RunUntil(until);
  const Names everyHalfSecond = ran;
  ran.clear();
  StartWith(tasks, start);
  const int readings = RunAsAsked(until);
  EXPECT_EQ(ran, everyHalfSecond);
  EXPECT_EQ(ran.size(), 28u) << "h at 14..23 and 1..15, once, late, morning; nothing at midnight";
  EXPECT_LT(readings, 26 * 60 + 40) << "about one reading a minute, plus the alarms";
  EXPECT_TRUE(actions.missed.empty());
}

TEST_F(SchedulerEngine, AfterItsRunAnHourlyTaskKeepsABareNextHour) {
  StartWith({HourlyTask("h", 14.0 / 24)}, kMonday + EncodeTime(13, 20, 0));
  clock.SetNow(kMonday + EncodeTime(14, 0, 0, 200));
  ASSERT_EQ(engine->RunDueTasks(), PlanStatus::kDone);
  EXPECT_EQ(LoadPlanBase(Path())->At(0).when, 15.0 / 24);
}

TEST_F(SchedulerEngine, SwitchedOffTheAlarmStillRingsAndSearchesButRunsNothing) {
  StartWith({DailyTask("a", 14, 0), DailyTask("b", 15, 0), EventTask("start", TaskTrigger::kOnStart)},
            kMonday + EncodeTime(12, 0, 0));
  engine->SetSchedulerEnabled(false);
  RunUntil(kMonday + EncodeTime(14, 0, 30));
  EXPECT_TRUE(ran.empty());
  EXPECT_EQ(engine->NextTasksText(), "Следующие задания:  \"b\" в 15:00:00");
  clock.SetNow(kMonday + EncodeTime(14, 0, 30));
  EXPECT_EQ(engine->PlanCommand(plan_code::kProgramStart), PlanStatus::kDone);
  EXPECT_EQ(ran, Names{"start@16 14:00:30"}) << "event tasks do not depend on the switch";
}

TEST_F(SchedulerEngine, AutoDeleteFreesTheRecordUntilTheNextRebuild) {
  TPlanTask once = OnceTask("once", kMonday + EncodeTime(14, 0, 0));
  once.autoDelete = true;
  StartWith({once, DailyTask("keep", 18, 0)}, kMonday + EncodeTime(12, 0, 0));
  RunUntil(kMonday + EncodeTime(14, 1, 0));
  EXPECT_EQ(ran, Names{"once@16 14:00:00"});
  EXPECT_EQ(TaskNames(), Names{"keep"});
  EXPECT_EQ(Read().size(), 4u + 2 * 1576) << "the freed record stays until a rebuild";
  ScriptedRandom random{10, 3, 5};
  ASSERT_TRUE(AppendTask(Path(), DailyTask("new", 9, 0), random));
  EXPECT_EQ(Read().size(), 4u + 2 * 1576);
}

TEST_F(SchedulerEngine, AutoLockStopsADailyTaskAfterItsFirstRun) {
  TPlanTask daily = DailyTask("daily", 14, 0);
  daily.autoLock = true;
  StartWith({daily}, kMonday + EncodeTime(12, 0, 0));
  RunUntil(kMonday + 2 + EncodeTime(15, 0, 0));
  EXPECT_EQ(ran, Names{"daily@16 14:00:00"});
  EXPECT_TRUE(LoadPlanBase(Path())->At(0).locked);
  EXPECT_EQ(TaskNames(), Names{"daily"});
}

TEST_F(SchedulerEngine, AOnceOnlyTaskStaysListedAndIsNeverDueAgain) {
  StartWith({OnceTask("once", kMonday + EncodeTime(14, 0, 0))}, kMonday + EncodeTime(12, 0, 0));
  RunUntil(kMonday + 1 + EncodeTime(15, 0, 0));
  EXPECT_EQ(ran, Names{"once@16 14:00:00"});
  EXPECT_EQ(TaskNames(), Names{"once"});
}

TEST_F(SchedulerEngine, WithNothingLeftTodayTheAlarmIsOffAndTheHandKeepsItsPlace) {
  StartWith({DailyTask("a", 15, 30, 20)}, kMonday + EncodeTime(12, 0, 0));
  ASSERT_TRUE(engine->PlanClock().Enabled());
  const AlarmHand expected{15, 30, 20};
  ASSERT_TRUE(engine->LastAlarmHand());
  EXPECT_EQ(*engine->LastAlarmHand(), expected);

  RunUntil(kMonday + EncodeTime(15, 31, 0));
  EXPECT_FALSE(engine->PlanClock().Enabled());
  EXPECT_EQ(engine->NextTasksText(), "Следующие задания: На сегодня заданий больше нет.");
  EXPECT_EQ(engine->LastAlarmHand()->minute, 30);
}

TEST_F(SchedulerEngine, TheDailyRefreshFindsTheNewDaysTasks) {
  StartWith({DailyTask("morning", 8, 0)}, kMonday + EncodeTime(22, 0, 0));
  EXPECT_FALSE(engine->PlanClock().Enabled());
  RunUntil(kMonday + 1 + EncodeTime(8, 0, 30));
  EXPECT_EQ(ran, Names{"morning@17 08:00:00"});
}

TEST_F(SchedulerEngine, SleepingPastAnAlarmMissesItsMinuteButNotTheRestOfTheDay) {
  StartWith({DailyTask("15", 15, 0), DailyTask("15:30", 15, 30), DailyTask("17", 17, 0), DailyTask("16", 16, 0, 20)},
            kMonday + EncodeTime(14, 59, 0));
  clock.SetNow(kMonday + EncodeTime(16, 0, 30));  // the computer slept through 15:00 and 15:30
  RunUntil(kMonday + EncodeTime(23, 0, 0));
  EXPECT_EQ(ran, (Names{"16@16 16:00:30", "17@16 17:00:00"})) << "16:00:20 is in the minute the program woke in";
  ASSERT_EQ(actions.missed, std::vector<Names>{(Names{"15", "15:30"})}) << "named once, in one notice";
  EXPECT_EQ(MissedTasksBalloon(actions.missed[0]).text, "Пропущены задания: \"15\", \"15:30\"");
  RunUntil(kMonday + 1 + EncodeTime(15, 0, 30));
  EXPECT_EQ(ran.back(), "15@17 15:00:00") << "the missed minute is not caught up later";
  EXPECT_EQ(ran.size(), 3u);
}

TEST_F(SchedulerEngine, ABlockedNightStillSearchesTheNewDay) {
  StartWith({DailyTask("morning", 8, 0), HourlyTask("hourly", 23.0 / 24), DailyTask("noon", 12, 0)},
            kMonday + EncodeTime(22, 30, 0));
  clock.SetNow(kMonday + 1 + EncodeTime(8, 30, 0));  // nothing read the time through midnight and 08:00
  RunUntil(kMonday + 1 + EncodeTime(9, 0, 30));
  EXPECT_EQ(ran, Names{"hourly@17 09:00:00"});
  EXPECT_EQ(actions.missed, std::vector<Names>{(Names{"morning", "hourly"})});
  // The wake-up message comes after the reading saw the gap: nothing more
  // to name, and the day goes on.
  engine->ClockChanged();
  RunUntil(kMonday + 1 + EncodeTime(12, 0, 30));
  EXPECT_EQ(actions.missed.size(), 1u);
  EXPECT_EQ(ran.back(), "noon@17 12:00:00");
}

TEST_F(SchedulerEngine, AClockSetForwardNamesWhatItSkipped) {
  StartWith({DailyTask("a", 14, 0), DailyTask("b", 18, 0)}, kMonday + EncodeTime(12, 0, 0));
  engine->SetSchedulerEnabled(false);
  clock.SetNow(kMonday + EncodeTime(15, 0, 0));
  engine->ClockChanged();
  EXPECT_TRUE(actions.missed.empty()) << "switched off, nothing would have run";
  engine->SetSchedulerEnabled(true);
  clock.SetNow(kMonday + EncodeTime(19, 0, 0));
  engine->ClockChanged();
  EXPECT_EQ(actions.missed, std::vector<Names>{Names{"b"}});
  EXPECT_EQ(engine->NextTasksText(), "Следующие задания: На сегодня заданий больше нет.");
}

TEST_F(SchedulerEngine, EventCommandsRunTheirKindThroughTheFilters) {
  TPlanTask locked = EventTask("locked", TaskTrigger::kOnStart);
  locked.locked = true;
  TPlanTask notMarch = EventTask("not march", TaskTrigger::kOnConnect);
  notMarch.monthFilter = true;
  notMarch.months[2] = false;
  TPlanTask once = EventTask("auto", TaskTrigger::kOnDisconnect);
  once.autoDelete = true;
  once.autoLock = true;
  StartWith({EventTask("start", TaskTrigger::kOnStart), locked, EventTask("up", TaskTrigger::kOnConnect), notMarch,
             once, DailyTask("timed", 12, 30)},
            kMonday + EncodeTime(12, 0, 0));
  const std::string before = Read();
  engine->PlanCommand(plan_code::kProgramStart);
  engine->PlanCommand(plan_code::kConnected);
  engine->PlanCommand(plan_code::kDisconnected);
  engine->PlanCommand(plan_code::kDisconnected);
  EXPECT_EQ(ran, (Names{"start@16 12:00:00", "up@16 12:00:00", "auto@16 12:00:00", "auto@16 12:00:00"}));
  EXPECT_EQ(Read(), before) << "event tasks are neither locked nor deleted by their run";
  ran.clear();
  for (TaskTrigger timed : {TaskTrigger::kAtTime, TaskTrigger::kHourly, TaskTrigger::kMonthly})
    EXPECT_EQ(engine->RunEventTasks(timed), PlanStatus::kDone);
  EXPECT_TRUE(ran.empty()) << "timed tasks are no events";
}

TEST_F(SchedulerEngine, PowerAndHangUpCommands) {
  StartWith({}, kMonday);
  for (int code : {199, 204, 205, 206, 207, 208, 209, 0, -1}) engine->PlanCommand(code);
  EXPECT_EQ(actions.power,
            (std::vector<PowerKind>{PowerKind::kSwitchOff, PowerKind::kRestart, PowerKind::kHibernate,
                                    PowerKind::kStandby}));
  EXPECT_EQ(actions.hangUps, Names{"Все"});
  EXPECT_TRUE(ran.empty());
}

TEST_F(SchedulerEngine, RunNowSkipsALockedTaskAndAppliesNoAfterRunChanges) {
  TPlanTask locked = DailyTask("locked", 14, 0);
  locked.locked = true;
  locked.id = 40;
  TPlanTask once = OnceTask("once", kMonday + EncodeTime(9, 0, 0));
  once.autoDelete = true;
  once.id = 41;
  StartWith({locked, once}, kMonday + EncodeTime(12, 0, 0));
  EXPECT_FALSE(engine->RunTaskNow(40));
  EXPECT_FALSE(engine->RunTaskNow(99));
  EXPECT_TRUE(engine->RunTaskNow(41));
  EXPECT_EQ(ran, Names{"once@16 12:00:00"});
  EXPECT_EQ(TaskNames(), (Names{"locked", "once"}));

  // A copy taken earlier runs as it was, even with its record gone; a locked
  // copy does nothing.
  TPlanTask copy = once;
  copy.name = "copy";
  ASSERT_EQ(DeleteTask(Path(), 41), PlanFileResult::kSaved);
  EXPECT_TRUE(engine->RunTaskCopy(copy));
  EXPECT_FALSE(engine->RunTaskCopy(locked));
  EXPECT_EQ(ran, (Names{"once@16 12:00:00", "copy@16 12:00:00"}));
}

TEST_F(SchedulerEngine, AnActionThatChangesThePlanIsNotUndoneByTheRun) {
  TPlanTask first = OnceTask("first", kMonday + EncodeTime(14, 0, 0));
  first.autoDelete = true;
  StartWith({first, DailyTask("other", 18, 0)}, kMonday + EncodeTime(13, 59, 0));
  // The action lets window messages through, and the user deletes a task.
  actions.onExecute = [this](const TPlanTask&) { DeleteTask(Path(), 2); };
  RunUntil(kMonday + EncodeTime(14, 0, 30));
  EXPECT_EQ(TaskNames(), Names{});
}

TEST_F(SchedulerEngine, AFailingActionDoesNotStopTheOtherTasks) {
  TPlanTask first = DailyTask("first", 14, 0);
  first.autoLock = true;
  StartWith({first, DailyTask("second", 14, 0)}, kMonday + EncodeTime(13, 59, 0));
  actions.onExecute = [this](const TPlanTask& task) {
    ran.push_back(task.name);
    if (task.name == "first") throw std::runtime_error("shell failed");
  };
  RunUntil(kMonday + EncodeTime(14, 0, 30));
  EXPECT_EQ(ran, (Names{"first", "second"}));
  EXPECT_EQ(statuses, std::vector<PlanStatus>{PlanStatus::kActionFailed});
  EXPECT_TRUE(LoadPlanBase(Path())->At(0).locked);
}

TEST_F(SchedulerEngine, StartCreatesAMissingPlanFile) {
  clock.SetNow(kMonday + EncodeTime(9, 0, 0));
  PlanEngine fresh(Path(), clock, actions);
  EXPECT_EQ(fresh.Start(), PlanStatus::kDone);
  EXPECT_EQ(Read().size(), 4u + 1576);
  EXPECT_EQ(fresh.NextTasksText(), "Следующие задания: На сегодня заданий больше нет.");
  EXPECT_FALSE(fresh.LastAlarmHand());
}

TEST_F(SchedulerEngine, BetweenAlarmsThePlanFileIsNotTouched) {
  StartWith({DailyTask("a", 14, 0)}, kMonday + EncodeTime(12, 0, 0));
  std::filesystem::remove(Path());  // any read of the file would now fail
  RunUntil(kMonday + EncodeTime(13, 59, 59));
  EXPECT_TRUE(statuses.empty());
  RunUntil(kMonday + EncodeTime(14, 0, 1));
  EXPECT_EQ(statuses, std::vector<PlanStatus>{PlanStatus::kUnreadable}) << "only the alarm reads the file";
}

TEST_F(SchedulerEngine, AnUnreadableFileKeepsTheAlarmAsItWas) {
  StartWith({DailyTask("a", 14, 0)}, kMonday + EncodeTime(12, 0, 0));
  const std::string line = engine->NextTasksText();
  std::filesystem::remove(Path());
  EXPECT_EQ(engine->ComputeNextTasks(), PlanStatus::kUnreadable);
  EXPECT_TRUE(engine->PlanClock().Enabled());
  EXPECT_EQ(engine->PlanClock().Hour(), 14);
  EXPECT_EQ(engine->NextTasksText(), line);
}

TEST_F(SchedulerEngine, AReadOnlyPlanFileNeverFiresStaleMarks) {
  TPlanTask yesterday = OnceTask("yesterday", kMonday - 1 + EncodeTime(14, 0, 0));
  yesterday.isNext = true;  // marked yesterday, then the program slept past the alarm
  TPlanTask earlier = DailyTask("earlier", 13, 0);
  earlier.isNext = true;
  WriteTasks({yesterday, earlier, DailyTask("later", 14, 0)});
  MakeReadOnly();  // the marks of the searches cannot be saved
  EXPECT_EQ(StartEngine(kMonday + EncodeTime(12, 0, 0)), PlanStatus::kSaveFailed);
  RunUntil(kMonday + EncodeTime(14, 0, 30));
  EXPECT_EQ(ran, Names{"earlier@16 13:00:00"}) << "yesterday's mark must not fire today at 14:00";
}

}  // namespace
}  // namespace tikolvo

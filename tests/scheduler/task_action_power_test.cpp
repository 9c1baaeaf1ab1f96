#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scheduler/task_action_power.h"

namespace tikolvo {
namespace {

// Records the system calls; never touches the computer's power.
class RecordingPower : public PowerControl {
 public:
  bool privilegeGranted = true;
  bool systemAccepts = true;
  std::vector<std::string> calls;
  std::vector<unsigned> exitFlags;
  std::vector<SuspendRequest> suspends;

  bool EnableShutdownPrivilege() override {
    calls.push_back("privilege");
    return privilegeGranted;
  }
  bool ExitSession(unsigned flags) override {
    calls.push_back("exit");
    exitFlags.push_back(flags);
    return systemAccepts;
  }
  bool Suspend(const SuspendRequest& request) override {
    calls.push_back("suspend");
    suspends.push_back(request);
    return systemAccepts;
  }
};

using Calls = std::vector<std::string>;

TEST(PowerOperations, SwitchOffAndRestartForceTheExitAfterThePrivilege) {
  RecordingPower power;
  EXPECT_TRUE(PerformPowerOperation(PowerOperation::kSwitchOff, power));
  EXPECT_TRUE(PerformPowerOperation(PowerOperation::kRestart, power));
  EXPECT_EQ(power.calls, (Calls{"privilege", "exit", "privilege", "exit"}));
  EXPECT_EQ(power.exitFlags, (std::vector<unsigned>{12, 6}));
}

TEST(PowerOperations, ExitIsCalledEvenWithoutThePrivilege) {
  RecordingPower power;
  power.privilegeGranted = false;
  power.systemAccepts = false;
  EXPECT_FALSE(PerformPowerOperation(PowerOperation::kSwitchOff, power));
  EXPECT_EQ(power.calls, (Calls{"privilege", "exit"}));
}

TEST(PowerOperations, StandbyIsAForcedSuspendThatNeedsThePrivilege) {
  RecordingPower power;
  EXPECT_TRUE(PerformPowerOperation(PowerOperation::kStandby, power));
  ASSERT_EQ(power.suspends.size(), 1u);
  EXPECT_EQ(power.suspends[0], (SuspendRequest{.hibernate = false, .force = true, .wakeEventsDisabled = false}));

  RecordingPower refused;
  refused.privilegeGranted = false;
  EXPECT_FALSE(PerformPowerOperation(PowerOperation::kStandby, refused));
  EXPECT_EQ(refused.calls, (Calls{"privilege"}));
}

TEST(PowerOperations, HibernationAsksForThePrivilegeAndTriesAnyway) {
  RecordingPower power;
  power.privilegeGranted = false;
  PerformPowerOperation(PowerOperation::kHibernate, power);
  EXPECT_EQ(power.calls, (Calls{"privilege", "suspend"}));
  ASSERT_EQ(power.suspends.size(), 1u);
  EXPECT_EQ(power.suspends[0], (SuspendRequest{.hibernate = true, .force = false, .wakeEventsDisabled = false}));
}

TEST(PowerOperations, CommandsAskOnlyBeforeEndingTheSession) {
  const PowerSteps off = CommandPowerSteps(PowerKind::kSwitchOff);
  EXPECT_EQ(off.question, "Выключить компьютер?");
  EXPECT_TRUE(off.saveSettings && off.closeProgram);
  const PowerSteps restart = CommandPowerSteps(PowerKind::kRestart);
  EXPECT_EQ(restart.question, "Перезагрузить компьютер?");
  EXPECT_TRUE(restart.saveSettings && restart.closeProgram);
  for (PowerKind kind : {PowerKind::kStandby, PowerKind::kHibernate}) {
    const PowerSteps steps = CommandPowerSteps(kind);
    EXPECT_TRUE(steps.question.empty());
    EXPECT_FALSE(steps.saveSettings || steps.closeProgram);
  }
  EXPECT_EQ(PowerOperationOf(PowerKind::kStandby), PowerOperation::kStandby);
  EXPECT_EQ(PowerOperationOf(PowerKind::kHibernate), PowerOperation::kHibernate);
}

TEST(PowerOperations, TasksSaveFirstAndNeverAsk) {
  for (PowerOperation operation :
       {PowerOperation::kSwitchOff, PowerOperation::kRestart, PowerOperation::kStandby, PowerOperation::kHibernate}) {
    const PowerSteps steps = TaskPowerSteps(operation);
    EXPECT_TRUE(steps.question.empty());
    EXPECT_TRUE(steps.saveSettings);
    const bool endsSession = operation == PowerOperation::kSwitchOff || operation == PowerOperation::kRestart;
    EXPECT_EQ(steps.closeProgram, endsSession);
  }
}

}  // namespace
}  // namespace tikolvo

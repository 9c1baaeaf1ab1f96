#include "scheduler/task_action_power.h"

namespace tikolvo {

std::optional<PowerOperation> TaskPowerOperation(const TPlanTask& task) {
  if (task.powerOff) return PowerOperation::kSwitchOff;
  if (task.reboot) return PowerOperation::kRestart;
  if (task.standby) return PowerOperation::kStandby;
  if (task.hibernate) return PowerOperation::kHibernate;
  return std::nullopt;
}

PowerOperation PowerOperationOf(PowerKind kind) {
  switch (kind) {
    case PowerKind::kSwitchOff: return PowerOperation::kSwitchOff;
    case PowerKind::kRestart: return PowerOperation::kRestart;
    case PowerKind::kStandby: return PowerOperation::kStandby;
    case PowerKind::kHibernate: break;
  }
  return PowerOperation::kHibernate;
}

PowerSteps TaskPowerSteps(PowerOperation operation) {
  const bool endsSession = operation == PowerOperation::kSwitchOff || operation == PowerOperation::kRestart;
  return {"", true, endsSession};
}

PowerSteps CommandPowerSteps(PowerKind kind) {
  switch (kind) {
    case PowerKind::kSwitchOff: return {"Выключить компьютер?", true, true};
    case PowerKind::kRestart: return {"Перезагрузить компьютер?", true, true};
    case PowerKind::kStandby:
    case PowerKind::kHibernate: break;
  }
  return {"", false, false};
}

bool PerformPowerOperation(PowerOperation operation, PowerControl& power) {
  switch (operation) {
    case PowerOperation::kSwitchOff:
      power.EnableShutdownPrivilege();
      return power.ExitSession(kSwitchOffExitFlags);
    case PowerOperation::kRestart:
      power.EnableShutdownPrivilege();
      return power.ExitSession(kRestartExitFlags);
    case PowerOperation::kStandby:
      if (!power.EnableShutdownPrivilege()) return false;
      return power.Suspend({.hibernate = false, .force = true, .wakeEventsDisabled = false});
    case PowerOperation::kHibernate:
      power.EnableShutdownPrivilege();
      return power.Suspend({.hibernate = true, .force = false, .wakeEventsDisabled = false});
  }
  return false;
}

}  // namespace tikolvo

#pragma once
// The power operations a task or a power command starts, as steps on a small
// system interface: the shutdown privilege, the exit-session call and the
// suspend call. The Windows side implements the interface; tests record it,
// so no test ever switches anything off.
#include <optional>
#include <string_view>

#include "scheduler/plan_task.h"
#include "scheduler/task_actions.h"

namespace tikolvo {

enum class PowerOperation { kSwitchOff, kRestart, kStandby, kHibernate };

// Flags of the exit-session call: force (4) with power off (8) or reboot (2).
inline constexpr unsigned kSwitchOffExitFlags = 12;
inline constexpr unsigned kRestartExitFlags = 6;

struct SuspendRequest {
  bool hibernate = false;
  bool force = false;
  bool wakeEventsDisabled = false;

  bool operator==(const SuspendRequest&) const = default;
};

class PowerControl {
 public:
  virtual ~PowerControl() = default;
  // Enables the shutdown privilege of the own process; false when refused.
  virtual bool EnableShutdownPrivilege() = 0;
  // Ends the session with the given flags; false when the system refused.
  virtual bool ExitSession(unsigned flags) = 0;
  // Standby or hibernation; false when refused or not available.
  virtual bool Suspend(const SuspendRequest& request) = 0;
};

// The task's power operation: the first of switch-off, restart, standby and
// hibernate that is set; the others are ignored.
std::optional<PowerOperation> TaskPowerOperation(const TPlanTask& task);

PowerOperation PowerOperationOf(PowerKind kind);

// What surrounds an operation: the question asked first (empty when none),
// whether the settings are saved before it and whether the program ends
// after it.
struct PowerSteps {
  std::string_view question;
  bool saveSettings = false;
  bool closeProgram = false;
};

// A due task's power action: never asks, always saves; switch-off and
// restart end the program.
PowerSteps TaskPowerSteps(PowerOperation operation);
// A power command of the menus and the power button: switch-off and restart
// ask and save; standby and hibernation act at once.
PowerSteps CommandPowerSteps(PowerKind kind);

// Runs the operation itself. Switch-off and restart call the exit function
// whatever became of the privilege; standby needs the privilege;
// hibernation asks for it too (the system refuses to suspend a process
// without it) but tries anyway. Failures are ignored: true when the system
// accepted the last call.
bool PerformPowerOperation(PowerOperation operation, PowerControl& power);

}  // namespace tikolvo

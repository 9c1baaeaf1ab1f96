#pragma once
// What the scheduler asks the rest of the program to do. The Windows side
// implements it (shell, message and balloon windows, sounds, the speaker,
// dial-up, power); tests record the calls.
#include <string>
#include <vector>

#include "scheduler/plan_task.h"

namespace tikolvo {

enum class PowerKind {
  kSwitchOff = 1,  // asks first
  kRestart = 2,    // asks first
  kStandby = 3,
  kHibernate = 4,
};

// The filter that names every dial-up connection.
inline constexpr const char* kAllConnections = "Все";

class TaskActions {
 public:
  virtual ~TaskActions() = default;

  // Performs the actions of one task in their fixed order (program, message,
  // sound file, short sound, balloon, beep, hang-up, power). Failures of an
  // action stay inside it. The engine never hands over a locked task.
  virtual void ExecuteTask(const TPlanTask& task) = 0;

  virtual void PowerCommand(PowerKind kind) = 0;

  // Hangs up the active dial-up connections the filter names.
  virtual void HangUpConnections(const std::string& filter) = 0;

  // Tells the user, in one notice, which tasks could not run because their
  // minute passed unseen (sleep, a blocked program, a clock set forward).
  virtual void ReportMissedTasks(const std::vector<std::string>& names) = 0;
};

}  // namespace tikolvo

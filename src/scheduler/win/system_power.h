#pragma once
// The real power calls: the shutdown privilege (advapi32), the exit-session
// call and suspension through powrprof's SetSuspendState, looked up at run
// time. Only the program creates this; tests use a recording PowerControl.
#include "scheduler/task_action_power.h"

namespace tikolvo {

class WindowsPower : public PowerControl {
 public:
  bool EnableShutdownPrivilege() override;
  bool ExitSession(unsigned flags) override;
  bool Suspend(const SuspendRequest& request) override;
};

}  // namespace tikolvo

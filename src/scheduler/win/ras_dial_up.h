#pragma once
// The remote access service as the hang-up action sees it: the active
// dial-up connections and hanging one up. rasapi32 is looked up at run time;
// without it (or without an entry point) there are no connections and
// nothing is hung up.
#include <windows.h>
#include <ras.h>

#include <cstdint>
#include <string>
#include <vector>

#include "scheduler/task_action_hangup.h"

namespace tikolvo {

class RasDialUpLines : public DialUpLines {
 public:
  std::vector<DialUpConnection> ActiveConnections() override;
  void HangUp(std::uintptr_t handle) override;

 private:
  std::vector<RASCONNW> entries_;
};

// The entry names of the system's dial-up phone book; none without dial-up
// networking.
std::vector<std::string> PhoneBookEntryNames();

}  // namespace tikolvo

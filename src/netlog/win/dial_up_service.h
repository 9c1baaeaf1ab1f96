#pragma once
// The remote access service as the connection monitor needs it: the active
// connections, their client addresses, the phone book and hanging up; all
// looked up at run time from rasapi32 (nothing without it).
#include "netlog/connection_monitor.h"
#include "scheduler/win/ras_dial_up.h"

namespace tikolvo {

class RasDialUpService : public DialUpService {
 public:
  std::vector<DialUpConnection> ActiveConnections() override { return lines_.ActiveConnections(); }
  void HangUp(std::uintptr_t handle) override { lines_.HangUp(handle); }
  std::string ClientAddress(std::uintptr_t handle) override;
  std::vector<std::string> PhoneBookEntries() override { return PhoneBookEntryNames(); }

 private:
  RasDialUpLines lines_;
};

// The adapters' tables from the IP helper, loaded for each pass and
// released after it. The 64-bit table is taken where Windows has it (Vista
// and later); older systems give the 32-bit counters.
class IpHelperAdapters : public AdapterSource {
 public:
  std::optional<AdapterTables> Read() override;
};

}  // namespace tikolvo

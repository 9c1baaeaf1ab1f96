#pragma once
// The connection monitor: from the dial-up service and the adapter tables
// it finds when each dial-up session starts and ends, logs it in
// log_web.db, adds it to its connection's totals in Connect.db, keeps a
// popup with the live traffic of each confirmed session and tells the
// scheduler when a connection is up (202) or down (203). Two passes drive
// it: the connection pass (on every half-second beat of the clock) and the
// traffic pass (every second). The window layer runs the passes, owns the
// popups and carries out what the monitor asks through MonitorEvents.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/clock.h"
#include "netlog/adapter_table.h"
#include "netlog/connection_records.h"
#include "netlog/limit_watch.h"
#include "scheduler/task_action_hangup.h"

namespace tikolvo {

// The remote access service as the monitor needs it.
class DialUpService : public DialUpLines {
 public:
  // The client's IPv4 address of an active connection; empty when unknown.
  virtual std::string ClientAddress(std::uintptr_t handle) = 0;
  virtual std::vector<std::string> PhoneBookEntries() = 0;
};

struct AdapterRow {
  std::string description;
  std::uint32_t index = 0;
  std::uint32_t speed = 0;  // bits per second
  std::string mac;          // the hardware address's bytes
  std::uint64_t received = 0;
  std::uint64_t sent = 0;
};

struct AddressRow {
  std::uint32_t address = 0;  // as the system stores it, first byte lowest
  std::uint32_t index = 0;
};

struct AdapterTables {
  std::vector<AdapterRow> interfaces;
  std::vector<AddressRow> addresses;
  bool wideCounters = false;  // 64-bit counters that do not wrap
};

// The network interface tables; nothing when the service is missing or the
// call failed.
class AdapterSource {
 public:
  virtual ~AdapterSource() = default;
  virtual std::optional<AdapterTables> Read() = 0;
};

// One row of the status grid.
struct StatusRow {
  std::string device, in, out, speed, mac, address;
};

class MonitorEvents {
 public:
  virtual ~MonitorEvents() = default;
  virtual void Console(const std::string& line) = 0;
  virtual void PlanCommand(int code) = 0;
  // The popup entries: at most 16, one per address.
  virtual void OpenPopup(int entry, const ConnectionRecord& record, const std::string& address) = 0;
  virtual void UpdatePopup(int entry, std::uint32_t received, std::uint32_t sent) = 0;
  virtual void ClosePopup(int entry) = 0;
  // Connect.db changed: the grids are filled again.
  virtual void ConnectionsChanged() = 0;
  virtual void StatusShown(const std::vector<StatusRow>& rows) = 0;
  // A session comes near its connection's limit, or reaches it.
  virtual void LimitWarning(const std::string& text) = 0;
};

struct MonitorFiles {
  std::string registry;  // Connect.db
  std::string sessions;  // log_web.db
};

struct MonitorState {
  int connectionCount = 0;
  int previousConnectionCount = 0;
  int adapterCount = 0;
  int validatedAdapterCount = 0;  // 0 forces a new address check
  bool addressCheckPending = false;
  bool loggingOff = false;        // the logging switch: every pass does nothing
  bool connectionPassRunning = false;
  bool trafficPassRunning = false;
};

inline constexpr int kPopupEntries = 16;

class ConnectionMonitor {
 public:
  ConnectionMonitor(MonitorFiles files, DialUpService& dialUp, AdapterSource& adapters, MonitorEvents& events,
                    const Clock& clock);

  // Program start: both files made when missing, sessions an earlier run
  // left open are closed.
  void Start();
  // "Вести лог подключений".
  void SetLogging(bool on) { state_.loggingOff = !on; }
  // "Включить мониторинг сетевых подключений" (with "Постоянно обновлять"):
  // both passes start afresh. Switched off, the next connection pass
  // closes the open sessions once and stops both.
  void SetMonitoring(bool on);
  bool Monitoring() const { return monitoring_; }

  void ConnectionPass();
  void TrafficPass();
  // Whether a traffic pass now would feed anything: a connection that is
  // up, its pending address check, its popup or its limits. With none of
  // them, reading the adapter tables each second is the costliest thing the
  // idle program would do, for nothing.
  bool TrafficWanted() const;
  // At closing and at the end of the Windows session.
  void CloseAllSessions();
  // After the computer slept: sessions that ended meanwhile are closed with
  // the traffic last sampled, the adapters are registered afresh and an
  // address check runs; both passes start again.
  void Resumed();

  const MonitorState& state() const { return state_; }
  const AdapterTable& adapters() const { return table_; }

 private:
  std::vector<DialUpConnection> Active();
  bool IsActive(const std::vector<DialUpConnection>& active, const std::string& name) const;
  void ConnectionsCameUp(const std::vector<DialUpConnection>& active);
  void ConnectionsWentDown(const std::vector<DialUpConnection>& active);
  void EndSession(const ConnectionRecord& record, bool tellScheduler);
  void ConfirmAddresses(const std::vector<DialUpConnection>& active);
  void ImportPhoneBook();
  void ShowInterfaces(const AdapterTables& tables, double seconds);
  bool RegisterAddresses(const AdapterTables& tables);
  void RecheckSilentAdapters();
  int OpenPopupEntry(const std::string& address) const;
  void OpenPopup(const ConnectionRecord& record, const std::string& address);
  void ClosePopup(const std::string& address);

  MonitorFiles files_;
  DialUpService& dialUp_;
  AdapterSource& adapterSource_;
  MonitorEvents& events_;
  const Clock& clock_;
  MonitorState state_;
  AdapterTable table_;
  bool monitoring_ = false;
  std::array<std::string, kPopupEntries> popups_{};  // the address of each open entry; empty: free
  std::optional<std::uint64_t> lastTrafficMs_;
  std::vector<DialUpConnection> lastActive_;  // as the last connection pass saw them
  // The confirmed sessions with a limit: their address, start and watch.
  struct WatchedSession {
    std::string name;
    std::string address;
    DateTime start = 0;
    LimitWatch watch;
  };
  std::vector<WatchedSession> watched_;
  void WatchLimits(const ConnectionRecord& record, const std::string& address);
  void CheckLimits();
};

}  // namespace tikolvo

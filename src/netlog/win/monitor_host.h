#pragma once
// The connection monitor on the window side: its two passes (the
// connection pass on every beat of the clock, the traffic pass on every
// second one), the popups of the confirmed sessions, and what it shows or
// asks elsewhere, handed on through the callbacks the program connects.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "netlog/connection_monitor.h"
#include "netlog/win/connection_popup.h"
#include "netlog/win/dial_up_service.h"

namespace tikolvo {

class MonitorHost : private MonitorEvents {
 public:
  MonitorHost(const std::string& programFolder, const Clock& clock);

  // The files are made when missing and stale sessions closed; the passes
  // start when monitoring is switched on.
  void Start(bool monitoring, bool logging);
  // The clock's half-second beat. The passes ride on it rather than on
  // timers of their own, so that the idle program wakes once per beat.
  void Beat();
  void SetMonitoring(bool on) { monitor_.SetMonitoring(on); }
  void SetLogging(bool on) { monitor_.SetLogging(on); }
  // At closing and at the end of the Windows session.
  void CloseAllSessions();
  void Resumed() { monitor_.Resumed(); }
  ConnectionMonitor& monitor() { return monitor_; }
  DialUpService& dialUp() { return dialUp_; }

  std::function<void(int code)> planCommand;
  std::function<void(const std::string& text)> limitWarning;
  std::function<void(const std::string& line)> consoleLine;
  std::function<void(const std::vector<StatusRow>& rows)> statusShown;
  // Whether someone looks at the status grid: it wants the adapters every
  // second even with no connection up.
  std::function<bool()> statusWatched;
  std::function<void()> connectionsChanged;

 private:
  void Console(const std::string& line) override;
  void PlanCommand(int code) override;
  void OpenPopup(int entry, const ConnectionRecord& record, const std::string& address) override;
  void UpdatePopup(int entry, std::uint32_t received, std::uint32_t sent) override;
  void ClosePopup(int entry) override;
  void ConnectionsChanged() override;
  void StatusShown(const std::vector<StatusRow>& rows) override;
  void LimitWarning(const std::string& text) override;
  bool TrafficWanted() const;

  RasDialUpService dialUp_;
  IpHelperAdapters adapters_;
  ConnectionMonitor monitor_;
  std::array<std::unique_ptr<ConnectionPopup>, kPopupEntries> popups_{};
  unsigned beats_ = 0;
  bool inPass_ = false;
};

}  // namespace tikolvo

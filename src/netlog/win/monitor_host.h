#pragma once
// The connection monitor on the window side: its two timers (the connection
// pass every 450 ms, the traffic pass every second), the popups of the
// confirmed sessions, and what it shows or asks elsewhere, handed on
// through the callbacks the program connects.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/win/window_base.h"
#include "netlog/connection_monitor.h"
#include "netlog/win/connection_popup.h"
#include "netlog/win/dial_up_service.h"

namespace tikolvo {

class MonitorHost : public Window, private MonitorEvents {
 public:
  MonitorHost(const std::string& programFolder, const Clock& clock);
  ~MonitorHost() override;

  // The files are made when missing and stale sessions closed; the passes
  // start when monitoring is switched on.
  bool Start(bool monitoring, bool logging);
  void SetMonitoring(bool on);
  void SetLogging(bool on) { monitor_.SetLogging(on); }
  // At closing and at the end of the Windows session.
  void CloseAllSessions();
  void Resumed();
  ConnectionMonitor& monitor() { return monitor_; }
  DialUpService& dialUp() { return dialUp_; }

  std::function<void(int code)> planCommand;
  std::function<void(const std::string& text)> limitWarning;
  std::function<void(const std::string& line)> consoleLine;
  std::function<void(const std::vector<StatusRow>& rows)> statusShown;
  std::function<void()> connectionsChanged;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Console(const std::string& line) override;
  void PlanCommand(int code) override;
  void OpenPopup(int entry, const ConnectionRecord& record, const std::string& address) override;
  void UpdatePopup(int entry, std::uint32_t received, std::uint32_t sent) override;
  void ClosePopup(int entry) override;
  void ConnectionsChanged() override;
  void StatusShown(const std::vector<StatusRow>& rows) override;
  void LimitWarning(const std::string& text) override;
  // The timers follow what the monitor says should run.
  void SyncTimers();
  void SyncTimer(UINT_PTR id, UINT milliseconds, bool wanted, bool& running);

  RasDialUpService dialUp_;
  IpHelperAdapters adapters_;
  ConnectionMonitor monitor_;
  std::array<std::unique_ptr<ConnectionPopup>, kPopupEntries> popups_{};
  bool connectionTimerOn_ = false;
  bool trafficTimerOn_ = false;
};

}  // namespace tikolvo

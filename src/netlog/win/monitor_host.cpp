#include "netlog/win/monitor_host.h"

#include "netlog/connection_registry.h"
#include "netlog/session_log.h"

namespace tikolvo {

MonitorHost::MonitorHost(const std::string& programFolder, const Clock& clock)
    : monitor_({programFolder + kConnectionFileName, programFolder + kSessionLogFileName}, dialUp_, adapters_, *this,
               clock) {}

void MonitorHost::Start(bool monitoring, bool logging) {
  monitor_.Start();
  SetMonitoring(monitoring);
  monitor_.SetLogging(logging);
}

void MonitorHost::CloseAllSessions() {
  if (monitor_.state().connectionCount != 0) monitor_.CloseAllSessions();
}

// A pass that brings up a question or a slow file must not run again
// underneath itself. The traffic pass follows the connection pass on every
// second beat, so it always sees what the connection pass found, and only
// while something uses what it reads.
void MonitorHost::Beat() {
  if (inPass_) return;
  inPass_ = true;
  const bool trafficBeat = ++beats_ % 2 == 0;
  if (monitor_.state().connectionPassRunning) monitor_.ConnectionPass();
  if (trafficBeat && monitor_.state().trafficPassRunning && TrafficWanted()) monitor_.TrafficPass();
  inPass_ = false;
}

bool MonitorHost::TrafficWanted() const {
  return monitor_.TrafficWanted() || (statusWatched && statusWatched());
}

void MonitorHost::Console(const std::string& line) {
  if (consoleLine) consoleLine(line);
}

void MonitorHost::PlanCommand(int code) {
  if (planCommand) planCommand(code);
}

void MonitorHost::OpenPopup(int entry, const ConnectionRecord& record, const std::string& address) {
  auto popup = std::make_unique<ConnectionPopup>();
  if (popup->Open(record, address, entry)) popups_[entry] = std::move(popup);
}

void MonitorHost::UpdatePopup(int entry, std::uint32_t received, std::uint32_t sent) {
  if (popups_[entry]) popups_[entry]->Update(received, sent);
}

void MonitorHost::ClosePopup(int entry) {
  if (popups_[entry]) popups_[entry]->Close();
  popups_[entry].reset();
}

void MonitorHost::ConnectionsChanged() {
  if (connectionsChanged) connectionsChanged();
}

void MonitorHost::StatusShown(const std::vector<StatusRow>& rows) {
  if (statusShown) statusShown(rows);
}

void MonitorHost::LimitWarning(const std::string& text) {
  if (limitWarning) limitWarning(text);
}

}  // namespace tikolvo

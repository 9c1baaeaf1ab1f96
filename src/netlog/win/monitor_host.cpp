#include "netlog/win/monitor_host.h"

#include "netlog/connection_registry.h"
#include "netlog/session_log.h"

namespace tikolvo {
namespace {

constexpr wchar_t kClassName[] = L"TikolvoConnectionMonitor";
constexpr UINT_PTR kConnectionTimer = 1, kTrafficTimer = 2;
constexpr UINT kConnectionMs = 450, kTrafficMs = 1000;

}  // namespace

MonitorHost::MonitorHost(const std::string& programFolder, const Clock& clock)
    : monitor_({programFolder + kConnectionFileName, programFolder + kSessionLogFileName}, dialUp_, adapters_, *this,
               clock) {}

MonitorHost::~MonitorHost() {
  if (hwnd()) DestroyWindow(hwnd());
}

bool MonitorHost::Start(bool monitoring, bool logging) {
  RegisterWindowClass(kClassName, 0, nullptr, nullptr, nullptr);
  if (!hwnd() && !CreateWindowFor(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE)) return false;
  monitor_.Start();
  SetMonitoring(monitoring);
  monitor_.SetLogging(logging);
  return true;
}

void MonitorHost::SetMonitoring(bool on) {
  monitor_.SetMonitoring(on);
  SyncTimers();
}

void MonitorHost::CloseAllSessions() {
  if (monitor_.state().connectionCount != 0) monitor_.CloseAllSessions();
}

void MonitorHost::Resumed() {
  monitor_.Resumed();
  SyncTimers();
}

// A timer that runs already keeps its beat: starting it again would put its
// next tick off, and the traffic pass would never come between two
// connection passes.
void MonitorHost::SyncTimer(UINT_PTR id, UINT milliseconds, bool wanted, bool& running) {
  if (wanted && !running) SetTimer(hwnd(), id, milliseconds, nullptr);
  if (!wanted && running) KillTimer(hwnd(), id);
  running = wanted;
}

void MonitorHost::SyncTimers() {
  if (!hwnd()) return;
  const MonitorState& state = monitor_.state();
  SyncTimer(kConnectionTimer, kConnectionMs, state.connectionPassRunning, connectionTimerOn_);
  SyncTimer(kTrafficTimer, kTrafficMs, state.trafficPassRunning, trafficTimerOn_);
}

LRESULT MonitorHost::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_TIMER) return Default(message, wParam, lParam);
  // A pass that brings up a question or a slow file must not run again
  // underneath itself.
  KillTimer(hwnd(), wParam);
  (wParam == kConnectionTimer ? connectionTimerOn_ : trafficTimerOn_) = false;
  if (wParam == kConnectionTimer) monitor_.ConnectionPass();
  if (wParam == kTrafficTimer) monitor_.TrafficPass();
  SyncTimers();
  return 0;
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

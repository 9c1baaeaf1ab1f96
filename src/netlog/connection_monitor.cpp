#include "netlog/connection_monitor.h"

#include <algorithm>
#include <limits>

#include "common/cp1251.h"
#include "netlog/connection_registry.h"
#include "netlog/session_log.h"
#include "netlog/traffic_text.h"
#include "scheduler/plan_engine.h"

namespace tikolvo {
namespace {

constexpr std::int32_t kConfirmed = 1;

std::int32_t Saturated(std::uint64_t bytes) {
  return static_cast<std::int32_t>(std::min<std::uint64_t>(bytes, std::numeric_limits<std::int32_t>::max()));
}

bool HasUsableAddress(const std::string& address) { return address.size() >= 7 && address != "0.0.0.0"; }

}  // namespace

ConnectionMonitor::ConnectionMonitor(MonitorFiles files, DialUpService& dialUp, AdapterSource& adapters,
                                     MonitorEvents& events, const Clock& clock)
    : files_(std::move(files)), dialUp_(dialUp), adapterSource_(adapters), events_(events), clock_(clock) {}

void ConnectionMonitor::Start() {
  EnsureSessionLog(files_.sessions);
  EnsureConnectionFile(files_.registry);
  CloseStaleSessions(files_.sessions);
  state_ = MonitorState{};
  events_.ConnectionsChanged();
}

void ConnectionMonitor::SetMonitoring(bool on) {
  // Either way both passes start afresh; switched off, the next connection
  // pass writes the open sessions out and stops them.
  monitoring_ = on;
  state_ = MonitorState{};
  state_.connectionPassRunning = true;
  state_.trafficPassRunning = true;
  lastTrafficMs_.reset();
}

std::vector<DialUpConnection> ConnectionMonitor::Active() { return dialUp_.ActiveConnections(); }

bool ConnectionMonitor::IsActive(const std::vector<DialUpConnection>& active, const std::string& name) const {
  return std::any_of(active.begin(), active.end(),
                     [&](const DialUpConnection& c) { return SameTextIgnoringCase(c.name, name); });
}

void ConnectionMonitor::ConnectionPass() {
  if (!monitoring_ && !state_.loggingOff) {
    // Monitoring was just switched off: the open sessions are written out once.
    state_.trafficPassRunning = false;
    CloseAllSessions();
    state_.loggingOff = true;
    state_.connectionPassRunning = false;
    return;
  }
  if (state_.loggingOff) return;
  const std::vector<DialUpConnection> active = Active();
  state_.connectionCount = static_cast<int>(active.size());
  const bool changed = state_.connectionCount != state_.previousConnectionCount;
  if (state_.connectionCount > state_.previousConnectionCount) ConnectionsCameUp(active);
  if (state_.connectionCount < state_.previousConnectionCount) ConnectionsWentDown(active);
  if (changed) {
    state_.previousConnectionCount = state_.connectionCount;
    events_.ConnectionsChanged();
  }
  if (state_.addressCheckPending) ConfirmAddresses(active);
  lastActive_ = active;
}

void ConnectionMonitor::ImportPhoneBook() {
  for (const std::string& entry : dialUp_.PhoneBookEntries()) AddConnection(files_.registry, entry, kProgramRecordTag);
}

// Every active connection is treated as new, so one that was up already
// when another came up starts a new session too.
void ConnectionMonitor::ConnectionsCameUp(const std::vector<DialUpConnection>& active) {
  ImportPhoneBook();
  ClearConnectedFlags(files_.registry);
  const int records = CountConnections(files_.registry);
  for (int r = 0; r < records; ++r) {
    for (const DialUpConnection& connection : active) {
      state_.trafficPassRunning = true;
      const std::string& name = connection.name;
      if (name.empty() || !SameTextIgnoringCase(name, ConnectionNameAt(files_.registry, r))) continue;
      const ConnectionRecord record = ReadConnection(files_.registry, r);
      if (record.connected) continue;
      events_.Console("Подключаем: " + name);
      if (!record.monitored) continue;
      const DateTime now = clock_.Now();
      SetConnected(files_.registry, name, true, true);
      SetSessionStart(files_.registry, name, now);
      OpenSession(files_.sessions, name, now);
    }
  }
}

void ConnectionMonitor::ConnectionsWentDown(const std::vector<DialUpConnection>& active) {
  const int records = CountConnections(files_.registry);
  for (int r = 0; r < records; ++r) {
    const ConnectionRecord record = ReadConnection(files_.registry, r);
    if (!record.connected || IsActive(active, record.name)) continue;
    SetConnected(files_.registry, record.name, false, true);
    events_.Console("Отрубаем: " + record.name + "  IP:" + OpenSessionAddress(files_.sessions, record.name));
    EndSession(record, true);
  }
}

// A confirmed session is written with the traffic its adapter last showed;
// one whose address was never confirmed closes without traffic.
void ConnectionMonitor::EndSession(const ConnectionRecord& record, bool tellScheduler) {
  const std::string& name = record.name;
  const std::string address = OpenSessionAddress(files_.sessions, name);
  const DateTime now = clock_.Now();
  std::erase_if(watched_, [&](const WatchedSession& w) { return SameTextIgnoringCase(w.name, name); });
  if (OpenSessionState(files_.sessions, name) > 0) {
    const AdapterSlot* slot = table_.ByAddress(address);
    const std::int32_t in = slot ? Saturated(slot->in) : 0;
    const std::int32_t out = slot ? Saturated(slot->out) : 0;
    const std::int32_t speed = slot ? Saturated(slot->speed) : 0;
    SetSessionTraffic(files_.sessions, name, in, out, address, speed);
    AddSessionTotals(files_.registry, name, in, out, now, record.sessionStart);
    if (tellScheduler) {
      events_.PlanCommand(plan_code::kDisconnected);
      ClosePopup(address);
    }
  }
  CloseSessions(files_.sessions, name, now, record.sessionStart);
}

void ConnectionMonitor::ConfirmAddresses(const std::vector<DialUpConnection>& active) {
  state_.addressCheckPending = false;
  const int records = CountConnections(files_.registry);
  for (int r = 0; r < records; ++r) {
    for (const DialUpConnection& connection : active) {
      const std::string& name = connection.name;
      if (name.empty() || !SameTextIgnoringCase(name, ConnectionNameAt(files_.registry, r))) continue;
      const std::string address = dialUp_.ClientAddress(connection.handle);
      if (address.empty()) {
        // Asked again at the next pass.
        state_.addressCheckPending = true;
        events_.Console("error_checked: " + name);
      }
      SetSessionAddress(files_.sessions, name, address, kConfirmed);
      if (!state_.addressCheckPending) {
        events_.PlanCommand(plan_code::kConnected);
        const ConnectionRecord record = ReadConnection(files_.registry, r);
        OpenPopup(record, address);
        WatchLimits(record, address);
      }
      events_.Console("_checked: " + name + " " + address);
    }
  }
}

void ConnectionMonitor::CloseAllSessions() {
  const int records = CountConnections(files_.registry);
  for (int r = 0; r < records; ++r) {
    const ConnectionRecord record = ReadConnection(files_.registry, r);
    if (!record.connected || !IsActive(lastActive_, record.name)) continue;
    SetConnected(files_.registry, record.name, false, true);
    EndSession(record, false);
  }
}

void ConnectionMonitor::TrafficPass() {
  const std::optional<AdapterTables> tables = adapterSource_.Read();
  if (!tables) {
    state_.trafficPassRunning = false;  // no IP helper: the pass stays stopped
    return;
  }
  const std::uint64_t nowMs = clock_.MillisecondsSinceStart();
  const double seconds = lastTrafficMs_ ? static_cast<double>(nowMs - *lastTrafficMs_) / 1000.0 : 1.0;
  lastTrafficMs_ = nowMs;
  state_.adapterCount = static_cast<int>(tables->interfaces.size());
  const bool checking = state_.validatedAdapterCount < state_.adapterCount;
  if (checking) table_.ReleaseAll();
  const bool found = RegisterAddresses(*tables);
  ShowInterfaces(*tables, seconds);
  if (checking) table_.ClearReleased();
  if (found) state_.validatedAdapterCount = state_.adapterCount;
  RecheckSilentAdapters();
  CheckLimits();
}

bool ConnectionMonitor::TrafficWanted() const {
  return state_.connectionCount > 0 || !lastActive_.empty() || state_.addressCheckPending || !watched_.empty() ||
         std::any_of(popups_.begin(), popups_.end(), [](const std::string& address) { return !address.empty(); });
}

void ConnectionMonitor::WatchLimits(const ConnectionRecord& record, const std::string& address) {
  if (record.timeLimit.total <= 0 && record.trafficLimit <= 0) return;
  std::erase_if(watched_, [&](const WatchedSession& w) { return SameTextIgnoringCase(w.name, record.name); });
  WatchedSession session{record.name, address, record.sessionStart, {}};
  session.watch.Begin(record);
  watched_.push_back(std::move(session));
}

// What is left counts the running session's live traffic and time.
void ConnectionMonitor::CheckLimits() {
  for (WatchedSession& session : watched_) {
    const AdapterSlot* slot = table_.ByAddress(session.address);
    const std::uint64_t bytes = slot ? slot->in + slot->out : 0;
    if (const std::optional<std::string> text = session.watch.Check(SecondsBetween(session.start, clock_.Now()), bytes))
      events_.LimitWarning(*text);
  }
}

// While an address check runs, each adapter is registered and given the
// address the address table has for its interface.
bool ConnectionMonitor::RegisterAddresses(const AdapterTables& tables) {
  bool found = false;
  for (const AdapterRow& row : tables.interfaces) {
    if (state_.validatedAdapterCount == state_.adapterCount) break;
    const std::string mac = FormatMacAddress(row.mac, row.mac.size());
    table_.Register(mac);
    const auto match = std::find_if(tables.addresses.begin(), tables.addresses.end(),
                                    [&](const AddressRow& a) { return a.index == row.index; });
    const std::string address = match == tables.addresses.end() ? std::string() : FormatIpAddress(match->address);
    AdapterSlot* slot = table_.ByMac(mac);
    if (HasUsableAddress(address) && slot) {
      slot->address = address;
      found = true;
      state_.addressCheckPending = true;
    }
  }
  return found;
}

void ConnectionMonitor::ShowInterfaces(const AdapterTables& tables, double seconds) {
  std::vector<StatusRow> rows{{"Device", "In", "Out", "Speed", "MAC", "Local IP"}};
  for (const AdapterRow& row : tables.interfaces) {
    const std::string mac = FormatMacAddress(row.mac, row.mac.size());
    StatusRow status{row.description, std::to_string(row.received), std::to_string(row.sent),
                     std::to_string(row.speed), mac, ""};
    if (AdapterSlot* slot = table_.ByMac(mac)) {
      table_.Sample(*slot, row.received, row.sent, tables.wideCounters, row.speed, seconds);
      const int entry = OpenPopupEntry(slot->address);
      if (entry >= 0)
        events_.UpdatePopup(entry, static_cast<std::uint32_t>(Saturated(slot->in)),
                            static_cast<std::uint32_t>(Saturated(slot->out)));
      status.address = slot->address;
    }
    rows.push_back(std::move(status));
  }
  events_.StatusShown(rows);
}

// An adapter that moves bytes without an address was caught before its
// address came; the check runs again.
void ConnectionMonitor::RecheckSilentAdapters() {
  if (state_.validatedAdapterCount != state_.adapterCount) return;
  for (const AdapterSlot& slot : table_.slots()) {
    if (!slot.inUse || slot.mac.empty() || HasUsableAddress(slot.address)) continue;
    if (slot.rawIn == 0 || slot.rawOut == 0) continue;
    events_.Console("Проверка на IP не пройдена. Повтор...");
    state_.validatedAdapterCount = 0;
    return;
  }
}

void ConnectionMonitor::Resumed() {
  // The slots still hold what was sampled before the sleep: a session that
  // ended meanwhile is written with that.
  if (monitoring_ && !state_.loggingOff) ConnectionPass();
  state_.validatedAdapterCount = 0;
  state_.connectionPassRunning = monitoring_ && !state_.loggingOff;
  state_.trafficPassRunning = state_.connectionPassRunning;
  // The counters may have been reset during the sleep; the first sample
  // after it must not read that as a wrap over the whole sleep.
  lastTrafficMs_.reset();
}

int ConnectionMonitor::OpenPopupEntry(const std::string& address) const {
  if (address.empty()) return -1;
  for (int i = 0; i < kPopupEntries; ++i)
    if (popups_[i] == address) return i;
  return -1;
}

void ConnectionMonitor::OpenPopup(const ConnectionRecord& record, const std::string& address) {
  if (address.empty() || OpenPopupEntry(address) >= 0) return;
  for (int i = 0; i < kPopupEntries; ++i) {
    if (!popups_[i].empty()) continue;
    popups_[i] = address;
    events_.OpenPopup(i, record, address);
    return;
  }
}

void ConnectionMonitor::ClosePopup(const std::string& address) {
  const int entry = OpenPopupEntry(address);
  if (entry < 0) return;
  popups_[entry].clear();
  events_.ClosePopup(entry);
}

}  // namespace tikolvo

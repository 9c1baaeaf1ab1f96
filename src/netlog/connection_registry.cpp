#include "netlog/connection_registry.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <optional>

#include "common/cp1251.h"
#include "common/file_io.h"
#include "netlog/log_file.h"
#include "netlog/session_log.h"

namespace tikolvo {
namespace {

using Registry = LogRecords<ConnectionRecord>;

std::optional<Registry> Load(const std::string& path) {
  return LoadLogRecords<ConnectionRecord>(path, kConnectionRecordSize, ParseConnectionRecord);
}

bool Save(const std::string& path, const Registry& registry) {
  return SaveLogRecords(path, registry, EncodeConnectionRecord);
}

// Loads, lets `change` work on the records and saves when it says it changed
// something.
LogFileResult Change(const std::string& path, const std::function<bool(Registry&)>& change) {
  std::optional<Registry> registry = Load(path);
  if (!registry) return LogFileResult::kFailed;
  if (!change(*registry)) return LogFileResult::kUnchanged;
  return Save(path, *registry) ? LogFileResult::kSaved : LogFileResult::kFailed;
}

// The first record of the name, valid or not.
ConnectionRecord* FirstNamed(Registry& registry, const std::string& name) {
  for (ConnectionRecord& r : registry.records)
    if (SameTextIgnoringCase(r.name, name)) return &r;
  return nullptr;
}

LogFileResult ChangeFirstNamed(const std::string& path, const std::string& name,
                               const std::function<void(ConnectionRecord&)>& change) {
  return Change(path, [&](Registry& registry) {
    ConnectionRecord* record = FirstNamed(registry, name);
    if (!record) return false;
    change(*record);
    return true;
  });
}

void Compact(Registry& registry) {
  std::erase_if(registry.records, [](const ConnectionRecord& r) { return !r.valid; });
}

std::int32_t SaturatedTotal(std::int64_t seconds) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(seconds, 0, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::int32_t AddTraffic(std::int32_t a, std::int64_t b) {
  return SaturatedTotal(static_cast<std::int64_t>(std::max<std::int32_t>(a, 0)) + std::max<std::int64_t>(b, 0));
}

std::string LoggedConnectionList(const std::vector<ConnectionRecord>& records) {
  std::string list;
  for (const ConnectionRecord& r : records)
    if (r.valid && r.showInLogs) list += "|" + r.name;
  return list;
}

bool CreateConnectionFile(const std::string& path) {
  return Save(path, Registry{LogFileHeader(), {ConnectionRecord{}}});
}

bool EnsureConnectionFile(const std::string& path) { return FileExists(path) || CreateConnectionFile(path); }

std::vector<ConnectionRecord> ReadConnections(const std::string& path) {
  std::optional<Registry> registry = Load(path);
  return registry ? std::move(registry->records) : std::vector<ConnectionRecord>{};
}

int CountConnections(const std::string& path) {
  const std::vector<ConnectionRecord> records = ReadConnections(path);
  return static_cast<int>(std::count_if(records.begin(), records.end(), [](const auto& r) { return r.valid; }));
}

ConnectionRecord ReadConnection(const std::string& path, int index) {
  const std::vector<ConnectionRecord> records = ReadConnections(path);
  if (index < 0 || index >= static_cast<int>(records.size()) || !records[index].valid) return ConnectionRecord{};
  return records[index];
}

std::string ConnectionNameAt(const std::string& path, int index) { return ReadConnection(path, index).name; }

int FindConnection(const std::string& path, const std::string& name) {
  const std::vector<ConnectionRecord> records = ReadConnections(path);
  for (std::size_t i = 0; i < records.size(); ++i)
    if (records[i].valid && SameTextIgnoringCase(records[i].name, name)) return static_cast<int>(i);
  return -1;
}

ConnectionRecord ReadConnectionByName(const std::string& path, const std::string& name) {
  const int index = FindConnection(path, name);
  return index < 0 ? ConnectionRecord{} : ReadConnection(path, index);
}

LogFileResult AddConnection(const std::string& path, const std::string& name, std::int32_t tag) {
  return Change(path, [&](Registry& registry) {
    if (FirstNamed(registry, name)) return false;
    ConnectionRecord added;
    // Cut as the file would cut it, so that the name found later is this one.
    added.name = Cp1251ToUtf8(Utf8ToCp1251(name).substr(0, kConnectionNameChars));
    added.tag = tag;
    added.valid = true;
    added.monitored = true;
    auto free = std::find_if(registry.records.begin(), registry.records.end(), [](const auto& r) { return !r.valid; });
    if (free != registry.records.end()) {
      *free = added;
    } else {
      registry.records.push_back(added);
    }
    Compact(registry);
    return true;
  });
}

LogFileResult DeleteConnection(const std::string& path, int index, const std::string& name) {
  return Change(path, [&](Registry& registry) {
    if (index < 0 || index >= static_cast<int>(registry.records.size())) return false;
    if (!SameTextIgnoringCase(registry.records[index].name, name)) return false;
    registry.records[index] = ConnectionRecord{};
    Compact(registry);
    return true;
  });
}

LogFileResult WriteConnectionByName(const std::string& path, const ConnectionRecord& record) {
  return ChangeFirstNamed(path, record.name, [&](ConnectionRecord& r) { r = record; });
}

LogFileResult SetConnected(const std::string& path, const std::string& name, bool connected, bool monitored) {
  return ChangeFirstNamed(path, name, [&](ConnectionRecord& r) {
    if (r.connected && !connected) ++r.sessionCount;
    r.connected = connected;
    r.monitored = monitored;
  });
}

LogFileResult SetSessionStart(const std::string& path, const std::string& name, DateTime start) {
  return ChangeFirstNamed(path, name, [&](ConnectionRecord& r) { r.sessionStart = start; });
}

LogFileResult AddSessionTotals(const std::string& path, const std::string& name, std::int32_t in, std::int32_t out,
                               DateTime now, DateTime start) {
  return ChangeFirstNamed(path, name, [&](ConnectionRecord& r) {
    TTrioTime sum;
    Sum(r.totalTime, TrioFromTotal(SecondsBetween(start, now)), sum);
    r.totalTime = sum;
    r.totalIn = AddTraffic(r.totalIn, in);
    r.totalOut = AddTraffic(r.totalOut, out);
  });
}

LogFileResult SetLimits(const std::string& path, const std::string& name, const TTrioTime& timeLimit,
                        std::int32_t trafficLimit) {
  return ChangeFirstNamed(path, name, [&](ConnectionRecord& r) {
    r.timeLimit = timeLimit;
    r.trafficLimit = trafficLimit;
  });
}

LogFileResult ClearConnectedFlags(const std::string& path) {
  return Change(path, [](Registry& registry) {
    bool changed = false;
    for (ConnectionRecord& r : registry.records) {
      if (!r.valid || !r.connected) continue;
      r.connected = false;
      changed = true;
    }
    return changed;
  });
}

LogFileResult RecountFromLog(const std::string& path, const std::string& sessionLogPath, const std::string& name) {
  std::int64_t seconds = 0, in = 0, out = 0;
  std::int32_t count = 0;
  for (const SessionRecord& s : ReadSessions(sessionLogPath)) {
    if (!s.valid || !SameTextIgnoringCase(s.name, name)) continue;
    seconds += std::max(s.duration.total, 0);
    in += std::max(s.in, 0);
    out += std::max(s.out, 0);
    ++count;
  }
  return ChangeFirstNamed(path, name, [&](ConnectionRecord& r) {
    r.totalTime = TrioFromTotal(SaturatedTotal(seconds));
    r.totalIn = SaturatedTotal(in);
    r.totalOut = SaturatedTotal(out);
    r.sessionCount = count;
  });
}

}  // namespace tikolvo

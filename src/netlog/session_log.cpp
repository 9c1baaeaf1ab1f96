#include "netlog/session_log.h"

#include <algorithm>
#include <functional>
#include <optional>

#include "common/cp1251.h"
#include "common/file_io.h"
#include "netlog/log_file.h"

namespace tikolvo {
namespace {

using SessionLog = LogRecords<SessionRecord>;

std::optional<SessionLog> Load(const std::string& path) {
  return LoadLogRecords<SessionRecord>(path, kSessionRecordSize, ParseSessionRecord);
}

LogFileResult Change(const std::string& path, const std::function<bool(SessionLog&)>& change) {
  std::optional<SessionLog> log = Load(path);
  if (!log) return LogFileResult::kFailed;
  if (!change(*log)) return LogFileResult::kUnchanged;
  return SaveLogRecords(path, *log, EncodeSessionRecord) ? LogFileResult::kSaved : LogFileResult::kFailed;
}

// The last record that passes `match`.
SessionRecord* LastWhere(SessionLog& log, const std::function<bool(const SessionRecord&)>& match) {
  const auto found = std::find_if(log.records.rbegin(), log.records.rend(), match);
  return found == log.records.rend() ? nullptr : &*found;
}

std::function<bool(const SessionRecord&)> OpenNamed(const std::string& name) {
  return [name](const SessionRecord& s) { return s.open && SameTextIgnoringCase(s.name, name); };
}

// The time of day counted in hours from the start of each moment's year
// gives the duration within a year; a session over the new year would come
// out hugely negative that way, so it takes the plain difference.
TTrioTime SessionDuration(DateTime start, DateTime end) {
  if (DecodeDateTime(start).year != DecodeDateTime(end).year) return TrioFromTotal(SecondsBetween(start, end));
  TTrioTime duration;
  Difference(FromYearTime(end), FromYearTime(start), duration);
  return duration;
}

std::string Cut(const std::string& text, std::size_t chars) {
  return Cp1251ToUtf8(Utf8ToCp1251(text).substr(0, chars));
}

}  // namespace

bool CreateSessionLog(const std::string& path) {
  return SaveLogRecords(path, SessionLog{LogFileHeader(), {SessionRecord{}}}, EncodeSessionRecord);
}

bool EnsureSessionLog(const std::string& path) { return FileExists(path) || CreateSessionLog(path); }

std::vector<SessionRecord> ReadSessions(const std::string& path) {
  std::optional<SessionLog> log = Load(path);
  return log ? std::move(log->records) : std::vector<SessionRecord>{};
}

LogFileResult OpenSession(const std::string& path, const std::string& name, DateTime start) {
  return Change(path, [&](SessionLog& log) {
    SessionRecord opened;
    opened.name = Cut(name, kSessionNameChars);
    opened.start = start;
    opened.valid = true;
    opened.open = true;
    auto free = std::find_if(log.records.begin(), log.records.end(), [](const auto& s) { return !s.valid; });
    if (free != log.records.end()) {
      *free = opened;
    } else {
      log.records.push_back(opened);
    }
    return true;
  });
}

LogFileResult SetSessionAddress(const std::string& path, const std::string& name, const std::string& address,
                                std::int32_t state) {
  if (address.empty()) return LogFileResult::kUnchanged;
  return Change(path, [&](SessionLog& log) {
    SessionRecord* s = LastWhere(log, [&](const SessionRecord& r) { return SameTextIgnoringCase(r.name, name); });
    if (!s) return false;
    s->address = Cut(address, kSessionAddressChars);
    if (state >= 0) s->state = state;
    return true;
  });
}

std::string OpenSessionAddress(const std::string& path, const std::string& name) {
  std::optional<SessionLog> log = Load(path);
  const SessionRecord* s = log ? LastWhere(*log, OpenNamed(name)) : nullptr;
  return s ? s->address : std::string();
}

std::int32_t OpenSessionState(const std::string& path, const std::string& name) {
  std::optional<SessionLog> log = Load(path);
  const SessionRecord* s = log ? LastWhere(*log, OpenNamed(name)) : nullptr;
  return s ? s->state : 0;
}

LogFileResult SetSessionTraffic(const std::string& path, const std::string& name, std::int32_t in,
                                std::int32_t out, const std::string& address, std::int32_t speed) {
  return Change(path, [&](SessionLog& log) {
    const auto openNamed = OpenNamed(name);
    SessionRecord* s = LastWhere(log, [&](const SessionRecord& r) { return openNamed(r) && r.address == address; });
    if (!s) return false;
    if (in > 0) s->in = in;
    if (out > 0) s->out = out;
    if (speed > 0) s->speed = speed;
    return true;
  });
}

LogFileResult CloseSessions(const std::string& path, const std::string& name, DateTime now, DateTime start) {
  return Change(path, [&](SessionLog& log) {
    bool changed = false;
    for (SessionRecord& s : log.records) {
      if (!s.valid || !s.open || !SameTextIgnoringCase(s.name, name)) continue;
      s.open = false;
      if (s.start == start) {
        s.end = now;
        s.duration = SessionDuration(s.start, s.end);
      } else {
        s.end = 0;
      }
      changed = true;
    }
    return changed;
  });
}

LogFileResult CloseStaleSessions(const std::string& path) {
  return Change(path, [](SessionLog& log) {
    bool changed = false;
    for (SessionRecord& s : log.records) {
      if (!s.valid || !s.open) continue;
      s.open = false;
      changed = true;
    }
    return changed;
  });
}

}  // namespace tikolvo

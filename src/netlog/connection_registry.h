#pragma once
// "Connect.db", the registry of known dial-up connections. Every operation
// loads the whole file, works on it and, when it changed something, saves
// the whole file atomically. Names compare without regard to case; a lookup
// by name takes the first match in file order; an index is the record's
// position in the file, from 0.
#include <cstdint>
#include <string>
#include <vector>

#include "netlog/connection_records.h"

namespace tikolvo {

inline constexpr const char* kConnectionFileName = "Connect.db";

enum class LogFileResult {
  kSaved,      // the file was written
  kUnchanged,  // nothing to change
  kFailed,     // the file could not be read or written; it is as it was
};

// The header and one free default record, replacing any file there.
bool CreateConnectionFile(const std::string& path);
// Creates it when missing (first start).
bool EnsureConnectionFile(const std::string& path);

// Every record of the file, free ones included; empty when it cannot be read.
std::vector<ConnectionRecord> ReadConnections(const std::string& path);
int CountConnections(const std::string& path);
// A free record or an index outside the file gives a default record.
ConnectionRecord ReadConnection(const std::string& path, int index);
std::string ConnectionNameAt(const std::string& path, int index);
int FindConnection(const std::string& path, const std::string& name);  // -1: none
ConnectionRecord ReadConnectionByName(const std::string& path, const std::string& name);

// Nothing when any record, free or not, has the name already. Otherwise a
// monitored default record takes the first free place or goes at the end,
// and the file is written back with its valid records only.
LogFileResult AddConnection(const std::string& path, const std::string& name, std::int32_t tag);
// Only when the record at index has that name; the file is compacted.
LogFileResult DeleteConnection(const std::string& path, int index, const std::string& name);
// Overwrites the first record of record.name, valid or not.
LogFileResult WriteConnectionByName(const std::string& path, const ConnectionRecord& record);

LogFileResult SetConnected(const std::string& path, const std::string& name, bool connected, bool monitored);
LogFileResult SetSessionStart(const std::string& path, const std::string& name, DateTime start);
// Adds a session's traffic and its time from start to now. The stored
// fields are signed 32-bit: the sums stop at their largest value instead of
// turning negative, and a negative amount adds nothing.
LogFileResult AddSessionTotals(const std::string& path, const std::string& name, std::int32_t in, std::int32_t out,
                               DateTime now, DateTime start);
LogFileResult SetLimits(const std::string& path, const std::string& name, const TTrioTime& timeLimit,
                        std::int32_t trafficLimit);
LogFileResult ClearConnectedFlags(const std::string& path);
// Totals and the session count rebuilt from the session log's valid records.
LogFileResult RecountFromLog(const std::string& path, const std::string& sessionLogPath, const std::string& name);

// "|" + name of every valid record shown in the logs, in file order: the
// list "Все разрешенные" names.
std::string LoggedConnectionList(const std::vector<ConnectionRecord>& records);

// a + b for the stored traffic counters: never below 0, never past the
// largest 32-bit value.
std::int32_t AddTraffic(std::int32_t a, std::int64_t b);

}  // namespace tikolvo

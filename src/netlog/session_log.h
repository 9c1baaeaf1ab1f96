#pragma once
// "log_web.db", one record per dial-up session. Every operation loads the
// whole file and saves it whole when it changed; the file is never
// compacted. Names compare without regard to case; a lookup of one record
// takes the last match in file order.
#include <cstdint>
#include <string>
#include <vector>

#include "netlog/connection_registry.h"

namespace tikolvo {

inline constexpr const char* kSessionLogFileName = "log_web.db";

// The header and one free default record, replacing any file there.
bool CreateSessionLog(const std::string& path);
bool EnsureSessionLog(const std::string& path);

// Every record, free ones included; empty when the file cannot be read.
std::vector<SessionRecord> ReadSessions(const std::string& path);

// A new open session in the first free record, or at the end.
LogFileResult OpenSession(const std::string& path, const std::string& name, DateTime start);
// On the last record of the name (open or not); an empty address changes
// nothing, and a negative state keeps the one there.
LogFileResult SetSessionAddress(const std::string& path, const std::string& name, const std::string& address,
                                std::int32_t state);
std::string OpenSessionAddress(const std::string& path, const std::string& name);
std::int32_t OpenSessionState(const std::string& path, const std::string& name);  // 0: no open session
// On the last open record of the name with exactly that address: each of
// in, out and speed is taken when above 0.
LogFileResult SetSessionTraffic(const std::string& path, const std::string& name, std::int32_t in,
                                std::int32_t out, const std::string& address, std::int32_t speed);
// Closes every open session of the name. The one that started at `start`
// gets its end and duration; others (left from an earlier run) keep an
// unknown end.
LogFileResult CloseSessions(const std::string& path, const std::string& name, DateTime now, DateTime start);
// At start: whatever is still open was not closed by the last run.
LogFileResult CloseStaleSessions(const std::string& path);

}  // namespace tikolvo

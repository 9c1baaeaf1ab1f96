#pragma once
// A program folder for the statistics benchmarks: one connection with a
// time and a traffic tariff and a log of 100 000 of its sessions, a few
// over midnight and a few still open, as the statistics window reads them.
#include <array>
#include <string>
#include <vector>

#include "common/file_io.h"
#include "netlog/connection_registry.h"
#include "netlog/log_file.h"
#include "netlog/session_log.h"
#include "netlog/statistics_summary.h"

namespace tikolvo::bench {

inline constexpr int kSessions = 100'000;
inline constexpr const char* kConnection = "Домашний";
inline constexpr DateTime kLastDay = 46000;

// Returns the folder, with its trailing separator.
inline std::string WriteStatisticsFolder(const std::string& folder) {
  const std::string registry = folder + kConnectionFileName;
  CreateConnectionFile(registry);
  AddConnection(registry, kConnection, kProgramRecordTag);
  ConnectionRecord record = ReadConnectionByName(registry, kConnection);
  record.trafficLimit = 2'000'000'000;
  record.tariffs[0] = {6.0 / 24, 18.0 / 24, true, 2, 2, 2, TariffKind::kByTime, 0, 0, 0b1000000};
  record.tariffs[1] = {0, 0, true, 0.5, 2, 2, TariffKind::kByTraffic, 1, 0, 0};
  WriteConnectionByName(registry, record);

  std::string log = LogFileHeader();
  for (int i = 0; i < kSessions; ++i) {
    SessionRecord s;
    s.name = kConnection;
    s.valid = true;
    s.open = i % 1000 == 0;
    s.start = kLastDay - (kSessions - i) * (3.0 / 24) + (i % 7) / 24.0;  // every three hours, back over 34 years
    const int seconds = 600 + i % 20'000;
    s.end = s.start + seconds / 86400.0;
    s.duration = TrioFromTotal(seconds);
    s.in = 100'000 + i;
    s.out = 20'000 + i % 500;
    s.speed = 115'200;
    s.address = "10.0.0." + std::to_string(i % 250);
    log += EncodeSessionRecord(s);
  }
  SaveFileAtomically(folder + kSessionLogFileName, log);
  return folder;
}

// What the window does to fill itself: read both files, the summary with
// its periods and the session list.
struct StatisticsFill {
  std::array<SummaryRow, kSummaryRows> summary;
  std::vector<std::vector<std::string>> list;
};

inline StatisticsFill FillStatistics(const std::string& folder, DateTime now) {
  const std::vector<SessionRecord> sessions = ReadSessions(folder + kSessionLogFileName);
  const ConnectionRecord record = ReadConnectionByName(folder + kConnectionFileName, kConnection);
  return {SummaryRows(sessions, record, kConnection, now, {}), StatisticsSessionRows(sessions, record, kConnection, {})};
}

}  // namespace tikolvo::bench

#pragma once
// "work.db", the log of the computer's working time: one 24-byte record per
// boot, from when the system started until it was last seen running. The
// system's start is now less the time since it started.
#include <cstdint>
#include <string>
#include <vector>

#include "common/date_time.h"
#include "common/locale_data.h"
#include "common/workbook.h"

namespace tikolvo {

inline constexpr const char* kWorkLogFileName = "work.db";
inline constexpr std::size_t kWorkRecordSize = 24;

struct WorkSession {
  DateTime started = 0;
  DateTime seen = 0;
  bool running = false;

  bool operator==(const WorkSession&) const = default;
};

std::vector<WorkSession> ParseWorkLog(std::string_view bytes);
std::string EncodeWorkLog(const std::vector<WorkSession>& sessions);
// Nothing when the file cannot be read.
std::optional<std::vector<WorkSession>> LoadWorkLog(const std::string& path);

// The file with one closed record of this boot, made now.
bool CreateWorkLog(const std::string& path, DateTime now, std::uint64_t uptimeMs);
// Every running record is closed now.
bool CloseOpenSessions(const std::string& path, DateTime now);
// At program start: the open sessions are closed, then this boot's record
// is opened, over the last one when the program already ran in this boot.
// A file that is missing or holds no whole record is made afresh first.
bool LogSystemStart(const std::string& path, DateTime now, std::uint64_t uptimeMs);

// The grid "Лог работы ОС": per record a running mark ("a" or "_"), its
// text and its duration; and the total line.
struct WorkGridRow {
  bool running = false;
  std::string text;
  std::string duration;  // empty for the running record
};
std::vector<WorkGridRow> WorkGridRows(const std::vector<WorkSession>& sessions);
// "Суммарное время работы:  27:04:09".
std::string WorkTotalLine(const std::vector<WorkSession>& sessions);
// A session's length as hours:minutes:seconds; hours are not cut at a day.
std::string WorkDuration(const WorkSession& session);

// The log as a spreadsheet table: number, start, stop ("работает..." for
// the running record) and length.
Table WorkTable(const std::vector<WorkSession>& sessions);

// The text report, lines without their CR LF.
std::vector<std::string> WorkReportLines(const std::vector<WorkSession>& sessions, DateTime now,
                                         const Locale& locale);

}  // namespace tikolvo

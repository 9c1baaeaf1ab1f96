#pragma once
// The session log as the user reads it: the log page's rows, a session's
// traffic text, and the two text reports of the logs.
#include <string>
#include <vector>

#include "common/date_time.h"
#include "common/locale_data.h"
#include "common/workbook.h"
#include "netlog/connection_records.h"

namespace tikolvo {

// "Пн" .. "Вс".
std::string_view WeekdayName(DateTime moment);

// A session's traffic (0 both ways, 1 received, 2 sent) in its connection's
// decimals and unit; "kb" in lower case for the sent kilobytes.
std::string FormatSessionTraffic(const SessionRecord& session, const ConnectionRecord& record, int direction);

// The log page's rows for a filter ("Все", "Все разрешенные" or names):
// open mark ("a" or ""), name, start, duration, traffic, speed. A session of
// a name not in the registry shows its bytes plainly.
std::vector<std::vector<std::string>> SessionGridRows(const std::vector<SessionRecord>& sessions,
                                                      const std::vector<ConnectionRecord>& connections,
                                                      const std::string& filter);

std::vector<std::string> SessionsReportLines(const std::vector<SessionRecord>& sessions,
                                             const std::vector<ConnectionRecord>& connections,
                                             const std::string& filter, DateTime now, const Locale& locale);
// The same sessions as the report, as a spreadsheet table with the weekday
// added. From the log page the filter itself must be one the logs allow.
Table SessionsTable(const std::vector<SessionRecord>& sessions, const std::vector<ConnectionRecord>& connections,
                    const std::string& filter, bool filterMustAllow);

std::vector<std::string> ConnectionsReportLines(const std::vector<ConnectionRecord>& connections, DateTime now,
                                                const Locale& locale);

}  // namespace tikolvo

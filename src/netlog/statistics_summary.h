#pragma once
// The statistics window of one connection: its totals by period (today, the
// last day, week and month, everything, a chosen period or day, and what is
// left of its limits) and its session list.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/date_time.h"
#include "common/workbook.h"
#include "netlog/connection_records.h"

namespace tikolvo {

inline constexpr int kSummaryRows = 7;

struct SummaryRow {
  std::string title;
  std::string received, sent, sum, time, count, cost;
  // What the texts say, for the spreadsheet; a cell whose text is empty has none.
  std::int64_t receivedBytes = 0, sentBytes = 0, sumBytes = 0, seconds = 0, sessions = 0;
};

// A chosen period (both days included) or a chosen day; neither: nothing chosen.
struct StatisticsChoice {
  std::optional<DateTime> from, to;
  std::optional<DateTime> day;
};

// `record` is the connection's (a default one for a name not registered,
// which shows plain bytes and no costs).
std::array<SummaryRow, kSummaryRows> SummaryRows(const std::vector<SessionRecord>& sessions,
                                                 const ConnectionRecord& record, const std::string& name,
                                                 DateTime now, const StatisticsChoice& choice);

// The summary grid as a spreadsheet table: the periods down, the amounts
// across; the cost column has no header.
Table SummaryTable(const std::array<SummaryRow, kSummaryRows>& rows);

// The detailed list: open mark, name, start, end, duration, traffic,
// speed, address, weekday.
std::vector<std::vector<std::string>> StatisticsSessionRows(const std::vector<SessionRecord>& sessions,
                                                            const ConnectionRecord& record,
                                                            const std::string& name,
                                                            const StatisticsChoice& choice);

}  // namespace tikolvo

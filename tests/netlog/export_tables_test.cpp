// The spreadsheet tables of the session log, the statistics summary and the
// work log: each cell keeps the text the program shows and, where it is a
// number, a date or a length of time, the value a spreadsheet computes with.
#include <gtest/gtest.h>

#include "netlog/session_text.h"
#include "netlog/statistics_summary.h"
#include "netlog/work_log.h"

namespace tikolvo {
namespace {

using Kind = TableCell::Kind;

void ExpectCell(const TableCell& cell, Kind kind, double value, const std::string& text) {
  EXPECT_EQ(cell.kind, kind) << text;
  EXPECT_NEAR(cell.value, value, 1e-9) << text;
  EXPECT_EQ(cell.text, text);
}

DateTime At(int day, int h, int m = 0, int s = 0) { return EncodeDateTime({2026, 12, day, h, m, s, 0}); }

ConnectionRecord Home() {
  ConnectionRecord r;
  r.name = "Дом";
  r.valid = true;
  r.logUnit = 1;  // kilobytes
  r.tariffs[0].enabled = true;
  r.tariffs[0].kind = TariffKind::kAroundTheClock;
  r.tariffs[0].cost = 60;  // roubles an hour
  return r;
}

SessionRecord Session(const std::string& name, DateTime start, std::int32_t seconds) {
  SessionRecord s;
  s.name = name;
  s.valid = true;
  s.start = start;
  s.end = start + seconds / 86400.0;
  s.duration = TrioFromTotal(seconds);
  s.in = 1536;
  s.out = 512;
  s.speed = 56000;
  return s;
}

TEST(ExportTables, CellsKeepTheirKindsAndValuesBesideTheShownTexts) {
  const std::vector<ConnectionRecord> connections = {Home()};
  const std::vector<SessionRecord> sessions = {Session("Дом", At(8, 21, 5, 9), 3725),
                                               Session("Чужой", At(8, 22), 60)};

  const Table log = SessionsTable(sessions, connections, "Дом", false);
  ASSERT_EQ(log.header.size(), 13u);
  ASSERT_EQ(log.rows.size(), 1u);
  const std::vector<TableCell>& row = log.rows[0];
  ASSERT_EQ(row.size(), 13u);
  ExpectCell(row[0], Kind::kNumber, 1, "1");
  ExpectCell(row[1], Kind::kDay, At(8, 0), "08.12.26 ");
  ExpectCell(row[2], Kind::kDuration, (21 * 3600 + 5 * 60 + 9) / 86400.0, "21:05:09");
  ExpectCell(row[4], Kind::kDuration, 3725 / 86400.0, "1:02:05");
  ExpectCell(row[7], Kind::kNumber, 512, "0.50 kb");
  ExpectCell(row[8], Kind::kNumber, 2048, "2.00 Kb");
  ExpectCell(row[10], Kind::kNumber, 60 * 3725 / 3600.0, "62,08 р.");
  ExpectCell(row[12], Kind::kText, 0, "Вт");
  // A name the logs do not show is no filter the log page may export.
  EXPECT_TRUE(SessionsTable(sessions, connections, "Офис", true).rows.empty());

  ConnectionRecord limited = Home();
  limited.trafficLimit = 10000;
  const Table summary = SummaryTable(SummaryRows(sessions, limited, "Дом", At(9, 12), {}));
  ASSERT_EQ(summary.rows.size(), 7u);
  EXPECT_EQ(summary.header[6], "");  // the cost column
  ExpectCell(summary.rows[4][3], Kind::kNumber, 2048, "2.00 Kb");
  ExpectCell(summary.rows[4][4], Kind::kDuration, 3725 / 86400.0, "1:02:05");
  ExpectCell(summary.rows[4][5], Kind::kNumber, 1, "1");
  ExpectCell(summary.rows[5][5], Kind::kNumber, 0, "0");  // nothing chosen
  ExpectCell(summary.rows[6][3], Kind::kNumber, 10000 - 2048, "7.77 Kb");
  ExpectCell(summary.rows[6][4], Kind::kText, 0, "");  // no time limit

  const std::vector<WorkSession> boots = {{At(7, 8), At(8, 9, 0, 30), false}, {At(9, 8), At(9, 8), true}};
  const Table work = WorkTable(boots);
  ASSERT_EQ(work.rows.size(), 2u);
  ExpectCell(work.rows[0][1], Kind::kDate, At(7, 8), "08:00:00 07.12.26");
  ExpectCell(work.rows[0][3], Kind::kDuration, (25 * 3600 + 30) / 86400.0, "25:00:30");
  ExpectCell(work.rows[1][2], Kind::kText, 0, "работает...");
  ExpectCell(work.rows[1][3], Kind::kText, 0, "");
}

}  // namespace
}  // namespace tikolvo

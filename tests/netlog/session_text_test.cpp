#include "netlog/session_text.h"

#include <gtest/gtest.h>

namespace tikolvo {
namespace {

SessionRecord Session(const std::string& name, std::int32_t in, std::int32_t out, bool open = false) {
  SessionRecord s;
  s.name = name;
  s.valid = true;
  s.open = open;
  s.in = in;
  s.out = out;
  s.start = EncodeDateTime({2026, 12, 8, 21, 5, 9, 0});
  s.duration = TrioFromTotal(3725);
  return s;
}

ConnectionRecord Connection(const std::string& name, bool shown) {
  ConnectionRecord r;
  r.name = name;
  r.valid = true;
  r.showInLogs = shown;
  r.logUnit = 1;
  return r;
}

TEST(SessionText, FiltersPlainBytesForUnknownNamesAndTheSentKilobytes) {
  const std::vector<ConnectionRecord> connections = {Connection("Дом", true), Connection("Офис", false)};
  const std::vector<SessionRecord> sessions = {Session("Дом", 1536, 512, true), Session("Офис", 10, 10),
                                               Session("Чужой", 1000000, 234567)};
  const auto all = SessionGridRows(sessions, connections, "Все");
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(all[0], (std::vector<std::string>{"a", "Дом", "08/12/26  21:05:09", "1:02:05", "2.00 Kb", "0"}));
  EXPECT_EQ(all[2][4], "1234567 b");
  // "Все разрешенные": only the connections shown in the logs.
  const auto allowed = SessionGridRows(sessions, connections, "Все разрешенные");
  ASSERT_EQ(allowed.size(), 1u);
  EXPECT_EQ(allowed[0][1], "Дом");

  EXPECT_EQ(FormatSessionTraffic(sessions[0], connections[0], 2), "0.50 kb");
  EXPECT_EQ(FormatSessionTraffic(sessions[0], connections[0], 1), "1.50 Kb");
}

TEST(SessionText, ReportCellsAreRightAlignedInColumnsAsWideAsTheirWidestCell) {
  const std::vector<ConnectionRecord> connections = {Connection("Дом", true)};
  const auto lines = SessionsReportLines({Session("Дом", 1536, 512)}, connections, "Все",
                                         EncodeDateTime({2026, 12, 9, 12, 0, 0, 0}), Locale());
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[1], "Подключения: Все");
  EXPECT_EQ(lines[2].size(), lines[4].size());
  // The number column is as wide as the count (1) plus 2; the name column
  // at least 8 plus 2.
  EXPECT_EQ(lines[5].substr(0, 4), "| 1 ");
  EXPECT_NE(lines[5].find("|      Дом |"), std::string::npos);
  EXPECT_NE(lines[5].find("0,00 р."), std::string::npos);
}

}  // namespace
}  // namespace tikolvo

#include "netlog/work_log.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/file_io.h"

namespace tikolvo {
namespace {

namespace fs = std::filesystem;

DateTime At(int d, int h, int m, int s) { return EncodeDateTime({2026, 12, d, h, m, s, 0}); }
constexpr std::uint64_t kHour = 3'600'000;

class WorkLog : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = (fs::temp_directory_path() / ("tikolvo_work_" + std::string(::testing::UnitTest::GetInstance()
                                                                            ->current_test_info()
                                                                            ->name()) + ".db"))
                .string();
    fs::remove(path_);
  }
  void TearDown() override { fs::remove(path_); }
  std::vector<WorkSession> Sessions() const { return *LoadWorkLog(path_); }
  std::string path_;
};

TEST_F(WorkLog, OneRecordPerBootWhateverTheProgramsRestarts) {
  // A file holding no whole record counts as missing.
  ASSERT_TRUE(SaveFileAtomically(path_, "short"));
  ASSERT_TRUE(LogSystemStart(path_, At(8, 9, 0, 0), kHour));  // booted at 8:00
  // Restarted in the same boot, the tick counter read a few milliseconds off.
  ASSERT_TRUE(LogSystemStart(path_, At(8, 10, 0, 0), 2 * kHour + 3));
  std::vector<WorkSession> s = Sessions();
  ASSERT_EQ(s.size(), 1u);
  EXPECT_TRUE(s[0].running);
  EXPECT_EQ(s[0].seen, At(8, 10, 0, 0));

  // A new boot the next day: the last one is closed when the program starts.
  ASSERT_TRUE(LogSystemStart(path_, At(9, 8, 0, 0), kHour / 2));
  s = Sessions();
  ASSERT_EQ(s.size(), 2u);
  EXPECT_FALSE(s[0].running);
  EXPECT_EQ(s[0].seen, At(9, 8, 0, 0));
  ASSERT_TRUE(CloseOpenSessions(path_, At(9, 9, 0, 0)));
  EXPECT_FALSE(Sessions()[1].running);
}

TEST(WorkLogText, LongSessionsKeepTheirWholeHoursAndTheReportNumbersItsRows) {
  const std::vector<WorkSession> sessions = {{At(1, 10, 0, 0), At(2, 11, 0, 5), false},
                                             {At(3, 8, 0, 0), At(3, 8, 30, 0), false},
                                             {At(4, 7, 0, 0), At(4, 7, 0, 0), true}};
  EXPECT_EQ(WorkDuration(sessions[0]), "25:00:05");
  EXPECT_EQ(WorkTotalLine(sessions), "Суммарное время работы:  25:30:05");
  const std::vector<WorkGridRow> rows = WorkGridRows(sessions);
  EXPECT_EQ(rows[1].text, "Система работала с 08:00:00 03/12/26, до 08:30:00 03/12/26");
  EXPECT_EQ(rows[2].duration, "");

  const std::vector<std::string> lines = WorkReportLines(sessions, At(5, 12, 0, 0), Locale());
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[1], std::string(3 + 19 + 19 + 19 + 5, '-'));
  EXPECT_EQ(lines[4].substr(0, 5), "| 1 |");
  EXPECT_NE(lines[6].find("работает"), std::string::npos);
  EXPECT_EQ(lines[8], "Суммарное время работы (ч/м/с):  25:30:05");
}

}  // namespace
}  // namespace tikolvo

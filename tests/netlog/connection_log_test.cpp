// Connect.db and log_web.db: the layouts against bytes placed by hand at
// their documented offsets, and the operations' rules on real files.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <filesystem>
#include <limits>

#include "common/file_io.h"
#include "netlog/connection_registry.h"
#include "netlog/log_file.h"
#include "netlog/session_log.h"

namespace tikolvo {
namespace {

namespace fs = std::filesystem;

void PutI32(std::string& b, std::size_t at, std::int32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
}
void PutF64(std::string& b, std::size_t at, double v) {
  const auto bits = std::bit_cast<std::uint64_t>(v);
  for (int i = 0; i < 8; ++i) b[at + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}
std::uint8_t At(const std::string& b, std::size_t at) { return static_cast<std::uint8_t>(b[at]); }

DateTime Moment(int y, int mo, int d, int h, int mi, int s) { return EncodeDateTime({y, mo, d, h, mi, s, 0}); }

TEST(ConnectionRecords, FieldsSitAtTheirOffsetsAndFreshRecordsCarryTheReservedValues) {
  std::string bytes(kConnectionRecordSize, '\0');
  bytes[0] = 4;
  std::memcpy(&bytes[1], "\xCC\xD2\xD1\x31", 4);  // "МТС1" in Windows-1251
  PutI32(bytes, 68, 123456);
  PutF64(bytes, 80, 46000.25);
  bytes[93] = 1;
  PutI32(bytes, 132, 3145728);
  const std::size_t tariff3 = 160 + 48 * 3;
  PutF64(bytes, tariff3 + 24, 1.5);
  bytes[tariff3 + 34] = 0;        // by traffic
  bytes[tariff3 + 39] = 1 << 6;   // not on Sundays
  const ConnectionRecord r = ParseConnectionRecord(bytes);
  EXPECT_EQ(r.name, "МТС1");
  EXPECT_EQ(r.totalIn, 123456);
  EXPECT_EQ(r.sessionStart, 46000.25);
  EXPECT_TRUE(r.valid);
  EXPECT_EQ(r.trafficLimit, 3145728);
  EXPECT_EQ(r.tariffs[3].cost, 1.5);
  EXPECT_EQ(r.tariffs[3].kind, TariffKind::kByTraffic);
  EXPECT_EQ(r.tariffs[3].excludedDays, 1 << 6);
  EXPECT_EQ(ParseConnectionRecord(EncodeConnectionRecord(r)), r);

  const std::string fresh = EncodeConnectionRecord(ConnectionRecord{});
  ASSERT_EQ(fresh.size(), kConnectionRecordSize);
  EXPECT_EQ(At(fresh, 88), kProgramRecordTag);
  EXPECT_EQ(At(fresh, 140), 2);  // two decimals
  EXPECT_EQ((std::array{At(fresh, 146), At(fresh, 147), At(fresh, 150), At(fresh, 152), At(fresh, 153),
                        At(fresh, 154), At(fresh, 155)}),
            (std::array<std::uint8_t, 7>{3, 2, 1, 1, 1, 1, 254}));
  EXPECT_EQ((std::array{At(fresh, 160 + 32), At(fresh, 160 + 33), At(fresh, 160 + 34)}),
            (std::array<std::uint8_t, 3>{2, 2, 1}));

  std::string session(kSessionRecordSize, '\0');
  PutI32(session, 72, 777);
  session[81] = 1;
  session[82] = 8;
  std::memcpy(&session[83], "10.0.0.7", 8);
  PutI32(session, 108, 1);
  const SessionRecord s = ParseSessionRecord(session);
  EXPECT_EQ(s.out, 777);
  EXPECT_TRUE(s.open);
  EXPECT_EQ(s.address, "10.0.0.7");
  EXPECT_EQ(s.state, 1);
  EXPECT_EQ(EncodeSessionRecord(s), session);
  EXPECT_EQ(ParseSessionRecord(EncodeSessionRecord(SessionRecord{})).state, -1);
}

class ConnectionFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("tikolvo_netlog_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    registry = (folder_ / kConnectionFileName).string();
    log = (folder_ / kSessionLogFileName).string();
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::uintmax_t Size(const std::string& path) const { return fs::file_size(path); }

  fs::path folder_;
  std::string registry;
  std::string log;
};

TEST_F(ConnectionFiles, RegistryReusesItsFreeRecordCompactsAndMatchesNamesWithoutCase) {
  ASSERT_TRUE(CreateConnectionFile(registry));
  EXPECT_EQ(Size(registry), 937u);
  EXPECT_EQ(CountConnections(registry), 0);
  ASSERT_EQ(AddConnection(registry, "Домашний", 100), LogFileResult::kSaved);
  EXPECT_EQ(Size(registry), 937u);
  EXPECT_EQ(AddConnection(registry, "ДОМАШНИЙ", 100), LogFileResult::kUnchanged);
  ASSERT_EQ(AddConnection(registry, "Рабочий", 100), LogFileResult::kSaved);
  EXPECT_TRUE(ReadConnectionByName(registry, "рабочий").monitored);
  EXPECT_EQ(FindConnection(registry, "рабочий"), 1);

  ConnectionRecord hidden = ReadConnectionByName(registry, "Рабочий");
  hidden.showInLogs = false;
  ASSERT_EQ(WriteConnectionByName(registry, hidden), LogFileResult::kSaved);
  EXPECT_EQ(LoggedConnectionList(ReadConnections(registry)), "|Домашний");
  hidden.showInLogs = true;
  ASSERT_EQ(WriteConnectionByName(registry, hidden), LogFileResult::kSaved);

  EXPECT_EQ(DeleteConnection(registry, 0, "Рабочий"), LogFileResult::kUnchanged);
  ASSERT_EQ(DeleteConnection(registry, 0, "домашний"), LogFileResult::kSaved);
  EXPECT_EQ(Size(registry), 937u);
  EXPECT_EQ(ConnectionNameAt(registry, 0), "Рабочий");

  // A session that ends counts once; the totals never turn negative.
  ASSERT_EQ(SetConnected(registry, "Рабочий", true, true), LogFileResult::kSaved);
  ASSERT_EQ(SetConnected(registry, "Рабочий", false, true), LogFileResult::kSaved);
  const DateTime start = Moment(2026, 3, 1, 10, 0, 0);
  const std::int32_t most = std::numeric_limits<std::int32_t>::max();
  ASSERT_EQ(AddSessionTotals(registry, "Рабочий", most - 10, -5, start + 1.0 / 24, start), LogFileResult::kSaved);
  ASSERT_EQ(AddSessionTotals(registry, "Рабочий", 100, 7, start + 1.0 / 24, start), LogFileResult::kSaved);
  const ConnectionRecord r = ReadConnection(registry, 0);
  EXPECT_EQ(r.sessionCount, 1);
  EXPECT_EQ(r.totalIn, most);
  EXPECT_EQ(r.totalOut, 7);
  EXPECT_EQ(r.totalTime.total, 2 * 3600);
  EXPECT_EQ(AddConnection((folder_ / "none" / "Connect.db").string(), "x", 100), LogFileResult::kFailed);
}

TEST_F(ConnectionFiles, DamagedFilesKeepTheirWholeRecords) {
  ASSERT_TRUE(CreateConnectionFile(registry));
  ASSERT_EQ(AddConnection(registry, "A", 100), LogFileResult::kSaved);
  ASSERT_EQ(AddConnection(registry, "B", 100), LogFileResult::kSaved);
  std::string bytes = *ReadWholeFile(registry);
  bytes.resize(bytes.size() - 100);  // B cut short
  ASSERT_TRUE(SaveFileAtomically(registry, bytes));
  EXPECT_EQ(CountConnections(registry), 1);
  ASSERT_EQ(AddConnection(registry, "C", 100), LogFileResult::kSaved);  // drops the torn tail
  EXPECT_EQ(Size(registry), 9u + 2 * kConnectionRecordSize);
  EXPECT_EQ(ConnectionNameAt(registry, 1), "C");

  ASSERT_TRUE(SaveFileAtomically(log, "TKD"));  // shorter than the header
  EXPECT_TRUE(ReadSessions(log).empty());
  ASSERT_EQ(OpenSession(log, "A", 1), LogFileResult::kSaved);
  EXPECT_EQ(ReadWholeFile(log)->substr(0, kLogHeaderSize), LogFileHeader());
}

TEST_F(ConnectionFiles, SessionLogReusesFreeRecordsAndClosesEveryOpenSessionOfTheName) {
  ASSERT_TRUE(CreateSessionLog(log));
  const DateTime earlier = Moment(2026, 12, 30, 8, 0, 0), start = Moment(2026, 12, 31, 23, 30, 0);
  ASSERT_EQ(OpenSession(log, "Дом", earlier), LogFileResult::kSaved);
  EXPECT_EQ(Size(log), 9u + kSessionRecordSize);  // the free record was taken
  ASSERT_EQ(OpenSession(log, "дом", start), LogFileResult::kSaved);
  ASSERT_EQ(OpenSession(log, "Офис", start), LogFileResult::kSaved);

  // One record is looked up from the end: the later session of the name.
  EXPECT_EQ(SetSessionAddress(log, "ДОМ", "", 1), LogFileResult::kUnchanged);
  ASSERT_EQ(SetSessionAddress(log, "ДОМ", "10.1.2.3", 1), LogFileResult::kSaved);
  EXPECT_EQ(OpenSessionAddress(log, "дом"), "10.1.2.3");
  ASSERT_EQ(SetSessionTraffic(log, "Дом", 5000, 0, "10.1.2.3", 0), LogFileResult::kSaved);
  EXPECT_EQ(SetSessionTraffic(log, "Дом", 1, 1, "10.9.9.9", 1), LogFileResult::kUnchanged);

  // Over the new year, the session's duration is its real length.
  ASSERT_EQ(CloseSessions(log, "Дом", start + 1.0 / 24, start), LogFileResult::kSaved);
  const std::vector<SessionRecord> s = ReadSessions(log);
  ASSERT_EQ(s.size(), 3u);
  EXPECT_FALSE(s[0].open);
  EXPECT_EQ(s[0].end, 0);  // not the session that ended now
  EXPECT_EQ(s[0].duration.total, 0);
  EXPECT_EQ(s[1].duration.total, 3600);
  EXPECT_EQ(s[1].in, 5000);
  EXPECT_EQ(s[1].out, 0);
  EXPECT_TRUE(s[2].open);

  ASSERT_TRUE(CreateConnectionFile(registry));
  ASSERT_EQ(AddConnection(registry, "ДОМ", 100), LogFileResult::kSaved);
  ASSERT_EQ(RecountFromLog(registry, log, "Дом"), LogFileResult::kSaved);
  const ConnectionRecord home = ReadConnectionByName(registry, "дом");
  EXPECT_EQ((std::array{home.sessionCount, home.totalIn, home.totalTime.total, home.totalTime.hours}),
            (std::array{2, 5000, 3600, 1}));

  ASSERT_EQ(CloseStaleSessions(log), LogFileResult::kSaved);
  EXPECT_EQ(OpenSessionState(log, "Офис"), 0);
}

}  // namespace
}  // namespace tikolvo

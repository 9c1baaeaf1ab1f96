// The connection monitor driven by scripted stand-ins for the dial-up
// service and the adapter tables, with real record files.
#include "netlog/connection_monitor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "common/fake_clock.h"
#include "netlog/connection_registry.h"
#include "netlog/session_log.h"
#include "netlog/traffic_text.h"
#include "scheduler/plan_engine.h"

namespace tikolvo {
namespace {

namespace fs = std::filesystem;

struct ScriptedDialUp : DialUpService {
  std::vector<DialUpConnection> active;
  std::map<std::uintptr_t, std::string> addresses;
  std::vector<std::string> phoneBook;
  std::vector<DialUpConnection> ActiveConnections() override { return active; }
  void HangUp(std::uintptr_t) override {}
  std::string ClientAddress(std::uintptr_t handle) override { return addresses[handle]; }
  std::vector<std::string> PhoneBookEntries() override { return phoneBook; }
};

struct ScriptedAdapters : AdapterSource {
  std::optional<AdapterTables> tables = AdapterTables{};
  std::optional<AdapterTables> Read() override { return tables; }
};

struct RecordedEvents : MonitorEvents {
  std::vector<std::string> console;
  std::vector<int> commands;
  std::map<int, std::string> popups;  // open entries and their addresses
  std::pair<std::uint32_t, std::uint32_t> lastUpdate{0, 0};
  void Console(const std::string& line) override { console.push_back(line); }
  void PlanCommand(int code) override { commands.push_back(code); }
  void OpenPopup(int entry, const ConnectionRecord&, const std::string& address) override { popups[entry] = address; }
  void UpdatePopup(int, std::uint32_t in, std::uint32_t out) override { lastUpdate = {in, out}; }
  void ClosePopup(int entry) override { popups.erase(entry); }
  void ConnectionsChanged() override {}
  void StatusShown(const std::vector<StatusRow>&) override {}
  void LimitWarning(const std::string& text) override { warnings.push_back(text); }
  std::vector<std::string> warnings;
};

constexpr std::uint32_t kClientAddress = 0x0701000A;  // 10.0.1.7

class Monitor : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("tikolvo_monitor_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    files_ = {(folder_ / "Connect.db").string(), (folder_ / "log_web.db").string()};
    monitor_.emplace(files_, dialUp_, adapters_, events_, clock_);
    monitor_->Start();
    monitor_->SetMonitoring(true);
  }
  void TearDown() override { fs::remove_all(folder_); }

  void Dial(const std::string& name, std::uintptr_t handle) {
    dialUp_.phoneBook.push_back(name);
    dialUp_.active.push_back({name, handle});
  }
  // The dial-up adapter that appears with the connection.
  void AdapterShows(std::uint64_t in, std::uint64_t out, std::uint32_t speed = 56000) {
    adapters_.tables = AdapterTables{{{"WAN", 5, speed, std::string("\x00\x53\x45\x00\x00\x01", 6), in, out}},
                                     {{kClientAddress, 5}}};
  }
  // One second: a traffic pass and a connection pass.
  void Second() {
    clock_.AdvanceSeconds(1);
    monitor_->TrafficPass();
    monitor_->ConnectionPass();
  }
  std::vector<SessionRecord> Sessions() const {
    std::vector<SessionRecord> valid;
    for (const SessionRecord& s : ReadSessions(files_.sessions))
      if (s.valid) valid.push_back(s);
    return valid;
  }

  fs::path folder_;
  MonitorFiles files_;
  ScriptedDialUp dialUp_;
  ScriptedAdapters adapters_;
  RecordedEvents events_;
  FakeClock clock_{EncodeDateTime({2026, 5, 4, 20, 0, 0, 0}), 1000};
  std::optional<ConnectionMonitor> monitor_;  // made once the files are named
};

TEST_F(Monitor, ASessionIsOpenedConfirmedCountedAndClosedWithItsTraffic) {
  Dial("Домашний", 7);
  dialUp_.addresses[7] = "10.0.1.7";
  monitor_->ConnectionPass();
  ASSERT_EQ(Sessions().size(), 1u);
  EXPECT_TRUE(Sessions()[0].open);

  AdapterShows(1000, 200);
  Second();  // the adapter's address found, then confirmed by the dial-up service
  EXPECT_EQ(events_.commands, std::vector<int>{plan_code::kConnected});
  ASSERT_EQ(events_.popups.size(), 1u);
  EXPECT_EQ(events_.popups.begin()->second, "10.0.1.7");
  AdapterShows(6000, 900);
  Second();
  EXPECT_EQ(events_.lastUpdate, std::make_pair(6000u, 900u));

  dialUp_.active.clear();
  clock_.AdvanceSeconds(58);
  monitor_->ConnectionPass();
  EXPECT_EQ(events_.commands.back(), plan_code::kDisconnected);
  EXPECT_TRUE(events_.popups.empty());
  const SessionRecord s = Sessions().at(0);
  EXPECT_FALSE(s.open);
  EXPECT_EQ((std::array{s.in, s.out, s.state, s.duration.total}), (std::array{6000, 900, 1, 60}));
  const ConnectionRecord r = ReadConnectionByName(files_.registry, "Домашний");
  EXPECT_EQ((std::array{r.totalIn, r.totalOut, r.sessionCount, r.totalTime.total}), (std::array{6000, 900, 1, 60}));
}

// The idle program skips the traffic pass; a connection must bring it back
// before its adapter is needed, and its end must let it rest again.
TEST_F(Monitor, TrafficIsReadOnlyWhileAConnectionUsesIt) {
  monitor_->ConnectionPass();
  EXPECT_FALSE(monitor_->TrafficWanted());
  Dial("Домашний", 7);
  dialUp_.addresses[7] = "10.0.1.7";
  monitor_->ConnectionPass();
  EXPECT_TRUE(monitor_->TrafficWanted());
  AdapterShows(1000, 200);
  Second();
  ASSERT_EQ(events_.popups.size(), 1u);
  dialUp_.active.clear();
  monitor_->ConnectionPass();
  EXPECT_TRUE(events_.popups.empty());
  EXPECT_FALSE(monitor_->TrafficWanted());
}

TEST_F(Monitor, ALimitedSessionIsWarnedOnceNearTheLimitWithItsLiveTraffic) {
  Dial("Домашний", 7);
  dialUp_.addresses[7] = "10.0.1.7";
  monitor_->ConnectionPass();
  ASSERT_EQ(SetLimits(files_.registry, "Домашний", TTrioTime{}, 10'000), LogFileResult::kSaved);
  AdapterShows(1000, 0);
  Second();
  AdapterShows(9500, 0);
  Second();
  AdapterShows(9600, 0);
  Second();
  ASSERT_EQ(events_.warnings.size(), 1u);
  EXPECT_NE(events_.warnings[0].find("Домашний"), std::string::npos);
}

TEST_F(Monitor, AnAddressNotYetKnownIsAskedAgainAtTheNextPass) {
  Dial("Домашний", 7);
  monitor_->ConnectionPass();
  AdapterShows(10, 10);
  Second();
  EXPECT_EQ(events_.console.back(), "_checked: Домашний ");
  EXPECT_TRUE(events_.commands.empty());
  dialUp_.addresses[7] = "10.0.1.7";
  monitor_->ConnectionPass();
  EXPECT_EQ(events_.commands, std::vector<int>{plan_code::kConnected});
  EXPECT_EQ(Sessions().at(0).address, "10.0.1.7");
}

TEST_F(Monitor, ASecondConnectionRestartsTheFirstsSession) {
  Dial("Домашний", 7);
  monitor_->ConnectionPass();
  clock_.AdvanceSeconds(30);
  Dial("Рабочий", 8);
  monitor_->ConnectionPass();
  ASSERT_EQ(Sessions().size(), 3u);  // the first connection has two open entries now
  dialUp_.active = {{"Рабочий", 8}};
  clock_.AdvanceSeconds(30);
  monitor_->ConnectionPass();
  const std::vector<SessionRecord> s = Sessions();
  EXPECT_FALSE(s[0].open);
  EXPECT_EQ(s[0].end, 0);  // the entry of the session that was restarted
  EXPECT_FALSE(s[1].open);
  EXPECT_EQ(s[1].duration.total, 30);
  EXPECT_TRUE(s[2].open);
}

TEST_F(Monitor, LoggingOffFreezesAndMonitoringOffClosesOnce) {
  Dial("Домашний", 7);
  monitor_->ConnectionPass();
  monitor_->SetLogging(false);
  dialUp_.active.clear();
  monitor_->ConnectionPass();
  EXPECT_TRUE(Sessions().at(0).open);  // frozen

  monitor_->SetMonitoring(true);  // starts afresh, logging on
  Dial("Домашний", 7);
  monitor_->ConnectionPass();
  monitor_->SetMonitoring(false);
  monitor_->ConnectionPass();
  EXPECT_FALSE(monitor_->state().connectionPassRunning);
  EXPECT_FALSE(monitor_->state().trafficPassRunning);
  for (const SessionRecord& s : Sessions()) EXPECT_FALSE(s.open);
  EXPECT_EQ(ReadConnectionByName(files_.registry, "Домашний").sessionCount, 1);
}

TEST_F(Monitor, CountersFollowWrapsNotResetsAndASessionEndedInSleepKeepsItsLastTraffic) {
  // 32-bit counters: 100 bytes past the wrap fit a second at 10 Mbit/s.
  EXPECT_EQ(CounterAdvance(0xFFFFFF00u, 0x64, false, 10'000'000, 1), 0x100u + 0x64);
  // A fall that would mean almost 4 GiB in a second on a 56k line is no
  // wrap: the adapter restarted, and counts from zero.
  EXPECT_EQ(CounterAdvance(0x10000000u, 0x64, false, 56'000, 1), 0x64u);
  EXPECT_EQ(CounterAdvance(5000, 40, true, 1'000'000'000, 1), 40u);

  Dial("Домашний", 7);
  dialUp_.addresses[7] = "10.0.1.7";
  monitor_->ConnectionPass();
  AdapterShows(0xFFFFF000u, 500, 100'000'000);
  Second();
  AdapterShows(0x1000, 600, 100'000'000);
  Second();
  EXPECT_EQ(monitor_->adapters().slots()[0].in, 0x100000000ull + 0x1000);

  // Asleep for an hour: the counters start again from zero and the
  // connection is gone when the computer wakes.
  clock_.AdvanceSeconds(3600);
  dialUp_.active.clear();
  AdapterShows(10, 10, 100'000'000);
  monitor_->Resumed();
  const SessionRecord s = Sessions().at(0);
  EXPECT_FALSE(s.open);
  EXPECT_EQ(s.in, std::numeric_limits<std::int32_t>::max());  // beyond what the field holds, never negative
  EXPECT_EQ(s.out, 600);
  EXPECT_TRUE(monitor_->state().trafficPassRunning);
  EXPECT_EQ(monitor_->state().validatedAdapterCount, 0);
}

TEST(TrafficText, DocumentedForms) {
  EXPECT_EQ(FormatByteCount(1536, 0, 1), "1 Kb");
  EXPECT_EQ(FormatByteCount(1536, 2, 1), "1.50 Kb");
  EXPECT_EQ(FormatByteCount(123456789, 0, 0), "123 456 789 b");
  EXPECT_EQ(FormatByteCount(5, 7, 1), "");
  EXPECT_EQ(FormatIpAddress(0), "0.0.0.0");
  EXPECT_EQ(FormatIpAddress(0x0501A8C0), "192.168.1.5");
  EXPECT_EQ(FormatMacAddress("", 0), "00-00-00-00-00-00");
  EXPECT_EQ(FormatMacAddress(std::string("\x00\x0C\x29\xAB\x01\xFF", 6), 6), "00-0C-29-AB-01-FF");
  ConnectionRecord r;
  r.totalIn = r.totalOut = 0x7FFFFFFF;
  r.logUnit = 3;
  r.logDecimals = 0;
  EXPECT_EQ(FormatTraffic(r, 0), "3 Gb");  // not negative
}

}  // namespace
}  // namespace tikolvo

#pragma once
// A running connection monitor for the benchmarks: one dial-up connection
// up and confirmed, sixteen adapters moving bytes, nothing shown.
#include <filesystem>
#include <optional>
#include <string>

#include "common/clock.h"
#include "netlog/connection_monitor.h"

namespace tikolvo::bench {

struct QuietClock : Clock {
  DateTime Now() const override { return 46000.5; }
  std::uint64_t MillisecondsSinceStart() const override { return ms += 1000; }
  mutable std::uint64_t ms = 0;
};

struct OneConnection : DialUpService {
  std::vector<DialUpConnection> ActiveConnections() override { return {{"Домашний", 1}}; }
  void HangUp(std::uintptr_t) override {}
  std::string ClientAddress(std::uintptr_t) override { return "10.0.0.16"; }
  std::vector<std::string> PhoneBookEntries() override { return {"Домашний"}; }
};

struct SixteenAdapters : AdapterSource {
  std::uint64_t bytes = 0;
  std::optional<AdapterTables> Read() override {
    AdapterTables tables;
    bytes += 1500;
    for (std::uint32_t i = 1; i <= 16; ++i) {
      tables.interfaces.push_back({"Adapter", i, 100'000'000, std::string("\x00\x11\x22\x33\x44", 5) + char(i),
                                   bytes * i, bytes});
      tables.addresses.push_back({0x0000000A | (i << 24), i});
    }
    return tables;
  }
};

struct Silent : MonitorEvents {
  void Console(const std::string&) override {}
  void PlanCommand(int) override {}
  void OpenPopup(int, const ConnectionRecord&, const std::string&) override {}
  void UpdatePopup(int, std::uint32_t, std::uint32_t) override {}
  void ClosePopup(int) override {}
  void ConnectionsChanged() override {}
  void StatusShown(const std::vector<StatusRow>&) override {}
  void LimitWarning(const std::string&) override {}
};

struct Running {
  std::filesystem::path folder = std::filesystem::temp_directory_path() / "tikolvo_monitor_bench";
  QuietClock clock;
  OneConnection dialUp;
  SixteenAdapters adapters;
  Silent events;
  std::optional<ConnectionMonitor> monitor;
  Running() {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    monitor.emplace(MonitorFiles{(folder / "Connect.db").string(), (folder / "log_web.db").string()}, dialUp,
                    adapters, events, clock);
    monitor->Start();
    monitor->SetMonitoring(true);
    // The connection comes up and its address is confirmed.
    monitor->ConnectionPass();
    monitor->TrafficPass();
    monitor->ConnectionPass();
  }
  ~Running() { std::filesystem::remove_all(folder); }
};

}  // namespace tikolvo::bench

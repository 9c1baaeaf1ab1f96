#pragma once
// The records of the connection log: a known dial-up connection with its
// totals, limits, display settings and tariff rules ("Connect.db", 928
// bytes), and one dial-up session ("log_web.db", 112 bytes). Defaults are
// what the program writes for a fresh record, reserved bytes included.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/date_time.h"
#include "common/trio_time.h"

namespace tikolvo {

inline constexpr std::size_t kConnectionRecordSize = 928;
inline constexpr std::size_t kTariffRuleSize = 48;
inline constexpr std::size_t kSessionRecordSize = 112;
inline constexpr int kTariffCount = 16;
inline constexpr std::size_t kConnectionNameChars = 50;
inline constexpr std::size_t kSessionNameChars = 32;
inline constexpr std::size_t kSessionAddressChars = 24;
inline constexpr std::int32_t kProgramRecordTag = 100;

enum class TariffKind : std::uint8_t { kByTraffic = 0, kByTime = 1, kAroundTheClock = 2 };

struct TariffRule {
  double start = 0;  // time of day as a fraction of a day
  double end = 0;
  bool enabled = false;
  double cost = 0;                // per unit
  std::uint8_t timeUnit = 2;      // 0 seconds, 1 minutes, 2 hours
  std::uint8_t trafficUnit = 2;   // 0 bytes, 1 KB, 2 MB, 3 GB
  TariffKind kind = TariffKind::kByTime;
  std::uint8_t currency = 0;      // 0 rouble, 1 dollar
  std::uint8_t direction = 0;     // 0 sum, 1 received, 2 sent
  std::uint8_t excludedDays = 0;  // bit 0 Monday .. bit 6 Sunday

  bool operator==(const TariffRule&) const = default;
};

struct ConnectionRecord {
  std::string name;  // UTF-8, at most 50 characters in the file
  TTrioTime totalTime;
  std::int32_t totalIn = 0;
  std::int32_t totalOut = 0;
  DateTime sessionStart = 0;
  std::int32_t tag = kProgramRecordTag;
  bool connected = false;
  bool valid = false;
  std::int32_t sessionCount = 0;
  TTrioTime timeLimit;
  std::int32_t trafficLimit = 0;  // bytes
  bool monitored = false;         // "Следить за этим подключением"
  std::int32_t logDecimals = 2;
  std::uint8_t logUnit = 0;
  std::uint8_t logDirection = 0;
  std::uint8_t trayTrafficView = 2;
  bool trayShowName = false;
  bool trayShowSpeed = false;
  bool trayShowTraffic = true;
  bool trayShowClientIp = false;
  bool trayShowTime = true;
  bool showInLogs = true;  // "Отображать в логах"
  std::array<TariffRule, kTariffCount> tariffs{};

  bool operator==(const ConnectionRecord&) const = default;
};

struct SessionRecord {
  DateTime start = 0;
  DateTime end = 0;  // 0: the end is not known
  TTrioTime duration;
  std::string name;  // at most 32 characters in the file
  std::int32_t in = 0;
  std::int32_t out = 0;
  std::int32_t speed = 0;  // bits per second, as the adapter says
  bool valid = false;
  bool open = false;
  std::string address;  // the client's IPv4 address, at most 24 characters
  std::int32_t state = -1;  // -1 address not yet confirmed, 1 confirmed

  bool operator==(const SessionRecord&) const = default;
};

// Whole seconds from start to end, each moment taken to the millisecond
// first, so that a span of exactly an hour is 3600 seconds and not one less
// through the rounding of the date-time doubles. Never below 0.
std::int32_t SecondsBetween(DateTime start, DateTime end);

// Each parser takes exactly one record's bytes (shorter input reads zeros).
ConnectionRecord ParseConnectionRecord(std::string_view bytes);
std::string EncodeConnectionRecord(const ConnectionRecord& record);
SessionRecord ParseSessionRecord(std::string_view bytes);
std::string EncodeSessionRecord(const SessionRecord& record);

}  // namespace tikolvo

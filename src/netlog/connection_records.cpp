#include "netlog/connection_records.h"

#include <algorithm>
#include <limits>

#include "common/byte_io.h"

namespace tikolvo {
namespace {

TTrioTime ReadTrio(ByteReader& in) {
  TTrioTime t;
  t.hours = in.I32();
  t.minutes = in.I32();
  t.seconds = in.I32();
  t.total = in.I32();
  return t;
}

void WriteTrio(ByteWriter& out, const TTrioTime& t) {
  out.I32(t.hours);
  out.I32(t.minutes);
  out.I32(t.seconds);
  out.I32(t.total);
}

bool ReadBool(ByteReader& in) { return in.U8() != 0; }

TariffRule ReadTariff(ByteReader& in) {
  TariffRule t;
  t.start = in.F64();
  t.end = in.F64();
  t.enabled = ReadBool(in);
  in.Skip(7);
  t.cost = in.F64();
  t.timeUnit = in.U8();
  t.trafficUnit = in.U8();
  t.kind = static_cast<TariffKind>(in.U8());
  t.currency = in.U8();
  t.direction = in.U8();
  in.Skip(2);
  t.excludedDays = in.U8();
  in.Skip(8);
  return t;
}

void WriteTariff(ByteWriter& out, const TariffRule& t) {
  out.F64(t.start);
  out.F64(t.end);
  out.U8(t.enabled ? 1 : 0);
  out.Zeros(7);
  out.F64(t.cost);
  out.U8(t.timeUnit);
  out.U8(t.trafficUnit);
  out.U8(static_cast<std::uint8_t>(t.kind));
  out.U8(t.currency);
  out.U8(t.direction);
  out.Zeros(2);
  out.U8(t.excludedDays);
  out.Zeros(8);
}

// The reserved bytes carry no meaning; they are written with the values a
// fresh record has.
constexpr std::uint8_t kReservedAfterDirection = 3;
constexpr std::uint8_t kReservedAfterShowInLogs[] = {1, 254};

std::int64_t Milliseconds(DateTime moment) {
  return static_cast<std::int64_t>(DateOf(moment)) * 86'400'000 + TimeOfDayMilliseconds(moment);
}

}  // namespace

std::int32_t SecondsBetween(DateTime start, DateTime end) {
  const std::int64_t seconds = (Milliseconds(end) - Milliseconds(start)) / 1000;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(seconds, 0, std::numeric_limits<std::int32_t>::max()));
}

ConnectionRecord ParseConnectionRecord(std::string_view bytes) {
  ByteReader in(bytes);
  ConnectionRecord r;
  r.name = in.ShortString(kConnectionNameChars);
  in.Skip(1);
  r.totalTime = ReadTrio(in);
  r.totalIn = in.I32();
  r.totalOut = in.I32();
  in.Skip(4);
  r.sessionStart = in.F64();
  r.tag = in.I32();
  r.connected = ReadBool(in);
  r.valid = ReadBool(in);
  in.Skip(2);
  r.sessionCount = in.I32();
  r.timeLimit = ReadTrio(in);
  in.Skip(16);
  r.trafficLimit = in.I32();
  r.monitored = ReadBool(in);
  in.Skip(3);
  r.logDecimals = in.I32();
  r.logUnit = in.U8();
  r.logDirection = in.U8();
  in.Skip(1);
  r.trayTrafficView = in.U8();
  r.trayShowName = ReadBool(in);
  r.trayShowSpeed = ReadBool(in);
  r.trayShowTraffic = ReadBool(in);
  r.trayShowClientIp = ReadBool(in);
  r.trayShowTime = ReadBool(in);
  r.showInLogs = ReadBool(in);
  in.Skip(6);
  for (TariffRule& t : r.tariffs) t = ReadTariff(in);
  return r;
}

std::string EncodeConnectionRecord(const ConnectionRecord& r) {
  ByteWriter out;
  out.ShortString(r.name, kConnectionNameChars);
  out.Zeros(1);
  WriteTrio(out, r.totalTime);
  out.I32(r.totalIn);
  out.I32(r.totalOut);
  out.Zeros(4);
  out.F64(r.sessionStart);
  out.I32(r.tag);
  out.U8(r.connected ? 1 : 0);
  out.U8(r.valid ? 1 : 0);
  out.Zeros(2);
  out.I32(r.sessionCount);
  WriteTrio(out, r.timeLimit);
  out.Zeros(16);
  out.I32(r.trafficLimit);
  out.U8(r.monitored ? 1 : 0);
  out.Zeros(3);
  out.I32(r.logDecimals);
  out.U8(r.logUnit);
  out.U8(r.logDirection);
  out.U8(kReservedAfterDirection);
  out.U8(r.trayTrafficView);
  for (bool flag : {r.trayShowName, r.trayShowSpeed, r.trayShowTraffic, r.trayShowClientIp, r.trayShowTime,
                    r.showInLogs})
    out.U8(flag ? 1 : 0);
  for (std::uint8_t reserved : kReservedAfterShowInLogs) out.U8(reserved);
  out.Zeros(4);
  for (const TariffRule& t : r.tariffs) WriteTariff(out, t);
  return out.Take();
}

SessionRecord ParseSessionRecord(std::string_view bytes) {
  ByteReader in(bytes);
  SessionRecord r;
  r.start = in.F64();
  r.end = in.F64();
  r.duration = ReadTrio(in);
  r.name = in.ShortString(kSessionNameChars);
  in.Skip(3);
  r.in = in.I32();
  r.out = in.I32();
  r.speed = in.I32();
  r.valid = ReadBool(in);
  r.open = ReadBool(in);
  r.address = in.ShortString(kSessionAddressChars);
  in.Skip(1);
  r.state = in.I32();
  return r;
}

std::string EncodeSessionRecord(const SessionRecord& r) {
  ByteWriter out;
  out.F64(r.start);
  out.F64(r.end);
  WriteTrio(out, r.duration);
  out.ShortString(r.name, kSessionNameChars);
  out.Zeros(3);
  out.I32(r.in);
  out.I32(r.out);
  out.I32(r.speed);
  out.U8(r.valid ? 1 : 0);
  out.U8(r.open ? 1 : 0);
  out.ShortString(r.address, kSessionAddressChars);
  out.Zeros(1);
  out.I32(r.state);
  return out.Take();
}

}  // namespace tikolvo

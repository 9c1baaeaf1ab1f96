#include "netlog/traffic_text.h"

#include <cstdio>

#include "common/number_text.h"

namespace tikolvo {
namespace {

constexpr const char* kUnitNames[] = {" b", " Kb", " Mb", " Gb"};

std::string ByteCountText(std::int64_t n, int decimals, int unit) {
  if (unit < 0 || unit > 3 || decimals < 0 || decimals > 4) return {};
  if (unit == 0) return std::to_string(n) + kUnitNames[0];
  const std::int64_t divisor = std::int64_t{1} << (10 * unit);
  if (decimals == 0) return std::to_string(n / divisor) + kUnitNames[unit];
  return FormatFixed(decimals, static_cast<double>(n) / static_cast<double>(divisor)) + kUnitNames[unit];
}

}  // namespace

std::string FormatIpAddress(std::uint32_t address) {
  std::string text;
  for (int i = 0; i < 4; ++i) {
    if (i > 0) text += '.';
    text += std::to_string((address >> (8 * i)) & 0xFF);
  }
  return text;
}

std::string FormatMacAddress(std::string_view bytes, std::size_t length) {
  if (length == 0) return "00-00-00-00-00-00";
  std::string text;
  for (std::size_t i = 0; i < length && i < bytes.size(); ++i) {
    char part[4];
    std::snprintf(part, sizeof(part), "%02X", static_cast<unsigned char>(bytes[i]));
    if (!text.empty()) text += '-';
    text += part;
  }
  return text;
}

std::string_view TrafficUnitName(int unit) {
  return std::string_view(kUnitNames[unit >= 0 && unit <= 3 ? unit : 0]).substr(1);
}

std::string FormatByteCount(std::int32_t n, int decimals, int unit) {
  return GroupNumberText(ByteCountText(n, decimals, unit));
}

std::string FormatTraffic(const ConnectionRecord& record, int direction) {
  std::int64_t amount = 0;
  switch (direction) {
    // Summed wide: two totals near the 32-bit limit must not show negative.
    case 0: amount = std::int64_t{record.totalIn} + record.totalOut; break;
    case 1: amount = record.totalIn; break;
    case 2: amount = record.totalOut; break;
    default: return {};
  }
  return ByteCountText(amount, record.logDecimals, record.logUnit);
}

}  // namespace tikolvo

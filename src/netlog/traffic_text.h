#pragma once
// How the connection log writes addresses and byte counts.
#include <cstdint>
#include <string>
#include <string_view>

#include "netlog/connection_records.h"

namespace tikolvo {

// The four bytes, least significant first: 0x0501A8C0 gives "192.168.1.5".
std::string FormatIpAddress(std::uint32_t address);

// The first `length` bytes in upper-case hexadecimal joined by "-"; length 0
// gives "00-00-00-00-00-00".
std::string FormatMacAddress(std::string_view bytes, std::size_t length);

// The name of a traffic unit (0 "b", 1 "Kb", 2 "Mb", 3 "Gb"); "b" for any
// other.
std::string_view TrafficUnitName(int unit);

// n bytes in unit u (0 b, 1 Kb, 2 Mb, 3 Gb) with d decimals (0..4), digits
// grouped: (1536, 2, 1) gives "1.50 Kb". Any other d or u gives "".
std::string FormatByteCount(std::int32_t n, int decimals, int unit);

// The record's traffic (0 both ways, 1 received, 2 sent) in its own log
// decimals and unit, not grouped; "" for any other direction.
std::string FormatTraffic(const ConnectionRecord& record, int direction);

}  // namespace tikolvo

#pragma once
// Milliseconds since the system started, from a 32-bit tick counter that
// wraps every 49.7 days. Systems without a 64-bit counter give only the
// 32-bit one; reading it at least once per wrap (the clock reads it twice a
// second) is enough to count the wraps.
#include <cstdint>

namespace tikolvo {

class UptimeCounter {
 public:
  std::uint64_t Extend(std::uint32_t tick) {
    if (seen_ && tick < last_) wraps_ += 1;
    seen_ = true;
    last_ = tick;
    return (wraps_ << 32) | tick;
  }

 private:
  std::uint64_t wraps_ = 0;
  std::uint32_t last_ = 0;
  bool seen_ = false;
};

}  // namespace tikolvo

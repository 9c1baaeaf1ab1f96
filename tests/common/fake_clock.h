#pragma once
// A clock the test sets by hand.
#include "common/clock.h"

namespace tikolvo {

class FakeClock : public Clock {
 public:
  explicit FakeClock(DateTime now = 0, std::uint64_t uptimeMs = 0) : now_(now), uptimeMs_(uptimeMs) {}

  DateTime Now() const override { return now_; }
  std::uint64_t MillisecondsSinceStart() const override { return uptimeMs_; }

  void SetNow(DateTime now) { now_ = now; }
  void SetUptime(std::uint64_t ms) { uptimeMs_ = ms; }
  void AdvanceSeconds(double seconds) {
    now_ += seconds / 86400.0;
    uptimeMs_ += static_cast<std::uint64_t>(seconds * 1000);
  }

 private:
  DateTime now_;
  std::uint64_t uptimeMs_;
};

}  // namespace tikolvo

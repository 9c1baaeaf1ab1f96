#pragma once
// The real clock: local time from the system, and the time since the system
// started without the 49.7-day wrap of the 32-bit tick count.
#include "common/uptime_counter.h"
#include "common/clock.h"

namespace tikolvo {

class SystemClock : public Clock {
 public:
  SystemClock();
  DateTime Now() const override;
  std::uint64_t MillisecondsSinceStart() const override;

 private:
  using TickCount64Fn = unsigned long long(__stdcall*)();
  // Vista and later have a 64-bit counter; XP only the wrapping one, so the
  // function is looked up rather than imported.
  TickCount64Fn tickCount64_ = nullptr;
  mutable UptimeCounter counter_;
};

}  // namespace tikolvo

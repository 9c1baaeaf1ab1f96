#pragma once
// The present moment and the time since the system started, behind an
// interface so that everything depending on them can be tested with a
// settable clock.
#include <cstdint>

#include "common/date_time.h"

namespace tikolvo {

class Clock {
 public:
  virtual ~Clock() = default;
  // Local date-time.
  virtual DateTime Now() const = 0;
  // Milliseconds since the system started, without the 49.7-day wrap.
  virtual std::uint64_t MillisecondsSinceStart() const = 0;
};

}  // namespace tikolvo

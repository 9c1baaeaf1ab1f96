#include "scheduler/task_id.h"

#include <algorithm>
#include <vector>

namespace tikolvo {
namespace {

constexpr int kDrawsBeforeSearching = 64;

std::uint32_t SeedFrom(const Clock& clock) {
  const auto milliseconds = static_cast<std::uint64_t>(TimeOfDayMilliseconds(clock.Now()));
  const std::uint64_t mixed = milliseconds * 0x9E3779B97F4A7C15ull ^ clock.MillisecondsSinceStart();
  return static_cast<std::uint32_t>(mixed ^ (mixed >> 32));
}

std::int32_t SmallestFreePositiveId(const PlanBase& base) {
  std::vector<std::int32_t> used;
  for (std::size_t index = 0; index < base.size(); ++index)
    if (base.InUse(index)) used.push_back(base.Id(index));
  std::sort(used.begin(), used.end());
  std::int32_t candidate = 1;
  for (std::int32_t id : used) {
    if (id < candidate) continue;
    if (id > candidate) break;
    ++candidate;
  }
  return candidate;
}

}  // namespace

ClockSeededRandom::ClockSeededRandom(const Clock& clock) : engine_(SeedFrom(clock)) {}

int ClockSeededRandom::Below(int n) {
  if (n <= 0) return 0;
  return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

std::int32_t NewTaskId(RandomSource& random) {
  const int r1 = std::clamp(random.Below(1024), 0, 1023);
  const int r2 = std::clamp(random.Below(256), 0, 255);
  const int spread = r1 + r2;
  const int r3 = spread > 0 ? std::clamp(random.Below(spread), 0, spread - 1) : 0;
  return r3 + r2 + 2 * r1;
}

std::int32_t UniqueTaskId(const PlanBase& base, RandomSource& random) {
  for (int draw = 0; draw < kDrawsBeforeSearching; ++draw) {
    const std::int32_t id = NewTaskId(random);
    if (id != 0 && !base.HasTaskWithId(id)) return id;
  }
  return SmallestFreePositiveId(base);
}

}  // namespace tikolvo

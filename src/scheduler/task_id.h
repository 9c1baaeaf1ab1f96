#pragma once
// Task ids: drawn at random (0..3578) when a task is appended, and kept
// unique among the tasks in use by drawing again.
#include <cstdint>
#include <random>

#include "common/clock.h"
#include "scheduler/plan_base.h"

namespace tikolvo {

// Where ids come from; tests give a scripted source.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A uniform integer in 0..n-1; 0 when n <= 0.
  virtual int Below(int n) = 0;
};

// The program's source: seeded from the clock (the present moment and the
// time since the system started), so two runs draw different ids.
class ClockSeededRandom : public RandomSource {
 public:
  explicit ClockSeededRandom(const Clock& clock);
  int Below(int n) override;

 private:
  std::mt19937 engine_;
};

inline constexpr std::int32_t kLargestDrawnTaskId = 3578;

// r1 in 0..1023, r2 in 0..255, id = random(r1 + r2) + r2 + 2 * r1.
std::int32_t NewTaskId(RandomSource& random);

// A drawn id that no task in use carries. 0 is never handed out either: row
// texts and countdown targets use 0 for "no task". After a number of
// unlucky draws the smallest free positive id is taken, so this always ends.
std::int32_t UniqueTaskId(const PlanBase& base, RandomSource& random);

}  // namespace tikolvo

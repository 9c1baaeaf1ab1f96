#pragma once
// The timed tasks whose alarm could not ring because the program saw no
// moment of their minute: the computer slept, the program was blocked, or
// the clock was set forward past them.
#include <cstdint>
#include <string>
#include <vector>

#include "common/date_time.h"
#include "scheduler/plan_base.h"

namespace tikolvo {

// A moment in whole seconds since 1899-12-30 00:00, so that moments of
// different days compare as integers.
std::int64_t MomentSeconds(DateTime moment);

// The names, in file order and each once, of the tasks due at a second
// after `since` (the last moment the program saw) in a minute that ended
// before `until`. A task in the minute `until` falls in is not missed: a
// late reading still rings it. Gaps longer than a year look at one year.
std::vector<std::string> MissedTaskNames(const PlanBase& base, DateTime since, DateTime until);

}  // namespace tikolvo

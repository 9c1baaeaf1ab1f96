#pragma once
// The launchers' special commands (":shutdown", ":reboot", ":disconnect",
// ":sleep", ":wait", any letter case) run the scheduler's command entry;
// SpecialCommandCode (scheduler/task_action_plan.h) names their codes.
#include <optional>
#include <string_view>

#include "scheduler/task_action_plan.h"

namespace tikolvo {

// 47 for ":disconnect", 49 for the power commands, nullopt otherwise.
std::optional<int> SpecialCommandPicture(std::string_view target);

}  // namespace tikolvo

#pragma once
// What one task does, worked out from its record before anything happens:
// the actions in their fixed order with the values each needs. The Windows
// side only carries the plan out; every rule about which actions run and
// with what sits here.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/balloon_model.h"
#include "scheduler/plan_task.h"
#include "scheduler/task_action_power.h"

namespace tikolvo {

inline constexpr const char* kSchedulerTitle = "Tikolvo: Планировщик";
// The caption of the power commands' question.
inline constexpr const char* kPowerQuestionTitle = "Tikolvo";

// A program or file opened through the shell with its default verb.
struct RunRequest {
  std::string file;
  std::string parameters;
  std::string folder;  // working folder: the file's folder with its backslash, or "" for none

  bool operator==(const RunRequest&) const = default;
};

// One tone of the PC speaker.
struct BeepRequest {
  std::uint32_t frequency = 0;  // Hz
  std::uint32_t duration = 0;   // ms

  bool operator==(const BeepRequest&) const = default;
};

// The system's tone function only sounds 37..32767 Hz; a tone may last at
// most half a minute, so a damaged record cannot hold the speaker for days.
inline constexpr std::uint32_t kLowestBeepFrequency = 37;
inline constexpr std::uint32_t kHighestBeepFrequency = 32767;
inline constexpr std::uint32_t kLongestBeep = 30000;

struct TaskActionPlan {
  std::optional<RunRequest> run;
  std::optional<std::string> message;
  std::optional<std::string> soundFile;
  std::optional<int> builtinSound;  // the bank's sound number
  std::optional<BalloonRequest> balloon;
  std::optional<BeepRequest> beep;
  std::optional<std::string> hangUpFilter;
  std::optional<PowerOperation> power;
};

// A locked task plans nothing at all.
TaskActionPlan PlanTaskActions(const TPlanTask& task);

// The balloon naming the tasks whose minute passed unseen. It stays until
// clicked: the user may come back to the computer long after it woke.
BalloonRequest MissedTasksBalloon(const std::vector<std::string>& names);

// The part of a path up to and including its last backslash; "" without one.
std::string FolderOf(std::string_view path);

// The tone a task's beep asks for; nothing when the frequency cannot sound or
// the duration is not positive. A too-long duration is cut to kLongestBeep.
std::optional<BeepRequest> BeepFor(std::int32_t frequency, std::int32_t duration);

// The scheduler command code of a launcher's special command (":shutdown",
// ":reboot", ":disconnect", ":sleep", ":wait", any case); nothing for other
// texts.
std::optional<int> SpecialCommandCode(std::string_view command);

}  // namespace tikolvo

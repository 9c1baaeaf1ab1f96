#include "scheduler/task_action_plan.h"

#include <array>
#include <utility>

#include "audio/builtin_sounds.h"
#include "scheduler/plan_engine.h"

namespace tikolvo {
namespace {

// Dial action 4 is the only one that does anything: hang up.
constexpr std::uint8_t kHangUpDialAction = 4;

std::optional<BalloonRequest> BalloonFor(const TPlanTask& task) {
  if (!task.hintActive) return std::nullopt;
  BalloonRequest request;
  request.title = kSchedulerTitle;
  request.iconNumber = task.hintIcon;
  request.duration = task.hintDuration;
  if (task.timerMode) {
    // A countdown aimed at its own task would start it again and again.
    if (task.timerTaskId == task.id) return std::nullopt;
    request.targetTaskId = task.timerTaskId;
  } else {
    request.text = task.hintText;
  }
  return request;
}

std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return lower;
}

}  // namespace

BalloonRequest MissedTasksBalloon(const std::vector<std::string>& names) {
  BalloonRequest request;
  request.title = kSchedulerTitle;
  request.text = "Пропущены задания: ";
  for (std::size_t i = 0; i < names.size(); ++i) request.text += (i == 0 ? "\"" : ", \"") + names[i] + "\"";
  request.duration = kBalloonStaysOpen;
  return request;
}

std::string FolderOf(std::string_view path) {
  const std::size_t slash = path.rfind('\\');
  if (slash == std::string_view::npos) return "";
  return std::string(path.substr(0, slash + 1));
}

std::optional<BeepRequest> BeepFor(std::int32_t frequency, std::int32_t duration) {
  if (frequency < static_cast<std::int32_t>(kLowestBeepFrequency) ||
      frequency > static_cast<std::int32_t>(kHighestBeepFrequency) || duration <= 0) {
    return std::nullopt;
  }
  const auto length = static_cast<std::uint32_t>(duration);
  return BeepRequest{static_cast<std::uint32_t>(frequency), length < kLongestBeep ? length : kLongestBeep};
}

TaskActionPlan PlanTaskActions(const TPlanTask& task) {
  TaskActionPlan plan;
  if (task.locked) return plan;
  if (task.runActive) plan.run = RunRequest{task.runFile, task.runParams, FolderOf(task.runFile)};
  if (task.messageActive) plan.message = task.messageText;
  if (task.musicActive) plan.soundFile = task.musicFile;
  if (task.soundActive) plan.builtinSound = audio::BuiltinSoundNumber(task.soundIndex);
  plan.balloon = BalloonFor(task);
  if (task.beepActive) plan.beep = BeepFor(task.beepFrequency, task.beepDuration);
  if (task.hangUpActive && task.dialAction == kHangUpDialAction) plan.hangUpFilter = task.connectionName;
  plan.power = TaskPowerOperation(task);
  return plan;
}

std::optional<int> SpecialCommandCode(std::string_view command) {
  static constexpr std::array<std::pair<std::string_view, int>, 5> kCommands = {{
      {":shutdown", plan_code::kSwitchOff},
      {":reboot", plan_code::kRestart},
      {":disconnect", plan_code::kHangUpAll},
      {":sleep", plan_code::kHibernate},
      {":wait", plan_code::kStandby},
  }};
  const std::string lower = AsciiLower(command);
  for (const auto& [text, code] : kCommands) {
    if (lower == text) return code;
  }
  return std::nullopt;
}

}  // namespace tikolvo

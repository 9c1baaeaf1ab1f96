#include "scheduler/win/task_actions_win.h"

#include <shellapi.h>

#include "common/win/com_scope.h"
#include "common/win/wide_text.h"
#include "common/win/message_dialogs.h"

namespace tikolvo {
namespace {

// One action's failure stays inside it: the task's other actions still run.
template <typename Action>
void Guarded(Action&& action) {
  try {
    action();
  } catch (...) {
  }
}

}  // namespace

void WinTaskActions::ExecuteTask(const TPlanTask& task) {
  const TaskActionPlan plan = PlanTaskActions(task);
  if (plan.run) Guarded([&] { Run(*plan.run); });
  if (plan.message) Guarded([&] { ShowMessage(*plan.message); });
  if (plan.soundFile) Guarded([&] { PlaySoundFile(*plan.soundFile); });
  if (plan.builtinSound) Guarded([&] { PlayBuiltinSound(*plan.builtinSound); });
  if (plan.balloon) Guarded([&] { ShowBalloon(*plan.balloon); });
  if (plan.beep) Guarded([&] { SoundBeep(*plan.beep); });
  if (plan.hangUpFilter) Guarded([&] { HangUpConnections(*plan.hangUpFilter); });
  if (plan.power) RunPower(*plan.power, TaskPowerSteps(*plan.power));
}

void WinTaskActions::PowerCommand(PowerKind kind) {
  RunPower(PowerOperationOf(kind), CommandPowerSteps(kind));
}

void WinTaskActions::PowerAfterQuestion(PowerKind kind) {
  PowerSteps steps = CommandPowerSteps(kind);
  steps.question = {};
  RunPower(PowerOperationOf(kind), steps);
}

void WinTaskActions::HangUpConnections(const std::string& filter) {
  if (!parts_.dialUp) return;
  const ConnectionFilters filters = parts_.connectionFilters ? parts_.connectionFilters() : ConnectionFilters{};
  HangUpMatching(filter, filters, *parts_.dialUp);
}

void WinTaskActions::ReportMissedTasks(const std::vector<std::string>& names) {
  Guarded([&] { ShowBalloon(MissedTasksBalloon(names)); });
}

// The shell's answer is not looked at, and it shows no error box of its own:
// a task whose program has gone away must not stop the clock with a question.
void WinTaskActions::Run(const RunRequest& request) {
  if (request.file.empty()) return;
  const std::wstring file = Widen(request.file);
  const std::wstring parameters = Widen(request.parameters);
  const std::wstring folder = Widen(request.folder);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_FLAG_NO_UI;
  info.hwnd = Owner();
  info.lpFile = file.c_str();
  info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
  info.lpDirectory = folder.empty() ? nullptr : folder.c_str();
  info.nShow = SW_SHOWNORMAL;
  // Some files open through shell extensions, which need COM on this thread.
  const ComScope com;
  ShellExecuteExW(&info);
}

void WinTaskActions::ShowMessage(const std::string& text) {
  ShowNotice(nullptr, kSchedulerTitle, text, NoticeMode::Modeless, kSchedulerPicture);
}

void WinTaskActions::PlaySoundFile(const std::string& path) {
  if (parts_.sounds) parts_.sounds->PlaySoundFile(path);
}

void WinTaskActions::PlayBuiltinSound(int soundNumber) {
  if (parts_.sounds) parts_.sounds->PlayBuiltinSound(soundNumber);
}

void WinTaskActions::ShowBalloon(const BalloonRequest& request) {
  if (parts_.showBalloon) parts_.showBalloon(request);
}

void WinTaskActions::SoundBeep(const BeepRequest& request) { BeepSpeaker(request, parts_.tone); }

// Switch-off and restart end the program even when the system refused them,
// as a user who asked for it expects the clock to be gone; the settings are
// saved before anything else happens.
void WinTaskActions::RunPower(PowerOperation operation, const PowerSteps& steps) {
  if (!steps.question.empty() && !Confirm(steps.question)) return;
  if (steps.saveSettings && parts_.saveSettings) Guarded([&] { parts_.saveSettings(); });
  if (parts_.power) Guarded([&] { PerformPowerOperation(operation, *parts_.power); });
  if (steps.closeProgram && parts_.closeProgram) parts_.closeProgram();
}

bool WinTaskActions::Confirm(std::string_view question) {
  if (parts_.confirm) return parts_.confirm(kPowerQuestionTitle, question);
  return AskConfirmation(Owner(), kPowerQuestionTitle, question, "Отмена", "Ок");
}

}  // namespace tikolvo

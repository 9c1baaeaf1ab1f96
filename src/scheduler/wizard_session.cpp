#include "scheduler/wizard_session.h"

#include "audio/builtin_sounds.h"
#include "common/balloon_durations.h"
#include "common/file_io.h"
#include "scheduler/plan_file.h"
#include "scheduler/task_actions.h"
#include "scheduler/wizard_values.h"

namespace tikolvo {

using wizard::Action;
using wizard::Direction;

std::vector<std::string> ConnectionChoices(const std::vector<std::string>& phoneBook) {
  std::vector<std::string> choices{kAllConnections};
  choices.insert(choices.end(), phoneBook.begin(), phoneBook.end());
  return choices;
}

WizardSession::WizardSession(const WizardRequest& request, DateTime now, std::vector<std::string> connections)
    : request_(request), connections_(std::move(connections)) {
  auto rows = ListTaskNames(request.planPath);
  controls_ = wizard::FreshControls(now, rows ? std::move(*rows) : std::vector<std::string>{});
  switch (request.kind) {
    case WizardRequest::Kind::kEdit: {
      editing_ = true;
      TPlanTask task = ResetTaskValues(now);
      if (FindTask(request.planPath, request.taskId, task) == FindResult::kFound)
        wizard::LoadTask(controls_, task, connections_);
      break;
    }
    case WizardRequest::Kind::kNewOnDay:
      wizard::DateOnDay(controls_, request.day);
      controls_.name = DefaultTaskName(request.planPath);
      break;
    case WizardRequest::Kind::kNew:
      controls_.name = DefaultTaskName(request.planPath);
      break;
  }
  editedName_ = controls_.name;
}

std::string WizardSession::Header() const {
  return editing_ ? wizard::EditTaskHeader(editedName_) : wizard::NewTaskHeader();
}

void WizardSession::Next() {
  page_ = wizard::StepPage(page_, Direction::kForward, controls_.actions, controls_.trigger);
  arrivedBy_ = Direction::kForward;
}

void WizardSession::Back() {
  page_ = wizard::StepPage(page_, Direction::kBack, controls_.actions, controls_.trigger);
  arrivedBy_ = Direction::kBack;
}

void WizardSession::ClickAction(Action action, bool checked) {
  wizard::ClickAction(controls_, action, checked);
  if (action == Action::kHangUp && checked) controls_.connections = connections_;
}

WizardSaveResult WizardSession::Save(DateTime now, RandomSource& random) const {
  if (controls_.name.empty()) return WizardSaveResult::kNameMissing;
  TPlanTask task = wizard::BuildTask(controls_, now);
  if (!editing_) {
    task.inUse = true;
    return AppendTask(request_.planPath, task, random) ? WizardSaveResult::kSaved : WizardSaveResult::kFailed;
  }
  task.editMark = -1;
  task.inUse = true;
  task.id = request_.taskId;
  // A task deleted while the wizard was open is not quietly reported saved.
  return ReplaceTask(request_.planPath, request_.taskId, task) == PlanFileResult::kSaved ? WizardSaveResult::kSaved
                                                                                         : WizardSaveResult::kFailed;
}

void WizardSession::TestMessage(WizardTests& tests) const { tests.ShowMessage(kSchedulerTitle, controls_.messageText); }

void WizardSession::TestBeep(WizardTests& tests) const {
  tests.Beep(wizard::BeepValueAt(controls_.frequencyPosition), wizard::BeepValueAt(controls_.durationPosition));
}

void WizardSession::TestHint(WizardTests& tests) const {
  BalloonRequest request;
  request.title = kSchedulerTitle;
  request.iconNumber = controls_.hintIcon;
  request.duration = BalloonDurationAt(controls_.hintDurationPosition);
  if (wizard::Has(controls_.actions, Action::kCountdownHint)) {
    request.testMode = true;
    request.targetTaskId = wizard::CountdownTargetId(controls_);
  } else {
    request.text = controls_.hintText;
  }
  tests.ShowBalloon(request);
}

void WizardSession::PreviewShortSound(int position, WizardTests& tests) const {
  if (auto number = audio::BuiltinSoundNumber(position)) tests.PlayBuiltinSound(*number);
}

void WizardSession::PlayMusic(WizardTests& tests) const {
  if (!controls_.musicFile.empty() && FileExists(controls_.musicFile)) tests.PlaySoundFile(controls_.musicFile);
}

}  // namespace tikolvo

#pragma once
// The scheduler's task actions on Windows: programs through the shell, the
// message window, sounds, balloons, the speaker, dial-up hang-up and power.
// The rules (which actions, in what order, with which values) come from
// PlanTaskActions; this class only carries them out. Every system service
// with lasting effects (power, dial-up, the balloon, the settings file) is
// handed in, so tests can put recording fakes in their place.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "audio/sound_player.h"
#include "common/balloon_model.h"
#include "scheduler/task_action_hangup.h"
#include "scheduler/task_action_plan.h"
#include "scheduler/task_action_power.h"
#include "scheduler/task_actions.h"
#include "common/win/window_base.h"
#include "scheduler/win/speaker_beeper.h"

namespace tikolvo {

struct WinTaskActionParts {
  // The main window: owner of started programs and of the power question.
  const Window* owner = nullptr;
  // Plays sound files and the bank's sounds (its watchers show the "Стоп"
  // controls); none plays nothing.
  audio::SoundPlayer* sounds = nullptr;
  // Shows a balloon (plain or countdown).
  std::function<void(const BalloonRequest&)> showBalloon;
  // Writes config.cfg before a power action.
  std::function<void()> saveSettings;
  // Closes the main window, which ends the program (after switch-off and
  // restart).
  std::function<void()> closeProgram;
  // Asks the power question (caption, question); true to go on. Empty: the
  // program's question window with "Отмена" and "Ок".
  std::function<bool(std::string_view caption, std::string_view question)> confirm;
  // The connection monitor's filters; empty: "Все" and no logged list.
  std::function<ConnectionFilters()> connectionFilters;
  // The real power and dial-up services in the program, fakes in tests.
  PowerControl* power = nullptr;
  DialUpLines* dialUp = nullptr;
  ToneFunction tone = SystemTone;
};

class WinTaskActions : public TaskActions {
 public:
  explicit WinTaskActions(WinTaskActionParts parts) : parts_(std::move(parts)) {}

  void ExecuteTask(const TPlanTask& task) override;
  void PowerCommand(PowerKind kind) override;
  // The power button's action: it asked its own question already, so the
  // command's question is not asked a second time.
  void PowerAfterQuestion(PowerKind kind);
  void HangUpConnections(const std::string& filter) override;
  void ReportMissedTasks(const std::vector<std::string>& names) override;

 private:
  void Run(const RunRequest& request);
  void ShowMessage(const std::string& text);
  void PlaySoundFile(const std::string& path);
  void PlayBuiltinSound(int soundNumber);
  void ShowBalloon(const BalloonRequest& request);
  void SoundBeep(const BeepRequest& request);
  void RunPower(PowerOperation operation, const PowerSteps& steps);
  bool Confirm(std::string_view question);
  HWND Owner() const { return parts_.owner ? parts_.owner->hwnd() : nullptr; }

  WinTaskActionParts parts_;
};

}  // namespace tikolvo

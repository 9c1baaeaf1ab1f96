#pragma once
// The task wizard's test buttons and previews carried out by the program's
// own windows and sounds.
#include <string>
#include <vector>

#include "audio/sound_player.h"
#include "common/win/balloon_window.h"
#include "scheduler/wizard_tests.h"

namespace tikolvo {

class ProgramWizardTests : public WizardTests {
 public:
  // A preview plays through the program's sound player, so it shows the
  // same stop controls as a task's sound and is stopped the same way.
  ProgramWizardTests(audio::SoundPlayer& sounds, BalloonHint& balloons) : sounds_(sounds), balloons_(balloons) {}

  void ShowMessage(std::string_view title, std::string_view text) override;
  void Beep(int frequency, int milliseconds) override;
  void ShowBalloon(const BalloonRequest& request) override;
  void PlaySoundFile(const std::string& path) override;
  void StopSound() override;
  void PlayBuiltinSound(int soundNumber) override;
  std::vector<std::string> ConnectionNames() override;

 private:
  audio::SoundPlayer& sounds_;
  BalloonHint& balloons_;
};

}  // namespace tikolvo

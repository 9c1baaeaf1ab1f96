#pragma once
// The task wizard's test buttons and previews carried out by the program's
// own windows and sounds.
#include <functional>
#include <string>
#include <vector>

#include "audio/sound_player.h"
#include "common/win/balloon_window.h"
#include "scheduler/wizard_tests.h"

namespace tikolvo {

class ProgramWizardTests : public WizardTests {
 public:
  // soundPlaying shows or hides the program's stop controls: a preview is
  // stopped the same way as a task's sound.
  ProgramWizardTests(audio::SoundPlayer& sounds, BalloonHint& balloons, std::function<void(bool)> soundPlaying)
      : sounds_(sounds), balloons_(balloons), soundPlaying_(std::move(soundPlaying)) {}

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
  std::function<void(bool)> soundPlaying_;

  void ReportPlaying(bool playing) {
    if (soundPlaying_) soundPlaying_(playing);
  }
};

}  // namespace tikolvo

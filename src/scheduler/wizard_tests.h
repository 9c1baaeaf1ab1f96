#pragma once
// What the task wizard's test buttons and previews ask of the program: the
// message and balloon windows, the speaker, sound playback and the dial-up
// phone book. The program wires its real windows and sounds; tests record.
#include <string>
#include <string_view>
#include <vector>

#include "common/balloon_model.h"

namespace tikolvo {

class WizardTests {
 public:
  virtual ~WizardTests() = default;
  // The message window, waiting until it is closed.
  virtual void ShowMessage(std::string_view title, std::string_view text) = 0;
  virtual void Beep(int frequency, int milliseconds) = 0;
  // A plain balloon, or a test countdown (testMode) that runs nothing.
  virtual void ShowBalloon(const BalloonRequest& request) = 0;
  virtual void PlaySoundFile(const std::string& path) = 0;
  virtual void StopSound() = 0;
  // A sound of the bank by its sound number.
  virtual void PlayBuiltinSound(int soundNumber) = 0;
  // The dial-up phone book's entry names.
  virtual std::vector<std::string> ConnectionNames() = 0;
};

}  // namespace tikolvo

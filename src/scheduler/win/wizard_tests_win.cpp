#include "scheduler/win/wizard_tests_win.h"

#include <windows.h>

#include "common/win/wide_text.h"
#include "common/win/message_dialogs.h"
#include "scheduler/win/ras_dial_up.h"
#include "scheduler/win/speaker_beeper.h"

namespace tikolvo {

void ProgramWizardTests::ShowMessage(std::string_view title, std::string_view text) {
  ShowNotice(GetActiveWindow(), title, text, NoticeMode::Modal, kSchedulerPicture);
}

void ProgramWizardTests::Beep(int frequency, int milliseconds) {
  if (frequency <= 0 || milliseconds <= 0) return;
  BeepSpeaker(BeepRequest{static_cast<std::uint32_t>(frequency), static_cast<std::uint32_t>(milliseconds)});
}

void ProgramWizardTests::ShowBalloon(const BalloonRequest& request) { balloons_.Show(request); }

void ProgramWizardTests::PlaySoundFile(const std::string& path) {
  sounds_.PlaySoundFile(path);
}

void ProgramWizardTests::StopSound() {
  sounds_.StopSound();
}

void ProgramWizardTests::PlayBuiltinSound(int soundNumber) {
  sounds_.PlayBuiltinSound(soundNumber);
}

std::vector<std::string> ProgramWizardTests::ConnectionNames() { return PhoneBookEntryNames(); }

}  // namespace tikolvo

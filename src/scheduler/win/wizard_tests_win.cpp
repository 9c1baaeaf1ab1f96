#include "scheduler/win/wizard_tests_win.h"

#include <windows.h>
#include <ras.h>
#include <raserror.h>

#include "common/win/wide_text.h"
#include "reminders/win/message_dialogs.h"
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
  if (sounds_.PlaySoundFile(path)) ReportPlaying(true);
}

void ProgramWizardTests::StopSound() {
  sounds_.StopSound();
  ReportPlaying(false);
}

void ProgramWizardTests::PlayBuiltinSound(int soundNumber) {
  if (sounds_.PlayBuiltinSound(soundNumber)) ReportPlaying(true);
}

std::vector<std::string> ProgramWizardTests::ConnectionNames() { return PhoneBookEntryNames(); }

std::vector<std::string> PhoneBookEntryNames() {
  using EntryName = RASENTRYNAMEW;
  using EnumEntries = DWORD(WINAPI*)(LPCWSTR, LPCWSTR, EntryName*, LPDWORD, LPDWORD);
  HMODULE ras = LoadLibraryW(L"rasapi32.dll");
  if (!ras) return {};
  std::vector<std::string> names;
  auto enumEntries = reinterpret_cast<EnumEntries>(reinterpret_cast<void*>(GetProcAddress(ras, "RasEnumEntriesW")));
  if (enumEntries) {
    std::vector<EntryName> entries(16);
    entries[0].dwSize = sizeof(EntryName);
    DWORD bytes = static_cast<DWORD>(entries.size() * sizeof(EntryName));
    DWORD count = 0;
    DWORD result = enumEntries(nullptr, nullptr, entries.data(), &bytes, &count);
    if (result == ERROR_BUFFER_TOO_SMALL) {
      entries.assign(bytes / sizeof(EntryName) + 1, EntryName{});
      entries[0].dwSize = sizeof(EntryName);
      bytes = static_cast<DWORD>(entries.size() * sizeof(EntryName));
      result = enumEntries(nullptr, nullptr, entries.data(), &bytes, &count);
    }
    if (result == ERROR_SUCCESS)
      for (DWORD i = 0; i < count && i < entries.size(); ++i) names.push_back(Narrow(entries[i].szEntryName));
  }
  FreeLibrary(ras);
  return names;
}

}  // namespace tikolvo

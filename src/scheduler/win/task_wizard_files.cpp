#include "scheduler/win/task_wizard_files.h"

#include <shellapi.h>

#include "common/win/file_dialogs.h"

namespace tikolvo {

std::optional<std::string> ChooseProgramFile(HWND owner, DialogFolder& folder) {
  return ChooseFileToOpen(owner, "Все файлы (*.*)|*.*|Программы(*.exe)|*.exe", folder);
}

std::optional<std::string> ChooseSoundFile(HWND owner, DialogFolder& folder) {
  return ChooseFileToOpen(owner, "Поддерживаемы форматы (mp3,wav,ogg)|*.mp3;*.wav;*.ogg;", folder);
}

void OpenFileSearch(HWND owner) { ShellExecuteW(owner, L"find", L"C:\\", nullptr, nullptr, SW_SHOWNORMAL); }

}  // namespace tikolvo

#pragma once
// The file choosers and the shell's search window of the wizard's program
// and sound pages.
#include <windows.h>

#include <optional>
#include <string>

namespace tikolvo {

// An open-file dialog for a program or any file; nothing when cancelled.
std::optional<std::string> ChooseProgramFile(HWND owner);
// An open-file dialog for mp3, wav and ogg files.
std::optional<std::string> ChooseSoundFile(HWND owner);
// The shell's file search window, started at C:\.
void OpenFileSearch(HWND owner);

}  // namespace tikolvo

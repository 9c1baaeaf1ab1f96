#pragma once
// The file choosers and the shell's search window of the wizard's program
// and sound pages.
#include <windows.h>

#include <optional>
#include <string>

#include "settings/settings_model.h"

namespace tikolvo {

// An open-file dialog for a program or any file, at the launcher files'
// folder ("Od"); nothing when cancelled.
std::optional<std::string> ChooseProgramFile(HWND owner, DialogFolder& folder);
// An open-file dialog for mp3, wav and ogg files, at the sound files'
// folder ("Ods").
std::optional<std::string> ChooseSoundFile(HWND owner, DialogFolder& folder);
// The shell's file search window, started at C:\.
void OpenFileSearch(HWND owner);

}  // namespace tikolvo

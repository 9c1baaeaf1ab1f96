#pragma once
// The system calls behind a launch decision.
#include <windows.h>

#include <string>

#include "menus/launch_decision.h"

namespace tikolvo {

// The shell's open operation as decided (verb, file, parameters, working
// folder, maximised or normal).
void ShellOpen(HWND owner, const LaunchDecision& decision);

// As Unicode text when the clipboard offers Unicode text now, otherwise as
// Windows-1251 text.
bool CopyTextToClipboard(HWND owner, const std::string& utf8);

}  // namespace tikolvo

#pragma once
// Folders the program addresses its files by, all UTF-8 with a trailing
// backslash.
#include <string>

#include "common/mem_info.h"

namespace tikolvo {

// The folder of the running executable.
std::string ProgramFolder();
std::string WindowsFolder();
std::string SystemFolder();

// Memory figures as the system reports them.
MemoryFigures ReadMemoryFigures();
TMemInfo ReadMemInfo();

}  // namespace tikolvo

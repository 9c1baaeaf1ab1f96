#pragma once
// Folders the program addresses its files by, all UTF-8 with a trailing
// backslash.
#include <cstdint>
#include <string>

namespace tikolvo {

// The folder of the running executable.
std::string ProgramFolder();
std::string WindowsFolder();
std::string SystemFolder();

// Physical memory, in bytes, as the system reports it.
struct MemoryBytes {
  std::uint64_t total = 0;
  std::uint64_t available = 0;
  unsigned loadPercent = 0;
};
MemoryBytes ReadMemoryBytes();

}  // namespace tikolvo

#pragma once
// Memory figures for the about page. The Windows layer reads the numbers
// from the system's memory status; the text is made here.
#include <cstdint>
#include <string>

namespace tikolvo {

struct MemoryFigures {
  std::uint64_t totalPhysical = 0;
  std::uint64_t availablePhysical = 0;
  std::uint64_t totalPageFile = 0;
  std::uint64_t availablePageFile = 0;
  std::uint64_t totalVirtual = 0;
  std::uint64_t availableVirtual = 0;
};

// Each field is a byte count written by FormatKb. Only the total physical
// memory is shown anywhere.
struct TMemInfo {
  std::string totalPhysical;
  std::string availablePhysical;
  std::string totalPageFile;
  std::string availablePageFile;
  std::string totalVirtual;
  std::string availableVirtual;
};

// (bytes div 1024) in decimal followed by " Kb": 1073741824 -> "1048576 Kb".
std::string FormatKb(std::uint64_t bytes);

TMemInfo MemInfoFromFigures(const MemoryFigures& figures);

// "Физическая память: 1 048 576 Kb".
std::string PhysicalMemoryLine(const TMemInfo& info);

}  // namespace tikolvo

#include "common/mem_info.h"

#include "common/number_text.h"

namespace tikolvo {

std::string FormatKb(std::uint64_t bytes) { return std::to_string(bytes / 1024) + " Kb"; }

TMemInfo MemInfoFromFigures(const MemoryFigures& figures) {
  TMemInfo info;
  info.totalPhysical = FormatKb(figures.totalPhysical);
  info.availablePhysical = FormatKb(figures.availablePhysical);
  info.totalPageFile = FormatKb(figures.totalPageFile);
  info.availablePageFile = FormatKb(figures.availablePageFile);
  info.totalVirtual = FormatKb(figures.totalVirtual);
  info.availableVirtual = FormatKb(figures.availableVirtual);
  return info;
}

std::string PhysicalMemoryLine(const TMemInfo& info) {
  return "Физическая память: " + GroupNumberText(info.totalPhysical);
}

}  // namespace tikolvo

#include "common/win/system_folders.h"

#include <windows.h>

#include <vector>

#include "common/win/system_library.h"
#include "common/win/wide_text.h"

namespace tikolvo {
namespace {

std::string WithTrailingBackslash(std::string folder) {
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  return folder;
}

// Calls a "fill this buffer" function, growing the buffer until it fits.
template <typename Fill>
std::wstring ReadPath(Fill fill) {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const UINT length = fill(buffer.data(), static_cast<UINT>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size() - 1) return std::wstring(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

std::string ProgramFolder() {
  std::wstring path = ReadPath([](wchar_t* buf, UINT size) {
    return static_cast<UINT>(GetModuleFileNameW(nullptr, buf, size));
  });
  const size_t slash = path.find_last_of(L"\\/");
  path.resize(slash == std::wstring::npos ? 0 : slash + 1);
  return WithTrailingBackslash(Narrow(path));
}

std::string WindowsFolder() {
  return WithTrailingBackslash(Narrow(ReadPath(GetWindowsDirectoryW)));
}

std::string SystemFolder() {
  return WithTrailingBackslash(Narrow(ReadPath(GetSystemDirectoryW)));
}

MemoryFigures ReadMemoryFigures() {
  // The extended status gives the machine's real figures; the old call stops
  // at 2 GB for a 32-bit program, which any current computer exceeds.
  using StatusEx = BOOL(WINAPI*)(LPMEMORYSTATUSEX);
  if (const auto statusEx = SystemFunction<StatusEx>(L"kernel32.dll", "GlobalMemoryStatusEx")) {
    MEMORYSTATUSEX ex{};
    ex.dwLength = sizeof(ex);
    if (statusEx(&ex)) {
      return MemoryFigures{ex.ullTotalPhys,     ex.ullAvailPhys,    ex.ullTotalPageFile,
                           ex.ullAvailPageFile, ex.ullTotalVirtual, ex.ullAvailVirtual};
    }
  }
  MEMORYSTATUS status{};
  status.dwLength = sizeof(status);
  GlobalMemoryStatus(&status);
  MemoryFigures figures;
  figures.totalPhysical = status.dwTotalPhys;
  figures.availablePhysical = status.dwAvailPhys;
  figures.totalPageFile = status.dwTotalPageFile;
  figures.availablePageFile = status.dwAvailPageFile;
  figures.totalVirtual = status.dwTotalVirtual;
  figures.availableVirtual = status.dwAvailVirtual;
  return figures;
}

TMemInfo ReadMemInfo() { return MemInfoFromFigures(ReadMemoryFigures()); }

}  // namespace tikolvo

#include "scheduler/win/ras_dial_up.h"

#include <windows.h>
#include <ras.h>

#include <vector>

#include "common/win/wide_text.h"

namespace tikolvo {
namespace {

using EnumConnectionsFn = DWORD(WINAPI*)(LPRASCONNW, LPDWORD, LPDWORD);
using HangUpFn = DWORD(WINAPI*)(HRASCONN);

// Room for as many connections as the monitor ever lists.
constexpr DWORD kMostConnections = 100;

// Loaded once and kept: the library stays for the program's life. Error
// boxes for a missing library are suppressed while it loads.
HMODULE RasLibrary() {
  static HMODULE library = [] {
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = LoadLibraryW(L"rasapi32.dll");
    SetErrorMode(oldMode);
    return module;
  }();
  return library;
}

template <typename Fn>
Fn RasFunction(const char* name) {
  HMODULE library = RasLibrary();
  return library ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

}  // namespace

std::vector<DialUpConnection> RasDialUpLines::ActiveConnections() {
  const auto enumConnections = RasFunction<EnumConnectionsFn>("RasEnumConnectionsW");
  if (!enumConnections) return {};
  std::vector<RASCONNW> entries(kMostConnections);
  entries[0].dwSize = sizeof(RASCONNW);
  DWORD bytes = static_cast<DWORD>(entries.size() * sizeof(RASCONNW));
  DWORD count = 0;
  if (enumConnections(entries.data(), &bytes, &count) != ERROR_SUCCESS) return {};
  std::vector<DialUpConnection> connections;
  for (DWORD i = 0; i < count && i < kMostConnections; ++i) {
    RASCONNW& entry = entries[i];
    entry.szEntryName[RAS_MaxEntryName] = L'\0';
    connections.push_back({Narrow(entry.szEntryName), reinterpret_cast<std::uintptr_t>(entry.hrasconn)});
  }
  return connections;
}

void RasDialUpLines::HangUp(std::uintptr_t handle) {
  const auto hangUp = RasFunction<HangUpFn>("RasHangUpW");
  if (hangUp && handle != 0) hangUp(reinterpret_cast<HRASCONN>(handle));
}

}  // namespace tikolvo

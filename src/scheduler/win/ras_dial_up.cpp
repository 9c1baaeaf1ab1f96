#include "scheduler/win/ras_dial_up.h"

#include <windows.h>
#include <ras.h>
#include <raserror.h>

#include <string>
#include <vector>

#include "common/win/system_library.h"
#include "common/win/wide_text.h"

namespace tikolvo {
namespace {

using EnumConnectionsFn = DWORD(WINAPI*)(LPRASCONNW, LPDWORD, LPDWORD);
using HangUpFn = DWORD(WINAPI*)(HRASCONN);

// Room for as many connections as the monitor ever lists.
constexpr DWORD kMostConnections = 100;

template <typename Fn>
Fn RasFunction(const char* name) {
  return SystemFunction<Fn>(L"rasapi32.dll", name);
}

}  // namespace

std::vector<DialUpConnection> RasDialUpLines::ActiveConnections() {
  // Found once: under some systems the look-up costs more than the call.
  static const auto enumConnections = RasFunction<EnumConnectionsFn>("RasEnumConnectionsW");
  if (!enumConnections) return {};
  // The monitor asks twice a second: the room for the entries is made once,
  // not allocated and cleared at every pass.
  std::vector<RASCONNW>& entries = entries_;
  if (entries.empty()) entries.resize(kMostConnections);
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

std::vector<std::string> PhoneBookEntryNames() {
  using EntryName = RASENTRYNAMEW;
  using EnumEntries = DWORD(WINAPI*)(LPCWSTR, LPCWSTR, EntryName*, LPDWORD, LPDWORD);
  const auto enumEntries = RasFunction<EnumEntries>("RasEnumEntriesW");
  if (!enumEntries) return {};
  std::vector<EntryName> entries(16);
  DWORD bytes = 0, count = 0;
  DWORD result = ERROR_BUFFER_TOO_SMALL;
  // A first call with room for 16 entries tells how much a longer book needs.
  for (int attempt = 0; attempt < 2 && result == ERROR_BUFFER_TOO_SMALL; ++attempt) {
    if (attempt > 0) entries.assign(bytes / sizeof(EntryName) + 1, EntryName{});
    entries[0].dwSize = sizeof(EntryName);
    bytes = static_cast<DWORD>(entries.size() * sizeof(EntryName));
    result = enumEntries(nullptr, nullptr, entries.data(), &bytes, &count);
  }
  std::vector<std::string> names;
  if (result == ERROR_SUCCESS)
    for (DWORD i = 0; i < count && i < entries.size(); ++i) names.push_back(Narrow(entries[i].szEntryName));
  return names;
}

}  // namespace tikolvo

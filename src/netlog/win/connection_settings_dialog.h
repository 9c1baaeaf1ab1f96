#pragma once
// The connection settings dialog for one connection of the "Подключения"
// grid: how its traffic shows in the logs, whether it is watched and shown,
// its limits and its 16 tariff rules (one tariff box shown at a time,
// chosen from "Тариф 1" to "Тариф 16"). "<" and ">" move to the
// neighbouring connection, dropping what was not applied.
#include <windows.h>

#include <functional>
#include <string>

namespace tikolvo {

struct ConnectionSettingsRequest {
  std::string registryPath;  // Connect.db
  int index = 0;             // record index of the first connection shown
  int count = 0;             // how many connections the grid lists
  bool* limitWarnings = nullptr;  // the program-wide "warn before a limit" option
  std::function<void()> saved;    // after each save: the grids are filled again
};

void ShowConnectionSettings(HWND owner, const ConnectionSettingsRequest& request);

}  // namespace tikolvo

#pragma once
// The "Подключения" grid and what goes with it: one row per known
// connection, the list of connections shown in the logs (which
// "Все разрешенные" names) and the filter choices of the session log.
#include <string>
#include <vector>

#include "netlog/connection_records.h"

namespace tikolvo {

struct ConnectionGrid {
  std::vector<std::vector<std::string>> rows;  // 7 cells each
  std::vector<std::string> filterChoices;      // "Все", "Все разрешенные", then each logged name
};

// Column 0 "11" connected / "00" not; 1 name; 2 sessions; 3 traffic in the
// record's own unit (digits grouped); 4 total time; 5 "t" when monitored;
// 6 "t" when shown in the logs.
ConnectionGrid BuildConnectionGrid(const std::vector<ConnectionRecord>& records);

// The questions of the page's actions.
std::string DeleteConnectionQuestion(const std::string& name);
std::string UnknownConnectionQuestion(const std::string& name);

}  // namespace tikolvo

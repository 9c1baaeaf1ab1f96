#include "netlog/connection_grid.h"

#include "common/number_text.h"
#include "common/trio_time.h"
#include "netlog/traffic_text.h"
#include "scheduler/task_action_hangup.h"
#include "scheduler/task_actions.h"

namespace tikolvo {

ConnectionGrid BuildConnectionGrid(const std::vector<ConnectionRecord>& records) {
  ConnectionGrid grid;
  grid.filterChoices = {kAllConnections, kAllowedConnections};
  for (const ConnectionRecord& r : records) {
    if (!r.valid) continue;
    grid.rows.push_back({r.connected ? "11" : "00", r.name, std::to_string(r.sessionCount),
                         GroupNumberText(FormatTraffic(r, r.logDirection)), ToText(r.totalTime),
                         r.monitored ? "t" : "", r.showInLogs ? "t" : ""});
    if (r.showInLogs) grid.filterChoices.push_back(r.name);
  }
  return grid;
}

std::string DeleteConnectionQuestion(const std::string& name) { return "Удалить \"" + name + "\"?"; }

std::string UnknownConnectionQuestion(const std::string& name) {
  return "Подключение \"" + name + "\" не зарегистрировано в программе. Добавить это подключение?";
}

}  // namespace tikolvo

#include "netlog/win/statistics_pages.h"

#include "settings/win/conf_ids.h"

namespace tikolvo {

StatisticsPages::StatisticsPages(SettingsStore& store, DialUpService& dialUp, const Clock& clock)
    : outer(store, {"Статистика", L"CONF_PAGE_STATS"}, IDC_NoteWWW,
            [](Settings& s) -> int& { return s.pages.statisticsPage; }),
      sessions(store, clock),
      connections(store, dialUp),
      workLog(store, clock),
      status(store) {
  connections.filterChoicesChanged = [this](const std::vector<std::string>& choices) {
    sessions.SetFilterChoices(choices);
    sessions.Refresh();
  };
  sessions.registryChanged = [this] { connections.Refresh(); };
}

}  // namespace tikolvo

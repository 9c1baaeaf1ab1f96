#include "netlog/win/statistics_pages.h"

#include "settings/win/conf_ids.h"

namespace tikolvo {

StatisticsPages::StatisticsPages(SettingsStore& store, DialUpService& dialUp, const Clock& clock)
    : outer(store, {"Статистика", L"CONF_PAGE_STATS"}, IDC_NoteWWW,
            [](Settings& s) -> int& { return s.pages.statisticsPage; }),
      sessions(store, {"Лог подключений", L"CONF_STAT_LOG"}),
      connections(store, dialUp),
      workLog(store, clock),
      status(store) {}

}  // namespace tikolvo

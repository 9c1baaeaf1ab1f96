#pragma once
// The settings window's "Статистика" pages: the outer page with its inner
// notebook, "Лог подключений", "Подключения", "Лог работы ОС" and "Статус".
#include "netlog/win/connections_page.h"
#include "netlog/win/session_log_page.h"
#include "netlog/win/status_page.h"
#include "netlog/win/work_log_page.h"
#include "settings/win/template_page.h"

namespace tikolvo {

struct StatisticsPages {
  StatisticsPages(SettingsStore& store, DialUpService& dialUp, const Clock& clock);

  NotebookPage outer;
  SessionLogPage sessions;
  ConnectionsPage connections;
  WorkLogPage workLog;
  StatusPage status;
};

}  // namespace tikolvo

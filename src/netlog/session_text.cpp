#include "netlog/session_text.h"

#include <algorithm>
#include <cmath>

#include "common/cp1251.h"
#include "common/date_format.h"
#include "common/number_text.h"
#include "common/trio_time.h"
#include "netlog/connection_registry.h"
#include "netlog/report_file.h"
#include "netlog/session_cost.h"
#include "netlog/traffic_text.h"
#include "scheduler/task_action_hangup.h"
#include "settings/settings_model.h"

namespace tikolvo {
namespace {

constexpr const char* kStartPattern = "dd'/'mm'/'yy  hh:nn:ss";

const ConnectionRecord* Registered(const std::vector<ConnectionRecord>& connections, const std::string& name) {
  for (const ConnectionRecord& r : connections)
    if (r.valid && SameTextIgnoringCase(r.name, name)) return &r;
  return nullptr;
}

bool Shown(const SessionRecord& s, const std::string& filter, const std::string& logged) {
  return s.valid && ConnectionNameMatches(filter, s.name, logged);
}

std::string ReportHead(DateTime now, const Locale& locale) {
  return "Отчет создан [" + FormatDateTime(locale.shortDateFormat + " " + locale.longTimeFormat, now, locale) +
         "].  Tikolvo " + kAboutVersion;
}

// The frame both reports share: the dash lines around the header and the rows.
std::vector<std::string> FramedTable(std::vector<std::string> lines, const std::vector<std::string>& header,
                               const std::vector<std::vector<std::string>>& rows, std::vector<std::size_t> least,
                               std::size_t extraForLast) {
  std::vector<std::size_t> widths(header.size());
  for (std::size_t c = 0; c < header.size(); ++c) {
    std::size_t w = std::max(CharCount(header[c]), c < least.size() ? least[c] : 0);
    for (const auto& row : rows) w = std::max(w, CharCount(row[c]));
    widths[c] = w + 2;
  }
  for (std::size_t c = header.size() - extraForLast; c < header.size(); ++c)
    widths[c] = std::max(widths[c], CharCount(header[c]) + 2);
  const std::string headerLine = TableLine(header, widths);
  const std::string rule(CharCount(headerLine), '-');
  lines.push_back(rule);
  lines.push_back(headerLine);
  lines.push_back(rule);
  for (const auto& row : rows) lines.push_back(TableLine(row, widths));
  lines.push_back(rule);
  return lines;
}

// A session the reports and the exports list, with the display settings
// and the costs of its connection (the defaults for a name not registered).
struct ReportedSession {
  const SessionRecord* session;
  const ConnectionRecord* display;
  double roubles, dollars;
};

std::vector<ReportedSession> ReportedSessions(const std::vector<SessionRecord>& sessions,
                                              const std::vector<ConnectionRecord>& connections,
                                              const std::string& filter) {
  const std::string logged = LoggedConnectionList(connections);
  std::vector<ReportedSession> reported;
  for (const SessionRecord& s : sessions) {
    if (!Shown(s, filter, logged)) continue;
    static const ConnectionRecord kUnregistered{};
    const ConnectionRecord* registered = Registered(connections, s.name);
    const ConnectionRecord& display = registered ? *registered : kUnregistered;
    reported.push_back({&s, &display, SessionCost(s.in, s.out, display.tariffs, 0, s.end, s.start),
                        SessionCost(s.in, s.out, display.tariffs, 1, s.end, s.start)});
  }
  return reported;
}

}  // namespace

std::string_view WeekdayName(DateTime moment) {
  static constexpr const char* kWeekdays[7] = {"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"};
  return kWeekdays[WeekdayIndex(moment)];
}

std::string FormatSessionTraffic(const SessionRecord& session, const ConnectionRecord& record, int direction) {
  ConnectionRecord totals = record;
  totals.totalIn = session.in;
  totals.totalOut = session.out;
  std::string text = FormatTraffic(totals, direction);
  if (direction == 2 && record.logUnit == 1 && text.size() >= 3) text.replace(text.size() - 3, 3, " kb");
  return text;
}

std::vector<std::vector<std::string>> SessionGridRows(const std::vector<SessionRecord>& sessions,
                                                      const std::vector<ConnectionRecord>& connections,
                                                      const std::string& filter) {
  std::vector<std::vector<std::string>> rows;
  const std::string logged = LoggedConnectionList(connections);
  if (!ConnectionFilterAllows(filter, logged)) return rows;
  for (const SessionRecord& s : sessions) {
    if (!Shown(s, filter, logged)) continue;
    const ConnectionRecord* record = Registered(connections, s.name);
    const std::string traffic = record ? GroupNumberText(FormatSessionTraffic(s, *record, record->logDirection))
                                       : std::to_string(std::int64_t{s.in} + s.out) + " b";
    rows.push_back({s.open ? "a" : "", s.name, FormatDateTime(kStartPattern, s.start), ToText(s.duration), traffic,
                    std::to_string(s.speed)});
  }
  return rows;
}

std::vector<std::string> SessionsReportLines(const std::vector<SessionRecord>& sessions,
                                             const std::vector<ConnectionRecord>& connections,
                                             const std::string& filter, DateTime now, const Locale& locale) {
  std::vector<std::vector<std::string>> rows;
  for (const ReportedSession& r : ReportedSessions(sessions, connections, filter)) {
    const SessionRecord& s = *r.session;
    rows.push_back({std::to_string(rows.size() + 1), FormatDateTime("dd.mm.yy", s.start),
                    FormatDateTime("hh:nn:ss", s.start), s.name, ToText(s.duration), std::to_string(s.speed),
                    FormatSessionTraffic(s, *r.display, 1), FormatSessionTraffic(s, *r.display, 2),
                    FormatSessionTraffic(s, *r.display, 0), s.address, RoubleExportText(r.roubles),
                    DollarExportText(r.dollars)});
  }
  const std::vector<std::string> header = {"№", "Дата", "Время", "Название", "Длительность", "Скорость",
                                           "Трафик(Вход)", "Трафик(Исх)", "Трафик(Сум)", "IP",
                                           "Стоимость (руб)", "Стоимость ($)"};
  const std::vector<std::size_t> least = {std::to_string(rows.size()).size(), 9, 0, 8, 12, 8, 0, 0, 0, 2};
  return FramedTable({ReportHead(now, locale), "Подключения: " + filter}, header, rows, least, 2);
}

Table SessionsTable(const std::vector<SessionRecord>& sessions,
                             const std::vector<ConnectionRecord>& connections, const std::string& filter,
                             bool filterMustAllow) {
  Table table;
  table.header = {"№", "Дата", "Время", "Название", "Длительность", "Скорость", "Трафик(Вход)", "Трафик(Исх)",
                  "Трафик(Сум)", "IP", "Стоимость(руб)", "Стоимость($)", "День недели"};
  if (filterMustAllow && !ConnectionFilterAllows(filter, LoggedConnectionList(connections))) return table;
  for (const ReportedSession& r : ReportedSessions(sessions, connections, filter)) {
    const SessionRecord& s = *r.session;
    const std::size_t number = table.rows.size() + 1;
    table.rows.push_back(
        {TableCell::Number(static_cast<double>(number), std::to_string(number)),
         TableCell::Day(std::trunc(s.start), FormatDateTime("dd.mm.yy ", s.start)),
         TableCell::Duration(s.start - std::trunc(s.start), FormatDateTime("hh:nn:ss", s.start)),
         TableCell::Text(s.name), TableCell::Duration(s.duration.total / 86400.0, ToText(s.duration)),
         TableCell::Number(s.speed, std::to_string(s.speed)),
         TableCell::Number(s.in, FormatSessionTraffic(s, *r.display, 1)),
         TableCell::Number(s.out, FormatSessionTraffic(s, *r.display, 2)),
         TableCell::Number(static_cast<double>(std::int64_t{s.in} + s.out), FormatSessionTraffic(s, *r.display, 0)),
         TableCell::Text(s.address), TableCell::Number(r.roubles, RoubleExportText(r.roubles)),
         TableCell::Number(r.dollars, DollarExportText(r.dollars)), TableCell::Text(std::string(WeekdayName(s.start)))});
  }
  return table;
}

std::vector<std::string> ConnectionsReportLines(const std::vector<ConnectionRecord>& connections, DateTime now,
                                                const Locale& locale) {
  std::vector<std::vector<std::string>> rows;
  for (const ConnectionRecord& r : connections) {
    if (!r.valid) continue;
    rows.push_back({std::to_string(rows.size() + 1), r.name, ToText(r.totalTime), std::to_string(r.sessionCount),
                    GroupNumberText(FormatTraffic(r, r.logDirection)), r.monitored ? "Да" : "Нет",
                    r.showInLogs ? "Да" : "Нет"});
  }
  const std::vector<std::string> header = {"№", "Подключение", "Длительность", "Кол-во", "Трафик", "Слежение",
                                           "Отображение"};
  return FramedTable({ReportHead(now, locale), "Подключения"}, header, rows, {}, 0);
}

}  // namespace tikolvo

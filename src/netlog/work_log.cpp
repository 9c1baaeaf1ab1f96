#include "netlog/work_log.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/byte_io.h"
#include "common/date_format.h"
#include "common/file_io.h"
#include "netlog/connection_records.h"
#include "netlog/report_file.h"
#include "settings/settings_model.h"

namespace tikolvo {
namespace {

constexpr double kMsPerDay = 86'400'000.0;
constexpr const char* kMomentPattern = "hh:nn:ss dd'/'mm'/'yy";
// Two starts of the program in one boot compute the system's start from two
// readings of the clock and of the tick counter; they differ by the
// readings' rounding, never by whole seconds.
constexpr double kSameBootSeconds = 2.0;

WorkSession MadeNow(DateTime now, std::uint64_t uptimeMs) {
  return WorkSession{now - static_cast<double>(uptimeMs) / kMsPerDay, now, false};
}

bool Save(const std::string& path, const std::vector<WorkSession>& sessions) {
  return SaveFileAtomically(path, EncodeWorkLog(sessions));
}

std::string Moment(DateTime value) { return FormatDateTime(kMomentPattern, value); }

std::string HoursMinutesSeconds(std::int64_t seconds, bool twoDigitHours) {
  char text[48];
  std::snprintf(text, sizeof(text), twoDigitHours ? "%02lld:%02lld:%02lld" : "%lld:%02lld:%02lld",
                static_cast<long long>(seconds / 3600), static_cast<long long>(seconds / 60 % 60),
                static_cast<long long>(seconds % 60));
  return text;
}

std::int64_t TotalSeconds(const std::vector<WorkSession>& sessions) {
  std::int64_t total = 0;
  for (const WorkSession& s : sessions) total += SecondsBetween(s.started, s.seen);
  return total;
}

}  // namespace

std::vector<WorkSession> ParseWorkLog(std::string_view bytes) {
  std::vector<WorkSession> sessions;
  for (std::size_t at = 0; bytes.size() - at >= kWorkRecordSize; at += kWorkRecordSize) {
    ByteReader in(bytes.substr(at, kWorkRecordSize));
    WorkSession s;
    s.started = in.F64();
    s.seen = in.F64();
    s.running = in.U8() != 0;
    sessions.push_back(s);
  }
  return sessions;
}

std::string EncodeWorkLog(const std::vector<WorkSession>& sessions) {
  ByteWriter out;
  for (const WorkSession& s : sessions) {
    out.F64(s.started);
    out.F64(s.seen);
    out.U8(s.running ? 1 : 0);
    out.Zeros(7);
  }
  return out.Take();
}

std::optional<std::vector<WorkSession>> LoadWorkLog(const std::string& path) {
  const std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  return ParseWorkLog(*bytes);
}

bool CreateWorkLog(const std::string& path, DateTime now, std::uint64_t uptimeMs) {
  return Save(path, {MadeNow(now, uptimeMs)});
}

bool CloseOpenSessions(const std::string& path, DateTime now) {
  std::optional<std::vector<WorkSession>> sessions = LoadWorkLog(path);
  if (!sessions) return false;
  bool changed = false;
  for (WorkSession& s : *sessions) {
    if (!s.running) continue;
    s.seen = now;
    s.running = false;
    changed = true;
  }
  return !changed || Save(path, *sessions);
}

bool LogSystemStart(const std::string& path, DateTime now, std::uint64_t uptimeMs) {
  std::optional<std::vector<WorkSession>> sessions = LoadWorkLog(path);
  if (!sessions || sessions->empty()) {
    if (!CreateWorkLog(path, now, uptimeMs)) return false;
    sessions = LoadWorkLog(path);
    if (!sessions || sessions->empty()) return false;
  }
  for (WorkSession& s : *sessions) {
    if (!s.running) continue;
    s.seen = now;
    s.running = false;
  }
  WorkSession current = MadeNow(now, uptimeMs);
  current.running = true;
  const bool sameBoot = std::abs(sessions->back().started - current.started) * 86400.0 < kSameBootSeconds;
  if (sameBoot) {
    sessions->back() = current;
  } else {
    sessions->push_back(current);
  }
  return Save(path, *sessions);
}

std::string WorkDuration(const WorkSession& session) {
  return HoursMinutesSeconds(SecondsBetween(session.started, session.seen), true);
}

std::vector<WorkGridRow> WorkGridRows(const std::vector<WorkSession>& sessions) {
  std::vector<WorkGridRow> rows;
  for (const WorkSession& s : sessions) {
    if (s.running) {
      rows.push_back({true, "Система начала работу в " + Moment(s.started), ""});
    } else {
      rows.push_back({false, "Система работала с " + Moment(s.started) + ", до " + Moment(s.seen), WorkDuration(s)});
    }
  }
  return rows;
}

std::string WorkTotalLine(const std::vector<WorkSession>& sessions) {
  return "Суммарное время работы:  " + HoursMinutesSeconds(TotalSeconds(sessions), false);
}

Table WorkTable(const std::vector<WorkSession>& sessions) {
  constexpr const char* kPattern = "hh:nn:ss dd.mm.yy";
  Table table;
  table.header = {"№", "Старт системы", "Остановка системы", "Продолжительность работы"};
  for (const WorkSession& s : sessions) {
    const std::size_t number = table.rows.size() + 1;
    std::vector<TableCell> row = {TableCell::Number(static_cast<double>(number), std::to_string(number)),
                                  TableCell::Date(s.started, FormatDateTime(kPattern, s.started))};
    if (s.running) {
      row.push_back(TableCell::Text("работает..."));
      row.push_back(TableCell::Text(""));
    } else {
      row.push_back(TableCell::Date(s.seen, FormatDateTime(kPattern, s.seen)));
      row.push_back(TableCell::Duration(SecondsBetween(s.started, s.seen) / 86400.0, WorkDuration(s)));
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

std::vector<std::string> WorkReportLines(const std::vector<WorkSession>& sessions, DateTime now,
                                         const Locale& locale) {
  const std::size_t n = sessions.size();
  std::size_t startWidth = 13, endWidth = 17;
  for (const WorkSession& s : sessions) {
    startWidth = std::max(startWidth, CharCount(Moment(s.started)));
    endWidth = std::max(endWidth, CharCount(Moment(s.seen)));
  }
  const std::size_t numberWidth = std::to_string(n > 0 ? n - 1 : 0).size() + 2;
  startWidth += 2;
  endWidth += 2;
  const std::size_t durationWidth = 17 + 2;
  const std::size_t total = numberWidth + startWidth + endWidth + durationWidth + 5;
  const std::string rule(total, '-');
  const std::vector<std::size_t> widths = {numberWidth, startWidth, endWidth, durationWidth};
  auto line = [&](const std::string& a, const std::string& b, const std::string& c, const std::string& d) {
    return TableLine({a, b, c, d}, widths);
  };
  std::vector<std::string> lines = {
      "Отчет создан [" + FormatDateTime(locale.shortDateFormat + " " + locale.longTimeFormat, now, locale) +
          "].  Tikolvo " + kAboutVersion,
      rule, line("№", "Старт системы", "Остановка системы", "Продолжительность"), rule};
  for (std::size_t i = 0; i < n; ++i) {
    const WorkSession& s = sessions[i];
    lines.push_back(line(std::to_string(i + 1), Moment(s.started), s.running ? "работает" : Moment(s.seen),
                         s.running ? " " : WorkDuration(s)));
  }
  lines.push_back(rule);
  lines.push_back("Суммарное время работы (ч/м/с):  " + HoursMinutesSeconds(TotalSeconds(sessions), false));
  return lines;
}

}  // namespace tikolvo

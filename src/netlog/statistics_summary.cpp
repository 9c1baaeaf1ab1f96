#include "netlog/statistics_summary.h"

#include <cmath>
#include <functional>

#include "common/cp1251.h"
#include "common/date_format.h"
#include "common/trio_time.h"
#include "netlog/session_cost.h"
#include "netlog/session_text.h"
#include "netlog/traffic_text.h"
#include "scheduler/task_action_hangup.h"

namespace tikolvo {
namespace {

constexpr const char* kMomentPattern = "dd'/'mm'/'yy  hh:nn:ss";

using SessionTest = std::function<bool(const SessionRecord&)>;

// A session of the connection with its costs, worked out once for all the
// periods it may count in.
struct CostedSession {
  const SessionRecord* session;
  double roubles, dollars;
};

// The names of a log repeat: each run of one name is compared once.
template <typename Test>
class NameTest {
 public:
  explicit NameTest(Test test) : test_(std::move(test)) {}
  bool operator()(const std::string& name) {
    if (!known_ || name != last_) {
      last_ = name;
      result_ = test_(name);
      known_ = true;
    }
    return result_;
  }

 private:
  Test test_;
  std::string last_;
  bool known_ = false, result_ = false;
};

// The pattern language's default names, made once rather than per cell.
const Locale& Names() {
  static const Locale names;
  return names;
}

bool InChoice(const SessionRecord& s, const StatisticsChoice& choice) {
  const double day = std::trunc(s.start);
  if (choice.day) return day == std::trunc(*choice.day);
  if (choice.from && choice.to) return day >= std::trunc(*choice.from) && day <= std::trunc(*choice.to);
  return true;
}

std::string Bytes(std::int64_t n, const ConnectionRecord& record) {
  const std::int32_t clamped = static_cast<std::int32_t>(std::clamp<std::int64_t>(n, INT32_MIN, INT32_MAX));
  return FormatByteCount(clamped, record.logDecimals, record.logUnit);
}

SummaryRow Totals(const std::string& title, const std::vector<CostedSession>& sessions,
                  const ConnectionRecord& record, const SessionTest& test) {
  std::int64_t in = 0, out = 0, seconds = 0, count = 0;
  double roubles = 0, dollars = 0;
  for (const CostedSession& c : sessions) {
    const SessionRecord* s = c.session;
    if (!test(*s)) continue;
    in += std::max(s->in, 0);
    out += std::max(s->out, 0);
    seconds += std::max(s->duration.total, 0);
    ++count;
    roubles += c.roubles;
    dollars += c.dollars;
  }
  return {title,
          Bytes(in, record),
          Bytes(out, record),
          Bytes(in + out, record),
          ToText(TrioFromTotal(static_cast<std::int32_t>(std::min<std::int64_t>(seconds, INT32_MAX)))),
          std::to_string(count),
          CostText(dollars, roubles),
          in,
          out,
          in + out,
          seconds,
          count};
}

std::vector<CostedSession> OfConnection(const std::vector<SessionRecord>& sessions, const ConnectionRecord& record,
                                        const std::string& name) {
  std::vector<CostedSession> mine;
  NameTest same([&name](const std::string& other) { return SameTextIgnoringCase(other, name); });
  for (const SessionRecord& s : sessions)
    if (s.valid && same(s.name))
      mine.push_back({&s, SessionCost(s.in, s.out, record.tariffs, 0, s.end, s.start),
                      SessionCost(s.in, s.out, record.tariffs, 1, s.end, s.start)});
  return mine;
}

SummaryRow LimitRemainder(const std::vector<CostedSession>& sessions, const ConnectionRecord& record) {
  SummaryRow row{"Остаток лимита", "", "", "", "", "", ""};
  std::int64_t in = 0, out = 0, seconds = 0;
  for (const CostedSession& c : sessions) {
    const SessionRecord* s = c.session;
    in += std::max(s->in, 0);
    out += std::max(s->out, 0);
    seconds += std::max(s->duration.total, 0);
  }
  if (record.trafficLimit > 0) {
    row.receivedBytes = record.trafficLimit - in;
    row.sentBytes = record.trafficLimit - out;
    row.sumBytes = record.trafficLimit - in - out;
    row.received = Bytes(record.trafficLimit - in, record);
    row.sent = Bytes(record.trafficLimit - out, record);
    row.sum = Bytes(record.trafficLimit - in - out, record);
  }
  if (record.timeLimit.total != 0) {
    TTrioTime left;
    Difference(record.timeLimit, TrioFromTotal(static_cast<std::int32_t>(std::min<std::int64_t>(seconds, INT32_MAX))),
               left);
    row.time = ToText(left);
    row.seconds = left.total;
  }
  return row;
}

}  // namespace

std::array<SummaryRow, kSummaryRows> SummaryRows(const std::vector<SessionRecord>& sessions,
                                                 const ConnectionRecord& record, const std::string& name,
                                                 DateTime now, const StatisticsChoice& choice) {
  const std::vector<CostedSession> mine = OfConnection(sessions, record, name);
  const auto since = [now](double start) {
    return [now, start](const SessionRecord& s) { return s.start >= start && s.end <= now; };
  };
  std::array<SummaryRow, kSummaryRows> rows = {
      Totals("За сегодня", mine, record, since(std::trunc(now))),
      Totals("За последние сутки", mine, record, since(now - 1)),
      Totals("За последнюю неделю", mine, record, since(now - 7)),
      Totals("За последний месяц", mine, record, since(now - 31)),
      Totals("Всего", mine, record, [](const SessionRecord&) { return true; }),
      SummaryRow{"По выбору", "0", "0", "0", "0:00:00", "0", ""},
      LimitRemainder(mine, record)};
  if (choice.day || (choice.from && choice.to)) {
    const std::string title = choice.day ? FormatDateTime("dd.mm.yyyy", *choice.day, Names()) : "По выбору";
    rows[5] = Totals(title, mine, record, [&choice](const SessionRecord& s) { return InChoice(s, choice); });
  }
  return rows;
}

Table SummaryTable(const std::array<SummaryRow, kSummaryRows>& rows) {
  Table table;
  table.header = {"", "Принято", "Отправлено", "Сумма", "Время", "Кол-во", ""};
  const auto amount = [](double value, const std::string& text) {
    return text.empty() ? TableCell::Text(text) : TableCell::Number(value, text);
  };
  for (const SummaryRow& r : rows) {
    table.rows.push_back(
        {TableCell::Text(r.title), amount(static_cast<double>(r.receivedBytes), r.received),
         amount(static_cast<double>(r.sentBytes), r.sent),
         amount(static_cast<double>(r.sumBytes), r.sum),
         r.time.empty() ? TableCell::Text("") : TableCell::Duration(static_cast<double>(r.seconds) / 86400, r.time),
         amount(static_cast<double>(r.sessions), r.count), TableCell::Text(r.cost)});
  }
  return table;
}

std::vector<std::vector<std::string>> StatisticsSessionRows(const std::vector<SessionRecord>& sessions,
                                                            const ConnectionRecord& record,
                                                            const std::string& name,
                                                            const StatisticsChoice& choice) {
  std::vector<std::vector<std::string>> rows;
  rows.reserve(sessions.size());
  NameTest matches([&name](const std::string& other) { return ConnectionNameMatches(name, other, ""); });
  for (const SessionRecord& s : sessions) {
    if (!s.valid || !InChoice(s, choice) || !matches(s.name)) continue;
    // Built in place: a braced list would copy every text once more.
    std::vector<std::string>& row = rows.emplace_back();
    row.reserve(9);
    row.emplace_back(s.open ? "a" : "");
    row.push_back(s.name);
    row.push_back(FormatDateTime(kMomentPattern, s.start, Names()));
    row.push_back(FormatDateTime(kMomentPattern, s.end, Names()));
    row.push_back(ToText(s.duration));
    row.push_back(record.valid ? FormatSessionTraffic(s, record, record.logDirection)
                               : std::to_string(std::int64_t{s.in} + s.out) + " b");
    row.push_back(std::to_string(s.speed));
    row.push_back(s.address);
    row.emplace_back(WeekdayName(s.start));
  }
  return rows;
}

}  // namespace tikolvo

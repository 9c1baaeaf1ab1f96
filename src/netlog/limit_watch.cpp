#include "netlog/limit_watch.h"

#include <algorithm>

#include "common/trio_time.h"
#include "netlog/traffic_text.h"

namespace tikolvo {

void LimitWatch::Begin(const ConnectionRecord& record) {
  active_ = true;
  name_ = record.name;
  time_ = {record.timeLimit.total > 0, std::max<std::int64_t>(0, std::int64_t{record.timeLimit.total} - record.totalTime.total), 0};
  traffic_ = {record.trafficLimit > 0,
              std::max<std::int64_t>(0, std::int64_t{record.trafficLimit} - record.totalIn - record.totalOut), 0};
}

int LimitWatch::StageOf(const Limit& limit, std::int64_t used) {
  if (!limit.set) return 0;
  if (used >= limit.left) return 2;
  return used * 10 >= limit.left * 9 ? 1 : 0;
}

std::optional<std::string> LimitWatch::Check(std::int64_t sessionSeconds, std::uint64_t sessionBytes) {
  if (!active_) return std::nullopt;
  const std::int64_t bytes = static_cast<std::int64_t>(std::min<std::uint64_t>(sessionBytes, INT64_MAX));
  const int timeStage = StageOf(time_, sessionSeconds), trafficStage = StageOf(traffic_, bytes);
  if (timeStage <= time_.warned && trafficStage <= traffic_.warned) return std::nullopt;
  time_.warned = std::max(time_.warned, timeStage);
  traffic_.warned = std::max(traffic_.warned, trafficStage);
  const bool reached = timeStage == 2 || trafficStage == 2;
  std::string text = "Подключение \"" + name_ + "\": " + (reached ? "лимит исчерпан." : "лимит почти исчерпан.");
  if (time_.set) {
    const std::int64_t left = std::max<std::int64_t>(0, time_.left - sessionSeconds);
    text += " Осталось времени: " + ToText(TrioFromTotal(static_cast<std::int32_t>(std::min<std::int64_t>(left, INT32_MAX)))) + ".";
  }
  if (traffic_.set) {
    const std::int64_t left = std::max<std::int64_t>(0, traffic_.left - bytes);
    text += " Осталось трафика: " + FormatByteCount(static_cast<std::int32_t>(std::min<std::int64_t>(left, INT32_MAX)), 2, 2) + ".";
  }
  return text;
}

}  // namespace tikolvo

#pragma once
// Warnings before a connection's limit runs out: when the running session
// has used 90 % of what was left of the time or traffic limit at its start,
// and again when it has used all of it. Each warning comes once a session.
#include <cstdint>
#include <optional>
#include <string>

#include "netlog/connection_records.h"

namespace tikolvo {

class LimitWatch {
 public:
  // A session starts: what is left is the limit less the totals so far.
  void Begin(const ConnectionRecord& record);
  void End() { active_ = false; }

  // The session's live time and traffic; the balloon text when a warning is
  // due now, naming the connection and what is left.
  std::optional<std::string> Check(std::int64_t sessionSeconds, std::uint64_t sessionBytes);

 private:
  struct Limit {
    bool set = false;
    std::int64_t left = 0;  // at the session's start
    int warned = 0;         // 0 none, 1 at 90 %, 2 at the end
  };
  static int StageOf(const Limit& limit, std::int64_t used);

  bool active_ = false;
  std::string name_;
  Limit time_, traffic_;
};

}  // namespace tikolvo

#include "scheduler/task_action_hangup.h"

#include "common/cp1251.h"
#include "scheduler/task_actions.h"

namespace tikolvo {
namespace {

bool Contains(std::string_view text, std::string_view part) {
  return LowerCaseName(text).find(LowerCaseName(part)) != std::string::npos;
}

}  // namespace

std::string LowerCaseName(std::string_view utf8) { return LowerCaseText(utf8); }

bool ConnectionFilterAllows(std::string_view filter, std::string_view loggedList) {
  if (filter == kAllConnections || filter == kAllowedConnections) return true;
  return Contains(loggedList, filter);
}

bool ConnectionNameMatches(std::string_view filter, std::string_view name, std::string_view loggedList) {
  if (filter == kAllConnections) return true;
  if (filter == kAllowedConnections) return Contains(loggedList, name);
  return Contains(filter, name);
}

int HangUpMatching(std::string_view filter, const ConnectionFilters& filters, DialUpLines& lines) {
  const std::string_view used = filter.empty() ? std::string_view(filters.current) : filter;
  if (!ConnectionFilterAllows(used, filters.loggedList)) return 0;
  int hungUp = 0;
  for (const DialUpConnection& connection : lines.ActiveConnections()) {
    if (!ConnectionNameMatches(used, connection.name, filters.loggedList)) continue;
    lines.HangUp(connection.handle);
    ++hungUp;
  }
  return hungUp;
}

}  // namespace tikolvo

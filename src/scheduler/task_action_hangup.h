#pragma once
// Hanging up dial-up connections by a filter text: "Все" names every
// connection, "Все разрешенные" those shown in the connection logs, any other
// text the connections whose name occurs in it. Names are compared without
// regard to case, Cyrillic letters included.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tikolvo {

inline constexpr const char* kAllowedConnections = "Все разрешенные";

struct DialUpConnection {
  std::string name;
  std::uintptr_t handle = 0;
};

// The remote access service. Without it there are no connections and a
// hang-up does nothing.
class DialUpLines {
 public:
  virtual ~DialUpLines() = default;
  virtual std::vector<DialUpConnection> ActiveConnections() = 0;
  virtual void HangUp(std::uintptr_t handle) = 0;
};

// What the connection monitor knows of the filters: the log's remembered
// filter (taken for an empty one) and "|" + name of every connection shown
// in the logs.
struct ConnectionFilters {
  std::string current = "Все";
  std::string loggedList;
};

// Lower case of the letters of Windows-1251 (Latin and Cyrillic); a
// character without a Windows-1251 form becomes "?", as it would in the files.
std::string LowerCaseName(std::string_view utf8);

// Whether the filter may hang up anything at all.
bool ConnectionFilterAllows(std::string_view filter, std::string_view loggedList);
// Whether the filter names this connection.
bool ConnectionNameMatches(std::string_view filter, std::string_view name, std::string_view loggedList);

// Hangs up each active connection the filter names, in the service's order;
// returns how many it hung up.
int HangUpMatching(std::string_view filter, const ConnectionFilters& filters, DialUpLines& lines);

}  // namespace tikolvo

#include "scheduler/task_action_hangup.h"

#include "common/cp1251.h"
#include "scheduler/task_actions.h"

namespace tikolvo {
namespace {

char LowerCp1251(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<char>(c + 32);
  if (c >= 0xC0 && c <= 0xDF) return static_cast<char>(c + 32);  // А..Я
  switch (c) {
    case 0xA8: return static_cast<char>(0xB8);  // Ё
    case 0xAA: return static_cast<char>(0xBA);  // Є
    case 0xAF: return static_cast<char>(0xBF);  // Ї
    case 0xB2: return static_cast<char>(0xB3);  // І
    case 0xA1: return static_cast<char>(0xA2);  // Ў
    case 0x80: return static_cast<char>(0x90);  // Ђ
    case 0x81: return static_cast<char>(0x83);  // Ѓ
    case 0x8A: return static_cast<char>(0x9A);  // Љ
    case 0x8C: return static_cast<char>(0x9C);  // Њ
    case 0x8D: return static_cast<char>(0x9D);  // Ќ
    case 0x8E: return static_cast<char>(0x9E);  // Ћ
    case 0x8F: return static_cast<char>(0x9F);  // Џ
    case 0xA3: return static_cast<char>(0xBC);  // Ј
    case 0xA5: return static_cast<char>(0xB4);  // Ґ
    case 0xBD: return static_cast<char>(0xBE);  // Ѕ
    default: return static_cast<char>(c);
  }
}

bool Contains(std::string_view text, std::string_view part) {
  return LowerCaseName(text).find(LowerCaseName(part)) != std::string::npos;
}

}  // namespace

std::string LowerCaseName(std::string_view utf8) {
  std::string bytes = Utf8ToCp1251(utf8);
  for (char& c : bytes) c = LowerCp1251(static_cast<unsigned char>(c));
  return Cp1251ToUtf8(bytes);
}

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

#include "skin/member_name.h"

#include <array>
#include <cctype>

namespace tikolvo {
namespace {

bool ForbiddenInFileName(unsigned char c) {
  return c < 0x20 || c == '<' || c == '>' || c == '"' || c == '|' || c == '?' || c == '*';
}

std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

// Windows opens a device for these names whatever the folder or extension.
bool IsDeviceName(std::string_view name) {
  std::string_view stem = name.substr(0, name.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
  const std::string upper = UpperAscii(stem);
  static constexpr std::array<std::string_view, 6> kPlain = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
  for (std::string_view device : kPlain) {
    if (upper == device) return true;
  }
  return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) && upper[3] >= '1' &&
         upper[3] <= '9';
}

}  // namespace

std::string SafeMemberName(std::string_view stored_name) {
  std::string_view name = stored_name;
  const std::size_t cut = name.find_last_of("\\/:");
  if (cut != std::string_view::npos) name.remove_prefix(cut + 1);
  while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.remove_suffix(1);
  if (name.empty() || IsDeviceName(name)) return {};
  for (char c : name) {
    if (ForbiddenInFileName(static_cast<unsigned char>(c))) return {};
  }
  return std::string(name);
}

}  // namespace tikolvo

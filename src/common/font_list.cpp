#include "common/font_list.h"

#include <algorithm>

namespace tikolvo {
namespace {

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool FoldedEqual(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

bool FoldedLess(std::string_view a, std::string_view b) {
  const auto folded = [](char x, char y) {
    return static_cast<unsigned char>(FoldAscii(x)) < static_cast<unsigned char>(FoldAscii(y));
  };
  if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), folded)) return true;
  if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), folded)) return false;
  return a < b;
}

}  // namespace

std::vector<std::string> SortedFontNames(std::vector<std::string> names) {
  std::erase_if(names, [](const std::string& name) { return name.empty() || name.front() == '@'; });
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return FoldedLess(a, b); });
  // One entry per family: the system reports a family once per character set.
  names.erase(std::unique(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
                return FoldedEqual(a, b);
              }),
              names.end());
  return names;
}

int FontIndexOf(const std::vector<std::string>& fonts, std::string_view name) {
  const auto found = std::find(fonts.begin(), fonts.end(), name);
  return found == fonts.end() ? -1 : static_cast<int>(found - fonts.begin());
}

std::string FontNameAt(const std::vector<std::string>& fonts, int index) {
  if (index < 0 || index >= static_cast<int>(fonts.size())) return {};
  return fonts[static_cast<std::size_t>(index)];
}

}  // namespace tikolvo

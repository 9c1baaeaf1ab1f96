#pragma once
// The installed-font list as the program offers it: every family name once,
// in an order that does not depend on the system's language, so that a font
// index kept in config.cfg means the same font at the next start.
#include <string>
#include <string_view>
#include <vector>

namespace tikolvo {

// Sorts the names the system enumerated (ASCII letters compared without
// regard to case, ties by the bytes), keeps each name once and leaves out
// empty names and the sideways variants whose names begin with "@".
std::vector<std::string> SortedFontNames(std::vector<std::string> names);

// Position of a name in the list (exact match), -1 when it is not there.
int FontIndexOf(const std::vector<std::string>& fonts, std::string_view name);

// The name at an index, empty for an index outside the list.
std::string FontNameAt(const std::vector<std::string>& fonts, int index);

}  // namespace tikolvo

#pragma once
// Captions cut to a menu's width: measured with the menus' font (the
// Windows layer measures in "verdana"), shortened three characters at a
// time while too wide, then ended with "...". A text of three characters or
// fewer is never shortened.
#include <functional>
#include <string>
#include <string_view>

namespace tikolvo {

// Width in pixels of a UTF-8 text in the menus' font.
using TextWidth = std::function<int(std::string_view utf8)>;

inline constexpr int kProgramCaptionLimit = 180;
inline constexpr int kWebCaptionLimit = 200;

std::string FitCaption(std::string_view text, int limit, const TextWidth& width);

}  // namespace tikolvo

#include "menus/fit_caption.h"

#include "common/utf8_text.h"

namespace tikolvo {

std::string FitCaption(std::string_view text, int limit, const TextWidth& width) {
  if (TrimBlanks(text).empty()) return std::string(text);
  std::string fitted(text);
  std::size_t characters = CharCount(fitted);
  bool cut = false;
  while (characters >= 4 && width(fitted) > limit) {
    characters -= 3;
    fitted.resize(ByteOffsetOfChar(fitted, characters + 1));
    cut = true;
  }
  if (cut && width(fitted) <= limit) fitted += "...";
  return fitted;
}

}  // namespace tikolvo

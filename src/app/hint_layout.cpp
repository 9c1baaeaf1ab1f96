#include "app/hint_layout.h"

#include <algorithm>

namespace tikolvo {
namespace {

int CentredIn(int outer, int inner) { return (outer - inner) / 2; }

// Icon left of the text (layouts 0 and 1).
HintLayout IconBeside(HintSize icon, HintSize text) {
  HintLayout l;
  l.window = {icon.width + text.width + 7, std::max(icon.height, text.height)};
  l.icon = {2, CentredIn(l.window.height, icon.height)};
  l.text = {icon.width + 5, CentredIn(l.window.height, text.height)};
  return l;
}

// Icon above the text, the text indented past the icon (layouts 2 and 3).
HintLayout IconAbove(HintSize icon, HintSize text) {
  HintLayout l;
  l.window = {text.width + icon.width + 5, icon.height + text.height + 6};
  l.icon = {2, 2};
  l.text = {icon.width + 3, icon.height + 4};
  return l;
}

HintLayout TextOnly(HintSize text) {
  HintLayout l;
  l.window = {text.width + 5, text.height + 2};
  l.showIcon = false;
  l.text = {2, 1};
  return l;
}

// The icon on both sides of the text (layout 5).
HintLayout IconsAround(HintSize icon, HintSize text) {
  HintLayout l;
  l.window = {2 * icon.width + text.width + 9, std::max(icon.height, text.height)};
  l.icon = {2, CentredIn(l.window.height, icon.height)};
  l.text = {icon.width + 5, CentredIn(l.window.height, text.height)};
  l.secondIcon = true;
  l.iconRight = {icon.width + text.width + 7, l.icon.y};
  return l;
}

}  // namespace

HintLayout LayOutHint(int layout, HintSize icon, HintSize text) {
  switch (layout) {
    case 0:
    case 1: return IconBeside(icon, text);
    case 2:
    case 3: return IconAbove(icon, text);
    case 5: return IconsAround(icon, text);
    default: return TextOnly(text);
  }
}

}  // namespace tikolvo

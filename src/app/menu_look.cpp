#include "app/menu_look.h"

#include <algorithm>

namespace tikolvo {
namespace {

std::uint8_t Mix(int a, int b, int step, int steps) {
  return static_cast<std::uint8_t>(a + (b - a) * step / steps);
}

std::uint8_t Shade(int channel, int amount) {
  const int target = amount > 0 ? 255 : 0;
  const int weight = std::min(255, amount > 0 ? amount : -amount);
  return static_cast<std::uint8_t>(channel + (target - channel) * weight / 255);
}

}  // namespace

int MenuItemHeight(int textHeight, bool separator) {
  if (separator) return kMenuSeparatorHeight;
  return std::max(kMenuMinItemHeight, textHeight + 6);
}

int MenuItemWidth(int textWidth) { return kMenuStripeWidth + kMenuTextGap + textWidth + kMenuRightMargin; }

MenuRgb BlendMenuColour(MenuRgb from, MenuRgb to, int step, int steps) {
  if (steps <= 1 || step <= 0) return from;
  if (step >= steps - 1) return to;
  const int last = steps - 1;
  return {Mix(from.r, to.r, step, last), Mix(from.g, to.g, step, last), Mix(from.b, to.b, step, last)};
}

MenuRgb ShadeMenuColour(MenuRgb colour, int amount) {
  return {Shade(colour.r, amount), Shade(colour.g, amount), Shade(colour.b, amount)};
}

}  // namespace tikolvo

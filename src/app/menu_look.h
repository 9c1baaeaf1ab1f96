#pragma once
// The look of the program's flat menus: sizes of the parts of an item and
// the colour steps of the gradient ("объемное изображение меню").
#include <cstdint>

namespace tikolvo {

struct MenuRgb {
  std::uint8_t r, g, b;
  bool operator==(const MenuRgb&) const = default;
};

inline constexpr int kMenuStripeWidth = 22;   // the left column before the captions
inline constexpr int kMenuTextGap = 8;        // between the column and the caption
inline constexpr int kMenuRightMargin = 18;   // room for the submenu arrow
inline constexpr int kMenuSeparatorHeight = 7;
inline constexpr int kMenuMinItemHeight = 19;

// Height of an item whose caption is textHeight pixels high.
int MenuItemHeight(int textHeight, bool separator);
// Width of an item whose caption is textWidth pixels wide.
int MenuItemWidth(int textWidth);

// The colour of band `step` of `steps` going from `from` to `to`; the first
// band is `from`, the last is `to`.
MenuRgb BlendMenuColour(MenuRgb from, MenuRgb to, int step, int steps);

// A lighter or darker shade for the ends of a gradient: amount > 0 towards
// white, < 0 towards black, in 1/255 units, clamped.
MenuRgb ShadeMenuColour(MenuRgb colour, int amount);

}  // namespace tikolvo

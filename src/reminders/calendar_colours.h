#pragma once
// The colour rules of the month calendar control. Colours are 0x00BBGGRR;
// the control shades everything from the system's button-face colour.
#include <cstdint>

namespace tikolvo::calendar {

using Colour = std::uint32_t;

inline constexpr Colour kMaroon = 0x000080;
inline constexpr Colour kSelectedTint = 0x8C8ACA;
inline constexpr Colour kMarkedTint = 0x11C1EE;

// Each channel moves `percent` of the way to 255.
Colour Lighten(Colour c, int percent);
// Each channel loses `amount` (a value, not a percentage), stopping at 0.
Colour Darken(Colour c, int amount);
// Each channel becomes round((1 - t) × from + t × to).
Colour Blend(Colour from, Colour to, double t);
// One channel of a tinted pixel: round(0.7 × pixel + 0.3 × tint), at most 255.
std::uint8_t TintChannel(std::uint8_t pixel, std::uint8_t tint);
Colour Tint(Colour pixel, Colour tint);
// Row `row` (1-based) of a vertical gradient `height` rows high: each channel
// top + (bottom - top) × row / height, rounded, so the last row is `bottom`.
Colour GradientRow(Colour top, Colour bottom, int row, int height);

}  // namespace tikolvo::calendar

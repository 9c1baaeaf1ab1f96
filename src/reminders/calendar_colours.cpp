#include "reminders/calendar_colours.h"

#include <algorithm>
#include <cmath>

namespace tikolvo::calendar {
namespace {

int Channel(Colour c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

Colour Join(int red, int green, int blue) {
  return static_cast<Colour>(std::clamp(red, 0, 255) | std::clamp(green, 0, 255) << 8 |
                             std::clamp(blue, 0, 255) << 16);
}

template <typename PerChannel>
Colour EachChannel(Colour a, Colour b, PerChannel f) {
  return Join(f(Channel(a, 0), Channel(b, 0)), f(Channel(a, 8), Channel(b, 8)), f(Channel(a, 16), Channel(b, 16)));
}

int RoundToInt(double v) { return static_cast<int>(std::lround(v)); }

}  // namespace

Colour Lighten(Colour c, int percent) {
  return EachChannel(c, 0, [percent](int v, int) { return v + percent * (255 - v) / 100; });
}

Colour Darken(Colour c, int amount) {
  return EachChannel(c, 0, [amount](int v, int) { return std::max(v - amount, 0); });
}

Colour Blend(Colour from, Colour to, double t) {
  return EachChannel(from, to, [t](int a, int b) { return RoundToInt((1.0 - t) * a + t * b); });
}

std::uint8_t TintChannel(std::uint8_t pixel, std::uint8_t tint) {
  // Tenths in integers: 0.7 and 0.3 are not exact doubles, and a tie such as
  // 0.7 × 1 + 0.3 × 0 = 0.7 must not depend on the last bit.
  const int tenths = 7 * pixel + 3 * tint;
  return static_cast<std::uint8_t>(std::min((tenths + 5) / 10, 255));
}

Colour Tint(Colour pixel, Colour tint) {
  return EachChannel(pixel, tint, [](int p, int t) {
    return static_cast<int>(TintChannel(static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(t)));
  });
}

Colour GradientRow(Colour top, Colour bottom, int row, int height) {
  if (height <= 0) return bottom;
  return EachChannel(top, bottom, [row, height](int a, int b) {
    return RoundToInt(a + static_cast<double>(b - a) * row / height);
  });
}

}  // namespace tikolvo::calendar

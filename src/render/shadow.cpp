#include "render/shadow.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tikolvo {

double ShadowFraction(int percent) { return std::clamp(percent, 0, 100) / 100.0; }

DarkenTable::DarkenTable(double fraction) {
  for (int c = 0; c < 256; ++c) {
    // nearbyint rounds halves to even under the default rounding mode.
    const int darkening = static_cast<int>(std::nearbyint(c * fraction));
    table_[c] = static_cast<std::uint8_t>(std::clamp(c - darkening, 0, 255));
  }
}

void ShadowMask::Resize(int outputWidth, int outputHeight, int bandRows) {
  width_ = std::max(outputWidth, 0) * kSupersample;
  height_ = std::max(outputHeight, 0) * kSupersample;
  bandHeight_ = std::min(height_, std::max(bandRows, 1) * kSupersample);
  cover_.assign(static_cast<std::size_t>(width_) * bandHeight_, 0);
  firstRow_ = 0;
  stamp_ = 1;
}

void ShadowMask::Clear(int firstRow) {
  firstRow_ = firstRow;
  if (++stamp_ != 0) return;
  // Once in 255 pictures the stamps run out and the buffer is wiped.
  std::memset(cover_.data(), 0, cover_.size());
  stamp_ = 1;
}

}  // namespace tikolvo

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

void ShadowMask::Resize(int outputWidth, int outputHeight) {
  const int blockRows = std::max(outputHeight, 0);
  width_ = std::max(outputWidth, 0) * kSupersample;
  height_ = blockRows * kSupersample;
  cover_.assign(static_cast<std::size_t>(width_) * height_, 0);
  touched_.assign(blockRows, BlockSpan{});
}

void ShadowMask::FillSpan(int y, int x0, int x1, Colour) {
  std::memset(cover_.data() + static_cast<std::size_t>(y) * width_ + x0, 1,
              static_cast<std::size_t>(x1 - x0));
  BlockSpan& span = touched_[y / kSupersample];
  const int first = x0 / kSupersample, last = (x1 - 1) / kSupersample;
  if (span.Empty()) {
    span = {first, last};
  } else {
    span.first = std::min(span.first, first);
    span.last = std::max(span.last, last);
  }
}

void ShadowMask::Clear() {
  for (std::size_t blockRow = 0; blockRow < touched_.size(); ++blockRow) {
    BlockSpan& span = touched_[blockRow];
    if (span.Empty()) continue;
    const std::size_t bytes = static_cast<std::size_t>(span.last - span.first + 1) * kSupersample;
    for (int k = 0; k < kSupersample; ++k) {
      const std::size_t y = blockRow * kSupersample + k;
      std::memset(cover_.data() + y * width_ + span.first * kSupersample, 0, bytes);
    }
    span.Clear();
  }
}

}  // namespace tikolvo

#pragma once
// Shadows: the hands' shadow shapes are drawn into a mask at supersampled
// size; every sample under the mask is then darkened before the hands
// themselves are drawn.
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "render/block_span.h"
#include "render/rasterizer.h"

namespace tikolvo {

// The simple model always darkens by 11 %.
constexpr double kSimpleShadowFraction = 0.11;

// A skin's shadow percent as a fraction: below 0 counts as 0, above 100 as 100.
double ShadowFraction(int percent);

// Channel value c becomes c - round(c * fraction), ties to even.
class DarkenTable {
 public:
  explicit DarkenTable(double fraction);
  std::uint8_t operator[](std::uint8_t c) const { return table_[c]; }

 private:
  std::array<std::uint8_t, 256> table_{};
};

// One byte a sample, holding the number of the picture that covered it, so
// starting a new picture is one increment instead of wiping the buffer. Like
// the canvas it keeps only a band of rows at a time.
class ShadowMask final : public Surface {
 public:
  // Sized for an output picture; the mask itself is kSupersample times larger.
  void Resize(int outputWidth, int outputHeight, int bandRows = kBandRows);
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  int FirstRow() const override { return firstRow_; }
  int EndRow() const override { return std::min(firstRow_ + bandHeight_, height_); }
  void FillSpan(int y, int x0, int x1, Colour) override {
    if (y < FirstRow() || y >= EndRow()) return;
    Cover(y, std::max(x0, 0), std::min(x1, width_), [](int) {});
  }
  // Forgets every shape drawn so far and holds the rows from `firstRow` on.
  void Clear(int firstRow = 0);

  bool Covered(int x, int y) const { return Row(y)[x] == stamp_; }

  // Marks a span of a held row covered and calls onFirstCover(x) for each
  // sample of it that was not covered yet.
  template <class OnFirstCover>
  void Cover(int y, int x0, int x1, OnFirstCover&& onFirstCover) {
    std::uint8_t* row = cover_.data() + static_cast<std::size_t>(y - firstRow_) * width_;
    for (int x = x0; x < x1; ++x) {
      if (row[x] == stamp_) continue;
      row[x] = stamp_;
      onFirstCover(x);
    }
  }

 private:
  const std::uint8_t* Row(int y) const {
    return cover_.data() + static_cast<std::size_t>(y - firstRow_) * width_;
  }

  int width_ = 0;
  int height_ = 0;
  int bandHeight_ = 0;  // rows held
  int firstRow_ = 0;
  std::uint8_t stamp_ = 1;
  std::vector<std::uint8_t> cover_;
};

}  // namespace tikolvo

#include "render/supersample.h"

#include <algorithm>
#include <cstring>

namespace tikolvo {
namespace {

constexpr int kBlockBytes = kSupersample * Bitmap24::kBytesPerPixel;

// Reduces blocks first..last of the samples' block row into `out` (an output row).
void ReduceBlocks(const Bitmap24& samples, int blockRow, int first, int last, std::uint8_t* out) {
  const int y = blockRow * kSupersample;
  const std::uint8_t* rows[kSupersample];
  for (int k = 0; k < kSupersample; ++k) rows[k] = samples.Row(y + k);
  for (int i = first; i <= last; ++i) {
    const int offset = i * kBlockBytes;
    unsigned blue = 0, green = 0, red = 0;
    for (const std::uint8_t* row : rows) {
      const std::uint8_t* p = row + offset;
      blue += p[0] + p[3] + p[6] + p[9];
      green += p[1] + p[4] + p[7] + p[10];
      red += p[2] + p[5] + p[8] + p[11];
    }
    std::uint8_t* o = out + i * Bitmap24::kBytesPerPixel;
    o[0] = static_cast<std::uint8_t>(blue / 16);
    o[1] = static_cast<std::uint8_t>(green / 16);
    o[2] = static_cast<std::uint8_t>(red / 16);
  }
}

}  // namespace

void Reduce4x4(const Bitmap24& samples, Bitmap24& output) {
  const int width = samples.Width() / kSupersample, height = samples.Height() / kSupersample;
  if (output.Width() != width || output.Height() != height) output.Resize(width, height);
  for (int j = 0; j < height; ++j) ReduceBlocks(samples, j, 0, width - 1, output.Row(j));
}

void SupersampledCanvas::Resize(int outputWidth, int outputHeight, int bandRows) {
  outputWidth = std::max(outputWidth, 0);
  outputHeight_ = std::max(outputHeight, 0);
  bandRows_ = std::max(bandRows, 1);
  samples_.Resize(outputWidth * kSupersample, std::min(outputHeight_, bandRows_) * kSupersample);
  live_.assign(static_cast<std::size_t>(outputWidth) * outputHeight_, 0);
  range_.assign(outputHeight_, BlockSpan{});
  background_ = nullptr;
  limit_ = nullptr;
  StartBand(0);
}

bool SupersampledCanvas::StartBand(int band) {
  bandTop_ = band * bandRows_;
  int top = bandTop_, bottom = std::min(bandTop_ + bandRows_, outputHeight_);
  if (limit_) {
    top = std::max(top, limit_->Top());
    bottom = std::min(bottom, limit_->Bottom());
  }
  firstRow_ = top * kSupersample;
  endRow_ = std::max(top, bottom) * kSupersample;
  return top < bottom;
}

void SupersampledCanvas::Begin(const Bitmap24& background) {
  background_ = &background;
  for (int blockRow = 0; blockRow < static_cast<int>(range_.size()); ++blockRow) {
    BlockSpan& range = range_[blockRow];
    if (range.Empty()) continue;
    std::uint8_t* live = live_.data() + static_cast<std::size_t>(blockRow) * background.Width();
    std::fill(live + range.first, live + range.last + 1, 0);
    range.Clear();
  }
  limit_ = nullptr;
  StartBand(0);
}

void SupersampledCanvas::LimitTo(const RowRegion& region) {
  limit_ = &region;
  StartBand(0);
}

bool SupersampledCanvas::Limit(int y, int& x0, int& x1) const {
  if (y < FirstRow() || y >= EndRow()) return false;
  if (!limit_) return true;
  const BlockSpan& row = limit_->Row(y / kSupersample);
  if (row.Empty()) return false;
  x0 = std::max(x0, row.first * kSupersample);
  x1 = std::min(x1, (row.last + 1) * kSupersample);
  return x0 < x1;
}

void SupersampledCanvas::Stretch(int blockRow, int first, int last) {
  const std::uint8_t* source = background_->Row(blockRow) + first * Bitmap24::kBytesPerPixel;
  std::uint8_t* const stretched = SampleRow(blockRow * kSupersample) + first * kBlockBytes;
  std::uint8_t* target = stretched;
  for (int i = first; i <= last; ++i, source += 3) {
    for (int k = 0; k < kSupersample; ++k, target += 3) {
      target[0] = source[0];
      target[1] = source[1];
      target[2] = source[2];
    }
  }
  const std::size_t bytes = static_cast<std::size_t>(last - first + 1) * kBlockBytes;
  for (int k = 1; k < kSupersample; ++k) {
    std::memcpy(SampleRow(blockRow * kSupersample + k) + first * kBlockBytes, stretched, bytes);
  }
}

void SupersampledCanvas::EnsureStretched(int blockRow, int first, int last) {
  const int outputWidth = samples_.Width() / kSupersample;
  std::uint8_t* live = live_.data() + static_cast<std::size_t>(blockRow) * outputWidth;
  for (int i = first; i <= last;) {
    if (live[i]) {
      ++i;
      continue;
    }
    int runEnd = i;
    while (runEnd < last && !live[runEnd + 1]) ++runEnd;
    Stretch(blockRow, i, runEnd);
    std::fill(live + i, live + runEnd + 1, 1);
    i = runEnd + 1;
  }
  BlockSpan& range = range_[blockRow];
  if (range.Empty()) {
    range = {first, last};
  } else {
    range.first = std::min(range.first, first);
    range.last = std::max(range.last, last);
  }
}

void SupersampledCanvas::FillSpan(int y, int x0, int x1, Colour c) {
  if (!Limit(y, x0, x1)) return;
  EnsureStretched(y / kSupersample, x0 / kSupersample, (x1 - 1) / kSupersample);
  std::uint8_t* p = SampleRow(y) + x0 * Bitmap24::kBytesPerPixel;
  const std::uint8_t b = BlueOf(c), g = GreenOf(c), r = RedOf(c);
  for (int x = x0; x < x1; ++x, p += 3) {
    p[0] = b;
    p[1] = g;
    p[2] = r;
  }
}

void SupersampledCanvas::DarkenSpan(int y, int x0, int x1, ShadowMask& mask,
                                    const DarkenTable& table) {
  if (!Limit(y, x0, x1)) return;
  EnsureStretched(y / kSupersample, x0 / kSupersample, (x1 - 1) / kSupersample);
  std::uint8_t* row = SampleRow(y);
  mask.Cover(y, x0, x1, [row, &table](int x) {
    std::uint8_t* s = row + x * Bitmap24::kBytesPerPixel;
    s[0] = table[s[0]];
    s[1] = table[s[1]];
    s[2] = table[s[2]];
  });
}

void SupersampledCanvas::ReduceLiveBlocks(int blockRow, Bitmap24& output) {
  BlockSpan& range = range_[blockRow];
  std::uint8_t* live = live_.data() + static_cast<std::size_t>(blockRow) * output.Width();
  for (int i = range.first; i <= range.last;) {
    if (!live[i]) {
      ++i;
      continue;
    }
    int runEnd = i;
    while (runEnd < range.last && live[runEnd + 1]) ++runEnd;
    ReduceBlocks(samples_, blockRow - bandTop_, i, runEnd, output.Row(blockRow));
    std::fill(live + i, live + runEnd + 1, 0);
    i = runEnd + 1;
  }
  range.Clear();
}

void SupersampledCanvas::ReduceInto(Bitmap24& output) {
  if (background_ == nullptr) return;
  const int top = FirstRow() / kSupersample, bottom = EndRow() / kSupersample;
  for (int blockRow = top; blockRow < bottom; ++blockRow) {
    const BlockSpan columns = limit_ ? limit_->Row(blockRow) : BlockSpan{0, output.Width() - 1};
    if (columns.Empty()) continue;
    const std::size_t left = static_cast<std::size_t>(columns.first) * Bitmap24::kBytesPerPixel;
    const std::size_t bytes = static_cast<std::size_t>(columns.last - columns.first + 1) * Bitmap24::kBytesPerPixel;
    std::memcpy(output.Row(blockRow) + left, background_->Row(blockRow) + left, bytes);
    if (!range_[blockRow].Empty()) ReduceLiveBlocks(blockRow, output);
  }
}

}  // namespace tikolvo

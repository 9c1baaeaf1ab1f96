#include "render/bitmap.h"

#include <algorithm>
#include <cstring>

namespace tikolvo {
namespace {

int NonNegative(int v) { return v < 0 ? 0 : v; }

void ResizeStorage(std::vector<std::uint8_t>& bytes, std::size_t size) {
  if (bytes.size() < size) bytes.resize(size);
  std::fill(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size), 0);
}

}  // namespace

void Bitmap24::Resize(int width, int height) {
  width_ = NonNegative(width);
  height_ = NonNegative(height);
  ResizeStorage(bytes_, Stride() * height_);
}

Colour Bitmap24::Pixel(int x, int y) const {
  const std::uint8_t* p = Row(y) + x * kBytesPerPixel;
  return MakeColour(p[2], p[1], p[0]);
}

void Bitmap24::SetPixel(int x, int y, Colour c) {
  std::uint8_t* p = Row(y) + x * kBytesPerPixel;
  p[0] = BlueOf(c);
  p[1] = GreenOf(c);
  p[2] = RedOf(c);
}

void Bitmap24::Fill(Colour c) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) SetPixel(x, y, c);
  }
}

bool Bitmap24::operator==(const Bitmap24& other) const {
  if (width_ != other.width_ || height_ != other.height_) return false;
  const std::size_t size = Stride() * height_;
  return size == 0 || std::memcmp(bytes_.data(), other.bytes_.data(), size) == 0;
}

void Bitmap32::Resize(int width, int height) {
  width_ = NonNegative(width);
  height_ = NonNegative(height);
  ResizeStorage(bytes_, Stride() * height_);
}

Colour Bitmap32::Pixel(int x, int y) const {
  const std::uint8_t* p = Row(y) + x * kBytesPerPixel;
  return MakeColour(p[2], p[1], p[0]);
}

void Bitmap32::SetPixel(int x, int y, Colour c, std::uint8_t alpha) {
  std::uint8_t* p = Row(y) + x * kBytesPerPixel;
  p[0] = BlueOf(c);
  p[1] = GreenOf(c);
  p[2] = RedOf(c);
  p[3] = alpha;
}

void CopyBitmap(const Bitmap24& source, Bitmap24& target, int x, int y) {
  const int left = std::max(0, x), top = std::max(0, y);
  const int right = std::min(target.Width(), x + source.Width());
  const int bottom = std::min(target.Height(), y + source.Height());
  if (left >= right) return;
  const std::size_t bytes = static_cast<std::size_t>(right - left) * Bitmap24::kBytesPerPixel;
  for (int row = top; row < bottom; ++row) {
    std::memcpy(target.Row(row) + left * Bitmap24::kBytesPerPixel,
                source.Row(row - y) + (left - x) * Bitmap24::kBytesPerPixel, bytes);
  }
}

void CutRectangle(const Bitmap24& source, int left, int top, Bitmap24& target) {
  target.Resize(target.Width(), target.Height());  // clears to black
  CopyBitmap(source, target, -left, -top);
}

}  // namespace tikolvo

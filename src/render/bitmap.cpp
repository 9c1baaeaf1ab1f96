#include "render/bitmap.h"

#include <algorithm>
#include <cstring>

namespace tikolvo {

void Bitmap24::Fill(Colour c) {
  for (int y = 0; y < Height(); ++y) {
    for (int x = 0; x < Width(); ++x) SetPixel(x, y, c);
  }
}

bool Bitmap24::operator==(const Bitmap24& other) const {
  if (Width() != other.Width() || Height() != other.Height()) return false;
  return ByteCount() == 0 || std::memcmp(Bytes(), other.Bytes(), ByteCount()) == 0;
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

#pragma once
// Our own pictures: rows top to bottom, no row padding.
//  - Bitmap24: 3 bytes a pixel in blue, green, red order (the byte order of a
//    24-bit device-independent bitmap, so the Win32 side can hand rows over as
//    they are).
//  - Bitmap32: 4 bytes a pixel, blue, green, red, alpha, colour premultiplied
//    by alpha (the form a per-pixel-alpha window takes).
// Colours travel as 0x00BBGGRR, red in the low byte, as everywhere else in the
// program.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tikolvo {

using Colour = std::uint32_t;  // 0x00BBGGRR

constexpr std::uint8_t RedOf(Colour c) { return static_cast<std::uint8_t>(c); }
constexpr std::uint8_t GreenOf(Colour c) { return static_cast<std::uint8_t>(c >> 8); }
constexpr std::uint8_t BlueOf(Colour c) { return static_cast<std::uint8_t>(c >> 16); }
constexpr Colour MakeColour(int red, int green, int blue) {
  return static_cast<Colour>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}

// Rows of pixels of kBytes each, shared by both kinds of picture.
template <int kBytes>
class PixelRows {
 public:
  static constexpr int kBytesPerPixel = kBytes;

  // New size, contents zero (black). Keeps the storage when it is big enough,
  // so resizing back and forth does not allocate.
  void Resize(int width, int height) {
    width_ = width < 0 ? 0 : width;
    height_ = height < 0 ? 0 : height;
    const std::size_t size = Stride() * static_cast<std::size_t>(height_);
    if (bytes_.size() < size) bytes_.resize(size);
    std::fill(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(size), std::uint8_t{0});
  }

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  std::size_t Stride() const { return static_cast<std::size_t>(width_) * kBytesPerPixel; }

  std::uint8_t* Row(int y) { return bytes_.data() + y * Stride(); }
  const std::uint8_t* Row(int y) const { return bytes_.data() + y * Stride(); }

  // Colour part 0x00BBGGRR (for Bitmap32 as stored, premultiplied).
  Colour Pixel(int x, int y) const {
    const std::uint8_t* p = Row(y) + x * kBytesPerPixel;
    return MakeColour(p[2], p[1], p[0]);
  }

 protected:
  void PutColour(int x, int y, Colour c) {
    std::uint8_t* p = Row(y) + x * kBytesPerPixel;
    p[0] = BlueOf(c);
    p[1] = GreenOf(c);
    p[2] = RedOf(c);
  }
  std::size_t ByteCount() const { return Stride() * static_cast<std::size_t>(height_); }
  const std::uint8_t* Bytes() const { return bytes_.data(); }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> bytes_;
};

class Bitmap24 : public PixelRows<3> {
 public:
  Bitmap24() = default;
  Bitmap24(int width, int height) { Resize(width, height); }

  void SetPixel(int x, int y, Colour c) { PutColour(x, y, c); }
  void Fill(Colour c);

  bool operator==(const Bitmap24& other) const;
};

class Bitmap32 : public PixelRows<4> {
 public:
  Bitmap32() = default;
  Bitmap32(int width, int height) { Resize(width, height); }

  std::uint8_t Alpha(int x, int y) const { return Row(y)[x * kBytesPerPixel + 3]; }
  void SetPixel(int x, int y, Colour c, std::uint8_t alpha) {
    PutColour(x, y, c);
    Row(y)[x * kBytesPerPixel + 3] = alpha;
  }
};

// Copies `source` into `target` with its top-left corner at (x, y); whatever
// falls outside the target is left out.
void CopyBitmap(const Bitmap24& source, Bitmap24& target, int x, int y);

// Copies the rectangle of `source` that starts at (left, top) and has the
// size of `target` into `target`; parts outside the source become black.
void CutRectangle(const Bitmap24& source, int left, int top, Bitmap24& target);

}  // namespace tikolvo

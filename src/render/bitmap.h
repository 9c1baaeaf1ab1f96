#pragma once
// Our own pictures: rows top to bottom, no row padding.
//  - Bitmap24: 3 bytes a pixel in blue, green, red order (the byte order of a
//    24-bit device-independent bitmap, so the Win32 side can hand rows over as
//    they are).
//  - Bitmap32: 4 bytes a pixel, blue, green, red, alpha, colour premultiplied
//    by alpha (the form a per-pixel-alpha window takes).
// Colours travel as 0x00BBGGRR, red in the low byte, as everywhere else in the
// program.
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

class Bitmap24 {
 public:
  static constexpr int kBytesPerPixel = 3;

  Bitmap24() = default;
  Bitmap24(int width, int height) { Resize(width, height); }

  // New size, contents zero (black). Keeps the storage when it is big enough,
  // so resizing back and forth does not allocate.
  void Resize(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  std::size_t Stride() const { return static_cast<std::size_t>(width_) * kBytesPerPixel; }

  std::uint8_t* Row(int y) { return bytes_.data() + y * Stride(); }
  const std::uint8_t* Row(int y) const { return bytes_.data() + y * Stride(); }

  Colour Pixel(int x, int y) const;
  void SetPixel(int x, int y, Colour c);
  void Fill(Colour c);

  bool operator==(const Bitmap24& other) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> bytes_;
};

class Bitmap32 {
 public:
  static constexpr int kBytesPerPixel = 4;

  Bitmap32() = default;
  Bitmap32(int width, int height) { Resize(width, height); }

  void Resize(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  std::size_t Stride() const { return static_cast<std::size_t>(width_) * kBytesPerPixel; }

  std::uint8_t* Row(int y) { return bytes_.data() + y * Stride(); }
  const std::uint8_t* Row(int y) const { return bytes_.data() + y * Stride(); }

  // Colour part 0x00BBGGRR and alpha, as stored (premultiplied).
  Colour Pixel(int x, int y) const;
  std::uint8_t Alpha(int x, int y) const { return Row(y)[x * kBytesPerPixel + 3]; }
  void SetPixel(int x, int y, Colour c, std::uint8_t alpha);

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> bytes_;
};

// Copies `source` into `target` with its top-left corner at (x, y); whatever
// falls outside the target is left out.
void CopyBitmap(const Bitmap24& source, Bitmap24& target, int x, int y);

// Copies the rectangle of `source` that starts at (left, top) and has the
// size of `target` into `target`; parts outside the source become black.
void CutRectangle(const Bitmap24& source, int left, int top, Bitmap24& target);

}  // namespace tikolvo

#pragma once
// A decoded picture as the skin code hands it to the window layer: 32-bit
// pixels laid out like a top-down DIB section, so the Win32 side can copy the
// rows straight into a bitmap.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tikolvo {

// Decoders refuse anything larger: a skin picture is a few hundred pixels a
// side, and a hostile header must not make us allocate gigabytes.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr std::size_t kMaxPicturePixels = 16u * 1024 * 1024;  // 64 MiB of pixels

struct Picture {
  int width = 0;
  int height = 0;
  // 0xAARRGGBB, rows top to bottom. The alpha byte is what a 32-bit BMP
  // stored and zero for every other source.
  std::vector<std::uint32_t> pixels;
  // Bit depth of the source (1, 4, 8, 16, 24, 32; 24 for JPEG).
  int source_bits = 24;
  // The colour a skin marks as see-through, 0x00BBGGRR like every colour
  // in the program's files.
  std::uint32_t transparent_colour = 0xFFFFFF;

  bool empty() const { return width <= 0 || height <= 0; }
  std::uint32_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
  }
};

// Width and height a decoder may allocate for.
inline bool PictureSizeAcceptable(long long width, long long height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         static_cast<unsigned long long>(width) * static_cast<unsigned long long>(height) <= kMaxPicturePixels;
}

// 0xAARRGGBB pixel to the program's 0x00BBGGRR colour, and back (alpha 0).
inline std::uint32_t PixelToColour(std::uint32_t pixel) {
  return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
}
inline std::uint32_t ColourToPixel(std::uint32_t colour) { return PixelToColour(colour); }

}  // namespace tikolvo

#pragma once
// Turning painted pictures into the files a skin carries: uncompressed
// 24-bit BMP (what every reader of skins understands), and the program's own
// bitmap type for drawing hands into previews.
#include <cstdint>
#include <string>

#include "common/byte_io.h"
#include "render/bitmap.h"
#include "canvas.h"

namespace skins {

// Bottom-up rows padded to four bytes, BITMAPINFOHEADER, no palette.
template <typename PixelAt>
std::string EncodeBmp24(int width, int height, PixelAt pixel_bgr) {
  const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
  const std::uint32_t image_size = stride * static_cast<std::uint32_t>(height);
  tikolvo::ByteWriter out;
  out.Bytes("BM");
  out.U32(14 + 40 + image_size);
  out.U32(0);
  out.U32(14 + 40);
  out.U32(40);
  out.U32(static_cast<std::uint32_t>(width));
  out.U32(static_cast<std::uint32_t>(height));
  out.U16(1);
  out.U16(24);
  out.U32(0);  // no compression
  out.U32(image_size);
  out.U32(3780);  // 96 dots an inch
  out.U32(3780);
  out.U32(0);
  out.U32(0);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = pixel_bgr(x, y);
      out.U8(static_cast<std::uint8_t>(c >> 16));  // blue
      out.U8(static_cast<std::uint8_t>(c >> 8));   // green
      out.U8(static_cast<std::uint8_t>(c));        // red
    }
    out.Zeros(stride - static_cast<std::uint32_t>(width) * 3);
  }
  return out.Take();
}

inline std::string EncodeBmp24(const Canvas& picture) {
  return EncodeBmp24(picture.Width(), picture.Height(),
                     [&](int x, int y) { return ToBgr(picture.At(x, y)); });
}

// A window mask: pure white where the shape covers less than half a pixel
// (cut away), black where it is kept.
inline std::string EncodeCutMask(const Plane& coverage) {
  return EncodeBmp24(coverage.Width(), coverage.Height(),
                     [&](int x, int y) { return coverage.At(x, y) >= 0.5 ? 0x000000u : 0xFFFFFFu; });
}

// An opacity mask: grey, brightness = opacity.
inline std::string EncodeAlphaMask(const Plane& alpha) {
  return EncodeBmp24(alpha.Width(), alpha.Height(), [&](int x, int y) {
    const std::uint32_t v = Channel(alpha.At(x, y) * 255);
    return v | v << 8 | v << 16;
  });
}

inline tikolvo::Bitmap24 ToBitmap(const Canvas& picture) {
  tikolvo::Bitmap24 out(picture.Width(), picture.Height());
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) out.SetPixel(x, y, ToBgr(picture.At(x, y)));
  return out;
}

inline Canvas FromBitmap(const tikolvo::Bitmap24& bitmap) {
  Canvas out(bitmap.Width(), bitmap.Height());
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) out.At(x, y) = FromBgr(bitmap.Pixel(x, y));
  return out;
}

// Opacity quantised as the mask file stores it, as a grey bitmap.
inline tikolvo::Bitmap24 AlphaBitmap(const Plane& alpha) {
  tikolvo::Bitmap24 out(alpha.Width(), alpha.Height());
  for (int y = 0; y < alpha.Height(); ++y)
    for (int x = 0; x < alpha.Width(); ++x) {
      const int v = Channel(alpha.At(x, y) * 255);
      out.SetPixel(x, y, tikolvo::MakeColour(v, v, v));
    }
  return out;
}

}  // namespace skins

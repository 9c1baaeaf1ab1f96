#pragma once
// BMP files of the generated pictures: 32-bit with straight alpha (what
// comctl32 image lists and our own loader read), 24-bit for opaque pictures
// and 1-bit for masks (white = see-through). Rows are stored bottom-up.
#include <cstdint>
#include <string>

#include "skin/picture.h"

namespace pictures {

namespace detail {

inline void Put16(std::string& out, unsigned v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}

inline void Put32(std::string& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

inline std::size_t RowBytes(int width, int bits) { return ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4; }

// File header, info header and palette for a picture of the given depth.
inline std::string Headers(const tikolvo::Picture& picture, int bits, unsigned paletteEntries) {
  const std::uint32_t headers = 14 + 40 + 4 * paletteEntries;
  const std::uint32_t image = static_cast<std::uint32_t>(RowBytes(picture.width, bits) * picture.height);
  std::string out = "BM";
  Put32(out, headers + image);
  Put32(out, 0);
  Put32(out, headers);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(picture.width));
  Put32(out, static_cast<std::uint32_t>(picture.height));
  Put16(out, 1);
  Put16(out, static_cast<unsigned>(bits));
  Put32(out, 0);  // BI_RGB
  Put32(out, image);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, paletteEntries);
  Put32(out, 0);
  return out;
}

}  // namespace detail

// 32 bits: blue, green, red, alpha per pixel; 24 bits drop the alpha.
inline std::string EncodeBmp(const tikolvo::Picture& picture, int bits) {
  std::string out = detail::Headers(picture, bits, 0);
  const std::size_t row = detail::RowBytes(picture.width, bits);
  for (int y = picture.height - 1; y >= 0; --y) {
    std::string line;
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t p = picture.At(x, y);
      line += static_cast<char>(p & 0xFF);
      line += static_cast<char>((p >> 8) & 0xFF);
      line += static_cast<char>((p >> 16) & 0xFF);
      if (bits == 32) line += static_cast<char>(p >> 24);
    }
    line.resize(row, '\0');
    out += line;
  }
  return out;
}

// A mask: palette black, white; a pixel whose colour is white sets its bit.
inline std::string EncodeMaskBmp(const tikolvo::Picture& mask) {
  std::string out = detail::Headers(mask, 1, 2);
  detail::Put32(out, 0x000000);
  detail::Put32(out, 0xFFFFFF);
  const std::size_t row = detail::RowBytes(mask.width, 1);
  for (int y = mask.height - 1; y >= 0; --y) {
    std::string line(row, '\0');
    for (int x = 0; x < mask.width; ++x)
      if ((mask.At(x, y) & 0xFFFFFF) == 0xFFFFFF) line[x / 8] = static_cast<char>(line[x / 8] | (0x80 >> (x % 8)));
    out += line;
  }
  return out;
}

}  // namespace pictures

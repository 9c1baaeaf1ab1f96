#pragma once
// Small BMP files in every variant the picture decoder reads: 1, 4 and 8 bits
// with palettes, 16 bits as 5-5-5 and as 5-6-5 bit fields, 24 and 32 bits,
// alpha bit fields, RLE8 and RLE4 (runs, absolute runs, a delta, line ends),
// top-down rows, and the core, info, V2, V3, V4 and V5 headers. The picture
// is 13 x 7 so every depth needs row padding.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "common/byte_io.h"

namespace fuzz_seeds {

constexpr int kBmpWidth = 13, kBmpHeight = 7;

inline int PaletteIndex(int x, int y, int colours) { return (x + 3 * y) % colours; }

inline std::uint32_t PaletteColour(int index) {  // 0x00RRGGBB
  return static_cast<std::uint32_t>((index * 53 % 256) << 16 | (index * 97 % 256) << 8 | (index * 31 % 256));
}

inline std::uint32_t TrueColour(int x, int y) {
  return static_cast<std::uint32_t>((x * 19 % 256) << 16 | (y * 37 % 256) << 8 | ((x + y) * 11 % 256));
}

struct BmpSpec {
  int bits = 24;
  std::uint32_t compression = 0;  // 0 RGB, 1 RLE8, 2 RLE4, 3 bit fields, 6 alpha bit fields
  std::uint32_t header = 40;      // 12 core, 40 info, 52, 56, 108, 124
  bool topDown = false;
  std::uint32_t masks[4] = {0, 0, 0, 0};
};

inline std::string PackedIndexRow(int y, int bits) {
  const int colours = 1 << bits;
  std::string row(((kBmpWidth * bits + 31) / 32) * 4, '\0');
  for (int x = 0; x < kBmpWidth; ++x) {
    const int bit = x * bits;
    row[bit / 8] = static_cast<char>(row[bit / 8] | PaletteIndex(x, y, colours) << (8 - bits - bit % 8));
  }
  return row;
}

inline std::uint32_t Channel(std::uint32_t colour8, std::uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (!(mask >> shift & 1)) ++shift;
  const std::uint32_t max = mask >> shift;
  return (colour8 * max / 255) << shift;
}

inline std::string TrueColourRow(int y, const BmpSpec& spec) {
  tikolvo::ByteWriter row;
  for (int x = 0; x < kBmpWidth; ++x) {
    const std::uint32_t c = TrueColour(x, y);
    const std::uint32_t r = c >> 16 & 0xFF, g = c >> 8 & 0xFF, b = c & 0xFF, a = (x * 20) & 0xFF;
    if (spec.bits == 24) {
      row.U8(static_cast<std::uint8_t>(b));
      row.U8(static_cast<std::uint8_t>(g));
      row.U8(static_cast<std::uint8_t>(r));
      continue;
    }
    const bool fields = spec.compression == 3 || spec.compression == 6;
    const std::uint32_t* m = spec.masks;
    if (spec.bits == 16) {
      row.U16(static_cast<std::uint16_t>(fields ? Channel(r, m[0]) | Channel(g, m[1]) | Channel(b, m[2])
                                                : (r >> 3) << 10 | (g >> 3) << 5 | b >> 3));
    } else {
      row.U32(fields ? Channel(r, m[0]) | Channel(g, m[1]) | Channel(b, m[2]) | Channel(a, m[3])
                     : r << 16 | g << 8 | b);
    }
  }
  std::string bytes = row.Take();
  bytes.resize(((kBmpWidth * spec.bits + 31) / 32) * 4, '\0');
  return bytes;
}

// RLE rows, bottom-up: the bottom row as one absolute run, a delta that
// skips a row, then encoded runs of two indices each, line ends and the end.
inline std::string RlePixels(int bits) {
  const int colours = 1 << bits;
  tikolvo::ByteWriter out;
  out.U8(0);
  out.U8(kBmpWidth);
  std::string absolute;
  for (int x = 0; x < kBmpWidth; ++x) {
    const int index = PaletteIndex(x, kBmpHeight - 1, colours);
    if (bits == 8) absolute += static_cast<char>(index);
    else if (x % 2 == 0) absolute += static_cast<char>(index << 4);
    else absolute.back() = static_cast<char>(absolute.back() | index);
  }
  if (absolute.size() % 2) absolute += '\0';
  out.Bytes(absolute);
  out.U8(0);
  out.U8(0);
  out.Bytes(std::string("\0\2\0\1", 4));  // delta: one row up
  for (int y = kBmpHeight - 3; y >= 0; --y) {
    for (int x = 0; x < kBmpWidth; x += 2) {
      const int count = x + 2 <= kBmpWidth ? 2 : 1;
      const int first = PaletteIndex(x, y, colours), second = PaletteIndex(x + 1, y, colours);
      out.U8(static_cast<std::uint8_t>(count));
      out.U8(static_cast<std::uint8_t>(bits == 8 ? first : first << 4 | second));
    }
    out.U8(0);
    out.U8(0);
  }
  out.U8(0);
  out.U8(1);
  return out.Take();
}

inline std::string BmpPixels(const BmpSpec& spec) {
  if (spec.compression == 1) return RlePixels(8);
  if (spec.compression == 2) return RlePixels(4);
  std::string pixels;
  for (int i = 0; i < kBmpHeight; ++i) {
    const int y = spec.topDown ? i : kBmpHeight - 1 - i;
    pixels += spec.bits <= 8 ? PackedIndexRow(y, spec.bits) : TrueColourRow(y, spec);
  }
  return pixels;
}

inline std::string BmpHeaders(const BmpSpec& spec, std::uint32_t paletteBytes, std::uint32_t imageSize) {
  const bool core = spec.header == 12;
  const bool masksAfter = spec.header == 40 && (spec.compression == 3 || spec.compression == 6);
  const std::uint32_t maskBytes = masksAfter ? (spec.compression == 6 ? 16 : 12) : 0;
  const std::uint32_t offset = 14 + spec.header + maskBytes + paletteBytes;
  tikolvo::ByteWriter out;
  out.Bytes("BM");
  out.U32(offset + imageSize);
  out.U32(0);
  out.U32(offset);
  out.U32(spec.header);
  if (core) {
    out.U16(kBmpWidth);
    out.U16(kBmpHeight);
    out.U16(1);
    out.U16(static_cast<std::uint16_t>(spec.bits));
    return out.Take();
  }
  out.I32(kBmpWidth);
  out.I32(spec.topDown ? -kBmpHeight : kBmpHeight);
  out.U16(1);
  out.U16(static_cast<std::uint16_t>(spec.bits));
  out.U32(spec.compression);
  out.U32(imageSize);
  out.U32(2835);
  out.U32(2835);
  out.U32(spec.bits <= 8 ? paletteBytes / 4 : 0);
  out.U32(0);
  const int masksInHeader = spec.header >= 56 ? 4 : spec.header >= 52 ? 3 : 0;
  for (int i = 0; i < (masksAfter ? (spec.compression == 6 ? 4 : 3) : masksInHeader); ++i) out.U32(spec.masks[i]);
  if (spec.header > 56) out.Zeros(spec.header - 56);  // colour space, end points, gamma, intent
  return out.Take();
}

inline std::string EncodeBmpVariant(const BmpSpec& spec) {
  std::string palette;
  if (spec.bits <= 8) {
    tikolvo::ByteWriter entries;
    for (int i = 0; i < (1 << spec.bits); ++i) {
      const std::uint32_t c = PaletteColour(i);
      entries.U8(static_cast<std::uint8_t>(c));
      entries.U8(static_cast<std::uint8_t>(c >> 8));
      entries.U8(static_cast<std::uint8_t>(c >> 16));
      if (spec.header != 12) entries.U8(0);
    }
    palette = entries.Take();
  }
  const std::string pixels = BmpPixels(spec);
  return BmpHeaders(spec, static_cast<std::uint32_t>(palette.size()), static_cast<std::uint32_t>(pixels.size())) +
         palette + pixels;
}

inline std::map<std::string, std::string> BmpSeeds() {
  const BmpSpec specs[] = {
      {1, 0, 40},
      {4, 0, 40},
      {8, 0, 40},
      {8, 0, 40, true},
      {16, 0, 40},
      {16, 3, 40, false, {0xF800, 0x07E0, 0x001F, 0}},
      {24, 0, 40},
      {24, 0, 40, true},
      {32, 0, 40},
      {32, 3, 40, false, {0xFF0000, 0xFF00, 0xFF, 0}},
      {32, 6, 40, false, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}},
      {16, 3, 52, false, {0x7C00, 0x03E0, 0x001F, 0}},
      {32, 3, 56, false, {0xFF, 0xFF00, 0xFF0000, 0xFF000000}},
      {32, 3, 108, true, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}},
      {24, 0, 124},
      {8, 1, 40},
      {4, 2, 40},
      {1, 0, 12},
      {8, 0, 12},
      {24, 0, 12},
  };
  std::map<std::string, std::string> seeds;
  for (const BmpSpec& spec : specs) {
    std::string name = std::to_string(spec.bits) + "bit_c" + std::to_string(spec.compression) + "_h" +
                       std::to_string(spec.header) + (spec.topDown ? "_topdown" : "") + ".bmp";
    seeds[name] = EncodeBmpVariant(spec);
  }
  return seeds;
}

}  // namespace fuzz_seeds

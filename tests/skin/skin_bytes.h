#pragma once
// Byte-building helpers for the skin tests. Archives, banks and pictures are
// assembled here field by field at their documented offsets, never through
// the program's own reader or the packing tools.
#include <zlib.h>

// GCC 12 warns about every designated initializer that leaves a member to
// its default, which is the point of using them in these tests.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tikolvo::test {

inline std::string Zlib(std::string_view data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::string out(size, '\0');
  compress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
           static_cast<uLong>(data.size()));
  out.resize(size);
  return out;
}

inline void PutU8(std::string& bytes, std::size_t at, std::uint8_t value) {
  if (bytes.size() < at + 1) bytes.resize(at + 1, '\0');
  bytes[at] = static_cast<char>(value);
}

inline void PutU16(std::string& bytes, std::size_t at, std::uint16_t value) {
  PutU8(bytes, at, value & 0xFF);
  PutU8(bytes, at + 1, value >> 8);
}

inline void PutU32(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) PutU8(bytes, at + i, (value >> (8 * i)) & 0xFF);
}

inline void PutBytes(std::string& bytes, std::size_t at, std::string_view data) {
  if (bytes.size() < at + data.size()) bytes.resize(at + data.size(), '\0');
  bytes.replace(at, data.size(), data);
}

// The fields a test sets in one directory entry.
struct Slot {
  std::uint32_t offset = 0;
  std::uint32_t size = 0;
  std::string name;
  std::uint32_t transparent = 0xFFFFFF;
  std::uint32_t map_key = 0;
  bool jpeg = false;
  bool present = true;
};

// A .tks archive laid out by hand: header, then entries written into their
// slots at 12 + 56 × slot, members appended wherever the test says.
class ArchiveBytes {
 public:
  explicit ArchiveBytes(std::uint32_t skin_type = 1) : bytes(1356, '\0') {
    PutU8(bytes, 0, 4);
    PutBytes(bytes, 1, "TKSF");
    PutU32(bytes, 8, skin_type);
  }

  void SetEntry(int slot, const Slot& s) {
    const std::size_t e = 12 + 56 * static_cast<std::size_t>(slot);
    PutU32(bytes, e + 0, 0x12345678);  // marker, never read
    PutU32(bytes, e + 4, s.offset);
    PutU32(bytes, e + 8, 1);
    PutU32(bytes, e + 12, s.transparent);
    PutU32(bytes, e + 16, s.size);
    PutU8(bytes, e + 20, static_cast<std::uint8_t>(s.name.size()));
    PutBytes(bytes, e + 21, s.name);
    PutU32(bytes, e + 48, s.map_key);
    PutU8(bytes, e + 52, s.jpeg ? 1 : 0);
    PutU8(bytes, e + 53, s.present ? 1 : 0);
  }

  // Appends the member's zlib stream at the end and points the slot at it.
  void AddMember(int slot, const std::string& name, std::string_view content, Slot s = {}) {
    const std::string packed = Zlib(content);
    s.offset = static_cast<std::uint32_t>(bytes.size());
    s.size = static_cast<std::uint32_t>(packed.size());
    s.name = name;
    bytes += packed;
    SetEntry(slot, s);
  }

  std::string bytes;
};

// A 24-bit bottom-up BMP built by hand; pixels are 0x00RRGGBB, top row first.
inline std::string Bmp24(int width, int height, const std::vector<std::uint32_t>& pixels) {
  const int stride = (width * 3 + 3) / 4 * 4;
  std::string bmp;
  PutBytes(bmp, 0, "BM");
  PutU32(bmp, 2, 54 + stride * height);
  PutU32(bmp, 10, 54);
  PutU32(bmp, 14, 40);
  PutU32(bmp, 18, static_cast<std::uint32_t>(width));
  PutU32(bmp, 22, static_cast<std::uint32_t>(height));
  PutU16(bmp, 26, 1);
  PutU16(bmp, 28, 24);
  bmp.resize(54 + static_cast<std::size_t>(stride) * height, '\0');
  for (int y = 0; y < height; ++y) {
    const std::size_t row = 54 + static_cast<std::size_t>(stride) * (height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + x];
      PutU8(bmp, row + 3 * x, p & 0xFF);
      PutU8(bmp, row + 3 * x + 1, (p >> 8) & 0xFF);
      PutU8(bmp, row + 3 * x + 2, (p >> 16) & 0xFF);
    }
  }
  return bmp;
}

}  // namespace tikolvo::test

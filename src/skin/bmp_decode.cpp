#include "skin/bmp_decode.h"

#include <bit>
#include <cstdint>
#include <vector>

#include "common/byte_io.h"
#include "skin/bmp_rle.h"

namespace tikolvo {
namespace {

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kLargestHeaderSize = 124;  // BITMAPV5HEADER

struct BmpLayout {
  int width = 0;
  int height = 0;
  bool top_down = false;
  int bits = 0;
  std::uint32_t compression = kRgb;
  std::uint32_t colour_count = 0;  // palette entries the header announces
  std::uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
  bool core_palette = false;  // 3-byte entries instead of 4
  std::uint32_t pixel_offset = 0;  // from the file header
};

void ReadCoreHeader(ByteReader& in, BmpLayout& bmp) {
  bmp.width = in.U16();
  bmp.height = in.U16();
  in.Skip(2);  // planes
  bmp.bits = in.U16();
  bmp.core_palette = true;
}

// BITMAPINFOHEADER and its longer successors, which add the channel masks.
bool ReadInfoHeader(ByteReader& in, std::uint32_t header_size, BmpLayout& bmp) {
  bmp.width = in.I32();
  const std::int32_t height = in.I32();
  if (height == INT32_MIN) return false;
  bmp.top_down = height < 0;
  bmp.height = height < 0 ? -height : height;
  in.Skip(2);  // planes
  bmp.bits = in.U16();
  bmp.compression = in.U32();
  in.Skip(12);  // image size, resolution
  bmp.colour_count = in.U32();
  in.Skip(4);  // important colours
  std::size_t mask_count = header_size >= 56 ? 4 : header_size >= 52 ? 3 : 0;
  if (header_size == kInfoHeaderSize) {
    // The short header keeps its masks right after itself.
    mask_count = bmp.compression == kBitFields ? 3 : bmp.compression == kAlphaBitFields ? 4 : 0;
  }
  for (std::size_t i = 0; i < mask_count; ++i) bmp.masks[i] = in.U32();
  if (header_size > kInfoHeaderSize) in.Skip(header_size - kInfoHeaderSize - 4 * mask_count);
  return in.ok();
}

bool DepthAndCompressionMatch(const BmpLayout& bmp) {
  switch (bmp.compression) {
    case kRgb:
      return bmp.bits == 1 || bmp.bits == 4 || bmp.bits == 8 || bmp.bits == 16 || bmp.bits == 24 ||
             bmp.bits == 32;
    case kRle8: return bmp.bits == 8 && !bmp.top_down;
    case kRle4: return bmp.bits == 4 && !bmp.top_down;
    case kBitFields:
    case kAlphaBitFields: return bmp.bits == 16 || bmp.bits == 32;
    default: return false;
  }
}

std::optional<std::vector<std::uint32_t>> ReadPalette(ByteReader& in, const BmpLayout& bmp) {
  std::uint32_t count = 0;
  if (bmp.bits <= 8) count = bmp.colour_count != 0 ? bmp.colour_count : 1u << bmp.bits;
  // Larger depths may carry an optional palette; it is only skipped.
  else if (!bmp.core_palette) count = bmp.colour_count;
  if (count > 256) count = 256;
  std::vector<std::uint32_t> palette;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint32_t blue = in.U8(), green = in.U8(), red = in.U8();
    if (!bmp.core_palette) in.Skip(1);
    palette.push_back((red << 16) | (green << 8) | blue);
  }
  if (!in.ok()) return std::nullopt;
  return palette;
}

// One channel cut out by its mask and scaled to 8 bits.
std::uint32_t MaskedChannel(std::uint32_t value, std::uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const std::uint64_t max = (std::uint64_t{1} << std::popcount(mask >> shift)) - 1;
  const std::uint64_t level = std::uint64_t{(value & mask) >> shift} & max;
  return static_cast<std::uint32_t>(level * 255 / max);
}

class PixelRowReader {
 public:
  PixelRowReader(const BmpLayout& bmp, const std::vector<std::uint32_t>& palette) : bmp_(bmp), palette_(palette) {
    if (bmp.compression == kRgb && bmp.bits == 16) {
      masks_[0] = 0x7C00, masks_[1] = 0x03E0, masks_[2] = 0x001F;  // 5-5-5
    } else {
      for (int i = 0; i < 4; ++i) masks_[i] = bmp.masks[i];
    }
  }

  void Decode(const unsigned char* row, std::uint32_t* out) const {
    for (int x = 0; x < bmp_.width; ++x) out[x] = Pixel(row, x);
  }

 private:
  std::uint32_t Pixel(const unsigned char* row, int x) const {
    switch (bmp_.bits) {
      case 1: return Indexed((row[x / 8] >> (7 - x % 8)) & 1);
      case 4: return Indexed((x % 2 == 0) ? row[x / 2] >> 4 : row[x / 2] & 0x0F);
      case 8: return Indexed(row[x]);
      case 16: return FromMasks(row[2 * x] | (row[2 * x + 1] << 8));
      case 24: return (row[3 * x + 2] << 16) | (row[3 * x + 1] << 8) | row[3 * x];
      default: {
        const unsigned char* p = row + 4 * static_cast<std::size_t>(x);
        const std::uint32_t value = p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t{p[3]} << 24);
        return bmp_.compression == kRgb ? value : FromMasks(value);
      }
    }
  }
  // An index the palette does not cover shows black, as a DIB would.
  std::uint32_t Indexed(unsigned index) const { return index < palette_.size() ? palette_[index] : 0; }
  std::uint32_t FromMasks(std::uint32_t value) const {
    return (MaskedChannel(value, masks_[3]) << 24) | (MaskedChannel(value, masks_[0]) << 16) |
           (MaskedChannel(value, masks_[1]) << 8) | MaskedChannel(value, masks_[2]);
  }

  const BmpLayout& bmp_;
  const std::vector<std::uint32_t>& palette_;
  std::uint32_t masks_[4] = {0, 0, 0, 0};
};

std::uint64_t RowStride(const BmpLayout& bmp) {
  return (static_cast<std::uint64_t>(bmp.width) * bmp.bits + 31) / 32 * 4;
}

// The last row's padding may be missing; its pixels may not.
bool HoldsAllRows(std::string_view data, const BmpLayout& bmp) {
  const std::uint64_t last_row_bytes = (static_cast<std::uint64_t>(bmp.width) * bmp.bits + 7) / 8;
  return RowStride(bmp) * (bmp.height - 1) + last_row_bytes <= data.size();
}

void DecodeUncompressed(std::string_view data, const BmpLayout& bmp, const std::vector<std::uint32_t>& palette,
                        Picture& picture) {
  const std::uint64_t stride = RowStride(bmp);
  const PixelRowReader reader(bmp, palette);
  for (int r = 0; r < bmp.height; ++r) {
    const int y = bmp.top_down ? r : bmp.height - 1 - r;
    const auto* row = reinterpret_cast<const unsigned char*>(data.data()) + stride * r;
    reader.Decode(row, picture.pixels.data() + static_cast<std::size_t>(y) * bmp.width);
  }
}

bool DecodeRle(std::string_view data, const BmpLayout& bmp, const std::vector<std::uint32_t>& palette,
               Picture& picture) {
  const auto indices = ExpandBmpRle(data, bmp.width, bmp.height, bmp.bits);
  if (!indices) return false;
  for (int r = 0; r < bmp.height; ++r) {
    const int y = bmp.height - 1 - r;
    for (int x = 0; x < bmp.width; ++x) {
      const std::uint8_t index = (*indices)[static_cast<std::size_t>(r) * bmp.width + x];
      picture.pixels[static_cast<std::size_t>(y) * bmp.width + x] = index < palette.size() ? palette[index] : 0;
    }
  }
  return true;
}

// The file header and the info header of any kind; false when they are not
// a BMP's.
bool ReadHeaders(ByteReader& in, BmpLayout& bmp, std::uint32_t& header_size) {
  if (in.U8() != 'B' || in.U8() != 'M') return false;
  in.Skip(8);  // file size and reserved words; writers get the size wrong often
  bmp.pixel_offset = in.U32();
  header_size = in.U32();
  if (header_size == kCoreHeaderSize) {
    ReadCoreHeader(in, bmp);
  } else if (header_size < kInfoHeaderSize || header_size > kLargestHeaderSize ||
             !ReadInfoHeader(in, header_size, bmp)) {
    return false;
  }
  return in.ok();
}

}  // namespace

std::optional<PixelSize> BmpDimensions(std::string_view file) {
  ByteReader in(file);
  BmpLayout bmp;
  std::uint32_t header_size = 0;
  if (!ReadHeaders(in, bmp, header_size)) return std::nullopt;
  return PixelSize{bmp.width, bmp.height};
}

std::optional<Picture> DecodeBmp(std::string_view file) {
  ByteReader in(file);
  BmpLayout bmp;
  std::uint32_t header_size = 0;
  if (!ReadHeaders(in, bmp, header_size)) return std::nullopt;
  if (!PictureSizeAcceptable(bmp.width, bmp.height) || !DepthAndCompressionMatch(bmp)) {
    return std::nullopt;
  }
  const auto palette = ReadPalette(in, bmp);
  if (!palette) return std::nullopt;

  // The stated offset wins when it is plausible; otherwise the pixels
  // follow the palette, which is where every common writer puts them.
  std::size_t pixels_at = in.position();
  if (bmp.pixel_offset >= kFileHeaderSize + header_size && bmp.pixel_offset < file.size()) {
    pixels_at = bmp.pixel_offset;
  }
  const std::string_view data = file.substr(pixels_at);
  const bool rle = bmp.compression == kRle8 || bmp.compression == kRle4;
  // Checked before allocating, so a header cannot claim megabytes the file
  // does not have.
  if (!rle && !HoldsAllRows(data, bmp)) return std::nullopt;
  Picture picture;
  picture.width = bmp.width;
  picture.height = bmp.height;
  picture.source_bits = bmp.bits;
  picture.pixels.assign(static_cast<std::size_t>(bmp.width) * bmp.height, 0);
  if (rle) {
    if (!DecodeRle(data, bmp, *palette, picture)) return std::nullopt;
  } else {
    DecodeUncompressed(data, bmp, *palette, picture);
  }
  return picture;
}

}  // namespace tikolvo

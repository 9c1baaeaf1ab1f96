#include "skin/bmp_decode.h"

#include <gtest/gtest.h>

#include "skin_bytes.h"

namespace tikolvo {
namespace {

using test::PutBytes;
using test::PutU16;
using test::PutU32;

struct BmpSpec {
  int width = 0;
  int height = 0;  // negative for top-down rows
  int bits = 24;
  std::uint32_t compression = 0;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB, written as B, G, R, 0
  std::vector<std::uint32_t> masks;    // written right after a 40-byte header
  std::uint32_t colours_used = 0;
  std::string pixels;                  // exactly as stored in the file
};

// BITMAPFILEHEADER + BITMAPINFOHEADER written field by field.
std::string MakeBmp(const BmpSpec& s) {
  std::string bmp;
  const std::uint32_t pixel_offset =
      static_cast<std::uint32_t>(54 + 4 * s.masks.size() + 4 * s.palette.size());
  PutBytes(bmp, 0, "BM");
  PutU32(bmp, 2, pixel_offset + static_cast<std::uint32_t>(s.pixels.size()));
  PutU32(bmp, 10, pixel_offset);
  PutU32(bmp, 14, 40);
  PutU32(bmp, 18, static_cast<std::uint32_t>(s.width));
  PutU32(bmp, 22, static_cast<std::uint32_t>(s.height));
  PutU16(bmp, 26, 1);
  PutU16(bmp, 28, static_cast<std::uint16_t>(s.bits));
  PutU32(bmp, 30, s.compression);
  PutU32(bmp, 46, s.colours_used);
  PutU32(bmp, 50, 0);
  std::size_t at = 54;
  for (std::uint32_t mask : s.masks) PutU32(bmp, at, mask), at += 4;
  for (std::uint32_t colour : s.palette) {
    PutU32(bmp, at, colour & 0xFFFFFF);  // B, G, R, reserved in little-endian order
    at += 4;
  }
  PutBytes(bmp, at, s.pixels);
  return bmp;
}

std::vector<std::uint32_t> Pixels(const std::optional<Picture>& picture) {
  return picture ? picture->pixels : std::vector<std::uint32_t>{0xDEAD};
}

TEST(BmpDecode, TwentyFourBitRowsArePaddedAndStoredBottomUp) {
  // 3 × 2: each row is 9 bytes + 3 of padding; the bottom row comes first.
  const std::string rows = std::string("\x00\x00\xFF" "\x00\xFF\x00" "\xFF\x00\x00" "PAD", 12) +
                           std::string("\x01\x02\x03" "\x04\x05\x06" "\x07\x08\x09" "PAD", 12);
  const auto picture = DecodeBmp(MakeBmp({.width = 3, .height = 2, .bits = 24, .pixels = rows}));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->source_bits, 24);
  EXPECT_EQ(Pixels(picture), (std::vector<std::uint32_t>{0x030201, 0x060504, 0x090807, 0xFF0000, 0x00FF00, 0x0000FF}));
  // Top-down storage reads the same bytes in the other order.
  EXPECT_EQ(Pixels(DecodeBmp(MakeBmp({.width = 3, .height = -2, .bits = 24, .pixels = rows}))),
            (std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0x030201, 0x060504, 0x090807}));
}

TEST(BmpDecode, PaletteDepthsPickColoursByIndex) {
  const std::vector<std::uint32_t> palette = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00};
  // 1 bit: 10 pixels, most significant bit first.
  EXPECT_EQ(Pixels(DecodeBmp(MakeBmp({.width = 10, .height = 1, .bits = 1, .palette = {0x112233, 0x445566},
                                      .pixels = std::string("\xA0\x40\x00\x00", 4)}))),
            (std::vector<std::uint32_t>{0x445566, 0x112233, 0x445566, 0x112233, 0x112233, 0x112233, 0x112233,
                                        0x112233, 0x112233, 0x445566}));
  // 4 bits: high nibble first.
  EXPECT_EQ(Pixels(DecodeBmp(MakeBmp({.width = 3, .height = 1, .bits = 4, .palette = palette,
                                      .colours_used = 4, .pixels = std::string("\x23\x10\x00\x00", 4)}))),
            (std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0xFFFFFF}));
  // 8 bits; an index beyond the palette shows black.
  EXPECT_EQ(Pixels(DecodeBmp(MakeBmp({.width = 3, .height = 1, .bits = 8, .palette = palette,
                                      .colours_used = 4, .pixels = std::string("\x03\x02\xC8\x00", 4)}))),
            (std::vector<std::uint32_t>{0x00FF00, 0xFF0000, 0x000000}));
}

TEST(BmpDecode, SixteenAndThirtyTwoBitPixels) {
  // 5-5-5 by default: 0x7C00 is full red, 0x001F full blue.
  EXPECT_EQ(Pixels(DecodeBmp(MakeBmp({.width = 2, .height = 1, .bits = 16, .pixels = std::string("\x00\x7C\x1F\x00", 4)}))),
            (std::vector<std::uint32_t>{0xFF0000, 0x0000FF}));
  // 5-6-5 through bit fields: 0x07E0 is full green.
  EXPECT_EQ(Pixels(DecodeBmp(MakeBmp({.width = 2, .height = 1, .bits = 16, .compression = 3,
                                      .masks = {0xF800, 0x07E0, 0x001F}, .pixels = std::string("\xE0\x07\x00\xF8", 4)}))),
            (std::vector<std::uint32_t>{0x00FF00, 0xFF0000}));
  // 32 bits keep the stored alpha byte.
  EXPECT_EQ(Pixels(DecodeBmp(MakeBmp({.width = 1, .height = 1, .bits = 32, .pixels = "\x10\x20\x30\x80"}))),
            (std::vector<std::uint32_t>{0x80302010}));
}

TEST(BmpDecode, RunLengthEncodedPictures) {
  // RLE8, 4 × 2, bottom row first: a run of three index-1 pixels, end of
  // line; then an absolute run of three (padded to even), end of bitmap.
  // Pixels no run reaches stay index 0.
  const std::string rle8("\x03\x01\x00\x00" "\x00\x03\x02\x03\x01\x00" "\x00\x01", 12);
  EXPECT_EQ(Pixels(DecodeBmp(MakeBmp({.width = 4, .height = 2, .bits = 8, .compression = 1,
                                      .palette = {0x000000, 0x111111, 0x222222, 0x333333}, .colours_used = 4,
                                      .pixels = rle8}))),
            (std::vector<std::uint32_t>{0x222222, 0x333333, 0x111111, 0x000000,
                                        0x111111, 0x111111, 0x111111, 0x000000}));
  // RLE4, 4 × 1: delta (2, 0) then a run of two pixels alternating 1 and 2.
  const std::string rle4("\x00\x02\x02\x00" "\x02\x12" "\x00\x01", 8);
  EXPECT_EQ(Pixels(DecodeBmp(MakeBmp({.width = 4, .height = 1, .bits = 4, .compression = 2,
                                      .palette = {0x000000, 0x111111, 0x222222}, .colours_used = 3,
                                      .pixels = rle4}))),
            (std::vector<std::uint32_t>{0x000000, 0x000000, 0x111111, 0x222222}));
  // Runs that break off before the end-of-bitmap code are a damaged file.
  EXPECT_FALSE(DecodeBmp(MakeBmp({.width = 4, .height = 2, .bits = 8, .compression = 1, .palette = {0},
                                  .pixels = std::string("\x03\x01\x00", 3)})));
}

TEST(BmpDecode, CoreHeaderWithThreeBytePalette) {
  std::string bmp;
  PutBytes(bmp, 0, "BM");
  PutU32(bmp, 10, 14 + 12 + 6);
  PutU32(bmp, 14, 12);
  PutU16(bmp, 18, 2);  // width
  PutU16(bmp, 20, 1);  // height
  PutU16(bmp, 22, 1);
  PutU16(bmp, 24, 1);  // bits
  PutBytes(bmp, 26, std::string("\x00\x00\xFF" "\xFF\x00\x00" "\x40\x00\x00\x00", 10));
  EXPECT_EQ(Pixels(DecodeBmp(bmp)), (std::vector<std::uint32_t>{0xFF0000, 0x0000FF}));
}

TEST(BmpDecode, WrongPixelOffsetFallsBackToAfterThePalette) {
  std::string bmp = MakeBmp({.width = 1, .height = 1, .bits = 24, .pixels = std::string("\x01\x02\x03\x00", 4)});
  PutU32(bmp, 10, 0);
  EXPECT_EQ(Pixels(DecodeBmp(bmp)), (std::vector<std::uint32_t>{0x030201}));
  PutU32(bmp, 10, 0x7FFFFFFF);
  EXPECT_EQ(Pixels(DecodeBmp(bmp)), (std::vector<std::uint32_t>{0x030201}));
}

TEST(BmpDecode, RejectsDamagedAndAbsurdFiles) {
  const std::string good = MakeBmp({.width = 2, .height = 2, .bits = 24, .pixels = std::string(16, '\x7F')});
  ASSERT_TRUE(DecodeBmp(good));
  // The last row may lose its padding, not its pixels.
  EXPECT_TRUE(DecodeBmp(good.substr(0, good.size() - 2)));
  EXPECT_FALSE(DecodeBmp(good.substr(0, good.size() - 3)));
  EXPECT_FALSE(DecodeBmp(good.substr(0, 40)));
  EXPECT_FALSE(DecodeBmp(""));
  EXPECT_FALSE(DecodeBmp("XY" + good.substr(2)));

  auto with = [&](std::size_t at, std::uint32_t value, int size = 4) {
    std::string bmp = good;
    size == 4 ? PutU32(bmp, at, value) : PutU16(bmp, at, static_cast<std::uint16_t>(value));
    return DecodeBmp(bmp);
  };
  EXPECT_FALSE(with(18, 0));              // zero width
  EXPECT_FALSE(with(22, 0));              // zero height
  EXPECT_FALSE(with(18, 0x80000000));     // negative width
  EXPECT_FALSE(with(22, 0x80000000));     // height that cannot be negated
  EXPECT_FALSE(with(18, 16385));          // wider than any skin picture may be
  EXPECT_FALSE(with(18, 0x40000000));     // would overflow a 32-bit size
  EXPECT_FALSE(with(28, 7, 2));           // no such depth
  EXPECT_FALSE(with(30, 4));              // embedded JPEG
  EXPECT_FALSE(with(30, 1));              // RLE8 on 24 bits
  EXPECT_FALSE(with(14, 39));             // unknown header size
  EXPECT_FALSE(with(14, 0xFFFFFFFF));
  // Both sides at the limit are fine only while the pixel count stays sane.
  EXPECT_FALSE(DecodeBmp(MakeBmp({.width = 16384, .height = 16384, .bits = 1, .palette = {0, 0}})));
}

}  // namespace
}  // namespace tikolvo

#include "skin/jpeg_decode.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "test_jpeg.h"

namespace tikolvo {
namespace {

// Left half red, right half blue: survives JPEG's loss within a few levels.
std::vector<std::uint32_t> Halves(int width, int height) {
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels.push_back(x < width / 2 ? 0xFF0000 : 0x0000FF);
  }
  return pixels;
}

std::vector<std::uint32_t> Gradient(int width, int height) {
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels.push_back(static_cast<std::uint32_t>((x * 7 + y * 13) * 0x010305) & 0xFFFFFF);
  }
  return pixels;
}

bool Near(std::uint32_t pixel, std::uint32_t expected, int tolerance = 24) {
  for (int shift : {0, 8, 16}) {
    if (std::abs(static_cast<int>((pixel >> shift) & 0xFF) - static_cast<int>((expected >> shift) & 0xFF)) >
        tolerance) {
      return false;
    }
  }
  return (pixel >> 24) == 0;
}

TEST(JpegDecode, DecodesColourGreyAndProgressiveFiles) {
  const auto colour = DecodeJpeg(test::EncodeJpeg(32, 16, Halves(32, 16)));
  ASSERT_TRUE(colour);
  EXPECT_EQ(colour->width, 32);
  EXPECT_EQ(colour->height, 16);
  EXPECT_TRUE(Near(colour->At(2, 8), 0xFF0000));
  EXPECT_TRUE(Near(colour->At(29, 8), 0x0000FF));

  const auto grey = DecodeJpeg(test::EncodeJpeg(8, 8, std::vector<std::uint32_t>(64, 0x80), /*grey=*/true));
  ASSERT_TRUE(grey);
  EXPECT_TRUE(Near(grey->At(4, 4), 0x808080, 4));

  const auto progressive = DecodeJpeg(test::EncodeJpeg(32, 16, Halves(32, 16), false, /*progressive=*/true));
  ASSERT_TRUE(progressive);
  EXPECT_TRUE(Near(progressive->At(29, 8), 0x0000FF));
}

TEST(JpegDecode, CorruptFilesAreReportedNotFatal) {
  const std::string good = test::EncodeJpeg(32, 16, Halves(32, 16));
  EXPECT_FALSE(DecodeJpeg(""));
  EXPECT_FALSE(DecodeJpeg("\xFF\xD8"));
  EXPECT_FALSE(DecodeJpeg("BM this is a bitmap, not a JPEG"));
  EXPECT_FALSE(DecodeJpeg(good.substr(0, 100)));  // cut inside the tables
  std::string end_first = good;
  end_first[1] = '\xD9';  // starts with an end-of-image marker
  EXPECT_FALSE(DecodeJpeg(end_first));
  // Cut inside the scan: libjpeg pads the rest grey, which still shows.
  const std::string big = test::EncodeJpeg(256, 64, Gradient(256, 64));
  const auto cut_scan = DecodeJpeg(big.substr(0, big.size() * 3 / 4));
  ASSERT_TRUE(cut_scan);
  EXPECT_EQ(cut_scan->width, 256);
}

// Start-of-frame fields: marker FFC0, length, precision, height, width.
std::size_t FrameHeader(const std::string& jpeg) {
  for (std::size_t i = 0; i + 1 < jpeg.size(); ++i) {
    if (jpeg[i] == '\xFF' && (jpeg[i + 1] == '\xC0' || jpeg[i + 1] == '\xC2')) return i;
  }
  return std::string::npos;
}

TEST(JpegDecode, RefusesDimensionsBeyondThePictureLimits) {
  std::string jpeg = test::EncodeJpeg(16, 16, Halves(16, 16));
  const std::size_t sof = FrameHeader(jpeg);
  ASSERT_NE(sof, std::string::npos);
  jpeg[sof + 5] = '\x4F';  // height 0x4F10 = 20240
  jpeg[sof + 6] = '\x10';
  EXPECT_FALSE(DecodeJpeg(jpeg));
  jpeg[sof + 5] = '\x10';  // 4112 × 4112 passes the side limit but not the pixel count
  jpeg[sof + 7] = '\x10';
  jpeg[sof + 8] = '\x10';
  EXPECT_FALSE(DecodeJpeg(jpeg));
}

}  // namespace
}  // namespace tikolvo

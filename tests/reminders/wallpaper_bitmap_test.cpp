#include "reminders/wallpaper_bitmap.h"

#include <gtest/gtest.h>

#include "reminders/wallpaper_geometry.h"
#include "skin/bmp_decode.h"

namespace tikolvo {
namespace {

// An odd width needs row padding; the marker must survive the file.
TEST(WallpaperBitmap, ReadsBackPixelForPixelWithTheMarker) {
  const int width = 5, height = 3;
  std::vector<std::uint32_t> rows(width * height);
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<std::uint32_t>(i * 0x0A0B0C);
  rows[12] = 0xFF0000, rows[13] = 0x0000FF, rows[14] = 0x008000;  // 0x00RRGGBB: red, blue, green
  const auto picture = DecodeBmp(WallpaperBmpBytes(width, height, rows.data()));
  ASSERT_TRUE(picture);
  ASSERT_EQ(picture->width, width);
  ASSERT_EQ(picture->height, height);
  for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(picture->pixels[i] & 0xFFFFFF, rows[i] & 0xFFFFFF) << i;
  EXPECT_TRUE(CarriesCompositionMarker(*picture));
}

}  // namespace
}  // namespace tikolvo

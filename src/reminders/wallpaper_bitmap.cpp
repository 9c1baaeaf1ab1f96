#include "reminders/wallpaper_bitmap.h"

#include "common/byte_io.h"

namespace tikolvo {

std::string WallpaperBmpBytes(int width, int height, const std::uint32_t* rows) {
  if (width <= 0 || height <= 0 || !rows) return {};
  const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;
  const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(height);
  constexpr std::uint32_t kHeaders = 14 + 40;
  ByteWriter out;
  out.Bytes("BM");
  out.U32(kHeaders + pixelBytes);
  out.U32(0);
  out.U32(kHeaders);
  out.U32(40);
  out.I32(width);
  out.I32(height);  // positive: bottom-up
  out.U16(1);
  out.U16(24);
  out.U32(0);  // BI_RGB
  out.U32(pixelBytes);
  out.I32(2835);  // 72 dpi
  out.I32(2835);
  out.U32(0);
  out.U32(0);
  for (int y = height - 1; y >= 0; --y) {
    const std::uint32_t* row = rows + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    for (int x = 0; x < width; ++x) {
      out.U8(static_cast<std::uint8_t>(row[x]));
      out.U8(static_cast<std::uint8_t>(row[x] >> 8));
      out.U8(static_cast<std::uint8_t>(row[x] >> 16));
    }
    out.Zeros(rowBytes - static_cast<std::uint32_t>(width) * 3);
  }
  return out.Take();
}

}  // namespace tikolvo

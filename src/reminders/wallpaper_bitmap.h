#pragma once
// The composed wallpaper as a file: an uncompressed 24-bit BMP, the form
// every Windows version accepts as a desktop picture.
#include <cstdint>
#include <string>

namespace tikolvo {

// `rows` holds width × height pixels 0x00RRGGBB, top row first (a top-down
// 32-bit DIB). The file stores them bottom-up, each row padded to 4 bytes.
// Empty for an empty picture.
std::string WallpaperBmpBytes(int width, int height, const std::uint32_t* rows);

}  // namespace tikolvo

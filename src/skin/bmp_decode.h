#pragma once
// Windows BMP files as skins and the program's resources carry them: 1, 4, 8,
// 16, 24 and 32 bits per pixel, uncompressed, bit fields or RLE4/RLE8,
// bottom-up or top-down rows, core (OS/2) or Windows info headers.
#include <optional>
#include <string_view>

#include "common/geometry.h"
#include "skin/picture.h"

namespace tikolvo {

// Returns nothing for anything that is not a whole, sane BMP file: wrong
// signature, unknown header or depth, a size beyond the picture limits, or
// pixel data that the file does not hold.
std::optional<Picture> DecodeBmp(std::string_view file);

// The width and height a BMP's headers state, limits or not, so a caller can
// tell a picture too large to load from a damaged one; nothing when the
// headers are not a BMP's.
std::optional<PixelSize> BmpDimensions(std::string_view file);

}  // namespace tikolvo

#pragma once
// JPEG pictures (skin members, previews, wallpaper bases) decoded with
// libjpeg. A corrupt file is reported, never fatal: libjpeg's default error
// handler would end the whole process.
#include <optional>
#include <string_view>

#include "common/geometry.h"
#include "skin/picture.h"

namespace tikolvo {

// Decodes a baseline or progressive JPEG in grey, RGB/YCbCr or CMYK/YCCK into
// 24-bit pixels (alpha 0). Returns nothing for a file libjpeg rejects, for
// dimensions beyond the picture limits, or for a progressive file with an
// absurd number of scans (which libjpeg would take minutes to decode).
//
// scaleDenominator 2, 4 or 8 decodes at that fraction of the size (libjpeg's
// DCT scaling: fast, and the full picture is never held), which is how a
// photo beyond the limits still loads; the limits then apply to the reduced
// size. Any other value decodes at full size.
std::optional<Picture> DecodeJpeg(std::string_view file, int scaleDenominator = 1);

// The stored width and height of a JPEG, from its header alone; nothing when
// libjpeg rejects the header.
std::optional<PixelSize> JpegDimensions(std::string_view file);

}  // namespace tikolvo

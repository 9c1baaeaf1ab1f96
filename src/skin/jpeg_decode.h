#pragma once
// JPEG pictures (skin members, previews, wallpaper bases) decoded with
// libjpeg. A corrupt file is reported, never fatal: libjpeg's default error
// handler would end the whole process.
#include <optional>
#include <string_view>

#include "skin/picture.h"

namespace tikolvo {

// Decodes a baseline or progressive JPEG in grey, RGB/YCbCr or CMYK/YCCK into
// 24-bit pixels (alpha 0). Returns nothing for a file libjpeg rejects, for
// dimensions beyond the picture limits, or for a progressive file with an
// absurd number of scans (which libjpeg would take minutes to decode).
std::optional<Picture> DecodeJpeg(std::string_view file);

}  // namespace tikolvo

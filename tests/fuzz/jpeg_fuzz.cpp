// JPEG decoding of arbitrary bytes: a corrupt file must come back as
// nothing, never end the process through libjpeg's fatal error path.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "skin/jpeg_decode.h"

// The input's length picks the scale, so every reduced decode is reached
// from the same seeds.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  const int scale = 1 << (size % 4);
  const auto picture = tikolvo::DecodeJpeg(file, scale);
  if (picture && (!tikolvo::PictureSizeAcceptable(picture->width, picture->height) ||
                  picture->pixels.size() != static_cast<std::size_t>(picture->width) * picture->height)) {
    std::abort();
  }
  const auto size_read = tikolvo::JpegDimensions(file);
  if (picture && (!size_read || picture->width != (size_read->width + scale - 1) / scale)) std::abort();
  return 0;
}

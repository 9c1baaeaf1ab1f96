// JPEG decoding of arbitrary bytes: a corrupt file must come back as
// nothing, never end the process through libjpeg's fatal error path.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "skin/jpeg_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto picture = tikolvo::DecodeJpeg(std::string_view(reinterpret_cast<const char*>(data), size));
  if (picture && (!tikolvo::PictureSizeAcceptable(picture->width, picture->height) ||
                  picture->pixels.size() != static_cast<std::size_t>(picture->width) * picture->height)) {
    std::abort();
  }
  return 0;
}

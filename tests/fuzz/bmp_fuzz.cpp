// BMP decoding of arbitrary bytes: it returns a picture whose pixel buffer
// matches its size, or nothing, and never reads outside the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "skin/bmp_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto picture = tikolvo::DecodeBmp(std::string_view(reinterpret_cast<const char*>(data), size));
  if (picture && (!tikolvo::PictureSizeAcceptable(picture->width, picture->height) ||
                  picture->pixels.size() != static_cast<std::size_t>(picture->width) * picture->height)) {
    std::abort();
  }
  const auto stated = tikolvo::BmpDimensions(std::string_view(reinterpret_cast<const char*>(data), size));
  if (picture && (!stated || stated->width != picture->width || stated->height != picture->height)) std::abort();
  return 0;
}

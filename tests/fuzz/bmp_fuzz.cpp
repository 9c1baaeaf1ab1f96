// BMP decoding of arbitrary bytes: it returns a picture whose pixel buffer
// matches its size, or nothing, and never reads outside the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "skin/bmp_decode.h"

// A few bytes of RLE may state the largest picture accepted (64 MiB of
// pixels); decoding such pictures again and again would cut the fuzzer to a
// few dozen inputs a second while adding no path the smaller ones miss.
constexpr long long kMostFuzzedPixels = 1 << 18;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  const auto stated = tikolvo::BmpDimensions(file);
  if (stated && std::llabs(static_cast<long long>(stated->width) * stated->height) > kMostFuzzedPixels) return 0;
  const auto picture = tikolvo::DecodeBmp(file);
  if (picture && (!tikolvo::PictureSizeAcceptable(picture->width, picture->height) ||
                  picture->pixels.size() != static_cast<std::size_t>(picture->width) * picture->height)) {
    std::abort();
  }
  if (picture && (!stated || stated->width != picture->width || stated->height != picture->height)) std::abort();
  return 0;
}

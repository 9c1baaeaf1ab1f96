// A camera photo as a wallpaper base: 6000 × 4000 pixels, beyond the picture
// limits, decoded at half size as the base picture loader does (the scale
// JpegScaleFor picks for a full-HD screen). The photo is made once with
// libjpeg: smooth colour fields with fine noise.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "../tests/skin/test_jpeg.h"
#include "reminders/wallpaper_geometry.h"
#include "skin/jpeg_decode.h"

namespace tikolvo {
namespace {

constexpr int kWidth = 6000, kHeight = 4000;

std::string MakePhoto() {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(kWidth) * kHeight);
  unsigned noise = 12345;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      noise = noise * 1103515245u + 12345u;
      const std::uint32_t grain = noise >> 28;
      const std::uint32_t red = x * 200 / kWidth + grain, green = y * 200 / kHeight + grain;
      const std::uint32_t blue = ((x + y) / 40) % 200 + grain;
      pixels[static_cast<std::size_t>(y) * kWidth + x] = red << 16 | green << 8 | blue;
    }
  }
  return test::EncodeJpeg(kWidth, kHeight, pixels);
}

void BM_DecodeCameraPhotoAtHalfSize(benchmark::State& state) {
  static const std::string photo = MakePhoto();
  const int scale = JpegScaleFor(kWidth, kHeight, 1920, 1080);
  for (auto _ : state) {
    const auto picture = DecodeJpeg(photo, scale);
    if (!picture) state.SkipWithError("the photo did not decode");
    benchmark::DoNotOptimize(picture);
  }
  state.counters["file_MB"] = static_cast<double>(photo.size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_DecodeCameraPhotoAtHalfSize)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tikolvo

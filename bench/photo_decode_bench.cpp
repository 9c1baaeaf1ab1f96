// A camera photo as a wallpaper base: 6000 × 4000 pixels, beyond the picture
// limits, decoded at half size as the base picture loader does (the scale
// JpegScaleFor picks for a full-HD screen). The photo is made once with
// libjpeg: smooth colour fields with fine noise, compressed like a camera's.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "reminders/wallpaper_geometry.h"
#include "skin/jpeg_decode.h"

namespace tikolvo {
namespace {

constexpr int kWidth = 6000, kHeight = 4000;

std::string MakePhoto() {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = kWidth;
  cinfo.image_height = kHeight;
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 90, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> row(kWidth * 3);
  unsigned noise = 12345;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      noise = noise * 1103515245u + 12345u;
      const int grain = static_cast<int>(noise >> 28);
      row[3 * x] = static_cast<unsigned char>(x * 200 / kWidth + grain);
      row[3 * x + 1] = static_cast<unsigned char>(y * 200 / kHeight + grain);
      row[3 * x + 2] = static_cast<unsigned char>(((x + y) / 40) % 200 + grain);
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::string out(reinterpret_cast<char*>(buffer), size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
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

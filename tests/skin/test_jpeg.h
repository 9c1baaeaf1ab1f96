#pragma once
// Encodes a small JPEG with libjpeg so decoder and archive tests have real
// JPEG files without binary fixtures in the repository.
#include <cstdio>
#include <cstdint>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace tikolvo::test {

// pixels: 0x00RRGGBB, top row first; grey keeps only the blue channel.
inline std::string EncodeJpeg(int width, int height, const std::vector<std::uint32_t>& pixels, bool grey = false,
                              bool progressive = false) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = grey ? 1 : 3;
  cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 95, TRUE);
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + x];
      if (grey) {
        row[x] = p & 0xFF;
      } else {
        row[3 * x] = (p >> 16) & 0xFF;
        row[3 * x + 1] = (p >> 8) & 0xFF;
        row[3 * x + 2] = p & 0xFF;
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::string out(reinterpret_cast<char*>(buffer), size);
  jpeg_destroy_compress(&cinfo);
  free(buffer);
  return out;
}

}  // namespace tikolvo::test

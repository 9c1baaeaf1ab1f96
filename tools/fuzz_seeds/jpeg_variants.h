#pragma once
// Small JPEG files in the variants the picture decoder reads, encoded by
// libjpeg: baseline with 4:2:0, 4:2:2 and 4:4:4 sampling, grey, progressive,
// restart markers, optimised and arithmetic coding, CMYK and YCCK (with the
// Adobe marker libjpeg writes for them), and odd and tiny sizes.
#include <jpeglib.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace fuzz_seeds {

struct JpegSpec {
  const char* name;
  int width = 16;
  int height = 16;
  J_COLOR_SPACE input = JCS_RGB;
  J_COLOR_SPACE stored = JCS_YCbCr;
  int lumaH = 2, lumaV = 2;  // sampling of the first component
  bool progressive = false;
  int restartRows = 0;
  bool optimise = false;
  bool arithmetic = false;
  int quality = 90;
};

inline int Components(J_COLOR_SPACE space) { return space == JCS_GRAYSCALE ? 1 : space == JCS_CMYK ? 4 : 3; }

inline std::string EncodeJpegVariant(const JpegSpec& spec) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(spec.width);
  cinfo.image_height = static_cast<JDIMENSION>(spec.height);
  cinfo.input_components = Components(spec.input);
  cinfo.in_color_space = spec.input;
  jpeg_set_defaults(&cinfo);
  jpeg_set_colorspace(&cinfo, spec.stored);
  jpeg_set_quality(&cinfo, spec.quality, TRUE);
  if (spec.stored != JCS_GRAYSCALE) {
    cinfo.comp_info[0].h_samp_factor = spec.lumaH;
    cinfo.comp_info[0].v_samp_factor = spec.lumaV;
  }
  if (spec.progressive) jpeg_simple_progression(&cinfo);
  cinfo.restart_in_rows = spec.restartRows;
  cinfo.optimize_coding = spec.optimise ? TRUE : FALSE;
  cinfo.arith_code = spec.arithmetic ? TRUE : FALSE;
  jpeg_start_compress(&cinfo, TRUE);
  const int components = Components(spec.input);
  std::vector<unsigned char> row(static_cast<std::size_t>(spec.width) * components);
  for (int y = 0; y < spec.height; ++y) {
    for (int x = 0; x < spec.width; ++x)
      for (int c = 0; c < components; ++c)
        row[static_cast<std::size_t>(x) * components + c] = static_cast<unsigned char>((x * 16 + y * 9 + c * 70) % 256);
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::string out(reinterpret_cast<char*>(buffer), size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
}

inline std::map<std::string, std::string> JpegSeeds() {
  std::vector<JpegSpec> specs(12);
  specs[0].name = "baseline_420";
  specs[1].name = "baseline_422";
  specs[1].lumaV = 1;
  specs[2].name = "baseline_444";
  specs[2].lumaH = specs[2].lumaV = 1;
  specs[3].name = "grey";
  specs[3].input = specs[3].stored = JCS_GRAYSCALE;
  specs[4].name = "progressive";
  specs[4].progressive = true;
  specs[5].name = "progressive_grey";
  specs[5].input = specs[5].stored = JCS_GRAYSCALE;
  specs[5].progressive = true;
  specs[6].name = "restart_markers";
  specs[6].restartRows = 1;
  specs[6].optimise = true;
  specs[7].name = "arithmetic";
  specs[7].arithmetic = true;
  specs[8].name = "cmyk";
  specs[8].input = specs[8].stored = JCS_CMYK;
  specs[9].name = "ycck";
  specs[9].input = JCS_CMYK;
  specs[9].stored = JCS_YCCK;
  specs[10].name = "odd_size_low_quality";
  specs[10].width = 17;
  specs[10].height = 9;
  specs[10].quality = 10;
  specs[11].name = "one_pixel";
  specs[11].width = specs[11].height = 1;
  std::map<std::string, std::string> seeds;
  for (const JpegSpec& spec : specs) seeds[std::string(spec.name) + ".jpg"] = EncodeJpegVariant(spec);
  return seeds;
}

}  // namespace fuzz_seeds

#include "skin/jpeg_decode.h"

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <vector>

// jpeglib.h expects FILE and size_t to be declared before it.
#include <jpeglib.h>

namespace tikolvo {
namespace {

// Real progressive files use about ten scans.
constexpr int kMaxScans = 256;
// A progressive file keeps the coefficients of the whole stored picture,
// whatever the output scale: about 3 bytes a pixel in colour, some 72 MB for
// a 24-megapixel photo. Beyond this libjpeg gives up instead of asking for
// gigabytes a forged header claims.
constexpr long kMaxDecoderMemory = 256L * 1024 * 1024;

struct ErrorManager {
  jpeg_error_mgr base;  // must stay first: libjpeg hands us a pointer to it
  std::jmp_buf escape;
};

[[noreturn]] void EscapeOnError(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->escape, 1);
}

// Warnings (a missing end marker, stray bytes) leave a usable picture; the
// default handler would print them to the console.
void IgnoreMessage(j_common_ptr, int) {}

void LimitScans(j_common_ptr cinfo) {
  const auto* decoder = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (decoder->input_scan_number > kMaxScans) EscapeOnError(cinfo);
}


std::uint32_t CmykToPixel(const JSAMPLE* p, bool inverted) {
  // Photoshop writes inverted CMYK (Adobe marker), which is what
  // saw_Adobe_marker tells us; plain CMYK is rare but possible.
  unsigned c = p[0], m = p[1], y = p[2], k = p[3];
  if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
  const unsigned red = c * k / 255, green = m * k / 255, blue = y * k / 255;
  return (red << 16) | (green << 8) | blue;
}

void ConvertRow(const jpeg_decompress_struct& cinfo, const JSAMPLE* row, std::uint32_t* out) {
  for (JDIMENSION x = 0; x < cinfo.output_width; ++x) {
    if (cinfo.out_color_space == JCS_GRAYSCALE) {
      const std::uint32_t v = row[x];
      out[x] = (v << 16) | (v << 8) | v;
    } else if (cinfo.out_color_space == JCS_CMYK) {
      out[x] = CmykToPixel(row + 4 * x, cinfo.saw_Adobe_marker);
    } else {
      const JSAMPLE* p = row + 3 * x;
      out[x] = (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
    }
  }
}

bool IsLibjpegScale(int denominator) { return denominator == 2 || denominator == 4 || denominator == 8; }

// A decoder with our error and progress handlers. Its memory is released on
// every path, also after a longjmp.
struct Session {
  jpeg_decompress_struct cinfo{};
  ErrorManager errors{};
  jpeg_progress_mgr progress{};

  Session() {
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = EscapeOnError;
    errors.base.emit_message = IgnoreMessage;
    progress.progress_monitor = LimitScans;
  }
  ~Session() { jpeg_destroy_decompress(&cinfo); }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
};

bool ReadHeaderOnly(jpeg_decompress_struct& cinfo, ErrorManager& errors, std::string_view file, PixelSize& size) {
  if (setjmp(errors.escape) != 0) return false;
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(file.data()), static_cast<unsigned long>(file.size()));
  if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) return false;
  size = {static_cast<int>(cinfo.image_width), static_cast<int>(cinfo.image_height)};
  return true;
}

// Runs libjpeg until the picture is read. Everything that must survive a
// longjmp lives in the caller; nothing with a destructor is created here
// after setjmp.
bool RunDecoder(jpeg_decompress_struct& cinfo, ErrorManager& errors, jpeg_progress_mgr& progress,
                std::string_view file, int scaleDenominator, Picture& picture, std::vector<JSAMPLE>& row) {
  if (setjmp(errors.escape) != 0) return false;
  jpeg_create_decompress(&cinfo);  // clears every field but the error manager
  cinfo.progress = &progress;
  cinfo.mem->max_memory_to_use = kMaxDecoderMemory;
  jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(file.data()), static_cast<unsigned long>(file.size()));
  if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) return false;
  cinfo.scale_num = 1;
  cinfo.scale_denom = static_cast<unsigned>(IsLibjpegScale(scaleDenominator) ? scaleDenominator : 1);
  jpeg_calc_output_dimensions(&cinfo);
  if (!PictureSizeAcceptable(cinfo.output_width, cinfo.output_height)) return false;
  const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  const bool grey = cinfo.jpeg_color_space == JCS_GRAYSCALE;
  cinfo.out_color_space = cmyk ? JCS_CMYK : grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_start_decompress(&cinfo);
  picture.width = static_cast<int>(cinfo.output_width);
  picture.height = static_cast<int>(cinfo.output_height);
  picture.pixels.assign(static_cast<std::size_t>(picture.width) * picture.height, 0);
  row.resize(static_cast<std::size_t>(cinfo.output_width) * cinfo.output_components);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW rows[1] = {row.data()};
    const JDIMENSION y = cinfo.output_scanline;
    if (jpeg_read_scanlines(&cinfo, rows, 1) != 1) return false;
    ConvertRow(cinfo, row.data(), picture.pixels.data() + static_cast<std::size_t>(y) * picture.width);
  }
  jpeg_finish_decompress(&cinfo);
  return true;
}

}  // namespace

std::optional<Picture> DecodeJpeg(std::string_view file, int scaleDenominator) {
  // libjpeg refuses an empty source with a fatal error before our handler
  // could help; spare it the call.
  if (file.size() < 4) return std::nullopt;
  Session session;
  Picture picture;
  picture.source_bits = 24;
  std::vector<JSAMPLE> row;
  if (!RunDecoder(session.cinfo, session.errors, session.progress, file, scaleDenominator, picture, row)) {
    return std::nullopt;
  }
  return picture;
}

std::optional<PixelSize> JpegDimensions(std::string_view file) {
  if (file.size() < 4) return std::nullopt;
  Session session;
  PixelSize size;
  if (!ReadHeaderOnly(session.cinfo, session.errors, file, size)) return std::nullopt;
  return size;
}

}  // namespace tikolvo

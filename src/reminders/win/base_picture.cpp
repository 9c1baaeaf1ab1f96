#include "reminders/win/base_picture.h"

#include <optional>

#include "common/file_io.h"
#include "common/win/ress_pictures.h"
#include "reminders/wallpaper_geometry.h"
#include "skin/bmp_decode.h"
#include "skin/jpeg_decode.h"

namespace tikolvo {
namespace {

bool HasBmpExtension(const std::string& path) {
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || path.find_first_of("\\/", dot) != std::string::npos) return false;
  std::string extension = path.substr(dot);
  for (char& c : extension) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return extension == ".bmp";
}

struct Decoded {
  BasePictureResult result = BasePictureResult::Unreadable;
  std::optional<Picture> picture;
};

Decoded DecodeBmpFile(const std::string& bytes) {
  Decoded out;
  out.picture = DecodeBmp(bytes);
  if (out.picture) {
    out.result = BasePictureResult::Loaded;
  } else if (const auto size = BmpDimensions(bytes); size && !PictureSizeAcceptable(size->width, size->height)) {
    out.result = BasePictureResult::TooLarge;
  }
  return out;
}

// screenWidth/Height 0 decodes at full size or not at all (the marker check
// must see the file's own pixels).
Decoded DecodeJpegFile(const std::string& bytes, int screenWidth, int screenHeight, bool reducedAllowed) {
  Decoded out;
  const auto size = JpegDimensions(bytes);
  if (!size) return out;
  const int scale = JpegScaleFor(size->width, size->height, screenWidth, screenHeight);
  if (scale == 0 || (scale != 1 && !reducedAllowed)) {
    out.result = BasePictureResult::TooLarge;
    return out;
  }
  out.picture = DecodeJpeg(bytes, scale);
  if (out.picture) out.result = BasePictureResult::Loaded;
  return out;
}

Decoded DecodeFile(const std::string& path, int screenWidth, int screenHeight, bool reducedAllowed) {
  if (!FileExists(path)) return {BasePictureResult::Missing, std::nullopt};
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return {};
  return HasBmpExtension(path) ? DecodeBmpFile(*bytes)
                               : DecodeJpegFile(*bytes, screenWidth, screenHeight, reducedAllowed);
}

// Copies (and stretches) the decoded pixels into the canvas. The picture's
// rows are laid out like a top-down 32-bit DIB already.
bool PaintPicture(const Picture& source, int width, int height, DibCanvas& target) {
  if (!target.Resize(width, height)) return false;
  StretchPicture(target.dc(), 0, 0, width, height, source);
  GdiFlush();
  return true;
}

}  // namespace

BasePictureResult LoadBasePicture(const std::string& path, int screenWidth, int screenHeight, DibCanvas& picture) {
  const Decoded decoded = DecodeFile(path, screenWidth, screenHeight, true);
  if (decoded.result != BasePictureResult::Loaded) return decoded.result;
  const Picture& source = *decoded.picture;
  const bool stretch = source.width < screenWidth && screenHeight > 0;
  const int width = stretch ? screenWidth : source.width;
  const int height = stretch ? screenHeight : source.height;
  // Without memory for the bitmap the picture is as good as too large.
  return PaintPicture(source, width, height, picture) ? BasePictureResult::Loaded : BasePictureResult::TooLarge;
}

void MakeColourPicture(std::uint32_t colour, int screenWidth, int screenHeight, DibCanvas& picture) {
  if (!picture.Resize(screenWidth, screenHeight)) return;
  picture.FillRect({0, 0, screenWidth, screenHeight}, colour);
}

void StretchIntoPreview(const DibCanvas& picture, DibCanvas& preview) {
  if (!preview.Resize(kWallpaperPreviewWidth, kWallpaperPreviewHeight)) return;
  if (picture.Width() <= 0 || picture.Height() <= 0) {
    preview.FillRect({0, 0, kWallpaperPreviewWidth, kWallpaperPreviewHeight}, 0xFFFFFF);
    return;
  }
  SetStretchBltMode(preview.dc(), HALFTONE);
  SetBrushOrgEx(preview.dc(), 0, 0, nullptr);
  StretchBlt(preview.dc(), 0, 0, kWallpaperPreviewWidth, kWallpaperPreviewHeight, picture.dc(), 0, 0,
             picture.Width(), picture.Height(), SRCCOPY);
  GdiFlush();
}

bool IsComposedPicture(const std::string& path) {
  const Decoded decoded = DecodeFile(path, 0, 0, false);
  return decoded.picture && CarriesCompositionMarker(*decoded.picture);
}

}  // namespace tikolvo

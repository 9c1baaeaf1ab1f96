#include "reminders/wallpaper_geometry.h"

namespace tikolvo {
namespace {

// round(value × numerator / denominator), to nearest with ties to even, for
// a positive denominator and any sign of value.
int ScaleRounded(long long value, long long numerator, long long denominator) {
  const long long product = value * numerator;
  long long quotient = product / denominator;
  long long remainder = product % denominator;
  if (remainder < 0) {  // floor division for negative products
    remainder += denominator;
    --quotient;
  }
  const long long twice = 2 * remainder;
  if (twice > denominator || (twice == denominator && (quotient & 1) != 0)) ++quotient;
  return static_cast<int>(quotient);
}

}  // namespace

PixelRect MarkerToPicture(const MarkerBox& marker, int previewWidth, int previewHeight, int pictureWidth,
                          int pictureHeight) {
  if (previewWidth <= 0 || previewHeight <= 0) return {};
  return {ScaleRounded(marker.x, pictureWidth, previewWidth), ScaleRounded(marker.y, pictureHeight, previewHeight),
          ScaleRounded(static_cast<long long>(marker.x) + marker.width, pictureWidth, previewWidth),
          ScaleRounded(static_cast<long long>(marker.y) + marker.height, pictureHeight, previewHeight)};
}

bool CarriesCompositionMarker(const Picture& picture) {
  if (picture.width < 3 || picture.height < 1) return false;
  if (picture.pixels.size() < static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height)) {
    return false;
  }
  const int y = picture.height - 1;
  const int x = picture.width - 3;
  const auto colour = [&](int at) { return PixelToColour(picture.At(at, y) & 0xFFFFFF); };
  return colour(x) == kComposedMarkRed && colour(x + 1) == kComposedMarkBlue && colour(x + 2) == kComposedMarkGreen;
}

int JpegScaleFor(int width, int height, int /*screenWidth*/, int /*screenHeight*/) {
  for (const int denominator : {1, 2, 4, 8}) {
    if (PictureSizeAcceptable(JpegScaledSide(width, denominator), JpegScaledSide(height, denominator))) {
      return denominator;
    }
  }
  return 0;
}

}  // namespace tikolvo

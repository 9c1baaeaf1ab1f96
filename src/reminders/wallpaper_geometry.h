#pragma once
// The geometry of the composed wallpaper: the markers placed over the small
// preview, mapped to pixels of the working picture; the three pixels that
// tell a picture this program composed; and the scale a large JPEG is
// decoded at so that it fits in memory.
#include <cstdint>

#include "common/geometry.h"
#include "skin/picture.h"

namespace tikolvo {

// A rectangle in picture pixels: left and top inside, right and bottom just
// outside.
using PixelRect = PixelBox;

// The preview the markers are placed over.
inline constexpr int kWallpaperPreviewWidth = 310;
inline constexpr int kWallpaperPreviewHeight = 232;

struct MarkerBox {  // preview pixels
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// A marker over the preview mapped to picture pixels, each edge scaled by
// picture / preview and rounded to nearest with ties to even. The sums are
// exact (integer), so a tie is a real tie and not a floating-point accident.
// An empty preview maps to an empty rectangle.
PixelRect MarkerToPicture(const MarkerBox& marker, int previewWidth, int previewHeight, int pictureWidth,
                          int pictureHeight);

// The composition marker: three pixels at the right end of the bottom row
// (0x00BBGGRR colours), from x = width - 3 to width - 1.
inline constexpr std::uint32_t kComposedMarkRed = 0x0000FF, kComposedMarkBlue = 0xFF0000,
                               kComposedMarkGreen = 0x008000;
// True when the three pixels hold exactly those colours.
bool CarriesCompositionMarker(const Picture& picture);

// libjpeg's scale denominator (1, 2, 4 or 8) for a JPEG of this size: 1 when
// it fits the picture limits, else the largest scale (smallest denominator)
// whose output fits; 0 when not even 1/8 fits. The largest scale that fits
// is also the one that covers the most of the screen, so no smaller scale
// could cover it better; the screen size only says how much is lost.
int JpegScaleFor(int width, int height, int screenWidth, int screenHeight);

// The side libjpeg produces at 1/denominator: rounded up.
inline int JpegScaledSide(int side, int denominator) { return (side + denominator - 1) / denominator; }

}  // namespace tikolvo

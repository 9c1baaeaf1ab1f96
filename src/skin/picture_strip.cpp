#include "skin/picture_strip.h"

#include <algorithm>
#include <cstddef>

namespace tikolvo {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kColourBits = 0xFFFFFF;

std::uint32_t AlphaOf(std::uint32_t pixel) { return pixel >> 24; }

std::size_t Index(int x, int y, int width) {
  return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
}

std::uint32_t Scale(std::uint32_t channel, std::uint32_t alpha) { return (channel * alpha + 127) / 255; }

std::uint32_t PremultiplyPixel(std::uint32_t pixel) {
  const std::uint32_t a = AlphaOf(pixel);
  const std::uint32_t r = Scale((pixel >> 16) & 0xFF, a);
  const std::uint32_t g = Scale((pixel >> 8) & 0xFF, a);
  const std::uint32_t b = Scale(pixel & 0xFF, a);
  return a << 24 | r << 16 | g << 8 | b;
}

// One pass of a box blur along rows (horizontal) or columns.
std::vector<int> BoxBlur(const std::vector<int>& plane, int width, int height, int radius, bool horizontal) {
  std::vector<int> out(plane.size(), 0);
  const int span = 2 * radius + 1;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      int sum = 0;
      for (int k = -radius; k <= radius; ++k) {
        const int sx = horizontal ? x + k : x, sy = horizontal ? y : y + k;
        if (sx >= 0 && sy >= 0 && sx < width && sy < height) sum += plane[Index(sx, sy, width)];
      }
      out[Index(x, y, width)] = sum / span;
    }
  }
  return out;
}

// Two box blurs each way come close enough to a Gaussian for a shadow.
std::vector<int> Blur(std::vector<int> plane, int width, int height, int radius) {
  if (radius <= 0) return plane;
  for (int pass = 0; pass < 2; ++pass) {
    plane = BoxBlur(plane, width, height, radius, true);
    plane = BoxBlur(plane, width, height, radius, false);
  }
  return plane;
}

// The shadow's alpha, 0..255, for a canvas of the padded size.
std::vector<int> ShadowPlane(const Picture& picture, int pad, const ShadowLook& look, int width, int height) {
  std::vector<int> plane(static_cast<std::size_t>(width) * height, 0);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const int tx = x + pad + look.offset, ty = y + pad + look.offset;
      if (tx < 0 || ty < 0 || tx >= width || ty >= height) continue;
      plane[Index(tx, ty, width)] = static_cast<int>(AlphaOf(picture.At(x, y))) * look.strength / 255;
    }
  }
  return Blur(std::move(plane), width, height, look.radius);
}

}  // namespace

Picture CutStripPicture(const Picture& strip, int index, int size) {
  Picture cut;
  if (size <= 0 || index < 0 || index >= strip.width / size) return cut;
  cut.width = size;
  cut.height = strip.height;
  cut.source_bits = strip.source_bits;
  cut.transparent_colour = strip.transparent_colour;
  cut.pixels.reserve(static_cast<std::size_t>(size) * strip.height);
  for (int y = 0; y < strip.height; ++y)
    for (int x = 0; x < size; ++x) cut.pixels.push_back(strip.At(index * size + x, y));
  return cut;
}

bool HasAlpha(const Picture& picture) {
  return std::any_of(picture.pixels.begin(), picture.pixels.end(), [](std::uint32_t p) { return AlphaOf(p) != 0; });
}

Picture MaskFromAlpha(const Picture& picture) {
  Picture mask = picture;
  mask.source_bits = 1;
  for (std::uint32_t& p : mask.pixels) p = AlphaOf(p) < 128 ? kWhite : 0;
  return mask;
}

void TakeAlphaFromMask(Picture& picture, const Picture& mask) {
  if (HasAlpha(picture) || mask.width != picture.width || mask.height != picture.height) return;
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
    const bool seeThrough = (mask.pixels[i] & kColourBits) == kWhite;
    picture.pixels[i] = (picture.pixels[i] & kColourBits) | (seeThrough ? 0u : 0xFF000000u);
  }
}

std::vector<std::uint32_t> Premultiplied(const Picture& picture) {
  std::vector<std::uint32_t> out(picture.pixels.size());
  std::transform(picture.pixels.begin(), picture.pixels.end(), out.begin(), PremultiplyPixel);
  return out;
}

Picture ScaledPicture(const Picture& picture, int width, int height) {
  Picture out;
  if (picture.empty() || width <= 0 || height <= 0) return out;
  out.width = width;
  out.height = height;
  out.source_bits = picture.source_bits;
  out.transparent_colour = picture.transparent_colour;
  out.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    const int sy = static_cast<int>((2LL * y + 1) * picture.height / (2LL * height));
    for (int x = 0; x < width; ++x) {
      const int sx = static_cast<int>((2LL * x + 1) * picture.width / (2LL * width));
      out.pixels[Index(x, y, width)] = picture.At(sx, sy);
    }
  }
  return out;
}

void ShadeUnder(const Picture& shade, std::vector<std::uint32_t>& background) {
  const std::size_t count = std::min(background.size(), shade.pixels.size());
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t p = shade.pixels[i];
    if (AlphaOf(p) == 0) continue;
    const std::uint32_t brightness = (29 * ((p >> 16) & 0xFF) + 150 * ((p >> 8) & 0xFF) + 76 * (p & 0xFF)) / 256;
    const std::uint32_t factor = brightness / 3 + 170;
    std::uint32_t& b = background[i];
    const std::uint32_t r = ((b >> 16) & 0xFF) * factor / 256, g = ((b >> 8) & 0xFF) * factor / 256,
                        bl = (b & 0xFF) * factor / 256;
    b = (b & 0xFF000000u) | r << 16 | g << 8 | bl;
  }
}

Picture WithSoftShadow(const Picture& picture, int pad, const ShadowLook& look) {
  Picture out;
  if (picture.empty() || pad < 0) return out;
  out.width = picture.width + 2 * pad;
  out.height = picture.height + 2 * pad;
  out.source_bits = 32;
  const std::vector<int> shadow = ShadowPlane(picture, pad, look, out.width, out.height);
  out.pixels.resize(shadow.size());
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) {
      const std::size_t i = Index(x, y, out.width);
      const int px = x - pad, py = y - pad;
      const bool inside = px >= 0 && py >= 0 && px < picture.width && py < picture.height;
      const std::uint32_t top = inside ? PremultiplyPixel(picture.At(px, py)) : 0;
      // The shadow shows through where the picture is not opaque; it is black,
      // so it adds alpha and no colour.
      const std::uint32_t a = AlphaOf(top);
      const std::uint32_t shadowAlpha = static_cast<std::uint32_t>(shadow[i]) * (255 - a) / 255;
      out.pixels[i] = (a + shadowAlpha) << 24 | (top & kColourBits);
    }
  }
  return out;
}

}  // namespace tikolvo

#pragma once
// Putting pictures together: icons from PNG files of the icon theme, laid
// into strips or over an opaque background with their soft edges kept.
// Pixels are 0xAARRGGBB with straight alpha, like tikolvo::Picture.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>

#include <stb/stb_image.h>

#include "picture_table.h"
#include "skin/picture.h"

namespace pictures {

inline tikolvo::Picture Blank(int width, int height, std::uint32_t pixel = 0) {
  tikolvo::Picture picture;
  picture.width = width;
  picture.height = height;
  picture.source_bits = 32;
  picture.pixels.assign(static_cast<std::size_t>(width) * height, pixel);
  return picture;
}

inline std::uint32_t& PixelAt(tikolvo::Picture& picture, int x, int y) {
  return picture.pixels[static_cast<std::size_t>(y) * picture.width + x];
}

// The PNG of an icon at one of the theme's sizes; it must be exactly that size.
inline tikolvo::Picture LoadIcon(const std::filesystem::path& theme, const std::string& icon, int size) {
  const std::string sizeFolder = std::to_string(size) + "x" + std::to_string(size);
  const std::filesystem::path path = theme / sizeFolder / (icon + ".png");
  int width = 0, height = 0, channels = 0;
  unsigned char* rgba = stbi_load(path.string().c_str(), &width, &height, &channels, 4);
  if (!rgba) throw std::runtime_error("cannot read icon " + path.string());
  if (width != size || height != size) {
    stbi_image_free(rgba);
    throw std::runtime_error(path.string() + " is not " + sizeFolder);
  }
  tikolvo::Picture picture = Blank(size, size);
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
    const unsigned char* p = rgba + 4 * i;
    picture.pixels[i] = std::uint32_t{p[3]} << 24 | std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2];
  }
  stbi_image_free(rgba);
  return picture;
}

// Copies a picture into a transparent target as it is, alpha and all.
inline void Place(tikolvo::Picture& target, const tikolvo::Picture& picture, int left, int top) {
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) {
      const int tx = left + x, ty = top + y;
      if (tx >= 0 && ty >= 0 && tx < target.width && ty < target.height) PixelAt(target, tx, ty) = picture.At(x, y);
    }
}

// Mixes colour into an opaque target pixel by coverage 0..1.
inline void Mix(std::uint32_t& pixel, std::uint32_t colour, double coverage) {
  coverage = std::clamp(coverage, 0.0, 1.0);
  std::uint32_t out = 0xFF000000;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double under = (pixel >> shift) & 0xFF, over = (colour >> shift) & 0xFF;
    out |= static_cast<std::uint32_t>(under + (over - under) * coverage + 0.5) << shift;
  }
  pixel = out;
}

// Draws a picture with alpha over an opaque target at the given opacity.
inline void DrawOver(tikolvo::Picture& target, const tikolvo::Picture& picture, int left, int top,
                     double opacity = 1.0) {
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) {
      const int tx = left + x, ty = top + y;
      if (tx < 0 || ty < 0 || tx >= target.width || ty >= target.height) continue;
      const std::uint32_t p = picture.At(x, y);
      Mix(PixelAt(target, tx, ty), p & 0xFFFFFF, (p >> 24) / 255.0 * opacity);
    }
}

// A strip: each icon centred in its cell, the cells side by side.
inline tikolvo::Picture BuildStrip(const std::filesystem::path& theme, const StripSpec& strip) {
  tikolvo::Picture picture = Blank(strip.Count() * strip.cellSize, strip.cellSize);
  const int inset = (strip.cellSize - strip.iconSize) / 2;
  for (const auto& [index, icon] : strip.entries)
    Place(picture, LoadIcon(theme, icon.icon, strip.iconSize), index * strip.cellSize + inset, inset);
  return picture;
}

}  // namespace pictures

#pragma once
// The about page's banner: a blue band lighter to the right, a light dial in
// the rectangle where the program draws its live miniature clock, the
// program's name and what it is, and faint pictures of what it does.
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include <stb/stb_truetype.h>

#include "app/miniature_clock.h"
#include "compose.h"

namespace pictures {

class BannerFont {
 public:
  explicit BannerFont(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    data_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    const auto* bytes = reinterpret_cast<const unsigned char*>(data_.data());
    if (data_.empty() || !stbtt_InitFont(&font_, bytes, stbtt_GetFontOffsetForIndex(bytes, 0)))
      throw std::runtime_error("cannot read font " + path.string());
  }

  // Writes UTF-8 text with its baseline at y, starting at x; returns its width.
  int Draw(tikolvo::Picture& target, const std::string& text, double x, int baseline, float pixels,
           std::uint32_t colour, double opacity) const {
    const float scale = stbtt_ScaleForPixelHeight(&font_, pixels);
    const double start = x;
    int previous = 0;
    for (const int codepoint : Codepoints(text)) {
      if (previous) x += scale * stbtt_GetCodepointKernAdvance(&font_, previous, codepoint);
      DrawGlyph(target, codepoint, x, baseline, scale, colour, opacity);
      int advance = 0, bearing = 0;
      stbtt_GetCodepointHMetrics(&font_, codepoint, &advance, &bearing);
      x += advance * scale;
      previous = codepoint;
    }
    return static_cast<int>(x - start + 0.5);
  }

 private:
  static std::vector<int> Codepoints(const std::string& text) {
    std::vector<int> out;
    for (std::size_t i = 0; i < text.size();) {
      const unsigned char c = static_cast<unsigned char>(text[i]);
      const int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
      int cp = extra ? c & (0x3F >> extra) : c;
      for (int k = 1; k <= extra && i + k < text.size(); ++k) cp = cp << 6 | (text[i + k] & 0x3F);
      out.push_back(cp);
      i += 1 + extra;
    }
    return out;
  }

  void DrawGlyph(tikolvo::Picture& target, int codepoint, double x, int baseline, float scale, std::uint32_t colour,
                 double opacity) const {
    const float shift = static_cast<float>(x - std::floor(x));
    int w = 0, h = 0, dx = 0, dy = 0;
    unsigned char* coverage =
        stbtt_GetCodepointBitmapSubpixel(&font_, scale, scale, shift, 0, codepoint, &w, &h, &dx, &dy);
    for (int gy = 0; gy < h; ++gy)
      for (int gx = 0; gx < w; ++gx) {
        const int tx = static_cast<int>(std::floor(x)) + dx + gx, ty = baseline + dy + gy;
        if (tx < 0 || ty < 0 || tx >= target.width || ty >= target.height) continue;
        Mix(PixelAt(target, tx, ty), colour, coverage[gy * w + gx] / 255.0 * opacity);
      }
    stbtt_FreeBitmap(coverage, nullptr);
  }

  std::vector<char> data_;
  stbtt_fontinfo font_{};
};

namespace detail {

// 0x00RRGGBB
constexpr std::uint32_t Rgb(int r, int g, int b) { return static_cast<std::uint32_t>(r << 16 | g << 8 | b); }

// Lighter to the right and downwards, with a soft glow round the dial.
inline void FillBand(tikolvo::Picture& banner, double glowX, double glowY) {
  for (int y = 0; y < banner.height; ++y)
    for (int x = 0; x < banner.width; ++x) {
      const int fade = x * 90 / banner.width + y;
      PixelAt(banner, x, y) = 0xFF000000 | Rgb(28 + fade / 3, 52 + fade / 2, 92 + fade);
      const double dx = (x - glowX) / 150.0, dy = (y - glowY) / 60.0;
      Mix(PixelAt(banner, x, y), Rgb(120, 160, 220), 0.35 * std::exp(-(dx * dx + dy * dy) * 2.5));
    }
}

// Coverage of a disc at a pixel, by 4 x 4 samples.
inline double DiscCoverage(double cx, double cy, double radius, int x, int y) {
  int inside = 0;
  for (int sy = 0; sy < 4; ++sy)
    for (int sx = 0; sx < 4; ++sx) {
      const double px = x + (sx + 0.5) / 4 - cx, py = y + (sy + 0.5) / 4 - cy;
      inside += px * px + py * py <= radius * radius;
    }
  return inside / 16.0;
}

inline void DrawDisc(tikolvo::Picture& banner, double cx, double cy, double radius, std::uint32_t colour) {
  for (int y = static_cast<int>(cy - radius) - 1; y <= static_cast<int>(cy + radius) + 1; ++y)
    for (int x = static_cast<int>(cx - radius) - 1; x <= static_cast<int>(cx + radius) + 1; ++x)
      if (x >= 0 && y >= 0 && x < banner.width && y < banner.height)
        Mix(PixelAt(banner, x, y), colour, DiscCoverage(cx, cy, radius, x, y));
}

// A light dial with a soft shadow, a rim and twelve hour dots.
inline void DrawDial(tikolvo::Picture& banner, const tikolvo::HandRect& box) {
  const double cx = (box.left + box.right + 1) / 2.0, cy = (box.top + box.bottom + 1) / 2.0;
  const double radius = (box.right - box.left + 1) / 2.0 + 2;
  DrawDisc(banner, cx + 1.5, cy + 1.5, radius + 0.5, Rgb(14, 26, 52));
  DrawDisc(banner, cx, cy, radius, Rgb(200, 200, 210));
  DrawDisc(banner, cx, cy, radius - 1.2, Rgb(240, 236, 226));
  const double pi = std::acos(-1.0);
  for (int hour = 0; hour < 12; ++hour) {
    const double angle = hour * pi / 6, reach = radius - 3.2;
    const double size = hour % 3 == 0 ? 1.1 : 0.7;
    DrawDisc(banner, cx + reach * std::sin(angle), cy - reach * std::cos(angle), size, Rgb(90, 96, 110));
  }
}

}  // namespace detail

// The whole banner; the icons of the table stand faintly along its right end.
inline tikolvo::Picture DrawBanner(const BannerSpec& spec, const std::filesystem::path& theme,
                                   const BannerFont& font) {
  tikolvo::Picture banner = Blank(spec.width, spec.height);
  const tikolvo::HandRect& dial = tikolvo::MiniatureClock::kRect;
  detail::FillBand(banner, (dial.left + dial.right) / 2.0, (dial.top + dial.bottom) / 2.0);
  constexpr int kIconSize = 32, kIconStep = 38;
  int x = spec.width - 14 - static_cast<int>(spec.icons.size()) * kIconStep + (kIconStep - kIconSize);
  for (const IconRef& icon : spec.icons) {
    DrawOver(banner, LoadIcon(theme, icon.icon, kIconSize), x, (spec.height - kIconSize) / 2, 0.45);
    x += kIconStep;
  }
  // The program copies its live miniature clock over this square, so only
  // the dial under the hands is drawn here.
  detail::DrawDial(banner, dial);
  const int titleX = 200;
  font.Draw(banner, "Tikolvo", titleX + 1, 31, 30, detail::Rgb(10, 20, 40), 0.6);
  font.Draw(banner, "Tikolvo", titleX, 30, 30, detail::Rgb(255, 228, 140), 1.0);
  font.Draw(banner, "часы для рабочего стола", titleX + 1, 46, 12, detail::Rgb(210, 222, 240), 0.9);
  return banner;
}

}  // namespace pictures

#include "reminders/win/dialog_icon.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <vector>

#include "common/win/gdi.h"

namespace tikolvo {
namespace {

// Shapes are drawn by plain GDI at four times the size and averaged down,
// which gives smooth edges on every system from XP on.
constexpr int kSuper = 4;

using Mask = std::vector<float>;  // coverage 0..1, size x size

Mask Coverage(int size, const std::function<void(HDC, int)>& draw) {
  const int big = size * kSuper;
  Mask mask(static_cast<size_t>(size) * size, 0.0f);
  DibSection dib = CreateDib32(big, big);
  if (!dib.bitmap) return mask;
  std::memset(dib.bits, 0, static_cast<size_t>(big) * big * 4);
  {
    MemDc dc;
    SelectGuard bitmap(dc.get(), dib.bitmap.get());
    SelectGuard brush(dc.get(), GetStockObject(WHITE_BRUSH));
    SelectGuard pen(dc.get(), GetStockObject(NULL_PEN));
    draw(dc.get(), big);
    GdiFlush();
  }
  const auto* px = static_cast<const uint32_t*>(dib.bits);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      int sum = 0;
      for (int sy = 0; sy < kSuper; ++sy)
        for (int sx = 0; sx < kSuper; ++sx) sum += px[(y * kSuper + sy) * big + x * kSuper + sx] & 0xFF;
      mask[y * size + x] = sum / (255.0f * kSuper * kSuper);
    }
  }
  return mask;
}

int At(int big, double unit) { return static_cast<int>(big * unit + 0.5); }

void DrawInformation(HDC dc, int big) {
  Ellipse(dc, At(big, 0.41), At(big, 0.17), At(big, 0.59), At(big, 0.35));
  RoundRect(dc, At(big, 0.42), At(big, 0.42), At(big, 0.58), At(big, 0.81), At(big, 0.08), At(big, 0.08));
}

void DrawQuestion(HDC dc, int big) {
  UniqueGdi<HFONT> font(CreateFontW(-At(big, 0.74), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                                    DEFAULT_PITCH | FF_SWISS, L"Arial"));
  SelectGuard select(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  RECT r{0, At(big, 0.03), big, big};
  DrawTextW(dc, L"?", 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// A pencil lying from the lower left (its point) to the upper right.
void DrawInput(HDC dc, int big) {
  const double d = 0.7071, half = 0.085;
  const double tipX = 0.25, tipY = 0.75;
  auto point = [&](double along, double across) {
    return POINT{At(big, tipX + d * along + d * across), At(big, tipY - d * along + d * across)};
  };
  const POINT body[5] = {point(0, 0), point(0.17, half), point(0.6, half), point(0.6, -half), point(0.17, -half)};
  Polygon(dc, body, 5);
  const POINT cap[4] = {point(0.65, half), point(0.72, half), point(0.72, -half), point(0.65, -half)};
  Polygon(dc, cap, 4);
}

struct Tones {
  COLORREF top, bottom, rim;
};

Tones TonesFor(DialogGlyph glyph) {
  if (glyph == DialogGlyph::Input) return {RGB(0x7C, 0xCC, 0x70), RGB(0x2A, 0x86, 0x30), RGB(0x1C, 0x60, 0x22)};
  return {RGB(0x66, 0xAA, 0xF2), RGB(0x1A, 0x5A, 0xBE), RGB(0x10, 0x40, 0x90)};
}

float Mix(float a, float b, float t) { return a + (b - a) * t; }

// Separable box blur, twice, which is close enough to a Gaussian.
void Blur(Mask& m, int size, int radius) {
  Mask tmp(m.size());
  for (int pass = 0; pass < 4; ++pass) {
    const bool horizontal = pass % 2 == 0;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        float sum = 0;
        for (int k = -radius; k <= radius; ++k) {
          const int sx = horizontal ? x + k : x, sy = horizontal ? y : y + k;
          if (sx >= 0 && sy >= 0 && sx < size && sy < size) sum += m[sy * size + sx];
        }
        tmp[y * size + x] = sum / (2 * radius + 1);
      }
    }
    m.swap(tmp);
  }
}

struct Masks {
  Mask disc, inner, shine, glyph;
};

Masks DrawMasks(int size, DialogGlyph glyph) {
  const int inset = kSuper * std::max(1, size / 24);
  Masks masks;
  masks.disc = Coverage(size, [](HDC dc, int big) { Ellipse(dc, 0, 0, big, big); });
  masks.inner = Coverage(size, [&](HDC dc, int big) { Ellipse(dc, inset, inset, big - inset, big - inset); });
  masks.shine = Coverage(size, [](HDC dc, int big) {
    Ellipse(dc, At(big, 0.16), At(big, 0.05), At(big, 0.84), At(big, 0.52));
  });
  masks.glyph = Coverage(size, glyph == DialogGlyph::Information ? DrawInformation
                               : glyph == DialogGlyph::Question  ? DrawQuestion
                                                                 : DrawInput);
  return masks;
}

// Premultiplied BGRA picture of the glyph over its shadow, total x total.
std::vector<uint32_t> Compose(int size, int pad, DialogGlyph glyph) {
  const int total = size + 2 * pad;
  const int offset = std::max(1, size / 16);
  const Masks masks = DrawMasks(size, glyph);
  Mask shadow(static_cast<size_t>(total) * total, 0.0f);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) shadow[(y + pad + offset) * total + x + pad + offset] = masks.disc[y * size + x];
  Blur(shadow, total, std::max(1, size / 16));

  const Tones tones = TonesFor(glyph);
  std::vector<uint32_t> out(static_cast<size_t>(total) * total);
  for (int y = 0; y < total; ++y) {
    for (int x = 0; x < total; ++x) {
      float a = shadow[y * total + x] * 0.45f, r = 0, g = 0, b = 0;
      const int gx = x - pad, gy = y - pad;
      if (gx >= 0 && gy >= 0 && gx < size && gy < size) {
        const int i = gy * size + gx;
        const float c = masks.disc[i];
        const float t = gy / float(size - 1);
        float cr = Mix(GetRValue(tones.top), GetRValue(tones.bottom), t);
        float cg = Mix(GetGValue(tones.top), GetGValue(tones.bottom), t);
        float cb = Mix(GetBValue(tones.top), GetBValue(tones.bottom), t);
        const float rim = c > 0 ? 1.0f - std::min(1.0f, masks.inner[i] / c) : 0.0f;
        cr = Mix(cr, GetRValue(tones.rim), rim), cg = Mix(cg, GetGValue(tones.rim), rim);
        cb = Mix(cb, GetBValue(tones.rim), rim);
        const float light = std::max(masks.shine[i] * 0.3f, masks.glyph[i]);
        cr = Mix(cr, 255, light), cg = Mix(cg, 255, light), cb = Mix(cb, 255, light);
        r = cr * c, g = cg * c, b = cb * c;
        a = c + a * (1 - c);
      }
      auto byte = [](float v) { return static_cast<uint32_t>(std::clamp(v, 0.0f, 255.0f) + 0.5f); };
      out[y * total + x] = byte(a * 255) << 24 | byte(r) << 16 | byte(g) << 8 | byte(b);
    }
  }
  return out;
}

}  // namespace

void DrawDialogIcon(HDC dc, int x, int y, int size, int /*iconIndex*/, DialogGlyph glyph) {
  if (size < 4) return;
  const int pad = std::max(2, size / 8);
  const int total = size + 2 * pad;
  const std::vector<uint32_t> pixels = Compose(size, pad, glyph);
  DibSection dib = CreateDib32(total, total);
  if (!dib.bitmap) return;
  std::memcpy(dib.bits, pixels.data(), pixels.size() * 4);
  MemDc source;
  SelectGuard select(source.get(), dib.bitmap.get());
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, x - pad, y - pad, total, total, source.get(), 0, 0, total, total, blend);
}

}  // namespace tikolvo

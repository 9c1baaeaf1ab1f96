#include "common/win/dialog_icon.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "common/win/gdi.h"
#include "skin/picture_strip.h"
#include "skin/program_pictures.h"
#include "common/win/ress_pictures.h"

namespace tikolvo {
namespace {

// Below this size the 16 px pictures are sharper than shrunken 32 px ones.
constexpr int kLargePictureFrom = 24;

// The shadow of a 32 px picture; smaller and larger ones scale with it.
constexpr ShadowLook kShadow{2, 2, 115};

int KindPicture(DialogGlyph glyph) {
  switch (glyph) {
    case DialogGlyph::Question: return system_picture::kQuestion;
    case DialogGlyph::Input: return system_picture::kInput;
    case DialogGlyph::Information: break;
  }
  return system_picture::kNotice;
}

ShadowLook ShadowFor(int pictureSize) {
  const int scale = pictureSize >= kLargePictureFrom ? 1 : 2;  // 16 px pictures get half the shadow
  return {kShadow.offset / scale, kShadow.radius / scale, kShadow.strength};
}

}  // namespace

void DrawDialogIcon(HDC dc, int x, int y, int size, int iconIndex, DialogGlyph glyph) {
  if (size <= 0) return;
  const PictureStrip& strip = size >= kLargePictureFrom ? LargeSystemStrip() : SystemStrip();
  const int index = iconIndex >= 0 && iconIndex < strip.Count() ? iconIndex : KindPicture(glyph);
  const Picture picture = strip.At(index);
  if (picture.empty()) return;
  const ShadowLook look = ShadowFor(picture.width);
  const int pad = look.offset + 2 * look.radius;
  const Picture shadowed = WithSoftShadow(picture, pad, look);
  const DibSection dib = PictureToDib(shadowed, false);  // premultiplied already
  if (!dib.bitmap) return;
  // A window scaled for a larger font shows the picture larger, shadow and all.
  const int drawnPad = MulDiv(pad, size, picture.width);
  const int drawnTotal = size + 2 * drawnPad;
  MemDc source;
  SelectGuard select(source.get(), dib.bitmap.get());
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, x - drawnPad, y - drawnPad, drawnTotal, drawnTotal, source.get(), 0, 0, shadowed.width,
             shadowed.height, blend);
}

void DrawBalloonIcon(HDC dc, int x, int y, int size, int iconIndex) {
  const PictureStrip& strip = SystemStrip();
  const int index = iconIndex >= 0 && iconIndex < strip.Count() ? iconIndex : KindPicture(DialogGlyph::Information);
  const Picture picture = strip.At(index);
  if (picture.empty() || size <= 0) return;
  // The shade covers one pixel more than the picture, from one pixel further in.
  const int shadeSize = size + 1;
  const Picture shade = ScaledPicture(picture, shadeSize, shadeSize);
  DibSection under = CreateDib32(shadeSize, shadeSize);
  if (under.bitmap) {
    MemDc mem;
    SelectGuard select(mem.get(), under.bitmap.get());
    BitBlt(mem.get(), 0, 0, shadeSize, shadeSize, dc, x + 1, y + 1, SRCCOPY);
    GdiFlush();
    auto* bits = static_cast<std::uint32_t*>(under.bits);
    std::vector<std::uint32_t> pixels(bits, bits + shade.pixels.size());
    ShadeUnder(shade, pixels);
    std::copy(pixels.begin(), pixels.end(), bits);
    BitBlt(dc, x + 1, y + 1, shadeSize, shadeSize, mem.get(), 0, 0, SRCCOPY);
  }
  const DibSection drawn = PictureToDib(ScaledPicture(picture, size, size), true);
  if (!drawn.bitmap) return;
  MemDc source;
  SelectGuard select(source.get(), drawn.bitmap.get());
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, x, y, size, size, source.get(), 0, 0, size, size, blend);
}

}  // namespace tikolvo

#include "render/layer.h"

#include <algorithm>
#include <cstring>

namespace tikolvo {
namespace {

// round(a * c / 255) for bytes; a * c / 255 never ends in exactly one half,
// so the tie rule does not matter.
std::uint8_t ScaleByAlpha(unsigned alpha, unsigned channel) {
  return static_cast<std::uint8_t>((2 * alpha * channel + 255) / 510);
}

// The part of a source of size (w, h) placed at (x, y) that lies inside a
// target of size (tw, th), in target coordinates.
struct Clip {
  int left, top, right, bottom;
  Clip(int x, int y, int w, int h, int tw, int th)
      : left(std::max(0, x)),
        top(std::max(0, y)),
        right(std::min(tw, x + w)),
        bottom(std::min(th, y + h)) {}
  bool Empty() const { return left >= right || top >= bottom; }
};

}  // namespace

Bitmap32 Premultiply(const Bitmap24& face, const Bitmap24& mask) {
  Bitmap32 result(face.Width(), face.Height());
  const int maskWidth = std::min(face.Width(), mask.Width());
  const int maskHeight = std::min(face.Height(), mask.Height());
  for (int y = 0; y < maskHeight; ++y) {
    const std::uint8_t* f = face.Row(y);
    const std::uint8_t* m = mask.Row(y);
    std::uint8_t* out = result.Row(y);
    for (int x = 0; x < maskWidth; ++x, f += 3, m += 3, out += 4) {
      const unsigned sum = m[0] + m[1] + m[2];
      const unsigned alpha = (sum + 1) / 3;  // a third is never exactly one half away
      out[0] = ScaleByAlpha(alpha, f[0]);
      out[1] = ScaleByAlpha(alpha, f[1]);
      out[2] = ScaleByAlpha(alpha, f[2]);
      out[3] = static_cast<std::uint8_t>(alpha);
    }
  }
  return result;
}

void CopyBitmap32(const Bitmap32& source, Bitmap32& target, int x, int y) {
  const Clip clip(x, y, source.Width(), source.Height(), target.Width(), target.Height());
  if (clip.Empty()) return;
  const std::size_t bytes = static_cast<std::size_t>(clip.right - clip.left) * 4;
  for (int row = clip.top; row < clip.bottom; ++row) {
    std::memcpy(target.Row(row) + clip.left * 4, source.Row(row - y) + (clip.left - x) * 4, bytes);
  }
}

void LayerBlit(const Bitmap24& output, int left, int top, Bitmap32& layer) {
  if (output.Empty()) return;
  const Clip clip(left, top, output.Width(), output.Height(), layer.Width(), layer.Height());
  if (clip.Empty()) return;
  const std::uint8_t* corner = output.Row(0);
  for (int row = clip.top; row < clip.bottom; ++row) {
    const std::uint8_t* src = output.Row(row - top) + (clip.left - left) * 3;
    std::uint8_t* dst = layer.Row(row) + clip.left * 4;
    for (int x = clip.left; x < clip.right; ++x, src += 3, dst += 4) {
      if (src[0] == corner[0] && src[1] == corner[1] && src[2] == corner[2]) continue;
      dst[0] = src[0];
      dst[1] = src[1];
      dst[2] = src[2];
    }
  }
}

}  // namespace tikolvo

#include "app/face_compose.h"

#include <algorithm>
#include <cstring>

namespace tikolvo {
namespace {

Box FrameBox(const FrameView& frame) { return {0, 0, frame.width, frame.height}; }

}  // namespace

Box Union(const Box& a, const Box& b) {
  if (a.Empty()) return b;
  if (b.Empty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

Box Intersect(const Box& a, const Box& b) {
  const Box r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
  return r.Empty() ? Box{} : r;
}

Bitmap32 OpaqueBase(const Picture& face) {
  Bitmap32 base(face.width, face.height);
  for (int y = 0; y < face.height; ++y) {
    std::uint8_t* row = base.Row(y);
    for (int x = 0; x < face.width; ++x) {
      const std::uint32_t p = face.At(x, y) | 0xFF000000u;
      std::memcpy(row + x * 4, &p, 4);  // 0xAARRGGBB is B, G, R, A in memory
    }
  }
  return base;
}

Bitmap24 ToBitmap24(const Picture& picture) {
  Bitmap24 bitmap(picture.width, picture.height);
  for (int y = 0; y < picture.height; ++y) {
    std::uint8_t* row = bitmap.Row(y);
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t p = picture.At(x, y);
      row[x * 3] = static_cast<std::uint8_t>(p);
      row[x * 3 + 1] = static_cast<std::uint8_t>(p >> 8);
      row[x * 3 + 2] = static_cast<std::uint8_t>(p >> 16);
    }
  }
  return bitmap;
}

void RestoreBox(const Bitmap32& base, const FrameView& frame, const Box& box) {
  const Box r = Intersect(Intersect(box, FrameBox(frame)), Box{0, 0, base.Width(), base.Height()});
  if (r.Empty()) return;
  const std::size_t bytes = static_cast<std::size_t>(r.right - r.left) * 4;
  for (int y = r.top; y < r.bottom; ++y) std::memcpy(frame.Row(y) + r.left * 4, base.Row(y) + r.left * 4, bytes);
}

void PutHands(const Bitmap24& hands, int left, int top, const FrameView& frame, bool layered, const Box& clip) {
  const Box r = Intersect(Intersect(Box{left, top, left + hands.Width(), top + hands.Height()}, FrameBox(frame)), clip);
  if (r.Empty()) return;
  const std::uint8_t* corner = hands.Row(0);
  for (int y = r.top; y < r.bottom; ++y) {
    const std::uint8_t* source = hands.Row(y - top) + (r.left - left) * 3;
    std::uint8_t* target = frame.Row(y) + r.left * 4;
    for (int x = r.left; x < r.right; ++x, source += 3, target += 4) {
      if (layered) {
        if (source[0] == corner[0] && source[1] == corner[1] && source[2] == corner[2]) continue;
      } else {
        target[3] = 0xFF;
      }
      target[0] = source[0];
      target[1] = source[1];
      target[2] = source[2];
    }
  }
}

void PutKeyed(const Picture& picture, int left, int top, std::optional<std::uint32_t> keyColour,
              const FrameView& frame, const Box& clip) {
  const Box r =
      Intersect(Intersect(Box{left, top, left + picture.width, top + picture.height}, FrameBox(frame)), clip);
  if (r.Empty()) return;
  // A pixel value no 24-bit colour has stands for "no key".
  const std::uint32_t key = keyColour ? ColourToPixel(*keyColour) & 0xFFFFFF : 0xFF000000u;
  for (int y = r.top; y < r.bottom; ++y) {
    std::uint8_t* target = frame.Row(y) + r.left * 4;
    for (int x = r.left; x < r.right; ++x, target += 4) {
      const std::uint32_t p = picture.At(x - left, y - top) & 0xFFFFFF;
      if (p == key) continue;
      const std::uint32_t opaque = p | 0xFF000000u;
      std::memcpy(target, &opaque, 4);
    }
  }
}

}  // namespace tikolvo

namespace tikolvo {

void RepairTextAlpha(const Bitmap32& base, const FrameView& frame, const Box& box) {
  const Box r = Intersect(Intersect(box, Box{0, 0, frame.width, frame.height}), Box{0, 0, base.Width(), base.Height()});
  for (int y = r.top; y < r.bottom; ++y) {
    std::uint8_t* target = frame.Row(y) + r.left * 4;
    const std::uint8_t* source = base.Row(y) + r.left * 4;
    for (int x = r.left; x < r.right; ++x, target += 4, source += 4) {
      const unsigned alpha = source[3];
      if (target[3] != 0 || alpha == 0) continue;
      for (int c = 0; c < 3; ++c) target[c] = static_cast<std::uint8_t>((target[c] * alpha + 127) / 255);
      target[3] = static_cast<std::uint8_t>(alpha);
    }
  }
}

}  // namespace tikolvo

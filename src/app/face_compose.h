#pragma once
// Putting the face together in the window's own pixel buffer: the skin's
// picture as the base, the hand rectangle from the drawing engine, button
// frames with their see-through colour. The buffer is a top-down 32-bit
// picture in blue, green, red, alpha order, the layout of a DIB section and
// of a per-pixel-alpha window; the Win32 side only adds the label texts.
#include <cstdint>
#include <optional>

#include "common/geometry.h"
#include "render/bitmap.h"
#include "skin/picture.h"

namespace tikolvo {

// Half-open on the right and bottom.
using Box = PixelBox;

// The smallest box holding both; an empty box adds nothing.
Box Union(const Box& a, const Box& b);
Box Intersect(const Box& a, const Box& b);

// Pixels the program does not own (a DIB section's bits).
struct FrameView {
  std::uint8_t* bits = nullptr;
  int width = 0;
  int height = 0;
  std::uint8_t* Row(int y) const { return bits + static_cast<std::size_t>(y) * width * 4; }
};

// The face as an opaque base (alpha 255), and as the engine's background.
Bitmap32 OpaqueBase(const Picture& face);
Bitmap24 ToBitmap24(const Picture& picture);

// Copies `box` of the base back into the frame (clipped to both).
void RestoreBox(const Bitmap32& base, const FrameView& frame, const Box& box);

// The engine's picture of the hand rectangle at (left, top). Opaque faces
// take every pixel. Layered faces keep their alpha, and pixels equal to the
// picture's top-left one stand for "nothing drawn" and are left alone.
// Only pixels inside `clip` are written.
void PutHands(const Bitmap24& hands, int left, int top, const FrameView& frame, bool layered,
              const Box& clip = Box{0, 0, 1 << 30, 1 << 30});

// A button frame at (left, top), skipping its see-through colour
// (0x00BBGGRR; none: every pixel is drawn), only inside `clip`.
void PutKeyed(const Picture& picture, int left, int top, std::optional<std::uint32_t> keyColour,
              const FrameView& frame, const Box& clip);

}  // namespace tikolvo

namespace tikolvo {

// Text drawn by the system into a 32-bit picture leaves alpha 0 behind. On a
// layered face, pixels of `box` that the base shows (alpha above 0) but that
// now have alpha 0 were written by text: they get the base's opacity back,
// with their colour premultiplied by it.
void RepairTextAlpha(const Bitmap32& base, const FrameView& frame, const Box& box);

}  // namespace tikolvo

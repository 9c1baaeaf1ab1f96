#include "app/face_compose.h"

#include <gtest/gtest.h>

#include <vector>

namespace tikolvo {
namespace {

struct Frame {
  std::vector<std::uint8_t> bytes;
  FrameView view;
  Frame(int w, int h, std::uint32_t fill) : bytes(static_cast<std::size_t>(w) * h * 4) {
    view = {bytes.data(), w, h};
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) Set(x, y, fill);
  }
  // 0xAARRGGBB, as the window's buffer holds it.
  std::uint32_t At(int x, int y) const {
    const std::uint8_t* p = view.Row(y) + x * 4;
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
  }
  void Set(int x, int y, std::uint32_t v) {
    std::uint8_t* p = view.Row(y) + x * 4;
    p[0] = v & 0xFF, p[1] = v >> 8 & 0xFF, p[2] = v >> 16 & 0xFF, p[3] = v >> 24;
  }
};

Picture Solid(int w, int h, std::uint32_t pixel) {
  Picture p;
  p.width = w;
  p.height = h;
  p.pixels.assign(static_cast<std::size_t>(w) * h, pixel);
  return p;
}

TEST(FaceCompose, OpaqueHandsReplaceTheWholeRectangle) {
  Frame frame(6, 6, 0x00000000);
  Bitmap24 hands(2, 2);
  hands.Fill(MakeColour(10, 20, 30));
  hands.SetPixel(1, 1, MakeColour(200, 0, 0));
  PutHands(hands, 3, 4, frame.view, false);
  EXPECT_EQ(frame.At(3, 4), 0xFF0A141Eu);
  EXPECT_EQ(frame.At(4, 5), 0xFFC80000u);
  EXPECT_EQ(frame.At(2, 4), 0u);
  // Off the frame's edge is clipped, not written past the buffer.
  PutHands(hands, 5, 5, frame.view, false);
  EXPECT_EQ(frame.At(5, 5), 0xFF0A141Eu);
}

TEST(FaceCompose, LayeredHandsSkipTheCornerColourAndKeepAlpha) {
  Frame frame(3, 1, 0x40010203);
  Bitmap24 hands(3, 1);
  hands.Fill(MakeColour(9, 9, 9));
  hands.SetPixel(1, 0, MakeColour(100, 110, 120));
  PutHands(hands, 0, 0, frame.view, true);
  EXPECT_EQ(frame.At(0, 0), 0x40010203u);  // equal to the top-left pixel: nothing drawn
  EXPECT_EQ(frame.At(2, 0), 0x40010203u);
  EXPECT_EQ(frame.At(1, 0), 0x40646E78u);  // colour in, alpha untouched
}

TEST(FaceCompose, KeyedButtonFramesLeaveTheirSeeThroughColourOut) {
  Frame frame(4, 4, 0xFF111111);
  Picture button = Solid(3, 3, 0x00FF00FF);  // magenta, the key
  button.pixels[4] = 0x0000FF00;            // the centre is green
  PutKeyed(button, 1, 1, 0xFF00FF, frame.view, Box{0, 0, 4, 4});
  EXPECT_EQ(frame.At(1, 1), 0xFF111111u);
  EXPECT_EQ(frame.At(2, 2), 0xFF00FF00u);
  // Nothing outside the clip.
  Frame clipped(4, 4, 0xFF111111);
  PutKeyed(Solid(3, 3, 0x00123456), 0, 0, 0xFF00FF, clipped.view, Box{0, 0, 1, 1});
  EXPECT_EQ(clipped.At(0, 0), 0xFF123456u);
  EXPECT_EQ(clipped.At(1, 0), 0xFF111111u);
  // Without a key even the key's colour is drawn.
  Frame opaque(4, 4, 0xFF111111);
  PutKeyed(button, 1, 1, std::nullopt, opaque.view, Box{0, 0, 4, 4});
  EXPECT_EQ(opaque.At(1, 1), 0xFFFF00FFu);
}

TEST(FaceCompose, RestoreCopiesOnlyTheBoxBack) {
  const Bitmap32 base = OpaqueBase(Solid(4, 4, 0x00ABCDEF));
  Frame frame(4, 4, 0);
  RestoreBox(base, frame.view, Box{1, 1, 3, 9});
  EXPECT_EQ(frame.At(1, 1), 0xFFABCDEFu);
  EXPECT_EQ(frame.At(2, 3), 0xFFABCDEFu);
  EXPECT_EQ(frame.At(0, 1), 0u);
  EXPECT_EQ(frame.At(3, 3), 0u);
}

TEST(FaceCompose, TextOnALayeredFaceGetsTheBaseOpacityBack) {
  Bitmap32 base(3, 1);
  base.SetPixel(0, 0, 0x000000, 0);      // see-through: left alone
  base.SetPixel(1, 0, 0x808080, 128);    // half opaque under the text
  base.SetPixel(2, 0, 0xFFFFFF, 255);
  Frame frame(3, 1, 0);
  frame.Set(1, 0, 0x00FFFFFF);  // text pixels, alpha wiped by the system
  frame.Set(2, 0, 0xFF102030);  // untouched by text
  RepairTextAlpha(base, frame.view, Box{0, 0, 3, 1});
  EXPECT_EQ(frame.At(0, 0), 0u);
  EXPECT_EQ(frame.At(1, 0), 0x80808080u);
  EXPECT_EQ(frame.At(2, 0), 0xFF102030u);
}

TEST(FaceCompose, UnionAndIntersectionOfDirtyBoxes) {
  EXPECT_EQ(Union(Box{}, Box{1, 2, 3, 4}), (Box{1, 2, 3, 4}));
  EXPECT_EQ(Union(Box{0, 0, 2, 2}, Box{5, 1, 6, 9}), (Box{0, 0, 6, 9}));
  EXPECT_TRUE(Intersect(Box{0, 0, 2, 2}, Box{2, 0, 4, 2}).Empty());
  EXPECT_EQ(Intersect(Box{0, 0, 5, 5}, Box{3, -2, 9, 4}), (Box{3, 0, 5, 4}));
}

}  // namespace
}  // namespace tikolvo

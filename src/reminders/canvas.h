#pragma once
// The little the reminder drawing needs from a picture's drawing surface.
// The Windows layer implements it with GDI on the wallpaper bitmap; tests
// record the calls.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/geometry.h"

namespace tikolvo {

struct CanvasFont {
  std::string name;
  int size = 8;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;

  bool operator==(const CanvasFont&) const = default;
};

struct TextExtent {
  int width = 0;
  int height = 0;
};

class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void SetFont(const CanvasFont& font) = 0;
  // 0x00BBGGRR.
  virtual void SetTextColour(std::uint32_t colour) = 0;
  // Text in the current font, in pixels.
  virtual TextExtent MeasureText(std::string_view utf8) = 0;
  // Writes UTF-8 text with its top-left corner at (x, y) and a transparent
  // background.
  virtual void DrawText(int x, int y, std::string_view utf8) = 0;
};

// A rectangle of pixels: left and top inside, right and bottom just outside.
using CanvasRect = PixelBox;

// A canvas that also paints areas, for self-drawn controls. Parts outside
// the picture are clipped; an empty rectangle paints nothing.
class ShapeCanvas : public Canvas {
 public:
  // Paints the rectangle in one colour (0x00BBGGRR).
  virtual void FillRect(const CanvasRect& rect, std::uint32_t colour) = 0;
  // Mixes every pixel of the rectangle with a colour, each channel becoming
  // round(0.7 × pixel + 0.3 × colour): what is drawn there shows through.
  virtual void TintRect(const CanvasRect& rect, std::uint32_t colour) = 0;
  // A straight line from one pixel to the other, both included, `thickness`
  // pixels across (at least 1). Made of filled runs, so every surface that
  // fills draws lines the same way.
  virtual void DrawLine(PixelPoint from, PixelPoint to, int thickness, std::uint32_t colour);
};

// A shape canvas that can tell which pixels a text really covers, not only
// the box the font reserves for it: the desktop calendar frames today's
// number by its ink.
class InkCanvas : public ShapeCanvas {
 public:
  // The smallest box holding every pixel the text in the current font
  // paints, relative to where DrawText would put its top-left corner; an
  // empty box for a text that paints nothing.
  virtual CanvasRect MeasureInk(std::string_view utf8) = 0;
  // The outline of the rectangle, `thickness` pixels wide, inside it.
  void FrameRect(const CanvasRect& rect, int thickness, std::uint32_t colour);
};

}  // namespace tikolvo

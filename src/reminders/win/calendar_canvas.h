#pragma once
// The shape canvas on a 32-bit DIB section selected into a memory DC: the
// picture a self-drawn control paints off screen and copies to the screen
// in one step. Texts go through GDI; fills are opaque text-outs (the fastest
// solid fill GDI has on every version); tints work on the pixels.
//
// <windows.h> comes before canvas.h here on purpose: it turns DrawText into
// DrawTextW, and the base class and this one must see the same name.
#include <windows.h>

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "common/win/gdi.h"
#include "reminders/canvas.h"

namespace tikolvo {

class DibCanvas : public InkCanvas {
 public:
  DibCanvas() = default;
  ~DibCanvas() override;
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;

  // A picture of the size (a new one starts black; the same size keeps the
  // old picture); false when the system has no memory for it (the canvas is
  // then empty and draws nothing).
  bool Resize(int width, int height);
  int Width() const { return dib_.width; }
  int Height() const { return dib_.height; }
  HDC dc() const { return dc_.get(); }
  // Copies the picture to (x, y) of a device context.
  void CopyTo(HDC target, int x, int y) const;
  // The colour (0x00BBGGRR) of a pixel, for tests; 0 outside the picture.
  std::uint32_t PixelAt(int x, int y) const;
  // The pixels, 0x00RRGGBB, top row first, once GDI has finished drawing;
  // nullptr for an empty canvas.
  const std::uint32_t* Pixels() const;

  void SetFont(const CanvasFont& font) override;
  void SetTextColour(std::uint32_t colour) override;
  TextExtent MeasureText(std::string_view utf8) override;
  void DrawText(int x, int y, std::string_view utf8) override;
  void FillRect(const CanvasRect& rect, std::uint32_t colour) override;
  void TintRect(const CanvasRect& rect, std::uint32_t colour) override;
  // Draws the text black on white off the picture and looks for its pixels.
  CanvasRect MeasureInk(std::string_view utf8) override;

 private:
  HFONT FontFor(const CanvasFont& font);
  RECT Clipped(const CanvasRect& rect) const;
  void Release();

  MemDc dc_;
  DibSection dib_;
  HGDIOBJ originalBitmap_ = nullptr;
  HGDIOBJ originalFont_ = nullptr;
  // Fonts made so far, kept while the canvas lives: a control redraws with
  // the same few fonts many times.
  std::vector<std::pair<CanvasFont, UniqueGdi<HFONT>>> fonts_;
};

}  // namespace tikolvo

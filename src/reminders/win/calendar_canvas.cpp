#include "reminders/win/calendar_canvas.h"

#include <algorithm>
#include <string>

#include "common/win/wide_text.h"
#include "reminders/calendar_colours.h"

namespace tikolvo {
namespace {

int PixelHeight(int points) {
  WindowDc screen(nullptr);
  const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
  return -MulDiv(std::max(points, 1), dpi > 0 ? dpi : 96, 72);
}

std::uint32_t* PixelRow(const DibSection& dib, int y) {
  return static_cast<std::uint32_t*>(dib.bits) + static_cast<std::size_t>(y) * dib.width;
}

// The DIB keeps 0x00RRGGBB; the program's colours are 0x00BBGGRR.
std::uint32_t SwapRedBlue(std::uint32_t c) { return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF); }

}  // namespace

DibCanvas::~DibCanvas() { Release(); }

void DibCanvas::Release() {
  if (originalFont_) SelectObject(dc_.get(), originalFont_);
  if (originalBitmap_) SelectObject(dc_.get(), originalBitmap_);
  originalFont_ = nullptr;
  originalBitmap_ = nullptr;
}

bool DibCanvas::Resize(int width, int height) {
  if (dib_.bitmap && width == dib_.width && height == dib_.height) return true;
  Release();
  dib_ = DibSection{};
  if (width <= 0 || height <= 0) return false;
  dib_ = CreateDib32(width, height);
  if (!dib_.bitmap) return false;
  originalBitmap_ = SelectObject(dc_.get(), dib_.bitmap.get());
  SetBkMode(dc_.get(), TRANSPARENT);
  return true;
}

void DibCanvas::CopyTo(HDC target, int x, int y) const {
  if (dib_.bitmap) BitBlt(target, x, y, dib_.width, dib_.height, dc_.get(), 0, 0, SRCCOPY);
}

std::uint32_t DibCanvas::PixelAt(int x, int y) const {
  if (!dib_.bitmap || x < 0 || y < 0 || x >= dib_.width || y >= dib_.height) return 0;
  GdiFlush();
  return SwapRedBlue(PixelRow(dib_, y)[x] & 0xFFFFFF);
}

const std::uint32_t* DibCanvas::Pixels() const {
  if (!dib_.bitmap) return nullptr;
  GdiFlush();
  return static_cast<const std::uint32_t*>(dib_.bits);
}

HFONT DibCanvas::FontFor(const CanvasFont& font) {
  for (const auto& [made, handle] : fonts_) {
    if (made == font) return handle.get();
  }
  const std::wstring face = Widen(font.name).substr(0, LF_FACESIZE - 1);
  HFONT handle = CreateFontW(PixelHeight(font.size), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic,
                             font.underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  fonts_.emplace_back(font, UniqueGdi<HFONT>(handle));
  return handle;
}

void DibCanvas::SetFont(const CanvasFont& font) {
  HFONT handle = FontFor(font);
  if (!handle) return;
  HGDIOBJ previous = SelectObject(dc_.get(), handle);
  if (!originalFont_) originalFont_ = previous;
}

void DibCanvas::SetTextColour(std::uint32_t colour) { SetTextColor(dc_.get(), colour & 0xFFFFFF); }

TextExtent DibCanvas::MeasureText(std::string_view utf8) {
  const std::wstring text = Widen(utf8);
  SIZE size{};
  if (!GetTextExtentPoint32W(dc_.get(), text.c_str(), static_cast<int>(text.size()), &size)) return {};
  return {static_cast<int>(size.cx), static_cast<int>(size.cy)};
}

void DibCanvas::DrawText(int x, int y, std::string_view utf8) {
  if (!dib_.bitmap) return;
  const std::wstring text = Widen(utf8);
  TextOutW(dc_.get(), x, y, text.c_str(), static_cast<int>(text.size()));
}

RECT DibCanvas::Clipped(const CanvasRect& r) const {
  return {std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, dib_.width), std::min(r.bottom, dib_.height)};
}

void DibCanvas::FillRect(const CanvasRect& rect, std::uint32_t colour) {
  const RECT r = Clipped(rect);
  if (!dib_.bitmap || r.right <= r.left || r.bottom <= r.top) return;
  SetBkColor(dc_.get(), colour & 0xFFFFFF);
  ExtTextOutW(dc_.get(), 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

void DibCanvas::TintRect(const CanvasRect& rect, std::uint32_t colour) {
  const RECT r = Clipped(rect);
  if (!dib_.bitmap || r.right <= r.left || r.bottom <= r.top) return;
  GdiFlush();  // GDI may still be drawing into the pixels
  const std::uint32_t tint = SwapRedBlue(colour & 0xFFFFFF);
  for (int y = r.top; y < r.bottom; ++y) {
    std::uint32_t* row = PixelRow(dib_, y);
    for (int x = r.left; x < r.right; ++x) {
      std::uint32_t out = 0;
      for (int shift = 0; shift < 24; shift += 8) {
        const auto channel = calendar::TintChannel(static_cast<std::uint8_t>(row[x] >> shift),
                                                   static_cast<std::uint8_t>(tint >> shift));
        out |= static_cast<std::uint32_t>(channel) << shift;
      }
      row[x] = out;
    }
  }
}

// White room half as wide again as the text, so that an italic's overhang
// is caught too; a pixel counts as ink when it is no longer white.
CanvasRect DibCanvas::MeasureInk(std::string_view utf8) {
  const std::wstring text = Widen(utf8);
  const TextExtent extent = MeasureText(utf8);
  const int width = extent.width + extent.width / 2;
  if (width <= 0 || extent.height <= 0) return {};
  DibSection scratch = CreateDib32(width, extent.height);
  MemDc dc;
  if (!scratch.bitmap || !dc.get()) return {};
  SelectGuard bitmap(dc.get(), scratch.bitmap.get());
  SelectGuard font(dc.get(), GetCurrentObject(dc_.get(), OBJ_FONT));
  std::fill_n(static_cast<std::uint32_t*>(scratch.bits), static_cast<std::size_t>(width) * extent.height, 0xFFFFFFu);
  SetBkMode(dc.get(), TRANSPARENT);
  SetTextColor(dc.get(), RGB(0, 0, 0));
  TextOutW(dc.get(), 0, 0, text.c_str(), static_cast<int>(text.size()));
  GdiFlush();
  CanvasRect ink{width, extent.height, 0, 0};
  for (int y = 0; y < extent.height; ++y) {
    const std::uint32_t* row = PixelRow(scratch, y);
    for (int x = 0; x < width; ++x) {
      if ((row[x] & 0xFFFFFF) == 0xFFFFFF) continue;
      ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1), std::max(ink.bottom, y + 1)};
    }
  }
  return ink.Empty() ? CanvasRect{} : ink;
}

}  // namespace tikolvo

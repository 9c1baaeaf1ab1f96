#include "settings/win/about_banner.h"

#include <cstdint>
#include <cstring>
#include <optional>

#include "render/bitmap.h"
#include "common/win/ress_pictures.h"

namespace tikolvo {
namespace {

constexpr wchar_t kClassName[] = L"TAboutBanner";
constexpr char kBannerResource[] = "LOGO_BACK_IMAGE";
constexpr char kLogoResource[] = "BITMAP_LOGO";
constexpr std::uint32_t kPlainBand = 0x1C345C;  // 0x00RRGGBB as the DIB stores it

// Pixel at (x, y) of a top-down 32-bit DIB, as blue, green, red bytes.
std::uint8_t* DibPixel(const DibSection& dib, int x, int y) {
  return static_cast<std::uint8_t*>(dib.bits) + (static_cast<std::size_t>(y) * dib.width + x) * 4;
}

void CopyToBitmap(const DibSection& dib, Bitmap24& out) {
  out.Resize(dib.width, dib.height);
  for (int y = 0; y < dib.height; ++y)
    for (int x = 0; x < dib.width; ++x) std::memcpy(out.Row(y) + x * 3, DibPixel(dib, x, y), 3);
}

void CopyFromBitmap(const Bitmap24& in, const DibSection& dib, int left, int top) {
  for (int y = 0; y < in.Height() && top + y < dib.height; ++y)
    for (int x = 0; x < in.Width() && left + x < dib.width; ++x)
      std::memcpy(DibPixel(dib, left + x, top + y), in.Row(y) + x * 3, 3);
}

}  // namespace

bool AboutBanner::Create(HWND parent, int x, int y) {
  RegisterWindowClass(kClassName, 0, nullptr, nullptr, nullptr);
  if (!CreateWindowFor(0, kClassName, L"", WS_CHILD | WS_VISIBLE, x, y, kWidth, kHeight, parent)) return false;
  DrawBanner();
  return true;
}

// The generated banner; should the resource be missing, a plain band still
// carries the miniature clock.
void AboutBanner::DrawBanner() {
  picture_ = CreateDib32(kWidth, kHeight);
  if (!picture_.bitmap) return;
  const std::optional<Picture> banner = LoadRessPicture(kBannerResource);
  const bool fits = banner && banner->width == kWidth && banner->height == kHeight;
  auto* pixels = static_cast<std::uint32_t*>(picture_.bits);
  for (std::size_t i = 0; i < static_cast<std::size_t>(kWidth) * kHeight; ++i)
    pixels[i] = fits ? banner->pixels[i] & 0xFFFFFF : kPlainBand;
  GdiFlush();

  Bitmap24 copy;
  CopyToBitmap(picture_, copy);
  miniature_.SetBanner(copy);
}

void DrawAboutLogo(HDC dc, const RECT& box) {
  const std::optional<Picture> logo = LoadRessPicture(kLogoResource);
  if (!logo || logo->empty()) return;
  const DibSection dib = PictureToDib(*logo, true);
  if (!dib.bitmap) return;
  MemDc source;
  SelectGuard select(source.get(), dib.bitmap.get());
  const int x = box.left + (box.right - box.left - logo->width) / 2;
  const int y = box.top + (box.bottom - box.top - logo->height) / 2;
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, x, y, logo->width, logo->height, source.get(), 0, 0, logo->width, logo->height, blend);
}

LRESULT AboutBanner::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    default:
      return Default(message, wParam, lParam);
  }
}

// Hidden pages cost nothing: only a visible banner redraws its hands.
void AboutBanner::Tick() {
  if (!hwnd() || !IsWindowVisible(hwnd())) return;
  const HandRect& r = MiniatureClock::kRect;
  RECT hands{r.left, r.top, r.right + 1, r.bottom + 1};
  InvalidateRect(hwnd(), &hands, FALSE);
}

void AboutBanner::Paint() {
  PaintDc paint(hwnd());
  if (!picture_.bitmap) return;
  if (miniature_.Ready()) {
    GdiFlush();
    CopyFromBitmap(miniature_.Draw(clock_.Now()), picture_, MiniatureClock::kRect.left, MiniatureClock::kRect.top);
  }
  MemDc dc;
  SelectGuard bitmap(dc.get(), picture_.bitmap.get());
  BitBlt(paint.get(), 0, 0, kWidth, kHeight, dc.get(), 0, 0, SRCCOPY);
}

}  // namespace tikolvo

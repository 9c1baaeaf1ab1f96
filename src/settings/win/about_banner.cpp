#include "settings/win/about_banner.h"

#include <cstdint>
#include <cstring>

#include "render/bitmap.h"

namespace tikolvo {
namespace {

constexpr wchar_t kClassName[] = L"TAboutBanner";
constexpr UINT_PTR kSecondTimer = 1;

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
  SetTimer(hwnd(), kSecondTimer, 1000, nullptr);
  return true;
}

// A dark band fading to the right, the program's name, and a light dial in
// the miniature clock's square for its hands to turn over.
void AboutBanner::DrawBanner() {
  picture_ = CreateDib32(kWidth, kHeight);
  if (!picture_.bitmap) return;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      std::uint8_t* p = DibPixel(picture_, x, y);
      const int fade = x * 90 / kWidth + y;
      p[0] = static_cast<std::uint8_t>(92 + fade);  // blue
      p[1] = static_cast<std::uint8_t>(52 + fade / 2);
      p[2] = static_cast<std::uint8_t>(28 + fade / 3);
      p[3] = 0;
    }
  MemDc dc;
  SelectGuard bitmap(dc.get(), picture_.bitmap.get());
  const HandRect& r = MiniatureClock::kRect;
  UniqueGdi<HBRUSH> face(CreateSolidBrush(RGB(240, 236, 226)));
  UniqueGdi<HPEN> rim(CreatePen(PS_SOLID, 1, RGB(200, 200, 210)));
  {
    SelectGuard brush(dc.get(), face.get());
    SelectGuard pen(dc.get(), rim.get());
    Ellipse(dc.get(), r.left - 2, r.top - 2, r.right + 3, r.bottom + 3);
  }
  LOGFONTW title{};
  title.lfHeight = -26;
  title.lfWeight = FW_BOLD;
  title.lfQuality = ANTIALIASED_QUALITY;
  wcscpy(title.lfFaceName, L"Tahoma");
  UniqueGdi<HFONT> font(CreateFontIndirectW(&title));
  SelectGuard selected(dc.get(), font.get());
  SetBkMode(dc.get(), TRANSPARENT);
  SetTextColor(dc.get(), RGB(255, 228, 140));
  RECT text{200, 0, kWidth - 12, kHeight};
  DrawTextW(dc.get(), L"Tikolvo", -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  GdiFlush();

  Bitmap24 banner;
  CopyToBitmap(picture_, banner);
  miniature_.SetBanner(banner);
}

LRESULT AboutBanner::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_TIMER:
      // Hidden pages cost nothing: only a visible banner redraws its hands.
      if (wParam == kSecondTimer && IsWindowVisible(hwnd())) {
        const HandRect& r = MiniatureClock::kRect;
        RECT hands{r.left, r.top, r.right + 1, r.bottom + 1};
        InvalidateRect(hwnd(), &hands, FALSE);
      }
      return 0;
    case WM_DESTROY:
      KillTimer(hwnd(), kSecondTimer);
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
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

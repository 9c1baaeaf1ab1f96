#include "app/win/hint_window.h"

#include <algorithm>

#include "app/hint_layout.h"
#include "app/win/layered.h"

namespace tikolvo {
namespace {

// The frame around the laid-out content.
constexpr int kFrame = 2;
constexpr int kDistanceBelowCursor = 20;
constexpr UINT kDropShadowStyle = 0x00020000;  // CS_DROPSHADOW, XP and later
constexpr UINT kTextFormat = DT_LEFT | DT_NOPREFIX | DT_EXPANDTABS | DT_NOCLIP;

HFONT CreateStatusFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
    return CreateFontIndirectW(&metrics.lfStatusFont);
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace

void IconHintWindow::SetIconFromApplicationIcon(HICON icon, int size) {
  WindowDc screen(nullptr);
  icon_.Reset(CreateCompatibleBitmap(screen.get(), size, size));
  iconSize_ = SIZE{size, size};
  MemDc dc;
  SelectGuard select(dc.get(), icon_.get());
  RECT all{0, 0, size, size};
  FillRect(dc.get(), &all, GetSysColorBrush(COLOR_INFOBK));
  if (icon) DrawIconEx(dc.get(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
}

bool IconHintWindow::EnsureCreated() {
  if (hwnd()) return true;
  const UINT style = CS_SAVEBITS | (LayeredWindowsAvailable() ? kDropShadowStyle : 0);
  if (!RegisterWindowClass(kHintWindowClass, style, nullptr, nullptr, nullptr)) return false;
  font_.Reset(CreateStatusFont());
  return CreateWindowFor(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kHintWindowClass, L"",
                         WS_POPUP, 0, 0, 1, 1, nullptr) != nullptr;
}

SIZE IconHintWindow::MeasureText(const std::wstring& text) const {
  WindowDc screen(nullptr);
  SelectGuard select(screen.get(), font_.get());
  RECT box{0, 0, 400, 0};
  DrawTextW(screen.get(), text.c_str(), static_cast<int>(text.size()), &box, kTextFormat | DT_CALCRECT);
  // A little room for glyphs that overhang their advance width.
  return SIZE{box.right - box.left + 2, box.bottom - box.top};
}

void IconHintWindow::ShowAt(POINT cursor, const std::wstring& text) {
  if (!EnsureCreated()) return;
  text_ = text;
  // The text is also the window's own, for screen readers and automation.
  SetWindowTextW(hwnd(), text.c_str());
  const SIZE textSize = MeasureText(text);
  const int layout = icon_ ? layout_ : kTextOnlyHintLayout;
  const HintLayout l = LayOutHint(layout, {iconSize_.cx, iconSize_.cy}, {textSize.cx, textSize.cy});
  const int width = l.window.width + 2 * kFrame, height = l.window.height + 2 * kFrame;
  const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
  int x = std::clamp(static_cast<int>(cursor.x), 0, std::max(0, screenW - width));
  int y = cursor.y + kDistanceBelowCursor;
  if (y + height > screenH) y = cursor.y - height - 4;
  SetWindowPos(hwnd(), HWND_TOPMOST, x, y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void IconHintWindow::Hide() {
  if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

void IconHintWindow::Paint(HDC dc) {
  RECT client;
  GetClientRect(hwnd(), &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_INFOBK));
  DrawEdge(dc, &client, EDGE_ETCHED, BF_RECT | BF_FLAT | BF_MONO);
  const SIZE textSize = MeasureText(text_);
  const int layout = icon_ ? layout_ : kTextOnlyHintLayout;
  const HintLayout l = LayOutHint(layout, {iconSize_.cx, iconSize_.cy}, {textSize.cx, textSize.cy});
  if (l.showIcon && icon_) {
    MemDc iconDc;
    SelectGuard select(iconDc.get(), icon_.get());
    // The icon's top-left pixel is its see-through colour.
    const COLORREF clear = GetPixel(iconDc.get(), 0, 0);
    auto drawIcon = [&](HintSpot at) {
      TransparentBlt(dc, kFrame + at.x, kFrame + at.y, iconSize_.cx, iconSize_.cy, iconDc.get(), 0, 0,
                     iconSize_.cx, iconSize_.cy, clear);
    };
    drawIcon(l.icon);
    if (l.secondIcon) drawIcon(l.iconRight);
  }
  SelectGuard select(dc, font_.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  RECT box{kFrame + l.text.x, kFrame + l.text.y, kFrame + l.text.x + textSize.cx,
           kFrame + l.text.y + textSize.cy};
  DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &box, kTextFormat);
}

LRESULT IconHintWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PaintDc paint(hwnd());
      Paint(paint.get());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      Hide();
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace tikolvo

// Drawing of the dialog frame: bands, etched separators, edge, caption, icon.
// Every tone derives from the system's button-face colour, so the frame
// follows the user's colour scheme.
#include "common/win/dialog_frame.h"

namespace tikolvo {
namespace {

COLORREF Mix(COLORREF a, COLORREF b, int percentOfB) {
  auto channel = [&](int ca, int cb) { return ca + (cb - ca) * percentOfB / 100; };
  return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
             channel(GetBValue(a), GetBValue(b)));
}

struct FrameTones {
  COLORREF face, light, dark, shadow, highlight;
};

FrameTones SystemTones() {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  return {face, Mix(face, RGB(255, 255, 255), 60), Mix(face, shadow, 35), shadow, GetSysColor(COLOR_BTNHIGHLIGHT)};
}

void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
  SetDCBrushColor(dc, colour);
  PatBlt(dc, left, top, right - left, bottom - top, PATCOPY);
}

// A gradient from one tone to the other, one line of pixels at a time.
void Gradient(HDC dc, const RECT& r, COLORREF from, COLORREF to, bool vertical) {
  const int steps = vertical ? r.bottom - r.top : r.right - r.left;
  for (int i = 0; i < steps; ++i) {
    const COLORREF c = Mix(from, to, steps > 1 ? i * 100 / (steps - 1) : 0);
    if (vertical) {
      Fill(dc, r.left, r.top + i, r.right, r.top + i + 1, c);
    } else {
      Fill(dc, r.left + i, r.top, r.left + i + 1, r.bottom, c);
    }
  }
}

void EtchedHorizontal(HDC dc, int left, int right, int y, const FrameTones& t) {
  Fill(dc, left, y, right, y + 1, t.shadow);
  Fill(dc, left, y + 1, right, y + 2, t.highlight);
}

void EtchedVertical(HDC dc, int x, int top, int bottom, const FrameTones& t) {
  Fill(dc, x, top, x + 1, bottom, t.shadow);
  Fill(dc, x + 1, top, x + 2, bottom, t.highlight);
}

}  // namespace

void DialogFrame::PaintBands(HDC dc, const RECT& client) const {
  const FrameTones t = SystemTones();
  const dialog::FrameMetrics& m = metrics_;
  const int w = client.right, h = client.bottom;
  const int contentTop = m.topBand, contentBottom = h - m.bottomBand;

  Fill(dc, 0, 0, w, h, t.face);
  Gradient(dc, RECT{0, 0, w, contentTop}, t.light, t.dark, true);
  Gradient(dc, RECT{0, contentTop, m.leftBand, contentBottom}, t.dark, t.light, false);
  Gradient(dc, RECT{0, contentBottom, w, h}, t.light, t.dark, true);

  EtchedHorizontal(dc, 0, w, contentTop - 1, t);
  EtchedVertical(dc, m.leftBand - 1, contentTop + 1, contentBottom - 1, t);
  EtchedHorizontal(dc, 0, w, contentBottom - 1, t);

  // The window's own edge: one dark pixel with a light one inside it.
  SetDCBrushColor(dc, t.highlight);
  RECT inner{1, 1, w - 1, h - 1};
  FrameRect(dc, &inner, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  SetDCBrushColor(dc, t.shadow);
  RECT outer{0, 0, w, h};
  FrameRect(dc, &outer, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void DialogFrame::DrawTextBlock(const DRAWITEMSTRUCT& item) const {
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  const int length = GetWindowTextLengthW(item.hwndItem);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(item.hwndItem, text.data(), length + 1)));
  RECT r = item.rcItem;
  r.right = r.left + dialog::WrapWidth(r.right - r.left);
  SelectGuard select(item.hDC, font_.get());
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
  DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &r, DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
}

void DialogFrame::Paint(HDC target) const {
  RECT client;
  GetClientRect(hwnd(), &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  // Drawn off screen first, so the bands never flicker.
  MemDc mem;
  UniqueGdi<HBITMAP> bitmap(CreateCompatibleBitmap(target, client.right, client.bottom));
  SelectGuard selectBitmap(mem.get(), bitmap.get());
  SelectGuard selectBrush(mem.get(), GetStockObject(DC_BRUSH));
  PaintBands(mem.get(), client);

  SelectGuard selectFont(mem.get(), captionFont_.get());
  SetBkMode(mem.get(), TRANSPARENT);
  SetTextColor(mem.get(), GetSysColor(COLOR_BTNTEXT));
  RECT caption{captionBox_.left, captionBox_.top, captionBox_.right, captionBox_.bottom};
  DrawTextW(mem.get(), caption_.c_str(), static_cast<int>(caption_.size()), &caption,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  if (iconBox_.Width() > 0) DrawDialogIcon(mem.get(), iconBox_.left, iconBox_.top, iconBox_.Width(), iconIndex_, glyph_);

  BitBlt(target, 0, 0, client.right, client.bottom, mem.get(), 0, 0, SRCCOPY);
}

}  // namespace tikolvo

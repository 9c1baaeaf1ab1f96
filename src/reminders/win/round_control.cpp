#include "reminders/win/round_control.h"

#include <windowsx.h>

#include <cmath>
#include <numbers>
#include <string>

namespace tikolvo {
namespace {

constexpr wchar_t kClassName[] = L"TRoundControl";

bool KeyFor(WPARAM key, KnobKey& out) {
  switch (key) {
    case VK_PRIOR: out = KnobKey::PageUp; return true;
    case VK_NEXT: out = KnobKey::PageDown; return true;
    case VK_END: out = KnobKey::End; return true;
    case VK_HOME: out = KnobKey::Home; return true;
    case VK_LEFT: out = KnobKey::Left; return true;
    case VK_DOWN: out = KnobKey::Down; return true;
    case VK_UP: out = KnobKey::Up; return true;
    case VK_RIGHT: out = KnobKey::Right; return true;
    default: return false;
  }
}

// An arc of the ellipse in `box` from one angle to the other, counter-
// clockwise (GDI's default direction), angles in degrees as the knob counts
// them.
void ArcBetween(HDC dc, const RECT& box, int fromDegrees, int toDegrees) {
  const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
  const double from = fromDegrees * std::numbers::pi / 180, to = toDegrees * std::numbers::pi / 180;
  const int reach = box.right - box.left + box.bottom - box.top;
  Arc(dc, box.left, box.top, box.right, box.bottom, cx + static_cast<int>(reach * std::cos(from)),
      cy - static_cast<int>(reach * std::sin(from)), cx + static_cast<int>(reach * std::cos(to)),
      cy - static_cast<int>(reach * std::sin(to)));
}

void ArcWithPen(HDC dc, const RECT& box, int from, int to, int width, COLORREF colour) {
  UniqueGdi<HPEN> pen(CreatePen(PS_SOLID, width, colour));
  SelectGuard selected(dc, pen.get());
  ArcBetween(dc, box, from, to);
}

}  // namespace

RoundControl::RoundControl()
    : lineColor(GetSysColor(COLOR_ACTIVECAPTION)), lineColorNoActive(GetSysColor(COLOR_ACTIVECAPTION)) {
  // The picture first, so that an owner looking at the control from a
  // handler sees the new position.
  knob_.onChange = [this] {
    Redraw();
    if (auto f = onChange) f();
  };
  knob_.onChangeUp = [this] {
    if (auto f = onChangeUp) f();
  };
  knob_.onChangeDown = [this] {
    if (auto f = onChangeDown) f();
  };
  knob_.onShowValue = [this](int value) { ShowValue(value); };
}

bool RoundControl::Create(HWND parent, int x, int y, int side, int id) {
  if (!RegisterWindowClass(kClassName, 0, nullptr, LoadCursorW(nullptr, IDC_ARROW), nullptr)) return false;
  knob_.SquareSide(side, side);
  if (!CreateWindowFor(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y, side, side, parent)) {
    return false;
  }
  SetWindowLongPtrW(hwnd(), GWLP_ID, id);
  return true;
}

void RoundControl::Redraw() {
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void RoundControl::SetBitmap(UniqueGdi<HBITMAP> bitmap) {
  BITMAP info{};
  bitmapSize_ = {0, 0};
  if (bitmap && GetObjectW(bitmap.get(), sizeof(info), &info)) bitmapSize_ = {info.bmWidth, info.bmHeight};
  bitmap_ = std::move(bitmap);
  if (hwnd() && bitmapSize_.cx > 0) {
    SetWindowPos(hwnd(), nullptr, 0, 0, bitmapSize_.cx, bitmapSize_.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Redraw();
}

void RoundControl::ShowValue(int value) {
  if (positionLabel) SetWindowTextW(positionLabel, std::to_wstring(value).c_str());
}

void RoundControl::DrawDisc(bool focused) {
  HDC dc = canvas_.dc();
  const int side = canvas_.Width();
  const RECT inner{2, 2, side - 2, side - 2};
  {
    SelectGuard brush(dc, GetSysColorBrush(COLOR_BTNFACE));
    SelectGuard pen(dc, GetStockObject(NULL_PEN));
    Ellipse(dc, inner.left, inner.top, inner.right + 1, inner.bottom + 1);
  }
  // The bevel: light from the upper left, shade to the lower right.
  ArcWithPen(dc, inner, 45, 225, 2, GetSysColor(COLOR_BTNHIGHLIGHT));
  ArcWithPen(dc, inner, 225, 45, 2, GetSysColor(COLOR_BTNSHADOW));
  const bool enabled = IsWindowEnabled(hwnd());
  {
    UniqueGdi<HPEN> outline(CreatePen(PS_SOLID, 1, enabled ? RGB(0, 0, 0) : GetSysColor(COLOR_BTNSHADOW)));
    SelectGuard pen(dc, outline.get());
    SelectGuard brush(dc, GetStockObject(NULL_BRUSH));
    Ellipse(dc, 0, 0, side, side);
  }
  // The focused knob's lower rim is drawn heavier.
  ArcWithPen(dc, RECT{0, 0, side, side}, 200, 340, 2, focused ? RGB(0, 0, 0) : GetSysColor(COLOR_BTNSHADOW));
}

void RoundControl::Draw(bool focused) {
  HDC dc = canvas_.dc();
  const int side = canvas_.Width();
  canvas_.FillRect({0, 0, side, side}, GetSysColor(COLOR_BTNFACE));
  if (!useBitmap) {
    DrawDisc(focused);
  } else if (bitmap_) {
    MemDc source;
    SelectGuard selected(source.get(), bitmap_.get());
    BitBlt(dc, 0, 0, bitmapSize_.cx, bitmapSize_.cy, source.get(), 0, 0, SRCCOPY);
  }
  const PixelPoint dot = knob_.DotCentre();
  const int r = knob_.radiusPoint;
  UniqueGdi<HBRUSH> fill(CreateSolidBrush(focused ? lineColor : lineColorNoActive));
  UniqueGdi<HPEN> rim(CreatePen(PS_SOLID, 1, focused ? lineColor : lineColorNoActive));
  SelectGuard brush(dc, fill.get());
  SelectGuard pen(dc, rim.get());
  Ellipse(dc, dot.x - r, dot.y - r, dot.x + r + 1, dot.y + r + 1);
  GdiFlush();
}

void RoundControl::Paint() {
  PaintDc paint(hwnd());
  RECT client{};
  GetClientRect(hwnd(), &client);
  if (!canvas_.Resize(client.right, client.bottom)) return;
  Draw(GetFocus() == hwnd());
  canvas_.CopyTo(paint.get(), 0, 0);
}

void RoundControl::OnSize(int width, int height) {
  const int side = knob_.SquareSide(width, height);
  if (side != width || side != height) {
    SetWindowPos(hwnd(), nullptr, 0, 0, side, side, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Redraw();
}

void RoundControl::OnLeftDown(int x, int y) {
  if (!RoundKnob::InsideEllipse(x, y, knob_.Side(), knob_.Side())) return;
  SetFocus(hwnd());
  SetCapture(hwnd());
  knob_.MouseDown(x, y);
}

void RoundControl::OnMouseMove(int x, int y) {
  if (!trackingLeave_) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd(), 0};
    trackingLeave_ = TrackMouseEvent(&track) != FALSE;
  }
  knob_.MouseMove(x, y);
}

bool RoundControl::OnKey(WPARAM key) {
  KnobKey knobKey;
  if (!KeyFor(key, knobKey)) return false;
  knob_.Key(knobKey);
  return true;
}

LRESULT RoundControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      OnSize(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_LBUTTONDOWN:
      OnLeftDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == hwnd()) ReleaseCapture();
      knob_.MouseUp();
      return 0;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      knob_.MouseLeave();
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_KEYDOWN:
      if (OnKey(wParam)) return 0;
      break;
    case WM_SETFOCUS:
      Redraw();
      return 0;
    case WM_KILLFOCUS:
      knob_.FocusLost();
      Redraw();
      return 0;
    case WM_ENABLE:
      Redraw();
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace tikolvo

#include "reminders/win/placement_preview.h"

#include <windowsx.h>

#include "common/win/gdi.h"

namespace tikolvo {
namespace {

constexpr wchar_t kClassName[] = L"TikolvoPlacementPreview";
constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE;
constexpr DWORD kExStyle = WS_EX_CLIENTEDGE;

}  // namespace

bool PlacementPreview::Create(HWND parent, int x, int y, int id) {
  if (!RegisterWindowClass(kClassName, CS_DBLCLKS, nullptr, LoadCursorW(nullptr, IDC_SIZEALL), nullptr)) {
    return false;
  }
  RECT outer{0, 0, kWallpaperPreviewWidth, kWallpaperPreviewHeight};
  AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
  if (!CreateWindowFor(kExStyle, kClassName, L"", kStyle, x, y, outer.right - outer.left, outer.bottom - outer.top,
                       parent)) {
    return false;
  }
  SetWindowLongPtrW(hwnd(), GWLP_ID, id);
  return true;
}

void PlacementPreview::Redraw() {
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

// The calendar marker first: the reminder marker lies on top, as the mouse
// finds it.
void PlacementPreview::Compose() {
  if (!canvas_.Resize(kWallpaperPreviewWidth, kWallpaperPreviewHeight)) return;
  preview_.Picture().CopyTo(canvas_.dc(), 0, 0);
  DrawCalendarMarker(canvas_, layout.calendar, calendarColour);
  DrawReminderMarker(canvas_, layout.reminders, reminderCorner, reminderColour);
  GdiFlush();
}

void PlacementPreview::Paint() {
  PaintDc paint(hwnd());
  Compose();
  canvas_.CopyTo(paint.get(), 0, 0);
}

void PlacementPreview::Placed(MarkerKind kind) {
  Redraw();
  if (kind == MarkerKind::None) return;
  if (auto f = onMarkerPlaced) f(kind);
}

LRESULT PlacementPreview::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
      if (drag_.Press(layout, x, y) != MarkerKind::None) SetCapture(hwnd());
      return 0;
    case WM_MOUSEMOVE:
      if (drag_.Move(layout, x, y)) Redraw();
      return 0;
    case WM_LBUTTONUP: {
      const MarkerKind held = drag_.Held();
      drag_.Release();
      if (GetCapture() == hwnd()) ReleaseCapture();
      Placed(held);
      return 0;
    }
    case WM_CAPTURECHANGED: {
      // Another window took the mouse: the marker stays where it got to.
      const MarkerKind held = drag_.Held();
      drag_.Release();
      Placed(held);
      return 0;
    }
    case WM_LBUTTONDBLCLK:
      Placed(SendMarkerHome(layout, x, y));
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace tikolvo

#include "netlog/win/chart_page.h"

#include <utility>

namespace tikolvo {
namespace {

constexpr wchar_t kClassName[] = L"TTrafficChart";

}  // namespace

bool ChartPage::Create(HWND parent, const RECT& area) {
  if (!RegisterWindowClass(kClassName, 0, nullptr, nullptr, nullptr)) return false;
  if (!CreateWindowFor(0, kClassName, L"", WS_CHILD, area.left, area.top, area.right - area.left,
                       area.bottom - area.top, parent)) {
    return false;
  }
  Redraw();
  return true;
}

void ChartPage::Show(TrafficChart chart) {
  chart_ = std::move(chart);
  Redraw();
}

void ChartPage::Redraw() {
  if (!hwnd()) return;
  RECT client;
  GetClientRect(hwnd(), &client);
  if (canvas_.Resize(client.right, client.bottom)) {
    ChartLook look;
    look.background = GetSysColor(COLOR_WINDOW);
    look.text = GetSysColor(COLOR_WINDOWTEXT);
    DrawTrafficChart(chart_, canvas_, {client.right, client.bottom}, look);
  }
  InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT ChartPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) return 1;  // the picture covers everything
  if (message == WM_PAINT) {
    PaintDc paint(hwnd());
    canvas_.CopyTo(paint.get(), 0, 0);
    return 0;
  }
  // A new size or new system colours: the picture is made again.
  if (message == WM_SIZE || message == WM_SYSCOLORCHANGE || message == WM_SETTINGCHANGE) Redraw();
  return Default(message, wParam, lParam);
}

}  // namespace tikolvo

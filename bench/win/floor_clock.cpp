// The least a desktop clock can be: one window, a 500 ms timer, and the time
// of day drawn with plain GDI text at every tick. The footprint benchmark
// runs it beside Tikolvo.exe in the same display and Wine prefix, so the
// clock's idle CPU, memory and start time can be read as ratios to it.
#include <windows.h>

#include <cwchar>

namespace {

constexpr UINT_PTR kTick = 1;

void PaintTime(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SYSTEMTIME now;
  GetLocalTime(&now);
  wchar_t text[16];
  std::swprintf(text, 16, L"%02u:%02u:%02u", now.wHour, now.wMinute, now.wSecond);
  DrawTextW(dc, text, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK FloorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_PAINT: PaintTime(hwnd); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = FloorProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = L"FloorClock";
  if (!RegisterClassW(&wc)) return 1;
  HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, L"FloorClock", L"Floor clock", WS_POPUP, 600, 40, 160, 48, nullptr,
                              nullptr, instance, nullptr);
  if (!hwnd) return 1;
  SetTimer(hwnd, kTick, 500, nullptr);
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}

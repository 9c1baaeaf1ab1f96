#include "netlog/win/connection_popup.h"

#include <string_view>

#include "common/cp1251.h"
#include "common/win/gdi.h"
#include "common/win/wide_text.h"
#include "netlog/traffic_text.h"

namespace tikolvo {
namespace {

constexpr wchar_t kClassName[] = L"THintConnect";
constexpr int kLineTop = 8, kLineLeft = 8, kLineStep = 16;
constexpr int kMargin = 8;
constexpr WPARAM kCloseCode = 99;

}  // namespace

bool ConnectionPopup::Open(const ConnectionRecord& record, const std::string& address, int stackIndex) {
  RegisterWindowClass(kClassName, 0, nullptr, LoadCursorW(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_INFOBK));
  record_ = record;
  lines_[1] = Widen(address);
  lines_[2] = Widen(record.name);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  RECT frame{0, 0, kPopupWidth, kPopupHeight};
  const DWORD style = WS_POPUP | WS_BORDER, exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  const int top = work.bottom - height - kMargin - stackIndex * (height + 4);
  if (!CreateWindowFor(exStyle, kClassName, L"", style, work.right - width - kMargin, top, width, height, nullptr))
    return false;
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  return true;
}

void ConnectionPopup::Update(std::uint32_t received, std::uint32_t sent) {
  if (hwnd()) {
    SendMessageW(hwnd(), kPopupMessage, received, 1);
    SendMessageW(hwnd(), kPopupMessage, sent, 2);
  }
}

void ConnectionPopup::Close() {
  if (hwnd()) SendMessageW(hwnd(), kPopupMessage, kCloseCode, kCloseCode);
}

void ConnectionPopup::SetLine(int line, std::wstring text) {
  if (lines_[line] == text) return;
  // The traffic is also the window's text, for tools that read windows.
  if (line == 0) SetWindowTextW(hwnd(), text.c_str());
  lines_[line] = std::move(text);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void ConnectionPopup::Paint() {
  PaintDc paint(hwnd());
  SetBkMode(paint.get(), TRANSPARENT);
  SetTextColor(paint.get(), GetSysColor(COLOR_INFOTEXT));
  SelectGuard font(paint.get(), GetStockObject(DEFAULT_GUI_FONT));
  for (int i = 0; i < 3; ++i)
    TextOutW(paint.get(), kLineLeft, kLineTop + i * kLineStep, lines_[i].c_str(), static_cast<int>(lines_[i].size()));
}

LRESULT ConnectionPopup::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kPopupMessage:
      if (wParam == kCloseCode && lParam == kCloseCode) {
        DestroyWindow(hwnd());
        return 0;
      }
      if (lParam == 1) record_.totalIn = static_cast<std::int32_t>(wParam);
      if (lParam == 2) record_.totalOut = static_cast<std::int32_t>(wParam);
      SetLine(0, Widen(FormatTraffic(record_, record_.logDirection)));
      return 0;
    case WM_COPYDATA: {
      const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
      if (!data || (wParam != 1 && wParam != 2) || !data->lpData) return FALSE;
      // The text as another program sent it: bytes of the system's code
      // page are not assumed; it is taken as Windows-1251, like our files.
      std::string_view bytes(static_cast<const char*>(data->lpData), data->cbData);
      bytes = bytes.substr(0, bytes.find('\0'));
      SetLine(wParam == 1 ? 1 : 2, Widen(Cp1251ToUtf8(bytes)));
      return TRUE;
    }
    case WM_WINDOWPOSCHANGED:
      // Another window may have come over it: back on top, without moving.
      if (!keepingOnTop_) {
        keepingOnTop_ = true;
        SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        keepingOnTop_ = false;
      }
      return Default(message, wParam, lParam);
    case WM_PAINT:
      Paint();
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace tikolvo

#include "netlog/win/weekday_selector.h"

#include "common/win/gdi.h"

namespace tikolvo {
namespace {

constexpr int kStep = 16;
constexpr int kBox = 13;
constexpr const wchar_t* kDays[7] = {L"Пн", L"Вт", L"Ср", L"Чт", L"Пт", L"Сб", L"Вс"};

std::uint8_t Days(HWND hwnd) { return static_cast<std::uint8_t>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

void Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  SelectGuard font(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(GetParent(hwnd), WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  const bool enabled = IsWindowEnabled(hwnd);
  SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  const std::uint8_t days = Days(hwnd);
  for (int i = 0; i < 7; ++i) {
    RECT label{i * kStep, 0, i * kStep + kStep, client.bottom / 2};
    DrawTextW(dc, kDays[i], -1, &label, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    RECT box{i * kStep + 1, client.bottom / 2, i * kStep + 1 + kBox, client.bottom / 2 + kBox};
    UINT state = DFCS_BUTTONCHECK | DFCS_FLAT;
    if (!(days & (1u << i))) state |= DFCS_CHECKED;
    if (!enabled) state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &box, DFC_BUTTON, state);
  }
  if (GetFocus() == hwnd) {
    RECT focus = client;
    DrawFocusRect(dc, &focus);
  }
  EndPaint(hwnd, &ps);
}

void Toggle(HWND hwnd, int day) {
  if (day < 0) return;
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, Days(hwnd) ^ (1u << day));
  InvalidateRect(hwnd, nullptr, FALSE);
  SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED),
               reinterpret_cast<LPARAM>(hwnd));
}

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kSetExcludedDays:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, static_cast<std::uint8_t>(wParam & 0x7F));
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case kGetExcludedDays: return Days(hwnd);
    case WM_LBUTTONDOWN:
      SetFocus(hwnd);
      Toggle(hwnd, WeekdayAt(static_cast<short>(LOWORD(lParam))));
      return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

int WeekdayAt(int x) { return x >= 0 && x < 7 * kStep ? x / kStep : -1; }

bool RegisterWeekdaySelector() {
  WNDCLASSW existing{};
  if (GetClassInfoW(GetModuleHandleW(nullptr), kWeekdaySelectorClass, &existing)) return true;
  WNDCLASSW wc{};
  wc.lpfnWndProc = &Procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kWeekdaySelectorClass;
  return RegisterClassW(&wc) != 0;
}

}  // namespace tikolvo

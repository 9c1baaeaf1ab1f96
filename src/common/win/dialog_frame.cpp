#include "common/win/dialog_frame.h"

#include "common/win/system_look.h"
#include "common/win/wide_text.h"
#include "resource_ids.h"

namespace tikolvo {
namespace {

bool RegisterFrameClass(const wchar_t* className) {
  const UINT style = SystemHasDropShadow() ? CS_DROPSHADOW : 0;
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TIKOLVO));
  return Window::RegisterWindowClass(className, style, icon, nullptr, nullptr);
}

dialog::Box ToBox(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

dialog::Box WorkAreaNear(const dialog::Box& window) {
  const RECT r{window.left, window.top, window.right, window.bottom};
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info)) return ToBox(info.rcWork);
  return PrimaryWorkArea();
}

HWND CreateChild(DWORD exStyle, const wchar_t* cls, std::string_view text, DWORD style, const dialog::Box& box,
                 HWND parent, int id, HFONT font) {
  HWND child = CreateWindowExW(exStyle, cls, Widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, box.left, box.top,
                               box.Width(), box.Height(), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
  if (child) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

}  // namespace

dialog::Box PrimaryWorkArea() {
  RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return ToBox(r);
}

int ScreenDpi() {
  WindowDc screen(nullptr);
  const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
  return dpi > 0 ? dpi : 96;
}

DialogFrame::DialogFrame(int iconIndex, DialogGlyph glyph)
    : iconIndex_(iconIndex),
      glyph_(glyph),
      metrics_(dialog::ScaledMetrics(ScreenDpi())),
      font_(CreateMessageFont(false)),
      captionFont_(CreateMessageFont(true)) {}

DialogFrame::~DialogFrame() = default;

int DialogFrame::TextWidth(std::string_view text, bool captionFont) const {
  WindowDc screen(nullptr);
  SelectGuard select(screen.get(), captionFont ? captionFont_.get() : font_.get());
  const std::wstring wide = Widen(text);
  SIZE size{};
  GetTextExtentPoint32W(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
  return size.cx;
}

dialog::Extent DialogFrame::WrappedExtent(std::string_view text, int maxWidth) const {
  WindowDc screen(nullptr);
  SelectGuard select(screen.get(), font_.get());
  const std::wstring wide = Widen(text);
  RECT r{0, 0, maxWidth, 0};
  DrawTextW(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &r,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  return {static_cast<int>(r.right), static_cast<int>(r.bottom)};
}

bool DialogFrame::CreateFrame(const wchar_t* className, std::string_view caption, dialog::Extent size, HWND owner,
                              DWORD extraExStyle) {
  if (!RegisterFrameClass(className)) return false;
  caption_ = Widen(caption);
  const dialog::Box at = dialog::CentreIn(size, PrimaryWorkArea());
  HWND root = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
  return CreateWindowFor(WS_EX_CONTROLPARENT | extraExStyle, className, caption_.c_str(), WS_POPUP | WS_CLIPCHILDREN,
                         at.left, at.top, size.width, size.height, root) != nullptr;
}

HWND DialogFrame::AddButton(int id, std::string_view text, const dialog::Box& box, bool isDefault) {
  const DWORD style = WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  if (isDefault) defaultId_ = id;
  return CreateChild(0, L"BUTTON", text, style, box, hwnd(), id, font_.get());
}

HWND DialogFrame::AddLabel(std::string_view text, const dialog::Box& box) {
  // Labels do not answer hit tests, so a press on one drags the window.
  return CreateChild(0, L"STATIC", text, SS_LEFT | SS_NOPREFIX, box, hwnd(), -1, font_.get());
}

HWND DialogFrame::AddTextBlock(std::string_view text, const dialog::Box& box) {
  return CreateChild(0, L"STATIC", text, SS_OWNERDRAW, box, hwnd(), -1, font_.get());
}

HWND DialogFrame::AddEdit(int id, std::string_view text, const dialog::Box& box) {
  return CreateChild(WS_EX_CLIENTEDGE, L"EDIT", text, WS_TABSTOP | ES_AUTOHSCROLL, box, hwnd(), id, font_.get());
}

HWND DialogFrame::AddRadio(int id, std::string_view text, const dialog::Box& box, bool firstOfGroup) {
  const DWORD style = WS_TABSTOP | BS_AUTORADIOBUTTON | (firstOfGroup ? WS_GROUP : 0);
  return CreateChild(0, L"BUTTON", text, style, box, hwnd(), id, font_.get());
}

bool DialogFrame::RunModal(HWND owner, HWND focus) {
  modal_ = true;
  HWND disabled = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
  if (disabled && !IsWindowEnabled(disabled)) disabled = nullptr;
  if (disabled) EnableWindow(disabled, FALSE);
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  if (focus) SetFocus(focus);
  MSG msg;
  while (!finished_ && hwnd()) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {  // the program is quitting: let the outer loop see it too
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (!IsDialogMessageW(hwnd(), &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  // The owner comes back before the window goes, so it gets the activation.
  if (disabled) EnableWindow(disabled, TRUE);
  if (hwnd()) DestroyWindow(hwnd());
  return accepted_;
}

void DialogFrame::ShowWithoutActivating() {
  SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
}

void DialogFrame::Finish(bool accepted) {
  if (finished_) return;
  finished_ = true;
  accepted_ = accepted;
  if (!modal_ && hwnd()) DestroyWindow(hwnd());
}

void DialogFrame::KeepInsideWorkArea(WINDOWPOS& pos) const {
  if (pos.flags & SWP_NOMOVE) return;
  RECT current;
  GetWindowRect(hwnd(), &current);
  const int width = (pos.flags & SWP_NOSIZE) ? current.right - current.left : pos.cx;
  const int height = (pos.flags & SWP_NOSIZE) ? current.bottom - current.top : pos.cy;
  dialog::Box box{pos.x, pos.y, pos.x + width, pos.y + height};
  box = dialog::ClampIntoArea(box, WorkAreaNear(box));
  pos.x = box.left;
  pos.y = box.top;
}

LRESULT DialogFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PaintDc dc(hwnd());
      Paint(dc.get());
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_NCHITTEST: {
      const LRESULT hit = Default(message, wParam, lParam);
      return hit == HTCLIENT ? HTCAPTION : hit;
    }
    case WM_MOVING: {
      auto* r = reinterpret_cast<RECT*>(lParam);
      const dialog::Box box = dialog::ClampIntoArea(ToBox(*r), WorkAreaNear(ToBox(*r)));
      *r = RECT{box.left, box.top, box.right, box.bottom};
      return TRUE;
    }
    case WM_WINDOWPOSCHANGING:
      KeepInsideWorkArea(*reinterpret_cast<WINDOWPOS*>(lParam));
      return Default(message, wParam, lParam);
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_ACTIVATE:
      // A plain window forgets its focused control when it loses the
      // activation; remember it so the keyboard goes back where it was.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
      } else if (lastFocus_ && IsWindow(lastFocus_)) {
        SetFocus(lastFocus_);
        return 0;
      }
      break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->CtlType != ODT_STATIC) break;
      DrawTextBlock(*item);
      return TRUE;
    }
    case DM_GETDEFID:
      return MAKELRESULT(defaultId_, DC_HASDEFID);
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kIdOk) B_OKClick();
      if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kIdCancel) B_NOClick();
      return 0;
    case WM_CLOSE:
      B_NOClick();
      return 0;
  }
  return Default(message, wParam, lParam);
}

}  // namespace tikolvo

#include "settings/win/conf_page.h"

#include <commctrl.h>

#include "common/win/wide_text.h"

namespace tikolvo {
namespace {

constexpr wchar_t kPageClass[] = L"TFormConfPage";

HWND AddControl(HWND parent, const wchar_t* cls, std::string_view caption, DWORD style, int id, int x, int y,
                int width, int height, DWORD exStyle = 0) {
  return CreateWindowExW(exStyle, cls, Widen(caption).c_str(), WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                         nullptr);
}

BOOL CALLBACK SetFontOf(HWND child, LPARAM font) {
  SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
  return TRUE;
}

}  // namespace

bool ConfPage::Create(HWND parent, const RECT& area) {
  RegisterWindowClass(kPageClass, 0, nullptr, nullptr, GetSysColorBrush(COLOR_BTNFACE));
  return CreateWindowFor(WS_EX_CONTROLPARENT, kPageClass, L"", WS_CHILD | WS_CLIPSIBLINGS, area.left, area.top,
                         area.right - area.left, area.bottom - area.top, parent) != nullptr;
}

LRESULT ConfPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_NOTIFY:
      return SendMessageW(GetAncestor(hwnd(), GA_ROOT), message, wParam, lParam);
    default:
      return Default(message, wParam, lParam);
  }
}

HWND AddButton(HWND parent, int id, std::string_view caption, int x, int y, int width, int height) {
  return AddControl(parent, L"BUTTON", caption, WS_TABSTOP | BS_PUSHBUTTON, id, x, y, width, height);
}

HWND AddCheckBox(HWND parent, int id, std::string_view caption, int x, int y, int width, bool checked) {
  HWND box = AddControl(parent, L"BUTTON", caption, WS_TABSTOP | BS_AUTOCHECKBOX, id, x, y, width, 20);
  SetChecked(box, checked);
  return box;
}

HWND AddRadio(HWND parent, int id, std::string_view caption, int x, int y, int width, bool checked,
              bool firstInGroup) {
  const DWORD style = BS_AUTORADIOBUTTON | (firstInGroup ? WS_GROUP | WS_TABSTOP : 0);
  HWND radio = AddControl(parent, L"BUTTON", caption, style, id, x, y, width, 20);
  SetChecked(radio, checked);
  return radio;
}

HWND AddLabel(HWND parent, int id, std::string_view caption, int x, int y, int width, int height) {
  return AddControl(parent, L"STATIC", caption, SS_LEFT | SS_NOPREFIX, id, x, y, width, height);
}

HWND AddGroupBox(HWND parent, std::string_view caption, int x, int y, int width, int height) {
  return AddControl(parent, L"BUTTON", caption, BS_GROUPBOX, -1, x, y, width, height);
}

HWND AddNumberEdit(HWND parent, int id, std::string_view text, int x, int y, int width) {
  return AddControl(parent, L"EDIT", text, WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL, id, x, y, width, 22,
                    WS_EX_CLIENTEDGE);
}

HWND AddDropDownList(HWND parent, int id, int x, int y, int width) {
  return AddControl(parent, L"COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, id, x, y, width, 240);
}

HWND AddTrackBar(HWND parent, int id, int x, int y, int width, int minimum, int maximum, int position) {
  HWND bar = AddControl(parent, TRACKBAR_CLASSW, "", WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS, id, x, y, width, 30);
  SendMessageW(bar, TBM_SETRANGE, FALSE, MAKELPARAM(minimum, maximum));
  SendMessageW(bar, TBM_SETTICFREQ, 5, 0);
  SendMessageW(bar, TBM_SETPOS, TRUE, position);
  return bar;
}

bool IsChecked(HWND control) { return SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SetChecked(HWND control, bool on) { SendMessageW(control, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }

std::string ControlText(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

void SetControlText(HWND control, std::string_view text) { SetWindowTextW(control, Widen(text).c_str()); }

void ApplyDialogFont(HWND window, HFONT font) {
  SetFontOf(window, reinterpret_cast<LPARAM>(font));
  EnumChildWindows(window, &SetFontOf, reinterpret_cast<LPARAM>(font));
}

bool PageTabs::Create(HWND parent, int id, const RECT& area, const std::vector<std::string_view>& captions) {
  tabs_ = AddControl(parent, WC_TABCONTROLW, "", WS_CLIPSIBLINGS | WS_TABSTOP, id, area.left, area.top,
                     area.right - area.left, area.bottom - area.top);
  if (!tabs_) return false;
  for (std::size_t i = 0; i < captions.size(); ++i) {
    std::wstring text = Widen(captions[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(tabs_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  // The pages are siblings of the tab control, laid over its display area.
  RECT display = area;
  SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  for (std::size_t i = 0; i < captions.size(); ++i) {
    auto& page = *pages_.emplace_back(std::make_unique<ConfPage>());
    if (!page.Create(parent, display)) return false;
    SetWindowPos(page.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  Select(0);
  return true;
}

HWND PageTabs::page(int index) const {
  if (index < 0 || index >= static_cast<int>(pages_.size())) return nullptr;
  return pages_[static_cast<std::size_t>(index)]->hwnd();
}

int PageTabs::selected() const { return static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)); }

void PageTabs::Select(int index) {
  SendMessageW(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  OnSelectionChanged();
}

void PageTabs::OnSelectionChanged() {
  const int current = selected();
  for (int i = 0; i < static_cast<int>(pages_.size()); ++i) ShowWindow(page(i), i == current ? SW_SHOW : SW_HIDE);
}

}  // namespace tikolvo

#include "common/win/dialog_pages.h"

#include <commctrl.h>

#include "common/win/wide_text.h"

namespace tikolvo {
namespace {

INT_PTR CALLBACK TemplatePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!IsControlMessage(message)) return FALSE;
  return ForwardToTopLevel(page, message, wParam, lParam);
}

}  // namespace

bool IsControlMessage(UINT message) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
      return true;
    default:
      return false;
  }
}

BOOL ForwardToTopLevel(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND top = GetAncestor(page, GA_ROOT);
  if (!top || top == page) return FALSE;
  SetWindowLongPtrW(page, DWLP_MSGRESULT, SendMessageW(top, message, wParam, lParam));
  return TRUE;
}

HWND CreateTemplatePage(HWND parent, const wchar_t* name, const RECT& area) {
  HWND page = CreateDialogParamW(GetModuleHandleW(nullptr), name, parent, &TemplatePageProc, 0);
  if (!page) return nullptr;
  SetWindowPos(page, HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
               SWP_NOACTIVATE | SWP_HIDEWINDOW);
  return page;
}

void Notebook::Attach(HWND tabs, const std::vector<std::string_view>& captions) {
  tabs_ = tabs;
  SetWindowLongPtrW(tabs_, GWL_STYLE, GetWindowLongPtrW(tabs_, GWL_STYLE) | WS_CLIPSIBLINGS);
  for (std::size_t i = 0; i < captions.size(); ++i) {
    std::wstring text = Widen(captions[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(tabs_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
}

RECT Notebook::DisplayArea() const {
  RECT area;
  GetWindowRect(tabs_, &area);
  MapWindowPoints(nullptr, GetParent(tabs_), reinterpret_cast<POINT*>(&area), 2);
  SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  return area;
}

HWND Notebook::AddPage(const wchar_t* templateName) {
  HWND page = CreateTemplatePage(GetParent(tabs_), templateName, DisplayArea());
  if (page) pages_.push_back(page);
  return page;
}

void Notebook::AddPage(HWND page) {
  const RECT area = DisplayArea();
  SetWindowPos(page, HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
               SWP_NOACTIVATE | SWP_HIDEWINDOW);
  pages_.push_back(page);
}

HWND Notebook::page(int index) const {
  if (index < 0 || index >= count()) return nullptr;
  return pages_[static_cast<std::size_t>(index)];
}

int Notebook::selected() const { return static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)); }

void Notebook::Select(int index) {
  SendMessageW(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  OnSelectionChanged();
}

void Notebook::OnSelectionChanged() {
  const int current = selected();
  for (int i = 0; i < count(); ++i) ShowWindow(page(i), i == current ? SW_SHOWNA : SW_HIDE);
}

bool IsChecked(HWND control) { return SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SetChecked(HWND control, bool on) { SendMessageW(control, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }

std::string ControlText(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

void SetControlText(HWND control, std::string_view text) { SetWindowTextW(control, Widen(text).c_str()); }

void AddComboItems(HWND combo, const std::vector<std::string_view>& items) {
  for (std::string_view item : items) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
}

int ComboSelection(HWND combo) { return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)); }

void SelectComboItem(HWND combo, int index) { SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

}  // namespace tikolvo

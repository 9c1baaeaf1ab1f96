#include "settings/win/form_conf.h"

#include <commctrl.h>

#include "common/win/common_controls.h"
#include "common/win/error_report.h"
#include "common/win/system_look.h"
#include "settings/win/conf_ids.h"

namespace tikolvo {
namespace {

constexpr wchar_t kClassName[] = L"TFormConf";
constexpr wchar_t kCaption[] = L"Настройки";
constexpr int kClientWidth = 585;
constexpr int kClientHeight = 369;

constexpr int kOkButtons[] = {IDC_bok1, IDC_bok, IDC_BOK_Des, IDC_bcl, IDC_BOSkin, IDC_B_ok_plan, IDC_btcwww, IDC_bok2};

int Clamped(int index, int count) { return index >= 0 && index < count ? index : 0; }

}  // namespace

void TFormConf::AddPage(SettingsPage& page) {
  auto outer = std::make_unique<OuterPage>();
  outer->page = &page;
  pages_.push_back(std::move(outer));
}

void TFormConf::AddInnerPage(SettingsPage& page) {
  if (!pages_.empty()) pages_.back()->inner.push_back(&page);
}

bool TFormConf::FormCreate() {
  // The pages' dialogs and the windows they open use the common controls.
  if (!LoadCommonControls()) return false;
  if (!CreateFrame() || !CreatePages()) return false;
  const int opened = store_.settings.pages.settingsPage;
  notebook_.Select(Clamped(opened, notebook_.count()));
  LoadPages();
  SelectRememberedPages();
  return true;
}

// The window costs memory a clock that is only looked at never needs, so it
// waits until someone opens it.
bool TFormConf::EnsureCreated() {
  if (hwnd()) return true;
  if (!FormCreate()) {
    // Half a window would pass for a made one at the next opening.
    if (hwnd()) DestroyWindow(hwnd());
    ReportError("Не удалось создать окно настроек программы.");
    return false;
  }
  if (created) created();
  return true;
}

bool TFormConf::CreateFrame() {
  if (!RegisterWindowClass(kClassName, 0, LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)), nullptr,
                           GetSysColorBrush(COLOR_BTNFACE)))
    return false;
  menu_ = LoadMenuW(GetModuleHandleW(nullptr), L"CONF_MENU");
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, style, menu_ != nullptr, WS_EX_CONTROLPARENT);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  if (!CreateWindowFor(WS_EX_CONTROLPARENT, kClassName, kCaption, style, x, y, width, height, nullptr)) return false;
  if (menu_) SetMenu(hwnd(), menu_);
  if (menu_) menuStyle_.ApplyToDropDowns(menu_, store_.settings.inter.gradientMenus);
  return true;
}

bool TFormConf::CreatePages() {
  font_ = CreateMessageFont();
  HWND tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 4, 4, kClientWidth - 8,
                              kClientHeight - 8, hwnd(), reinterpret_cast<HMENU>(IDC_Notebook),
                              GetModuleHandleW(nullptr), nullptr);
  if (!tabs) return false;
  SendMessageW(tabs, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  std::vector<std::string_view> captions;
  for (const auto& outer : pages_) captions.push_back(outer->page->caption());
  notebook_.Attach(tabs, captions);
  for (const auto& outer : pages_) {
    if (!outer->page->Create(hwnd(), notebook_.DisplayArea())) return false;
    notebook_.AddPage(outer->page->hwnd());
    if (!CreateInnerPages(*outer)) return false;
  }
  return true;
}

bool TFormConf::CreateInnerPages(OuterPage& outer) {
  const int tabsId = outer.page->innerTabsId();
  if (tabsId == 0) return true;
  std::vector<std::string_view> captions;
  for (SettingsPage* page : outer.inner) captions.push_back(page->caption());
  outer.notebook.Attach(GetDlgItem(outer.page->hwnd(), tabsId), captions);
  for (SettingsPage* page : outer.inner) {
    if (!page->Create(outer.page->hwnd(), outer.notebook.DisplayArea())) return false;
    outer.notebook.AddPage(page->hwnd());
  }
  return true;
}

void TFormConf::SelectRememberedPages() {
  for (const auto& outer : pages_)
    if (outer->page->innerTabsId() != 0)
      ShowInnerPage(*outer, Clamped(outer->page->RememberedInnerPage(), outer->notebook.count()));
}

// The inner page shown is remembered by its outer page; a page learns when
// its tab is entered and left.
void TFormConf::ShowInnerPage(OuterPage& outer, int index) {
  outer.notebook.Select(index);
  outer.page->InnerPageShown(index);
  if (index == outer.shownInner) return;
  if (outer.shownInner >= 0 && outer.shownInner < static_cast<int>(outer.inner.size()))
    outer.inner[static_cast<std::size_t>(outer.shownInner)]->Left();
  outer.shownInner = index;
  if (index >= 0 && index < static_cast<int>(outer.inner.size())) outer.inner[static_cast<std::size_t>(index)]->Entered();
}

void TFormConf::ForEachPage(void (SettingsPage::*call)()) {
  for (const auto& outer : pages_) {
    (outer->page->*call)();
    for (SettingsPage* page : outer->inner) (page->*call)();
  }
}

void TFormConf::LoadPages() { ForEachPage(&SettingsPage::Load); }

void TFormConf::ShowSettings() {
  if (!EnsureCreated()) return;
  LoadPages();
  ForEachPage(&SettingsPage::Opening);
  if (IsIconic(hwnd())) ShowWindow(hwnd(), SW_RESTORE);
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
}

void TFormConf::ShowPage(int page, int innerPage) {
  if (page < 0 || page >= static_cast<int>(pages_.size()) || !EnsureCreated()) return;
  notebook_.Select(page);
  store_.settings.pages.settingsPage = page;
  OuterPage& outer = *pages_[static_cast<std::size_t>(page)];
  if (innerPage >= 0 && innerPage < outer.notebook.count()) ShowInnerPage(outer, innerPage);
  ShowSettings();
}

void TFormConf::ShowPage(const SettingsPage& wanted) {
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    const OuterPage& outer = *pages_[i];
    if (outer.page == &wanted) return ShowPage(static_cast<int>(i));
    for (std::size_t j = 0; j < outer.inner.size(); ++j)
      if (outer.inner[j] == &wanted) return ShowPage(static_cast<int>(i), static_cast<int>(j));
  }
}

LRESULT TFormConf::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (lParam == 0 && HIWORD(wParam) == 0 && LOWORD(wParam) >= IDM_view_top) {
        OnMenuCommand(LOWORD(wParam));
      } else {
        OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      }
      return 0;
    case WM_NOTIFY:
      OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
      return 0;
    case WM_MEASUREITEM:
      return menuStyle_.Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
    case WM_DRAWITEM:
      return menuStyle_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case WM_SYSCOLORCHANGE:
      for (const auto& outer : pages_) {
        outer->page->ColoursChanged();
        for (SettingsPage* page : outer->inner) page->ColoursChanged();
      }
      return 0;
    case WM_INITMENUPOPUP:
      UpdateMenuChecks();
      menuStyle_.SetGradient(store_.settings.inter.gradientMenus);
      return 0;
    case WM_CLOSE:
      FormClose();
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

// As in a dialog, the keyboard focus returns to the control that had it
// when the window is activated again; the first time it goes to the tabs.
void TFormConf::OnActivate(bool active) {
  HWND focus = GetFocus();
  if (!active) {
    if (focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
    return;
  }
  HWND target = lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_) ? lastFocus_ : notebook_.tabs();
  SetFocus(target);
}

void TFormConf::OnNotify(const NMHDR& header) {
  if (header.code != TCN_SELCHANGE) return;
  if (header.hwndFrom == notebook_.tabs()) {
    notebook_.OnSelectionChanged();
    store_.settings.pages.settingsPage = notebook_.selected();
    return;
  }
  for (const auto& outer : pages_)
    if (header.hwndFrom == outer->notebook.tabs()) ShowInnerPage(*outer, outer->notebook.selected());
}

// What the pages leave alone: the Ok buttons, Enter (Ok) and Esc (hide). A
// command that names a control but comes without it (from the keyboard or
// another program) goes to the page that owns the control; one from a page
// came back unhandled and stays here.
void TFormConf::OnCommand(int id, int code, HWND control) {
  if (id == IDOK) return bokClick();
  if (id == IDCANCEL) return FormClose();
  for (int ok : kOkButtons)
    if (id == ok && code == BN_CLICKED) return bokClick();
  if (control) return;
  for (const auto& outer : pages_) {
    if (RouteToPage(*outer->page, id, code)) return;
    for (SettingsPage* page : outer->inner)
      if (RouteToPage(*page, id, code)) return;
  }
}

bool TFormConf::RouteToPage(SettingsPage& page, int id, int code) {
  HWND control = GetDlgItem(page.hwnd(), id);
  if (!control) return false;
  SendMessageW(page.hwnd(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
  return true;
}

void TFormConf::bokClick() {
  OfferPendingEdits();
  store_.Save();
  ShowWindow(hwnd(), SW_HIDE);
}

// Closing only hides: the window holds running state until the program ends.
void TFormConf::FormClose() {
  OfferPendingEdits();
  ShowWindow(hwnd(), SW_HIDE);
}

void TFormConf::OfferPendingEdits() { ForEachPage(&SettingsPage::Closing); }

}  // namespace tikolvo

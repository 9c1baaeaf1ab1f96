#pragma once
// Building blocks of windows made of pages: pages from dialog templates that
// hand every message of their controls up to the top-level window, a
// notebook that shows one page per tab, and small helpers for controls.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace tikolvo {

// A child dialog from the template `name`, placed at `area` of `parent` and
// hidden. Commands, notifications, scrolls and owner-draw requests of its
// controls go to the top-level window, so one dispatcher there sees every
// control whatever page (or page inside a page) it sits on.
HWND CreateTemplatePage(HWND parent, const wchar_t* name, const RECT& area);

// The messages a page's controls send their parent: commands,
// notifications, scrolls and owner-draw requests.
bool IsControlMessage(UINT message);

// A page's dialog procedure handing a message on to the page's top-level
// window, with the answer as the dialog's result; FALSE when the page is
// itself the top-level window.
BOOL ForwardToTopLevel(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// A tab control with one page per tab; only the selected page is visible.
// The pages are siblings of the tab control, laid over its display area.
class Notebook {
 public:
  // Takes a tab control (from a template or made in code) and adds the tabs.
  void Attach(HWND tabs, const std::vector<std::string_view>& captions);
  // Makes the page of the next tab from a template.
  HWND AddPage(const wchar_t* templateName);
  // Takes a page made elsewhere (it must be a child of the tab control's
  // parent); it is moved over the display area.
  void AddPage(HWND page);
  // The display area in the client coordinates of the tab control's parent.
  RECT DisplayArea() const;

  HWND tabs() const { return tabs_; }
  HWND page(int index) const;
  int count() const { return static_cast<int>(pages_.size()); }
  int selected() const;
  void Select(int index);
  // A TCN_SELCHANGE from this tab control: shows the newly selected page.
  void OnSelectionChanged();

 private:
  HWND tabs_ = nullptr;
  std::vector<HWND> pages_;
};

bool IsChecked(HWND control);
void SetChecked(HWND control, bool on);
std::string ControlText(HWND control);
void SetControlText(HWND control, std::string_view text);
void AddComboItems(HWND combo, const std::vector<std::string_view>& items);
int ComboSelection(HWND combo);
void SelectComboItem(HWND combo, int index);

}  // namespace tikolvo

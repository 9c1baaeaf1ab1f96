#pragma once
// Building blocks of the settings window: a plain page that hands every
// command of its controls up to the top-level window, the standard controls
// placed on it, and a tab control that shows one page at a time.
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/win/window_base.h"

namespace tikolvo {

// A child area holding controls. Commands, scroll and notify messages go to
// the top-level window, so one dispatcher there sees every control whatever
// page (or page inside a page) it sits on.
class ConfPage : public Window {
 public:
  bool Create(HWND parent, const RECT& area);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Standard controls, in client pixels of their parent.
HWND AddButton(HWND parent, int id, std::string_view caption, int x, int y, int width, int height = 25);
HWND AddCheckBox(HWND parent, int id, std::string_view caption, int x, int y, int width, bool checked);
// firstInGroup starts a new radio group.
HWND AddRadio(HWND parent, int id, std::string_view caption, int x, int y, int width, bool checked,
              bool firstInGroup);
HWND AddLabel(HWND parent, int id, std::string_view caption, int x, int y, int width, int height = 16);
HWND AddGroupBox(HWND parent, std::string_view caption, int x, int y, int width, int height);
HWND AddNumberEdit(HWND parent, int id, std::string_view text, int x, int y, int width);
HWND AddDropDownList(HWND parent, int id, int x, int y, int width);
HWND AddTrackBar(HWND parent, int id, int x, int y, int width, int minimum, int maximum, int position);

bool IsChecked(HWND control);
void SetChecked(HWND control, bool on);
std::string ControlText(HWND control);
void SetControlText(HWND control, std::string_view text);

// Gives a window and all its children the system's message font.
void ApplyDialogFont(HWND window, HFONT font);

// A tab control with one page per tab; only the selected page is visible.
class PageTabs {
 public:
  // The tab control fills `area` of `parent`.
  bool Create(HWND parent, int id, const RECT& area, const std::vector<std::string_view>& captions);
  HWND tabs() const { return tabs_; }
  // The page of tab `index`, created with the tab control.
  HWND page(int index) const;
  int selected() const;
  void Select(int index);
  // A TCN_SELCHANGE from this tab control: shows the newly selected page.
  void OnSelectionChanged();

 private:
  HWND tabs_ = nullptr;
  std::vector<std::unique_ptr<ConfPage>> pages_;
};

}  // namespace tikolvo

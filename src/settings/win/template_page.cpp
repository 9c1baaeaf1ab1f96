#include "settings/win/template_page.h"

#include "common/win/colour_button.h"
#include "common/win/dialog_pages.h"

namespace tikolvo {

TemplatePage::~TemplatePage() {
  if (hwnd_) DestroyWindow(hwnd_);
}

bool TemplatePage::Create(HWND parent, const RECT& area) {
  HWND page = CreateDialogParamW(GetModuleHandleW(nullptr), page_.name, parent, &TemplatePage::Procedure,
                                 reinterpret_cast<LPARAM>(this));
  if (!page) return false;
  SetWindowPos(page, HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
               SWP_NOACTIVATE | SWP_HIDEWINDOW);
  Quietly([this] { Created(); });
  return true;
}

void TemplatePage::Load() {
  if (!hwnd_) return;
  Quietly([this] {
    for (const CheckBinding& binding : page_.checks) SetChecked(Item(binding.id), binding.field(store_.settings));
    for (const ColourBinding& binding : page_.colours) InvalidateRect(Item(binding.id), nullptr, FALSE);
    LoadControls();
  });
}

void TemplatePage::ToggleCheck(int id) {
  SetChecked(Item(id), !IsChecked(Item(id)));
  OnBoundCommand(id, BN_CLICKED);
}

INT_PTR CALLBACK TemplatePage::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    reinterpret_cast<TemplatePage*>(lParam)->hwnd_ = hwnd;
    return FALSE;  // the page is hidden; the settings window places the focus
  }
  auto* self = reinterpret_cast<TemplatePage*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (self && message == WM_NCDESTROY) self->hwnd_ = nullptr;
  const INT_PTR handled = self && self->hwnd_ ? self->OnMessage(message, wParam, lParam) : FALSE;
  if (handled) return handled;
  // Owner-drawn controls are measured while the template is being built,
  // before the page is known; the window's own handlers answer those.
  return IsControlMessage(message) ? ForwardToTopLevel(hwnd, message, wParam, lParam) : FALSE;
}

INT_PTR TemplatePage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (loading_) return TRUE;
      return OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (!Notify(*reinterpret_cast<const NMHDR*>(lParam), result)) return FALSE;
      SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
      return TRUE;
    }
    case WM_DRAWITEM:
      return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (!lParam) return FALSE;
      Scrolled(reinterpret_cast<HWND>(lParam));
      return TRUE;
    case WM_TIMER:
      Timer(wParam);
      return TRUE;
    case WM_VKEYTOITEM:  // the answer goes back to the list as it is
      return ListKey(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
    default:
      return FALSE;
  }
}

bool TemplatePage::OnCommand(int id, int code) { return OnBoundCommand(id, code) || Command(id, code); }

bool TemplatePage::OnBoundCommand(int id, int code) {
  for (const CheckBinding& binding : page_.checks) {
    if (binding.id != id) continue;
    if (code != BN_CLICKED) return true;
    const bool on = IsChecked(Item(id));
    binding.field(store_.settings) = on;
    CheckChanged(id, on);
    return true;
  }
  for (const ColourBinding& binding : page_.colours) {
    if (binding.id != id) continue;
    if (code != BN_CLICKED) return true;
    const std::optional<Colour> chosen = ChooseColour(hwnd_, ShownColour(binding));
    if (!chosen) return true;
    binding.field(store_.settings) = *chosen & 0xFFFFFF;
    InvalidateRect(Item(id), nullptr, FALSE);
    ColourChanged(id);
    return true;
  }
  return false;
}

bool TemplatePage::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlType == ODT_BUTTON) {
    for (const ColourBinding& binding : page_.colours) {
      if (binding.id != static_cast<int>(item.CtlID)) continue;
      DrawColourButton(item, ShownColour(binding));
      return true;
    }
  }
  return DrawItem(item);
}

// The colour a box shows without changing the settings: a colour the field
// would first have to create (the own hand colours) shows its default.
Colour TemplatePage::ShownColour(const ColourBinding& binding) const {
  Settings copy = store_.settings;
  return binding.field(copy);
}

int NotebookPage::RememberedInnerPage() const {
  return remembered_ ? remembered_(const_cast<Settings&>(settings())) : 0;
}

void NotebookPage::InnerPageShown(int index) {
  if (remembered_) remembered_(settings()) = index;
}

}  // namespace tikolvo

#pragma once
// A settings page made from a dialog template (res/settings.rc). The page's
// dialog procedure hands its controls' messages to the page object; what the
// page leaves alone goes on to the settings window (its Ok buttons, Enter and
// Esc, the notebooks' tab changes). Check boxes and colour boxes are bound
// to settings by the page's tables: loading sets them, a click stores the
// new value at once and then tells the page.
#include <windows.h>

#include <span>
#include <string>

#include "settings/win/settings_page.h"
#include "settings/win/settings_store.h"

namespace tikolvo {

struct CheckBinding {
  int id;
  bool& (*field)(Settings&);
};

struct ColourBinding {
  int id;
  Colour& (*field)(Settings&);
};

struct PageTemplate {
  std::string_view caption;
  const wchar_t* name;  // the dialog template
  std::span<const CheckBinding> checks = {};
  std::span<const ColourBinding> colours = {};
};

class TemplatePage : public SettingsPage {
 public:
  TemplatePage(SettingsStore& store, const PageTemplate& page) : store_(store), page_(page) {}
  ~TemplatePage() override;
  TemplatePage(const TemplatePage&) = delete;
  TemplatePage& operator=(const TemplatePage&) = delete;

  std::string_view caption() const override { return page_.caption; }
  bool Create(HWND parent, const RECT& area) override;
  HWND hwnd() const override { return hwnd_; }
  void Load() final;

 protected:
  // The template's controls exist: lists are filled, ranges set.
  virtual void Created() {}
  // The controls the tables do not bind.
  virtual void LoadControls() {}
  // Each returns true when the page handled the message.
  virtual bool Command(int id, int code) { return false; }
  virtual bool Notify(const NMHDR& header, LRESULT& result) { return false; }
  virtual bool DrawItem(const DRAWITEMSTRUCT& item) { return false; }
  virtual void Scrolled(HWND control) {}
  virtual void Timer(UINT_PTR id) {}
  // A key pressed in a list box that wants keyboard input: -1 lets the list
  // act on it, -2 says the page did.
  virtual int ListKey(HWND list, int key) { return -1; }
  // A bound box was clicked and its setting stored already.
  virtual void CheckChanged(int id, bool on) {}
  virtual void ColourChanged(int id) {}

  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
  Settings& settings() { return store_.settings; }
  const Settings& settings() const { return store_.settings; }
  SettingsStore& store() { return store_; }
  const SettingsStore& store() const { return store_; }
  // Runs `change` with the page's handlers held back, as loading does.
  template <typename Change>
  void Quietly(Change change) {
    const bool was = loading_;
    loading_ = true;
    change();
    loading_ = was;
  }
  // Flips a bound check box as a click on it would.
  void ToggleCheck(int id);

 private:
  static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool OnCommand(int id, int code);
  bool OnBoundCommand(int id, int code);
  bool OnDrawItem(const DRAWITEMSTRUCT& item);
  Colour ShownColour(const ColourBinding& binding) const;

  SettingsStore& store_;
  PageTemplate page_;
  HWND hwnd_ = nullptr;
  bool loading_ = false;
};

// A page whose controls are all bound by its tables (or that only shows
// what other code fills in).
class BoundPage final : public TemplatePage {
 public:
  using TemplatePage::TemplatePage;
};

// A page holding a notebook of pages, with its tab control `tabsId`; the
// inner page shown is remembered in `remembered` when given.
class NotebookPage : public TemplatePage {
 public:
  NotebookPage(SettingsStore& store, const PageTemplate& page, int tabsId, int& (*remembered)(Settings&) = nullptr)
      : TemplatePage(store, page), tabsId_(tabsId), remembered_(remembered) {}

  int innerTabsId() const override { return tabsId_; }
  int RememberedInnerPage() const override;
  void InnerPageShown(int index) override;

 private:
  int tabsId_;
  int& (*remembered_)(Settings&);
};

}  // namespace tikolvo

#pragma once
// The settings window "TFormConf": made when it is first opened from the
// clock's settings button and menus, hidden again by "Ok" (which saves) or by
// closing, and kept from then on. It is a frame: its notebook holds the pages handed to it, each
// page a class of its own that loads and handles its controls; the frame
// keeps the main menu, Ok and hiding, and passes each menu command to the
// page that takes it.
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "common/win/dialog_pages.h"
#include "common/win/flat_menu.h"
#include "common/win/gdi.h"
#include "common/win/window_base.h"
#include "settings/win/settings_page.h"
#include "settings/win/settings_store.h"

namespace tikolvo {

// Page indexes of the main notebook, in the order the program adds them.
enum ConfPageIndex : int {
  kConfSettingsPage = 0,
  kConfTimerPage,
  kConfDesktopPage,
  kConfMenuPage,
  kConfThemesPage,
  kConfSchedulerPage,
  kConfStatisticsPage,
  kConfAboutPage,
};

class TFormConf : public Window, public PageHost {
 public:
  explicit TFormConf(SettingsStore& store) : store_(store) {}

  // Before FormCreate: the pages in the order of the notebook's tabs; an
  // inner page goes into the notebook of the outer page added last.
  void AddPage(SettingsPage& page);
  void AddInnerPage(SettingsPage& page);

  // Creates the window hidden, with every page holding the loaded settings.
  bool FormCreate();
  // Made once, before the window first shows: what the program attaches to
  // the pages' controls.
  std::function<void()> created;
  // Brings the window up with the controls showing the current settings.
  void ShowSettings();
  // The same, on a page of the main notebook (and of its inner notebook).
  void ShowPage(int page, int innerPage = -1);

  HWND window() const override { return hwnd(); }
  void ShowPage(const SettingsPage& page) override;
  void SetMenuCaption(int id, const std::string& caption) override;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  struct OuterPage {
    SettingsPage* page = nullptr;
    std::vector<SettingsPage*> inner;
    Notebook notebook;  // of the inner pages
    int shownInner = -1;
  };

  // FormCreate on first use; false when the window cannot be made.
  bool EnsureCreated();
  bool CreateFrame();
  bool CreatePages();
  bool CreateInnerPages(OuterPage& outer);
  void SelectRememberedPages();
  void LoadPages();
  // Every page, outer and inner, in the notebook's order.
  void ForEachPage(void (SettingsPage::*call)());
  void OnCommand(int id, int code, HWND control);
  bool RouteToPage(SettingsPage& page, int id, int code);
  void OnNotify(const NMHDR& header);
  void OnActivate(bool active);
  void ShowInnerPage(OuterPage& outer, int index);
  void bokClick();
  void FormClose();
  void OfferPendingEdits();

  // The main menu (form_conf_menu.cpp).
  void OnMenuCommand(int id);
  void UpdateMenuChecks();
  bool OfferMenuCommand(int id);

  SettingsStore& store_;
  Notebook notebook_;
  std::vector<std::unique_ptr<OuterPage>> pages_;
  UniqueGdi<HFONT> font_;  // the main notebook's tabs
  HMENU menu_ = nullptr;
  FlatMenuStyle menuStyle_;  // the drop-downs drawn like the clock's own menus
  HWND lastFocus_ = nullptr;
};

}  // namespace tikolvo

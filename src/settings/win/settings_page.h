#pragma once
// One page of the settings window. The window is only a frame: it lays the
// pages into its notebooks, shows and hides them, and asks each to load its
// controls; everything a page's controls do is the page's own business.
#include <windows.h>

#include <string>
#include <string_view>

namespace tikolvo {

class SettingsPage {
 public:
  virtual ~SettingsPage() = default;

  // The caption of the page's notebook tab.
  virtual std::string_view caption() const = 0;
  // Creates the page hidden over `area` of `parent` (client pixels).
  virtual bool Create(HWND parent, const RECT& area) = 0;
  virtual HWND hwnd() const = 0;
  // Settings into the controls, without running their handlers (the values
  // they show are already in effect).
  virtual void Load() = 0;
  // Its notebook tab was entered or left.
  virtual void Entered() {}
  virtual void Left() {}

  // A page with a notebook of pages inside: the id of its tab control (0:
  // none), the inner page to open first, and the inner page now shown.
  virtual int innerTabsId() const { return 0; }
  virtual int RememberedInnerPage() const { return 0; }
  virtual void InnerPageShown(int index) {}

  // A command of the window's main menu; true when this page carried it out.
  virtual bool MenuCommand(int id) { return false; }
  // The system colours changed: self-drawn controls draw again.
  virtual void ColoursChanged() {}
  // The window is about to show: what a page needs only once it can be
  // seen is started now rather than at the program's start.
  virtual void Opening() {}
  // The window is about to hide (its close box, Esc or Ok): a page holding
  // unsaved edits offers them now.
  virtual void Closing() {}
};

// What a page may ask of the window that hosts it.
class PageHost {
 public:
  virtual ~PageHost() = default;
  // The settings window: owner of the page's questions and dialogs.
  virtual HWND window() const = 0;
  // Brings the window up on the page (its outer page and notebook tab).
  virtual void ShowPage(const SettingsPage& page) = 0;
  // Renames an item of the window's main menu.
  virtual void SetMenuCaption(int id, const std::string& caption) = 0;
};

}  // namespace tikolvo

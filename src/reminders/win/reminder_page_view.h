#pragma once
// The "Напоминания" page of the settings window's desktop notebook: the
// list of the user's reminders (message.db) with its add, edit and delete
// buttons, and the options of section "MESS" that say how the reminders are
// written onto the wallpaper. A child dialog from the template
// REMINDERS_PAGE with its own dialog procedure; every change of a control is
// written straight into the settings store (the settings window's Ok
// saves config.cfg).
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "settings/win/settings_page.h"
#include "settings/win/settings_store.h"

namespace tikolvo {

class ReminderPageView final : public SettingsPage {
 public:
  explicit ReminderPageView(SettingsStore& store);
  ~ReminderPageView() override;
  ReminderPageView(const ReminderPageView&) = delete;
  ReminderPageView& operator=(const ReminderPageView&) = delete;

  // Creates the page hidden over `area` of parent (client pixels); creates
  // an empty message.db when there is none.
  bool Create(HWND parent, const RECT& area) override;
  HWND hwnd() const override { return hwnd_; }
  std::string_view caption() const override { return "Напоминания"; }

  // settings.reminders -> controls, without running the controls' handlers
  // (the settings they show are already in effect).
  void Load() override { LoadControls(); }
  void LoadControls();
  // The desktop notebook entered the page: the list is loaded (when
  // message.db exists). Leaving it empties the list.
  void Entered() override;
  void Left() override;

  // Called after each change of a setting by a control (the wallpaper
  // preview may repaint its marker).
  std::function<void()> changed;

 private:
  static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnInit();
  void OnCommand(int id, int code);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  void DrawReminderItem(const DRAWITEMSTRUCT& item) const;
  void DrawFontItem(const DRAWITEMSTRUCT& item) const;

  // The page's handlers.
  void B_add_messClick();
  void B_cha_messClick();
  void B_del_messClick();
  void B_del_mess_allClick();
  void CB_vnesh_baseClick();
  void CornerClick(int id);
  void ColourClick(int id);
  void FontStyleClick();

  void ReloadList();
  std::string SelectedItem() const;
  std::string ReminderPath() const;
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
  void Changed();

  SettingsStore& store_;
  HWND hwnd_ = nullptr;
  std::vector<std::string> fonts_;  // the installed-font list the font index points into
  bool loading_ = false;
};

}  // namespace tikolvo

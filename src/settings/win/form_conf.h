#pragma once
// The settings window "TFormConf": made hidden at start, shown from the
// clock's settings button, hidden again by "Ok" (which saves) or by closing.
// Its controls edit the loaded settings; the main window's options take
// effect at once through the main window's own setters.
#include <windows.h>

#include <functional>
#include <map>

#include "app/win/app_state.h"
#include "app/win/system_clock.h"
#include "settings/interval_timer.h"
#include "settings/win/about_banner.h"
#include "settings/win/conf_page.h"

namespace tikolvo {

class MainForm;

// Control ids, named after the controls they stand for.
enum ConfControl : int {
  IDC_Notebook = 100,
  IDC_TN_sys,
  // "Ok" buttons of the pages; all save and hide.
  IDC_bok1 = 200, IDC_bok, IDC_BOK_Des, IDC_bcl, IDC_btcwww, IDC_B_ok_plan, IDC_B_S_OK, IDC_bok2,
  // "Системные".
  IDC_CB_MONITOR_IP = 300, IDC_CB_AUTO_HIDE_start, IDC_CBTray, IDC_bauloLoad, IDC_Button1,
  // "Положение".
  IDC_CB_AUTO_HIDE = 400, IDC_CBW, IDC_CB_Display, IDC_CB_zak_g_wind, IDC_CB_UP, IDC_CB_baraban, IDC_CB_Down,
  // "Внешний вид".
  IDC_TBTRANS = 500,
  // "Таймер".
  IDC_ctH = 600, IDC_ctM, IDC_CTS, IDC_CBCT, IDC_B_start_timer, IDC_B_stop_timer, IDC_CB_SOUND_TIM, IDC_L_NEXT_timer,
  IDC_L_next_timer_ti,
  // "Об авторе...".
  IDC_L_version = 700, IDC_L_date, IDC_L_memory,
};

class TFormConf : public Window {
 public:
  TFormConf(AppState& app, MainForm& mainForm);
  ~TFormConf() override;

  // Creates the window hidden, with every control holding the loaded
  // settings; an interval timer stored as on starts running.
  bool FormCreate();
  // Brings the window up with the controls showing the current settings.
  void ShowSettings();

  // Plays a sound of the program's sound bank (the interval timer's rings).
  void SetSoundPlayer(std::function<void(int)> play) { playBuiltinSound_ = std::move(play); }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void BuildSystemPage(HWND page);
  void BuildPositionPage(HWND page);
  void BuildLookPage(HWND page);
  void BuildTimerPage(HWND page);
  void BuildAboutPage(HWND page);
  void AddOkButton(HWND page, int id);

  // Puts the settings into the controls (they may have changed from the
  // main window's menu while this window was hidden).
  void LoadControls();
  void OnCommand(int id, int code);
  void OnNotify(const NMHDR& header);
  void bokClick();
  void FormClose();

  // "Положение" and "Системные".
  void StackingClick(int id);
  void bauloLoadClick();
  void Button1Click();
  void CBTrayClick();
  void TBTRANSChange();

  // "Таймер".
  void TimerEditChange(int id);
  void StartTimer();
  void StopTimer();
  void RefreshTimerLabels();
  void CTttAlarm();

  // Any control of any page by its id.
  HWND Item(int id) const;
  void RememberControls();

  AppState& app_;
  MainForm& mainForm_;
  SystemClock clock_;
  PageTabs notebook_;
  PageTabs sysTabs_;
  IntervalTimer timer_;
  AboutBanner banner_;
  std::map<int, HWND> controls_;
  HFONT font_ = nullptr;
  bool loading_ = false;
  std::function<void(int)> playBuiltinSound_;
};

// Shows or hides the shell's own taskbar clock; nothing when it is missing.
void ShowTaskbarClock(bool show);

}  // namespace tikolvo

#pragma once
// The clock's main window "TMainForm": a borderless, shaped window showing
// the face. It keeps its place (sticky edges, confinement, stored position),
// its stacking mode, dragging and pinning, auto-hide, opacity, accepts
// dropped files, and runs the program's closing steps.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "app/auto_hide.h"
#include "app/face_labels.h"
#include "app/hand_angles.h"
#include "app/placement.h"
#include "app/stacking.h"
#include "app/win/clock_commands.h"
#include "app/win/face_view.h"
#include "app/win/hint_window.h"
#include "app/win/main_menu.h"
#include "app/win/skin_holder.h"
#include "app/win/tray_icon.h"
#include "audio/sound_player.h"
#include "common/win/flat_menu.h"
#include "common/win/system_clock.h"
#include "common/win/window_base.h"
#include "menus/win/launcher_host.h"
#include "settings/win/clock_window_options.h"
#include "settings/win/settings_store.h"
#include "skin/win/skin_switch.h"

namespace tikolvo {

// Posted to finish a restore from the taskbar by taking the button away.
inline constexpr UINT kHideTaskbarButtonMessage = WM_APP + 1;
// WM_COPYDATA with this tag carries a DROPFILES block from another process
// (a drop handle is good only in the process that made it); the window
// drops it on itself as the shell would. Lets tests drop files.
inline constexpr ULONG_PTR kDropFilesCopyTag = 0x504F5244;  // "DROP" in ASCII

class MainForm : public Window, public ClockWindowOptions, public WindowStateSource, public SkinSwitch {
 public:
  // The window's sounds and commands are the program's; both outlive it.
  MainForm(SettingsStore& store, audio::SoundPlayer& sounds, ClockCommands& commands);

  // Registers the class, creates the window at the stored position and
  // applies the loaded settings. False when the window could not be made.
  bool FormCreate();
  void FormShow();

  // Opacity 1..255 for the whole window.
  void trans(int alpha) override;
  void ChooseStacking(StackingMode mode) override;
  // byUser: the change came from a click, so the Shift notice is shown.
  void SetAutoHide(bool on, bool byUser) override;
  void SetPinned(bool on, bool byUser) override;
  void SetSticky(bool on) override;
  void SetSnapEdges(SnapEdges edges) { edges_ = edges; }
  void SetHintLayout(int layout) { hint_.SetLayout(layout); }

  // The launcher menus the menu buttons, the tray menu and drops use.
  void SetLaunchers(LauncherHost& launchers);

  // Minimised with a taskbar button; restoring takes the button away again.
  void MinimizeApp();
  void TrayRestoreApp();

  // Loads a skin (".tks" file or folder ending with a separator); false when
  // the built-in skin had to stand in.
  bool LoadSkin(const std::string& path) override;

  // The scheduler's next task: where the alarm hand points.
  void SetAlarmTime(int hours, int minutes) { angles_.SetAlarm(hours, minutes); }
  // The day clock's ring at 00:00:01.
  void DayChanged(DateTime now);
  // The hand colours the settings window chose (own colours on).
  void SetHandColours(std::uint32_t basic, std::uint32_t second, std::uint32_t alarm) override;
  HandColours CurrentHandColours() const override;
  // Its position and the face's hand colours, for every save.
  void TakeWindowState(Settings& settings) override;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Creation and life.
  void ApplyLoadedSettings();
  void FormClose();
  void RunClosingSteps();
  void OnQueryEndSession();
  void Paint();
  void TimerTimer();
  void ApplyDrawingOptions();
  void ShowFaceChanges(const FaceChanges& changes);

  // Skin.
  void LoadCurrentSkin();
  void ApplySkinOutcome(SkinOutcome& outcome);
  void SetDropShadow(bool on);
  void HandleSkinMouse(const SkinMouseResult& result);
  void RunSkinCommand(SkinCommand command, POINT menuOrigin);
  bool OnSetCursor(LPARAM lParam);
  void StartCaptionDrag();
  void OnDropFiles(HDROP drop);
  bool DropCopiedFiles(const COPYDATASTRUCT& data);
  void PopupLauncher(LauncherKind kind, POINT origin);

  // Placement and stacking.
  void OnWindowPosChanging(WINDOWPOS& pos);
  void OnWindowPosChanged(const WINDOWPOS& pos);
  void ApplyZOrder(ZOrderAction action);
  void RememberNormalPosition();

  // Mouse.
  // shiftHeld comes from the mouse message: the key state at that moment.
  void MainFormImageMouseDown(MouseButton button, bool shiftHeld);
  void OnMouseMove(bool shiftHeld);
  void OnMouseEnter(bool shiftHeld);
  void OnMouseHover();
  void OnMouseLeave();
  void Timer_1Timer();

  // Menus, tray icon and power button (main_menu.cpp).
  MenuConditions MenuConditionsNow() const;
  HMENU BuildMenu(MainMenuKind kind);
  // alignment: how the menu stands against the point (TPM_ flags).
  void PopupMenu(MainMenuKind kind, POINT screen, UINT alignment = 0);
  void ShowContextMenu(POINT screen);
  void RunCommand(Command command);
  void OnTrayEvent(UINT mouseMessage);
  void TrayIcon1Click();
  void OnTaskbarCreated();
  void N32Click();
  void btpower1Click();
  LRESULT DescribeMenuTo(MainMenuKind kind, HWND receiver);
  void OnRestoredFromMinimized();

  SettingsStore& store_;
  audio::SoundPlayer& sounds_;
  ClockCommands& commands_;
  SystemClock clock_;
  Locale locale_;
  FaceLabelTexts labels_;
  FaceAngles angles_;
  unsigned labelsChangedUnseen_ = 0;  // labels changed while the face was hidden
  FaceView face_;
  SkinHolder skin_{face_, labels_, angles_};
  bool keyColour_ = false;
  IconHintWindow hint_;
  Stacking stacking_;
  SnapEdges edges_;  // all on until a skin says otherwise
  UINT taskbarCreated_ = 0;
  bool trackingMouse_ = false;
  bool hiddenByAutoHide_ = false;
  ScreenRect hiddenRect_;
  bool minimizedToTaskbar_ = false;
  bool reassertingTopmost_ = false;
  bool closingStepsDone_ = false;
  POINT normalPosition_{0, 0};
  HICON appIcon_ = nullptr;
  TrayIcon tray_;
  FlatMenuStyle menuStyle_;
  bool menuOpen_ = false;
  bool chosenWithRightButton_ = false;
  LauncherHost* launchers_ = nullptr;
  MenuAlignment programMenuAlignment_ = MenuAlignment::Right;
  MenuAlignment webMenuAlignment_ = MenuAlignment::Right;
  unsigned trayRetryTicks_ = 0;
};

}  // namespace tikolvo

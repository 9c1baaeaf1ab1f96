#pragma once
// The settings window's pages of "Настройки": the outer page with its inner
// notebook, "Системные", "Положение", "Меню" and "Внешний вид".
#include <functional>
#include <string>

#include "settings/win/clock_window_options.h"
#include "settings/win/template_page.h"

namespace tikolvo {

// "Настройки": the inner notebook and the connection-log switch.
class GeneralPage final : public NotebookPage {
 public:
  explicit GeneralPage(SettingsStore& store);
};

// "Системные": connection monitoring, start minimised, the taskbar clock and
// the autorun buttons.
class SystemPage final : public TemplatePage {
 public:
  SystemPage(SettingsStore& store, PageHost& host, std::string exePath);
  bool MenuCommand(int id) override;

  // "Включить мониторинг сетевых подключений" and "Вести лог подключений"
  // clicked: the connection monitor follows.
  std::function<void(bool on)> monitoringSwitched;
  std::function<void(bool on)> loggingSwitched;

 private:
  void Created() override;
  bool Command(int id, int code) override;
  void CheckChanged(int id, bool on) override;
  void bauloLoadClick();
  void Button1Click();

  PageHost& host_;
  std::string exePath_;
};

// "Положение": auto-hide, sticky edges, pinning and stacking.
class PositionPage final : public TemplatePage {
 public:
  PositionPage(SettingsStore& store, ClockWindowOptions& clock);
  bool MenuCommand(int id) override;

 private:
  void LoadControls() override;
  bool Command(int id, int code) override;
  void CheckChanged(int id, bool on) override;
  void StackingClick(int id);

  ClockWindowOptions& clock_;
};

// "Меню": which items of the control-panel menu show.
class PanelMenuPage final : public TemplatePage {
 public:
  explicit PanelMenuPage(SettingsStore& store);

 private:
  void LoadControls() override;
  bool Command(int id, int code) override;
  void PanelItemClick(int id);
  void SetAllPanelItems(bool on);
};

// "Внешний вид": the own hand colours, drawing quality, opacity and the
// old-skins option.
class LookPage final : public TemplatePage {
 public:
  LookPage(SettingsStore& store, ClockWindowOptions& clock);

 private:
  void Created() override;
  void LoadControls() override;
  bool Command(int id, int code) override;
  void Scrolled(HWND control) override;
  void CheckChanged(int id, bool on) override;
  void ColourChanged(int id) override;
  void ApplyHandColours();

  ClockWindowOptions& clock_;
};

// Shows or hides the shell's own taskbar clock; nothing when it is missing.
void ShowTaskbarClock(bool show);

}  // namespace tikolvo

// The pages of the settings window that are built so far, and the interval
// timer on the "Таймер" page.
#include "settings/win/form_conf.h"

#include <commctrl.h>

#include "common/date_time.h"
#include "common/mem_info.h"
#include "common/win/system_folders.h"
#include "common/win/wide_text.h"
#include "settings/settings_model.h"

namespace tikolvo {
namespace {

constexpr UINT_PTR kTimerClock = 1;
constexpr UINT kTimerClockMilliseconds = 450;

}  // namespace

void TFormConf::BuildSystemPage(HWND page) {
  AddCheckBox(page, IDC_CB_MONITOR_IP, "Включить мониторинг сетевых подключений", 16, 16, 420, false);
  AddCheckBox(page, IDC_CB_AUTO_HIDE_start, "Запускать свернутым", 16, 42, 420, false);
  AddCheckBox(page, IDC_CBTray, "Показывать часы в TrayBar", 16, 68, 420, false);
  AddGroupBox(page, " Автозапуск ", 16, 102, 300, 92);
  AddButton(page, IDC_bauloLoad, "Добавить программу в автозапуск", 30, 124, 272);
  AddButton(page, IDC_Button1, "Удалить программу из автозапуска", 30, 156, 272);
}

void TFormConf::BuildPositionPage(HWND page) {
  AddCheckBox(page, IDC_CB_AUTO_HIDE, "Автоскрытие", 16, 16, 300, false);
  AddCheckBox(page, IDC_CBW, "Липкое окно", 16, 42, 300, false);
  AddCheckBox(page, IDC_CB_Display, "Перемещение окна в пределах экрана", 16, 68, 300, false);
  AddCheckBox(page, IDC_CB_zak_g_wind, "Закрепить главное окно", 16, 94, 300, false);
  AddGroupBox(page, " Положение окна ", 330, 12, 200, 104);
  AddRadio(page, IDC_CB_UP, "Поверх всех окон", 344, 34, 176, false, true);
  AddRadio(page, IDC_CB_baraban, "Нейтральное", 344, 60, 176, true, false);
  AddRadio(page, IDC_CB_Down, "Ниже всех окон", 344, 86, 176, false, false);
}

void TFormConf::BuildLookPage(HWND page) {
  AddLabel(page, -1, "Прозрачность главного окна", 16, 16, 300);
  AddTrackBar(page, IDC_TBTRANS, 12, 38, 300, 1, 255, 255);
}

void TFormConf::BuildTimerPage(HWND page) {
  AddGroupBox(page, " Интервальный таймер ", 12, 10, 540, 220);
  AddLabel(page, -1, "Часы", 30, 38, 60);
  AddLabel(page, -1, "Минуты", 100, 38, 60);
  AddLabel(page, -1, "Секунды", 170, 38, 60);
  AddNumberEdit(page, IDC_ctH, "00", 30, 58, 56);
  AddNumberEdit(page, IDC_ctM, "01", 100, 58, 56);
  AddNumberEdit(page, IDC_CTS, "00", 170, 58, 56);
  for (int id : {IDC_ctM, IDC_CTS}) SendMessageW(GetDlgItem(page, id), EM_LIMITTEXT, 3, 0);
  AddCheckBox(page, IDC_CBCT, "Включить таймер", 30, 96, 200, false);
  AddButton(page, IDC_B_start_timer, "Старт", 250, 56, 90);
  AddButton(page, IDC_B_stop_timer, "Стоп", 350, 56, 90);
  AddLabel(page, -1, "Звук:", 30, 134, 60);
  HWND sounds = AddDropDownList(page, IDC_CB_SOUND_TIM, 100, 130, 160);
  for (const char* name : kIntervalTimerSounds) SendMessageW(sounds, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(name).c_str()));
  AddLabel(page, -1, "Срабатываний:", 30, 172, 120);
  AddLabel(page, IDC_L_NEXT_timer, "0", 160, 172, 120);
  AddLabel(page, -1, "Следующее:", 30, 196, 120);
  AddLabel(page, IDC_L_next_timer_ti, "", 160, 196, 120);
}

void TFormConf::BuildAboutPage(HWND page) {
  banner_.Create(page, 12, 12);
  AddLabel(page, IDC_L_date, std::string("Дата сборки: ") + kAboutDate, 16, 84, 400);
  AddLabel(page, IDC_L_version, std::string("Версия продукта: ") + kAboutVersion, 16, 106, 400);
  AddLabel(page, IDC_L_memory, PhysicalMemoryLine(ReadMemInfo()), 16, 128, 400);
}

// Minutes and seconds of 60 or more are cut back to 59 in the edit itself;
// the change that makes comes back here and updates the period.
void TFormConf::TimerEditChange(int id) {
  HWND edit = Item(id);
  const std::string text = ControlText(edit);
  if (id != IDC_ctH) {
    const std::string limited = LimitMinutesOrSeconds(text);
    if (limited != text) {
      SetControlText(edit, limited);
      return;
    }
  }
  const TimerPart part = id == IDC_ctH ? TimerPart::Hours : id == IDC_ctM ? TimerPart::Minutes : TimerPart::Seconds;
  timer_.SetPart(part, text);
  IntervalTimerSettings& stored = app_.settings.intervalTimer;
  (id == IDC_ctH ? stored.hours : id == IDC_ctM ? stored.minutes : stored.seconds) = text;
  RefreshTimerLabels();
}

void TFormConf::StartTimer() {
  timer_.Start(clock_.Now());
  app_.settings.alarm.intervalTimerOn = true;
  loading_ = true;
  SetChecked(Item(IDC_CBCT), true);
  loading_ = false;
  SetTimer(hwnd(), kTimerClock, kTimerClockMilliseconds, nullptr);
  RefreshTimerLabels();
}

void TFormConf::StopTimer() {
  timer_.Stop();
  app_.settings.alarm.intervalTimerOn = false;
  loading_ = true;
  SetChecked(Item(IDC_CBCT), false);
  loading_ = false;
  KillTimer(hwnd(), kTimerClock);
}

void TFormConf::RefreshTimerLabels() {
  SetControlText(Item(IDC_L_NEXT_timer), timer_.CountText());
  SetControlText(Item(IDC_L_next_timer_ti), timer_.NextText(clock_.Now()));
}

void TFormConf::CTttAlarm() {
  const TimerRing ring = timer_.Poll(clock_.Now());
  if (!ring.rang) return;
  RefreshTimerLabels();
  if (playBuiltinSound_ && ring.bankSound >= 0) playBuiltinSound_(ring.bankSound);
}

}  // namespace tikolvo

// The about page, and the interval timer on the "Таймер" page.
#include "settings/win/form_conf.h"

#include <commctrl.h>

#include "common/date_time.h"
#include "common/mem_info.h"
#include "common/win/gdi.h"
#include "common/win/system_folders.h"
#include "common/win/wide_text.h"
#include "settings/settings_model.h"

namespace tikolvo {
namespace {

constexpr UINT_PTR kTimerClock = 1;
constexpr UINT kTimerClockMilliseconds = 450;


// The feature list of the about page.
constexpr const char* kFeatures =
    "Часы для рабочего стола со сменными скинами и плавным ходом стрелок.\r\n"
    "Планировщик заданий: запуск программ, сообщения, звуки, всплывающие подсказки "
    "с обратным отсчетом, сигналы, разрыв соединения, выключение и спящий режим.\r\n"
    "Напоминания и календарь на рисунке рабочего стола.\r\n"
    "Меню программ и ссылок, меню панели управления.\r\n"
    "Учет сетевых подключений: сеансы, трафик, тарифы, статистика, экспорт.\r\n"
    "Журнал работы компьютера, интервальный таймер.";

}  // namespace

// The program picture is composed once on the button-face colour and only
// composed again after the system colours changed (the sum of the colour's
// red, green and blue is what is compared), not on every visit of the page.
void TFormConf::DrawAboutPicture(const DRAWITEMSTRUCT& item) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const int faceSum = GetRValue(face) + GetGValue(face) + GetBValue(face);
  const int width = item.rcItem.right - item.rcItem.left;
  const int height = item.rcItem.bottom - item.rcItem.top;
  if (!aboutPicture_.bitmap || faceSum != aboutPictureFaceSum_) {
    aboutPicture_ = CreateDib32(width, height);
    if (!aboutPicture_.bitmap) return;
    MemDc dc;
    SelectGuard bitmap(dc.get(), aboutPicture_.bitmap.get());
    const RECT box{0, 0, width, height};
    FillRect(dc.get(), &box, GetSysColorBrush(COLOR_BTNFACE));
    DrawAboutLogo(dc.get(), box);
    aboutPictureFaceSum_ = faceSum;
  }
  MemDc dc;
  SelectGuard bitmap(dc.get(), aboutPicture_.bitmap.get());
  BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, dc.get(), 0, 0, SRCCOPY);
}

void TFormConf::FillAboutPage() {
  HWND page = notebook_.page(kConfAboutPage);
  RECT area;
  GetWindowRect(Item(IDC_banner_area), &area);
  MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&area), 2);
  banner_.Create(page, area.left, area.top);
  SetControlText(Item(IDC_L_date), std::string("Дата сборки: ") + kAboutDate);
  SetControlText(Item(IDC_L_version), std::string("Версия продукта: ") + kAboutVersion);
  SetControlText(Item(IDC_L_memory), PhysicalMemoryLine(ReadMemInfo()));
  SetControlText(Item(IDC_E_features), kFeatures);
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

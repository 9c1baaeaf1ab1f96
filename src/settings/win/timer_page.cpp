#include "settings/win/timer_page.h"

#include "common/win/dialog_pages.h"
#include "settings/win/conf_ids.h"

namespace tikolvo {
namespace {

constexpr UINT_PTR kTimerClock = 1;
constexpr UINT kTimerClockMilliseconds = 450;

}  // namespace

TimerPage::TimerPage(SettingsStore& store, const Clock& clock, audio::SoundPlayer& sounds)
    : TemplatePage(store, {"Таймер", L"CONF_PAGE_TIMER"}), clock_(clock), sounds_(sounds) {}

TimerPage::~TimerPage() {
  if (hwnd()) KillTimer(hwnd(), kTimerClock);
}

void TimerPage::Created() {
  AddComboItems(Item(IDC_CB_SOUND_TIM), {std::begin(kIntervalTimerSounds), std::end(kIntervalTimerSounds)});
  for (int id : {IDC_ctM, IDC_CTS}) SendMessageW(Item(id), EM_LIMITTEXT, 3, 0);
  const IntervalTimerSettings& stored = settings().intervalTimer;
  timer_.SetPeriod(stored.hours, stored.minutes, stored.seconds);
  timer_.SetSound(stored.soundIndex);
  if (settings().alarm.intervalTimerOn) StartTimer();
  RefreshTimerLabels();
}

void TimerPage::LoadControls() {
  const IntervalTimerSettings& stored = settings().intervalTimer;
  SetControlText(Item(IDC_ctH), stored.hours);
  SetControlText(Item(IDC_ctM), stored.minutes);
  SetControlText(Item(IDC_CTS), stored.seconds);
  SelectComboItem(Item(IDC_CB_SOUND_TIM), stored.soundIndex);
  SetChecked(Item(IDC_CBCT), timer_.running());
}

bool TimerPage::Command(int id, int code) {
  const bool clicked = code == BN_CLICKED;
  switch (id) {
    case IDC_ctH:
    case IDC_ctM:
    case IDC_CTS:
      if (code == EN_CHANGE) TimerEditChange(id);
      return true;
    case IDC_CBCT:
      if (clicked) IsChecked(Item(id)) ? StartTimer() : StopTimer();
      return true;
    case IDC_B_start_timer:
      if (clicked) StartTimer();
      return true;
    case IDC_B_stop_timer:
      if (clicked) StopTimer();
      return true;
    case IDC_CB_SOUND_TIM:
      if (code == CBN_SELCHANGE) {
        settings().intervalTimer.soundIndex = ComboSelection(Item(id));
        timer_.SetSound(settings().intervalTimer.soundIndex);
      }
      return true;
    default:
      return false;
  }
}

void TimerPage::Timer(UINT_PTR id) {
  if (id == kTimerClock) CTttAlarm();
}

// Minutes and seconds of 60 or more are cut back to 59 in the edit itself;
// the change that makes comes back here and updates the period.
void TimerPage::TimerEditChange(int id) {
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
  IntervalTimerSettings& stored = settings().intervalTimer;
  (id == IDC_ctH ? stored.hours : id == IDC_ctM ? stored.minutes : stored.seconds) = text;
  RefreshTimerLabels();
}

void TimerPage::StartTimer() {
  timer_.Start(clock_.Now());
  settings().alarm.intervalTimerOn = true;
  Quietly([this] { SetChecked(Item(IDC_CBCT), true); });
  SetTimer(hwnd(), kTimerClock, kTimerClockMilliseconds, nullptr);
  RefreshTimerLabels();
}

void TimerPage::StopTimer() {
  timer_.Stop();
  settings().alarm.intervalTimerOn = false;
  Quietly([this] { SetChecked(Item(IDC_CBCT), false); });
  KillTimer(hwnd(), kTimerClock);
}

void TimerPage::RefreshTimerLabels() {
  SetControlText(Item(IDC_L_NEXT_timer), timer_.CountText());
  SetControlText(Item(IDC_L_next_timer_ti), timer_.NextText(clock_.Now()));
}

void TimerPage::CTttAlarm() {
  const TimerRing ring = timer_.Poll(clock_.Now());
  if (!ring.rang) return;
  RefreshTimerLabels();
  if (ring.bankSound >= 0) sounds_.PlayBuiltinSound(ring.bankSound);
}

}  // namespace tikolvo

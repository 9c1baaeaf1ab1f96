#pragma once
// The "Таймер" page: the interval timer's period, sound and switch, and its
// hidden alarm clock that rings a sound of the program's bank every period.
#include "audio/sound_player.h"
#include "common/clock.h"
#include "settings/interval_timer.h"
#include "settings/win/template_page.h"

namespace tikolvo {

class TimerPage final : public TemplatePage {
 public:
  TimerPage(SettingsStore& store, const Clock& clock, audio::SoundPlayer& sounds);
  ~TimerPage() override;

 private:
  // An interval timer stored as on starts running with the page.
  void Created() override;
  void LoadControls() override;
  bool Command(int id, int code) override;
  void Timer(UINT_PTR id) override;

  void TimerEditChange(int id);
  void StartTimer();
  void StopTimer();
  void RefreshTimerLabels();
  void CTttAlarm();

  const Clock& clock_;
  audio::SoundPlayer& sounds_;
  IntervalTimer timer_;
};

}  // namespace tikolvo

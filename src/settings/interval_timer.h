#pragma once
// The interval timer of the settings window's "Таймер" page: a period typed
// as hours, minutes and seconds, rung again and again while it runs. The
// hidden alarm clock behind it reads the time of day a few times a second;
// the window feeds those readings to Poll and plays the sound it returns.
#include <array>
#include <string>
#include <string_view>

#include "common/date_time.h"
#include "common/trio_time.h"

namespace tikolvo {

// The sound list, in the order shown.
inline constexpr std::array<const char*, 10> kIntervalTimerSounds = {
    "Ding", "Friend", "Notify", "Ringin", "Wooh", "Pic", "Zummer", "Click", "Sonar", "Warning"};

// The sound bank entry played for a list entry; -1 outside the list.
int IntervalTimerBankSound(int listIndex);

// The minutes and seconds edits: two or more characters worth 60 or more
// become "59"; anything else stays as typed.
std::string LimitMinutesOrSeconds(std::string_view text);

// An edit's number: surrounding spaces ignored, a text that is not an
// integer gives 0.
int EditNumber(std::string_view text);

enum class TimerPart { Hours, Minutes, Seconds };

// What a poll of the hidden alarm clock asks of the window.
struct TimerRing {
  bool rang = false;
  int bankSound = -1;  // the bank entry to play when rang
};

class IntervalTimer {
 public:
  // One edit changed. An empty text leaves the previous value of its part.
  void SetPart(TimerPart part, std::string_view text);
  // All three edits at once, as at load.
  void SetPeriod(std::string_view hours, std::string_view minutes, std::string_view seconds);
  const TTrioTime& period() const { return period_; }

  void SetSound(int listIndex) { sound_ = listIndex; }
  int sound() const { return sound_; }

  // "Старт": running, counter reset; periods under 2 seconds do not arm.
  void Start(DateTime now);
  // "Стоп": not running, alarm disarmed.
  void Stop();
  bool running() const { return running_; }
  bool armed() const { return armed_; }
  int count() const { return count_; }
  DateTime nextDue() const { return nextDue_; }

  // A reading of the time of day by the hidden alarm clock. When the alarm
  // time matches and it is armed, the timer rings: the next due time moves
  // one period on, the counter grows and the sound to play is returned.
  TimerRing Poll(DateTime now);

  // The labels: the counter, and now + period as "HH:NN:SS".
  std::string CountText() const;
  std::string NextText(DateTime now) const;

 private:
  void SetAlarmAt(DateTime due, DateTime now);

  TTrioTime period_;
  int sound_ = 0;
  bool running_ = false;
  int count_ = 0;
  DateTime nextDue_ = 0;
  // The hidden alarm clock: time of day in seconds and whether it may fire.
  int alarmSecond_ = 0;
  bool alarmEnabled_ = false;
  bool armed_ = false;
};

}  // namespace tikolvo

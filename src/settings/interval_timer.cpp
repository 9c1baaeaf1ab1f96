#include "settings/interval_timer.h"

#include <charconv>

#include "common/date_format.h"

namespace tikolvo {
namespace {

constexpr std::array<int, 10> kBankSounds = {2, 4, 3, 0, 1, 5, 6, 7, 8, 9};
constexpr int kShortestPeriod = 2;  // seconds; shorter periods would ring on every poll

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

int IntervalTimerBankSound(int listIndex) {
  if (listIndex < 0 || listIndex >= static_cast<int>(kBankSounds.size())) return -1;
  return kBankSounds[static_cast<std::size_t>(listIndex)];
}

std::string LimitMinutesOrSeconds(std::string_view text) {
  if (text.size() >= 2 && EditNumber(text) >= 60) return "59";
  return std::string(text);
}

int EditNumber(std::string_view text) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return 0;
  return value;
}

void IntervalTimer::SetPart(TimerPart part, std::string_view text) {
  if (text.empty()) return;
  const int value = EditNumber(text);
  switch (part) {
    case TimerPart::Hours: period_.hours = value; break;
    case TimerPart::Minutes: period_.minutes = value; break;
    case TimerPart::Seconds: period_.seconds = value; break;
  }
  period_.total = TotalOf(period_);
}

void IntervalTimer::SetPeriod(std::string_view hours, std::string_view minutes, std::string_view seconds) {
  SetPart(TimerPart::Hours, hours);
  SetPart(TimerPart::Minutes, minutes);
  SetPart(TimerPart::Seconds, seconds);
}

void IntervalTimer::Start(DateTime now) {
  running_ = true;
  count_ = 0;
  if (period_.total < kShortestPeriod) return;
  nextDue_ = NowPlus(period_, now);
  alarmEnabled_ = true;
  SetAlarmAt(nextDue_, now);
}

void IntervalTimer::Stop() {
  running_ = false;
  alarmEnabled_ = false;
  armed_ = false;
}

// Setting the alarm time re-arms the clock only while that time of day is
// still ahead; a due time past midnight is armed by Poll once the day turns.
void IntervalTimer::SetAlarmAt(DateTime due, DateTime now) {
  alarmSecond_ = TimeOfDaySeconds(due);
  armed_ = TimeOfDaySeconds(now) < alarmSecond_;
}

TimerRing IntervalTimer::Poll(DateTime now) {
  const int second = TimeOfDaySeconds(now);
  // The same hour and minute, at or after the alarm's second.
  const bool matches = second / 60 == alarmSecond_ / 60 && second >= alarmSecond_;
  if (!matches) {
    if (second < alarmSecond_) armed_ = true;
    return {};
  }
  if (!alarmEnabled_ || !armed_) return {};
  armed_ = false;
  if (!running_ || period_.total < kShortestPeriod) return {};
  nextDue_ = NowPlus(period_, now);
  ++count_;
  SetAlarmAt(nextDue_, now);
  return {true, IntervalTimerBankSound(sound_)};
}

std::string IntervalTimer::CountText() const { return std::to_string(count_); }

std::string IntervalTimer::NextText(DateTime now) const { return FormatDateTime("hh:nn:ss", NowPlus(period_, now)); }

}  // namespace tikolvo

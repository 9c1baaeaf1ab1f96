#include "common/balloon_countdown.h"

#include "common/trio_time.h"

namespace tikolvo {
namespace {

constexpr std::int64_t kSecondsPerHour = 3600;

std::string TwoDigits(std::int64_t value) {
  std::string text = std::to_string(value);
  return text.size() < 2 ? "0" + text : text;
}

}  // namespace

std::string BalloonTimeLeft(std::int32_t duration, std::int64_t ticks) {
  const std::int64_t secondsLeft = (static_cast<std::int64_t>(duration) - ticks) / kBalloonTicksPerSecond;
  if (secondsLeft <= 0) return "00:00";
  const std::int64_t totalSeconds = duration / kBalloonTicksPerSecond;
  if (totalSeconds <= kSecondsPerHour) return TwoDigits(secondsLeft / 60) + ":" + TwoDigits(secondsLeft % 60);
  // Fewer seconds are left than the duration holds, so they fit 32 bits.
  return ToText(TrioFromTotal(static_cast<std::int32_t>(secondsLeft)));
}

std::string CountdownSentence(std::string_view timeLeft, std::string_view taskName) {
  std::string text(timeLeft);
  text += " до выполнения задания \"";
  text += taskName;
  text += '"';
  return text;
}

}  // namespace tikolvo

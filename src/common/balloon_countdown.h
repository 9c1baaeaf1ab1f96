#pragma once
// The texts of a countdown balloon: how much time is left before the target
// task starts, and the sentence the balloon shows around it.
#include <cstdint>
#include <string>
#include <string_view>

namespace tikolvo {

// The balloon counts in ticks of 100 ms, ten to the second.
inline constexpr int kBalloonTickMs = 100;
inline constexpr int kBalloonTicksPerSecond = 1000 / kBalloonTickMs;

// Time left after `ticks` of a balloon lasting `duration` ticks, in whole
// seconds rounded down: "00:00" once nothing is left; "mm:ss" when the whole
// duration is an hour or less ("60:00" for exactly an hour); "h:mm:ss" for
// longer ones, the hours without a leading zero ("1:40:00", "0:59:59").
std::string BalloonTimeLeft(std::int32_t duration, std::int64_t ticks);

// "00:04 до выполнения задания "Name"".
std::string CountdownSentence(std::string_view timeLeft, std::string_view taskName);

}  // namespace tikolvo

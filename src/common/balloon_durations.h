#pragma once
// How long a balloon stays, as the task wizard's display-time track bar
// offers it: track bar position, the duration stored with the task (tenths of
// a second) and the label beside the track bar.
#include <cstdint>
#include <string_view>

namespace tikolvo {

// A balloon of this duration stays until it is clicked.
inline constexpr std::int32_t kBalloonStaysOpen = 1;
inline constexpr std::int32_t kDefaultBalloonDuration = 50;  // 5 seconds

inline constexpr int kBalloonDurationPositions = 10;
inline constexpr int kDefaultBalloonDurationPosition = 2;

// The duration at a track bar position; positions outside 0..9 are taken as
// the nearest end.
std::int32_t BalloonDurationAt(int position);

// The label shown for a track bar position ("5 секунд", "Не закрывать");
// positions outside 0..9 as the nearest end.
std::string_view BalloonDurationLabel(int position);

// The track bar position of a stored duration. A duration the track bar does
// not offer (a hand-edited plan.db) shows as "10 секунд".
int BalloonDurationPosition(std::int32_t duration);

}  // namespace tikolvo

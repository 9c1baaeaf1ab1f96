#pragma once
// The track bars of the task wizard's speaker page: position, the value
// stored with the task and the label beside the track bar. (The balloon's
// display time has its own table in common/balloon_durations.h.)
#include <cstdint>
#include <string_view>

namespace tikolvo::wizard {

inline constexpr int kFrequencyPositions = 6;  // 300 Hz .. 5 kHz
inline constexpr int kDurationPositions = 5;   // 0.3 s .. 2 s
inline constexpr int kDefaultFrequencyPosition = 2;
inline constexpr int kDefaultDurationPosition = 1;

// One table serves both track bars: 300, 500, 1000, 1500, 2000, 5000; any
// other position gives 1000.
std::int32_t BeepValueAt(int position);

// Back from a stored value: 300 → 0, 1000 → 2, 1500 → 3, 2000 → 4,
// 5000 → 5, anything else (500 among them) → 1.
int BeepPositionOf(std::int32_t value);

// "300 Гц" .. "5 КГц" and "0.3 секунды" .. "2 секунды"; "" outside the bars.
std::string_view FrequencyLabel(int position);
std::string_view DurationLabel(int position);

}  // namespace tikolvo::wizard

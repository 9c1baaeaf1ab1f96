#pragma once
// The ten short sounds of the sound bank "plug\music.res" and how the
// lists that offer them (the task wizard's radio buttons, the interval
// timer's combo box) map a list position to a sound number in the bank.
#include <array>
#include <optional>
#include <string_view>

namespace tikolvo::audio {

inline constexpr int kBuiltinSoundCount = 10;

// The interval timer's captions, in list order.
inline constexpr std::array<std::string_view, kBuiltinSoundCount> kTimerSoundNames = {
    "Ding", "Friend", "Notify", "Ringin", "Wooh", "Pic", "Zummer", "Click", "Sonar", "Warning"};

// The task wizard's captions, in the same order.
inline constexpr std::array<std::string_view, kBuiltinSoundCount> kWizardSoundNames = {
    "Ding", "Friend", "Notify", "Ring", "Woohoo", "Pic", "Zummer", "Click", "Sonar", "Warning"};

// The bank's sound number for a list position 0..9; nothing for any other
// position (which plays nothing).
std::optional<int> BuiltinSoundNumber(int list_position);

}  // namespace tikolvo::audio

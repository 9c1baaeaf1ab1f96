#include "audio/builtin_sounds.h"

namespace tikolvo::audio {

std::optional<int> BuiltinSoundNumber(int list_position) {
  // The bank was numbered before the lists were sorted, hence the shuffle.
  static constexpr std::array<int, kBuiltinSoundCount> kNumbers = {2, 4, 3, 0, 1, 5, 6, 7, 8, 9};
  if (list_position < 0 || list_position >= kBuiltinSoundCount) return std::nullopt;
  return kNumbers[static_cast<std::size_t>(list_position)];
}

}  // namespace tikolvo::audio

#pragma once
// Renders a sound recipe to 16-bit mono samples: additive tones with
// attack, exponential decay and release, glides, tremolo and a little
// noise; the mix is scaled to a fixed peak below full scale and faded in and
// out over a few milliseconds so it starts and ends without a click.
#include <cstdint>
#include <vector>

#include "audio/tone_recipe.h"

namespace tikolvo::audio {

// The peak of every rendered sound, as a share of full scale (about -3 dB).
inline constexpr double kRenderedPeak = 0.7;

std::vector<std::int16_t> RenderSound(const SoundRecipe& recipe);

}  // namespace tikolvo::audio

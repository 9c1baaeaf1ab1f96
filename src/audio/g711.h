#pragma once
// G.711 logarithmic coding of 8-bit samples, as telephony and Windows'
// older system sounds store them in WAVE files: A-law (Europe) and µ-law
// (North America and Japan), each expanded to 16-bit linear.
#include <cstdint>

namespace tikolvo::audio {

std::int16_t ALawToLinear(std::uint8_t code);
std::int16_t MuLawToLinear(std::uint8_t code);

}  // namespace tikolvo::audio

#include "audio/g711.h"

namespace tikolvo::audio {

// A code is a sign bit, a 3-bit segment (the exponent) and a 4-bit step
// within it. A-law stores its codes with the even bits inverted, µ-law
// with all bits inverted; µ-law also adds a bias of 33 (132 at this scale)
// before the exponent, which expansion takes back off.
std::int16_t ALawToLinear(std::uint8_t code) {
  const unsigned value = code ^ 0x55u;
  const unsigned segment = (value >> 4) & 7u;
  int magnitude = static_cast<int>((value & 15u) << 4) + 8;
  if (segment > 0) magnitude = (magnitude + 0x100) << (segment - 1);
  return static_cast<std::int16_t>((value & 0x80u) ? magnitude : -magnitude);
}

std::int16_t MuLawToLinear(std::uint8_t code) {
  constexpr int kBias = 0x84;
  const unsigned value = ~code & 0xFFu;
  const unsigned segment = (value >> 4) & 7u;
  const int magnitude = ((static_cast<int>(value & 15u) << 3) + kBias) << segment;
  return static_cast<std::int16_t>((value & 0x80u) ? kBias - magnitude : magnitude - kBias);
}

}  // namespace tikolvo::audio

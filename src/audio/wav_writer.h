#pragma once
// Writes 16-bit PCM as a plain WAVE file (RIFF, "fmt ", "data").
#include <cstdint>
#include <string>
#include <vector>

namespace tikolvo::audio {

std::string EncodeWav16(std::uint32_t sample_rate, std::uint16_t channels, const std::vector<std::int16_t>& samples);

}  // namespace tikolvo::audio

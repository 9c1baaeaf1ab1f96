#pragma once
// IMA (DVI) ADPCM as stored in WAVE files: blocks that start with one plain
// sample and a step index per channel, followed by 4-bit codes. Small
// recorders and old voice-mail tools still write it.
#include <cstdint>
#include <string_view>
#include <vector>

namespace tikolvo::audio {

// Decodes one block (possibly cut short) into interleaved 16-bit frames,
// appended to `out`. Returns the number of frames decoded.
std::size_t DecodeImaAdpcmBlock(std::string_view block, unsigned channels, std::vector<std::int16_t>& out);

}  // namespace tikolvo::audio

#pragma once
// Microsoft ADPCM as stored in WAVE files (many of Windows' own short
// sounds): blocks that start, per channel, with a predictor number, a step
// size and two plain samples, followed by 4-bit codes, high nibble first.
#include <cstdint>
#include <string_view>
#include <vector>

#include "audio/wav_format.h"

namespace tikolvo::audio {

// Decodes one block (possibly cut short) of one or two channels into
// interleaved 16-bit frames appended to `out`, at most `frames_per_block`
// frames. Returns the number of frames decoded (0 when even the header is
// missing). A predictor number beyond the table uses the first predictor.
std::size_t DecodeMsAdpcmBlock(std::string_view block, unsigned channels,
                               const std::vector<AdpcmCoefficients>& predictors, std::size_t frames_per_block,
                               std::vector<std::int16_t>& out);

}  // namespace tikolvo::audio

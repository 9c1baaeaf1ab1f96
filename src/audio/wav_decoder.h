#pragma once
// WAVE files decoded by the program itself: integer PCM of 8, 16, 24 or 32
// bits, 32-bit float and IMA ADPCM, mono or stereo.
#include <string>

#include "audio/pcm_decoder.h"

namespace tikolvo::audio {

// A decoder over the file's bytes (kept inside the decoder), or nothing when
// the file is not a WAVE file this program can play.
DecoderPtr OpenWavDecoder(std::string bytes);

}  // namespace tikolvo::audio

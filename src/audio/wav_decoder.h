#pragma once
// WAVE files decoded by the program itself: integer PCM of 8, 16, 24 or 32
// bits, 32-bit float, A-law, µ-law, IMA ADPCM and MS ADPCM; more than two
// channels are mixed down to stereo. The samples are read from the source
// as they are asked for.
#include <string>

#include "audio/byte_source.h"
#include "audio/pcm_decoder.h"
#include "audio/wav_format.h"

namespace tikolvo::audio {

// A decoder over a parsed file, or nothing when it holds no frames this
// decoder plays (MPEG audio inside WAVE goes to the MP3 decoder instead).
DecoderPtr OpenWavDecoder(SourcePtr source, const WavLayout& layout);

// The same over bytes in memory; nothing when they are no playable WAVE file.
DecoderPtr OpenWavDecoder(std::string bytes);

}  // namespace tikolvo::audio

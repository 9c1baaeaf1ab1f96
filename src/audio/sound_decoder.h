#pragma once
// Choosing the decoder for a sound by what its bytes are, never by the file
// name: a renamed file plays all the same, and a file that is not a sound
// plays nothing.
#include <string>
#include <string_view>

#include "audio/pcm_decoder.h"

namespace tikolvo::audio {

enum class SoundFormat { kUnknown, kWav, kOggVorbis, kMpeg };

SoundFormat DetectSoundFormat(std::string_view bytes);

// The decoder for these bytes, or nothing when they are no sound this build
// can decode.
DecoderPtr OpenSoundDecoder(std::string bytes);

}  // namespace tikolvo::audio

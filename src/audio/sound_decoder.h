#pragma once
// Choosing the decoder for a sound by what its bytes are, never by the file
// name: a renamed file plays all the same, and a file that is not a sound
// plays nothing. Only the file's start is read to choose.
#include <string>
#include <string_view>

#include "audio/byte_source.h"
#include "audio/pcm_decoder.h"

namespace tikolvo::audio {

enum class SoundFormat { kUnknown, kWav, kOggVorbis, kMpeg };

SoundFormat DetectSoundFormat(ByteSource& source);
SoundFormat DetectSoundFormat(std::string_view bytes);

// The decoder for the source, or nothing when it is no sound this build can
// decode.
DecoderPtr OpenSoundDecoder(SourcePtr source);
DecoderPtr OpenSoundDecoder(std::string bytes);

}  // namespace tikolvo::audio

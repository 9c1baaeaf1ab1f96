#pragma once
// Ogg Vorbis through stb_vorbis (Debian's libstb-dev), decoding from memory.
#include <string>

#include "audio/pcm_decoder.h"

namespace tikolvo::audio {

// True when the bytes start with an Ogg page ("OggS").
bool HasOggSignature(std::string_view bytes);

// False in a build made without the Vorbis decoder: Ogg files then do not play.
bool OggVorbisAvailable();

// A decoder over the file's bytes, or nothing when they are not Ogg Vorbis.
DecoderPtr OpenOggDecoder(std::string bytes);

}  // namespace tikolvo::audio

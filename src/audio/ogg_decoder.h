#pragma once
// Ogg Vorbis through stb_vorbis (Debian's libstb-dev), fed from its source
// a piece at a time as it decodes.
#include <string_view>

#include "audio/byte_source.h"
#include "audio/pcm_decoder.h"

namespace tikolvo::audio {

// True when the bytes start with an Ogg page ("OggS").
bool HasOggSignature(std::string_view bytes);

// False in a build made without the Vorbis decoder: Ogg files then do not play.
bool OggVorbisAvailable();

// A decoder over the source, or nothing when it is not Ogg Vorbis.
DecoderPtr OpenOggDecoder(SourcePtr source);

}  // namespace tikolvo::audio

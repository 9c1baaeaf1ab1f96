#pragma once
// MPEG audio (MP3, also layers I and II) through libmpg123, reading its
// source as it decodes. A build without TIKOLVO_WITH_MPG123 has no MP3
// decoder: MP3 files then do not play, everything else does.
#include "audio/byte_source.h"
#include "audio/pcm_decoder.h"

namespace tikolvo::audio {

bool Mp3Available();

// A decoder over the source, or nothing when libmpg123 finds no audio.
DecoderPtr OpenMp3Decoder(SourcePtr source);

}  // namespace tikolvo::audio

#include "audio/sound_decoder.h"

#include "audio/mp3_decoder.h"
#include "audio/mpeg_sniff.h"
#include "audio/ogg_decoder.h"
#include "audio/wav_decoder.h"
#include "audio/wav_format.h"

namespace tikolvo::audio {

SoundFormat DetectSoundFormat(std::string_view bytes) {
  if (HasWavSignature(bytes)) return SoundFormat::kWav;
  if (HasOggSignature(bytes)) return SoundFormat::kOggVorbis;
  if (LooksLikeMpegAudio(bytes)) return SoundFormat::kMpeg;
  return SoundFormat::kUnknown;
}

DecoderPtr OpenSoundDecoder(std::string bytes) {
  switch (DetectSoundFormat(bytes)) {
    case SoundFormat::kWav:
      return OpenWavDecoder(std::move(bytes));
    case SoundFormat::kOggVorbis:
      return OpenOggDecoder(std::move(bytes));
    case SoundFormat::kMpeg:
      return OpenMp3Decoder(std::move(bytes));
    case SoundFormat::kUnknown:
      break;
  }
  return nullptr;
}

}  // namespace tikolvo::audio

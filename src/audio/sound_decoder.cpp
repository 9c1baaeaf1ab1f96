#include "audio/sound_decoder.h"

#include <optional>

#include "audio/mp3_decoder.h"
#include "audio/mpeg_sniff.h"
#include "audio/ogg_decoder.h"
#include "audio/wav_decoder.h"
#include "audio/wav_format.h"

namespace tikolvo::audio {
namespace {

constexpr std::size_t kSignatureBytes = 12;  // "RIFF" size "WAVE"; also an ID3v2 tag's header

// WAVE files hold their own codings, or MPEG audio for the MP3 decoder.
DecoderPtr OpenWavFile(SourcePtr source) {
  const std::optional<WavLayout> layout = ParseWav(*source);
  if (!layout) return nullptr;
  if (layout->coding == WavCoding::kMpeg) {
    return OpenMp3Decoder(SubSource(std::move(source), layout->data_offset, layout->data_size));
  }
  return OpenWavDecoder(std::move(source), *layout);
}

}  // namespace

SoundFormat DetectSoundFormat(ByteSource& source) {
  const std::string head = ReadRange(source, 0, kSignatureBytes);
  if (HasWavSignature(head)) return SoundFormat::kWav;
  if (HasOggSignature(head)) return SoundFormat::kOggVorbis;
  const std::size_t tag = Id3v2TagSize(head);
  if (LooksLikeMpegStream(ReadRange(source, tag, kMpegSniffBytes))) return SoundFormat::kMpeg;
  return SoundFormat::kUnknown;
}

SoundFormat DetectSoundFormat(std::string_view bytes) {
  BytesView source(bytes);
  return DetectSoundFormat(source);
}

DecoderPtr OpenSoundDecoder(SourcePtr source) {
  if (!source) return nullptr;
  switch (DetectSoundFormat(*source)) {
    case SoundFormat::kWav:
      return OpenWavFile(std::move(source));
    case SoundFormat::kOggVorbis:
      return OpenOggDecoder(std::move(source));
    case SoundFormat::kMpeg:
      return OpenMp3Decoder(std::move(source));
    case SoundFormat::kUnknown:
      break;
  }
  return nullptr;
}

DecoderPtr OpenSoundDecoder(std::string bytes) { return OpenSoundDecoder(MemorySource(std::move(bytes))); }

}  // namespace tikolvo::audio

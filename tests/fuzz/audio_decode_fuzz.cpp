// Any bytes through the content-sniffing decoder choice, as a sound file
// picked by the user would go: each decoder either refuses the bytes or
// decodes a bounded number of frames in a sane format.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "audio/sound_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tikolvo::audio::DecoderPtr decoder =
      tikolvo::audio::OpenSoundDecoder(std::string(reinterpret_cast<const char*>(data), size));
  if (!decoder) return 0;
  const tikolvo::audio::PcmFormat format = decoder->Format();
  if (format.channels < 1 || format.channels > 2 || !tikolvo::audio::PlausibleSampleRate(format.sample_rate)) {
    std::abort();
  }
  std::vector<std::int16_t> buffer(1024 * 2);
  // Bounded: a tiny hostile file must not decode into hours of sound. Some
  // 65 000 frames pass every decoder's block and frame boundaries many
  // times over.
  for (int reads = 0; reads < 64; ++reads) {
    const std::size_t got = decoder->Read(buffer.data(), 1024);
    if (got > 1024) std::abort();
    if (got == 0) break;
  }
  return 0;
}

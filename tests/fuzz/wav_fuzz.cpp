// WAVE parsing and decoding of arbitrary bytes: a layout always lies inside
// the input, and decoding yields at most the announced frames, never
// reading outside the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "audio/wav_decoder.h"
#include "audio/wav_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto layout = tikolvo::audio::ParseWav(bytes);
  if (layout && layout->data_offset + layout->data_size > size) std::abort();
  tikolvo::audio::DecoderPtr decoder = tikolvo::audio::OpenWavDecoder(bytes);
  if (!decoder) return 0;
  const std::uint64_t announced = decoder->LengthFrames();
  std::vector<std::int16_t> buffer(257 * 2);
  std::uint64_t total = 0;
  while (const std::size_t got = decoder->Read(buffer.data(), 257)) {
    if (got > 257) std::abort();
    total += got;
  }
  if (total != announced) std::abort();
  return 0;
}

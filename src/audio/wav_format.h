#pragma once
// The layout of a RIFF/WAVE file: where the samples are and how they are
// coded. Parsing is defensive: chunk sizes are clamped to the file, odd
// chunks skip their pad byte, unknown chunks are passed over, and the RIFF
// size field (often wrong in files written by streaming recorders) is ignored.
// Only the chunk headers and the format chunk are read, never the samples.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "audio/byte_source.h"

namespace tikolvo::audio {

// The codings Windows' own sound files use, and plain PCM. MPEG audio in a
// WAVE file is described here but decoded by the MP3 decoder.
enum class WavCoding { kPcmInteger, kPcmFloat, kImaAdpcm, kMsAdpcm, kALaw, kMuLaw, kMpeg };

// A predictor of MS ADPCM: the next sample is (first × s1 + second × s2) / 256.
struct AdpcmCoefficients {
  int first = 0;
  int second = 0;
};

// More channels than any speaker layout has are damage, not a sound.
inline constexpr std::uint16_t kMaxWavChannels = 18;

struct WavLayout {
  WavCoding coding = WavCoding::kPcmInteger;
  std::uint16_t channels = 0;
  std::uint32_t sample_rate = 0;
  std::uint16_t bits_per_sample = 0;  // 8, 16, 24 or 32; 4 for ADPCM
  std::uint16_t block_align = 0;      // bytes per frame (PCM) or per block (ADPCM)
  std::uint32_t frames_per_block = 1;  // 1 for PCM
  std::uint32_t channel_mask = 0;     // speaker positions of the extensible form; 0 when not given
  std::vector<AdpcmCoefficients> predictors;  // MS ADPCM
  std::uint64_t data_offset = 0;
  std::uint64_t data_size = 0;  // clamped to what the file really holds

  // Frames the data holds; 0 for MPEG, whose frames only its decoder knows.
  std::uint64_t LengthFrames() const;
};

// True when the bytes start like a WAVE file ("RIFF", size, "WAVE").
bool HasWavSignature(std::string_view bytes);

// The layout of a playable WAVE file: a plausible channel count and rate, a
// coding this program decodes, and a data chunk. Nothing otherwise.
std::optional<WavLayout> ParseWav(ByteSource& source);
std::optional<WavLayout> ParseWav(std::string_view bytes);

}  // namespace tikolvo::audio

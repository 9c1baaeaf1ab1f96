#pragma once
// The layout of a RIFF/WAVE file: where the samples are and how they are
// coded. Parsing is defensive: chunk sizes are clamped to the file, odd
// chunks skip their pad byte, unknown chunks are passed over, and the RIFF
// size field (often wrong in files written by streaming recorders) is ignored.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tikolvo::audio {

enum class WavCoding { kPcmInteger, kPcmFloat, kImaAdpcm };

struct WavLayout {
  WavCoding coding = WavCoding::kPcmInteger;
  std::uint16_t channels = 0;
  std::uint32_t sample_rate = 0;
  std::uint16_t bits_per_sample = 0;  // 8, 16, 24 or 32; 4 for IMA ADPCM
  std::uint16_t block_align = 0;      // bytes per frame (PCM) or per block (ADPCM)
  std::uint32_t frames_per_block = 1;  // 1 for PCM
  std::size_t data_offset = 0;
  std::size_t data_size = 0;  // clamped to what the file really holds

  std::uint64_t LengthFrames() const;
};

// True when the bytes start like a WAVE file ("RIFF", size, "WAVE").
bool HasWavSignature(std::string_view bytes);

// The layout of a playable WAVE file: 1 or 2 channels, a plausible rate, a
// coding this program decodes, and a data chunk. Nothing otherwise.
std::optional<WavLayout> ParseWav(std::string_view bytes);

}  // namespace tikolvo::audio

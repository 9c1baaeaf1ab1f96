#include "audio/ima_adpcm.h"

#include <algorithm>
#include <array>

namespace tikolvo::audio {
namespace {

constexpr std::array<int, 89> kStepSizes = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,    25,    28,
    31,    34,    37,    41,    45,    50,    55,    60,    66,    73,    80,    88,    97,    107,   118,
    130,   143,   157,   173,   190,   209,   230,   253,   279,   307,   337,   371,   408,   449,   494,
    544,   598,   658,   724,   796,   876,   963,   1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,
    2272,  2499,  2749,  3024,  3327,  3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,
    9493,  10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};

constexpr std::array<int, 16> kIndexSteps = {-1, -1, -1, -1, 2, 4, 6, 8, -1, -1, -1, -1, 2, 4, 6, 8};

struct ChannelState {
  int predictor = 0;
  int step_index = 0;

  std::int16_t Next(unsigned code) {
    const int step = kStepSizes[static_cast<std::size_t>(step_index)];
    int delta = step >> 3;
    if (code & 1) delta += step >> 2;
    if (code & 2) delta += step >> 1;
    if (code & 4) delta += step;
    predictor = std::clamp(code & 8 ? predictor - delta : predictor + delta, -32768, 32767);
    step_index = std::clamp(step_index + kIndexSteps[code & 15], 0, 88);
    return static_cast<std::int16_t>(predictor);
  }
};

unsigned Byte(std::string_view bytes, std::size_t at) { return static_cast<unsigned char>(bytes[at]); }

}  // namespace

std::size_t DecodeImaAdpcmBlock(std::string_view block, unsigned channels, std::vector<std::int16_t>& out) {
  const std::size_t header_bytes = 4u * channels;
  if (channels == 0 || block.size() < header_bytes) return 0;
  std::array<ChannelState, 2> state{};
  for (unsigned c = 0; c < channels && c < 2; ++c) {
    const std::size_t at = 4u * c;
    state[c].predictor = static_cast<std::int16_t>(Byte(block, at) | (Byte(block, at + 1) << 8));
    state[c].step_index = std::clamp(static_cast<int>(Byte(block, at + 2)), 0, 88);
    out.push_back(static_cast<std::int16_t>(state[c].predictor));
  }
  std::size_t frames = 1;
  // After the headers: for each channel in turn, 4 bytes = 8 samples, low
  // nibble first.
  const std::size_t groups = (block.size() - header_bytes) / header_bytes;
  for (std::size_t group = 0; group < groups; ++group) {
    const std::size_t first = out.size();
    out.resize(first + 8u * channels);
    for (unsigned c = 0; c < channels; ++c) {
      const std::size_t at = header_bytes + group * header_bytes + 4u * c;
      for (unsigned i = 0; i < 8; ++i) {
        const unsigned code = (Byte(block, at + i / 2) >> ((i & 1) * 4)) & 15;
        out[first + i * channels + c] = state[c].Next(code);
      }
    }
    frames += 8;
  }
  return frames;
}

}  // namespace tikolvo::audio

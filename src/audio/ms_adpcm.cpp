#include "audio/ms_adpcm.h"

#include <algorithm>
#include <array>

namespace tikolvo::audio {
namespace {

// How the step size grows or shrinks after each code, in 1/256.
constexpr std::array<int, 16> kAdaptation = {230, 230, 230, 230, 307, 409, 512, 614,
                                             768, 614, 512, 409, 307, 230, 230, 230};
constexpr int kSmallestStep = 16;
// A damaged block could grow the step without end; real steps stay far below.
constexpr int kLargestStep = 0x7FFFFFFF / 768;

struct ChannelState {
  AdpcmCoefficients predictor;
  int step = kSmallestStep;
  int sample1 = 0;  // the latest sample
  int sample2 = 0;  // the one before it

  std::int16_t Next(unsigned code) {
    const int signed_code = code >= 8 ? static_cast<int>(code) - 16 : static_cast<int>(code);
    const long long predicted =
        (static_cast<long long>(sample1) * predictor.first + static_cast<long long>(sample2) * predictor.second) / 256;
    const int sample = static_cast<int>(std::clamp<long long>(predicted + signed_code * step, -32768, 32767));
    sample2 = sample1;
    sample1 = sample;
    step = std::clamp(kAdaptation[code] * step / 256, kSmallestStep, kLargestStep);
    return static_cast<std::int16_t>(sample);
  }
};

int Signed16(std::string_view bytes, std::size_t at) {
  return static_cast<std::int16_t>(static_cast<unsigned char>(bytes[at]) |
                                   (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

}  // namespace

std::size_t DecodeMsAdpcmBlock(std::string_view block, unsigned channels,
                               const std::vector<AdpcmCoefficients>& predictors, std::size_t frames_per_block,
                               std::vector<std::int16_t>& out) {
  const std::size_t header_bytes = 7u * channels;
  if (channels == 0 || channels > 2 || predictors.empty() || frames_per_block < 2 || block.size() < header_bytes) {
    return 0;
  }
  // The header lists each field for every channel in turn: predictor
  // numbers, step sizes, the latest samples, the samples before those.
  std::array<ChannelState, 2> state{};
  for (unsigned c = 0; c < channels; ++c) {
    const std::size_t index = static_cast<unsigned char>(block[c]);
    state[c].predictor = predictors[index < predictors.size() ? index : 0];
    state[c].step = std::max(Signed16(block, channels + 2 * c), kSmallestStep);
    state[c].sample1 = Signed16(block, 3 * channels + 2 * c);
    state[c].sample2 = Signed16(block, 5 * channels + 2 * c);
  }
  // The older sample plays first.
  for (unsigned c = 0; c < channels; ++c) out.push_back(static_cast<std::int16_t>(state[c].sample2));
  for (unsigned c = 0; c < channels; ++c) out.push_back(static_cast<std::int16_t>(state[c].sample1));
  std::size_t samples = 0;
  const std::size_t most = (frames_per_block - 2) * channels;
  for (std::size_t at = header_bytes; at < block.size() && samples < most; ++at) {
    const unsigned byte = static_cast<unsigned char>(block[at]);
    for (const unsigned code : {byte >> 4, byte & 15u}) {
      if (samples == most) break;
      out.push_back(state[samples % channels].Next(code));
      ++samples;
    }
  }
  return 2 + samples / channels;
}

}  // namespace tikolvo::audio

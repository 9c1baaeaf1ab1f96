#include "audio/channel_mix.h"

#include <algorithm>
#include <cmath>

namespace tikolvo::audio {
namespace {

using namespace speaker;

constexpr float kSoft = 0.70710678f;  // -3 dB: a speaker shared by both sides, or one behind
constexpr std::uint32_t kLeftSide =
    kFrontLeft | kBackLeft | kFrontLeftOfCentre | kSideLeft | kTopFrontLeft | kTopBackLeft;
constexpr std::uint32_t kRightSide =
    kFrontRight | kBackRight | kFrontRightOfCentre | kSideRight | kTopFrontRight | kTopBackRight;

struct Weights {
  float left = 0;
  float right = 0;
};

Weights WeightsOf(std::uint32_t position) {
  if (position == kLowFrequency) return {};
  const float own = (position == kFrontLeft || position == kFrontRight) ? 1.0f : kSoft;
  if (position & kLeftSide) return {own, 0};
  if (position & kRightSide) return {0, own};
  return {kSoft, kSoft};  // a centre speaker, or one without a known place
}

void Normalise(std::vector<float>& weights) {
  float sum = 0;
  for (const float w : weights) sum += w;
  if (sum > 0)
    for (float& w : weights) w /= sum;
}

std::uint32_t UsualWaveMask(unsigned channels) {
  switch (channels) {
    case 3: return kFrontLeft | kFrontRight | kFrontCentre;
    case 4: return kFrontLeft | kFrontRight | kBackLeft | kBackRight;
    case 5: return kFrontLeft | kFrontRight | kFrontCentre | kBackLeft | kBackRight;
    case 6: return kFrontLeft | kFrontRight | kFrontCentre | kLowFrequency | kBackLeft | kBackRight;
    case 7: return kFrontLeft | kFrontRight | kFrontCentre | kLowFrequency | kBackLeft | kBackRight | kBackCentre;
    case 8:
      return kFrontLeft | kFrontRight | kFrontCentre | kLowFrequency | kBackLeft | kBackRight | kSideLeft | kSideRight;
    default: return kFrontLeft | kFrontRight;
  }
}

}  // namespace

StereoDownmix::StereoDownmix(const std::vector<std::uint32_t>& positions) {
  for (const std::uint32_t position : positions) {
    const Weights w = WeightsOf(position);
    left_.push_back(w.left);
    right_.push_back(w.right);
  }
  Normalise(left_);
  Normalise(right_);
}

StereoDownmix StereoDownmix::ForWave(unsigned channels, std::uint32_t mask) {
  if (mask == 0) mask = UsualWaveMask(channels);
  std::vector<std::uint32_t> positions;
  for (std::uint32_t bit = 1; bit != 0 && positions.size() < channels; bit <<= 1)
    if (mask & bit) positions.push_back(bit);
  positions.resize(channels, 0);  // channels beyond the mask have no place
  return StereoDownmix(positions);
}

StereoDownmix StereoDownmix::ForVorbis(unsigned channels) {
  constexpr std::uint32_t L = kFrontLeft, R = kFrontRight, C = kFrontCentre, LFE = kLowFrequency, BL = kBackLeft,
                          BR = kBackRight, BC = kBackCentre, SL = kSideLeft, SR = kSideRight;
  switch (channels) {
    case 3: return StereoDownmix({L, C, R});
    case 4: return StereoDownmix({L, R, BL, BR});
    case 5: return StereoDownmix({L, C, R, BL, BR});
    case 6: return StereoDownmix({L, C, R, BL, BR, LFE});
    case 7: return StereoDownmix({L, C, R, SL, SR, BC, LFE});
    case 8: return StereoDownmix({L, C, R, SL, SR, BL, BR, LFE});
    default: {
      std::vector<std::uint32_t> positions(channels, 0);
      if (channels >= 2) {
        positions[0] = L;
        positions[1] = R;
      }
      return StereoDownmix(positions);
    }
  }
}

void StereoDownmix::Mix(const std::int16_t* in, std::size_t frames, std::int16_t* out) const {
  const std::size_t count = left_.size();
  for (std::size_t f = 0; f < frames; ++f, in += count) {
    float left = 0;
    float right = 0;
    for (std::size_t c = 0; c < count; ++c) {
      left += left_[c] * in[c];
      right += right_[c] * in[c];
    }
    *out++ = static_cast<std::int16_t>(std::clamp(std::lround(left), -32768L, 32767L));
    *out++ = static_cast<std::int16_t>(std::clamp(std::lround(right), -32768L, 32767L));
  }
}

void StereoDownmix::MixPlanar(const float* const* in, std::size_t first, std::size_t frames, std::int16_t* out) const {
  const std::size_t count = left_.size();
  for (std::size_t f = first; f < first + frames; ++f) {
    float left = 0;
    float right = 0;
    for (std::size_t c = 0; c < count; ++c) {
      left += left_[c] * in[c][f];
      right += right_[c] * in[c][f];
    }
    *out++ = FloatToSample(left);
    *out++ = FloatToSample(right);
  }
}

std::int16_t FloatToSample(float value) {
  if (!std::isfinite(value)) return 0;
  return static_cast<std::int16_t>(std::lround(std::clamp(value, -1.0f, 1.0f) * 32767.0f));
}

}  // namespace tikolvo::audio

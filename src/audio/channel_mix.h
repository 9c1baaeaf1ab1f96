#pragma once
// Sounds with more than two channels (surround WAVE and Ogg files) mixed
// down to the stereo the output takes: each speaker goes to its own side,
// the centre ones to both sides a little softer, the low-frequency channel
// nowhere. Each side is scaled so that the mix never clips.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tikolvo::audio {

// Speaker positions, as WAVE's channel mask numbers them.
namespace speaker {
inline constexpr std::uint32_t kFrontLeft = 0x1, kFrontRight = 0x2, kFrontCentre = 0x4, kLowFrequency = 0x8,
                               kBackLeft = 0x10, kBackRight = 0x20, kFrontLeftOfCentre = 0x40,
                               kFrontRightOfCentre = 0x80, kBackCentre = 0x100, kSideLeft = 0x200,
                               kSideRight = 0x400, kTopCentre = 0x800, kTopFrontLeft = 0x1000,
                               kTopFrontCentre = 0x2000, kTopFrontRight = 0x4000, kTopBackLeft = 0x8000,
                               kTopBackCentre = 0x10000, kTopBackRight = 0x20000;
}  // namespace speaker

class StereoDownmix {
 public:
  // One position per channel; 0 for a channel whose place is not known,
  // which goes to both sides like a centre speaker.
  explicit StereoDownmix(const std::vector<std::uint32_t>& positions);

  // WAVE: the mask's positions belong to the channels in the order of its
  // bits; without a mask, the usual layout for the channel count.
  static StereoDownmix ForWave(unsigned channels, std::uint32_t mask);
  // Ogg Vorbis, whose channel order is fixed for each channel count.
  static StereoDownmix ForVorbis(unsigned channels);

  unsigned channels() const { return static_cast<unsigned>(left_.size()); }

  // `frames` interleaved frames of channels() samples into stereo frames.
  void Mix(const std::int16_t* in, std::size_t frames, std::int16_t* out) const;
  // The same from one float buffer per channel (full scale ±1), starting
  // at `first` in each.
  void MixPlanar(const float* const* in, std::size_t first, std::size_t frames, std::int16_t* out) const;

 private:
  std::vector<float> left_;   // weight of each channel on the left side
  std::vector<float> right_;
};

// A float sample (full scale ±1) as 16 bits, clipped; not-a-number is silence.
std::int16_t FloatToSample(float value);

}  // namespace tikolvo::audio

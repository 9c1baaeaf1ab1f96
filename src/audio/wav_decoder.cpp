#include "audio/wav_decoder.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "audio/ima_adpcm.h"
#include "audio/wav_format.h"

namespace tikolvo::audio {
namespace {

std::int32_t LittleSigned(const unsigned char* p, unsigned bytes) {
  std::uint32_t value = 0;
  for (unsigned i = 0; i < bytes; ++i) value |= std::uint32_t{p[i]} << (8 * i);
  const unsigned shift = 32 - 8 * bytes;
  return static_cast<std::int32_t>(value << shift) >> shift;  // sign-extend
}

std::int16_t FloatSample(const unsigned char* p) {
  float value;
  std::memcpy(&value, p, 4);  // WAVE floats are IEEE 754 little-endian, as on every target
  if (!std::isfinite(value)) return 0;
  return static_cast<std::int16_t>(std::lround(std::clamp(value, -1.0f, 1.0f) * 32767.0f));
}

// One stored sample as 16 bits: 8-bit WAVE samples are unsigned, wider ones
// signed and cut to their top 16 bits.
std::int16_t IntegerSample(const unsigned char* p, unsigned bytes) {
  if (bytes == 1) return static_cast<std::int16_t>((static_cast<int>(p[0]) - 128) * 256);
  return static_cast<std::int16_t>(LittleSigned(p, bytes) >> (8 * (bytes - 2)));
}

class WavDecoder final : public PcmDecoder {
 public:
  WavDecoder(std::string bytes, const WavLayout& layout)
      : bytes_(std::move(bytes)), layout_(layout), length_(layout.LengthFrames()) {}

  PcmFormat Format() const override { return {layout_.sample_rate, layout_.channels}; }
  std::uint64_t LengthFrames() const override { return length_; }

  std::size_t Read(std::int16_t* out, std::size_t frames) override {
    return layout_.coding == WavCoding::kImaAdpcm ? ReadAdpcm(out, frames) : ReadPcm(out, frames);
  }

 private:
  std::size_t ReadPcm(std::int16_t* out, std::size_t frames) {
    const std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(frames, length_ - next_frame_));
    const unsigned sample_bytes = layout_.bits_per_sample / 8;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data()) + layout_.data_offset +
                    next_frame_ * layout_.block_align;
    const std::size_t samples = count * layout_.channels;
    for (std::size_t i = 0; i < samples; ++i, p += sample_bytes) {
      out[i] = layout_.coding == WavCoding::kPcmFloat ? FloatSample(p) : IntegerSample(p, sample_bytes);
    }
    next_frame_ += count;
    return count;
  }

  std::size_t ReadAdpcm(std::int16_t* out, std::size_t frames) {
    std::size_t done = 0;
    while (done < frames) {
      if (pending_at_ == pending_.size() && !DecodeNextBlock()) break;
      const std::size_t available = (pending_.size() - pending_at_) / layout_.channels;
      const std::size_t take = std::min(available, frames - done);
      std::copy_n(pending_.begin() + static_cast<std::ptrdiff_t>(pending_at_), take * layout_.channels,
                  out + done * layout_.channels);
      pending_at_ += take * layout_.channels;
      done += take;
    }
    next_frame_ += done;
    return done;
  }

  bool DecodeNextBlock() {
    const std::size_t start = next_block_ * layout_.block_align;
    if (start >= layout_.data_size) return false;
    const std::string_view data(bytes_.data() + layout_.data_offset, layout_.data_size);
    pending_.clear();
    pending_at_ = 0;
    ++next_block_;
    return DecodeImaAdpcmBlock(data.substr(start, layout_.block_align), layout_.channels, pending_) > 0;
  }

  std::string bytes_;
  WavLayout layout_;
  std::uint64_t length_;
  std::uint64_t next_frame_ = 0;
  // ADPCM: the decoded block being handed out.
  std::size_t next_block_ = 0;
  std::vector<std::int16_t> pending_;
  std::size_t pending_at_ = 0;
};

}  // namespace

DecoderPtr OpenWavDecoder(std::string bytes) {
  const std::optional<WavLayout> layout = ParseWav(bytes);
  if (!layout || layout->LengthFrames() == 0) return nullptr;
  return std::make_unique<WavDecoder>(std::move(bytes), *layout);
}

}  // namespace tikolvo::audio

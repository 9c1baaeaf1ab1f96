#include "audio/wav_decoder.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "audio/channel_mix.h"
#include "audio/g711.h"
#include "audio/ima_adpcm.h"
#include "audio/ms_adpcm.h"

namespace tikolvo::audio {
namespace {

// Frames converted per step: bounds the buffers whatever a caller asks for.
constexpr std::size_t kStepFrames = 4096;

std::int32_t LittleSigned(const unsigned char* p, unsigned bytes) {
  std::uint32_t value = 0;
  for (unsigned i = 0; i < bytes; ++i) value |= std::uint32_t{p[i]} << (8 * i);
  const unsigned shift = 32 - 8 * bytes;
  return static_cast<std::int32_t>(value << shift) >> shift;  // sign-extend
}

std::int16_t FloatSample(const unsigned char* p) {
  float value;
  std::memcpy(&value, p, 4);  // WAVE floats are IEEE 754 little-endian, as on every target
  return FloatToSample(value);
}

// One stored sample as 16 bits: 8-bit WAVE samples are unsigned, wider ones
// signed and cut to their top 16 bits.
std::int16_t IntegerSample(const unsigned char* p, unsigned bytes) {
  if (bytes == 1) return static_cast<std::int16_t>((static_cast<int>(p[0]) - 128) * 256);
  return static_cast<std::int16_t>(LittleSigned(p, bytes) >> (8 * (bytes - 2)));
}

void ConvertSamples(WavCoding coding, unsigned sample_bytes, const unsigned char* p, std::size_t count,
                    std::int16_t* out) {
  for (std::size_t i = 0; i < count; ++i, p += sample_bytes) {
    switch (coding) {
      case WavCoding::kPcmFloat: out[i] = FloatSample(p); break;
      case WavCoding::kALaw: out[i] = ALawToLinear(*p); break;
      case WavCoding::kMuLaw: out[i] = MuLawToLinear(*p); break;
      default: out[i] = IntegerSample(p, sample_bytes); break;
    }
  }
}

bool IsAdpcm(WavCoding coding) { return coding == WavCoding::kImaAdpcm || coding == WavCoding::kMsAdpcm; }

class WavDecoder final : public PcmDecoder {
 public:
  WavDecoder(SourcePtr source, const WavLayout& layout)
      : source_(std::move(source)), layout_(layout), length_(layout.LengthFrames()) {
    if (layout.channels > 2) mix_.emplace(StereoDownmix::ForWave(layout.channels, layout.channel_mask));
  }

  PcmFormat Format() const override {
    return {layout_.sample_rate, static_cast<std::uint16_t>(std::min<unsigned>(layout_.channels, 2))};
  }
  std::uint64_t LengthFrames() const override { return length_; }

  std::size_t Read(std::int16_t* out, std::size_t frames) override {
    if (!mix_) return ReadFrames(out, frames);
    std::size_t done = 0;
    while (done < frames) {
      const std::size_t step = std::min(frames - done, kStepFrames);
      wide_.resize(step * layout_.channels);
      const std::size_t got = ReadFrames(wide_.data(), step);
      if (got == 0) break;
      mix_->Mix(wide_.data(), got, out + done * 2);
      done += got;
    }
    return done;
  }

 private:
  // Frames with every stored channel.
  std::size_t ReadFrames(std::int16_t* out, std::size_t frames) {
    return IsAdpcm(layout_.coding) ? ReadBlocks(out, frames) : ReadSamples(out, frames);
  }

  std::size_t ReadSamples(std::int16_t* out, std::size_t frames) {
    const unsigned sample_bytes = layout_.block_align / layout_.channels;
    std::size_t done = 0;
    while (done < frames && next_frame_ < length_) {
      const std::size_t step =
          static_cast<std::size_t>(std::min<std::uint64_t>({frames - done, kStepFrames, length_ - next_frame_}));
      raw_.resize(step * layout_.block_align);
      const std::size_t bytes =
          source_->ReadAt(layout_.data_offset + next_frame_ * layout_.block_align, raw_.data(), raw_.size());
      const std::size_t got = bytes / layout_.block_align;  // fewer when the file shrank meanwhile
      ConvertSamples(layout_.coding, sample_bytes, raw_.data(), got * layout_.channels, out + done * layout_.channels);
      next_frame_ += got;
      done += got;
      if (got < step) {
        length_ = next_frame_;  // nothing more to come
        break;
      }
    }
    return done;
  }

  std::size_t ReadBlocks(std::int16_t* out, std::size_t frames) {
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
    const std::uint64_t start = next_block_ * layout_.block_align;
    if (start >= layout_.data_size) return false;
    const std::size_t size =
        static_cast<std::size_t>(std::min<std::uint64_t>(layout_.block_align, layout_.data_size - start));
    block_.resize(size);
    block_.resize(source_->ReadAt(layout_.data_offset + start, block_.data(), size));
    pending_.clear();
    pending_at_ = 0;
    ++next_block_;
    const std::size_t decoded =
        layout_.coding == WavCoding::kImaAdpcm
            ? DecodeImaAdpcmBlock(block_, layout_.channels, pending_)
            : DecodeMsAdpcmBlock(block_, layout_.channels, layout_.predictors, layout_.frames_per_block, pending_);
    return decoded > 0;
  }

  SourcePtr source_;
  WavLayout layout_;
  std::uint64_t length_;
  std::uint64_t next_frame_ = 0;
  std::optional<StereoDownmix> mix_;  // for more than two channels
  std::vector<std::int16_t> wide_;    // frames of every channel, before the mix
  std::vector<unsigned char> raw_;    // stored bytes being converted
  // ADPCM: the block being decoded and its frames being handed out.
  std::uint64_t next_block_ = 0;
  std::string block_;
  std::vector<std::int16_t> pending_;
  std::size_t pending_at_ = 0;
};

}  // namespace

DecoderPtr OpenWavDecoder(SourcePtr source, const WavLayout& layout) {
  if (!source || layout.coding == WavCoding::kMpeg || layout.LengthFrames() == 0) return nullptr;
  return std::make_unique<WavDecoder>(std::move(source), layout);
}

DecoderPtr OpenWavDecoder(std::string bytes) {
  SourcePtr source = MemorySource(std::move(bytes));
  const std::optional<WavLayout> layout = ParseWav(*source);
  if (!layout) return nullptr;
  return OpenWavDecoder(std::move(source), *layout);
}

}  // namespace tikolvo::audio

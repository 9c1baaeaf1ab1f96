#include "audio/wav_format.h"

#include "audio/pcm_decoder.h"
#include "common/byte_io.h"

namespace tikolvo::audio {
namespace {

constexpr std::uint16_t kTagPcm = 1;
constexpr std::uint16_t kTagFloat = 3;
constexpr std::uint16_t kTagImaAdpcm = 0x11;
constexpr std::uint16_t kTagExtensible = 0xFFFE;
constexpr std::size_t kRiffHeaderSize = 12;
constexpr std::size_t kChunkHeaderSize = 8;

struct Chunk {
  std::string_view id;
  std::string_view body;  // clamped to the end of the file
  std::uint64_t next = 0;  // offset of the following chunk (may lie beyond the file)
};

std::optional<Chunk> ChunkAt(std::string_view bytes, std::uint64_t offset) {
  if (offset + kChunkHeaderSize > bytes.size()) return std::nullopt;
  const std::string_view header = bytes.substr(static_cast<std::size_t>(offset), kChunkHeaderSize);
  ByteReader size_reader(header.substr(4));
  const std::uint32_t declared = size_reader.U32();
  const std::size_t body_start = static_cast<std::size_t>(offset) + kChunkHeaderSize;
  const std::string_view body = bytes.substr(body_start, declared);  // substr clamps
  return Chunk{header.substr(0, 4), body, body_start + std::uint64_t{declared} + (declared & 1u)};
}

// The fmt chunk's format tag, resolving the extensible form to its sub-format.
std::uint16_t EffectiveTag(std::uint16_t tag, std::string_view fmt) {
  if (tag != kTagExtensible) return tag;
  if (fmt.size() < 26) return 0;
  ByteReader sub(fmt.substr(24, 2));
  return sub.U16();
}

bool ApplyCoding(std::uint16_t tag, WavLayout& layout) {
  const std::uint16_t bits = layout.bits_per_sample;
  const std::uint16_t channels = layout.channels;
  switch (tag) {
    case kTagPcm:
      if (bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
      layout.coding = WavCoding::kPcmInteger;
      layout.block_align = static_cast<std::uint16_t>(channels * bits / 8);
      return true;
    case kTagFloat:
      if (bits != 32) return false;
      layout.coding = WavCoding::kPcmFloat;
      layout.block_align = static_cast<std::uint16_t>(channels * 4);
      return true;
    case kTagImaAdpcm: {
      // Each channel's block starts with a 4-byte header holding one sample,
      // then 4-byte groups of eight 4-bit samples per channel.
      const std::uint32_t header_bytes = 4u * channels;
      if (bits != 4 || layout.block_align <= header_bytes || (layout.block_align - header_bytes) % header_bytes != 0) {
        return false;
      }
      layout.coding = WavCoding::kImaAdpcm;
      layout.frames_per_block = (layout.block_align - header_bytes) * 2 / channels + 1;
      return true;
    }
    default:
      return false;
  }
}

bool ReadFormat(std::string_view fmt, WavLayout& layout) {
  ByteReader in(fmt);
  const std::uint16_t tag = in.U16();
  layout.channels = in.U16();
  layout.sample_rate = in.U32();
  in.U32();  // average bytes per second: derived, not trusted
  layout.block_align = in.U16();
  layout.bits_per_sample = in.U16();
  if (!in.ok() || layout.channels < 1 || layout.channels > 2 || !PlausibleSampleRate(layout.sample_rate)) {
    return false;
  }
  return ApplyCoding(EffectiveTag(tag, fmt), layout);
}

}  // namespace

std::uint64_t WavLayout::LengthFrames() const {
  if (block_align == 0) return 0;
  const std::uint64_t whole_blocks = data_size / block_align;
  std::uint64_t frames = whole_blocks * frames_per_block;
  if (coding == WavCoding::kImaAdpcm) {
    // A cut-short last block still carries its header sample and whatever
    // complete 4-byte groups follow it.
    const std::size_t rest = data_size % block_align;
    const std::size_t header_bytes = 4u * channels;
    if (rest >= header_bytes) frames += 1 + (rest - header_bytes) / header_bytes * 8;
  }
  return frames;
}

bool HasWavSignature(std::string_view bytes) {
  return bytes.size() >= kRiffHeaderSize && bytes.substr(0, 4) == "RIFF" && bytes.substr(8, 4) == "WAVE";
}

std::optional<WavLayout> ParseWav(std::string_view bytes) {
  if (!HasWavSignature(bytes)) return std::nullopt;
  WavLayout layout;
  bool have_format = false;
  bool have_data = false;
  std::uint64_t offset = kRiffHeaderSize;
  while (!(have_format && have_data)) {
    const std::optional<Chunk> chunk = ChunkAt(bytes, offset);
    if (!chunk) break;
    if (chunk->id == "fmt " && !have_format) {
      if (!ReadFormat(chunk->body, layout)) return std::nullopt;
      have_format = true;
    } else if (chunk->id == "data" && !have_data) {
      layout.data_offset = static_cast<std::size_t>(chunk->body.data() - bytes.data());
      layout.data_size = chunk->body.size();
      have_data = true;
    }
    offset = chunk->next;
  }
  if (!have_format || !have_data) return std::nullopt;
  return layout;
}

}  // namespace tikolvo::audio

#include "audio/wav_format.h"

#include <string>

#include "audio/pcm_decoder.h"
#include "common/byte_io.h"

namespace tikolvo::audio {
namespace {

constexpr std::uint16_t kTagPcm = 1;
constexpr std::uint16_t kTagMsAdpcm = 2;
constexpr std::uint16_t kTagFloat = 3;
constexpr std::uint16_t kTagALaw = 6;
constexpr std::uint16_t kTagMuLaw = 7;
constexpr std::uint16_t kTagImaAdpcm = 0x11;
constexpr std::uint16_t kTagMpeg = 0x50;
constexpr std::uint16_t kTagMpegLayer3 = 0x55;
constexpr std::uint16_t kTagExtensible = 0xFFFE;
constexpr std::size_t kRiffHeaderSize = 12;
constexpr std::size_t kChunkHeaderSize = 8;
constexpr std::size_t kMaxFormatBytes = 4096;  // the largest real one, MS ADPCM's, is 50
// Real files have a handful of chunks; a file of millions of empty ones
// must not keep the clock busy walking them.
constexpr int kMaxChunks = 4096;

// The predictors every MS ADPCM file carries first; used when a file
// leaves its table out.
const std::vector<AdpcmCoefficients> kStandardPredictors = {{256, 0}, {512, -256}, {0, 0},     {192, 64},
                                                            {240, 0}, {460, -208}, {392, -232}};

struct Chunk {
  std::string id;
  std::uint64_t body = 0;  // offset of the body
  std::uint32_t declared = 0;
  std::uint64_t next = 0;  // offset of the following chunk (may lie beyond the file)
};

std::optional<Chunk> ChunkAt(ByteSource& source, std::uint64_t offset) {
  const std::string header = ReadRange(source, offset, kChunkHeaderSize);
  if (header.size() < kChunkHeaderSize) return std::nullopt;
  ByteReader size_reader(std::string_view(header).substr(4));
  const std::uint32_t declared = size_reader.U32();
  const std::uint64_t body = offset + kChunkHeaderSize;
  return Chunk{header.substr(0, 4), body, declared, body + declared + (declared & 1u)};
}

// The fmt chunk's format tag, resolving the extensible form to its
// sub-format and taking its speaker positions.
std::uint16_t EffectiveTag(std::uint16_t tag, std::string_view fmt, WavLayout& layout) {
  if (tag != kTagExtensible) return tag;
  if (fmt.size() < 26) return 0;
  ByteReader mask(fmt.substr(20, 4));
  layout.channel_mask = mask.U32();
  ByteReader sub(fmt.substr(24, 2));
  return sub.U16();
}

bool ApplyImaAdpcm(WavLayout& layout) {
  // Each channel's block starts with a 4-byte header holding one sample,
  // then 4-byte groups of eight 4-bit samples per channel.
  const std::uint32_t header_bytes = 4u * layout.channels;
  if (layout.channels > 2 || layout.bits_per_sample != 4 || layout.block_align <= header_bytes ||
      (layout.block_align - header_bytes) % header_bytes != 0) {
    return false;
  }
  layout.coding = WavCoding::kImaAdpcm;
  layout.frames_per_block = (layout.block_align - header_bytes) * 2 / layout.channels + 1;
  return true;
}

// The extension after the 18 bytes of WAVEFORMATEX: samples per block,
// the predictor count and the predictors.
void ReadMsAdpcmExtension(std::string_view fmt, WavLayout& layout) {
  layout.predictors = kStandardPredictors;
  if (fmt.size() < 22) return;
  ByteReader in(fmt.substr(18));
  const std::uint16_t samples_per_block = in.U16();
  const std::uint16_t count = in.U16();
  if (samples_per_block >= 2 && samples_per_block < layout.frames_per_block)
    layout.frames_per_block = samples_per_block;
  std::vector<AdpcmCoefficients> table;
  for (std::uint16_t i = 0; i < count && in.remaining() >= 4; ++i) {
    const auto first = static_cast<std::int16_t>(in.U16());
    const auto second = static_cast<std::int16_t>(in.U16());
    table.push_back({first, second});
  }
  if (!table.empty()) layout.predictors = std::move(table);
}

bool ApplyMsAdpcm(std::string_view fmt, WavLayout& layout) {
  // A block starts with 7 header bytes per channel (predictor, delta and
  // two samples), then 4-bit codes, one per sample.
  const std::uint32_t header_bytes = 7u * layout.channels;
  if (layout.channels > 2 || layout.bits_per_sample != 4 || layout.block_align <= header_bytes) return false;
  layout.coding = WavCoding::kMsAdpcm;
  layout.frames_per_block = (layout.block_align - header_bytes) * 2 / layout.channels + 2;
  ReadMsAdpcmExtension(fmt, layout);
  return true;
}

// Codings with one whole number of bytes per sample.
bool ApplySampleCoding(WavCoding coding, unsigned bytes_per_sample, WavLayout& layout) {
  layout.coding = coding;
  layout.block_align = static_cast<std::uint16_t>(layout.channels * bytes_per_sample);
  return true;
}

bool ApplyCoding(std::uint16_t tag, std::string_view fmt, WavLayout& layout) {
  const std::uint16_t bits = layout.bits_per_sample;
  switch (tag) {
    case kTagPcm:
      if (bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
      return ApplySampleCoding(WavCoding::kPcmInteger, bits / 8, layout);
    case kTagFloat: return bits == 32 && ApplySampleCoding(WavCoding::kPcmFloat, 4, layout);
    case kTagALaw: return bits == 8 && ApplySampleCoding(WavCoding::kALaw, 1, layout);
    case kTagMuLaw: return bits == 8 && ApplySampleCoding(WavCoding::kMuLaw, 1, layout);
    case kTagImaAdpcm: return ApplyImaAdpcm(layout);
    case kTagMsAdpcm: return ApplyMsAdpcm(fmt, layout);
    case kTagMpeg:
    case kTagMpegLayer3:
      layout.coding = WavCoding::kMpeg;
      return layout.channels <= 2;
    default: return false;
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
  if (!in.ok() || layout.channels < 1 || layout.channels > kMaxWavChannels ||
      !PlausibleSampleRate(layout.sample_rate)) {
    return false;
  }
  return ApplyCoding(EffectiveTag(tag, fmt, layout), fmt, layout);
}

}  // namespace

std::uint64_t WavLayout::LengthFrames() const {
  if (block_align == 0 || coding == WavCoding::kMpeg) return 0;
  const std::uint64_t whole_blocks = data_size / block_align;
  std::uint64_t frames = whole_blocks * frames_per_block;
  // A cut-short last block still carries its header and whatever codes follow.
  const std::uint64_t rest = data_size % block_align;
  if (coding == WavCoding::kImaAdpcm) {
    const std::size_t header_bytes = 4u * channels;
    if (rest >= header_bytes) frames += 1 + (rest - header_bytes) / header_bytes * 8;
  } else if (coding == WavCoding::kMsAdpcm) {
    const std::size_t header_bytes = 7u * channels;
    if (rest >= header_bytes)
      frames += std::min<std::uint64_t>(frames_per_block, 2 + (rest - header_bytes) * 2 / channels);
  }
  return frames;
}

bool HasWavSignature(std::string_view bytes) {
  return bytes.size() >= kRiffHeaderSize && bytes.substr(0, 4) == "RIFF" && bytes.substr(8, 4) == "WAVE";
}

std::optional<WavLayout> ParseWav(ByteSource& source) {
  if (!HasWavSignature(ReadRange(source, 0, kRiffHeaderSize))) return std::nullopt;
  WavLayout layout;
  bool have_format = false;
  bool have_data = false;
  std::uint64_t offset = kRiffHeaderSize;
  for (int chunks = 0; chunks < kMaxChunks && !(have_format && have_data); ++chunks) {
    const std::optional<Chunk> chunk = ChunkAt(source, offset);
    if (!chunk) break;
    if (chunk->id == "fmt " && !have_format) {
      const std::size_t fmt_bytes = std::min<std::size_t>(chunk->declared, kMaxFormatBytes);
      if (!ReadFormat(ReadRange(source, chunk->body, fmt_bytes), layout)) return std::nullopt;
      have_format = true;
    } else if (chunk->id == "data" && !have_data) {
      layout.data_offset = chunk->body;
      layout.data_size = std::min<std::uint64_t>(chunk->declared, source.Size() - chunk->body);
      have_data = true;
    }
    offset = chunk->next;
  }
  if (!have_format || !have_data) return std::nullopt;
  return layout;
}

std::optional<WavLayout> ParseWav(std::string_view bytes) {
  BytesView source(bytes);
  return ParseWav(source);
}

}  // namespace tikolvo::audio

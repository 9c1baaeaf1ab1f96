#include "audio/mpeg_sniff.h"

#include <array>

namespace tikolvo::audio {
namespace {

// How far into the file (after a tag) a stream may start. Junk before the
// first frame is rare and short. A frame is at most 2881 bytes, so the
// second header is always within kMpegSniffBytes.
constexpr std::size_t kScanLimit = 16 * 1024;
static_assert(kScanLimit + 2881 + 4 <= kMpegSniffBytes);

using BitrateRow = std::array<std::uint16_t, 15>;  // kbit/s by index 0..14; index 0 is "free"
constexpr BitrateRow kV1Layer1 = {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448};
constexpr BitrateRow kV1Layer2 = {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384};
constexpr BitrateRow kV1Layer3 = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
constexpr BitrateRow kV2Layer1 = {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256};
constexpr BitrateRow kV2Layer23 = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};

unsigned Byte(std::string_view bytes, std::size_t at) { return static_cast<unsigned char>(bytes[at]); }

const BitrateRow& BitratesFor(unsigned version, unsigned layer) {
  if (version == 10) return layer == 1 ? kV1Layer1 : layer == 2 ? kV1Layer2 : kV1Layer3;
  return layer == 1 ? kV2Layer1 : kV2Layer23;
}

bool SameStream(const MpegFrameHeader& a, const MpegFrameHeader& b) {
  return a.version == b.version && a.layer == b.layer && a.sample_rate == b.sample_rate;
}

}  // namespace

std::optional<MpegFrameHeader> ParseMpegHeader(std::string_view bytes) {
  if (bytes.size() < 4 || Byte(bytes, 0) != 0xFF || (Byte(bytes, 1) & 0xE0) != 0xE0) return std::nullopt;
  static constexpr std::array<unsigned, 4> kVersions = {25, 0, 20, 10};
  static constexpr std::array<std::uint32_t, 3> kRatesV1 = {44100, 48000, 32000};
  const unsigned version = kVersions[(Byte(bytes, 1) >> 3) & 3];
  const unsigned layer = 4 - ((Byte(bytes, 1) >> 1) & 3);
  const unsigned bitrate_index = Byte(bytes, 2) >> 4;
  const unsigned rate_index = (Byte(bytes, 2) >> 2) & 3;
  const unsigned padding = (Byte(bytes, 2) >> 1) & 1;
  if (version == 0 || layer == 4 || bitrate_index == 0 || bitrate_index == 15 || rate_index == 3) {
    return std::nullopt;
  }
  MpegFrameHeader header;
  header.version = version;
  header.layer = layer;
  header.sample_rate = kRatesV1[rate_index] / (version == 10 ? 1 : version == 20 ? 2 : 4);
  const std::uint32_t bitrate = BitratesFor(version, layer)[bitrate_index] * 1000u;
  if (layer == 1) {
    header.frame_bytes = (12 * bitrate / header.sample_rate + padding) * 4;
  } else {
    const unsigned factor = (layer == 3 && version != 10) ? 72 : 144;
    header.frame_bytes = factor * bitrate / header.sample_rate + padding;
  }
  return header;
}

std::size_t Id3v2TagSize(std::string_view bytes) {
  if (bytes.size() < 10 || bytes.substr(0, 3) != "ID3") return 0;
  std::size_t size = 0;
  for (std::size_t i = 6; i < 10; ++i) size = (size << 7) | (Byte(bytes, i) & 0x7F);  // "syncsafe" digits
  const bool has_footer = (Byte(bytes, 5) & 0x10) != 0;
  return 10 + size + (has_footer ? 10 : 0);
}

bool LooksLikeMpegAudio(std::string_view bytes) {
  const std::size_t start = Id3v2TagSize(bytes);
  return start < bytes.size() && LooksLikeMpegStream(bytes.substr(start));
}

bool LooksLikeMpegStream(std::string_view stream) {
  stream = stream.substr(0, kMpegSniffBytes);
  for (std::size_t at = 0; at < kScanLimit && at + 4 <= stream.size(); ++at) {
    const std::optional<MpegFrameHeader> first = ParseMpegHeader(stream.substr(at));
    if (!first) continue;
    const std::size_t next = at + first->frame_bytes;
    if (next == stream.size()) return true;
    if (next > stream.size()) continue;
    const std::optional<MpegFrameHeader> second = ParseMpegHeader(stream.substr(next));
    if (second && SameStream(*first, *second)) return true;
  }
  return false;
}

}  // namespace tikolvo::audio

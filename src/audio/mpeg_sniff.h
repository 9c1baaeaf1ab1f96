#pragma once
// Recognising MPEG audio (MP3) by content. MP3 has no fixed magic number:
// a file may start with an ID3 tag, with a frame, or with a little junk, so
// we look for a frame header whose frame is followed by another header.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tikolvo::audio {

struct MpegFrameHeader {
  unsigned version = 0;  // 10 = MPEG-1, 20 = MPEG-2, 25 = MPEG-2.5
  unsigned layer = 0;    // 1, 2 or 3
  std::uint32_t sample_rate = 0;
  std::size_t frame_bytes = 0;
};

// The header at the start of `bytes`, or nothing when the four bytes are not
// a valid header of a fixed-bitrate frame.
std::optional<MpegFrameHeader> ParseMpegHeader(std::string_view bytes);

// The size of an ID3v2 tag at the start of the bytes (0 when there is none).
std::size_t Id3v2TagSize(std::string_view bytes);

// How many bytes after any ID3v2 tag LooksLikeMpegStream needs to see.
inline constexpr std::size_t kMpegSniffBytes = 20 * 1024;

// True when two consecutive MPEG audio frames of one stream are found near
// the start of `stream` (the bytes after any ID3v2 tag), or one frame that
// fills the rest. Only the first kMpegSniffBytes bytes are looked at.
bool LooksLikeMpegStream(std::string_view stream);

// The same for a whole file's bytes, tag included.
bool LooksLikeMpegAudio(std::string_view bytes);

}  // namespace tikolvo::audio

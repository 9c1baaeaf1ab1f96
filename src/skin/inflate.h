#pragma once
// zlib (RFC 1950) decompression shared by skin archive members, the sound bank
// and the program's compressed resources. The output is capped so that a tiny
// hostile stream cannot inflate into all of memory.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tikolvo {

// Far above any real member (the built-in skin is ~60 KB packed, a few
// hundred KB unpacked) and still affordable on a 32-bit process.
inline constexpr std::size_t kMaxInflatedSize = 64u * 1024 * 1024;

// Inflates one complete zlib stream. Bytes after the end of the stream are
// ignored. Returns nothing when the data is not zlib, fails its checksum,
// stops before the end of the stream, or would inflate beyond max_output.
std::optional<std::string> InflateZlib(std::string_view compressed,
                                       std::size_t max_output = kMaxInflatedSize);

// One zlib stream of the data at the best compression: how the packing tools
// store archive members, bank sounds and resources. Nothing if zlib fails.
std::optional<std::string> DeflateZlib(std::string_view data);

}  // namespace tikolvo

#pragma once
// A minimal Ogg page reader, enough to check a Vorbis file's header packets
// before stb_vorbis sees them: stb_vorbis trusts the length fields of the
// comment header and writes past its buffers when they lie.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tikolvo::audio {

// The first `count` packets of the first logical stream, joined across
// pages; fewer when the pages end or are damaged. Each packet is capped at
// `max_packet` bytes (a longer one counts as damaged and ends the list).
std::vector<std::string> FirstOggPackets(std::string_view bytes, std::size_t count, std::size_t max_packet);

// True when the Vorbis comment header (the second packet) holds every
// vendor and comment string its length fields announce.
bool VorbisCommentsFit(std::string_view bytes);

}  // namespace tikolvo::audio

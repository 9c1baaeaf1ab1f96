#include "audio/ogg_packets.h"

#include "common/byte_io.h"

namespace tikolvo::audio {
namespace {

constexpr std::size_t kPageHeaderSize = 27;
constexpr std::size_t kMaxCommentPacket = 1024 * 1024;

unsigned Byte(std::string_view bytes, std::size_t at) { return static_cast<unsigned char>(bytes[at]); }

}  // namespace

std::vector<std::string> FirstOggPackets(std::string_view bytes, std::size_t count, std::size_t max_packet) {
  std::vector<std::string> packets;
  std::string current;
  std::size_t page = 0;
  while (packets.size() < count && page + kPageHeaderSize <= bytes.size() && bytes.substr(page, 4) == "OggS") {
    const std::size_t segments = Byte(bytes, page + 26);
    const std::size_t table = page + kPageHeaderSize;
    if (table + segments > bytes.size()) break;
    std::size_t body = table + segments;
    for (std::size_t s = 0; s < segments && packets.size() < count; ++s) {
      const std::size_t lacing = Byte(bytes, table + s);
      if (body + lacing > bytes.size() || current.size() + lacing > max_packet) return packets;
      current.append(bytes.substr(body, lacing));
      body += lacing;
      if (lacing < 255) {  // a lacing value below 255 ends the packet
        packets.push_back(std::move(current));
        current.clear();
      }
    }
    std::size_t page_size = segments;
    for (std::size_t s = 0; s < segments; ++s) page_size += Byte(bytes, table + s);
    page += kPageHeaderSize + page_size;
  }
  return packets;
}

bool VorbisCommentsFit(std::string_view bytes) {
  const std::vector<std::string> packets = FirstOggPackets(bytes, 2, kMaxCommentPacket);
  if (packets.size() < 2) return false;
  const std::string& comments = packets[1];
  if (comments.size() < 7 || comments.compare(0, 7, "\x03vorbis") != 0) return false;
  ByteReader in(std::string_view(comments).substr(7));
  in.Skip(in.U32());  // vendor string
  const std::uint32_t list_length = in.U32();
  if (!in.ok() || list_length > in.remaining() / 4) return false;
  for (std::uint32_t i = 0; i < list_length && in.ok(); ++i) in.Skip(in.U32());
  return in.ok();
}

}  // namespace tikolvo::audio

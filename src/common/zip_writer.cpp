#include "common/zip_writer.h"

#include <zlib.h>

#include "common/byte_io.h"

namespace tikolvo {
namespace {

constexpr std::uint16_t kDeflated = 8;
constexpr std::uint16_t kVersion = 20;
// 1 January 2026, 00:00: archives of the same table are the same bytes.
constexpr std::uint16_t kDosTime = 0;
constexpr std::uint16_t kDosDate = ((2026 - 1980) << 9) | (1 << 5) | 1;

std::string RawDeflate(std::string_view content) {
  z_stream stream{};
  deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&stream, static_cast<uLong>(content.size())), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(content.data()));
  stream.avail_in = static_cast<uInt>(content.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

}  // namespace

// The fields a member's local header and its directory entry share, from
// the flags to the name's length.
void ZipWriter::WriteSharedFields(ByteWriter& out, const Entry& entry) {
  out.U16(0);
  out.U16(kDeflated);
  out.U16(kDosTime);
  out.U16(kDosDate);
  out.U32(entry.crc);
  out.U32(entry.packedSize);
  out.U32(entry.size);
  out.U16(static_cast<std::uint16_t>(entry.name.size()));
}

void ZipWriter::Add(std::string_view name, std::string_view content) {
  Entry entry;
  entry.name = std::string(name);
  entry.crc = static_cast<std::uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(content.data()), static_cast<uInt>(content.size())));
  const std::string packed = RawDeflate(content);
  entry.packedSize = static_cast<std::uint32_t>(packed.size());
  entry.size = static_cast<std::uint32_t>(content.size());
  entry.offset = static_cast<std::uint32_t>(bytes_.size());
  ByteWriter header;
  header.U32(0x04034B50);
  header.U16(kVersion);
  WriteSharedFields(header, entry);
  header.U16(0);
  header.Bytes(entry.name);
  bytes_ += header.data() + packed;
  entries_.push_back(std::move(entry));
}

std::string ZipWriter::Finish() {
  const auto directoryStart = static_cast<std::uint32_t>(bytes_.size());
  ByteWriter directory;
  for (const Entry& e : entries_) {
    directory.U32(0x02014B50);
    directory.U16(kVersion);
    directory.U16(kVersion);
    WriteSharedFields(directory, e);
    directory.Zeros(8);  // extra, comment, disk, internal attributes
    directory.U32(0);    // external attributes
    directory.U32(e.offset);
    directory.Bytes(e.name);
  }
  const auto directorySize = static_cast<std::uint32_t>(directory.data().size());
  directory.U32(0x06054B50);
  directory.Zeros(4);
  directory.U16(static_cast<std::uint16_t>(entries_.size()));
  directory.U16(static_cast<std::uint16_t>(entries_.size()));
  directory.U32(directorySize);
  directory.U32(directoryStart);
  directory.U16(0);
  std::string archive = std::move(bytes_) + directory.data();
  bytes_.clear();
  entries_.clear();
  return archive;
}

}  // namespace tikolvo

#include "skin/resource_directory.h"

#include <cstddef>
#include <vector>

#include "common/byte_io.h"

namespace tikolvo {
namespace {

constexpr std::uint32_t kHighBit = 0x80000000u;
constexpr std::size_t kDirectoryHeaderSize = 16;
constexpr std::size_t kEntrySize = 8;

struct Entry {
  std::uint32_t name = 0;    // string offset (high bit set) or number
  std::uint32_t target = 0;  // subdirectory (high bit set) or data entry
};

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Whether the entry's name is the wanted ASCII text, case aside.
bool NameIs(std::string_view directory, const Entry& entry, std::string_view wanted) {
  if (!(entry.name & kHighBit)) return false;
  const std::size_t offset = entry.name & ~kHighBit;
  if (offset >= directory.size()) return false;
  ByteReader in(directory.substr(offset));
  if (in.U16() != wanted.size()) return false;
  for (const char c : wanted) {
    const std::uint16_t unit = in.U16();
    if (!in.ok() || unit > 0x7F || Upper(static_cast<char>(unit)) != Upper(c)) return false;
  }
  return true;
}

// The entries of the directory at `offset`, named ones first.
std::optional<std::vector<Entry>> EntriesAt(std::string_view directory, std::uint32_t offset) {
  if (offset >= directory.size()) return std::nullopt;
  ByteReader in(directory.substr(offset));
  in.Skip(12);
  const std::size_t count = std::size_t{in.U16()} + in.U16();
  if (!in.ok() || in.remaining() < count * kEntrySize) return std::nullopt;
  std::vector<Entry> entries(count);
  for (Entry& entry : entries) entry = {in.U32(), in.U32()};
  return entries;
}

// The subdirectory below the entry of the wanted name.
std::optional<std::uint32_t> NamedSubdirectory(std::string_view directory, std::uint32_t offset,
                                               std::string_view wanted) {
  const auto entries = EntriesAt(directory, offset);
  if (!entries) return std::nullopt;
  for (const Entry& entry : *entries)
    if ((entry.target & kHighBit) && NameIs(directory, entry, wanted)) return entry.target & ~kHighBit;
  return std::nullopt;
}

}  // namespace

std::optional<ResourceSpan> FindNamedResource(std::string_view directory, std::string_view type,
                                              std::string_view name) {
  if (directory.size() < kDirectoryHeaderSize) return std::nullopt;
  const auto types = NamedSubdirectory(directory, 0, type);
  const auto languages = types ? NamedSubdirectory(directory, *types, name) : std::nullopt;
  const auto entries = languages ? EntriesAt(directory, *languages) : std::nullopt;
  if (!entries || entries->empty() || (entries->front().target & kHighBit)) return std::nullopt;
  const std::uint32_t dataEntry = entries->front().target;
  if (dataEntry >= directory.size()) return std::nullopt;
  ByteReader in(directory.substr(dataEntry));
  ResourceSpan span{in.U32(), in.U32()};
  if (!in.ok()) return std::nullopt;
  return span;
}

}  // namespace tikolvo

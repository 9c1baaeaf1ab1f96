#include "skin/tks_archive.h"

#include "common/byte_io.h"
#include "skin/bmp_decode.h"
#include "skin/inflate.h"
#include "skin/jpeg_decode.h"

namespace tikolvo {
namespace {

// Slot of each kind 0..23; -1 where a kind addresses no slot.
constexpr int kSlotOfKind[24] = {-1, 0, 1, 14, 15, 2, -1, 4, 5, 6, 7, 8,
                                 9, 10, 11, 12, 13, 16, 17, 18, 19, 20, 21, 22};

std::string_view EntryBytes(std::string_view archive, int slot) {
  const std::size_t start = kTksHeaderSize + kTksEntrySize * static_cast<std::size_t>(slot);
  if (archive.size() < start + kTksEntrySize) {
    throw SkinArchiveError("Архив скина обрезан: нет записи каталога " + std::to_string(slot));
  }
  return archive.substr(start, kTksEntrySize);
}

}  // namespace

std::optional<int> SlotOfKind(int kind) {
  if (kind < 0 || kind >= static_cast<int>(std::size(kSlotOfKind)) || kSlotOfKind[kind] < 0) return std::nullopt;
  return kSlotOfKind[kind];
}

TksEntry ParseTksEntry(std::string_view entry_bytes) {
  ByteReader in(entry_bytes);
  TksEntry entry;
  entry.marker = in.U32();
  entry.data_offset = in.U32();
  entry.kind_flag = in.U32();
  entry.transparent_colour = in.U32();
  entry.stored_size = in.U32();
  entry.name = in.ShortString(kTksNameCapacity);
  entry.colour_map_key = in.U32();
  entry.is_jpeg = in.U8() != 0;
  entry.present = in.U8() != 0;
  return entry;
}

std::uint8_t TksArchive::SkinTypeByte() const {
  if (bytes_.size() < kTksHeaderSize) throw SkinArchiveError("Архив скина короче заголовка");
  return static_cast<std::uint8_t>(bytes_[kTksSkinTypeOffset]);
}

TksEntry TksArchive::Entry(int kind) const {
  const std::optional<int> slot = SlotOfKind(kind);
  if (!slot) return TksEntry{};
  return ParseTksEntry(EntryBytes(bytes_, *slot));
}

std::optional<std::string> TksArchive::Member(int kind) const {
  const TksEntry entry = Entry(kind);
  if (!entry.present) return std::nullopt;
  const std::uint64_t end = std::uint64_t{entry.data_offset} + entry.stored_size;
  if (end > bytes_.size()) {
    throw SkinArchiveError("Данные файла \"" + entry.name + "\" выходят за конец архива скина");
  }
  std::optional<std::string> inflated = InflateZlib(bytes_.substr(entry.data_offset, entry.stored_size));
  if (!inflated) throw SkinArchiveError("Файл \"" + entry.name + "\" в архиве скина повреждён");
  return inflated;
}

std::optional<Picture> TksArchive::LoadPicture(int kind) const {
  const std::optional<std::string> file = Member(kind);
  if (!file) return std::nullopt;
  const TksEntry entry = Entry(kind);
  std::optional<Picture> picture = entry.is_jpeg ? DecodeJpeg(*file) : DecodeBmp(*file);
  if (!picture) throw SkinArchiveError("Рисунок \"" + entry.name + "\" в архиве скина повреждён");
  picture->transparent_colour = entry.transparent_colour;
  return picture;
}

}  // namespace tikolvo

#include "skin/skin_file.h"

#include <optional>

#include "common/file_io.h"
#include "skin/member_name.h"
#include "skin/tks_archive.h"

namespace tikolvo {
namespace {

std::optional<std::string> ReadArchive(const std::string& path) {
  if (!FileExists(path)) return std::nullopt;
  std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) throw SkinArchiveError("Не удалось прочитать архив скина " + path);
  return bytes;
}

}  // namespace

std::uint8_t ReadSkinType(const std::string& archive_path) {
  const auto bytes = ReadArchive(archive_path);
  return bytes ? TksArchive(*bytes).SkinTypeByte() : 0;
}

bool IsMemberPresent(const std::string& archive_path, int kind) {
  const auto bytes = ReadArchive(archive_path);
  return bytes && TksArchive(*bytes).IsPresent(kind);
}

TksEntry ReadEntry(const std::string& archive_path, int kind) {
  const auto bytes = ReadArchive(archive_path);
  return bytes ? TksArchive(*bytes).Entry(kind) : TksEntry{};
}

bool LoadPicture(const std::string& archive_path, int kind, Picture& target) {
  const auto bytes = ReadArchive(archive_path);
  if (!bytes) return false;
  std::optional<Picture> picture = TksArchive(*bytes).LoadPicture(kind);
  if (!picture) return false;
  target = std::move(*picture);
  return true;
}

std::string ExtractMember(const std::string& archive_path, int kind, const std::string& temp_folder) {
  const auto bytes = ReadArchive(archive_path);
  if (!bytes) return {};
  const TksArchive archive(*bytes);
  const TksEntry entry = archive.Entry(kind);
  if (!entry.present) return {};
  // Checked before inflating: a name that could escape the folder is never
  // turned into a path at all.
  const std::string name = SafeMemberName(entry.name);
  if (name.empty()) return {};
  const std::optional<std::string> content = archive.Member(kind);
  const std::string path = temp_folder + name;
  if (!SaveFileAtomically(path, *content)) {
    throw SkinArchiveError("Не удалось записать файл " + path);
  }
  return path;
}

std::string ExtractConfiguration(const std::string& archive_path, SkinConfigFile which,
                                 const std::string& temp_folder) {
  const int kind = which == SkinConfigFile::kCursors ? member_kind::kCursors : member_kind::kDescription;
  const std::string path = ExtractMember(archive_path, kind, temp_folder);
  return !path.empty() && FileExists(path) ? path : std::string();
}

}  // namespace tikolvo

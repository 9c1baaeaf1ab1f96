#include "skin/skin_list.h"

#include "skin/tks_archive.h"

namespace tikolvo {
namespace {

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string& name, const std::string& programFolder) {
  return programFolder + "skins\\" + name + "\\";
}

std::optional<Picture> ArchivePreview(const std::string& path, const SkinFileSource& files) {
  const std::optional<std::string> bytes = files.Read(path);
  if (!bytes) return std::nullopt;
  try {
    return TksArchive(*bytes).LoadPicture(member_kind::kPreview);
  } catch (const SkinArchiveError&) {
    return std::nullopt;
  }
}

std::optional<Picture> FolderPreview(const std::string& folder, const SkinFileSource& files) {
  for (const char* name : {"shot.bmp", "shot.jpg"}) {
    const std::string path = folder + name;
    if (!files.Exists(path)) continue;
    const std::optional<std::string> bytes = files.Read(path);
    return bytes ? DecodePictureFile(path, *bytes) : std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

SkinListEntry ParseSkinListEntry(const std::string& line) {
  SkinListEntry entry;
  const std::size_t bars = line.find("||");
  if (bars == std::string::npos) {
    entry.name = line;
    return entry;
  }
  entry.path = line.substr(0, bars);
  entry.name = FileNameOf(entry.path);
  entry.kind = line.compare(bars + 2, std::string::npos, "+") == 0 ? SkinEntryKind::Layered : SkinEntryKind::Archive;
  return entry;
}

std::string SkinListText(int index, const SkinListEntry& entry) {
  return std::to_string(index + 1) + ". " + entry.name;
}

SkinAcceptance AcceptSkinEntry(const SkinListEntry& entry, const std::string& programFolder) {
  if (entry.kind == SkinEntryKind::Folder) {
    const std::string folder = FolderOf(entry.name, programFolder);
    return {folder, folder, entry.name, entry.name};
  }
  return {entry.path, entry.path, entry.name, entry.path};
}

std::optional<Picture> ReadSkinPreview(const SkinListEntry& entry, const std::string& programFolder,
                                       const SkinFileSource& files) {
  if (entry.kind == SkinEntryKind::Folder) return FolderPreview(FolderOf(entry.name, programFolder), files);
  return ArchivePreview(entry.path, files);
}

bool IsInstallableSkinArchive(std::string_view bytes) {
  try {
    return !ReadArchiveSkin(bytes, std::string(), HandRecords{}).face.empty();
  } catch (const SkinArchiveError&) {
    return false;
  }
}

}  // namespace tikolvo

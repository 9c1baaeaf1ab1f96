#include "skin/skin_files.h"

#include "common/file_io.h"
#include "skin/folder_skin.h"
#include "skin/tks_archive.h"

namespace tikolvo {

bool DiskSkinFiles::Exists(const std::string& path) const { return FileExists(path); }

std::optional<std::string> DiskSkinFiles::Read(const std::string& path) const { return ReadWholeFile(path); }

std::optional<LoadedSkin> ReadSkinFromDisk(const std::string& path, const std::string& tempFolder,
                                           const HandRecords& previousHands) {
  const DiskSkinFiles disk;
  if (!HasArchiveExtension(path) || !disk.Exists(path)) return ReadFolderSkin(path, disk, previousHands);
  const std::optional<std::string> bytes = disk.Read(path);
  if (!bytes) throw SkinArchiveError("Не удалось прочитать архив скина " + path);
  LoadedSkin skin = ReadArchiveSkin(*bytes, tempFolder, previousHands);
  for (const ExtractedFile& file : skin.extracted) {
    if (!SaveFileAtomically(tempFolder + file.name, file.bytes))
      throw SkinArchiveError("Не удалось записать файл " + tempFolder + file.name);
  }
  return skin;
}

}  // namespace tikolvo

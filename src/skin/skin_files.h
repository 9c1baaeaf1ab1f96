#pragma once
// The skin read from the disk: an archive file taken in one read, or a
// folder skin read file by file, with the archive's cursor files written
// into the temporary folder the cursor plan names.
#include <optional>
#include <string>

#include "skin/skin_read.h"

namespace tikolvo {

class DiskSkinFiles : public SkinFileSource {
 public:
  bool Exists(const std::string& path) const override;
  std::optional<std::string> Read(const std::string& path) const override;
};

// An archive (".tks", any case, that exists) or a complete folder skin
// (path ends with a separator); nothing when the path is neither. A damaged
// or unreadable archive, or a cursor file that cannot be written into
// tempFolder (ending with a separator), raises SkinArchiveError.
std::optional<LoadedSkin> ReadSkinFromDisk(const std::string& path, const std::string& tempFolder,
                                           const HandRecords& previousHands);

}  // namespace tikolvo

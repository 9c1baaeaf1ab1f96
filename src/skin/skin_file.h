#pragma once
// The skin archive operations as the skin loader and the skin list use them:
// each takes the archive's path and reads the file afresh (archives are
// small, and the file may be replaced between two loads). A missing archive
// gives each operation's empty result; a damaged one raises
// SkinArchiveError (tks_archive.h).
#include <cstdint>
#include <string>

#include "skin/picture.h"
#include "skin/tks_layout.h"

namespace tikolvo {

// Low byte of the skin-type field; 0 for a missing archive.
std::uint8_t ReadSkinType(const std::string& archive_path);

// False when the archive is missing.
bool IsMemberPresent(const std::string& archive_path, int kind);

// A default entry (absent, offset 0, kind flag 1, white) when missing.
TksEntry ReadEntry(const std::string& archive_path, int kind);

// Replaces target with the decoded member and returns true; leaves it
// untouched and returns false when the archive or the member is missing.
bool LoadPicture(const std::string& archive_path, int kind, Picture& target);

// Inflates the member into temp_folder (which ends with a separator) under
// its stored name reduced to a bare file name, replacing any file of that
// name, and returns the written path. Returns "" and writes nothing when the
// archive or member is missing or the name is unusable.
std::string ExtractMember(const std::string& archive_path, int kind, const std::string& temp_folder);

// Which configuration file ExtractConfiguration writes.
enum class SkinConfigFile { kCursors = 0, kDescription = 1 };

// Extracts "cursors.cfg" (kind 4) or "config.cfg" (kind 9); returns the
// path when that file now exists, else "".
std::string ExtractConfiguration(const std::string& archive_path, SkinConfigFile which,
                                 const std::string& temp_folder);

}  // namespace tikolvo

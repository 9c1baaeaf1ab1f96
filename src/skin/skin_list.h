#pragma once
// The lines of the skin list and what each one leads to: its text in the
// list, the picture it shows as a preview and what accepting it loads and
// remembers. A line is an archive's path followed by "||*" (ordinary) or
// "||+" (layered); a line without "||" is the name of a folder skin under
// the skins folder.
#include <optional>
#include <string>
#include <string_view>

#include "skin/picture.h"
#include "skin/skin_read.h"

namespace tikolvo {

enum class SkinEntryKind { Archive, Layered, Folder };

struct SkinListEntry {
  SkinEntryKind kind = SkinEntryKind::Folder;
  std::string path;  // archives: the archive's full path
  std::string name;  // archives: the file name of the path; folders: the whole line
};

SkinListEntry ParseSkinListEntry(const std::string& line);

// "N. name" for the entry at `index` (N = index + 1).
std::string SkinListText(int index, const SkinListEntry& entry);

// What accepting an entry loads and, when it is taken, what the page shows
// and skin.cfg keeps. programFolder ends with a separator.
struct SkinAcceptance {
  std::string loadPath;   // an archive, or a folder ending with a separator
  std::string shownPath;  // EPathS
  std::string shownName;  // ENameS
  std::string stored;     // "Skin"/"Current"
};
SkinAcceptance AcceptSkinEntry(const SkinListEntry& entry, const std::string& programFolder);

// A double click takes the entry only when the skin loaded; the button
// takes it whatever the load did.
enum class SkinAcceptedBy { DoubleClick, Button };
inline bool RemembersAcceptedSkin(SkinAcceptedBy by, bool loaded) { return by == SkinAcceptedBy::Button || loaded; }

// The entry's preview: an archive's preview member, or a folder skin's
// "shot.bmp", else its "shot.jpg". Nothing when there is none or it cannot
// be read; a damaged archive is not an error here.
std::optional<Picture> ReadSkinPreview(const SkinListEntry& entry, const std::string& programFolder,
                                       const SkinFileSource& files);

// A dropped archive is installed only when the whole of it reads as a skin
// with a face: a damaged one is refused before anything is copied.
bool IsInstallableSkinArchive(std::string_view bytes);

}  // namespace tikolvo

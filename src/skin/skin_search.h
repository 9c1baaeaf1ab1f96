#pragma once
// The search for installed skins: a folder tree walked depth first, in the
// order the file system lists it, each ".tks" archive (any letter case)
// listed as its path plus "||*", or "||+" for a layered (type 3) one. Only
// an archive's header is read. An archive whose header cannot be read ends
// the search with nothing to show, as the list has always behaved.
// Asked to, the search also lists the folder skins directly under the
// searched folder (a sub-folder holding every file a folder skin needs) by
// their folder name, where the walk meets them.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tikolvo {

struct SkinFolderEntry {
  std::string name;
  bool folder = false;
};

class SkinSearchFiles {
 public:
  virtual ~SkinSearchFiles() = default;
  // The folder's entries, without "." and ".."; `folder` ends with a
  // separator.
  virtual std::vector<SkinFolderEntry> List(const std::string& folder) const = 0;
  // Up to `count` bytes from the file's start; fewer when it is shorter,
  // nothing when it cannot be read.
  virtual std::string ReadHead(const std::string& path, std::size_t count) const = 0;
};

// A folder's path with its separator: none is added after ":" or "\", and
// a bare drive letter becomes its root ("C" gives "C:\").
std::string FolderWithSeparator(const std::string& folder);

std::optional<std::vector<std::string>> FindSkins(const std::string& folder, const SkinSearchFiles& files,
                                                  bool folderSkins = false);

// The file name a skin archive gets when it is installed into a folder
// that may hold that name already: "name.tks", then "name (2).tks",
// "name (3).tks" and so on; nothing already there is ever chosen.
std::string InstalledSkinName(const std::string& fileName, const std::function<bool(const std::string&)>& taken);

}  // namespace tikolvo

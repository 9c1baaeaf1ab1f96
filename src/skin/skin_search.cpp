#include "skin/skin_search.h"

#include <set>

#include "common/cp1251.h"
#include "skin/folder_skin.h"
#include "skin/tks_archive.h"

namespace tikolvo {
namespace {

// A folder linked back into its own tree (a junction pointing upwards)
// would otherwise be walked for ever.
constexpr int kDeepestFolder = 32;

class Search {
 public:
  Search(const SkinSearchFiles& files, bool folderSkins) : files_(files), folderSkins_(folderSkins) {}

  // False when an archive's header could not be read.
  bool Walk(const std::string& folder, int depth) {
    if (depth > kDeepestFolder) return true;
    const std::string base = FolderWithSeparator(folder);
    for (const SkinFolderEntry& entry : files_.List(base)) {
      const std::string path = base + entry.name;
      if (entry.folder) {
        if (depth == 0 && folderSkins_ && IsFolderSkin(path)) found.push_back(entry.name);
        if (!Walk(path, depth + 1)) return false;
      } else if (HasArchiveExtension(entry.name) && !Add(path)) {
        return false;
      }
    }
    return true;
  }

  std::vector<std::string> found;

 private:
  bool Add(const std::string& path) {
    const std::string head = files_.ReadHead(path, kTksHeaderSize);
    if (head.size() < kTksHeaderSize) return false;
    const bool layered = TksArchive(head).SkinTypeByte() == 3;
    found.push_back(path + (layered ? "||+" : "||*"));
    return true;
  }

  // The folder's own listing answers which files exist, compared without
  // regard to letter case as the file system does.
  bool IsFolderSkin(const std::string& folder) const {
    const std::string base = FolderWithSeparator(folder);
    std::set<std::string> names;
    for (const SkinFolderEntry& entry : files_.List(base))
      if (!entry.folder) names.insert(LowerCaseText(entry.name));
    return IsValidFolderSkin(base, [&](const std::string& path) {
      return path.size() > base.size() && names.count(LowerCaseText(path.substr(base.size()))) != 0;
    });
  }

  const SkinSearchFiles& files_;
  bool folderSkins_;
};

}  // namespace

std::string FolderWithSeparator(const std::string& folder) {
  if (folder.size() == 1) return folder + ":\\";
  if (!folder.empty() && (folder.back() == ':' || folder.back() == '\\')) return folder;
  return folder + "\\";
}

std::optional<std::vector<std::string>> FindSkins(const std::string& folder, const SkinSearchFiles& files,
                                                  bool folderSkins) {
  Search search(files, folderSkins);
  if (!search.Walk(folder, 0)) return std::nullopt;
  return std::move(search.found);
}

std::string InstalledSkinName(const std::string& fileName, const std::function<bool(const std::string&)>& taken) {
  if (!taken(fileName)) return fileName;
  const std::size_t dot = fileName.rfind('.');
  const std::string stem = dot == std::string::npos ? fileName : fileName.substr(0, dot);
  const std::string extension = dot == std::string::npos ? std::string() : fileName.substr(dot);
  for (int number = 2;; ++number) {
    const std::string candidate = stem + " (" + std::to_string(number) + ")" + extension;
    if (!taken(candidate)) return candidate;
  }
}

}  // namespace tikolvo

#include "menus/folder_scan.h"

#include <algorithm>

#include "menus/entry_line.h"
#include "menus/url_file.h"
#include "scheduler/task_action_hangup.h"

namespace tikolvo {
namespace {

std::string WithBackslash(std::string folder) {
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

// Two spellings of one folder compare equal (case, trailing backslash).
std::string FolderKey(const std::string& folder) { return LowerCaseName(WithBackslash(folder)); }

std::string WithoutLastChars(const std::string& name, std::size_t count) {
  return name.size() > count ? name.substr(0, name.size() - count) : std::string();
}

bool IsDotName(const std::string& name) { return !name.empty() && name.front() == '.'; }

// Where a folder goes when folders come first: before the first item the
// predicate names, after everything when there is none (so folders keep
// the order the system lists them in).
template <typename Stops>
void InsertFolder(std::vector<MenuItem>& parent, MenuItem folder, bool foldersFirst, Stops stops) {
  if (!foldersFirst) {
    parent.push_back(std::move(folder));
    return;
  }
  const auto at = std::find_if(parent.begin(), parent.end(), stops);
  parent.insert(at, std::move(folder));
}

class FolderScanner {
 public:
  FolderScanner(const FolderScanContext& context, bool generated)
      : source_(context.source), width_(context.width), options_(context.options), generated_(generated) {}

  void ScanPrograms(const std::string& folder, std::vector<MenuItem>& parent) {
    if (!Enter(folder)) return;
    const std::string base = WithBackslash(folder);
    for (const FolderListEntry& entry : source_.List(base)) {
      if (!Budget() || IsDotName(entry.name) || entry.system) continue;
      if (entry.isFolder)
        ProgramFolder(entry.name, base + entry.name, parent);
      else
        ProgramFile(entry.name, base + entry.name, parent);
    }
    Leave();
  }

  void ScanWeb(const std::string& folder, std::vector<MenuItem>& parent) {
    if (!Enter(folder)) return;
    const std::string base = WithBackslash(folder);
    for (const FolderListEntry& entry : source_.List(base)) {
      if (!Budget()) continue;
      if (entry.isFolder) {
        if (!IsDotName(entry.name)) WebFolder(entry.name, base + entry.name, parent);
      } else if (entry.archive && !entry.hidden && !entry.system) {
        WebFile(entry.name, base + entry.name, parent);
      }
    }
    Leave();
  }

 private:
  bool Enter(const std::string& folder) {
    const std::string key = FolderKey(folder);
    if (static_cast<int>(chain_.size()) >= kMaxMenuFolderDepth) return false;
    if (std::find(chain_.begin(), chain_.end(), key) != chain_.end()) return false;
    chain_.push_back(key);
    return true;
  }
  void Leave() { chain_.pop_back(); }
  bool Budget() { return made_ < kMaxScannedItems; }

  MenuItem Generated(MenuItem item) {
    ++made_;
    if (generated_) item.tag = menu_tag::kGenerated;
    return item;
  }

  // The target folder of a shortcut, when it should become a submenu.
  bool IsFolderShortcut(const ShortcutTarget& target) {
    std::string folder = target.path;
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    return options_.shortcutFolders && !FileNamePart(folder).empty() && source_.FolderExists(target.path);
  }

  void ProgramFolder(const std::string& caption, const std::string& folder, std::vector<MenuItem>& parent) {
    MenuItem item;
    item.kind = MenuItemKind::kSubmenu;
    item.caption = FitCaption(caption, kProgramCaptionLimit, width_);
    item.picture = menu_picture::kProgramFolder;
    item = Generated(std::move(item));
    ScanPrograms(folder, item.children);
    InsertFolder(parent, std::move(item), options_.foldersFirst,
                 [](const MenuItem& i) { return i.HasHint() || i.tag != menu_tag::kGenerated; });
  }

  void ProgramFile(const std::string& name, const std::string& path, std::vector<MenuItem>& parent) {
    const std::string extension = LowerExtension(name);
    const bool shortcut = extension == ".lnk";
    const std::string caption = shortcut || extension == ".url" ? WithoutLastChars(name, 4) : name;
    MenuItem item;
    if (shortcut) {
      const ShortcutTarget target = source_.ReadShortcut(path);
      if (IsFolderShortcut(target)) return ProgramFolder(caption, target.path, parent);
      item.hint = ProgramLine(caption, target.path, target.arguments);
    } else {
      item.hint = ProgramLine(name, path, "");
    }
    item.caption = FitCaption(caption, kProgramCaptionLimit, width_);
    item.picture = menu_picture::kProgram;
    item.click = MenuClick::kProgramEntry;
    parent.push_back(Generated(std::move(item)));
  }

  void WebFolder(const std::string& caption, const std::string& folder, std::vector<MenuItem>& parent) {
    MenuItem item;
    item.kind = MenuItemKind::kSubmenu;
    item.caption = FitCaption(caption, kWebCaptionLimit, width_);
    item.picture = generated_ ? menu_picture::kWebFolder : menu_picture::kFavouriteFolder;
    item = Generated(std::move(item));
    ScanWeb(folder, item.children);
    InsertFolder(parent, std::move(item), options_.foldersFirst, [](const MenuItem& i) { return i.HasHint(); });
  }

  void WebFile(const std::string& name, const std::string& path, std::vector<MenuItem>& parent) {
    const std::string extension = LowerExtension(name);
    if (extension == ".lnk" && generated_) {
      const ShortcutTarget target = source_.ReadShortcut(path);
      if (IsFolderShortcut(target)) WebFolder(WithoutLastChars(name, 4), target.path, parent);
      return;
    }
    if (extension != ".url") return;
    const std::optional<std::string> bytes = source_.ReadFile(path);
    MenuItem item;
    item.caption = FitCaption(WithoutLastChars(name, 4), kWebCaptionLimit, width_);
    item.hint = bytes ? UrlFileAddress(*bytes) : kMissingUrlAddress;
    item.picture = generated_ ? menu_picture::kWebLink : menu_picture::kFavourite;
    item.click = MenuClick::kLinkEntry;
    parent.push_back(Generated(std::move(item)));
  }

  MenuFolderSource& source_;
  const TextWidth& width_;
  FolderScanOptions options_;
  bool generated_;
  std::vector<std::string> chain_;
  int made_ = 0;
};

void ScanTree(std::vector<MenuItem>& menu, const std::string& folder, const FolderScanContext& context, bool web) {
  if (!context.source.FolderExists(folder)) return;
  FolderScanner scanner(context, true);
  if (web)
    scanner.ScanWeb(folder, menu);
  else
    scanner.ScanPrograms(folder, menu);
}

}  // namespace

void AddProgramFolderItems(std::vector<MenuItem>& menu, const std::string& programFolder,
                           const FolderScanContext& context) {
  ScanTree(menu, programFolder + kProgramMenuFolder, context, false);
}

void AddWebFolderItems(std::vector<MenuItem>& menu, const std::string& programFolder,
                       const FolderScanContext& context) {
  ScanTree(menu, programFolder + kWebMenuFolder, context, true);
}

void AddFavorites(MenuItem& favourites, const std::string& favouritesFolder, const FolderScanContext& context) {
  if (favouritesFolder.empty()) return;
  FolderScanner scanner(context, false);
  scanner.ScanWeb(favouritesFolder, favourites.children);
}

}  // namespace tikolvo

#pragma once
// What the launchers read from the file system, behind a small interface:
// the Windows layer lists folders with the find functions, reads files
// whole and fills shortcut targets from the shell link interface; tests
// give a folder tree in memory. Paths are UTF-8 with "\" separators.
#include <optional>
#include <string>
#include <vector>

namespace tikolvo {

struct FolderListEntry {
  std::string name;  // bare name, no path
  bool isFolder = false;
  // Attributes the scans filter by: the programs scan skips system files,
  // the web scan takes only files with the archive attribute that are
  // neither hidden nor system.
  bool archive = false;
  bool hidden = false;
  bool system = false;
};

// A shortcut's target and arguments; an unreadable shortcut gives empty ones.
struct ShortcutTarget {
  std::string path;
  std::string arguments;
};

class MenuFolderSource {
 public:
  virtual ~MenuFolderSource() = default;
  // The entries of a folder (never "." or ".."), in the order the system
  // lists them; empty for a missing folder.
  virtual std::vector<FolderListEntry> List(const std::string& folder) = 0;
  virtual bool FolderExists(const std::string& path) = 0;
  // The whole file, for ".url" files; nullopt when it cannot be read.
  virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
  virtual ShortcutTarget ReadShortcut(const std::string& path) = 0;
};

}  // namespace tikolvo

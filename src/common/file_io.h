#pragma once
// Whole-file reading and the atomic whole-file save every record file uses:
// the new content goes to a temporary file beside the target, reaches the
// disk, and only then replaces the target in one step, so neither a crash
// nor a power cut leaves half a file or none.
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tikolvo {

// Paths are UTF-8 everywhere in the program.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes bytes to path + ".tmp~", then replaces path with it. Returns false
// (and leaves the old file untouched) when anything fails.
bool SaveFileAtomically(const std::string& path, std::string_view bytes);

bool FileExists(const std::string& path);
// The file opened for binary reading, for what is read as it goes (sounds);
// nullptr for a folder or a file that cannot be opened.
std::FILE* OpenFileForReading(const std::string& path);
bool FolderExists(const std::string& path);
// Creates the folder and every missing folder above it; true when it exists.
bool MakeFolders(const std::string& folder);

// The file operations of one save, in the order the save calls them:
// Create, Write, Flush, Close, Replace. When a step fails the save still
// closes what it opened, removes the temporary file and reports failure.
class FileReplacer {
 public:
  virtual ~FileReplacer() = default;
  // Opens the temporary file for writing, empty.
  virtual bool Create(const std::string& temp) = 0;
  virtual bool Write(std::string_view bytes) = 0;
  // Puts what was written on the disk itself, not only in the system's
  // cache: a replace that reached the disk before its data would leave an
  // empty or torn file after a power cut.
  virtual bool Flush() = 0;
  virtual bool Close() = 0;
  // Puts the temporary file in the target's place in one step.
  virtual bool Replace(const std::string& temp, const std::string& target) = 0;
  virtual void Remove(const std::string& temp) = 0;
};

using FileReplacerFactory = std::function<std::unique_ptr<FileReplacer>()>;

// The C++ library's streams and rename; Flush hands the bytes to the system.
// The Windows layer installs its own, which flushes to the disk.
std::unique_ptr<FileReplacer> MakeStreamFileReplacer();

// Every later save takes a fresh replacer from the factory; an empty
// factory restores the stream replacer.
void SetFileReplacer(FileReplacerFactory factory);

}  // namespace tikolvo

#pragma once
// Whole-file reading and the atomic whole-file save every record file uses:
// the new content goes to a temporary file beside the target, which then
// replaces the target in one step, so a crash never leaves half a file.
#include <functional>
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
bool FolderExists(const std::string& path);
// Creates the folder and every missing folder above it; true when it exists.
bool MakeFolders(const std::string& folder);

// How the temporary file replaces the target. The default renames through
// the C++ library; the Windows layer installs MoveFileExW with write-through.
using FileReplacer = std::function<bool(const std::string& from, const std::string& to)>;
void SetFileReplacer(FileReplacer replacer);

}  // namespace tikolvo
